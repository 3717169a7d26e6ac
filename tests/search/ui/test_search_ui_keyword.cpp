// The Keyword Search window driven through its widgets: searching in both modes, where the
// progress bar ends, the status line, and a result opened by a click and by Enter.
#include <QtTest>
#include <QtWidgets>

#include "search/keyword_search.h"
#include "search/ui/keyword_search_dialog.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"
#include "support/test_main.h"
#include "support/test_table.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

PersonSpec Person(const QString& name, const QString& number, const QString& birth_place) {
  PersonDetails details;
  details.birth_place = birth_place;
  return {name, number + "0000F0000M0000S0000", "Female", details};
}

// A session on Anne (Boston) and Beth (Miller Boston Road); Cora (Boston) is written after the
// family was loaded, so only a window that lists the files again finds her.
struct SearchWindow {
  TempAppFolder folder;
  Session session;
  ScriptedPrompter prompter;
  QStringList shown;
  std::unique_ptr<KeywordSearchDialog> dialog;

  SearchWindow() {
    folder.WriteFamily("Search", {Person("Anne Lee", "0001", "Boston"),
                                  Person("Beth Miller", "0002", "Miller Boston Road")});
    session = folder.OpenSession("Search");
    folder.WriteFamily("Search", {Person("Cora Hill", "0003", "Boston")});
    dialog = std::make_unique<KeywordSearchDialog>(
        session, prompter, [this](int row) { shown.append(session.index.row(row).name); });
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
  }
  void Search(const QString& text, bool exact) {
    Child<QLineEdit>(*dialog, "searchText")->setText(text);
    Child<QCheckBox>(*dialog, "exactPhrase")->setChecked(exact);
    Click(*dialog, "searchButton");
  }
  QListWidget& results() const { return *Child<QListWidget>(*dialog, "results"); }
};

}  // namespace

class KeywordSearchWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // The any-word search hides the bar; the exact one leaves it. The status line, not a message
  // box, tells how the search went. A click on the first name found shows that person, and so
  // does Enter in the results, which does not search again; Enter in the search box searches.
  void Searches_data() {
    Columns<QString, bool, QStringList, QString>();  // text, exact, names, status
    Row("any word", "MILLER boston", false, QStringList{"Anne Lee", "Beth Miller", "Cora Hill"},
        QString(kSearchCompleted));
    Row("any word, nothing found", "nowhere", false, QStringList(), QString(kNoSearchResults));
    Row("exact phrase", "miller boston", true, QStringList{"Beth Miller"},
        QString(kSearchCompleted));
  }
  void Searches() {
    const auto [text, exact, names, status] = Fetch<QString, bool, QStringList, QString>();
    SearchWindow window;
    window.results().addItem("left from an earlier search");
    window.Search(text, exact);

    QCOMPARE(Entries(window.results()), names);
    auto* progress = Child<QProgressBar>(*window.dialog, "progress");
    QCOMPARE(progress->isVisible(), exact);
    QCOMPARE(progress->value(), progress->maximum());
    QCOMPARE(window.prompter.messages, QStringList());
    QCOMPARE(Child<QStatusBar>(*window.dialog, "status")->currentMessage(), status);
    if (names.isEmpty()) return;
    ClickEntry(window.results(), names.first());
    QTest::keyClick(&window.results(), Qt::Key_Return);
    QCOMPARE(window.shown, QStringList({names.first(), names.first()}));
    QCOMPARE(window.results().currentRow(), 0);  // still the list that was searched
    window.results().clear();
    QTest::keyClick(Child<QLineEdit>(*window.dialog, "searchText"), Qt::Key_Return);
    QCOMPARE(Entries(window.results()), names);
  }
};

KINVALE_TEST(KeywordSearchWindowTest)
#include "test_search_ui_keyword.moc"
