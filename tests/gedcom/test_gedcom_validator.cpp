// Every export checked by an independent GEDCOM 5.5 validator, Gedcom.pm from Debian's
// libgedcom-perl (scripts/install-deps.sh installs it): the demo family's export, exports of
// random families with every field filled, and the export of each sample file after import.
// The validator prints each problem as a line on stderr and may still exit 0, so any line it
// prints fails the test. Without perl's Gedcom module the test is skipped.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include "support/gedcom_fixture.h"
#include "support/random_family.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kSamples = QStringLiteral(KINVALE_SAMPLES_DIR);
const QString kValidate =
    QStringLiteral("Gedcom->new(gedcom_file => $ARGV[0], read_only => 1)->validate");

// What the validator says about the file: every line it prints on stdout and stderr, and a
// line naming its exit status when that is not 0.
QStringList ValidatorOutput(const QString& path) {
  QFile::remove(path + QStringLiteral(".index"));  // its cache of the file's records
  QProcess perl;
  perl.setProcessChannelMode(QProcess::MergedChannels);
  perl.start(QStringLiteral("perl"),
             {QStringLiteral("-MGedcom"), QStringLiteral("-e"), kValidate, path});
  if (!perl.waitForFinished(300000)) return {QStringLiteral("the validator did not finish")};
  QStringList lines = QString::fromUtf8(perl.readAll()).split(u'\n', Qt::SkipEmptyParts);
  if (perl.exitStatus() != QProcess::NormalExit || perl.exitCode() != 0)
    lines.append(QStringLiteral("exit status %1").arg(perl.exitCode()));
  return lines;
}

// The validator's lines, each followed by the line of the file it names, for the failure
// message.
QString Explained(const QStringList& output, const QString& path) {
  const QList<QByteArray> file_lines = ReadBytes(path).split('\n');
  const QRegularExpression located(QStringLiteral("^") + QRegularExpression::escape(path) +
                                   QStringLiteral(":(\\d+):"));
  QStringList explained;
  for (const QString& line : output) {
    explained.append(line);
    const int number = located.match(line).captured(1).toInt();
    if (number >= 1 && number <= file_lines.size())
      explained.append(QStringLiteral("    > ") +
                       QString::fromUtf8(file_lines[number - 1]).trimmed());
  }
  return explained.join(u'\n');
}

bool ValidatorInstalled() {
  QProcess perl;
  perl.start(QStringLiteral("perl"),
             {QStringLiteral("-MGedcom"), QStringLiteral("-e"), QStringLiteral("1")});
  return perl.waitForFinished(60000) && perl.exitStatus() == QProcess::NormalExit &&
         perl.exitCode() == 0;
}

// Exports the session's family to "Export.ged", every question answered OK, and gives what the
// validator says about the file, each line it names shown after it; empty when it is silent.
QString ExportProblems(const Session& session, const QString& contact = QString()) {
  const QString path = QDir(session.app_folder).filePath(QStringLiteral("Export.ged"));
  ScriptedPrompter prompter;
  prompter.confirmations = {true, true};
  if (ExportGedcom(session, {path, contact}, prompter).outcome != ExportOutcome::kCompleted)
    return QStringLiteral("export failed: ") + prompter.messages.join(u' ');
  return Explained(ValidatorOutput(path), path);
}

}  // namespace

class GedcomValidatorTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (!ValidatorInstalled())
      QSKIP("perl's Gedcom module (Debian's libgedcom-perl) is not installed");
  }

  // A file with a fault of each kind the validator reports, so that a validator that cannot
  // run or says nothing at all would not pass the tests below.
  void TheValidatorReportsFaults() {
    TempAppFolder app;
    const QString path = WriteGedcom(
        app, QStringLiteral("faulty.ged"),
        "0 HEAD\r\n1 SOUR x\r\n1 SUBM @U1@\r\n1 GEDC\r\n2 VERS 5.5\r\n1 CHAR UTF-8\r\n0 @U1@ "
        "SUBM\r\n0 @I1@ INDI\r\n1 NAME Ann /Lee/\r\n1 EMAIL ann@@lee.org\r\n0 TRLR\r\n");
    const QString output = ValidatorOutput(path).join(u'\n');
    QVERIFY2(output.contains(QStringLiteral(":7: SUBM U1 has 0 NAMEs")), qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral(":10: EMAIL is not a sub-item of INDI")),
             qPrintable(output));
  }

  void DemoFamily_data() {
    Columns<QString>();  // the contact information
    Row("no contact information", "");
    Row("a long first line and an address",
        QString("Jo Whitfield of Hill Farm ").repeated(12) + "\nHill Farm\n\nLudlow");
  }
  void DemoFamily() {
    const auto [contact] = Fetch<QString>();
    TempAppFolder app;
    const QString problems = ExportProblems(OpenDemoFamily(app), contact);
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
  }

  void RandomFamilies_data() {
    Columns<unsigned, bool>();  // seed, Windows-1252 only
    for (unsigned seed = 1; seed <= 3; ++seed) {
      Row(qPrintable(QStringLiteral("seed %1, Windows-1252").arg(seed)), seed, true);
      Row(qPrintable(QStringLiteral("seed %1, UTF-8").arg(seed)), seed, false);
    }
  }
  void RandomFamilies() {
    const auto [seed, windows1252_only] = Fetch<unsigned, bool>();
    TempAppFolder app;
    app.WriteFamily(QStringLiteral("Kin"), RandomFamily({40, seed, windows1252_only}));
    const QString problems = ExportProblems(app.OpenSession(QStringLiteral("Kin")),
                                            QStringLiteral("  Kin @ home  \r\n12 Mill Lane\r\n"));
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
  }

  void SampleFilesAfterImport_data() {
    QTest::addColumn<QString>("file");
    const QStringList files =
        QDir(kSamples).entryList({QStringLiteral("*.ged"), QStringLiteral("*.GED")});
    QVERIFY2(!files.isEmpty(), qPrintable(QStringLiteral("no sample files in ") + kSamples));
    for (const QString& file : files) QTest::newRow(qPrintable(file)) << file;
  }
  void SampleFilesAfterImport() {
    QFETCH(QString, file);
    TempAppFolder app;
    const QString copy = QDir(app.path()).filePath(file);
    QVERIFY(QFile::copy(QDir(kSamples).filePath(file), copy));
    const ImportResult imported = ImportConfirmed(app, copy);
    if (imported.outcome == ImportOutcome::kNothing) QSKIP("the file holds no individuals");
    QCOMPARE(imported.outcome, ImportOutcome::kCompleted);
    const QString problems = ExportProblems(app.OpenSession(imported.target_family));
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
  }
};

KINVALE_TEST(GedcomValidatorTest)
#include "test_gedcom_validator.moc"
