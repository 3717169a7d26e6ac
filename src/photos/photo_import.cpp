#include "photos/photo_import.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

#include "editing/editing_texts.h"
#include "editing/shown_people.h"
#include "photos/photo_names.h"
#include "photos/photo_texts.h"
#include "session/session.h"
#include "store/file_access.h"
#include "store/link_string.h"
#include "store/prompter.h"
#include "store/record_reader.h"
#include "store/record_writer.h"
#include "store/shared_texts.h"

namespace kinvale {

namespace {

// The largest picture imported; larger files are no photos anyone wants in a family folder.
constexpr qint64 kMaxPictureBytes = qint64(1) << 30;

// The person of interest's row; -1, with the reason shown, when there is nobody to give a
// photo to.
int PhotoOwnerRow(const Session& session, Prompter& prompter) {
  if (!session.HasFamily()) {
    prompter.Message(kNoFamilyOpenMessage, kApplicationTitle, MessageKind::kWarning);
    return -1;
  }
  const int row = PoiRow(session);
  if (row < 0) prompter.Message(kNoPersonForPhotoMessage, kApplicationTitle, MessageKind::kWarning);
  return row;
}

// Adds to change the owner's record rewritten with the photo line given, or its own photo line
// when none is given, and makes the change. A record that cannot be read to its end is not
// rewritten, as the values not read would be lost. False with the reason in *error.
bool ApplyWithRecord(Session& session, int owner, const std::optional<QString>& photo,
                     FamilyChange change, QString* error) {
  const QString path = session.RecordPathOfRow(owner);
  const std::optional<QByteArray> record = RecordWithPhotoLine(path, photo);
  if (!record) {
    *error = kRecordNotWholeCause.arg(session.index.row(owner).name);
    return false;
  }
  change.Write(QFileInfo(path).fileName(), *record);
  if (!ApplyFamilyChange(session, change, error)) return false;
  session.current_photo_path = photo.value_or(ReadPhotoLine(path).value_or(QString()));
  return true;
}

// "Error handling import request.", followed by what went wrong on a line of its own.
void ReportImportError(Prompter& prompter, const QString& cause) {
  const QString message = kImportErrorMessage;
  prompter.Message(cause.isEmpty() ? message : message + u'\n' + cause, kApplicationTitle,
                   MessageKind::kError);
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
    prompter.Message(kTooManyPhotosMessage, kTooManyPhotosTitle, MessageKind::kError);
    return std::nullopt;
  }
  if (IsImportedPhotoName(file_name)) {
    prompter.Message(kPreviouslyImportedMessage, kPreviouslyImportedTitle, MessageKind::kWarning);
    return std::nullopt;
  }
  const QString photo_file = PhotoFileName(number, photo_number, file_name);
  const QString target = session.FamilyFilePath(photo_file);
  if (PhotoPathHasLineBreak(target)) {
    ReportImportError(prompter, kPhotoPathLineBreakMessage);
    return std::nullopt;
  }
  QString error;
  const std::optional<QByteArray> picture = ReadRegularFile(source, kMaxPictureBytes, &error);
  FamilyChange change{kImportPhotoStep.arg(session.index.row(owner).name), {}};
  if (picture) change.Write(photo_file, *picture);
  // The picture and the record are one step: an import that cannot reach the record leaves no
  // picture behind.
  if (!picture ||
      !ApplyWithRecord(session, owner, use_as_default ? std::optional(target) : std::nullopt,
                       std::move(change), &error)) {
    ReportImportError(prompter, error);
    return std::nullopt;
  }
  if (use_as_default) ShowPhoto(session, target);
  prompter.Message(kPhotoImportedMessage, kPhotoImportedTitle, MessageKind::kInformation);
  return target;
}

bool ChangePhoto(Session& session, Prompter& prompter, const QString& folder,
                 const QString& file_name, const PictureCheck& is_picture) {
  const int owner = PhotoOwnerRow(session, prompter);
  if (owner < 0) return false;
  const QString source = QDir(folder).filePath(file_name);
  // Only a photo already in the family folder: a record never names a picture kept elsewhere.
  const bool stored =
      IsImportedPhotoName(file_name) &&
      QFileInfo(folder).canonicalFilePath() == QFileInfo(session.FamilyPath()).canonicalFilePath();
  QString error = stored ? PictureProblem(source, is_picture)
                         : kNotStoredPhotoCause.arg(QDir::toNativeSeparators(source));
  if (!error.isEmpty() ||
      !ApplyWithRecord(session, owner, source,
                       FamilyChange{kChangePhotoStep.arg(session.index.row(owner).name), {}},
                       &error)) {
    ReportImportError(prompter, error);
    return false;
  }
  ShowPhoto(session, source);
  return true;
}

}  // namespace kinvale
