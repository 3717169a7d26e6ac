#include "store/settings.h"

#include <QDir>

#include "store/atomic_file.h"
#include "store/person_number.h"
#include "store/text_codec.h"
#include "store/text_helpers.h"

namespace kinvale {

bool IsPlainFolderName(const QString& name) {
  return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
         !name.contains(u'\\');
}

std::optional<Settings> LoadSettings(const QString& app_folder) {
  const QString path = QDir(app_folder).filePath(kSettingsFileName);
  if (!FileExists(path)) return std::nullopt;
  const std::optional<QStringList> lines = ReadTextLines(path);
  return lines ? ParseSettingsLines(*lines) : std::nullopt;
}

std::optional<Settings> ParseSettingsLines(const QStringList& lines) {
  if (lines.size() < 2) return std::nullopt;
  Settings settings{lines.at(0), lines.at(1), NumberValue(lines.value(2))};
  if (!settings.family.isEmpty() && !IsPlainFolderName(settings.family)) return std::nullopt;
  if (settings.person.isEmpty()) settings.person = kNoPersonCaption;
  return settings;
}

bool SaveSettings(const QString& app_folder, const Settings& settings, QString* error) {
  QStringList lines{settings.family, settings.person};
  if (settings.person_number > 0) lines.append(FormatPersonNumber(settings.person_number));
  return WriteFileAtomically(QDir(app_folder).filePath(kSettingsFileName), JoinRecordLines(lines),
                             error);
}

}  // namespace kinvale
