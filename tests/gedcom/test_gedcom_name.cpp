// GEDCOM names as person names: the given part, the capitalised surname without its blanks,
// the alternate part marked by ">", and the characters file names cannot hold.
#include <QtTest>

#include "gedcom/gedcom_name.h"

using namespace kinvale;

class GedcomNameTest : public QObject {
  Q_OBJECT

 private slots:
  void CleansTheName_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("alternate");
    QTest::newRow("upper-case surname") << "John Paul /SMITH/"
                                        << "John Paul Smith"
                                        << " ";
    QTest::newRow("blanks of a surname go") << "Mary /de la Cruz/"
                                            << "Mary delacruz"
                                            << " ";
    QTest::newRow("text after the surname") << "John /Smith/ Jr"
                                            << "John Smithjr"
                                            << " ";
    QTest::newRow("no surname") << "Anna"
                                << "Anna"
                                << " ";
    QTest::newRow("no blank before the slash") << "Joe/Williams/"
                                               << "JoeWilliams"
                                               << " ";
    QTest::newRow("apostrophe") << "Pat /O'BRIEN/"
                                << "Pat O'brien"
                                << " ";
    QTest::newRow("file name characters go") << "A:B* /C?D/"
                                             << "AB Cd"
                                             << " ";
    QTest::newRow("alternate surname") << "John /Schmidt>Smith/"
                                       << "SmithSmith"
                                       << "John /Schmidt Schmidt";
    QTest::newRow("alternate given name") << "Jan>John /Berg/"
                                          << "John Berg"
                                          << "Jan ";
    QTest::newRow("a mark right after the slash") << "John />Smith/"
                                                  << "Smithsmith"
                                                  << "John / ";
    QTest::newRow("empty") << ""
                           << ""
                           << " ";
  }

  void CleansTheName() {
    QFETCH(QString, value);
    QFETCH(QString, name);
    QFETCH(QString, alternate);
    QString alternate_name;
    QCOMPARE(CleanGedcomName(value, &alternate_name), name);
    QCOMPARE(alternate_name, alternate);
  }
};

QTEST_GUILESS_MAIN(GedcomNameTest)
#include "test_gedcom_name.moc"
