// The add buttons: the link strings of every person after adding a father, mother, spouse,
// sibling or dependent, the list or caption shown, and the records on disk.
#include <QtTest>

#include "editing/family_editing.h"
#include "support/editing_fixture.h"

using namespace kinvale;
using namespace kinvale::testing;

class EditingAddTest : public QObject {
  Q_OBJECT

 private slots:
  void AddGivesLinks_data();
  void AddGivesLinks();
  void EachAddAsksWithItsPrompt_data();
  void EachAddAsksWithItsPrompt();
};

namespace {

QStringList Sorted(QStringList list) {
  list.sort();
  return list;
}

const QStringList kLonePoi = {"Poi|00030000F0000M0000S0000", "Max|00070000F0000M0000S0000"};
const QStringList kPoiWithParents = {"Dad|00010002F0000M0000S0000", "Mum|00020001F0000M0000S0000",
                                     "Poi|00030000F0001M0002S0000", "Max|00070000F0000M0000S0000"};

}  // namespace

void EditingAddTest::AddGivesLinks_data() {
  QTest::addColumn<QStringList>("family");
  QTest::addColumn<QString>("poi");
  QTest::addColumn<QString>("operation");
  QTest::addColumn<QString>("answer");
  QTest::addColumn<QStringList>("links");
  QTest::addColumn<QStringList>("shown");  // the list added to, or the spouse caption

  QTest::newRow("first father is a new person with the next number")
      << kLonePoi << "Poi"
      << "add father"
      << "John Smith"
      << QStringList{"Poi|00030000F0008M0000S0000", "Max|00070000F0000M0000S0000",
                     "John Smith|00080000F0000M0000S0000"}
      << QStringList{"John Smith"};
  QTest::newRow("second father follows the first in list order")
      << QStringList{"Poi|00030000F0008M0000S0000", "John Smith|00080000F0000M0000S0000"} << "Poi"
      << "add father"
      << "Jim"
      << QStringList{"Poi|00030000F00080009M0000S0000", "John Smith|00080000F0000M0000S0000",
                     "Jim|00090000F0000M0000S0000"}
      << QStringList{"John Smith", "Jim"};
  QTest::newRow("existing name in another case links that person")
      << QStringList{"Poi|00030000F0000M0000S0000", "John Smith|00080000F0000M0000S0000"} << "Poi"
      << "add father"
      << "john smith"
      << QStringList{"Poi|00030000F0008M0000S0000", "John Smith|00080000F0000M0000S0000"}
      << QStringList{"john smith"};
  QTest::newRow("list entry naming nobody gives 0000")
      << QStringList{"Poi|00030000F0042M0000S0000", "Max|00070000F0000M0000S0000"} << "Poi"
      << "add father"
      << "Bob"
      << QStringList{"Poi|00030000F00000008M0000S0000", "Max|00070000F0000M0000S0000",
                     "Bob|00080000F0000M0000S0000"}
      << QStringList{"", "Bob"};
  QTest::newRow("cancel changes nothing") << kLonePoi << "Poi"
                                          << "add father"
                                          << "" << kLonePoi << QStringList{};
  QTest::newRow("mother") << kLonePoi << "Poi"
                          << "add mother"
                          << "Mary"
                          << QStringList{"Poi|00030000F0000M0008S0000",
                                         "Max|00070000F0000M0000S0000",
                                         "Mary|00080000F0000M0000S0000"}
                          << QStringList{"Mary"};
  QTest::newRow("father with nobody shown is created and linked to nobody")
      << kLonePoi << ""
      << "add father"
      << "John" << QStringList{kLonePoi[0], kLonePoi[1], "John|00080000F0000M0000S0000"}
      << QStringList{"John"};
  QTest::newRow("father makes the spouse shown point back")
      << QStringList{"Poi|00030004F0000M0000S0000", "Sue|00040000F0000M0000S0000|Female"} << "Poi"
      << "add father"
      << "Dad"
      << QStringList{"Poi|00030004F0005M0000S0000", "Sue|00040003F0000M0000S0000",
                     "Dad|00050000F0000M0000S0000"}
      << QStringList{"Dad"};

  QTest::newRow("new spouse points at the person of interest")
      << kLonePoi << "Poi"
      << "add spouse"
      << "Sue"
      << QStringList{"Poi|00030008F0000M0000S0000", "Max|00070000F0000M0000S0000",
                     "Sue|00080003F0000M0000S0000"}
      << QStringList{"Sue"};
  QTest::newRow("unmarried spouse links both ways and the previous one is unlinked")
      << QStringList{"Poi|00030004F0000M0000S0000", "Old|00040003F0000M0000S0000",
                     "Ann|00050000F0000M0000S0000"}
      << "Poi"
      << "add spouse"
      << "Ann"
      << QStringList{"Poi|00030005F0000M0000S0000", "Old|00040000F0000M0000S0000",
                     "Ann|00050003F0000M0000S0000"}
      << QStringList{"Ann"};
  QTest::newRow("spouse married to someone else keeps that link")
      << QStringList{"Poi|00030000F0000M0000S0000", "Ann|00050006F0000M0000S0000",
                     "Bob|00060005F0000M0000S0000"}
      << "Poi"
      << "add spouse"
      << "Ann"
      << QStringList{"Poi|00030005F0000M0000S0000", "Ann|00050006F0000M0000S0000",
                     "Bob|00060005F0000M0000S0000"}
      << QStringList{"Ann"};
  QTest::newRow("current spouse again leaves both links")
      << QStringList{"Poi|00030004F0000M0000S0000", "Old|00040003F0000M0000S0000"} << "Poi"
      << "add spouse"
      << "Old" << QStringList{"Poi|00030004F0000M0000S0000", "Old|00040003F0000M0000S0000"}
      << QStringList{"Old"};
  QTest::newRow("spouse typed in another case is linked both ways")
      << QStringList{"Poi|00030000F0000M0000S0000", "Ann|00050000F0000M0000S0000"} << "Poi"
      << "add spouse"
      << "ann" << QStringList{"Poi|00030005F0000M0000S0000", "Ann|00050003F0000M0000S0000"}
      << QStringList{"ann"};

  QTest::newRow("first sibling shares the parents shown")
      << kPoiWithParents << "Poi"
      << "add sibling"
      << "Ann"
      << QStringList{kPoiWithParents[0], kPoiWithParents[1], "Poi|00030000F0001M0002S0008",
                     kPoiWithParents[3], "Ann|00080000F0001M0002S0003"}
      << QStringList{"Ann"};
  QTest::newRow("second sibling is added to the first")
      << QStringList{kPoiWithParents[0], kPoiWithParents[1], "Poi|00030000F0001M0002S0008",
                     kPoiWithParents[3], "Ann|00080000F0001M0002S0003"}
      << "Poi"
      << "add sibling"
      << "Bob"
      << QStringList{kPoiWithParents[0],
                     kPoiWithParents[1],
                     "Poi|00030000F0001M0002S00080009",
                     kPoiWithParents[3],
                     "Ann|00080000F0001M0002S00030009",
                     "Bob|00090000F0001M0002S00030008"}
      << QStringList{"Ann", "Bob"};
  QTest::newRow("a sibling group of 0000 gets the number in its place")
      << QStringList{"Poi|00030000F0000M0000S0008", "Ann|00080000F0000M0000S0000"} << "Poi"
      << "add sibling"
      << "Bob"
      << QStringList{"Poi|00030000F0000M0000S00080009", "Ann|00080000F0000M0000S0009",
                     "Bob|00090000F0000M0000S00030008"}
      << QStringList{"Ann", "Bob"};
  QTest::newRow("existing sibling keeps number and spouse")
      << QStringList{kPoiWithParents[0], kPoiWithParents[1], kPoiWithParents[2],
                     "Ann|00080005F0007M0000S0000", "Sid|00050008F0000M0000S0000"}
      << "Poi"
      << "add sibling"
      << "Ann"
      << QStringList{kPoiWithParents[0], kPoiWithParents[1], "Poi|00030000F0001M0002S0008",
                     "Ann|00080005F0001M0002S0003", "Sid|00050008F0000M0000S0000"}
      << QStringList{"Ann"};
  QTest::newRow("sibling already listed, typed in another case, is not its own sibling")
      << QStringList{"Poi|00030000F0000M0000S0008", "Ann|00080000F0000M0000S0003"} << "Poi"
      << "add sibling"
      << "ann" << QStringList{"Poi|00030000F0000M0000S00080008", "Ann|00080000F0000M0000S0003"}
      << QStringList{"Ann", "ann"};

  QTest::newRow("dependent of a woman: the spouse is the father")
      << QStringList{"Poi|00040005F0000M0000S0000|Female", "Sid|00050004F0000M0000S0000"} << "Poi"
      << "add dependent"
      << "Kid"
      << QStringList{"Poi|00040005F0000M0000S0000", "Sid|00050004F0000M0000S0000",
                     "Kid|00060000F0005M0004S0000"}
      << QStringList{"Kid"};
  QTest::newRow("dependent of a man: he is the father")
      << QStringList{"Poi|00040005F0000M0000S0000", "Sue|00050004F0000M0000S0000|Female"} << "Poi"
      << "add dependent"
      << "Kid"
      << QStringList{"Poi|00040005F0000M0000S0000", "Sue|00050004F0000M0000S0000",
                     "Kid|00060000F0004M0005S0000"}
      << QStringList{"Kid"};
  QTest::newRow("dependent without a spouse has 0000 as the other parent")
      << QStringList{"Poi|00040000F0000M0000S0000"} << "Poi"
      << "add dependent"
      << "Kid" << QStringList{"Poi|00040000F0000M0000S0000", "Kid|00050000F0004M0000S0000"}
      << QStringList{"Kid"};
  QTest::newRow("third child: each lists the other two in list order")
      << QStringList{"Poi|00040005F0000M0000S0000", "Sue|00050004F0000M0000S0000|Female",
                     "A|00060000F0004M0005S0007", "B|00070000F0004M0005S0006"}
      << "Poi"
      << "add dependent"
      << "C"
      << QStringList{"Poi|00040005F0000M0000S0000", "Sue|00050004F0000M0000S0000",
                     "A|00060000F0004M0005S00070008", "B|00070000F0004M0005S00060008",
                     "C|00080000F0004M0005S00060007"}
      << QStringList{"A", "B", "C"};
  QTest::newRow("existing person as dependent keeps the number only")
      << QStringList{"Poi|00040005F0000M0000S0000", "Sue|00050004F0000M0000S0000|Female",
                     "Zed|00090011F0001M0002S0003"}
      << "Poi"
      << "add dependent"
      << "Zed"
      << QStringList{"Poi|00040005F0000M0000S0000", "Sue|00050004F0000M0000S0000",
                     "Zed|00090000F0004M0005S0000"}
      << QStringList{"Zed"};
  QTest::newRow("dependent with nobody shown does nothing") << kLonePoi << ""
                                                            << "add dependent"
                                                            << "Kid" << kLonePoi << QStringList{};
}

void EditingAddTest::AddGivesLinks() {
  QFETCH(QStringList, family);
  QFETCH(QString, poi);
  QFETCH(QString, operation);
  QFETCH(QString, answer);
  QFETCH(QStringList, links);
  QFETCH(QStringList, shown);

  EditingFixture fixture;
  fixture.Open(family, poi);
  QVERIFY(fixture.Run(operation, answer));

  QCOMPARE(Sorted(fixture.Links()), Sorted(links));
  QCOMPARE(fixture.RecordLinks(), fixture.Links());
  const RelativeList* list = ListOf(fixture.session.view, operation);
  QCOMPARE(list ? list->names : QStringList{fixture.session.view.spouse}, shown);
  QVERIFY(fixture.prompter.messages.isEmpty());
  if (operation == u"add sibling") QCOMPARE(list->selected, -1);
  if (operation == u"add dependent" && !shown.isEmpty()) QCOMPARE(list->selected, shown.size() - 1);
}

void EditingAddTest::EachAddAsksWithItsPrompt_data() {
  QTest::addColumn<QString>("operation");
  QTest::addColumn<QString>("prompt");
  QTest::newRow("father") << "add father"
                          << "Enter Father's Name";
  QTest::newRow("mother") << "add mother"
                          << "Enter Mother's Name";
  QTest::newRow("spouse") << "add spouse"
                          << "Enter Spouse's Name";
  QTest::newRow("sibling") << "add sibling"
                           << "Enter Sibling's Name";
  QTest::newRow("dependent") << "add dependent"
                             << "Enter Dependent's Name";
}

void EditingAddTest::EachAddAsksWithItsPrompt() {
  QFETCH(QString, operation);
  QFETCH(QString, prompt);
  EditingFixture fixture;
  fixture.Open(kLonePoi, "Poi");
  fixture.session.pending_name = "Someone removed before";
  QVERIFY(fixture.Run(operation, "New Person"));
  QCOMPARE(fixture.prompter.prompts, QStringList{prompt});
  QCOMPARE(fixture.session.entry_prompt, prompt);
  QCOMPARE(fixture.session.pending_name, QString("New Person"));
}

QTEST_GUILESS_MAIN(EditingAddTest)
#include "test_editing_add.moc"
