// kinvale-cli relate and descendants on the demo family: answers on stdout, warnings on
// stderr in the window's order, and the exit codes.
#include <QProcess>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Run {
  int code = -1;
  QString out;
  QString err;
};

Run RunCli(const QString& app_folder, const QStringList& arguments, const QByteArray& input = {}) {
  QProcess process;
  process.start(QStringLiteral(KINVALE_CLI), QStringList{"--data-dir", app_folder} + arguments);
  process.write(input);
  process.closeWriteChannel();
  process.waitForFinished(60000);
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

class CliTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(dir_.isValid()); }

  void Commands_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("relate") << QStringList{"relate", "Demo", "Thomas Whitfield", "Carl Whitfield"}
                            << QByteArray() << 0
                            << "Carl Whitfield is a great grandfather of Thomas Whitfield.\n"
                            << "";
    QTest::newRow("warnings first person first")
        << QStringList{"relate", "Demo", "John Bennett", "Martha Bennett"} << QByteArray() << 0
        << "John Bennett is a spouse of Martha Bennett.\n"
        << "Gender attribute is missing for John Bennett. Results may be inaccurate.\n"
           "Gender attribute is missing for Martha Bennett. Results may be inaccurate.\n";
    QTest::newRow("batch")
        << QStringList{"relate", "Demo", "--batch"}
        << "Thomas Whitfield\tEllen Ashby Moore\r\n\nPeter Whitfield\tBrenda Fisher\n"_ba << 0
        << "Ellen Ashby Moore is a first cousin of Thomas Whitfield\n"
           "Brenda Fisher is a first cousin of Peter Whitfield\n"
        << "";
    QTest::newRow("batch line without a tab")
        << QStringList{"relate", "Demo", "--batch"}
        << "Thomas Whitfield Peter Whitfield\nJack Whitfield\tColin Whitfield\n"_ba << 1
        << "\nJack Whitfield is a father of Colin Whitfield.\n"
        << "Line 1: expected two names separated by a tab.\n";
    QTest::newRow("descendants")
        << QStringList{"descendants", "Demo", "Peter Whitfield"} << QByteArray() << 0
        << "David Whitfield\nHelen Whitfield Turner\nAnn Whitfield\nJames Whitfield\n"
           "Emily Turner\n"
        << "";
    QTest::newRow("descendants with relations")
        << QStringList{"descendants", "Demo", "Mark Turner", "--relations"} << QByteArray() << 0
        << "Emily Turner\tMark Turner is a father of Emily Turner.\n"
        << "";
    QTest::newRow("descendants of nobody")
        << QStringList{"descendants", "Demo", "Nobody"} << QByteArray() << 1 << ""
        << "There is nobody named \"Nobody\" in this family, so there are no descendants to "
           "list.\n";
    QTest::newRow("usage") << QStringList{"relate", "Demo", "Thomas Whitfield"} << QByteArray() << 2
                           << ""
                           << "Usage: kinvale-cli relate FAMILY NAME1 NAME2 | FAMILY "
                              "--batch\n";
  }

  void Commands() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, code);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run run = RunCli(dir_.filePath("app"), arguments, input);
    QCOMPARE(run.out, out);
    QCOMPARE(run.err, err);
    QCOMPARE(run.code, code);
  }

 private:
  QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_relations_cli.moc"
