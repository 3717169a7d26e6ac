// The application folder that holds the settings, the logo and one subfolder per family, and
// the family folder paths built from it.
#pragma once

#include <QString>

namespace kinvale {

inline const QString kLogoFileName = QStringLiteral("logo.bmp");
inline const QString kDemoFamily = QStringLiteral("Demo");

// The application folder: dir_option when given (--data-dir), else $KINVALE_HOME, else the
// platform's application data folder (on Linux ~/.local/share/Kinvale). Absolute, no trailing
// separator. QCoreApplication's application name must be set first.
QString ResolveAppFolder(const QString& dir_option);

// The folder of the read-only files installed with the program (the demo family and the user
// manual): share/kinvale under the installation prefix, found from the executable's folder.
// Empty when the program runs from its build tree, which uses the copies compiled into it.
QString InstalledDataFolder();

// Creates the application folder when it does not exist and seeds it with the demo family, the
// logo and settings naming the demo family and its person 0001, taken from the installed demo
// folder or else the compiled-in copy. An existing folder only gets the logo back when it is
// missing. Two starts at once seed one after the other, the second finding the folder whole;
// nothing beside the folder is followed or deleted but the staging folders of earlier seedings
// cut short. False with a message when the folder cannot be prepared, or when its path holds a
// line break.
bool PrepareAppFolder(const QString& app_folder, QString* error);

// The folder of a family: the application folder itself for an empty family name.
QString FamilyFolderPath(const QString& app_folder, const QString& family);

}  // namespace kinvale
