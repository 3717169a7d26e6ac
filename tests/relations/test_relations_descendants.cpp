// The descendants search: its order, a descendant once per line of descent, the stops on a
// cycle and at the limit, the relation of each descendant, and the save file.
#include <QtTest>

#include "relations/descendants.h"
#include "relations/relation_graph.h"
#include "relations/relation_primitives.h"
#include "store/family_index.h"
#include "store/person_number.h"
#include "store/text_codec.h"

using namespace kinvale;

namespace {

IndexRow Person(const char* number, const char* fathers, const char* mothers, const char* name,
                const char* gender = "Male") {
  return {QString(number) + "0000F" + fathers + "M" + mothers + "S", name, gender, {}, {}};
}

// A chain of pairs: each generation's two people are children of both people before them, so
// the lines of descent double each generation.
std::vector<IndexRow> DoublingLines(int generations) {
  std::vector<IndexRow> rows = {Person("0001", "0000", "0000", "Root")};
  QString father = "0001", mother = "0000";
  for (int g = 1; g <= generations; ++g) {
    const QString a = FormatPersonNumber(2 * g), b = FormatPersonNumber(2 * g + 1);
    for (const QString& n : {a, b}) {
      rows.push_back({n + "0000F" + father + "M" + mother + "S", "P" + n, "Male", {}, {}});
    }
    father = a;
    mother = b;
  }
  return rows;
}

}  // namespace

class DescendantsTest : public QObject {
  Q_OBJECT

 private slots:
  void Search_data() {
    QTest::addColumn<std::vector<IndexRow>>("rows");
    QTest::addColumn<QString>("person");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("problem");
    const QString own_ancestor =
        " is recorded as their own ancestor, so the descendants repeat without end. The list "
        "stops before the repeat.";
    QTest::newRow("children in index order, then grandchildren")
        << std::vector<IndexRow>{Person("0001", "0000", "0000", "Carl"),
                                 Person("0002", "0004", "0000", "Grandchild"),
                                 Person("0003", "0000", "0001", "Second"),
                                 Person("0004", "0001", "0000", "First")}
        << "carl" << 100 << QStringList{"Second", "First", "Grandchild"} << "";
    QTest::newRow("once per line of descent")
        << std::vector<IndexRow>{Person("0001", "0000", "0000", "Root"),
                                 Person("0002", "0001", "0000", "Son"),
                                 Person("0003", "0001", "0000", "Daughter"),
                                 Person("0004", "0002", "0003", "Both")}
        << "Root" << 100 << QStringList{"Son", "Daughter", "Both", "Both"} << "";
    // The scan reads a row's groups through its name, so the later "kid" counts with the
    // groups of the first "Kid"; a child numbered 0000 names nobody and is left out.
    QTest::newRow("rows sharing a name")
        << std::vector<IndexRow>{Person("0001", "0000", "0000", "Root"),
                                 Person("0002", "0001", "0000", "Kid"),
                                 Person("0003", "0000", "0000", "kid"),
                                 Person("0000", "0001", "0000", "Nobody")}
        << "Root" << 100 << QStringList{"Kid", "kid"} << "";
    QTest::newRow("own ancestor") << std::vector<IndexRow>{Person("0001", "0003", "0000", "Ann"),
                                                           Person("0002", "0001", "0000", "Bob"),
                                                           Person("0003", "0002", "0000", "Cy")}
                                  << "Ann" << 100 << QStringList{"Bob", "Cy"}
                                  << "Ann" + own_ancestor;
    QTest::newRow("cycle below the person")
        << std::vector<IndexRow>{Person("0001", "0000", "0000", "Ann"),
                                 Person("0002", "00010003", "0000", "Bob"),
                                 Person("0003", "0002", "0000", "Cy")}
        << "Ann" << 100 << QStringList{"Bob", "Cy"} << "Bob" + own_ancestor;
    QTest::newRow("own parent") << std::vector<IndexRow>{Person("0001", "0001", "0000", "Ann")}
                                << "Ann" << 100 << QStringList{} << "Ann" + own_ancestor;
    QTest::newRow("limit") << DoublingLines(3) << "Root" << 5
                           << QStringList{"P0002", "P0003", "P0004", "P0005", "P0004"}
                           << "The list stops at 5 entries: a descendant is listed once for "
                              "every line of descent, and this family has more lines than that.";
    QTest::newRow("limit reached exactly")
        << DoublingLines(2) << "Root" << 6
        << QStringList{"P0002", "P0003", "P0004", "P0005", "P0004", "P0005"} << "";
    QTest::newRow("nobody of that name")
        << std::vector<IndexRow>{Person("0001", "0000", "0000", "Ann")} << "Nobody" << 100
        << QStringList{}
        << "There is nobody named \"Nobody\" in this family, so there are no descendants to "
           "list.";
  }

  void Search() {
    QFETCH(std::vector<IndexRow>, rows);
    QFETCH(QString, person);
    QFETCH(int, limit);
    QFETCH(QStringList, names);
    QFETCH(QString, problem);
    const DescendantsList list = FindDescendants(FamilyIndex(rows), person, limit);
    QCOMPARE(list.names, names);
    QCOMPARE(list.problem, problem);
  }

  void RelationsOncePerName() {
    const FamilyIndex index({Person("0001", "0000", "0000", "Root", "Female"),
                             Person("0002", "0000", "0001", "Son"),
                             Person("0003", "0000", "0001", "Daughter", "Female"),
                             Person("0004", "0002", "0003", "Both")});
    RelationGraph graph(index);
    int lookups = 0;
    const GenderLookup gender_of = [&](const QString& name) {
      ++lookups;
      return index.row(RowOfName(index, name)).gender;
    };
    const QStringList names = FindDescendants(index, "Root").names;
    QCOMPARE(DescendantRelations(graph, gender_of, "Root", names),
             QStringList({"Root is a mother of Son.", "Root is a mother of Daughter.",
                          "Root is a grandmother of Both.", "Root is a grandmother of Both."}));
    QCOMPARE(lookups, 1);  // only the grandmother sentence needs the gender
  }

  void SaveFile_data() {
    QTest::addColumn<QStringList>("relations");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("names only") << QStringList{}
                                << QByteArray("Descendants of Root\r\nSon\r\nKid\r\n");
    QTest::newRow("with relations")
        << QStringList{"Root is a father of Son.", "Root is a grandfather of Kid."}
        << QByteArray(
               "Descendants of Root\r\nSon : Root is a father of Son.\r\n"
               "Kid : Root is a grandfather of Kid.\r\n");
  }

  void SaveFile() {
    QFETCH(QStringList, relations);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath("list.txt");
    QString error;
    QVERIFY(SaveDescendantsFile(path, "Root", {"Son", "Kid"}, relations, &error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
    QVERIFY(!QFile::exists(path + ".tmp"));
    QVERIFY(!SaveDescendantsFile(dir.filePath("missing/list.txt"), "Root", {}, {}, &error));
    QVERIFY(error.contains("list.txt"));
  }

  void DefaultFileName() {
    QCOMPARE(DescendantsFileName("Carl Whitfield", QDate(2026, 3, 7)),
             "Carl Whitfield_Descendants_2026-03-07.txt");
    QCOMPARE(DescendantsFileName("A/B", QDate(2026, 12, 6)), "A_B_Descendants_2026-12-06.txt");
  }
};

QTEST_GUILESS_MAIN(DescendantsTest)
#include "test_relations_descendants.moc"
