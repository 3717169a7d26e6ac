// Bad input that users make, through the command line: names that cannot be files, very long
// names and values, empty and cut-short records, a photo that is not a picture, a file that is
// not GEDCOM, and a large hostile GEDCOM file. Each gets a clear message or the quiet handling
// records have always had, and loses nothing.
#include <QDirIterator>
#include <QtTest>

#include "support/cli_runner.h"

using namespace kinvale::testing;

namespace {

const QString kThomas = QStringLiteral("Thomas Whitfield");

QMap<QString, QByteArray> FamilyFiles(const QString& app) {
  QMap<QString, QByteArray> files;
  QDirIterator it(QDir(app).filePath("Demo"), QDir::Files);
  while (it.hasNext()) {
    QFile file(it.next());
    if (file.open(QIODevice::ReadOnly)) files.insert(file.fileName(), file.readAll());
  }
  return files;
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class BadInputTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    app_ = QDir(dir_.path()).filePath(QStringLiteral("app%1").arg(++count_));
    QCOMPARE(RunCli(app_, {"families"}).exit_code, 0);
  }

  void RefusedNamesChangeNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("said");
    QTest::newRow("path") << "../../etc/passwd"
                          << "/";
    QTest::newRow("backslash") << "C:\\Windows"
                               << "\\";
    QTest::newRow("copy") << "Copy Cat"
                          << "copy";
    QTest::newRow("too long") << QString(300, u'x') << "too long";
    QTest::newRow("blank") << "   "
                           << "name";
    QTest::newRow("line break") << "Ann\nBob"
                                << "control";
  }
  void RefusedNamesChangeNothing() {
    QFETCH(QString, name);
    QFETCH(QString, said);
    const auto before = FamilyFiles(app_);
    for (const QStringList& args : {QStringList{"add", "Demo", kThomas, "father", name},
                                    QStringList{"rename", "Demo", "Rose Whitfield", name}}) {
      const CliResult refused = RunCli(app_, args);
      QCOMPARE(refused.exit_code, 1);
      QVERIFY2(refused.err.contains(said, Qt::CaseInsensitive), qPrintable(refused.err));
      QVERIFY(FamilyFiles(app_) == before);
    }
    QVERIFY(QDir(dir_.path()).entryList({"passwd*"}, QDir::AllEntries).isEmpty());
  }

  // About 100 KB in one field: as much as one command-line argument may hold.
  void VeryLongValuesComeBack() {
    QStringList lines;
    for (int i = 0; i < 1000; ++i)
      lines << QStringLiteral("Line %1 of a very long note, ").arg(i).repeated(3);
    const QString note = lines.join('\n');
    const CliResult set = RunCli(app_, {"set", "Demo", kThomas, "Notes:", note});
    QVERIFY2(set.exit_code == 0, qPrintable(set.err));
    const CliResult shown = RunCli(app_, {"show", "Demo", kThomas});
    const qsizetype at = shown.out.indexOf(QStringLiteral("Notes: ") + lines.first());
    QVERIFY(at >= 0);
    QCOMPARE(shown.out.mid(at + 1, lines.size() - 1).join('\n').remove("  "),
             lines.mid(1).join('\n').remove("  "));
    QCOMPARE(RunCli(app_, {"check", "Demo"}).exit_code, 0);
  }

  void EmptyAndShortRecords() {
    const QString family = QDir(app_).filePath("Demo");
    WriteBytes(QDir(family).filePath("Empty Person_0090.dat"), {});
    WriteBytes(QDir(family).filePath("Short Person_0091.dat"),
               "00910000F0010M0011S0000\r\n2026-01-01\r\n");
    const CliResult check = RunCli(app_, {"check", "Demo"});
    QCOMPARE(check.exit_code, 1);
    QVERIFY2(check.err.contains("Error reading Empty Person_0090.dat"), qPrintable(check.err));
    QVERIFY(!check.err.contains("Short Person"));
    const QString people = RunCli(app_, {"people", "Demo"}).out.join('\n');
    QVERIFY(people.contains("Short Person"));
    QVERIFY(people.contains(kThomas));
    QVERIFY(QFileInfo::exists(QDir(family).filePath("Empty Person_0090.dat")));
    // A new person never takes the number of the unreadable record.
    const CliResult added = RunCli(app_, {"add", "Demo", kThomas, "father", "Ezra Whitfield"});
    QVERIFY2(added.out.join('\n').contains("00920000F0000M0000S0000"),
             qPrintable(added.out.join('\n')));
  }

  void PhotoThatIsNoPicture() {
    const QString fake = QDir(dir_.path()).filePath("holiday.jpg");
    WriteBytes(fake, "this is a text file, not a picture");
    const auto before = FamilyFiles(app_);
    const CliResult refused = RunCli(app_, {"photo", "Demo", kThomas, fake, "--default"});
    QCOMPARE(refused.exit_code, 1);
    QVERIFY2(refused.err.contains("Error handling import request."), qPrintable(refused.err));
    QVERIFY(FamilyFiles(app_) == before);
  }

  void FileThatIsNoGedcom_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("text") << QByteArray("Dear Ann,\r\nhere is the family tree you asked for.\r\n");
    static const char kBinary[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe\0\0";
    QTest::newRow("binary") << QByteArray(kBinary, sizeof kBinary - 1);
    QTest::newRow("empty") << QByteArray();
  }
  void FileThatIsNoGedcom() {
    QFETCH(QByteArray, bytes);
    const QString file = QDir(dir_.path()).filePath("letter.ged");
    WriteBytes(file, bytes);
    const CliResult refused = RunCli(app_, {"import", file, "--yes"});
    QCOMPARE(refused.exit_code, 1);
    QVERIFY2(refused.err.contains("no individuals"), qPrintable(refused.err));
    QVERIFY(!QFileInfo::exists(QDir(app_).filePath("letter")));
  }

  // Ten megabytes of hostile GEDCOM: the most individuals a family holds, each with a very long
  // name, notes cut into thousands of CONC pieces and deep sub-lines; the import ends, and what
  // it writes loads.
  void LargeHostileGedcomImports() {
    QByteArray gedcom = "0 HEAD\r\n1 CHAR UTF-8\r\n";
    const QByteArray piece = QByteArray("2 CONC ") + QByteArray(120, 'n') + "\r\n";
    for (int i = 1; i <= 9999; ++i) {
      gedcom += "0 @I" + QByteArray::number(i) + "@ INDI\r\n1 NAME " +
                QByteArray(200, 'A' + i % 26) + QByteArray::number(i) +
                " /Deep/\r\n1 NOTE start\r\n";
      for (int c = 0; c < 6; ++c) gedcom += piece;
      for (int level = 2; level < 40; ++level) gedcom += QByteArray::number(level) + " _DEEP x\r\n";
      gedcom += "1 FAMC @F" + QByteArray::number(i % 500) + "@\r\n";
    }
    gedcom += "0 TRLR\r\n";
    QVERIFY(gedcom.size() > 10'000'000);
    const QString file = QDir(dir_.path()).filePath("hostile.ged");
    WriteBytes(file, gedcom);
    const CliResult imported = RunCli(app_, {"import", file, "--yes"});
    QVERIFY2(imported.exit_code == 0, qPrintable(imported.err));
    const CliResult check = RunCli(app_, {"check", "hostile"});
    QCOMPARE(check.exit_code, 0);
    QCOMPARE(check.out, QStringList{"9999 people in 9999 record files"});
  }

 private:
  QTemporaryDir dir_;
  QString app_;
  int count_ = 0;
};

QTEST_GUILESS_MAIN(BadInputTest)
#include "test_reliability_bad_input.moc"
