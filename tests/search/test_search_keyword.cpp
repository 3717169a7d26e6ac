// The keyword search over real record files: line match rules, the two modes, word splitting,
// result order, backup copies, unreadable records and the progress reported.
#include <QtTest>
#include <random>

#include "reference/keyword_search_reference.h"
#include "search/keyword_search.h"
#include "store/record.h"
#include "store/text_codec.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kFamily = QStringLiteral("Search");

PersonSpec Person(const QString& name, const QString& number, PersonDetails details) {
  return {name, number + QStringLiteral("0000F0000M0000S0000"), QStringLiteral("Male"), details};
}

PersonDetails WithNotes(const QString& notes) {
  PersonDetails details;
  details.notes = notes + kLineBreak;
  return details;
}

// File order: Anne, Bob, carl, Dora, Eve (a backup copy), Frank, Gina, Hanna.
void WriteSearchFamily(const TempAppFolder& folder) {
  PersonDetails anne = WithNotes(QStringLiteral("Daughter of John Smith"));
  anne.birth_place = QStringLiteral("Boston");
  PersonDetails bob;
  bob.occupations = {QStringLiteral("Miller")};
  folder.WriteFamily(kFamily, {Person(QStringLiteral("Anne Lee"), QStringLiteral("0001"), anne),
                               Person(QStringLiteral("Bob Miller"), QStringLiteral("0002"), bob),
                               Person(QStringLiteral("carl Jones"), QStringLiteral("0003"),
                                      WithNotes(QStringLiteral("Moved to Miller Boston Road"))),
                               Person(QStringLiteral("Dora Finch"), QStringLiteral("0004"),
                                      WithNotes(QStringLiteral("Friend of Joanne"))),
                               Person(QStringLiteral("Frank Stone"), QStringLiteral("0006"),
                                      WithNotes(QStringLiteral("SMITH & sons"))),
                               Person(QStringLiteral("Gina Roe"), QStringLiteral("0007"),
                                      WithNotes(QStringLiteral("see *** Boston")))});
  folder.WriteFile(kFamily, QStringLiteral("Eve Smith_0005 - Copy.dat"),
                   JoinRecordLines({QStringLiteral("00050000F0000M0000S0000"),
                                    QStringLiteral("Boston Smith Miller Joanne")}));
  // A record in Windows-1252, as older files are.
  folder.WriteFile(kFamily, QStringLiteral("Hanna_0008.dat"),
                   "00080000F0000M0000S0000\r\n\r\nM\xfcller Street\r\n");
}

QStringList Names(std::initializer_list<const char*> names) {
  QStringList list;
  for (const char* name : names) list.append(QString::fromUtf8(name));
  return list;
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
  QTest::newRow("one word") << "miller" << Names({"miller"});
  QTest::newRow("two words") << "miller boston" << Names({"miller", "boston"});
  QTest::newRow("two blanks store an empty word") << "a  b" << Names({"a", "", "b"});
  QTest::newRow("leading blank") << " a" << Names({"", "a"});
  QTest::newRow("trailing blank ends the last word once") << "a " << Names({"a"});
  QTest::newRow("blank alone") << " " << Names({""});
  QTest::newRow("one-character last word") << "ab c" << Names({"ab", "c"});
  QTest::newRow("more than ten words")
      << "1 2 3 4 5 6 7 8 9 10 11 12"
      << Names({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"});
}

void KeywordSearchTest::SplitsWordsAtEveryBlank() {
  QFETCH(QString, text);
  QFETCH(QStringList, words);
  QCOMPARE(SearchWords(text), words);
}

void KeywordSearchTest::MatchesRecordText_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QStringList>("terms");
  QTest::addColumn<bool>("matches");
  QTest::newRow("case ignored") << "John Smith\r\n" << Names({"SMITH"}) << true;
  QTest::newRow("substring") << "Joanne" << Names({"ann"}) << true;
  QTest::newRow("accented case ignored") << "ÉMILE ZOLA" << Names({"émile"}) << true;
  QTest::newRow("absent") << "Joanne\r\n" << Names({"anna"}) << false;
  QTest::newRow("section header") << "***Notes***\r\n" << Names({"notes"}) << false;
  QTest::newRow("line after a header") << "***Notes***\r\nnotes\r\n" << Names({"notes"}) << true;
  QTest::newRow("value holding ***") << "x\r\na *** b\r\n" << Names({"a"}) << false;
  QTest::newRow("two asterisks are no header") << "a ** b" << Names({"a"}) << true;
  QTest::newRow("any term") << "Boston\r\n" << Names({"miller", "BOSTON"}) << true;
  QTest::newRow("no term") << "Boston\r\n" << QStringList() << false;
  QTest::newRow("empty term, non-empty line") << "\r\n\r\nx\r\n" << Names({""}) << true;
  QTest::newRow("empty term, empty lines") << "\r\n\n\r" << Names({""}) << false;
  QTest::newRow("empty term, header only") << "***Gender***\r\n" << Names({""}) << false;
  QTest::newRow("empty term, empty text") << "" << Names({""}) << false;
  QTest::newRow("phrase needs its one blank")
      << "Miller  Boston" << Names({"miller boston"}) << false;
  QTest::newRow("phrase across a line break")
      << "Miller\r\nBoston" << Names({"miller boston"}) << false;
  QTest::newRow("term holding a line break")
      << "Miller\r\nBoston" << Names({"miller\r\nboston"}) << false;
  QTest::newRow("last line without a break") << "***High***\r\nOxford" << Names({"ford"}) << true;
  QTest::newRow("lone CR ends a line") << "x ***\rBoston" << Names({"boston"}) << true;
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
  const QStringList alphabet = QString::fromUtf8(
                                   "a A b B \u00e9 \u00c9 \u00df \u0130 i k \u212a "
                                   "\u03c3 \u03c2 \u03a3 \U00010400 \U00010428")
                                   .split(u' ') +
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
      << "SMITH" << false << Names({"Anne Lee", "Frank Stone"}) << completed;
  QTest::newRow("exact, case ignored")
      << "smith" << true << Names({"Anne Lee", "Frank Stone"}) << QStringList();
  QTest::newRow("headers never match") << "notes" << false << QStringList() << none;
  QTest::newRow("headers never match, exact")
      << "Universtities" << true << QStringList() << QStringList();
  QTest::newRow("any word is enough")
      << "miller boston" << false << Names({"Anne Lee", "Bob Miller", "carl Jones"}) << completed;
  QTest::newRow("exact phrase on one line")
      << "miller boston" << true << Names({"carl Jones"}) << QStringList();
  QTest::newRow("exact phrase keeps a trailing blank")
      << "boston " << true << Names({"carl Jones"}) << QStringList();
  QTest::newRow("substring") << "ann" << false << Names({"Dora Finch"}) << completed;
  QTest::newRow("empty text lists nobody") << "" << false << QStringList() << none;
  QTest::newRow("blanks only list nobody") << "   " << false << QStringList() << none;
  QTest::newRow("empty exact text lists every record")
      << "" << true
      << Names({"Anne Lee", "Bob Miller", "carl Jones", "Dora Finch", "Frank Stone", "Gina Roe",
                "Hanna"})
      << QStringList();
  QTest::newRow("empty words skipped")
      << "  boston  " << false << Names({"Anne Lee", "carl Jones"}) << completed;
  QTest::newRow("each person once")
      << "BOSTON boston road" << false << Names({"Anne Lee", "carl Jones"}) << completed;
  QTest::newRow("a twelfth word still counts")
      << "w1 w2 w3 w4 w5 w6 w7 w8 w9 w10 w11 joanne" << false << Names({"Dora Finch"}) << completed;
  QTest::newRow("Windows-1252 record") << "MÜLLER" << false << Names({"Hanna"}) << completed;
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
  session.family_files.insert(1, QStringLiteral("Gone_0009.dat"));  // deleted since listed

  const SearchOutcome outcome =
      SearchRecordFiles(session.FamilyPath(), session.family_files,
                        SearchTerms(QStringLiteral("boston"), SearchMode::kAnyWord));
  ScriptedPrompter prompter;
  ReportSearchOutcome(outcome, SearchMode::kAnyWord, prompter);

  QCOMPARE(outcome.names, Names({"Anne Lee", "carl Jones"}));
  QCOMPARE(outcome.unreadable, Names({"Gone_0009.dat"}));
  QCOMPARE(prompter.messages,
           QStringList({QStringLiteral("Error reading Gone_0009.dat"), kSearchCompleted}));
}

void KeywordSearchTest::ReportsProgressUpToTheWholeList() {
  TempAppFolder folder;
  WriteSearchFamily(folder);
  const Session session = folder.OpenSession(kFamily);
  for (const QString& text : {QStringLiteral("boston"), QString()}) {
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
