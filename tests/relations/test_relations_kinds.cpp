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
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

// One relation kind, SameFather, or the finder's answer (kWarned: after its warnings).
enum class Kind { kSibling, kSpouse, kDirect, kCollateral, kCousin, kSameFather, kFinder, kWarned };

// The family of the index rows, its gender column answering the gender lookup.
QString Ask(std::vector<IndexRow> rows, Kind kind, const QString& a, const QString& b) {
  const FamilyIndex index(std::move(rows));
  RelationGraph graph(index);
  const GenderLookup gender_of = [&index](const QString& name) {
    const int row = RowOfName(index, name);
    return row < 0 ? QString() : index.row(row).gender;
  };
  if (kind == Kind::kSibling) return SiblingRelation(graph, a, b);
  if (kind == Kind::kSpouse) return SpouseRelation(graph, a, b);
  if (kind == Kind::kDirect) return DirectLineRelation(graph, gender_of, a, b);
  if (kind == Kind::kCollateral) return CollateralRelation(graph, gender_of, a, b);
  if (kind == Kind::kCousin) return CousinRelation(graph, a, b);
  if (kind == Kind::kSameFather) return SameFather(index, a, b);
  RelationFinding finding = FindRelation(graph, gender_of, a, b);
  return kind == Kind::kFinder ? finding.answer : (finding.warnings << finding.answer).join(u'\n');
}

IndexRow Person(const QString& link, const QString& name, const QString& gender = "Male") {
  return {link, name, gender, {}, {}};
}

std::vector<IndexRow> DemoRows() {
  const QString folder = QStringLiteral(KINVALE_SOURCE_DIR "/data/demo/Demo");
  return LoadIndexRows(folder, *ListRecordFiles(folder)).rows;
}

// A and B, whom B's sibling group lists, with these parent groups; A's mother is 0009.
std::vector<IndexRow> Siblings(const QString& fathers_a, const QString& fathers_b,
                               const QString& mothers_b) {
  return {Person("00010000F" + fathers_a + "M0009S", "A"),
          Person("00020000F" + fathers_b + "M" + mothers_b + "S0001", "B")};
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
  void Sentences_data() {  // family, kind, a, b, answer
    Columns<std::vector<IndexRow>, Kind, QString, QString, QString>();
    const std::vector<IndexRow> demo = DemoRows();
    Row("spouse", demo, Kind::kSpouse, "Thomas Whitfield", "Eleanor Hart Whitfield",
        "Thomas Whitfield is a spouse of Eleanor Hart Whitfield.");
    Row("spouse is exact", demo, Kind::kSpouse, "thomas whitfield", "Eleanor Hart Whitfield",
        "No relation found.");
    Row("no relation", demo, Kind::kFinder, "Joseph Cole", "Lily Dawson Pryce",
        "No relation found.");

    // An entry naming nobody is no shared parent, so a shared empty slot neither hides a shared
    // father nor counts as one; only b's sibling group is read.
    const char* both = "A and B are siblings with the same father and with the same mother.";
    Row("fathers missing", Siblings("0000", "0000", "0009"), Kind::kSibling, "A", "B",
        "A and B are siblings with the same mother.");
    Row("empty slot after the father", Siblings("00050000", "00050000", "0009"), Kind::kSibling,
        "A", "B", both);
    Row("same father despite the slot", Siblings("00050000", "00050000", "0009"), Kind::kSameFather,
        "A", "B", "0005");
    Row("last shared father", Siblings("00050006", "00060005", "0009"), Kind::kSameFather, "A", "B",
        "0006");
    Row("father only", Siblings("0005", "0005", "0008"), Kind::kSibling, "A", "B",
        "A and B are siblings with the same father.");
    Row("no shared parent", Siblings("0005", "0006", "0008"), Kind::kSibling, "A", "B",
        "A and B are siblings.");
    Row("one-sided link", Siblings("0005", "0005", "0009"), Kind::kSibling, "B", "A",
        "No relation found.");

    // Ordinals count from the grandparents; "eigth" as the program spells it.
    Row("first cousin", SiblingLines(1), Kind::kCousin, "A", "B", "B is a first cousin of A");
    for (const auto& [depth, ordinal] :
         {std::pair{2, "second"}, {8, "eigth"}, {10, "tenth"}, {13, "over tenth"}}) {
      Row(ordinal, SiblingLines(depth), Kind::kCousin, "A", "B",
          QString("B is a %1 cousin of A through Top1 and Top2").arg(ordinal));
    }

    // Names the family does not hold, and a person numbered "0000", are nobody's relatives: the
    // walks would otherwise match the "0000" of a missing parent or spouse.
    const std::vector<IndexRow> strangers = {Person("00010000F0000M0000S0000", "Ann", "Female"),
                                             Person("00000000F0000M0000S0000", "Zero")};
    for (Kind kind : {Kind::kSibling, Kind::kSpouse, Kind::kDirect, Kind::kCollateral,
                      Kind::kCousin, Kind::kFinder}) {
      const QByteArray tag = QByteArray::number(static_cast<int>(kind));
      Row(tag + " unknown", strangers, kind, "Ann", "Stranger", "No relation found.");
      Row(tag + " empty", strangers, kind, "", "Ann", "No relation found.");
      Row(tag + " blank", strangers, kind, "Ann", "  ", "No relation found.");
      Row(tag + " numbered 0000", strangers, kind, "Zero", "Ann", "No relation found.");
    }

    // The finder's warnings, the first person's first, then its answer.
    const QString missing = "Gender attribute is missing for %1. Results may be inaccurate.\n";
    auto finder = [](const QString& gender_of_a) {
      return std::vector<IndexRow>{Person("00010000F0000M0000S", "A", gender_of_a),
                                   Person("00020000F0000M0000S", "B", "")};
    };
    Row("both missing, first first", finder(""), Kind::kWarned, "A", "B",
        missing.arg("A") + missing.arg("B") + "No relation found.");
    Row("blank counts as missing", finder(" \t"), Kind::kWarned, "A", "B",
        missing.arg("A") + missing.arg("B") + "No relation found.");
    Row("other text is no warning", finder("unknown"), Kind::kWarned, "A", "B",
        missing.arg("B") + "No relation found.");
    Row("not in the family", finder("Male"), Kind::kWarned, "A", "Q",
        "\"Q\" is not a person of this family.\nNo relation found.");
    Row("the same person", finder("Male"), Kind::kWarned, "A", " a ",
        "A and  a  are the same person.");
  }

  void Sentences() {
    const auto [family, kind, a, b, answer] =
        Fetch<std::vector<IndexRow>, Kind, QString, QString, QString>();
    QCOMPARE(Ask(family, kind, a, b), answer);
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

  // Genders are read from the records as they are when the question is asked, the same window
  // asking again after a record changed; a minimal record has none. A name typed in another
  // case or spacing reads the record of the name listed.
  void GendersFromTheRecords() {
    TempAppFolder folder;
    WriteKin(folder, "Male");
    Session session = folder.OpenSession(kFamily);
    RelationGraph graph(session.index);
    ScriptedPrompter prompter;
    QCOMPARE(FindRelation(session, graph, prompter, "Carl", "Dan"),
             "Carl is a grandfather of Dan.");
    WriteKin(folder, "Female");
    QCOMPARE(FindRelation(session, graph, prompter, "Dan", "carl"),
             "carl is a grandmother of Dan.");
    QCOMPARE(GenderOf(session, "Nobody"), QString());
    QCOMPARE(RecordGenders(session)(" C a r l "), "Female");
    const QString missing = "Gender attribute is missing for Carl. Results may be inaccurate.";
    WriteKin(folder, " ");
    QCOMPARE(FindRelation(session, graph, prompter, "Dan", "Carl"),
             "Carl is a grandparent of Dan.");
    folder.WriteFile(kFamily, RecordFileName("Carl", "0001"),
                     FormatMinimalRecord("00010000F0000M0000S"));
    QCOMPARE(FindRelation(session, graph, prompter, "Carl", "Dan"),
             "Carl is a grandparent of Dan.");
    QCOMPARE(prompter.messages, QStringList({missing, missing}));
    QCOMPARE(prompter.message_titles, QStringList({"Warning", "Warning"}));
  }

  void ListedNames() {
    QCOMPARE(RelationPersonNames(FamilyIndex(),
                                 {"Ann Lee_0001.dat", "Ann Lee_0001 Copy.dat", "J. Smith_0002.dat",
                                  "COPY of Bob_0003.dat", "Mary_Ann_0004.dat"}),
             QStringList({"Ann Lee", "J. Smith", "Mary_Ann"}));
  }
};

KINVALE_TEST(KindsTest)
#include "test_relations_kinds.moc"
