// Starting a session, opening a family and leaving the program: the steps around the main
// window that every front end runs in the same order.
#pragma once

#include "session/session_texts.h"  // the texts callers show

#include <QString>
#include <functional>

namespace kinvale {

struct Session;
class Prompter;

using TitleSink = std::function<void(const QString&)>;

// Start-up: prepares the application folder (seeding a new one with the demo family), loads the
// settings, loads the family they name and draws its person of interest, showing the three
// start-up titles on the way. False with a message when the application folder is unusable.
bool StartSession(Session& session, Prompter& prompter, const QString& app_folder,
                  const TitleSink& show_title, QString* error);

// Opens the family with that name as the family chooser's "Open" does: the settings are saved,
// the index loaded, the default person of interest chosen and drawn, the settings saved again.
void OpenFamily(Session& session, Prompter& prompter, const QString& family);

// Opens a family for the command line: loads the index without touching the settings.
void OpenFamilyForCommand(Session& session, Prompter& prompter, const QString& family);

// The person of interest of a freshly opened family, on a cleared view; the view stays clear
// when the family has no records.
void PickDefaultPerson(Session& session);

// Saves the family and the person of interest for the next run; reports a failure.
void SaveSessionSettings(Session& session, Prompter& prompter);

// Loads the open family again after an import into it, and draws its person of interest (the
// family's default person when the old one is gone).
void ReloadFamilyAfterImport(Session& session, Prompter& prompter);

// Exit: deletes leftover temporary files of the family folder and saves the settings.
void EndSession(Session& session, Prompter& prompter);

}  // namespace kinvale
