#include "details/ui/update_person_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/ui/plain_dialog.h"
#include "details/details_texts.h"
#include "session/main_view.h"
#include "session/session.h"
#include "store/shared_texts.h"

namespace kinvale {

namespace {

// DetailFields() lists the fields in tab order; these are the counts of each tab's fields.

// A text block holds its lines each followed by CR LF; the text box shows them without the
// final break.
QString BlockForEditing(QString block) {
  block.replace(kLineBreak, QStringLiteral("\n"));
  if (block.endsWith(u'\n')) block.chop(1);
  return block;
}

QString BlockFromEditing(QString text) {
  if (text.isEmpty()) return text;
  if (!text.endsWith(u'\n')) text += u'\n';
  return text.replace(u'\n', kLineBreak);
}

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

// Shows the entries with the selection; the items are only rebuilt when the entries differ,
// as the name list can hold a whole family.
void ShowList(QListWidget& list, const QStringList& entries, int selected) {
  const QSignalBlocker blocker(list);
  bool same = list.count() == entries.size();
  for (int i = 0; same && i < list.count(); ++i) same = list.item(i)->text() == entries[i];
  if (!same) {
    list.clear();
    list.addItems(entries);
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
  layout->addWidget(BuildTabs(), 1);
  resize(820, 560);
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
  auto* new_member = new QLabel(kNewMemberCaption, panel);
  new_member->setBuddy(name_box_);
  auto* hint = new QLabel(kNameHint, panel);
  hint->setObjectName(QStringLiteral("nameHint"));
  name_list_ = new QListWidget(panel);
  name_list_->setObjectName(QStringLiteral("nameList"));
  auto* select_member = new QLabel(kSelectMemberCaption, panel);
  select_member->setBuddy(name_list_);
  layout->addWidget(new_member);
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

QTabWidget* UpdatePersonDialog::BuildTabs() {
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("tabs"));
  controls_.reserve(DetailFields().size());  // the list buttons keep pointers into it
  for (const DetailTab& tab : DetailTabs()) {
    auto* page = new QWidget(tabs);
    auto* form = new QFormLayout(page);
    for (int i = tab.first; i < tab.first + tab.count; ++i) {
      const FieldInfo& field = DetailFields()[i];
      QWidget* control = BuildField(field, page);
      ShowsCaption(field) ? form->addRow(field.caption, control) : form->addRow(control);
    }
    if (tab.first == 0) {
      date_label_ = new QLabel(page);
      date_label_->setObjectName(QStringLiteral("dateLastChanged"));
      form->addRow(date_label_);
    }
    tabs->addTab(page, tab.title);
  }
  return tabs;
}

QWidget* UpdatePersonDialog::BuildField(const FieldInfo& field, QWidget* parent) {
  FieldControl& control = controls_.emplace_back(FieldControl{&field});
  QWidget* widget = nullptr;
  if (field.kind == FieldKind::kList) return BuildList(control, parent);
  if (field.kind == FieldKind::kBlock) {
    widget = control.block = new QPlainTextEdit(parent);
  } else if (field.text == &PersonDetails::gender) {
    control.choice = new QComboBox(parent);
    control.choice->setEditable(true);
    control.choice->addItems(kGenderChoices);
    widget = control.choice;
  } else {
    widget = control.line = new QLineEdit(parent);
  }
  widget->setObjectName(field.caption);
  return widget;
}

QWidget* UpdatePersonDialog::BuildList(FieldControl& control, QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* layout = new QHBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  const QString& caption = control.field->caption;
  control.list = new QListWidget(box);
  control.list->setObjectName(caption);
  control.list_kind = ListOfField(*control.field);
  auto* buttons = new QVBoxLayout();
  QPushButton* add = Button(kAddEntryCaption, caption + QStringLiteral(" +"), box);
  QPushButton* remove = Button(kRemoveEntryCaption, caption + QStringLiteral(" -"), box);
  buttons->addWidget(add);
  buttons->addWidget(remove);
  buttons->addStretch();
  layout->addWidget(control.list, 1);
  layout->addLayout(buttons);
  const DetailList list = control.list_kind;
  connect(add, &QPushButton::clicked, this,
          [this, list] { Run([&] { editor_.AddListEntry(list); }); });
  connect(remove, &QPushButton::clicked, this,
          [this, list] { Run([&] { editor_.RemoveListEntry(list); }); });
  return box;
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
  for (const FieldControl& control : controls_) {
    const FieldInfo& field = *control.field;
    if (control.list) {
      fields.Selected(control.list_kind) = SelectedRow(*control.list);
    } else if (control.block) {
      fields.details.*field.text = BlockFromEditing(control.block->toPlainText());
    } else if (control.choice) {
      fields.details.*field.text = control.choice->currentText();
    } else {
      fields.details.*field.text = control.line->text();
    }
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
  ShowList(*name_list_, labels, fields.names.selected);
  date_label_->setText(fields.date_label);
  for (const FieldControl& control : controls_) {
    const FieldInfo& field = *control.field;
    if (control.list) {
      ShowList(*control.list, fields.details.*field.list, fields.Selected(control.list_kind));
    } else if (control.block) {
      control.block->setPlainText(BlockForEditing(fields.details.*field.text));
    } else if (control.choice) {
      control.choice->setEditText(fields.details.*field.text);
    } else {
      control.line->setText(fields.details.*field.text);
    }
  }
  if (saved) {
    TakeEdits(/*with_selection=*/true);
    editor_.MarkSaved();
  }
}

}  // namespace kinvale
