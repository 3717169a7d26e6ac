// kinvale-cli's store commands end to end, on a freshly seeded application folder.
#include <QtTest>

#include "support/cli_runner.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale::testing;

class CliStoreTest : public QObject {
  Q_OBJECT

 private slots:
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
  QTemporaryDir dir_;
  const QString data_ = QDir(dir_.path()).filePath("new-folder");
};

KINVALE_TEST(CliStoreTest)
#include "test_cli_store.moc"
