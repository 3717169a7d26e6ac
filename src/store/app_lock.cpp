#include "store/app_lock.h"

#include <QDir>

namespace kinvale {

AppFolderLock::AppFolderLock(const QString& app_folder)
    : app_folder_(app_folder),
      lock_(std::make_unique<QLockFile>(QDir(app_folder).filePath(kLockFileName))) {
  // Only a lock whose process has gone is stale; a long session keeps its lock however old.
  lock_->setStaleLockTime(0);
}

bool AppFolderLock::TryLock() { return lock_->tryLock(0); }

QString AppFolderLock::HeldMessage() const {
  qint64 pid = 0;
  QString host, application;
  const QString who = lock_->getLockInfo(&pid, &host, &application)
                          ? QStringLiteral(" (process %1)").arg(pid)
                          : QString();
  switch (lock_->error()) {
    case QLockFile::LockFailedError:
      return QStringLiteral(
                 "Another Kinvale%1 is working on %2; nothing was changed. Close it "
                 "and try again.")
          .arg(who, QDir::toNativeSeparators(app_folder_));
    default:
      return QStringLiteral("Kinvale cannot lock %1 for changes; nothing was changed.")
          .arg(QDir::toNativeSeparators(app_folder_));
  }
}

}  // namespace kinvale
