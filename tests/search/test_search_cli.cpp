// The search command run as a process: the names on stdout, the status on stderr, exit codes.
#include <QtTest>

#include "support/cli_runner.h"
#include "support/temp_family.h"

using namespace kinvale;
using namespace kinvale::testing;

class SearchCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void Searches_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QString>("out");  // "|" between lines
    QTest::addColumn<QString>("err");
    auto row = [](const char* tag, const QStringList& args, int exit_code, const char* out,
                  const char* err) { QTest::newRow(tag) << args << exit_code << out << err; };
    row("any word", {"Lee", "miller BOSTON"}, 0, "Anne Lee|Beth Lee", "Search completed.\n");
    row("exact phrase", {"Lee", "--exact", "miller boston"}, 0, "Beth Lee", "");
    row("nothing found", {"Lee", "nowhere"}, 0, "", "No search results.\n");
    row("text missing", {"Lee"}, 2, "", "Usage: kinvale-cli search FAMILY [--exact] TEXT\n");
  }
  void Searches() {
    QFETCH(QStringList, args);
    TempAppFolder folder;
    PersonDetails anne, beth;
    anne.birth_place = "Boston";
    beth.notes = "Miller Boston Road\r\n";
    folder.WriteFamily("Lee", {{"Anne Lee", "00010000F0000M0000S0000", "Female", anne},
                               {"Beth Lee", "00020000F0000M0000S0000", "Female", beth},
                               {"Cora Lee", "00030000F0000M0000S0000", "Female", {}}});

    const CliResult result = RunCli(folder.path(), QStringList{"search"} + args);
    QTEST(result.exit_code, "exit_code");
    QTEST(result.out.join(u'|'), "out");
    QTEST(result.err, "err");
  }
};

QTEST_GUILESS_MAIN(SearchCommandTest)
#include "test_search_cli.moc"
