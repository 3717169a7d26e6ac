// The command line's view of the main window and its "Create", run as a user runs them.
#include <QDir>
#include <QProcess>
#include <QtTest>

#include "store/families.h"
#include "support/temp_family.h"

using namespace kinvale;
using namespace kinvale::testing;

class MainWindowCliTest : public QObject {
  Q_OBJECT

 private slots:
  void Commands_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QStringList>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("view the default person")
        << QStringList{"view", "Smith"} << 0
        << QStringList{"Person of Interest: John Smith", "Spouse: Mary Smith", "Father: Adam Smith",
                       "Children / Dependents: Kim Smith", "Photo:"}
        << "";
    QTest::newRow("view a named person")
        << QStringList{"view", "Smith", "Kim Smith"} << 0
        << QStringList{"Person of Interest: Kim Smith", "Spouse: Spouse", "Father: John Smith",
                       "Mother: Mary Smith", "Photo:"}
        << "";
    QTest::newRow("view somebody unknown")
        << QStringList{"view", "Smith", "Nobody"} << 1 << QStringList{} << "There is nobody named";
    QTest::newRow("create a family")
        << QStringList{"create-family", "Jones"} << 0 << QStringList{"New Family Created"} << "";
    QTest::newRow("create with a refused name") << QStringList{"create-family", "Jo#nes"} << 1
                                                << QStringList{} << "No special characters please";
    QTest::newRow("create without a name")
        << QStringList{"create-family"} << 2 << QStringList{} << "Usage: kinvale-cli";
  }
  void Commands() {
    QFETCH(QStringList, args);
    QFETCH(QString, err);
    TempAppFolder folder;
    folder.WriteFamily(QStringLiteral("Smith"),
                       {{"John Smith", "00010002F0003M0000S0000"},
                        {"Mary Smith", "00020001F0000M0000S0000", "Female"},
                        {"Adam Smith", "00030000F0000M0000S0000"},
                        {"Kim Smith", "00040000F0001M0002S0000"}});
    QProcess cli;
    cli.start(QStringLiteral(KINVALE_CLI),
              QStringList{QStringLiteral("--data-dir"), folder.path()} + args);
    QVERIFY(cli.waitForFinished(30000));
    QTEST(cli.exitCode(), "exit_code");
    QTEST(QString::fromUtf8(cli.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts), "out");
    const QString stderr_text = QString::fromUtf8(cli.readAllStandardError());
    QVERIFY2(err.isEmpty() ? stderr_text.isEmpty() : stderr_text.contains(err),
             qPrintable(stderr_text));
    if (args.first() == u"create-family" && cli.exitCode() == 0) {
      QVERIFY(ListFamilies(folder.path()).contains(args.last()));
    }
  }
};

QTEST_GUILESS_MAIN(MainWindowCliTest)
#include "test_mainwindow_cli.moc"
