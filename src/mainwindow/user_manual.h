// The user manual as a file the desktop's viewer can open: the one installed with the program,
// or, for a program run from its build tree, a copy written into the application folder.
#pragma once

#include <QByteArray>
#include <QString>

#include "store/text.h"

namespace kinvale {

inline const QString kManualFileName = QStringLiteral("Kinvale_Manual.html");
// The manual's name in the folder of installed files (InstalledDataFolder).
inline const QString kInstalledManualName = QStringLiteral("manual.html");
inline constexpr Text kManualOpenFailed{QT_TRANSLATE_NOOP(
    "Kinvale", "No program to show the user manual was found. The manual is the file %1.")};

// Puts the manual into the application folder, rewriting the file only when it is missing or
// differs (an older version), and gives its path; empty with a message when it cannot be
// written.
QString InstallManual(const QString& app_folder, const QByteArray& manual, QString* error);

}  // namespace kinvale
