// The Help menu's ways out to the desktop: the user manual in the desktop's viewer and the home
// page in its browser.
#pragma once

#include <QString>

class QWidget;

namespace kinvale {

// Opens the manual installed with the program, or, run from the build tree, the built-in one
// written to the application folder (when missing or different); a message tells where it is
// when no viewer can be started.
void OpenUserManual(QWidget* parent, const QString& app_folder);

// Opens the program's home page in the desktop browser.
void OpenHomePage(QWidget* parent);

}  // namespace kinvale
