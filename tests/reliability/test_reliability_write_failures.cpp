// Every write path survives the file system refusing a write part-way (a full disk) or a rename:
// a clear message naming what was not saved, the old files intact, no temporary file left, and
// nothing claiming a save that did not happen.
#include <QDirIterator>
#include <QtTest>

#include "editing/family_editing.h"
#include "session/session.h"
#include "session/startup.h"
#include "store/app_folder.h"
#include "store/app_lock.h"
#include "store/settings.h"
#include "store/text_codec.h"
#include "support/cli_runner.h"
#include "support/scripted_prompter.h"
#include "support/test_main.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

using Snapshot = QMap<QString, QByteArray>;

const QString kThomas = QStringLiteral("Thomas Whitfield");
const QString kPicture = QStringLiteral(KINVALE_SAMPLES_DIR "/torture-ImgFile.PNG");
const QString kGedcom = QStringLiteral(KINVALE_SAMPLES_DIR "/The_Kennedy_Family.ged");

// Every file below the folder but the lock, by relative path.
Snapshot TakeSnapshot(const QString& folder) {
  Snapshot snapshot;
  QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    QFile file(it.next());
    if (file.fileName().endsWith(kLockFileName)) continue;
    if (file.open(QIODevice::ReadOnly))
      snapshot.insert(file.fileName().mid(folder.size()), file.readAll());
  }
  return snapshot;
}

QStringList TemporaryFiles(const QString& folder) {
  QStringList found;
  QDirIterator it(folder, {"*.tmp"}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) found.append(it.next());
  return found;
}

// Arms the preloaded library for the operations of one scope: writes fail after `after` bytes.
struct FailingWritesInThisProcess {
  explicit FailingWritesInThisProcess(long long after) {
    qputenv("KINVALE_FAIL_WRITE_AFTER", QByteArray::number(after));
  }
  ~FailingWritesInThisProcess() { qunsetenv("KINVALE_FAIL_WRITE_AFTER"); }
};

// A new application folder with the demo family, started as the window program starts it.
struct DemoSession {
  DemoSession() {
    started =
        PrepareAppFolder(app, &error) && StartSession(
                                             session, prompter, app, [](const QString&) {}, &error);
  }
  QTemporaryDir dir;
  const QString app = QDir(dir.path()).filePath("app");
  Session session;
  ScriptedPrompter prompter;
  QString error;
  bool started = false;
};

}  // namespace

class WriteFailuresTest : public QObject {
  Q_OBJECT

 private slots:
  // A new application folder either appears whole or not at all.
  void SeedingAFullDiskLeavesNoHalfFolder_data() {
    QTest::addColumn<long long>("after_bytes");
    for (long long after : {0LL, 100LL, 5000LL, 40000LL}) {
      QTest::newRow(qPrintable(QString::number(after))) << after;
    }
  }
  void SeedingAFullDiskLeavesNoHalfFolder() {
    QFETCH(long long, after_bytes);
    QTemporaryDir dir;
    const QString app = QDir(dir.path()).filePath("Kinvale");
    const CliResult failed = RunCli(app, {"families"}, {}, FailingWrites(after_bytes));
    QCOMPARE(failed.exit_code, 1);
    QVERIFY2(failed.err.contains("Could not save"), qPrintable(failed.err));
    QVERIFY(!QFileInfo::exists(app));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    const CliResult later = RunCli(app, {"people", "Demo"});
    QCOMPARE(later.exit_code, 0);
    QVERIFY(later.out.size() >= 40);
  }

  // Each command that changes files, with the disk full from its first byte, a few bytes in and
  // part-way through, or with renames refused: the family stays exactly as it was.
  void CommandsLeaveTheFamilyAsItWas_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("failure");  // bytes allowed, or "rename"
    QTest::addColumn<QString>("message");  // what stderr must name
    const QStringList add = {"add", "Demo", kThomas, "father", "Ezra Whitfield"};
    const QStringList remove = {"remove", "Demo", kThomas, "sibling", "Jack Whitfield"};
    const QStringList set = {"set", "Demo", kThomas, "Notes:", "A new note"};
    const QStringList rename = {"rename", "Demo", "Rose Whitfield", "Rosa Whitfield"};
    const QStringList photo = {"photo", "Demo", kThomas, kPicture, "--default"};
    for (const QString& failure :
         {QString("0"), QString("30"), QString("600"), QString("rename")}) {
      QTest::newRow(qPrintable("add, " + failure)) << add << failure << "Ezra Whitfield";
      QTest::newRow(qPrintable("remove, " + failure)) << remove << failure << "Jack Whitfield";
      QTest::newRow(qPrintable("set, " + failure)) << set << failure << kThomas;
      // The photo's message names the cause, not only "Error handling import request.".
      QTest::newRow(qPrintable("photo, " + failure)) << photo << failure << "Could not save";
    }
    QTest::newRow("rename, rename") << rename << "rename"
                                    << "Rose Whitfield";
  }
  void CommandsLeaveTheFamilyAsItWas() {
    QFETCH(QStringList, args);
    QFETCH(QString, failure);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString app = QDir(dir.path()).filePath("app");
    QCOMPARE(RunCli(app, {"families"}).exit_code, 0);
    const Snapshot before = TakeSnapshot(app);
    Environment environment = FailingWrites(failure == "rename" ? -1 : failure.toLongLong());
    if (failure == "rename") environment.insert("KINVALE_FAIL_RENAME", "1");
    const CliResult failed = RunCli(app, args, {}, environment);
    QCOMPARE(failed.exit_code, 1);
    QVERIFY2(!failed.err.trimmed().isEmpty(), "no message");
    QVERIFY2(failed.err.contains(message), qPrintable(failed.err));
    QCOMPARE(TakeSnapshot(app).keys(), before.keys());
    QVERIFY(TakeSnapshot(app) == before);
    QCOMPARE(TemporaryFiles(app), QStringList());
    // Once the disk has room again the same command does its work.
    QCOMPARE(RunCli(app, args).exit_code, 0);
    QVERIFY(TakeSnapshot(app) != before);
  }

  // An import that replaces the open family and runs out of disk, at once or part-way, or whose
  // renames are refused, leaves every file as it was and nothing beside the family; with room
  // again it goes through.
  void ImportLeavesTheFamilyAsItWas_data() {
    QTest::addColumn<QString>("failure");  // bytes allowed, or "rename"
    for (const char* failure : {"0", "20000", "rename"}) QTest::newRow(failure) << failure;
  }
  void ImportLeavesTheFamilyAsItWas() {
    QFETCH(QString, failure);
    QTemporaryDir dir;
    const QString app = QDir(dir.path()).filePath("app");
    QCOMPARE(RunCli(app, {"families"}).exit_code, 0);
    const QString gedcom = QDir(dir.path()).filePath("Demo.ged");
    QVERIFY(QFile::copy(kGedcom, gedcom));
    const Snapshot before = TakeSnapshot(app);
    Environment environment = FailingWrites(failure == "rename" ? -1 : failure.toLongLong());
    if (failure == "rename") environment.insert("KINVALE_FAIL_RENAME", "1");
    const CliResult failed = RunCli(app, {"import", gedcom, "--yes"}, {}, environment);
    QCOMPARE(failed.exit_code, 1);
    QVERIFY2(failed.err.contains("Could not"), qPrintable(failed.err));
    QVERIFY(TakeSnapshot(app) == before);
    QCOMPARE(QDir(app).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"Demo", "kinvale.lock", "logo.bmp", "settings.db"}));
    QCOMPARE(RunCli(app, {"import", gedcom, "--yes"}).exit_code, 0);
    QCOMPARE(RunCli(app, {"people", "Demo"}).out.size(), 70);
  }

  // In a running program: a change whose records could not be saved is said so, and the next
  // change saves what the records still lack.
  void EditingRetriesWhatWasNotSaved() {
    DemoSession demo;
    QVERIFY2(demo.started, qPrintable(demo.error));
    const QString& app = demo.app;
    Session& session = demo.session;
    ScriptedPrompter& prompter = demo.prompter;
    const Snapshot before = TakeSnapshot(app);
    prompter.answers = {"Ezra Whitfield"};
    {
      FailingWritesInThisProcess full_disk(0);
      AddFather(session, prompter);
    }
    QCOMPARE(prompter.messages.size(), 1);
    QVERIFY2(prompter.messages[0].contains("Ezra Whitfield"), qPrintable(prompter.messages[0]));
    QVERIFY(TakeSnapshot(app) == before);
    prompter.answers = {"Ida Whitfield"};
    AddMother(session, prompter);
    QCOMPARE(prompter.messages.size(), 1);
    // The records now say what the index says, the failed father included.
    Session reloaded = session;
    LoadFamilyIndex(reloaded, prompter);
    for (int row = 0; row < session.index.size(); ++row) {
      const int loaded = reloaded.index.FindRowExact(session.index.row(row).name);
      QVERIFY2(loaded >= 0, qPrintable(session.index.row(row).name));
      QCOMPARE(reloaded.index.row(loaded).link, session.index.row(row).link);
    }
  }

  // A record that cannot be read when a change is saved (here a folder has taken its place)
  // stops the whole change, as a full disk does: no other record changes.
  void UnreadableRecordStopsTheWholeChange() {
    DemoSession demo;
    QVERIFY2(demo.started, qPrintable(demo.error));
    const QDir family(demo.session.FamilyPath());
    const QString jack = family.filePath("Jack Whitfield_0007.dat");
    QVERIFY(QFile::remove(jack) && family.mkdir("Jack Whitfield_0007.dat"));
    const Snapshot before = TakeSnapshot(demo.app);
    demo.prompter.answers = {"Ezra Whitfield"};
    AddSibling(demo.session, demo.prompter);
    QCOMPARE(demo.prompter.messages.size(), 1);
    QVERIFY2(demo.prompter.messages[0].contains("Jack Whitfield"),
             qPrintable(demo.prompter.messages[0]));
    QVERIFY(TakeSnapshot(demo.app) == before);
    QCOMPARE(TemporaryFiles(demo.app), QStringList());
  }

  // Exit's settings save on a full disk keeps the old settings and says so.
  void SettingsSaveKeepsTheOldFile() {
    DemoSession demo;
    QVERIFY2(demo.started, qPrintable(demo.error));
    const QString& app = demo.app;
    Session& session = demo.session;
    ScriptedPrompter& prompter = demo.prompter;
    const QStringList before = *ReadTextLines(QDir(app).filePath(kSettingsFileName));
    session.view.person_of_interest = "Jack Whitfield";
    {
      FailingWritesInThisProcess full_disk(5);
      EndSession(session, prompter);
    }
    QCOMPARE(prompter.messages.size(), 1);
    QVERIFY2(prompter.messages[0].contains("settings.db"), qPrintable(prompter.messages[0]));
    QCOMPARE(*ReadTextLines(QDir(app).filePath(kSettingsFileName)), before);
    QCOMPARE(TemporaryFiles(app), QStringList());
  }
};

KINVALE_TEST(WriteFailuresTest)
#include "test_reliability_write_failures.moc"
