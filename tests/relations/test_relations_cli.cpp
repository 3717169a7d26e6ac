// kinvale-cli relate, relatives and descendants on the demo family: answers on stdout, warnings
// on stderr in the window's order, and the exit codes; people named by number, and namesakes.
#include <QtTest>

#include "support/cli_runner.h"
#include "support/temp_family.h"
#include "support/test_main.h"
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
    Row("paths, a person by number",
        QStringList{"relate", "Demo", "Thomas Whitfield", "#7", "--path"}, ""_ba, 0,
        QStringList{"Thomas Whitfield and Jack Whitfield are siblings with the same father.",
                    "  0001\tThomas Whitfield\tchild of", "  0002\tWilliam Whitfield\tfather of",
                    "  0007\tJack Whitfield"},
        "");
    Row("batch with paths", QStringList{"relate", "Demo", "--batch", "--path"},
        "Samuel Hart\tThomas Whitfield\nJoseph Cole\tLily Dawson Pryce\nNobody\tAnn Whitfield\n"_ba,
        1,
        QStringList{"Samuel Hart is a father by marriage of Thomas Whitfield.",
                    "  0042\tSamuel Hart\tfather of", "  0005\tEleanor Hart Whitfield\tspouse of",
                    "  0001\tThomas Whitfield", "", "No relation found.", "", ""},
        "There is nobody named \"Nobody\" in the family \"Demo\".\n");
    Row("relatives", QStringList{"relatives", "Demo", "Jack Whitfield", "--max-degree", "0"}, ""_ba,
        0,
        QStringList{"Spouses", "  spouse\t0046\tBetty Shaw Whitfield", "Parents and grandparents",
                    "  father\t0002\tWilliam Whitfield", "  mother\t0004\tAda Morton Whitfield",
                    "Siblings", "  sibling with the same father\t0006\tGrace Whitfield Fisher",
                    "  sibling with the same father and with the same mother\t0019\tRose Whitfield",
                    "  sibling with the same father\t0001\tThomas Whitfield",
                    "Children and grandchildren", "  son\t0047\tColin Whitfield", "In-laws",
                    "  mother by marriage\t0003\tMary Cole Whitfield",
                    "  sibling by marriage\t0044\tLeonard Fisher",
                    "  sibling by marriage\t0005\tEleanor Hart Whitfield"},
        "");
    Row("relatives, degree out of range",
        QStringList{"relatives", "Demo", "Jack Whitfield", "--max-degree", "11"}, ""_ba, 1,
        QStringList{}, "--max-degree takes a whole number from 0 to 10.\n");
    Row("number nobody has", QStringList{"relatives", "Demo", "#0099"}, ""_ba, 1, QStringList{},
        "Nobody in the family \"Demo\" has the person number 0099.\n");
    Row("usage", QStringList{"relate", "Demo", "Thomas Whitfield"}, ""_ba, 2, QStringList{},
        "Usage: kinvale-cli relate FAMILY NAME1 NAME2 [--path] | FAMILY --batch [--path]\n");
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

  // A name two people carry is refused with both listed; each is reached by number.
  void Namesakes() {
    TempAppFolder folder;
    PersonSpec father{"John Smith", "00010000F0000M0000S"};
    father.details.birth_date = "1901";
    father.details.death_date = "1970";
    folder.WriteFamily("Smiths", {father, {"John Smith", "00020000F0001M0000S"}});
    const CliResult refused = RunCli(folder.path(), {"relatives", "Smiths", "john smith"});
    QCOMPARE(
        refused.err,
        "Several people are called john smith. Which one do you mean? Name the person as #NNNN:\n"
        "  John Smith (0001, 1901\u20131970)\n  John Smith (0002)\n");
    QCOMPARE(refused.exit_code, 1);
    QCOMPARE(RunCli(folder.path(), {"relate", "Smiths", "#2", "#1", "--path"}).out,
             QStringList({"John Smith is a father of John Smith.", "  0002\tJohn Smith\tchild of",
                          "  0001\tJohn Smith"}));
  }
};

KINVALE_TEST(CliTest)
#include "test_relations_cli.moc"
