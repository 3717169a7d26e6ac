#include "editing/family_editing.h"

#include <optional>

#include "editing/add_person.h"
#include "editing/descent.h"
#include "editing/link_assembly.h"
#include "editing/save_link_strings.h"
#include "editing/shown_people.h"
#include "editing/unlinking.h"
#include "session/session.h"
#include "store/link_string.h"
#include "store/name_check.h"
#include "store/person_lookup.h"
#include "store/person_number.h"
#include "store/prompter.h"
#include "store/shared_texts.h"

namespace kinvale {

namespace {

bool FamilyIsOpen(const Session& session, Prompter& prompter) {
  if (session.HasFamily()) return true;
  prompter.Message(kNoFamilyOpenMessage, kApplicationTitle, MessageKind::kWarning);
  return false;
}

// The relative an add button is given: a person of the family, or a new one of that name.
struct Answer {
  QString name;
  int row = -1;  // -1: a new person
};

// Why the person at row cannot become the person of interest's relative; empty when they can.
QString RelationProblem(const Session& session, Relative relative, int row) {
  const int poi = PoiRow(session);
  if (poi < 0) return {};
  const FamilyIndex& index = session.index;
  const QString& poi_name = index.row(poi).name;
  if (row == poi) return kSelfRelationMessage.arg(poi_name, RelativeWord(relative));
  const int poi_number = NumberValue(NumberOfRow(index, poi));
  const int number = NumberValue(NumberOfRow(index, row));
  const bool loop = relative == Relative::kFather || relative == Relative::kMother
                        ? DescendsFrom(index, number, poi_number)
                        : relative != Relative::kSpouse && DescendsFrom(index, poi_number, number);
  if (!loop) return {};
  return kOwnAncestorMessage.arg(index.row(row).name, poi_name, RelativeWord(relative));
}

// Asks for the relative's name and resolves it: the person of that name (asking which one when
// several carry it), else a new person. Nothing when the family is closed, the answer is empty
// or cancelled, or the person cannot be that relative (said why).
std::optional<Answer> AskRelative(Session& session, Prompter& prompter, Relative relative,
                                  const QString& prompt) {
  if (!FamilyIsOpen(session, prompter)) return std::nullopt;
  const QString name = NormalizedName(prompter.LineEntry(prompt));
  if (name.isEmpty()) return std::nullopt;
  const Resolution found =
      ResolveTypedName(session.index, prompter, name, kWhichPersonQuestion.arg(name));
  if (found.kind == Resolution::kCancelled) return std::nullopt;
  const QString problem = found.kind == Resolution::kPerson
                              ? RelationProblem(session, relative, found.row)
                              : NewPersonProblem(session, name);
  if (!problem.isEmpty()) {
    prompter.Message(problem, kApplicationTitle, MessageKind::kWarning);
    return std::nullopt;
  }
  return Answer{found.row < 0 ? name : session.index.row(found.row).name, found.row};
}

// The answer's row, appending a new person of its name when it has none.
int RowOfAnswer(Session& session, const Answer& answer, NewPersonKind kind) {
  return answer.row >= 0 ? answer.row : AddPerson(session, answer.name, kind);
}

int NumberOfAnswerRow(const Session& session, int row) {
  return NumberValue(NumberOfRow(session.index, row));
}

void AddParent(Session& session, Prompter& prompter, Relative relative) {
  const bool father = relative == Relative::kFather;
  const auto answer =
      AskRelative(session, prompter, relative, father ? kFatherPrompt : kMotherPrompt);
  if (!answer) return;
  const int row = RowOfAnswer(session, *answer, NewPersonKind::kBlankRelative);
  (father ? session.view.fathers : session.view.mothers)
      .Append(NumberOfAnswerRow(session, row), answer->name);
  AssembleLinkString(session, PoiRow(session), AssemblyMode::kParents);
  SaveLinkStrings(session, prompter, AddStepName(relative, answer->name));
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
void AddToEarlierSiblings(Session& session, int new_sibling) {
  FamilyIndex& index = session.index;
  const QString number = FormatPersonNumber(new_sibling);
  for (int sibling : session.view.siblings.numbers) {
    if (sibling == new_sibling) continue;
    const int row = index.RowOfNumber(sibling);
    if (row < 0) continue;
    const QString link = index.row(row).link;
    index.SetLink(row, (link.endsWith(u"S0000") ? link.chopped(kEntryWidth) : link) + number);
  }
}

// The start of every remove button: the selected line leaves the list. Gives the removed
// person's number and name; nothing when no line is selected.
std::optional<std::pair<int, QString>> TakeSelected(Session& session, Prompter& prompter,
                                                    RelativeList& list) {
  if (!list.HasSelection() || !FamilyIsOpen(session, prompter)) return std::nullopt;
  const QString name = list.names[list.selected];
  const int number = list.TakeSelected();
  return std::make_pair(number, name);
}

void RemoveParent(Session& session, Prompter& prompter, RelativeList& list, Relative relative) {
  const auto removed = TakeSelected(session, prompter, list);
  if (!removed) return;
  RemoveParentEntry(session, FormatPersonNumber(removed->first));
  SaveLinkStrings(session, prompter, RemoveStepName(relative, removed->second));
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
  const QString previous = NumberOfRow(index, SpouseRow(session));
  const auto answer = AskRelative(session, prompter, Relative::kSpouse, kSpousePrompt);
  if (!answer) return;
  const int spouse = RowOfAnswer(session, *answer, NewPersonKind::kSpouse);
  session.view.spouse = answer->name;
  session.view.spouse_number = NumberOfAnswerRow(session, spouse);
  const int poi = PoiRow(session);
  const QString spouse_number = spouse < 0 ? QString() : NumberOfRow(index, spouse);
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
  SaveLinkStrings(session, prompter, AddStepName(Relative::kSpouse, answer->name));
}

void AddSibling(Session& session, Prompter& prompter) {
  const auto answer = AskRelative(session, prompter, Relative::kSibling, kSiblingPrompt);
  if (!answer) return;
  const int row = RowOfAnswer(session, *answer, NewPersonKind::kBlankRelative);
  const int number = NumberOfAnswerRow(session, row);
  session.view.siblings.Append(number, answer->name);
  LinkNewSibling(session, row);
  AddToEarlierSiblings(session, number);
  SaveLinkStrings(session, prompter, AddStepName(Relative::kSibling, answer->name));
  session.view.siblings.selected = -1;
}

void AddDependent(Session& session, Prompter& prompter) {
  if (!session.view.HasPerson()) return;
  const auto answer = AskRelative(session, prompter, Relative::kDependent, kDependentPrompt);
  if (!answer) return;
  const int row = RowOfAnswer(session, *answer, NewPersonKind::kDependent);
  session.view.children.Append(NumberOfAnswerRow(session, row), answer->name);
  AssembleLinkString(session, row, AssemblyMode::kDependent);
  LinkChildrenAsSiblings(session);
  SaveLinkStrings(session, prompter, AddStepName(Relative::kDependent, answer->name));
}

void RemoveFather(Session& session, Prompter& prompter) {
  RemoveParent(session, prompter, session.view.fathers, Relative::kFather);
}

void RemoveMother(Session& session, Prompter& prompter) {
  RemoveParent(session, prompter, session.view.mothers, Relative::kMother);
}

void RemoveSibling(Session& session, Prompter& prompter) {
  const auto removed = TakeSelected(session, prompter, session.view.siblings);
  if (!removed) return;
  RemoveSibling(session, removed->first);
  SaveLinkStrings(session, prompter, RemoveStepName(Relative::kSibling, removed->second));
}

void RemoveDependent(Session& session, Prompter& prompter) {
  const auto removed = TakeSelected(session, prompter, session.view.children);
  if (!removed) return;
  RemoveChild(session, removed->first);
  SaveLinkStrings(session, prompter, RemoveStepName(Relative::kDependent, removed->second));
}

}  // namespace kinvale
