// Finding and clicking the controls of a window under test (tests linked with Qt Widgets).
#pragma once

#include <QListWidget>
#include <QTest>

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

}  // namespace kinvale::testing
