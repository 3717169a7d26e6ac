// Splitting a GEDCOM file into lines and records: levels, cross-references, tags and values,
// the sub-lines of each line, continuation text, and the lines that are not GEDCOM lines.
#include <QtTest>

#include "gedcom/gedcom_reader.h"

using namespace kinvale;

class GedcomReaderTest : public QObject {
  Q_OBJECT

 private slots:
  void SplitsALine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("xref");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("value");
    QTest::newRow("record") << "0 @I1@ INDI" << 0 << "@I1@"
                            << "INDI"
                            << "";
    QTest::newRow("value") << "1 NAME John /Smith/" << 1 << ""
                           << "NAME"
                           << "John /Smith/";
    QTest::newRow("value kept as written") << "2 CONT  two  blanks " << 2 << ""
                                           << "CONT"
                                           << " two  blanks ";
    QTest::newRow("a blank after the tag") << "1 DIV " << 1 << ""
                                           << "DIV"
                                           << "";
    QTest::newRow("leading white space") << " \t1 SEX M" << 1 << ""
                                         << "SEX"
                                         << "M";
    QTest::newRow("two-digit level") << "12 _TAG x" << 12 << ""
                                     << "_TAG"
                                     << "x";
    QTest::newRow("header text of a note") << "0 @N1@ NOTE Tall" << 0 << "@N1@"
                                           << "NOTE"
                                           << "Tall";
  }

  void SplitsALine() {
    QFETCH(QString, line);
    QFETCH(int, level);
    QFETCH(QString, xref);
    QFETCH(QString, tag);
    QFETCH(QString, value);
    const QByteArray bytes = (level == 0 ? line : QStringLiteral("0 HEAD\n") + line).toUtf8();
    const GedcomFile file = GedcomFile::Parse(bytes);
    QCOMPARE(file.malformed_lines(), 0);
    const GedcomLine& parsed = file.line(file.size() - 1);
    QCOMPARE(parsed.level, level);
    QCOMPARE(parsed.xref.toString(), xref);
    QCOMPARE(parsed.tag.toString(), tag);
    QCOMPARE(parsed.value.toString(), value);
  }

  void SkipsWhatIsNotAGedcomLine_data() {
    QTest::addColumn<QString>("line");
    QTest::newRow("no level") << "NAME John";
    QTest::newRow("no tag") << "1 ";
    QTest::newRow("unclosed reference") << "0 @I1 INDI";
    QTest::newRow("level too deep") << "100 TAG";
    QTest::newRow("before any record") << "";  // the file then starts with a level-1 line
  }

  void SkipsWhatIsNotAGedcomLine() {
    QFETCH(QString, line);
    const QString text = line.isEmpty() ? QStringLiteral("1 NAME x\n0 TRLR")
                                        : QStringLiteral("0 HEAD\n") + line + "\n0 TRLR";
    const GedcomFile file = GedcomFile::Parse(text.toUtf8());
    QCOMPARE(file.malformed_lines(), 1);
    QCOMPARE(file.line(file.size() - 1).tag.toString(), QStringLiteral("TRLR"));
  }

  void FindsRecordsAndSubLines() {
    const GedcomFile file = GedcomFile::Parse(
        "0 HEAD\r\n0 @I1@ INDI\r\n1 BIRT\r\n2 DATE 1900\r\n3 TIME x\r\n2 PLAC Cork\r\n"
        "1 SEX F\r\n0 @F1@ FAM\r\n0 TRLR\r\n");
    QCOMPARE(file.records(), (std::vector<int>{0, 1, 7, 8}));
    QCOMPARE(file.FindRecord(u"@I1@", u"INDI"), 1);
    QCOMPARE(file.FindRecord(u"@I1@", u"FAM"), -1);
    QCOMPARE(file.FindRecord(u"@I2@", u"INDI"), -1);
    std::vector<int> children;
    for (int line : file.ChildrenOf(1)) children.push_back(line);
    QCOMPARE(children, (std::vector<int>{2, 6}));
    children.clear();
    for (int line : file.ChildrenOf(2)) children.push_back(line);
    QCOMPARE(children, (std::vector<int>{3, 5}));
    QCOMPARE(file.line(1).end, 7);
  }

  void ReadsContinuedText() {
    const GedcomFile file = GedcomFile::Parse(
        "0 @N1@ NOTE Mail me@@home\r\n1 CONC  now\r\n1 CONT\r\n1 CONT next\r\n1 SOUR @S1@\r\n");
    UsedLines used(file.size(), false);
    QCOMPARE(file.TextOf(0, &used),
             QStringList({QStringLiteral("Mail me@home now"), QString(), QStringLiteral("next")}));
    QCOMPARE(used, (UsedLines{false, true, true, true, false}));
  }

  void TellsPointersFromText_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("pointer");
    QTest::newRow("pointer") << "@N12@" << true;
    QTest::newRow("text") << "Was a miller" << false;
    QTest::newRow("escaped at signs") << "@@home@@" << false;
    QTest::newRow("empty pointer") << "@@" << false;
  }

  void TellsPointersFromText() {
    QFETCH(QString, value);
    QFETCH(bool, pointer);
    QCOMPARE(IsGedcomPointer(value), pointer);
  }
};

QTEST_GUILESS_MAIN(GedcomReaderTest)
#include "test_gedcom_reader.moc"
