// The main window: renders the session's MainView (the person of interest, the spouse, the four
// relative lists and the photo), carries the menus, and runs start-up and exit.
#pragma once

#include <QMainWindow>
#include <functional>

#include "common/ui/file_choice.h"
#include "common/ui/widget_prompter.h"
#include "mainwindow/person_history.h"
#include "photos/photo_import.h"
#include "session/session.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QStringListModel;

namespace kinvale {

class FamilyBoard;
struct RelativeList;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up on the application folder: the settings, the family they name and its person of
  // interest, with the three start-up titles. False with a message when the folder is unusable.
  bool Start(const QString& app_folder, QString* error);

  Session& session() { return session_; }
  Prompter& prompter() { return prompter_; }
  // Shows the session's MainView as it stands.
  void Redraw();
  // Loads the family index again from the records and draws the person of interest.
  void ReloadFamily();
  // The "Import From GEDCOM" window, with file chosen in it when given (kinvale FILE.ged).
  void OpenImportWindow(const QString& file = QString());
  // What the person of interest button opens after the family chooser: the details editor,
  // unless tests put something else in its place.
  void SetDetailsEditor(std::function<void()> open_editor);
  // Where the windows ask for files: the standard file dialog, unless tests put another chooser
  // in its place (it must outlive the window).
  void SetFileChooser(FileChooser& chooser) { files_ = &chooser; }
  // View, Family Chart: the chart window on the person of interest, until it is closed.
  void OpenFamilyChart();

 protected:
  // Exit and the frame's close button both end the session: temporary files go, settings stay.
  void closeEvent(QCloseEvent* event) override;

 private:
  struct ListBinding {
    QListWidget* widget;
    RelativeList MainView::*list;
  };

  void BuildMenus();
  void BuildNavigationBar();
  // "Go to" and "Information" for the relative lists and the spouse button: context menus,
  // Ctrl+Return and Enter.
  void ConnectGoTo();
  void ConnectBoard();
  void ConnectEditingButtons();
  void OpenKeywordSearch();
  void OpenDescendants();
  // Makes the person of that index row the person of interest and draws them; nothing is saved.
  void GoToPerson(int row);
  // The same for a person number; a number that names nobody (0 among them) does nothing.
  void GoToNumber(int number);
  // Keeps the person of interest in the history (a new family starts it again) and sets what
  // Back and Forward may do.
  void RecordHistory();
  // The "Find person" box: every person's description to complete from, and Enter on its text.
  void FillFindCompletions();
  void FindPerson();
  void OpenPhotoWindow(PhotoMode mode);
  void ShowPersonInfo(int row);
  // The information view of the person a relation window names by number.
  void ShowPersonNumbered(int number);
  void RenderPhoto();
  void OpenFamilyTree();
  void EditPersonOfInterest();
  void ShowRelativeInfo(const QListWidgetItem* item);

  Session session_;
  WidgetPrompter prompter_;
  StandardFileChooser standard_files_;
  FileChooser* files_ = &standard_files_;
  FamilyBoard* board_ = nullptr;
  QLabel* status_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* back_ = nullptr;
  QAction* forward_ = nullptr;
  QLineEdit* find_box_ = nullptr;
  QStringListModel* find_completions_ = nullptr;
  PersonHistory history_;
  QString history_family_;  // the family folder the history belongs to
  std::vector<ListBinding> lists_;
  std::function<void()> details_editor_;
  QMetaObject::Connection find_focus_;
  bool started_ = false;
  bool ended_ = false;
};

}  // namespace kinvale
