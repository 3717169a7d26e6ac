// The "Descendants" window on the demo family: the person box, "Search", a click on a
// descendant, and "Save" through an injected save-as answer.
#include <QCheckBox>
#include <QComboBox>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "demo_session.h"
#include "relations/ui/descendants_dialog.h"

using namespace kinvale;
using namespace kinvale::testing;

class DescendantsUiTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    session_ = Session();
    prompter_ = ScriptedPrompter();
    offered_names_.clear();
    QString error;
    QVERIFY(StartSession(
        session_, prompter_, dir_.filePath("app"), [](const QString&) {}, &error));
    session_.view.person_of_interest = "Peter Whitfield";
  }

  void SearchAndClick() {
    auto dialog = Open(QString());
    QCOMPARE(dialog->windowTitle(), "Descendants");
    auto* person = dialog->findChild<QComboBox*>("person");
    QCOMPARE(person->currentText(), "Peter Whitfield");
    auto* list = dialog->findChild<QListView*>("descendants");
    QCOMPARE(list->model()->rowCount(), 0);
    QTest::mouseClick(dialog->findChild<QPushButton*>("search"), Qt::LeftButton);
    QCOMPARE(Listed(list), QStringList({"David Whitfield", "Helen Whitfield Turner",
                                        "Ann Whitfield", "James Whitfield", "Emily Turner"}));
    const QModelIndex emily = list->model()->index(4, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(emily).center());
    QCOMPARE(dialog->findChild<QPlainTextEdit*>("answer")->toPlainText(),
             "Peter Whitfield is a grandfather of Emily Turner.");
    QVERIFY(prompter_.messages.isEmpty());
  }

  void SearchForNobody() {
    auto dialog = Open(QString());
    dialog->findChild<QComboBox*>("person")->setCurrentText("Nobody");
    QTest::mouseClick(dialog->findChild<QPushButton*>("search"), Qt::LeftButton);
    QCOMPARE(Listed(dialog->findChild<QListView*>("descendants")), QStringList());
    QCOMPARE(prompter_.message_titles, QStringList{"Descendants"});
  }

  void Save_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("with_relations");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("names") << "list.txt" << false
                           << QByteArray("Descendants of Mark Turner\r\nEmily Turner\r\n")
                           << QStringList{"File Saved"};
    QTest::newRow("relations") << "list.txt" << true
                               << QByteArray(
                                      "Descendants of Mark Turner\r\nEmily Turner : Mark "
                                      "Turner is a father of Emily Turner.\r\n")
                               << QStringList{"File Saved"};
    QTest::newRow("cannot be written") << "no/such/folder/list.txt" << false << QByteArray()
                                       << QStringList{"Problem saving file."};
    QTest::newRow("cancelled") << "" << false << QByteArray() << QStringList{};
  }

  void Save() {
    QFETCH(QString, file);
    QFETCH(bool, with_relations);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, messages);
    const QString path = file.isEmpty() ? QString() : dir_.filePath(file);
    auto dialog = Open(path);
    dialog->findChild<QComboBox*>("person")->setCurrentText("Mark Turner");
    QTest::mouseClick(dialog->findChild<QPushButton*>("search"), Qt::LeftButton);
    dialog->findChild<QCheckBox*>("includeRelations")->setChecked(with_relations);
    QTest::mouseClick(dialog->findChild<QPushButton*>("save"), Qt::LeftButton);
    QCOMPARE(offered_names_.size(), 1);
    QVERIFY(offered_names_[0].startsWith("Mark Turner_Descendants_"));
    QVERIFY(offered_names_[0].endsWith(".txt"));
    QCOMPARE(prompter_.messages, messages);
    QCOMPARE(prompter_.message_titles, QStringList(messages.size(), "Save Status"));
    QFile saved(path);
    if (content.isEmpty()) {
      QVERIFY(!saved.exists());
      return;
    }
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), content);
  }

 private:
  std::unique_ptr<DescendantsDialog> Open(const QString& save_path) {
    auto dialog = std::make_unique<DescendantsDialog>(
        session_, prompter_, [this, save_path](const QString& default_name) {
          offered_names_.append(default_name);
          return save_path;
        });
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog.get())) qWarning("window not exposed");
    return dialog;
  }

  static QStringList Listed(const QListView* list) {
    QStringList names;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
      names.append(list->model()->index(row, 0).data().toString());
    }
    return names;
  }

  QTemporaryDir dir_;
  Session session_;
  ScriptedPrompter prompter_;
  QStringList offered_names_;
};

QTEST_MAIN(DescendantsUiTest)
#include "test_relations_ui_descendants.moc"
