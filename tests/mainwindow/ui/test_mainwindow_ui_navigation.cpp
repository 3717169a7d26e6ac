// Moving through the demo family by keyboard alone: Ctrl+Return on a relative, Enter and the
// information view's "Go to", Back and Forward, and the "Find person" box; no record changes.
#include <QtTest>
#include <QtWidgets>

#include "support/demo_window.h"
#include "support/test_main.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

// Presses key where the focus is: on line of the named list when one is named. The window is
// made active again first, as it is once a dialog over it has closed.
void Press(QWidget& window, QKeyCombination key, const QString& list_name = {}, int line = 0) {
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  if (!list_name.isEmpty()) {
    auto* list = Child<QListWidget>(window, list_name);
    list->setFocus();
    list->setCurrentRow(line);
  }
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus ? focus : &window, key.key(), key.keyboardModifiers());
}

}  // namespace

class NavigationTest : public QObject {
  Q_OBJECT

 private slots:
  void WalkByKeyboardSavesNothing() {
    DemoWindow demo;
    MainWindow& window = demo.window;
    const QString family = window.session().FamilyPath();
    const QMap<QString, QByteArray> before = FolderBytes(family);
    const auto shows = [&window](const QString& person, bool back, bool forward) {
      return window.session().view.person_of_interest == person &&
             window.findChild<QAction*>("actionBack")->isEnabled() == back &&
             window.findChild<QAction*>("actionForward")->isEnabled() == forward;
    };

    QVERIFY(shows("Thomas Whitfield", false, false));
    Press(window, Qt::CTRL | Qt::Key_Return, "fatherList", 0);
    QVERIFY(shows("William Whitfield", true, false));
    Press(window, Qt::ALT | Qt::Key_Left);
    QVERIFY(shows("Thomas Whitfield", false, true));
    Press(window, Qt::ALT | Qt::Key_Right);
    QVERIFY(shows("William Whitfield", true, false));
    Press(window, Qt::ALT | Qt::Key_Left);
    WhenModalShown([](QWidget* info) { Click(*info, "goToButton"); });
    Press(window, QKeyCombination(Qt::Key_Return), "childrenList", 1);
    QVERIFY(shows("Susan Whitfield Grant", true, false));  // William, ahead, is forgotten
    Press(window, Qt::ALT | Qt::Key_Left);
    Press(window, Qt::ALT | Qt::Key_Left);
    QVERIFY(shows("Thomas Whitfield", false, true));
    Press(window, Qt::CTRL | Qt::Key_F);
    QTest::keyClicks(QApplication::focusWidget(), "william whitfield");
    Press(window, QKeyCombination(Qt::Key_Return));
    QVERIFY(shows("William Whitfield", true, false));

    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(FolderBytes(family) == before);
  }
};

KINVALE_TEST(NavigationTest)
#include "test_mainwindow_ui_navigation.moc"
