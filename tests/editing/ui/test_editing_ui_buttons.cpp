// The main window's "+" and "-" buttons and the spouse button, driven through the real name
// entry dialog: a typed name, Cancel, and an existing name typed in another case. The buttons run
// the operations whose records the editing tests check.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "support/demo_window.h"
#include "support/test_main.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

// Answers the next name entry: types answer and presses Apply, or presses Cancel when the
// answer is empty. Records the prompt shown.
void AnswerNameEntry(const QString& answer, QString* prompt) {
  WhenModalShown([answer, prompt](QWidget* dialog) {
    *prompt = Child<QLabel>(*dialog, "prompt")->text();
    if (!answer.isEmpty()) QTest::keyClicks(Child<QLineEdit>(*dialog, "answer"), answer);
    Click(*dialog, answer.isEmpty() ? "cancelButton" : "applyButton");
  });
}

// The entries of a list, or the caption of a button.
QStringList Shown(const QWidget& window, const QString& name) {
  if (auto* button = qobject_cast<QPushButton*>(Child(window, name))) return {button->text()};
  return Entries(*Child<QListWidget>(window, name));
}

struct AddCase {
  const char* title;
  const char* button;
  const char* shown;   // the list that gains the name, or the spouse button
  const char* answer;  // "": Cancel
  const char* prompt;
  int new_people;
};

const AddCase kAdds[] = {
    {"father", "addFatherButton", "fatherList", "John Smith", "Enter Father's Name", 1},
    {"mother, cancelled", "addMotherButton", "motherList", "", "Enter Mother's Name", 0},
    {"spouse", "spouseButton", "spouseButton", "Joan Moore", "Enter Spouse's Name", 0},
    {"sibling", "addSiblingButton", "siblingList", "Ann Whitfield", "Enter Sibling's Name", 0},
    {"dependent, an existing name in another case", "addDependentButton", "childrenList",
     "JOAN moore", "Enter Dependent's Name", 0},
};

}  // namespace

class EditingButtonsTest : public QObject {
  Q_OBJECT

 private slots:
  void AddButtons_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < static_cast<int>(std::size(kAdds)); ++i) QTest::newRow(kAdds[i].title) << i;
  }
  void AddButtons() {
    QFETCH(int, index);
    const AddCase& c = kAdds[index];
    DemoWindow demo;
    // A name typed in another case is the person of that name, listed as the family has it.
    const int existing = demo.window.session().index.FindRow(c.answer);
    const QStringList added = !*c.answer ? QStringList()
                              : existing < 0
                                  ? QStringList{c.answer}
                                  : QStringList{demo.window.session().index.row(existing).name};
    const QStringList expected =
        c.button == QString("spouseButton") ? added : Shown(demo.window, c.shown) + added;
    const int people = demo.window.session().index.size();
    QString prompt;
    AnswerNameEntry(c.answer, &prompt);
    Click(demo.window, c.button);
    QCOMPARE(prompt, QString(c.prompt));
    QCOMPARE(Shown(demo.window, c.shown), expected);
    QCOMPARE(demo.window.session().index.size(), people + c.new_people);
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
