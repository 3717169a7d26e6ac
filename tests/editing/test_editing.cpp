// The add and remove buttons: every person's link string afterwards, the list or caption shown,
// the records on disk, and the answers refused with a message (names that cannot be stored, a
// person as their own relative, a family that has used person number 9999, no family open).
// Saving link strings: line 1 replaced with every other byte kept, only the records that differ
// written, a family folder with stray, missing or unusable files. kinvale-cli add and remove:
// the changed link strings printed, the exit codes of refused or mistaken commands.
#include <QtTest>

#include <sys/stat.h>
#include "editing/editing_texts.h"
#include "editing/family_editing.h"
#include "editing/save_link_strings.h"
#include "store/record_writer.h"
#include "support/cli_runner.h"
#include "support/editing_fixture.h"
#include "support/gedcom_fixture.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;
using namespace Qt::StringLiterals;

namespace {

struct ButtonCase {
  const char* title;
  const char* family;        // "name|link[|gender]; ..."
  const char* poi;           // "" for nobody shown
  const char* operation;     // "add father", ..., "remove dependent"
  const char* argument;      // the name typed for an add, the entry selected for a remove
  const char* changed;       // "name|link; ..." for every row changed or added
  const char* shown;         // the list afterwards ("; " between entries), or the spouse caption
  const char* message = "";  // the one message shown
};

const char* const kLone = "Poi|00030000F0000M0000S0000; Max|00070000F0000M0000S0000";
const char* const kFull =
    "Poi|00030000F0001M0000S0000; Dad|00010000F0000M0000S0000; Top|99990000F0000M0000S0000";

const ButtonCase kCases[] = {
    {"first father is new, with the next number; the spouse is made to point back",
     "Poi|00030004F0000M0000S0000; Sue|00040000F0000M0000S0000|Female; Max|00070000F0000M0000S0000",
     "Poi", "add father", "John Smith",
     "Poi|00030004F0008M0000S0000; Sue|00040003F0000M0000S0000; "
     "John Smith|00080000F0000M0000S0000",
     "John Smith"},
    {"second father follows the first, an entry naming nobody keeps its number, the siblings stay",
     "Poi|00030000F00420008M0000S0005; John|00080000F0000M0000S0000; Sib|00050000F0000M0000S0003",
     "Poi", "add father", "Jim", "Poi|00030000F004200080009M0000S0005; Jim|00090000F0000M0000S0000",
     "; John; Jim"},
    {"cancel", kLone, "Poi", "add father", "", "", ""},
    {"mother", kLone, "Poi", "add mother", "Mary",
     "Poi|00030000F0000M0008S0000; Mary|00080000F0000M0000S0000", "Mary"},
    {"father with nobody shown", kLone, "", "add father", "John", "John|00080000F0000M0000S0000",
     "John"},
    {"existing name in another case, even in a full family", kFull, "Poi", "add father", "top",
     "Poi|00030000F00019999M0000S0000", "Dad; Top"},

    {"new spouse; the previous spouse is unlinked",
     "Poi|00030004F0000M0000S0000; Old|00040003F0000M0000S0000; Ann|00050000F0000M0000S0000", "Poi",
     "add spouse", "Sue",
     "Poi|00030006F0000M0000S0000; Old|00040000F0000M0000S0000; Sue|00060003F0000M0000S0000",
     "Sue"},
    {"spouse married to someone else keeps that link",
     "Poi|00030000F0000M0000S0000; Ann|00050006F0000M0000S0000; Bob|00060005F0000M0000S0000", "Poi",
     "add spouse", "Ann", "Poi|00030005F0000M0000S0000", "Ann"},
    {"current spouse again", "Poi|00030004F0000M0000S0000; Old|00040003F0000M0000S0000", "Poi",
     "add spouse", "Old", "", "Old"},
    {"spouse in another case is linked both ways",
     "Poi|00030000F0000M0000S0000; Ann|00050000F0000M0000S0000", "Poi", "add spouse", "ann",
     "Poi|00030005F0000M0000S0000; Ann|00050003F0000M0000S0000", "Ann"},

    {"second sibling is added to the first",
     "Dad|00010000F0000M0000S0000; Mum|00020000F0000M0000S0000|Female; "
     "Poi|00030000F0001M0002S0008; Ann|00080000F0001M0002S0003",
     "Poi", "add sibling", "Bob",
     "Poi|00030000F0001M0002S00080009; Ann|00080000F0001M0002S00030009; "
     "Bob|00090000F0001M0002S00030008",
     "Ann; Bob"},
    {"a sibling group of 0000 gets the number in its place",
     "Poi|00030000F0000M0000S0008; Ann|00080000F0000M0000S0000", "Poi", "add sibling", "Bob",
     "Poi|00030000F0000M0000S00080009; Ann|00080000F0000M0000S0009; "
     "Bob|00090000F0000M0000S00030008",
     "Ann; Bob"},
    {"existing sibling keeps number and spouse",
     "Dad|00010000F0000M0000S0000; Mum|00020000F0000M0000S0000|Female; "
     "Poi|00030000F0001M0002S0000; Ann|00080005F0007M0000S0000; Sid|00050008F0000M0000S0000",
     "Poi", "add sibling", "Ann", "Poi|00030000F0001M0002S0008; Ann|00080005F0001M0002S0003",
     "Ann"},
    {"listed sibling typed again in another case is not its own sibling",
     "Poi|00030000F0000M0000S0008; Ann|00080000F0000M0000S0003", "Poi", "add sibling", "ann",
     "Poi|00030000F0000M0000S00080008", "Ann; Ann"},

    {"dependent of a woman: the spouse is the father",
     "Poi|00040005F0000M0000S0000|Female; Sid|00050004F0000M0000S0000", "Poi", "add dependent",
     "Kid", "Kid|00060000F0005M0004S0000", "Kid"},
    {"dependent of a man: he is the father; each of three children lists the other two",
     "Poi|00040005F0000M0000S0000; Sue|00050004F0000M0000S0000|Female; "
     "A|00060000F0004M0005S0007; B|00070000F0004M0005S0006",
     "Poi", "add dependent", "C",
     "A|00060000F0004M0005S00070008; B|00070000F0004M0005S00060008; "
     "C|00080000F0004M0005S00060007",
     "A; B; C"},
    {"existing person as dependent keeps the number only",
     "Poi|00040005F0000M0000S0000; Sue|00050004F0000M0000S0000|Female; "
     "Zed|00090011F0001M0002S0003",
     "Poi", "add dependent", "Zed", "Zed|00090000F0004M0005S0000", "Zed"},
    {"dependent with nobody shown", kLone, "", "add dependent", "Kid", "", ""},

    {"second of two fathers",
     "Poi|00030000F00010009M0002S0000; A|00010000F0000M0000S0000; B|00090000F0000M0000S0000", "Poi",
     "remove father", "B", "Poi|00030000F0001M0002S0000", "A"},
    {"only father leaves the placeholder", "Poi|00030000F0001M0002S0000; A|00010000F0000M0000S0000",
     "Poi", "remove father", "A", "Poi|00030000F0000M0002S0000", ""},
    {"a number spanning own and spouse numbers is no entry",
     "Poi|00100000F00050100M0000S0000; A|00050000F0000M0000S0000; X|01000000F0000M0000S0000", "Poi",
     "remove father", "X", "Poi|00100000F0005M0000S0000", "A"},
    {"mother",
     "Poi|00030000F0000M00020006S0000; M|00020000F0000M0000S0000; N|00060000F0000M0000S0000", "Poi",
     "remove mother", "N", "Poi|00030000F0000M0002S0000", "M"},
    {"the group holding the number decides",
     "Poi|00030000F0001M0001S0000; A|00010000F0000M0000S0000", "Poi", "remove mother", "A",
     "Poi|00030000FM0001S0000", ""},
    {"father listed twice loses one entry",
     "Poi|00030000F00010001M0000S0000; A|00010000F0000M0000S0000", "Poi", "remove father", "A",
     "Poi|00030000F0001M0000S0000", "A"},
    {"sibling loses every link, even its spouse",
     "Poi|00030000F0001M0002S00080009; Ann|00080000F0001M0002S00030009; "
     "Bob|00090007F0001M0002S00030008",
     "Poi", "remove sibling", "Bob",
     "Poi|00030000F0001M0002S0008; Ann|00080000F0001M0002S0003; Bob|00090000F0000M0000S0000",
     "Ann"},
    {"last sibling leaves the placeholder",
     "Poi|00030000F0000M0000S0008; Ann|00080000F0000M0000S0003", "Poi", "remove sibling", "Ann",
     "Poi|00030000F0000M0000S0000; Ann|00080000F0000M0000S0000", ""},
    {"sibling naming nobody only leaves the list",
     "Poi|00030000F0000M0000S00420008; Ann|00080000F0000M0000S0003", "Poi", "remove sibling", "",
     "", "Ann"},
    {"dependent keeps its spouse, the others no longer list it",
     "Poi|00040005F0000M0000S0000; Sue|00050004F0000M0000S0000|Female; "
     "A|00060011F0004M0005S00070008; B|00070000F0004M0005S00060008; "
     "C|00080000F0004M0005S00060007",
     "Poi", "remove dependent", "A",
     "A|00060011F0000M0000S0000; B|00070000F0004M0005S0008; C|00080000F0004M0005S0007", "B; C"},
    {"father with nothing selected", kFull, "Poi", "remove father", "", "", "Dad"},
    {"dependent with nothing selected", "Poi|00040000F0000M0000S0000; K|00060000F0004M0000S0000",
     "Poi", "remove dependent", "", "", "K"},

    {"name with a path separator", kLone, "Poi", "add father", "Bad/Name", "", "",
     "The name \"Bad/Name\" cannot be stored: file names cannot hold \"/\"."},
    {"name taken for a backup copy", kLone, "Poi", "add sibling", "John Copy", "", "",
     "The name \"John Copy\" cannot be stored: names containing \"copy\" are taken for backup "
     "copies and would never load."},
    {"own father", kLone, "Poi", "add father", "poi", "", "", "Poi cannot be their own father."},
    {"own mother", kLone, "Poi", "add mother", "POI", "", "", "Poi cannot be their own mother."},
    {"own spouse", kLone, "Poi", "add spouse", " Poi", "", "Spouse",
     "Poi cannot be their own spouse."},
    {"own sibling", kLone, "Poi", "add sibling", "P oi", "", "",
     "Poi cannot be their own sibling."},
    {"own dependent", kLone, "Poi", "add dependent", "Poi", "", "",
     "Poi cannot be their own dependent."},
    {"new person in a full family", kFull, "Poi", "add mother", "New Mother", "", "",
     "This family already uses person number 9999, the highest a record can carry; no more "
     "people can be added."},
};

QStringList Items(const char* text) {
  const QString items = QString::fromUtf8(text);
  return items.isEmpty() ? QStringList() : items.split(QStringLiteral("; "));
}

// "name|link" of every person, sorted: the family's with the changes made, the new ones added.
QStringList LinksAfter(const QStringList& family, const QStringList& changed) {
  QMap<QString, QString> links;
  for (const QString& person : family + changed) {
    links[person.section(u'|', 0, 0)] = person.section(u'|', 1, 1);
  }
  QStringList all;
  for (auto it = links.cbegin(); it != links.cend(); ++it) all.append(it.key() + u'|' + it.value());
  return all;
}

const QStringList kFamily = {"Poi|00030004F0000M0000S0000", "Sue|00040003F0000M0000S0000|Female",
                             "Max|00070000F0000M0000S0000"};

ino_t InodeOf(const QString& path) {
  struct stat info {};
  return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

}  // namespace

class EditingTest : public QObject {
  Q_OBJECT

 private slots:
  void ButtonGivesLinks_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < static_cast<int>(std::size(kCases)); ++i) {
      QTest::newRow(kCases[i].title) << i;
    }
  }
  void ButtonGivesLinks() {
    QFETCH(int, index);
    const ButtonCase& c = kCases[index];
    const QString operation = c.operation;
    EditingFixture fixture;
    fixture.Open(Items(c.family), c.poi);
    fixture.Run(operation, c.argument);

    QStringList links = fixture.Links();
    links.sort();
    QCOMPARE(links, LinksAfter(Items(c.family), Items(c.changed)));
    QCOMPARE(fixture.RecordLinks(), fixture.Links());
    QCOMPARE(fixture.FamilyFiles().size(), fixture.session.index.size());
    QCOMPARE(fixture.prompter.messages, *c.message ? QStringList{c.message} : QStringList());
    const RelativeList* list = ListOf(fixture.session.view, operation);
    QCOMPARE(list ? list->names : QStringList{fixture.session.view.spouse}, Items(c.shown));
    if (operation.startsWith(u"remove") || operation == u"add sibling")
      QCOMPARE(list->selected, -1);
    if (operation == u"add dependent" && *c.poi && !*c.message) {
      QCOMPARE(list->selected, list->names.size() - 1);
    }
  }
  void NoFamilyOpenRefuses_data() {
    QTest::addColumn<QString>("operation");
    for (const char* operation :
         {"add father", "add mother", "add spouse", "add sibling", "add dependent", "remove father",
          "remove mother", "remove sibling", "remove dependent"}) {
      QTest::newRow(operation) << operation;
    }
  }
  void NoFamilyOpenRefuses() {
    QFETCH(QString, operation);
    TempAppFolder folder;
    Session session;
    session.app_folder = folder.path();
    session.view.person_of_interest = "Someone";
    if (RelativeList* list = ListOf(session.view, operation)) {
      list->Append(1, "Relative");
      list->selected = 0;
    }
    ScriptedPrompter prompter;
    prompter.answers = {"Relative"};

    OperationNamed(operation)(session, prompter);

    QCOMPARE(prompter.messages, QStringList{kNoFamilyOpenMessage});
    QVERIFY(prompter.prompts.isEmpty());
    QVERIFY(session.index.empty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{});
  }

  void CommandPrintsChangedLinks_data() {
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
  void CommandPrintsChangedLinks() {
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

  void FirstLineIsReplacedAlone_data() {
    Columns<QByteArray, QString, QByteArray>();  // record, link, expected
    Row("CR LF", "old\r\nb\r\nc"_ba, "NEW", "NEW\r\nb\r\nc"_ba);
    Row("LF line ends stay", "old\nb\n"_ba, "NEW", "NEW\nb\n"_ba);
    Row("line 1 alone without line end", "old"_ba, "NEW", "NEW\r\n"_ba);
    Row("byte order mark stays", "\xEF\xBB\xBFold\r\nb\r\n"_ba, "NEW",
        "\xEF\xBB\xBFNEW\r\nb\r\n"_ba);
    Row("Windows-1252 lines stay", "old\r\nJos\xE9\r\n"_ba, "NEW", "NEW\r\nJos\xE9\r\n"_ba);
    Row("non-ASCII link in a Windows-1252 record", "old\r\nJos\xE9\r\n"_ba,
        QString::fromUtf8("N\xC3\xA9"), "N\xE9\r\nJos\xE9\r\n"_ba);
    Row("non-ASCII link in a UTF-8 record", "old\r\nJos\xC3\xA9\r\n"_ba,
        QString::fromUtf8("N\xC3\xA9"), "N\xC3\xA9\r\nJos\xC3\xA9\r\n"_ba);
  }
  void FirstLineIsReplacedAlone() {
    const auto [record, link, expected] = Fetch<QByteArray, QString, QByteArray>();
    QCOMPARE(WithFirstLine(record, link), expected);
  }
  void NotedWritesAreTrusted() {
    EditingFixture fixture;
    fixture.Open(kFamily, "Poi");
    Session& session = fixture.session;
    const QString poi = RecordPathOf(session, "Poi");
    const QByteArray written = WithFirstLine(ReadBytes(poi), "written elsewhere");
    fixture.folder.WriteFile(kTestFamily, "Poi_0003.dat", written);
    session.record_line1.insert("Poi_0003.dat", "written elsewhere");
    SaveLinkStrings(session, fixture.prompter, "Test step");
    QCOMPARE(fixture.RecordLinks(), fixture.Links());
  }
  // A person appended during the session has no record yet, Max's link changes, and the folder
  // holds something in the way. Every record but an unusable one follows the index afterwards, and
  // Sue's, which already did, is not written again.
  void FolderIsRepaired_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("reported");  // Ghost's record could not be written, and said so
    QTest::newRow("stray temporary files are deleted") << "stray" << false;
    QTest::newRow("a deleted folder is created again with minimal records") << "deleted" << false;
    QTest::newRow("an empty record becomes a minimal record") << "empty file" << false;
    QTest::newRow("a folder in the way is left alone and reported") << "folder" << true;
  }
  void FolderIsRepaired() {
    QFETCH(QString, setup);
    QFETCH(bool, reported);
    EditingFixture fixture;
    fixture.Open(kFamily, "Poi");
    Session& session = fixture.session;
    const QString ghost = session.FamilyFilePath("Ghost_0008.dat");
    const ino_t sue = InodeOf(RecordPathOf(session, "Sue"));
    if (setup == "stray") {
      fixture.folder.WriteFile(kTestFamily, "Old Copy.tmp", "left over");
      fixture.folder.WriteFile(kTestFamily, "Poi_0003.dat.tmp", "half written");
    }
    if (setup == "deleted") QVERIFY(QDir(session.FamilyPath()).removeRecursively());
    if (setup == "empty file") fixture.folder.WriteFile(kTestFamily, "Ghost_0008.dat", "");
    if (setup == "folder") QVERIFY(QDir().mkdir(ghost));
    session.index.Append({"00080000F0000M0000S0000", "Ghost", {}, {}, {}});
    session.index.SetLink(0, "00070000F0008M0000S0000");  // Max, the first row

    SaveLinkStrings(session, fixture.prompter, "Test step");

    QStringList links = fixture.Links();
    if (reported) {  // the change stops whole: Max keeps the link the record had
      links.first() = "Max|00070000F0000M0000S0000";
      links.last() = "Ghost|<missing>";
    }
    QCOMPARE(fixture.RecordLinks(), links);
    QStringList files = {"Max_0007.dat", "Poi_0003.dat", "Sue_0004.dat"};
    if (!reported) files.prepend("Ghost_0008.dat");
    QCOMPARE(fixture.FamilyFiles(), files);
    QCOMPARE(fixture.prompter.messages.size(), reported ? 1 : 0);
    if (setup != "deleted") QCOMPARE(InodeOf(RecordPathOf(session, "Sue")), sue);
    if (reported) {
      QVERIFY(QFileInfo(ghost).isDir());
      QVERIFY(fixture.prompter.messages[0].startsWith(kRecordsNotSavedMessage + "\nGhost: "));
      return;
    }
    for (const IndexRow& row : session.index.rows()) {
      if (setup == "deleted" || row.name == u"Ghost") {
        QCOMPARE(ReadBytes(RecordPathOf(session, row.name)), FormatMinimalRecord(row.link));
      }
    }
  }
};

KINVALE_TEST(EditingTest)
#include "test_editing.moc"
