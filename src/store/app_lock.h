// One running Kinvale per application folder. The lock is an advisory lock on a file of the
// folder, which the system releases when the holder ends in any way, so a crashed copy never
// leaves a lock behind.
#pragma once

#include <QString>

namespace kinvale {

inline const QString kLockFileName = QStringLiteral("kinvale.lock");

class AppFolderLock {
 public:
  explicit AppFolderLock(const QString& app_folder);
  ~AppFolderLock();
  AppFolderLock(const AppFolderLock&) = delete;
  AppFolderLock& operator=(const AppFolderLock&) = delete;

  // Takes the lock; false when another running copy holds it.
  bool TryLock();
  // Why the lock could not be taken, for the user.
  QString HeldMessage() const;

 private:
  QString app_folder_;
  int fd_ = -1;
  bool held_elsewhere_ = false;
  QString problem_;  // why the lock file could not be used, when no other copy holds it
};

}  // namespace kinvale
