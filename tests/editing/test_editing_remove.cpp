// The remove buttons: the link strings after removing a father, mother, sibling or dependent,
// the list shown, the pending name, and the records on disk.
#include <QtTest>

#include "editing/family_editing.h"
#include "support/editing_fixture.h"

using namespace kinvale;
using namespace kinvale::testing;

class EditingRemoveTest : public QObject {
  Q_OBJECT

 private slots:
  void RemoveGivesLinks_data();
  void RemoveGivesLinks();
  void NothingSelectedDoesNothing_data();
  void NothingSelectedDoesNothing();
};

namespace {

QStringList Sorted(QStringList list) {
  list.sort();
  return list;
}

const QStringList kTwoFathers = {"Poi|00030000F00010009M0002S0000", "A|00010000F0000M0000S0000",
                                 "B|00090000F0000M0000S0000", "M|00020000F0000M0000S0000"};
const QStringList kThreeSiblings = {
    "Poi|00030000F0001M0002S00080009", "Ann|00080000F0001M0002S00030009",
    "Bob|00090007F0001M0002S00030008", "Wife|00070009F0000M0000S0000"};
const QStringList kThreeChildren = {
    "Poi|00040005F0000M0000S0000", "Sue|00050004F0000M0000S0000|Female",
    "A|00060011F0004M0005S00070008", "B|00070000F0004M0005S00060008",
    "C|00080000F0004M0005S00060007"};

}  // namespace

void EditingRemoveTest::RemoveGivesLinks_data() {
  QTest::addColumn<QStringList>("family");
  QTest::addColumn<QString>("operation");
  QTest::addColumn<QString>("selected");
  QTest::addColumn<QStringList>("links");
  QTest::addColumn<QStringList>("shown");

  QTest::newRow("second of two fathers")
      << kTwoFathers << "remove father"
      << "B"
      << QStringList{"Poi|00030000F0001M0002S0000", kTwoFathers[1], kTwoFathers[2], kTwoFathers[3]}
      << QStringList{"A"};
  QTest::newRow("only father leaves the placeholder")
      << QStringList{"Poi|00030000F0001M0002S0000", "A|00010000F0000M0000S0000"} << "remove father"
      << "A" << QStringList{"Poi|00030000F0000M0002S0000", "A|00010000F0000M0000S0000"}
      << QStringList{};
  QTest::newRow("number spanning own and spouse numbers is not an entry")
      << QStringList{"Poi|00100000F00050100M0000S0000", "A|00050000F0000M0000S0000",
                     "X|01000000F0000M0000S0000"}
      << "remove father"
      << "X"
      << QStringList{"Poi|00100000F0005M0000S0000", "A|00050000F0000M0000S0000",
                     "X|01000000F0000M0000S0000"}
      << QStringList{"A"};
  QTest::newRow("mother") << QStringList{"Poi|00030000F0001M00020006S0000",
                                         "M|00020000F0000M0000S0000", "N|00060000F0000M0000S0000"}
                          << "remove mother"
                          << "N"
                          << QStringList{"Poi|00030000F0001M0002S0000", "M|00020000F0000M0000S0000",
                                         "N|00060000F0000M0000S0000"}
                          << QStringList{"M"};
  QTest::newRow("the group where the number is found decides")
      << QStringList{"Poi|00030000F0001M0001S0000", "A|00010000F0000M0000S0000"} << "remove mother"
      << "A" << QStringList{"Poi|00030000FM0001S0000", "A|00010000F0000M0000S0000"}
      << QStringList{};
  QTest::newRow("father listed twice loses the first entry only")
      << QStringList{"Poi|00030000F00010001M0000S0000", "A|00010000F0000M0000S0000"}
      << "remove father"
      << "A" << QStringList{"Poi|00030000F0001M0000S0000", "A|00010000F0000M0000S0000"}
      << QStringList{"A"};

  QTest::newRow("sibling loses every link, even its spouse")
      << kThreeSiblings << "remove sibling"
      << "Bob"
      << QStringList{"Poi|00030000F0001M0002S0008", "Ann|00080000F0001M0002S0003",
                     "Bob|00090000F0000M0000S0000", kThreeSiblings[3]}
      << QStringList{"Ann"};
  QTest::newRow("last sibling leaves the placeholder")
      << QStringList{"Poi|00030000F0000M0000S0008", "Ann|00080000F0000M0000S0003"}
      << "remove sibling"
      << "Ann" << QStringList{"Poi|00030000F0000M0000S0000", "Ann|00080000F0000M0000S0000"}
      << QStringList{};
  QTest::newRow("sibling naming nobody only leaves the list")
      << QStringList{"Poi|00030000F0000M0000S00420008", "Ann|00080000F0000M0000S0003"}
      << "remove sibling"
      << "" << QStringList{"Poi|00030000F0000M0000S00420008", "Ann|00080000F0000M0000S0003"}
      << QStringList{"Ann"};

  QTest::newRow("dependent keeps its spouse, the others no longer list it")
      << kThreeChildren << "remove dependent"
      << "A"
      << QStringList{kThreeChildren[0], "Sue|00050004F0000M0000S0000", "A|00060011F0000M0000S0000",
                     "B|00070000F0004M0005S0008", "C|00080000F0004M0005S0007"}
      << QStringList{"B", "C"};
}

void EditingRemoveTest::RemoveGivesLinks() {
  QFETCH(QStringList, family);
  QFETCH(QString, operation);
  QFETCH(QString, selected);
  QFETCH(QStringList, links);
  QFETCH(QStringList, shown);

  EditingFixture fixture;
  fixture.Open(family, "Poi");
  QVERIFY(fixture.Run(operation, selected));

  QCOMPARE(Sorted(fixture.Links()), Sorted(links));
  QCOMPARE(fixture.RecordLinks(), fixture.Links());
  const RelativeList* list = ListOf(fixture.session.view, operation);
  QCOMPARE(list->names, shown);
  QCOMPARE(list->selected, -1);
  QCOMPARE(fixture.session.pending_name, selected);
  QVERIFY(fixture.prompter.messages.isEmpty());
}

void EditingRemoveTest::NothingSelectedDoesNothing_data() {
  QTest::addColumn<QString>("operation");
  QTest::newRow("father") << "remove father";
  QTest::newRow("mother") << "remove mother";
  QTest::newRow("sibling") << "remove sibling";
  QTest::newRow("dependent") << "remove dependent";
}

void EditingRemoveTest::NothingSelectedDoesNothing() {
  QFETCH(QString, operation);
  EditingFixture fixture;
  fixture.Open({"Poi|00040005F0001M0002S0003", "F|00010000F0000M0000S0000",
                "M|00020000F0000M0000S0000|Female", "S|00030000F0001M0002S0004",
                "W|00050004F0000M0000S0006|Female", "K|00060000F0004M0005S0000"},
               "Poi");
  const QStringList before = fixture.Links();
  RelativeList* list = ListOf(fixture.session.view, operation);
  QCOMPARE(list->names.size(), 1);
  fixture.session.pending_name = "Earlier";

  OperationNamed(operation)(fixture.session, fixture.prompter);

  QCOMPARE(list->names.size(), 1);
  QCOMPARE(fixture.session.pending_name, QString("Earlier"));
  QCOMPARE(fixture.Links(), before);
}

QTEST_GUILESS_MAIN(EditingRemoveTest)
#include "test_editing_remove.moc"
