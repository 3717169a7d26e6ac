#include "mainwindow/ui/widget_prompter.h"

#include <QMessageBox>

#include "editing/ui/line_entry_dialog.h"

namespace kinvale {

QString WidgetPrompter::LineEntry(const QString& prompt) {
  return LineEntryDialog::Ask(parent_, prompt);
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

}  // namespace kinvale
