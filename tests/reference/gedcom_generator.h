// GEDCOM files of the shape the first description of the import assumes: a header, then every
// individual ("@I<n>@" references with distinct n, only DATE and PLAC under events, notes by
// reference only), a submitter, the families, and note and source records whose text stands on
// CONT lines. For the reference comparison and the benchmarks.
#pragma once

#include <QByteArray>

namespace kinvale::reference {

struct GeneratedGedcomOptions {
  int individuals = 100;
  unsigned seed = 1;
  // When set, individual n is not "@I<n>@": the file's numbers are shuffled and have gaps.
  bool shuffled_numbers = true;
};

QByteArray GenerateGedcom(const GeneratedGedcomOptions& options);

}  // namespace kinvale::reference
