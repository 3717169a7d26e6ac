// What the main window shows: start-up with and without settings, RefreshMainView and
// PickDefaultPerson (the information view reads a record as the details editor does, tested
// there); the Back and Forward history; and the command line's view and "Create".
#include <QDir>
#include <QtTest>

#include "mainwindow/person_history.h"
#include "session/main_view.h"
#include "session/startup.h"
#include "store/families.h"
#include "store/settings.h"
#include "support/cli_runner.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const char* const kOld = "spouse Old, father Old, mother Old, sibling Old, child Old";

// The spouse and then every relative with the list it stands in.
QString Shown(const MainView& view) {
  QStringList parts{"spouse " + view.spouse};
  const std::pair<const char*, const RelativeList*> lists[] = {{"father", &view.fathers},
                                                               {"mother", &view.mothers},
                                                               {"sibling", &view.siblings},
                                                               {"child", &view.children}};
  for (const auto& [place, list] : lists) {
    for (const QString& name : list->names) parts << place + (u' ' + name);
  }
  return parts.join(", ");
}

// What a screen showed before: "Old" in every place, the first father selected, an old photo.
void ShowOld(Session& session) {
  MainView& view = session.view;
  view.spouse = "Old";
  for (RelativeList* list : {&view.fathers, &view.mothers, &view.siblings, &view.children}) {
    list->Clear();
    list->Append(99, "Old");
  }
  view.fathers.selected = 0;
  view.photo_visible = true;
  view.photo_path = session.current_photo_path = "/old.png";
}

// The family F of people given as "Name=link" entries split by blanks ("_" stands for a blank).
Session OpenFamily(const TempAppFolder& folder, const QString& people) {
  std::vector<PersonSpec> specs;
  for (const QString& entry : people.split(u' ', Qt::SkipEmptyParts)) {
    specs.push_back({entry.section(u'=', 0, 0), entry.section(u'=', 1).replace(u'_', u' ')});
  }
  folder.WriteFamily("F", specs);
  return folder.OpenSession("F");
}

}  // namespace

class MainViewTest : public QObject {
  Q_OBJECT

 private slots:
  // The reading rules of settings.db itself are the store's; here, what start-up does with them.
  // settings.db (empty: none), and the family, person of interest and what Shown gives.
  void StartSessionFollowsSettings_data() {
    Columns<QByteArray, QString>();
    Row("no settings file", QByteArray(), "|Person of Interest|spouse Spouse");
    Row("family and person", QByteArray("F\r\nJohn\r\n"), "F|John|spouse Mary, father Adam");
    Row("person no longer in the family", QByteArray("F\r\nGone\r\n"), "F|Gone|spouse Spouse");
  }
  void StartSessionFollowsSettings() {
    const auto [settings, shown] = Fetch<QByteArray, QString>();
    TempAppFolder folder;
    OpenFamily(folder,
               "John=00010002F0003M0000S0000 Mary=00020001F0000M0000S0000 "
               "Adam=00030000F0000M0000S0000");
    if (!settings.isEmpty()) folder.WriteFile(".", kSettingsFileName, settings);
    Session session;
    ScriptedPrompter prompter;
    QStringList titles;
    QString error;
    QVERIFY(StartSession(
        session, prompter, folder.path(), [&titles](const QString& t) { titles.append(t); },
        &error));

    QCOMPARE(titles, (QStringList{kTitleLoading, kTitleSettingUp, kTitleReady}));
    QCOMPARE(session.family + '|' + session.view.person_of_interest + '|' + Shown(session.view),
             shown);
    QCOMPARE(prompter.messages, QStringList());
  }

  void RefreshDrawsRelatives_data() {  // people, person, shown
    Columns<QString, QString, QString>();
    Row("no spouse, empty groups", "Pat=00050000F0000M0000S0000", "Pat", "spouse Spouse");
    Row("all groups, empty slots skipped",
        "Pat=00010002F00000003M0004S00050006 Sam=00020001F0000M0000S0000 "
        "Dad=00030000F0000M0000S0000 Mum=00040000F0000M0000S0000 Sib=00050000F0003M0004S0001 "
        "Sis=00060000F0003M0004S0001",
        "Pat", "spouse Sam, father Dad, mother Mum, sibling Sib, sibling Sis");
    // Rows are in file name order (Anna, Bert, Cara, Pat), not in number order.
    Row("children through father and mother groups in index order",
        "Pat=00010000F0000M0000S0000 Cara=00020000F0000M0001S0000 Anna=00040000F0001M0000S0000 "
        "Bert=00030000F00050001M0000S0000 Dirk=00050000F0000M0000S0000",
        "Pat", "spouse Spouse, child Anna, child Bert, child Cara");
    Row("a child once per slot naming the person",
        "Pat=00010000F0000M0000S0000 Kid=00020000F00010001M0001S0000", "Pat",
        "spouse Spouse, child Kid, child Kid, child Kid");
    Row("numbers compared by value", "Pat=00070000F0000M0000S0000 Kid=00020000F__07M0000S0000",
        "Pat", "spouse Spouse, child Kid");
    Row("a number that names nobody gives an empty line", "Pat=00010099F0098M0000S0000", "Pat",
        "spouse , father ");
    Row("own number 0000 has no children",
        "Pat=00000000F0000M0000S0000 Kid=00020000F0000M0000S0000", "Pat", "spouse Spouse");
    // Nobody to draw: the screen keeps what it showed.
    Row("name differs in case", "Pat=00010000F0000M0000S0000", "pat", kOld);
    Row("empty index", "", "Pat", kOld);
  }
  void RefreshDrawsRelatives() {
    const auto [people, person, shown] = Fetch<QString, QString, QString>();
    TempAppFolder folder;
    Session session = OpenFamily(folder, people);
    ShowOld(session);
    session.view.person_of_interest = person;

    RefreshMainView(session);

    QCOMPARE(Shown(session.view), shown);
    QCOMPARE(session.view.fathers.selected, shown == kOld ? 0 : -1);
  }

  // Pat's photo line, and then the photo shown ("hidden" when none) and the photo path kept.
  // The line "-" stands for a record that is gone.
  void RefreshShowsOrHidesPhoto_data() {
    Columns<QString, QString>();
    Row("existing picture", "<picture>", "<picture>|<picture>");
    Row("blank photo line", " ", "hidden| ");
    Row("path naming no file", "/no/such/picture.png", "hidden|/no/such/picture.png");
    Row("record missing keeps the photo", "-", "/old.png|/old.png");
  }
  void RefreshShowsOrHidesPhoto() {
    auto [photo_line, shown] = Fetch<QString, QString>();
    TempAppFolder folder;
    folder.WriteFile("F", "0001001_pat.pic", "picture");
    const QString picture = QDir(folder.FamilyPath("F")).filePath("0001001_pat.pic");
    PersonSpec pat{"Pat", "00010000F0000M0000S0000"};
    pat.details.photo_path = QString(photo_line).replace("<picture>", picture);
    folder.WriteFamily("F", {pat});
    Session session = folder.OpenSession("F");
    if (photo_line == u"-") QVERIFY(QFile::remove(RecordPathOf(session, pat.name)));
    ShowOld(session);
    session.view.person_of_interest = pat.name;

    RefreshMainView(session);

    const MainView& view = session.view;
    QCOMPARE((view.photo_visible ? view.photo_path : "hidden" + view.photo_path) + '|' +
                 session.current_photo_path,
             shown.replace("<picture>", picture));
  }

  // A freshly opened family shows the person of the first file holding "0001", else of the last
  // file, on a screen cleared of the family shown before.
  void PickDefaultPersonTakesNumberOne_data() {  // files ("|" between names), person
    Columns<QString, QString>();
    Row("record 0001 present", "Ann_0002.dat|Bob_0001.dat|Cat_0003.dat", "Bob");
    Row("no 0001: the last file", "Ann_0002.dat|Bob_0004.dat|Cat_0003.dat", "Cat");
    Row("first file containing 0001 wins", "Ann_10001.dat|Bob_0001.dat", "Ann");
    Row("name with a dot", "J. Smith_0001.dat", "J. Smith");
    Row("empty family", "", kNoPersonCaption.ToString());
  }
  void PickDefaultPersonTakesNumberOne() {
    const auto [files, person] = Fetch<QString, QString>();
    Session session;
    session.family_files = files.split(u'|', Qt::SkipEmptyParts);
    ShowOld(session);
    session.view.person_of_interest = "Someone Else";

    PickDefaultPerson(session);

    QCOMPARE(session.view.person_of_interest, person);
    QCOMPARE(Shown(session.view), QStringLiteral("spouse Spouse"));
    QVERIFY(!session.view.photo_visible && session.current_photo_path.isEmpty());
  }

  // steps: a number visits that person, "<" is Back, ">" Forward, "xN" removes person N from
  // the family. landed: what each Back and Forward gave (0: it could not move).
  void Walk_data() {
    Columns<int, QString, QString, bool, bool>();
    Row("empty", 200, "< >", "0 0", false, false);
    Row("new person drops the forward part", 200, "1 2 3 < < 4 > <", "2 1 0 1", false, true);
    Row("the current person again is no visit", 200, "1 2 < 1 >", "1 2", true, false);
    Row("oldest dropped at the bound", 3, "1 2 3 4 < < <", "3 2 0", false, true);
    Row("removed person passed going back", 200, "1 2 3 x2 <", "1", false, true);
    Row("removed person passed going forward", 200, "1 2 3 < < x2 >", "2 1 3", true, false);
    Row("nobody left behind", 200, "1 2 x1 <", "0", false, false);
  }
  void Walk() {
    const auto [capacity, steps, landed, can_back, can_forward] =
        Fetch<int, QString, QString, bool, bool>();
    PersonHistory history(capacity);
    QSet<int> gone;
    const PersonHistory::Exists exists = [&gone](int number) { return !gone.contains(number); };
    QStringList results;
    for (const QString& step : steps.split(u' ')) {
      if (step == "<" || step == ">") {
        results << QString::number(step == "<" ? history.Back(exists) : history.Forward(exists));
      } else if (step.startsWith(u'x')) {
        gone.insert(step.mid(1).toInt());
      } else {
        history.Visit(step.toInt());
      }
    }
    QCOMPARE(results.join(u' '), landed);
    QCOMPARE(history.CanGoBack(exists), can_back);
    QCOMPARE(history.CanGoForward(exists), can_forward);
  }

  // The command line's view of the default person (test_cli views people named by number), and
  // Create with a new and a refused name.
  void Commands() {
    TempAppFolder folder;
    folder.WriteFamily("Smith", {{"John Smith", "00010002F0003M0000S0000"},
                                 {"Mary Smith", "00020001F0000M0000S0000", "Female"},
                                 {"Adam Smith", "00030000F0000M0000S0000"},
                                 {"Kim Smith", "00040000F0001M0002S0000"}});
    const CliResult view = RunCli(folder.path(), {"view", "Smith"});
    QCOMPARE(view.exit_code, 0);
    QCOMPARE(view.out.join(u'|'),
             "Person of Interest: John Smith|Spouse: Mary Smith|"
             "Father: Adam Smith|Children / Dependents: Kim Smith|Photo:");
    const CliResult created = RunCli(folder.path(), {"create-family", "Jones"});
    QCOMPARE(created.out, QStringList{"New Family Created"});
    QVERIFY(view.err.isEmpty() && created.exit_code == 0 && created.err.isEmpty());
    const CliResult refused = RunCli(folder.path(), {"create-family", "Jo#nes"});
    QCOMPARE(refused.exit_code, 1);
    QVERIFY2(refused.err.contains("No special characters please"), qPrintable(refused.err));
    QCOMPARE(ListFamilies(folder.path()), (QStringList{"Jones", "Smith"}));
  }
};

KINVALE_TEST(MainViewTest)
#include "test_mainwindow_view.moc"
