// Changes of a family folder made all or nothing and kept as the family's undo history.
//
// A change names the files it replaces, creates or removes. Before the first file is touched,
// the files' present contents and their new contents are written as one step file into the
// family's history folder ".history" (a name with a "." is never taken for a family or a record):
// that file is the commit point. Then each file is replaced atomically, and the step is marked
// done. A crash in between leaves a step marked pending, which the next RecoverChanges finishes
// (every file written again is idempotent), so a change is never found half made. Undo writes the
// step's old contents back, redo its new ones, each journaled the same way.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace kinvale {

inline const QString kHistoryFolderName = QStringLiteral(".history");
// The history keeps at least this many of the latest steps, and drops the oldest beyond it or
// beyond kHistoryByteLimit.
inline constexpr int kHistoryStepLimit = 1000;
inline constexpr qint64 kHistoryByteLimit = qint64(256) * 1024 * 1024;

struct FileChange {
  QString file_name;                   // a file directly in the family folder
  std::optional<QByteArray> contents;  // nullopt: the file is removed
};

struct FamilyChange {
  QString name;  // what the user did, e.g. "Add father John Smith"
  std::vector<FileChange> files;

  void Write(const QString& file_name, QByteArray contents) {
    files.push_back({file_name, std::move(contents)});
  }
  void Remove(const QString& file_name) { files.push_back({file_name, std::nullopt}); }
  bool empty() const { return files.empty(); }
};

// Makes the change in the family folder as one step of its history; the steps undone before it
// can no longer be redone. False, with the folder as it was and error naming the cause, when it
// cannot be made (a full disk, a file that cannot be read or replaced).
bool ApplyChange(const QString& family_folder, const FamilyChange& change, QString* error);

struct HistoryStep {
  int id = 0;
  QString name;
  QDateTime time;
  bool undone = false;
};

// Every step of the history, newest first; undone steps (those redo would make again) first.
std::vector<HistoryStep> ListHistory(const QString& family_folder);
// The step Undo would take back, and the one Redo would make again.
std::optional<HistoryStep> StepToUndo(const QString& family_folder);
std::optional<HistoryStep> StepToRedo(const QString& family_folder);

// Takes back the newest step that is done (or makes the oldest undone step again). Gives the
// step; nullopt when there is none, or with error set when it could not be done (the folder is
// then as it was).
std::optional<HistoryStep> UndoChange(const QString& family_folder, QString* error);
std::optional<HistoryStep> RedoChange(const QString& family_folder, QString* error);

// Finishes every step a crash interrupted and removes half-written step files. Gives the number
// of steps finished.
int RecoverChanges(const QString& family_folder);

}  // namespace kinvale
