// Reading GEDCOM: the text (the character sets it may use, ANSEL with its diacritics before the
// letter, UTF-16 without a byte order mark, UTF-8 line by line), splitting it into
// lines, GEDCOM names as person names; and what the import writes for the cases the individual
// reading, the notes and sources and the relations must get right, each a small GEDCOM file
// imported and its record read back.
#include <QDir>
#include <QtTest>

#include <QStringEncoder>
#include "gedcom/gedcom_charset.h"
#include "gedcom/gedcom_name.h"
#include "gedcom/gedcom_reader.h"
#include "store/record_fields.h"
#include "support/gedcom_fixture.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;
using namespace Qt::StringLiterals;

namespace {

// A field of a record as text: "file" is its file name, "link" line 1, otherwise a caption;
// lists are joined with "|".
QString FieldText(const QString& file, const RecordRead& read, const QString& field) {
  if (field == u"file") return file;
  if (field == u"link") return read.record.link;
  const FieldInfo* info = FindDetailField(field);
  if (!info) return QStringLiteral("<no field %1>").arg(field);
  if (info->kind == FieldKind::kList) return (read.record.details.*info->list).join(u'|');
  return read.record.details.*info->text;
}

// 30 words: longer than a file name may be.
const QString kLongName = QStringList(30, QStringLiteral("Maximilian")).join(u' ');

// Without a byte order mark: the sample files carry both kinds with one.
QByteArray Utf16(const QString& text, bool big_endian) {
  QStringEncoder encoder(big_endian ? QStringEncoder::Utf16BE : QStringEncoder::Utf16LE);
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

class GedcomReadingTest : public QObject {
  Q_OBJECT

 private slots:
  void WritesTheRecord_data() {
    // The records, the person number of the record read back, the field, what it holds.
    Columns<QString, QString, QString, QString>();
    const QString one = QStringLiteral("0 @I1@ INDI\n1 NAME Ann /Lee/\n");
    const auto row = [](const char* name, const QString& records, const char* number,
                        const char* field,
                        const QString& expected) { Row(name, records, number, field, expected); };

    // Reading an individual.
    row("a later NAME is kept in the notes",
        "0 @I1@ INDI\n1 NAME John /Smith/\n1 NAME Johnny /Smith/", "0001",
        "Notes:", "\r\nAlso named in the GEDCOM file: Johnny /Smith/\r\n");
    row("a residence's ADDR", one + "1 RESI\n2 ADDR 73 North Ashley\n3 CONT Spencer\n2 DATE 1900",
        "0001", "Residential Addresses", "73 North Ashley\r\nSpencer\r\n");
    row("a second RESI is added", one + "1 RESI Oslo\n1 RESI Bergen", "0001",
        "Residential Addresses", "Oslo\r\nBergen\r\n");
    row("BIRT directly followed by DEAT", one + "1 BIRT\n1 DEAT\n2 DATE 1901", "0001", "Death Date",
        "1901");
    row("a place after the event's source", one + "1 BIRT\n2 DATE 1850\n2 SOUR @S1@\n2 PLAC Cork",
        "0001", "Birth Place", "Cork");
    row("another event's CONT does not leak into the address",
        one + "1 RESI Oslo\n1 NOTE Kind\n2 CONT and fair", "0001", "Residential Addresses",
        "Oslo\r\n");
    row("occupations, CONC in one", one + "1 OCCU Miller\n1 OCCU Master\n2 CONC  baker", "0001",
        "Occupation", "Miller|Master baker");
    row("lines of other records are not the individual's",
        "0 @U1@ SUBM\n1 NAME Submitter\n1 NOTE Not hers\n0 @I1@ INDI\n1 SEX F", "0001",
        "Notes:", "\r\n");

    // Names, continuation lines and white space.
    row("CONC in a NAME", "0 @I1@ INDI\n1 NAME Elizabeth Ann\n2 CONC  /Bloomer/", "0001", "file",
        "Elizabeth Ann Bloomer_0001.dat");
    row("a too long name is cut after a word", "0 @I1@ INDI\n1 NAME " + kLongName, "0001", "file",
        QStringList(22, "Maximilian").join(u' ') + "_0001.dat");
    row("the too long name is in the notes", "0 @I1@ INDI\n1 NAME " + kLongName, "0001",
        "Notes:", "\r\nName in the GEDCOM file: " + kLongName + "\r\n");
    row("CONC and CONT in a date and a place",
        one + "1 BIRT\n2 DATE 12 JUN\n3 CONC  1900\n2 PLAC Spring\n3 CONC field\n3 CONT Illinois",
        "0001", "Birth Place", "Springfield Illinois");

    // GEDCOM 7.
    row("an individual without a cross-reference", "0 INDI\n1 NAME Ann /Lee/", "0001", "file",
        "Ann Lee_0001.dat");
    row("@VOID@ is nobody",
        "0 @I1@ INDI\n1 NAME A\n1 FAMC @F1@\n0 @I2@ INDI\n1 NAME B\n1 FAMC @F1@\n"
        "0 @F1@ FAM\n1 HUSB @VOID@\n1 CHIL @I1@\n1 CHIL @I2@",
        "0001", "link", "00010000F0000M0000S0002");
    row("a shared note", one + "1 SNOTE @N1@\n0 @N1@ SNOTE Shared\n1 CONT text", "0001",
        "Notes:", "\r\nShared\r\ntext\r\n");
    row("a repeated cross-reference: the first record is the one linked",
        "0 @I1@ INDI\n1 NAME First\n0 @I1@ INDI\n1 NAME Second\n0 @I2@ INDI\n1 NAME Kid\n"
        "1 FAMC @F1@\n0 @F1@ FAM\n1 HUSB @I1@\n1 CHIL @I2@",
        "0003", "link", "00030000F0001M0000S0000");

    // Notes and sources.
    const QString noted = one + "1 NOTE @N1@\n";
    row("a note's bookkeeping is not text", noted + "0 @N1@ NOTE Tall\n1 CHAN\n2 DATE 2001", "0001",
        "Notes:", "\r\nTall\r\n");
    row("an inline note with its continuation", one + "1 NOTE Was a\n2 CONC  miller\n2 CONT too",
        "0001", "Notes:", "\r\nWas a miller\r\ntoo\r\n");
    row("a source cited on level 1 and one in place",
        one + "1 SOUR @S1@\n1 SOUR Family bible\n2 CONT page 3\n0 @S1@ SOUR\n1 TITL Census", "0001",
        "Sources", "\r\nCensus\r\nFamily bible\r\npage 3\r\n");

    // Relations.
    row("@I50@ is not @I5@",
        "0 @I5@ INDI\n1 NAME A\n1 FAMC @F1@\n0 @I50@ INDI\n1 NAME B\n1 FAMC @F1@\n"
        "0 @F1@ FAM\n1 CHIL @I5@\n1 CHIL @I50@",
        "0005", "link", "00050000F0000M0000S0050");
    row("the last spouse family with a partner",
        "0 @I1@ INDI\n1 NAME Mary\n1 FAMS @F1@\n1 FAMS @F2@\n1 FAMS @F3@\n0 @I2@ INDI\n1 NAME "
        "Pete\n"
        "0 @I3@ INDI\n1 NAME Juan\n0 @F1@ FAM\n1 WIFE @I1@\n1 HUSB @I2@\n"
        "0 @F2@ FAM\n1 WIFE @I1@\n1 HUSB @I3@\n1 MARR\n2 DATE 1911\n0 @F3@ FAM\n1 WIFE @I1@",
        "0001", "link", "00010003F0000M0000S0000");
    row("a partner's level-2 HUSB is not a spouse",
        "0 @I1@ INDI\n1 NAME Mia\n1 FAMS @F1@\n0 @I2@ INDI\n1 NAME Ian\n"
        "0 @F1@ FAM\n1 WIFE @I1@\n1 MARR\n2 HUSB\n3 AGE 30",
        "0001", "link", "00010000F0000M0000S0000");

    // Numbering.
    row("@I0@ makes the numbering follow the file order", "0 @I0@ INDI\n1 NAME Zero\n", "0001",
        "file", "Zero_0001.dat");
    row("@I12345@ makes the numbering follow the file order", "0 @I12345@ INDI\n1 NAME Big\n",
        "0001", "link", "00010000F0000M0000S0000");
    row("individuals after the families and submitters",
        "0 @U1@ SUBM\n1 NAME Sub\n0 @F1@ FAM\n1 HUSB @I2@\n0 @I1@ INDI\n1 NAME First\n"
        "0 @I2@ INDI\n1 NAME Second\n1 FAMS @F1@",
        "0002", "file", "Second_0002.dat");

    // Values and names the record format could not hold as they are.
    row("a value beginning with *** gets a leading blank", one + "1 OCCU ***Boss", "0001",
        "Occupation", " ***Boss");
    row("a name with copy gets a safe name", "0 @I1@ INDI\n1 NAME Copy /Cat/", "0001", "file",
        "Person 0001_0001.dat");
    row("the file's name is kept in the notes", "0 @I1@ INDI\n1 NAME Copy /Cat/", "0001",
        "Notes:", "\r\nName in the GEDCOM file: Copy /Cat/\r\n");
    row("a name empty once cleaned", "0 @I1@ INDI\n1 NAME //", "0001", "file",
        "Person 0001_0001.dat");
  }

  void WritesTheRecord() {
    const auto [records, number, field, expected] = Fetch<QString, QString, QString, QString>();
    TempAppFolder app;
    const QString path =
        WriteGedcom(app, QStringLiteral("rules.ged"),
                    MakeGedcom(QString(records).replace(u'\n', QStringLiteral("\r\n"))));
    QCOMPARE(ImportConfirmed(app, path).outcome, ImportOutcome::kCompleted);
    const QStringList files = RecordFiles(app, QStringLiteral("rules"));
    const QStringList numbered = files.filter(u'_' + number + QStringLiteral(".dat"));
    QCOMPARE(numbered.size(), 1);
    const RecordRead read = ReadRecordNumbered(app, QStringLiteral("rules"), number);
    QCOMPARE(read.stopped_before, RecordPart::kEnd);
    QCOMPARE(FieldText(numbered.first(), read, field), expected);
  }

  void DecodesAnsel_data() {
    Columns<QByteArray, QString>();
    Row("two diacritics, Unicode order",
        "\xE3\xE2"_ba
        "a",
        QString(QChar(0x1EA5)));
    Row("spacing letters", "\xA1\xB2\xB9\xC3\xCF"_ba, u"Łø£©ß"_qs);
    Row("a diacritic does not cross a line end", "x\xE2\r\ny"_ba,
        u"x"_qs + QChar(0x0301) + u"\r\ny"_qs);
    Row("an undefined byte",
        "a\xAF"_ba
        "b",
        u"a"_qs + QChar(0xFFFD) + u"b"_qs);
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
    Row("UTF-16 LE without mark", Utf16(utf16, false), GedcomCharset::kUtf16Le, 0);
    Row("UTF-16 BE without mark", Utf16(utf16, true), GedcomCharset::kUtf16Be, 0);
    Row("UTF-16 without mark, a blank line first", Utf16("\r\n" + utf16, false),
        GedcomCharset::kUtf16Le, 0);
    Row("UTF-8 mark", "\xEF\xBB\xBF" + Named("UTF-8", kUtf8Name), GedcomCharset::kUtf8, 0);
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
    Row("value kept as written", "2 CONT  two  blanks ", 2, "", "CONT", " two  blanks ");
    Row("a TAB in a value reads as a blank", "1 NAME John\t/Smith/", 1, "", "NAME", "John /Smith/");
    Row("a blank after the tag", "1 DIV ", 1, "", "DIV", "");
    Row("leading white space", " \t1 SEX M", 1, "", "SEX", "M");
    Row("two-digit level", "12 _TAG x", 12, "", "_TAG", "x");
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
    Row("an empty surname", "Jack //", "Jack", " ");
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

KINVALE_TEST(GedcomReadingTest)
#include "test_gedcom_reading.moc"
