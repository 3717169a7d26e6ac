// Splitting a GEDCOM file into lines: levels, cross-references, tags and values, continuation
// text, and the lines that are not GEDCOM lines.
#include <QtTest>

#include "gedcom/gedcom_reader.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

class GedcomReaderTest : public QObject {
  Q_OBJECT

 private slots:
  void SplitsALine_data() {
    Columns<QString, int, QString, QString, QString>();  // line, level, xref, tag, value
    Row("record", "0 @I1@ INDI", 0, "@I1@", "INDI", "");
    Row("value", "1 NAME John /Smith/", 1, "", "NAME", "John /Smith/");
    Row("value kept as written", "2 CONT  two  blanks ", 2, "", "CONT", " two  blanks ");
    Row("a blank after the tag", "1 DIV ", 1, "", "DIV", "");
    Row("leading white space", " \t1 SEX M", 1, "", "SEX", "M");
    Row("two-digit level", "12 _TAG x", 12, "", "_TAG", "x");
    Row("header text of a note", "0 @N1@ NOTE Tall", 0, "@N1@", "NOTE", "Tall");
  }

  void SplitsALine() {
    const auto [line, level, xref, tag, value] = Fetch<QString, int, QString, QString, QString>();
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

  void ReadsContinuedText() {
    const GedcomFile file = GedcomFile::Parse(
        "0 @N1@ NOTE Mail me@@home\r\n1 CONC  now\r\n1 CONT\r\n1 CONT next\r\n1 SOUR @S1@\r\n");
    UsedLines used(file.size(), false);
    QCOMPARE(file.TextOf(0, &used),
             QStringList({QStringLiteral("Mail me@home now"), QString(), QStringLiteral("next")}));
    QCOMPARE(used, (UsedLines{false, true, true, true, false}));
  }
};

QTEST_GUILESS_MAIN(GedcomReaderTest)
#include "test_gedcom_reader.moc"
