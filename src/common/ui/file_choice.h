// Choosing a file to read or to write. Every window asks through a FileChooser: in the program
// that is Qt's standard file dialog (the desktop's own where it offers one), in tests a scripted
// one. Each kind of file starts in the folder a file of that kind was last chosen in, remembered
// in the application folder's kinvale.ini from one run to the next.
#pragma once

#include <QString>

class QWidget;

namespace kinvale {

enum class FileKind { kPicture, kGedcom, kText };

// What a file dialog is asked.
struct FileRequest {
  QString title;
  QString start;           // the folder to start in; for a save, the proposed file in it
  QString filter;          // as QFileDialog takes it: "GEDCOM files (*.ged)", several by ";;"
  QString default_suffix;  // added to a file name typed without one (saves only)
};

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // An existing file the user picked; "" when they cancelled.
  virtual QString FileToOpen(QWidget* parent, const FileRequest& request) = 0;
  // The path to write to; "" when they cancelled. The caller asks before replacing a file.
  virtual QString FileToSave(QWidget* parent, const FileRequest& request) = 0;
};

class StandardFileChooser final : public FileChooser {
 public:
  QString FileToOpen(QWidget* parent, const FileRequest& request) override;
  QString FileToSave(QWidget* parent, const FileRequest& request) override;
};

// Asks for a file of the kind to read, titled title, starting in the folder last used for the
// kind: before the first choice, or when that folder is gone, the user's Pictures folder for
// pictures, the application folder for GEDCOM files, the Documents folder for text. Remembers
// the folder of the file chosen. "" when cancelled.
QString ChooseFileToOpen(FileChooser& chooser, QWidget* parent, const QString& app_folder,
                         FileKind kind, const QString& title);
// The same for a file to write, proposing proposed_name in that folder.
QString ChooseFileToSave(FileChooser& chooser, QWidget* parent, const QString& app_folder,
                         FileKind kind, const QString& title, const QString& proposed_name);

}  // namespace kinvale
