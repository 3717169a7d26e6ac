// The photo window's operations: importing a picture into the family folder as a photo of the
// person of interest, and making a stored photo the person's photo. Both end by rewriting the
// person's record with the photo line.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace kinvale {

struct Session;
class Prompter;

enum class PhotoMode { kChange, kImport };

struct PhotoModeTexts {
  QString title;
  QString action;   // the action button's caption
  QString pattern;  // the file list's pattern
};
const PhotoModeTexts& TextsOf(PhotoMode mode);

inline const QString kUseAsDefaultCaption = QStringLiteral("Use as default photo");
inline const QString kExitCaption = QStringLiteral("Exit");

inline const QString kImportErrorMessage = QStringLiteral("Error handling import request.");
inline const QString kTooManyPhotosMessage = QStringLiteral("Too many photos!");
inline const QString kTooManyPhotosTitle = QStringLiteral("Error");
inline const QString kPreviouslyImportedMessage =
    QStringLiteral("Photo previously imported. Use Change Photo.");
inline const QString kPreviouslyImportedTitle = QStringLiteral("Status");
inline const QString kPhotoImportedMessage = QStringLiteral("Picture successfully imported");
inline const QString kPhotoImportedTitle = QStringLiteral("File Transfer Complete");
inline const QString kNoPersonForPhotoMessage =
    QStringLiteral("Photos belong to the person of interest: choose a person of the family first.");

// The names of the photo changes in the undo history.
inline QString ImportPhotoStepName(const QString& name) {
  return QStringLiteral("Import photo of ") + name;
}
inline QString ChangePhotoStepName(const QString& name) {
  return QStringLiteral("Change photo of ") + name;
}

// Whether the file at path is a picture the program can show.
using PictureCheck = std::function<bool(const QString& path)>;

// The user's pictures folder (QStandardPaths::PicturesLocation), or the home folder when the
// system names none that exists.
QString PicturesFolder();
// Where the window's folder picker starts: the family folder in change mode; in import mode
// the folder of the last import, or the pictures folder before the first one.
QString PhotoStartFolder(const Session& session, PhotoMode mode);
// The files of the folder the file list offers, sorted ignoring case: "*.pic" in change mode
// (letter case ignored), every file in import mode.
QStringList PhotoFileChoices(const QString& folder, PhotoMode mode);

// Copies folder/file_name into the family folder as the next photo of the person of interest
// and rewrites the person's record, with the new photo as its photo line when use_as_default
// (the main view then shows it), else with the line it had. Gives the new photo's path; every
// refusal and failure is reported, and nothing is copied or written then.
std::optional<QString> ImportPhoto(Session& session, Prompter& prompter, const QString& folder,
                                   const QString& file_name, bool use_as_default,
                                   const PictureCheck& is_picture);
// Makes folder/file_name the photo of the person of interest: the record's photo line, the
// current photo path and the main view's photo. True on success.
bool ChangePhoto(Session& session, Prompter& prompter, const QString& folder,
                 const QString& file_name, const PictureCheck& is_picture);

}  // namespace kinvale
