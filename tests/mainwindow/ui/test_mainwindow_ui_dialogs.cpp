// The windows the main window opens, driven through their controls: the family chooser, the
// name entry dialog, the save-as window and the person information window.
#include <QtTest>
#include <QtWidgets>

#include "common/ui/line_entry_dialog.h"
#include "common/ui/save_as_dialog.h"
#include "mainwindow/ui/family_chooser_dialog.h"
#include "mainwindow/ui/person_info_dialog.h"
#include "store/families.h"
#include "store/record_writer.h"
#include "store/text_codec.h"
#include "support/filled_details.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"
#include "support/test_table.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

// Leaves a dialog by each step in turn: "frame" closes it, "enter" and "escape" are keys, any
// other step clicks the button of that name.
void Leave(QDialog* dialog, const QString& steps) {
  for (const QString& step : steps.split(u' ')) {
    if (step == u"frame") {
      dialog->close();
    } else if (step == u"enter" || step == u"escape") {
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog,
                      step == u"escape" ? Qt::Key_Escape : Qt::Key_Return);
    } else {
      Click(*dialog, step);
    }
  }
}

// A folder with the families Smith and Jones, and entries the chooser must not offer.
struct ChooserFolder {
  TempAppFolder folder;
  ScriptedPrompter prompter;
  ChooserFolder() {
    for (const char* name : {"Smith", "Jones", "Smith.old"}) QDir(folder.path()).mkdir(name);
    folder.WriteFile(".", "notes", "x");
  }
};

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  // The family selected first ("" for none), how the chooser is left, outcome, family.
  void ChooserAnswers_data() {
    Columns<QString, QString, int, QString>();
    Row("Open", "Smith", "openButton", int(ChooserOutcome::kOpened), "Smith");
    Row("Enter opens", "Jones", "enter", int(ChooserOutcome::kOpened), "Jones");
    Row("Cancel", "Smith", "cancelButton", int(ChooserOutcome::kCancelled), "");
    Row("Escape cancels", "Smith", "escape", int(ChooserOutcome::kCancelled), "");
    Row("frame close", "Smith", "frame", int(ChooserOutcome::kClosed), "");
    Row("Open needs a selection", "", "openButton frame", int(ChooserOutcome::kClosed), "");
  }
  void ChooserAnswers() {
    const auto [select, how, outcome, family] = Fetch<QString, QString, int, QString>();
    ChooserFolder setup;
    QStringList offered;
    WhenModalShown([&](QWidget* widget) {
      auto* families = Child<QListWidget>(*widget, "familyList");
      offered = Entries(*families);
      if (!select.isEmpty()) {
        families->setCurrentItem(families->findItems(select, Qt::MatchExactly).first());
      }
      families->setFocus();
      Leave(static_cast<QDialog*>(widget), how);
    });
    const FamilyChoice choice =
        FamilyChooserDialog::Choose(nullptr, setup.folder.path(), setup.prompter);
    QCOMPARE(offered, (QStringList{"Jones", "Smith"}));
    QCOMPARE(int(choice.outcome), outcome);
    QCOMPARE(choice.family, family);
  }

  // The names the store refuses are its tests; here, what the window says and lists for a name
  // made, one refused and one taken.
  void ChooserCreate_data() {  // name, message (titled "Family File Start" when created)
    Columns<QString, QString>();
    Row("plain name", "Whitfield", "New Family Created");
    Row("existing family", "Smith", "A family or file named \"Smith\" exists already.");
    Row("special character", "Ab#cd", "No special characters please");
  }
  void ChooserCreate() {
    const auto [name, message] = Fetch<QString, QString>();
    const bool created = message == kFamilyCreatedMessage;
    ChooserFolder setup;
    FamilyChooserDialog dialog(setup.folder.path(), setup.prompter);
    dialog.show();
    auto* box = Child<QLineEdit>(dialog, "newFamily");
    QCOMPARE(box->text(), kNewFamilyInitialText);
    box->setText(name);
    Click(dialog, "createButton");

    QCOMPARE(setup.prompter.messages, QStringList{message});
    QCOMPARE(setup.prompter.message_titles,
             QStringList{created ? "Family File Start" : "Name Error"});
    const QStringList families = ListFamilies(setup.folder.path());
    QCOMPARE(families.size(), created ? 3 : 2);
    auto* list = Child<QListWidget>(dialog, "familyList");
    QCOMPARE(Entries(*list), families);
    if (created) QCOMPARE(list->currentItem()->text(), name);
    QVERIFY(dialog.isVisible());
  }

  void LineEntryAnswers_data() {  // typed, how the entry is left, answer
    Columns<QString, QString, QString>();
    Row("Apply keeps spaces", "  Mary  Ann ", "applyButton", "  Mary  Ann ");
    Row("Enter applies", "  Mary  Ann ", "enter", "  Mary  Ann ");
    Row("Cancel", "Mary", "cancelButton", "");
    Row("Escape cancels", "Mary", "escape", "");
    Row("frame close", "Mary", "frame", "");
    Row("Apply with nothing typed", "", "applyButton", "");
  }
  void LineEntryAnswers() {
    const auto [typed, how, expected] = Fetch<QString, QString, QString>();
    QString title, prompt;
    WhenModalShown([&](QWidget* widget) {
      title = widget->windowTitle();
      prompt = Child<QLabel>(*widget, "prompt")->text();
      auto* answer = Child<QLineEdit>(*widget, "answer");
      answer->setFocus();
      QTest::keyClicks(answer, typed);
      Leave(static_cast<QDialog*>(widget), how);
    });
    const QString answer = LineEntryDialog::Ask(nullptr, QStringLiteral("Enter Father's Name"));
    QCOMPARE(title, QStringLiteral("Enter Name"));
    QCOMPARE(prompt, QStringLiteral("Enter Father's Name"));
    QCOMPARE(answer, expected);
  }

  // The subfolder picked in the folder list ("" keeps the start), the file name ("-": the
  // default is left as it is), how the window is left, and the path relative to the start folder
  // ("" for no path).
  void SaveAsGivesFolderAndName_data() {
    Columns<QString, QString, QString, QString>();
    Row("Save in the start folder", "", "tree.txt", "saveButton", "tree.txt");
    Row("Save in a picked folder", "out", "tree.txt", "saveButton", "out/tree.txt");
    Row("default name", "", "-", "saveButton", "default.txt");
    Row("Enter saves", "", "a b.txt", "enter", "a b.txt");
    Row("Save needs a file name", "", "", "saveButton frame", "");
    Row("Cancel", "", "tree.txt", "cancelButton", "");
    Row("frame close", "", "tree.txt", "frame", "");
  }
  void SaveAsGivesFolderAndName() {
    const auto [subfolder, file_name, how, expected] = Fetch<QString, QString, QString, QString>();
    TempAppFolder folder;
    QDir(folder.path()).mkdir(QStringLiteral("out"));
    int drives = 0;
    WhenModalShown([&](QWidget* widget) {
      drives = Child<QComboBox>(*widget, "driveSelector")->count();
      if (!subfolder.isEmpty()) {
        auto* tree = Child<QTreeView>(*widget, "folderList");
        auto* model = static_cast<QFileSystemModel*>(tree->model());
        tree->setCurrentIndex(model->index(QDir(folder.path()).filePath(subfolder)));
      }
      auto* name = Child<QLineEdit>(*widget, "fileName");
      if (file_name != u"-") name->setText(file_name);
      name->setFocus();
      Leave(static_cast<QDialog*>(widget), how);
    });
    const QString path = SaveAsDialog::ChooseSavePath(nullptr, folder.path(), "default.txt");
    QCOMPARE(path, expected.isEmpty() ? QString() : QDir(folder.path()).filePath(expected));
    QVERIFY(drives > 0);
  }

  // Every field of the record in its read-only box, which looks read-only and which keys do not
  // change; a block shows its lines, the home page shows them on one line.
  void InformationShowsEveryField() {
    TempAppFolder folder;
    const PersonDetails d = EveryFieldFilled();
    folder.WriteFile("F", "Pat Doe_0001.dat",
                     FormatFullRecord("00010000F0000M0000S0000", "2026-01-01", d));
    const Session session = folder.OpenSession("F");

    PersonInfoDialog dialog(session, session.index.FindRowExact("Pat Doe"));

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Pat Doe"));
    auto* tabs = Child<QTabWidget>(dialog, "tabs");
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i) titles.append(tabs->tabText(i));
    QCOMPARE(titles,
             (QStringList{"General", "Milestones", "Addresses", "Notes", "Sources", "Other"}));
    for (const FieldInfo& field : DetailFields()) {
      QWidget* box = Child(dialog, field.caption);
      QCOMPARE(box->palette().color(QPalette::Base), box->palette().color(QPalette::Window));
      QTest::keyClicks(box, "x");
      for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_F2}) QTest::keyClick(box, key);
      QString shown;
      if (auto* line = qobject_cast<QLineEdit*>(box)) {
        QVERIFY(line->isReadOnly());
        shown = line->text();
      } else if (auto* text = qobject_cast<QPlainTextEdit*>(box)) {
        QVERIFY(text->isReadOnly());
        shown = text->toPlainText();
      } else {
        auto* list = qobject_cast<QListWidget*>(box);
        QVERIFY(list && list->selectedItems().isEmpty());
        shown = Entries(*list).join(u'\n');
      }
      const QStringList value =
          field.kind == FieldKind::kList ? d.*field.list : SplitLines(d.*field.text);
      QCOMPARE(shown, value.join(field.text == &PersonDetails::homepage ? u' ' : u'\n'));
    }
    QCOMPARE(Child<QLabel>(dialog, "dateLastChanged")->text(), QStringLiteral("2026-01-01"));
  }
};

QTEST_MAIN(DialogsTest)
#include "test_mainwindow_ui_dialogs.moc"
