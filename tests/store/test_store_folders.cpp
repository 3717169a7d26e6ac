// The application folder, settings, the family list and its Create rules, index loading from
// record files, the name check and the temporary files left by interrupted writes.
#include <QtTest>

#include "store/app_folder.h"
#include "store/atomic_file.h"
#include "store/families.h"
#include "store/name_check.h"
#include "store/record_reader.h"
#include "store/record_writer.h"
#include "store/settings.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;
using namespace Qt::StringLiterals;

class StoreFoldersTest : public QObject {
  Q_OBJECT

 private slots:
  void NewAppFolderIsSeededWithTheDemoFamily() {
    TempAppFolder app;
    QVERIFY(QDir(app.path()).removeRecursively());  // an application folder not made yet
    QString error;
    QVERIFY2(PrepareAppFolder(app.path(), &error), qPrintable(error));
    const QString logo = QDir(app.path()).filePath("logo.bmp");
    QVERIFY(QFileInfo::exists(logo));
    QCOMPARE(ListFamilies(app.path()), QStringList{"Demo"});
    const std::optional<kinvale::Settings> settings = LoadSettings(app.path());
    QVERIFY(settings);
    QCOMPARE(settings->family, QStringLiteral("Demo"));
    Session session;
    session.app_folder = app.path();
    session.family = "Demo";
    ScriptedPrompter prompter;
    LoadFamilyIndex(session, prompter);
    QCOMPARE(prompter.messages, QStringList());
    QVERIFY(session.index.size() >= 40);
    QCOMPARE(session.index.NumberOfName(settings->person), QStringLiteral("0001"));
    // The demo photos point into the new family folder.
    const std::optional<QString> photo = ReadPhotoLine(RecordPathOf(session, settings->person));
    QVERIFY(photo && photo->startsWith(session.FamilyPath()) && QFileInfo::exists(*photo));
    QCOMPARE(QDir(session.FamilyPath()).entryList({"*.tmp"}, QDir::Files), QStringList());

    // An existing folder is left as it is, but gets its logo back.
    QFile::remove(logo);
    QFile::remove(RecordPathOf(session, settings->person));
    QVERIFY(PrepareAppFolder(app.path(), &error));
    QVERIFY(QFileInfo::exists(logo));
    QVERIFY(!QFileInfo::exists(RecordPathOf(session, settings->person)));
  }

  void SettingsFile_data() {
    Columns<QByteArray, bool, QString, QString>();  // content, whether it opens, family, person
    Row("family and person", "Smith\r\nJohn Smith\r\n"_ba, true, "Smith", "John Smith");
    Row("no family", "\r\nPerson of Interest\r\n"_ba, true, "", "Person of Interest");
    Row("empty person line", "Smith\r\n\r\n"_ba, true, "Smith", "Person of Interest");
    Row("one line", "Smith\r\n"_ba, false, "", "");
    Row("empty file", ""_ba, false, "", "");
    Row("path in family", "../etc\r\nX\r\n"_ba, false, "", "");
    Row("dot dot", "..\r\nX\r\n"_ba, false, "", "");
    Row("backslash", "a\\b\r\nX\r\n"_ba, false, "", "");
  }
  void SettingsFile() {
    const auto [content, opens, family, person] = Fetch<QByteArray, bool, QString, QString>();
    TempAppFolder app;
    app.WriteFile(".", "settings.db", content);
    const std::optional<kinvale::Settings> settings = LoadSettings(app.path());
    QCOMPARE(settings.has_value(), opens);
    if (!settings) return;
    QCOMPARE(settings->family, family);
    QCOMPARE(settings->person, person);
    // Saved again, the file holds both lines whole.
    QString error;
    QVERIFY(SaveSettings(app.path(), *settings, &error));
    QCOMPARE(app.ReadFile(".", "settings.db"), (family + "\r\n" + person + "\r\n").toUtf8());
  }

  void FamiliesAreFoldersWithoutDots() {
    TempAppFolder app;
    QDir root(app.path());
    for (const char* family : {"smith", "Smith.old", "Brown", "adams"}) root.mkdir(family);
    app.WriteFile(".", "README", "x");
    QCOMPARE(ListFamilies(app.path()), (QStringList{"adams", "Brown", "smith"}));
  }

  void CreateFamilyRules_data() {
    Columns<QString, QString>();  // the name, the error (empty when the family is made)
    const auto row = [](const char* tag, const QString& name, const QString& error) {
      Row(tag, name, error);
    };
    row("plain", "Smith", "");
    row("with blank", "Van Dyke", "");
    row("existing", "Taken", "A family or file named \"Taken\" exists already.");
    row("initial text", kNewFamilyInitialText, kNameErrorMessage);
    row("empty", "", kNameErrorMessage);
    row("blank", "   ", kNameErrorMessage);
    row("tab", "a\tb", kNameErrorMessage);
    row("invisible only", QString::fromUtf16(u"\u00A0\u200B\u3000"), kNameErrorMessage);
    for (QChar c : QStringLiteral(",?'[]{}|=+!#$%^&*`~/\\.")) {
      row(qPrintable(QString(c)), QStringLiteral("Ab%1cd").arg(c), kNameErrorMessage);
    }
  }
  void CreateFamilyRules() {
    const auto [name, error] = Fetch<QString, QString>();
    TempAppFolder app;
    QDir(app.path()).mkdir("Taken");
    QString message;
    QCOMPARE(CreateFamily(app.path(), name, &message), error.isEmpty());
    QCOMPARE(message, error);
    const QStringList families = ListFamilies(app.path());
    QCOMPARE(families.size(), error.isEmpty() ? 2 : 1);
    if (error.isEmpty()) QVERIFY(families.contains(name));
  }

  // Bad records (an empty one, a folder) are reported once and left out; a short record keeps
  // what it has; loading goes on with the files after them.
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
    QCOMPARE(prompter.messages, QStringList{"Error reading Bad_0002.dat, Folder_0007.dat"});
    QStringList rows;
    for (const IndexRow& row : session.index.rows())
      rows << row.name + ' ' + row.gender + ' ' + row.link;
    QCOMPARE(rows,
             (QStringList{"Ann Female 00010000F0000M0000S0000",
                          "J. Smith  00060000F0000M0000S0000",  // the empty line under Occupation
                          "Short  00030000F0001M0000S0000", "Zoe Female 00050000F0001M0000S0000"}));
    // Numbers carried only by files left out of the index are never handed out again.
    QCOMPARE(session.NextPersonNumber(), QStringLiteral("0008"));
  }

  void NameCheck_data() {
    Columns<QString, bool>();
    Row("ordinary", "Mary Ann Smith", true);
    Row("apostrophe and dot", "J. O'Brien", true);
    Row("accents", "Zoë Łukasz", true);
    Row("empty", "", false);
    Row("spaces only", "   ", false);
    Row("slash", "a/b", false);
    Row("backslash", "a\\b", false);
    Row("colon", "a:b", false);
    Row("question mark", "who?", false);
    Row("tab", "a\tb", false);
    Row("line break", "a\nb", false);
    Row("COPY inside", "Mc COPY", false);
    Row("longest that fits", QString(242, 'a'), true);
    Row("too long", QString(243, 'a'), false);
    Row("too long in bytes", QString(122, QChar(0x00E9)), false);
  }
  void NameCheck() {
    const auto [name, storable] = Fetch<QString, bool>();
    QCOMPARE(NameProblem(name).isEmpty(), storable);
    if (!storable) return;
    // A storable name really can be written and loaded back.
    TempAppFolder app;
    app.WriteFamily("F", {{name, "00010000F0000M0000S0000"}});
    const Session session = app.OpenSession("F");
    QCOMPARE(session.index.size(), 1);
    QCOMPARE(session.index.row(0).name, name);
  }

  void TemporaryFilesAreDeleted() {
    TempAppFolder app;
    for (const char* file : {"Old Copy.tmp", "A_0001.dat.tmp", "A_0001.dat"})
      app.WriteFile("F", file, "x");
    DeleteTemporaryFiles(app.FamilyPath("F"));
    QCOMPARE(QDir(app.FamilyPath("F")).entryList(QDir::Files), QStringList{"A_0001.dat"});
  }
};

KINVALE_TEST(StoreFoldersTest)
#include "test_store_folders.moc"
