// Person record files: the full layout, the minimal record, the reading rules on short and odd
// records, the value checks and the text encodings.
#include <QtTest>

#include "store/record_fields.h"
#include "store/record_reader.h"
#include "store/record_writer.h"
#include "store/text_codec.h"
#include "support/filled_details.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kLink = QStringLiteral("00010002F0003M0004S0005");

QStringList Lines(const QByteArray& bytes) { return SplitLines(DecodeText(bytes)); }
QStringList FullLines(const PersonDetails& d) {
  return Lines(FormatFullRecord(kLink, "2026-12-06", d));
}

QString ValueOf(const PersonDetails& d, const QString& caption) {
  const FieldInfo* f = FindDetailField(caption);
  return f->kind == FieldKind::kList ? (d.*f->list).join(u'|') : d.*f->text;
}

}  // namespace

class StoreRecordsTest : public QObject {
  Q_OBJECT

 private slots:
  void FullRecordRoundTripsEveryField() {
    const RecordRead read = ParseRecordLines(FullLines(EveryFieldFilled()));
    QCOMPARE(read.stopped_before, RecordPart::kEnd);
    QCOMPARE(read.record.link, kLink);
    QCOMPARE(read.record.date_changed, QStringLiteral("2026-12-06"));
    QCOMPARE(read.record.details, EveryFieldFilled());
  }

  // Every line of a record with no details, "|" between lines.
  void EmptyFieldsTakeTheirEmptyForms() {
    QCOMPARE(Lines(FormatFullRecord("L", "d", {})).join(u'|'),
             QStringLiteral("L|d||#||| ||||||***Gender***| |***Occupation***|"
                            "***Residential Addresses***||***Business Addresses***||"
                            "***HomePage Address***||***E-Mail Addresses***||***Elementary***|"
                            "***Intermediate***|***High***|***Universtities***|***Employers***|"
                            "***Religion***||***Notes***||***Sources***||***Immigration***||"));
  }

  void MinimalRecordByteForByte() {
    QByteArray expected = "00080000F0000M0000S0000\r\n";
    for (int i = 0; i < 12; ++i) expected += "\r\n";
    for (const char* h : {"***Occupation***", "***Addresses***", "***Elementary***",
                          "***Intermediate***", "***High***", "***Universtities***",
                          "***Employers***", "***Religion***", "***Notes***"}) {
      expected += QByteArray(h) + "\r\n\r\n";
    }
    QCOMPARE(FormatMinimalRecord("00080000F0000M0000S0000"), expected);
  }

  // Reading stops at the first failure and keeps what came before it.
  void ReadingStopsAndKeeps_data() {
    // The lines, where reading stops, the caption of the last field read whole and that of the
    // first field left empty.
    Columns<QStringList, RecordPart, QString, QString>();
    const auto row = [](const char* name, const QStringList& lines, RecordPart stop,
                        const char* kept, const char* lost) { Row(name, lines, stop, kept, lost); };
    const QStringList full = FullLines(EveryFieldFilled());
    row("empty file", {}, RecordPart::kLink, "", "Social Security Number");
    row("link only", full.mid(0, 1), RecordPart::kDateChanged, "", "Social Security Number");
    row("minimal record stops at line 4", Lines(FormatMinimalRecord(kLink)),
        RecordPart::kPrefixSuffix, "", "Prefix");
    row("ends inside the burial block", full.mid(0, 12), RecordPart::kBurial, "Death Place",
        "Burial Location");
    row("ends before the immigration lines", full.mid(0, full.indexOf("***Immigration***")),
        RecordPart::kImmigrationDate, "Sources", "Immigration Date");
    row("immigration place missing", full.mid(0, full.size() - 1), RecordPart::kImmigrationPlace,
        "Immigration Date", "Immigration Place");
  }
  void ReadingStopsAndKeeps() {
    const auto [lines, stopped_before, kept, lost] =
        Fetch<QStringList, RecordPart, QString, QString>();
    const RecordRead read = ParseRecordLines(lines);
    QCOMPARE(read.stopped_before, stopped_before);
    if (!kept.isEmpty()) {
      QCOMPARE(ValueOf(read.record.details, kept), ValueOf(EveryFieldFilled(), kept));
    }
    QCOMPARE(ValueOf(read.record.details, lost), QString());
  }

  void OddRecordsReadAsTheRulesSay() {
    QStringList lines = FullLines(EveryFieldFilled());
    // Occupation lines separated by empty lines are listed without them.
    lines.insert(lines.indexOf("***Occupation***") + 2, QString());
    // Line 4 of "#" followed by Jr: no prefix, the suffix Jr.
    lines[3] = "#Jr";
    // One empty notes line: the notes are a lone line break.
    const int notes = lines.indexOf("***Notes***");
    lines.erase(lines.begin() + notes + 1, lines.begin() + lines.indexOf("***Sources***"));
    lines.insert(notes + 1, QString());
    PersonDetails expected = EveryFieldFilled();
    expected.prefix.clear();
    expected.suffix = "Jr";
    expected.notes = "\r\n";
    const RecordRead read = ParseRecordLines(lines);
    QCOMPARE(read.stopped_before, RecordPart::kEnd);
    QCOMPARE(read.record.details, expected);
  }

  // A value is storable exactly when it reads back as it was written; made storable, it does.
  void UnstorableValues_data() {
    Columns<QString, QString, bool>();  // the field's caption, its value, whether storable
    Row("header-like occupation", "Occupation", "***Boss", false);
    Row("header-like note line", "Notes:", "fine\r\n***no\r\n", false);
    Row("line break in a date", "Birth Date", "1 JAN\n1900", false);
    Row("line break in a block", "Notes:", "a\r\nb\r\n", true);
    Row("hash in prefix", "Prefix", "Dr#", false);
    Row("asterisks inside", "Religion", "a***b", true);
  }
  void UnstorableValues() {
    const auto [caption, value, storable] = Fetch<QString, QString, bool>();
    PersonDetails d = EveryFieldFilled();
    const FieldInfo* field = FindDetailField(caption);
    QVERIFY(field);
    if (field->kind == FieldKind::kList) {
      d.*field->list = QStringList{value};
    } else {
      d.*field->text = value;
    }
    const auto reads_back = [](const PersonDetails& details) {
      return ParseRecordLines(FullLines(details)).record.details == details;
    };
    const QString problem = UnstorableValueProblem(d);
    QCOMPARE(problem.isEmpty(), storable);
    QVERIFY2(storable || problem.contains(caption), qPrintable(problem));
    QCOMPARE(reads_back(d), storable);
    MakeValuesStorable(&d);
    QVERIFY(UnstorableValueProblem(d).isEmpty());
    QVERIFY(reads_back(d));
  }

  void Encodings_data() {
    Columns<QByteArray, QStringList>();
    Row("UTF-8 with BOM", QByteArray("\xEF\xBB\xBFJos\xC3\xA9\r\nb\r\n"), QStringList{"José", "b"});
    Row("Windows-1252 fallback", QByteArray("Jos\xE9 \x80\r\n"), QStringList{"José €"});
    Row("LF and CR line ends", QByteArray("a\nb\rc\r\n\r\nd"), QStringList{"a", "b", "c", "", "d"});
  }
  void Encodings() {
    const auto [bytes, lines] = Fetch<QByteArray, QStringList>();
    QCOMPARE(SplitLines(DecodeText(bytes)), lines);
  }

  void Windows1252Encoding() {
    QByteArray out;
    QVERIFY(EncodeWindows1252("José €’", &out));
    QCOMPARE(out, QByteArray("Jos\xE9 \x80\x92"));
    QCOMPARE(DecodeWindows1252(out), QStringLiteral("José €’"));
    QVERIFY(!EncodeWindows1252("Łódź", &out));
  }
};

KINVALE_TEST(StoreRecordsTest)
#include "test_store_records.moc"
