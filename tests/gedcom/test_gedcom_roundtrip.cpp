// Export, then import into a new family: every record comes back field for field, with its
// name, person number and link string; and a file other programs wrote is still read as they
// mean it, while the same lines in a file this program exported are read back exactly.
#include <QDir>
#include <QtTest>

#include "store/record_fields.h"
#include "store/text_codec.h"
#include "support/gedcom_fixture.h"
#include "support/random_family.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kBack = QStringLiteral("Back");

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

class GedcomRoundTripTest : public QObject {
  Q_OBJECT

 private slots:
  // The demo's people known by name only have minimal records, which read with a burial of
  // two empty lines and no gender; their imported records are full ones that store the same.
  void DemoFamilyComesBack() {
    TempAppFolder app;
    const Session session = OpenDemoFamily(app);
    QCOMPARE(ExportAndImport(session), QStringList());
    CompareFamilies(session.FamilyPath(), QDir(session.app_folder).filePath(kBack),
                    /*as_stored=*/true);
  }

  void RandomFamiliesComeBack_data() {
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<bool>("windows1252_only");
    for (unsigned seed = 1; seed <= 6; ++seed) {
      QTest::newRow(qPrintable(QStringLiteral("seed %1, Windows-1252").arg(seed))) << seed << true;
      QTest::newRow(qPrintable(QStringLiteral("seed %1, UTF-8").arg(seed))) << seed << false;
    }
  }
  void RandomFamiliesComeBack() {
    QFETCH(unsigned, seed);
    QFETCH(bool, windows1252_only);
    TempAppFolder app;
    app.WriteFamily("Kin", RandomFamily({30, seed, windows1252_only}));
    const Session session = app.OpenSession("Kin");
    QCOMPARE(ExportAndImport(session).size(), windows1252_only ? 0 : 1);
    const QByteArray exported = ReadBytes(QDir(app.path()).filePath(kBack + ".ged"));
    QCOMPARE(exported.contains("\r\n1 CHAR UTF-8\r\n"), !windows1252_only);
    CompareFamilies(session.FamilyPath(), app.FamilyPath(kBack), /*as_stored=*/false);
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

KINVALE_TEST(GedcomRoundTripTest)
#include "test_gedcom_roundtrip.moc"
