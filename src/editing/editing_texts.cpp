#include "editing/editing_texts.h"

namespace kinvale {

QString RelativeWord(Relative relative) {
  switch (relative) {
    case Relative::kFather:
      return QStringLiteral("father");
    case Relative::kMother:
      return QStringLiteral("mother");
    case Relative::kSpouse:
      return QStringLiteral("spouse");
    case Relative::kSibling:
      return QStringLiteral("sibling");
    case Relative::kDependent:
      return QStringLiteral("dependent");
  }
  return {};
}

QString AddStepName(Relative relative, const QString& name) {
  return QStringLiteral("Add %1 %2").arg(RelativeWord(relative), name);
}

QString RemoveStepName(Relative relative, const QString& name) {
  return QStringLiteral("Remove %1 %2").arg(RelativeWord(relative), name);
}

}  // namespace kinvale
