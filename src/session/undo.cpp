#include "session/undo.h"

#include "session/main_view.h"
#include "session/session.h"
#include "store/change_history.h"
#include "store/prompter.h"
#include "store/shared_texts.h"

namespace kinvale {

namespace {

QString Caption(const QString& word, const std::optional<HistoryStep>& step) {
  return step ? word + u' ' + step->name : word;
}

using HistoryMove = std::optional<HistoryStep> (*)(const QString&, QString*);

std::optional<QString> Move(Session& session, Prompter& prompter, HistoryMove move) {
  if (!session.HasFamily()) return std::nullopt;
  QString error;
  const std::optional<HistoryStep> step = move(session.FamilyPath(), &error);
  if (!error.isEmpty()) prompter.Message(error, kApplicationTitle, MessageKind::kError);
  if (!step) return std::nullopt;
  // The files are as they were; the index and the screen are read from them again. The person
  // of interest stays, by number, when they still exist.
  LoadFamilyIndex(session, prompter);
  if (session.index.RowOfNumber(session.view.poi_number) < 0) ClearMainView(session.view);
  RefreshMainView(session);
  return step->name;
}

}  // namespace

QString UndoCaption(const LoadedFamily& family) {
  return Caption(kUndoItem, family.HasFamily() ? StepToUndo(family.FamilyPath()) : std::nullopt);
}

QString RedoCaption(const LoadedFamily& family) {
  return Caption(kRedoItem, family.HasFamily() ? StepToRedo(family.FamilyPath()) : std::nullopt);
}

std::optional<QString> UndoLastChange(Session& session, Prompter& prompter) {
  return Move(session, prompter, UndoChange);
}

std::optional<QString> RedoLastChange(Session& session, Prompter& prompter) {
  return Move(session, prompter, RedoChange);
}

void RecoverFamilyChanges(const LoadedFamily& family) {
  if (family.HasFamily()) RecoverChanges(family.FamilyPath());
}

}  // namespace kinvale
