// The Keyword Search window driven through its widgets: searching in both modes, where the
// progress bar ends, a click on a result, and the file list rebuilt on opening.
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
  return {name, number + QStringLiteral("0000F0000M0000S0000"), QStringLiteral("Female"), details};
}

void WriteFamily(const TempAppFolder& folder) {
  folder.WriteFamily(
      kFamily,
      {Person(QStringLiteral("Anne Lee"), QStringLiteral("0001"), QStringLiteral("Boston")),
       Person(QStringLiteral("Beth Miller"), QStringLiteral("0002"),
              QStringLiteral("Miller Boston Road")),
       Person(QStringLiteral("Cora Hill"), QStringLiteral("0003"), QStringLiteral("Dover"))});
}

QStringList ListedNames(const QListWidget& list) {
  QStringList names;
  for (int i = 0; i < list.count(); ++i) names.append(list.item(i)->text());
  return names;
}

template <typename Widget>
Widget* Child(const QWidget& parent, const char* name) {
  auto* child = parent.findChild<Widget*>(QString::fromLatin1(name));
  if (!child) qFatal("no child %s", name);
  return child;
}

void RunSearch(const KeywordSearchDialog& dialog, const QString& text, bool exact) {
  Child<QLineEdit>(dialog, "searchText")->setText(text);
  Child<QCheckBox>(dialog, "exactPhrase")->setChecked(exact);
  QTest::mouseClick(Child<QPushButton>(dialog, "searchButton"), Qt::LeftButton);
}

class KeywordSearchWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void Searches_data();
  void Searches();
  void ClickOnResultShowsThatPerson();
  void OpeningRebuildsTheFileList();
  void ReturnCloses();
};

void KeywordSearchWindowTest::Searches_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("exact");
  QTest::addColumn<QStringList>("names");
  QTest::addColumn<bool>("progress_shown");
  QTest::addColumn<QStringList>("messages");
  QTest::newRow("any word") << "MILLER boston" << false << QStringList{"Anne Lee", "Beth Miller"}
                            << false << QStringList{kSearchCompleted};
  QTest::newRow("any word, nothing found")
      << "nowhere" << false << QStringList() << false << QStringList{kNoSearchResults};
  QTest::newRow("exact phrase") << "miller boston" << true << QStringList{"Beth Miller"} << true
                                << QStringList();
  QTest::newRow("exact phrase, nothing found")
      << "boston miller" << true << QStringList() << true << QStringList();
}

void KeywordSearchWindowTest::Searches() {
  QFETCH(QString, text);
  QFETCH(bool, exact);
  QFETCH(QStringList, names);
  QFETCH(bool, progress_shown);
  QFETCH(QStringList, messages);
  TempAppFolder folder;
  WriteFamily(folder);
  Session session = folder.OpenSession(kFamily);
  ScriptedPrompter prompter;
  KeywordSearchDialog dialog(session, prompter, {});
  QCOMPARE(dialog.objectName(), QStringLiteral("Keyword"));
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Keyword Search"));
  dialog.show();
  auto* results = Child<QListWidget>(dialog, "results");
  results->addItem(QStringLiteral("left from an earlier search"));

  RunSearch(dialog, text, exact);

  QCOMPARE(ListedNames(*results), names);
  auto* progress = Child<QProgressBar>(dialog, "progress");
  QCOMPARE(progress->isVisible(), progress_shown);
  QCOMPARE(progress->value(), progress->maximum());
  QCOMPARE(prompter.messages, messages);
}

void KeywordSearchWindowTest::ClickOnResultShowsThatPerson() {
  TempAppFolder folder;
  WriteFamily(folder);
  Session session = folder.OpenSession(kFamily);
  ScriptedPrompter prompter;
  QStringList shown;
  KeywordSearchDialog dialog(session, prompter,
                             [&shown](const QString& name) { shown.append(name); });
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  RunSearch(dialog, QStringLiteral("boston"), false);
  auto* results = Child<QListWidget>(dialog, "results");
  QCOMPARE(results->count(), 2);

  const QRect second = results->visualItemRect(results->item(1));
  QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, second.center());

  QCOMPARE(shown, QStringList{QStringLiteral("Beth Miller")});
}

void KeywordSearchWindowTest::OpeningRebuildsTheFileList() {
  TempAppFolder folder;
  WriteFamily(folder);
  Session session = folder.OpenSession(kFamily);
  folder.WriteFamily(kFamily, {Person(QStringLiteral("Dana Ray"), QStringLiteral("0004"),
                                      QStringLiteral("Dover"))});
  ScriptedPrompter prompter;
  KeywordSearchDialog dialog(session, prompter, {});

  RunSearch(dialog, QStringLiteral("dover"), false);

  QCOMPARE(ListedNames(*Child<QListWidget>(dialog, "results")),
           (QStringList{"Cora Hill", "Dana Ray"}));
}

void KeywordSearchWindowTest::ReturnCloses() {
  TempAppFolder folder;
  WriteFamily(folder);
  Session session = folder.OpenSession(kFamily);
  ScriptedPrompter prompter;
  KeywordSearchDialog dialog(session, prompter, {});
  dialog.show();

  QTest::mouseClick(Child<QPushButton>(dialog, "returnButton"), Qt::LeftButton);

  QVERIFY(!dialog.isVisible());
  QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

}  // namespace

QTEST_MAIN(KeywordSearchWindowTest)
#include "test_search_ui_keyword.moc"
