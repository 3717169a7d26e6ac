#include "store/app_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>

#include "store/file_access.h"
#include "store/store_texts.h"

namespace kinvale {

AppFolderLock::AppFolderLock(const QString& app_folder) : app_folder_(app_folder) {}

AppFolderLock::~AppFolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool AppFolderLock::TryLock() {
  if (fd_ >= 0) return true;
  const QByteArray path = QFile::encodeName(QDir(app_folder_).filePath(kLockFileName));
  // Never through a symbolic link, which would have the lock written over another file; never
  // waiting on a FIFO of that name either.
  const int fd =
      ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
  struct stat info;
  if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    problem_ = fd < 0 && errno != ELOOP ? QString::fromLocal8Bit(std::strerror(errno))
                                        : kLockNotPlainFile.arg(kLockFileName);
    if (fd >= 0) ::close(fd);
    return false;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    held_elsewhere_ = errno == EWOULDBLOCK;
    ::close(fd);
    return false;
  }
  // The holder's process number, for the message a second copy shows.
  const QByteArray pid = QByteArray::number(static_cast<qint64>(::getpid())) + '\n';
  if (::ftruncate(fd, 0) == 0) {
    [[maybe_unused]] const ssize_t written = ::write(fd, pid.constData(), pid.size());
  }
  fd_ = fd;
  return true;
}

QString AppFolderLock::HeldMessage() const {
  const QString folder = QDir::toNativeSeparators(app_folder_);
  if (!held_elsewhere_) {
    const QString reason = problem_.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(problem_);
    return kCannotLockMessage.arg(folder, reason);
  }
  const QByteArray pid = ReadRegularFile(QDir(app_folder_).filePath(kLockFileName), 64)
                             .value_or(QByteArray())
                             .split('\n')
                             .value(0)
                             .trimmed();
  const QString who = pid.isEmpty() ? QString() : kLockProcess.arg(QString::fromLatin1(pid));
  return kLockedElsewhereMessage.arg(who, folder);
}

}  // namespace kinvale
