// The "Import From GEDCOM" window: a ".ged" file picked from any folder (starting in the
// application folder), "Resume", "Import" and "Return", the status label, window titles and a
// progress bar as the import goes, the name and six read-only person tabs of the individual
// being read, and the import report when it is done.
#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include "gedcom/gedcom_import.h"

class QCheckBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTreeView;

namespace kinvale {

class PersonDetailsForm;
class Prompter;
struct Session;

class ImportGedcomDialog : public QDialog, private ImportObserver {
  Q_OBJECT

 public:
  ImportGedcomDialog(Session& session, Prompter& prompter, QWidget* parent = nullptr);

  // The GEDCOM file chosen in the file list; empty when none is.
  QString SelectedFile() const;
  // Shows the folder of path and chooses the file in it, as the user would (kinvale FILE.ged);
  // false when path is no file.
  bool SelectFile(const QString& path);

 signals:
  // The open family was imported into and has been loaded again: the main window redraws.
  void familyReloaded();

 protected:
  void reject() override;

 private:
  void BuildFilePicker();
  QWidget* BuildPersonSummary();
  void ShowFolder(const QString& folder);
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
  QFileSystemModel* folders_;
  QFileSystemModel* files_;
  QTreeView* folder_tree_;
  QListView* file_list_;
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
