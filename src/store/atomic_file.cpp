#include "store/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "store/file_access.h"
#include "store/store_texts.h"

namespace kinvale {

namespace {

QString SaveError(const QString& path, const QString& reason) {
  return kCouldNotSaveMessage.arg(QDir::toNativeSeparators(path), reason);
}

bool StageFile(const QString& path, const QByteArray& data, QString* error, Durability durability) {
  const QString temporary = path + kTemporarySuffix;
  QFile file;
  auto fail = [&](const QString& reason) {
    file.close();
    QFile::remove(temporary);
    if (error) *error = SaveError(path, reason);
    return false;
  };
  // A fresh file, never one a symbolic link of that name points to.
  QString reason;
  if (!CreateFreshFile(temporary, file, &reason)) {
    if (error) *error = SaveError(path, reason);
    return false;
  }
  if (file.write(data) != data.size() || !file.flush()) return fail(file.errorString());
  if (durability == Durability::kSynced && ::fsync(file.handle()) != 0) {
    return fail(QString::fromLocal8Bit(std::strerror(errno)));
  }
  file.close();
  if (file.error() != QFileDevice::NoError) return fail(file.errorString());
  return true;
}

bool CommitStagedFile(const QString& path, QString* error) {
  const QString temporary = path + kTemporarySuffix;
  if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) ==
      0) {
    return true;
  }
  const QString reason = QString::fromLocal8Bit(std::strerror(errno));
  QFile::remove(temporary);
  if (error) *error = SaveError(path, reason);
  return false;
}

}  // namespace

bool WriteFileAtomically(const QString& path, const QByteArray& data, QString* error,
                         Durability durability) {
  return StageFile(path, data, error, durability) && CommitStagedFile(path, error);
}

bool SyncFolder(const QString& folder, QString* error) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
  const bool synced = fd >= 0 && ::fsync(fd) == 0;
  const int reason = errno;
  if (fd >= 0) ::close(fd);
  if (!synced && error) *error = SaveError(folder, QString::fromLocal8Bit(std::strerror(reason)));
  return synced;
}

void DeleteTemporaryFiles(const QString& folder) {
  // Read straight from the directory: a family folder holds thousands of records and this runs
  // after every change, where a listing that looks at every entry's details costs milliseconds.
  DIR* dir = ::opendir(QFile::encodeName(folder).constData());
  if (!dir) return;
  std::vector<std::string> leftovers;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name(entry->d_name);
    const std::string_view suffix = ".tmp";
    if (name.size() >= suffix.size() &&
        ::strcasecmp(name.data() + name.size() - suffix.size(), suffix.data()) == 0) {
      leftovers.emplace_back(name);
    }
  }
  // A folder named like a temporary file is not removed: unlinkat refuses it.
  for (const std::string& name : leftovers) ::unlinkat(::dirfd(dir), name.c_str(), 0);
  ::closedir(dir);
}

}  // namespace kinvale
