// The details editor: full, minimal, short and missing records loaded and saved back, Apply's
// refusals, the subject rule, the person Apply or Return creates, Return, New Entry, the list
// buttons, and Change Name; kinvale-cli set for a list and photo: what they save and print (the
// command line's own tests run set and rename on namesakes, the reliability tests their refusals).
#include <QtTest>

#include "details/details_editor.h"
#include "store/record_fields.h"
#include "store/record_writer.h"
#include "support/cli_runner.h"
#include "support/details_fixture.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

Q_DECLARE_METATYPE(kinvale::PersonDetails)
Q_DECLARE_METATYPE(kinvale::RecordLoad)

namespace {

const QString kAnneLink = QStringLiteral("00010002F0003M0000S0000");
const QString kShownBefore = QStringLiteral("/photo/shown/before.png");
const QString kUnchanged = QStringLiteral("Anne Lee|Bob Lee|Carl Lee");

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

void Select(EditorFields& fields, const QString& name) {
  fields.names.selected = static_cast<int>(fields.names.names.indexOf(name));
}

const QString kPicture = QStringLiteral(KINVALE_SAMPLES_DIR "/torture-ImgFile.PNG");

}  // namespace

class DetailsEditorTest : public QObject {
  Q_OBJECT

 private slots:
  // The record (empty: the file is missing), the outcome, the details and date label loaded,
  // and the current photo path afterwards.
  void LoadAndSave_data() {
    Columns<QByteArray, RecordLoad, PersonDetails, QString, QString>();
    const PersonDetails full = EveryFieldFilled();
    const QByteArray record = FormatFullRecord(kAnneLink, "2026-01-01", full);
    QByteArray no_hash = record;
    no_hash.replace("Prefix#Suffix", "Prefix Suffix");
    const QString date = "2026-01-01";
    Row("full", record, RecordLoad::kComplete, full, date, kAnnesPhoto);
    Row("minimal", FormatMinimalRecord(kAnneLink), RecordLoad::kComplete, PersonDetails(),
        kNoDate.ToString(), QString());
    // Reading stops at line 4, whole as the prefix; the photo line is taken all the same.
    Row("line 4 without #", no_hash, RecordLoad::kPartial,
        DetailsOf({{"Social Security Number", full.ssn},
                   {"Prefix", "Prefix Suffix"},
                   {"photo", kAnnesPhoto}}),
        date, kAnnesPhoto);
    Row("no record file", QByteArray(), RecordLoad::kNoRecord, DetailsOf({{"Prefix", "shown"}}),
        "shown", kShownBefore);
    // Notes and sources written as one empty line are read as empty.
    PersonDetails blank_notes = full;
    blank_notes.notes.clear();
    blank_notes.sources.clear();
    Row("notes and sources of one empty line", FormatFullRecord(kAnneLink, date, blank_notes),
        RecordLoad::kComplete, blank_notes, date, kAnnesPhoto);
  }

  void LoadAndSave() {
    auto [record, outcome, details, date_label, photo] =
        Fetch<QByteArray, RecordLoad, PersonDetails, QString, QString>();
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
    QCOMPARE(saved.record.link + ' ' + saved.record.date_changed,
             kAnneLink + ' ' + TodayForRecord());
    details.photo_path = photo;
    QCOMPARE(saved.record.details, AsReadBack(details));
    QCOMPARE(fixture.session.record_line1.value(kAnneFile), kAnneLink);
  }

  // The name selected, the name box, the details, and the message (empty: refused silently).
  void ApplyRefuses_data() {
    Columns<QString, QString, PersonDetails, QString>();
    Row("no name", "", "", DetailsOf({{"Gender", "Male"}}), "");
    Row("selection, no gender", "Bob Lee", "Anne Lee", PersonDetails(), "");
    Row("loose name", "", "anne  LEE", PersonDetails(),
        "\"anne  LEE\" is already in the family as \"Anne Lee\". Select Anne Lee in the list, or "
        "type the name exactly as it is listed.");
    Row("occupation ***", "", "Anne Lee", DetailsOf({{"Occupation", "A|***B"}}),
        "A line of \"Occupation\" begins with \"***\", which the record file keeps for its section "
        "headers; please change it.");
    Row("line break", "Anne Lee", "", DetailsOf({{"Gender", "F"}, {"Birth Place", "Bos\nton"}}),
        "\"Birth Place\" holds one line only; please remove the line break.");
    Row("bad new name", "", "Bad/Name", PersonDetails(),
        "The name \"Bad/Name\" cannot be stored: file names cannot hold \"/\".");
  }

  void ApplyRefuses() {
    const auto [selected, name_box, details, message] =
        Fetch<QString, QString, PersonDetails, QString>();
    DetailsFixture fixture;
    const auto files = FolderBytes(fixture.session.FamilyPath());
    DetailsEditor editor(fixture.session, fixture.prompter);
    editor.Open();
    Select(editor.fields(), selected);
    editor.fields().name_box = name_box;
    editor.fields().details = details;

    QVERIFY(!editor.Apply());
    QVERIFY(!editor.Return());

    QCOMPARE(fixture.prompter.messages,
             (message.isEmpty() ? QStringList() : QStringList{message, message}));
    QCOMPARE(FolderBytes(fixture.session.FamilyPath()), files);
    QCOMPARE(fixture.session.index.size(), 3);
    QCOMPARE(fixture.session.index.row(0).gender, QString("Female"));
    QCOMPARE(fixture.session.view.person_of_interest, QString("Anne Lee"));
  }

  void SelectionWinsAndKeepsItsOwnRecord() {
    // A second person whose name differs from Anne's only in letter case.
    DetailsFixture fixture;
    fixture.folder.WriteFamily(kLeeFamily, {{"ANNE LEE", "00040000F0000M0000S0000", "Female",
                                             DetailsOf({{"Prefix", "2nd"}})}});
    fixture.session = fixture.folder.OpenSession(kLeeFamily);
    const QByteArray first_record = fixture.Bytes(kAnneFile);
    DetailsEditor editor(fixture.session, fixture.prompter);
    editor.Open();
    editor.fields().name_box = "Anne Lee";
    Select(editor.fields(), "ANNE LEE");

    QCOMPARE(editor.LoadPerson(), RecordLoad::kComplete);
    QCOMPARE(editor.fields().details.prefix, QString("2nd"));
    editor.fields().details.prefix = "changed";
    QVERIFY(editor.Apply());

    QCOMPARE(fixture.session.view.person_of_interest, QString("ANNE LEE"));
    QCOMPARE(fixture.Read("ANNE LEE_0004.dat").record.details.prefix, QString("changed"));
    QCOMPARE(fixture.Bytes(kAnneFile), first_record);
  }

  // Apply (else Return); the setup ("new entry", "record gone", or "" with Anne loaded); the
  // name box; name, link, gender and birth date of its row afterwards; the saved photo line ("":
  // nothing saved).
  void SaveCreatesOrKeeps_data() {
    Columns<bool, QString, QString, QString, QString>();
    // A fresh number and the father the main window lists; the gender left empty stays empty.
    Row("Apply creates a person without the photo shown", true, "", "Dora Lee",
        "Dora Lee|00040000F0003M0000S0000||Birth Date", " ");
    // New Entry clears the fields and the name box; the date label and the link stay.
    Row("Return after New Entry creates a person", false, "new entry", "Dora Lee",
        "Dora Lee|00040000F0003M0000S0000||", " ");
    Row("Return takes the record's own photo", false, "", "Anne Lee",
        "Anne Lee|" + kAnneLink + "|Female|Birth Date", kAnnesPhoto);
    Row("Return with the record gone", false, "record gone", "Anne Lee", "", "");
  }

  void SaveCreatesOrKeeps() {
    const auto [apply, setup, name_box, shown_row, photo] =
        Fetch<bool, QString, QString, QString, QString>();
    DetailsFixture fixture;
    Session& session = fixture.session;
    DetailsEditor editor(session, fixture.prompter);
    editor.Open();
    EditorFields& fields = editor.fields();
    const QString file = RecordFileName(name_box, name_box == "Anne Lee" ? "0001" : "0004");
    if (setup == "record gone") QVERIFY(QFile::remove(fixture.RecordPath(kAnneFile)));
    if (setup == "new entry") {
      editor.NewEntry();
      QCOMPARE(fields.name_box + fields.date_label + fields.link, "2026-01-01" + kAnneLink);
    }
    PersonDetails expected = setup == "new entry" ? PersonDetails() : EveryFieldFilled();
    fields.details.gender = expected.gender = name_box == "Anne Lee" ? "Female" : "";
    fields.name_box = name_box;
    QCOMPARE(session.current_photo_path, kAnnesPhoto);  // Anne's, loaded on opening
    session.current_photo_path = kShownBefore;

    QCOMPARE(apply ? editor.Apply() : editor.Return(), !photo.isEmpty());

    if (photo.isEmpty()) {
      QCOMPARE(fixture.prompter.messages,
               QStringList{"Error reading file " + fixture.RecordPath(file)});
      QCOMPARE(fixture.prompter.message_titles, QStringList{"System Error"});
      QVERIFY(!fixture.Files().contains(file));
      return;
    }
    QVERIFY(fixture.prompter.messages.isEmpty());
    const IndexRow& row = session.index.row(session.index.FindRowExact(name_box));
    QCOMPARE(QStringList({row.name, row.link, row.gender, row.birth_date}).join('|'), shown_row);
    QCOMPARE(fields.names.names.last(), session.index.rows().back().name);
    QCOMPARE(session.view.person_of_interest, name_box);
    QCOMPARE(session.current_photo_path, photo.trimmed());
    const RecordRead saved = fixture.Read(file);
    QCOMPARE(saved.record.link, row.link);
    QCOMPARE(saved.record.date_changed, TodayForRecord());
    expected.photo_path = photo;
    QCOMPARE(saved.record.details, AsReadBack(expected));
  }

  // Every list's "+" with an answer, once with none, "-" with and without a selection; the
  // record changes only with Apply.
  void ListButtons() {
    DetailsFixture fixture;
    fixture.prompter.answers = {"X1", "X2", "X3", "X4", "X5", "X6", ""};
    DetailsEditor editor(fixture.session, fixture.prompter);
    editor.Open();
    const QByteArray record = fixture.Bytes(kAnneFile);
    for (int list = 0; list < kDetailListCount; ++list) {
      editor.AddListEntry(static_cast<DetailList>(list));
    }
    editor.AddListEntry(DetailList::kOccupation);
    editor.fields().Selected(DetailList::kEmployers) = 0;
    editor.RemoveListEntry(DetailList::kEmployers);
    editor.RemoveListEntry(DetailList::kHigh);

    QCOMPARE(fixture.prompter.prompts.size(), 7);
    QCOMPARE(fixture.Bytes(kAnneFile), record);
    QVERIFY(editor.Apply());
    PersonDetails expected = EveryFieldFilled();
    expected.occupations << "X1";
    expected.elementary << "X2";
    expected.intermediate << "X3";
    expected.high << "X4";
    expected.universities << "X5";
    expected.employers = QStringList{"Employers 2", "X6"};
    QCOMPARE(fixture.Read(kAnneFile).record.details, expected);
  }

  // Selected, answer, confirmed, message, and the name list afterwards (the files follow it).
  void ChangeName_data() {
    Columns<QString, QString, bool, QString, QString>();
    Row("apostrophe", "Bob Lee", "Bob O'Lee", true, "", "Anne Lee|Carl Lee|Bob O'Lee");
    Row("person of interest", "Anne Lee", "Anna Lee", true, "", "Bob Lee|Carl Lee|Anna Lee");
    Row("over a file of the same number", "Bob Lee", "Robert Lee", true, "",
        "Anne Lee|Carl Lee|Robert Lee");
    Row("nothing selected", "", "X", true, "", kUnchanged);
    Row("not confirmed", "Bob Lee", "X", false, "", kUnchanged);
    // People are told apart by number, so a name another person carries may be taken too.
    Row("a name another person has", "Bob Lee", "Carl Lee", true, "", "Anne Lee|Carl Lee|Carl Lee");
    Row("name refused", "Bob Lee", "Bob Copy", true,
        "The name \"Bob Copy\" cannot be stored: names containing \"copy\" are taken for backup "
        "copies and would never load.",
        kUnchanged);
  }

  void ChangeName() {
    const auto [selected, answer, confirm, message, names] =
        Fetch<QString, QString, bool, QString, QString>();
    DetailsFixture fixture;
    fixture.prompter.answers = {answer};
    fixture.prompter.confirmations = {confirm};
    DetailsEditor editor(fixture.session, fixture.prompter);
    editor.Open();
    Select(editor.fields(), selected);
    const QString number = fixture.session.index.NumberOfName(selected);
    const QByteArray record = fixture.Bytes(RecordFileName(selected, number));
    fixture.folder.WriteFile(kLeeFamily, "Robert Lee_0002.dat", "clash\r\n");

    const bool renamed = editor.ChangeName();

    QCOMPARE(fixture.prompter.messages, message.isEmpty() ? QStringList() : QStringList{message});
    const QStringList& list = editor.fields().names.names;
    QCOMPARE(list.join('|'), names);
    QStringList files = {"Robert Lee_0002.dat"};
    for (const IndexRow& row : fixture.session.index.rows()) {
      const QString file = RecordFileName(row.name, row.link.left(4));
      if (!files.contains(file)) files.append(file);
    }
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

  void Commands_data() {
    // Arguments, exit code, stdout (%F: the family folder), the first line of stderr, and the
    // record checked afterwards with the caption and value of its field (a list's entries joined by
    // "|").
    Columns<QStringList, int, QString, QString, QString, QString, QString>();
    const auto row = [](const char* title, const QStringList& args, auto... cells) {
      Row(title, args, cells...);
    };
    row("set a list", {"set", "Lee", "Bob Lee", "Occupation", "Pilot\n\nCook"}, 0, "", "",
        "Bob Lee_0002.dat", "Occupation", "Pilot|Cook");
    row("import the default photo", {"photo", "Lee", "Anne Lee", kPicture, "--default"}, 0,
        "%F/0001001_torture-ImgFile.pic", "Picture successfully imported", kAnneFile, "photo",
        "%F/0001001_torture-ImgFile.pic");
    row("change to a stored photo", {"photo", "Lee", "Bob Lee", "--change", "0002001_bob.pic"}, 0,
        "", "", "Bob Lee_0002.dat", "photo", "%F/0002001_bob.pic");
  }
  void Commands() {
    auto [args, exit_code, out, err, file, caption, value] =
        Fetch<QStringList, int, QString, QString, QString, QString, QString>();
    DetailsFixture fixture;
    const QString family = fixture.session.FamilyPath();
    QVERIFY(QFile::copy(kPicture, fixture.RecordPath("0002001_bob.pic")));
    const CliResult cli = RunCli(fixture.folder.path(), args);

    QCOMPARE(cli.exit_code, exit_code);
    QCOMPARE(cli.out.join('\n'), out.replace("%F", family));
    QCOMPARE(cli.err.section(u'\n', 0, 0), err);
    const PersonDetails details = fixture.Read(file).record.details;
    const FieldInfo* field = FindDetailField(caption);
    const QString saved = caption == "photo"                ? details.photo_path
                          : field->kind == FieldKind::kList ? (details.*field->list).join(u'|')
                                                            : details.*field->text;
    QCOMPARE(saved, value.replace("%F", family));
  }
};

KINVALE_TEST(DetailsEditorTest)
#include "test_details_editor.moc"
