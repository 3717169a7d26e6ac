// Reading a GEDCOM file's text: the character sets it may use (ANSEL with its diacritics before
// the letter, UTF-16 with and without a byte order mark, the 8-bit sets the header names, UTF-8
// line by line), splitting it into lines (levels,
// cross-references, tags and values, continuation text, the lines that are not GEDCOM lines),
// and GEDCOM names as person names (the given part, the capitalised surname words, the suffix,
// the alternate part marked by ">", the characters file names cannot hold).
#include <QStringEncoder>
#include <QtTest>

#include "gedcom/gedcom_charset.h"
#include "gedcom/gedcom_name.h"
#include "gedcom/gedcom_reader.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;
using namespace Qt::StringLiterals;

namespace {

QByteArray Utf16(const QString& text, bool big_endian, bool mark) {
  QStringEncoder encoder(big_endian ? QStringEncoder::Utf16BE : QStringEncoder::Utf16LE,
                         mark ? QStringEncoder::Flag::WriteBom : QStringEncoder::Flag::Default);
  return encoder.encode(text);
}

// A header naming the set and one individual, René Müller, with the name in the bytes given.
QByteArray Named(const QByteArray& charset, const QByteArray& name) {
  return "0 HEAD\r\n1 CHAR " + charset + "\r\n0 @I1@ INDI\r\n1 NAME " + name + "\r\n0 TRLR\r\n";
}

const QByteArray kUtf8Name = "Ren\xC3\xA9 /M\xC3\xBCller/";
const QByteArray kLatin1Name = "Ren\xE9 /M\xFCller/";
const QByteArray kCodePageName = "Ren\x82 /M\x81ller/";  // 437 and 850 alike
const QByteArray kMacName = "Ren\x8E /M\x9Fller/";

}  // namespace

class GedcomReaderTest : public QObject {
  Q_OBJECT

 private slots:
  void DecodesAnsel_data() {
    Columns<QByteArray, QString>();
    Row("acute before its letter",
        "Ren\xE2"_ba
        "e",
        u"René"_qs);
    Row("umlaut", "M\xE8uller"_ba, u"Müller"_qs);
    Row("two diacritics, Unicode order",
        "\xE3\xE2"_ba
        "a",
        QString(QChar(0x1EA5)));
    Row("no precomposed form",
        "\xE2"_ba
        "B",
        u"B"_qs + QChar(0x0301));
    Row("spacing letters", "\xA1\xB2\xB9\xC3\xCF"_ba, u"Łø£©ß"_qs);
    Row("a diacritic does not cross a line end", "x\xE2\r\ny"_ba,
        u"x"_qs + QChar(0x0301) + u"\r\ny"_qs);
    Row("an undefined byte",
        "a\xAF"_ba
        "b",
        u"a"_qs + QChar(0xFFFD) + u"b"_qs);
    Row("ASCII unchanged", "0 HEAD"_ba, u"0 HEAD"_qs);
  }

  void DecodesAnsel() {
    const auto [bytes, text] = Fetch<QByteArray, QString>();
    QCOMPARE(DecodeAnsel(bytes), text);
  }

  // The set is recognised and the name comes through it whole, without a byte order mark; the
  // lines not valid in it are counted.
  void DecodesEverySet_data() {
    Columns<QByteArray, GedcomCharset, int>();
    const QString utf16 = QString::fromUtf8(Named("UNICODE", kUtf8Name));
    Row("UTF-16 LE mark", Utf16(utf16, false, true), GedcomCharset::kUtf16Le, 0);
    Row("UTF-16 BE mark", Utf16(utf16, true, true), GedcomCharset::kUtf16Be, 0);
    Row("UTF-16 LE without mark", Utf16(utf16, false, false), GedcomCharset::kUtf16Le, 0);
    Row("UTF-16 BE without mark", Utf16(utf16, true, false), GedcomCharset::kUtf16Be, 0);
    Row("UTF-16 without mark, a blank line first", Utf16("\r\n" + utf16, false, false),
        GedcomCharset::kUtf16Le, 0);
    Row("UTF-8", Named("UTF-8", kUtf8Name), GedcomCharset::kUtf8, 0);
    Row("UTF-8 mark", "\xEF\xBB\xBF" + Named("UTF-8", kUtf8Name), GedcomCharset::kUtf8, 0);
    Row("ANSEL",
        Named("ANSEL",
              "Ren\xE2"_ba
              "e /M\xE8"_ba
              "uller/"),
        GedcomCharset::kAnsel, 0);
    Row("ANSI", Named("ANSI", kLatin1Name), GedcomCharset::kWindows1252, 0);
    Row("IBM WINDOWS", Named("IBM WINDOWS", kLatin1Name), GedcomCharset::kWindows1252, 0);
    Row("IBMPC", Named("IBMPC", kCodePageName), GedcomCharset::kCodePage437, 0);
    Row("IBM DOS", Named("IBM DOS", kCodePageName), GedcomCharset::kCodePage437, 0);
    Row("IBMPC, version 850", Named("IBMPC\r\n2 VERS 850", kCodePageName),
        GedcomCharset::kCodePage850, 0);
    Row("MACINTOSH", Named("MACINTOSH", kMacName), GedcomCharset::kMacRoman, 0);
    Row("ASCII read as UTF-8", Named("ASCII", kUtf8Name), GedcomCharset::kAscii, 0);
    Row("a line that is not UTF-8", Named("UTF-8", kLatin1Name), GedcomCharset::kUtf8, 1);
    Row("CHAR after the header is not the header's",
        "0 HEAD\r\n0 @N1@ NOTE\r\n1 CHAR ANSEL\r\n0 @I1@ INDI\r\n1 NAME " + kUtf8Name + "\r\n",
        GedcomCharset::kUtf8, 0);
  }

  void DecodesEverySet() {
    const auto [bytes, charset, bad_lines] = Fetch<QByteArray, GedcomCharset, int>();
    const DecodedGedcom decoded = DecodeGedcom(bytes);
    QCOMPARE(decoded.charset, charset);
    QCOMPARE(decoded.bad_line_count, bad_lines);
    QVERIFY2(decoded.text.trimmed().startsWith(u"0 HEAD\r\n"), qPrintable(decoded.text.left(20)));
    QVERIFY2(decoded.text.contains(u"\r\n1 NAME René /Müller/\r\n"), qPrintable(decoded.text));
  }

  // One stray byte garbles only its own line: the lines around it stay UTF-8.
  void DecodesUtf8LineByLine() {
    const QByteArray bytes =
        "0 HEAD\n1 CHAR UTF-8\r\n0 @I1@ INDI\r1 NAME Zo\xC3\xAB\n"
        "1 NOTE M\xFCller\n1 NOTE \xC3\n1 OCCU B\xC3\xA4"
        "cker";
    const DecodedGedcom decoded = DecodeGedcom(bytes);
    QCOMPARE(decoded.text,
             u"0 HEAD\n1 CHAR UTF-8\r\n0 @I1@ INDI\r1 NAME Zoë\n1 NOTE Müller\n"
             u"1 NOTE Ã\n1 OCCU Bäcker"_qs);
    QCOMPARE(decoded.bad_lines, (std::vector<int>{5, 6}));
  }

  void SplitsALine_data() {
    Columns<QString, int, QString, QString, QString>();  // line, level, xref, tag, value
    Row("record", "0 @I1@ INDI", 0, "@I1@", "INDI", "");
    Row("value", "1 NAME John /Smith/", 1, "", "NAME", "John /Smith/");
    Row("value kept as written", "2 CONT  two  blanks ", 2, "", "CONT", " two  blanks ");
    Row("a TAB in a value reads as a blank", "1 NAME John\t/Smith/", 1, "", "NAME", "John /Smith/");
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

  void CleansTheName_data() {
    Columns<QString, QString, QString>();  // the NAME value, the name, the alternate name
    Row("each surname word capitalised", "John /DE WASHINGTON/", "John De Washington", " ");
    Row("an empty surname", "Jack //", "Jack", " ");
    Row("no surname", "Anna", "Anna", " ");
    Row("no blank before the slash", "Joe/Williams/", "Joe Williams", " ");
    Row("white space read as one blank", "  John\t\t/Smith/\tJr ", "John Smith Jr", " ");
    Row("file name and control characters go", "A:B*\x01 /C?D/", "AB Cd", " ");
    Row("a mark right after the slash", "John />Smith/", "Smith smith", "John / ");
    Row("empty", "", "", " ");
  }

  void CleansTheName() {
    const auto [value, name, alternate] = Fetch<QString, QString, QString>();
    QString alternate_name;
    QCOMPARE(CleanGedcomName(value, &alternate_name), name);
    QCOMPARE(alternate_name, alternate);
  }
};

KINVALE_TEST(GedcomReaderTest)
#include "test_gedcom_reader.moc"
