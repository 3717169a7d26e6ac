// How a GEDCOM name ("Given names /Surname/ suffix", optionally with an alternate part marked by
// ">") becomes the program's person name.
#pragma once

#include <QString>
#include <QStringView>

namespace kinvale {

// The person name of a GEDCOM name: the given part, the surname with each word capitalised
// (CapitaliseWord), and the text after the surname's closing slash, one blank between words and
// none at the ends, without the characters file names cannot hold. *alternate_name receives the
// alternate-name text (a single blank when the name has no ">" part).
QString CleanGedcomName(QStringView value, QString* alternate_name);

// The first character unchanged, every further non-blank character lower-cased, blanks dropped.
QString CapitaliseWord(QStringView word);
// The text without control characters and without any of the characters " \ / : * ? < > |.
QString StripFileNameChars(QStringView text);
// The words of a text (white space between them) joined by one blank.
QString JoinWords(QStringView text);

}  // namespace kinvale
