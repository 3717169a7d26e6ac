// kinvale-cli import: the questions it stops at without --yes, the report it prints, Resume,
// and its exit codes.
#include <QProcess>
#include <QtTest>

#include "support/gedcom_fixture.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

struct Run {
  int code;
  QString out;
  QString err;
};

Run Cli(const TempAppFolder& app, const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(KINVALE_CLI),
                QStringList{QStringLiteral("--data-dir"), app.path()} + args);
  process.waitForFinished(60000);
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

const QString kOne = QStringLiteral("0 @I1@ INDI\r\n1 NAME Ann /Lee/");

}  // namespace

class GedcomCliTest : public QObject {
  Q_OBJECT

 private slots:
  void Imports_data() {
    QTest::addColumn<bool>("family_exists");
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("err");
    QTest::addColumn<int>("records");
    QTest::newRow("--yes answers the questions")
        << true << QStringList{"--yes"} << 0 << "Import Completed\n"
        << 1;
    QTest::newRow("stops at the estimate")
        << false << QStringList{} << 1
        << "There are 1 names to process which may take less than a second to process. "
           "(not confirmed: pass --yes to answer OK)\n"
        << 0;
    QTest::newRow("stops at the overwrite question")
        << true << QStringList{} << 1
        << "Family Group File Exists. Overwrite? (not confirmed: pass --yes to answer OK)\n"
        << 1;
    QTest::newRow("--resume finds nothing left")
        << true << QStringList{"--resume", "--yes"} << 1
        << "The family already holds 1 record files, as many as the file has individuals (1). "
           "There is nothing left to resume.\n"
        << 1;
  }

  void Imports() {
    QFETCH(bool, family_exists);
    QFETCH(QStringList, flags);
    QFETCH(int, code);
    QFETCH(QString, err);
    QFETCH(int, records);
    TempAppFolder app;
    if (family_exists) app.WriteFile(QStringLiteral("kin"), QStringLiteral("Old_0001.dat"), "x");
    const QString path = WriteGedcom(app, QStringLiteral("kin.ged"), MakeGedcom(kOne));
    const Run run = Cli(app, QStringList{QStringLiteral("import"), path} + flags);
    QCOMPARE(run.code, code);
    QCOMPARE(run.err, err);
    QCOMPARE(RecordFiles(app, QStringLiteral("kin")).size(), records);
    if (code == 0) QVERIFY(run.out.startsWith(QStringLiteral("Individuals imported: 1\n")));
  }

  void ReportsAUsageError() {
    TempAppFolder app;
    const Run run = Cli(app, {QStringLiteral("import")});
    QCOMPARE(run.code, 2);
    QCOMPARE(run.err, QStringLiteral("Usage: kinvale-cli import FILE [--resume] [--yes]\n"));
  }
};

QTEST_GUILESS_MAIN(GedcomCliTest)
#include "test_gedcom_cli.moc"
