#include "store/app_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <QDir>
#include <QFile>

namespace kinvale {

AppFolderLock::AppFolderLock(const QString& app_folder) : app_folder_(app_folder) {}

AppFolderLock::~AppFolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool AppFolderLock::TryLock() {
  if (fd_ >= 0) return true;
  const QByteArray path = QFile::encodeName(QDir(app_folder_).filePath(kLockFileName));
  const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return false;
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
    return QStringLiteral("Kinvale cannot lock %1 for changes; nothing was changed.").arg(folder);
  }
  QFile file(QDir(app_folder_).filePath(kLockFileName));
  const QByteArray pid = file.open(QIODevice::ReadOnly) ? file.readLine().trimmed() : QByteArray();
  const QString who =
      pid.isEmpty() ? QString() : QStringLiteral(" (process %1)").arg(QString::fromLatin1(pid));
  return QStringLiteral(
             "Another Kinvale%1 is working on %2; nothing was changed. Close it and try again.")
      .arg(who, folder);
}

}  // namespace kinvale
