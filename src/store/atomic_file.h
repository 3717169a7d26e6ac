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

// Flushes a folder's entries (the names of the files renamed into it) to the disk; false with
// a message naming the folder.
bool SyncFolder(const QString& folder, QString* error);


// Removes every "*.tmp" file of a folder; failures are ignored.
void DeleteTemporaryFiles(const QString& folder);

}  // namespace kinvale
