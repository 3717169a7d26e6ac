#include "mainwindow/ui/help_actions.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "mainwindow/user_manual.h"
#include "mainwindow/window_texts.h"
#include "store/app_folder.h"

namespace kinvale {

namespace {

const QString kManualResource = QStringLiteral(":/docs/manual.html");

QByteArray BuiltInManual() {
  QFile file(kManualResource);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether the desktop has a program for web pages: xdg-open starts even when it has none to hand
// the page to, and then nothing at all shows.
bool CanShowWebPages() {
  if (!qEnvironmentVariableIsEmpty("BROWSER")) return true;
  if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) return false;
  if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty()) return true;
  QProcess query;
  query.start(QStringLiteral("xdg-mime"),
              {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
  return !query.waitForFinished(3000) || !query.readAllStandardOutput().trimmed().isEmpty();
}

// An installed program opens the manual installed with it; from the build tree the compiled-in
// copy is written out first.
QString ManualPath(const QString& app_folder, QString* error) {
  const QString installed = InstalledDataFolder();
  if (!installed.isEmpty()) return QDir(installed).filePath(kInstalledManualName);
  return InstallManual(app_folder, BuiltInManual(), error);
}

}  // namespace

void OpenUserManual(QWidget* parent, const QString& app_folder) {
  QString error;
  const QString path = ManualPath(app_folder, &error);
  if (path.isEmpty()) {
    QMessageBox::warning(parent, kApplicationTitle, error);
    return;
  }
  if (!CanShowWebPages() || !QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
    QMessageBox::warning(parent, kApplicationTitle,
                         kManualOpenFailed.arg(QDir::toNativeSeparators(path)));
  }
}

void OpenHomePage(QWidget* parent) {
  if (!QDesktopServices::openUrl(QUrl(kHomePageUrl))) {
    QMessageBox::warning(parent, kApplicationTitle, kHomePageOpenFailed.arg(kHomePageUrl));
  }
}

}  // namespace kinvale
