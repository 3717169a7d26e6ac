#include "details/details_editor.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <optional>

#include "details/details_texts.h"
#include "details/record_rename.h"
#include "editing/add_person.h"
#include "editing/editing_texts.h"
#include "editing/link_assembly.h"
#include "session/session.h"
#include "store/link_string.h"
#include "store/name_check.h"
#include "store/person_lookup.h"
#include "store/person_number.h"
#include "store/prompter.h"
#include "store/record_reader.h"
#include "store/record_writer.h"
#include "store/shared_texts.h"
#include "store/text_helpers.h"

namespace kinvale {

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

DetailsEditor::DetailsEditor(Session& session, Prompter& prompter)
    : session_(session), prompter_(prompter) {}

int DetailsEditor::SubjectRow() const {
  const FamilyIndex& index = session_.index;
  if (fields_.names.HasSelection()) return index.RowOfNumber(fields_.names.SelectedNumber());
  const int loaded = index.RowOfNumber(fields_.loaded_number);
  if (loaded >= 0 && index.row(loaded).name == fields_.name_box) return loaded;
  return index.FindRowExact(fields_.name_box);
}

QString DetailsEditor::Subject() const {
  const RelativeList& names = fields_.names;
  return names.HasSelection() ? names.names[names.selected] : fields_.name_box;
}

int DetailsEditor::SubjectLine() const {
  const int row = SubjectRow();
  if (row < 0) return -1;
  const std::vector<int>& numbers = fields_.names.numbers;
  const auto line = std::find(numbers.begin(), numbers.end(),
                              NumberValue(OwnNumber(session_.index.row(row).link)));
  return line == numbers.end() ? -1 : static_cast<int>(line - numbers.begin());
}

RecordLoad DetailsEditor::Open() {
  ListFamily();
  if (session_.view.HasPerson()) {
    fields_.name_box = session_.view.person_of_interest;
    fields_.loaded_number = session_.view.poi_number;
  }
  return LoadPerson();
}

RecordLoad DetailsEditor::LoadPerson() {
  const int row = SubjectRow();
  if (row < 0) return RecordLoad::kNoRecord;
  const ShownRecord shown = LoadShownRecord(session_.RecordPathOfRow(row));
  if (shown.load == RecordLoad::kNoRecord) return RecordLoad::kNoRecord;
  ClearDetails();
  fields_.loaded_number = NumberValue(OwnNumber(session_.index.row(row).link));
  if (shown.link) fields_.link = *shown.link;
  if (shown.date_label) fields_.date_label = *shown.date_label;
  fields_.details = shown.details;
  fields_.details.photo_path = shown.photo_line.value_or(QString());
  if (shown.photo_line) session_.current_photo_path = *shown.photo_line;
  MarkSaved();
  return shown.load;
}

bool DetailsEditor::HasUnsavedChanges() const {
  PersonDetails shown = fields_.details;
  shown.photo_path = fields_.loaded_details.photo_path;  // not a field the user types in
  return shown != fields_.loaded_details;
}

bool DetailsEditor::ConfirmLeave() {
  if (!HasUnsavedChanges()) return true;
  const int row = SubjectRow();
  const QString who =
      row >= 0 ? PersonLabel(session_.index, row)
               : (fields_.name_box.isEmpty() ? QString(kNewPersonLabel) : fields_.name_box);
  switch (prompter_.AskToSave(kSaveChangesQuestion.arg(who), kUnsavedChangesTitle)) {
    case Prompter::SaveAnswer::kSave:
      return Apply();
    case Prompter::SaveAnswer::kDiscard:
      fields_.details = fields_.loaded_details;
      return true;
    case Prompter::SaveAnswer::kCancel:
      break;
  }
  return false;
}

void DetailsEditor::MarkSaved() { fields_.loaded_details = fields_.details; }

std::optional<int> DetailsEditor::RowToSave() {
  // A listed person, or the one loaded while the name box holds their name, is never asked about.
  const int loaded = session_.index.RowOfNumber(fields_.loaded_number);
  const bool shown = loaded >= 0 && session_.index.row(loaded).name == fields_.name_box;
  if (fields_.names.HasSelection() || shown) return SubjectRow();
  const Resolution found = ResolveTypedName(session_.index, prompter_, fields_.name_box,
                                            kWhichPersonQuestion.arg(fields_.name_box));
  if (found.kind == Resolution::kCancelled) return std::nullopt;
  return found.row;
}

QString DetailsEditor::SaveProblem(const QString& name, int row) const {
  if (row >= 0 && session_.index.row(row).name != name) {
    return kLooseNameMatchMessage.arg(name, session_.index.row(row).name);
  }
  if (QString problem = UnstorableValueProblem(fields_.details); !problem.isEmpty()) {
    return problem;
  }
  return row >= 0 ? QString() : NewPersonProblem(session_, name);
}

std::optional<DetailsEditor::Saving> DetailsEditor::StartSave() {
  const PersonDetails& details = fields_.details;
  const bool refused =
      fields_.names.HasSelection() ? details.gender.isEmpty() : fields_.name_box.isEmpty();
  if (refused) return std::nullopt;
  const std::optional<int> found = RowToSave();
  if (!found) return std::nullopt;
  // A person created here takes the name in composed form, as every new name is stored.
  const QString name = *found < 0 ? NormalizedName(Subject()) : Subject();
  if (QString problem = SaveProblem(name, *found); !problem.isEmpty()) {
    prompter_.Message(problem, kApplicationTitle, MessageKind::kWarning);
    return std::nullopt;
  }
  FamilyIndex& index = session_.index;
  int row = *found;
  const bool create = row < 0;
  if (create) {
    // With the new name as the person of interest, which has no row yet, the link takes a fresh
    // number and the parents and siblings the main window lists. SaveProblem has made sure
    // that AddPerson accepts the name.
    SetPersonOfInterest(session_.view, index, -1);
    session_.view.person_of_interest = name;
    const QString link = AssembleLinkString(session_, -1, AssemblyMode::kParents);
    row = AddPerson(session_, name, NewPersonKind::kEditor,
                    {link, details.gender, details.birth_date, details.death_date});
    fields_.link = link;
  }
  SetPersonOfInterest(session_.view, index, row);
  fields_.name_box = index.row(row).name;
  fields_.loaded_number = NumberValue(OwnNumber(index.row(row).link));
  index.SetGender(row, details.gender);
  index.SetBirthDate(row, details.birth_date);
  index.SetDeathDate(row, details.death_date);
  return Saving{row, create};
}

bool DetailsEditor::FinishApply(const Saving& saving) {
  ListFamily();
  // A new person has no photo yet; the photo of the person loaded last is not theirs.
  if (saving.created) session_.current_photo_path.clear();
  return WriteReporting(saving, session_.current_photo_path);
}

bool DetailsEditor::WriteReporting(const Saving& saving, const QString& photo_path) {
  const QString name = session_.index.row(saving.row).name;
  QString error;
  if (WriteRecord(saving.row, photo_path,
                  saving.created ? CreateStepName(name) : EditStepName(name), &error)) {
    return true;
  }
  if (!error.isEmpty()) prompter_.Message(error, kApplicationTitle, MessageKind::kError);
  return false;
}

bool DetailsEditor::Apply() {
  const std::optional<Saving> saving = StartSave();
  return saving && FinishApply(*saving);
}

bool DetailsEditor::Return() {
  const std::optional<Saving> saving = StartSave();
  if (!saving) return false;
  if (saving->created) return FinishApply(*saving);
  const QString path = session_.RecordPathOfRow(saving->row);
  if (!FileExists(path)) {
    prompter_.Message(kErrorReadingFile + QDir::toNativeSeparators(path), kSystemErrorTitle,
                      MessageKind::kError);
    return false;
  }
  session_.current_photo_path = ReadPhotoLine(path).value_or(QString());
  return WriteReporting(*saving, session_.current_photo_path);
}

void DetailsEditor::NewEntry() {
  ClearDetails();
  MarkSaved();
  fields_.name_box.clear();
  fields_.loaded_number = 0;
}

void DetailsEditor::AddListEntry(DetailList list) {
  const DetailListInfo& info = ListInfo(list);
  const QString entry = prompter_.LineEntry(info.prompt);
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
  FamilyIndex& index = session_.index;
  const int row = index.RowOfNumber(names.SelectedNumber());
  if (row < 0) return false;  // the list is refilled from the index, so this is not expected
  const QString old_name = index.row(row).name;
  const QString new_name =
      NormalizedName(prompter_.LineEntryStartingWith(kNewNamePrompt, old_name));
  if (new_name.isEmpty()) return false;
  if (QString problem = NameProblem(new_name); !problem.isEmpty()) {
    prompter_.Message(problem, kApplicationTitle, MessageKind::kWarning);
    return false;
  }
  if (!prompter_.Confirm(ConfirmChangeText(old_name, new_name), kConfirmChangeTitle,
                         Risk::kHarmless)) {
    return false;
  }
  QString error;
  if (!RenameRecordFile(session_, OwnNumber(index.row(row).link).toString(), old_name, new_name,
                        &error)) {
    prompter_.Message(error, kApplicationTitle, MessageKind::kError);
    return false;
  }
  index.SetName(row, new_name);
  const int number = names.TakeSelected();
  if (session_.view.poi_number == number) session_.view.person_of_interest = new_name;
  if (fields_.loaded_number == number) fields_.name_box = new_name;
  // The renamed person moves to the end of the list and stays the one selected and shown.
  names.Append(number, new_name);
  names.selected = static_cast<int>(names.names.size()) - 1;
  return true;
}

bool DetailsEditor::WriteRecord(int row, const QString& photo_path, const QString& step_name,
                                QString* error) {
  const QString folder = session_.FamilyPath();
  if (!QDir().mkpath(folder)) {
    *error = kFamilyFolderNotCreatedMessage.arg(QDir::toNativeSeparators(folder));
    return false;
  }
  const QString link = session_.index.row(row).link;
  PersonDetails details = fields_.details;
  details.photo_path = photo_path;
  QString problem = UnstorableValueProblem(details);
  if (PhotoPathHasLineBreak(photo_path)) problem = kPhotoPathLineBreakMessage;
  if (!problem.isEmpty()) {
    *error = problem;
    return false;
  }
  FamilyChange change{step_name, {}};
  change.Write(QFileInfo(session_.RecordPathOfRow(row)).fileName(),
               FormatFullRecord(link, TodayForRecord(), details));
  if (!ApplyFamilyChange(session_, change, error)) return false;
  fields_.details.photo_path = photo_path;
  fields_.link = link;
  fields_.date_label = TodayForRecord();
  MarkSaved();
  return true;
}

void DetailsEditor::ClearDetails() {
  fields_.details = PersonDetails();
  fields_.list_selected.fill(-1);
}

void DetailsEditor::ListFamily() {
  fields_.names.Clear();
  for (const IndexRow& row : session_.index.rows()) {
    fields_.names.Append(NumberValue(OwnNumber(row.link)), row.name);
  }
}

}  // namespace kinvale
