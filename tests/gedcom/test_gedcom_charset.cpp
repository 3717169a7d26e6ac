// The character sets a GEDCOM file may use: ANSEL with its diacritics before the letter, UTF-16
// with and without a byte order mark, and the 8-bit sets the header names.
#include <QtTest>

#include "gedcom/gedcom_charset.h"
#include "support/gedcom_fixture.h"

using namespace kinvale;
using namespace kinvale::testing;

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

const QString kNamed = QStringLiteral("0 @I1@ INDI\r\n1 NAME Ren%1 /M%2ller/");

}  // namespace

class GedcomCharsetTest : public QObject {
  Q_OBJECT

 private slots:
  void DecodesAnsel_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("acute before its letter") << QByteArray(
                                                    "Ren\xE2"
                                                    "e")
                                             << u"René"_qs;
    QTest::newRow("umlaut") << QByteArray("M\xE8uller") << u"Müller"_qs;
    QTest::newRow("two diacritics, Unicode order") << QByteArray(
                                                          "\xE3\xE2"
                                                          "a")
                                                   << QString(QChar(0x1EA5));
    QTest::newRow("no precomposed form") << QByteArray(
                                                "\xE2"
                                                "B")
                                         << u"B"_qs + QChar(0x0301);
    QTest::newRow("spacing letters") << QByteArray("\xA1\xB2\xB9\xC3\xCF") << u"Łø£©ß"_qs;
    QTest::newRow("a diacritic does not cross a line end")
        << QByteArray("x\xE2\r\ny") << u"x"_qs + QChar(0x0301) + u"\r\ny"_qs;
    QTest::newRow("an undefined byte") << QByteArray(
                                              "a\xAF"
                                              "b")
                                       << u"a"_qs + QChar(0xFFFD) + u"b"_qs;
    QTest::newRow("ASCII unchanged") << QByteArray("0 HEAD") << u"0 HEAD"_qs;
  }

  void DecodesAnsel() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeAnsel(bytes), text);
  }

  void RecognisesTheCharacterSet_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<GedcomCharset>("charset");
    const QString text = QStringLiteral("0 HEAD\r\n1 CHAR UNICODE\r\n0 @I1@ INDI\r\n");
    QTest::newRow("UTF-16 LE mark") << Utf16(text, false, true) << GedcomCharset::kUtf16Le;
    QTest::newRow("UTF-16 BE mark") << Utf16(text, true, true) << GedcomCharset::kUtf16Be;
    QTest::newRow("UTF-16 LE without mark") << Utf16(text, false, false) << GedcomCharset::kUtf16Le;
    QTest::newRow("UTF-16 BE without mark") << Utf16(text, true, false) << GedcomCharset::kUtf16Be;
    QTest::newRow("UTF-8 mark") << QByteArray(
                                       "\xEF\xBB\xBF"
                                       "0 HEAD\r\n")
                                << GedcomCharset::kUtf8;
    QTest::newRow("ANSEL") << MakeGedcom({}, QStringLiteral("ANSEL")) << GedcomCharset::kAnsel;
    QTest::newRow("ANSI") << MakeGedcom({}, QStringLiteral("ANSI")) << GedcomCharset::kWindows1252;
    QTest::newRow("IBM WINDOWS") << MakeGedcom({}, QStringLiteral("IBM WINDOWS"))
                                 << GedcomCharset::kWindows1252;
    QTest::newRow("ASCII") << MakeGedcom({}, QStringLiteral("ASCII")) << GedcomCharset::kAscii;
    QTest::newRow("UTF-8 that is not")
        << QByteArray("0 HEAD\r\n1 CHAR UTF-8\r\n0 @N1@ NOTE \xE9\r\n")
        << GedcomCharset::kWindows1252;
    QTest::newRow("CHAR after the header is not the header's")
        << QByteArray("0 HEAD\r\n0 @N1@ NOTE\r\n1 CHAR ANSEL\r\n") << GedcomCharset::kUtf8;
  }

  void RecognisesTheCharacterSet() {
    QFETCH(QByteArray, bytes);
    QFETCH(GedcomCharset, charset);
    QCOMPARE(DecodeGedcom(bytes).charset, charset);
  }

  // The name of an individual comes through each set into the record's file name.
  void ImportsNamesInEverySet_data() {
    QTest::addColumn<QByteArray>("bytes");
    auto eight_bit = [](const char* charset, const QByteArray& name) {
      return "0 HEAD\r\n1 CHAR " + QByteArray(charset) + "\r\n0 @I1@ INDI\r\n1 NAME " + name +
             "\r\n0 TRLR\r\n";
    };
    QTest::newRow("ANSEL") << eight_bit("ANSEL", QByteArray("Ren\xE2"
                                                            "e /M\xE8"
                                                            "uller/"));
    QTest::newRow("ANSI") << eight_bit("ANSI", QByteArray("Ren\xE9 /M\xFCller/"));
    QTest::newRow("UTF-8") << MakeGedcom(kNamed.arg(QChar(0xE9), QChar(0xFC)));
    const QString utf16 = QString::fromUtf8(MakeGedcom(kNamed.arg(QChar(0xE9), QChar(0xFC))));
    QTest::newRow("UTF-16 LE") << Utf16(utf16, false, true);
    QTest::newRow("UTF-16 BE without mark") << Utf16(utf16, true, false);
  }

  void ImportsNamesInEverySet() {
    QFETCH(QByteArray, bytes);
    TempAppFolder app;
    QCOMPARE(ImportConfirmed(app, WriteGedcom(app, QStringLiteral("set.ged"), bytes)).outcome,
             ImportOutcome::kCompleted);
    QCOMPARE(RecordFiles(app, QStringLiteral("set")), QStringList(u"René Müller_0001.dat"_qs));
  }
};

QTEST_GUILESS_MAIN(GedcomCharsetTest)
#include "test_gedcom_charset.moc"
