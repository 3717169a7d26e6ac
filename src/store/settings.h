// settings.db: the family that was open and the person of interest, kept between runs.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "store/store_texts.h"  // kNoPersonCaption, the person when none is kept

namespace kinvale {

inline const QString kSettingsFileName = QStringLiteral("settings.db");

struct Settings {
  QString family;         // empty: no family open
  QString person;         // the person of interest caption
  int person_number = 0;  // the person of interest's number; 0 when not known
};

// The settings of the last run; nullopt when the file is missing, holds fewer than two lines or
// names a family that is not a plain folder name (then no family is opened). A third line holds
// the person of interest's number, so that one of two people of the same name is reopened.
std::optional<Settings> LoadSettings(const QString& app_folder);
// The same rules on the lines of a settings file.
std::optional<Settings> ParseSettingsLines(const QStringList& lines);
// Writes the lines atomically; false with a message when the file cannot be saved.
bool SaveSettings(const QString& app_folder, const Settings& settings, QString* error);

// True for a name that can be a family folder: not empty, no path separator, not "." or "..".
bool IsPlainFolderName(const QString& name);

}  // namespace kinvale
