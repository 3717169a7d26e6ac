// The relation finder on a family on disk: genders read from the records as they are when the
// question is asked, the warning boxes in order, and the names the window lists.
#include <QtTest>

#include "relations/genders.h"
#include "relations/relation_finder.h"
#include "relations/relation_graph.h"
#include "store/record_writer.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kFamily = QStringLiteral("Kin");

void WriteKin(const TempAppFolder& folder, const QString& gender_of_carl) {
  folder.WriteFamily(kFamily, {{"Carl", "00010000F0000M0000S", gender_of_carl},
                               {"Dan", "00020000F0003M0000S", "Male"},
                               {"Ann", "00030000F0001M0000S", "Female"}});
}

}  // namespace

class FinderTest : public QObject {
  Q_OBJECT

 private slots:
  void GenderFromTheRecord_data() {
    QTest::addColumn<QString>("gender");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("warnings");
    const QString warning = "Gender attribute is missing for Carl. Results may be inaccurate.";
    QTest::newRow("male") << "Male"
                          << "Carl is a grandfather of Dan." << QStringList{};
    QTest::newRow("female") << "Female"
                            << "Carl is a grandmother of Dan." << QStringList{};
    QTest::newRow("blank") << " "
                           << "Carl is a grandparent of Dan." << QStringList{warning};
    QTest::newRow("other") << "Unknown"
                           << "Carl is a grandparent of Dan." << QStringList{};
  }

  void GenderFromTheRecord() {
    QFETCH(QString, gender);
    QFETCH(QString, answer);
    QFETCH(QStringList, warnings);
    TempAppFolder folder;
    WriteKin(folder, "Male");
    Session session = folder.OpenSession(kFamily);
    RelationGraph graph(session.index);
    ScriptedPrompter prompter;
    QCOMPARE(FindRelation(session, graph, prompter, "Carl", "Dan"),
             "Carl is a grandfather of Dan.");
    // The same window, asked again after the record changed, reads the record anew.
    WriteKin(folder, gender);
    prompter.messages.clear();
    QCOMPARE(FindRelation(session, graph, prompter, "Dan", "Carl"), answer);
    QCOMPARE(prompter.messages, warnings);
    for (const QString& title : prompter.message_titles) QCOMPARE(title, "Warning");
  }

  void MinimalRecordHasNoGender() {
    TempAppFolder folder;
    WriteKin(folder, "Male");
    folder.WriteFile(kFamily, "Eve_0004.dat", FormatMinimalRecord("00040000F0000M0000S"));
    Session session = folder.OpenSession(kFamily);
    RelationGraph graph(session.index);
    ScriptedPrompter prompter;
    QCOMPARE(FindRelation(session, graph, prompter, "Eve", "Ann"), "No relation found.");
    QCOMPARE(prompter.messages,
             QStringList{"Gender attribute is missing for Eve. Results may be inaccurate."});
  }

  void TypedNameReadsTheListedRecord() {
    TempAppFolder folder;
    WriteKin(folder, "Female");
    const Session session = folder.OpenSession(kFamily);
    QCOMPARE(GenderOf(session, "carl"), "Female");
    QCOMPARE(GenderOf(session, "Nobody"), QString());
    RecordGenders genders(session);
    QCOMPARE(genders(" C a r l "), "Female");
  }

  void ListedNames() {
    QCOMPARE(RelationPersonNames({"Ann Lee_0001.dat", "Ann Lee_0001 Copy.dat", "J. Smith_0002.dat",
                                  "COPY of Bob_0003.dat", "Mary_Ann_0004.dat"}),
             QStringList({"Ann Lee", "J. Smith", "Mary_Ann"}));
  }
};

QTEST_GUILESS_MAIN(FinderTest)
#include "test_relations_finder.moc"
