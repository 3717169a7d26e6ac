// How family editing finds the people behind the names on the main window: the person of
// interest, the spouse and the entries of the four lists.
#pragma once

#include <QString>

namespace kinvale {

class FamilyIndex;
struct MainView;

// The person of interest's name; empty while the button shows its "Person of Interest" caption,
// so that nobody is taken for a person of that name.
QString PoiName(const MainView& view);
// The spouse's name; empty while the button shows its "Spouse" caption.
QString SpouseName(const MainView& view);

// The row a name stands for: the first row of exactly that name, else the first row whose name
// matches ignoring case and spaces (john smith is John Smith); -1 for an empty name or nobody.
// Trying the exact name first keeps two people whose names differ only in case apart.
int RowOfPerson(const FamilyIndex& index, const QString& name);
// The own number of RowOfPerson(name); "0000" when it names nobody.
QString NumberOfPerson(const FamilyIndex& index, const QString& name);
// True when both names are the same text or stand for the same row.
bool SamePerson(const FamilyIndex& index, const QString& a, const QString& b);

}  // namespace kinvale
