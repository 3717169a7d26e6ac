#include "common/ui/line_entry_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/plain_dialog.h"
#include "store/shared_texts.h"

namespace kinvale {

LineEntryDialog::LineEntryDialog(const QString& prompt, QWidget* parent) : QDialog(parent) {
  setWindowTitle(kLineEntryTitle);
  setObjectName(QStringLiteral("lineEntryDialog"));
  auto* label = new QLabel(prompt, this);
  label->setObjectName(QStringLiteral("prompt"));
  label->setWordWrap(true);
  text_ = new QLineEdit(this);
  text_->setObjectName(QStringLiteral("answer"));
  text_->setMinimumWidth(320);
  // The one field has the focus, so the prompt takes no access key: it may name a person, whose
  // name is shown as it is.
  text_->setAccessibleName(prompt);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* apply = buttons->addButton(kApplyCaption, QDialogButtonBox::AcceptRole);
  apply->setObjectName(QStringLiteral("applyButton"));
  apply->setDefault(true);
  QPushButton* cancel = buttons->addButton(kCancelCaption, QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("cancelButton"));
  connect(apply, &QPushButton::clicked, this, &LineEntryDialog::Apply);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(text_);
  layout->addSpacing(6);
  layout->addWidget(buttons);
  FinishDialog(this);
  setFixedHeight(sizeHint().height());
  text_->setFocus();
}

void LineEntryDialog::Apply() {
  answer_ = text_->text();
  accept();
}

QString LineEntryDialog::Ask(QWidget* parent, const QString& prompt, const QString& text) {
  LineEntryDialog dialog(prompt, parent);
  dialog.text_->setText(text);
  dialog.text_->selectAll();
  dialog.exec();
  return dialog.answer();
}

}  // namespace kinvale
