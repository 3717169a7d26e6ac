#include "relations/ui/relation_path_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>

#include "relations/relation_texts.h"
#include "relations/relationships.h"
#include "store/family_index.h"
#include "store/person_number.h"

namespace kinvale {

namespace {

constexpr QSize kBoxSize(184, 40);
constexpr int kColumnGap = 22;
constexpr int kRowGap = 20;
constexpr int kMargin = 6;

// The year of a date as records write it ("4 FEB 1822", "ABT 1850"); the text when it has none.
QString YearOf(const QString& date) {
  static const QRegularExpression kYear(QStringLiteral("\\d{3,4}"));
  QString year = date.trimmed();
  for (auto match = kYear.globalMatch(date); match.hasNext();) year = match.next().captured();
  return year;
}

QString DetailsOf(const FamilyIndex& index, int number) {
  const int row = index.RowOfNumber(number);
  QString details = FormatPersonNumber(number);
  if (row < 0) return details;
  const IndexRow& person = index.row(row);
  if (!person.birth_date.trimmed().isEmpty() || !person.death_date.trimmed().isEmpty()) {
    details +=
        QStringLiteral("  %1\u2013%2").arg(YearOf(person.birth_date), YearOf(person.death_date));
  }
  return details;
}

// How many generations above the first person each person of the path stands.
std::vector<int> Levels(const Relationship& relationship) {
  std::vector<int> levels{0};
  for (const PathStep step : relationship.steps) {
    const int change = step == PathStep::kChildOf ? 1 : step == PathStep::kSpouseOf ? 0 : -1;
    levels.push_back(levels.back() + change);
  }
  return levels;
}

}  // namespace

RelationPathView::RelationPathView(const FamilyIndex& index, const Relationship& relationship,
                                   QWidget* parent)
    : QWidget(parent) {
  setObjectName(QStringLiteral("relationPath"));
  setCursor(Qt::PointingHandCursor);
  const std::vector<int> levels = Levels(relationship);
  const int top = *std::max_element(levels.begin(), levels.end());
  // Boxes in path order, each joined to the one before; the other half of the couple the lines
  // meet at stands beside the first, and the way down then leaves from the couple.
  auto add_box = [&](int number, int level, const QString& joint_label) {
    const int column = static_cast<int>(boxes_.size());
    const QPoint at(kMargin + column * (kBoxSize.width() + kColumnGap),
                    kMargin + (top - level) * (kBoxSize.height() + kRowGap));
    boxes_.push_back({number, index.NameOfNumber(FormatPersonNumber(number)),
                      DetailsOf(index, number), QRect(at, kBoxSize), joint_label});
  };
  bool after_couple = false;
  for (std::size_t i = 0; i < relationship.people.size(); ++i) {
    const int number = relationship.people[i];
    const QString step = i == 0 ? QString() : PathStepText(relationship.steps[i - 1]);
    add_box(number, levels[i], after_couple ? kParentsOfStep : step);
    after_couple = false;
    if (relationship.ancestors.size() > 1 && number == relationship.ancestors.front()) {
      for (std::size_t a = 1; a < relationship.ancestors.size(); ++a) {
        add_box(relationship.ancestors[a], levels[i], QString());
      }
      after_couple = true;
    }
  }
  QRect bounds;
  for (const Box& box : boxes_) bounds = bounds.united(box.rect);
  size_ = bounds.size() + QSize(2 * kMargin, 2 * kMargin);
  setMinimumSize(size_);
}

QSize RelationPathView::sizeHint() const { return size_; }

QRect RelationPathView::BoxOf(int number) const {
  for (const Box& box : boxes_) {
    if (box.number == number) return box.rect;
  }
  return {};
}

void RelationPathView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QFontMetrics metrics(font());
  for (std::size_t i = 1; i < boxes_.size(); ++i) {
    const QRect& from = boxes_[i - 1].rect;
    const QRect& to = boxes_[i].rect;
    const QPoint start(from.right(), from.center().y());
    const QPoint end(to.left(), to.center().y());
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(start, end);
    const QString& label = boxes_[i].joint_label;
    if (label.isEmpty()) continue;  // the two halves of a couple
    const QPoint middle = (start + end) / 2;
    const QRect text_rect(middle.x() - metrics.horizontalAdvance(label) / 2 - 2,
                          middle.y() - metrics.height() / 2, metrics.horizontalAdvance(label) + 4,
                          metrics.height());
    painter.fillRect(text_rect, palette().color(QPalette::Window));
    painter.drawText(text_rect, Qt::AlignCenter, label);
  }
  for (const Box& box : boxes_) {
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRoundedRect(box.rect, 4, 4);
    painter.setPen(palette().color(QPalette::Text));
    const QRect inner = box.rect.adjusted(6, 3, -6, -3);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop,
                     QFontMetrics(bold).elidedText(box.name, Qt::ElideRight, inner.width()));
    painter.setFont(font());
    painter.drawText(inner, Qt::AlignLeft | Qt::AlignBottom,
                     metrics.elidedText(box.details, Qt::ElideRight, inner.width()));
  }
}

void RelationPathView::mousePressEvent(QMouseEvent* event) {
  for (const Box& box : boxes_) {
    if (box.rect.contains(event->position().toPoint())) {
      emit personClicked(box.number);
      return;
    }
  }
  QWidget::mousePressEvent(event);
}

}  // namespace kinvale
