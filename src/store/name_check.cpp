#include "store/name_check.h"

#include "store/atomic_file.h"
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
  if (StripSpaces(name).isEmpty()) return QStringLiteral("Please enter a name.");
  if (!HasVisibleCharacter(name)) {
    return QStringLiteral(
        "Please enter a name: this one holds only blanks or invisible characters, and would "
        "show as nothing.");
  }
  for (QChar c : name) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
      return QStringLiteral("The name cannot be stored: it contains a control character.");
    }
    if (kForbiddenCharacters.contains(c)) {
      return QStringLiteral("The name \"%1\" cannot be stored: file names cannot hold \"%2\".")
          .arg(shown, c);
    }
  }
  if (ContainsText(name, u"copy")) {
    return QStringLiteral(
               "The name \"%1\" cannot be stored: names containing \"copy\" are taken for backup "
               "copies and would never load.")
        .arg(shown);
  }
  // The longest file the name is ever stored in: the record's temporary copy.
  const QString longest = name + QStringLiteral("_0000.dat") + kTemporarySuffix;
  if (longest.toUtf8().size() > kMaxFileNameBytes) {
    return QStringLiteral("The name \"%1...\" is too long to be stored as a file name.")
        .arg(name.left(40));
  }
  return {};
}

}  // namespace kinvale
