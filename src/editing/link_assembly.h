// Building link strings from what the main window shows: the groups of the father, mother and
// sibling lists, the spouse link, the person of interest's whole link, and the relinking of a
// new sibling and of the children. Every list line is a person number, so two people of one
// name are never mixed up.
#pragma once

#include <QString>

namespace kinvale {

struct Session;

// The person numbers of the father list's lines, in list order; "0000" for an empty list.
QString FatherGroupFromList(const Session& session);
// The same with the mother list.
QString MotherGroupFromList(const Session& session);

enum class SiblingGroupMode {
  kAll,         // every line of the sibling list
  kNewSibling,  // the group of the sibling being added
};
// The person numbers of the sibling list's lines; in new-sibling mode the person of interest
// first, then every line but the new sibling's. "0000" when that gives nothing.
QString SiblingGroupFromList(const Session& session, SiblingGroupMode mode, int new_sibling = 0);

// Points the spouse shown back at the person of interest and gives the spouse's number; "0000",
// with nothing changed, unless both are in the family.
QString LinkSpouses(Session& session);

enum class AssemblyMode {
  kParents,    // the person of interest's link from the four lists and the spouse
  kDependent,  // a dependent's link from the person of interest and the spouse
};
// kParents: the person of interest's number, the spouse (linked back) and the groups of the
// three lists, stored in the person of interest's row and given back; with the person of
// interest not in the family, only assembled, with a fresh number.
// kDependent: gives the dependent at row the person of interest and the spouse as parents, no
// spouse and an empty sibling group; nothing unless both are in the family.
QString AssembleLinkString(Session& session, int row, AssemblyMode mode);

// Gives the new sibling at row the parents shown, the person of interest and the other siblings
// as its siblings, and the person of interest every sibling of the list. Both keep their numbers
// and spouses.
void LinkNewSibling(Session& session, int row);

// Rewrites the sibling group of every child of the children list to the other children, "0000"
// for an only child.
void LinkChildrenAsSiblings(Session& session);

}  // namespace kinvale
