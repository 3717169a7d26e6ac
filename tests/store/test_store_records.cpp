// Person record files: the full layout, the minimal record, the reading rules on short and odd
// records, the value checks and the text encodings.
#include <QtTest>

#include "store/record_fields.h"
#include "store/record_reader.h"
#include "store/record_writer.h"
#include "store/text_codec.h"

using namespace kinvale;

namespace {

PersonDetails EveryFieldFilled() {
  PersonDetails d;
  d.ssn = "123-45-6789";
  d.prefix = "Dr";
  d.suffix = "Jr";
  d.date_married = "2 JUN 1934";
  d.religious_name = "Brother Anselm";
  d.photo_path = "/photos/0001001_a.pic";
  d.birth_date = "12 MAR 1910";
  d.birth_place = "Ludlow";
  d.death_date = "28 SEP 2001";
  d.death_place = "Worcester";
  d.burial = "Hope Cemetery\r\nSection 12\r\n";
  d.gender = "Male";
  d.occupations = {"Schoolteacher", "Headmaster"};
  d.residential_addresses = "27 Elm Park Road\r\nWorcester\r\n";
  d.business_addresses = "Chandler Street School\r\n";
  d.homepage = "http://example.com/t\r\n";
  d.email_addresses = "t@example.com\r\nt2@example.com\r\n";
  d.elementary = {"St Laurence"};
  d.intermediate = {"Ludlow Junior"};
  d.high = {"Ludlow Grammar"};
  d.universities = {"Birmingham", "Oxford"};
  d.employers = {"Worcester Schools"};
  d.religion = "Church of England";
  d.notes = "a\r\nb\r\nc\r\n";
  d.sources = "Parish register\r\nCensus 1911\r\n";
  d.immigration_date = "14 MAY 1947";
  d.immigration_place = "Boston";
  return d;
}

QStringList Lines(const QByteArray& bytes) { return SplitLines(DecodeText(bytes)); }

}  // namespace

class StoreRecordsTest : public QObject {
  Q_OBJECT

 private slots:
  void FullRecordRoundTripsEveryField() {
    const PersonDetails d = EveryFieldFilled();
    const QByteArray bytes = FormatFullRecord("00010002F0003M0004S0005", "2026-12-06", d);
    const RecordRead read = ParseRecordLines(Lines(bytes));
    QCOMPARE(read.stopped_before, RecordPart::kEnd);
    QCOMPARE(read.record.link, QStringLiteral("00010002F0003M0004S0005"));
    QCOMPARE(read.record.date_changed, QStringLiteral("2026-12-06"));
    QCOMPARE(read.record.details, d);
    // Saving what was read gives the same file: no block grows by an empty line.
    QCOMPARE(FormatFullRecord(read.record.link, "2026-12-06", read.record.details), bytes);
  }

  void EmptyFieldsTakeTheirEmptyForms() {
    const QStringList lines = Lines(FormatFullRecord("00010000F0000M0000S0000", "d", {}));
    QCOMPARE(lines.value(3), QStringLiteral("#"));
    QCOMPARE(lines.value(6), QStringLiteral(" "));
    QCOMPARE(lines.value(11), QString());  // one empty burial line
    QCOMPARE(lines.value(12), QStringLiteral("***Gender***"));
    QCOMPARE(lines.value(13), QStringLiteral(" "));
    QCOMPARE(lines.value(14), QStringLiteral("***Occupation***"));
    QCOMPARE(lines.value(15), QStringLiteral("***Residential Addresses***"));
    QCOMPARE(lines.indexOf("***Intermediate***") - lines.indexOf("***Elementary***"), 1);
    QCOMPARE(lines.last(), QString());
    QCOMPARE(lines.size(), 37);
  }

  void TwoLineBurialMovesTheGender() {
    PersonDetails d;
    d.burial = "Row 3\r\nOld Churchyard";
    d.gender = "Female";
    const QStringList lines = Lines(FormatFullRecord("00010000F0000M0000S0000", "d", d));
    QCOMPARE(lines.value(13), QStringLiteral("***Gender***"));
    QCOMPARE(lines.value(14), QStringLiteral("Female"));
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
    QCOMPARE(expected.count("\r\n"), 31);
  }

  // Reading stops at the first failure and keeps what came before it.
  void ReadingStopsAndKeeps_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("stopped_before");
    QTest::addColumn<QString>("last_value_read");
    const QStringList full =
        Lines(FormatFullRecord("00010000F0000M0000S0000", "", EveryFieldFilled()));
    QTest::newRow("empty file") << QStringList{} << int(RecordPart::kLink) << "";
    QTest::newRow("link only") << full.mid(0, 1) << int(RecordPart::kDateChanged) << "";
    QTest::newRow("minimal record stops at line 4")
        << Lines(FormatMinimalRecord("00010000F0000M0000S0000")) << int(RecordPart::kPrefixSuffix)
        << "";
    QTest::newRow("ends inside the burial block")
        << full.mid(0, 12) << int(RecordPart::kBurial) << "Worcester";
    QTest::newRow("ends before the immigration lines")
        << full.mid(0, full.indexOf("***Immigration***")) << int(RecordPart::kImmigrationDate)
        << "Census 1911";
    QTest::newRow("immigration place missing")
        << full.mid(0, full.size() - 1) << int(RecordPart::kImmigrationPlace) << "14 MAY 1947";
  }
  void ReadingStopsAndKeeps() {
    QFETCH(QStringList, lines);
    QFETCH(int, stopped_before);
    QFETCH(QString, last_value_read);
    const RecordRead read = ParseRecordLines(lines);
    QCOMPARE(int(read.stopped_before), stopped_before);
    const PersonDetails& d = read.record.details;
    const QMap<int, QString> last_values = {
        {int(RecordPart::kBurial), d.death_place},
        {int(RecordPart::kImmigrationDate), d.sources.trimmed().split("\r\n").value(1)},
        {int(RecordPart::kImmigrationPlace), d.immigration_date}};
    if (last_values.contains(stopped_before)) {
      QCOMPARE(last_values[stopped_before], last_value_read);
    }
    if (read.stopped_before <= RecordPart::kBurial) QVERIFY(d.burial.isEmpty());
  }

  void OddRecordsReadAsTheRulesSay() {
    QStringList lines = Lines(FormatFullRecord("00010000F0000M0000S0000", "", EveryFieldFilled()));
    // Occupation lines separated by empty lines are listed without them.
    lines.insert(lines.indexOf("***Occupation***") + 2, QString());
    // Line 4 of "#" followed by Jr: no prefix, the suffix Jr.
    lines[3] = "#Jr";
    // One empty notes line: the notes are a lone line break.
    const int notes = lines.indexOf("***Notes***");
    lines.erase(lines.begin() + notes + 1, lines.begin() + lines.indexOf("***Sources***"));
    lines.insert(notes + 1, QString());
    const RecordRead read = ParseRecordLines(lines);
    QCOMPARE(read.stopped_before, RecordPart::kEnd);
    QCOMPARE(read.record.details.occupations, (QStringList{"Schoolteacher", "Headmaster"}));
    QCOMPARE(read.record.details.prefix, QString());
    QCOMPARE(read.record.details.suffix, QStringLiteral("Jr"));
    QCOMPARE(read.record.details.notes, QStringLiteral("\r\n"));
  }

  void ValueThatLooksLikeAHeaderReadsOutOfStep() {
    PersonDetails d = EveryFieldFilled();
    d.occupations = {"***Boss"};
    const RecordRead read =
        ParseRecordLines(Lines(FormatFullRecord("00010000F0000M0000S0000", "", d)));
    QVERIFY(read.record.details.occupations.isEmpty());
    QCOMPARE(read.record.details.residential_addresses, QString());
    QVERIFY(!UnstorableValueProblem(d).isEmpty());
  }

  void UnstorableValues_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("storable");
    QTest::newRow("header-like occupation") << "Occupation"
                                            << "***Boss" << false;
    QTest::newRow("header-like note line") << "Notes:"
                                           << "fine\r\n***no" << false;
    QTest::newRow("line break in a date") << "Birth Date"
                                          << "1 JAN\n1900" << false;
    QTest::newRow("line break in a block") << "Notes:"
                                           << "a\r\nb" << true;
    QTest::newRow("hash in prefix") << "Prefix"
                                    << "Dr#" << false;
    QTest::newRow("asterisks inside") << "Religion"
                                      << "a***b" << true;
  }
  void UnstorableValues() {
    QFETCH(QString, caption);
    QFETCH(QString, value);
    QFETCH(bool, storable);
    PersonDetails d;
    const FieldInfo* field = FindDetailField(caption);
    QVERIFY(field);
    if (field->kind == FieldKind::kList) {
      (d.*field->list) = QStringList{value};
    } else {
      d.*field->text = value;
    }
    const QString problem = UnstorableValueProblem(d);
    QCOMPARE(problem.isEmpty(), storable);
    if (!storable) QVERIFY2(problem.contains(caption), qPrintable(problem));
    // Made storable, every value reads back in step.
    PersonDetails fixed = d;
    fixed.gender = "Male";
    MakeValuesStorable(&fixed);
    QVERIFY(UnstorableValueProblem(fixed).isEmpty());
    const RecordRead read =
        ParseRecordLines(Lines(FormatFullRecord("00010000F0000M0000S0000", "", fixed)));
    QCOMPARE(read.stopped_before, RecordPart::kEnd);
    QCOMPARE(read.record.details.gender, QStringLiteral("Male"));
  }

  void Encodings_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("UTF-8 with BOM")
        << QByteArray("\xEF\xBB\xBFJos\xC3\xA9\r\nb\r\n") << QStringList{"José", "b"};
    QTest::newRow("Windows-1252 fallback")
        << QByteArray("Jos\xE9 \x80\r\n") << QStringList{"José €"};
    QTest::newRow("LF and CR line ends")
        << QByteArray("a\nb\rc\r\n\r\nd") << QStringList{"a", "b", "c", "", "d"};
  }
  void Encodings() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
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

QTEST_GUILESS_MAIN(StoreRecordsTest)
#include "test_store_records.moc"
