// The GEDCOM families of a family's link strings: one for every couple a spouse link names, one
// for every pair (or single one) of parents a person has, the couple's own family when the two
// are a couple, and one for every group of siblings that have no parents; each person's places
// in them as child (FAMC) and as partner (FAMS).
#pragma once

#include <QString>
#include <vector>

#include "store/family_index.h"

namespace kinvale {

struct ExportFamily {
  int husband = -1;  // index rows; -1 for none
  int wife = -1;
  std::vector<int> children;  // in row order
  bool couple = false;        // a spouse link joins the husband and the wife
  QString marriage_date;      // of a couple: the date married of a partner who names the other
};

struct ExportFamilies {
  std::vector<ExportFamily> families;  // in numbering order: the first is @F1@
  // By index row: the families the person is a child of, and a partner in, in numbering order.
  std::vector<std::vector<int>> child_in;
  std::vector<std::vector<int>> partner_in;
  // By index row: the family of the person and its spouse; -1 when the spouse link names nobody
  // of the family.
  std::vector<int> couple_of;
};

// Builds the families of every row of the index, which must give each person number to one row
// only. dates_married holds each row's date married.
ExportFamilies BuildExportFamilies(const FamilyIndex& index,
                                   const std::vector<QString>& dates_married);

// The date married that a reader takes from the person's couple family: that family's marriage
// date, or nothing without one.
QString DateMarriedOfFamilies(const ExportFamilies& families, int row);

}  // namespace kinvale
