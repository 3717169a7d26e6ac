// Undo and Redo of the open family: every change of its files is a step of the family's history
// (see store/change_history.h); these put a step's files back and show the family as it then is.
#pragma once

#include "session/session_texts.h"  // the texts callers show

#include <QString>
#include <optional>

namespace kinvale {

struct LoadedFamily;
struct Session;
class Prompter;

// The Edit menu's captions: "Undo Add father John Smith", "Redo ..."; the bare word when there
// is no step to take back or make again.
QString UndoCaption(const LoadedFamily& family);
QString RedoCaption(const LoadedFamily& family);

// Takes back the newest step (or makes the undone step again), reloads the family index and
// draws the person of interest again. Gives the step's name; nullopt when there was none, or
// when it failed (the failure is shown, the family is as it was).
std::optional<QString> UndoLastChange(Session& session, Prompter& prompter);
std::optional<QString> RedoLastChange(Session& session, Prompter& prompter);

// Finishes the changes of the open family that a crash interrupted; run by the program that
// holds the application folder's lock when it opens a family.
void RecoverFamilyChanges(const LoadedFamily& family);

}  // namespace kinvale
