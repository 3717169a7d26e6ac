// The descendants search: its order and generations, a descendant once per line of descent, the
// stops on a cycle and at the limit, the relation of each descendant, and the save file's name.
#include <QtTest>

#include "relations/descendants.h"
#include "relations/relation_graph.h"
#include "relations/relation_primitives.h"
#include "store/family_index.h"
#include "store/person_number.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

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

class DescendantsTest : public QObject {
  Q_OBJECT

 private slots:
  void Search_data() {  // rows, person, limit, names, the generation of each, problem
    Columns<std::vector<IndexRow>, QString, int, QStringList, std::vector<int>, QString>();
    const QString own_ancestor =
        " is recorded as their own ancestor, so the descendants repeat without end. The list "
        "stops before the repeat.";
    Row("children in index order, then grandchildren",
        Rows("0001 0000 0000 Carl, 0002 0004 0000 Grandchild, 0003 0000 0001 Second, "
             "0004 0001 0000 First"),
        "carl", 100, QStringList{"Second", "First", "Grandchild"}, std::vector{1, 1, 2}, "");
    Row("once per line of descent",
        Rows("0001 0000 0000 Root, 0002 0001 0000 Son, 0003 0001 0000 Daughter, 0004 0002 0003 "
             "Both"),
        "Root", 100, QStringList{"Son", "Daughter", "Both", "Both"}, std::vector{1, 1, 2, 2}, "");
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
    Row("own parent", Rows("0001 0001 0000 Ann"), "Ann", 100, QStringList{}, std::vector<int>{},
        "Ann" + own_ancestor);
    Row("limit", DoublingLines(3), "Root", 5,
        QStringList{"P0002", "P0003", "P0004", "P0005", "P0004"}, std::vector{1, 1, 2, 2, 2},
        "The list stops at 5 entries: a descendant is listed once for every line of descent, and "
        "this family has more lines than that.");
    Row("limit reached exactly", DoublingLines(2), "Root", 6,
        QStringList{"P0002", "P0003", "P0004", "P0005", "P0004", "P0005"},
        std::vector{1, 1, 2, 2, 2, 2}, "");
    Row("nobody of that name", Rows("0001 0000 0000 Ann"), "Nobody", 100, QStringList{},
        std::vector<int>{},
        "There is nobody named \"Nobody\" in this family, so there are no descendants to list.");
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
    QCOMPARE(DescendantsFileName("Carl Whitfield", QDate(2026, 3, 7)),
             "Carl Whitfield_Descendants_2026-03-07.txt");
    QCOMPARE(DescendantsFileName("A/B", QDate(2026, 12, 6)), "A_B_Descendants_2026-12-06.txt");
  }
};

QTEST_GUILESS_MAIN(DescendantsTest)
#include "test_relations_descendants.moc"
