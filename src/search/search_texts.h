// The texts of the keyword search and its window.
#pragma once

#include "store/text.h"

namespace kinvale {

inline constexpr Text kKeywordSearchTitle{QT_TRANSLATE_NOOP("Kinvale", "Keyword Search")};
inline constexpr Text kEnterKeywordsCaption{QT_TRANSLATE_NOOP("Kinvale", "Enter Keywords:")};
inline constexpr Text kExactPhraseCaption{QT_TRANSLATE_NOOP("Kinvale", "Exact Phrase")};
inline constexpr Text kResultsCaption{QT_TRANSLATE_NOOP("Kinvale", "Results:")};
inline constexpr Text kSearchStatusTitle{QT_TRANSLATE_NOOP("Kinvale", "Search Status")};
inline constexpr Text kNoSearchResults{QT_TRANSLATE_NOOP("Kinvale", "No search results.")};
inline constexpr Text kSearchCompleted{QT_TRANSLATE_NOOP("Kinvale", "Search completed.")};

}  // namespace kinvale
