#include "common/ui/file_choice.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QSettings>
#include <QStandardPaths>

#include "common/ui/file_choice_texts.h"

namespace kinvale {

namespace {

// The remembered folders live beside settings.db: the application folder is the one place the
// program keeps anything.
const QString kRememberedFoldersFile = QStringLiteral("kinvale.ini");

// "*.bmp *.gif *.jpeg ...": every format the installed image plugins read.
QString PicturePatterns() {
  QStringList patterns;
  for (const QByteArray& format : QImageReader::supportedImageFormats()) {
    patterns.append(QStringLiteral("*.") + QString::fromLatin1(format));
  }
  return patterns.join(u' ');
}

// The desktop's folder of that kind (Pictures, Documents) when it has one, else the home folder.
QString DesktopFolder(QStandardPaths::StandardLocation location) {
  const QString folder = QStandardPaths::writableLocation(location);
  return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

// How the file dialog offers a kind of file, where it starts before the first choice, and where
// the last folder is remembered.
struct KindOfFile {
  QString settings_key;
  QString filter;
  QString default_suffix;
  QString first_folder;
};

KindOfFile Describe(FileKind kind, const QString& app_folder) {
  switch (kind) {
    case FileKind::kPicture:
      // A picture saved without its usual ending is still a picture.
      return {QStringLiteral("LastFolders/pictures"),
              kPictureFilter.arg(PicturePatterns()) + QStringLiteral(";;") + kAllFilesFilter,
              {},
              DesktopFolder(QStandardPaths::PicturesLocation)};
    case FileKind::kGedcom:
      return {QStringLiteral("LastFolders/gedcom"), kGedcomFilter, QStringLiteral("ged"),
              app_folder};
    case FileKind::kText:
      break;
  }
  return {QStringLiteral("LastFolders/text"), kTextFilter, QStringLiteral("txt"),
          DesktopFolder(QStandardPaths::DocumentsLocation)};
}

// The folder last used for the kind when it is still there, else the kind's first folder.
QString StartFolder(const QString& app_folder, const KindOfFile& kind) {
  if (!app_folder.isEmpty()) {
    const QSettings remembered(QDir(app_folder).filePath(kRememberedFoldersFile),
                               QSettings::IniFormat);
    const QString folder = remembered.value(kind.settings_key).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
  }
  return kind.first_folder;
}

// Without an application folder (no session started) nothing is remembered: the file would land
// in whatever folder the program runs in.
void RememberFolderOf(const QString& app_folder, const KindOfFile& kind, const QString& chosen) {
  if (app_folder.isEmpty() || chosen.isEmpty()) return;
  QSettings remembered(QDir(app_folder).filePath(kRememberedFoldersFile), QSettings::IniFormat);
  remembered.setValue(kind.settings_key, QFileInfo(chosen).absolutePath());
}

QString RunFileDialog(QWidget* parent, const FileRequest& request, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, request.title, request.start, request.filter);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(request.default_suffix);
  // The windows ask before replacing a file, in their own words.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  // "Pictures" reads better than the two dozen patterns it stands for.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}

}  // namespace

QString StandardFileChooser::FileToOpen(QWidget* parent, const FileRequest& request) {
  return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString StandardFileChooser::FileToSave(QWidget* parent, const FileRequest& request) {
  return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

QString ChooseFileToOpen(FileChooser& chooser, QWidget* parent, const QString& app_folder,
                         FileKind kind, const QString& title) {
  const KindOfFile described = Describe(kind, app_folder);
  const QString chosen =
      chooser.FileToOpen(parent, {title, StartFolder(app_folder, described), described.filter, {}});
  RememberFolderOf(app_folder, described, chosen);
  return chosen;
}

QString ChooseFileToSave(FileChooser& chooser, QWidget* parent, const QString& app_folder,
                         FileKind kind, const QString& title, const QString& proposed_name) {
  const KindOfFile described = Describe(kind, app_folder);
  const QString start = QDir(StartFolder(app_folder, described)).filePath(proposed_name);
  const QString chosen =
      chooser.FileToSave(parent, {title, start, described.filter, described.default_suffix});
  RememberFolderOf(app_folder, described, chosen);
  return chosen;
}

}  // namespace kinvale
