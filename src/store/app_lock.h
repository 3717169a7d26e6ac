// One running Kinvale per application folder: a lock file that a second copy finds, and that a
// crashed copy leaves stale for the next one to take over.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace kinvale {

inline const QString kLockFileName = QStringLiteral("kinvale.lock");

class AppFolderLock {
 public:
  explicit AppFolderLock(const QString& app_folder);
  // Takes the lock; false when another running copy holds it (a lock left by a copy that no
  // longer runs is taken over).
  bool TryLock();
  // Why the lock could not be taken, for the user.
  QString HeldMessage() const;

 private:
  QString app_folder_;
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace kinvale
