// kinvale-cli export: what it prints, the overwrite question it stops at without --yes, the
// contact text, its usage errors, and an existing output file kept whole when writing fails.
#include <QDir>
#include <QtTest>

#include "support/cli_runner.h"
#include "support/gedcom_fixture.h"

using namespace kinvale::testing;

namespace {

const QByteArray kOld = "0 HEAD\r\n1 SOUR Earlier\r\n0 TRLR\r\n";

QString Seeded(const QTemporaryDir& dir) {
  const QString app = QDir(dir.path()).filePath("app");
  if (RunCli(app, {"families"}).exit_code != 0) qFatal("cannot seed %s", qPrintable(app));
  return app;
}

void WriteOld(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(kOld) != kOld.size()) qFatal("cannot write");
}

}  // namespace

class GedcomExportCliTest : public QObject {
  Q_OBJECT

 private slots:
  void Exports_data() {
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("err");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("a new file") << false << QStringList{"Demo"} << 0 << "Export Completed\n"
                                << QByteArray("0 @I1@ INDI\r\n1 NAME Thomas /Whitfield/\r\n");
    QTest::newRow("stops at the overwrite question")
        << true << QStringList{"Demo"} << 1
        << "File Exists. Overwrite? (not confirmed: pass --yes to answer OK)\n"
        << kOld;
    QTest::newRow("--yes replaces the file")
        << true << QStringList{"Demo", "--yes"} << 0 << "Export Completed\n"
        << QByteArray("0 TRLR\r\n");
    QTest::newRow("the contact is the submitter")
        << false << QStringList{"Demo", "--contact", "Jo Hill\n2 Mill Lane"} << 0
        << "Export Completed\n"
        << QByteArray("0 @U1@ SUBM\r\n1 NAME Jo Hill\r\n1 ADDR 2 Mill Lane\r\n");
    QTest::newRow("no such family")
        << false << QStringList{"Nobody"} << 1 << "There is no family named \"Nobody\".\n"
        << QByteArray();
    QTest::newRow("no file") << false << QStringList{} << 2
                             << "Usage: kinvale-cli export FAMILY FILE [--yes] [--contact TEXT]\n"
                             << QByteArray();
    QTest::newRow("--contact without a text")
        << false << QStringList{"Demo", "--contact"} << 2
        << "Usage: kinvale-cli export FAMILY FILE [--yes] [--contact TEXT]\n"
        << QByteArray();
  }
  void Exports() {
    QFETCH(bool, exists);
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, err);
    QFETCH(QByteArray, written);
    QTemporaryDir dir;
    const QString app = Seeded(dir);
    const QString path = QDir(dir.path()).filePath("out.ged");
    if (exists) WriteOld(path);
    if (!args.isEmpty()) args.insert(1, path);
    const CliResult result = RunCli(app, QStringList{"export"} + args);
    QCOMPARE(result.exit_code, code);
    QCOMPARE(result.err, err);
    QCOMPARE(result.out.isEmpty(), code != 0);
    if (code == 0) QCOMPARE(result.out.first(), QStringLiteral("Individuals exported: 48"));
    QVERIFY2(ReadBytes(path).contains(written), ReadBytes(path).left(400).constData());
  }

  void FailedWritesLeaveTheEarlierFile_data() {
    QTest::addColumn<Environment>("environment");
    QTest::newRow("full disk at once") << FailingWrites(0);
    QTest::newRow("full disk part-way") << FailingWrites(9000);
    QTest::newRow("rename refused")
        << Environment{{"LD_PRELOAD", KINVALE_FAIL_WRITE_LIBRARY},
                       {"KINVALE_FAIL_RENAME", "1"},
                       {"ASAN_OPTIONS", "verify_asan_link_order=0:detect_leaks=0"}};
  }
  void FailedWritesLeaveTheEarlierFile() {
    QFETCH(Environment, environment);
    QTemporaryDir dir;
    const QString app = Seeded(dir);
    const QString path = QDir(dir.path()).filePath("out.ged");
    WriteOld(path);
    const CliResult result = RunCli(app, {"export", "Demo", path, "--yes"}, {}, environment);
    QCOMPARE(result.exit_code, 1);
    QVERIFY2(result.err.startsWith("Error processing GEDCOM file\n"), qPrintable(result.err));
    QCOMPARE(ReadBytes(path), kOld);
    QCOMPARE(QDir(dir.path()).entryList({"*.tmp"}, QDir::Files), QStringList());
  }
};

QTEST_GUILESS_MAIN(GedcomExportCliTest)
#include "test_gedcom_export_cli.moc"
