// The Help menu's ways out to the desktop: the user manual in the desktop's viewer and the home
// page in its browser.
#pragma once

#include <QString>

class QWidget;

namespace kinvale {

// Writes the manual built into the program to the application folder (when missing or
// different) and opens it; a message tells where it is when no viewer can be started.
void OpenUserManual(QWidget* parent, const QString& app_folder);

// Opens the program's home page in the desktop browser.
void OpenHomePage(QWidget* parent);

}  // namespace kinvale
