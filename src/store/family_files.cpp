#include "store/family_files.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "store/link_string.h"
#include "store/person_number.h"
#include "store/record.h"
#include "store/record_reader.h"
#include "store/text_codec.h"
#include "store/text_helpers.h"

namespace kinvale {

std::optional<QStringList> ListRecordFiles(const QString& family_folder) {
  const QFileInfo info(family_folder);
  if (!info.exists()) return QStringList();
  if (!info.isDir() || !info.isReadable() || !info.isExecutable()) return std::nullopt;
  // Every entry, not only regular files: a folder or a FIFO named like a record still carries
  // its person number, which must never be handed out again, and is reported when loading.
  return QDir(family_folder)
      .entryList({QStringLiteral("*.dat")},
                 QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
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
    if (!IsRecordOf(file, lines->first())) {
      loaded.not_records.append(file);
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

bool IsRecordOf(const QString& file, const QString& line1) {
  const QStringView own = OwnNumber(line1);
  if (own.size() != kEntryWidth) return false;
  for (QChar c : own) {
    if (c < u'0' || c > u'9') return false;
  }
  return RecordFileName(NameFromRecordFileName(file), own.toString()) == file;
}

QString LoadProblemsMessage(const LoadedIndex& loaded) {
  QStringList problems;
  if (!loaded.unreadable.isEmpty()) problems.append(UnreadableFilesMessage(loaded.unreadable));
  if (!loaded.not_records.isEmpty()) {
    problems.append(kNotRecordsMessage + loaded.not_records.join(QStringLiteral(", ")));
  }
  return problems.join(u'\n');
}

}  // namespace kinvale
