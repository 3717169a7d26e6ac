#include "relations/ui/relationships_view.h"

#include <QLabel>
#include <QVBoxLayout>

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
}

}  // namespace kinvale
