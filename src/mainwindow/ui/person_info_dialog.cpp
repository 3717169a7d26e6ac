#include "mainwindow/ui/person_info_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/ui/plain_dialog.h"
#include "mainwindow/person_info.h"
#include "mainwindow/window_texts.h"
#include "session/session.h"
#include "store/person_lookup.h"
#include "store/record_fields.h"
#include "store/text_codec.h"

namespace kinvale {

namespace {

QLineEdit* LineBox(const QString& text) {
  auto* box = new QLineEdit(text);
  box->setReadOnly(true);
  box->setCursorPosition(0);
  return box;
}

QPlainTextEdit* TextBox(const QString& block) {
  auto* box = new QPlainTextEdit(SplitLines(block).join(u'\n'));
  box->setReadOnly(true);
  box->setMinimumHeight(64);
  return box;
}

QListWidget* ListBox(const QStringList& entries) {
  auto* box = new QListWidget;
  box->addItems(entries);
  box->setSelectionMode(QAbstractItemView::SingleSelection);
  box->clearSelection();
  box->setMinimumHeight(64);
  return box;
}

// The widget that shows one field, read-only: the home page is one line in this window.
QWidget* FieldBox(const PersonInfo& info, const FieldInfo& field) {
  if (field.kind == FieldKind::kList) return ListBox(info.details.*field.list);
  const QString& text = info.details.*field.text;
  if (field.text == &PersonDetails::homepage) return LineBox(OneLineText(text));
  return field.kind == FieldKind::kBlock ? static_cast<QWidget*>(TextBox(text)) : LineBox(text);
}

}  // namespace

PersonInfoDialog::PersonInfoDialog(const Session& session, int row, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("personInfoDialog"));
  setWindowTitle(kPersonInfoTitle);
  const PersonInfo info = ShowPersonInfo(session, row);
  setWindowTitle(row >= 0 ? PersonLabel(session.index, row) : info.title);

  auto* tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("tabs"));
  for (const DetailTab& tab : DetailTabs()) tabs->addTab(BuildTab(info, tab), tab.title);

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
  layout->addWidget(tabs);
  layout->addWidget(buttons);
  resize(560, 520);
  FinishDialog(this);
}

QWidget* PersonInfoDialog::BuildTab(const PersonInfo& info, const DetailTab& tab) {
  auto* page = new QWidget;
  auto* form = new QFormLayout(page);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignTop);
  for (int i = tab.first; i < tab.first + tab.count; ++i) {
    AddField(form, info, DetailFields()[i]);
  }
  return page;
}

void PersonInfoDialog::AddField(QFormLayout* form, const PersonInfo& info, const FieldInfo& field) {
  QWidget* box = FieldBox(info, field);
  box->setObjectName(field.caption);
  if (field.text == &PersonDetails::gender) {
    // The date last changed stands where a caption would be, and the gender box, which has no
    // caption, sits under it.
    auto* date = new QLabel(info.date_label);
    date->setObjectName(QStringLiteral("dateLastChanged"));
    date->setToolTip(kDateLastChangedCaption);
    form->addRow(QString(), date);
    box->setToolTip(field.caption);
    form->addRow(QString(), box);
  } else if (field.text == &PersonDetails::sources) {
    form->addRow(box);  // the tab's title is its caption
  } else {
    form->addRow(field.caption, box);
  }
}

}  // namespace kinvale
