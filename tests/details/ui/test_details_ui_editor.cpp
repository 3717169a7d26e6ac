// The Update Personal Information window driven through its widgets: an edit saved by Apply (or
// dropped by Cancel) as the reopened window shows it, and a rename.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include "details/ui/update_person_dialog.h"
#include "support/details_fixture.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

class DetailsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void EditAndReopen_data();
  void EditAndReopen();
  void RenameFromTheWindow();
};

void DetailsWindowTest::EditAndReopen_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("shown");  // birth place, notes and gender of the reopened window
  QTest::newRow("Apply keeps the edit") << "applyButton"
                                        << "Worcester|first\nsecond|Male";
  QTest::newRow("Cancel drops it") << "cancelButton"
                                   << "Boston|Line one\nLine two|Female";
}

void DetailsWindowTest::EditAndReopen() {
  QFETCH(QString, button);
  QFETCH(QString, shown);
  DetailsFixture fixture;
  auto fields = [](const QWidget& dialog) {
    return QStringList{Child<QLineEdit>(dialog, "Birth Place")->text(),
                       Child<QPlainTextEdit>(dialog, "Notes:")->toPlainText(),
                       Child<QComboBox>(dialog, "Gender")->currentText()}
        .join('|');
  };
  {
    UpdatePersonDialog dialog(fixture.session, fixture.prompter);
    dialog.show();
    QCOMPARE(Child<QLineEdit>(dialog, "nameBox")->text(), QString("Anne Lee"));
    QCOMPARE(Child<QLabel>(dialog, "dateLastChanged")->text(), QString("2026-01-01"));
    QCOMPARE(fields(dialog), QString("Boston|Line one\nLine two|Female"));
    auto* birth_place = Child<QLineEdit>(dialog, "Birth Place");
    birth_place->selectAll();
    QTest::keyClicks(birth_place, "Worcester");
    Child<QPlainTextEdit>(dialog, "Notes:")->setPlainText("first\nsecond");
    Child<QComboBox>(dialog, "Gender")->setCurrentIndex(0);
    Click(dialog, button);
  }
  UpdatePersonDialog reopened(fixture.session, fixture.prompter);
  QCOMPARE(fields(reopened), shown);
  QVERIFY(fixture.prompter.messages.isEmpty());
}

void DetailsWindowTest::RenameFromTheWindow() {
  DetailsFixture fixture;
  fixture.prompter.answers = {"Robert Lee"};
  fixture.prompter.confirmations = {true};
  UpdatePersonDialog dialog(fixture.session, fixture.prompter);
  dialog.show();
  auto* names = Child<QListWidget>(dialog, "nameList");
  ClickEntry(*names, "Bob Lee");
  QCOMPARE(Child<QComboBox>(dialog, "Gender")->currentText(), QString("Male"));  // loaded

  Click(dialog, "changeNameButton");

  QCOMPARE(fixture.prompter.questions, QStringList{"Change Bob Lee to Robert Lee?"});
  QCOMPARE(Entries(*names), (QStringList{"Anne Lee", "Carl Lee", "Robert Lee"}));
  QCOMPARE(fixture.Files(),
           (QStringList{"Anne Lee_0001.dat", "Carl Lee_0003.dat", "Robert Lee_0002.dat"}));
}

QTEST_MAIN(DetailsWindowTest)
#include "test_details_ui_editor.moc"
