#include "mainwindow/ui/person_info_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/person_details_form.h"
#include "common/ui/plain_dialog.h"
#include "mainwindow/person_info.h"
#include "mainwindow/window_texts.h"
#include "session/session.h"
#include "store/person_lookup.h"

namespace kinvale {

PersonInfoDialog::PersonInfoDialog(const Session& session, int row, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("personInfoDialog"));
  // Namesakes are told apart by the number in the title.
  setWindowTitle(row >= 0 ? PersonLabel(session.index, row) : kPersonInfoTitle.ToString());
  const PersonInfo info = ShowPersonInfo(session, row);

  auto* form = new PersonDetailsForm(PersonDetailsForm::Mode::kReadOnly, this);
  form->setObjectName(QStringLiteral("tabs"));
  form->ShowDetails(info.details);
  form->ShowDateLastChanged(info.date_label);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* back = buttons->addButton(kReturnCaption, QDialogButtonBox::AcceptRole);
  back->setObjectName(QStringLiteral("returnButton"));
  back->setDefault(true);
  connect(back, &QPushButton::clicked, this, &QDialog::accept);
  if (row >= 0) {
    QPushButton* go_to = buttons->addButton(kGoToCaption, QDialogButtonBox::ActionRole);
    go_to->setObjectName(QStringLiteral("goToButton"));
    connect(go_to, &QPushButton::clicked, this, [this] { done(kGoToResult); });
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(form);
  layout->addWidget(buttons);
  resize(560, 540);
  FinishDialog(this);
}

}  // namespace kinvale
