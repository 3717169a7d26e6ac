// The import as a whole: its questions and what answering Cancel leaves, the family it fills,
// Resume, the refusals, the replaced family kept whole, what an interrupted import left, and the
// report. kinvale-cli import and export: what they print, the question they stop at without
// --yes, their exit codes, and an existing output file kept whole when writing fails.
#include <QDir>
#include <QRegularExpression>
#include <QtTest>

#include "support/cli_runner.h"
#include "support/gedcom_fixture.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kKin = QStringLiteral("kin");
const QString kTwo = QStringLiteral(
    "0 @I1@ INDI\r\n1 NAME Ann /Lee/\r\n1 FAMS @F1@\r\n1 NOTE @N1@\r\n1 BIRT\r\n2 SOUR @S1@\r\n"
    "0 @I2@ INDI\r\n1 NAME Bo /Lee/\r\n1 FAMS @F1@\r\n"
    "0 @F1@ FAM\r\n1 WIFE @I1@\r\n1 HUSB @I2@\r\n0 @N1@ NOTE Tall\r\n0 @S1@ SOUR\r\n1 TITL Book");

// Individuals @I1@ to @In@, named P1 to Pn.
QString Individuals(int n) {
  QString records;
  for (int i = 1; i <= n; ++i) records += QStringLiteral("0 @I%1@ INDI\r\n1 NAME P%1\r\n").arg(i);
  records.chop(2);
  return records;
}

// kin.ged, which holds kTwo.
QString WriteTwo(const TempAppFolder& app) {
  return WriteGedcom(app, QStringLiteral("kin.ged"), MakeGedcom(kTwo));
}

class RecordingObserver : public ImportObserver {
 public:
  void ShowStatus(const QString& text) override { shown.append(QStringLiteral("status ") + text); }
  void ShowTitle(const QString& title) override { shown.append(QStringLiteral("title ") + title); }
  void ShowIndividual(int counter, int total, const ImportedPerson& person) override {
    shown.append(QStringLiteral("individual %1/%2 %3").arg(counter).arg(total).arg(person.name));
  }
  QStringList shown;
};

const QByteArray kOld = "0 HEAD\r\n1 SOUR Earlier\r\n0 TRLR\r\n";

// An application folder under dir, seeded with the demo family by a first command.
QString Seeded(const QTemporaryDir& dir) {
  const QString app = QDir(dir.path()).filePath("app");
  if (RunCli(app, {"families"}).exit_code != 0) qFatal("cannot seed %s", qPrintable(app));
  return app;
}

}  // namespace

class GedcomImportTest : public QObject {
  Q_OBJECT

 private slots:
  // Whether the family exists, is open, Resume is ticked; the answers; the questions; whether
  // the import completes.
  void AsksItsQuestions_data() {
    Columns<bool, bool, bool, QList<bool>, QStringList, bool>();
    const QString exists = "Family Group File Exists. Overwrite?";
    const QString replacing = "You are replacing the current family. Continue?";
    const QString estimate = QStringLiteral(
        "There are 2 names to process which may take less than a second to process.");
    Row("a new family", false, false, false, QList<bool>{true}, QStringList{estimate}, true);
    Row("an existing family", true, false, false, QList<bool>{true, true},
        QStringList{exists, estimate}, true);
    Row("the open family", true, true, false, QList<bool>{true, true, true},
        QStringList{exists, replacing, estimate}, true);
    Row("Resume asks only the estimate", true, true, true, QList<bool>{true},
        QStringList{QString(estimate).replace(u'2', u'1')}, true);
    Row("Cancel on overwriting", true, false, false, QList<bool>{false}, QStringList{exists},
        false);
    Row("Cancel on replacing", true, true, false, QList<bool>{true, false},
        QStringList{exists, replacing}, false);
    Row("Cancel on the estimate", false, false, false, QList<bool>{false}, QStringList{estimate},
        false);
  }

  void AsksItsQuestions() {
    const auto [exists, open, resume, answers, questions, completed] =
        Fetch<bool, bool, bool, QList<bool>, QStringList, bool>();
    TempAppFolder app;
    if (exists) app.WriteFile(kKin, "Old_0001.dat", "old\r\n");
    const QString path = WriteTwo(app);
    ScriptedPrompter prompter;
    prompter.confirmations = answers;
    const ImportResult result =
        ImportGedcom({app.path(), path, resume, open ? kKin : "Demo"}, prompter);
    QCOMPARE(prompter.questions, questions);
    QCOMPARE(result.outcome, completed ? ImportOutcome::kCompleted : ImportOutcome::kStopped);
    QCOMPARE(result.reload_open_family, completed && open);
    if (!completed) {
      // Nothing is written: the earlier record stays where it was, no folder is made.
      QCOMPARE(RecordFiles(app, kKin), exists ? QStringList{"Old_0001.dat"} : QStringList());
      QCOMPARE(QDir(app.FamilyPath(kKin)).exists(), exists);
    }
  }

  void NamesTheFamilyAfterTheFile_data() {
    Columns<QString, QString>();
    Row("up to the first _", "tree_2.ged", "tree");
    Row("up to the first .", "my.family.ged", "my");
  }

  void NamesTheFamilyAfterTheFile() {
    const auto [file_name, family] = Fetch<QString, QString>();
    TempAppFolder app;
    const ImportResult result = ImportConfirmed(app, WriteGedcom(app, file_name, MakeGedcom(kTwo)));
    QCOMPARE(result.target_family, family);
    QCOMPARE(RecordFiles(app, family).size(), 2);
  }

  void RefusesWhatItCannotImport_data() {
    Columns<QString, QByteArray, ImportOutcome, QString>();
    Row("no family name", "_2.ged", MakeGedcom(kTwo), ImportOutcome::kRefused,
        "The file name \"_2.ged\" gives no family name: the family is named after the file name "
        "up to its first \".\" or \"_\".");
    Row("no individuals", "none.ged", MakeGedcom("0 @U@ SUBM"), ImportOutcome::kNothing,
        "The file holds no individuals. Nothing was imported.");
    static const char kPicture[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe";
    Row("a picture, not GEDCOM", "none.ged", QByteArray(kPicture, sizeof kPicture - 1),
        ImportOutcome::kNothing, "The file holds no individuals. Nothing was imported.");
    Row("an empty file", "none.ged", QByteArray(), ImportOutcome::kNothing,
        "The file holds no individuals. Nothing was imported.");
    Row("more than 9999 individuals", "many.ged", MakeGedcom(Individuals(10000)),
        ImportOutcome::kRefused,
        "The file holds 10000 individuals, but a family holds at most 9999 (person numbers have "
        "four digits). Nothing was imported.");
  }

  void RefusesWhatItCannotImport() {
    const auto [file_name, bytes, outcome, message] =
        Fetch<QString, QByteArray, ImportOutcome, QString>();
    TempAppFolder app;
    ScriptedPrompter prompter;
    const ImportResult result = ImportConfirmed(app, WriteGedcom(app, file_name, bytes), &prompter);
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(prompter.messages, QStringList{message});
    QVERIFY(!QDir(app.FamilyPath(result.target_family)).exists() || result.target_family.isEmpty());
  }

  // Resume skips exactly the individuals whose person numbers have records, whatever else the
  // family holds (here a person added after the interruption, numbered above the file's).
  void ResumesWithTheIndividualsNotYetThere() {
    TempAppFolder app;
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11}) {
      app.WriteFile(kKin, QStringLiteral("P%1_%2.dat").arg(i).arg(i, 4, 10, QChar(u'0')), "x\r\n");
    }
    app.WriteFile(kKin, "Added_0013.dat", "added\r\n");
    const QString path = WriteGedcom(app, "kin.ged", MakeGedcom(Individuals(12)));
    RecordingObserver observer;
    ScriptedPrompter prompter;
    prompter.confirmations = {true};
    const ImportResult result =
        ImportGedcom({app.path(), path, true, QString()}, prompter, &observer);
    QCOMPARE(result.outcome, ImportOutcome::kCompleted);
    QCOMPARE(prompter.questions,
             QStringList{"There are 2 names to process which may take less than a second to "
                         "process."});
    // The counter shows each number after a blank, as the window always has.
    QCOMPARE(observer.shown.first(), "status Processing Name 10 of  12");
    QCOMPARE(observer.shown.filter("individual"),
             QStringList({"individual 10/12 P10", "individual 12/12 P12"}));
    QCOMPARE(result.report.kept_individuals, 10);
    QCOMPARE(RecordFiles(app, kKin).size(), 13);
    QCOMPARE(app.ReadFile(kKin, "P1_0001.dat"), "x\r\n");
    QCOMPARE(app.ReadFile(kKin, "Added_0013.dat"), "added\r\n");

    ScriptedPrompter again;
    QCOMPARE(ImportGedcom({app.path(), path, true, QString()}, again).outcome,
             ImportOutcome::kNothing);
    QCOMPARE(again.messages,
             QStringList{"The family already holds a record for each of the "
                         "file's 12 individuals. There is nothing left to resume."});
  }

  // The family as it was moves, whole, into the new one; an empty one is not kept.
  void ReplacesTheFamilyAsAWhole() {
    TempAppFolder app;
    app.WriteFile(kKin, "Ann Leigh_0001.dat", "old\r\n");
    app.WriteFile(kKin, "00010001_ann.pic", "picture");
    QVERIFY(QDir().mkpath(app.FamilyPath(kKin) + "/.history"));
    app.WriteFile(kKin, ".history/step", "undo");
    const ImportResult result = ImportConfirmed(app, WriteTwo(app));
    QCOMPARE(RecordFiles(app, kKin), QStringList({"Ann Lee_0001.dat", "Bo Lee_0002.dat"}));
    QCOMPARE(result.report.replaced_records, 1);
    QVERIFY(result.report.replaced_folder.startsWith("Replaced "));
    const QDir family(app.FamilyPath(kKin));
    const auto everything = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
    QCOMPARE(family.entryList(everything),
             QStringList({"Ann Lee_0001.dat", "Bo Lee_0002.dat", result.report.replaced_folder}));
    QCOMPARE(QDir(family.filePath(result.report.replaced_folder)).entryList(everything),
             QStringList({".history", "00010001_ann.pic", "Ann Leigh_0001.dat"}));
    QCOMPARE(app.ReadFile(kKin, result.report.replaced_folder + "/.history/step"), "undo");
    QCOMPARE(QDir(app.path()).entryList({".kin*"}, everything), QStringList());

    QVERIFY(QDir(app.FamilyPath(kKin)).removeRecursively());
    QVERIFY(QDir().mkpath(app.FamilyPath(kKin)));
    QCOMPARE(ImportConfirmed(app, WriteTwo(app)).report.replaced_folder, QString());
    QCOMPARE(family.entryList(everything).size(), 2);
  }

  // What an interrupted import left beside the family is settled by the next one: unfinished
  // staged records are removed, a family an interrupted swap had put aside goes into the new
  // family, and a link at the staging place is removed, never followed.
  void SettlesWhatAnInterruptedImportLeft_data() {
    // What stands at the staging place; what the family as it was holds afterwards.
    Columns<QString, QStringList>();
    Row("unfinished staging", "staging", QStringList{"Old_0001.dat"});
    Row("a family put aside", "old family", QStringList({"Old_0001.dat", "Replaced"}));
    Row("a link to another folder", "link", QStringList{"Old_0001.dat"});
  }
  void SettlesWhatAnInterruptedImportLeft() {
    const auto [left, replaced_after] = Fetch<QString, QStringList>();
    TempAppFolder app;
    app.WriteFile(kKin, "Old_0001.dat", "old\r\n");
    const QString staging = QDir(app.path()).filePath(".kin.import");
    QTemporaryDir outside;
    QFile(outside.filePath("Mine_0001.dat")).open(QIODevice::WriteOnly);
    if (left == u"link") {
      QVERIFY(QFile::link(outside.path(), staging));
    } else {
      QVERIFY(QDir().mkpath(staging));
      QFile(staging + "/Mine_0001.dat").open(QIODevice::WriteOnly);
      if (left == u"staging") QFile(staging + "/.import-staging").open(QIODevice::WriteOnly);
    }
    const ImportResult result = ImportConfirmed(app, WriteTwo(app));
    QCOMPARE(RecordFiles(app, kKin), QStringList({"Ann Lee_0001.dat", "Bo Lee_0002.dat"}));
    QStringList replaced = QDir(app.FamilyPath(kKin) + u'/' + result.report.replaced_folder)
                               .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    replaced.replaceInStrings(QRegularExpression("^Replaced .*"), "Replaced");
    QCOMPARE(replaced, replaced_after);
    QVERIFY(!QFileInfo(staging).exists() && !QFileInfo(staging).isSymLink());
    QCOMPARE(QDir(outside.path()).entryList(QDir::Files), QStringList{"Mine_0001.dat"});
  }

  void ReportsWhatCameInAndWhatDidNot() {
    TempAppFolder app;
    const QString records =
        kTwo + QStringLiteral(
                   "\r\n0 @I3@ INDI\r\n1 BAPM\r\n2 DATE 1900\r\n1 FAMC @F9@\r\n1 FAMS @VOID@\r\n"
                   "0 @I2@ INDI\r\n1 NAME Bo /LEIGH/\r\n1 NO MARR\r\n0 INDI\r\n1 NAME Cy\r\n"
                   "0 @R1@ REPO\r\n1 NAME Library");
    QByteArray bytes = MakeGedcom(records);
    bytes.replace("1 NAME Cy", "1 NAME C\xFF");
    const ImportResult result = ImportConfirmed(app, WriteGedcom(app, "kin.ged", bytes));
    QCOMPARE(ImportReportLines(result.report),
             QStringList({"Individuals imported: 5",
                          "Families linked: 1",
                          "Notes imported: 1",
                          "Sources imported: 1",
                          "Character set: UTF-8",
                          "Lines not valid in that character set, read as Windows-1252: 1 (lines "
                          "27)",
                          "Person numbers: 0001 upwards in file order (the file's references are "
                          "not all \"I\" and a number from 1 to 9999)",
                          "Stored under another name:",
                          "  0003 (@I3@) is stored as \"Person 0003\": the file gives no name.",
                          "Names changed by cleaning: 1",
                          "  \"Bo /LEIGH/\" as \"Bo Leigh\"",
                          "References to families, individuals, notes or sources the file does "
                          "not have: 1",
                          "Cross-references given to more than one record (references go to the "
                          "first): 1",
                          "  @I2@: 0004 Bo Leigh (the first is 0002)",
                          "Records not brought in:",
                          "  REPO: 1",
                          "GEDCOM tags the record format does not hold, skipped:",
                          "  INDI.BAPM: 1",
                          "GEDCOM 7 constructs read:",
                          "  @VOID@ pointers (nobody): 1",
                          "  INDI records without a cross-reference: 1",
                          "  NO lines (an event that did not happen): 1"}));
  }

  // "FILE" in the arguments stands for the GEDCOM file of one individual, Ann Lee, numbered as
  // the one record the family already holds.
  void Imports_data() {
    Columns<QStringList, int, QString>();
    Row("--yes answers the questions", QStringList{"FILE", "--yes"}, 0, "Import Completed\n");
    Row("--resume finds nothing left", QStringList{"FILE", "--resume", "--yes"}, 1,
        "The family already holds a record for each of the file's 1 individuals. There is "
        "nothing left to resume.\n");
  }
  void Imports() {
    auto [args, code, err] = Fetch<QStringList, int, QString>();
    TempAppFolder app;
    app.WriteFile("kin", "Old_0001.dat", "x");
    args.replaceInStrings(
        "FILE", WriteGedcom(app, "kin.ged", MakeGedcom("0 @I1@ INDI\r\n1 NAME Ann /Lee/")));
    const CliResult result = RunCli(app.path(), QStringList{"import"} + args);
    QCOMPARE(result.exit_code, code);
    QCOMPARE(result.err, err);
    QCOMPARE(RecordFiles(app, "kin"), QStringList{code == 0 ? "Ann Lee_0001.dat" : "Old_0001.dat"});
    QCOMPARE(result.out.value(0), code == 0 ? "Individuals imported: 1" : QString());
  }

  // The output file goes after the first argument.
  void Exports_data() {
    Columns<bool, QStringList, int, QString, QByteArray>();
    Row("stops at the overwrite question", true, QStringList{"Demo"}, 1,
        "File Exists. Overwrite? (not confirmed: pass --yes to answer OK)\n", kOld);
    Row("--yes replaces the file", true, QStringList{"Demo", "--yes"}, 0, "Export Completed\n",
        QByteArray("0 TRLR\r\n"));
    Row("the contact is the submitter", false,
        QStringList{"Demo", "--contact", "Jo Hill\n2 Mill Lane"}, 0, "Export Completed\n",
        QByteArray("0 @U1@ SUBM\r\n1 NAME Jo Hill\r\n1 ADDR 2 Mill Lane\r\n"));
    Row("--contact without a text", false, QStringList{"Demo", "--contact"}, 2,
        "Usage: kinvale-cli export FAMILY FILE [--yes] [--contact TEXT]\n", QByteArray());
  }
  void Exports() {
    auto [exists, args, code, err, written] = Fetch<bool, QStringList, int, QString, QByteArray>();
    QTemporaryDir dir;
    const QString app = Seeded(dir);
    const QString path = QDir(dir.path()).filePath("out.ged");
    if (exists) WriteBytes(path, kOld);
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
    WriteBytes(path, kOld);
    const CliResult result = RunCli(app, {"export", "Demo", path, "--yes"}, {}, environment);
    QCOMPARE(result.exit_code, 1);
    // The message, then what went wrong with which file.
    QVERIFY2(result.err.startsWith("Error processing GEDCOM file\n") && result.err.contains(path),
             qPrintable(result.err));
    QCOMPARE(ReadBytes(path), kOld);
    QCOMPARE(QDir(dir.path()).entryList({"*.tmp"}, QDir::Files), QStringList());
  }
};

KINVALE_TEST(GedcomImportTest)
#include "test_gedcom_import.moc"
