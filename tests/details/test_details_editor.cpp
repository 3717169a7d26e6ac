// The details editor: loading full, minimal, short and missing records and saving them back,
// the subject rule, Apply's refusals and the person it creates, Return, New Entry and the list
// buttons.
#include <QtTest>

#include "details/details_editor.h"
#include "store/record_writer.h"
#include "support/details_fixture.h"

using namespace kinvale;
using namespace kinvale::testing;

Q_DECLARE_METATYPE(kinvale::PersonDetails)
Q_DECLARE_METATYPE(kinvale::RecordLoad)

namespace {

const QString kAnneFile = QStringLiteral("Anne Lee_0001.dat");
const QString kAnneLink = QStringLiteral("00010002F0003M0000S0000");

QByteArray FirstLines(const QByteArray& record, int count) {
  return record.split('\n').mid(0, count).join('\n') + '\n';
}

void SetField(PersonDetails& details, const QString& caption, const QString& value) {
  const FieldInfo* field = FindDetailField(caption);
  QVERIFY(field);
  if (field->kind == FieldKind::kList) {
    details.*field->list = QStringList{value};
  } else {
    details.*field->text = value;
  }
}

// Every file of the family folder with its bytes.
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
  void ApplySavesTheSubject_data();
  void ApplySavesTheSubject();
  void ApplyCreatesPersonWithoutPhoto();
  void NamesDifferingInCaseKeepTheirOwnRecords();
  void Return_data();
  void Return();
  void NewEntryKeepsSelectionAndDate();
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
  const QByteArray full_record = FormatFullRecord(kAnneLink, "2026-01-01", full);
  QTest::newRow("full record") << full_record << RecordLoad::kComplete << full << "2026-01-01"
                               << kAnnesPhoto;
  QTest::newRow("minimal record") << FormatMinimalRecord(kAnneLink) << RecordLoad::kComplete
                                  << PersonDetails() << "N/A"
                                  << "";

  PersonDetails ssn_only;
  ssn_only.ssn = full.ssn;
  QTest::newRow("ends after line 3")
      << FirstLines(full_record, 3) << RecordLoad::kPartial << ssn_only << "2026-01-01"
      << "/photo/shown/before.png";
  PersonDetails no_hash = ssn_only;
  no_hash.photo_path = kAnnesPhoto;
  QByteArray broken_line4 = full_record;
  broken_line4.replace("Dr#Jr", "Dr Jr");
  QTest::newRow("line 4 without #")
      << broken_line4 << RecordLoad::kPartial << no_hash << "2026-01-01" << kAnnesPhoto;

  PersonDetails to_first_job = full;
  const PersonDetails empty;
  for (const FieldInfo& field : DetailFields()) {
    if (field.caption == "Occupation") {
      to_first_job.occupations = {"Teacher"};
    } else if (field.kind == FieldKind::kList) {
      to_first_job.*field.list = {};
    }
  }
  for (QString PersonDetails::*later :
       {&PersonDetails::residential_addresses, &PersonDetails::business_addresses,
        &PersonDetails::homepage, &PersonDetails::email_addresses, &PersonDetails::religion,
        &PersonDetails::notes, &PersonDetails::sources, &PersonDetails::immigration_date,
        &PersonDetails::immigration_place}) {
    to_first_job.*later = empty.*later;
  }
  const qsizetype cut = full_record.indexOf("Teacher\r\n") + 9;
  QTest::newRow("ends inside the occupations") << full_record.left(cut) << RecordLoad::kPartial
                                               << to_first_job << "2026-01-01" << kAnnesPhoto;

  PersonDetails shown;
  shown.ssn = "shown before";
  QTest::newRow("no record file") << QByteArray() << RecordLoad::kNoRecord << shown
                                  << "label shown before"
                                  << "/photo/shown/before.png";
}

void DetailsEditorTest::LoadAndSave() {
  QFETCH(QByteArray, record);
  QFETCH(RecordLoad, outcome);
  QFETCH(PersonDetails, details);
  QFETCH(QString, date_label);
  QFETCH(QString, photo);
  DetailsFixture fixture;
  if (record.isEmpty()) {
    QVERIFY(QFile::remove(fixture.RecordPath(kAnneFile)));
  } else {
    fixture.folder.WriteFile(kLeeFamily, kAnneFile, record);
  }
  fixture.session.current_photo_path = "/photo/shown/before.png";
  DetailsEditor editor(fixture.session, fixture.prompter);
  editor.fields().name_box = "Anne Lee";
  editor.fields().details.ssn = "shown before";
  editor.fields().date_label = "label shown before";
  editor.fields().list_selected.fill(1);

  QCOMPARE(editor.LoadPerson(), outcome);
  QCOMPARE(editor.fields().details, details);
  QCOMPARE(editor.fields().date_label, date_label);
  QCOMPARE(fixture.session.current_photo_path, photo);
  if (outcome != RecordLoad::kNoRecord) {
    QCOMPARE(editor.fields().link, kAnneLink);
    QCOMPARE(editor.fields().list_selected,
             (std::array<int, kDetailListCount>{-1, -1, -1, -1, -1, -1}));
  }

  // Apply writes the fields back in the full layout, with today's date and the photo shown.
  QVERIFY(editor.Apply());
  const RecordRead saved = fixture.Read(kAnneFile);
  QCOMPARE(saved.stopped_before, RecordPart::kEnd);
  QCOMPARE(saved.record.link, kAnneLink);
  QCOMPARE(saved.record.date_changed, TodayForRecord());
  PersonDetails expected = details;
  expected.photo_path = photo;
  // What the format writes for empty values reads back as one blank or one empty line.
  for (QString* blank : {&expected.gender, &expected.photo_path}) {
    if (blank->isEmpty()) *blank = " ";
  }
  for (const FieldInfo& field : DetailFields()) {
    QString& block = expected.*field.text;
    if (field.kind == FieldKind::kBlock && block.isEmpty()) block = kLineBreak;
  }
  QCOMPARE(saved.record.details, expected);
  QVERIFY(fixture.prompter.messages.isEmpty());
}

void DetailsEditorTest::ApplyRefuses_data() {
  QTest::addColumn<QString>("selected");
  QTest::addColumn<QString>("name_box");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("value");
  QTest::addColumn<QString>("message");  // empty: refused silently

  QTest::newRow("no name typed or selected") << ""
                                             << ""
                                             << ""
                                             << ""
                                             << "";
  QTest::newRow("selected person with the gender blanked") << "Bob Lee"
                                                           << "Anne Lee"
                                                           << "Gender"
                                                           << ""
                                                           << "";
  QTest::newRow("typed name matching only loosely")
      << ""
      << "anne  LEE"
      << ""
      << ""
      << "\"anne  LEE\" is already in the family as \"Anne Lee\". Select Anne Lee in the list, "
         "or type the name exactly as it is listed.";
  QTest::newRow("occupation beginning with ***")
      << ""
      << "Anne Lee"
      << "Occupation"
      << "***Boss"
      << "A line of \"Occupation\" begins with \"***\", which the record file keeps for its "
         "section headers; please change it.";
  QTest::newRow("notes line beginning with ***")
      << ""
      << "Anne Lee"
      << "Notes:"
      << "fine\r\n***Sources***\r\n"
      << "A line of \"Notes:\" begins with \"***\", which the record file keeps for its section "
         "headers; please change it.";
  QTest::newRow("line break in a one-line field")
      << "Anne Lee"
      << ""
      << "Birth Place"
      << "Bos\nton"
      << "\"Birth Place\" holds one line only; please remove the line break.";
  QTest::newRow("new name that cannot be stored")
      << ""
      << "Bad/Name"
      << ""
      << ""
      << "The name \"Bad/Name\" cannot be stored: file names cannot hold \"/\".";
}

void DetailsEditorTest::ApplyRefuses() {
  QFETCH(QString, selected);
  QFETCH(QString, name_box);
  QFETCH(QString, caption);
  QFETCH(QString, value);
  QFETCH(QString, message);
  DetailsFixture fixture;
  const auto files = Snapshot(fixture);
  const QStringList rows = fixture.Rows();
  DetailsEditor editor(fixture.session, fixture.prompter);
  editor.Open();
  EditorFields& fields = editor.fields();
  fields.names.selected = static_cast<int>(fields.names.names.indexOf(selected));
  fields.name_box = name_box;
  if (!caption.isEmpty()) SetField(fields.details, caption, value);

  QVERIFY(!editor.Apply());
  QVERIFY(!editor.Return());

  const QStringList messages = message.isEmpty() ? QStringList() : QStringList{message, message};
  QCOMPARE(fixture.prompter.messages, messages);
  QCOMPARE(Snapshot(fixture), files);
  QCOMPARE(fixture.Rows(), rows);
  QCOMPARE(fixture.session.view.person_of_interest, QString("Anne Lee"));
}

void DetailsEditorTest::ApplySavesTheSubject_data() {
  QTest::addColumn<QString>("selected");
  QTest::addColumn<QString>("name_box");
  QTest::addColumn<QString>("subject");
  QTest::newRow("selected name, another typed") << "Bob Lee"
                                                << "Typed Name"
                                                << "Bob Lee";
  QTest::newRow("typed name, nothing selected") << ""
                                                << "Carl Lee"
                                                << "Carl Lee";
}

void DetailsEditorTest::ApplySavesTheSubject() {
  QFETCH(QString, selected);
  QFETCH(QString, name_box);
  QFETCH(QString, subject);
  DetailsFixture fixture;
  DetailsEditor editor(fixture.session, fixture.prompter);
  editor.Open();
  EditorFields& fields = editor.fields();
  fields.names.selected = static_cast<int>(fields.names.names.indexOf(selected));
  fields.name_box = name_box;
  fields.details.birth_date = "9 SEP 1999";
  fields.details.gender = "Male";
  const QStringList files = fixture.Files();

  QVERIFY(editor.Apply());

  QCOMPARE(fixture.Files(), files);
  const int row = fixture.session.index.FindRowExact(subject);
  QCOMPARE(fixture.session.index.row(row).birth_date, QString("9 SEP 1999"));
  QCOMPARE(fixture.session.view.person_of_interest, subject);
  QCOMPARE(fields.name_box, subject);
  QCOMPARE(fields.names.selected, -1);
  const RecordRead saved = ReadRecordFile(RecordPathOfName(fixture.session, subject));
  QCOMPARE(saved.record.details.birth_date, QString("9 SEP 1999"));
  QCOMPARE(saved.record.date_changed, TodayForRecord());
}

void DetailsEditorTest::ApplyCreatesPersonWithoutPhoto() {
  DetailsFixture fixture;
  DetailsEditor editor(fixture.session, fixture.prompter);
  editor.Open();
  QCOMPARE(fixture.session.current_photo_path, kAnnesPhoto);
  editor.fields().name_box = "Dora Lee";
  editor.fields().details.gender = "";
  editor.fields().details.death_date = "";

  QVERIFY(editor.Apply());

  // A fresh number, the father the main window lists, the gender left empty.
  QCOMPARE(fixture.Rows().last(), QString("Dora Lee|00040000F0003M0000S0000||2 FEB 1930|"));
  QCOMPARE(editor.fields().link, QString("00040000F0003M0000S0000"));
  QCOMPARE(editor.fields().names.names.last(), QString("Dora Lee"));
  QCOMPARE(fixture.session.view.person_of_interest, QString("Dora Lee"));
  const RecordRead saved = fixture.Read("Dora Lee_0004.dat");
  QCOMPARE(saved.record.link, QString("00040000F0003M0000S0000"));
  QCOMPARE(saved.record.details.photo_path, QString(" "));
  QCOMPARE(saved.record.details.notes, EveryFieldFilled().notes);
  QCOMPARE(fixture.session.current_photo_path, QString());
  QCOMPARE(fixture.session.record_line1.value("Dora Lee_0004.dat"), saved.record.link);
}

void DetailsEditorTest::NamesDifferingInCaseKeepTheirOwnRecords() {
  DetailsFixture fixture;
  PersonDetails second;
  second.ssn = "second";
  fixture.folder.WriteFamily(kLeeFamily,
                             {{"ANNE LEE", "00040000F0000M0000S0000", "Female", second}});
  fixture.session = fixture.folder.OpenSession(kLeeFamily);
  const QByteArray first_record = fixture.Bytes(kAnneFile);
  DetailsEditor editor(fixture.session, fixture.prompter);
  editor.Open();
  editor.fields().names.selected =
      static_cast<int>(editor.fields().names.names.indexOf("ANNE LEE"));

  QCOMPARE(editor.LoadPerson(), RecordLoad::kComplete);
  QCOMPARE(editor.fields().details.ssn, QString("second"));
  editor.fields().details.ssn = "changed";
  QVERIFY(editor.Apply());

  QCOMPARE(fixture.Read("ANNE LEE_0004.dat").record.details.ssn, QString("changed"));
  QCOMPARE(fixture.Bytes(kAnneFile), first_record);
}

void DetailsEditorTest::Return_data() {
  QTest::addColumn<QString>("name_box");
  QTest::addColumn<bool>("remove_record");
  QTest::addColumn<bool>("closes");
  QTest::addColumn<QString>("message");
  QTest::addColumn<QString>("saved_file");  // empty: nothing written
  QTest::newRow("nothing typed") << "" << false << false << ""
                                 << "";
  QTest::newRow("record gone missing") << "Anne Lee" << true << false << "Error reading file %1"
                                       << "";
  QTest::newRow("person just created") << "Dora Lee" << false << true << ""
                                       << "Dora Lee_0004.dat";
  QTest::newRow("person with a record") << "Anne Lee" << false << true << "" << kAnneFile;
}

void DetailsEditorTest::Return() {
  QFETCH(QString, name_box);
  QFETCH(bool, remove_record);
  QFETCH(bool, closes);
  QFETCH(QString, message);
  QFETCH(QString, saved_file);
  DetailsFixture fixture;
  DetailsEditor editor(fixture.session, fixture.prompter);
  editor.Open();
  if (remove_record) QVERIFY(QFile::remove(fixture.RecordPath(kAnneFile)));
  editor.fields().name_box = name_box;
  // Return takes the photo line from the record itself.
  fixture.session.current_photo_path = "/photo/of/someone/else.png";
  const auto files = Snapshot(fixture);

  QCOMPARE(editor.Return(), closes);

  if (message.isEmpty()) {
    QVERIFY(fixture.prompter.messages.isEmpty());
  } else {
    QCOMPARE(fixture.prompter.messages, QStringList{message.arg(fixture.RecordPath(kAnneFile))});
    QCOMPARE(fixture.prompter.message_titles, QStringList{"System Error"});
  }
  if (saved_file.isEmpty()) {
    QCOMPARE(Snapshot(fixture), files);
    return;
  }
  const RecordRead saved = fixture.Read(saved_file);
  QCOMPARE(saved.record.date_changed, TodayForRecord());
  QCOMPARE(saved.record.details.photo_path,
           saved_file == kAnneFile ? kAnnesPhoto : QStringLiteral(" "));
}

void DetailsEditorTest::NewEntryKeepsSelectionAndDate() {
  DetailsFixture fixture;
  DetailsEditor editor(fixture.session, fixture.prompter);
  editor.Open();
  EditorFields& fields = editor.fields();
  fields.names.selected = 1;
  fields.list_selected.fill(0);
  editor.NewEntry();
  QCOMPARE(fields.details, PersonDetails());
  QCOMPARE(fields.name_box, QString());
  QCOMPARE(fields.names.selected, 1);
  QCOMPARE(fields.date_label, QString("2026-01-01"));
  QCOMPARE(fields.link, kAnneLink);
  QCOMPARE(fields.list_selected[0], -1);
}

void DetailsEditorTest::ListButtons_data() {
  QTest::addColumn<int>("list");
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("answer");
  QTest::addColumn<int>("selected");
  QTest::addColumn<QString>("prompt");  // empty: none asked
  QTest::addColumn<QStringList>("entries");

  const QStringList prompts = {"Enter Job Title",
                               "Enter Elementary School Name",
                               "Enter Intermediate or Junor High School Name",
                               "Enter High School Name",
                               "Enter College or University Name",
                               "Enter Employer's Name"};
  const PersonDetails anne = EveryFieldFilled();
  for (int list = 0; list < kDetailListCount; ++list) {
    const QStringList entries = anne.*ListInfo(static_cast<DetailList>(list)).entries;
    const QByteArray caption = ListInfo(static_cast<DetailList>(list)).caption.toUtf8();
    QTest::newRow(caption + " +") << list << "+"
                                  << "New Entry" << -1 << prompts[list]
                                  << entries + QStringList{"New Entry"};
    QTest::newRow(caption + " - selected") << list << "-"
                                           << "" << 0 << "" << entries.mid(1);
  }
  const QStringList jobs = anne.occupations;
  QTest::newRow("+ answered empty") << 0 << "+"
                                    << "" << -1 << prompts[0] << jobs;
  QTest::newRow("+ answered with a duplicate")
      << 0 << "+"
      << "Writer" << -1 << prompts[0] << jobs + QStringList{"Writer"};
  QTest::newRow("- with nothing selected") << 0 << "-"
                                           << "" << -1 << "" << jobs;
}

void DetailsEditorTest::ListButtons() {
  QFETCH(int, list);
  QFETCH(QString, button);
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

  if (button == "+") {
    editor.AddListEntry(kind);
  } else {
    editor.RemoveListEntry(kind);
  }

  QCOMPARE(editor.fields().details.*ListInfo(kind).entries, entries);
  QCOMPARE(fixture.prompter.prompts, prompt.isEmpty() ? QStringList() : QStringList{prompt});
  QCOMPARE(fixture.session.pending_name, prompt.isEmpty() ? QString() : answer);
  // The change reaches the record only with the next Apply or Return.
  QCOMPARE(fixture.Bytes(kAnneFile), record);
}

QTEST_GUILESS_MAIN(DetailsEditorTest)
#include "test_details_editor.moc"
