// kinvale-cli end to end: the store commands on a freshly seeded application folder (the people,
// every caption of show in tab order, the exit codes); and people who share a name, and the undo
// history, on a real file full of namesakes: every command given "#NNNN" acts on that person and
// never on a namesake, a shared name is refused with the people listed, and undoing every step
// gives the family folder back byte for byte (redoing them gives the changed one).
#include <QDirIterator>
#include <QRandomGenerator>
#include <QtTest>

#include "support/cli_runner.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale::testing;

namespace {

using Snapshot = QMap<QString, QByteArray>;  // path below the family folder -> bytes

const QString kFamily = QStringLiteral("Harry");

// Every file of the family, photos and records, the history folder aside.
Snapshot TakeSnapshot(const QString& app) {
  Snapshot snapshot;
  const QString family = QDir(app).filePath(kFamily);
  QDirIterator it(family, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    const QString relative = QDir(family).relativeFilePath(path);
    if (relative.startsWith(".history/")) continue;
    QFile file(path);
    snapshot.insert(relative, file.open(QIODevice::ReadOnly) ? file.readAll() : "(unreadable)");
  }
  return snapshot;
}

QStringList ChangedFiles(const Snapshot& before, const Snapshot& after) {
  QStringList changed;
  for (auto it = after.begin(); it != after.end(); ++it) {
    if (before.value(it.key()) != it.value()) changed.append(it.key());
  }
  for (auto it = before.begin(); it != before.end(); ++it) {
    if (!after.contains(it.key())) changed.append(it.key());
  }
  return changed;
}

}  // namespace

class CliTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    app_ = dir_.filePath("app");
    const QString gedcom = dir_.filePath("Harry.ged");
    QVERIFY(QFile::copy(QStringLiteral(KINVALE_SAMPLES_DIR "/Harry_Potter.ged"), gedcom));
    QCOMPARE(RunCli(app_, {"import", gedcom, "--yes"}).exit_code, 0);
    // The people whose name another person carries too, by name.
    QMap<QString, QStringList> numbers_of;
    for (const QString& line : RunCli(app_, {"people", kFamily}).out) {
      numbers_of[line.section(u'\t', 1, 1)].append(line.section(u'\t', 0, 0));
    }
    for (auto it = numbers_of.begin(); it != numbers_of.end(); ++it) {
      if (it.value().size() > 1) shared_.insert(it.key(), it.value());
    }
    QVERIFY(shared_.size() >= 5);
  }

  void SharedNamesAreRefusedAndListed() {
    const QString name = shared_.firstKey();
    const CliResult refused = RunCli(app_, {"show", kFamily, name});
    QCOMPARE(refused.exit_code, 1);
    for (const QString& number : shared_.first())
      QVERIFY2(refused.err.contains(number), qPrintable(refused.err));
  }

  // Random commands on random namesakes, each named by number: only that person's record
  // changes (and, for an added father, the new father's), and show reads that person back.
  // Then every step is undone and redone.
  void CommandsActOnTheNumberGiven() {
    const Snapshot start = TakeSnapshot(app_);
    QRandomGenerator random(20261207);
    int steps = 0;
    for (int round = 0; round < 12; ++round) {
      const QStringList names = shared_.keys();
      const QString name = names[random.bounded(int(names.size()))];
      const QString number = shared_[name][random.bounded(int(shared_[name].size()))];
      const QString person = '#' + number;
      const Snapshot before = TakeSnapshot(app_);
      QStringList changed;
      switch (random.bounded(3)) {
        case 0: {
          const QString note = QStringLiteral("note %1 for %2").arg(round).arg(number);
          QCOMPARE(RunCli(app_, {"set", kFamily, person, "Notes:", note}).exit_code, 0);
          QVERIFY(RunCli(app_, {"show", kFamily, person}).out.contains("Notes: " + note));
          changed = ChangedFiles(before, TakeSnapshot(app_));
          QCOMPARE(changed.size(), 1);
          break;
        }
        case 1: {
          const QString father = QStringLiteral("New Father %1").arg(round);
          const CliResult added = RunCli(app_, {"add", kFamily, person, "father", father});
          QCOMPARE(added.exit_code, 0);
          changed = ChangedFiles(before, TakeSnapshot(app_));
          QCOMPARE(changed.size(), 2);  // the person's record and the new father's
          QVERIFY(RunCli(app_, {"view", kFamily, person}).out.contains("Father: " + father));
          break;
        }
        default: {
          const QString renamed = name + QStringLiteral(" the %1").arg(round);
          QCOMPARE(RunCli(app_, {"rename", kFamily, person, renamed}).exit_code, 0);
          changed = ChangedFiles(before, TakeSnapshot(app_));
          QCOMPARE(changed.size(), 2);  // the old file gone, the new one there
          shared_[name].removeOne(number);
          if (shared_[name].size() < 2) shared_.remove(name);
          QVERIFY(!shared_.isEmpty());
          break;
        }
      }
      ++steps;
      for (const QString& file : changed) {
        QVERIFY2(file.contains('_' + number + ".dat") || file.startsWith("New Father"),
                 qPrintable(file + " changed for #" + number));
      }
    }
    const Snapshot end = TakeSnapshot(app_);
    QCOMPARE(RunCli(app_, {"history", kFamily}).out.size(), steps);
    for (int i = 0; i < steps; ++i) QCOMPARE(RunCli(app_, {"undo", kFamily}).exit_code, 0);
    QCOMPARE(RunCli(app_, {"undo", kFamily}).exit_code, 1);  // nothing left to undo
    QVERIFY(TakeSnapshot(app_) == start);
    for (int i = 0; i < steps; ++i) QCOMPARE(RunCli(app_, {"redo", kFamily}).exit_code, 0);
    QVERIFY(TakeSnapshot(app_) == end);
  }

  void PeopleListsTheSeededDemoFamily() {
    QCOMPARE(RunCli(data_, {"families"}).out, QStringList{"Demo"});
    const CliResult people = RunCli(data_, {"people", "Demo"});
    QCOMPARE(people.exit_code, 0);
    QVERIFY(people.out.size() >= 40);
    for (const QString& line : people.out) {
      const QStringList fields = line.split(u'\t');
      QCOMPARE(fields.size(), 6);
      QCOMPARE(fields[0], fields[5].left(4));
    }
  }

  void ShowPrintsEveryCaptionInTabOrder() {
    const QString person =
        RunCli(data_, {"people", "Demo"}).out.filter("\t").first().section(u'\t', 1, 1);
    const CliResult shown = RunCli(data_, {"show", "Demo", person});
    QCOMPARE(shown.exit_code, 0);
    QStringList captions;
    for (const QString& line : shown.out) {
      if (!line.startsWith("  ")) captions << line.section(u':', 0, 0);
    }
    QCOMPARE(captions.join(u'|'),
             QStringLiteral("Prefix|Suffix|Date Last Changed|Gender|Birth Date|Birth Place|"
                            "Death Date|Death Place|Burial Location|Occupation|Elementary School|"
                            "Intermediate School|High School|Universities|Employers|Date Married|"
                            "Residential Addresses|Business Addresses|Homepage Address (URL)|"
                            "E-Mail Addresses|Religion|Religious Name|Notes|Sources|"
                            "Immigration Date|Immigration Place|Social Security Number"));
  }

  // 0 on success, 1 with one clear line on stderr when the command cannot be done, 2 for a
  // usage error.
  void ExitCodes_data() {
    Columns<QStringList, int>();
    Row("no command", QStringList{}, 2);
    Row("unknown command", QStringList{"frobnicate"}, 2);
    Row("missing argument", QStringList{"people"}, 2);
    Row("extra argument", QStringList{"families", "x"}, 2);
    Row("unknown family", QStringList{"people", "Nobody"}, 1);
    Row("unknown person", QStringList{"show", "Demo", "No Such Person"}, 1);
    Row("help", QStringList{"--help"}, 0);
    Row("families", QStringList{"families"}, 0);
  }
  void ExitCodes() {
    const auto [args, exit_code] = Fetch<QStringList, int>();
    const CliResult result = RunCli(data_, args);
    QCOMPARE(result.exit_code, exit_code);
    if (exit_code == 1) QCOMPARE(result.err.count(u'\n'), 1);
  }

 private:
  QTemporaryDir store_dir_;  // a fresh application folder for the store commands
  const QString data_ = QDir(store_dir_.path()).filePath("new-folder");
  QTemporaryDir dir_;
  QString app_;
  QMap<QString, QStringList> shared_;  // name -> the numbers of the people carrying it
};

KINVALE_TEST(CliTest)
#include "test_cli.moc"
