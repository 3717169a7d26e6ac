// GEDCOM names as person names: the given part, the capitalised surname without its blanks,
// the alternate part marked by ">", and the characters file names cannot hold.
#include <QtTest>

#include "gedcom/gedcom_name.h"
#include "gedcom/person_numbering.h"

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

  void CapitalisesAWord_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("capitalised");
    QTest::newRow("upper case") << "SMITH"
                                << "Smith";
    QTest::newRow("first letter kept") << "van Dyke"
                                       << "vandyke";
    QTest::newRow("apostrophe") << "O'BRIEN"
                                << "O'brien";
    QTest::newRow("accented") << "ÉLODIE"
                              << "Élodie";
    QTest::newRow("empty") << ""
                           << "";
  }

  void CapitalisesAWord() {
    QFETCH(QString, word);
    QFETCH(QString, capitalised);
    QCOMPARE(CapitaliseWord(word), capitalised);
  }

  void PadsPersonNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("number");
    QTest::newRow("one digit") << "7"
                               << "0007";
    QTest::newRow("two digits") << "12"
                                << "0012";
    QTest::newRow("three digits") << "123@"
                                  << "0123";
    QTest::newRow("four digits") << "9999"
                                 << "9999";
    QTest::newRow("five digits keep them") << "12345"
                                           << "12345";
    QTest::newRow("no digit") << "PERSON1"
                              << "0000";
  }

  void PadsPersonNumbers() {
    QFETCH(QString, text);
    QFETCH(QString, number);
    QCOMPARE(PadPersonNumber(text), number);
  }
};

QTEST_GUILESS_MAIN(GedcomNameTest)
#include "test_gedcom_name.moc"
