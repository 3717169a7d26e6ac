// Every way two people are related: by blood through each ancestor where their lines meet, as
// husband and wife, and through one marriage at either end; each with the relation finder's
// words for it and the chain of people between the two.
#pragma once

#include <QString>
#include <vector>

#include "relations/kinship.h"

namespace kinvale {

class FamilyLinks;

// How deep the search for common ancestors goes above each of the two people. A direct ancestor
// is found at any depth.
inline constexpr int kRelationshipGenerationLimit = 10;

enum class PathStep { kFatherOf, kMotherOf, kChildOf, kSpouseOf };

struct Relationship {
  QString sentence;
  Kinship kinship;              // self the first person, the relative the second
  std::vector<int> people;      // person numbers, from the first person to the second
  std::vector<PathStep> steps;  // steps[i]: how people[i] stands to people[i + 1]
  std::vector<int> ancestors;   // where the two lines meet: a person, or a couple; none for spouses
};

// The relationships of the two people (person numbers), nearest first (see Kinship's order).
// Each common ancestor counts when a line from each person reaches them without the two lines
// sharing anyone else, at the nearest such pair of lines; two ancestors who are both parents of
// the two people the lines come down through count once, as a couple. Empty when either number
// names nobody or both name the same person.
std::vector<Relationship> AllRelationships(const FamilyLinks& links, int first, int second);

QString PathStepText(PathStep step);

}  // namespace kinvale
