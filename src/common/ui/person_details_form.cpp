#include "common/ui/person_details_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/person_form_texts.h"
#include "store/text_codec.h"

namespace kinvale {

namespace {

// A text block holds its lines each followed by CR LF; a text box shows them without the final
// break, and gives them back in the record's form.
QString BlockForShowing(QString block) {
  block.replace(kLineBreak, QStringLiteral("\n"));
  if (block.endsWith(u'\n')) block.chop(1);
  return block;
}

QString BlockFromEditing(QString text) {
  if (text.isEmpty()) return text;
  if (!text.endsWith(u'\n')) text += u'\n';
  return text.replace(u'\n', kLineBreak);
}

// In read-only mode the home page address is one line: its lines joined by blanks.
bool ShownOnOneLine(const FieldInfo& field, PersonDetailsForm::Mode mode) {
  return field.kind == FieldKind::kLine ||
         (mode == PersonDetailsForm::Mode::kReadOnly && field.text == &PersonDetails::homepage);
}

}  // namespace

void LookReadOnly(QWidget& widget) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  widget.setPalette(palette);
}

PersonDetailsForm::PersonDetailsForm(Mode mode, QWidget* parent) : QTabWidget(parent), mode_(mode) {
  std::vector<QFormLayout*> forms;
  for (const QString& title : DetailTabTitles()) {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignTop);
    forms.push_back(form);
    addTab(page, title);
  }
  controls_.reserve(DetailFields().size());
  for (const FieldInfo& field : DetailFields()) {
    QFormLayout* form = forms[field.tab];
    QWidget* box = BuildControl(controls_.emplace_back(Control{&field}), form->parentWidget());
    // A field alone on its tab is named by the tab's title.
    if (field.caption == DetailTabTitles()[field.tab]) {
      form->addRow(box);
    } else {
      form->addRow(field.caption, box);
    }
  }
  date_last_changed_ = new QLabel(widget(0));
  date_last_changed_->setObjectName(QStringLiteral("dateLastChanged"));
  date_last_changed_->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                              Qt::TextSelectableByKeyboard);
  forms.front()->addRow(kDateLastChangedCaption, date_last_changed_);
}

QWidget* PersonDetailsForm::BuildControl(Control& control, QWidget* page) {
  const FieldInfo& field = *control.field;
  const bool read_only = mode_ == Mode::kReadOnly;
  QWidget* widget = nullptr;
  if (field.kind == FieldKind::kList) {
    widget = control.list = new QListWidget(page);
    control.list->setMinimumHeight(64);
  } else if (field.text == &PersonDetails::gender && !read_only) {
    widget = control.choice = new QComboBox(page);
    control.choice->setEditable(true);
    control.choice->addItems(kGenderChoices);
  } else if (ShownOnOneLine(field, mode_)) {
    widget = control.line = new QLineEdit(page);
    control.line->setReadOnly(read_only);
  } else {
    widget = control.block = new QPlainTextEdit(page);
    control.block->setReadOnly(read_only);
    control.block->setMinimumHeight(64);
  }
  widget->setObjectName(field.caption);
  widget->setAccessibleName(field.caption);
  if (read_only) LookReadOnly(*widget);
  if (!control.list || read_only) return widget;
  return BuildListButtons(control, page);
}

QWidget* PersonDetailsForm::BuildListButtons(const Control& control, QWidget* page) {
  auto* box = new QWidget(page);
  auto* layout = new QHBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  control.list->setParent(box);
  layout->addWidget(control.list, 1);
  auto* buttons = new QVBoxLayout();
  const FieldInfo* field = control.field;
  const QString& caption = field->caption;
  auto add_button = [&](const Text& text, const Text& tip, const QString& suffix) {
    auto* button = new QPushButton(text, box);
    button->setObjectName(caption + suffix);
    button->setToolTip(tip.arg(caption));
    button->setAccessibleName(tip.arg(caption));
    button->setAutoDefault(false);
    buttons->addWidget(button);
    return button;
  };
  QPushButton* add = add_button(kAddEntryCaption, kAddEntryTip, QStringLiteral(" +"));
  QPushButton* remove = add_button(kRemoveEntryCaption, kRemoveEntryTip, QStringLiteral(" -"));
  buttons->addStretch();
  layout->addLayout(buttons);
  connect(add, &QPushButton::clicked, this, [this, field] { emit addEntryClicked(field); });
  connect(remove, &QPushButton::clicked, this, [this, field] { emit removeEntryClicked(field); });
  return box;
}

void PersonDetailsForm::ShowDetails(const PersonDetails& details) {
  for (const Control& control : controls_) {
    const FieldInfo& field = *control.field;
    if (control.list) {
      control.list->clear();
      control.list->addItems(details.*field.list);
    } else if (control.block) {
      control.block->setPlainText(BlockForShowing(details.*field.text));
    } else if (control.choice) {
      control.choice->setEditText(details.*field.text);
    } else {
      const QString& text = details.*field.text;
      control.line->setText(field.kind == FieldKind::kBlock ? SplitLines(text).join(u' ') : text);
      control.line->setCursorPosition(0);
    }
  }
}

void PersonDetailsForm::ShowDateLastChanged(const QString& date) {
  date_last_changed_->setText(date);
}

PersonDetails PersonDetailsForm::TypedDetails() const {
  PersonDetails details;
  for (const Control& control : controls_) {
    const FieldInfo& field = *control.field;
    if (control.list) {
      QStringList& entries = details.*field.list;
      for (int i = 0; i < control.list->count(); ++i) entries.append(control.list->item(i)->text());
    } else if (control.block) {
      details.*field.text = BlockFromEditing(control.block->toPlainText());
    } else if (control.choice) {
      details.*field.text = control.choice->currentText();
    } else {
      details.*field.text = control.line->text();
    }
  }
  return details;
}

const PersonDetailsForm::Control* PersonDetailsForm::ControlOf(const FieldInfo& field) const {
  for (const Control& control : controls_) {
    if (control.field == &field) return &control;
  }
  return nullptr;
}

int PersonDetailsForm::SelectedEntry(const FieldInfo& list) const {
  const Control* control = ControlOf(list);
  const QListWidgetItem* item = control && control->list ? control->list->currentItem() : nullptr;
  return item && item->isSelected() ? control->list->row(item) : -1;
}

void PersonDetailsForm::SelectEntry(const FieldInfo& list, int entry) {
  const Control* control = ControlOf(list);
  if (!control || !control->list) return;
  if (entry >= 0 && entry < control->list->count()) {
    control->list->setCurrentRow(entry);
  } else {
    control->list->setCurrentRow(-1);
    control->list->clearSelection();
  }
}

}  // namespace kinvale
