// Random families for round-trip tests: every field of every record filled with the kinds of
// text records hold (letters outside ASCII, "@", leading and trailing blanks, lines longer than
// a GEDCOM line, blocks of several lines with empty ones among them), link strings with several
// fathers and mothers, empty slots, empty groups and numbers nobody carries.
#pragma once

#include <vector>

#include "support/temp_family.h"

namespace kinvale::testing {

struct RandomFamilyOptions {
  int people = 25;
  unsigned seed = 1;
  // Only characters Windows-1252 has; otherwise also some it lacks (Polish, Vietnamese,
  // Japanese letters and characters outside the Basic Multilingual Plane).
  bool windows1252_only = false;
};

std::vector<PersonSpec> RandomFamily(const RandomFamilyOptions& options);

}  // namespace kinvale::testing
