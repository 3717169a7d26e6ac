// The window program's answers to core questions: message boxes with the icon of their kind, and
// the name entry dialog.
#pragma once

#include "store/prompter.h"

class QWidget;

namespace kinvale {

class WidgetPrompter : public Prompter {
 public:
  explicit WidgetPrompter(QWidget* parent) : parent_(parent) {}
  QString LineEntry(const QString& prompt) override;
  QString LineEntryStartingWith(const QString& prompt, const QString& text) override;
  // OK and Cancel; Cancel is the default of a destructive question, OK of any other.
  bool Confirm(const QString& text, const QString& title, Risk risk) override;
  void Message(const QString& text, const QString& title, MessageKind kind) override;  // OK
  int ChooseOne(const QString& question, const QString& title,
                const QStringList& choices) override;  // a list, OK and Cancel
  SaveAnswer AskToSave(const QString& question, const QString& title) override;

 private:
  QWidget* parent_;
};

}  // namespace kinvale
