// The "Import From GEDCOM" window: the ".ged" file, chosen in the standard file dialog
// (starting in the folder of the last GEDCOM file, else the application folder), "Resume", "Import"
// and "Return", the status label, window titles and a progress bar as the import goes, the name
// and six read-only person tabs of the individual being read, and the import report when it is
// done.
#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include "gedcom/gedcom_import.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace kinvale {

class FileChooser;
class PersonDetailsForm;
class Prompter;
struct Session;

class ImportGedcomDialog : public QDialog, private ImportObserver {
  Q_OBJECT

 public:
  ImportGedcomDialog(Session& session, Prompter& prompter, FileChooser& files,
                     QWidget* parent = nullptr);

  // The GEDCOM file chosen; empty while none is.
  QString SelectedFile() const { return chosen_file_; }
  // Chooses the file as the user would (kinvale FILE.ged); false when path is no file.
  bool SelectFile(const QString& path);

 signals:
  // The open family was imported into and has been loaded again: the main window redraws.
  void familyReloaded();

 protected:
  void reject() override;

 private:
  QLayout* BuildFileRow();
  void ChooseFile();
  QWidget* BuildPersonSummary();
  void RunImport();
  void SetControlsEnabled(bool enabled);
  void ShowPerson(const ImportedPerson& person);

  // The import reports every step; the window shows the latest a few times a second, which
  // keeps it responsive without slowing a large import down.
  void ShowStatus(const QString& text) override;
  void ShowTitle(const QString& title) override;
  void ShowIndividual(int counter, int total, const ImportedPerson& person) override;
  bool RefreshDue() const;
  void ShowTexts();
  void Refresh();

  Session& session_;
  Prompter& prompter_;
  FileChooser& files_;
  QString chosen_file_;
  QLineEdit* file_box_;
  QPushButton* choose_file_;
  QCheckBox* resume_;
  QPushButton* import_;
  QPushButton* return_;
  QLabel* status_;
  QProgressBar* progress_;
  QLineEdit* name_box_;
  PersonDetailsForm* form_;
  QPlainTextEdit* report_;
  bool running_ = false;
  QString status_text_;
  QString title_;
  QElapsedTimer since_shown_;
};

}  // namespace kinvale
