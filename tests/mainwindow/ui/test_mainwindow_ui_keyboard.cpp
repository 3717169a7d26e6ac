// Every window of the program walked with the keyboard alone, from the main window on the demo
// family: each menu item opened by its access keys, each of the main window's buttons pressed
// with Space and each of its lists given Enter after Tab reached it; in every window that opens,
// each button is reached by Tab or has a key of its own, no two controls share an access key, the
// frame is a plain dialog's wide enough for its title, and Escape closes it. The windows are found
// as they open, so new ones are walked too.
#include <QtTest>
#include <QtWidgets>

#include "common/ui/plain_dialog.h"
#include "common/ui/widget_prompter.h"
#include "mainwindow/user_manual.h"
#include "support/demo_window.h"
#include "support/test_main.h"
#include "support/test_table.h"
#include "support/url_recorder.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

// Whether Tab types into the widget, so that Ctrl+Tab leaves it.
bool TakesTab(const QWidget* widget) {
  if (const auto* text = qobject_cast<const QPlainTextEdit*>(widget))
    return !text->isReadOnly() && !text->tabChangesFocus();
  if (const auto* text = qobject_cast<const QTextEdit*>(widget))
    return !text->isReadOnly() && !text->tabChangesFocus();
  return false;
}

// The widgets Tab (Ctrl+Tab out of a text box) reaches from the window's focus, once round, in
// the order reached.
QList<QWidget*> TabReach(QWidget* window) {
  QList<QWidget*> reached;
  if (window->focusWidget()) reached.append(window->focusWidget());
  for (int step = 0; step < 400; ++step) {
    QWidget* from = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(from, Qt::Key_Tab, TakesTab(from) ? Qt::ControlModifier : Qt::NoModifier);
    // A text that Tab walks the links of is left with Ctrl+Tab too.
    if (window->focusWidget() == from) QTest::keyClick(from, Qt::Key_Tab, Qt::ControlModifier);
    QWidget* now = window->focusWidget();
    if (!now || now == from || reached.contains(now)) break;  // alone, stuck, or round once
    reached.append(now);
  }
  return reached;
}

// The parts of a standard control that it works by keys of its own (a line edit's clear button,
// a tab bar's scroll arrows).
bool PartOfControl(const QWidget* button) {
  for (const QObject* up = button->parent(); up && up != button->window(); up = up->parent()) {
    if (qobject_cast<const QLineEdit*>(up) || qobject_cast<const QAbstractSpinBox*>(up) ||
        qobject_cast<const QTabBar*>(up))
      return true;
  }
  return false;
}

bool HasOwnKey(const QAbstractButton* button) {
  if (!button->shortcut().isEmpty()) return true;
  const auto* tool = qobject_cast<const QToolButton*>(button);
  return tool && tool->defaultAction() && !tool->defaultAction()->shortcut().isEmpty();
}

// What keeps a window from being used by the keyboard alone; empty when nothing does.
QStringList KeyboardProblems(QWidget* window) {
  QStringList problems;
  const QString name = window->windowTitle();
  const QList<QWidget*> reached = TabReach(window);
  QMultiHash<QChar, QString> keys;
  const auto note_key = [&keys](const QString& text) {
    if (const QChar key = AccessKeyOf(text); !key.isNull()) keys.insert(key, text);
  };
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    if (!button->isVisible() || !button->isEnabled() || PartOfControl(button)) continue;
    if (!reached.contains(button) && !HasOwnKey(button))
      problems << name + ": no key reaches " + button->objectName() + " " + button->text();
    note_key(button->text());
  }
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    if (label->isVisible() && label->buddy()) note_key(label->text());
  }
  // A frame's key moves the focus into it, so it must not be taken by a control or a menu.
  for (const QGroupBox* frame : window->findChildren<QGroupBox*>()) {
    if (frame->isVisible()) note_key(frame->title());
  }
  if (const auto* main = qobject_cast<QMainWindow*>(window)) {
    for (const QAction* menu : main->menuBar()->actions()) note_key(menu->text());
  }
  for (const QChar key : keys.uniqueKeys()) {
    if (keys.count(key) > 1)
      problems << name + ": Alt+" + key + " is shared by " + keys.values(key).join(", ");
  }
  if (qobject_cast<QDialog*>(window) &&
      window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint))
    problems << name + ": minimise or maximise in the frame";
  QFont title_font = window->font();
  title_font.setBold(true);
  if (window->width() <= QFontMetrics(title_font).horizontalAdvance(name))
    problems << name + ": too narrow for its title";
  return problems;
}

// While armed, walks and closes with Escape every modal window that opens, windows opened over
// windows too, and keeps what it found.
class ModalWalker : public QObject {
 public:
  QStringList titles;
  QStringList problems;

  void Arm() {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, &ModalWalker::Visit, Qt::UniqueConnection);
    timer_.start();
  }
  void Disarm() { timer_.stop(); }

 private:
  // A window asked while another is walked (a question on closing it) is walked from inside.
  void Visit() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || visiting_.contains(modal)) return;
    visiting_.append(modal);
    titles << modal->windowTitle();
    // Qt's own file dialog is walked by Qt's tests; only its Escape is ours to rely on.
    if (!qobject_cast<QFileDialog*>(modal)) problems << KeyboardProblems(modal);
    QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key_Escape);
    if (modal->isVisible()) {
      problems << modal->windowTitle() + ": Escape does not close it";
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(QDialog::Rejected);
    }
    visiting_.removeAll(modal);
  }

  QTimer timer_;
  QList<QWidget*> visiting_;
};

}  // namespace

class KeyboardWalkTest : public QObject {
  Q_OBJECT

 private slots:
  // The prompter's boxes: the icon of their kind, Cancel the default of a destructive question,
  // the keys that answer, and a width that keeps a long title whole.
  void MessageBoxes_data() {
    // what is asked, the icon, the default button, the key pressed, the answer
    Columns<QString, int, QString, QKeySequence, bool>();
    Row("information", "information", int(QMessageBox::Information), "OK",
        QKeySequence(Qt::Key_Return), true);
    Row("warning", "warning", int(QMessageBox::Warning), "OK", QKeySequence(Qt::Key_Escape), true);
    Row("error", "error", int(QMessageBox::Critical), "OK", QKeySequence(Qt::Key_Return), true);
    Row("question: Enter is OK", "harmless", int(QMessageBox::Question), "OK",
        QKeySequence(Qt::Key_Return), true);
    Row("question: Escape is Cancel", "harmless", int(QMessageBox::Question), "OK",
        QKeySequence(Qt::Key_Escape), false);
    Row("destructive: Enter is Cancel", "destructive", int(QMessageBox::Question), "Cancel",
        QKeySequence(Qt::Key_Return), false);
    Row("destructive: Alt+O is OK", "destructive", int(QMessageBox::Question), "Cancel",
        QKeySequence(Qt::ALT | Qt::Key_O), true);
  }
  void MessageBoxes() {
    const auto [asked, icon, default_button, key, answer] =
        Fetch<QString, int, QString, QKeySequence, bool>();
    const QString title = "Family File Start, a title longer than the text under it";
    QStringList problems;
    WhenModalShown([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QCOMPARE(int(box->icon()), icon);
      QCOMPARE(box->defaultButton()->text().remove('&'), default_button);
      QVERIFY(box->width() > box->fontMetrics().horizontalAdvance(title));
      QVERIFY(
          !(box->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
      for (const QAbstractButton* button : box->buttons())
        if (AccessKeyOf(button->text()).isNull()) problems << button->text() + " has no access key";
      QTest::keySequence(box->focusWidget(), key);
    });
    WidgetPrompter prompter(nullptr);
    bool said_ok = true;
    if (asked == "information") prompter.Message("x", title, MessageKind::kInformation);
    if (asked == "warning") prompter.Message("x", title, MessageKind::kWarning);
    if (asked == "error") prompter.Message("x", title, MessageKind::kError);
    if (asked == "harmless") said_ok = prompter.Confirm("x", title, Risk::kHarmless);
    if (asked == "destructive") said_ok = prompter.Confirm("x", title, Risk::kDestructive);
    QCOMPARE(said_ok, answer);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
  }

  // A small window with a long title is widened to show it whole, whatever its layout.
  void PlainDialogsKeepALongTitleWhole_data() {
    Columns<QString>();
    for (const char* layout : {"column", "grid", "row"}) Row(layout, layout);
  }
  void PlainDialogsKeepALongTitleWhole() {
    const auto [kind] = Fetch<QString>();
    QDialog dialog;
    QLayout* layout = nullptr;
    if (kind == "column") layout = new QVBoxLayout(&dialog);
    if (kind == "grid") layout = new QGridLayout(&dialog);
    if (kind == "row") layout = new QHBoxLayout(&dialog);
    layout->addWidget(new QLabel("x"));
    const QString title = "Family File Start, a title much longer than the window's one label";
    dialog.setWindowTitle(title);
    FinishDialog(&dialog);
    dialog.show();
    QFont bold = dialog.font();
    bold.setBold(true);
    QVERIFY(dialog.width() > QFontMetrics(bold).horizontalAdvance(title));
  }

  void EveryWindowByKeyboardAlone() {
    qputenv("BROWSER", "recorder");  // a browser to hand pages to; the handler stands in
    UrlRecorder browser;             // the manual opens in the desktop's browser, not here
    for (const char* scheme : {"file", "http", "https"})
      QDesktopServices::setUrlHandler(scheme, &browser, "Open");
    DemoWindow demo;
    demo.folder.WriteFile("app", kManualFileName, "an older manual");
    QMainWindow& main = demo.window;
    QApplication::setActiveWindow(&main);
    QVERIFY(QTest::qWaitForWindowActive(&main));
    ModalWalker walker;
    QStringList problems = KeyboardProblems(&main);
    for (QGroupBox* frame : main.findChildren<QGroupBox*>()) {
      const QChar key = AccessKeyOf(frame->title());
      if (!key.isNull()) QTest::keyClick(&main, key.toLatin1(), Qt::AltModifier);
      if (key.isNull() || !frame->isAncestorOf(QApplication::focusWidget()))
        problems << frame->title() + ": no key reaches its list";
    }

    // The buttons Tab reaches, each pressed with Space, and the lists, Enter on their first line;
    // whatever opens is walked and closed.
    for (QWidget* widget : TabReach(&main)) {
      if (!widget->isVisible() || !widget->isEnabled()) continue;
      auto* list = qobject_cast<QAbstractItemView*>(widget);
      if (!qobject_cast<QAbstractButton*>(widget) && !(list && list->model()->rowCount() > 0))
        continue;
      widget->setFocus(Qt::TabFocusReason);
      if (list) QTest::keyClick(list, Qt::Key_Home);
      walker.Arm();
      QTest::keyClick(widget, list ? Qt::Key_Return : Qt::Key_Space);
      QTest::qWait(50);
      walker.Disarm();
    }

    // Every menu item by Alt and the menu's key, then the item's key.
    QMenuBar* bar = main.menuBar();
    for (QAction* menu_action : bar->actions()) {
      const QChar menu_key = AccessKeyOf(menu_action->text());
      if (menu_key.isNull()) problems << "menu " + menu_action->text() + " has no access key";
      QMenu* menu = menu_action->menu();
      if (!menu || menu_key.isNull()) continue;
      for (QAction* item : menu->actions()) {
        if (item->isSeparator() || !item->isVisible()) continue;
        const QChar key = AccessKeyOf(item->text());
        if (key.isNull()) {
          problems << "menu item " + item->text() + " has no access key";
          continue;
        }
        if (item->objectName() == "actionExit" || !item->isEnabled()) continue;
        QApplication::setActiveWindow(&main);  // as it is again once a window over it closes
        QTest::keyClick(&main, menu_key.toLatin1(), Qt::AltModifier);
        if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000)) {
          problems << "Alt+" + QString(menu_key) + " does not open " + menu_action->text();
          continue;
        }
        walker.Arm();
        QTest::keyClick(menu, key.toLatin1());
        QTest::qWait(50);
        walker.Disarm();
        if (menu->isVisible()) problems << item->text() + ": its key does not trigger it";
      }
    }
    // The shortcuts that open a window, and the manual's.
    for (const auto& [key, title] :
         {std::pair{Qt::Key_O, "Load Family Tree"}, std::pair{Qt::Key_T, "Family Chart"}}) {
      QApplication::setActiveWindow(&main);
      walker.Arm();
      QTest::keyClick(&main, key, Qt::ControlModifier);
      QTest::qWait(50);
      walker.Disarm();
      if (walker.titles.last() != title) problems << QString(title) + ": its shortcut fails";
    }
    QApplication::setActiveWindow(&main);
    QTest::keyClick(&main, Qt::Key_F1);
    for (const char* scheme : {"file", "http", "https"}) QDesktopServices::unsetUrlHandler(scheme);
    qunsetenv("BROWSER");
    problems << walker.problems;
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    // The windows every family offers were among those walked.
    for (const char* title :
         {"Load Family Tree", "Change Photo", "Import Photo", "Import From GEDCOM", "Enter Name",
          "Update Personal Information", "Relation Search", "Keyword Search", "Descendants",
          "Relatives", "Kinvale"}) {
      QVERIFY2(walker.titles.contains(title), qPrintable(walker.titles.join(", ")));
    }
    // The manual, by its menu item and by F1, is the built-in one written over an older copy.
    const QString manual = QDir(demo.folder.path()).filePath("app/" + kManualFileName);
    QCOMPARE(browser.urls.count(QUrl::fromLocalFile(manual)), 2);
    QFile built_in(QStringLiteral(":/docs/manual.html"));
    QVERIFY(built_in.open(QIODevice::ReadOnly));
    QCOMPARE(demo.folder.ReadFile("app", kManualFileName), built_in.readAll());
  }
};

KINVALE_TEST(KeyboardWalkTest)
#include "test_mainwindow_ui_keyboard.moc"
