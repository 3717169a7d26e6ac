// Finding and clicking the controls of a window under test (for tests linked with Qt Widgets).
#pragma once

#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace kinvale::testing {

// The child with that object name; the test stops when there is none.
template <typename Widget>
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

// Clicks the row of the list as the user does.
inline void ClickRow(QListWidget& list, int row) {
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                    list.visualItemRect(list.item(row)).center());
}

}  // namespace kinvale::testing
