// The photo window's operations: importing a picture into the family folder as a photo of the
// person of interest, and making a stored photo the person's photo. Both end by rewriting the
// person's record with the photo line.
#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace kinvale {

struct Session;
class Prompter;

enum class PhotoMode { kChange, kImport };

// Whether the file at path is a picture the program can show.
using PictureCheck = std::function<bool(const QString& path)>;

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
