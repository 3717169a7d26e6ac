#include "common/ui/widget_prompter.h"

#include <QInputDialog>
#include <QMessageBox>

#include "common/ui/line_entry_dialog.h"
#include "common/ui/plain_dialog.h"

namespace kinvale {

namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::kInformation:
      return QMessageBox::Information;
    case MessageKind::kWarning:
      return QMessageBox::Warning;
    case MessageKind::kError:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

// Shows the box with Enter on the default button and Escape on the last way out.
int Show(QMessageBox& box, QMessageBox::StandardButton default_button) {
  box.setDefaultButton(default_button);
  FinishDialog(&box);
  return box.exec();
}

}  // namespace

QString WidgetPrompter::LineEntry(const QString& prompt) {
  return LineEntryDialog::Ask(parent_, prompt);
}

QString WidgetPrompter::LineEntryStartingWith(const QString& prompt, const QString& text) {
  return LineEntryDialog::Ask(parent_, prompt, text);
}

bool WidgetPrompter::Confirm(const QString& text, const QString& title, Risk risk) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                  parent_);
  return Show(box, risk == Risk::kDestructive ? QMessageBox::Cancel : QMessageBox::Ok) ==
         QMessageBox::Ok;
}

void WidgetPrompter::Message(const QString& text, const QString& title, MessageKind kind) {
  QMessageBox box(IconOf(kind), title, text, QMessageBox::Ok, parent_);
  Show(box, QMessageBox::Ok);
}

int WidgetPrompter::ChooseOne(const QString& question, const QString& title,
                              const QStringList& choices) {
  QInputDialog dialog(parent_);
  dialog.setWindowTitle(title);
  dialog.setLabelText(question);
  dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
  dialog.setComboBoxItems(choices);
  FinishDialog(&dialog);
  if (dialog.exec() != QDialog::Accepted) return -1;
  return static_cast<int>(choices.indexOf(dialog.textValue()));
}

Prompter::SaveAnswer WidgetPrompter::AskToSave(const QString& question, const QString& title) {
  QMessageBox box(QMessageBox::Question, title, question,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
  switch (Show(box, QMessageBox::Save)) {
    case QMessageBox::Save:
      return SaveAnswer::kSave;
    case QMessageBox::Discard:
      return SaveAnswer::kDiscard;
    default:
      return SaveAnswer::kCancel;
  }
}

}  // namespace kinvale
