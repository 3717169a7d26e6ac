// The family a program has open: its folder, index, record file list and the first line of each
// record as it is on disk. The store's operations on a family read and change this alone.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include "store/change_history.h"
#include "store/family_index.h"

namespace kinvale {

class Prompter;

struct LoadedFamily {
  QString app_folder;  // absolute, without a trailing separator
  QString family;      // the open family's name; empty when none is open
  FamilyIndex index;
  QStringList family_files;     // the "*.dat" names of the family folder
  int highest_file_number = 0;  // the highest person number among family_files
  // Line 1 of the open family's record files as it is on disk, by file name: filled when the
  // index is loaded and kept by every write of a record, so that saving link strings rewrites
  // only the records that differ. A file not held here is read from disk when it is needed.
  QHash<QString, QString> record_line1;

  bool HasFamily() const { return !family.isEmpty(); }
  QString FamilyPath() const;
  QString FamilyFilePath(const QString& file_name) const;
  // The record file of the person of that row: its name, "_", its own number, ".dat", in the
  // family folder. Two people of one name each have their own.
  QString RecordPathOfRow(int row) const;
  // The next free person number (see NextPersonNumber); empty when the family is full.
  QString NextPersonNumber() const;
};

// Makes a change of the open family's files as one step of its history (see ApplyChange) and
// keeps record_line1 in step with the records it writes and removes. False with error set when
// nothing was changed.
bool ApplyFamilyChange(LoadedFamily& family, const FamilyChange& change, QString* error);

// Refills the family file list from the family folder; "Error reading family data." when the
// folder cannot be listed (the list is then empty).
void BuildFamilyFileList(LoadedFamily& family, Prompter& prompter);

// Rebuilds the whole index from the record files, reporting the files that could not be read
// ("Error reading " and their names) and the files that are no records in one message, and
// leaving them out.
void LoadFamilyIndex(LoadedFamily& family, Prompter& prompter);

}  // namespace kinvale
