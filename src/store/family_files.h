// The record files of a family folder and the family index built from them.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "store/family_index.h"
#include "store/store_texts.h"

namespace kinvale {

// The "*.dat" entries of a folder (folders and other non-files included), sorted ignoring case;
// nullopt when the folder exists but cannot be listed. A missing folder has no files.
std::optional<QStringList> ListRecordFiles(const QString& family_folder);

// The highest person number that any of the file names carries.
int HighestFileNumber(const QStringList& family_files);

struct LoadedIndex {
  std::vector<IndexRow> rows;
  QStringList row_files;    // the file each row was read from, in row order
  QStringList unreadable;   // files that could not be read (no regular file, too large, empty)
  QStringList not_records;  // files whose first line is not a link string of their own number
};

// One row per record file, in list order: link (line 1), name (from the file name), birth date
// (line 8), death date (line 10) and gender (the line after the first "***" line). Backup copies
// (a name containing "copy") get no row, nor does a file that is not a record (IsRecordOf); a
// record that ends early keeps what was read.
LoadedIndex LoadIndexRows(const QString& family_folder, const QStringList& family_files);

// The row of one record: link (line 1), name from the file name, birth date (line 8), death
// date (line 10), gender (the line after the first "***" line from line 11 on).
IndexRow IndexRowFromRecordLines(const QString& file_name, const QStringList& lines);

// True when line1 is the link string of the record file: it begins with four digits, a person
// number, and the record file of that name and number is the file itself, so that saving the
// person's links rewrites this very file. Any other *.dat file
// (a note, a record whose first line names another number) is not a person of the family.
bool IsRecordOf(const QString& file, const QString& line1);

// The message for files that could not be read, naming them all; empty when there are none.
QString UnreadableFilesMessage(const QStringList& unreadable);
// The messages for the unreadable files and the files that are no records; empty when none.
QString LoadProblemsMessage(const LoadedIndex& loaded);

}  // namespace kinvale
