#include "relations/ui/relationships_view.h"

#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "relations/relationships.h"
#include "relations/ui/relation_path_view.h"

namespace kinvale {

RelationshipsView::RelationshipsView(QWidget* parent) : QScrollArea(parent) {
  setObjectName(QStringLiteral("relationships"));
  setWidgetResizable(true);
  setMinimumHeight(180);
  setWidget(new QWidget);
}

void RelationshipsView::Show(const FamilyIndex& index,
                             const std::vector<Relationship>& relationships) {
  auto* content = new QWidget;
  auto* layout = new QVBoxLayout(content);
  for (const Relationship& relationship : relationships) {
    auto* sentence = new QLabel(relationship.sentence, content);
    sentence->setObjectName(QStringLiteral("relationshipSentence"));
    sentence->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* path = new RelationPathView(index, relationship, content);
    connect(path, &RelationPathView::personClicked, this, &RelationshipsView::personClicked);
    layout->addWidget(sentence);
    layout->addWidget(path);
  }
  layout->addStretch();
  setWidget(content);  // deletes the one shown before
  GrowWindowToFit();
}

void RelationshipsView::GrowWindowToFit() {
  QWidget* window = this->window();
  if (!window->isVisible()) return;
  const QRect screen = window->screen()->availableGeometry();
  const QSize most = screen.size() - (window->frameGeometry().size() - window->size());
  const QSize missing = (widget()->sizeHint() - viewport()->size()).expandedTo(QSize(0, 0));
  QSize grown = (window->size() + missing).boundedTo(most);
  // Paths still taller than the screen leave a scroll bar beside them, which takes width too.
  if (grown.height() < window->height() + missing.height())
    grown.rwidth() =
        std::min(grown.width() + verticalScrollBar()->sizeHint().width(), most.width());
  if (grown == window->size()) return;
  window->resize(grown);
  // Kept on the screen: a window near its edge moves back by what it grew past it.
  const QRect frame = window->frameGeometry();
  const int right = std::max(0, frame.right() - screen.right());
  const int bottom = std::max(0, frame.bottom() - screen.bottom());
  if (right > 0 || bottom > 0)
    window->move(std::max(screen.left(), window->x() - right),
                 std::max(screen.top(), window->y() - bottom));
}

}  // namespace kinvale
