// kinvale: the window program. Options: --data-dir DIR (the application folder),
// --screenshot FILE.png (start as usual, save a picture of the main window, and exit) and
// --chart (open the family chart at start; with --screenshot, its picture is saved); a GEDCOM
// file given (as the desktop does for a double-clicked .ged file) opens the import window on it.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

#include "app/app_texts.h"
#include "mainwindow/ui/main_window.h"
#include "store/app_folder.h"
#include "store/app_lock.h"
#include "store/prompter.h"
#include "store/shared_texts.h"

using namespace kinvale;

namespace {

int SavePicture(QWidget& window, const QString& path) {
  if (!window.grab().save(path)) {
    std::fprintf(stderr, "Could not write the screenshot %s.\n", qPrintable(path));
    return 1;
  }
  return 0;
}

// Renders the main window once, as it would first appear, into a picture file; with the chart,
// the chart window opened over it instead.
int SaveScreenshot(MainWindow& window, const QString& path, bool chart) {
  window.show();
  QApplication::processEvents();
  if (!chart) return SavePicture(window, path);
  int result = 1;
  // Runs inside the chart window's own event loop, once it is shown.
  QTimer::singleShot(0, &window, [&] {
    QWidget* chart_window = QApplication::activeModalWidget();
    result = SavePicture(*chart_window, path);
    chart_window->close();
  });
  window.OpenFamilyChart();
  return result;
}

// The translation into the user's language, when one is installed: kinvale_<language>.qm in
// share/kinvale/translations. Without one every text reads as written.
bool LoadTranslation(QTranslator& translator) {
  const QString installed = InstalledDataFolder();
  return !installed.isEmpty() &&
         translator.load(QLocale(), QStringLiteral("kinvale"), QStringLiteral("_"),
                         QDir(installed).filePath(QStringLiteral("translations")));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTranslator translator;
  if (LoadTranslation(translator)) QApplication::installTranslator(&translator);
  QApplication::setApplicationName(kApplicationTitle);
  QApplication::setApplicationVersion(QStringLiteral(KINVALE_VERSION));
  // The desktop matches the windows with the menu entry of that name.
  QApplication::setDesktopFileName(QStringLiteral(KINVALE_APP_ID));

  QCommandLineParser parser;
  parser.setApplicationDescription(kAppDescription);
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption data_dir(QStringLiteral("data-dir"), kDataDirOptionHelp,
                                    QStringLiteral("DIR"));
  const QCommandLineOption screenshot(QStringLiteral("screenshot"), kScreenshotOptionHelp,
                                      QStringLiteral("FILE"));
  const QCommandLineOption chart(QStringLiteral("chart"), kChartOptionHelp);
  parser.addOption(data_dir);
  parser.addOption(screenshot);
  parser.addOption(chart);
  parser.addPositionalArgument(QStringLiteral("FILE.ged"), kGedcomArgumentHelp,
                               QStringLiteral("[FILE.ged]"));
  parser.process(app);
  if (parser.positionalArguments().size() > 1) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(kOneGedcomFileAtMost.ToString()));
    return 2;
  }

  QString error;
  const QString app_folder = ResolveAppFolder(parser.value(data_dir));
  if (!PrepareAppFolder(app_folder, &error)) {
    QMessageBox::critical(nullptr, kApplicationTitle, kCannotStartMessage.arg(error));
    return 1;
  }
  // One window program per application folder: a second one would overwrite the first one's
  // work unseen.
  AppFolderLock lock(app_folder);
  if (!lock.TryLock()) {
    QMessageBox::warning(nullptr, kApplicationTitle, lock.HeldMessage());
    return 1;
  }
  MainWindow window;
  if (!window.Start(app_folder, &error)) {
    QMessageBox::critical(nullptr, kApplicationTitle, kCannotStartMessage.arg(error));
    return 1;
  }
  // The menu entry's icon where the icon theme has it (an installed Kinvale), else the logo.
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(KINVALE_APP_ID),
                                               QIcon(QDir(app_folder).filePath(kLogoFileName))));
  if (parser.isSet(screenshot)) {
    return SaveScreenshot(window, parser.value(screenshot), parser.isSet(chart));
  }
  window.show();
  if (parser.isSet(chart)) QTimer::singleShot(0, &window, &MainWindow::OpenFamilyChart);
  if (!parser.positionalArguments().isEmpty()) {
    const QString file = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    QTimer::singleShot(0, &window, [&window, file] { window.OpenImportWindow(file); });
  }
  return QApplication::exec();
}
