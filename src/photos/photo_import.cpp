#include "photos/photo_import.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

#include "details/details_editor.h"
#include "editing/editing_texts.h"
#include "photos/photo_names.h"
#include "store/atomic_file.h"
#include "store/link_string.h"
#include "store/prompter.h"
#include "store/record_writer.h"
#include "store/session.h"

namespace kinvale {

namespace {

// The largest picture imported; larger files are no photos anyone wants in a family folder.
constexpr qint64 kMaxPictureBytes = qint64(1) << 30;

const QString kNotAPictureCause = QStringLiteral("%1 is not a picture.");
const QString kRecordNotWholeCause =
    QStringLiteral("The record of %1 could not be read to its end, so it was not rewritten.");

// The person of interest's row; -1, with the reason shown, when there is nobody to give a
// photo to.
int PhotoOwnerRow(const Session& session, Prompter& prompter) {
  if (!session.HasFamily()) {
    prompter.Message(kNoFamilyOpenMessage, kApplicationTitle);
    return -1;
  }
  const int row =
      session.view.HasPerson() ? session.index.FindRowExact(session.view.person_of_interest) : -1;
  if (row < 0) prompter.Message(kNoPersonForPhotoMessage, kApplicationTitle);
  return row;
}

// Rewrites the person of interest's record with every field it holds and the photo line
// given, or its own photo line when none is given. A record that cannot be read to its end is
// not rewritten, as the values not read would be lost. False with the reason in *error.
bool RewriteRecord(Session& session, Prompter& prompter, const std::optional<QString>& photo,
                   QString* error) {
  DetailsEditor editor(session, prompter);
  if (editor.Open() == RecordLoad::kPartial) {
    *error = kRecordNotWholeCause.arg(session.view.person_of_interest);
    return false;
  }
  const QString line = photo.value_or(editor.fields().details.photo_path);
  if (!editor.WriteRecord(line, error)) return false;
  session.current_photo_path = line;
  return true;
}

// "Error handling import request.", followed by what went wrong on a line of its own.
void ReportImportError(Prompter& prompter, const QString& cause) {
  prompter.Message(cause.isEmpty() ? kImportErrorMessage : kImportErrorMessage + u'\n' + cause,
                   kApplicationTitle);
}

// Why the picture at path cannot be a photo: not a picture, or a path the photo line cannot
// hold; empty when it can.
QString PictureProblem(const QString& path, const PictureCheck& is_picture) {
  if (PhotoPathHasLineBreak(path)) return kPhotoPathLineBreakMessage;
  if (!is_picture(path)) return kNotAPictureCause.arg(QDir::toNativeSeparators(path));
  return {};
}

void ShowPhoto(Session& session, const QString& path) {
  session.view.photo_visible = true;
  session.view.photo_path = path;
}

}  // namespace

const PhotoModeTexts& TextsOf(PhotoMode mode) {
  static const PhotoModeTexts change{QStringLiteral("Change Photo"), QStringLiteral("Change"),
                                     QStringLiteral("*.pic")};
  static const PhotoModeTexts import{QStringLiteral("Import Photo"), QStringLiteral("Import"),
                                     QStringLiteral("*.*")};
  return mode == PhotoMode::kChange ? change : import;
}

QString PicturesFolder() {
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

QString PhotoStartFolder(const Session& session, PhotoMode mode) {
  if (mode == PhotoMode::kChange) return session.FamilyPath();
  return session.last_photo_import_folder.isEmpty() ? PicturesFolder()
                                                    : session.last_photo_import_folder;
}

QStringList PhotoFileChoices(const QString& folder, PhotoMode mode) {
  // "*.*" means every file, as it does on the system the pattern comes from, names without a
  // "." included.
  const QStringList patterns =
      mode == PhotoMode::kChange ? QStringList{TextsOf(mode).pattern} : QStringList();
  return QDir(folder).entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

std::optional<QString> ImportPhoto(Session& session, Prompter& prompter, const QString& folder,
                                   const QString& file_name, bool use_as_default,
                                   const PictureCheck& is_picture) {
  const int owner = PhotoOwnerRow(session, prompter);
  if (owner < 0) return std::nullopt;
  const QString source = QDir(folder).filePath(file_name);
  if (!is_picture(source)) {
    ReportImportError(prompter, kNotAPictureCause.arg(QDir::toNativeSeparators(source)));
    return std::nullopt;
  }
  const QString number = OwnNumber(session.index.row(owner).link).toString();
  const int photo_number = NextPhotoID(session.FamilyPath(), number);
  if (photo_number > kHighestPhotoNumber) {
    prompter.Message(kTooManyPhotosMessage, kTooManyPhotosTitle);
    return std::nullopt;
  }
  if (IsImportedPhotoName(file_name)) {
    prompter.Message(kPreviouslyImportedMessage, kPreviouslyImportedTitle);
    return std::nullopt;
  }
  const QString target = session.FamilyFilePath(PhotoFileName(number, photo_number, file_name));
  if (PhotoPathHasLineBreak(target)) {
    ReportImportError(prompter, kPhotoPathLineBreakMessage);
    return std::nullopt;
  }
  QString error;
  const bool copied = CopyFileAtomically(source, target, kMaxPictureBytes, &error);
  if (!copied || !RewriteRecord(session, prompter,
                                use_as_default ? std::optional(target) : std::nullopt, &error)) {
    // An import that cannot reach the record is undone whole.
    if (copied) QFile::remove(target);
    ReportImportError(prompter, error);
    return std::nullopt;
  }
  session.last_photo_import_folder = folder;
  if (use_as_default) ShowPhoto(session, target);
  prompter.Message(kPhotoImportedMessage, kPhotoImportedTitle);
  return target;
}

bool ChangePhoto(Session& session, Prompter& prompter, const QString& folder,
                 const QString& file_name, const PictureCheck& is_picture) {
  if (PhotoOwnerRow(session, prompter) < 0) return false;
  const QString source = QDir(folder).filePath(file_name);
  QString error = PictureProblem(source, is_picture);
  if (!error.isEmpty() || !RewriteRecord(session, prompter, source, &error)) {
    ReportImportError(prompter, error);
    return false;
  }
  ShowPhoto(session, source);
  return true;
}

}  // namespace kinvale
