// PersonHistory walked as a browser's Back and Forward: where each step lands, the forward part
// dropped by a new person, the bound, and people who are gone passed over.
#include <QtTest>

#include "mainwindow/person_history.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

class PersonHistoryTest : public QObject {
  Q_OBJECT

 private slots:
  // steps: a number visits that person, "<" is Back, ">" Forward, "xN" removes person N from
  // the family. landed: what each Back and Forward gave (0: it could not move).
  void Walk_data() {
    Columns<int, QString, QString, bool, bool>();
    Row("empty", 200, "< >", "0 0", false, false);
    Row("back and forward", 200, "1 2 3 < < > >", "2 1 2 3", true, false);
    Row("new person drops the forward part", 200, "1 2 3 < < 4 > <", "2 1 0 1", false, true);
    Row("the current person again is no visit", 200, "1 2 < 1 >", "1 2", true, false);
    Row("oldest dropped at the bound", 3, "1 2 3 4 < < <", "3 2 0", false, true);
    Row("removed person passed going back", 200, "1 2 3 x2 <", "1", false, true);
    Row("removed person passed going forward", 200, "1 2 3 < < x2 >", "2 1 3", true, false);
    Row("nobody left behind", 200, "1 2 x1 <", "0", false, false);
  }
  void Walk() {
    const auto [capacity, steps, landed, can_back, can_forward] =
        Fetch<int, QString, QString, bool, bool>();
    PersonHistory history(capacity);
    QSet<int> gone;
    const PersonHistory::Exists exists = [&gone](int number) { return !gone.contains(number); };
    QStringList results;
    for (const QString& step : steps.split(u' ')) {
      if (step == "<" || step == ">") {
        results << QString::number(step == "<" ? history.Back(exists) : history.Forward(exists));
      } else if (step.startsWith(u'x')) {
        gone.insert(step.mid(1).toInt());
      } else {
        history.Visit(step.toInt());
      }
    }
    QCOMPARE(results.join(u' '), landed);
    QCOMPARE(history.CanGoBack(exists), can_back);
    QCOMPARE(history.CanGoForward(exists), can_forward);
  }
};

KINVALE_TEST(PersonHistoryTest)
#include "test_mainwindow_history.moc"
