#include "session/startup.h"

#include "session/main_view.h"
#include "session/session.h"
#include "session/undo.h"
#include "store/app_folder.h"
#include "store/atomic_file.h"
#include "store/families.h"
#include "store/link_string.h"
#include "store/person_number.h"
#include "store/prompter.h"
#include "store/settings.h"
#include "store/shared_texts.h"
#include "store/text_helpers.h"

namespace kinvale {

bool StartSession(Session& session, Prompter& prompter, const QString& app_folder,
                  const TitleSink& show_title, QString* error) {
  session = Session();
  session.app_folder = app_folder;
  if (!PrepareAppFolder(app_folder, error)) return false;
  if (const std::optional<Settings> settings = LoadSettings(app_folder)) {
    session.family = settings->family;
    session.view.person_of_interest = settings->person;
    session.view.poi_number = settings->person_number;
  }
  // Leftovers of a write that a crash interrupted; the files they were meant for are intact.
  DeleteTemporaryFiles(app_folder);
  if (session.HasFamily()) DeleteTemporaryFiles(session.FamilyPath());
  RecoverFamilyChanges(session);
  show_title(kTitleLoading);
  LoadFamilyIndex(session, prompter);
  // The number remembered stands for the person only while it still carries the name shown.
  const int remembered = session.index.RowOfNumber(session.view.poi_number);
  if (remembered < 0 || session.index.row(remembered).name != session.view.person_of_interest) {
    session.view.poi_number = 0;
  }
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
  const QString file = DefaultPersonFile(session.family_files);
  session.view.person_of_interest = NameFromRecordFileName(file);
  session.view.poi_number = NumberFromRecordFileName(file);
}

void SaveSessionSettings(Session& session, Prompter& prompter) {
  QString error;
  const int poi = PersonOfInterestRow(session.view, session.index);
  const Settings settings{session.family, session.view.person_of_interest,
                          poi < 0 ? 0 : NumberValue(OwnNumber(session.index.row(poi).link))};
  if (!SaveSettings(session.app_folder, settings, &error)) {
    prompter.Message(error, kApplicationTitle, MessageKind::kError);
  }
}

void OpenFamily(Session& session, Prompter& prompter, const QString& family) {
  session.family = family;
  SaveSessionSettings(session, prompter);
  RecoverFamilyChanges(session);
  LoadFamilyIndex(session, prompter);
  PickDefaultPerson(session);
  RefreshMainView(session);
  SaveSessionSettings(session, prompter);
}

void OpenFamilyForCommand(Session& session, Prompter& prompter, const QString& family) {
  session.family = family;
  LoadFamilyIndex(session, prompter);
}

void EndSession(Session& session, Prompter& prompter) {
  if (session.HasFamily()) DeleteTemporaryFiles(session.FamilyPath());
  SaveSessionSettings(session, prompter);
}

void ReloadFamilyAfterImport(Session& session, Prompter& prompter) {
  LoadFamilyIndex(session, prompter);
  if (session.index.RowOfNumber(session.view.poi_number) < 0) {
    PickDefaultPerson(session);
  }
  RefreshMainView(session);
}

}  // namespace kinvale
