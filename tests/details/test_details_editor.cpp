// The details editor: full, minimal, short and missing records loaded and saved back, Apply's
// refusals, the person it creates, the subject rule, Return, New Entry and the list buttons.
#include <QtTest>

#include "details/details_editor.h"
#include "store/record_writer.h"
#include "support/details_fixture.h"

using namespace kinvale;
using namespace kinvale::testing;

Q_DECLARE_METATYPE(kinvale::PersonDetails)
Q_DECLARE_METATYPE(kinvale::RecordLoad)

namespace {

const QString kAnneLink = QStringLiteral("00010002F0003M0000S0000");
const QString kShownBefore = QStringLiteral("/photo/shown/before.png");

// What the format gives back for values it stores as one blank or one empty line.
PersonDetails AsReadBack(PersonDetails details) {
  for (QString* blank : {&details.gender, &details.photo_path}) {
    if (blank->isEmpty()) *blank = " ";
  }
  for (const FieldInfo& field : DetailFields()) {
    QString* block = field.kind == FieldKind::kBlock ? &(details.*field.text) : nullptr;
    if (block && block->isEmpty()) *block = kLineBreak;
  }
  return details;
}

QMap<QString, QByteArray> Snapshot(const DetailsFixture& fixture) {
  QMap<QString, QByteArray> files;
  for (const QString& file : fixture.Files()) files.insert(file, fixture.Bytes(file));
  return files;
}

}  // namespace

class DetailsEditorTest : public QObject {
  Q_OBJECT

 private slots:
  void LoadAndSave_data();
  void LoadAndSave();
  void ApplyRefuses_data();
  void ApplyRefuses();
  void ApplyCreatesPersonWithoutPhoto();
  void SelectionWinsAndKeepsItsOwnRecord();
  void Return_data();
  void Return();
  void ListButtons_data();
  void ListButtons();
};

void DetailsEditorTest::LoadAndSave_data() {
  QTest::addColumn<QByteArray>("record");  // empty: the file is missing
  QTest::addColumn<RecordLoad>("outcome");
  QTest::addColumn<PersonDetails>("details");
  QTest::addColumn<QString>("date_label");
  QTest::addColumn<QString>("photo");  // the current photo path afterwards
  const PersonDetails full = EveryFieldFilled();
  const QByteArray record = FormatFullRecord(kAnneLink, "2026-01-01", full);
  QByteArray no_hash = record;
  no_hash.replace("Dr#Jr", "Dr Jr");
  const QString date = "2026-01-01";
  QTest::newRow("full") << record << RecordLoad::kComplete << full << date << kAnnesPhoto;
  QTest::newRow("minimal") << FormatMinimalRecord(kAnneLink) << RecordLoad::kComplete
                           << PersonDetails() << "N/A"
                           << "";
  // Reading stops at line 4; the photo line is taken all the same.
  QTest::newRow("line 4 without #")
      << no_hash << RecordLoad::kPartial
      << DetailsOf({{"Social Security Number", full.ssn}, {"photo", kAnnesPhoto}}) << date
      << kAnnesPhoto;
  QTest::newRow("no record file") << QByteArray() << RecordLoad::kNoRecord
                                  << DetailsOf({{"Prefix", "shown"}}) << "shown" << kShownBefore;
}

void DetailsEditorTest::LoadAndSave() {
  QFETCH(QByteArray, record);
  QFETCH(RecordLoad, outcome);
  QFETCH(PersonDetails, details);
  QFETCH(QString, date_label);
  QFETCH(QString, photo);
  DetailsFixture fixture;
  fixture.folder.WriteFile(kLeeFamily, kAnneFile, record);
  if (record.isEmpty()) QVERIFY(QFile::remove(fixture.RecordPath(kAnneFile)));
  fixture.session.current_photo_path = kShownBefore;
  DetailsEditor editor(fixture.session, fixture.prompter);
  EditorFields& fields = editor.fields();
  fields.name_box = "Anne Lee";
  fields.details.prefix = fields.date_label = "shown";
  fields.list_selected.fill(1);

  QCOMPARE(editor.LoadPerson(), outcome);
  QCOMPARE(fields.details, details);
  QCOMPARE(fields.date_label, date_label);
  QCOMPARE(fixture.session.current_photo_path, photo);
  QCOMPARE(fields.list_selected[5], outcome == RecordLoad::kNoRecord ? 1 : -1);

  QVERIFY(editor.Apply());
  const RecordRead saved = fixture.Read(kAnneFile);
  QCOMPARE(saved.stopped_before, RecordPart::kEnd);
  QCOMPARE(saved.record.link + ' ' + saved.record.date_changed, kAnneLink + ' ' + TodayForRecord());
  details.photo_path = photo;
  QCOMPARE(saved.record.details, AsReadBack(details));
  QCOMPARE(fixture.session.record_line1.value(kAnneFile), kAnneLink);
}

void DetailsEditorTest::ApplyRefuses_data() {
  QTest::addColumn<QString>("selected");
  QTest::addColumn<QString>("name_box");
  QTest::addColumn<PersonDetails>("details");
  QTest::addColumn<QString>("message");  // empty: refused silently
  const QString header_line =
      "A line of \"%1\" begins with \"***\", which the record file keeps for its section "
      "headers; please change it.";
  QTest::newRow("no name") << ""
                           << "" << DetailsOf({{"Gender", "Male"}}) << "";
  QTest::newRow("selection, no gender") << "Bob Lee"
                                        << "Anne Lee" << PersonDetails() << "";
  QTest::newRow("loose name")
      << ""
      << "anne  LEE" << PersonDetails()
      << "\"anne  LEE\" is already in the family as \"Anne Lee\". Select Anne Lee in the list, "
         "or type the name exactly as it is listed.";
  QTest::newRow("occupation ***") << ""
                                  << "Anne Lee" << DetailsOf({{"Occupation", "A|***B"}})
                                  << header_line.arg("Occupation");
  QTest::newRow("notes line ***") << ""
                                  << "Anne Lee"
                                  << DetailsOf({{"Notes:", "ok\r\n***Sources***\r\n"}})
                                  << header_line.arg("Notes:");
  QTest::newRow("line break") << "Anne Lee"
                              << "" << DetailsOf({{"Gender", "F"}, {"Birth Place", "Bos\nton"}})
                              << "\"Birth Place\" holds one line only; please remove the line "
                                 "break.";
  QTest::newRow("bad new name")
      << ""
      << "Bad/Name" << PersonDetails()
      << "The name \"Bad/Name\" cannot be stored: file names cannot hold \"/\".";
}

void DetailsEditorTest::ApplyRefuses() {
  QFETCH(QString, selected);
  QFETCH(QString, name_box);
  QFETCH(PersonDetails, details);
  QFETCH(QString, message);
  DetailsFixture fixture;
  const auto files = Snapshot(fixture);
  DetailsEditor editor(fixture.session, fixture.prompter);
  editor.Open();
  EditorFields& fields = editor.fields();
  fields.names.selected = static_cast<int>(fields.names.names.indexOf(selected));
  fields.name_box = name_box;
  fields.details = details;

  QVERIFY(!editor.Apply());
  QVERIFY(!editor.Return());

  const QStringList messages = message.isEmpty() ? QStringList() : QStringList{message, message};
  QCOMPARE(fixture.prompter.messages, messages);
  QCOMPARE(Snapshot(fixture), files);
  QCOMPARE(fixture.session.index.size(), 3);
  QCOMPARE(fixture.session.index.row(0).gender, QString("Female"));
  QCOMPARE(fixture.session.view.person_of_interest, QString("Anne Lee"));
}

void DetailsEditorTest::ApplyCreatesPersonWithoutPhoto() {
  DetailsFixture fixture;
  DetailsEditor editor(fixture.session, fixture.prompter);
  editor.Open();
  QCOMPARE(fixture.session.current_photo_path, kAnnesPhoto);
  editor.fields().name_box = "Dora Lee";
  editor.fields().details.gender = "";

  QVERIFY(editor.Apply());

  // A fresh number and the father the main window lists; the gender stays empty.
  const IndexRow& row = fixture.session.index.rows().back();
  QCOMPARE(QStringList({row.name, row.link, row.gender, row.birth_date}).join('|'),
           QString("Dora Lee|00040000F0003M0000S0000||2 FEB 1930"));
  QCOMPARE(editor.fields().names.names.last(), QString("Dora Lee"));
  QCOMPARE(fixture.session.view.person_of_interest, QString("Dora Lee"));
  const RecordRead saved = fixture.Read("Dora Lee_0004.dat");
  QCOMPARE(saved.record.link, row.link);
  QCOMPARE(saved.record.details.photo_path, QString(" "));
  QCOMPARE(saved.record.details.notes, EveryFieldFilled().notes);
  QCOMPARE(fixture.session.current_photo_path, QString());
}

void DetailsEditorTest::SelectionWinsAndKeepsItsOwnRecord() {
  // A second person whose name differs from Anne's only in letter case.
  DetailsFixture fixture;
  fixture.folder.WriteFamily(kLeeFamily, {{"ANNE LEE", "00040000F0000M0000S0000", "Female",
                                           DetailsOf({{"Prefix", "2nd"}})}});
  fixture.session = fixture.folder.OpenSession(kLeeFamily);
  const QByteArray first_record = fixture.Bytes(kAnneFile);
  DetailsEditor editor(fixture.session, fixture.prompter);
  editor.fields().name_box = "Anne Lee";
  editor.fields().names = {{"Anne Lee", "Bob Lee", "ANNE LEE"}, 2};

  QCOMPARE(editor.LoadPerson(), RecordLoad::kComplete);
  QCOMPARE(editor.fields().details.prefix, QString("2nd"));
  editor.fields().details.prefix = "changed";
  QVERIFY(editor.Apply());

  QCOMPARE(fixture.session.view.person_of_interest, QString("ANNE LEE"));
  QCOMPARE(fixture.Read("ANNE LEE_0004.dat").record.details.prefix, QString("changed"));
  QCOMPARE(fixture.Bytes(kAnneFile), first_record);
}

void DetailsEditorTest::Return_data() {
  QTest::addColumn<QString>("name_box");
  QTest::addColumn<bool>("closes");
  QTest::addColumn<QString>("saved");  // the record written and its photo line
  QTest::newRow("record gone") << "Anne Lee" << false << "";
  // New Entry first: the fields are cleared, the date label and the link stay.
  QTest::newRow("new entry") << "Dora Lee" << true << "Dora Lee_0004.dat| ";
  QTest::newRow("existing") << "Anne Lee" << true << kAnneFile + '|' + kAnnesPhoto;
}

void DetailsEditorTest::Return() {
  QFETCH(QString, name_box);
  QFETCH(bool, closes);
  QFETCH(QString, saved);
  DetailsFixture fixture;
  DetailsEditor editor(fixture.session, fixture.prompter);
  editor.Open();
  if (!closes) QVERIFY(QFile::remove(fixture.RecordPath(kAnneFile)));
  const bool new_entry = name_box != "Anne Lee";
  if (new_entry) editor.NewEntry();
  QCOMPARE(editor.fields().name_box, new_entry ? QString() : QString("Anne Lee"));
  QCOMPARE(editor.fields().date_label + editor.fields().link, "2026-01-01" + kAnneLink);
  editor.fields().name_box = name_box;
  fixture.session.current_photo_path = kShownBefore;  // Return takes the record's own

  QCOMPARE(editor.Return(), closes);

  if (!closes) {
    QCOMPARE(fixture.prompter.messages,
             QStringList{"Error reading file " + fixture.RecordPath(kAnneFile)});
    QCOMPARE(fixture.prompter.message_titles, QStringList{"System Error"});
    QVERIFY(!fixture.Files().contains(kAnneFile));
    return;
  }
  const RecordRead record = fixture.Read(saved.section('|', 0, 0));
  QCOMPARE(record.record.date_changed, TodayForRecord());
  PersonDetails expected = new_entry ? PersonDetails() : EveryFieldFilled();
  expected.photo_path = saved.section('|', 1);
  QCOMPARE(record.record.details, AsReadBack(expected));
}

void DetailsEditorTest::ListButtons_data() {
  QTest::addColumn<int>("list");
  QTest::addColumn<QString>("answer");  // "-": the "-" button, with the entry selected below
  QTest::addColumn<int>("selected");
  QTest::addColumn<QString>("prompt");
  QTest::addColumn<QStringList>("entries");
  const QStringList prompts = {"Enter Job Title",
                               "Enter Elementary School Name",
                               "Enter Intermediate or Junor High School Name",
                               "Enter High School Name",
                               "Enter College or University Name",
                               "Enter Employer's Name"};
  for (int list = 0; list < kDetailListCount; ++list) {
    const DetailListInfo& info = ListInfo(static_cast<DetailList>(list));
    QTest::newRow(qPrintable(info.caption)) << list << "X" << -1 << prompts[list]
                                            << EveryFieldFilled().*info.entries + QStringList{"X"};
  }
  QTest::newRow("empty answer") << 0 << "" << -1 << prompts[0] << QStringList{"Teacher", "Writer"};
  QTest::newRow("remove selected") << 5 << "-" << 0 << "" << QStringList{"Salem Press"};
}

void DetailsEditorTest::ListButtons() {
  QFETCH(int, list);
  QFETCH(QString, answer);
  QFETCH(int, selected);
  QFETCH(QString, prompt);
  QFETCH(QStringList, entries);
  DetailsFixture fixture;
  fixture.prompter.answers = {answer};
  DetailsEditor editor(fixture.session, fixture.prompter);
  editor.Open();
  const auto kind = static_cast<DetailList>(list);
  editor.fields().Selected(kind) = selected;
  const QByteArray record = fixture.Bytes(kAnneFile);

  if (answer == "-") editor.RemoveListEntry(kind);
  if (answer != "-") editor.AddListEntry(kind);

  QCOMPARE(editor.fields().details.*ListInfo(kind).entries, entries);
  QCOMPARE(fixture.prompter.prompts, prompt.isEmpty() ? QStringList() : QStringList{prompt});
  QCOMPARE(fixture.Bytes(kAnneFile), record);  // saved only by Apply or Return
}

QTEST_GUILESS_MAIN(DetailsEditorTest)
#include "test_details_editor.moc"
