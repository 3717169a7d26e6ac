// The photo window ("Import Photo" / "Change Photo"): a volume picker, a folder tree, the files
// of the folder that match the mode's pattern, a preview, and the action that imports or
// changes the person of interest's photo. Controls are named for tests: "drivePicker",
// "folderTree", "folderPath", "fileList", "preview", "useAsDefault", "actionButton",
// "exitButton".
#pragma once

#include <QDialog>

#include "photos/photo_import.h"

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QListWidget;
class QTreeView;

namespace kinvale {

class ImportPhotoDialog : public QDialog {
  Q_OBJECT

 public:
  ImportPhotoDialog(Session& session, Prompter& prompter, PhotoMode mode,
                    QWidget* parent = nullptr);

 private:
  void BuildPickers();
  // Makes folder the folder picker's folder and lists its files.
  void ShowFolder(const QString& folder);
  void ListFiles();
  // Shows the picture in the preview; false, with the preview empty, for a file that is not a
  // picture Qt can read.
  bool ShowPreview(const QString& path);
  void RunAction();

  Session& session_;
  Prompter& prompter_;
  const PhotoMode mode_;
  QString folder_;
  QComboBox* drives_ = nullptr;
  QFileSystemModel* folder_model_ = nullptr;
  QTreeView* folders_ = nullptr;
  QLabel* folder_path_ = nullptr;
  QListWidget* files_ = nullptr;
  QLabel* preview_ = nullptr;
  QCheckBox* use_as_default_ = nullptr;
};

}  // namespace kinvale
