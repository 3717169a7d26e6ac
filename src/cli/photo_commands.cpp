// The photo window's two actions from the command line: photo (import, or --change).
#include <QFileInfo>

#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "photos/photo_import.h"
#include "photos/picture_signature.h"

namespace kinvale::cli {

namespace {

// A bare file name stands for a photo of the family folder; any other path is taken as given.
QString StoredPhotoPath(const Session& session, const QString& argument) {
  return argument.contains(u'/') ? QFileInfo(argument).absoluteFilePath()
                                 : session.FamilyFilePath(argument);
}

const QString kPhotoSynopsis =
    QStringLiteral("FAMILY NAME FILE [--default] | FAMILY NAME --change PHOTO");

int Photo(Context& context, const QStringList& arguments) {
  QStringList args = arguments;
  QString change;
  bool missing = false;
  const bool change_mode = TakeOption(args, QStringLiteral("--change"), &change, &missing);
  const bool use_as_default = TakeFlag(args, QStringLiteral("--default"));
  const int count = change_mode ? 2 : 3;
  if (missing || (change_mode && use_as_default)) {
    context.Err(kUsagePrefix + QStringLiteral("photo ") + kPhotoSynopsis);
    return kUsageError;
  }
  if (!ArgumentCountIs(context, QStringLiteral("photo"), args, count, count)) return kUsageError;
  Session session;
  if (context.OpenFamilyWithPerson(session, args[0], args[1]) < 0) return kUserError;
  if (change_mode) {
    const QFileInfo photo(StoredPhotoPath(session, change));
    return ChangePhoto(session, context.prompter, photo.absolutePath(), photo.fileName(),
                       HasPictureSignature)
               ? kOk
               : kUserError;
  }
  const QFileInfo picture(args[2]);
  const std::optional<QString> photo =
      ImportPhoto(session, context.prompter, picture.absolutePath(), picture.fileName(),
                  use_as_default, HasPictureSignature);
  if (!photo) return kUserError;
  context.Out(*photo);
  return kOk;
}

const CommandRegistration kPhoto{
    {QStringLiteral("photo"), kPhotoSynopsis, kPhotoHelp, Photo, /*writes=*/true}};

}  // namespace

}  // namespace kinvale::cli
