// Saving link strings: the minimal record, line 1 replaced with every other byte kept, only the
// records that differ written, and the failures that must lose nothing.
#include <sys/stat.h>

#include <QtTest>

#include "editing/editing_texts.h"
#include "editing/save_link_strings.h"
#include "store/atomic_file.h"
#include "store/record_writer.h"
#include "support/editing_fixture.h"

using namespace kinvale;
using namespace kinvale::testing;

class EditingSaveTest : public QObject {
  Q_OBJECT

 private slots:
  void NewFatherGetsTheMinimalRecord();
  void FirstLineIsReplacedAlone_data();
  void FirstLineIsReplacedAlone();
  void OnlyRecordsThatDifferAreWritten();
  void StrayTemporaryFilesAreDeleted();
  void DeletedFolderIsCreatedAgain();
  void RecordInTheWay_data();
  void RecordInTheWay();
  void FailedWriteIsReportedAndRetried();
  void NotedWritesAreTrusted();
};

namespace {

const QStringList kFamily = {"Poi|00030004F0000M0000S0000", "Sue|00040003F0000M0000S0000|Female",
                             "Max|00070000F0000M0000S0000"};

ino_t InodeOf(const QString& path) {
  struct stat info {};
  return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

// A person appended during the session, with no record of their own yet.
const IndexRow kGhost{"00080000F0000M0000S0000", "Ghost", {}, {}, {}};

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

void EditingSaveTest::NewFatherGetsTheMinimalRecord() {
  EditingFixture fixture;
  fixture.Open(kFamily, "Poi");
  QVERIFY(fixture.Run("add father", "John Smith"));
  const QByteArray expected =
      "00080000F0000M0000S0000\r\n"
      "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
      "***Occupation***\r\n\r\n"
      "***Addresses***\r\n\r\n"
      "***Elementary***\r\n\r\n"
      "***Intermediate***\r\n\r\n"
      "***High***\r\n\r\n"
      "***Universtities***\r\n\r\n"
      "***Employers***\r\n\r\n"
      "***Religion***\r\n\r\n"
      "***Notes***\r\n\r\n";
  QCOMPARE(expected.count("\r\n"), 31);
  QCOMPARE(fixture.folder.ReadFile(kTestFamily, "John Smith_0008.dat"), expected);
}

void EditingSaveTest::FirstLineIsReplacedAlone_data() {
  QTest::addColumn<QByteArray>("record");
  QTest::addColumn<QString>("link");
  QTest::addColumn<QByteArray>("expected");
  QTest::newRow("CR LF") << QByteArray("old\r\nb\r\nc\r\n") << "NEW"
                         << QByteArray("NEW\r\nb\r\nc\r\n");
  QTest::newRow("LF line ends stay") << QByteArray("old\nb\n") << "NEW" << QByteArray("NEW\nb\n");
  QTest::newRow("CR line ends stay") << QByteArray("old\rb\r") << "NEW" << QByteArray("NEW\rb\r");
  QTest::newRow("last line without line end")
      << QByteArray("old\r\nlast") << "NEW" << QByteArray("NEW\r\nlast");
  QTest::newRow("line 1 alone without line end")
      << QByteArray("old") << "NEW" << QByteArray("NEW\r\n");
  QTest::newRow("empty line 1") << QByteArray("\r\nb\r\n") << "NEW" << QByteArray("NEW\r\nb\r\n");
  QTest::newRow("byte order mark stays")
      << QByteArray("\xEF\xBB\xBFold\r\nb\r\n") << "NEW" << QByteArray("\xEF\xBB\xBFNEW\r\nb\r\n");
  QTest::newRow("Windows-1252 lines stay")
      << QByteArray("old\r\nJos\xE9\r\n") << "NEW" << QByteArray("NEW\r\nJos\xE9\r\n");
  QTest::newRow("non-ASCII link in a Windows-1252 record")
      << QByteArray("old\r\nJos\xE9\r\n") << QString::fromUtf8("N\xC3\xA9")
      << QByteArray("N\xE9\r\nJos\xE9\r\n");
  QTest::newRow("non-ASCII link in a UTF-8 record")
      << QByteArray("old\r\nJos\xC3\xA9\r\n") << QString::fromUtf8("N\xC3\xA9")
      << QByteArray("N\xC3\xA9\r\nJos\xC3\xA9\r\n");
}

void EditingSaveTest::FirstLineIsReplacedAlone() {
  QFETCH(QByteArray, record);
  QFETCH(QString, link);
  QFETCH(QByteArray, expected);
  QCOMPARE(WithFirstLine(record, link), expected);
}

void EditingSaveTest::OnlyRecordsThatDifferAreWritten() {
  EditingFixture fixture;
  fixture.Open(kFamily, "Poi");
  Session& session = fixture.session;
  const QString poi = session.RecordPath("Poi");
  const QString sue = session.RecordPath("Sue");
  const ino_t poi_inode = InodeOf(poi);
  const ino_t sue_inode = InodeOf(sue);
  const QByteArray poi_before = Bytes(poi);
  session.index.SetLink(session.index.FindRowExact("Poi"), "00030004F0007M0000S0000");

  SaveLinkStrings(session, fixture.prompter);

  QCOMPARE(Bytes(poi), WithFirstLine(poi_before, "00030004F0007M0000S0000"));
  QVERIFY(InodeOf(poi) != poi_inode);
  QCOMPARE(InodeOf(sue), sue_inode);
  QVERIFY(fixture.prompter.messages.isEmpty());
}

void EditingSaveTest::StrayTemporaryFilesAreDeleted() {
  EditingFixture fixture;
  fixture.Open(kFamily, "Poi");
  fixture.folder.WriteFile(kTestFamily, "Old Copy.tmp", "left over");
  fixture.folder.WriteFile(kTestFamily, "Poi_0003.dat.tmp", "half written");

  SaveLinkStrings(fixture.session, fixture.prompter);

  QCOMPARE(fixture.FamilyFiles(), QStringList({"Max_0007.dat", "Poi_0003.dat", "Sue_0004.dat"}));
}

void EditingSaveTest::DeletedFolderIsCreatedAgain() {
  EditingFixture fixture;
  fixture.Open(kFamily, "Poi");
  QVERIFY(QDir(fixture.session.FamilyPath()).removeRecursively());

  SaveLinkStrings(fixture.session, fixture.prompter);

  QCOMPARE(fixture.RecordLinks(), fixture.Links());
  for (const IndexRow& row : fixture.session.index.rows()) {
    QCOMPARE(Bytes(fixture.session.RecordPath(row.name)), FormatMinimalRecord(row.link));
  }
}

void EditingSaveTest::RecordInTheWay_data() {
  QTest::addColumn<bool>("folder");
  QTest::newRow("an empty file becomes a minimal record") << false;
  QTest::newRow("a folder is left alone and reported") << true;
}

void EditingSaveTest::RecordInTheWay() {
  QFETCH(bool, folder);
  EditingFixture fixture;
  fixture.Open(kFamily, "Poi");
  const QString ghost = fixture.session.FamilyFilePath("Ghost_0008.dat");
  if (folder) {
    QVERIFY(QDir().mkdir(ghost));
  } else {
    fixture.folder.WriteFile(kTestFamily, "Ghost_0008.dat", "");
  }
  fixture.session.index.Append(kGhost);
  fixture.session.index.SetLink(0, "00070000F0008M0000S0000");  // Max, the first row

  SaveLinkStrings(fixture.session, fixture.prompter);

  QCOMPARE(fixture.RecordLinks()[0], QString("Max|00070000F0008M0000S0000"));
  if (!folder) {
    QCOMPARE(Bytes(ghost), FormatMinimalRecord(kGhost.link));
    return;
  }
  QVERIFY(QFileInfo(ghost).isDir());
  QCOMPARE(fixture.prompter.messages.size(), 1);
  QVERIFY(fixture.prompter.messages[0].startsWith(kRecordsNotSavedMessage + "\nGhost: "));
}

void EditingSaveTest::FailedWriteIsReportedAndRetried() {
  EditingFixture fixture;
  fixture.Open(kFamily, "Poi");
  Session& session = fixture.session;
  const QString poi = session.RecordPath("Poi");
  const QByteArray before = Bytes(poi);
  // A folder in the way of the temporary file makes the atomic write fail.
  QVERIFY(QDir(session.FamilyPath()).mkdir("Poi_0003.dat" + kTemporarySuffix));
  session.index.SetLink(session.index.FindRowExact("Poi"), "00030000F0000M0000S0000");

  SaveLinkStrings(session, fixture.prompter);

  QCOMPARE(Bytes(poi), before);
  QCOMPARE(fixture.prompter.messages.size(), 1);
  QVERIFY(fixture.prompter.messages[0].startsWith(kRecordsNotSavedMessage + "\nPoi: "));

  QVERIFY(QDir(session.FamilyPath()).rmdir("Poi_0003.dat" + kTemporarySuffix));
  SaveLinkStrings(session, fixture.prompter);
  QCOMPARE(Bytes(poi), WithFirstLine(before, "00030000F0000M0000S0000"));
  QCOMPARE(fixture.prompter.messages.size(), 1);
}

void EditingSaveTest::NotedWritesAreTrusted() {
  EditingFixture fixture;
  fixture.Open(kFamily, "Poi");
  Session& session = fixture.session;
  const QString poi = session.RecordPath("Poi");
  const QByteArray written = WithFirstLine(Bytes(poi), "written elsewhere");
  fixture.folder.WriteFile(kTestFamily, "Poi_0003.dat", written);
  // A record of another folder says nothing about this family's records.
  NoteRecordLine1(session, QDir(fixture.folder.path()).filePath("Poi_0003.dat"), "elsewhere");
  SaveLinkStrings(session, fixture.prompter);
  QCOMPARE(Bytes(poi), written);

  NoteRecordLine1(session, poi, "written elsewhere");
  SaveLinkStrings(session, fixture.prompter);
  QCOMPARE(fixture.RecordLinks(), fixture.Links());
}

QTEST_GUILESS_MAIN(EditingSaveTest)
#include "test_editing_save.moc"
