// The texts of the person form that the details editor, the information view and the import
// window share (the field captions and tab titles are those of store/record_fields.h).
#pragma once

#include <QStringList>

#include "store/record.h"
#include "store/text.h"

namespace kinvale {

// The gender selector's choices, in order; any other text may be typed. They are what the record
// stores and the relations read, so they are never translated.
inline const QStringList kGenderChoices = {kMaleGender, kFemaleGender};

inline constexpr Text kAddEntryCaption{QT_TRANSLATE_NOOP("Kinvale", "+")};
inline constexpr Text kRemoveEntryCaption{QT_TRANSLATE_NOOP("Kinvale", "-")};
// %1 the list's caption.
inline constexpr Text kAddEntryTip{QT_TRANSLATE_NOOP("Kinvale", "Add an entry to %1")};
inline constexpr Text kRemoveEntryTip{
    QT_TRANSLATE_NOOP("Kinvale", "Remove the selected entry from %1")};

// The person's name above a read-only form.
inline constexpr Text kPersonNameCaption{QT_TRANSLATE_NOOP("Kinvale", "Name")};

}  // namespace kinvale
