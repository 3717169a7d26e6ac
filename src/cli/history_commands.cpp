// Commands over a family's undo history: history, undo, redo.
#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "session/undo.h"
#include "store/change_history.h"

namespace kinvale::cli {

namespace {

int ShowHistory(Context& context, QStringList args) {
  if (!ArgumentCountIs(context, QStringLiteral("history"), args, 1, 1)) return kUsageError;
  Session session;
  if (!context.OpenFamily(session, args[0])) return kUserError;
  for (const HistoryStep& step : ListHistory(session.FamilyPath())) {
    context.Out(QStringList{QString::number(step.id), step.time.toLocalTime().toString(Qt::ISODate),
                            step.undone ? QStringLiteral("undone") : QStringLiteral("done"),
                            step.name}
                    .join(u'\t'));
  }
  return kOk;
}

using HistoryAction = std::optional<QString> (*)(Session&, Prompter&);

int Run(Context& context, QStringList args, const QString& command, HistoryAction action,
        const QString& done_word) {
  if (!ArgumentCountIs(context, command, args, 1, 1)) return kUsageError;
  Session session;
  if (!context.OpenFamily(session, args[0])) return kUserError;
  const int messages = context.prompter.problems_shown();
  const std::optional<QString> step = action(session, context.prompter);
  if (context.prompter.problems_shown() != messages) return kUserError;
  if (!step) return context.Fail(kNothingTo.arg(command));
  context.Out(done_word + u' ' + *step);
  return kOk;
}

int Undo(Context& context, const QStringList& args) {
  return Run(context, args, QStringLiteral("undo"), UndoLastChange, kUndoneLabel);
}

int Redo(Context& context, const QStringList& args) {
  return Run(context, args, QStringLiteral("redo"), RedoLastChange, kRedoneLabel);
}

const CommandRegistration kHistory{
    {QStringLiteral("history"), QStringLiteral("FAMILY"), kHistoryHelp, ShowHistory}};
const CommandRegistration kUndo{
    {QStringLiteral("undo"), QStringLiteral("FAMILY"), kUndoHelp, Undo, /*writes=*/true}};
const CommandRegistration kRedo{{QStringLiteral("redo"), QStringLiteral("FAMILY"), kRedoHelp, Redo,
                                 /*writes=*/true}};

}  // namespace

}  // namespace kinvale::cli
