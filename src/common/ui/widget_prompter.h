// The window program's answers to core questions: message boxes and the name entry dialog.
#pragma once

#include "store/prompter.h"

class QWidget;

namespace kinvale {

class WidgetPrompter : public Prompter {
 public:
  explicit WidgetPrompter(QWidget* parent) : parent_(parent) {}
  QString LineEntry(const QString& prompt) override;
  QString LineEntryStartingWith(const QString& prompt, const QString& text) override;
  bool Confirm(const QString& text, const QString& title) override;  // OK and Cancel
  void Message(const QString& text, const QString& title) override;  // OK
  int ChooseOne(const QString& question, const QString& title,
                const QStringList& choices) override;  // a list, OK and Cancel
  SaveAnswer AskToSave(const QString& question, const QString& title) override;

 private:
  QWidget* parent_;
};

}  // namespace kinvale
