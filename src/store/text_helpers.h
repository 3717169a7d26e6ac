// Text helpers shared by every subsystem: space stripping, case-insensitive containment,
// names taken back from record file names, and the file-exists test.
#pragma once

#include <QString>
#include <QStringView>

namespace kinvale {

// The text with every space (U+0020) removed; other white space stays.
QString StripSpaces(QStringView text);
// The key under which two names count as the same person: in composed form (NFC), spaces
// removed, upper-cased.
QString LooseNameKey(QStringView name);
// True when the text shows anything: a character other than blanks of any kind (no-break and
// ideographic spaces included), controls, zero-width characters and lone combining marks.
bool HasVisibleCharacter(QStringView text);
// True when part occurs in text, ignoring case. An empty part is found in any non-empty text;
// an empty text contains nothing.
bool ContainsText(QStringView text, QStringView part);
// The characters before the first "." or "_"; the whole name when it has neither.
QString NameFromFileName(QStringView file_name);
// The person's name from a record file name: "J. Smith_0005.dat" gives "J. Smith" and
// "Mary_Ann_0004.dat" gives "Mary_Ann". A name without the "_<digits>.dat" ending falls back to
// NameFromFileName.
QString NameFromRecordFileName(QStringView file_name);
// The person number a record file name carries (the digits after its last "_"), 0 when none.
int NumberFromRecordFileName(QStringView file_name);
// True when the file is a regular file (or a link to one) that can be opened for reading.
bool FileExists(const QString& path);

}  // namespace kinvale
