#include "store/text_codec.h"

#include <array>

#include "store/file_access.h"

namespace kinvale {

namespace {

// Code points of Windows-1252 bytes 0x80 to 0x9F; 0 marks the five bytes it leaves undefined,
// which decode to the C1 control of the same value, as Latin-1 would.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool IsAscii(QByteArrayView bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

QString DecodeWindows1252(const QByteArray& bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  QChar* out = text.data();
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    char16_t code = b;
    if (b >= 0x80 && b <= 0x9F && kHighControls[b - 0x80] != 0) code = kHighControls[b - 0x80];
    out[i] = QChar(code);
  }
  return text;
}

bool EncodeWindows1252(const QString& text, QByteArray* out) {
  // Written through a pointer into a buffer of the final size: large texts (a GEDCOM export)
  // are mostly ASCII, and appending byte by byte costs several times as much.
  out->resize(text.size());
  char* bytes = out->data();
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      *bytes++ = static_cast<char>(u);
      continue;
    }
    int found = -1;
    for (int i = 0; i < 32; ++i) {
      if (kHighControls[i] == u || (kHighControls[i] == 0 && u == 0x80 + i)) found = i;
    }
    if (found < 0) {
      out->clear();
      return false;
    }
    *bytes++ = static_cast<char>(0x80 + found);
  }
  return true;
}

QString DecodeText(const QByteArray& bytes) {
  QByteArrayView body = bytes;
  if (body.startsWith("\xEF\xBB\xBF")) body = body.sliced(3);
  if (IsAscii(body)) return QString::fromLatin1(body);
  if (body.isValidUtf8()) return QString::fromUtf8(body);
  // Decided line by line: one Windows-1252 byte must not garble the valid UTF-8 of other lines,
  // which a save would then store garbled for good.
  QString text;
  text.reserve(body.size());
  qsizetype start = 0;
  while (start < body.size()) {
    qsizetype end = body.indexOf('\n', start);
    end = end < 0 ? body.size() : end + 1;
    const QByteArrayView line = body.sliced(start, end - start);
    text += line.isValidUtf8() ? QString::fromUtf8(line) : DecodeWindows1252(line.toByteArray());
    start = end;
  }
  return text;
}

QStringList SplitLines(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text[i];
    if (c != u'\r' && c != u'\n') continue;
    lines.append(text.mid(start, i - start));
    if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < n) lines.append(text.mid(start));
  return lines;
}

std::optional<QString> ReadText(const QString& path) {
  const std::optional<QByteArray> bytes = ReadRegularFile(path, kMaxTextFileBytes);
  if (!bytes) return std::nullopt;
  return DecodeText(*bytes);
}

std::optional<QStringList> ReadTextLines(const QString& path) {
  const std::optional<QString> text = ReadText(path);
  if (!text) return std::nullopt;
  return SplitLines(*text);
}

QByteArray JoinRecordLines(const QStringList& lines) {
  QByteArray out;
  qsizetype total = 0;
  for (const QString& line : lines) total += line.size() + 2;
  out.reserve(total);
  for (const QString& line : lines) {
    out.append(line.toUtf8());
    out.append("\r\n", 2);
  }
  return out;
}

}  // namespace kinvale
