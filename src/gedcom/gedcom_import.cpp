#include "gedcom/gedcom_import.h"

#include <QFileInfo>
#include <QSet>
#include <cmath>

#include "gedcom/gedcom_name.h"
#include "gedcom/gedcom_relations.h"
#include "gedcom/gedcom_texts.h"
#include "gedcom/import_staging.h"
#include "gedcom/kinvale_reading.h"
#include "gedcom/person_numbering.h"
#include "session/main_view.h"
#include "session/startup.h"
#include "store/app_folder.h"
#include "store/families.h"
#include "store/family_files.h"
#include "store/link_string.h"
#include "store/name_check.h"
#include "store/person_number.h"
#include "store/prompter.h"
#include "store/record_writer.h"
#include "store/settings.h"
#include "store/text_helpers.h"

namespace kinvale {

namespace {

// The name a person is stored under when the file's cannot be: a record name and file name, so
// it stays as written whatever the language shown.
const QString kSafeName = QStringLiteral("Person %1");

// The time one individual takes, end to end with its record written and flushed, as
// bench_gedcom_import measures it on a busy disk.
constexpr double kSecondsPerIndividual = 0.0002;

std::vector<int> IndividualRecords(const GedcomFile& file) {
  std::vector<int> individuals;
  for (int record : file.records()) {
    if (file.line(record).tag == u"INDI") individuals.push_back(record);
  }
  return individuals;
}

// A name that passes the store's check and comes back from its record file name unchanged;
// otherwise why not (empty when it does).
QString StoredNameProblem(const QString& name, const QString& number) {
  if (StripSpaces(name).isEmpty()) return kEmptyNameReason;
  const QString problem = NameProblem(name);
  if (!problem.isEmpty()) return problem;
  if (NameFromRecordFileName(RecordFileName(name, number)) != name) return kNameDoesNotLoadReason;
  return {};
}

// A name too long for a file name cut after its last whole word that fits (or, for one long
// word, after its last character that fits); the name itself when its length is not what the
// store refuses.
QString ShortenedToFit(const QString& name) {
  if (NameProblem(name).isEmpty() || ContainsText(name, u"copy")) return name;
  QString fitting;
  for (QStringView word : QStringView(name).tokenize(u' ')) {
    const QString longer = fitting.isEmpty() ? word.toString() : fitting + u' ' + word.toString();
    if (!NameProblem(longer).isEmpty()) break;
    fitting = longer;
  }
  if (!fitting.isEmpty()) return fitting;
  fitting = name;
  while (!fitting.isEmpty() && !NameProblem(fitting).isEmpty()) {
    fitting.chop(fitting.size() > 1 && fitting.back().isLowSurrogate() ? 2 : 1);
  }
  return fitting.isEmpty() ? name : fitting;
}

// The name as the file writes it, slashes left out: what cleaning is measured against.
QString PlainGedcomName(const QString& value) {
  return JoinWords(QString(value).replace(u'/', u' '));
}

class ImportRun {
 public:
  ImportRun(const ImportRequest& request, Prompter& prompter, ImportObserver* observer)
      : request_(request), prompter_(prompter), observer_(observer) {}

  ImportResult Run();

 private:
  ImportOutcome Prepare();
  std::vector<int> PositionsToImport();
  bool ImportIndividuals();
  bool PutInPlace();
  bool ImportIndividual(int position);
  void ChooseStoredName(const IndividualReading& reading, int position);
  void ImportNotesAndSources(IndividualReading* reading);
  RelationGaps ReadRelations(const QString& number, const IndividualReading& reading);
  void CountLookUp(const TextImport& found, const PendingText& pending, QSet<int>* records,
                   int* in_place);
  void ReportRepeatedXrefs();
  void Finish();

  void Status(const QString& text) {
    if (observer_) observer_->ShowStatus(text);
  }
  void Title(const QString& text) {
    if (observer_) observer_->ShowTitle(text);
  }
  ImportOutcome Refuse(const QString& message) {
    prompter_.Message(message, kImportWindowTitle, MessageKind::kWarning);
    return ImportOutcome::kRefused;
  }
  bool Fail(const QString& message) {
    prompter_.Message(message, kImportWindowTitle, MessageKind::kError);
    return false;
  }

  const ImportRequest& request_;
  Prompter& prompter_;
  ImportObserver* observer_;
  ImportResult result_;
  QString target_folder_;
  bool family_exists_ = false;
  std::optional<GedcomFile> file_;
  bool own_file_ = false;  // exported by this program: read back exactly
  std::vector<int> individuals_;
  std::optional<PersonNumbering> numbering_;
  std::vector<int> to_import_;  // positions in individuals_
  std::unique_ptr<ImportStaging> staging_;
  std::optional<FamilyTable> families_;
  UsedLines used_;
  ImportedPerson person_;
  QSet<int> notes_read_;
  QSet<int> sources_read_;
  QHash<int, QString> stored_names_;  // by position
  QString date_;
  QString name_note_;  // the file's name of a person stored under another
};

ImportResult ImportRun::Run() {
  result_.outcome = Prepare();
  if (result_.outcome != ImportOutcome::kCompleted) return result_;
  if (!ImportIndividuals() || !PutInPlace()) {
    result_.outcome = ImportOutcome::kFailed;
    return result_;
  }
  result_.reload_open_family = request_.open_family == result_.target_family;
  Finish();
  return result_;
}

// The questions, the reading of the file and its checks; kCompleted when the import can go on.
ImportOutcome ImportRun::Prepare() {
  const QString target = TargetFamilyName(request_.gedcom_path);
  result_.target_family = target;
  if (StripSpaces(target).isEmpty() || !IsPlainFolderName(target)) {
    return Refuse(kNoFamilyNameMessage.arg(QFileInfo(request_.gedcom_path).fileName()));
  }
  target_folder_ = FamilyFolderPath(request_.app_folder, target);
  family_exists_ = ListFamilies(request_.app_folder).contains(target);
  // A new family gets only a name "Create" would give it.
  if (!family_exists_ && !IsGoodFamilyName(target)) {
    return Refuse(
        kFamilyNameRefusedMessage.arg(QFileInfo(request_.gedcom_path).fileName(), target));
  }
  if (!request_.resume) {
    if (family_exists_ &&
        !prompter_.Confirm(kFamilyExistsQuestion, kFileExistsTitle, Risk::kDestructive)) {
      return ImportOutcome::kStopped;
    }
    if (request_.open_family == target &&
        !prompter_.Confirm(kReplacingFamilyQuestion, kFileExistsTitle, Risk::kDestructive)) {
      return ImportOutcome::kStopped;
    }
  }

  QString error;
  file_ = GedcomFile::Read(request_.gedcom_path, &error);
  if (!file_) return Refuse(error);
  own_file_ = IsKinvaleGedcom(*file_);
  individuals_ = IndividualRecords(*file_);
  const int total = static_cast<int>(individuals_.size());
  if (total > kHighestPersonNumber) return Refuse(kTooManyIndividualsMessage.arg(total));
  if (total == 0) {
    prompter_.Message(kNoIndividualsMessage, kImportWindowTitle, MessageKind::kWarning);
    return ImportOutcome::kNothing;
  }
  numbering_.emplace(*file_, individuals_);
  to_import_ = PositionsToImport();
  if (to_import_.empty()) {
    prompter_.Message(kAllImportedMessage.arg(total), kImportWindowTitle,
                      MessageKind::kInformation);
    return ImportOutcome::kNothing;
  }
  const int remaining = static_cast<int>(to_import_.size());
  if (!prompter_.Confirm(
          kEstimateQuestion.arg(QString::number(remaining), EstimatedTime(remaining)),
          kContinueTitle, Risk::kHarmless)) {
    return ImportOutcome::kStopped;
  }
  staging_ = ImportStaging::Begin(request_.app_folder, target, &error);
  if (!staging_) return Refuse(error);
  return ImportOutcome::kCompleted;
}

// Every individual; with Resume those whose person numbers have no record in the family yet,
// whatever else the family holds.
std::vector<int> ImportRun::PositionsToImport() {
  QSet<int> present;
  if (request_.resume) {
    for (const QString& name : ListRecordFiles(target_folder_).value_or(QStringList())) {
      present.insert(NumberFromRecordFileName(name));
    }
  }
  std::vector<int> positions;
  for (int position = 0; position < static_cast<int>(individuals_.size()); ++position) {
    if (!present.contains(NumberValue(numbering_->NumberAt(position)))) {
      positions.push_back(position);
    }
  }
  result_.report.kept_individuals = static_cast<int>(individuals_.size() - positions.size());
  return positions;
}

bool ImportRun::ImportIndividuals() {
  families_.emplace(*file_, *numbering_);
  used_.assign(file_->size(), false);
  date_ = TodayForRecord();
  for (int position : to_import_) {
    if (!ImportIndividual(position)) return false;
  }
  QString error;
  return staging_->Flush(&error) || Fail(error);
}

// The staged records become the family, or, with Resume, join it.
bool ImportRun::PutInPlace() {
  QString error;
  if (request_.resume && family_exists_) return staging_->AddToFamily(&error) || Fail(error);
  result_.report.replaced_records =
      static_cast<int>(ListRecordFiles(target_folder_).value_or(QStringList()).size());
  return staging_->ReplaceFamily(&result_.report.replaced_folder, &error) || Fail(error);
}

bool ImportRun::ImportIndividual(int position) {
  const int total = static_cast<int>(individuals_.size());
  Status(kProcessingNameStatus.arg(SignedNumber(position + 1), SignedNumber(total)));
  const QString number = numbering_->NumberAt(position);
  person_.name.clear();
  person_.alternate_name.clear();
  person_.date_last_changed.clear();
  name_note_.clear();
  person_.link = NewLinkString(number);
  const int record = individuals_[position];
  IndividualReading reading = own_file_
                                  ? ReadKinvaleIndividual(*file_, record, number, &person_, &used_)
                                  : ReadIndividual(*file_, record, &person_, &used_);
  ChooseStoredName(reading, position);
  ImportNotesAndSources(&reading);

  Title(kUpdatingRelationsTitle.arg(person_.name));
  const RelationGaps gaps = ReadRelations(number, reading);
  result_.report.missing_references += gaps.missing_families;
  if (gaps.further_spouses) ++result_.report.further_spouses;

  Title(kWritingRecordTitle.arg(person_.name));
  QString& notes = person_.details.notes;
  if (!StripSpaces(person_.alternate_name).isEmpty()) {
    notes += kLineBreak + kAlternateNameNote + person_.alternate_name;
  }
  if (!name_note_.isEmpty()) notes += kLineBreak + name_note_;
  for (const QString& name : reading.other_names) notes += kLineBreak + kEarlierNameNote + name;
  result_.report.values_made_storable += MakeValuesStorable(&person_.details);
  if (observer_) observer_->ShowIndividual(position + 1, total, person_);
  QString error;
  if (!staging_->WriteFile(RecordFileName(person_.name, number),
                           FormatFullRecord(person_.link, date_, person_.details), &error)) {
    return Fail(error);
  }
  stored_names_.insert(position, person_.name);
  ++result_.report.individuals;

  Title(kNextNameTitle);
  ClearPersonFields(&person_);
  return true;
}

// The name the record is stored under: the cleaned GEDCOM name, shortened when it is too long
// for a file name, or "Person <number>" when the file gives none or one the family could not
// load; the file's name then goes into the notes.
void ImportRun::ChooseStoredName(const IndividualReading& reading, int position) {
  const QString number = numbering_->NumberAt(position);
  person_.name = NormalizedName(person_.name);
  ImportReport& report = result_.report;
  if (reading.has_name && !own_file_) {
    if (person_.name != PlainGedcomName(reading.gedcom_name) &&
        ++report.names_cleaned <= kCleanedExamples) {
      report.cleaned_examples.append(kReportCleanedExample.arg(reading.gedcom_name, person_.name));
    }
    const QString shortened = ShortenedToFit(person_.name);
    if (shortened != person_.name) {
      ++report.names_shortened;
      person_.name = shortened;
      name_note_ = kGedcomNameNote + reading.gedcom_name;
    }
  }
  const QString reason = reading.has_name ? StoredNameProblem(person_.name, number) : kNoNameReason;
  if (reason.isEmpty()) return;
  const QString safe_name = kSafeName.arg(number);
  report.renamed.append(kRenamedSentence.arg(
      number, file_->line(individuals_[position]).xref.toString(), safe_name, reason));
  person_.name = safe_name;
  if (reading.has_name) name_note_ = kGedcomNameNote + reading.gedcom_name;
}

// Notes first, then sources, which include those the notes cite.
void ImportRun::ImportNotesAndSources(IndividualReading* reading) {
  ImportReport& report = result_.report;
  const QString notes_count = SignedNumber(static_cast<int>(reading->notes.size()));
  for (size_t i = 0; i < reading->notes.size(); ++i) {
    Title(kProcessingNoteTitle.arg(SignedNumber(int(i) + 1), notes_count, person_.name));
    QString& notes = person_.details.notes;
    CountLookUp(own_file_
                    ? ImportKinvaleNote(*file_, reading->notes[i], &notes, &used_)
                    : ImportNote(*file_, reading->notes[i], &notes, &reading->sources, &used_),
                reading->notes[i], &notes_read_, &report.notes);
  }
  const QString sources_count = SignedNumber(static_cast<int>(reading->sources.size()));
  for (size_t i = 0; i < reading->sources.size(); ++i) {
    Title(kProcessingSourceTitle.arg(SignedNumber(int(i) + 1), sources_count, person_.name));
    QString& sources = person_.details.sources;
    CountLookUp(own_file_ ? ImportKinvaleSource(*file_, reading->sources[i], &sources, &used_)
                          : ImportSource(*file_, reading->sources[i], &sources, &used_),
                reading->sources[i], &sources_read_, &report.sources);
  }
}

// The link string and date married as this program exported them, or from the families; a
// date married the file gives for the person stays.
RelationGaps ImportRun::ReadRelations(const QString& number, const IndividualReading& reading) {
  if (reading.exact_link) return ReadKinvaleFamilies(*families_, reading, &person_, &used_);
  const QString date_married = person_.details.date_married;
  const RelationGaps gaps = UpdateRelations(*families_, number, reading, &person_, &used_);
  if (reading.date_married_given) person_.details.date_married = date_married;
  return gaps;
}

// A record counts once however often it is read, text given in place each time.
void ImportRun::CountLookUp(const TextImport& found, const PendingText& pending, QSet<int>* records,
                            int* in_place) {
  if (found.record >= 0) {
    records->insert(found.record);
  } else if (found.found) {
    ++*in_place;
  } else if (!pending.reference.isEmpty()) {
    ++result_.report.missing_references;
  }
}

// Each record whose cross-reference an earlier record has: references go to the first.
void ImportRun::ReportRepeatedXrefs() {
  QHash<int, int> position_of_record;
  for (int position = 0; position < static_cast<int>(individuals_.size()); ++position) {
    position_of_record.insert(individuals_[position], position);
  }
  for (int record : file_->repeated_records()) {
    const GedcomLine& line = file_->line(record);
    const QString xref = line.xref.toString();
    if (line.tag != u"INDI") {
      result_.report.repeated_xrefs.append(kReportRepeatedRecord.arg(xref, line.tag));
      continue;
    }
    const int position = position_of_record.value(record);
    result_.report.repeated_xrefs.append(kReportRepeatedIndividual.arg(
        xref, numbering_->NumberAt(position), stored_names_.value(position),
        numbering_->XrefToPersonNumber(line.xref)));
  }
}

void ImportRun::Finish() {
  ImportReport& report = result_.report;
  report.charset = file_->charset();
  report.bad_lines = file_->bad_lines();
  report.bad_line_count = file_->bad_line_count();
  ReportRepeatedXrefs();
  CountGedcom7Constructs(*file_, &report);
  report.file_numbers = numbering_->uses_file_numbers();
  report.families = families_->size();
  report.missing_references += families_->missing_members();
  report.notes += static_cast<int>(notes_read_.size());
  report.sources += static_cast<int>(sources_read_.size());
  report.malformed_lines = file_->malformed_lines();
  CountSkippedLines(*file_, used_, &report);
  Status(QString());
  Title(kImportedTitle.arg(result_.target_family));
  prompter_.Message(kImportCompleted, kJobStatusTitle, MessageKind::kInformation);
}

}  // namespace

QString TargetFamilyName(const QString& gedcom_path) {
  return NameFromFileName(QFileInfo(gedcom_path).fileName());
}

QString SignedNumber(int value) {
  return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

QString EstimatedTime(int individuals) {
  const double seconds = individuals * kSecondsPerIndividual;
  if (seconds < 1) return kLessThanASecond;
  if (seconds < 60) {
    const int whole = static_cast<int>(std::ceil(seconds));
    return whole == 1 ? kOneSecond : kSeconds.arg(whole);
  }
  const int minutes = static_cast<int>(std::ceil(seconds / 60));
  return minutes == 1 ? kOneMinute : kMinutes.arg(minutes);
}

ImportResult ImportGedcom(const ImportRequest& request, Prompter& prompter,
                          ImportObserver* observer) {
  return ImportRun(request, prompter, observer).Run();
}

}  // namespace kinvale
