// The sentences of the relation kinds on the demo family and on small families built for the
// cases it lacks, and the rules decided where the walks would otherwise name a stranger.
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

// A family of index rows whose gender column answers the gender lookup.
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

// Ann and her relatives; the candidates for b all carry the gender under test.
std::vector<IndexRow> Relatives(const QString& gender) {
  return {{"00010000F0002M0003S", "Ann", "Female", {}, {}},
          {"00020003F0004M0005S0006", "Dad", "Male", {}, {}},
          {"00030002F0000M0000S0008", "Mum", "Female", {}, {}},
          {"00040005F0000M0000S0009", "Grandad", gender, {}, {}},
          {"00050004F0000M0000S", "Gran", "Female", {}, {}},
          {"00060007F0004M0005S0002", "Blood", gender, {}, {}},       // Dad's sibling
          {"00070006F0000M0000S", "Wed", gender, {}, {}},             // married to Blood
          {"00080000F0000M0000S", "MumsSis", gender, {}, {}},         // listed by Mum only
          {"00090010F0000M0000S0004", "GreatBlood", gender, {}, {}},  // Grandad's sibling
          {"00100009F0000M0000S", "GreatWed", gender, {}, {}}};
}

// Two lines of descent from the siblings Top1 and Top2, depth generations down to A and B, so
// that Top1 and Top2 are A's and B's ancestors at level depth (2 for grandparents).
std::vector<IndexRow> SiblingLines(int depth) {
  std::vector<IndexRow> rows = {{"00010000F0000M0000S0002", "Top1", "Male", {}, {}},
                                {"00020000F0000M0000S0001", "Top2", "Male", {}, {}}};
  for (int side = 0; side < 2; ++side) {
    QString parent = FormatPersonNumber(side + 1);
    for (int level = 1; level <= depth; ++level) {
      const QString number = FormatPersonNumber(10 + side * 100 + level);
      const QString name = level < depth ? "L" + number : QString(side == 0 ? "A" : "B");
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
    row("spouse is exact", Kind::kSpouse, "thomas whitfield", "Eleanor Hart Whitfield",
        "No relation found.");
    row("father from the second pass", Kind::kDirectLine, "William Whitfield", "Thomas Whitfield",
        "William Whitfield is a father of Thomas Whitfield.");
    row("mother", Kind::kDirectLine, "Thomas Whitfield", "Mary Cole Whitfield",
        "Mary Cole Whitfield is a mother of Thomas Whitfield.");
    row("great great grandmother", Kind::kDirectLine, "Peter Whitfield", "Margaret Ellis Whitfield",
        "Margaret Ellis Whitfield is a great great grandmother of Peter Whitfield.");
    row("grandparent without gender", Kind::kDirectLine, "Thomas Whitfield", "John Bennett",
        "John Bennett is a great grandparent of Thomas Whitfield.");
    row("uncle from the second pass", Kind::kCollateral, "Thomas Whitfield", "Brenda Fisher",
        "Thomas Whitfield is an uncle of Brenda Fisher.");
    row("great great uncle", Kind::kCollateral, "Peter Whitfield", "Harold Whitfield",
        "Harold Whitfield is a great great uncle of Peter Whitfield.");
    row("great uncle by marriage", Kind::kCollateral, "Thomas Whitfield", "Arthur Pryce",
        "Arthur Pryce is a great uncle by marriage of Thomas Whitfield.");
    row("first cousins", Kind::kCousin, "Thomas Whitfield", "Ellen Ashby Moore",
        "Ellen Ashby Moore is a first cousin of Thomas Whitfield");
    row("third cousins", Kind::kCousin, "Peter Whitfield", "Brian Pryce",
        "Brian Pryce is a third cousin of Peter Whitfield through Henry Whitfield and Edith "
        "Whitfield Pryce");
    row("twice removed", Kind::kCousin, "Walter Pryce", "David Whitfield",
        "David Whitfield is a second cousin twice removed of Walter Pryce through Carl Whitfield");
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
    for (const char* neutral : {"", " ", "unknown", "male"}) {
      const QByteArray tag = QByteArray("\"") + neutral + "\" ";
      QTest::newRow(tag + "blood") << neutral << "Blood"
                                   << "Blood is a sibling of Ann's father.";
      QTest::newRow(tag + "mother's side") << neutral << "MumsSis"
                                           << "MumsSis is a sibling of Ann's mother.";
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
    QTest::newRow("female grandparent") << "Female"
                                        << "Grandad"
                                        << "Grandad is a grandmother of Ann.";
  }

  void WordsByGender() {
    QFETCH(QString, gender);
    QFETCH(QString, b);
    QFETCH(QString, expected);
    QCOMPARE(Family(Relatives(gender)).Ask(Kind::kFinder, "Ann", b), expected);
  }

  // Ordinals count from the grandparents; "eigth" as the program spells it.
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
    QCOMPARE(Family(SiblingLines(depth)).Ask(Kind::kCousin, "A", "B"), expected);
  }

  void CousinNames_data() {
    QTest::addColumn<int>("d1");
    QTest::addColumn<int>("d2");
    QTest::addColumn<QString>("expected");
    QTest::newRow("2 3") << 2 << 3 << "first cousin once removed";
    QTest::newRow("5 2") << 5 << 2 << "first cousin thrice removed";
    QTest::newRow("9 10") << 9 << 10 << "eigth cousin once removed";
    QTest::newRow("11 21") << 11 << 21 << "tenth cousin ten times removed";
    QTest::newRow("same generation") << 4 << 4 << "third cousin";
    QTest::newRow("outside the table") << 12 << 13 << " once removed";
  }

  void CousinNames() {
    QFETCH(int, d1);
    QFETCH(int, d2);
    QFETCH(QString, expected);
    QCOMPARE(CousinName(d1, d2), expected);
  }

  // Names the family does not hold, and a person numbered "0000", are nobody's relatives: the
  // walks would otherwise match the "0000" of a missing parent or spouse.
  void NobodyIsRelated_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    for (Kind kind : {Kind::kSibling, Kind::kSpouse, Kind::kDirectLine, Kind::kCollateral,
                      Kind::kCousin, Kind::kFinder}) {
      const QByteArray tag = QByteArray::number(static_cast<int>(kind));
      QTest::newRow(tag + " unknown") << kind << "Ann"
                                      << "Stranger";
      QTest::newRow(tag + " empty") << kind << ""
                                    << "Ann";
      QTest::newRow(tag + " blank") << kind << "Ann"
                                    << "  ";
      QTest::newRow(tag + " numbered 0000") << kind << "Zero"
                                            << "Ann";
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

  void FinderRules_data() {
    QTest::addColumn<QString>("gender_a");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<QString>("answer");
    const QString missing_a = "Gender attribute is missing for A. Results may be inaccurate.";
    const QString missing_b = "Gender attribute is missing for B. Results may be inaccurate.";
    QTest::newRow("both missing, first first")
        << ""
        << "B" << QStringList{missing_a, missing_b} << "No relation found.";
    QTest::newRow("blank counts as missing")
        << " \t"
        << "B" << QStringList{missing_a, missing_b} << "No relation found.";
    QTest::newRow("other text is no warning")
        << "unknown"
        << "B" << QStringList{missing_b} << "No relation found.";
    QTest::newRow("not in the family")
        << "Male"
        << "Q" << QStringList{"\"Q\" is not a person of this family."} << "No relation found.";
    QTest::newRow("the same person") << "Male"
                                     << " a " << QStringList{} << "A and  a  are the same person.";
  }

  void FinderRules() {
    QFETCH(QString, gender_a);
    QFETCH(QString, second);
    QFETCH(QStringList, warnings);
    QFETCH(QString, answer);
    Family family(
        {{"00010000F0000M0000S", "A", gender_a, {}, {}}, {"00020000F0000M0000S", "B", "", {}, {}}});
    const RelationFinding finding = FindRelation(family.graph, family.gender_of, "A", second);
    QCOMPARE(finding.warnings, warnings);
    QCOMPARE(finding.answer, answer);
  }
};

QTEST_GUILESS_MAIN(KindsTest)
#include "test_relations_kinds.moc"
