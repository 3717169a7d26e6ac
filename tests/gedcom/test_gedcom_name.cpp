// GEDCOM names as person names: the given part, the capitalised surname without its blanks,
// the alternate part marked by ">", and the characters file names cannot hold.
#include <QtTest>

#include "gedcom/gedcom_name.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

class GedcomNameTest : public QObject {
  Q_OBJECT

 private slots:
  void CleansTheName_data() {
    Columns<QString, QString, QString>();  // the NAME value, the name, the alternate name
    Row("upper-case surname", "John Paul /SMITH/", "John Paul Smith", " ");
    Row("blanks of a surname go", "Mary /de la Cruz/", "Mary delacruz", " ");
    Row("text after the surname", "John /Smith/ Jr", "John Smithjr", " ");
    Row("no surname", "Anna", "Anna", " ");
    Row("no blank before the slash", "Joe/Williams/", "JoeWilliams", " ");
    Row("apostrophe", "Pat /O'BRIEN/", "Pat O'brien", " ");
    Row("file name characters go", "A:B* /C?D/", "AB Cd", " ");
    Row("alternate surname", "John /Schmidt>Smith/", "SmithSmith", "John /Schmidt Schmidt");
    Row("alternate given name", "Jan>John /Berg/", "John Berg", "Jan ");
    Row("a mark right after the slash", "John />Smith/", "Smithsmith", "John / ");
    Row("empty", "", "", " ");
  }

  void CleansTheName() {
    const auto [value, name, alternate] = Fetch<QString, QString, QString>();
    QString alternate_name;
    QCOMPARE(CleanGedcomName(value, &alternate_name), name);
    QCOMPARE(alternate_name, alternate);
  }
};

QTEST_GUILESS_MAIN(GedcomNameTest)
#include "test_gedcom_name.moc"
