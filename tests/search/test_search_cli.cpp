// The search command run as a process: the names on stdout, the status on stderr, exit codes.
#include <QProcess>
#include <QtTest>

#include "support/temp_family.h"

using namespace kinvale::testing;

namespace {

struct Run {
  int exit_code = -1;
  QStringList out;
  QStringList err;
};

Run RunCli(const QString& app_folder, const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(KINVALE_CLI),
                QStringList{QStringLiteral("--data-dir"), app_folder} + args);
  if (!process.waitForFinished(60000)) qFatal("kinvale-cli did not finish");
  const auto lines = [](const QByteArray& bytes) {
    return QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts);
  };
  return {process.exitCode(), lines(process.readAllStandardOutput()),
          lines(process.readAllStandardError())};
}

class SearchCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void Searches_data();
  void Searches();
};

void SearchCommandTest::Searches_data() {
  QTest::addColumn<QStringList>("args");
  QTest::addColumn<int>("exit_code");
  QTest::addColumn<QStringList>("out");
  QTest::addColumn<QStringList>("err");
  QTest::newRow("any word") << QStringList{"search", "Lee", "miller BOSTON"} << 0
                            << QStringList{"Anne Lee", "Beth Lee"}
                            << QStringList{"Search completed."};
  QTest::newRow("exact phrase") << QStringList{"search", "Lee", "--exact", "miller boston"} << 0
                                << QStringList{"Beth Lee"} << QStringList();
  QTest::newRow("nothing found") << QStringList{"search", "Lee", "nowhere"} << 0 << QStringList()
                                 << QStringList{"No search results."};
  QTest::newRow("empty text") << QStringList{"search", "Lee", ""} << 0 << QStringList()
                              << QStringList{"No search results."};
  QTest::newRow("no such family") << QStringList{"search", "Nobody", "boston"} << 1 << QStringList()
                                  << QStringList{"There is no family named \"Nobody\"."};
  QTest::newRow("text missing") << QStringList{"search", "Lee"} << 2 << QStringList()
                                << QStringList{"Usage: kinvale-cli search FAMILY [--exact] TEXT"};
}

void SearchCommandTest::Searches() {
  QFETCH(QStringList, args);
  QFETCH(int, exit_code);
  QFETCH(QStringList, out);
  QFETCH(QStringList, err);
  TempAppFolder folder;
  kinvale::PersonDetails anne;
  anne.birth_place = QStringLiteral("Boston");
  kinvale::PersonDetails beth;
  beth.notes = QStringLiteral("Miller Boston Road\r\n");
  folder.WriteFamily(QStringLiteral("Lee"),
                     {{QStringLiteral("Anne Lee"), QStringLiteral("00010000F0000M0000S0000"),
                       QStringLiteral("Female"), anne},
                      {QStringLiteral("Beth Lee"), QStringLiteral("00020000F0000M0000S0000"),
                       QStringLiteral("Female"), beth},
                      {QStringLiteral("Cora Lee"),
                       QStringLiteral("00030000F0000M0000S0000"),
                       QStringLiteral("Female"),
                       {}}});

  const Run run = RunCli(folder.path(), args);

  QCOMPARE(run.exit_code, exit_code);
  QCOMPARE(run.out, out);
  QCOMPARE(run.err, err);
}

}  // namespace

QTEST_GUILESS_MAIN(SearchCommandTest)
#include "test_search_cli.moc"
