#include "common/ui/plain_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTabBar>
#include <QTextEdit>
#include <algorithm>
#include <functional>
#include <vector>

namespace kinvale {

namespace {

// A text that shows an access key, and how to give it a new one.
struct Keyed {
  QString text;
  std::function<void(const QString&)> set_text;
};

// The text with an access key on its first free letter, word starts first; unchanged when every
// letter is taken.
QString WithFreeKey(const QString& text, QSet<QChar>& taken) {
  std::vector<qsizetype> places;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].isLetterOrNumber() && (i == 0 || !text[i - 1].isLetterOrNumber()))
      places.push_back(i);
  }
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].isLetterOrNumber() && std::find(places.begin(), places.end(), i) == places.end())
      places.push_back(i);
  }
  for (qsizetype i : places) {
    const QChar key = text[i].toLower();
    if (taken.contains(key)) continue;
    taken.insert(key);
    return text.left(i) + u'&' + text.mid(i);
  }
  return text;
}

// Keys set by hand are kept and taken first; the others get the free letters in order.
void AssignKeys(const std::vector<Keyed>& keyed) {
  QSet<QChar> taken;
  for (const Keyed& item : keyed) {
    if (const QChar key = AccessKeyOf(item.text); !key.isNull()) taken.insert(key);
  }
  for (const Keyed& item : keyed) {
    if (!AccessKeyOf(item.text).isNull()) continue;
    const QString keyed_text = WithFreeKey(item.text, taken);
    if (keyed_text != item.text) item.set_text(keyed_text);
  }
}

// Wide enough for the title in the frame's font, with room for the frame's own buttons; the
// window manager's font is not known, so a bold one a size larger stands in for it.
int TitleWidth(const QString& title) {
  QFont font = QApplication::font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.2);
  constexpr int kFrameButtons = 120;
  return QFontMetrics(font).horizontalAdvance(title) + kFrameButtons;
}

// A dialog's layout decides its least width; a strut, or an empty row, as wide as the title
// widens that.
void KeepTitleWhole(QDialog* dialog) {
  const int width = TitleWidth(dialog->windowTitle());
  QLayout* layout = dialog->layout();
  if (auto* column = qobject_cast<QBoxLayout*>(layout);
      column && column->direction() == QBoxLayout::TopToBottom) {
    column->addStrut(width);
  } else if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  } else {
    dialog->setMinimumWidth(std::max(dialog->minimumWidth(), width));
  }
}

}  // namespace

QChar AccessKeyOf(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] != u'&') return text[i + 1].toLower();
    ++i;  // "&&" shows one "&"
  }
  return {};
}

void AssignAccessKeys(QWidget* window) {
  std::vector<Keyed> keyed;
  // Push buttons first: they act, so they get the best letters.
  std::vector<QAbstractButton*> buttons;
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    if (!button->isHidden() && !button->text().isEmpty()) buttons.push_back(button);
  }
  std::stable_partition(buttons.begin(), buttons.end(), [](const QAbstractButton* button) {
    return qobject_cast<const QPushButton*>(button) != nullptr;
  });
  for (QAbstractButton* button : buttons) {
    keyed.push_back({button->text(), [button](const QString& text) { button->setText(text); }});
  }
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (!label->buddy() || label->textFormat() == Qt::RichText) continue;
    keyed.push_back({label->text(), [label](const QString& text) { label->setText(text); }});
  }
  for (QTabBar* tabs : window->findChildren<QTabBar*>()) {
    for (int i = 0; i < tabs->count(); ++i) {
      keyed.push_back(
          {tabs->tabText(i), [tabs, i](const QString& text) { tabs->setTabText(i, text); }});
    }
  }
  AssignKeys(keyed);
}

void FinishDialog(QDialog* dialog) {
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint);
  KeepTitleWhole(dialog);
  AssignAccessKeys(dialog);
  // Tab leaves a text box of several lines as it leaves every other field; a box that kept it
  // would hold the keyboard there.
  for (QPlainTextEdit* text : dialog->findChildren<QPlainTextEdit*>())
    text->setTabChangesFocus(true);
  for (QTextEdit* text : dialog->findChildren<QTextEdit*>()) text->setTabChangesFocus(true);
}

}  // namespace kinvale
