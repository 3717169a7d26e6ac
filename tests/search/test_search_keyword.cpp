// The keyword search over real record files: line match rules, the two modes, word splitting,
// result order, backup copies, unreadable records and the progress reported.
#include <QtTest>
#include <random>

#include "reference/keyword_search_reference.h"
#include "search/keyword_search.h"
#include "store/text_codec.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kFamily = QStringLiteral("Search");

// One record per person: the link string, then the given lines.
void WriteRecord(const TempAppFolder& folder, const QString& file, const QStringList& lines) {
  folder.WriteFile(kFamily, file, JoinRecordLines(QStringList{"00010000F0000M0000S0000"} + lines));
}

// File order: Anne, Bob, carl, Dora, Eve (a backup copy), Frank, Gina, Hanna.
void WriteSearchFamily(const TempAppFolder& folder) {
  WriteRecord(folder, "Anne Lee_0001.dat", {"Boston", "***Notes***", "Daughter of John Smith"});
  WriteRecord(folder, "Bob Miller_0002.dat", {"***Occupation***", "Miller", "***Religion***"});
  WriteRecord(folder, "carl Jones_0003.dat", {"***Notes***", "Moved to Miller Boston Road"});
  WriteRecord(folder, "Dora Finch_0004.dat", {"Friend of Joanne"});
  WriteRecord(folder, "Eve Smith_0005 - Copy.dat", {"Boston Smith Miller Joanne"});
  WriteRecord(folder, "Frank Stone_0006.dat", {"SMITH & sons", "***Universtities***"});
  WriteRecord(folder, "Gina Roe_0007.dat", {"see *** Boston"});
  // A record in Windows-1252, as older files are.
  folder.WriteFile(kFamily, "Hanna_0008.dat",
                   "00080000F0000M0000S0000\r\n\r\nM\xfcller Street\r\n");
}

class KeywordSearchTest : public QObject {
  Q_OBJECT

 private slots:
  void SplitsWordsAtEveryBlank_data();
  void SplitsWordsAtEveryBlank();
  void MatchesRecordText_data();
  void MatchesRecordText();
  void AgreesWithLineByLineReading();
  void FindsPersons_data();
  void FindsPersons();
  void ReportsUnreadableRecordsAndSearchesTheRest();
  void ReportsProgressUpToTheWholeList();
};

void KeywordSearchTest::SplitsWordsAtEveryBlank_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QStringList>("words");
  QTest::newRow("empty text stores nothing") << "" << QStringList();
  QTest::newRow("two words") << "miller boston" << QStringList{"miller", "boston"};
  QTest::newRow("two blanks store an empty word") << "a  b" << QStringList{"a", "", "b"};
  QTest::newRow("leading blank") << " a" << QStringList{"", "a"};
  QTest::newRow("trailing blank ends the last word once") << "a " << QStringList{"a"};
  QTest::newRow("blank alone") << " " << QStringList{""};
  QTest::newRow("more than ten words")
      << "1 2 3 4 5 6 7 8 9 10 11 c" << QString("1 2 3 4 5 6 7 8 9 10 11 c").split(u' ');
}

void KeywordSearchTest::SplitsWordsAtEveryBlank() {
  QFETCH(QString, text);
  QFETCH(QStringList, words);
  QCOMPARE(SearchWords(text), words);
}

// The line boundaries of a record's text; the file-level cases below cover the rest.
void KeywordSearchTest::MatchesRecordText_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QStringList>("terms");
  QTest::addColumn<bool>("matches");
  QTest::newRow("accented case ignored") << "ÉMILE ZOLA" << QStringList{"émile"} << true;
  QTest::newRow("line after a header") << "***Notes***\r\nnotes\r\n"
                                       << QStringList{"notes"} << true;
  QTest::newRow("two asterisks are no header") << "a ** b" << QStringList{"a"} << true;
  QTest::newRow("empty term, non-empty line") << "\r\n\r\nx\r\n" << QStringList{""} << true;
  QTest::newRow("empty term, empty lines") << "\r\n\n\r" << QStringList{""} << false;
  QTest::newRow("empty term, header only") << "***Gender***\r\n" << QStringList{""} << false;
  QTest::newRow("phrase across a line break") << "Miller\r\nBoston" << QStringList{"r b"} << false;
  QTest::newRow("term holding a line break")
      << "Miller\r\nBoston" << QStringList{"r\r\nb"} << false;
  QTest::newRow("last line without a break")
      << "***High***\r\nOxford" << QStringList{"ford"} << true;
  QTest::newRow("lone CR ends a line") << "x ***\rBoston" << QStringList{"boston"} << true;
}

void KeywordSearchTest::MatchesRecordText() {
  QFETCH(QString, text);
  QFETCH(QStringList, terms);
  QFETCH(bool, matches);
  QCOMPARE(RecordMatcher(terms).Matches(text), matches);
  QCOMPARE(reference::RecordTextMatches(text, terms), matches);
}

// Random short texts and terms over letters of both cases (some outside the Basic Multilingual
// Plane), blanks, asterisks and line breaks, against the literal line by line reading.
void KeywordSearchTest::AgreesWithLineByLineReading() {
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

void KeywordSearchTest::FindsPersons_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("exact");
  QTest::addColumn<QStringList>("names");
  QTest::addColumn<QStringList>("messages");
  const QStringList completed{kSearchCompleted};
  const QStringList none{kNoSearchResults};
  QTest::newRow("case ignored, file order")
      << "SMITH" << false << QStringList{"Anne Lee", "Frank Stone"} << completed;
  QTest::newRow("exact, case ignored")
      << "smith" << true << QStringList{"Anne Lee", "Frank Stone"} << QStringList();
  QTest::newRow("headers never match") << "notes" << false << QStringList() << none;
  QTest::newRow("headers never match, exact")
      << "Universtities" << true << QStringList() << QStringList();
  QTest::newRow("any word is enough")
      << "miller boston" << false << QStringList{"Anne Lee", "Bob Miller", "carl Jones"}
      << completed;
  QTest::newRow("exact phrase on one line")
      << "miller boston" << true << QStringList{"carl Jones"} << QStringList();
  QTest::newRow("exact phrase keeps a trailing blank")
      << "boston " << true << QStringList{"carl Jones"} << QStringList();
  QTest::newRow("substring") << "ann" << false << QStringList{"Dora Finch"} << completed;
  QTest::newRow("empty text lists nobody") << "" << false << QStringList() << none;
  QTest::newRow("blanks only list nobody") << "   " << false << QStringList() << none;
  QTest::newRow("empty exact text lists every record")
      << "" << true << QStringList{"Anne Lee",    "Bob Miller", "carl Jones", "Dora Finch",
                                   "Frank Stone", "Gina Roe",   "Hanna"}
      << QStringList();
  QTest::newRow("each person once, empty words skipped")
      << "  BOSTON  boston road" << false << QStringList{"Anne Lee", "carl Jones"} << completed;
  QTest::newRow("a twelfth word still counts") << "w1 w2 w3 w4 w5 w6 w7 w8 w9 w10 w11 joanne"
                                               << false << QStringList{"Dora Finch"} << completed;
  QTest::newRow("Windows-1252 record") << "MÜLLER" << false << QStringList{"Hanna"} << completed;
}

void KeywordSearchTest::FindsPersons() {
  QFETCH(QString, text);
  QFETCH(bool, exact);
  QFETCH(QStringList, names);
  QFETCH(QStringList, messages);
  TempAppFolder folder;
  WriteSearchFamily(folder);
  const Session session = folder.OpenSession(kFamily);
  const SearchMode mode = exact ? SearchMode::kExactPhrase : SearchMode::kAnyWord;

  const SearchOutcome outcome =
      SearchRecordFiles(session.FamilyPath(), session.family_files, SearchTerms(text, mode));
  ScriptedPrompter prompter;
  ReportSearchOutcome(outcome, mode, prompter);

  QCOMPARE(outcome.names, names);
  QCOMPARE(outcome.unreadable, QStringList());
  QCOMPARE(prompter.messages, messages);
  for (const QString& title : prompter.message_titles) QCOMPARE(title, kSearchStatusTitle);
}

void KeywordSearchTest::ReportsUnreadableRecordsAndSearchesTheRest() {
  TempAppFolder folder;
  WriteSearchFamily(folder);
  Session session = folder.OpenSession(kFamily);
  session.family_files.insert(1, "Gone_0009.dat");  // deleted since the list was made

  const SearchOutcome outcome = SearchRecordFiles(session.FamilyPath(), session.family_files,
                                                  SearchTerms("boston", SearchMode::kAnyWord));
  ScriptedPrompter prompter;
  ReportSearchOutcome(outcome, SearchMode::kAnyWord, prompter);

  QCOMPARE(outcome.names, (QStringList{"Anne Lee", "carl Jones"}));
  QCOMPARE(outcome.unreadable, QStringList{"Gone_0009.dat"});
  QCOMPARE(prompter.messages, (QStringList{"Error reading Gone_0009.dat", kSearchCompleted}));
}

void KeywordSearchTest::ReportsProgressUpToTheWholeList() {
  TempAppFolder folder;
  WriteSearchFamily(folder);
  const Session session = folder.OpenSession(kFamily);
  for (const QString& text : {QString("boston"), QString()}) {
    QList<int> reported;
    SearchRecordFiles(session.FamilyPath(), session.family_files,
                      SearchTerms(text, SearchMode::kAnyWord),
                      [&reported](int percent) { reported.append(percent); });
    QCOMPARE(reported.size(), session.family_files.size());
    QVERIFY(reported.first() > 0);
    QCOMPARE(reported.last(), 100);
    QVERIFY(std::is_sorted(reported.begin(), reported.end()));
  }
}

}  // namespace

QTEST_GUILESS_MAIN(KeywordSearchTest)
#include "test_search_keyword.moc"
