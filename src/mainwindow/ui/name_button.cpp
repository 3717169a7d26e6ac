#include "mainwindow/ui/name_button.h"

#include <QEvent>
#include <QStyle>
#include <QStyleOptionButton>

namespace kinvale {

namespace {

// The letters a name button keeps room for, at the font's average width.
constexpr int kShortestName = 12;

}  // namespace

NameButton::NameButton(const QString& tip, QWidget* parent) : QPushButton(parent), tip_(tip) {
  setToolTip(tip_);
}

void NameButton::SetName(const QString& name) {
  name_ = name;
  ShowName();
}

QSize NameButton::minimumSizeHint() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  const QFontMetrics metrics = fontMetrics();
  const QSize text(metrics.averageCharWidth() * kShortestName, metrics.height());
  return style()->sizeFromContents(QStyle::CT_PushButton, &option, text, this);
}

void NameButton::resizeEvent(QResizeEvent* event) {
  QPushButton::resizeEvent(event);
  ShowName();
}

void NameButton::changeEvent(QEvent* event) {
  QPushButton::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) ShowName();
}

void NameButton::ShowName() {
  QStyleOptionButton option;
  initStyleOption(&option);
  const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  // Half a letter of air either side, so the name never touches the bevel.
  const int room = contents.width() - fontMetrics().averageCharWidth();
  const QString shown = fontMetrics().elidedText(name_, Qt::ElideMiddle, room);
  QPushButton::setText(QString(shown).replace(u'&', QStringLiteral("&&")));
  setToolTip(shown == name_ ? tip_ : name_ + u'\n' + tip_);
}

}  // namespace kinvale
