// The main window's "+" and "-" buttons and the spouse button, driven through the real name
// entry dialog: a typed name, Cancel, and an existing name typed in another case. The buttons run
// the operations whose records the editing tests check.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "support/demo_window.h"
#include "support/test_main.h"
#include "support/test_table.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

// Answers the next name entry: types answer and presses Apply, or presses Cancel when the
// answer is empty.
void AnswerNameEntry(const QString& answer) {
  WhenModalShown([answer](QWidget* dialog) {
    if (!answer.isEmpty()) QTest::keyClicks(Child<QLineEdit>(*dialog, "answer"), answer);
    Click(*dialog, answer.isEmpty() ? "cancelButton" : "applyButton");
  });
}

// The entries of a list, or the caption of a button.
QStringList Shown(const QWidget& window, const QString& name) {
  if (auto* button = qobject_cast<QPushButton*>(Child(window, name))) return {button->text()};
  return Entries(*Child<QListWidget>(window, name));
}

}  // namespace

class EditingButtonsTest : public QObject {
  Q_OBJECT

 private slots:
  // The button, the list that gains the name (or the spouse button), the answer ("": Cancel),
  // and how many people the family gains.
  void AddButtons_data() {
    Columns<QString, QString, QString, int>();
    Row("father", "addFatherButton", "fatherList", "John Smith", 1);
    Row("mother, cancelled", "addMotherButton", "motherList", "", 0);
    Row("spouse", "spouseButton", "spouseButton", "Joan Moore", 0);
    Row("sibling", "addSiblingButton", "siblingList", "Ann Whitfield", 0);
    Row("dependent, an existing name in another case", "addDependentButton", "childrenList",
        "JOAN moore", 0);
  }
  void AddButtons() {
    const auto [button, shown, answer, new_people] = Fetch<QString, QString, QString, int>();
    DemoWindow demo;
    // A name typed in another case is the person of that name, listed as the family has it.
    const int existing = demo.window.session().index.FindRow(answer);
    const QStringList added = answer.isEmpty() ? QStringList()
                              : existing < 0
                                  ? QStringList{answer}
                                  : QStringList{demo.window.session().index.row(existing).name};
    const QStringList expected =
        button == u"spouseButton" ? added : Shown(demo.window, shown) + added;
    const int people = demo.window.session().index.size();
    AnswerNameEntry(answer);
    Click(demo.window, button);
    QCOMPARE(Shown(demo.window, shown), expected);
    QCOMPARE(demo.window.session().index.size(), people + new_people);
  }

  void RemoveButtonTakesTheSelectedEntry() {
    DemoWindow demo;
    auto* siblings = Child<QListWidget>(demo.window, "siblingList");
    const QStringList before = Entries(*siblings);
    QVERIFY(before.size() >= 2);
    Click(demo.window, "removeSiblingButton");  // nothing selected: nothing happens
    QCOMPARE(Entries(*siblings), before);
    siblings->setCurrentRow(0);
    Click(demo.window, "removeSiblingButton");
    QCOMPARE(Entries(*siblings), before.mid(1));
  }
};

KINVALE_TEST(EditingButtonsTest)
#include "test_editing_ui_buttons.moc"
