#include "editing/editing_texts.h"

namespace kinvale {

namespace {

inline constexpr Text kFatherWord{QT_TRANSLATE_NOOP("Kinvale", "father")};
inline constexpr Text kMotherWord{QT_TRANSLATE_NOOP("Kinvale", "mother")};
inline constexpr Text kSpouseWord{QT_TRANSLATE_NOOP("Kinvale", "spouse")};
inline constexpr Text kSiblingWord{QT_TRANSLATE_NOOP("Kinvale", "sibling")};
inline constexpr Text kDependentWord{QT_TRANSLATE_NOOP("Kinvale", "dependent")};
// %1 the relative's word, %2 the name.
inline constexpr Text kAddStepName{QT_TRANSLATE_NOOP("Kinvale", "Add %1 %2")};
inline constexpr Text kRemoveStepName{QT_TRANSLATE_NOOP("Kinvale", "Remove %1 %2")};

}  // namespace

QString RelativeWord(Relative relative) {
  switch (relative) {
    case Relative::kFather:
      return kFatherWord;
    case Relative::kMother:
      return kMotherWord;
    case Relative::kSpouse:
      return kSpouseWord;
    case Relative::kSibling:
      return kSiblingWord;
    case Relative::kDependent:
      return kDependentWord;
  }
  return {};
}

QString AddStepName(Relative relative, const QString& name) {
  return kAddStepName.arg(RelativeWord(relative), name);
}

QString RemoveStepName(Relative relative, const QString& name) {
  return kRemoveStepName.arg(RelativeWord(relative), name);
}

}  // namespace kinvale
