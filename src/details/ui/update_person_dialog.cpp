#include "details/ui/update_person_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "common/ui/person_details_form.h"
#include "common/ui/plain_dialog.h"
#include "details/details_texts.h"
#include "session/main_view.h"
#include "session/session.h"
#include "store/person_lookup.h"
#include "store/shared_texts.h"

namespace kinvale {

namespace {

DetailList ListOfField(const FieldInfo& field) {
  for (int i = 0; i < kDetailListCount; ++i) {
    const auto list = static_cast<DetailList>(i);
    if (ListInfo(list).entries == field.list) return list;
  }
  return DetailList::kOccupation;  // every list field is one of the six
}

QPushButton* Button(const QString& caption, const QString& object_name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(object_name);
  button->setAutoDefault(false);
  return button;
}

// A list's selected row; -1 when nothing is selected.
int SelectedRow(const QListWidget& list) {
  const QListWidgetItem* item = list.currentItem();
  return item && item->isSelected() ? list.row(item) : -1;
}

// Shows the names with the selection; the items are only rebuilt when the names differ, as the
// list holds the whole family.
void ShowNames(QListWidget& list, const QStringList& names, int selected) {
  const QSignalBlocker blocker(list);
  bool same = list.count() == names.size();
  for (int i = 0; same && i < list.count(); ++i) same = list.item(i)->text() == names[i];
  if (!same) {
    list.clear();
    list.addItems(names);
  }
  if (selected >= 0 && selected < list.count()) {
    list.setCurrentRow(selected);
  } else {
    list.setCurrentRow(-1);
    list.clearSelection();
  }
}

}  // namespace

UpdatePersonDialog::UpdatePersonDialog(Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), editor_(session, prompter) {
  setObjectName(QStringLiteral("Update_Person"));
  setWindowTitle(kUpdatePersonTitle);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildLeftPanel());
  BuildForm();
  layout->addWidget(form_, 1);
  resize(860, 580);
  editor_.Open();
  ShowFields();
  FinishDialog(this);
}

QWidget* UpdatePersonDialog::BuildLeftPanel() {
  auto* panel = new QWidget(this);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  name_box_ = new QLineEdit(panel);
  name_box_->setObjectName(QStringLiteral("nameBox"));
  name_caption_ = new QLabel(kNewMemberCaption, panel);
  name_caption_->setObjectName(QStringLiteral("nameCaption"));
  // No buddy: the caption carries a person's name, which must not take an access key.
  // Two lines whatever it says, so that the list under it never moves while it is clicked.
  name_caption_->setWordWrap(true);
  name_caption_->setFixedHeight(2 * name_caption_->fontMetrics().lineSpacing());
  auto* hint = new QLabel(kNameHint, panel);
  hint->setObjectName(QStringLiteral("nameHint"));
  name_list_ = new QListWidget(panel);
  name_list_->setObjectName(QStringLiteral("nameList"));
  auto* select_member = new QLabel(kSelectMemberCaption, panel);
  select_member->setBuddy(name_list_);
  layout->addWidget(name_caption_);
  layout->addWidget(name_box_);
  layout->addWidget(hint);
  layout->addWidget(select_member);
  layout->addWidget(name_list_, 1);

  QPushButton* apply = Button(kApplyCaption, QStringLiteral("applyButton"), panel);
  QPushButton* finish = Button(kReturnCaption, QStringLiteral("returnButton"), panel);
  QPushButton* rename = Button(kChangeNameCaption, QStringLiteral("changeNameButton"), panel);
  QPushButton* new_entry = Button(kNewEntryCaption, QStringLiteral("newEntryButton"), panel);
  QPushButton* cancel = Button(kCancelCaption, QStringLiteral("cancelButton"), panel);
  for (QPushButton* button : {apply, finish, rename, new_entry, cancel}) layout->addWidget(button);

  // The current line is the person shown, however it moves: mouse, arrows, Home/End, typing.
  connect(name_list_, &QListWidget::currentRowChanged, this, &UpdatePersonDialog::ShowPerson);
  // Typing a name changes nothing but the caption, which tells whether it is someone new.
  connect(name_box_, &QLineEdit::textEdited, this, [this](const QString& text) {
    editor_.fields().name_box = text;
    ShowSubject();
  });
  connect(apply, &QPushButton::clicked, this, [this] { Run([this] { editor_.Apply(); }); });
  connect(finish, &QPushButton::clicked, this, [this] {
    bool close = false;
    Run([&] { close = editor_.Return(); });
    if (close) accept();
  });
  connect(rename, &QPushButton::clicked, this, [this] { Run([this] { editor_.ChangeName(); }); });
  connect(new_entry, &QPushButton::clicked, this, [this] {
    TakeEdits(/*with_selection=*/true);
    if (!editor_.ConfirmLeave()) return ShowFields();
    editor_.NewEntry();
    ShowFields();
    name_box_->setFocus();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  return panel;
}

void UpdatePersonDialog::BuildForm() {
  form_ = new PersonDetailsForm(PersonDetailsForm::Mode::kEdit, this);
  form_->setObjectName(QStringLiteral("tabs"));
  connect(form_, &PersonDetailsForm::addEntryClicked, this, [this](const FieldInfo* list) {
    Run([&] { editor_.AddListEntry(ListOfField(*list)); });
  });
  connect(form_, &PersonDetailsForm::removeEntryClicked, this, [this](const FieldInfo* list) {
    Run([&] { editor_.RemoveListEntry(ListOfField(*list)); });
  });
}

void UpdatePersonDialog::Run(const std::function<void()>& operation) {
  TakeEdits(/*with_selection=*/true);
  operation();
  ShowFields();
}

void UpdatePersonDialog::ShowPerson(int line) {
  // The fields still belong to the person selected before: typed changes are asked about first.
  TakeEdits(/*with_selection=*/false);
  if (editor_.ConfirmLeave()) {
    editor_.fields().names.selected = line;
    editor_.LoadPerson();
  }
  ShowFields();
}

void UpdatePersonDialog::reject() {
  TakeEdits(/*with_selection=*/true);
  if (editor_.ConfirmLeave()) return QDialog::reject();
  ShowFields();
}

void UpdatePersonDialog::TakeEdits(bool with_selection) {
  EditorFields& fields = editor_.fields();
  fields.name_box = name_box_->text();
  if (with_selection) fields.names.selected = SelectedRow(*name_list_);
  PersonDetails typed = form_->TypedDetails();
  typed.photo_path = fields.details.photo_path;  // not a field of the form
  fields.details = typed;
  for (const FieldInfo& field : DetailFields()) {
    if (field.kind == FieldKind::kList)
      fields.Selected(ListOfField(field)) = form_->SelectedEntry(field);
  }
}

void UpdatePersonDialog::ShowFields() {
  // Fields that hold the record as loaded or saved stay so in the form the controls give them
  // back (line ends, blanks), so that only what the user types counts as a change.
  const bool saved = !editor_.HasUnsavedChanges();
  EditorFields& fields = editor_.fields();
  name_box_->setText(fields.name_box);
  QStringList labels;
  for (size_t i = 0; i < fields.names.numbers.size(); ++i) {
    labels.append(LineLabel(editor_.session().index, fields.names, i));
  }
  ShowNames(*name_list_, labels, fields.names.selected);
  form_->ShowDateLastChanged(fields.date_label);
  form_->ShowDetails(fields.details);
  for (const FieldInfo& field : DetailFields()) {
    if (field.kind == FieldKind::kList)
      form_->SelectEntry(field, fields.Selected(ListOfField(field)));
  }
  if (saved) {
    TakeEdits(/*with_selection=*/true);
    editor_.MarkSaved();
  }
  ShowSubject();
}

void UpdatePersonDialog::ShowSubject() {
  const int subject = editor_.SubjectLine();
  name_caption_->setText(subject < 0 ? QString(kNewMemberCaption)
                                     : kEditingMemberCaption.arg(PersonLabel(
                                           editor_.session().index, editor_.SubjectRow())));
  name_caption_->setToolTip(name_caption_->text());
  name_box_->setAccessibleName(name_caption_->text());
  // A bold line lays the list out again, which must not happen in the middle of a click on it.
  QTimer::singleShot(0, this, &UpdatePersonDialog::ShowBoldLine);
}

void UpdatePersonDialog::ShowBoldLine() {
  auto set_bold = [this](int line, bool bold) {
    QListWidgetItem* item = name_list_->item(line);
    if (!item || item->font().bold() == bold) return;
    QFont font = item->font();
    font.setBold(bold);
    item->setFont(font);
  };
  // A family can be long: only the line shown before is redone.
  set_bold(bold_line_, false);
  bold_line_ = editor_.SubjectLine();
  set_bold(bold_line_, true);
  if (QListWidgetItem* item = name_list_->item(bold_line_)) name_list_->scrollToItem(item);
}

}  // namespace kinvale
