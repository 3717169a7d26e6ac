// Person numbers, link-string groups and the family index lookups.
#include <QtTest>
#include <random>

#include "store/family_index.h"
#include "store/link_string.h"
#include "store/person_number.h"
#include "store/text_helpers.h"

using namespace kinvale;

namespace {

// The lookups written as the plain scans they stand for, to check the maps against.
struct ScanOracle {
  const std::vector<IndexRow>& rows;
  int FindRowExact(const QString& name) const {
    for (size_t i = 0; i < rows.size(); ++i) {
      if (rows[i].name == name) return int(i);
    }
    return -1;
  }
  int FindRow(const QString& name) const {
    for (size_t i = 0; i < rows.size(); ++i) {
      if (LooseNameKey(rows[i].name) == LooseNameKey(name)) return int(i);
    }
    return -1;
  }
  QString NameOfNumber(const QString& number) const {
    for (const IndexRow& row : rows) {
      if (NumberValue(number) > 0 && NumberValue(row.link.left(4)) == NumberValue(number)) {
        return row.name;
      }
    }
    return {};
  }
  std::vector<int> ChildRowsOf(int number) const {
    std::vector<int> children;
    if (number <= 0) return children;  // "0000" names nobody
    for (size_t i = 0; i < rows.size(); ++i) {
      for (Group g : {Group::kFather, Group::kMother}) {
        for (const QString& e : GroupEntries(rows[i].link, g)) {
          if (NumberValue(e) == number) children.push_back(int(i));
        }
      }
    }
    return children;
  }
};

}  // namespace

class StoreIndexTest : public QObject {
  Q_OBJECT

 private slots:
  void GroupEntriesDecode_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QStringList>("fathers");
    QTest::addColumn<QStringList>("mothers");
    QTest::addColumn<QStringList>("siblings");
    QTest::newRow("two fathers, no siblings")
        << "00120000F00030004M0005S" << QStringList{"0003", "0004"} << QStringList{"0005"}
        << QStringList{};
    QTest::newRow("initial state") << "00010000F0000M0000S0000" << QStringList{"0000"}
                                   << QStringList{"0000"} << QStringList{"0000"};
    QTest::newRow("trailing remainder dropped")
        << "00010000F000200M0003S00040" << QStringList{"0002"} << QStringList{"0003"}
        << QStringList{"0004"};
    QTest::newRow("empty groups") << "00010002FMS" << QStringList{} << QStringList{}
                                  << QStringList{};
    QTest::newRow("markers missing")
        << "Joan Lee_0001.dat" << QStringList{} << QStringList{} << QStringList{};
  }
  void GroupEntriesDecode() {
    QFETCH(QString, link);
    QFETCH(QStringList, fathers);
    QFETCH(QStringList, mothers);
    QFETCH(QStringList, siblings);
    QCOMPARE(GroupEntries(link, Group::kFather), fathers);
    QCOMPARE(GroupEntries(link, Group::kMother), mothers);
    QCOMPARE(GroupEntries(link, Group::kSibling), siblings);
  }

  void ReplaceGroupKeepsTheRest() {
    const QString link = QStringLiteral("00120007F00030004M0005S00080009");
    QCOMPARE(ReplaceGroup(link, Group::kFather, u"0003"),
             QStringLiteral("00120007F0003M0005S00080009"));
    QCOMPARE(ReplaceGroup(link, Group::kMother, u""),
             QStringLiteral("00120007F00030004MS00080009"));
    QCOMPARE(ReplaceGroup(link, Group::kSibling, u"0000"),
             QStringLiteral("00120007F00030004M0005S0000"));
    QCOMPARE(WithSpouse(link, u"0000"), QStringLiteral("00120000F00030004M0005S00080009"));
    QCOMPARE(NewLinkString(u"0042"), QStringLiteral("00420000F0000M0000S0000"));
  }

  void NumbersByValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("formatted");
    QTest::newRow("padded") << "0012" << 12 << "0012";
    QTest::newRow("short") << "12" << 12 << "0012";
    QTest::newRow("digits then text") << "012x" << 12 << "0012";
    QTest::newRow("none") << "John" << 0 << "0000";
    QTest::newRow("four digits") << "9999" << 9999 << "9999";
    QTest::newRow("five digits keep all") << "12345" << 12345 << "12345";
  }
  void NumbersByValue() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(QString, formatted);
    QCOMPARE(NumberValue(text), value);
    QCOMPARE(FormatPersonNumber(value), formatted);
  }

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

  void NextPersonNumber_data() {
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<int>("highest_file");
    QTest::addColumn<QString>("next");
    QTest::newRow("gap not refilled") << QStringList{"0001", "0002", "0007"} << 0 << "0008";
    QTest::newRow("empty family") << QStringList{} << 0 << "0001";
    QTest::newRow("after 9") << QStringList{"0009"} << 0 << "0010";
    QTest::newRow("after 99") << QStringList{"0099"} << 0 << "0100";
    QTest::newRow("after 999") << QStringList{"0999"} << 0 << "1000";
    QTest::newRow("a file left out of the index") << QStringList{"0003"} << 40 << "0041";
    QTest::newRow("full family") << QStringList{"9999"} << 0 << "";
    QTest::newRow("full by file") << QStringList{"0001"} << 9999 << "";
  }
  void NextPersonNumber() {
    QFETCH(QStringList, numbers);
    QFETCH(int, highest_file);
    QFETCH(QString, next);
    FamilyIndex index;
    for (const QString& n : numbers) index.Append({NewLinkString(n), "P" + n, {}, {}, {}});
    QCOMPARE(kinvale::NextPersonNumber(index, highest_file), next);
  }

  void ChildRowsInRowOrderOncePerSlot() {
    const FamilyIndex index({{"00010000F0000M0000S0000", "P", "Male", {}, {}},
                             {"00020000F0001M0000S0000", "A", {}, {}, {}},
                             {"00030000F0000M0001S0000", "B", {}, {}, {}},
                             {"00040000F00010001M0001S0000", "C", {}, {}, {}},
                             {"00050000F0000M0000S0001", "not a child", {}, {}, {}}});
    QCOMPARE(index.ChildRowsOf(1), (std::vector<int>{1, 2, 3, 3, 3}));
    QVERIFY(index.ChildRowsOf(0).empty());
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
      if (action == 0 || rows.empty()) {
        IndexRow row{random_link(), names[random() % names.size()], {}, {}, {}};
        rows.push_back(row);
        index.Append(row);
      } else if (action == 1) {
        const int r = int(random() % rows.size());
        rows[r].link = random_link();
        index.SetLink(r, rows[r].link);
      } else {
        const int r = int(random() % rows.size());
        rows[r].name = names[random() % names.size()];
        index.SetName(r, rows[r].name);
      }
      const ScanOracle oracle{rows};
      const QString probe = names[random() % names.size()];
      QCOMPARE(index.FindRowExact(probe), oracle.FindRowExact(probe));
      QCOMPARE(index.FindRow(probe), oracle.FindRow(probe));
      const QString number = random_number();
      QCOMPARE(index.NameOfNumber(number), oracle.NameOfNumber(number));
      QCOMPARE(index.ChildRowsOf(NumberValue(number)), oracle.ChildRowsOf(NumberValue(number)));
    }
  }

  void TextHelpers_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name_from_file");
    QTest::addColumn<QString>("name_from_record");
    QTest::addColumn<int>("number");
    QTest::newRow("plain") << "Mary Ann_0004.dat"
                           << "Mary Ann"
                           << "Mary Ann" << 4;
    QTest::newRow("dot in name") << "J. Smith_0005.dat"
                                 << "J"
                                 << "J. Smith" << 5;
    QTest::newRow("underscore in name") << "Mary_Ann_0004.dat"
                                        << "Mary"
                                        << "Mary_Ann" << 4;
    QTest::newRow("backup copy") << "John Smith_0003 Copy.dat"
                                 << "John Smith"
                                 << "John Smith" << 3;
    QTest::newRow("no ending") << "Readme"
                               << "Readme"
                               << "Readme" << 0;
    QTest::newRow("no digits") << "Ann_.dat"
                               << "Ann"
                               << "Ann" << 0;
  }
  void TextHelpers() {
    QFETCH(QString, file);
    QFETCH(QString, name_from_file);
    QFETCH(QString, name_from_record);
    QFETCH(int, number);
    QCOMPARE(NameFromFileName(file), name_from_file);
    QCOMPARE(NameFromRecordFileName(file), name_from_record);
    QCOMPARE(NumberFromRecordFileName(file), number);
  }

  void ContainsTextRules() {
    QVERIFY(ContainsText(u"John Smith_0003 COPY.dat", u"copy"));
    QVERIFY(ContainsText(u"abc", u""));
    QVERIFY(!ContainsText(u"", u""));
    QVERIFY(!ContainsText(u"abc", u"abcd"));
    QCOMPARE(StripSpaces(u" a b\tc "), QStringLiteral("ab\tc"));
  }
};

QTEST_GUILESS_MAIN(StoreIndexTest)
#include "test_store_index.moc"
