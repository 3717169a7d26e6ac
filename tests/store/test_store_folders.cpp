// The application folder, settings, the family list and its Create rules, index loading from
// record files, the name check and atomic writes.
#include <unistd.h>
#include <QtTest>

#include "mainwindow/startup.h"
#include "store/app_folder.h"
#include "store/atomic_file.h"
#include "store/families.h"
#include "store/family_files.h"
#include "store/name_check.h"
#include "store/record_reader.h"
#include "store/record_writer.h"
#include "store/settings.h"
#include "store/text_codec.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"

using namespace kinvale;
using namespace kinvale::testing;

class StoreFoldersTest : public QObject {
  Q_OBJECT

 private slots:
  void NewAppFolderIsSeededWithTheDemoFamily() {
    QTemporaryDir dir;
    const QString app = QDir(dir.path()).filePath("Kinvale");
    QString error;
    QVERIFY2(PrepareAppFolder(app, &error), qPrintable(error));
    QVERIFY(QFileInfo::exists(QDir(app).filePath("logo.bmp")));
    QCOMPARE(ListFamilies(app), QStringList{"Demo"});
    const std::optional<kinvale::Settings> settings = LoadSettings(app);
    QVERIFY(settings);
    QCOMPARE(settings->family, QStringLiteral("Demo"));
    Session session;
    session.app_folder = app;
    session.family = "Demo";
    ScriptedPrompter prompter;
    LoadFamilyIndex(session, prompter);
    QVERIFY(prompter.messages.isEmpty());
    QVERIFY(session.index.size() >= 40);
    QCOMPARE(session.index.NumberOfName(settings->person), QStringLiteral("0001"));
    // The demo photos point into the new family folder.
    const std::optional<QString> photo = ReadPhotoLine(session.RecordPath(settings->person));
    QVERIFY(photo && photo->startsWith(session.FamilyPath()));
    QVERIFY(QFileInfo::exists(*photo));
    QVERIFY(QDir(session.FamilyPath()).entryList({"*.tmp"}, QDir::Files).isEmpty());

    // An existing folder is left as it is, but gets its logo back.
    QFile::remove(QDir(app).filePath("logo.bmp"));
    QFile::remove(session.RecordPath(settings->person));
    QVERIFY(PrepareAppFolder(app, &error));
    QVERIFY(QFileInfo::exists(QDir(app).filePath("logo.bmp")));
    QVERIFY(!QFileInfo::exists(session.RecordPath(settings->person)));
  }

  void SettingsFile_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("person");
    QTest::newRow("family and person") << QByteArray("Smith\r\nJohn Smith\r\n") << true << "Smith"
                                       << "John Smith";
    QTest::newRow("no family") << QByteArray("\r\nPerson of Interest\r\n") << true << ""
                               << "Person of Interest";
    QTest::newRow("empty person line") << QByteArray("Smith\r\n\r\n") << true << "Smith"
                                       << "Person of Interest";
    QTest::newRow("one line") << QByteArray("Smith\r\n") << false << ""
                              << "";
    QTest::newRow("empty file") << QByteArray() << false << ""
                                << "";
    QTest::newRow("path in family") << QByteArray("../etc\r\nX\r\n") << false << ""
                                    << "";
    QTest::newRow("dot dot") << QByteArray("..\r\nX\r\n") << false << ""
                             << "";
    QTest::newRow("backslash") << QByteArray("a\\b\r\nX\r\n") << false << ""
                               << "";
  }
  void SettingsFile() {
    QFETCH(QByteArray, content);
    QFETCH(bool, opens);
    QFETCH(QString, family);
    QFETCH(QString, person);
    TempAppFolder app;
    QFile file(QDir(app.path()).filePath("settings.db"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    const std::optional<kinvale::Settings> settings = LoadSettings(app.path());
    QCOMPARE(settings.has_value(), opens);
    if (!settings) return;
    QCOMPARE(settings->family, family);
    QCOMPARE(settings->person, person);
  }

  void SettingsAreSavedWhole() {
    TempAppFolder app;
    QString error;
    QVERIFY(SaveSettings(app.path(), {"", kNoPersonCaption}, &error));
    QFile file(QDir(app.path()).filePath("settings.db"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\r\nPerson of Interest\r\n"));
  }

  void FamiliesAreFoldersWithoutDots() {
    TempAppFolder app;
    QDir root(app.path());
    for (const char* folder : {"smith", "Smith.old", "Brown", "adams"}) root.mkdir(folder);
    QFile plain(root.filePath("README"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    QCOMPARE(ListFamilies(app.path()), (QStringList{"adams", "Brown", "smith"}));
  }

  void CreateFamilyRules_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("created");
    QTest::newRow("plain") << "Smith" << true;
    QTest::newRow("with blank") << "Van Dyke" << true;
    QTest::newRow("initial text") << "Enter New Family Here" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank") << "   " << false;
    for (const char* bad :
         {"a,b", "a?", "O'Neil", "[x]", "{x}", "a|b", "a=b", "a+b",  "a!",        "#a",  "$a",
          "a%",  "a^", "a&b",    "a*",  "a`",  "~a",  "a/b", "a\\b", "my.family", "a\tb"}) {
      QTest::newRow(bad) << QString::fromUtf8(bad) << false;
    }
  }
  void CreateFamilyRules() {
    QFETCH(QString, name);
    QFETCH(bool, created);
    TempAppFolder app;
    QString error;
    QCOMPARE(CreateFamily(app.path(), name, &error), created);
    if (created) {
      QCOMPARE(ListFamilies(app.path()), QStringList{name});
    } else {
      QCOMPARE(error, kNameErrorMessage);
      QVERIFY(ListFamilies(app.path()).isEmpty());
    }
  }

  void CreatingAnExistingFamilyIsRefused() {
    TempAppFolder app;
    QString error;
    QVERIFY(CreateFamily(app.path(), "Smith", &error));
    QVERIFY(!CreateFamily(app.path(), "Smith", &error));
    QVERIFY(error.contains("Smith"));
  }

  void DefaultPerson_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("person");
    QTest::newRow("number 0001") << QStringList{"Ann_0002.dat", "Bob_0001.dat", "Cy_0003.dat"}
                                 << "Bob";
    QTest::newRow("none has 0001: the last file")
        << QStringList{"Ann_0002.dat", "Cy_0003.dat"} << "Cy";
    QTest::newRow("dotted name") << QStringList{"J. Smith_0001.dat"} << "J. Smith";
    QTest::newRow("empty family") << QStringList{} << "";
  }
  void DefaultPerson() {
    QFETCH(QStringList, files);
    QFETCH(QString, person);
    QCOMPARE(DefaultPersonName(files), person);
  }

  void EmptyFamilyClearsTheView() {
    TempAppFolder app;
    QDir(app.path()).mkdir("Empty");
    Session session = app.OpenSession("Empty");
    session.view.person_of_interest = "Someone";
    session.view.fathers.names = {"X"};
    PickDefaultPerson(session);
    QCOMPARE(session.view.person_of_interest, kNoPersonCaption);
    QCOMPARE(session.view.spouse, QStringLiteral("Spouse"));
    QVERIFY(session.view.fathers.names.isEmpty());
  }

  // Bad records are reported once and left out; a short record keeps what it has; loading
  // goes on with the files after them.
  void LoadingGoesOnPastBadRecords() {
    TempAppFolder app;
    app.WriteFamily("F", {{"Ann", "00010000F0000M0000S0000", "Female"},
                          {"Zoe", "00050000F0001M0000S0000", "Female"}});
    app.WriteFile("F", "Bad_0002.dat", QByteArray());
    app.WriteFile("F", "Short_0003.dat", "00030000F0001M0000S0000\r\n2026-01-01\r\n");
    app.WriteFile("F", "Ann_0004 Copy.dat", "00040000F0000M0000S0000\r\n");
    app.WriteFile("F", "J. Smith_0006.dat", FormatMinimalRecord("00060000F0000M0000S0000"));
    QVERIFY(QDir(app.FamilyPath("F")).mkdir("Folder_0007.dat"));
    Session session;
    session.app_folder = app.path();
    session.family = "F";
    ScriptedPrompter prompter;
    LoadFamilyIndex(session, prompter);
    QCOMPARE(prompter.messages, QStringList{"Error reading Bad_0002.dat"});
    QStringList names;
    for (const IndexRow& row : session.index.rows()) names << row.name;
    QCOMPARE(names, (QStringList{"Ann", "J. Smith", "Short", "Zoe"}));
    QCOMPARE(session.index.row(2).link, QStringLiteral("00030000F0001M0000S0000"));
    QCOMPARE(session.index.row(3).gender, QStringLiteral("Female"));
    QCOMPARE(session.index.row(1).gender, QString());  // the empty line under Occupation
    // Numbers carried only by files left out of the index are never handed out again.
    QCOMPARE(session.NextPersonNumber(), QStringLiteral("0007"));
  }

  void NameCheck_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("storable");
    QTest::newRow("ordinary") << "Mary Ann Smith" << true;
    QTest::newRow("apostrophe and dot") << "J. O'Brien" << true;
    QTest::newRow("accents") << "Zoë Łukasz" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("spaces only") << "   " << false;
    QTest::newRow("slash") << "a/b" << false;
    QTest::newRow("backslash") << "a\\b" << false;
    QTest::newRow("colon") << "a:b" << false;
    QTest::newRow("question mark") << "who?" << false;
    QTest::newRow("tab") << "a\tb" << false;
    QTest::newRow("line break") << "a\nb" << false;
    QTest::newRow("copy") << "Copyland" << false;
    QTest::newRow("COPY inside") << "Mc COPY" << false;
    QTest::newRow("longest that fits") << QString(242, 'a') << true;
    QTest::newRow("too long") << QString(243, 'a') << false;
    QTest::newRow("too long in bytes") << QString(122, QChar(0x00E9)) << false;
  }
  void NameCheck() {
    QFETCH(QString, name);
    QFETCH(bool, storable);
    QCOMPARE(NameProblem(name).isEmpty(), storable);
    if (!storable) return;
    // A storable name really can be written and loaded back.
    TempAppFolder app;
    app.WriteFamily("F", {{name, "00010000F0000M0000S0000"}});
    const Session session = app.OpenSession("F");
    QCOMPARE(session.index.size(), 1);
    QCOMPARE(session.index.row(0).name, name);
  }

  void AtomicWriteReplacesWholeOrNothing() {
    TempAppFolder app;
    const QString path = QDir(app.path()).filePath("x.dat");
    QString error;
    QVERIFY(WriteFileAtomically(path, "old\r\n", &error));
    QVERIFY(WriteFileAtomically(path, "new\r\n", &error));
    QCOMPARE(ReadTextLines(path), std::optional<QStringList>(QStringList{"new"}));
    // A folder that refuses writes leaves the old file and no temporary file.
    QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool refused = !WriteFileAtomically(path, "newer\r\n", &error);
    QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (QFileInfo(app.path()).isWritable() && ::geteuid() == 0) {
      QSKIP("running as root: folder permissions do not refuse writes");
    }
    QVERIFY(refused);
    QVERIFY(error.contains("x.dat"));
    QCOMPARE(ReadTextLines(path), std::optional<QStringList>(QStringList{"new"}));
    QVERIFY(!QFileInfo::exists(path + ".tmp"));
  }

  void TemporaryFilesAreDeleted() {
    TempAppFolder app;
    app.WriteFile("F", "Old Copy.tmp", "x");
    app.WriteFile("F", "A_0001.dat.tmp", "x");
    app.WriteFile("F", "A_0001.dat", "x");
    DeleteTemporaryFiles(app.FamilyPath("F"));
    QCOMPARE(QDir(app.FamilyPath("F")).entryList(QDir::Files), QStringList{"A_0001.dat"});
  }
};

QTEST_GUILESS_MAIN(StoreFoldersTest)
#include "test_store_folders.moc"
