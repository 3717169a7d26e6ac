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

struct FamilyMembers {
  std::vector<QStringView> partners;  // the HUSB and WIFE references, in file order
  std::vector<QStringView> husbands;
  std::vector<QStringView> wives;
  std::vector<QStringView> children;
  QString marriage_date;  // the DATE of its last MARR that has one
};

// The FAM records of a file, each parsed on its first use.
class FamilyTable {
 public:
  explicit FamilyTable(const GedcomFile& file) : file_(file) {}
  // The family with that reference; nullptr when the file has none. Its lines are marked used.
  const FamilyMembers* Find(QStringView xref, UsedLines* used);
  // The number of families found so far.
  int size() const { return static_cast<int>(families_.size()); }

 private:
  const GedcomFile& file_;
  std::unordered_map<int, FamilyMembers> families_;  // by the line of the FAM record
};

// What the relations of one individual could not hold.
struct RelationGaps {
  int missing_references = 0;    // families or members the file does not have
  bool further_spouses = false;  // spouses beyond the one the link string holds
};

// Sets the person's link string from its own number and its families, and "Date Married":
// every father (HUSB) and mother (WIFE) of its child families and their other children as
// siblings, once each in file order; as spouse the partner of its last spouse family that
// names one, with that family's marriage date.
RelationGaps UpdateRelations(FamilyTable& families, const PersonNumbering& numbering,
                             const QString& own_number, const IndividualReading& reading,
                             ImportedPerson* person, UsedLines* used);

}  // namespace kinvale
