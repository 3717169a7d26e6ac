// The import against the literal reference on generated files of the shape the reference
// assumes: both must write the same record files, byte for byte apart from line 2's date.
#include <QDir>
#include <QtTest>

#include "gedcom/gedcom_import.h"
#include "reference/gedcom_generator.h"
#include "reference/literal_gedcom_import.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"

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
    QTest::addColumn<int>("individuals");
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<bool>("shuffled");
    QTest::newRow("one") << 1 << 1u << false;
    QTest::newRow("small, numbered in order") << 12 << 2u << false;
    QTest::newRow("small, shuffled numbers") << 40 << 3u << true;
    QTest::newRow("medium") << 150 << 4u << true;
    QTest::newRow("medium, other seed") << 150 << 5u << false;
  }

  void WritesTheSameRecordsAsTheLiteralImport() {
    QFETCH(int, individuals);
    QFETCH(unsigned, seed);
    QFETCH(bool, shuffled);
    TempAppFolder ours;
    TempAppFolder literal;
    const QByteArray gedcom = reference::GenerateGedcom({individuals, seed, shuffled});
    const QString path = QDir(ours.path()).filePath(QStringLiteral("generated.ged"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(gedcom);
    file.close();

    ScriptedPrompter prompter;
    prompter.confirmations = {true};
    const ImportResult result = ImportGedcom({ours.path(), path, false, QString()}, prompter);
    QCOMPARE(result.outcome, ImportOutcome::kCompleted);
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
