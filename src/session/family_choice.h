// What the family chooser's answer does: "Load Family Tree" opens the chosen family, the person
// of interest button only takes its folder; and the chooser's "Create".
#pragma once

#include "session/session_texts.h"  // the texts callers show

#include <QString>

namespace kinvale {

struct Session;
class Prompter;

enum class ChooserOutcome {
  kOpened,     // "Open" with a family selected
  kCancelled,  // "Cancel" (or Escape)
  kClosed,     // closed by its frame: the current family counts as chosen again
};

struct FamilyChoice {
  ChooserOutcome outcome = ChooserOutcome::kClosed;
  QString family;  // the family opened; only for kOpened
};

// "Load Family Tree" after the chooser: the chosen family, or for a frame close the current one
// again, is opened (OpenFamily); Cancel changes nothing.
void OpenChosenFamily(Session& session, Prompter& prompter, const FamilyChoice& choice);

// The person of interest button with no family loaded: the chooser only sets the family folder.
// False when the details editor must not open: the user cancelled, or there is still no family,
// whose records would otherwise land in the application folder itself.
bool TakeChosenFamilyFolder(Session& session, const FamilyChoice& choice);

// The chooser's "Create": makes the family folder and says "New Family Created"; an empty box,
// or one still holding its starting text, asks for a name; a refused name gets "No special
// characters please" titled "Name Error". True when the folder was made.
bool CreateFamilyFromChooser(const QString& app_folder, const QString& name, Prompter& prompter);

}  // namespace kinvale
