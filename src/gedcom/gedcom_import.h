// The GEDCOM import: the questions before it, the family it fills (named after the file), the
// reading of every individual with its notes, sources and relations, the record files written,
// the progress texts, and the report. One pass over the file builds its indexes; every look-up
// after that is a map access.
#pragma once

#include <QString>

#include "gedcom/gedcom_individual.h"
#include "gedcom/gedcom_texts.h"  // the captions of the import window
#include "gedcom/import_report.h"
#include "store/prompter.h"  // the shared button captions

namespace kinvale {

class Prompter;

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
