// The character sets a GEDCOM file may use: ANSEL with its diacritics before the letter, UTF-16
// with and without a byte order mark, and the 8-bit sets the header names.
#include <QtTest>

#include "gedcom/gedcom_charset.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;
using namespace Qt::StringLiterals;

namespace {

QByteArray Utf16(const QString& text, bool big_endian, bool mark) {
  QByteArray bytes;
  if (mark) bytes = big_endian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
  for (QChar c : text) {
    const char high = static_cast<char>(c.unicode() >> 8);
    const char low = static_cast<char>(c.unicode() & 0xFF);
    bytes.append(big_endian ? high : low);
    bytes.append(big_endian ? low : high);
  }
  return bytes;
}

// A header naming the set and one individual, René Müller, with the name in the bytes given.
QByteArray Named(const QByteArray& charset, const QByteArray& name) {
  return "0 HEAD\r\n1 CHAR " + charset + "\r\n0 @I1@ INDI\r\n1 NAME " + name + "\r\n0 TRLR\r\n";
}

const QByteArray kUtf8Name = "Ren\xC3\xA9 /M\xC3\xBCller/";
const QByteArray kLatin1Name = "Ren\xE9 /M\xFCller/";

}  // namespace

class GedcomCharsetTest : public QObject {
  Q_OBJECT

 private slots:
  void DecodesAnsel_data() {
    Columns<QByteArray, QString>();
    Row("acute before its letter",
        "Ren\xE2"_ba
        "e",
        u"René"_qs);
    Row("umlaut", "M\xE8uller"_ba, u"Müller"_qs);
    Row("two diacritics, Unicode order",
        "\xE3\xE2"_ba
        "a",
        QString(QChar(0x1EA5)));
    Row("no precomposed form",
        "\xE2"_ba
        "B",
        u"B"_qs + QChar(0x0301));
    Row("spacing letters", "\xA1\xB2\xB9\xC3\xCF"_ba, u"Łø£©ß"_qs);
    Row("a diacritic does not cross a line end", "x\xE2\r\ny"_ba,
        u"x"_qs + QChar(0x0301) + u"\r\ny"_qs);
    Row("an undefined byte",
        "a\xAF"_ba
        "b",
        u"a"_qs + QChar(0xFFFD) + u"b"_qs);
    Row("ASCII unchanged", "0 HEAD"_ba, u"0 HEAD"_qs);
  }

  void DecodesAnsel() {
    const auto [bytes, text] = Fetch<QByteArray, QString>();
    QCOMPARE(DecodeAnsel(bytes), text);
  }

  // The set is recognised and the name comes through it whole, without a byte order mark.
  void DecodesEverySet_data() {
    Columns<QByteArray, GedcomCharset>();
    const QString utf16 = QString::fromUtf8(Named("UNICODE", kUtf8Name));
    Row("UTF-16 LE mark", Utf16(utf16, false, true), GedcomCharset::kUtf16Le);
    Row("UTF-16 BE mark", Utf16(utf16, true, true), GedcomCharset::kUtf16Be);
    Row("UTF-16 LE without mark", Utf16(utf16, false, false), GedcomCharset::kUtf16Le);
    Row("UTF-16 BE without mark", Utf16(utf16, true, false), GedcomCharset::kUtf16Be);
    Row("UTF-8", Named("UTF-8", kUtf8Name), GedcomCharset::kUtf8);
    Row("UTF-8 mark", "\xEF\xBB\xBF" + Named("UTF-8", kUtf8Name), GedcomCharset::kUtf8);
    Row("ANSEL",
        Named("ANSEL",
              "Ren\xE2"_ba
              "e /M\xE8"_ba
              "uller/"),
        GedcomCharset::kAnsel);
    Row("ANSI", Named("ANSI", kLatin1Name), GedcomCharset::kWindows1252);
    Row("IBM WINDOWS", Named("IBM WINDOWS", kLatin1Name), GedcomCharset::kWindows1252);
    Row("ASCII read as UTF-8", Named("ASCII", kUtf8Name), GedcomCharset::kAscii);
    Row("UTF-8 that is not", Named("UTF-8", kLatin1Name), GedcomCharset::kWindows1252);
    Row("CHAR after the header is not the header's",
        "0 HEAD\r\n0 @N1@ NOTE\r\n1 CHAR ANSEL\r\n0 @I1@ INDI\r\n1 NAME " + kUtf8Name + "\r\n",
        GedcomCharset::kUtf8);
  }

  void DecodesEverySet() {
    const auto [bytes, charset] = Fetch<QByteArray, GedcomCharset>();
    const DecodedGedcom decoded = DecodeGedcom(bytes);
    QCOMPARE(decoded.charset, charset);
    QVERIFY2(decoded.text.startsWith(u"0 HEAD\r\n"), qPrintable(decoded.text.left(20)));
    QVERIFY2(decoded.text.contains(u"\r\n1 NAME René /Müller/\r\n"), qPrintable(decoded.text));
  }
};

QTEST_GUILESS_MAIN(GedcomCharsetTest)
#include "test_gedcom_charset.moc"
