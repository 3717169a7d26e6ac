// Change Name: the record file moves to the new name with its contents and number, the name
// list and the person of interest follow, and refused or cancelled renames change nothing.
#include <QtTest>

#include "details/details_editor.h"
#include "support/details_fixture.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kUnchanged = QStringLiteral("Anne Lee|Bob Lee|Carl Lee");

}  // namespace

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
  QTest::addColumn<QString>("message");
  QTest::addColumn<QString>("names");  // the name list afterwards; the files follow it
  QTest::newRow("apostrophe") << "Bob Lee"
                              << "Bob O'Lee" << true << ""
                              << "Anne Lee|Carl Lee|Bob O'Lee";
  QTest::newRow("person of interest") << "Anne Lee"
                                      << "Anna Lee" << true << ""
                                      << "Bob Lee|Carl Lee|Anna Lee";
  QTest::newRow("over a file of the same number") << "Bob Lee"
                                                  << "Robert Lee" << true << ""
                                                  << "Anne Lee|Carl Lee|Robert Lee";
  QTest::newRow("nothing selected") << ""
                                    << "X" << true << "" << kUnchanged;
  QTest::newRow("not confirmed") << "Bob Lee"
                                 << "X" << false << "" << kUnchanged;
  QTest::newRow("name taken") << "Bob Lee"
                              << "carl  lee" << true
                              << "\"carl  lee\" cannot be the new name: the family already has "
                                 "\"Carl Lee\". Choose a name nobody has."
                              << kUnchanged;
  QTest::newRow("name refused") << "Bob Lee"
                                << "Bob Copy" << true
                                << "The name \"Bob Copy\" cannot be stored: names containing "
                                   "\"copy\" are taken for backup copies and would never load."
                                << kUnchanged;
}

void DetailsRenameTest::ChangeName() {
  QFETCH(QString, selected);
  QFETCH(QString, answer);
  QFETCH(bool, confirm);
  QFETCH(QString, message);
  QFETCH(QString, names);
  DetailsFixture fixture;
  fixture.prompter.answers = {answer};
  fixture.prompter.confirmations = {confirm};
  DetailsEditor editor(fixture.session, fixture.prompter);
  editor.Open();
  RelativeList& list = editor.fields().names;
  list.selected = static_cast<int>(list.names.indexOf(selected));
  const QString number = fixture.session.index.NumberOfName(selected);
  const QByteArray record = fixture.Bytes(RecordFileName(selected, number));
  fixture.folder.WriteFile(kLeeFamily, "Robert Lee_0002.dat", "clash\r\n");

  const bool renamed = editor.ChangeName();

  QCOMPARE(fixture.prompter.messages, message.isEmpty() ? QStringList() : QStringList{message});
  QCOMPARE(list.names.join('|'), names);
  QStringList files;
  for (const QString& name : list.names) {
    files.append(RecordFileName(name, fixture.session.index.NumberOfName(name)));
  }
  if (!files.contains("Robert Lee_0002.dat")) files.append("Robert Lee_0002.dat");
  files.sort();
  QCOMPARE(fixture.Files(), files);
  QCOMPARE(renamed, names != kUnchanged);
  if (!renamed) return;
  QCOMPARE(fixture.prompter.questions, QStringList{"Change " + selected + " to " + answer + "?"});
  const QString poi = selected == "Anne Lee" ? answer : "Anne Lee";
  QCOMPARE(fixture.session.view.person_of_interest + '|' + editor.fields().name_box,
           poi + '|' + poi);
  const QString new_file = RecordFileName(answer, number);
  QCOMPARE(fixture.Bytes(new_file), record);
  // What is known of line 1 on disk follows the file.
  QCOMPARE(fixture.session.record_line1.value(new_file), record.left(23));
  QVERIFY(!fixture.session.record_line1.contains(RecordFileName(selected, number)));
}

QTEST_GUILESS_MAIN(DetailsRenameTest)
#include "test_details_rename.moc"
