// The sentences of the relation kinds on the demo family and on small families built for the
// cases it lacks: every row of the sentence tables, the order of trial, and the rules the
// program decided where the walks would otherwise name a stranger.
#include <QtTest>

#include "relations/collateral.h"
#include "relations/cousin.h"
#include "relations/direct_line.h"
#include "relations/relation_finder.h"
#include "relations/relation_graph.h"
#include "relations/relation_primitives.h"
#include "relations/sibling_spouse.h"
#include "store/family_files.h"
#include "store/family_index.h"
#include "store/person_number.h"

using namespace kinvale;

namespace {

enum class Kind { kSibling, kSpouse, kDirectLine, kCollateral, kCousin, kFinder };

// A family of rows given as "link name gender" triples; the gender lookup reads the rows.
struct Family {
  FamilyIndex index;
  RelationGraph graph{index};
  GenderLookup gender_of = [this](const QString& name) {
    const int row = RowOfName(index, name);
    return row < 0 ? QString() : index.row(row).gender;
  };

  explicit Family(std::vector<IndexRow> rows) : index(std::move(rows)) {}

  QString Ask(Kind kind, const QString& a, const QString& b) {
    switch (kind) {
      case Kind::kSibling:
        return SiblingRelation(graph, a, b);
      case Kind::kSpouse:
        return SpouseRelation(graph, a, b);
      case Kind::kDirectLine:
        return DirectLineRelation(graph, gender_of, a, b);
      case Kind::kCollateral:
        return CollateralRelation(graph, gender_of, a, b);
      case Kind::kCousin:
        return CousinRelation(graph, a, b);
      case Kind::kFinder:
        break;
    }
    return FindRelation(graph, gender_of, a, b).answer;
  }
};

Family& Demo() {
  static Family demo = [] {
    const QString folder = QStringLiteral(KINVALE_SOURCE_DIR "/data/demo/Demo");
    return Family(LoadIndexRows(folder, *ListRecordFiles(folder)).rows);
  }();
  return demo;
}

// Ann (0001) and her relatives, with the genders each case needs.
std::vector<IndexRow> Relatives(const QString& gender_of_b) {
  return {
      {"00010000F0002M0003S", "Ann", "Female", {}, {}},
      {"00020003F0004M0005S0006", "Dad", "Male", {}, {}},
      {"00030002F0000M0000S0008", "Mum", "Female", {}, {}},
      {"00040005F0000M0000S0009", "Grandad", "Male", {}, {}},
      {"00050004F0000M0000S", "Gran", "Female", {}, {}},
      {"00060007F0004M0005S0002", "Blood", gender_of_b, {}, {}},       // Dad's sibling
      {"00070006F0000M0000S", "Wed", gender_of_b, {}, {}},             // married to Blood
      {"00080000F0000M0000S", "MumsSis", "Female", {}, {}},            // only Mum's group lists her
      {"00090010F0000M0000S0004", "GreatBlood", gender_of_b, {}, {}},  // Grandad's sibling
      {"00100009F0000M0000S", "GreatWed", gender_of_b, {}, {}},
  };
}

// Two lines of descent from the siblings Top1 and Top2, depth generations down to A and B:
// Top1 and Top2 are A's and B's ancestors at level depth (2 for grandparents).
std::vector<IndexRow> SiblingLines(int depth) {
  std::vector<IndexRow> rows = {{"00010000F0000M0000S0002", "Top1", "Male", {}, {}},
                                {"00020000F0000M0000S0001", "Top2", "Male", {}, {}}};
  for (int side = 0; side < 2; ++side) {
    QString parent = FormatPersonNumber(side + 1);
    for (int level = 1; level <= depth; ++level) {
      const QString number = FormatPersonNumber(10 + side * 100 + level);
      const QString name = level == depth ? QString(side == 0 ? "A" : "B")
                                          : QStringLiteral("L%1_%2").arg(side).arg(level);
      rows.push_back({number + "0000F" + parent + "M0000S", name, "Male", {}, {}});
      parent = number;
    }
  }
  return rows;
}

}  // namespace

class KindsTest : public QObject {
  Q_OBJECT

 private slots:
  void DemoFamilySentences_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("expected");
    auto row = [](const char* tag, Kind kind, const char* a, const char* b, const char* answer) {
      QTest::newRow(tag) << kind << QString(a) << QString(b) << QString(answer);
    };
    row("full siblings", Kind::kSibling, "Thomas Whitfield", "Grace Whitfield Fisher",
        "Thomas Whitfield and Grace Whitfield Fisher are siblings with the same father and with "
        "the same mother.");
    row("half siblings", Kind::kSibling, "Grace Whitfield Fisher", "Rose Whitfield",
        "Grace Whitfield Fisher and Rose Whitfield are siblings with the same father.");
    row("not listed", Kind::kSibling, "Thomas Whitfield", "Peter Whitfield", "No relation found.");
    row("spouse", Kind::kSpouse, "Thomas Whitfield", "Eleanor Hart Whitfield",
        "Thomas Whitfield is a spouse of Eleanor Hart Whitfield.");
    row("spouse is exact", Kind::kSpouse, "thomas whitfield", "Eleanor Hart Whitfield",
        "No relation found.");
    row("father", Kind::kDirectLine, "Thomas Whitfield", "William Whitfield",
        "William Whitfield is a father of Thomas Whitfield.");
    row("father from the second pass", Kind::kDirectLine, "William Whitfield", "Thomas Whitfield",
        "William Whitfield is a father of Thomas Whitfield.");
    row("mother", Kind::kDirectLine, "Thomas Whitfield", "Mary Cole Whitfield",
        "Mary Cole Whitfield is a mother of Thomas Whitfield.");
    row("grandfather", Kind::kDirectLine, "Thomas Whitfield", "Henry Whitfield",
        "Henry Whitfield is a grandfather of Thomas Whitfield.");
    row("great great grandmother", Kind::kDirectLine, "Peter Whitfield", "Margaret Ellis Whitfield",
        "Margaret Ellis Whitfield is a great great grandmother of Peter Whitfield.");
    row("grandparent without gender", Kind::kDirectLine, "Thomas Whitfield", "John Bennett",
        "John Bennett is a great grandparent of Thomas Whitfield.");
    row("no ancestry", Kind::kDirectLine, "Carl Whitfield", "John Bennett", "No relation found.");
    row("aunt", Kind::kCollateral, "Thomas Whitfield", "Florence Whitfield Ashby",
        "Florence Whitfield Ashby is an aunt of Thomas Whitfield.");
    row("uncle from the second pass", Kind::kCollateral, "Thomas Whitfield", "Brenda Fisher",
        "Thomas Whitfield is an uncle of Brenda Fisher.");
    row("uncle by marriage", Kind::kCollateral, "Thomas Whitfield", "Frederick Ashby",
        "Frederick Ashby is an uncle by marriage of Thomas Whitfield.");
    row("great aunt", Kind::kCollateral, "Thomas Whitfield", "Edith Whitfield Pryce",
        "Edith Whitfield Pryce is a great aunt of Thomas Whitfield.");
    row("great uncle by marriage", Kind::kCollateral, "Thomas Whitfield", "Arthur Pryce",
        "Arthur Pryce is a great uncle by marriage of Thomas Whitfield.");
    row("great great uncle", Kind::kCollateral, "Peter Whitfield", "Harold Whitfield",
        "Harold Whitfield is a great great uncle of Peter Whitfield.");
    row("first cousins", Kind::kCousin, "Thomas Whitfield", "Ellen Ashby Moore",
        "Ellen Ashby Moore is a first cousin of Thomas Whitfield");
    row("second cousins", Kind::kCousin, "Thomas Whitfield", "Walter Pryce",
        "Walter Pryce is a second cousin of Thomas Whitfield through Henry Whitfield and Edith "
        "Whitfield Pryce");
    row("third cousins", Kind::kCousin, "Peter Whitfield", "Brian Pryce",
        "Brian Pryce is a third cousin of Peter Whitfield through Henry Whitfield and Edith "
        "Whitfield Pryce");
    row("once removed", Kind::kCousin, "Thomas Whitfield", "Joan Moore",
        "Joan Moore is a first cousin once removed of Thomas Whitfield through Henry Whitfield");
    row("second cousin twice removed", Kind::kCousin, "Walter Pryce", "David Whitfield",
        "David Whitfield is a second cousin twice removed of Walter Pryce through Carl Whitfield");
    row("siblings before spouses", Kind::kFinder, "Jack Whitfield", "Rose Whitfield",
        "Jack Whitfield and Rose Whitfield are siblings with the same father and with the same "
        "mother.");
    row("direct line before cousins", Kind::kFinder, "Ann Whitfield", "Thomas Whitfield",
        "Thomas Whitfield is a great grandfather of Ann Whitfield.");
    row("no relation", Kind::kFinder, "Joseph Cole", "Lily Dawson Pryce", "No relation found.");
  }

  void DemoFamilySentences() {
    QFETCH(Kind, kind);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, expected);
    QCOMPARE(Demo().Ask(kind, a, b), expected);
  }

  // The words by b's gender; any text but "Male" and "Female" takes the gender-neutral ones.
  void WordsByGender_data() {
    QTest::addColumn<QString>("gender");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("expected");
    for (const char* neutral : {"", " ", "unknown"}) {
      const QByteArray tag = QByteArray("\"") + neutral + "\" ";
      QTest::newRow(tag + "blood uncle") << neutral << "Blood"
                                         << "Blood is a sibling of Ann's father.";
      QTest::newRow(tag + "by marriage")
          << neutral << "Wed"
          << "Wed is a spouse to Blood who is a sibling of Ann's father.";
      QTest::newRow(tag + "great") << neutral << "GreatBlood"
                                   << "GreatBlood is a sibling of Ann's grandparent.";
      QTest::newRow(tag + "great by marriage")
          << neutral << "GreatWed"
          << "GreatWed is a sibling of Ann's grandparent by marriage.";
      QTest::newRow(tag + "grandparent") << neutral << "Grandad"
                                         << "Grandad is a grandparent of Ann.";
    }
    QTest::newRow("male uncle") << "Male"
                                << "Blood"
                                << "Blood is an uncle of Ann.";
    QTest::newRow("female by marriage") << "Female"
                                        << "Wed"
                                        << "Wed is an aunt by marriage of Ann.";
    QTest::newRow("female great") << "Female"
                                  << "GreatBlood"
                                  << "GreatBlood is a great aunt of Ann.";
    QTest::newRow("male great by marriage") << "Male"
                                            << "GreatWed"
                                            << "GreatWed is a great uncle by marriage of Ann.";
    QTest::newRow("male grandparent") << "Male"
                                      << "Grandad"
                                      << "Grandad is a grandfather of Ann.";
    QTest::newRow("lower-case male") << "male"
                                     << "Blood"
                                     << "Blood is a sibling of Ann's father.";
  }

  void WordsByGender() {
    QFETCH(QString, gender);
    QFETCH(QString, b);
    QFETCH(QString, expected);
    std::vector<IndexRow> rows = Relatives(gender);
    rows[3].gender = gender;  // Grandad
    Family family(rows);
    QCOMPARE(family.Ask(Kind::kFinder, "Ann", b), expected);
  }

  void MothersSideAndOneSidedLinks() {
    Family family(Relatives("Female"));
    // Mum's group lists MumsSis: the parent's sibling group is what counts for an aunt...
    QCOMPARE(family.Ask(Kind::kCollateral, "Ann", "MumsSis"), "MumsSis is an aunt of Ann.");
    family.gender_of = [](const QString&) { return QString(); };
    QCOMPARE(family.Ask(Kind::kCollateral, "Ann", "MumsSis"),
             "MumsSis is a sibling of Ann's mother.");
    // ...while siblings need b's group to list a.
    QCOMPARE(family.Ask(Kind::kSibling, "Mum", "MumsSis"), "No relation found.");
    QCOMPARE(family.Ask(Kind::kSibling, "MumsSis", "Mum"), "MumsSis and Mum are siblings.");
  }

  // Cousins found by level count their ordinals from the grandparents; "eigth" as spelled.
  void SameGenerationLevels_data() {
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first") << 1 << "B is a first cousin of A";
    QTest::newRow("second") << 2 << "B is a second cousin of A through Top1 and Top2";
    QTest::newRow("eigth") << 8 << "B is a eigth cousin of A through Top1 and Top2";
    QTest::newRow("tenth") << 10 << "B is a tenth cousin of A through Top1 and Top2";
    QTest::newRow("over tenth") << 13 << "B is a over tenth cousin of A through Top1 and Top2";
  }

  void SameGenerationLevels() {
    QFETCH(int, depth);
    QFETCH(QString, expected);
    Family family(SiblingLines(depth));
    QCOMPARE(family.Ask(Kind::kCousin, "A", "B"), expected);
  }

  void CousinNames_data() {
    QTest::addColumn<int>("d1");
    QTest::addColumn<int>("d2");
    QTest::addColumn<QString>("expected");
    QTest::newRow("2 3") << 2 << 3 << "first cousin once removed";
    QTest::newRow("5 2") << 5 << 2 << "first cousin thrice removed";
    QTest::newRow("3 7") << 3 << 7 << "second cousin four times removed";
    QTest::newRow("9 10") << 9 << 10 << "eigth cousin once removed";
    QTest::newRow("11 21") << 11 << 21 << "tenth cousin ten times removed";
    QTest::newRow("2 10") << 2 << 10 << "first cousin eight times removed";
    QTest::newRow("same generation") << 4 << 4 << "third cousin";
    QTest::newRow("outside the table") << 12 << 13 << " once removed";
  }

  void CousinNames() {
    QFETCH(int, d1);
    QFETCH(int, d2);
    QFETCH(QString, expected);
    QCOMPARE(CousinName(d1, d2), expected);
  }

  void CommonAncestorAcrossGenerations() {
    // Joe's child Kid, and Joe's great-grandchild Gc: no sibling links at all.
    Family family({{"00010000F0000M0000S", "Joe", "Male", {}, {}},
                   {"00020000F0001M0000S", "Kid", "Male", {}, {}},
                   {"00030000F0002M0000S", "Ann", "Female", {}, {}},
                   {"00040000F0001M0000S", "Kid2", "Male", {}, {}},
                   {"00050000F0004M0000S", "P1", "Male", {}, {}},
                   {"00060000F0005M0000S", "P2", "Male", {}, {}},
                   {"00070000F0006M0000S", "P3", "Male", {}, {}},
                   {"00080000F0007M0000S", "Gc", "Male", {}, {}}});
    QCOMPARE(family.Ask(Kind::kCousin, "Ann", "Gc"),
             "Gc is a first cousin thrice removed of Ann through Joe");
    QCOMPARE(family.Ask(Kind::kCousin, "Ann", "P1"), "P1 is a first cousin of Ann through Joe");
  }

  // Names the family does not hold, and people whose number is "0000", are nobody's relatives:
  // the walks would otherwise match the "0000" of a missing parent or spouse.
  void NobodyIsRelated_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    for (Kind kind : {Kind::kSibling, Kind::kSpouse, Kind::kDirectLine, Kind::kCollateral,
                      Kind::kCousin, Kind::kFinder}) {
      const QByteArray tag = QByteArray::number(static_cast<int>(kind));
      QTest::newRow(tag + " unknown") << kind << "Ann"
                                      << "Stranger";
      QTest::newRow(tag + " unknown first") << kind << "Stranger"
                                            << "Ann";
      QTest::newRow(tag + " empty") << kind << ""
                                    << "Ann";
      QTest::newRow(tag + " blank") << kind << "Ann"
                                    << "  ";
      QTest::newRow(tag + " numbered 0000") << kind << "Ann"
                                            << "Zero";
    }
  }

  void NobodyIsRelated() {
    QFETCH(Kind, kind);
    QFETCH(QString, a);
    QFETCH(QString, b);
    Family family({{"00010000F0000M0000S0000", "Ann", "Female", {}, {}},
                   {"00000000F0000M0000S0000", "Zero", "Male", {}, {}}});
    QCOMPARE(family.Ask(kind, a, b), "No relation found.");
  }

  void SameFatherSkipsEmptySlots_data() {
    QTest::addColumn<QString>("fathers_a");
    QTest::addColumn<QString>("fathers_b");
    QTest::addColumn<QString>("shared");
    QTest::newRow("both missing") << "0000"
                                  << "0000"
                                  << "0000";
    QTest::newRow("one") << "0005"
                         << "0005"
                         << "0005";
    QTest::newRow("empty slot after the father") << "00050000"
                                                 << "00050000"
                                                 << "0005";
    QTest::newRow("last shared wins") << "00050006"
                                      << "00060005"
                                      << "0006";
    QTest::newRow("none shared") << "0005"
                                 << "0006"
                                 << "0000";
  }

  void SameFatherSkipsEmptySlots() {
    QFETCH(QString, fathers_a);
    QFETCH(QString, fathers_b);
    QFETCH(QString, shared);
    const FamilyIndex index({{"00010000F" + fathers_a + "M0000S", "A", "", {}, {}},
                             {"00020000F" + fathers_b + "M0000S", "B", "", {}, {}}});
    QCOMPARE(SameFather(index, "A", "B"), shared);
  }

  void SamePersonTwice_data() {
    QTest::addColumn<QString>("second");
    QTest::newRow("as listed") << "Ann Lee";
    QTest::newRow("other case and spacing") << "annlee";
  }

  void SamePersonTwice() {
    QFETCH(QString, second);
    Family family({{"00010000F0000M0000S", "Ann Lee", "Female", {}, {}}});
    QCOMPARE(family.Ask(Kind::kFinder, "Ann Lee", second),
             "Ann Lee and " + second + " are the same person.");
  }

  void FinderWarnings_data() {
    QTest::addColumn<QString>("gender_a");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("warnings");
    const QString missing_a = "Gender attribute is missing for A. Results may be inaccurate.";
    const QString missing_b = "Gender attribute is missing for B. Results may be inaccurate.";
    QTest::newRow("both missing, first first") << ""
                                               << "B" << QStringList{missing_a, missing_b};
    QTest::newRow("blank counts as missing") << " \t"
                                             << "B" << QStringList{missing_a, missing_b};
    QTest::newRow("other text is no warning") << "unknown"
                                              << "B" << QStringList{missing_b};
    QTest::newRow("not in the family")
        << "Male"
        << "Q" << QStringList{"\"Q\" is not a person of this family."};
  }

  void FinderWarnings() {
    QFETCH(QString, gender_a);
    QFETCH(QString, second);
    QFETCH(QStringList, warnings);
    Family family(
        {{"00010000F0000M0000S", "A", gender_a, {}, {}}, {"00020000F0000M0000S", "B", "", {}, {}}});
    QCOMPARE(FindRelation(family.graph, family.gender_of, "A", second).warnings, warnings);
  }
};

QTEST_GUILESS_MAIN(KindsTest)
#include "test_relations_kinds.moc"
