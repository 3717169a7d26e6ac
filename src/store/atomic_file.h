// Whole-file writes that never leave half a file: the data goes to "<path>.tmp" in the same
// folder (created afresh, never through a symbolic link), is flushed to disk, and then renamed
// over the target in one step.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kinvale {

inline const QString kTemporarySuffix = QStringLiteral(".tmp");

enum class Durability {
  kSynced,    // flushed to the disk before the rename: survives a power cut
  kBuffered,  // left to the system's cache: survives a crash of the program (bulk writes)
};

// Writes data to path atomically. On failure the old file is untouched, the temporary file is
// removed, and error (when given) says what went wrong, naming the file.
bool WriteFileAtomically(const QString& path, const QByteArray& data, QString* error,
                         Durability durability = Durability::kSynced);

// The two halves of WriteFileAtomically, for changes to several files that must all be made or
// none: every file is staged ("<path>.tmp" written and flushed) before any is committed
// (renamed over its target), so a full disk stops the change before a single file is replaced.
bool StageFile(const QString& path, const QByteArray& data, QString* error,
               Durability durability = Durability::kSynced);
bool CommitStagedFile(const QString& path, QString* error);
void DiscardStagedFile(const QString& path);

// Flushes a folder's entries (the names of the files renamed into it) to the disk; false with
// a message naming the folder.
bool SyncFolder(const QString& folder, QString* error);


// Renames source to target in one step, replacing a file of that name: a reader finds the file
// under exactly one of the two names at every moment.
bool MoveFileAtomically(const QString& source, const QString& target, QString* error);

// Removes every "*.tmp" file of a folder; failures are ignored.
void DeleteTemporaryFiles(const QString& folder);

}  // namespace kinvale
