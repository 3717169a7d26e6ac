// The captions of the relation windows that their own descriptions do not give.
#pragma once

#include "store/text.h"

namespace kinvale {

inline constexpr Text kFirstPersonCaption{QT_TRANSLATE_NOOP("Kinvale", "First person:")};
inline constexpr Text kSecondPersonCaption{QT_TRANSLATE_NOOP("Kinvale", "Second person:")};
inline constexpr Text kPersonCaption{QT_TRANSLATE_NOOP("Kinvale", "Person:")};
inline constexpr Text kRelationCaption{QT_TRANSLATE_NOOP("Kinvale", "Relation:")};
inline constexpr Text kDescendantsCaption{QT_TRANSLATE_NOOP("Kinvale", "Descendants:")};
inline constexpr Text kRelativesCaption{QT_TRANSLATE_NOOP("Kinvale", "Relatives:")};
// The heading of each generation of the descendants list; %1 is 1 for the children.
inline constexpr Text kGenerationHeading{QT_TRANSLATE_NOOP("Kinvale", "Generation %1")};

}  // namespace kinvale
