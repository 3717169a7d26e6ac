// The GEDCOM export: the open family written as a GEDCOM 5.5 file, its header block line for
// line, the individuals (keeping their person numbers), the submitter holding the contact
// information, the families built from the link strings, the note and source records and the
// trailer; in Windows-1252 as the header says, or in UTF-8 when the user accepts it for a text
// Windows-1252 cannot hold. The file is written in one step: a failed export leaves any earlier
// file as it was.
#pragma once

#include <QString>
#include <QStringList>

#include "gedcom/gedcom_import.h"
#include "gedcom/gedcom_texts.h"  // the captions of the export window

namespace kinvale {

class Prompter;
struct LoadedFamily;

// Line 11 of the header, and its replacement when the file is written in UTF-8.
inline const QString kCharWindows = QStringLiteral("1 CHAR IBM WINDOWS");
inline const QString kCharUtf8 = QStringLiteral("1 CHAR UTF-8");

// Reports how far the export has come, one step per person.
class ExportObserver {
 public:
  virtual ~ExportObserver() = default;
  virtual void ShowProgress(int done, int total) = 0;
};

struct ExportRequest {
  QString output_path;
  QString contact;  // the "Contact Information:" text
};

enum class ExportOutcome {
  kCompleted,
  kStopped,  // a question was answered Cancel; nothing was written
  kRefused,  // the family cannot be exported as it is; nothing was written
  kFailed,   // the file could not be written; an earlier file of that name is unchanged
};

struct ExportResult {
  ExportOutcome outcome = ExportOutcome::kStopped;
  bool utf8 = false;
  int individuals = 0;
  int families = 0;
  int notes = 0;
  int sources = 0;
  QString error;  // why writing failed, naming the file
};

// The output file the window proposes: the family's name and ".ged" in the application folder.
QString DefaultExportPath(const QString& app_folder, const QString& family);
// The path with ".ged" added unless it ends so already (in any letter case).
QString WithGedcomExtension(const QString& path);

// Exports the open family, asking through the prompter: "File Exists.
// Overwrite?" when the output file exists, and whether to write UTF-8 when a text cannot be
// written in Windows-1252. Ends with "Export Completed", or "Error processing GEDCOM file" when
// the file cannot be written.
ExportResult ExportGedcom(const LoadedFamily& family, const ExportRequest& request, Prompter& prompter,
                          ExportObserver* observer = nullptr);

// What was exported, as lines for the window and the command line.
QStringList ExportSummaryLines(const ExportResult& result);

}  // namespace kinvale
