// Every write path survives the file system refusing a write part-way: a clear message naming
// what was not saved, the old files intact, nothing claiming a save that did not happen.
#include <QtTest>

#include "support/cli_runner.h"

using namespace kinvale::testing;

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
};

QTEST_GUILESS_MAIN(WriteFailuresTest)
#include "test_reliability_write_failures.moc"
