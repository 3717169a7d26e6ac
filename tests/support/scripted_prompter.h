// A Prompter for tests: name entries and confirmations come from queues the test fills, and
// every question and message is recorded.
#pragma once

#include <QString>
#include <QStringList>

#include "store/prompter.h"

namespace kinvale::testing {

class ScriptedPrompter : public Prompter {
 public:
  QString LineEntry(const QString& prompt) override {
    prompts.append(prompt);
    return answers.isEmpty() ? QString() : answers.takeFirst();
  }
  bool Confirm(const QString& text, const QString& /*title*/, Risk /*risk*/) override {
    questions.append(text);
    return confirmations.isEmpty() ? false : confirmations.takeFirst();
  }
  void Message(const QString& text, const QString& title, MessageKind kind) override {
    messages.append(text);
    message_titles.append(title);
    message_kinds.append(kind);
  }

  int ChooseOne(const QString& question, const QString& /*title*/,
                const QStringList& offered) override {
    questions.append(question);
    choice_lists.append(offered);
    return choices.isEmpty() ? -1 : choices.takeFirst();
  }
  SaveAnswer AskToSave(const QString& question, const QString& /*title*/) override {
    questions.append(question);
    return save_answers.isEmpty() ? SaveAnswer::kCancel : save_answers.takeFirst();
  }

  QStringList answers;        // returned by LineEntry, in order; then ""
  QList<bool> confirmations;  // returned by Confirm, in order; then false
  QStringList prompts;        // every LineEntry prompt asked
  QStringList questions;      // every Confirm text asked
  QStringList messages;       // every Message text shown
  QStringList message_titles;
  QList<MessageKind> message_kinds;
  QList<int> choices;               // returned by ChooseOne, in order; then -1
  QList<QStringList> choice_lists;  // what every ChooseOne offered
  QList<SaveAnswer> save_answers;   // returned by AskToSave, in order; then kCancel
};

}  // namespace kinvale::testing
