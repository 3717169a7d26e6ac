// The "Relation Search" window on the demo family: its lists, the answer, the warning boxes,
// and each person's photo or "No Picture Available".
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "demo_session.h"
#include "relations/ui/relation_check_dialog.h"

using namespace kinvale;
using namespace kinvale::testing;

class RelationCheckUiTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    StartDemoSession(dir_.filePath("app"), session_, prompter_);
  }

  void OpensWithTheFamilysPeople() {
    RelationCheckDialog dialog(session_, prompter_);
    QCOMPARE(dialog.windowTitle(), "Relation Search");
    auto* first = dialog.findChild<QComboBox*>("firstPerson");
    auto* second = dialog.findChild<QComboBox*>("secondPerson");
    QCOMPARE(first->count(), 48);
    QCOMPARE(second->count(), 48);
    QCOMPARE(first->currentIndex(), 0);
    QCOMPARE(second->currentIndex(), 1);
    QCOMPARE(first->currentText(), "Ada Morton Whitfield");
    QCOMPARE(second->currentText(), "Albert Pryce");
    QCOMPARE(dialog.findChild<QPushButton*>("findRelation")->text(), "Find Relation");
    QCOMPARE(dialog.findChild<QLabel*>("firstNoPicture")->text(), "No Picture Available");
  }

  void FindsTheRelation_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("first_photo");
    QTest::addColumn<bool>("second_photo");
    QTest::addColumn<QStringList>("warnings");
    QTest::newRow("both photos") << "Thomas Whitfield"
                                 << "Eleanor Hart Whitfield"
                                 << "Thomas Whitfield is a spouse of Eleanor Hart Whitfield."
                                 << true << true << QStringList{};
    QTest::newRow("one photo, gender missing")
        << "Samuel Hart"
        << "Eleanor Hart Whitfield"
        << "Samuel Hart is a father of Eleanor Hart Whitfield." << false << true
        << QStringList{"Gender attribute is missing for Samuel Hart. Results may be inaccurate."};
    QTest::newRow("no photos, both warnings")
        << "John Bennett"
        << "Samuel Hart"
        << "No relation found." << false << false
        << QStringList{"Gender attribute is missing for John Bennett. Results may be inaccurate.",
                       "Gender attribute is missing for Samuel Hart. Results may be inaccurate."};
    QTest::newRow("typed name not in the family")
        << "Thomas Whitfield"
        << "Tom"
        << "No relation found." << true << false
        << QStringList{"\"Tom\" is not a person of this family."};
  }

  void FindsTheRelation() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, answer);
    QFETCH(bool, first_photo);
    QFETCH(bool, second_photo);
    QFETCH(QStringList, warnings);
    RelationCheckDialog dialog(session_, prompter_);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.findChild<QComboBox*>("firstPerson")->setCurrentText(first);
    dialog.findChild<QComboBox*>("secondPerson")->setCurrentText(second);
    QTest::mouseClick(dialog.findChild<QPushButton*>("findRelation"), Qt::LeftButton);
    QCOMPARE(dialog.findChild<QPlainTextEdit*>("answer")->toPlainText(), answer);
    QCOMPARE(prompter_.messages, warnings);
    QCOMPARE(prompter_.message_titles, QStringList(warnings.size(), "Warning"));
    for (const auto& [place, shown] : {std::pair{"first", first_photo}, {"second", second_photo}}) {
      auto* picture = dialog.findChild<QLabel*>(QString(place) + "Photo");
      auto* no_picture = dialog.findChild<QLabel*>(QString(place) + "NoPicture");
      QCOMPARE(picture->isVisible(), shown);
      QCOMPARE(no_picture->isVisible(), !shown);
      QCOMPARE(picture->pixmap().isNull(), !shown);
    }
  }

  void ReturnCloses() {
    RelationCheckDialog dialog(session_, prompter_);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("return"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
  }

 private:
  QTemporaryDir dir_;
  Session session_;
  ScriptedPrompter prompter_;
};

QTEST_MAIN(RelationCheckUiTest)
#include "test_relations_ui_relation_check.moc"
