// The import checked against what other programs' files say and against the literal reference.
// Every sample file written by other genealogy programs imports every individual: one record
// file each, named as CleanGedcomName makes the name, with link strings that agree with the
// families the file gives, and text decoded from ANSEL and UTF-16. On generated files of the
// shape the literal reference import assumes, both write the same record files, byte for byte
// apart from line 2's date.
#include <QDir>
#include <QRegularExpression>
#include <QtTest>
#include <set>

#include "gedcom/gedcom_charset.h"
#include "gedcom/gedcom_name.h"
#include "reference/gedcom_generator.h"
#include "reference/literal_gedcom_import.h"
#include "store/link_string.h"
#include "store/person_number.h"
#include "store/text_codec.h"
#include "support/gedcom_fixture.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kSamples = QStringLiteral(KINVALE_SAMPLES_DIR);

// What the file itself says, read with a regular expression line by line.
struct SampleIndividual {
  QString xref;
  QString name;  // the first NAME value; empty when there is none
  bool has_name = false;
  QStringList spouse_families;
  QStringList child_families;
};

struct SampleFamily {
  QStringList husbands, wives, children;
};

struct Sample {
  std::vector<SampleIndividual> individuals;
  QMap<QString, SampleFamily> families;
};

Sample ReadSample(const QString& path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  static const QRegularExpression line_pattern(
      QStringLiteral("^\\s*(\\d+) (?:(@[^@]+@) )?(\\S+)(?: (.*))?$"));
  Sample sample;
  QString record_tag, record_xref;
  for (const QString& line : SplitLines(DecodeGedcom(file.readAll()).text)) {
    const QRegularExpressionMatch m = line_pattern.match(line);
    if (!m.hasMatch()) continue;
    const QString level = m.captured(1), tag = m.captured(3), value = m.captured(4);
    if (level == u"0") {
      record_tag = tag;
      record_xref = m.captured(2);
      if (tag == u"INDI")
        sample.individuals.push_back(SampleIndividual{record_xref, {}, false, {}, {}});
      if (tag == u"FAM") sample.families[record_xref];
      continue;
    }
    if (level != u"1") continue;
    if (record_tag == u"INDI") {
      SampleIndividual& person = sample.individuals.back();
      if (tag == u"NAME" && !person.has_name) {
        person.name = QString(value).replace(QStringLiteral("@@"), QStringLiteral("@"));
        person.has_name = true;
      }
      if (tag == u"FAMS") person.spouse_families.append(value);
      if (tag == u"FAMC") person.child_families.append(value);
    } else if (record_tag == u"FAM") {
      SampleFamily& family = sample.families[record_xref];
      if (tag == u"HUSB") family.husbands.append(value);
      if (tag == u"WIFE") family.wives.append(value);
      if (tag == u"CHIL") family.children.append(value);
    }
  }
  return sample;
}

// The file's own numbers when all are "@I<n>@" with distinct n from 1 to 9999, else file order.
QMap<QString, QString> Numbers(const Sample& sample) {
  static const QRegularExpression i_number(QStringLiteral("^@I(\\d{1,9})@$"));
  std::set<int> values;
  bool own = true;
  for (const SampleIndividual& person : sample.individuals) {
    const QRegularExpressionMatch m = i_number.match(person.xref);
    const int value = m.hasMatch() ? m.captured(1).toInt() : 0;
    own = own && value >= 1 && value <= 9999 && values.insert(value).second;
  }
  QMap<QString, QString> numbers;
  for (size_t i = 0; i < sample.individuals.size(); ++i) {
    const QString& xref = sample.individuals[i].xref;
    const int value = own ? i_number.match(xref).captured(1).toInt() : int(i) + 1;
    numbers.insert(xref, QStringLiteral("%1").arg(value, 4, 10, QChar(u'0')));
  }
  return numbers;
}

std::set<QString> NumbersOf(const QStringList& xrefs, const QMap<QString, QString>& numbers,
                            const QString& own) {
  std::set<QString> result;
  for (const QString& xref : xrefs) {
    if (numbers.contains(xref) && numbers[xref] != own) result.insert(numbers[xref]);
  }
  return result;
}

std::set<QString> Entries(const QString& link, Group group) {
  std::set<QString> entries;
  for (const QString& entry : GroupEntries(link, group)) {
    if (entry != kNobody) entries.insert(entry);
  }
  return entries;
}

// Some records' texts as the files mean them, which reading the file as UTF-8 would not give.
const QMultiMap<QString, QPair<QString, QString>> kTexts = {
    {"555SAMPLE16LE.GED", {"Robert Eugene Williams_0001.dat", "Spring Hill Cemetery, Stamford"}},
    {"555SAMPLE16BE.GED", {"Mary Ann Wilson_0002.dat", "BEF 1828"}},
    // ANSEL spacing letters, and a diacritic before the letter it goes with.
    {"TGC55C.ged", {"Lucy Special Ansel_0002.dat", "A1 slash l - uppercase (Ł)\r\n"}},
    {"TGC551LF.ged", {"Lucy Special Ansel_0002.dat", "CF es zet (ß)"}},
    {"TGC551.ged", {"Charlie Accented Ansel_0001.dat", "acute accent:\r\n     ÁB́ĆD́É"}},
    // A note on its header line, continued by CONC.
    {"The_Kennedy_Family.ged",
     {"Patrick Kennedy_0047.dat", "in hopes of finding a better life in the US."}},
    // A five-digit I number: the numbering follows the file order.
    {"Harry_Potter.ged", {"Harry Potter_0001.dat", "\r\n***Gender***\r\nMale\r\n"}}};

// The record files of a family folder by name, with line 2 (the date) left out.
QMap<QString, QList<QByteArray>> RecordsWithoutDates(const QString& folder) {
  QMap<QString, QList<QByteArray>> records;
  for (const QString& name : QDir(folder).entryList({QStringLiteral("*.dat")}, QDir::Files)) {
    QList<QByteArray> lines = ReadBytes(QDir(folder).filePath(name)).split('\n');
    if (lines.size() > 1) lines.removeAt(1);
    records.insert(name, lines);
  }
  return records;
}

}  // namespace

class GedcomSamplesTest : public QObject {
  Q_OBJECT

 private slots:
  void ImportsEveryIndividual_data() {
    QTest::addColumn<QString>("file");
    const QStringList files =
        QDir(kSamples).entryList({QStringLiteral("*.ged"), QStringLiteral("*.GED")});
    QVERIFY2(!files.isEmpty(), qPrintable(QStringLiteral("no sample files in ") + kSamples));
    for (const QString& file : kTexts.uniqueKeys())
      QVERIFY2(files.contains(file), qPrintable(file));
    for (const QString& file : files) QTest::newRow(qPrintable(file)) << file;
  }

  void ImportsEveryIndividual() {
    QFETCH(QString, file);
    TempAppFolder app;
    const QString copy = QDir(app.path()).filePath(file);
    QVERIFY(QFile::copy(QDir(kSamples).filePath(file), copy));
    const Sample sample = ReadSample(copy);
    const ImportResult result = ImportConfirmed(app, copy);
    QCOMPARE(result.outcome,
             sample.individuals.empty() ? ImportOutcome::kNothing : ImportOutcome::kCompleted);

    const QMap<QString, QString> numbers = Numbers(sample);
    QStringList expected_files;
    for (const SampleIndividual& person : sample.individuals) {
      const QString number = numbers[person.xref];
      QString name = CleanGedcomName(person.name, nullptr);
      if (!person.has_name || name.trimmed().isEmpty()) name = QStringLiteral("Person ") + number;
      expected_files.append(name + u'_' + number + QStringLiteral(".dat"));
    }
    QStringList files = RecordFiles(app, result.target_family);
    files.sort();
    expected_files.sort();
    QCOMPARE(files, expected_files);

    for (const SampleIndividual& person : sample.individuals) {
      const QString own = numbers[person.xref];
      const QString link = ReadRecordNumbered(app, result.target_family, own).record.link;
      std::set<QString> fathers, mothers, siblings, partners;
      for (const QString& xref : person.child_families) {
        const SampleFamily& family = sample.families[xref];
        fathers.merge(NumbersOf(family.husbands, numbers, own));
        mothers.merge(NumbersOf(family.wives, numbers, own));
        siblings.merge(NumbersOf(family.children, numbers, own));
      }
      for (const QString& xref : person.spouse_families)
        partners.merge(
            NumbersOf(sample.families[xref].husbands + sample.families[xref].wives, numbers, own));
      const QString context = person.xref + u' ' + link;
      QCOMPARE(OwnNumber(link).toString(), own);
      QVERIFY2(Entries(link, Group::kFather) == fathers, qPrintable(context));
      QVERIFY2(Entries(link, Group::kMother) == mothers, qPrintable(context));
      QVERIFY2(Entries(link, Group::kSibling) == siblings, qPrintable(context));
      const QString spouse = SpouseNumber(link).toString();
      QVERIFY2(partners.empty() ? spouse == kNobody : partners.count(spouse) == 1,
               qPrintable(context));
    }
    for (const auto& [record, text] : kTexts.values(file)) {
      const QString stored = QString::fromUtf8(app.ReadFile(result.target_family, record));
      QVERIFY2(stored.contains(text), qPrintable(record + u'\n' + stored));
    }
  }

  void WritesTheSameRecordsAsTheLiteralImport_data() {
    Columns<int, unsigned, bool>();  // individuals, seed, numbers shuffled
    Row("one", 1, 1u, false);
    Row("small, numbered in order", 12, 2u, false);
    Row("small, shuffled numbers", 40, 3u, true);
    Row("medium", 150, 4u, true);
    Row("medium, other seed", 150, 5u, false);
  }

  void WritesTheSameRecordsAsTheLiteralImport() {
    const auto [individuals, seed, shuffled] = Fetch<int, unsigned, bool>();
    TempAppFolder ours;
    TempAppFolder literal;
    const QString path = WriteGedcom(ours, QStringLiteral("generated.ged"),
                                     reference::GenerateGedcom({individuals, seed, shuffled}));
    QCOMPARE(ImportConfirmed(ours, path).outcome, ImportOutcome::kCompleted);
    QCOMPARE(reference::LiteralGedcomImport(literal.path(), path), individuals);

    const auto expected = RecordsWithoutDates(literal.FamilyPath(QStringLiteral("generated")));
    const auto actual = RecordsWithoutDates(ours.FamilyPath(QStringLiteral("generated")));
    QCOMPARE(actual.keys(), expected.keys());
    for (const QString& name : expected.keys()) {
      QVERIFY2(actual[name] == expected[name], qPrintable(name));
    }
  }
};

KINVALE_TEST(GedcomSamplesTest)
#include "test_gedcom_samples.moc"
