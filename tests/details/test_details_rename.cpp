// Change Name: the record file moves to the new name with its contents and number, the name
// list and the person of interest follow, and refused or cancelled renames change nothing.
#include <QtTest>

#include "details/details_editor.h"
#include "support/details_fixture.h"

using namespace kinvale;
using namespace kinvale::testing;

class DetailsRenameTest : public QObject {
  Q_OBJECT

 private slots:
  void ChangeName_data();
  void ChangeName();
};

void DetailsRenameTest::ChangeName_data() {
  QTest::addColumn<QString>("selected");
  QTest::addColumn<QString>("answer");
  QTest::addColumn<bool>("confirm");
  QTest::addColumn<QString>("clashing_file");  // written before the rename
  QTest::addColumn<QStringList>("messages");
  QTest::addColumn<QStringList>("names");
  QTest::addColumn<QStringList>("files");
  QTest::addColumn<QString>("poi");

  const QStringList names = {"Anne Lee", "Bob Lee", "Carl Lee"};
  const QStringList files = {"Anne Lee_0001.dat", "Bob Lee_0002.dat", "Carl Lee_0003.dat"};
  QTest::newRow("name with an apostrophe")
      << "Bob Lee"
      << "Bob O'Lee" << true << "" << QStringList()
      << QStringList{"Anne Lee", "Carl Lee", "Bob O'Lee"}
      << QStringList{"Anne Lee_0001.dat", "Bob O'Lee_0002.dat", "Carl Lee_0003.dat"} << "Anne Lee";
  QTest::newRow("the person of interest")
      << "Anne Lee"
      << "Anna Lee" << true << "" << QStringList() << QStringList{"Bob Lee", "Carl Lee", "Anna Lee"}
      << QStringList{"Anna Lee_0001.dat", "Bob Lee_0002.dat", "Carl Lee_0003.dat"} << "Anna Lee";
  QTest::newRow("over a file of the same number")
      << "Bob Lee"
      << "Robert Lee" << true << "Robert Lee_0002.dat" << QStringList()
      << QStringList{"Anne Lee", "Carl Lee", "Robert Lee"}
      << QStringList{"Anne Lee_0001.dat", "Carl Lee_0003.dat", "Robert Lee_0002.dat"} << "Anne Lee";
  QTest::newRow("nothing selected")
      << ""
      << "Bob O'Lee" << true << "" << QStringList() << names << files << "Anne Lee";
  QTest::newRow("empty answer") << "Bob Lee"
                                << "" << true << "" << QStringList() << names << files
                                << "Anne Lee";
  QTest::newRow("not confirmed") << "Bob Lee"
                                 << "Bob O'Lee" << false << "" << QStringList() << names << files
                                 << "Anne Lee";
  QTest::newRow("name another person has")
      << "Bob Lee" << "carl  lee" << true << ""
      << QStringList{"\"carl  lee\" cannot be the new name: the family already has \"Carl "
                     "Lee\". Choose a name nobody has."}
      << names << files << "Anne Lee";
  QTest::newRow("own name in other letters")
      << "Bob Lee" << "BOB LEE" << true << ""
      << QStringList{"\"BOB LEE\" cannot be the new name: the family already has \"Bob Lee\". "
                     "Choose a name nobody has."}
      << names << files << "Anne Lee";
  QTest::newRow("name that cannot be stored")
      << "Bob Lee" << "Bob Copy" << true << ""
      << QStringList{"The name \"Bob Copy\" cannot be stored: names containing \"copy\" are "
                     "taken for backup copies and would never load."}
      << names << files << "Anne Lee";
}

void DetailsRenameTest::ChangeName() {
  QFETCH(QString, selected);
  QFETCH(QString, answer);
  QFETCH(bool, confirm);
  QFETCH(QString, clashing_file);
  QFETCH(QStringList, messages);
  QFETCH(QStringList, names);
  QFETCH(QStringList, files);
  QFETCH(QString, poi);
  DetailsFixture fixture;
  fixture.prompter.answers = {answer};
  fixture.prompter.confirmations = {confirm};
  DetailsEditor editor(fixture.session, fixture.prompter);
  editor.Open();
  RelativeList& list = editor.fields().names;
  list.selected = static_cast<int>(list.names.indexOf(selected));
  const QString number = fixture.session.index.NumberOfName(selected);
  const QString old_file = RecordFileName(selected, number);
  const QByteArray old_record = fixture.Bytes(old_file);
  if (!clashing_file.isEmpty()) fixture.folder.WriteFile(kLeeFamily, clashing_file, "clash\r\n");

  const bool renamed = editor.ChangeName();

  QCOMPARE(renamed, names != QStringList({"Anne Lee", "Bob Lee", "Carl Lee"}));
  QCOMPARE(fixture.prompter.prompts,
           selected.isEmpty() ? QStringList() : QStringList{"Enter New Name"});
  QCOMPARE(fixture.prompter.messages, messages);
  QCOMPARE(list.names, names);
  QCOMPARE(fixture.Files(), files);
  QCOMPARE(fixture.session.view.person_of_interest, poi);
  if (!renamed) return;
  QCOMPARE(fixture.prompter.questions, QStringList{"Change " + selected + " to " + answer + "?"});
  QCOMPARE(list.selected, -1);
  QCOMPARE(editor.fields().name_box, poi);
  QVERIFY(fixture.session.index.FindRowExact(selected) < 0);
  const QString new_file = RecordFileName(answer, number);
  QCOMPARE(fixture.Bytes(new_file), old_record);
  // What is known of line 1 on disk follows the file.
  QCOMPARE(fixture.session.record_line1.value(new_file), old_record.left(23));
  QVERIFY(!fixture.session.record_line1.contains(old_file));
}

QTEST_GUILESS_MAIN(DetailsRenameTest)
#include "test_details_rename.moc"
