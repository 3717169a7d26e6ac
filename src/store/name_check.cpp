#include "store/name_check.h"

#include "store/atomic_file.h"
#include "store/store_texts.h"
#include "store/text_helpers.h"

namespace kinvale {

namespace {

// The longest file name (in bytes) that common file systems accept.
constexpr qsizetype kMaxFileNameBytes = 255;
const QString kForbiddenCharacters = QStringLiteral("/\\<>:\"|?*");

}  // namespace

QString NormalizedName(const QString& typed) {
  return typed.normalized(QString::NormalizationForm_C);
}

QString NameProblem(const QString& name) {
  const QString shown = name.left(60);
  if (StripSpaces(name).isEmpty()) return kEnterNameMessage;
  if (!HasVisibleCharacter(name)) {
    return kInvisibleNameMessage;
  }
  for (QChar c : name) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
      return kControlCharacterMessage;
    }
    if (kForbiddenCharacters.contains(c)) {
      return kForbiddenCharacterMessage.arg(shown, c);
    }
  }
  if (ContainsText(name, u"copy")) {
    return kCopyNameMessage.arg(shown);
  }
  // The longest file the name is ever stored in: the record's temporary copy.
  const QString longest = name + QStringLiteral("_0000.dat") + kTemporarySuffix;
  if (longest.toUtf8().size() > kMaxFileNameBytes) {
    return kNameTooLongMessage.arg(name.left(40));
  }
  return {};
}

}  // namespace kinvale
