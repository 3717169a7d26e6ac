// The Update Personal Information window driven through its widgets: an edit saved by Apply (or
// dropped by Cancel) as the reopened window shows it, a rename, and the list buttons with
// Return.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "details/ui/update_person_dialog.h"
#include "support/details_fixture.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

void Click(const QWidget& dialog, const QString& button) {
  QTest::mouseClick(Child<QPushButton>(dialog, button), Qt::LeftButton);
}

void ClickName(const QWidget& dialog, const QString& list_name, int row) {
  ClickRow(*Child<QListWidget>(dialog, list_name), row);
}

}  // namespace

class DetailsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void EditAndReopen_data();
  void EditAndReopen();
  void RenameFromTheWindow();
  void ListButtonsAndReturn();
};

void DetailsWindowTest::EditAndReopen_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("birth_place");
  QTest::addColumn<QString>("notes");
  QTest::newRow("Apply keeps the edit") << "applyButton"
                                        << "Worcester"
                                        << "first\nsecond";
  QTest::newRow("Cancel drops it") << "cancelButton"
                                   << "Boston"
                                   << "Line one\nLine two";
}

void DetailsWindowTest::EditAndReopen() {
  QFETCH(QString, button);
  QFETCH(QString, birth_place);
  QFETCH(QString, notes);
  DetailsFixture fixture;
  {
    UpdatePersonDialog dialog(fixture.session, fixture.prompter);
    dialog.show();
    QCOMPARE(Child<QLineEdit>(dialog, "nameBox")->text(), QString("Anne Lee"));
    QCOMPARE(Child<QLabel>(dialog, "dateLastChanged")->text(), QString("2026-01-01"));
    auto* birth_place_box = Child<QLineEdit>(dialog, "Birth Place");
    birth_place_box->selectAll();
    QTest::keyClicks(birth_place_box, "Worcester");
    Child<QPlainTextEdit>(dialog, "Notes:")->setPlainText("first\nsecond");
    Child<QComboBox>(dialog, "Gender")->setCurrentIndex(0);
    Click(dialog, button);
  }
  UpdatePersonDialog reopened(fixture.session, fixture.prompter);
  QCOMPARE(Child<QLineEdit>(reopened, "Birth Place")->text(), birth_place);
  QCOMPARE(Child<QPlainTextEdit>(reopened, "Notes:")->toPlainText(), notes);
  QCOMPARE(Child<QComboBox>(reopened, "Gender")->currentText(),
           QString(button == "applyButton" ? "Male" : "Female"));
  QVERIFY(fixture.prompter.messages.isEmpty());
}

void DetailsWindowTest::RenameFromTheWindow() {
  DetailsFixture fixture;
  fixture.prompter.answers = {"Robert Lee"};
  fixture.prompter.confirmations = {true};
  UpdatePersonDialog dialog(fixture.session, fixture.prompter);
  dialog.show();
  ClickName(dialog, "nameList", 1);
  // Clicking a name loads that person.
  QCOMPARE(Child<QComboBox>(dialog, "Gender")->currentText(), QString("Male"));
  QCOMPARE(Child<QLineEdit>(dialog, "Birth Place")->text(), QString());

  Click(dialog, "changeNameButton");

  QCOMPARE(fixture.prompter.questions, QStringList{"Change Bob Lee to Robert Lee?"});
  QCOMPARE(Entries(*Child<QListWidget>(dialog, "nameList")),
           (QStringList{"Anne Lee", "Carl Lee", "Robert Lee"}));
  QCOMPARE(fixture.Files(),
           (QStringList{"Anne Lee_0001.dat", "Carl Lee_0003.dat", "Robert Lee_0002.dat"}));
}

void DetailsWindowTest::ListButtonsAndReturn() {
  DetailsFixture fixture;
  fixture.prompter.answers = {"Pilot"};
  UpdatePersonDialog dialog(fixture.session, fixture.prompter);
  dialog.show();
  auto* jobs = Child<QListWidget>(dialog, "Occupation");

  Click(dialog, "Occupation +");
  QCOMPARE(fixture.prompter.prompts, QStringList{"Enter Job Title"});
  QCOMPARE(Entries(*jobs), (QStringList{"Teacher", "Writer", "Pilot"}));
  ClickName(dialog, "Occupation", 0);
  Click(dialog, "Occupation -");
  QCOMPARE(Entries(*jobs), (QStringList{"Writer", "Pilot"}));
  Click(dialog, "returnButton");

  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  QVERIFY(!dialog.isVisible());
  QCOMPARE(fixture.Read("Anne Lee_0001.dat").record.details.occupations,
           (QStringList{"Writer", "Pilot"}));
}

QTEST_MAIN(DetailsWindowTest)
#include "test_details_ui_editor.moc"
