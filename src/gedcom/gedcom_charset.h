// The character sets a GEDCOM file may be written in, how the import recognises them, and the
// decoders that turn the file's bytes into text: UTF-8, UTF-16 in either byte order, ANSEL,
// ASCII, Windows-1252 ("ANSI", "IBM WINDOWS"), the IBM PC code pages 437 and 850 ("IBMPC",
// "IBM DOS") and Mac Roman ("MACINTOSH").
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace kinvale {

enum class GedcomCharset {
  kUtf8,
  kUtf16Le,
  kUtf16Be,
  kAnsel,
  kAscii,
  kWindows1252,
  kCodePage437,
  kCodePage850,
  kMacRoman,
};

struct DecodedGedcom {
  QString text;  // without a byte order mark
  GedcomCharset charset;
  // Lines (counting from 1) whose bytes are not valid in the file's set and were read as
  // Windows-1252 instead: the first few of them, and how many there were in all.
  std::vector<int> bad_lines;
  int bad_line_count = 0;
};

// The text of a file. Its character set is told by a byte order mark, else by the pattern of
// zero bytes that UTF-16 text without one has, else by the value of the header's "1 CHAR" line
// (and its "2 VERS" for code page 850). UTF-8, ASCII and files that name no known set are read
// line by line: a line that is not valid UTF-8 is read as Windows-1252 and counted as bad.
DecodedGedcom DecodeGedcom(const QByteArray& bytes);

// ANSEL (ANSI Z39.47 with the GEDCOM additions). Its combining diacritics stand before the
// letter they belong to; the text has them after it, as Unicode does, and is NFC-normalized.
QString DecodeAnsel(const QByteArray& bytes);

// The set's name as the import report shows it.
QString GedcomCharsetName(GedcomCharset charset);

}  // namespace kinvale
