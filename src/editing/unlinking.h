// Cutting links: a number taken out of a sibling group or out of the person of interest's
// parents, and a removed sibling or child unlinked from everyone.
#pragma once

#include <QString>
#include <QStringView>

namespace kinvale {

struct Session;

// The link with the first sibling-group entry equal to number (as text) taken out. A group left
// without entries, or one that had none, becomes the placeholder "0000".
QString RemoveFromSiblingGroup(QStringView link, QStringView number);

// Takes number out of the person of interest's father group, or else its mother group: the
// first entry equal to it goes, or becomes "0000" when that group's list is now empty.
void RemoveParentEntry(Session& session, const QString& number);

// Gives the sibling numbered number a link of its number alone (no spouse, parents or siblings)
// and takes its number out of the sibling groups of the siblings still listed and of the person
// of interest.
void RemoveSibling(Session& session, int number);

// Gives the child numbered number no parents and no siblings (it keeps its spouse) and takes its
// number out of the sibling groups of the children still listed.
void RemoveChild(Session& session, int number);

}  // namespace kinvale
