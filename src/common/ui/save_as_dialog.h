// The save-as window ("Save As"): a drive selector, a folder list, a file name box, "Save" and
// "Cancel". Its result is the save path: the folder chosen and the file name typed.
#pragma once

#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QPushButton;
class QTimer;
class QTreeView;

namespace kinvale {

class SaveAsDialog : public QDialog {
  Q_OBJECT

 public:
  SaveAsDialog(const QString& start_folder, const QString& default_file_name,
               QWidget* parent = nullptr);
  // The folder selected in the folder list (the start folder until one is picked).
  QString CurrentFolder() const;
  // The path chosen by "Save"; empty after "Cancel" or a frame close.
  QString save_path() const { return save_path_; }

  // Shows the window modally; the save path, or "" when the user cancelled.
  static QString ChooseSavePath(QWidget* parent, const QString& start_folder,
                                const QString& default_file_name);

 private:
  // Selects the folder in the folder list and scrolls it into view.
  void ShowFolder(const QString& folder);
  void Save();

  QString start_folder_;
  QComboBox* drives_ = nullptr;
  QFileSystemModel* folders_model_ = nullptr;
  QTreeView* folders_ = nullptr;
  QLineEdit* file_name_ = nullptr;
  QPushButton* save_ = nullptr;
  QTimer* settle_timer_ = nullptr;
  QString shown_folder_;  // the folder to keep in view until the user picks one
  QString save_path_;
};

}  // namespace kinvale
