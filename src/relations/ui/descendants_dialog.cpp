#include "relations/ui/descendants_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "common/ui/file_choice.h"
#include "common/ui/plain_dialog.h"
#include "relations/descendants.h"
#include "relations/genders.h"
#include "relations/relation_finder.h"
#include "relations/relation_graph.h"
#include "relations/relation_texts.h"
#include "relations/ui/descendants_model.h"
#include "relations/ui/person_box.h"
#include "relations/ui/relation_window_texts.h"
#include "session/session.h"
#include "store/person_lookup.h"
#include "store/prompter.h"
#include "store/shared_texts.h"

namespace kinvale {

DescendantsDialog::DescendantsDialog(Session& session, Prompter& prompter, FileChooser& files,
                                     QWidget* parent)
    : QDialog(parent), session_(session), prompter_(prompter), files_(files) {
  setWindowTitle(kDescendantsTitle);
  setObjectName(QStringLiteral("Descendants"));
  graph_ = std::make_unique<RelationGraph>(session_.index);

  person_ = MakePersonOfInterestBox(session_, prompter_, this);
  descendants_ = new DescendantsModel(this);
  list_ = new QTreeView(this);
  list_->setObjectName(QStringLiteral("descendants"));
  list_->setModel(descendants_);
  list_->setHeaderHidden(true);
  list_->setUniformRowHeights(true);  // lists can be long: a person is listed per line of descent
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  answer_ = new QPlainTextEdit(this);
  answer_->setObjectName(QStringLiteral("answer"));
  answer_->setReadOnly(true);
  answer_->setFixedHeight(answer_->fontMetrics().lineSpacing() * 3 + 12);
  include_relations_ = new QCheckBox(kIncludeRelationsCaption, this);
  include_relations_->setObjectName(QStringLiteral("includeRelations"));

  auto* search = MakeButton(QStringLiteral("search"), kSearchCaption, this);
  auto* save = MakeButton(QStringLiteral("save"), kSaveCaption, this);
  auto* go_to = MakeButton(QStringLiteral("goTo"), kGoToCaption, this);
  auto* close = MakeButton(QStringLiteral("return"), kReturnCaption, this);
  connect(search, &QPushButton::clicked, this, &DescendantsDialog::Search);
  connect(save, &QPushButton::clicked, this, &DescendantsDialog::Save);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(go_to, &QPushButton::clicked, this, [this] {
    go_to_row_ = descendants_->PersonRow(list_->currentIndex());
    if (go_to_row_ >= 0) accept();
  });
  connect(person_->lineEdit(), &QLineEdit::returnPressed, this, &DescendantsDialog::Search);
  // The answer follows the current line, however it moves.
  connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &DescendantsDialog::ShowRelation);

  auto* top = new QHBoxLayout;
  top->addWidget(MakeCaption(kPersonCaption, person_, this));
  top->addWidget(person_, 1);
  top->addWidget(search);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(include_relations_);
  buttons->addStretch();
  buttons->addWidget(go_to);
  buttons->addWidget(save);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(MakeCaption(kDescendantsCaption, list_, this));
  layout->addWidget(list_, 1);
  layout->addWidget(MakeCaption(kRelationCaption, answer_, this));
  layout->addWidget(answer_);
  layout->addLayout(buttons);
  resize(520, 560);
  FinishDialog(this);
}

DescendantsDialog::~DescendantsDialog() = default;

QString DescendantsDialog::ListedPerson() const {
  return searched_ ? searched_person_ : person_->currentText();
}

void DescendantsDialog::Search() {
  searched_person_ = person_->currentText();
  searched_ = true;
  answer_->clear();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  DescendantsList list = FindDescendants(session_.index, searched_person_);
  const QString problem = list.problem;
  descendants_->SetList(std::move(list));
  list_->expandAll();
  QApplication::restoreOverrideCursor();
  if (!problem.isEmpty()) prompter_.Message(problem, kDescendantsTitle, MessageKind::kWarning);
}

void DescendantsDialog::ShowRelation(const QModelIndex& item) {
  if (descendants_->PersonRow(item) < 0) return answer_->clear();
  RecordGenders genders(session_);
  answer_->setPlainText(
      AncestryRelation(*graph_, genders.AsLookup(), item.data().toString(), ListedPerson()));
}

void DescendantsDialog::Save() {
  const QString person = ListedPerson();
  const QString path =
      ChooseFileToSave(files_, this, session_.app_folder, FileKind::kText, kSaveAsTitle,
                       DescendantsFileName(person, QDate::currentDate()));
  if (path.isEmpty()) return;
  if (QFileInfo::exists(path) &&
      !prompter_.Confirm(kReplaceFileQuestion.arg(QDir::toNativeSeparators(path)), kSaveCaption,
                         Risk::kDestructive)) {
    return;
  }
  const QStringList names = descendants_->names();
  QStringList relations;
  if (include_relations_->isChecked()) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    RecordGenders genders(session_);
    relations = DescendantRelations(*graph_, genders.AsLookup(), person, names);
    QApplication::restoreOverrideCursor();
  }
  QString error;
  const bool saved = SaveDescendantsFile(path, person, names, relations, &error);
  prompter_.Message(saved ? kFileSaved : kProblemSaving + u'\n' + error, kSaveStatusTitle,
                    saved ? MessageKind::kInformation : MessageKind::kError);
}

}  // namespace kinvale
