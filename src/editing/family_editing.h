// The add and remove buttons of the main window. Each asks for what it needs through the
// prompter, changes the family index and the main view (lists, selections, spouse caption) as
// the buttons change the screen, and ends by saving the changed link strings to the records.
#pragma once

#include "editing/editing_texts.h"

namespace kinvale {

struct Session;
class Prompter;

// "+" beside the father and mother lists: the name asked for is listed and becomes a parent of
// the person of interest (a new person when the family has nobody of that name).
void AddFather(Session& session, Prompter& prompter);
void AddMother(Session& session, Prompter& prompter);
// The spouse button: the name asked for becomes the spouse; the spouse shown before is unlinked.
void AddSpouse(Session& session, Prompter& prompter);
// "+" beside the sibling list: the new sibling shares the parents shown and is linked with the
// person of interest and every sibling listed.
void AddSibling(Session& session, Prompter& prompter);
// "+" beside the children list: the new child gets the person of interest and the spouse shown
// as parents and the other children as siblings. Nothing while no person is shown.
void AddDependent(Session& session, Prompter& prompter);

// "-" beside each list: the selected entry leaves the list and becomes the pending name, and its
// links to the person of interest (and to the other siblings or children) are cut. Nothing while
// no entry is selected; nobody is deleted.
void RemoveFather(Session& session, Prompter& prompter);
void RemoveMother(Session& session, Prompter& prompter);
void RemoveSibling(Session& session, Prompter& prompter);
void RemoveDependent(Session& session, Prompter& prompter);

}  // namespace kinvale
