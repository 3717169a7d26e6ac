// How family editing finds the people the main window shows: the person of interest and the
// spouse, by their person numbers.
#pragma once

#include <QString>
#include <vector>

namespace kinvale {

class FamilyIndex;
struct Session;

// The person of interest's row (PersonOfInterestRow); -1 while nobody is shown or has no row.
int PoiRow(const Session& session);
// The spouse's row; -1 when no spouse is shown or the spouse has no row.
int SpouseRow(const Session& session);
// The own number of a row, four digits; "0000" for -1.
QString NumberOfRow(const FamilyIndex& index, int row);
// The numbers, four digits each, concatenated; "0000" for none.
QString GroupOfNumbers(const std::vector<int>& numbers);

}  // namespace kinvale
