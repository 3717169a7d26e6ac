// The person information view's reading of records: full, minimal, cut short, and odd lines.
#include <QtTest>

#include "mainwindow/person_info.h"
#include "store/record_fields.h"
#include "store/record_writer.h"
#include "store/text_codec.h"
#include "support/temp_family.h"

using namespace kinvale;
using namespace kinvale::testing;

Q_DECLARE_METATYPE(kinvale::PersonDetails)

namespace {

const QString kFamily = QStringLiteral("F");
const QString kName = QStringLiteral("Pat Doe");
const QString kLink = QStringLiteral("00010000F0000M0000S0000");

PersonDetails FullDetails() {
  PersonDetails d;
  d.ssn = QStringLiteral("123-45-6789");
  d.prefix = QStringLiteral("Dr");
  d.suffix = QStringLiteral("Jr");
  d.date_married = QStringLiteral("1 May 1950");
  d.religious_name = QStringLiteral("Brother Pat");
  d.birth_date = QStringLiteral("2 Feb 1920");
  d.birth_place = QStringLiteral("Ludlow");
  d.death_date = QStringLiteral("3 Mar 1999");
  d.death_place = QStringLiteral("Boston");
  d.burial = QStringLiteral("Old Church\r\nRow 4\r\n");
  d.gender = QStringLiteral("Male");
  d.occupations = {QStringLiteral("Smith"), QStringLiteral("Farmer")};
  d.residential_addresses = QStringLiteral("1 High St\r\n");
  d.business_addresses = QStringLiteral("The Forge\r\n");
  d.homepage = QStringLiteral("https://pat.example\r\n");
  d.email_addresses = QStringLiteral("pat@example.org\r\n");
  d.elementary = {QStringLiteral("Ludlow Primary")};
  d.intermediate = {QStringLiteral("Ludlow Middle")};
  d.high = {QStringLiteral("Ludlow High")};
  d.universities = {QStringLiteral("Oxford")};
  d.employers = {QStringLiteral("Self")};
  d.religion = QStringLiteral("Methodist");
  d.notes = QStringLiteral("a\r\nb\r\nc\r\n");
  d.sources = QStringLiteral("Parish register\r\n");
  d.immigration_date = QStringLiteral("1947");
  d.immigration_place = QStringLiteral("Boston");
  return d;
}

QStringList FullLines(const PersonDetails& details, const QString& date = "2026-01-01") {
  return SplitLines(DecodeText(FormatFullRecord(kLink, date, details)));
}

void CompareDetails(const PersonDetails& actual, const PersonDetails& expected) {
  for (const FieldInfo& field : DetailFields()) {
    const bool same = field.kind == FieldKind::kList ? actual.*field.list == expected.*field.list
                                                     : actual.*field.text == expected.*field.text;
    QVERIFY2(same, qPrintable(field.caption));
  }
  QVERIFY(actual.photo_path.isEmpty());
}

}  // namespace

class PersonInfoTest : public QObject {
  Q_OBJECT

 private slots:
  void ReadsRecord_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("date_label");
    QTest::addColumn<PersonDetails>("expected");

    const PersonDetails full = FullDetails();
    QTest::newRow("full record") << FullLines(full) << "2026-01-01" << full;

    QTest::newRow("minimal record")
        << SplitLines(DecodeText(FormatMinimalRecord(kLink))) << kNoDate << PersonDetails{};

    PersonDetails no_immigration = full;
    no_immigration.immigration_date.clear();
    no_immigration.immigration_place.clear();
    QTest::newRow("written before the immigration section")
        << FullLines(full).mid(0, FullLines(full).size() - 3) << "2026-01-01" << no_immigration;

    QStringList no_hash = FullLines(full);
    no_hash[3] = QStringLiteral("Dr");
    PersonDetails up_to_line_4;
    up_to_line_4.ssn = full.ssn;
    up_to_line_4.prefix = QStringLiteral("Dr");
    QTest::newRow("line 4 without #") << no_hash << "2026-01-01" << up_to_line_4;

    PersonDetails suffix_only = full;
    suffix_only.prefix.clear();
    QTest::newRow("suffix only, no date")
        << FullLines(suffix_only, QString()) << kNoDate << suffix_only;

    QStringList spaced = FullLines(full);
    spaced.insert(spaced.indexOf(QStringLiteral("Farmer")), QString());
    spaced.insert(spaced.indexOf(QStringLiteral("Smith")), QString());
    QTest::newRow("empty lines between occupations") << spaced << "2026-01-01" << full;

    PersonDetails blank_notes = full;
    blank_notes.notes.clear();
    blank_notes.sources.clear();
    QTest::newRow("notes and sources of one empty line")
        << FullLines(blank_notes) << "2026-01-01" << blank_notes;

    QTest::newRow("no record file") << QStringList() << kDateLastChangedCaption << PersonDetails{};
  }
  void ReadsRecord() {
    QFETCH(QStringList, lines);
    QFETCH(PersonDetails, expected);
    TempAppFolder folder;
    if (!lines.isEmpty()) {
      folder.WriteFile(kFamily, RecordFileName(kName, kLink.left(4)), JoinRecordLines(lines));
    }
    const Session session = folder.OpenSession(kFamily);

    const PersonInfo info = ShowPersonInfo(session, kName);

    QCOMPARE(info.title, kName);
    QCOMPARE(info.link, lines.value(0));
    QTEST(info.date_label, "date_label");
    CompareDetails(info.details, expected);
  }
};

QTEST_GUILESS_MAIN(PersonInfoTest)
#include "test_mainwindow_person_info.moc"
