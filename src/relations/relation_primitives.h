// The relation primitives: a person's father, mother, spouse and sibling numbers as their link
// string holds them, the parents two people share, and a group's entries as the relation code
// walks them.
#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace kinvale {

class FamilyIndex;

// The entries of a group text: four characters each from its start, and a trailing piece of
// fewer than four characters as one more entry, compared as it stands. Views into group.
std::vector<QStringView> GroupPieces(QStringView group);

// The row a name names: the person a description such as "Fred Weasley (0021, 1978–)" stands
// for (how the windows tell people of one name apart); else FindRow, except that a name with
// nothing but spaces names nobody (so a missing parent, whose name is empty, never leads to a
// row).
int RowOfName(const FamilyIndex& index, const QString& name);

// The father group of the person's link string as one text; "0000" when the name has no row.
QString FatherNumberOf(const FamilyIndex& index, const QString& name);
QString MotherNumberOf(const FamilyIndex& index, const QString& name);
// Characters 5 to 8 of the person's link string; "0000" when the name has no row.
QString SpouseNumberOf(const FamilyIndex& index, const QString& name);
// Everything after the first "S" of the person's link string; empty when the name has no row.
QString SiblingNumbersOf(const FamilyIndex& index, const QString& name);

// The last father number of a's group that b's group holds too, leaving out entries that name
// nobody: two empty slots are no shared father. "0000" when they share none.
QString SameFather(const FamilyIndex& index, const QString& a, const QString& b);
QString SameMother(const FamilyIndex& index, const QString& a, const QString& b);

}  // namespace kinvale
