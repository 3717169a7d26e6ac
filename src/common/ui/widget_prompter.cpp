#include "common/ui/widget_prompter.h"

#include <QInputDialog>
#include <QMessageBox>

#include "common/ui/line_entry_dialog.h"

namespace kinvale {

QString WidgetPrompter::LineEntry(const QString& prompt) {
  return LineEntryDialog::Ask(parent_, prompt);
}

QString WidgetPrompter::LineEntryStartingWith(const QString& prompt, const QString& text) {
  return LineEntryDialog::Ask(parent_, prompt, text);
}

bool WidgetPrompter::Confirm(const QString& text, const QString& title) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                  parent_);
  box.setDefaultButton(QMessageBox::Ok);
  return box.exec() == QMessageBox::Ok;
}

void WidgetPrompter::Message(const QString& text, const QString& title) {
  QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent_);
  box.exec();
}

int WidgetPrompter::ChooseOne(const QString& question, const QString& title,
                              const QStringList& choices) {
  QInputDialog dialog(parent_);
  dialog.setWindowTitle(title);
  dialog.setLabelText(question);
  dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
  dialog.setComboBoxItems(choices);
  if (dialog.exec() != QDialog::Accepted) return -1;
  return static_cast<int>(choices.indexOf(dialog.textValue()));
}

Prompter::SaveAnswer WidgetPrompter::AskToSave(const QString& question, const QString& title) {
  QMessageBox box(QMessageBox::Question, title, question,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save:
      return SaveAnswer::kSave;
    case QMessageBox::Discard:
      return SaveAnswer::kDiscard;
    default:
      return SaveAnswer::kCancel;
  }
}

}  // namespace kinvale
