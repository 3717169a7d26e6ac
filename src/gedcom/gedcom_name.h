// How a GEDCOM name ("Given names /Surname/", optionally with an alternate part marked by ">")
// becomes the program's person name.
#pragma once

#include <QString>
#include <QStringView>

namespace kinvale {

// The person name of a GEDCOM name: the given part followed directly by the capitalised
// surname, both without the characters file names cannot hold. *alternate_name receives the
// alternate-name text (a single blank when the name has no ">" part).
QString CleanGedcomName(QStringView value, QString* alternate_name);

// The first character unchanged, every further non-blank character lower-cased, blanks dropped.
QString CapitaliseWord(QStringView word);
// The text without any of the characters " \ / : * ? < > |.
QString StripFileNameChars(QStringView text);

}  // namespace kinvale
