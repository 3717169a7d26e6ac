// Drawing the person of interest: RefreshMainView, ClearMainView and PickDefaultPerson.
#include <QDir>
#include <QtTest>

#include "mainwindow/main_view.h"
#include "mainwindow/startup.h"
#include "store/record_writer.h"
#include "store/settings.h"
#include "support/temp_family.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kFamily = QStringLiteral("F");

// "Name=link" entries.
std::vector<PersonSpec> People(const QStringList& entries) {
  std::vector<PersonSpec> people;
  for (const QString& entry : entries) {
    const QStringList parts = entry.split(u'=');
    people.push_back({parts[0], parts[1]});
  }
  return people;
}

}  // namespace

class MainViewTest : public QObject {
  Q_OBJECT

 private slots:
  void RefreshDrawsRelatives_data() {
    QTest::addColumn<QStringList>("people");
    QTest::addColumn<QString>("spouse");
    QTest::addColumn<QStringList>("fathers");
    QTest::addColumn<QStringList>("mothers");
    QTest::addColumn<QStringList>("siblings");
    QTest::addColumn<QStringList>("children");
    const QString poi = QStringLiteral("Pat=");
    const QStringList none;

    QTest::newRow("no spouse, empty groups") << QStringList{poi + "00050000F0000M0000S0000"}
                                             << kNoSpouseCaption << none << none << none << none;
    QTest::newRow("all groups, empty slots skipped")
        << QStringList{poi + "00010002F00000003M0004S00050006", "Sam=00020001F0000M0000S0000",
                       "Dad=00030000F0000M0000S0000",           "Mum=00040000F0000M0000S0000",
                       "Sib=00050000F0003M0004S0001",           "Sis=00060000F0003M0004S0001"}
        << "Sam" << QStringList{"Dad"} << QStringList{"Mum"} << QStringList{"Sib", "Sis"} << none;
    // Rows are in file name order (Anna, Bert, Cara, Pat), not in number order.
    QTest::newRow("children through father and mother groups in index order")
        << QStringList{poi + "00010000F0000M0000S0000", "Cara=00020000F0000M0001S0000",
                       "Anna=00040000F0001M0000S0000", "Bert=00030000F00050001M0000S0000",
                       "Dirk=00050000F0000M0000S0000"}
        << kNoSpouseCaption << none << none << none << QStringList{"Anna", "Bert", "Cara"};
    QTest::newRow("a child once per slot naming the person")
        << QStringList{poi + "00010000F0000M0000S0000", "Kid=00020000F00010001M0001S0000"}
        << kNoSpouseCaption << none << none << none << QStringList{"Kid", "Kid", "Kid"};
    QTest::newRow("numbers compared by value")
        << QStringList{poi + "00070000F0000M0000S0000", "Kid=00020000F  07M0000S0000"}
        << kNoSpouseCaption << none << none << none << QStringList{"Kid"};
    QTest::newRow("a number that names nobody gives an empty line")
        << QStringList{poi + "00010099F0098M0000S0000"} << "" << QStringList{""} << none << none
        << none;
    QTest::newRow("own number 0000 has no children")
        << QStringList{poi + "00000000F0000M0000S0000", "Kid=00020000F0000M0000S0000"}
        << kNoSpouseCaption << none << none << none << none;
  }
  void RefreshDrawsRelatives() {
    QFETCH(QStringList, people);
    TempAppFolder folder;
    folder.WriteFamily(kFamily, People(people));
    Session session = folder.OpenSession(kFamily);
    session.view.person_of_interest = QStringLiteral("Pat");
    session.view.fathers.selected = 0;

    RefreshMainView(session);

    QTEST(session.view.spouse, "spouse");
    QTEST(session.view.fathers.names, "fathers");
    QTEST(session.view.mothers.names, "mothers");
    QTEST(session.view.siblings.names, "siblings");
    QTEST(session.view.children.names, "children");
    QCOMPARE(session.view.fathers.selected, -1);
  }

  // Nobody to draw: the screen keeps what it showed.
  void RefreshKeepsScreenWithoutPerson_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("person");
    QTest::newRow("person not in the family") << kFamily << "Nobody";
    QTest::newRow("name differs in case") << kFamily << "pat";
    QTest::newRow("empty index") << ""
                                 << "Pat";
  }
  void RefreshKeepsScreenWithoutPerson() {
    QFETCH(QString, family);
    TempAppFolder folder;
    folder.WriteFamily(kFamily, People({"Pat=00010000F0000M0000S0000"}));
    Session session = folder.OpenSession(family);
    QFETCH(QString, person);
    session.view.person_of_interest = person;
    session.view.spouse = QStringLiteral("Old Spouse");
    session.view.fathers.names = {QStringLiteral("Old Father")};
    session.view.children.names = {QStringLiteral("Old Child")};

    RefreshMainView(session);

    QCOMPARE(session.view.spouse, QStringLiteral("Old Spouse"));
    QCOMPARE(session.view.fathers.names, QStringList{"Old Father"});
    QCOMPARE(session.view.children.names, QStringList{"Old Child"});
  }

  void RefreshShowsOrHidesPhoto_data() {
    QTest::addColumn<QString>("photo_line");  // "<existing>": a picture in the family folder
    QTest::addColumn<bool>("record_present");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("photo_path_kept");
    QTest::newRow("existing picture") << "<existing>" << true << true << false;
    QTest::newRow("blank photo line") << " " << true << false << false;
    QTest::newRow("path naming no file") << "/no/such/picture.png" << true << false << false;
    QTest::newRow("record missing keeps the photo") << "" << false << true << true;
  }
  void RefreshShowsOrHidesPhoto() {
    QFETCH(QString, photo_line);
    QFETCH(bool, record_present);
    QFETCH(bool, visible);
    QFETCH(bool, photo_path_kept);
    TempAppFolder folder;
    folder.WriteFile(kFamily, QStringLiteral("0001001_pat.pic"), "picture");
    const QString picture = QDir(folder.FamilyPath(kFamily)).filePath("0001001_pat.pic");
    PersonSpec pat{QStringLiteral("Pat"), QStringLiteral("00010000F0000M0000S0000")};
    pat.details.photo_path = photo_line == u"<existing>" ? picture : photo_line;
    folder.WriteFamily(kFamily, {pat});
    Session session = folder.OpenSession(kFamily);
    if (!record_present) QVERIFY(QFile::remove(session.RecordPath(pat.name)));
    const QString earlier = QStringLiteral("/earlier/photo.png");
    session.view.photo_visible = true;
    session.view.photo_path = earlier;
    session.current_photo_path = earlier;
    session.view.person_of_interest = pat.name;

    RefreshMainView(session);

    QCOMPARE(session.view.photo_visible, visible);
    const QString expected_line = photo_path_kept ? earlier : pat.details.photo_path;
    QCOMPARE(session.current_photo_path, expected_line);
    QCOMPARE(session.view.photo_path, visible ? expected_line : QString());
  }

  void PickDefaultPersonTakesNumberOne_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("person");
    QTest::newRow("record 0001 present")
        << QStringList{"Ann_0002.dat", "Bob_0001.dat", "Cat_0003.dat"} << "Bob";
    QTest::newRow("no 0001: the last file")
        << QStringList{"Ann_0002.dat", "Bob_0004.dat", "Cat_0003.dat"} << "Cat";
    QTest::newRow("first file containing 0001 wins")
        << QStringList{"Ann_10001.dat", "Bob_0001.dat"} << "Ann";
    QTest::newRow("name with a dot") << QStringList{"J. Smith_0001.dat"} << "J. Smith";
    QTest::newRow("empty family") << QStringList{} << kNoPersonCaption;
  }
  void PickDefaultPersonTakesNumberOne() {
    QFETCH(QStringList, files);
    Session session;
    session.family_files = files;
    session.current_photo_path = QStringLiteral("/old/photo.png");
    session.view.person_of_interest = QStringLiteral("Someone Else");
    session.view.spouse = QStringLiteral("Old Spouse");
    session.view.siblings.names = {QStringLiteral("Old Sibling")};
    session.view.photo_visible = true;

    PickDefaultPerson(session);

    QTEST(session.view.person_of_interest, "person");
    QCOMPARE(session.view.spouse, kNoSpouseCaption);
    QVERIFY(session.view.siblings.names.isEmpty());
    QVERIFY(!session.view.photo_visible);
    QVERIFY(session.current_photo_path.isEmpty());
  }
};

QTEST_GUILESS_MAIN(MainViewTest)
#include "test_mainwindow_view.moc"
