// The command line's view of the main window and its "Create", run as a user runs them.
#include <QtTest>

#include "store/families.h"
#include "support/cli_runner.h"
#include "support/temp_family.h"
#include "support/test_main.h"

using namespace kinvale;
using namespace kinvale::testing;

class MainWindowCliTest : public QObject {
  Q_OBJECT

 private slots:
  void Commands_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QString>("out");  // "|" between lines
    QTest::addColumn<QString>("err");  // a part of stderr; empty when nothing is written there
    auto row = [](const char* tag, const QStringList& args, int exit_code, const char* out,
                  const char* err) { QTest::newRow(tag) << args << exit_code << out << err; };
    row("view the default person", {"view", "Smith"}, 0,
        "Person of Interest: John Smith|Spouse: Mary Smith|Father: Adam Smith|"
        "Children / Dependents: Kim Smith|Photo:",
        "");
    row("view a named person", {"view", "Smith", "Kim Smith"}, 0,
        "Person of Interest: Kim Smith|Spouse: Spouse|Father: John Smith|Mother: Mary Smith|Photo:",
        "");
    row("view somebody unknown", {"view", "Smith", "Nobody"}, 1, "", "There is nobody named");
    row("create a family", {"create-family", "Jones"}, 0, "New Family Created", "");
    row("create with a refused name", {"create-family", "Jo#nes"}, 1, "",
        "No special characters please");
  }
  void Commands() {
    QFETCH(QStringList, args);
    QFETCH(QString, err);
    TempAppFolder folder;
    folder.WriteFamily("Smith", {{"John Smith", "00010002F0003M0000S0000"},
                                 {"Mary Smith", "00020001F0000M0000S0000", "Female"},
                                 {"Adam Smith", "00030000F0000M0000S0000"},
                                 {"Kim Smith", "00040000F0001M0002S0000"}});
    const CliResult result = RunCli(folder.path(), args);
    QTEST(result.exit_code, "exit_code");
    QTEST(result.out.join(u'|'), "out");
    QVERIFY2(err.isEmpty() ? result.err.isEmpty() : result.err.contains(err),
             qPrintable(result.err));
    QCOMPARE(ListFamilies(folder.path()).contains("Jones"), args.contains("Jones"));
  }
};

KINVALE_TEST(MainWindowCliTest)
#include "test_mainwindow_cli.moc"
