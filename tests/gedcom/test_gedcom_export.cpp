// The GEDCOM export: the header block and the submitter, the order of the record kinds, every
// line template, the numbering, the families built from link strings, long values, the character
// set, and the questions and refusals. Export, then import into a new family: every record comes
// back field for field; and a file other programs wrote is still read as they mean it, while the
// same lines in a file this program exported are read back exactly.
#include <QDir>
#include <QLocale>
#include <QtTest>
#include <set>

#include "gedcom/export_families.h"
#include "gedcom/gedcom_reader.h"
#include "gedcom/gedcom_writer.h"
#include "store/atomic_file.h"
#include "store/record_fields.h"
#include "store/record_writer.h"
#include "store/text_codec.h"
#include "support/gedcom_fixture.h"
#include "support/random_family.h"
#include "support/temp_family.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kFamily = QStringLiteral("Lee");
using People = QList<QPair<QString, QString>>;

QString Today() { return QLocale::c().toString(QDate::currentDate(), "d MMM yyyy").toUpper(); }

// Every tag path of the file ("INDI.BIRT.DATE"), with the record's tag first.
std::set<QString> TagPaths(const GedcomFile& file) {
  std::set<QString> paths;
  std::vector<QString> open;
  for (int i = 0; i < file.size(); ++i) {
    open.resize(file.line(i).level);
    open.push_back(file.line(i).tag.toString());
    paths.insert(QStringList(open.begin(), open.end()).join(u'.'));
  }
  return paths;
}

// The values of the record's sub-lines with that tag.
QStringList Values(const GedcomFile& file, int record, QStringView tag) {
  QStringList values;
  for (int line : file.ChildrenOf(record)) {
    if (file.line(line).tag == tag) values.append(file.line(line).value.toString());
  }
  return values;
}

struct Export {
  ExportResult result;
  QByteArray bytes;
};

Export RunExport(const Session& session, const QString& path, ScriptedPrompter& prompter,
                 const QString& contact = QString()) {
  const ExportResult result = ExportGedcom(session, {path, contact}, prompter);
  return {result, ReadBytes(path)};
}

// The families of people given by link string and gender, each written as
// "H<husband> W<wife> C<children> couple <date>" with person numbers.
QStringList FamiliesOf(const People& people, const QStringList& dates) {
  std::vector<IndexRow> rows;
  for (const auto& [link, gender] : people) rows.push_back({link, link.left(4), gender, {}, {}});
  const FamilyIndex index(rows);
  const ExportFamilies built =
      BuildExportFamilies(index, std::vector<QString>(dates.begin(), dates.end()));
  auto number = [&index](int row) { return QString::number(index.row(row).link.left(4).toInt()); };
  QStringList families;
  for (const ExportFamily& family : built.families) {
    QStringList children;
    for (int child : family.children) children.append(number(child));
    families.append(QStringLiteral("H%1 W%2 C%3%4%5")
                        .arg(family.husband < 0 ? "-" : number(family.husband),
                             family.wife < 0 ? "-" : number(family.wife), children.join(u','),
                             family.couple ? " couple" : "",
                             family.marriage_date.isEmpty() ? "" : u' ' + family.marriage_date));
  }
  return families;
}

const QString kBack = QStringLiteral("Back");

// Seed 0 opens the demo family, any other a random family of 30 people.
Session OpenSeededFamily(const TempAppFolder& app, unsigned seed, bool windows1252_only = true) {
  if (seed == 0) return OpenDemoFamily(app);
  app.WriteFamily(kFamily, RandomFamily({30, seed, windows1252_only}));
  return app.OpenSession(kFamily);
}

// The records of a family by person number: the file name and what reading the record gives.
QMap<QString, QPair<QString, RecordRead>> RecordsByNumber(const QString& folder) {
  QMap<QString, QPair<QString, RecordRead>> records;
  for (const QString& file : QDir(folder).entryList({"*.dat"}, QDir::Files)) {
    const RecordRead read = ReadRecordFile(QDir(folder).filePath(file));
    records.insert(read.record.link.left(4), {file, read});
  }
  return records;
}

// The details to compare: the date on line 2 and the photo path are the import's own. As stored,
// a block of nothing but line breaks and a gender of one blank both hold nothing.
PersonDetails Comparable(PersonDetails details, bool as_stored) {
  details.photo_path.clear();
  if (!as_stored) return details;
  if (details.gender == u" ") details.gender.clear();
  for (const FieldInfo& field : DetailFields()) {
    if (field.kind != FieldKind::kBlock) continue;
    QString& block = details.*field.text;
    if (QString(block).remove(QStringLiteral("\r\n")).isEmpty()) block.clear();
  }
  return details;
}

// Exports the session's family to "Back.ged" in its application folder and imports that file,
// every question answered OK; gives the questions asked on the way.
QStringList ExportAndImport(const Session& session) {
  const QString path = QDir(session.app_folder).filePath(kBack + ".ged");
  ScriptedPrompter exporting;
  exporting.confirmations = {true};
  if (ExportGedcom(session, {path, QString()}, exporting).outcome != ExportOutcome::kCompleted)
    qFatal("export failed: %s", qPrintable(exporting.messages.join(u' ')));
  ScriptedPrompter importing;
  importing.confirmations = {true, true, true};
  if (ImportGedcom({session.app_folder, path, false, QString()}, importing).outcome !=
      ImportOutcome::kCompleted)
    qFatal("import failed: %s", qPrintable(importing.messages.join(u' ')));
  return exporting.questions;
}

void CompareFamilies(const QString& original_folder, const QString& back_folder, bool as_stored) {
  const auto original = RecordsByNumber(original_folder);
  const auto back = RecordsByNumber(back_folder);
  QCOMPARE(back.keys(), original.keys());
  for (auto it = original.begin(); it != original.end(); ++it) {
    const auto& [file, read] = it.value();
    const auto& [back_file, back_read] = back[it.key()];
    QCOMPARE(back_file, file);
    QCOMPARE(back_read.stopped_before, RecordPart::kEnd);
    QCOMPARE(back_read.record.link, read.record.link);
    const PersonDetails expected = Comparable(read.record.details, as_stored);
    const PersonDetails actual = Comparable(back_read.record.details, as_stored);
    for (const FieldInfo& field : DetailFields()) {
      if (field.kind == FieldKind::kList) {
        QCOMPARE(actual.*field.list, expected.*field.list);
      } else {
        QCOMPARE(actual.*field.text, expected.*field.text);
      }
    }
  }
}

}  // namespace

class GedcomExportTest : public QObject {
  Q_OBJECT

 private slots:
  // The header block byte for byte; and the submitter, whose NAME GEDCOM requires: the first line
  // of the contact information, or the family's name when the contact information holds nothing.
  void WritesTheHeaderAndSubmitter_data() {
    Columns<QString, QStringList>();  // contact information, the submitter record
    Row("blanks and line breaks only", "  \r\n\r\n ", QStringList{"0 @U1@ SUBM", "1 NAME Lee"});
    Row("several lines", "\r\nJo Lee\r\nHill Farm\r\n\r\nLudlow\r\n\r\n",
        QStringList{"0 @U1@ SUBM", "1 NAME Jo Lee", "1 ADDR Hill Farm", "2 CONT", "2 CONT Ludlow"});
  }
  void WritesTheHeaderAndSubmitter() {
    const auto [contact, submitter] = Fetch<QString, QStringList>();
    TempAppFolder app;
    app.WriteFamily(kFamily, {{"Zoë Lee", "00010000F0000M0000S0000"}});
    ScriptedPrompter prompter;
    const Export out =
        RunExport(app.OpenSession(kFamily), app.path() + "/Lee family.ged", prompter, contact);
    QCOMPARE(out.result.outcome, ExportOutcome::kCompleted);
    const QStringList header = {"0 HEAD",         "1 SOUR Kinvale",        "2 VERS V1.0",
                                "2 CORP Tolwick", "1 DEST Kinvale",        "1 DATE " + Today(),
                                "1 SUBM @U1@",    "1 FILE Lee family.ged", "1 GEDC",
                                "2 VERS 5.5",     "1 CHAR IBM WINDOWS"};
    QVERIFY(out.bytes.startsWith((header.join("\r\n") + "\r\n").toLatin1()));
    const QStringList lines = QString::fromLatin1(out.bytes).split(QStringLiteral("\r\n"));
    const qsizetype start = lines.indexOf(QStringLiteral("0 @U1@ SUBM"));
    QVERIFY(start > 0);
    qsizetype end = start + 1;
    while (end < lines.size() && !lines[end].startsWith(u'0')) ++end;
    QCOMPARE(lines.mid(start, end - start), submitter);
  }

  void UsesEveryTemplate() {
    TempAppFolder app;
    Session session = OpenDemoFamily(app);
    // Thomas Whitfield's notes and sources get a line longer than a GEDCOM line holds.
    const QString thomas = RecordPathOf(session, "Thomas Whitfield");
    RecordRead read = ReadRecordFile(thomas);
    read.record.details.notes += QString(300, u'n') + "\r\n";
    read.record.details.sources += QString(300, u's') + "\r\n";
    QVERIFY(WriteFileAtomically(
        thomas, FormatFullRecord(read.record.link, TodayForRecord(), read.record.details),
        nullptr));
    ScriptedPrompter prompter;
    const Export out = RunExport(session, app.path() + "/Demo.ged", prompter, "Jo\nHill Farm");
    const std::set<QString> paths = TagPaths(GedcomFile::Parse(out.bytes));
    QStringList missing;
    for (const QString& path :
         QStringLiteral(
             "INDI.NAME INDI.NAME.NPFX INDI.NAME.NSFX INDI.NAME.SOUR INDI.SEX INDI.ADDR "
             "INDI.ADDR.CONT INDI._EMAIL INDI._WWW INDI.FAMC INDI.FAMS INDI.BIRT.DATE "
             "INDI.BIRT.PLAC INDI.IMMI.DATE INDI.IMMI.PLAC INDI.DEAT.DATE INDI.DEAT.PLAC "
             "INDI.BURI.PLAC INDI.BURI.PLAC.CONT INDI.OCCU INDI.RELI INDI.RESI INDI.RESI.CONT "
             "INDI.EDUC INDI.EDUC.TYPE INDI.SSN INDI._RELIGIOUS_NAME INDI._EMPLOYER INDI._LINK "
             "INDI.NOTE INDI.CHAN.DATE SUBM.NAME SUBM.ADDR FAM.CHIL FAM.HUSB FAM.WIFE "
             "FAM.MARR.DATE NOTE.CONT NOTE.CONC SOUR.TEXT SOUR.TEXT.CONT SOUR.TEXT.CONC TRLR")
             .split(u' ')) {
      if (!paths.count(path)) missing.append(path);
    }
    QCOMPARE(missing, QStringList());
  }

  // The record kinds in order, the families numbered from 1, each note and source record numbered
  // as the individual it belongs to, and the counts reported. No record's first line holds text
  // (a note's starts on "1 CONC"): some readers take an "@@" of it for the end of the
  // cross-reference. The validator test checks that the family links agree both ways, the round
  // trips that individuals keep their person numbers.
  void NumbersTheRecords_data() {
    Columns<unsigned>();  // 0 for the demo family
    for (unsigned seed : {0u, 1u, 2u, 3u}) Row(QByteArray::number(seed), seed);
  }
  void NumbersTheRecords() {
    const auto [seed] = Fetch<unsigned>();
    TempAppFolder app;
    const Session session = OpenSeededFamily(app, seed);
    ScriptedPrompter prompter;
    const Export out = RunExport(session, app.path() + "/out.ged", prompter);
    const GedcomFile file = GedcomFile::Parse(out.bytes);
    std::set<QString> individuals;
    QStringList kinds;  // the record tags, each run of one tag once
    QMap<QString, int> counts;
    for (int record : file.records()) {
      const QString xref = file.line(record).xref.toString();
      const QString tag = file.line(record).tag.toString();
      QVERIFY2(file.line(record).value.isEmpty(), qPrintable(xref));
      if (kinds.isEmpty() || kinds.last() != tag) kinds.append(tag);
      ++counts[tag];
      if (tag == u"INDI") {
        individuals.insert(xref);
        const QString n = xref.mid(2, xref.size() - 3);
        for (const QString& note : Values(file, record, u"NOTE")) QCOMPARE(note, "@N" + n + "@");
      }
      if (tag == u"FAM") QCOMPARE(xref, QStringLiteral("@F%1@").arg(counts[tag]));
      if (tag == u"NOTE" || tag == u"SOUR") {
        QVERIFY2(individuals.count("@I" + xref.mid(2)), qPrintable(xref));
      }
    }
    QCOMPARE(kinds, QStringList({"HEAD", "INDI", "SUBM", "FAM", "NOTE", "SOUR", "TRLR"}));
    QCOMPARE(counts["INDI"], session.index.size());
    QCOMPARE(counts["FAM"], out.result.families);
    QCOMPARE(counts["NOTE"], out.result.notes);
    QCOMPARE(counts["SOUR"], out.result.sources);
  }

  void BuildsFamiliesFromLinkStrings_data() {
    Columns<People, QStringList, QStringList>();  // the people, their dates married, families
    Row("a couple and their child",
        People{{"00010002F0000M0000S0000", "Male"},
               {"00020001F0000M0000S0000", "Female"},
               {"00030000F0001M0002S0000", "Male"}},
        QStringList{"1 MAY 1950", "1 MAY 1950", ""}, QStringList{"H1 W2 C3 couple 1 MAY 1950"});
    Row("a wife's spouse link: the man is husband",
        People{{"00010002F0000M0000S0000", "Female"}, {"00020000F0000M0000S0000", "Male"}},
        QStringList{"2 JUN 1934", "1 JAN 1900"}, QStringList{"H2 W1 C couple 2 JUN 1934"});
    Row("parents who are no couple",
        People{{"00010000F0000M0000S0000", "Male"},
               {"00020000F0000M0000S0000", "Female"},
               {"00030000F0001M0002S0000", "Female"}},
        QStringList{"", "", ""}, QStringList{"H1 W2 C3"});
    Row("a stepfather goes with the mother he married",
        People{{"00010000F0000M0000S0000", "Male"},
               {"00020004F0000M0000S0000", "Female"},
               {"00030000F00010004M0002S0000", "Male"},
               {"00040000F0000M0000S0000", "Male"}},
        QStringList{"", "", "", ""}, QStringList{"H4 W2 C3 couple", "H1 W- C3"});
    Row("two mothers and no father",
        People{{"00010000F0000M00020003S0000", "Male"},
               {"00020000F0000M0000S0000", "Female"},
               {"00030000F0000M0000S0000", "Female"}},
        QStringList{"", "", ""}, QStringList{"H- W2 C1", "H- W3 C1"});
    Row("siblings without parents",
        People{{"00010000F0000M0000S0002", "Male"},
               {"00020000F0000M0000S0000", "Female"},
               {"00030000F0000M0000S00010002", "Male"},
               {"00040000F0000M0000S0000", "Male"}},
        QStringList{"", "", "", ""}, QStringList{"H- W- C1,2,3"});
    Row("empty slots, nobody's numbers and oneself are left out",
        People{{"00010001F00000009M0001S0009", "Male"}, {"00020009F0000M0000S0000", "Female"}},
        QStringList{"", ""}, QStringList{});
    Row("the date of the partner who names the other",
        People{{"00010002F0000M0000S0000", "Male"},
               {"00020003F0000M0000S0000", "Female"},
               {"00030002F0000M0000S0000", "Male"}},
        QStringList{"", "9 SEP 1909", "3 MAR 1933"},
        QStringList{"H1 W2 C couple", "H3 W2 C couple 3 MAR 1933"});
  }
  void BuildsFamiliesFromLinkStrings() {
    const auto [people, dates, families] = Fetch<People, QStringList, QStringList>();
    QCOMPARE(FamiliesOf(people, dates), families);
  }

  void SplitsLongValues_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("no blanks") << QString(700, u'a');
    QTest::newRow("blanks everywhere") << QString("word ").repeated(150);
    QTest::newRow("at signs") << QString(300, u'@');
    QTest::newRow("characters of two halves") << QString("😀").repeated(200);
    QTest::newRow("blanks only") << QString(400, u' ');
  }
  void SplitsLongValues() {
    QFETCH(QString, value);
    GedcomWriter out;
    out.Record(u"@N1@", u"NOTE");
    out.Text(1, u"NOTE", {value, u"", value});
    const QByteArray bytes = out.text().toUtf8();
    QStringList lines = out.text().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.takeLast(), QString());  // the text ends with a line break
    for (qsizetype i = 0; i < lines.size(); ++i) {
      QVERIFY2(lines[i].size() + 2 <= kMaxGedcomLineLength, qPrintable(lines[i]));
      QVERIFY(!lines[i].back().isHighSurrogate());
      // A cut has no blank on either side, unless the value is nothing but blanks.
      if (value.trimmed().isEmpty() || !lines[i].startsWith("2 CONC")) continue;
      QVERIFY2(!lines[i].startsWith("2 CONC  ") && !lines[i - 1].endsWith(u' '),
               qPrintable(lines[i]));
    }
    const GedcomFile file = GedcomFile::Parse(bytes);
    QCOMPARE(file.TextOf(1), QStringList({value, QString(), value}));
  }

  void AsksBeforeWritingUtf8_data() {
    // family, name, notes, contact, file, where
    Columns<QString, QString, QString, QString, QString, QString>();
    Row("a name", "Lee", "Dương Lee", "", "", "Lee.ged", "ư\" in the record of Dương Lee");
    Row("notes", "Lee", "Ann Lee", "From 日本\r\n", "", "Lee.ged", "日\" in the notes of Ann Lee");
    Row("the contact", "Łódź", "Ann Lee", "", "Łucja", "Lee.ged", "Ł\" in the contact information");
    Row("the family name as submitter", "Łódź", "Ann Lee", "", "", "Lee.ged",
        "Ł\" in the family name");
    Row("the file name", "Lee", "Ann Lee", "", "", "Lee 😀.ged", "😀\" in the file name");
  }
  void AsksBeforeWritingUtf8() {
    const auto [family, name, notes, contact, file_name, where] =
        Fetch<QString, QString, QString, QString, QString, QString>();
    TempAppFolder app;
    PersonDetails details;
    details.notes = notes;
    app.WriteFamily(family, {{name, "00010000F0000M0000S0000", "Male", details}});
    ScriptedPrompter prompter;
    const QString path = QDir(app.path()).filePath(file_name);
    const Export out = RunExport(app.OpenSession(family), path, prompter, contact);
    QCOMPARE(prompter.questions,
             QStringList{"The character \"" + where +
                         " cannot be written in the character set the GEDCOM header names (\"1 "
                         "CHAR IBM WINDOWS\", Windows-1252). Write the file in UTF-8 (\"1 CHAR "
                         "UTF-8\") instead?"});
    QCOMPARE(out.result.outcome, ExportOutcome::kStopped);
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(QDir(app.path()).entryList(QDir::Files), QStringList());
  }

  void RefusesWhatItCannotExport_data() {
    Columns<QString, bool, QString>();  // Bo Lee's link, whether his record is deleted, message
    Row("a shared number", "00010000F0000M0000S0000", false,
        "Ann Lee and Bo Lee both carry the person number 0001; a GEDCOM file needs one number for "
        "each person. Nothing was exported.");
    Row("no number", "0000", false,
        "The record of Bo Lee carries no person number (its first line is \"0000\"), so it cannot "
        "become an individual of the GEDCOM file. Nothing was exported.");
    Row("a record gone", "00020000F0000M0000S0000", true,
        "The record file %1 cannot be read. Nothing was exported.");
  }
  void RefusesWhatItCannotExport() {
    const auto [second_link, delete_record, message] = Fetch<QString, bool, QString>();
    TempAppFolder app;
    app.WriteFamily(kFamily, {{"Ann Lee", "00010000F0000M0000S0000"}, {"Bo Lee", second_link}});
    const Session session = app.OpenSession(kFamily);
    const QString gone = RecordPathOf(session, "Bo Lee");
    if (delete_record) QVERIFY(QFile::remove(gone));
    ScriptedPrompter prompter;
    const Export out = RunExport(session, app.path() + "/Lee.ged", prompter);
    QCOMPARE(out.result.outcome, ExportOutcome::kRefused);
    QCOMPARE(prompter.messages, QStringList{message.contains("%1") ? message.arg(gone) : message});
    QVERIFY(out.bytes.isEmpty());
  }

  // Seed 0 is the demo family: its people known by name only have minimal records, which read
  // with a burial of two empty lines and no gender; their imported records are full ones that
  // store the same.
  void FamiliesComeBack_data() {
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<bool>("windows1252_only");
    QTest::newRow("demo family") << 0u << true;
    for (unsigned seed = 1; seed <= 6; ++seed) {
      QTest::newRow(qPrintable(QStringLiteral("seed %1, Windows-1252").arg(seed))) << seed << true;
      QTest::newRow(qPrintable(QStringLiteral("seed %1, UTF-8").arg(seed))) << seed << false;
    }
  }
  void FamiliesComeBack() {
    QFETCH(unsigned, seed);
    QFETCH(bool, windows1252_only);
    TempAppFolder app;
    const Session session = OpenSeededFamily(app, seed, windows1252_only);
    QCOMPARE(ExportAndImport(session).size(), windows1252_only ? 0 : 1);
    const QDir folder(session.app_folder);
    QCOMPARE(ReadBytes(folder.filePath(kBack + ".ged")).contains("\r\n1 CHAR UTF-8\r\n"),
             !windows1252_only);
    CompareFamilies(session.FamilyPath(), folder.filePath(kBack), /*as_stored=*/seed == 0);
  }

  // Where other programs' files mean something else by a line, only "1 SOUR Kinvale" files are
  // read as the export wrote them. The record file, religion, religious name, residential and
  // business addresses, link string, e-mail ("EMAIL" as exports before "_EMAIL" wrote it) and
  // home page ("_WWW"), "|" between them; the high schools and universities.
  void ReadsOwnFilesExactly_data() {
    Columns<QString, QString, QStringList, QStringList>();
    Row("another program", "Other",
        "Ann Mcdonald_0001.dat||Quaker|1 Mill Lane\r\n|\r\n|00010000F0000M0000S0000|"
        "ann@lee.org\r\n|\r\n",
        QStringList{}, QStringList{"Ludlow Grammar"});
    Row("Kinvale", "Kinvale",
        "Ann McDonald_0001.dat|Quaker||\r\n|1 Mill Lane\r\n|00010007F0000M0000S0000|"
        "ann@lee.org\r\n|lee.org/ann\r\n",
        QStringList{"Ludlow Grammar"}, QStringList{});
  }
  void ReadsOwnFilesExactly() {
    const auto [source, expected, high, universities] =
        Fetch<QString, QString, QStringList, QStringList>();
    TempAppFolder app;
    const QString text =
        "0 HEAD\r\n1 SOUR " + source +
        "\r\n1 CHAR UTF-8\r\n0 @I1@ INDI\r\n1 NAME Ann /McDonald/\r\n1 ADDR 1 Mill Lane\r\n1 RELI "
        "Quaker\r\n1 EDUC Ludlow Grammar\r\n2 TYPE High School\r\n1 _LINK "
        "00010007F0000M0000S0000\r\n1 EMAIL ann@@lee.org\r\n1 _WWW lee.org/ann\r\n0 TRLR\r\n";
    QCOMPARE(ImportConfirmed(app, WriteGedcom(app, "kin.ged", text.toUtf8())).outcome,
             ImportOutcome::kCompleted);
    const QStringList files = RecordFiles(app, "kin");
    QCOMPARE(files.size(), 1);
    const RecordRead read = ReadRecordNumbered(app, "kin", "0001");
    const PersonDetails& d = read.record.details;
    QCOMPARE(QStringList({files.first(), d.religion, d.religious_name, d.residential_addresses,
                          d.business_addresses, read.record.link, d.email_addresses, d.homepage})
                 .join(u'|'),
             expected);
    QCOMPARE(d.high, high);
    QCOMPARE(d.universities, universities);
  }
};

KINVALE_TEST(GedcomExportTest)
#include "test_gedcom_export.moc"
