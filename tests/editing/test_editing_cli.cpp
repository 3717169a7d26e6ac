// kinvale-cli add and remove: the changed link strings printed, and the exit codes of refused
// or mistaken commands.
#include <QtTest>

#include "support/cli_runner.h"
#include "support/editing_fixture.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

class EditingCliTest : public QObject {
  Q_OBJECT

 private slots:
  void CommandPrintsChangedLinks_data();
  void CommandPrintsChangedLinks();
};

void EditingCliTest::CommandPrintsChangedLinks_data() {
  Columns<QStringList, int, QStringList, QString>();  // arguments, exit code, stdout, stderr
  Row("add a new father", QStringList{"add", "Family", "Poi", "father", "John Smith"}, 0,
      QStringList{"Poi\t00030000F0001M0000S0000\t00030000F00010008M0000S0000",
                  "John Smith\t\t00080000F0000M0000S0000"},
      "");
  Row("add an existing spouse", QStringList{"add", "Family", "Poi", "spouse", "max"}, 0,
      QStringList{"Max\t00070000F0000M0000S0000\t00070003F0000M0000S0000",
                  "Poi\t00030000F0001M0000S0000\t00030007F0001M0000S0000"},
      "");
  Row("remove the father shown", QStringList{"remove", "Family", "Poi", "father", "Dad"}, 0,
      QStringList{"Poi\t00030000F0001M0000S0000\t00030000F0000M0000S0000"}, "");
  Row("remove a name the list does not show",
      QStringList{"remove", "Family", "Poi", "father", "dad"}, 1, QStringList{},
      "Poi has no father named \"dad\".");
  Row("person not in the family", QStringList{"add", "Family", "Nobody", "father", "X"}, 1,
      QStringList{}, "There is nobody named \"Nobody\" in the family \"Family\".");
  Row("unknown role", QStringList{"add", "Family", "Poi", "uncle", "X"}, 2, QStringList{},
      "ROLE must be one of father, mother, spouse, sibling, dependent.");
  Row("the spouse has no remove", QStringList{"remove", "Family", "Poi", "spouse", "X"}, 2,
      QStringList{}, "ROLE must be one of father, mother, sibling, dependent.");
  Row("missing name", QStringList{"add", "Family", "Poi", "father"}, 2, QStringList{},
      "Usage: kinvale-cli add FAMILY PERSON ROLE NAME");
}

void EditingCliTest::CommandPrintsChangedLinks() {
  const auto [args, exit_code, out, err] = Fetch<QStringList, int, QStringList, QString>();
  TempAppFolder folder;
  folder.WriteFamily(kTestFamily,
                     ParsePeople({"Poi|00030000F0001M0000S0000", "Dad|00010000F0000M0000S0000",
                                  "Max|00070000F0000M0000S0000"}));
  const CliResult cli = RunCli(folder.path(), args);
  QCOMPARE(cli.exit_code, exit_code);
  QCOMPARE(cli.out, out);
  QCOMPARE(cli.err.section(u'\n', 0, 0), err);
}

KINVALE_TEST(EditingCliTest)
#include "test_editing_cli.moc"
