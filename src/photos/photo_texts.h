// The texts of the photo window ("Import Photo" / "Change Photo"), its messages, and the names
// of its steps in the undo history.
#pragma once

#include "store/text.h"

namespace kinvale {

inline constexpr Text kImportPhotoTitle{QT_TRANSLATE_NOOP("Kinvale", "Import Photo")};
inline constexpr Text kChangePhotoTitle{QT_TRANSLATE_NOOP("Kinvale", "Change Photo")};
inline constexpr Text kImportPhotoCaption{QT_TRANSLATE_NOOP("Kinvale", "Import")};
inline constexpr Text kChangePhotoCaption{QT_TRANSLATE_NOOP("Kinvale", "Change")};
inline constexpr Text kUseAsDefaultCaption{QT_TRANSLATE_NOOP("Kinvale", "Use as default photo")};
inline constexpr Text kExitCaption{QT_TRANSLATE_NOOP("Kinvale", "Exit")};

// Whose photo the window handles (%1: the person of interest).
inline constexpr Text kImportPhotoOf{
    QT_TRANSLATE_NOOP("Kinvale", "Choose a picture to import as a photo of %1.")};
inline constexpr Text kChangePhotoOf{
    QT_TRANSLATE_NOOP("Kinvale", "Choose the photo of %1 to show.")};
inline constexpr Text kNoPhotosYet{
    QT_TRANSLATE_NOOP("Kinvale", "%1 has no photos yet: add one with Import a Photo.")};
inline constexpr Text kChoosePictureCaption{QT_TRANSLATE_NOOP("Kinvale", "Choose &Picture...")};
// A stored photo in the list of the person's photos, by its number.
inline constexpr Text kPhotoNumberCaption{QT_TRANSLATE_NOOP("Kinvale", "Photo %1")};

inline constexpr Text kImportErrorMessage{
    QT_TRANSLATE_NOOP("Kinvale", "Error handling import request.")};
inline constexpr Text kTooManyPhotosMessage{QT_TRANSLATE_NOOP("Kinvale", "Too many photos!")};
inline constexpr Text kTooManyPhotosTitle{QT_TRANSLATE_NOOP("Kinvale", "Error")};
inline constexpr Text kPreviouslyImportedMessage{
    QT_TRANSLATE_NOOP("Kinvale", "Photo previously imported. Use Change Photo.")};
inline constexpr Text kPreviouslyImportedTitle{QT_TRANSLATE_NOOP("Kinvale", "Status")};
inline constexpr Text kPhotoImportedMessage{
    QT_TRANSLATE_NOOP("Kinvale", "Picture successfully imported")};
inline constexpr Text kPhotoImportedTitle{QT_TRANSLATE_NOOP("Kinvale", "File Transfer Complete")};
inline constexpr Text kNoPersonForPhotoMessage{QT_TRANSLATE_NOOP(
    "Kinvale", "Photos belong to the person of interest: choose a person of the family first.")};
// The causes shown under "Error handling import request.".
inline constexpr Text kNotAPictureCause{QT_TRANSLATE_NOOP("Kinvale", "%1 is not a picture.")};
inline constexpr Text kNotStoredPhotoCause{QT_TRANSLATE_NOOP(
    "Kinvale", "%1 is not a photo kept in this family; use Import Photo to bring it in.")};
inline constexpr Text kRecordNotWholeCause{QT_TRANSLATE_NOOP(
    "Kinvale", "The record of %1 could not be read to its end, so it was not rewritten.")};

// The photo changes in the undo history (%1: the person's name).
inline constexpr Text kImportPhotoStep{QT_TRANSLATE_NOOP("Kinvale", "Import photo of %1")};
inline constexpr Text kChangePhotoStep{QT_TRANSLATE_NOOP("Kinvale", "Change photo of %1")};

}  // namespace kinvale
