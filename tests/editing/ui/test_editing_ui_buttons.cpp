// The main window's "+" and "-" buttons and the spouse button, driven through the real name
// entry dialog: a typed name, Cancel, and an existing name typed in another case.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "mainwindow/ui/main_window.h"
#include "support/temp_family.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

// Answers the next name entry: types answer and presses Apply, or presses Cancel when the
// answer is empty. Records the prompt shown.
void AnswerNameEntry(const QString& answer, QString* prompt) {
  WhenModalShown([answer, prompt](QWidget* dialog) {
    *prompt = dialog->findChild<QLabel*>("prompt")->text();
    if (answer.isEmpty()) {
      dialog->findChild<QPushButton*>("cancelButton")->click();
      return;
    }
    QTest::keyClicks(dialog->findChild<QLineEdit*>("answer"), answer);
    dialog->findChild<QPushButton*>("applyButton")->click();
  });
}

struct DemoWindow {
  TempAppFolder folder;
  MainWindow window;
  DemoWindow() {
    QString error;
    QVERIFY2(window.Start(QDir(folder.path()).filePath("app"), &error), qPrintable(error));
    window.show();
  }
  QListWidget* List(const QString& name) { return window.findChild<QListWidget*>(name); }
  QPushButton* Button(const QString& name) { return window.findChild<QPushButton*>(name); }
};

}  // namespace

class EditingButtonsTest : public QObject {
  Q_OBJECT

 private slots:
  void AddButtons_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QStringList>("added");  // what the list gains at its end
    QTest::addColumn<int>("new_people");
    QTest::newRow("father") << "addFatherButton"
                            << "fatherList"
                            << "John Smith"
                            << "Enter Father's Name" << QStringList{"John Smith"} << 1;
    QTest::newRow("mother, cancelled") << "addMotherButton"
                                       << "motherList"
                                       << ""
                                       << "Enter Mother's Name" << QStringList{} << 0;
    QTest::newRow("sibling") << "addSiblingButton"
                             << "siblingList"
                             << "Ann Whitfield"
                             << "Enter Sibling's Name" << QStringList{"Ann Whitfield"} << 0;
    QTest::newRow("existing name in another case")
        << "addDependentButton"
        << "childrenList"
        << "JOAN moore"
        << "Enter Dependent's Name" << QStringList{"JOAN moore"} << 0;
    QTest::newRow("dependent, new")
        << "addDependentButton"
        << "childrenList"
        << "Baby Whitfield"
        << "Enter Dependent's Name" << QStringList{"Baby Whitfield"} << 1;
  }
  void AddButtons() {
    QFETCH(QString, button);
    QFETCH(QString, list);
    QFETCH(QString, answer);
    QFETCH(QStringList, added);
    QFETCH(int, new_people);
    DemoWindow demo;
    const QStringList before = Entries(*demo.List(list));
    const int people = demo.window.session().index.size();
    QString prompt;
    AnswerNameEntry(answer, &prompt);
    demo.Button(button)->click();
    QTEST(prompt, "prompt");
    QCOMPARE(Entries(*demo.List(list)), before + added);
    QCOMPARE(demo.window.session().index.size(), people + new_people);
    // What the window shows is what the records now say.
    demo.window.ReloadFamily();
    QCOMPARE(Entries(*demo.List(list)).size(), (before + added).size());
  }

  void SpouseButtonRelinks() {
    DemoWindow demo;
    QString prompt;
    AnswerNameEntry("Joan Moore", &prompt);
    demo.Button("spouseButton")->click();
    QCOMPARE(prompt, QStringLiteral("Enter Spouse's Name"));
    QCOMPARE(demo.Button("spouseButton")->text(), QStringLiteral("Joan Moore"));
    demo.window.ReloadFamily();
    QCOMPARE(demo.Button("spouseButton")->text(), QStringLiteral("Joan Moore"));
  }

  void RemoveButtonTakesTheSelectedEntry() {
    DemoWindow demo;
    QListWidget* siblings = demo.List("siblingList");
    const QStringList before = Entries(*siblings);
    QVERIFY(before.size() >= 2);
    demo.Button("removeSiblingButton")->click();  // nothing selected: nothing happens
    QCOMPARE(Entries(*siblings), before);
    siblings->setCurrentRow(0);
    demo.Button("removeSiblingButton")->click();
    QCOMPARE(Entries(*siblings), before.mid(1));
    demo.window.ReloadFamily();
    QCOMPARE(Entries(*demo.List("siblingList")), before.mid(1));
  }
};

QTEST_MAIN(EditingButtonsTest)
#include "test_editing_ui_buttons.moc"
