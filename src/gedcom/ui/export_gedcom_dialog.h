// The "Export To GEDCOM" window: the "Contact Information:" box, "Export" (which asks for the
// output file in the standard file dialog, proposing the family's name and ".ged" in the folder
// of the last GEDCOM file, else the application folder), "Return", a progress bar while the family
// is written, and what the file holds once it is written, or why it could not be.
#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include "gedcom/gedcom_export.h"

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace kinvale {

class FileChooser;
class Prompter;
struct Session;

class ExportGedcomDialog : public QDialog, private ExportObserver {
  Q_OBJECT

 public:
  ExportGedcomDialog(Session& session, Prompter& prompter, FileChooser& files,
                     QWidget* parent = nullptr);

  // Exports the open family to the path (".ged" added when it has no such ending), as "Export"
  // does once the file is chosen.
  void ExportTo(const QString& path);

 protected:
  void reject() override;

 private:
  void ChooseFileAndExport();
  void ShowProgress(int done, int total) override;

  Session& session_;
  Prompter& prompter_;
  FileChooser& files_;
  QPlainTextEdit* contact_;
  QPushButton* export_;
  QPushButton* return_;
  QProgressBar* progress_;
  QLabel* status_;
  bool running_ = false;
  QElapsedTimer since_shown_;
};

}  // namespace kinvale
