// The import against the literal reference on generated files of the shape the reference
// assumes: both must write the same record files, byte for byte apart from line 2's date.
#include <QDir>
#include <QtTest>

#include "reference/gedcom_generator.h"
#include "reference/literal_gedcom_import.h"
#include "support/gedcom_fixture.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

// The record files of a family folder by name, with line 2 (the date) left out.
QMap<QString, QList<QByteArray>> RecordsWithoutDates(const QString& folder) {
  QMap<QString, QList<QByteArray>> records;
  QDir dir(folder);
  for (const QString& name : dir.entryList({QStringLiteral("*.dat")}, QDir::Files)) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) continue;
    QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.size() > 1) lines.removeAt(1);
    records.insert(name, lines);
  }
  return records;
}

}  // namespace

class GedcomReferenceTest : public QObject {
  Q_OBJECT

 private slots:
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

QTEST_GUILESS_MAIN(GedcomReferenceTest)
#include "test_gedcom_reference.moc"
