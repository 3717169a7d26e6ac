#include "gedcom/gedcom_charset.h"

#include <QStringDecoder>
#include <array>

#include "store/text_codec.h"  // DecodeWindows1252

namespace kinvale {

namespace {

constexpr char16_t kUndefined = 0xFFFD;

// ANSEL's spacing characters 0xA1 to 0xCF (0xBE, 0xBF, 0xCD to 0xCF are GEDCOM's additions).
constexpr std::array<char16_t, 0xCF - 0xA1 + 1> kAnselSpacing = {
    0x0141, 0x00D8, 0x0110,     0x00DE,     0x00C6,     0x0152,     0x02B9,     0x00B7,  // A1-A8
    0x266D, 0x00AE, 0x00B1,     0x01A0,     0x01AF,     0x02BC,     kUndefined,          // A9-AF
    0x02BB, 0x0142, 0x00F8,     0x0111,     0x00FE,     0x00E6,     0x0153,     0x02BA,  // B0-B7
    0x0131, 0x00A3, 0x00F0,     kUndefined, 0x01A1,     0x01B0,     0x25A1,              // B8-BE
    0x25A0, 0x00B0, 0x2113,     0x2117,     0x00A9,     0x266F,     0x00BF,     0x00A1,  // BF-C6
    0x00DF, 0x20AC, kUndefined, kUndefined, kUndefined, kUndefined,                      // C7-CC
    0x0065, 0x006F, 0x00DF,                                                              // CD-CF
};

// ANSEL's combining diacritics 0xE0 to 0xFE.
constexpr std::array<char16_t, 0xFE - 0xE0 + 1> kAnselCombining = {
    0x0309, 0x0300, 0x0301, 0x0302, 0x0303,     0x0304,     0x0306, 0x0307,  // E0-E7
    0x0308, 0x030C, 0x030A, 0xFE20, 0xFE21,     0x0315,     0x030B, 0x0310,  // E8-EF
    0x0327, 0x0328, 0x0323, 0x0324, 0x0325,     0x0333,     0x0332, 0x0326,  // F0-F7
    0x031C, 0x032E, 0xFE22, 0xFE23, kUndefined, kUndefined, 0x0313,          // F8-FE
};

bool IsCombining(unsigned char b) {
  return b >= 0xE0 && b <= 0xFE && kAnselCombining[b - 0xE0] != kUndefined;
}

char16_t AnselCharacter(unsigned char b) {
  if (b < 0x80) return b;
  if (b == 0x8D) return 0x200D;  // zero width joiner
  if (b == 0x8E) return 0x200C;  // zero width non-joiner
  if (b >= 0xA1 && b <= 0xCF) return kAnselSpacing[b - 0xA1];
  return kUndefined;
}

bool IsLineEnd(unsigned char b) { return b == '\r' || b == '\n'; }

QString DecodeUtf16(const QByteArray& bytes, QStringDecoder::Encoding encoding, int skip) {
  QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
  return decoder.decode(QByteArrayView(bytes).sliced(skip));
}

// The value of the header's "1 CHAR" line, upper-cased and trimmed; empty when there is none.
// Only the header record (up to the next level-0 line) is searched.
QByteArray DeclaredCharset(const QByteArray& bytes) {
  qsizetype start = 0;
  bool first = true;
  while (start < bytes.size()) {
    qsizetype end = start;
    while (end < bytes.size() && !IsLineEnd(static_cast<unsigned char>(bytes[end]))) ++end;
    const QByteArray line = bytes.mid(start, end - start).trimmed();
    if (!first && line.startsWith("0 ")) break;
    if (line.startsWith("1 CHAR")) return line.mid(6).trimmed().toUpper();
    if (!line.isEmpty()) first = false;
    start = end + 1;
  }
  return {};
}

// UTF-8, or Windows-1252 for bytes that are not valid UTF-8.
DecodedGedcom DecodeUtf8(const QByteArray& bytes, int skip, GedcomCharset charset) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(QByteArrayView(bytes).sliced(skip));
  if (utf8.hasError()) return {DecodeWindows1252(bytes.sliced(skip)), GedcomCharset::kWindows1252};
  return {std::move(text), charset};
}

}  // namespace

QString DecodeAnsel(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  QString marks;  // diacritics waiting for their letter
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (IsCombining(b)) {
      marks.append(QChar(kAnselCombining[b - 0xE0]));
      continue;
    }
    if (IsLineEnd(b)) {
      text.append(marks);  // a diacritic never crosses a line end
      marks.clear();
      text.append(QChar(b));
      continue;
    }
    text.append(QChar(AnselCharacter(b)));
    text.append(marks);
    marks.clear();
  }
  text.append(marks);
  return text.normalized(QString::NormalizationForm_C);
}

DecodedGedcom DecodeGedcom(const QByteArray& bytes) {
  if (bytes.startsWith("\xFF\xFE")) {
    return {DecodeUtf16(bytes, QStringDecoder::Utf16LE, 2), GedcomCharset::kUtf16Le};
  }
  if (bytes.startsWith("\xFE\xFF")) {
    return {DecodeUtf16(bytes, QStringDecoder::Utf16BE, 2), GedcomCharset::kUtf16Be};
  }
  if (bytes.startsWith(QByteArrayView("0\0 \0", 4))) {
    return {DecodeUtf16(bytes, QStringDecoder::Utf16LE, 0), GedcomCharset::kUtf16Le};
  }
  if (bytes.startsWith(QByteArrayView("\0"
                                      "0\0 ",
                                      4))) {
    return {DecodeUtf16(bytes, QStringDecoder::Utf16BE, 0), GedcomCharset::kUtf16Be};
  }
  if (bytes.startsWith("\xEF\xBB\xBF")) return DecodeUtf8(bytes, 3, GedcomCharset::kUtf8);

  const QByteArray declared = DeclaredCharset(bytes);
  if (declared == "ANSEL") return {DecodeAnsel(bytes), GedcomCharset::kAnsel};
  if (declared == "ANSI" || declared == "IBM WINDOWS" || declared == "WINDOWS" ||
      declared == "CP1252" || declared == "WINDOWS-1252") {
    return {DecodeWindows1252(bytes), GedcomCharset::kWindows1252};
  }
  return DecodeUtf8(bytes, 0, declared == "ASCII" ? GedcomCharset::kAscii : GedcomCharset::kUtf8);
}

QString GedcomCharsetName(GedcomCharset charset) {
  switch (charset) {
    case GedcomCharset::kUtf8:
      return QStringLiteral("UTF-8");
    case GedcomCharset::kUtf16Le:
      return QStringLiteral("UTF-16 (little endian)");
    case GedcomCharset::kUtf16Be:
      return QStringLiteral("UTF-16 (big endian)");
    case GedcomCharset::kAnsel:
      return QStringLiteral("ANSEL");
    case GedcomCharset::kAscii:
      return QStringLiteral("ASCII");
    case GedcomCharset::kWindows1252:
      return QStringLiteral("Windows-1252");
  }
  return {};
}

}  // namespace kinvale
