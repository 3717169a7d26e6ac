#include "store/app_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "store/atomic_file.h"
#include "store/settings.h"
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
      if (error) *error = QStringLiteral("Could not create the folder %1.").arg(folder);
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
  const QString logo = QDir(app_folder).filePath(kLogoFileName);
  if (QFileInfo(app_folder).isDir()) {
    if (QFileInfo::exists(logo)) return true;
    return WriteFileAtomically(logo, FileBytes(QDir(DemoSource()).filePath(kLogoFileName)), error);
  }
  // Seeded beside its final place and renamed in one step, so an interrupted seeding never
  // leaves a half-filled application folder that would then be taken as complete.
  const QString staging = app_folder + QStringLiteral(".seeding");
  QDir(staging).removeRecursively();
  if (!QDir().mkpath(staging) || !SeedDemo(staging, app_folder, error) ||
      !QDir().rename(staging, app_folder)) {
    QDir(staging).removeRecursively();
    if (error && error->isEmpty()) {
      *error = QStringLiteral("Could not create the application folder %1.")
                   .arg(QDir::toNativeSeparators(app_folder));
    }
    return false;
  }
  return true;
}

QString FamilyFolderPath(const QString& app_folder, const QString& family) {
  return family.isEmpty() ? app_folder : QDir(app_folder).filePath(family);
}

}  // namespace kinvale
