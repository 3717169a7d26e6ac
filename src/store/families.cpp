#include "store/families.h"

#include <QDir>

#include "store/text_helpers.h"

namespace kinvale {

namespace {

const QString kSpecialCharacters = QStringLiteral(",?'[]{}|=+!#$%^&*`~/\\.<>:\"");

}  // namespace

QStringList ListFamilies(const QString& app_folder) {
  QStringList families;
  const QStringList folders =
      QDir(app_folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QString& folder : folders) {
    if (!folder.isEmpty() && !folder.contains(u'.')) families.append(folder);
  }
  return families;
}

bool IsGoodFamilyName(const QString& name) {
  if (name == kNewFamilyInitialText || !HasVisibleCharacter(name)) return false;
  for (QChar c : name) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F || kSpecialCharacters.contains(c)) return false;
  }
  return true;
}

QString FamilyNameProblem(const QString& app_folder, const QString& name) {
  if (!IsGoodFamilyName(name)) return kNameErrorMessage;
  if (QFileInfo::exists(QDir(app_folder).filePath(name))) {
    return kFamilyExistsMessage.arg(name);
  }
  return {};
}

bool CreateFamily(const QString& app_folder, const QString& name, QString* error) {
  const QString problem = FamilyNameProblem(app_folder, name);
  if (!problem.isEmpty()) {
    if (error) *error = problem;
    return false;
  }
  if (!QDir(app_folder).mkdir(name)) {
    if (error) *error = kFamilyFolderNotMadeMessage.arg(name);
    return false;
  }
  return true;
}

QString DefaultPersonFile(const QStringList& family_files) {
  if (family_files.isEmpty()) return {};
  for (const QString& file : family_files) {
    if (ContainsText(file, u"0001")) return file;
  }
  return family_files.last();
}

}  // namespace kinvale
