// The checks around family editing: names that cannot be stored, a person as their own
// relative, a family that has used the last person number, no family open, and the person the
// details editor creates.
#include <QtTest>

#include "editing/add_person.h"
#include "editing/family_editing.h"
#include "editing/link_assembly.h"
#include "editing/save_link_strings.h"
#include "store/family_index.h"
#include "store/name_check.h"
#include "support/editing_fixture.h"

using namespace kinvale;
using namespace kinvale::testing;

class EditingChecksTest : public QObject {
  Q_OBJECT

 private slots:
  void RefusedAnswerChangesNothing_data();
  void RefusedAnswerChangesNothing();
  void FullFamilyStillLinksExistingPeople();
  void NoFamilyOpenRefuses_data();
  void NoFamilyOpenRefuses();
  void EditorCreatesThePersonShown();
};

namespace {

const QStringList kFamily = {"Poi|00030000F0001M0000S0000", "Dad|00010000F0000M0000S0000",
                             "Top|99990000F0000M0000S0000"};

}  // namespace

void EditingChecksTest::RefusedAnswerChangesNothing_data() {
  QTest::addColumn<QString>("operation");
  QTest::addColumn<QString>("answer");
  QTest::addColumn<QString>("message");
  QTest::newRow("name with a path separator") << "add father"
                                              << "Bad/Name" << NameProblem("Bad/Name");
  QTest::newRow("name of spaces") << "add spouse"
                                  << "   " << NameProblem("   ");
  QTest::newRow("name taken for a backup copy") << "add sibling"
                                                << "John Copy" << NameProblem("John Copy");
  QTest::newRow("name with a control character") << "add dependent"
                                                 << "Tab\tName" << NameProblem("Tab\tName");
  QTest::newRow("own father") << "add father"
                              << "poi"
                              << "Poi cannot be their own father.";
  QTest::newRow("own mother") << "add mother"
                              << "POI"
                              << "Poi cannot be their own mother.";
  QTest::newRow("own spouse") << "add spouse"
                              << " Poi"
                              << "Poi cannot be their own spouse.";
  QTest::newRow("own sibling") << "add sibling"
                               << "P oi"
                               << "Poi cannot be their own sibling.";
  QTest::newRow("own dependent") << "add dependent"
                                 << "Poi"
                                 << "Poi cannot be their own dependent.";
  QTest::newRow("new person in a full family") << "add mother"
                                               << "New Mother" << kFamilyFullMessage;
}

void EditingChecksTest::RefusedAnswerChangesNothing() {
  QFETCH(QString, operation);
  QFETCH(QString, answer);
  QFETCH(QString, message);
  EditingFixture fixture;
  fixture.Open(kFamily, "Poi");
  const QStringList links = fixture.Links();
  const QStringList files = fixture.FamilyFiles();
  const MainView view = fixture.session.view;

  QVERIFY(fixture.Run(operation, answer));

  QCOMPARE(fixture.prompter.messages, QStringList{message});
  QCOMPARE(fixture.Links(), links);
  QCOMPARE(fixture.FamilyFiles(), files);
  QCOMPARE(fixture.session.view.fathers.names, view.fathers.names);
  QCOMPARE(fixture.session.view.mothers.names, view.mothers.names);
  QCOMPARE(fixture.session.view.siblings.names, view.siblings.names);
  QCOMPARE(fixture.session.view.children.names, view.children.names);
  QCOMPARE(fixture.session.view.spouse, view.spouse);
}

void EditingChecksTest::FullFamilyStillLinksExistingPeople() {
  EditingFixture fixture;
  fixture.Open(kFamily, "Poi");
  QVERIFY(fixture.Run("add father", "top"));
  QVERIFY(fixture.prompter.messages.isEmpty());
  QCOMPARE(fixture.session.index.row(fixture.session.index.FindRowExact("Poi")).link,
           QString("00030000F00019999M0000S0000"));
}

void EditingChecksTest::NoFamilyOpenRefuses_data() {
  QTest::addColumn<QString>("operation");
  for (const char* operation :
       {"add father", "add mother", "add spouse", "add sibling", "add dependent", "remove father",
        "remove mother", "remove sibling", "remove dependent"}) {
    QTest::newRow(operation) << operation;
  }
}

void EditingChecksTest::NoFamilyOpenRefuses() {
  QFETCH(QString, operation);
  TempAppFolder folder;
  Session session;
  session.app_folder = folder.path();
  session.view.person_of_interest = "Someone";
  RelativeList* list = ListOf(session.view, operation);
  if (list) *list = {{"Relative"}, 0};
  ScriptedPrompter prompter;
  prompter.answers = {"Relative"};

  OperationNamed(operation)(session, prompter);

  QCOMPARE(prompter.messages, QStringList{kNoFamilyOpenMessage});
  QVERIFY(prompter.prompts.isEmpty());
  QVERIFY(session.index.empty());
  QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{});
}

void EditingChecksTest::EditorCreatesThePersonShown() {
  EditingFixture fixture;
  fixture.Open({"Dad|00010000F0000M0000S0000", "Mum|00020000F0000M0000S0000|Female",
                "Sis|00050000F0001M0002S0000|Female"},
               "");
  Session& session = fixture.session;
  session.view.person_of_interest = "New Kid";
  session.view.fathers.names = {"Dad"};
  session.view.mothers.names = {"Mum"};
  session.view.siblings.names = {"Sis"};

  AssembleLinkString(session, "New Kid", AssemblyMode::kParents);
  QCOMPARE(session.last_assembled_link, QString("00060000F0001M0002S0005"));
  QCOMPARE(AddPerson(session, "New Kid", NewPersonKind::kEditor, {"Female", "1 MAY 1990", ""}),
           QString());
  SaveLinkStrings(session, fixture.prompter);

  const IndexRow& row = session.index.row(session.index.FindRowExact("New Kid"));
  QCOMPARE(row.link, QString("00060000F0001M0002S0005"));
  QCOMPARE(row.gender, QString("Female"));
  QCOMPARE(row.birth_date, QString("1 MAY 1990"));
  QCOMPARE(fixture.RecordLinks(), fixture.Links());
  QCOMPARE(AddPerson(session, "Bad:Name", NewPersonKind::kEditor), NameProblem("Bad:Name"));
  QCOMPARE(session.index.size(), 4);
}

QTEST_GUILESS_MAIN(EditingChecksTest)
#include "test_editing_checks.moc"
