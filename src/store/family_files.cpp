#include "store/family_files.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "store/record_reader.h"
#include "store/text_codec.h"
#include "store/text_helpers.h"

namespace kinvale {

std::optional<QStringList> ListRecordFiles(const QString& family_folder) {
  const QFileInfo info(family_folder);
  if (!info.exists()) return QStringList();
  if (!info.isDir() || !info.isReadable() || !info.isExecutable()) return std::nullopt;
  return QDir(family_folder)
      .entryList({QStringLiteral("*.dat")}, QDir::Files | QDir::Hidden,
                 QDir::Name | QDir::IgnoreCase);
}

int HighestFileNumber(const QStringList& family_files) {
  int highest = 0;
  for (const QString& file : family_files) {
    highest = std::max(highest, NumberFromRecordFileName(file));
  }
  return highest;
}

IndexRow IndexRowFromRecordLines(const QString& file, const QStringList& lines) {
  IndexRow row;
  row.link = lines.value(0);
  row.name = NameFromRecordFileName(file);
  row.birth_date = lines.value(7);
  row.death_date = lines.value(9);
  row.gender = GenderFromLines(lines, /*from=*/10);  // from line 11 on
  return row;
}

LoadedIndex LoadIndexRows(const QString& family_folder, const QStringList& family_files) {
  LoadedIndex loaded;
  loaded.rows.reserve(family_files.size());
  const QDir folder(family_folder);
  for (const QString& file : family_files) {
    if (file.isEmpty() || ContainsText(file, u"copy")) continue;
    const std::optional<QStringList> lines = ReadTextLines(folder.filePath(file));
    if (!lines || lines->isEmpty()) {
      loaded.unreadable.append(file);
      continue;
    }
    loaded.rows.push_back(IndexRowFromRecordLines(file, *lines));
    loaded.row_files.append(file);
  }
  return loaded;
}

QString UnreadableFilesMessage(const QStringList& unreadable) {
  if (unreadable.isEmpty()) return {};
  return kRecordReadError + unreadable.join(QStringLiteral(", "));
}

}  // namespace kinvale
