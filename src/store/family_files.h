// The record files of a family folder and the family index built from them.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "store/family_index.h"

namespace kinvale {

inline const QString kFamilyListError = QStringLiteral("Error reading family data.");
inline const QString kRecordReadError = QStringLiteral("Error reading ");

// The "*.dat" file names of a folder, sorted ignoring case; nullopt when the folder exists but
// cannot be listed. A missing folder has no files.
std::optional<QStringList> ListRecordFiles(const QString& family_folder);

// The highest person number that any of the file names carries.
int HighestFileNumber(const QStringList& family_files);

struct LoadedIndex {
  std::vector<IndexRow> rows;
  QStringList row_files;   // the file each row was read from, in row order
  QStringList unreadable;  // files that could not be opened or have no first line
};

// One row per record file, in list order: link (line 1), name (from the file name), birth date
// (line 8), death date (line 10) and gender (the line after the first "***" line). Backup copies
// (a name containing "copy") get no row; a record that ends early keeps what was read.
LoadedIndex LoadIndexRows(const QString& family_folder, const QStringList& family_files);

// The row of one record: link (line 1), name from the file name, birth date (line 8), death
// date (line 10), gender (the line after the first "***" line from line 11 on).
IndexRow IndexRowFromRecordLines(const QString& file_name, const QStringList& lines);

// The message for files that could not be read, naming them all; empty when there are none.
QString UnreadableFilesMessage(const QStringList& unreadable);

}  // namespace kinvale
