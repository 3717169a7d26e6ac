// The sentences of the relation kinds and the finder where the randomized comparison with the
// literal reference cannot reach (strangers, typed names, deep ancestry, warnings), and on a
// family on disk whose records give the genders; the rules decided where the walks would
// otherwise name a stranger. The descendants search: its order, a
// descendant once per line of descent, the stops on a cycle and at the limit, the relation of
// each descendant, and the save file's name. kinvale-cli relate, relatives and descendants:
// answers on stdout, warnings on stderr in the window's order, exit codes, people by number.
#include <QtTest>

#include "relations/collateral.h"
#include "relations/cousin.h"
#include "relations/descendants.h"
#include "relations/direct_line.h"
#include "relations/relation_finder.h"
#include "relations/relation_graph.h"
#include "relations/relation_primitives.h"
#include "relations/sibling_spouse.h"
#include "store/family_index.h"
#include "store/person_number.h"
#include "store/record.h"
#include "store/record_writer.h"
#include "support/cli_runner.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;
using namespace Qt::StringLiterals;

namespace {

// One relation kind, or the finder's answer (kWarned: after its warnings).
enum class Kind { kSibling, kSpouse, kDirect, kCollateral, kCousin, kFinder, kWarned };

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
  RelationFinding finding = FindRelation(graph, gender_of, a, b);
  return kind == Kind::kFinder ? finding.answer : (finding.warnings << finding.answer).join(u'\n');
}

IndexRow Person(const QString& link, const QString& name, const QString& gender = "Male") {
  return {link, name, gender, {}, {}};
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

// People written "number fathers mothers name [gender]", separated by commas.
std::vector<IndexRow> Rows(const QString& people) {
  std::vector<IndexRow> rows;
  for (const QString& person : people.split(", ")) {
    const QStringList f = person.split(u' ');
    rows.push_back({f[0] + "0000F" + f[1] + "M" + f[2] + "S", f[3], f.value(4, "Male"), {}, {}});
  }
  return rows;
}

// A chain of pairs: each generation's two people are children of both people before them, so
// the lines of descent double each generation.
std::vector<IndexRow> DoublingLines(int generations) {
  QString people = "0001 0000 0000 Root", father = "0001", mother = "0000";
  for (int g = 1; g <= generations; ++g) {
    const QString a = FormatPersonNumber(2 * g), b = FormatPersonNumber(2 * g + 1);
    for (const QString& n : {a, b}) people += ", " + n + ' ' + father + ' ' + mother + " P" + n;
    father = a;
    mother = b;
  }
  return Rows(people);
}

}  // namespace

class RelationsTest : public QObject {
  Q_OBJECT

 private slots:
  void Sentences_data() {  // family, kind, a, b, answer
    Columns<std::vector<IndexRow>, Kind, QString, QString, QString>();
    // The random families never give these: a name typed in another case, ancestors eight and
    // more generations up, a shared father followed by an empty slot (where the literal reading
    // lets the slot hide the father).
    const std::vector<IndexRow> couple = {Person("00010002F0000M0000S", "Ann Lee", "Female"),
                                          Person("00020001F0000M0000S", "Bob")};
    Row("spouse is exact", couple, Kind::kSpouse, "ann lee", "Bob", "No relation found.");
    Row("empty slot after the father", Siblings("00050000", "00050000", "0009"), Kind::kSibling,
        "A", "B", "A and B are siblings with the same father and with the same mother.");
    // Ordinals count from the grandparents; "eigth" as the program spells it.
    for (const auto& [depth, ordinal] :
         {std::pair{8, "eigth"}, {10, "tenth"}, {13, "over tenth"}}) {
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
      Row(tag + " blank", strangers, kind, "  ", "Ann", "No relation found.");
      Row(tag + " numbered 0000", strangers, kind, "Zero", "Ann", "No relation found.");
    }

    // The finder's warnings, the first person's first, then its answer.
    const QString missing = "Gender attribute is missing for %1. Results may be inaccurate.\n";
    auto finder = [](const QString& gender_of_a) {
      return std::vector<IndexRow>{Person("00010000F0000M0000S", "A", gender_of_a),
                                   Person("00020000F0000M0000S", "B", "")};
    };
    Row("blank counts as missing", finder(" \t"), Kind::kWarned, "A", "B",
        missing.arg("A") + missing.arg("B") + "No relation found.");
    Row("other text is no warning", finder("unknown"), Kind::kWarned, "A", "B",
        missing.arg("B") + "No relation found.");
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
    Row("5 2", 5, 2, "first cousin thrice removed");
    Row("9 10", 9, 10, "eigth cousin once removed");
    Row("11 21", 11, 21, "tenth cousin ten times removed");
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

  void Search_data() {  // rows, person, limit, names, the generation of each, problem
    Columns<std::vector<IndexRow>, QString, int, QStringList, std::vector<int>, QString>();
    const QString own_ancestor =
        " is recorded as their own ancestor, so the descendants repeat without end. The list "
        "stops before the repeat.";
    // Each row counts with its own groups, however its name matches another's, and is listed
    // with its number; a child numbered 0000 names nobody and is left out.
    Row("rows sharing a name",
        Rows("0001 0000 0000 Root, 0002 0001 0000 Kid, 0003 0000 0000 kid, 0000 0001 0000 Nobody"),
        "Root", 100, QStringList{"Kid (0002)"}, std::vector{1}, "");
    Row("own ancestor", Rows("0001 0003 0000 Ann, 0002 0001 0000 Bob, 0003 0002 0000 Cy"), "Ann",
        100, QStringList{"Bob", "Cy"}, std::vector{1, 2}, "Ann" + own_ancestor);
    Row("cycle below the person",
        Rows("0001 0000 0000 Ann, 0002 00010003 0000 Bob, 0003 0002 0000 Cy"), "Ann", 100,
        QStringList{"Bob", "Cy"}, std::vector{1, 2}, "Bob" + own_ancestor);
    Row("limit", DoublingLines(3), "Root", 5,
        QStringList{"P0002", "P0003", "P0004", "P0005", "P0004"}, std::vector{1, 1, 2, 2, 2},
        "The list stops at 5 entries: a descendant is listed once for every line of descent, and "
        "this family has more lines than that.");
    Row("limit reached exactly", DoublingLines(2), "Root", 6,
        QStringList{"P0002", "P0003", "P0004", "P0005", "P0004", "P0005"},
        std::vector{1, 1, 2, 2, 2, 2}, "");
  }

  void Search() {
    const auto [rows, person, limit, names, generations, problem] =
        Fetch<std::vector<IndexRow>, QString, int, QStringList, std::vector<int>, QString>();
    const DescendantsList list = FindDescendants(FamilyIndex(rows), person, limit);
    QCOMPARE(list.names, names);
    QCOMPARE(list.generations, generations);
    QCOMPARE(list.problem, problem);
  }

  void RelationsOncePerName() {
    const FamilyIndex index(
        Rows("0001 0000 0000 Root Female, 0002 0000 0001 Son, 0003 0000 0001 Daughter Female, "
             "0004 0002 0003 Both"));
    RelationGraph graph(index);
    int lookups = 0;
    const GenderLookup gender_of = [&](const QString& name) {
      ++lookups;
      return index.row(RowOfName(index, name)).gender;
    };
    QCOMPARE(DescendantRelations(graph, gender_of, "Root", FindDescendants(index, "Root").names),
             QStringList({"Root is a mother of Son.", "Root is a mother of Daughter.",
                          "Root is a grandmother of Both.", "Root is a grandmother of Both."}));
    QCOMPARE(lookups, 1);  // only the grandmother sentence needs the gender
  }

  void DefaultFileName() {
    QCOMPARE(DescendantsFileName("A/B", QDate(2026, 12, 6)), "A_B_Descendants_2026-12-06.txt");
  }

  void Commands_data() {  // arguments, input, exit code, stdout lines, stderr
    Columns<QStringList, QByteArray, int, QStringList, QString>();
    const QString missing = "Gender attribute is missing for %1. Results may be inaccurate.\n";
    Row("warnings first person first",
        QStringList{"relate", "Demo", "John Bennett", "Martha Bennett"}, ""_ba, 0,
        QStringList{"John Bennett is a spouse of Martha Bennett."},
        missing.arg("John Bennett") + missing.arg("Martha Bennett"));
    Row("batch line without a tab", QStringList{"relate", "Demo", "--batch"},
        "Thomas Whitfield Peter Whitfield\nJack Whitfield\tColin Whitfield\n"_ba, 1,
        QStringList{"", "Jack Whitfield is a father of Colin Whitfield."},
        "Line 1: expected two names separated by a tab.\n");
    Row("descendants with relations",
        QStringList{"descendants", "Demo", "Mark Turner", "--relations"}, ""_ba, 0,
        QStringList{"Emily Turner\tMark Turner is a father of Emily Turner."}, "");
    Row("descendants of nobody", QStringList{"descendants", "Demo", "Nobody"}, ""_ba, 1,
        QStringList{},
        "There is nobody named \"Nobody\" in this family, so there are no descendants to list.\n");
    // Windows line ends and empty lines are taken in stride.
    Row("batch with paths", QStringList{"relate", "Demo", "--batch", "--path"},
        "Samuel Hart\tThomas Whitfield\r\n\nJoseph Cole\tLily Dawson Pryce\nNobody\tAnn Whitfield\n"_ba,
        1,
        QStringList{"Samuel Hart is a father by marriage of Thomas Whitfield.",
                    "  0042\tSamuel Hart\tfather of", "  0005\tEleanor Hart Whitfield\tspouse of",
                    "  0001\tThomas Whitfield", "", "No relation found.", "", ""},
        "There is nobody named \"Nobody\" in the family \"Demo\".\n");
    Row("relatives", QStringList{"relatives", "Demo", "Jack Whitfield", "--max-degree", "0"}, ""_ba,
        0,
        QStringList{"Spouses", "  spouse\t0046\tBetty Shaw Whitfield", "Parents and grandparents",
                    "  father\t0002\tWilliam Whitfield", "  mother\t0004\tAda Morton Whitfield",
                    "Siblings", "  sibling with the same father\t0006\tGrace Whitfield Fisher",
                    "  sibling with the same father and with the same mother\t0019\tRose Whitfield",
                    "  sibling with the same father\t0001\tThomas Whitfield",
                    "Children and grandchildren", "  son\t0047\tColin Whitfield", "In-laws",
                    "  mother by marriage\t0003\tMary Cole Whitfield",
                    "  sibling by marriage\t0044\tLeonard Fisher",
                    "  sibling by marriage\t0005\tEleanor Hart Whitfield"},
        "");
    Row("relatives, degree out of range",
        QStringList{"relatives", "Demo", "Jack Whitfield", "--max-degree", "11"}, ""_ba, 1,
        QStringList{}, "--max-degree takes a whole number from 0 to 10.\n");
    Row("usage", QStringList{"relate", "Demo", "Thomas Whitfield"}, ""_ba, 2, QStringList{},
        "Usage: kinvale-cli relate FAMILY NAME1 NAME2 [--path] | FAMILY --batch [--path]\n");
  }

  void Commands() {
    const auto [arguments, input, code, out, err] =
        Fetch<QStringList, QByteArray, int, QStringList, QString>();
    QTemporaryDir dir;
    const CliResult run = RunCli(dir.filePath("app"), arguments, input);
    QCOMPARE(run.out, out);
    QCOMPARE(run.err, err);
    QCOMPARE(run.exit_code, code);
  }

  // A name two people carry is refused with both listed; each is reached by number.
  void Namesakes() {
    TempAppFolder folder;
    PersonSpec father{"John Smith", "00010000F0000M0000S"};
    father.details.birth_date = "1901";
    father.details.death_date = "1970";
    folder.WriteFamily("Smiths", {father, {"John Smith", "00020000F0001M0000S"}});
    const CliResult refused = RunCli(folder.path(), {"relatives", "Smiths", "john smith"});
    QCOMPARE(
        refused.err,
        "Several people are called john smith. Which one do you mean? Name the person as #NNNN:\n"
        "  John Smith (0001, 1901\u20131970)\n  John Smith (0002)\n");
    QCOMPARE(refused.exit_code, 1);
    QCOMPARE(RunCli(folder.path(), {"relate", "Smiths", "#2", "#1", "--path"}).out,
             QStringList({"John Smith is a father of John Smith.", "  0002\tJohn Smith\tchild of",
                          "  0001\tJohn Smith"}));
  }
};

KINVALE_TEST(RelationsTest)
#include "test_relations_kinds.moc"
