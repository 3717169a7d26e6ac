// The user manual as a file in the application folder, where the desktop's viewer can open it.
#pragma once

#include <QByteArray>
#include <QString>

namespace kinvale {

inline const QString kManualFileName = QStringLiteral("Kinvale_Manual.html");
inline const QString kManualOpenFailed =
    QStringLiteral("No program to show the user manual was found. The manual is the file %1.");

// Puts the manual into the application folder, rewriting the file only when it is missing or
// differs (an older version), and gives its path; empty with a message when it cannot be
// written.
QString InstallManual(const QString& app_folder, const QByteArray& manual, QString* error);

}  // namespace kinvale
