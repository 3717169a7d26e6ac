// The command line's answers to the questions core operations ask: name entries from a queue
// of answers given on the command line, confirmations from --yes, messages on stderr (stdout
// carries only a command's results).
#pragma once

#include <QString>
#include <QStringList>

#include "store/prompter.h"

namespace kinvale::cli {

class CliPrompter : public Prompter {
 public:
  QString LineEntry(const QString& prompt) override;
  bool Confirm(const QString& text, const QString& title, Risk risk) override;
  void Message(const QString& text, const QString& title, MessageKind kind) override;
  // The command line names people by "#NNNN" where a name is shared, so a pick is never asked:
  // the choices are printed and none is taken.
  int ChooseOne(const QString& question, const QString& title, const QStringList& choices) override;
  // Commands never leave typed changes behind; answered Save for completeness.
  SaveAnswer AskToSave(const QString& question, const QString& title) override;

  void QueueAnswer(const QString& answer) { answers_.append(answer); }
  void set_assume_yes(bool yes) { assume_yes_ = yes; }
  // The warnings, errors and unanswered picks so far: any of them makes a command fail.
  int problems_shown() const { return problems_shown_; }

 private:
  QStringList answers_;
  bool assume_yes_ = false;
  int problems_shown_ = 0;
};

}  // namespace kinvale::cli
