// The store: the application folder and its seeding, settings, the family list and its Create
// rules, index loading from record files, the name check, the temporary files left by
// interrupted writes; the family index lookups; person record files (the full layout, the
// minimal record, the reading rules on short and odd records, the value checks, the encodings).
#include <QtTest>

#include <random>
#include "store/app_folder.h"
#include "store/atomic_file.h"
#include "store/families.h"
#include "store/family_index.h"
#include "store/link_string.h"
#include "store/name_check.h"
#include "store/person_number.h"
#include "store/record_fields.h"
#include "store/record_reader.h"
#include "store/record_writer.h"
#include "store/settings.h"
#include "store/text_codec.h"
#include "store/text_helpers.h"
#include "support/filled_details.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;
using namespace Qt::StringLiterals;

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

class StoreTest : public QObject {
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

  void FirstMatchWithCollidingNames() {
    const FamilyIndex index({{"00070000F0000M0000S0000", "Anne Lee", "Female", {}, {}},
                             {"00030000F0000M0000S0000", "annelee", "Female", {}, {}},
                             {"00120000F0000M0000S0000", "Bob", "Male", {}, {}},
                             {"0012X", "Bob Again", "Male", {}, {}}});
    QCOMPARE(index.FindRowExact("annelee"), 1);
    QCOMPARE(index.FindRow("annelee"), 0);
    QCOMPARE(index.FindRow("ANNE  LEE"), 0);
    QCOMPARE(index.FindRow("Anne-Lee"), -1);
    QCOMPARE(index.NumberOfName("annelee"), QStringLiteral("0007"));
    QCOMPARE(index.NumberOfName("nobody"), QStringLiteral("0000"));
    QVERIFY(index.NameExists("a n n e l e e"));
    QCOMPARE(index.NameOfNumber(u"12"), QStringLiteral("Bob"));
    QCOMPARE(index.NameOfNumber(u"0000"), QString());
    QCOMPARE(index.NameOfNumber(u"0099"), QString());
  }

  // Random renames and relinks must leave every map answering as a scan of the rows would.
  void MapsFollowEveryChange() {
    std::mt19937 random(11);
    const QStringList names = {"Ann", "ann", "A nn", "Bob", "Carl", "carl ", "Dee"};
    auto random_number = [&] { return FormatPersonNumber(int(random() % 8)); };
    auto random_link = [&] {
      return random_number() + random_number() + "F" + random_number() + random_number() + "M" +
             random_number() + "S" + random_number();
    };
    FamilyIndex index;
    std::vector<IndexRow> rows;
    for (int step = 0; step < 3000; ++step) {
      const int action = int(random() % 3);
      const int r = rows.empty() ? 0 : int(random() % rows.size());
      if (action == 0 || rows.empty()) {
        rows.push_back({random_link(), names[random() % names.size()], {}, {}, {}});
        index.Append(rows.back());
      } else if (action == 1) {
        rows[r].link = random_link();
        index.SetLink(r, rows[r].link);
      } else {
        rows[r].name = names[random() % names.size()];
        index.SetName(r, rows[r].name);
      }
      // The plain scans the maps stand for; backwards, so the first match is found last.
      const QString probe = names[random() % names.size()];
      const int number = int(random() % 8);
      int exact = -1, loose = -1, numbered = -1;
      for (int i = int(rows.size()) - 1; i >= 0; --i) {
        if (rows[i].name == probe) exact = i;
        if (LooseNameKey(rows[i].name) == LooseNameKey(probe)) loose = i;
        if (number > 0 && NumberValue(rows[i].link.left(4)) == number) numbered = i;
      }
      std::vector<int> children;
      for (int i = 0; i < int(rows.size()) && number > 0; ++i) {
        for (Group g : {Group::kFather, Group::kMother}) {
          for (const QString& e : GroupEntries(rows[i].link, g)) {
            if (NumberValue(e) == number) children.push_back(i);
          }
        }
      }
      QCOMPARE(index.FindRowExact(probe), exact);
      QCOMPARE(index.FindRow(probe), loose);
      QCOMPARE(index.NameOfNumber(FormatPersonNumber(number)),
               numbered < 0 ? QString() : rows[numbered].name);
      QCOMPARE(index.ChildRowsOf(number), children);
    }
  }

  // Numbers are read by value from their leading digits, and written with four at least.
  void NumbersByValue_data() {
    Columns<QString, int, QString>();  // text, its value, the value formatted
    Row("short", "12", 12, "0012");
    Row("digits then text", "012x", 12, "0012");
    Row("none", "John", 0, "0000");
    Row("five digits keep all", "12345", 12345, "12345");
  }
  void NumbersByValue() {
    const auto [text, value, formatted] = Fetch<QString, int, QString>();
    QCOMPARE(NumberValue(text), value);
    QCOMPARE(FormatPersonNumber(value), formatted);
  }

  // How file names give names and numbers: a name may hold dots and "_", a backup copy's
  // suffix is no part of it, and a name without a number ends at the first "." or "_".
  void TextHelpers_data() {
    Columns<QString, QString, int>();  // file, name from it | as a record file name, number
    const auto row = [](const char* file, const char* names, int number) {
      Row(file, file, names, number);
    };
    row("J. Smith_0005.dat", "J|J. Smith", 5);
    row("Mary_Ann_0004.dat", "Mary|Mary_Ann", 4);
    row("John Smith_0003 Copy.dat", "John Smith|John Smith", 3);
    row("Ann_.dat", "Ann|Ann", 0);
  }
  void TextHelpers() {
    const auto [file, names, number] = Fetch<QString, QString, int>();
    QCOMPARE(NameFromFileName(file) + u'|' + NameFromRecordFileName(file), names);
    QCOMPARE(NumberFromRecordFileName(file), number);
    QCOMPARE(StripSpaces(u" a b\tc "), QStringLiteral("ab\tc"));  // blanks only, not tabs
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

KINVALE_TEST(StoreTest)
#include "test_store.moc"
