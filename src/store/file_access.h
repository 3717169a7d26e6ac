// File access that cannot be led astray by what lies in a folder: reads take regular files only,
// never waiting on a FIFO or reading a device without end; writes never follow a symbolic link;
// removing a folder never reaches beyond it.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

namespace kinvale {

// The most a record or the settings file may hold; a larger file is no file this program wrote.
inline constexpr qint64 kMaxTextFileBytes = qint64(64) << 20;

// Opens path for reading when it is a regular file (a symbolic link to one is followed). Never
// blocks: a FIFO, a device or a folder is refused. False with the reason otherwise.
bool OpenRegularFile(const QString& path, QFile& file, QString* reason);
// The whole content of a regular file of at most max_bytes; nullopt with the reason otherwise.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 max_bytes,
                                          QString* reason = nullptr);

// Creates path as a new, empty regular file and opens it for writing. Whatever was there
// before (a leftover file, a symbolic link) is removed first, never followed, and the file is
// only created when nothing else took the name in between. False with the reason otherwise.
bool CreateFreshFile(const QString& path, QFile& file, QString* reason);

// Removes the folder at path and everything below it. A symbolic link met on the way, the
// folder itself included, is removed as a link and never followed. False when anything stayed.
bool RemoveTreeNoFollow(const QString& path);

}  // namespace kinvale
