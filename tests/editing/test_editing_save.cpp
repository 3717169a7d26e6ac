// Saving link strings: line 1 replaced with every other byte kept, only the records that differ
// written, and a family folder with stray, missing or unusable files.
#include <sys/stat.h>

#include <QtTest>

#include "editing/editing_texts.h"
#include "editing/save_link_strings.h"
#include "store/record_writer.h"
#include "support/editing_fixture.h"
#include "support/gedcom_fixture.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;
using namespace Qt::StringLiterals;

class EditingSaveTest : public QObject {
  Q_OBJECT

 private slots:
  void FirstLineIsReplacedAlone_data();
  void FirstLineIsReplacedAlone();
  void NotedWritesAreTrusted();
  void FolderIsRepaired_data();
  void FolderIsRepaired();
};

namespace {

const QStringList kFamily = {"Poi|00030004F0000M0000S0000", "Sue|00040003F0000M0000S0000|Female",
                             "Max|00070000F0000M0000S0000"};

ino_t InodeOf(const QString& path) {
  struct stat info {};
  return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

}  // namespace

void EditingSaveTest::FirstLineIsReplacedAlone_data() {
  Columns<QByteArray, QString, QByteArray>();  // record, link, expected
  Row("CR LF", "old\r\nb\r\nc"_ba, "NEW", "NEW\r\nb\r\nc"_ba);
  Row("LF line ends stay", "old\nb\n"_ba, "NEW", "NEW\nb\n"_ba);
  Row("line 1 alone without line end", "old"_ba, "NEW", "NEW\r\n"_ba);
  Row("byte order mark stays", "\xEF\xBB\xBFold\r\nb\r\n"_ba, "NEW", "\xEF\xBB\xBFNEW\r\nb\r\n"_ba);
  Row("Windows-1252 lines stay", "old\r\nJos\xE9\r\n"_ba, "NEW", "NEW\r\nJos\xE9\r\n"_ba);
  Row("non-ASCII link in a Windows-1252 record", "old\r\nJos\xE9\r\n"_ba,
      QString::fromUtf8("N\xC3\xA9"), "N\xE9\r\nJos\xE9\r\n"_ba);
  Row("non-ASCII link in a UTF-8 record", "old\r\nJos\xC3\xA9\r\n"_ba,
      QString::fromUtf8("N\xC3\xA9"), "N\xC3\xA9\r\nJos\xC3\xA9\r\n"_ba);
}

void EditingSaveTest::FirstLineIsReplacedAlone() {
  const auto [record, link, expected] = Fetch<QByteArray, QString, QByteArray>();
  QCOMPARE(WithFirstLine(record, link), expected);
}

void EditingSaveTest::NotedWritesAreTrusted() {
  EditingFixture fixture;
  fixture.Open(kFamily, "Poi");
  Session& session = fixture.session;
  const QString poi = RecordPathOf(session, "Poi");
  const QByteArray written = WithFirstLine(ReadBytes(poi), "written elsewhere");
  fixture.folder.WriteFile(kTestFamily, "Poi_0003.dat", written);
  session.record_line1.insert("Poi_0003.dat", "written elsewhere");
  SaveLinkStrings(session, fixture.prompter, "Test step");
  QCOMPARE(fixture.RecordLinks(), fixture.Links());
}

// A person appended during the session has no record yet, Max's link changes, and the folder
// holds something in the way. Every record but an unusable one follows the index afterwards, and
// Sue's, which already did, is not written again.
void EditingSaveTest::FolderIsRepaired_data() {
  QTest::addColumn<QString>("setup");
  QTest::addColumn<bool>("reported");  // Ghost's record could not be written, and said so
  QTest::newRow("stray temporary files are deleted") << "stray" << false;
  QTest::newRow("a deleted folder is created again with minimal records") << "deleted" << false;
  QTest::newRow("an empty record becomes a minimal record") << "empty file" << false;
  QTest::newRow("a folder in the way is left alone and reported") << "folder" << true;
}

void EditingSaveTest::FolderIsRepaired() {
  QFETCH(QString, setup);
  QFETCH(bool, reported);
  EditingFixture fixture;
  fixture.Open(kFamily, "Poi");
  Session& session = fixture.session;
  const QString ghost = session.FamilyFilePath("Ghost_0008.dat");
  const ino_t sue = InodeOf(RecordPathOf(session, "Sue"));
  if (setup == "stray") {
    fixture.folder.WriteFile(kTestFamily, "Old Copy.tmp", "left over");
    fixture.folder.WriteFile(kTestFamily, "Poi_0003.dat.tmp", "half written");
  }
  if (setup == "deleted") QVERIFY(QDir(session.FamilyPath()).removeRecursively());
  if (setup == "empty file") fixture.folder.WriteFile(kTestFamily, "Ghost_0008.dat", "");
  if (setup == "folder") QVERIFY(QDir().mkdir(ghost));
  session.index.Append({"00080000F0000M0000S0000", "Ghost", {}, {}, {}});
  session.index.SetLink(0, "00070000F0008M0000S0000");  // Max, the first row

  SaveLinkStrings(session, fixture.prompter, "Test step");

  QStringList links = fixture.Links();
  if (reported) {  // the change stops whole: Max keeps the link the record had
    links.first() = "Max|00070000F0000M0000S0000";
    links.last() = "Ghost|<missing>";
  }
  QCOMPARE(fixture.RecordLinks(), links);
  QStringList files = {"Max_0007.dat", "Poi_0003.dat", "Sue_0004.dat"};
  if (!reported) files.prepend("Ghost_0008.dat");
  QCOMPARE(fixture.FamilyFiles(), files);
  QCOMPARE(fixture.prompter.messages.size(), reported ? 1 : 0);
  if (setup != "deleted") QCOMPARE(InodeOf(RecordPathOf(session, "Sue")), sue);
  if (reported) {
    QVERIFY(QFileInfo(ghost).isDir());
    QVERIFY(fixture.prompter.messages[0].startsWith(kRecordsNotSavedMessage + "\nGhost: "));
    return;
  }
  for (const IndexRow& row : session.index.rows()) {
    if (setup == "deleted" || row.name == u"Ghost") {
      QCOMPARE(ReadBytes(RecordPathOf(session, row.name)), FormatMinimalRecord(row.link));
    }
  }
}

KINVALE_TEST(EditingSaveTest)
#include "test_editing_save.moc"
