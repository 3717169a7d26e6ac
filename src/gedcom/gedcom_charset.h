// The character sets a GEDCOM file may be written in, how the import recognises them, and the
// decoders that turn the file's bytes into text: UTF-8, UTF-16 in either byte order, ANSEL,
// ASCII and Windows-1252 ("ANSI", "IBM WINDOWS").
#pragma once

#include <QByteArray>
#include <QString>

namespace kinvale {

enum class GedcomCharset { kUtf8, kUtf16Le, kUtf16Be, kAnsel, kAscii, kWindows1252 };

struct DecodedGedcom {
  QString text;  // without a byte order mark
  GedcomCharset charset;
};

// The text of a file. Its character set is told by a byte order mark, else by the byte pattern
// of "0 HEAD" for UTF-16 without one, else by the value of the header's "1 CHAR" line. A file
// that names UTF-8, ASCII or no known set is read as UTF-8 when its bytes are valid UTF-8 and as
// Windows-1252 otherwise.
DecodedGedcom DecodeGedcom(const QByteArray& bytes);

// ANSEL (ANSI Z39.47 with the GEDCOM additions). Its combining diacritics stand before the
// letter they belong to; the text has them after it, as Unicode does, and is NFC-normalized.
QString DecodeAnsel(const QByteArray& bytes);

// The set's name as the import report shows it.
QString GedcomCharsetName(GedcomCharset charset);

}  // namespace kinvale
