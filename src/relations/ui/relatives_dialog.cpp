#include "relations/ui/relatives_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/ui/plain_dialog.h"
#include "relations/family_links.h"
#include "relations/relation_finder.h"
#include "relations/relation_primitives.h"
#include "relations/relation_texts.h"
#include "relations/relationships.h"
#include "relations/relatives.h"
#include "relations/ui/person_box.h"
#include "relations/ui/relation_window_texts.h"
#include "relations/ui/relationships_view.h"
#include "session/session.h"
#include "store/family_index.h"
#include "store/person_number.h"
#include "store/prompter.h"
#include "store/shared_texts.h"

namespace kinvale {

namespace {

constexpr int kNumberRole = Qt::UserRole;
constexpr int kDefaultDegree = 3;

}  // namespace

RelativesDialog::RelativesDialog(Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), session_(session), prompter_(prompter) {
  setWindowTitle(kRelativesTitle);
  setObjectName(QStringLiteral("Relatives"));
  links_ = std::make_unique<FamilyLinks>(session_.index);

  person_ = MakePersonOfInterestBox(session_, prompter_, this);
  max_degree_ = new QSpinBox(this);
  max_degree_->setObjectName(QStringLiteral("maxDegree"));
  max_degree_->setRange(0, kRelativesDegreeLimit);
  max_degree_->setValue(kDefaultDegree);
  auto* degree_label = new QLabel(kUpToCousinsCaption, this);
  degree_label->setBuddy(max_degree_);

  relatives_ = new QTreeWidget(this);
  relatives_->setObjectName(QStringLiteral("relatives"));
  relatives_->setHeaderLabels(kRelativesColumns);
  relatives_->setUniformRowHeights(true);
  relatives_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  path_ = new RelationshipsView(this);

  auto* search = MakeButton(QStringLiteral("search"), kSearchCaption, this);
  auto* close = MakeButton(QStringLiteral("return"), kReturnCaption, this);
  connect(search, &QPushButton::clicked, this, &RelativesDialog::Search);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(relatives_, &QTreeWidget::currentItemChanged, this,
          [this](const QTreeWidgetItem* item) { ShowPath(item); });
  // A double click, or Enter, on a relative.
  connect(relatives_, &QTreeWidget::itemActivated, this, [this](const QTreeWidgetItem* item) {
    if (const int number = item->data(0, kNumberRole).toInt()) emit personChosen(number);
  });
  connect(person_->lineEdit(), &QLineEdit::returnPressed, this, &RelativesDialog::Search);
  connect(path_, &RelationshipsView::personClicked, this, &RelativesDialog::personChosen);

  auto* top = new QHBoxLayout;
  top->addWidget(MakeCaption(kPersonCaption, person_, this));
  top->addWidget(person_, 1);
  top->addWidget(degree_label);
  top->addWidget(max_degree_);
  top->addWidget(search);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(MakeCaption(kRelativesCaption, relatives_, this));
  layout->addWidget(relatives_, 2);
  layout->addWidget(path_, 1);
  layout->addLayout(buttons);
  resize(760, 640);
  FinishDialog(this);
}

RelativesDialog::~RelativesDialog() = default;

void RelativesDialog::Search() {
  relatives_->clear();
  listed_.clear();
  path_->Show(session_.index, {});
  const QString name = person_->currentText();
  const int row = RowOfName(session_.index, name);
  if (row < 0) {
    prompter_.Message(NobodyNamedInFamily(name), kRelativesTitle, MessageKind::kWarning);
    return;
  }
  searched_person_ = links_->NumberOf(row);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  for (const RelativeGroup& group : RelativesOf(*links_, searched_person_, max_degree_->value())) {
    auto* heading = new QTreeWidgetItem(relatives_, {group.title});
    heading->setFirstColumnSpanned(true);
    for (const Relative& relative : group.relatives) {
      const QString number = FormatPersonNumber(relative.person);
      auto* line = new QTreeWidgetItem(
          heading, {session_.index.NameOfNumber(number), number, relative.words});
      line->setData(0, kNumberRole, relative.person);
      listed_.insert(relative.person, relative.kinship);
    }
  }
  relatives_->expandAll();
  QApplication::restoreOverrideCursor();
}

// The nearest relationship to the relative, the one whose words the list shows.
void RelativesDialog::ShowPath(const QTreeWidgetItem* item) {
  const int relative = item ? item->data(0, kNumberRole).toInt() : 0;
  std::vector<Relationship> shown;
  const auto listed = listed_.constFind(relative);
  if (listed != listed_.cend()) {
    for (Relationship& relationship : AllRelationships(*links_, searched_person_, relative)) {
      if (!(relationship.kinship < *listed) && !(*listed < relationship.kinship)) {
        shown.push_back(std::move(relationship));
        break;
      }
    }
  }
  path_->Show(session_.index, shown);
}

}  // namespace kinvale
