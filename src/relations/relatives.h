// A person's relatives within a chosen distance, grouped by kind, each by the nearest way they
// are related.
#pragma once

#include <QString>
#include <vector>

#include "relations/kinship.h"

namespace kinvale {

class FamilyLinks;

// The furthest cousins a search reaches: tenth cousins, whose words are the last the program has.
inline constexpr int kRelativesDegreeLimit = 10;

struct Relative {
  int person = 0;  // person number
  QString words;   // what the relative is to the person: "great aunt", "second cousin"
  Kinship kinship;
};

struct RelativeGroup {
  QString title;  // "Parents and grandparents", "Cousins", ...
  std::vector<Relative> relatives;
};

// Everyone sharing an ancestor with the person no more than max_degree + 1 generations above
// either of them (to cousins of that degree: ancestors and descendants to that many
// generations), the husbands and wives of those relatives, and the person's own husband or wife
// and their relatives within the same distance. Each relative once, by the nearest way; groups
// in a fixed order, nearest first within each, empty groups left out. Empty when the number names
// nobody.
std::vector<RelativeGroup> RelativesOf(const FamilyLinks& links, int person, int max_degree);

}  // namespace kinvale
