// Driving windows in tests: answering modal dialogs from inside their own event loop, and
// reading lists back. Header-only, for tests linked with Qt Widgets.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace kinvale::testing {

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

// The texts of a list's entries, in order.
inline QStringList ListItems(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items.append(list->item(i)->text());
  return items;
}

}  // namespace kinvale::testing
