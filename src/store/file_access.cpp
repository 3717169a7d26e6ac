#include "store/file_access.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "store/store_texts.h"

namespace kinvale {

namespace {

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString MegabytesText(qint64 bytes) { return kFileTooLargeReason.arg(bytes >> 20); }

// Empties the folder open as fd, descending only into real folders.
bool EmptyFolder(int fd) {
  const int listing = ::dup(fd);
  DIR* dir = listing >= 0 ? ::fdopendir(listing) : nullptr;
  if (!dir) {
    if (listing >= 0) ::close(listing);
    return false;
  }
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name(entry->d_name);
    if (name != "." && name != "..") names.emplace_back(name);
  }
  ::closedir(dir);
  bool all_removed = true;
  for (const std::string& name : names) {
    if (::unlinkat(fd, name.c_str(), 0) == 0) continue;
    // Only a folder is left to be removed otherwise; O_NOFOLLOW keeps a link from leading away.
    const int child = ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    const bool emptied = child >= 0 && EmptyFolder(child);
    if (child >= 0) ::close(child);
    if (!emptied || ::unlinkat(fd, name.c_str(), AT_REMOVEDIR) != 0) all_removed = false;
  }
  return all_removed;
}

}  // namespace

bool OpenRegularFile(const QString& path, QFile& file, QString* reason) {
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer forever.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (reason) *reason = SystemReason(errno);
    return false;
  }
  struct stat info;
  const bool stated = ::fstat(fd, &info) == 0;
  if (!stated || !S_ISREG(info.st_mode)) {
    if (reason) {
      *reason = !stated                 ? SystemReason(errno)
                : S_ISDIR(info.st_mode) ? kIsFolderReason.ToString()
                                        : kNotRegularFileReason.ToString();
    }
    ::close(fd);
    return false;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
    if (reason) *reason = file.errorString();
    ::close(fd);
    return false;
  }
  return true;
}

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 max_bytes, QString* reason) {
  QFile file;
  if (!OpenRegularFile(path, file, reason)) return std::nullopt;
  if (file.size() > max_bytes) {
    if (reason) *reason = MegabytesText(max_bytes);
    return std::nullopt;
  }
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    if (reason) *reason = file.errorString();
    return std::nullopt;
  }
  if (bytes.size() > max_bytes) {  // it grew while being read
    if (reason) *reason = MegabytesText(max_bytes);
    return std::nullopt;
  }
  return bytes;
}

bool CreateFreshFile(const QString& path, QFile& file, QString* reason) {
  const QByteArray name = QFile::encodeName(path);
  if (::unlink(name.constData()) != 0 && errno != ENOENT) {
    if (reason) *reason = SystemReason(errno);
    return false;
  }
  // O_EXCL: should anything take the name again in between, a link included, nothing is opened.
  const int fd =
      ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) {
    if (reason) *reason = SystemReason(errno);
    return false;
  }
  if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
    if (reason) *reason = file.errorString();
    ::close(fd);
    ::unlink(name.constData());
    return false;
  }
  return true;
}

bool RemoveTreeNoFollow(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  if (::unlink(name.constData()) == 0) return true;  // a file or a link: gone, nothing followed
  if (errno == ENOENT) return true;
  const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  const bool emptied = EmptyFolder(fd);
  ::close(fd);
  return emptied && ::rmdir(name.constData()) == 0;
}

}  // namespace kinvale
