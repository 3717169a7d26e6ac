// The relations of an individual from its GEDCOM families: the link string's spouse, fathers,
// mothers and siblings, and "Date Married", with every family parsed once and found by its
// cross-reference.
#pragma once

#include <QString>
#include <QStringView>
#include <unordered_map>
#include <vector>

#include "gedcom/gedcom_individual.h"
#include "gedcom/gedcom_reader.h"
#include "gedcom/person_numbering.h"

namespace kinvale {

// The members of a family by person number, in file order; references to individuals the file
// does not have are left out.
struct FamilyMembers {
  std::vector<QString> partners;  // the HUSB and WIFE lines
  std::vector<QString> husbands;
  std::vector<QString> wives;
  std::vector<QString> children;
  QString marriage_date;  // the DATE of its last MARR that has one
};

// The FAM records of a file, each parsed and resolved on its first use.
class FamilyTable {
 public:
  FamilyTable(const GedcomFile& file, const PersonNumbering& numbering)
      : file_(file), numbering_(numbering) {}
  // The family with that reference; nullptr when the file has none. Its lines are marked used.
  const FamilyMembers* Find(QStringView xref, UsedLines* used);
  // The number of families found so far.
  int size() const { return static_cast<int>(families_.size()); }
  // The references of those families to individuals the file does not have.
  int missing_members() const { return missing_members_; }

 private:
  FamilyMembers Parse(int record, UsedLines* used);

  const GedcomFile& file_;
  const PersonNumbering& numbering_;
  std::unordered_map<int, FamilyMembers> families_;  // by the line of the FAM record
  int missing_members_ = 0;
};

// What the relations of one individual could not hold.
struct RelationGaps {
  int missing_families = 0;      // references to families the file does not have
  bool further_spouses = false;  // spouses beyond the one the link string holds
};

// Sets the person's link string from its own number and its families, and "Date Married":
// every father (HUSB) and mother (WIFE) of its child families and their other children as
// siblings, once each in file order; as spouse the partner of its last spouse family that
// names one, with that family's marriage date.
RelationGaps UpdateRelations(FamilyTable& families, const QString& own_number,
                             const IndividualReading& reading, ImportedPerson* person,
                             UsedLines* used);

}  // namespace kinvale
