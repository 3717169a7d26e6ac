// Person numbers, link-string groups and the family index lookups.
#include <QtTest>
#include <random>

#include "store/family_index.h"
#include "store/link_string.h"
#include "store/person_number.h"
#include "store/text_helpers.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

class StoreIndexTest : public QObject {
  Q_OBJECT

 private slots:
  void FirstMatchWithCollidingNames() {
    const FamilyIndex index({{"00070000F0000M0000S0000", "Anne Lee", "Female", {}, {}},
                             {"00030000F0000M0000S0000", "annelee", "Female", {}, {}},
                             {"00120000F0000M0000S0000", "Bob", "Male", {}, {}},
                             {"0012X", "Bob Again", "Male", {}, {}}});
    QCOMPARE(index.FindRowExact("annelee"), 1);
    QCOMPARE(index.FindRow("annelee"), 0);
    QCOMPARE(index.FindRow("ANNE  LEE"), 0);
    QCOMPARE(index.FindRow("Anne-Lee"), -1);
    QCOMPARE(index.NumberOfName("annelee"), QStringLiteral("0007"));
    QCOMPARE(index.NumberOfName("nobody"), QStringLiteral("0000"));
    QVERIFY(index.NameExists("a n n e l e e"));
    QCOMPARE(index.NameOfNumber(u"12"), QStringLiteral("Bob"));
    QCOMPARE(index.NameOfNumber(u"0000"), QString());
    QCOMPARE(index.NameOfNumber(u"0099"), QString());
  }

  // Random renames and relinks must leave every map answering as a scan of the rows would.
  void MapsFollowEveryChange() {
    std::mt19937 random(11);
    const QStringList names = {"Ann", "ann", "A nn", "Bob", "Carl", "carl ", "Dee"};
    auto random_number = [&] { return FormatPersonNumber(int(random() % 8)); };
    auto random_link = [&] {
      return random_number() + random_number() + "F" + random_number() + random_number() + "M" +
             random_number() + "S" + random_number();
    };
    FamilyIndex index;
    std::vector<IndexRow> rows;
    for (int step = 0; step < 3000; ++step) {
      const int action = int(random() % 3);
      const int r = rows.empty() ? 0 : int(random() % rows.size());
      if (action == 0 || rows.empty()) {
        rows.push_back({random_link(), names[random() % names.size()], {}, {}, {}});
        index.Append(rows.back());
      } else if (action == 1) {
        rows[r].link = random_link();
        index.SetLink(r, rows[r].link);
      } else {
        rows[r].name = names[random() % names.size()];
        index.SetName(r, rows[r].name);
      }
      // The plain scans the maps stand for; backwards, so the first match is found last.
      const QString probe = names[random() % names.size()];
      const int number = int(random() % 8);
      int exact = -1, loose = -1, numbered = -1;
      for (int i = int(rows.size()) - 1; i >= 0; --i) {
        if (rows[i].name == probe) exact = i;
        if (LooseNameKey(rows[i].name) == LooseNameKey(probe)) loose = i;
        if (number > 0 && NumberValue(rows[i].link.left(4)) == number) numbered = i;
      }
      std::vector<int> children;
      for (int i = 0; i < int(rows.size()) && number > 0; ++i) {
        for (Group g : {Group::kFather, Group::kMother}) {
          for (const QString& e : GroupEntries(rows[i].link, g)) {
            if (NumberValue(e) == number) children.push_back(i);
          }
        }
      }
      QCOMPARE(index.FindRowExact(probe), exact);
      QCOMPARE(index.FindRow(probe), loose);
      QCOMPARE(index.NameOfNumber(FormatPersonNumber(number)),
               numbered < 0 ? QString() : rows[numbered].name);
      QCOMPARE(index.ChildRowsOf(number), children);
    }
  }

  // How file names give names and numbers: a name may hold dots and "_", a backup copy's
  // suffix is no part of it, and a name without a number ends at the first "." or "_".
  void TextHelpers_data() {
    Columns<QString, QString, int>();  // file, name from it | as a record file name, number
    const auto row = [](const char* file, const char* names, int number) {
      Row(file, file, names, number);
    };
    row("J. Smith_0005.dat", "J|J. Smith", 5);
    row("Mary_Ann_0004.dat", "Mary|Mary_Ann", 4);
    row("John Smith_0003 Copy.dat", "John Smith|John Smith", 3);
    row("Ann_.dat", "Ann|Ann", 0);
  }
  void TextHelpers() {
    const auto [file, names, number] = Fetch<QString, QString, int>();
    QCOMPARE(NameFromFileName(file) + u'|' + NameFromRecordFileName(file), names);
    QCOMPARE(NumberFromRecordFileName(file), number);
  }
};

KINVALE_TEST(StoreIndexTest)
#include "test_store_index.moc"
