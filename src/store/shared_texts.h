// Texts every part of the program shares: its title and the captions of the common buttons.
#pragma once

#include <QString>

namespace kinvale {

inline const QString kApplicationTitle = QStringLiteral("Kinvale");
// The one-line name entry dialog that answers LineEntry in the window program.
inline const QString kLineEntryTitle = QStringLiteral("Enter Name");
inline const QString kApplyCaption = QStringLiteral("Apply");
inline const QString kCancelCaption = QStringLiteral("Cancel");
// The button that closes most windows.
inline const QString kReturnCaption = QStringLiteral("Return");
// The button that makes the person a window shows the person of interest, saving nothing.
inline const QString kGoToCaption = QStringLiteral("Go to");
inline const QString kSaveCaption = QStringLiteral("Save");
inline const QString kSearchCaption = QStringLiteral("Search");

// The save-as window.
inline const QString kSaveAsTitle = QStringLiteral("Save As");
inline const QString kCloseCaption = QStringLiteral("Close");

}  // namespace kinvale
