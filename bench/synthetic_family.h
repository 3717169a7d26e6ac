// Synthetic families for benchmarks: N people over G generations with realistic links (couples,
// children of couples, full sibling groups, remarriages, cousin marriages that collapse the
// pedigree), written as record files like the program's own.
#pragma once

#include <QString>
#include <vector>

#include "session/session.h"
#include "store/family_index.h"
#include "store/prompter.h"

namespace kinvale::bench {

struct SyntheticFamilyOptions {
  int people = 9999;
  int generations = 30;
  unsigned seed = 1;
  bool full_records = true;  // every field filled; otherwise minimal records
};

struct SyntheticPerson {
  QString name;
  QString link;
  QString gender;
  int generation = 0;  // 0 is the oldest
};

// The people of a synthetic family, person numbers 0001 upwards in generation order. Names are
// distinct even ignoring case and spaces.
std::vector<SyntheticPerson> MakeSyntheticFamily(const SyntheticFamilyOptions& options);

// Writes one record file per person into the folder (created when missing).
void WriteSyntheticFamily(const QString& family_folder, const std::vector<SyntheticPerson>& people,
                          bool full_records);

// Writes the people with full records as the family "Big" of the application folder and loads
// it into the session.
void OpenSyntheticFamily(Session& session, Prompter& prompter, const QString& app_folder,
                         const std::vector<SyntheticPerson>& people);

// The family index rows of the people, in their order.
std::vector<IndexRow> SyntheticIndexRows(const std::vector<SyntheticPerson>& people);

}  // namespace kinvale::bench
