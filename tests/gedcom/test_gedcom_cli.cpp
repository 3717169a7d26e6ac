// kinvale-cli import and export: what they print, the question they stop at without --yes,
// Resume, the contact text, their usage errors and exit codes, and an existing output file kept
// whole when writing fails.
#include <QDir>
#include <QtTest>

#include "support/cli_runner.h"
#include "support/gedcom_fixture.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale::testing;

namespace {

const QByteArray kOld = "0 HEAD\r\n1 SOUR Earlier\r\n0 TRLR\r\n";
const QString kNotConfirmed = QStringLiteral(" (not confirmed: pass --yes to answer OK)\n");
const QString kExportUsage =
    QStringLiteral("Usage: kinvale-cli export FAMILY FILE [--yes] [--contact TEXT]\n");

// An application folder under dir, seeded with the demo family by a first command.
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

class GedcomCliTest : public QObject {
  Q_OBJECT

 private slots:
  // "FILE" in the arguments stands for the GEDCOM file of one individual.
  void Imports_data() {
    Columns<bool, QStringList, int, QString, int>();
    Row("--yes answers the questions", true, QStringList{"FILE", "--yes"}, 0, "Import Completed\n",
        1);
    Row("stops at the overwrite question", true, QStringList{"FILE"}, 1,
        "Family Group File Exists. Overwrite?" + kNotConfirmed, 1);
    Row("--resume finds nothing left", true, QStringList{"FILE", "--resume", "--yes"}, 1,
        "The family already holds a record for each of the file's 1 individuals. There is "
        "nothing left to resume.\n",
        1);
    Row("no file", false, QStringList{}, 2, "Usage: kinvale-cli import FILE [--resume] [--yes]\n",
        0);
  }
  void Imports() {
    auto [family_exists, args, code, err, records] = Fetch<bool, QStringList, int, QString, int>();
    TempAppFolder app;
    if (family_exists) app.WriteFile("kin", "Old_0001.dat", "x");
    args.replaceInStrings(
        "FILE", WriteGedcom(app, "kin.ged", MakeGedcom("0 @I1@ INDI\r\n1 NAME Ann /Lee/")));
    const CliResult result = RunCli(app.path(), QStringList{"import"} + args);
    QCOMPARE(result.exit_code, code);
    QCOMPARE(result.err, err);
    QCOMPARE(RecordFiles(app, "kin").size(), records);
    QCOMPARE(result.out.value(0), code == 0 ? "Individuals imported: 1" : QString());
  }

  // The output file goes after the first argument.
  void Exports_data() {
    Columns<bool, QStringList, int, QString, QByteArray>();
    Row("a new file", false, QStringList{"Demo"}, 0, "Export Completed\n",
        QByteArray("0 @I1@ INDI\r\n1 NAME Thomas /Whitfield/\r\n"));
    Row("stops at the overwrite question", true, QStringList{"Demo"}, 1,
        "File Exists. Overwrite?" + kNotConfirmed, kOld);
    Row("--yes replaces the file", true, QStringList{"Demo", "--yes"}, 0, "Export Completed\n",
        QByteArray("0 TRLR\r\n"));
    Row("the contact is the submitter", false,
        QStringList{"Demo", "--contact", "Jo Hill\n2 Mill Lane"}, 0, "Export Completed\n",
        QByteArray("0 @U1@ SUBM\r\n1 NAME Jo Hill\r\n1 ADDR 2 Mill Lane\r\n"));
    Row("no such family", false, QStringList{"Nobody"}, 1, "There is no family named \"Nobody\".\n",
        QByteArray());
    Row("no file", false, QStringList{}, 2, kExportUsage, QByteArray());
    Row("--contact without a text", false, QStringList{"Demo", "--contact"}, 2, kExportUsage,
        QByteArray());
  }
  void Exports() {
    auto [exists, args, code, err, written] = Fetch<bool, QStringList, int, QString, QByteArray>();
    QTemporaryDir dir;
    const QString app = Seeded(dir);
    const QString path = QDir(dir.path()).filePath("out.ged");
    if (exists) WriteOld(path);
    if (!args.isEmpty()) args.insert(1, path);
    const CliResult result = RunCli(app, QStringList{"export"} + args);
    QCOMPARE(result.exit_code, code);
    QCOMPARE(result.err, err);
    QCOMPARE(result.out.value(0), code == 0 ? "Individuals exported: 48" : QString());
    QVERIFY2(ReadBytes(path).contains(written), ReadBytes(path).left(400).constData());
  }

  void FailedExportsLeaveTheEarlierFile_data() {
    QTest::addColumn<Environment>("environment");
    QTest::newRow("full disk at once") << FailingWrites(0);
    QTest::newRow("full disk part-way") << FailingWrites(9000);
    Environment refused_rename = FailingWrites(-1);
    refused_rename.insert("KINVALE_FAIL_RENAME", "1");
    QTest::newRow("rename refused") << refused_rename;
  }
  void FailedExportsLeaveTheEarlierFile() {
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

KINVALE_TEST(GedcomCliTest)
#include "test_gedcom_cli.moc"
