// The photo window ("Import Photo" / "Change Photo") of the person of interest; it says whose
// photo it handles and stays open until "Exit".
// Import: the picture is chosen in the standard file dialog, before the window opens and again
// with "Choose Picture...", shown in the preview, and copied into the family folder by "Import",
// as the photo shown when "Use as default photo" is ticked.
// Change: the person's own photos as numbered thumbnails; the one selected is shown in the
// preview and becomes the person's photo with "Change" (or Enter, or a double-click).
// Controls are named for tests: "owner", "picturePath", "choosePicture", "photos", "preview",
// "useAsDefault", "actionButton", "exitButton".
#pragma once

#include <QDialog>

#include "photos/photo_import.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kinvale {

class FileChooser;
class FittedPicture;

class ImportPhotoDialog : public QDialog {
  Q_OBJECT

 public:
  ImportPhotoDialog(Session& session, Prompter& prompter, FileChooser& files, PhotoMode mode,
                    QWidget* parent = nullptr);

  // In import mode the picture is asked for first: when the user cancels that, the window does
  // not open (Rejected).
  int exec() override;

 private:
  QLayout* BuildPictureRow();
  QWidget* BuildPhotoList();
  bool ChoosePicture();
  void ListPhotos();
  // Shows the picture in the preview; false, with the preview empty, for a file that is not a
  // picture Qt can read.
  bool ShowPreview(const QString& path);
  // The picture the action is for: the one chosen (import) or selected (change); "" for none.
  QString ActionPath() const;
  void RunAction();

  Session& session_;
  Prompter& prompter_;
  FileChooser& files_;
  const PhotoMode mode_;
  const int owner_row_;   // the person of interest; -1 while nobody is shown
  QString picture_path_;  // import: the picture chosen
  QLabel* owner_ = nullptr;
  QLineEdit* picture_path_box_ = nullptr;
  QPushButton* choose_picture_ = nullptr;
  QListWidget* photos_ = nullptr;
  FittedPicture* preview_ = nullptr;
  QCheckBox* use_as_default_ = nullptr;
  QPushButton* action_ = nullptr;
};

}  // namespace kinvale
