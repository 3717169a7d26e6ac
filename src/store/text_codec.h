// Reading and writing the program's text files: UTF-8 (a leading byte order mark is skipped),
// falling back to Windows-1252 for lines that are not valid UTF-8; lines end in CR LF, LF or CR.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace kinvale {

// Decodes bytes as UTF-8; a line (up to and including its LF) that is not valid UTF-8 is read as
// Windows-1252, the other lines stay UTF-8.
QString DecodeText(const QByteArray& bytes);
QString DecodeWindows1252(const QByteArray& bytes);
// Encodes text as Windows-1252; false (and an empty result) when a character has no code there.
bool EncodeWindows1252(const QString& text, QByteArray* out);

// Splits text into lines at CR LF, LF or a lone CR; a final line break adds no empty line.
QStringList SplitLines(const QString& text);
// The decoded content of a text file; nullopt when the file cannot be opened or read, is no
// regular file, or holds more than kMaxTextFileBytes.
std::optional<QString> ReadText(const QString& path);
// The lines of a text file; nullopt when the file cannot be opened or read.
std::optional<QStringList> ReadTextLines(const QString& path);

// Joins lines into file content: UTF-8, every line ended by CR LF.
QByteArray JoinRecordLines(const QStringList& lines);

}  // namespace kinvale
