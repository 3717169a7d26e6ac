// kinvale-cli relate and descendants on the demo family: answers on stdout, warnings on
// stderr in the window's order, and the exit codes.
#include <QtTest>

#include "support/cli_runner.h"
#include "support/test_table.h"

using namespace kinvale::testing;
using namespace Qt::StringLiterals;

class CliTest : public QObject {
  Q_OBJECT

 private slots:
  void Commands_data() {  // arguments, input, exit code, stdout lines, stderr
    Columns<QStringList, QByteArray, int, QStringList, QString>();
    const QString missing = "Gender attribute is missing for %1. Results may be inaccurate.\n";
    Row("relate", QStringList{"relate", "Demo", "Thomas Whitfield", "Carl Whitfield"}, ""_ba, 0,
        QStringList{"Carl Whitfield is a great grandfather of Thomas Whitfield."}, "");
    Row("warnings first person first",
        QStringList{"relate", "Demo", "John Bennett", "Martha Bennett"}, ""_ba, 0,
        QStringList{"John Bennett is a spouse of Martha Bennett."},
        missing.arg("John Bennett") + missing.arg("Martha Bennett"));
    Row("batch", QStringList{"relate", "Demo", "--batch"},
        "Thomas Whitfield\tEllen Ashby Moore\r\n\nPeter Whitfield\tBrenda Fisher\n"_ba, 0,
        QStringList{"Ellen Ashby Moore is a first cousin of Thomas Whitfield",
                    "Brenda Fisher is a first cousin of Peter Whitfield"},
        "");
    Row("batch line without a tab", QStringList{"relate", "Demo", "--batch"},
        "Thomas Whitfield Peter Whitfield\nJack Whitfield\tColin Whitfield\n"_ba, 1,
        QStringList{"", "Jack Whitfield is a father of Colin Whitfield."},
        "Line 1: expected two names separated by a tab.\n");
    Row("descendants", QStringList{"descendants", "Demo", "Peter Whitfield"}, ""_ba, 0,
        QStringList{"David Whitfield", "Helen Whitfield Turner", "Ann Whitfield", "James Whitfield",
                    "Emily Turner"},
        "");
    Row("descendants with relations",
        QStringList{"descendants", "Demo", "Mark Turner", "--relations"}, ""_ba, 0,
        QStringList{"Emily Turner\tMark Turner is a father of Emily Turner."}, "");
    Row("descendants of nobody", QStringList{"descendants", "Demo", "Nobody"}, ""_ba, 1,
        QStringList{},
        "There is nobody named \"Nobody\" in this family, so there are no descendants to list.\n");
    Row("usage", QStringList{"relate", "Demo", "Thomas Whitfield"}, ""_ba, 2, QStringList{},
        "Usage: kinvale-cli relate FAMILY NAME1 NAME2 | FAMILY --batch\n");
  }

  void Commands() {
    const auto [arguments, input, code, out, err] =
        Fetch<QStringList, QByteArray, int, QStringList, QString>();
    QTemporaryDir dir;
    const CliResult run = RunCli(dir.filePath("app"), arguments, input);
    QCOMPARE(run.out, out);
    QCOMPARE(run.err, err);
    QCOMPARE(run.exit_code, code);
  }
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_relations_cli.moc"
