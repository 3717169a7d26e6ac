// Moving through the demo family by keyboard alone: Ctrl+Return on a relative, Enter and the
// information view's "Go to", Back and Forward, and the "Find person" box; no record changes.
#include <QtTest>
#include <QtWidgets>
#include <map>

#include "support/demo_window.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

std::map<QString, QByteArray> FolderBytes(const QString& folder) {
  std::map<QString, QByteArray> bytes;
  for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
    QFile content(file.filePath());
    if (content.open(QIODevice::ReadOnly)) bytes[file.fileName()] = content.readAll();
  }
  return bytes;
}

// Focuses line row of a relative list and presses key there.
void KeyOnLine(MainWindow& window, const QString& list_name, int row, QKeyCombination key) {
  auto* list = Child<QListWidget>(window, list_name);
  list->setFocus();
  list->setCurrentRow(row);
  QTest::keyClick(list, key.key(), key.keyboardModifiers());
}

// Presses key where the focus is, or on the window when nothing has it; the window is active
// again once a dialog over it has closed.
void KeyOnWindow(QWidget& window, QKeyCombination key) {
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus ? focus : &window, key.key(), key.keyboardModifiers());
}

}  // namespace

class NavigationTest : public QObject {
  Q_OBJECT

 private slots:
  void WalkByKeyboardSavesNothing() {
    DemoWindow demo;
    QVERIFY(QTest::qWaitForWindowActive(&demo.window));
    const QString family = demo.window.session().FamilyPath();
    const std::map<QString, QByteArray> before = FolderBytes(family);
    const auto* back = demo.window.findChild<QAction*>("actionBack");
    const auto* forward = demo.window.findChild<QAction*>("actionForward");

    struct Step {
      const char* what;
      std::function<void()> act;
      QString person_of_interest;
      bool can_back, can_forward;
    };
    const Step walk[] = {
        {"start", [] {}, "Thomas Whitfield", false, false},
        {"Ctrl+Return on the father",
         [&] { KeyOnLine(demo.window, "fatherList", 0, Qt::CTRL | Qt::Key_Return); },
         "William Whitfield", true, false},
        {"Alt+Left", [&] { KeyOnWindow(demo.window, Qt::ALT | Qt::Key_Left); }, "Thomas Whitfield",
         false, true},
        {"Alt+Right", [&] { KeyOnWindow(demo.window, Qt::ALT | Qt::Key_Right); },
         "William Whitfield", true, false},
        {"Alt+Left again", [&] { KeyOnWindow(demo.window, Qt::ALT | Qt::Key_Left); },
         "Thomas Whitfield", false, true},
        {"Enter on a child, then Go to in the information view",
         [&] {
           WhenModalShown([](QWidget* info) { Click(*info, "goToButton"); });
           KeyOnLine(demo.window, "childrenList", 1, QKeyCombination(Qt::Key_Return));
         },
         "Susan Whitfield Grant", true, false},
        {"Alt+Left past the start stays",
         [&] {
           KeyOnWindow(demo.window, Qt::ALT | Qt::Key_Left);
           KeyOnWindow(demo.window, Qt::ALT | Qt::Key_Left);
         },
         "Thomas Whitfield", false, true},
        {"Ctrl+F, a name and Enter",
         [&] {
           KeyOnWindow(demo.window, Qt::CTRL | Qt::Key_F);
           QTest::keyClicks(QApplication::focusWidget(), "william whitfield");
           KeyOnWindow(demo.window, QKeyCombination(Qt::Key_Return));
         },
         "William Whitfield", true, false},
    };
    for (const Step& step : walk) {
      step.act();
      QCOMPARE(demo.window.session().view.person_of_interest, step.person_of_interest);
      QVERIFY2(back->isEnabled() == step.can_back, step.what);
      QVERIFY2(forward->isEnabled() == step.can_forward, step.what);
      QVERIFY2(!QApplication::activeModalWidget(), step.what);
    }
    QVERIFY(FolderBytes(family) == before);
  }
};

QTEST_MAIN(NavigationTest)
#include "test_mainwindow_ui_navigation.moc"
