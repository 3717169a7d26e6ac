// What "check" finds in a family's links beyond the files that cannot be read: person numbers
// carried by two record files, link strings that are not well formed or name people no record
// carries, and links that only one of two people holds.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "store/family_index.h"

namespace kinvale {

// A row whose link string can be mended without guessing: its malformed form rewritten as every
// reader already reads it, and numbers that no record file carries cleared to "0000".
struct LinkRepair {
  int row;
  QString link;     // the mended link string
  QString problem;  // what is wrong with the old one, for the user
};

struct FamilyCheck {
  QStringList duplicates;  // numbers carried by two or more files: reported, never mended
  std::vector<LinkRepair> repairs;
  // One person lists another as spouse or sibling, who does not list them back. Reported only:
  // the program's own rules leave such links (a remarried spouse, a sibling taken into another
  // family), and which side is right cannot be told.
  QStringList one_sided;
};

FamilyCheck CheckFamilyLinks(const FamilyIndex& index, const QStringList& family_files);

// The link string written in its standard form with exactly what readers take from it: own
// number, spouse ("0000" unless four digits), "F", "M" and "S" with their whole four-character
// entries as numbers; a remainder shorter than four characters and missing markers drop out.
QString StandardLink(QStringView link);

}  // namespace kinvale
