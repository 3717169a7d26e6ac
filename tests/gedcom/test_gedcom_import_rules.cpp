// What the import writes for the cases the individual reading, the notes and sources and the
// relations must get right, each a small GEDCOM file imported and its record read back.
#include <QDir>
#include <QtTest>

#include "store/record_fields.h"
#include "support/gedcom_fixture.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

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

}  // namespace

class GedcomImportRulesTest : public QObject {
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
    row("the first NAME wins", "0 @I1@ INDI\n1 NAME John /Smith/\n1 NAME Johnny /Smith/", "0001",
        "file", "John Smith_0001.dat");
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
    row("occupations", one + "1 OCCU Miller\n1 OCCU Baker", "0001", "Occupation", "Miller|Baker");
    row("e-mail, @@ read as @", one + "1 EMAL ann@@example.org", "0001", "E-Mail Addresses",
        "ann@example.org\r\n");
    row("5.5.1's EMAIL", one + "1 EMAIL ann@@example.org", "0001", "E-Mail Addresses",
        "ann@example.org\r\n");
    row("an alternate name goes into the notes", "0 @I1@ INDI\n1 NAME Jan>John /Berg/", "0001",
        "Notes:", "\r\nAltername name: Jan \r\n");
    row("lines of other records are not the individual's",
        "0 @U1@ SUBM\n1 NAME Submitter\n1 NOTE Not hers\n0 @I1@ INDI\n1 SEX F", "0001",
        "Notes:", "\r\n");

    // Names, continuation lines and white space.
    row("a TAB in the name", "0 @I1@ INDI\n1 NAME John\t/De Washington/", "0001", "file",
        "John De Washington_0001.dat");
    row("CONC in a NAME", "0 @I1@ INDI\n1 NAME Elizabeth Ann\n2 CONC  /Bloomer/", "0001", "file",
        "Elizabeth Ann Bloomer_0001.dat");
    row("a too long name is cut after a word", "0 @I1@ INDI\n1 NAME " + kLongName, "0001", "file",
        QStringList(22, "Maximilian").join(u' ') + "_0001.dat");
    row("the too long name is in the notes", "0 @I1@ INDI\n1 NAME " + kLongName, "0001",
        "Notes:", "\r\nName in the GEDCOM file: " + kLongName + "\r\n");
    row("a control character never reaches the file name", "0 @I1@ INDI\n1 NAME Ann\x01 /Lee/",
        "0001", "file", "Ann Lee_0001.dat");
    row("CONC and CONT in a date and a place",
        one + "1 BIRT\n2 DATE 12 JUN\n3 CONC  1900\n2 PLAC Spring\n3 CONC field\n3 CONT Illinois",
        "0001", "Birth Place", "Springfield Illinois");
    row("CONC in a date", one + "1 DEAT\n2 DATE 12 JUN\n3 CONC  1900", "0001", "Death Date",
        "12 JUN 1900");
    row("CONC in an occupation", one + "1 OCCU Master\n2 CONC  miller", "0001", "Occupation",
        "Master miller");

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
    row("a note's header text and CONC", noted + "0 @N1@ NOTE Born at\n1 CONC  sea\n1 CONT 1850",
        "0001", "Notes:", "\r\nBorn at sea\r\n1850\r\n");
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
    row("every child family's parents",
        "0 @I1@ INDI\n1 NAME Joe\n1 FAMC @F1@\n1 FAMC @F2@\n0 @I2@ INDI\n1 NAME Rob\n"
        "0 @I3@ INDI\n1 NAME Ann\n0 @I4@ INDI\n1 NAME Tom\n"
        "0 @F1@ FAM\n1 HUSB @I2@\n1 WIFE @I3@\n1 CHIL @I1@\n0 @F2@ FAM\n1 HUSB @I4@\n1 CHIL @I1@",
        "0001", "link", "00010000F00020004M0003S0000");
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
    row("references of other forms are numbered in file order",
        "0 @PERSON1@ INDI\n1 NAME A\n1 FAMS @FAMILY1@\n0 @PERSON2@ INDI\n1 NAME B\n"
        "1 FAMS @FAMILY1@\n0 @FAMILY1@ FAM\n1 HUSB @PERSON1@\n1 WIFE @PERSON2@",
        "0002", "link", "00020001F0000M0000S0000");
    row("@I0@ makes the numbering follow the file order", "0 @I0@ INDI\n1 NAME Zero\n", "0001",
        "file", "Zero_0001.dat");
    row("@I12345@ makes the numbering follow the file order", "0 @I12345@ INDI\n1 NAME Big\n",
        "0001", "link", "00010000F0000M0000S0000");
    row("zero-padded I numbers are the file's own", "0 @I00007@ INDI\n1 NAME Seven\n", "0007",
        "file", "Seven_0007.dat");
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
    row("no name", "0 @I1@ INDI\n1 SEX M", "0001", "file", "Person 0001_0001.dat");
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

  void ReadsEveryLineEnding_data() {
    Columns<QByteArray>();
    Row("CR LF", QByteArray("\r\n"));
    Row("LF", QByteArray("\n"));
    Row("CR", QByteArray("\r"));
  }

  void ReadsEveryLineEnding() {
    const auto [line_end] = Fetch<QByteArray>();
    TempAppFolder app;
    QByteArray bytes =
        MakeGedcom(QStringLiteral("0 @I1@ INDI\r\n1 NAME Ann /Lee/\r\n1 BIRT\r\n"
                                  "2 DATE 1900\r\n0 @I2@ INDI\r\n1 NAME Bo"));
    bytes.replace("\r\n", line_end);
    QCOMPARE(ImportConfirmed(app, WriteGedcom(app, QStringLiteral("ends.ged"), bytes)).outcome,
             ImportOutcome::kCompleted);
    QCOMPARE(RecordFiles(app, QStringLiteral("ends")),
             QStringList({QStringLiteral("Ann Lee_0001.dat"), QStringLiteral("Bo_0002.dat")}));
    QCOMPARE(ReadRecordNumbered(app, QStringLiteral("ends"), QStringLiteral("0001"))
                 .record.details.birth_date,
             QStringLiteral("1900"));
  }
};

KINVALE_TEST(GedcomImportRulesTest)
#include "test_gedcom_import_rules.moc"
