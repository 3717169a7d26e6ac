// The Keyword Search window driven through its widgets: searching in both modes, where the
// progress bar ends, and a click on a result.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include "search/keyword_search.h"
#include "search/ui/keyword_search_dialog.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kFamily = QStringLiteral("Search");

PersonSpec Person(const QString& name, const QString& number, const QString& birth_place) {
  PersonDetails details;
  details.birth_place = birth_place;
  return {name, number + "0000F0000M0000S0000", "Female", details};
}

template <typename Widget>
Widget* Child(const QWidget& parent, const char* name) {
  auto* child = parent.findChild<Widget*>(name);
  if (!child) qFatal("no child %s", name);
  return child;
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
    folder.WriteFamily(kFamily, {Person("Anne Lee", "0001", "Boston"),
                                 Person("Beth Miller", "0002", "Miller Boston Road")});
    session = folder.OpenSession(kFamily);
    folder.WriteFamily(kFamily, {Person("Cora Hill", "0003", "Boston")});
    dialog = std::make_unique<KeywordSearchDialog>(
        session, prompter, [this](const QString& name) { shown.append(name); });
    dialog->show();
  }

  void Search(const QString& text, bool exact) {
    Child<QLineEdit>(*dialog, "searchText")->setText(text);
    Child<QCheckBox>(*dialog, "exactPhrase")->setChecked(exact);
    QTest::mouseClick(Child<QPushButton>(*dialog, "searchButton"), Qt::LeftButton);
  }
  QListWidget* results() const { return Child<QListWidget>(*dialog, "results"); }
};

class KeywordSearchWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void Searches_data();
  void Searches();
  void ClickOnResultShowsThatPerson();
};

void KeywordSearchWindowTest::Searches_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("exact");
  QTest::addColumn<QStringList>("names");
  QTest::addColumn<bool>("progress_shown");
  QTest::addColumn<QStringList>("messages");
  QTest::newRow("any word") << "MILLER boston" << false
                            << QStringList{"Anne Lee", "Beth Miller", "Cora Hill"} << false
                            << QStringList{kSearchCompleted};
  QTest::newRow("any word, nothing found")
      << "nowhere" << false << QStringList() << false << QStringList{kNoSearchResults};
  QTest::newRow("exact phrase") << "miller boston" << true << QStringList{"Beth Miller"} << true
                                << QStringList();
}

void KeywordSearchWindowTest::Searches() {
  QFETCH(QString, text);
  QFETCH(bool, exact);
  QFETCH(QStringList, names);
  QFETCH(bool, progress_shown);
  QFETCH(QStringList, messages);
  SearchWindow window;
  window.results()->addItem("left from an earlier search");

  window.Search(text, exact);

  QStringList listed;
  for (int i = 0; i < window.results()->count(); ++i)
    listed.append(window.results()->item(i)->text());
  QCOMPARE(listed, names);
  auto* progress = Child<QProgressBar>(*window.dialog, "progress");
  QCOMPARE(progress->isVisible(), progress_shown);
  QCOMPARE(progress->value(), progress->maximum());
  QCOMPARE(window.prompter.messages, messages);
}

void KeywordSearchWindowTest::ClickOnResultShowsThatPerson() {
  SearchWindow window;
  QVERIFY(QTest::qWaitForWindowExposed(window.dialog.get()));
  window.Search("boston", false);
  QListWidget* results = window.results();
  QCOMPARE(results->count(), 3);

  const QRect second = results->visualItemRect(results->item(1));
  QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, second.center());

  QCOMPARE(window.shown, QStringList{"Beth Miller"});
}

}  // namespace

QTEST_MAIN(KeywordSearchWindowTest)
#include "test_search_ui_keyword.moc"
