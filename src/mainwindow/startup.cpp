#include "mainwindow/startup.h"

#include "mainwindow/main_view.h"
#include "store/app_folder.h"
#include "store/atomic_file.h"
#include "store/families.h"
#include "store/prompter.h"
#include "store/session.h"
#include "store/settings.h"

namespace kinvale {

bool StartSession(Session& session, Prompter& prompter, const QString& app_folder,
                  const TitleSink& show_title, QString* error) {
  session = Session();
  session.app_folder = app_folder;
  if (!PrepareAppFolder(app_folder, error)) return false;
  if (const std::optional<Settings> settings = LoadSettings(app_folder)) {
    session.family = settings->family;
    session.view.person_of_interest = settings->person;
  }
  // Leftovers of a write that a crash interrupted; the files they were meant for are intact.
  DeleteTemporaryFiles(app_folder);
  if (session.HasFamily()) DeleteTemporaryFiles(session.FamilyPath());
  show_title(kTitleLoading);
  LoadFamilyIndex(session, prompter);
  show_title(kTitleSettingUp);
  RefreshMainView(session);
  show_title(kTitleReady);
  return true;
}

void PickDefaultPerson(Session& session) {
  // The relatives and photo of the family shown before must not stay on screen when the new
  // family's default person cannot be drawn (only backup copies, an unreadable record).
  ClearMainView(session.view);
  session.current_photo_path.clear();
  if (session.family_files.isEmpty()) return;
  session.view.person_of_interest = DefaultPersonName(session.family_files);
}

void SaveSessionSettings(Session& session, Prompter& prompter) {
  QString error;
  if (!SaveSettings(session.app_folder, {session.family, session.view.person_of_interest},
                    &error)) {
    prompter.Message(error, kApplicationTitle);
  }
}

void OpenFamily(Session& session, Prompter& prompter, const QString& family) {
  session.family = family;
  SaveSessionSettings(session, prompter);
  LoadFamilyIndex(session, prompter);
  PickDefaultPerson(session);
  RefreshMainView(session);
  SaveSessionSettings(session, prompter);
}

void OpenFamilyForCommand(Session& session, Prompter& prompter, const QString& family,
                          const QString& person) {
  session.family = family;
  LoadFamilyIndex(session, prompter);
  if (person.isEmpty()) return;
  session.view.person_of_interest = person;
  RefreshMainView(session);
}

void EndSession(Session& session, Prompter& prompter) {
  if (session.HasFamily()) DeleteTemporaryFiles(session.FamilyPath());
  SaveSessionSettings(session, prompter);
}

}  // namespace kinvale
