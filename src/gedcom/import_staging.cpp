#include "gedcom/import_staging.h"

#include <fcntl.h>
#include <stdio.h>  // renameat2
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QThreadPool>
#include <atomic>
#include <cerrno>
#include <cstring>

#include "gedcom/gedcom_texts.h"
#include "store/app_folder.h"
#include "store/store_texts.h"

namespace kinvale {

namespace {

// Marks a folder as an import's staging folder for as long as it is one; a folder without it
// at the staging place is a family that an interrupted swap put aside.
const QString kStagingMark = QStringLiteral(".import-staging");

// Flushing a file makes the disk flush its cache; flushes that run at once share one, so many
// small files are flushed by many threads (3,000 files: 30 ms instead of 9 s on ext4).
constexpr int kFlushThreads = 32;

QString StagingFolderPath(const QString& app_folder, const QString& family) {
  return QDir(app_folder).filePath(u'.' + family + QStringLiteral(".import"));
}

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

QString Reason(int error_number) { return QString::fromLocal8Bit(std::strerror(error_number)); }

QString SaveError(const QString& path, int error_number) {
  return kCouldNotSaveMessage.arg(QDir::toNativeSeparators(path), Reason(error_number));
}

enum class Kind { kMissing, kFolder, kOther };  // kOther: a file, a link, anything else

Kind KindOf(const QString& path) {
  struct stat info;
  if (::lstat(Native(path).constData(), &info) != 0) return Kind::kMissing;
  return S_ISDIR(info.st_mode) ? Kind::kFolder : Kind::kOther;
}

bool IsEmptyFolder(const QString& path) {
  return QDir(path).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Removes a folder and what it holds; a link is removed itself, never followed.
void RemoveEntry(const QString& path) {
  if (KindOf(path) == Kind::kFolder) {
    QDir(path).removeRecursively();
  } else {
    ::unlink(Native(path).constData());
  }
}

bool SyncFolder(const QString& path) {
  const int fd = ::open(Native(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

// rename() with renameat2's flags where the file system has them; without RENAME_EXCHANGE
// support it fails with EINVAL, and RENAME_NOREPLACE falls back to a plain rename.
int Rename(const QString& from, const QString& to, unsigned flags = 0) {
  const int result =
      ::renameat2(AT_FDCWD, Native(from).constData(), AT_FDCWD, Native(to).constData(), flags);
  if (result != 0 && errno == EINVAL && flags == RENAME_NOREPLACE) {
    return ::rename(Native(from).constData(), Native(to).constData());
  }
  return result;
}

// A "Replaced <date time>" name that the folder does not use yet.
QString FreeReplacedName(const QString& folder) {
  const QString stamp =
      QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh.mm.ss"));
  const QDir dir(folder);
  QString name = kReplacedFolderName.arg(stamp);
  for (int n = 2; KindOf(dir.filePath(name)) != Kind::kMissing; ++n) {
    name = kReplacedFolderName.arg(stamp) + u' ' + QString::number(n);
  }
  return name;
}

// Puts a family folder that was replaced into the new family, or removes it when it holds
// nothing; gives the name it took (empty when removed).
QString PutAside(const QString& old_family, const QString& family_folder, bool* done) {
  *done = true;
  if (IsEmptyFolder(old_family)) {
    ::rmdir(Native(old_family).constData());
    return {};
  }
  const QString name = FreeReplacedName(family_folder);
  *done = Rename(old_family, QDir(family_folder).filePath(name), RENAME_NOREPLACE) == 0;
  SyncFolder(family_folder);
  return name;
}

bool HasReplacedFolder(const QString& folder) {
  return !QDir(folder)
              .entryList({kReplacedFolderName.arg(u'*')}, QDir::Dirs | QDir::NoDotAndDotDot)
              .isEmpty();
}

}  // namespace

void SettleInterruptedImport(const QString& app_folder, const QString& family) {
  const QString staging = StagingFolderPath(app_folder, family);
  const QString family_folder = FamilyFolderPath(app_folder, family);
  const bool family_exists = KindOf(family_folder) != Kind::kMissing;
  switch (KindOf(staging)) {
    case Kind::kMissing:
      break;
    case Kind::kOther:
      RemoveEntry(staging);
      break;
    case Kind::kFolder:
      if (KindOf(QDir(staging).filePath(kStagingMark)) != Kind::kMissing) {
        // Staged records are complete once the family was moved in among them (the swap of
        // file systems without an exchange rename); otherwise they are not.
        if (!family_exists && HasReplacedFolder(staging)) {
          Rename(staging, family_folder, RENAME_NOREPLACE);
        } else {
          RemoveEntry(staging);
        }
      } else if (IsEmptyFolder(staging)) {
        ::rmdir(Native(staging).constData());
      } else if (family_exists) {
        bool done = false;
        PutAside(staging, family_folder, &done);
      } else {
        Rename(staging, family_folder, RENAME_NOREPLACE);
      }
      SyncFolder(app_folder);
      break;
  }
  // The mark a finished swap had not yet taken away.
  const QString mark = QDir(family_folder).filePath(kStagingMark);
  if (KindOf(mark) != Kind::kMissing) ::unlink(Native(mark).constData());
}

ImportStaging::ImportStaging(const QString& app_folder, const QString& family)
    : app_folder_(app_folder),
      family_folder_(FamilyFolderPath(app_folder, family)),
      staging_folder_(StagingFolderPath(app_folder, family)) {}

std::unique_ptr<ImportStaging> ImportStaging::Begin(const QString& app_folder,
                                                    const QString& family, QString* error) {
  SettleInterruptedImport(app_folder, family);
  std::unique_ptr<ImportStaging> staging(new ImportStaging(app_folder, family));
  const QByteArray path = Native(staging->staging_folder_);
  if (::mkdir(path.constData(), 0777) != 0) {
    *error = SaveError(staging->staging_folder_, errno);
    return nullptr;
  }
  staging->owned_ = true;
  staging->folder_fd_ = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (staging->folder_fd_ < 0 || !staging->WriteFile(kStagingMark, {}, error)) {
    if (staging->folder_fd_ < 0) *error = SaveError(staging->staging_folder_, errno);
    return nullptr;
  }
  staging->files_.clear();  // the mark is not a record
  return staging;
}

ImportStaging::~ImportStaging() {
  if (folder_fd_ >= 0) ::close(folder_fd_);
  if (owned_ && !in_place_) RemoveEntry(staging_folder_);
}

bool ImportStaging::WriteFile(const QString& name, const QByteArray& data, QString* error) {
  const int fd = ::openat(folder_fd_, Native(name).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  bool whole = fd >= 0;
  for (qsizetype written = 0; whole && written < data.size();) {
    const ssize_t n = ::write(fd, data.constData() + written, size_t(data.size() - written));
    whole = n > 0;
    written += n;
  }
  int reason = errno;
  if (fd >= 0 && ::close(fd) != 0 && whole) {
    whole = false;
    reason = errno;
  }
  if (!whole) {
    *error = SaveError(QDir(family_folder_).filePath(name), reason == 0 ? ENOSPC : reason);
    return false;
  }
  files_.append(name);
  return true;
}

bool ImportStaging::Flush(QString* error) {
  std::atomic<qsizetype> next{0};
  std::atomic<int> failure{0};
  QMutex failed_mutex;
  QString failed_file;
  auto flush_files = [&] {
    for (qsizetype i; (i = next++) < files_.size() && failure == 0;) {
      const int fd =
          ::openat(folder_fd_, Native(files_[i]).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
      const bool flushed = fd >= 0 && ::fsync(fd) == 0;
      const int reason = errno;
      if (fd >= 0) ::close(fd);
      if (flushed) continue;
      const QMutexLocker lock(&failed_mutex);
      failure = reason;
      failed_file = files_[i];
    }
  };
  QThreadPool pool;
  pool.setMaxThreadCount(kFlushThreads);
  for (int t = 0; t < kFlushThreads && t < files_.size(); ++t) pool.start(flush_files);
  pool.waitForDone();
  if (failure == 0 && ::fsync(folder_fd_) != 0) failure = errno;
  if (failure != 0) {
    *error = SaveError(QDir(family_folder_).filePath(failed_file), failure);
    return false;
  }
  return true;
}

bool ImportStaging::ReplaceFamily(QString* replaced_folder, QString* error) {
  replaced_folder->clear();
  auto fail = [&](const QString& target) {
    *error = kReplaceFamilyError.arg(QDir::toNativeSeparators(target), Reason(errno));
    return false;
  };
  const QString mark = QDir(family_folder_).filePath(kStagingMark);
  if (KindOf(family_folder_) == Kind::kMissing) {
    if (Rename(staging_folder_, family_folder_, RENAME_NOREPLACE) != 0) {
      return fail(family_folder_);
    }
    in_place_ = true;
    SyncFolder(app_folder_);
    ::unlink(Native(mark).constData());
    return true;
  }
  if (Rename(staging_folder_, family_folder_, RENAME_EXCHANGE) == 0) {
    // The new family is in place; the old one stands where the staging folder stood.
    in_place_ = true;
    SyncFolder(app_folder_);
    bool put_aside = false;
    *replaced_folder = PutAside(staging_folder_, family_folder_, &put_aside);
    if (!put_aside) replaced_folder->clear();  // settled by the next import
    SyncFolder(app_folder_);
    ::unlink(Native(mark).constData());
    return true;
  }
  if (errno != EINVAL) return fail(family_folder_);
  // No exchange on this file system: the old family goes into the staging folder first, then
  // the staging folder takes its place. An interruption between the two is settled forward.
  const QString name = FreeReplacedName(staging_folder_);
  if (Rename(family_folder_, QDir(staging_folder_).filePath(name), RENAME_NOREPLACE) != 0) {
    return fail(family_folder_);
  }
  if (Rename(staging_folder_, family_folder_, RENAME_NOREPLACE) != 0) {
    const int reason = errno;
    Rename(QDir(staging_folder_).filePath(name), family_folder_, RENAME_NOREPLACE);
    errno = reason;
    return fail(family_folder_);
  }
  in_place_ = true;
  SyncFolder(app_folder_);
  ::unlink(Native(mark).constData());
  *replaced_folder = name;
  return true;
}

bool ImportStaging::AddToFamily(QString* error) {
  for (const QString& name : files_) {
    const QString target = QDir(family_folder_).filePath(name);
    if (Rename(QDir(staging_folder_).filePath(name), target, RENAME_NOREPLACE) != 0) {
      *error = SaveError(target, errno);
      return false;
    }
  }
  if (!SyncFolder(family_folder_)) {
    *error = SaveError(family_folder_, errno);
    return false;
  }
  return true;
}

}  // namespace kinvale
