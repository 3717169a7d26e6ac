// Bad input that users make, through the command line: names that cannot be files, very long
// names and values, photos that cannot be stored, and a large hostile GEDCOM file. Hostile entries
// too: links beside and inside the data folder, FIFOs and devices in place of files, files that are
// no records, line breaks in paths, mixed encodings and faulty link strings. Each gets a clear
// message or the quiet handling records have always had, loses nothing, and nothing outside the
// data folder changes.
#include <sys/stat.h>
#include <QtTest>

#include "support/cli_runner.h"
#include "support/temp_family.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale::testing;

namespace {

const QString kThomas = QStringLiteral("Thomas Whitfield");
const QString kPicture = QStringLiteral(KINVALE_SAMPLES_DIR "/torture-ImgFile.PNG");
const QByteArray kTinyGedcom =
    "0 HEAD\r\n1 CHAR UTF-8\r\n0 @I1@ INDI\r\n1 NAME Ann /Lee/\r\n0 TRLR\r\n";

QMap<QString, QByteArray> FamilyFiles(const QString& app) {
  return FolderBytes(QDir(app).filePath("Demo"));
}

// The record file of the demo person numbered number.
QString DemoRecord(const QString& app, int number) {
  const QDir family(QDir(app).filePath("Demo"));
  const QStringList found =
      family.entryList({QStringLiteral("*_%1.dat").arg(number, 4, 10, QChar('0'))});
  return found.isEmpty() ? QString() : family.filePath(found.first());
}

void SetFirstLine(const QString& path, const QByteArray& line) {
  QByteArray bytes = ReadBytes(path);
  WriteBytes(path, line + bytes.mid(bytes.indexOf('\r')));
}

QByteArray FirstLine(const QString& path) {
  const QByteArray bytes = ReadBytes(path);
  return bytes.left(bytes.indexOf('\r'));
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
    QTest::newRow("copy") << "Copy Cat"
                          << "copy";
    QTest::newRow("too long") << QString(300, u'x') << "too long";
    QTest::newRow("line break") << "Ann\nBob"
                                << "control";
    QTest::newRow("mixed invisible")
        << QString::fromUtf16(u"\u00A0\u200B\u3000\u0301") << "invisible";
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

  // Links beside and inside the data folder, pointing at a folder and a file of someone else's:
  // seeding, the lock, and the temporary files of the logo and of an imported record never write
  // or delete through them, and never create what a dangling link names.
  void LinksAreNeverFollowed_data() {
    Columns<QString, QString, QStringList, QString>();  // link, its target, command, said
    const QStringList add = {"add", "Demo", kThomas, "father", "Ezra Whitfield"};
    Row("seeding folder", "new.seeding", "victim", QStringList{"families"}, "");
    Row("stale seeding folder", "new.seeding-abc123", "victim", QStringList{"families"}, "");
    Row("lock", "app/kinvale.lock", "victim.txt", add, "kinvale.lock");
    Row("dangling lock", "app/kinvale.lock", "created.txt", add, "kinvale.lock");
    Row("logo's temporary file", "app/logo.bmp.tmp", "victim.txt", QStringList{"families"}, "");
    Row("dangling logo's temporary file", "app/logo.bmp.tmp", "created.txt",
        QStringList{"families"}, "");
    Row("imported record's temporary file", "app/Tiny/Ann Lee_0001.dat.tmp", "victim.txt",
        QStringList{"import", "<tiny>", "--yes"}, "");
  }
  void LinksAreNeverFollowed() {
    auto [link, target, args, said] = Fetch<QString, QString, QStringList, QString>();
    const QDir dir(dir_.path());
    const QString fresh = QStringLiteral("new%1").arg(count_);
    link.replace("app/", QFileInfo(app_).fileName() + '/').replace("new.", fresh + '.');
    QVERIFY(dir.mkpath("victim"));
    WriteBytes(dir.filePath("victim/keep.txt"), "someone else's");
    WriteBytes(dir.filePath("victim.txt"), "someone else's");
    WriteBytes(dir.filePath("Tiny.ged"), kTinyGedcom);
    QFile::remove(QDir(app_).filePath("logo.bmp"));
    QVERIFY(dir.mkpath(QFileInfo(dir.filePath(link)).path()));
    QVERIFY(QFile::link(dir.filePath(target), dir.filePath(link)));
    const QString folder = link.startsWith(fresh) ? dir.filePath(fresh) : app_;
    const CliResult run = RunCli(folder, args.replaceInStrings("<tiny>", dir.filePath("Tiny.ged")));
    QCOMPARE(run.exit_code, said.isEmpty() ? 0 : 1);
    QVERIFY2(run.err.contains(said), qPrintable(run.err));
    QCOMPARE(ReadBytes(dir.filePath("victim/keep.txt")), QByteArray("someone else's"));
    QCOMPARE(ReadBytes(dir.filePath("victim.txt")), QByteArray("someone else's"));
    QVERIFY(!QFileInfo::exists(dir.filePath("created.txt")));
    for (const QString& own : {folder, QDir(folder).filePath("logo.bmp")}) {
      QVERIFY2(!QFileInfo(own).isSymLink(), qPrintable(own));
    }
    QVERIFY(QFileInfo::exists(QDir(folder).filePath("logo.bmp")));
    QVERIFY(args[0] != "import" ||
            QFileInfo(QDir(app_).filePath("Tiny/Ann Lee_0001.dat")).isFile());
    QVERIFY(RunCli(folder, {"people", "Demo"}).out.size() >= 40);
  }

  // Entries that are no regular files where records and pictures are read: a FIFO, a link to an
  // endless device, a folder. Nothing hangs or aborts; each is named, and a number such an entry
  // carries is never handed out again.
  void EntriesThatAreNoFiles() {
    const QDir family(QDir(app_).filePath("Demo"));
    QCOMPARE(::mkfifo(QFile::encodeName(family.filePath("Fifo Person_0060.dat")), 0644), 0);
    QVERIFY(QFile::link("/dev/zero", family.filePath("Zero Person_0061.dat")));
    QVERIFY(family.mkdir("Folder Person_0062.dat"));
    const QString fifo = QDir(dir_.path()).filePath("fifo.ged");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo), 0644), 0);
    const QString named = "Fifo Person_0060.dat, Folder Person_0062.dat, Zero Person_0061.dat";
    const QList<std::pair<QStringList, QString>> runs = {
        {{"people", "Demo"}, named},
        {{"check", "Demo"}, named},
        {{"search", "Demo", "Whitfield"}, named},
        {{"import", fifo, "--yes"}, "not a regular file"},
        {{"photo", "Demo", kThomas, fifo}, "is not a picture"}};
    for (const auto& [args, said] : runs) {
      const CliResult run = RunCli(app_, args);
      QVERIFY2(run.exit_code >= 0, qPrintable(args.join(' ') + " did not end"));
      QVERIFY2(run.err.contains(said), qPrintable(run.err));
    }
    const CliResult added = RunCli(app_, {"add", "Demo", kThomas, "father", "Ezra Whitfield"});
    QVERIFY2(added.out.join('\n').contains("00630000F0000M0000S0000"), qPrintable(added.err));
  }

  // Files named like records that are none: a note, a record whose first line names another
  // number, a record without a number in its name. They are reported, left as they are, never
  // give their text to a link string nor their number to a second record or a new person.
  void FilesThatAreNoRecords_data() {
    Columns<QString, QByteArray, QString>();  // file, its first line, the record a new person gets
    Row("a note", "Todo_0049.dat", QByteArray("Remember the milk"), "Todo_0050.dat");
    Row("another number", "Nora Whitfield_0049.dat", QByteArray("00510000F0002M0004S0000"),
        "Nora Whitfield_0050.dat");
    Row("no number in its name", "Notes.dat", QByteArray("00490000F0002M0004S0000"),
        "Notes_0049.dat");
  }
  void FilesThatAreNoRecords() {
    const auto [file, line, created] = Fetch<QString, QByteArray, QString>();
    const QDir family(QDir(app_).filePath("Demo"));
    WriteBytes(family.filePath(file), line + "\r\n2026-01-01\r\n");
    const auto before = FamilyFiles(app_);
    const CliResult check = RunCli(app_, {"check", "Demo"});
    QCOMPARE(check.exit_code, 1);
    QVERIFY2(check.err.contains("no person records") && check.err.contains(file),
             qPrintable(check.err));
    // Adding the name the file carries makes a new person, with a number of their own.
    const QString name = created.section('_', 0, 0);
    const CliResult added = RunCli(app_, {"add", "Demo", kThomas, "sibling", name});
    QCOMPARE(added.exit_code, 0);
    const QRegularExpression link("^\\d{8}F(\\d{4})*M(\\d{4})*S(\\d{4})*$");
    for (const QString& changed : added.out) {
      QVERIFY2(link.match(changed.section('\t', 2)).hasMatch(), qPrintable(changed));
    }
    auto after = FamilyFiles(app_);
    QCOMPARE(after.value(file), before.value(file));
    QVERIFY2(after.contains(created), qPrintable(after.keys().join('\n')));
    after.remove(created);
    QCOMPARE(after.keys(), before.keys());
  }

  // Photos refused whole, with the cause under "Error handling import request.": a file that is
  // not a picture, a picture whose name holds a line break, which a photo line cannot hold, and
  // a change to a picture outside the family folder, which a record must never name.
  void RefusedPhotosChangeNothing_data() {
    // file name ("Demo/": in the family folder), a picture, --change, what is said
    Columns<QString, bool, bool, QString>();
    Row("not a picture", "holiday.jpg", false, false, "holiday.jpg is not a picture");
    Row("line break in the name", "Grandpa\n1950.png", true, false, "line break");
    Row("line break, changed to", "Demo/0005002_Grandpa\n1950.pic", true, true, "line break");
    Row("kept elsewhere, changed to", "0005002_Grandpa.pic", true, true,
        "is not a photo kept in this family");
  }
  void RefusedPhotosChangeNothing() {
    const auto [name, picture, change, said] = Fetch<QString, bool, bool, QString>();
    const QString file = QDir(name.startsWith("Demo/") ? app_ : dir_.path()).filePath(name);
    QFile::remove(file);
    if (picture) {
      QVERIFY(QFile::copy(kPicture, file));
    } else {
      WriteBytes(file, "this is a text file, not a picture");
    }
    const auto before = FamilyFiles(app_);
    const CliResult refused =
        RunCli(app_, change ? QStringList{"photo", "Demo", kThomas, "--change", file}
                            : QStringList{"photo", "Demo", kThomas, file, "--default"});
    QCOMPARE(refused.exit_code, 1);
    QVERIFY2(refused.err.contains("Error handling import request.\n") && refused.err.contains(said),
             qPrintable(refused.err));
    QVERIFY(FamilyFiles(app_) == before);
  }

  // A data folder whose path holds a line break would put it into photo lines: refused at start.
  void DataFolderWithALineBreak() {
    const QString broken_folder = QDir(dir_.path()).filePath("data\nfolder");
    const CliResult refused = RunCli(broken_folder, {"families"});
    QCOMPARE(refused.exit_code, 1);
    QVERIFY2(refused.err.contains("line break"), qPrintable(refused.err));
    QVERIFY(!QFileInfo::exists(broken_folder));
  }

  // A picture whose name has no "." becomes a photo ending in ".pic" like any other, so the next
  // photo takes the next number instead of overwriting it.
  void PicturesWithoutADot() {
    const QString scan = QDir(dir_.path()).filePath("scan");
    QVERIFY(QFile::copy(kPicture, scan));
    QStringList photos;
    for (int i = 0; i < 2; ++i) {
      const CliResult imported = RunCli(app_, {"photo", "Demo", kThomas, scan});
      QCOMPARE(imported.exit_code, 0);
      photos += imported.out;
    }
    QCOMPARE(photos.size(), 2);
    QVERIFY2(photos[0] != photos[1], qPrintable(photos.join(' ')));
    for (const QString& photo : photos) {
      QVERIFY2(photo.endsWith("_scan.pic"), qPrintable(photo));
      QCOMPARE(ReadBytes(photo), ReadBytes(kPicture));
    }
  }

  // A record with one Windows-1252 line keeps its UTF-8 lines as they are: read right, and
  // saved again without garbling.
  void MixedEncodingsStayReadable() {
    const QString record = DemoRecord(app_, 1);
    QByteArray bytes = ReadBytes(record);
    const QByteArray notes = "***Notes***\r\n";
    bytes.insert(bytes.indexOf(notes) + notes.size(),
                 "Zo\xC3\xAB M\xC3\xBCller\r\ncaf\xE9 au lait\r\n");
    WriteBytes(record, bytes);
    const QString shown = RunCli(app_, {"show", "Demo", kThomas}).out.join('\n');
    QVERIFY2(shown.contains(QString::fromUtf8("Zoë Müller")) &&
                 shown.contains(QString::fromUtf8("café au lait")),
             qPrintable(shown));
    QCOMPARE(RunCli(app_, {"set", "Demo", kThomas, "Birth Place", "Leeds"}).exit_code, 0);
    const QByteArray saved = ReadBytes(record);
    QVERIFY(saved.contains("Zo\xC3\xAB M\xC3\xBCller\r\ncaf\xC3\xA9 au lait\r\n"));
    QVERIFY(!saved.contains("\xC3\x83"));  // "Ã", the mark of UTF-8 read as Windows-1252
  }

  // Names: "--help" is a name after "--", composed and decomposed forms of one name are one
  // person stored in composed form, and an imported file name makes no family "Create" refuses.
  void NamesAsTyped() {
    const CliResult dashes = RunCli(app_, {"add", "Demo", kThomas, "sibling", "--", "--help"});
    QVERIFY2(dashes.exit_code == 0, qPrintable(dashes.err));
    QVERIFY(!QDir(QDir(app_).filePath("Demo")).entryList({"--help_*.dat"}).isEmpty());
    const QString decomposed = QString::fromUtf16(u"E\u0301mile Whitfield");
    const QString composed = QString::fromUtf16(u"\u00C9mile Whitfield");
    QCOMPARE(RunCli(app_, {"add", "Demo", kThomas, "father", decomposed}).exit_code, 0);
    QCOMPARE(RunCli(app_, {"add", "Demo", "Rose Whitfield", "father", composed}).exit_code, 0);
    const QStringList emiles =
        QDir(QDir(app_).filePath("Demo")).entryList({QString::fromUtf16(u"*mile Whitfield_*")});
    QCOMPARE(emiles.size(), 1);
    QVERIFY(emiles.first().startsWith(composed));
    for (const QString& name :
         {QString("Line\nbreak"), QString("Tab\tfamily"), QString("O'Brien")}) {
      const QString file = QDir(dir_.path()).filePath(name + ".ged");
      WriteBytes(file, kTinyGedcom);
      const CliResult refused = RunCli(app_, {"import", file, "--yes"});
      QCOMPARE(refused.exit_code, 1);
      QVERIFY2(refused.err.contains("No special characters please"), qPrintable(refused.err));
      QVERIFY(!QFileInfo::exists(QDir(app_).filePath(name)));
    }
  }

  // check names each kind of fault of the links; --repair mends what needs no guess, leaves two
  // files of one number to the user, and only reports one-sided links.
  void CheckFindsAndMends_data() {
    Columns<int, QByteArray, QString, int, QByteArray>();
    // person, new first line, what check says, its exit status after --repair, first line then
    Row("not well formed", 1, QByteArray("00010005F0002M0003S00060007001"), "not well formed", 0,
        QByteArray("00010005F0002M0003S00060007"));
    Row("no spouse field", 7, QByteArray("0007F0002M0004S000100060019"), "not well formed", 0,
        QByteArray("00070000F0002M0004S000100060019"));
    Row("missing father", 7, QByteArray("00070046F0077M0004S000100060019"),
        "names father 0077, whom no record carries", 0,
        QByteArray("00070046F0000M0004S000100060019"));
    Row("one-sided sibling", 1, QByteArray("00010005F0002M0003S00060007"),
        "Rose Whitfield (0019) lists Thomas Whitfield (0001) as sibling", 0,
        QByteArray("00010005F0002M0003S00060007"));
    Row("two files, one number", 0, QByteArray(), "Person number 0007 is carried by 2", 1,
        QByteArray());
  }
  void CheckFindsAndMends() {
    const auto [person, line, said, repaired_exit, repaired] =
        Fetch<int, QByteArray, QString, int, QByteArray>();
    const QString record = DemoRecord(app_, person == 0 ? 7 : person);
    if (person == 0) {
      QVERIFY(QFile::copy(record, QFileInfo(record).dir().filePath("Jackie Whitfield_0007.dat")));
    } else {
      SetFirstLine(record, line);
    }
    const bool fault = repaired != line;
    const CliResult check = RunCli(app_, {"check", "Demo"});
    QCOMPARE(check.exit_code, fault || person == 0 ? 1 : 0);
    QVERIFY2(check.out.join('\n').contains(said), qPrintable(check.out.join('\n')));
    QCOMPARE(RunCli(app_, {"check", "Demo", "--repair"}).exit_code, repaired_exit);
    if (person != 0) QCOMPARE(FirstLine(record), repaired);
    QCOMPARE(RunCli(app_, {"check", "Demo"}).exit_code, repaired_exit);
    QCOMPARE(FamilyFiles(app_).size(), 51 + (person == 0));
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

KINVALE_TEST(BadInputTest)
#include "test_reliability_bad_input.moc"
