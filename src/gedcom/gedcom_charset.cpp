#include "gedcom/gedcom_charset.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <optional>

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

bool IsLineEnd(char b) { return b == '\r' || b == '\n'; }

constexpr size_t kBadLinesListed = 10;
// The longest "1 CHAR" value worth looking at; a longer one names no set.
constexpr qsizetype kLongestCharsetName = 40;

struct DeclaredSet {
  QByteArray name;     // the header's "1 CHAR" value, upper-cased; empty when there is none
  QByteArray version;  // its "2 VERS" value
};

// The header's "1 CHAR" line and its "2 VERS" line. Only the header record (up to the next
// level-0 line) is searched, through views of the bytes: a file may be one huge line.
DeclaredSet DeclaredCharset(QByteArrayView bytes) {
  DeclaredSet declared;
  bool first = true;
  bool in_char = false;
  for (qsizetype start = 0; start < bytes.size();) {
    qsizetype end = start;
    while (end < bytes.size() && !IsLineEnd(bytes[end])) ++end;
    const QByteArrayView line = bytes.sliced(start, end - start).trimmed();
    start = end + 1;
    if (line.isEmpty()) continue;
    if (!first && line.startsWith("0 ")) break;
    first = false;
    auto value = [&](qsizetype from) {
      const QByteArrayView rest = line.sliced(from);
      return rest.first(std::min(rest.size(), kLongestCharsetName))
          .trimmed()
          .toByteArray()
          .toUpper();
    };
    if (line.startsWith("1 CHAR")) {
      declared.name = value(6);
      in_char = true;
    } else if (in_char && line.startsWith("2 VERS")) {
      declared.version = value(6);
    } else if (!line.startsWith("2") && !line.startsWith("3")) {
      in_char = false;
    }
  }
  return declared;
}

// A set's name without blanks and hyphens: "IBM PC", "IBM-PC" and "IBMPC" are one set.
QByteArray Compact(QByteArray name) { return name.replace(' ', "").replace('-', ""); }

// UTF-16 without a byte order mark: the ASCII characters that every GEDCOM line has (levels,
// tags, blanks, line ends) each bring a zero byte, always on the same side of the pair, which
// 8-bit text never has. A file may start with blank lines, so no fixed start is looked for.
std::optional<QStringDecoder::Encoding> Utf16WithoutMark(QByteArrayView bytes) {
  const qsizetype n = std::min<qsizetype>(bytes.size(), 4096) & ~qsizetype(1);
  qsizetype zeros[2] = {0, 0};
  for (qsizetype i = 0; i < n; ++i) {
    if (bytes[i] == 0) ++zeros[i % 2];
  }
  const qsizetype characters = n / 2;
  if (characters == 0) return std::nullopt;
  if (zeros[1] * 4 >= characters && zeros[0] * 10 <= zeros[1]) return QStringDecoder::Utf16LE;
  if (zeros[0] * 4 >= characters && zeros[1] * 10 <= zeros[0]) return QStringDecoder::Utf16BE;
  return std::nullopt;
}

// Text decoded as a whole, with no line counted as bad.
DecodedGedcom Whole(QString text, GedcomCharset charset) {
  return {std::move(text), charset, {}, 0};
}

QString DecodeUtf16(QByteArrayView bytes, QStringDecoder::Encoding encoding) {
  QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
  return decoder.decode(bytes);
}

// A set the ICU-backed converters of Qt know by name.
QString DecodeNamedSet(QByteArrayView bytes, const char* name) {
  QStringDecoder decoder(name, QStringDecoder::Flag::Stateless);
  return decoder.decode(bytes);
}

// UTF-8 line by line into one buffer (never more characters than bytes): a line that is not
// valid UTF-8 is read as Windows-1252 and counted, so one stray byte garbles only its own line.
DecodedGedcom DecodeUtf8Lines(QByteArrayView bytes, GedcomCharset charset) {
  DecodedGedcom decoded = Whole(QString(bytes.size(), Qt::Uninitialized), charset);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QChar* out = decoded.text.data();
  const qsizetype n = bytes.size();
  int line_number = 1;
  for (qsizetype start = 0; start < n;) {
    qsizetype end = start;
    while (end < n && !IsLineEnd(bytes[end])) ++end;
    const QByteArrayView line = bytes.sliced(start, end - start);
    QChar* const line_start = out;
    utf8.resetState();
    out = utf8.appendToBuffer(out, line);
    if (utf8.hasError()) {
      const QString fallback = DecodeWindows1252(line.toByteArray());
      out = std::copy(fallback.cbegin(), fallback.cend(), line_start);
      if (decoded.bad_lines.size() < kBadLinesListed) decoded.bad_lines.push_back(line_number);
      ++decoded.bad_line_count;
    }
    if (end < n) {
      *out++ = QChar(bytes[end]);
      if (bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n') *out++ = QChar(bytes[++end]);
      ++line_number;
    }
    start = end + 1;
  }
  decoded.text.truncate(out - decoded.text.constData());
  return decoded;
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
    if (IsLineEnd(c)) {
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
  const QByteArrayView view(bytes);
  if (view.startsWith("\xFF\xFE")) {
    return Whole(DecodeUtf16(view.sliced(2), QStringDecoder::Utf16LE), GedcomCharset::kUtf16Le);
  }
  if (view.startsWith("\xFE\xFF")) {
    return Whole(DecodeUtf16(view.sliced(2), QStringDecoder::Utf16BE), GedcomCharset::kUtf16Be);
  }
  if (const auto utf16 = Utf16WithoutMark(view)) {
    return Whole(DecodeUtf16(view, *utf16), *utf16 == QStringDecoder::Utf16LE
                                                ? GedcomCharset::kUtf16Le
                                                : GedcomCharset::kUtf16Be);
  }
  if (view.startsWith("\xEF\xBB\xBF")) return DecodeUtf8Lines(view.sliced(3), GedcomCharset::kUtf8);

  const DeclaredSet declared = DeclaredCharset(view);
  const QByteArray set = Compact(declared.name);
  if (set == "ANSEL") return Whole(DecodeAnsel(bytes), GedcomCharset::kAnsel);
  if (set == "ANSI" || set == "IBMWINDOWS" || set == "WINDOWS" || set == "CP1252" ||
      set == "WINDOWS1252") {
    return Whole(DecodeWindows1252(bytes), GedcomCharset::kWindows1252);
  }
  if (set.startsWith("IBMPC") || set.startsWith("IBMDOS") || set == "DOS" ||
      set.startsWith("CP437") || set.startsWith("IBM437") || set.startsWith("CP850") ||
      set.startsWith("IBM850")) {
    if (set.contains("850") || declared.version.contains("850")) {
      return Whole(DecodeNamedSet(view, "IBM850"), GedcomCharset::kCodePage850);
    }
    return Whole(DecodeNamedSet(view, "IBM437"), GedcomCharset::kCodePage437);
  }
  if (set == "MACINTOSH" || set == "MAC" || set == "MACROMAN" || set == "XMACROMAN") {
    return Whole(DecodeNamedSet(view, "macintosh"), GedcomCharset::kMacRoman);
  }
  return DecodeUtf8Lines(view, set == "ASCII" ? GedcomCharset::kAscii : GedcomCharset::kUtf8);
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
    case GedcomCharset::kCodePage437:
      return QStringLiteral("IBM PC (code page 437)");
    case GedcomCharset::kCodePage850:
      return QStringLiteral("IBM PC (code page 850)");
    case GedcomCharset::kMacRoman:
      return QStringLiteral("Macintosh (Mac Roman)");
  }
  return {};
}

}  // namespace kinvale
