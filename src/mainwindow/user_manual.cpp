#include "mainwindow/user_manual.h"

#include <QDir>
#include <QFile>

#include "store/atomic_file.h"

namespace kinvale {

namespace {

bool HoldsExactly(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.size() == bytes.size() && file.readAll() == bytes;
}

}  // namespace

QString InstallManual(const QString& app_folder, const QByteArray& manual, QString* error) {
  const QString path = QDir(app_folder).filePath(kManualFileName);
  if (HoldsExactly(path, manual)) return path;
  return WriteFileAtomically(path, manual, error) ? path : QString();
}

}  // namespace kinvale
