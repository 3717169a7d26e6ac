// The "Relation Search", "Relatives" and "Descendants" windows on the demo family, as the program
// starts on a fresh application folder: the lists, the answers, the warning boxes, each person's
// photo or "No Picture Available", every relationship's path and a click on its boxes, the
// relatives by kind, a click on a descendant, and "Save" through an injected save-as answer.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

#include "relations/ui/descendants_dialog.h"
#include "relations/ui/relation_check_dialog.h"
#include "relations/ui/relation_path_view.h"
#include "relations/ui/relatives_dialog.h"
#include "support/gedcom_fixture.h"
#include "support/scripted_file_chooser.h"
#include "support/test_main.h"
#include "support/test_table.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;
using namespace Qt::StringLiterals;

namespace {

// Each generation's heading followed by its descendants: "Generation 1: Ann, Bob".
QStringList Listed(const QTreeView* list) {
  const QAbstractItemModel* model = list->model();
  QStringList generations;
  for (int g = 0; g < model->rowCount(); ++g) {
    const QModelIndex heading = model->index(g, 0);
    QStringList names;
    for (int i = 0; i < model->rowCount(heading); ++i)
      names.append(model->index(i, 0, heading).data().toString());
    generations.append(heading.data().toString() + ": " + names.join(", "));
  }
  return generations;
}

QStringList Sentences(const QWidget& window) {
  QStringList sentences;
  for (const QLabel* label : window.findChildren<QLabel*>("relationshipSentence")) {
    sentences.append(label->text());
  }
  return sentences;
}

// Clicks the person's box in the first path shown; the window names them by number.
void ClickBox(QWidget& window, int number) {
  QSignalSpy chosen(&window, SIGNAL(personChosen(int)));
  auto* path = Child<RelationPathView>(window, "relationPath");
  QTest::mouseClick(path, Qt::LeftButton, {}, path->BoxOf(number).center());
  QCOMPARE(chosen.size(), 1);
  QCOMPARE(chosen.first().first().toInt(), number);
}

}  // namespace

class RelationWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    session_ = OpenDemoFamily(folder_);
    prompter_ = ScriptedPrompter();
    files_ = ScriptedFileChooser();
  }

  void RelationSearchFinds_data() {  // first, second, answer, photo shown for each, warnings
    Columns<QString, QString, QString, bool, bool, QStringList>();
    const QString missing = "Gender attribute is missing for %1. Results may be inaccurate.";
    Row("one photo, gender missing", "Samuel Hart", "Eleanor Hart Whitfield",
        "Samuel Hart is a father of Eleanor Hart Whitfield.", false, true,
        QStringList{missing.arg("Samuel Hart")});
    Row("typed name not in the family", "Thomas Whitfield", "Tom", "No relation found.", true,
        false, QStringList{"\"Tom\" is not a person of this family."});
  }

  void RelationSearchFinds() {
    const auto [first, second, answer, first_photo, second_photo, warnings] =
        Fetch<QString, QString, QString, bool, bool, QStringList>();
    RelationCheckDialog dialog(session_, prompter_);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    Child<QComboBox>(dialog, "firstPerson")->setCurrentText(first);
    Child<QComboBox>(dialog, "secondPerson")->setCurrentText(second);
    Click(dialog, "findRelation");
    QCOMPARE(Child<QPlainTextEdit>(dialog, "answer")->toPlainText(), answer);
    QCOMPARE(prompter_.messages, warnings);
    QCOMPARE(prompter_.message_titles, QStringList(warnings.size(), "Warning"));
    QCOMPARE(prompter_.message_kinds, QList<MessageKind>(warnings.size(), MessageKind::kWarning));
    for (const auto& [place, shown] : {std::pair{"first", first_photo}, {"second", second_photo}}) {
      auto* picture = Child<QLabel>(dialog, QString(place) + "Photo");
      QCOMPARE(picture->isVisible(), shown);
      QCOMPARE(picture->pixmap().isNull(), !shown);
      QCOMPARE(Child<QLabel>(dialog, QString(place) + "NoPicture")->isVisible(), !shown);
    }
    Click(dialog, "return");
    QVERIFY(!dialog.isVisible());
  }

  void RelationSearchShowsEveryRelationship() {
    RelationCheckDialog dialog(session_, prompter_);
    for (const char* person : {"firstPerson", "secondPerson"})  // every person of the family
      QCOMPARE(Child<QComboBox>(dialog, person)->count(), session_.index.size());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    Child<QComboBox>(dialog, "firstPerson")->setCurrentText("Samuel Hart");
    Child<QComboBox>(dialog, "secondPerson")->setCurrentText("Thomas Whitfield");
    Click(dialog, "findRelation");
    QCOMPARE(Child<QPlainTextEdit>(dialog, "answer")->toPlainText(), "No relation found.");
    QCOMPARE(Sentences(dialog),
             QStringList{"Samuel Hart is a father by marriage of Thomas Whitfield."});
    // The window has grown to show the path whole.
    auto* paths = Child<QScrollArea>(dialog, "relationships");
    const QSize seen = paths->viewport()->size();
    QVERIFY(seen.expandedTo(paths->widget()->sizeHint()) == seen);
    ClickBox(dialog, 5);  // Eleanor Hart Whitfield, between the two
  }

  void RelativesByKind() {
    session_.view.person_of_interest = "Jack Whitfield";
    RelativesDialog dialog(session_, prompter_);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(Child<QComboBox>(dialog, "person")->currentText(), "Jack Whitfield");
    Child<QSpinBox>(dialog, "maxDegree")->setValue(0);
    Click(dialog, "search");
    auto* tree = Child<QTreeWidget>(dialog, "relatives");
    QTreeWidgetItem* son = tree->topLevelItem(3)->child(0);
    QCOMPARE(QStringList({son->text(0), son->text(1), son->text(2)}),
             QStringList({"Colin Whitfield", "0047", "son"}));
    tree->setCurrentItem(son);
    QCOMPARE(Sentences(dialog), QStringList{"Jack Whitfield is a father of Colin Whitfield."});
    ClickBox(dialog, 47);
    Child<QComboBox>(dialog, "person")->setCurrentText("Nobody");
    Click(dialog, "search");
    QCOMPARE(tree->topLevelItemCount(), 0);
    QCOMPARE(prompter_.messages, QStringList{"There is nobody named \"Nobody\" in this family."});
  }

  void DescendantsSearchAndClick() {
    session_.view.person_of_interest = "Peter Whitfield";
    auto dialog = OpenDescendants(QString());
    QCOMPARE(Child<QComboBox>(*dialog, "person")->currentText(), "Peter Whitfield");
    auto* list = Child<QTreeView>(*dialog, "descendants");
    QCOMPARE(list->model()->rowCount(), 0);
    Click(*dialog, "search");
    QCOMPARE(Listed(list),
             QStringList({"Generation 1: David Whitfield, Helen Whitfield Turner",
                          "Generation 2: Ann Whitfield, James Whitfield, Emily Turner"}));
    // A heading names nobody; a descendant under it answers.
    list->setCurrentIndex(list->model()->index(1, 0));
    QCOMPARE(Child<QPlainTextEdit>(*dialog, "answer")->toPlainText(), "");
    const QRect emily = list->visualRect(list->model()->index(2, 0, list->model()->index(1, 0)));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, emily.center());
    QCOMPARE(Child<QPlainTextEdit>(*dialog, "answer")->toPlainText(),
             "Peter Whitfield is a grandfather of Emily Turner.");
    QVERIFY(prompter_.messages.isEmpty());
    Child<QComboBox>(*dialog, "person")->setCurrentText("Nobody");
    Click(*dialog, "search");
    QCOMPARE(Listed(list), QStringList());
    QCOMPARE(prompter_.message_titles, QStringList{"Descendants"});
  }

  void DescendantsSave_data() {  // file, with relations, content, messages
    Columns<QString, bool, QByteArray, QStringList>();
    const QStringList saved{"File Saved"};
    Row("names", "list.txt", false,
        "Descendants of David Whitfield\r\nAnn Whitfield\r\nJames Whitfield\r\n"_ba, saved);
    Row("relations", "list.txt", true,
        "Descendants of David Whitfield\r\nAnn Whitfield : David Whitfield is a father of Ann "
        "Whitfield.\r\nJames Whitfield : David Whitfield is a father of James Whitfield.\r\n"_ba,
        saved);
    Row("cannot be written", "no/such/folder/list.txt", false, ""_ba,
        QStringList{"Problem saving file."});
    Row("cancelled", "", false, ""_ba, QStringList{});
  }

  void DescendantsSave() {
    const auto [file, with_relations, content, messages] =
        Fetch<QString, bool, QByteArray, QStringList>();
    const QString path = file.isEmpty() ? QString() : QDir(folder_.path()).filePath(file);
    auto dialog = OpenDescendants(path);
    Child<QComboBox>(*dialog, "person")->setCurrentText("David Whitfield");
    Click(*dialog, "search");
    Child<QCheckBox>(*dialog, "includeRelations")->setChecked(with_relations);
    const bool existed = !path.isEmpty() && QFileInfo::exists(path);
    prompter_.confirmations = {true};  // replace a file saved before
    Click(*dialog, "save");
    QCOMPARE(files_.requests.size(), 1);
    const FileRequest asked = files_.requests[0];
    QCOMPARE(QFileInfo(asked.start).fileName(),
             "David Whitfield_Descendants_" + QDate::currentDate().toString(Qt::ISODate) + ".txt");
    QCOMPARE(prompter_.questions.size(), existed ? 1 : 0);
    QStringList first_lines;  // a failure names its cause on the next line
    for (const QString& message : prompter_.messages)
      first_lines.append(message.section('\n', 0, 0));
    QCOMPARE(first_lines, messages);
    for (const QString& message : prompter_.messages) {
      if (message.startsWith("Problem")) QVERIFY(message.contains("No such file or directory"));
    }
    QCOMPARE(prompter_.message_titles, QStringList(messages.size(), "Save Status"));
    QFile saved(path);
    QCOMPARE(!path.isEmpty() && saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray(),
             content);
  }

 private:
  std::unique_ptr<DescendantsDialog> OpenDescendants(const QString& save_path) {
    files_.answers = {save_path};
    auto dialog = std::make_unique<DescendantsDialog>(session_, prompter_, files_);
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog.get())) qWarning("window not exposed");
    return dialog;
  }

  TempAppFolder folder_;
  Session session_;
  ScriptedPrompter prompter_;
  ScriptedFileChooser files_;
};

KINVALE_TEST(RelationWindowsTest)
#include "test_relations_ui_windows.moc"
