#include "relations/ui/relation_check_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/fitted_picture.h"
#include "common/ui/plain_dialog.h"
#include "relations/family_links.h"
#include "relations/relation_finder.h"
#include "relations/relation_graph.h"
#include "relations/relation_primitives.h"
#include "relations/relation_texts.h"
#include "relations/relationships.h"
#include "relations/ui/person_box.h"
#include "relations/ui/relation_window_texts.h"
#include "relations/ui/relationships_view.h"
#include "session/session.h"
#include "store/shared_texts.h"

namespace kinvale {

namespace {

constexpr QSize kLeastPhotoSize(180, 220);

}  // namespace

RelationCheckDialog::RelationCheckDialog(Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), session_(session), prompter_(prompter) {
  setWindowTitle(kRelationSearchTitle);
  setObjectName(QStringLiteral("RelationCheck"));
  BuildFamilyFileList(session_, prompter_);
  graph_ = std::make_unique<RelationGraph>(session_.index);
  links_ = std::make_unique<FamilyLinks>(session_.index);
  const QStringList names = RelationPersonNames(session_.index, session_.family_files);

  first_ = MakePersonBox(QStringLiteral("firstPerson"), names, this);
  second_ = MakePersonBox(QStringLiteral("secondPerson"), names, this);
  first_->setCurrentIndex(names.isEmpty() ? -1 : 0);
  second_->setCurrentIndex(names.size() < 2 ? -1 : 1);

  for (auto [place, name] : {std::pair{&first_photo_, QStringLiteral("first")},
                             std::pair{&second_photo_, QStringLiteral("second")}}) {
    place->picture = new FittedPicture(kLeastPhotoSize, this);
    place->picture->setObjectName(name + QStringLiteral("Photo"));
    place->no_picture = new QLabel(kNoPictureCaption, this);
    place->no_picture->setObjectName(name + QStringLiteral("NoPicture"));
    MakeGrowing(*place->no_picture, kLeastPhotoSize);
  }
  first_photo_.picture->hide();
  second_photo_.picture->hide();

  answer_ = new QPlainTextEdit(this);
  answer_->setObjectName(QStringLiteral("answer"));
  answer_->setReadOnly(true);
  answer_->setFixedHeight(answer_->fontMetrics().lineSpacing() * 3 + 12);
  relationships_ = new RelationshipsView(this);
  connect(relationships_, &RelationshipsView::personClicked, this,
          &RelationCheckDialog::personChosen);

  auto* find = new QPushButton(kFindRelationCaption, this);
  find->setObjectName(QStringLiteral("findRelation"));
  find->setDefault(true);
  auto* close = new QPushButton(kReturnCaption, this);
  close->setObjectName(QStringLiteral("return"));
  connect(find, &QPushButton::clicked, this, &RelationCheckDialog::FindRelation);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* people = new QGridLayout;
  people->addWidget(MakeCaption(kFirstPersonCaption, first_, this), 0, 0);
  people->addWidget(MakeCaption(kSecondPersonCaption, second_, this), 0, 1);
  people->addWidget(first_, 1, 0);
  people->addWidget(second_, 1, 1);
  for (const auto& [column, place] : {std::pair{0, first_photo_}, std::pair{1, second_photo_}}) {
    people->addWidget(place.picture, 2, column);
    people->addWidget(place.no_picture, 2, column);
  }
  people->setRowStretch(2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(find);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(people, 1);
  layout->addWidget(MakeCaption(kRelationCaption, answer_, this));
  layout->addWidget(answer_);
  layout->addWidget(relationships_, 1);
  layout->addLayout(buttons);
  FinishDialog(this);
}

RelationCheckDialog::~RelationCheckDialog() = default;

void RelationCheckDialog::FindRelation() {
  const QString first = first_->currentText();
  const QString second = second_->currentText();
  answer_->setPlainText(kinvale::FindRelation(session_, *graph_, prompter_, first, second));
  const int first_row = RowOfName(session_.index, first);
  const int second_row = RowOfName(session_.index, second);
  relationships_->Show(session_.index, first_row < 0 || second_row < 0
                                           ? std::vector<Relationship>()
                                           : AllRelationships(*links_, links_->NumberOf(first_row),
                                                              links_->NumberOf(second_row)));
  ShowPhoto(first_photo_, first);
  ShowPhoto(second_photo_, second);
}

void RelationCheckDialog::ShowPhoto(const PhotoPlace& place, const QString& name) {
  const QString path = PhotoToShow(session_, name);
  const QImage photo = path.isEmpty() ? QImage() : QImage(path);
  place.picture->SetPicture(photo);
  place.picture->setVisible(!photo.isNull());
  place.picture->setToolTip(path);
  place.no_picture->setVisible(photo.isNull());
}

}  // namespace kinvale
