#include "details/details_editor.h"

#include <QDir>
#include <optional>

#include "details/details_texts.h"
#include "details/record_rename.h"
#include "editing/add_person.h"
#include "editing/editing_texts.h"
#include "editing/link_assembly.h"
#include "store/link_string.h"
#include "store/name_check.h"
#include "store/prompter.h"
#include "store/record_reader.h"
#include "store/record_writer.h"
#include "store/session.h"
#include "store/text_codec.h"
#include "store/text_helpers.h"

namespace kinvale {

namespace {

constexpr qsizetype kPhotoLine = 6;       // line 7, counted from 0
constexpr qsizetype kFirstValueLine = 2;  // line 3: lines 1 and 2 are rewritten on every save

// True when no line after the date line holds a value (a minimal record, for example): such a
// record is wholly in the fields even when reading stopped early.
bool HoldsNoValues(const QStringList& lines) {
  for (qsizetype i = kFirstValueLine; i < lines.size(); ++i) {
    if (!lines[i].isEmpty() && !IsSectionHeader(lines[i])) return false;
  }
  return true;
}

}  // namespace

const DetailListInfo& ListInfo(DetailList list) {
  using D = PersonDetails;
  static const std::array<DetailListInfo, kDetailListCount> lists = {{
      {QStringLiteral("Occupation"), QStringLiteral("Enter Job Title"), &D::occupations},
      {QStringLiteral("Elementary School"), QStringLiteral("Enter Elementary School Name"),
       &D::elementary},
      {QStringLiteral("Intermediate School"),
       QStringLiteral("Enter Intermediate or Junor High School Name"), &D::intermediate},
      {QStringLiteral("High School"), QStringLiteral("Enter High School Name"), &D::high},
      {QStringLiteral("Universities"), QStringLiteral("Enter College or University Name"),
       &D::universities},
      {QStringLiteral("Employers"), QStringLiteral("Enter Employer's Name"), &D::employers},
  }};
  return lists[static_cast<int>(list)];
}

QString RecordPathOfName(const Session& session, const QString& name) {
  const int row = session.index.FindRowExact(name);
  if (row < 0) return session.RecordPath(name);
  // The row's own number: a loose lookup could answer another person whose name differs only
  // in case or spaces.
  return session.FamilyFilePath(
      RecordFileName(name, OwnNumber(session.index.row(row).link).toString()));
}

DetailsEditor::DetailsEditor(Session& session, Prompter& prompter)
    : session_(session), prompter_(prompter) {}

QString DetailsEditor::Subject() const {
  const RelativeList& names = fields_.names;
  return names.HasSelection() ? names.names[names.selected] : fields_.name_box;
}

RecordLoad DetailsEditor::Open() {
  ListFamily();
  if (session_.view.HasPerson()) fields_.name_box = session_.view.person_of_interest;
  return LoadPerson();
}

RecordLoad DetailsEditor::LoadPerson() {
  const QString subject = Subject();
  if (subject.isEmpty()) return RecordLoad::kNoRecord;
  const QString path = RecordPathOfName(session_, subject);
  if (!FileExists(path)) return RecordLoad::kNoRecord;
  ClearDetails();
  const std::optional<QStringList> lines = ReadTextLines(path);
  if (!lines) return RecordLoad::kPartial;
  const RecordRead read = ParseRecordLines(*lines);
  if (read.Reached(RecordPart::kLink)) fields_.link = read.record.link;
  if (read.Reached(RecordPart::kDateChanged)) {
    fields_.date_label = read.record.date_changed.isEmpty() ? kNoDate : read.record.date_changed;
  }
  fields_.details = read.record.details;
  // The photo line is taken whenever the record has one, as the main window and Return take
  // it, so that a record that stops early (a minimal one) never keeps another person's photo.
  fields_.details.photo_path = lines->value(kPhotoLine);
  if (lines->size() > kPhotoLine) session_.current_photo_path = fields_.details.photo_path;
  const bool complete = read.Reached(RecordPart::kSources) || HoldsNoValues(*lines);
  return complete ? RecordLoad::kComplete : RecordLoad::kPartial;
}

QString DetailsEditor::SaveProblem(const QString& name) const {
  const FamilyIndex& index = session_.index;
  const int loose = index.FindRow(name);
  if (loose >= 0 && index.FindRowExact(name) < 0) {
    return kLooseNameMatchMessage.arg(name, index.row(loose).name);
  }
  if (QString problem = UnstorableValueProblem(fields_.details); !problem.isEmpty()) {
    return problem;
  }
  return NewPersonProblem(session_, name);
}

std::optional<bool> DetailsEditor::StartSave() {
  const PersonDetails& details = fields_.details;
  const bool refused =
      fields_.names.HasSelection() ? details.gender.isEmpty() : fields_.name_box.isEmpty();
  if (refused) return std::nullopt;
  // A person created here takes the name in composed form, as every new name is stored.
  QString name = Subject();
  if (!session_.index.NameExists(name)) name = NormalizedName(name);
  if (QString problem = SaveProblem(name); !problem.isEmpty()) {
    prompter_.Message(problem, kApplicationTitle);
    return std::nullopt;
  }
  session_.view.person_of_interest = name;
  fields_.name_box = name;
  FamilyIndex& index = session_.index;
  const bool create = !index.NameExists(name);
  if (create) {
    // With the new name as the person of interest, which has no row yet, the link takes a fresh
    // number and the parents and siblings the main window lists. SaveProblem has made sure
    // that AddPerson accepts the name.
    AssembleLinkString(session_, name, AssemblyMode::kParents);
    AddPerson(session_, name, NewPersonKind::kEditor,
              {details.gender, details.birth_date, details.death_date});
    fields_.link = session_.last_assembled_link;
  }
  const int row = index.FindRowExact(name);
  index.SetName(row, fields_.name_box);
  index.SetGender(row, details.gender);
  index.SetBirthDate(row, details.birth_date);
  index.SetDeathDate(row, details.death_date);
  return create;
}

bool DetailsEditor::FinishApply(bool created) {
  ListFamily();
  // A new person has no photo yet; the photo of the person loaded last is not theirs.
  if (created) session_.current_photo_path.clear();
  return WriteReporting(session_.current_photo_path);
}

bool DetailsEditor::WriteReporting(const QString& photo_path) {
  QString error;
  if (WriteRecord(photo_path, &error)) return true;
  if (!error.isEmpty()) prompter_.Message(error, kApplicationTitle);
  return false;
}

bool DetailsEditor::Apply() {
  const std::optional<bool> created = StartSave();
  return created && FinishApply(*created);
}

bool DetailsEditor::Return() {
  const std::optional<bool> created = StartSave();
  if (!created) return false;
  if (*created) return FinishApply(true);
  const QString path = RecordPathOfName(session_, session_.view.person_of_interest);
  if (!FileExists(path)) {
    prompter_.Message(kErrorReadingFile + QDir::toNativeSeparators(path), kSystemErrorTitle);
    return false;
  }
  session_.current_photo_path = ReadPhotoLine(path).value_or(QString());
  return WriteReporting(session_.current_photo_path);
}

void DetailsEditor::NewEntry() {
  ClearDetails();
  fields_.name_box.clear();
}

QString DetailsEditor::AskLine(const QString& prompt) {
  session_.entry_prompt = prompt;
  session_.pending_name = prompter_.LineEntry(prompt);
  return session_.pending_name;
}

void DetailsEditor::AddListEntry(DetailList list) {
  const DetailListInfo& info = ListInfo(list);
  const QString entry = AskLine(info.prompt);
  if (!entry.isEmpty()) (fields_.details.*info.entries).append(entry);
}

void DetailsEditor::RemoveListEntry(DetailList list) {
  QStringList& entries = fields_.details.*ListInfo(list).entries;
  int& selected = fields_.Selected(list);
  if (selected >= 0 && selected < entries.size()) entries.removeAt(selected);
  selected = -1;
}

bool DetailsEditor::ChangeName() {
  RelativeList& names = fields_.names;
  if (!names.HasSelection()) return false;
  const QString old_name = names.names[names.selected];
  const QString new_name = NormalizedName(AskLine(kNewNamePrompt));
  if (new_name.isEmpty()) return false;
  FamilyIndex& index = session_.index;
  QString problem = NameProblem(new_name);
  if (const int taken = index.FindRow(new_name); taken >= 0) {
    problem = kNameTakenMessage.arg(new_name, index.row(taken).name);
  }
  if (!problem.isEmpty()) {
    prompter_.Message(problem, kApplicationTitle);
    return false;
  }
  if (!prompter_.Confirm(ConfirmChangeText(old_name, new_name), kConfirmChangeTitle)) {
    return false;
  }
  const int row = index.FindRowExact(old_name);
  if (row < 0) return false;  // the list is refilled from the index, so this is not expected
  QString error;
  if (!RenameRecordFile(session_, OwnNumber(index.row(row).link).toString(), old_name, new_name,
                        &error)) {
    prompter_.Message(error, kApplicationTitle);
    return false;
  }
  index.SetName(row, new_name);
  if (session_.view.person_of_interest == old_name) session_.view.person_of_interest = new_name;
  // A name box still holding the old name would otherwise create a second person on Apply.
  if (fields_.name_box == old_name) fields_.name_box = new_name;
  names.names.removeAt(names.selected);
  names.names.append(new_name);
  names.selected = -1;
  return true;
}

bool DetailsEditor::WriteRecord(const QString& photo_path, QString* error) {
  const QString name = Subject();
  const int row = session_.index.FindRowExact(name);
  if (row < 0) return false;
  const QString folder = session_.FamilyPath();
  if (!QDir().mkpath(folder)) {
    *error = kFamilyFolderNotCreatedMessage.arg(QDir::toNativeSeparators(folder));
    return false;
  }
  const QString link = session_.index.row(row).link;
  const QString path = RecordPathOfName(session_, name);
  PersonDetails details = fields_.details;
  details.photo_path = photo_path;
  if (!WriteRecordFile(path, link, details, error)) return false;
  NoteRecordLine1(session_, path, link);
  fields_.details.photo_path = photo_path;
  fields_.link = link;
  fields_.date_label = TodayForRecord();
  return true;
}

void DetailsEditor::ClearDetails() {
  fields_.details = PersonDetails();
  fields_.list_selected.fill(-1);
}

void DetailsEditor::ListFamily() {
  fields_.names.Clear();
  for (const IndexRow& row : session_.index.rows()) fields_.names.names.append(row.name);
}

}  // namespace kinvale
