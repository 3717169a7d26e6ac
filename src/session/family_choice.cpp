#include "session/family_choice.h"

#include <optional>

#include "session/session.h"
#include "session/startup.h"
#include "store/families.h"
#include "store/prompter.h"
#include "store/shared_texts.h"

namespace kinvale {

namespace {

// The family the chooser leaves in the family folder; nullopt when it was cancelled.
std::optional<QString> ChosenFamily(const Session& session, const FamilyChoice& choice) {
  switch (choice.outcome) {
    case ChooserOutcome::kOpened:
      return choice.family;
    case ChooserOutcome::kClosed:
      return session.family;
    case ChooserOutcome::kCancelled:
      break;
  }
  return std::nullopt;
}

}  // namespace

void OpenChosenFamily(Session& session, Prompter& prompter, const FamilyChoice& choice) {
  if (const std::optional<QString> family = ChosenFamily(session, choice)) {
    OpenFamily(session, prompter, *family);
  }
}

bool TakeChosenFamilyFolder(Session& session, const FamilyChoice& choice) {
  const std::optional<QString> family = ChosenFamily(session, choice);
  if (!family) return false;
  session.family = *family;
  return session.HasFamily();
}

bool CreateFamilyFromChooser(const QString& app_folder, const QString& name, Prompter& prompter) {
  if (name.trimmed().isEmpty() || name == kNewFamilyInitialText) {
    prompter.Message(kFamilyNameMissingMessage, kNameErrorTitle, MessageKind::kWarning);
    return false;
  }
  const QString problem = FamilyNameProblem(app_folder, name);
  if (!problem.isEmpty()) {
    prompter.Message(problem, kNameErrorTitle, MessageKind::kWarning);
    return false;
  }
  QString error;
  if (!CreateFamily(app_folder, name, &error)) {
    prompter.Message(error, kApplicationTitle, MessageKind::kError);
    return false;
  }
  prompter.Message(kFamilyCreatedMessage, kFamilyCreatedTitle, MessageKind::kInformation);
  return true;
}

}  // namespace kinvale
