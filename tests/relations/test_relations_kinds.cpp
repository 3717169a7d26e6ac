// The sentences of the relation kinds and the finder on the demo family, on small families built
// for the cases it lacks, and on a family on disk whose records give the genders; the rules
// decided where the walks would otherwise name a stranger.
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
#include "store/record.h"
#include "store/record_writer.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

enum class Kind { kSibling, kSpouse, kDirectLine, kCollateral, kCousin, kFinder };

IndexRow Person(const QString& link, const QString& name, const QString& gender = "Male") {
  return {link, name, gender, {}, {}};
}

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
    if (kind == Kind::kSibling) return SiblingRelation(graph, a, b);
    if (kind == Kind::kSpouse) return SpouseRelation(graph, a, b);
    if (kind == Kind::kDirectLine) return DirectLineRelation(graph, gender_of, a, b);
    if (kind == Kind::kCollateral) return CollateralRelation(graph, gender_of, a, b);
    if (kind == Kind::kCousin) return CousinRelation(graph, a, b);
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
  return {Person("00010000F0002M0003S", "Ann", "Female"),
          Person("00020003F0004M0005S0006", "Dad"),
          Person("00030002F0000M0000S0008", "Mum", "Female"),
          Person("00040005F0000M0000S0009", "Grandad", gender),
          Person("00050004F0000M0000S", "Gran", "Female"),
          Person("00060007F0004M0005S0002", "Blood", gender),       // Dad's sibling
          Person("00070006F0000M0000S", "Wed", gender),             // married to Blood
          Person("00080000F0000M0000S", "MumsSis", gender),         // listed by Mum only
          Person("00090010F0000M0000S0004", "GreatBlood", gender),  // Grandad's sibling
          Person("00100009F0000M0000S", "GreatWed", gender)};
}

// Two lines of descent from the siblings Top1 and Top2, depth generations down to A and B, so
// that Top1 and Top2 are A's and B's ancestors at level depth (2 for grandparents).
std::vector<IndexRow> SiblingLines(int depth) {
  std::vector<IndexRow> rows = {Person("00010000F0000M0000S0002", "Top1"),
                                Person("00020000F0000M0000S0001", "Top2")};
  for (int side = 0; side < 2; ++side) {
    QString parent = FormatPersonNumber(side + 1);
    for (int level = 1; level <= depth; ++level) {
      const QString number = FormatPersonNumber(10 + side * 100 + level);
      const QString name = level < depth ? "L" + number : QString(side == 0 ? "A" : "B");
      rows.push_back(Person(number + "0000F" + parent + "M0000S", name));
      parent = number;
    }
  }
  return rows;
}

const QString kFamily = QStringLiteral("Kin");

void WriteKin(const TempAppFolder& folder, const QString& gender_of_carl) {
  folder.WriteFamily(kFamily, {{"Carl", "00010000F0000M0000S", gender_of_carl},
                               {"Dan", "00020000F0003M0000S", "Male"},
                               {"Ann", "00030000F0001M0000S", "Female"}});
}

}  // namespace

class KindsTest : public QObject {
  Q_OBJECT

 private slots:
  void DemoFamilySentences_data() {
    Columns<Kind, QString, QString, QString>();  // kind, a, b, expected
    Row("spouse", Kind::kSpouse, "Thomas Whitfield", "Eleanor Hart Whitfield",
        "Thomas Whitfield is a spouse of Eleanor Hart Whitfield.");
    Row("spouse is exact", Kind::kSpouse, "thomas whitfield", "Eleanor Hart Whitfield",
        "No relation found.");
    Row("father from the second pass", Kind::kDirectLine, "William Whitfield", "Thomas Whitfield",
        "William Whitfield is a father of Thomas Whitfield.");
    Row("mother", Kind::kDirectLine, "Thomas Whitfield", "Mary Cole Whitfield",
        "Mary Cole Whitfield is a mother of Thomas Whitfield.");
    Row("great great grandmother", Kind::kDirectLine, "Peter Whitfield", "Margaret Ellis Whitfield",
        "Margaret Ellis Whitfield is a great great grandmother of Peter Whitfield.");
    Row("grandparent without gender", Kind::kDirectLine, "Thomas Whitfield", "John Bennett",
        "John Bennett is a great grandparent of Thomas Whitfield.");
    Row("uncle from the second pass", Kind::kCollateral, "Thomas Whitfield", "Brenda Fisher",
        "Thomas Whitfield is an uncle of Brenda Fisher.");
    Row("great great uncle", Kind::kCollateral, "Peter Whitfield", "Harold Whitfield",
        "Harold Whitfield is a great great uncle of Peter Whitfield.");
    Row("great uncle by marriage", Kind::kCollateral, "Thomas Whitfield", "Arthur Pryce",
        "Arthur Pryce is a great uncle by marriage of Thomas Whitfield.");
    Row("first cousins", Kind::kCousin, "Thomas Whitfield", "Ellen Ashby Moore",
        "Ellen Ashby Moore is a first cousin of Thomas Whitfield");
    Row("third cousins", Kind::kCousin, "Peter Whitfield", "Brian Pryce",
        "Brian Pryce is a third cousin of Peter Whitfield through Henry Whitfield and Edith "
        "Whitfield Pryce");
    Row("twice removed", Kind::kCousin, "Walter Pryce", "David Whitfield",
        "David Whitfield is a second cousin twice removed of Walter Pryce through Carl Whitfield");
    Row("direct line before cousins", Kind::kFinder, "Ann Whitfield", "Thomas Whitfield",
        "Thomas Whitfield is a great grandfather of Ann Whitfield.");
    Row("no relation", Kind::kFinder, "Joseph Cole", "Lily Dawson Pryce", "No relation found.");
  }

  void DemoFamilySentences() {
    const auto [kind, a, b, expected] = Fetch<Kind, QString, QString, QString>();
    QCOMPARE(Demo().Ask(kind, a, b), expected);
  }

  // Only b's sibling group is read; an entry naming nobody is no shared parent, so a shared
  // empty slot neither hides a shared father nor counts as one.
  void SiblingSentences_data() {
    // fathers_a, fathers_b, mothers_b, same_father, sentence
    Columns<QString, QString, QString, QString, QString>();
    const char* both = "A and B are siblings with the same father and with the same mother.";
    Row("both missing", "0000", "0000", "0009", "0000",
        "A and B are siblings with the same mother.");
    Row("empty slot after the father", "00050000", "00050000", "0009", "0005", both);
    Row("last shared wins", "00050006", "00060005", "0009", "0006", both);
    Row("father only", "0005", "0005", "0008", "0005",
        "A and B are siblings with the same father.");
    Row("none shared", "0005", "0006", "0008", "0000", "A and B are siblings.");
  }

  void SiblingSentences() {
    const auto [fathers_a, fathers_b, mothers_b, same_father, sentence] =
        Fetch<QString, QString, QString, QString, QString>();
    Family family({Person("00010000F" + fathers_a + "M0009S", "A"),
                   Person("00020000F" + fathers_b + "M" + mothers_b + "S0001", "B")});
    QCOMPARE(SameFather(family.index, "A", "B"), same_father);
    QCOMPARE(family.Ask(Kind::kSibling, "A", "B"), sentence);
    QCOMPARE(family.Ask(Kind::kSibling, "B", "A"), "No relation found.");
  }

  // The words by b's gender; any text but "Male" and "Female" takes the gender-neutral ones.
  void WordsByGender_data() {
    Columns<QString, QString, QString>();  // gender, b, expected
    const struct {
      const char *b, *neutral, *gender, *gendered;
    } cases[] = {
        {"Blood", "Blood is a sibling of Ann's father.", "Male", "Blood is an uncle of Ann."},
        {"MumsSis", "MumsSis is a sibling of Ann's mother.", "Female",
         "MumsSis is an aunt of Ann."},
        {"Wed", "Wed is a spouse to Blood who is a sibling of Ann's father.", "Female",
         "Wed is an aunt by marriage of Ann."},
        {"GreatBlood", "GreatBlood is a sibling of Ann's grandparent.", "Female",
         "GreatBlood is a great aunt of Ann."},
        {"GreatWed", "GreatWed is a sibling of Ann's grandparent by marriage.", "Male",
         "GreatWed is a great uncle by marriage of Ann."},
        {"Grandad", "Grandad is a grandparent of Ann.", "Female",
         "Grandad is a grandmother of Ann."}};
    for (const auto& c : cases) {
      for (const char* neutral : {"", " ", "unknown", "male"}) {
        Row(QByteArray(c.b) + " \"" + neutral + '"', neutral, c.b, c.neutral);
      }
      Row(QByteArray(c.b) + ' ' + c.gender, c.gender, c.b, c.gendered);
    }
  }

  void WordsByGender() {
    const auto [gender, b, expected] = Fetch<QString, QString, QString>();
    QCOMPARE(Family(Relatives(gender)).Ask(Kind::kFinder, "Ann", b), expected);
  }

  // Ordinals count from the grandparents; "eigth" as the program spells it.
  void SameGenerationLevels_data() {
    Columns<int, QString>();  // depth, expected
    Row("first", 1, "B is a first cousin of A");
    Row("second", 2, "B is a second cousin of A through Top1 and Top2");
    Row("eigth", 8, "B is a eigth cousin of A through Top1 and Top2");
    Row("tenth", 10, "B is a tenth cousin of A through Top1 and Top2");
    Row("over tenth", 13, "B is a over tenth cousin of A through Top1 and Top2");
  }

  void SameGenerationLevels() {
    const auto [depth, expected] = Fetch<int, QString>();
    QCOMPARE(Family(SiblingLines(depth)).Ask(Kind::kCousin, "A", "B"), expected);
  }

  void CousinNames_data() {
    Columns<int, int, QString>();  // d1, d2, expected
    Row("2 3", 2, 3, "first cousin once removed");
    Row("5 2", 5, 2, "first cousin thrice removed");
    Row("9 10", 9, 10, "eigth cousin once removed");
    Row("11 21", 11, 21, "tenth cousin ten times removed");
    Row("same generation", 4, 4, "third cousin");
    Row("outside the table", 12, 13, " once removed");
  }

  void CousinNames() {
    const auto [d1, d2, expected] = Fetch<int, int, QString>();
    QCOMPARE(CousinName(d1, d2), expected);
  }

  // Names the family does not hold, and a person numbered "0000", are nobody's relatives: the
  // walks would otherwise match the "0000" of a missing parent or spouse.
  void NobodyIsRelated_data() {
    Columns<Kind, QString, QString>();  // kind, a, b
    for (Kind kind : {Kind::kSibling, Kind::kSpouse, Kind::kDirectLine, Kind::kCollateral,
                      Kind::kCousin, Kind::kFinder}) {
      const QByteArray tag = QByteArray::number(static_cast<int>(kind));
      Row(tag + " unknown", kind, "Ann", "Stranger");
      Row(tag + " empty", kind, "", "Ann");
      Row(tag + " blank", kind, "Ann", "  ");
      Row(tag + " numbered 0000", kind, "Zero", "Ann");
    }
  }

  void NobodyIsRelated() {
    const auto [kind, a, b] = Fetch<Kind, QString, QString>();
    Family family({Person("00010000F0000M0000S0000", "Ann", "Female"),
                   Person("00000000F0000M0000S0000", "Zero")});
    QCOMPARE(family.Ask(kind, a, b), "No relation found.");
  }

  void FinderRules_data() {
    Columns<QString, QString, QStringList, QString>();  // gender_a, second, warnings, answer
    const QString missing_a = "Gender attribute is missing for A. Results may be inaccurate.";
    const QString missing_b = "Gender attribute is missing for B. Results may be inaccurate.";
    const char* none = "No relation found.";
    Row("both missing, first first", "", "B", QStringList{missing_a, missing_b}, none);
    Row("blank counts as missing", " \t", "B", QStringList{missing_a, missing_b}, none);
    Row("other text is no warning", "unknown", "B", QStringList{missing_b}, none);
    Row("not in the family", "Male", "Q", QStringList{"\"Q\" is not a person of this family."},
        none);
    Row("the same person", "Male", " a ", QStringList{}, "A and  a  are the same person.");
  }

  void FinderRules() {
    const auto [gender_a, second, warnings, answer] =
        Fetch<QString, QString, QStringList, QString>();
    Family family(
        {Person("00010000F0000M0000S", "A", gender_a), Person("00020000F0000M0000S", "B", "")});
    const RelationFinding finding = FindRelation(family.graph, family.gender_of, "A", second);
    QCOMPARE(finding.warnings, warnings);
    QCOMPARE(finding.answer, answer);
  }

  // Genders are read from the records as they are when the question is asked; a minimal record
  // (a null gender below) has none.
  void GenderFromTheRecord_data() {
    Columns<QString, QString, QStringList>();  // gender, answer, warnings
    const QStringList missing{"Gender attribute is missing for Carl. Results may be inaccurate."};
    Row("male", "Male", "Carl is a grandfather of Dan.", QStringList{});
    Row("female", "Female", "Carl is a grandmother of Dan.", QStringList{});
    Row("blank", " ", "Carl is a grandparent of Dan.", missing);
    Row("other", "Unknown", "Carl is a grandparent of Dan.", QStringList{});
    Row("minimal record", QString(), "Carl is a grandparent of Dan.", missing);
  }

  void GenderFromTheRecord() {
    const auto [gender, answer, warnings] = Fetch<QString, QString, QStringList>();
    TempAppFolder folder;
    WriteKin(folder, "Male");
    Session session = folder.OpenSession(kFamily);
    RelationGraph graph(session.index);
    ScriptedPrompter prompter;
    QCOMPARE(FindRelation(session, graph, prompter, "Carl", "Dan"),
             "Carl is a grandfather of Dan.");
    // The same window, asked again after the record changed, reads the record anew.
    if (gender.isNull()) {
      folder.WriteFile(kFamily, RecordFileName("Carl", "0001"),
                       FormatMinimalRecord("00010000F0000M0000S"));
    } else {
      WriteKin(folder, gender);
    }
    QCOMPARE(FindRelation(session, graph, prompter, "Dan", "Carl"), answer);
    QCOMPARE(prompter.messages, warnings);
    QCOMPARE(prompter.message_titles, QStringList(warnings.size(), "Warning"));
  }

  void TypedNameReadsTheListedRecord() {
    TempAppFolder folder;
    WriteKin(folder, "Female");
    const Session session = folder.OpenSession(kFamily);
    QCOMPARE(GenderOf(session, "carl"), "Female");
    QCOMPARE(GenderOf(session, "Nobody"), QString());
    RecordGenders genders(session);
    QCOMPARE(genders(" C a r l "), "Female");
  }

  void ListedNames() {
    QCOMPARE(RelationPersonNames({"Ann Lee_0001.dat", "Ann Lee_0001 Copy.dat", "J. Smith_0002.dat",
                                  "COPY of Bob_0003.dat", "Mary_Ann_0004.dat"}),
             QStringList({"Ann Lee", "J. Smith", "Mary_Ann"}));
  }
};

QTEST_GUILESS_MAIN(KindsTest)
#include "test_relations_kinds.moc"
