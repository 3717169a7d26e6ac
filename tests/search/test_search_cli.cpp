// The search command run as a process: the names on stdout, the status on stderr, exit codes.
#include <QtTest>

#include "support/cli_runner.h"
#include "support/temp_family.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

class SearchCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void Searches_data() {
    Columns<QStringList, int, QString, QString>();  // args, exit code, stdout ("|" between), stderr
    Row("any word", QStringList{"Lee", "miller BOSTON"}, 0, "Anne Lee|Beth Lee",
        "Search completed.\n");
    Row("exact phrase", QStringList{"Lee", "--exact", "miller boston"}, 0, "Beth Lee", "");
    Row("nothing found", QStringList{"Lee", "nowhere"}, 0, "", "No search results.\n");
    Row("text missing", QStringList{"Lee"}, 2, "",
        "Usage: kinvale-cli search FAMILY [--exact] TEXT\n");
  }
  void Searches() {
    const auto [args, exit_code, out, err] = Fetch<QStringList, int, QString, QString>();
    TempAppFolder folder;
    PersonDetails anne, beth;
    anne.birth_place = "Boston";
    beth.notes = "Miller Boston Road\r\n";
    folder.WriteFamily("Lee", {{"Anne Lee", "00010000F0000M0000S0000", "Female", anne},
                               {"Beth Lee", "00020000F0000M0000S0000", "Female", beth},
                               {"Cora Lee", "00030000F0000M0000S0000", "Female", {}}});

    const CliResult result = RunCli(folder.path(), QStringList{"search"} + args);
    QCOMPARE(result.exit_code, exit_code);
    QCOMPARE(result.out.join(u'|'), out);
    QCOMPARE(result.err, err);
  }
};

KINVALE_TEST(SearchCommandTest)
#include "test_search_cli.moc"
