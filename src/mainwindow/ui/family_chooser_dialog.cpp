#include "mainwindow/ui/family_chooser_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "common/ui/plain_dialog.h"
#include "mainwindow/window_texts.h"
#include "store/families.h"

namespace kinvale {

FamilyChooserDialog::FamilyChooserDialog(const QString& app_folder, Prompter& prompter,
                                         QWidget* parent)
    : QDialog(parent), app_folder_(app_folder), prompter_(prompter) {
  setObjectName(QStringLiteral("familyChooser"));
  setWindowTitle(kFamilyChooserTitle);

  families_ = new QListWidget(this);
  families_->setObjectName(QStringLiteral("familyList"));
  families_->setMinimumSize(240, 200);
  new_family_ = new QLineEdit(kNewFamilyInitialText, this);
  new_family_->setObjectName(QStringLiteral("newFamily"));

  open_ = new QPushButton(kOpenCaption, this);
  open_->setObjectName(QStringLiteral("openButton"));
  create_ = new QPushButton(kCreateCaption, this);
  create_->setObjectName(QStringLiteral("createButton"));
  auto* cancel = new QPushButton(kCancelButtonCaption, this);
  cancel->setObjectName(QStringLiteral("cancelButton"));
  open_->setDefault(true);

  connect(open_, &QPushButton::clicked, this, &FamilyChooserDialog::Open);
  connect(create_, &QPushButton::clicked, this, &FamilyChooserDialog::Create);
  connect(cancel, &QPushButton::clicked, this, &FamilyChooserDialog::Cancel);
  connect(families_, &QListWidget::itemDoubleClicked, this, &FamilyChooserDialog::Open);
  // Enter opens the selected family, or creates the one being typed.
  connect(families_, &QListWidget::currentRowChanged, this, [this] { open_->setDefault(true); });
  connect(new_family_, &QLineEdit::textEdited, this, [this] { create_->setDefault(true); });
  // The initial text is an invitation: the first keystroke replaces it.
  QTimer::singleShot(0, new_family_, [this] {
    if (new_family_->text() == kNewFamilyInitialText) new_family_->selectAll();
  });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(open_);
  buttons->addWidget(create_);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(families_);
  layout->addWidget(new_family_);
  layout->addLayout(buttons);

  FillList(QString());
  families_->setFocus();
  FinishDialog(this);
}

FamilyChoice FamilyChooserDialog::Choose(QWidget* parent, const QString& app_folder,
                                         Prompter& prompter) {
  FamilyChooserDialog dialog(app_folder, prompter, parent);
  dialog.exec();
  return dialog.choice();
}

void FamilyChooserDialog::FillList(const QString& select) {
  families_->clear();
  families_->addItems(ListFamilies(app_folder_));
  const QList<QListWidgetItem*> match = families_->findItems(select, Qt::MatchExactly);
  if (!select.isEmpty() && !match.isEmpty()) families_->setCurrentItem(match.first());
}

void FamilyChooserDialog::Open() {
  QListWidgetItem* item = families_->currentItem();
  if (!item || !item->isSelected()) return;
  choice_ = {ChooserOutcome::kOpened, item->text()};
  accept();
}

void FamilyChooserDialog::Cancel() {
  choice_ = {ChooserOutcome::kCancelled, QString()};
  reject();
}

void FamilyChooserDialog::Create() {
  const QString name = new_family_->text();
  if (!CreateFamilyFromChooser(app_folder_, name, prompter_)) return;
  FillList(name);
  open_->setDefault(true);
  families_->setFocus();
}

void FamilyChooserDialog::keyPressEvent(QKeyEvent* event) {
  // Escape is the keyboard's Cancel; only the frame's close button keeps the choice open.
  if (event->key() == Qt::Key_Escape) {
    Cancel();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace kinvale
