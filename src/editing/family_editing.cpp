#include "editing/family_editing.h"

#include "editing/add_person.h"
#include "editing/link_assembly.h"
#include "editing/save_link_strings.h"
#include "editing/shown_people.h"
#include "editing/unlinking.h"
#include "store/link_string.h"
#include "store/name_check.h"
#include "store/person_number.h"
#include "store/prompter.h"
#include "store/session.h"
#include "store/text_helpers.h"

namespace kinvale {

namespace {

bool FamilyIsOpen(const Session& session, Prompter& prompter) {
  if (session.HasFamily()) return true;
  prompter.Message(kNoFamilyOpenMessage, kApplicationTitle);
  return false;
}

// Opens the name entry with the prompt; the answer becomes the pending name. False when the
// family is closed, the answer is empty, or the name cannot be the relative (said why).
bool AskRelativeName(Session& session, Prompter& prompter, Relative relative,
                     const QString& prompt) {
  if (!FamilyIsOpen(session, prompter)) return false;
  session.entry_prompt = prompt;
  session.pending_name.clear();
  session.pending_name = NormalizedName(prompter.LineEntry(prompt));
  if (session.pending_name.isEmpty()) return false;
  const QString poi = PoiName(session.view);
  QString problem = !poi.isEmpty() && LooseNameKey(poi) == LooseNameKey(session.pending_name)
                        ? kSelfRelationMessage.arg(poi, RelativeWord(relative))
                        : NewPersonProblem(session, session.pending_name);
  if (problem.isEmpty()) return true;
  prompter.Message(problem, kApplicationTitle);
  return false;
}

void AddParent(Session& session, Prompter& prompter, Relative relative) {
  const bool father = relative == Relative::kFather;
  if (!AskRelativeName(session, prompter, relative, father ? kFatherPrompt : kMotherPrompt)) {
    return;
  }
  (father ? session.view.fathers : session.view.mothers).names.append(session.pending_name);
  AddPerson(session, session.pending_name, NewPersonKind::kBlankRelative);
  AssembleLinkString(session, session.view.person_of_interest, AssemblyMode::kParents);
  SaveLinkStrings(session, prompter);
}

// Clears the spouse slot of the first row numbered number (the same four characters).
void UnlinkSpouseNumbered(FamilyIndex& index, const QString& number) {
  for (int row : index.RowsOfNumber(NumberValue(number))) {
    const QString link = index.row(row).link;
    if (OwnNumber(link) != number) continue;
    index.SetLink(row, WithSpouse(link, kNobody));
    return;
  }
}

// Adds the new sibling's number to the sibling group of every sibling listed before it,
// in place of the "0000" placeholder when that is all the group holds.
void AddToEarlierSiblings(Session& session, const QString& name) {
  FamilyIndex& index = session.index;
  const QString number = NumberOfPerson(index, name);
  for (const QString& sibling : session.view.siblings.names) {
    if (SamePerson(index, sibling, name)) continue;
    const int row = RowOfPerson(index, sibling);
    if (row < 0) continue;
    const QString link = index.row(row).link;
    index.SetLink(row, (link.endsWith(u"S0000") ? link.chopped(kEntryWidth) : link) + number);
  }
}

// The start of every remove button: the selected entry leaves the list and becomes the pending
// name. False when nothing is selected.
bool TakeSelected(Session& session, Prompter& prompter, RelativeList& list) {
  if (!list.HasSelection() || !FamilyIsOpen(session, prompter)) return false;
  session.pending_name = list.names.takeAt(list.selected);
  list.selected = -1;
  return true;
}

void RemoveParent(Session& session, Prompter& prompter, RelativeList& list) {
  if (!TakeSelected(session, prompter, list)) return;
  RemoveParentEntry(session, NumberOfPerson(session.index, session.pending_name));
  SaveLinkStrings(session, prompter);
}

}  // namespace

void AddFather(Session& session, Prompter& prompter) {
  AddParent(session, prompter, Relative::kFather);
}

void AddMother(Session& session, Prompter& prompter) {
  AddParent(session, prompter, Relative::kMother);
}

void AddSpouse(Session& session, Prompter& prompter) {
  FamilyIndex& index = session.index;
  const QString previous = NumberOfPerson(index, SpouseName(session.view));
  if (!AskRelativeName(session, prompter, Relative::kSpouse, kSpousePrompt)) return;
  session.view.spouse = session.pending_name;
  AddPerson(session, session.pending_name, NewPersonKind::kSpouse);
  const int poi = RowOfPerson(index, PoiName(session.view));
  const int spouse = RowOfPerson(index, session.pending_name);
  const QString spouse_number =
      spouse < 0 ? QString() : OwnNumber(index.row(spouse).link).toString();
  if (poi >= 0 && spouse >= 0) {
    const QString poi_link = index.row(poi).link;
    const QString spouse_link = index.row(spouse).link;
    // A spouse married to someone else keeps that link.
    if (SpouseNumber(spouse_link) == kNobody) {
      index.SetLink(spouse, WithSpouse(spouse_link, OwnNumber(poi_link)));
    }
    index.SetLink(poi, WithSpouse(poi_link, spouse_number));
  }
  if (previous != kNobody && previous != spouse_number) UnlinkSpouseNumbered(index, previous);
  SaveLinkStrings(session, prompter);
}

void AddSibling(Session& session, Prompter& prompter) {
  if (!AskRelativeName(session, prompter, Relative::kSibling, kSiblingPrompt)) return;
  const QString name = session.pending_name;
  session.view.siblings.names.append(name);
  AddPerson(session, name, NewPersonKind::kBlankRelative);
  LinkNewSibling(session, name);
  AddToEarlierSiblings(session, name);
  SaveLinkStrings(session, prompter);
  session.view.siblings.selected = -1;
}

void AddDependent(Session& session, Prompter& prompter) {
  if (!session.view.HasPerson()) return;
  if (!AskRelativeName(session, prompter, Relative::kDependent, kDependentPrompt)) return;
  const QString name = session.pending_name;
  session.view.children.names.append(name);
  AddPerson(session, name, NewPersonKind::kDependent);
  AssembleLinkString(session, name, AssemblyMode::kDependent);
  LinkChildrenAsSiblings(session);
  SaveLinkStrings(session, prompter);
}

void RemoveFather(Session& session, Prompter& prompter) {
  RemoveParent(session, prompter, session.view.fathers);
}

void RemoveMother(Session& session, Prompter& prompter) {
  RemoveParent(session, prompter, session.view.mothers);
}

void RemoveSibling(Session& session, Prompter& prompter) {
  if (!TakeSelected(session, prompter, session.view.siblings)) return;
  RemoveSibling(session, session.pending_name);
  SaveLinkStrings(session, prompter);
}

void RemoveDependent(Session& session, Prompter& prompter) {
  if (!TakeSelected(session, prompter, session.view.children)) return;
  RemoveChild(session, session.pending_name);
  SaveLinkStrings(session, prompter);
}

}  // namespace kinvale
