// The keyword search over real record files: line match rules against the literal reading, the
// two modes, word splitting, result order, backup copies, unreadable records and the progress
// reported; and the search command run as a process (stdout, stderr, exit codes).
#include <QtTest>
#include <random>

#include "reference/keyword_search_reference.h"
#include "search/keyword_search.h"
#include "store/text_codec.h"
#include "support/cli_runner.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

// File order: Anne, Bob, carl, Dora, Eve (a backup copy), Frank, Gina, Hanna; each record holds
// a link string and the lines given.
Session SearchFamily(const TempAppFolder& folder) {
  const std::pair<const char*, QStringList> records[] = {
      {"Anne Lee_0001.dat", {"Boston", "***Notes***", "Daughter of John Smith"}},
      {"Bob Miller_0002.dat", {"***Occupation***", "Miller", "***Religion***"}},
      {"carl Jones_0003.dat", {"***Notes***", "Moved to Miller Boston Road"}},
      {"Dora Finch_0004.dat", {"Friend of Joanne"}},
      {"Eve Smith_0005 - Copy.dat", {"Boston Smith Miller Joanne"}},
      {"Frank Stone_0006.dat", {"SMITH & sons", "***Universtities***"}},
      {"Gina Roe_0007.dat", {"see *** Boston"}}};
  for (const auto& [file, lines] : records) {
    folder.WriteFile("Search", file,
                     JoinRecordLines(QStringList{"00010000F0000M0000S0000"} + lines));
  }
  // A record in Windows-1252, as older files are.
  folder.WriteFile("Search", "Hanna_0008.dat",
                   "00080000F0000M0000S0000\r\n\r\nM\xfcller Street\r\n");
  return folder.OpenSession("Search");
}

}  // namespace

class KeywordSearchTest : public QObject {
  Q_OBJECT

 private slots:
  // Random short texts and terms over letters of both cases (some outside the Basic Multilingual
  // Plane), blanks, asterisks and line breaks, against the literal line by line reading.
  void AgreesWithLineByLineReading() {
    const QStringList alphabet =
        QString("a A b B é É ß İ i k \u212a σ ς Σ \U00010400 \U00010428").split(u' ') +
        QStringList{" ", "*", "\r", "\n"};
    std::mt19937 random(11);
    const auto random_text = [&](int max_length) {
      QString text;
      for (int n = static_cast<int>(random() % (max_length + 1)); n > 0; --n)
        text.append(alphabet[random() % alphabet.size()]);
      return text;
    };
    for (int trial = 0; trial < 20000; ++trial) {
      const QString text = random_text(30);
      QStringList terms;
      for (int n = static_cast<int>(random() % 4); n > 0; --n) terms.append(random_text(4));
      QVERIFY2(RecordMatcher(terms).Matches(text) == reference::RecordTextMatches(text, terms),
               qPrintable(QStringLiteral("text \"%1\" terms \"%2\"")
                              .arg(text.toUtf8().toPercentEncoding(),
                                   terms.join(u'|').toUtf8().toPercentEncoding())));
    }
  }

  // The any-word search says how it went; the exact-phrase search says nothing.
  void FindsPersons_data() {
    Columns<QString, bool, QString>();  // the text, whether exact, the names ("|" between)
    Row("case ignored, file order", "SMITH", false, "Anne Lee|Frank Stone");
    Row("exact phrase on one line", "miller boston", true, "carl Jones");
    Row("exact phrase keeps a trailing blank", "boston ", true, "carl Jones");
    Row("empty text lists nobody", "", false, "");
    Row("empty exact text lists every record", "", true,
        "Anne Lee|Bob Miller|carl Jones|Dora Finch|Frank Stone|Gina Roe|Hanna");
    Row("each person once, empty words skipped", "  BOSTON  boston road", false,
        "Anne Lee|carl Jones");
    Row("a twelfth word still counts", "w1 w2 w3 w4 w5 w6 w7 w8 w9 w10 w11 joanne", false,
        "Dora Finch");
    Row("Windows-1252 record", "MÜLLER", false, "Hanna");
  }
  void FindsPersons() {
    const auto [text, exact, names] = Fetch<QString, bool, QString>();
    TempAppFolder folder;
    const Session session = SearchFamily(folder);
    const SearchMode mode = exact ? SearchMode::kExactPhrase : SearchMode::kAnyWord;

    const SearchOutcome outcome =
        SearchRecordFiles(session.FamilyPath(), session.family_files, SearchTerms(text, mode));
    ScriptedPrompter prompter;
    ReportSearchOutcome(outcome, mode, prompter);

    QCOMPARE(outcome.names.join(u'|'), names);
    QCOMPARE(outcome.unreadable, QStringList());
    const QString said = names.isEmpty() ? kNoSearchResults : kSearchCompleted;
    QCOMPARE(prompter.messages, exact ? QStringList() : QStringList{said});
    QCOMPARE(prompter.message_titles, exact ? QStringList() : QStringList{kSearchStatusTitle});
  }

  void ReportsUnreadableRecordsAndSearchesTheRest() {
    TempAppFolder folder;
    Session session = SearchFamily(folder);
    session.family_files.insert(1, "Gone_0009.dat");  // deleted since the list was made

    const SearchOutcome outcome = SearchRecordFiles(session.FamilyPath(), session.family_files,
                                                    SearchTerms("boston", SearchMode::kAnyWord));
    ScriptedPrompter prompter;
    ReportSearchOutcome(outcome, SearchMode::kAnyWord, prompter);

    QCOMPARE(outcome.names, (QStringList{"Anne Lee", "carl Jones"}));
    QCOMPARE(outcome.unreadable, QStringList{"Gone_0009.dat"});
    QCOMPARE(prompter.messages, (QStringList{"Error reading Gone_0009.dat", kSearchCompleted}));
  }

  // One report per record file, rising to 100, also when there is nothing to look for.
  void ReportsProgressUpToTheWholeList() {
    TempAppFolder folder;
    const Session session = SearchFamily(folder);
    for (const QString& text : {QString("boston"), QString()}) {
      QList<int> reported;
      SearchRecordFiles(session.FamilyPath(), session.family_files,
                        SearchTerms(text, SearchMode::kAnyWord),
                        [&reported](int percent) { reported.append(percent); });
      QCOMPARE(reported.size(), session.family_files.size());
      QVERIFY(reported.first() > 0 && std::is_sorted(reported.begin(), reported.end()));
      QCOMPARE(reported.last(), 100);
    }
  }

  void Searches_data() {
    Columns<QStringList, int, QString, QString>();  // args, exit code, stdout ("|" between), stderr
    Row("any word", QStringList{"Lee", "miller BOSTON"}, 0, "Anne Lee|Beth Lee",
        "Search completed.\n");
    Row("exact phrase", QStringList{"Lee", "--exact", "miller boston"}, 0, "Beth Lee", "");
    Row("nothing found", QStringList{"Lee", "nowhere"}, 0, "", "No search results.\n");
    Row("text missing", QStringList{"Lee"}, 2, "",
        "Usage: kinvale-cli search FAMILY [--exact] TEXT\n");
  }
  void Searches() {
    const auto [args, exit_code, out, err] = Fetch<QStringList, int, QString, QString>();
    TempAppFolder folder;
    PersonDetails anne, beth;
    anne.birth_place = "Boston";
    beth.notes = "Miller Boston Road\r\n";
    folder.WriteFamily("Lee", {{"Anne Lee", "00010000F0000M0000S0000", "Female", anne},
                               {"Beth Lee", "00020000F0000M0000S0000", "Female", beth},
                               {"Cora Lee", "00030000F0000M0000S0000", "Female", {}}});

    const CliResult result = RunCli(folder.path(), QStringList{"search"} + args);
    QCOMPARE(result.exit_code, exit_code);
    QCOMPARE(result.out.join(u'|'), out);
    QCOMPARE(result.err, err);
  }
};

KINVALE_TEST(KeywordSearchTest)
#include "test_search_keyword.moc"
