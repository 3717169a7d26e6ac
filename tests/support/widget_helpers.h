// Finding and clicking the controls of a window under test, and answering modal dialogs from
// inside their own event loop (tests linked with Qt Widgets).
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <functional>

namespace kinvale::testing {

// The child with that object name; the test stops when there is none.
template <typename Widget = QWidget>
Widget* Child(const QWidget& parent, const QString& name) {
  auto* child = parent.findChild<Widget*>(name);
  if (!child) qFatal("no child %s", qPrintable(name));
  return child;
}

inline QStringList Entries(const QListWidget& list) {
  QStringList entries;
  for (int i = 0; i < list.count(); ++i) entries.append(list.item(i)->text());
  return entries;
}

// Clicks the entry of the list as the user does.
inline void ClickEntry(QListWidget& list, const QString& entry) {
  const int row = static_cast<int>(Entries(list).indexOf(entry));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                    list.visualItemRect(list.item(row)).center());
}

inline void Click(const QWidget& parent, const QString& name) {
  QTest::mouseClick(Child(parent, name), Qt::LeftButton);
}

// Runs act on the first modal dialog that is not `except` (the dialog already open, when the
// one to answer opens over it). Gives up after five seconds with a warning.
inline void WhenModalShown(std::function<void(QWidget*)> act, QWidget* except = nullptr) {
  auto* timer = new QTimer;
  auto* clock = new QElapsedTimer;
  clock->start();
  QObject::connect(timer, &QTimer::timeout, [timer, clock, act, except] {
    QWidget* modal = QApplication::activeModalWidget();
    const bool found = modal && modal != except && modal->isVisible();
    if (!found && clock->elapsed() < 5000) return;
    timer->stop();
    timer->deleteLater();
    delete clock;
    if (found) {
      act(modal);
    } else {
      qWarning("No modal dialog was shown.");
    }
  });
  timer->start(10);
}

}  // namespace kinvale::testing
