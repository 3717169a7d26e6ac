// The folder an import writes its records into before they become the family. It stands beside
// the family folder under a name the family chooser never lists (".<family>.import"), is made
// afresh for every import, and nothing in it is reached through a symbolic link. The finished
// records take the family's place by renaming folders, so at every moment the family folder
// holds either the family as it was or the whole import; the family as it was is kept whole,
// renamed, inside the new one.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace kinvale {

inline const QString kReplacedFolderName = QStringLiteral("Replaced %1");

class ImportStaging {
 public:
  // Settles what an interrupted import of the family left behind, then makes an empty staging
  // folder; nullptr with a message when it cannot be made.
  static std::unique_ptr<ImportStaging> Begin(const QString& app_folder, const QString& family,
                                              QString* error);
  ImportStaging(const ImportStaging&) = delete;
  ImportStaging& operator=(const ImportStaging&) = delete;
  // A staging folder that was not put in place is removed with everything in it.
  ~ImportStaging();

  // Writes a new file of that name into the staging folder; false with a message naming the
  // file when it cannot be written whole.
  bool WriteFile(const QString& name, const QByteArray& data, QString* error);
  // Flushes every file written, and the folder, to the disk.
  bool Flush(QString* error);

  // Puts the staged records in the family's place in one folder rename. The family folder as it
  // was, with everything in it, becomes the folder *replaced_folder (a "Replaced <date time>"
  // name) inside the new one, or is removed when it held nothing (*replaced_folder is then
  // empty). A family that did not exist is created.
  bool ReplaceFamily(QString* replaced_folder, QString* error);
  // Moves the staged files into the existing family folder one by one, for Resume: each file
  // is whole where it stands, and the family keeps everything else it holds.
  bool AddToFamily(QString* error);

 private:
  ImportStaging(const QString& app_folder, const QString& family);

  QString app_folder_;
  QString family_folder_;
  QString staging_folder_;
  int folder_fd_ = -1;
  QStringList files_;
  bool owned_ = false;     // made by this import
  bool in_place_ = false;  // renamed into the family's place
};

// Settles an interrupted import of the family: an unfinished staging folder is removed; a family
// folder that an interrupted swap had already put aside goes into the family as its
// "Replaced <date time>" folder (or back in place when the family is missing). Run before every
// import; nothing outside the application folder is touched, no link is followed.
void SettleInterruptedImport(const QString& app_folder, const QString& family);

}  // namespace kinvale
