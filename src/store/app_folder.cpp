#include "store/app_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "store/atomic_file.h"
#include "store/file_access.h"
#include "store/settings.h"
#include "store/store_texts.h"
#include "store/text_codec.h"
#include "store/text_helpers.h"

namespace kinvale {

namespace {

const QString kDemoResources = QStringLiteral(":/demo");

// Where the demo family and the logo are copied from.
QString DemoSource() {
  const QString installed = InstalledDataFolder();
  return installed.isEmpty() ? kDemoResources : QDir(installed).filePath(QStringLiteral("demo"));
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Demo records name their photo by its file name only; a seeded record names the full path of
// the photo in the new family folder.
QByteArray WithFullPhotoPath(const QByteArray& record, const QString& family_folder) {
  QStringList lines = SplitLines(DecodeText(record));
  if (lines.size() < 7) return record;
  QString& photo = lines[6];
  if (photo.trimmed().isEmpty() || photo.contains(u'/')) return record;
  photo = QDir(family_folder).filePath(photo);
  return JoinRecordLines(lines);
}

// The name of the demo family's person 0001, the person shown when the program first starts.
QString DemoPersonOne(const QString& app_folder) {
  const QDir demo(FamilyFolderPath(app_folder, kDemoFamily));
  for (const QString& file : demo.entryList({QStringLiteral("*.dat")}, QDir::Files)) {
    if (NumberFromRecordFileName(file) == 1) return NameFromRecordFileName(file);
  }
  return kNoPersonCaption;
}

// Writes the demo family, the logo and the settings into staging; photo paths name their place
// under app_folder, where staging will be moved.
bool SeedDemo(const QString& staging, const QString& app_folder, QString* error) {
  const QDir source(DemoSource());
  QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString demo_file = it.next();
    const QString relative = source.relativeFilePath(demo_file);
    const QString target = QDir(staging).filePath(relative);
    const QString folder = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(folder)) {
      if (error) *error = kCouldNotCreateFolderMessage.arg(folder);
      return false;
    }
    QByteArray bytes = FileBytes(demo_file);
    if (target.endsWith(QStringLiteral(".dat"))) {
      bytes =
          WithFullPhotoPath(bytes, QFileInfo(QDir(app_folder).filePath(relative)).absolutePath());
    }
    if (!WriteFileAtomically(target, bytes, error, Durability::kBuffered)) return false;
  }
  return SaveSettings(staging, {kDemoFamily, DemoPersonOne(staging)}, error);
}

// The staging folder of a seeding: the application folder's path, this, and six random characters.
const QString kStagingInfix = QStringLiteral(".seeding-");

// An advisory lock on a folder, taken by waiting; released when the holder ends in any way.
class FolderLock {
 public:
  explicit FolderLock(const QString& folder)
      : fd_(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    int result = -1;
    while (fd_ >= 0 && (result = ::flock(fd_, LOCK_EX)) != 0 && errno == EINTR) {
    }
    held_ = result == 0;
  }
  ~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  bool held() const { return held_; }

 private:
  int fd_;
  bool held_ = false;
};

// Removes the staging folders that seedings cut short by a crash left beside the application
// folder: real folders of this user only, never a link of such a name. Runs under the lock, so
// no seeding is using one.
void RemoveStaleStagings(const QString& app_folder) {
  const QFileInfo info(app_folder);
  const QDir parent(info.absolutePath());
  const QStringList names =
      parent.entryList({info.fileName() + kStagingInfix + QStringLiteral("??????")},
                       QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot);
  for (const QString& name : names) {
    const QString path = parent.filePath(name);
    struct stat entry;
    if (::lstat(QFile::encodeName(path).constData(), &entry) == 0 && S_ISDIR(entry.st_mode) &&
        entry.st_uid == ::getuid()) {
      RemoveTreeNoFollow(path);
    }
  }
}

// Gives the seeded folder the permissions of a folder made the usual way and renames it into
// place; a folder that appeared there meanwhile is never replaced.
bool PublishStaging(const QString& staging, const QString& app_folder) {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  const QByteArray from = QFile::encodeName(staging);
  return ::chmod(from.constData(), 0777 & ~mask) == 0 &&
         ::rename(from.constData(), QFile::encodeName(app_folder).constData()) == 0;
}

// Seeds a new application folder in a fresh staging folder of its own beside its final place
// (never one that was there, which could be a link to someone's files) and renames it into place
// in one step, so an interrupted seeding never leaves a half-filled application folder that would
// be taken as complete. False with the reason otherwise; the staging folder is then removed.
bool SeedAppFolder(const QString& app_folder, QString* reason) {
  QByteArray staging_name =
      QFile::encodeName(app_folder + kStagingInfix + QStringLiteral("XXXXXX"));
  if (!::mkdtemp(staging_name.data())) {
    *reason = QString::fromLocal8Bit(std::strerror(errno));
    return false;
  }
  const QString staging = QFile::decodeName(staging_name);
  if (SeedDemo(staging, app_folder, reason) && PublishStaging(staging, app_folder)) return true;
  if (reason->isEmpty()) *reason = QString::fromLocal8Bit(std::strerror(errno));
  RemoveTreeNoFollow(staging);
  return false;
}

}  // namespace

QString InstalledDataFolder() {
  const QString program_folder = QCoreApplication::applicationDirPath();
  if (program_folder.isEmpty()) return {};
  const QString folder =
      QDir::cleanPath(QDir(program_folder).filePath(QStringLiteral(KINVALE_DATA_FROM_BIN)));
  return QFileInfo(folder).isDir() ? folder : QString();
}

QString ResolveAppFolder(const QString& dir_option) {
  QString folder = dir_option;
  if (folder.isEmpty()) folder = qEnvironmentVariable("KINVALE_HOME");
  if (folder.isEmpty()) {
    folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  }
  return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

bool PrepareAppFolder(const QString& app_folder, QString* error) {
  auto fail = [&](const QString& message) {
    if (error && error->isEmpty()) *error = message;
    return false;
  };
  if (app_folder.contains(u'\n') || app_folder.contains(u'\r')) {
    return fail(kAppFolderLineBreakMessage.arg(QDir::toNativeSeparators(app_folder)));
  }
  const QString logo = QDir(app_folder).filePath(kLogoFileName);
  if (QFileInfo(app_folder).isDir() && QFileInfo::exists(logo)) return true;
  const QString parent = QFileInfo(app_folder).absolutePath();
  if (!QDir().mkpath(parent)) {
    return fail(kCouldNotCreateFolderMessage.arg(parent));
  }
  // One start at a time seeds a new folder or restores the logo: a second first start waits
  // here and then finds the folder whole.
  const FolderLock lock(parent);
  if (QFileInfo(app_folder).isDir()) {
    return QFileInfo::exists(logo) ||
           WriteFileAtomically(logo, FileBytes(QDir(DemoSource()).filePath(kLogoFileName)), error);
  }
  if (lock.held()) RemoveStaleStagings(app_folder);
  QString reason;
  return SeedAppFolder(app_folder, &reason) ||
         fail(kCouldNotCreateAppFolderMessage.arg(QDir::toNativeSeparators(app_folder), reason));
}

QString FamilyFolderPath(const QString& app_folder, const QString& family) {
  return family.isEmpty() ? app_folder : QDir(app_folder).filePath(family);
}

}  // namespace kinvale
