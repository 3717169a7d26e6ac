// The families of the application folder: the chooser's listing, the "Create" rules, and the
// default person of interest of a freshly opened family.
#pragma once

#include <QString>
#include <QStringList>

#include "store/store_texts.h"

namespace kinvale {

// The family names: the folders of the application folder whose names hold no ".", sorted
// ignoring case so every file system lists them alike.
QStringList ListFamilies(const QString& app_folder);

// False for the names "Create" refuses: the initial text, a name that shows nothing (blanks or
// invisible characters only), "/", "\", ".", a control character, or any of
// , ? ' [ ] { } | = + ! # $ % ^ & * ` ~ (and the other characters Windows forbids in folder
// names).
bool IsGoodFamilyName(const QString& name);
// Why a typed name cannot become a family: kNameErrorMessage for a name IsGoodFamilyName
// refuses; a message saying so when the family exists already; empty when the name is good.
QString FamilyNameProblem(const QString& app_folder, const QString& name);
// Creates the family folder; false with a message when the name is refused or the folder
// cannot be made.
bool CreateFamily(const QString& app_folder, const QString& name, QString* error);

// The record file of the person of interest of a freshly opened family: the first record file
// whose name contains "0001", else the last file; empty for an empty list.
QString DefaultPersonFile(const QStringList& family_files);

}  // namespace kinvale
