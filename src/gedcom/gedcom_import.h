// The GEDCOM import: the questions before it, the family it fills (named after the file), the
// reading of every individual with its notes, sources and relations, the record files written,
// the progress texts, and the report. One pass over the file builds its indexes; every look-up
// after that is a map access.
#pragma once

#include <QString>

#include "gedcom/gedcom_individual.h"
#include "gedcom/import_report.h"
#include "store/prompter.h"  // the shared button captions

namespace kinvale {

class Prompter;

inline const QString kImportWindowTitle = QStringLiteral("Import From GEDCOM");
inline const QString kResumeCaption = QStringLiteral("Resume");
inline const QString kImportCaption = QStringLiteral("Import");
inline const QString kStatusCaption = QStringLiteral("Status");
inline const QString kChooseFileMessage =
    QStringLiteral("Please choose a GEDCOM file (.ged) first.");
inline const QString kFamilyExistsQuestion = QStringLiteral("Family Group File Exists. Overwrite?");
inline const QString kReplacingFamilyQuestion =
    QStringLiteral("You are replacing the current family. Continue?");
inline const QString kFileExistsTitle = QStringLiteral("File Exists Warning");
inline const QString kEstimateQuestion =
    QStringLiteral("There are %1 names to process which may take %2 to process.");
inline const QString kContinueTitle = QStringLiteral("Continue?");
inline const QString kImportCompleted = QStringLiteral("Import Completed");
inline const QString kJobStatusTitle = QStringLiteral("Job Status");

inline const QString kProcessingNameStatus = QStringLiteral("Processing Name%1 of %2");
inline const QString kProcessingNoteTitle = QStringLiteral("Processing Note %1 of %2 for %3");
inline const QString kProcessingSourceTitle = QStringLiteral("Processing Source %1 of %2 for %3");
inline const QString kUpdatingRelationsTitle = QStringLiteral("Updating Relations for %1 ...");
inline const QString kWritingRecordTitle = QStringLiteral("Writing New Name File for %1 ...");
inline const QString kNextNameTitle = QStringLiteral("Getting Ready for Next Name ...");
inline const QString kImportedTitle = QStringLiteral("Imported %1");
inline const QString kAlternateNameNote = QStringLiteral("Altername name: ");
inline const QString kGedcomNameNote = QStringLiteral("Name in the GEDCOM file: ");
inline const QString kEarlierNameNote = QStringLiteral("Also named in the GEDCOM file: ");

inline const QString kLessThanASecond = QStringLiteral("less than a second");
inline const QString kOneSecond = QStringLiteral("1 second");
inline const QString kSeconds = QStringLiteral("%1 seconds");
inline const QString kOneMinute = QStringLiteral("1 minute");
inline const QString kMinutes = QStringLiteral("%1 minutes");

inline const QString kNoFamilyNameMessage = QStringLiteral(
    "The file name \"%1\" gives no family name: the family is named after the "
    "file name up to its first \".\" or \"_\".");
inline const QString kFamilyNameRefusedMessage = QStringLiteral(
    "The file name \"%1\" would make the family \"%2\", a name the family chooser refuses (No "
    "special characters please). Rename the file; nothing was imported.");
inline const QString kTooManyIndividualsMessage = QStringLiteral(
    "The file holds %1 individuals, but a family holds at most 9999 (person numbers "
    "have four digits). Nothing was imported.");
inline const QString kNoIndividualsMessage =
    QStringLiteral("The file holds no individuals. Nothing was imported.");
inline const QString kAllImportedMessage = QStringLiteral(
    "The family already holds a record for each of the file's %1 individuals. There is "
    "nothing left to resume.");
inline const QString kSafeName = QStringLiteral("Person %1");
inline const QString kRenamedSentence = QStringLiteral("%1 (%2) is stored as \"%3\": %4");
inline const QString kNoNameReason = QStringLiteral("the file gives no name.");
inline const QString kEmptyNameReason = QStringLiteral("the name is empty once cleaned.");
inline const QString kNameDoesNotLoadReason =
    QStringLiteral("the name would not come back unchanged from its record file name.");
inline const QString kShortenedReason =
    QStringLiteral("the name is too long for a file name; the full name is in the notes.");

// What the window or the command line shows as the import goes.
class ImportObserver {
 public:
  virtual ~ImportObserver() = default;
  // The status label's text; empty hides the label.
  virtual void ShowStatus(const QString& text) = 0;
  virtual void ShowTitle(const QString& title) = 0;
  // The individual about to be written, its position (counting from 1) and the total.
  virtual void ShowIndividual(int counter, int total, const ImportedPerson& person) = 0;
};

struct ImportRequest {
  QString app_folder;
  QString gedcom_path;
  bool resume = false;
  QString open_family;  // the family the main window shows; empty when none
};

enum class ImportOutcome {
  kCompleted,
  kStopped,  // a question was answered Cancel; nothing was written
  kNothing,  // the file had no individual left to import; nothing was written
  kRefused,  // the file or the family cannot be used; nothing was written
  kFailed,   // the records could not be written or put in place; nothing was changed
};

struct ImportResult {
  ImportOutcome outcome = ImportOutcome::kStopped;
  QString target_family;
  // The open family was written into: its index must be loaded again before the next edit,
  // which would otherwise write the old link strings over the imported ones.
  bool reload_open_family = false;
  ImportReport report;
};

// The family a GEDCOM file is imported into: its file name up to the first "." or "_".
QString TargetFamilyName(const QString& gedcom_path);
// n(x): the number with a blank in front of it when it is not negative.
QString SignedNumber(int value);
// The time an import of that many individuals is expected to take, as the estimate question
// words it.
QString EstimatedTime(int individuals);

// Imports the GEDCOM file into the family named after it, asking through the prompter: whether
// to overwrite an existing family and to replace the open one (both not asked with Resume), and
// whether to go on after the estimate. The records are written into a staging folder and put in
// place as a whole: the family as it was moves, whole, into a "Replaced <date time>" folder of
// the new one. With Resume the individuals whose person numbers the family has records for are
// skipped and the others added to the family, which keeps everything else it holds. Ends with
// "Import Completed".
ImportResult ImportGedcom(const ImportRequest& request, Prompter& prompter,
                          ImportObserver* observer = nullptr);

}  // namespace kinvale
