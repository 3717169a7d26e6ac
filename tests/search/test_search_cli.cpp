// The search command run as a process: the names on stdout, the status on stderr, exit codes.
#include <QProcess>
#include <QtTest>

#include "support/temp_family.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

class SearchCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void Searches_data();
  void Searches();
};

void SearchCommandTest::Searches_data() {
  QTest::addColumn<QStringList>("args");
  QTest::addColumn<int>("exit_code");
  QTest::addColumn<QString>("out");
  QTest::addColumn<QString>("err");
  QTest::newRow("any word") << QStringList{"Lee", "miller BOSTON"} << 0 << "Anne Lee\nBeth Lee\n"
                            << "Search completed.\n";
  QTest::newRow("exact phrase") << QStringList{"Lee", "--exact", "miller boston"} << 0
                                << "Beth Lee\n"
                                << "";
  QTest::newRow("nothing found") << QStringList{"Lee", "nowhere"} << 0 << ""
                                 << "No search results.\n";
  QTest::newRow("text missing") << QStringList{"Lee"} << 2 << ""
                                << "Usage: kinvale-cli search FAMILY [--exact] TEXT\n";
}

void SearchCommandTest::Searches() {
  QFETCH(QStringList, args);
  QFETCH(int, exit_code);
  QFETCH(QString, out);
  QFETCH(QString, err);
  TempAppFolder folder;
  PersonDetails anne;
  anne.birth_place = "Boston";
  PersonDetails beth;
  beth.notes = "Miller Boston Road\r\n";
  folder.WriteFamily("Lee", {{"Anne Lee", "00010000F0000M0000S0000", "Female", anne},
                             {"Beth Lee", "00020000F0000M0000S0000", "Female", beth},
                             {"Cora Lee", "00030000F0000M0000S0000", "Female", {}}});

  QProcess cli;
  cli.start(KINVALE_CLI, QStringList{"--data-dir", folder.path(), "search"} + args);
  QVERIFY(cli.waitForFinished(60000));

  QCOMPARE(cli.exitCode(), exit_code);
  QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()), out);
  QCOMPARE(QString::fromUtf8(cli.readAllStandardError()), err);
}

}  // namespace

QTEST_GUILESS_MAIN(SearchCommandTest)
#include "test_search_cli.moc"
