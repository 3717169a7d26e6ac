// What a GEDCOM import brought in and what the record format could not hold, for the import
// window and the command line to show after "Import Completed".
#pragma once

#include <QString>
#include <QStringList>
#include <map>

#include "gedcom/gedcom_charset.h"
#include "gedcom/gedcom_reader.h"

namespace kinvale {

// The most examples of cleaned names the report shows.
constexpr int kCleanedExamples = 5;

struct ImportReport {
  GedcomCharset charset = GedcomCharset::kUtf8;
  std::vector<int> bad_lines;  // the first few
  int bad_line_count = 0;
  bool file_numbers = false;
  int kept_individuals = 0;  // Resume: already in the family
  int individuals = 0;
  int families = 0;
  int notes = 0;
  int sources = 0;
  QStringList renamed;  // one sentence per person stored under another name
  int names_cleaned = 0;
  QStringList cleaned_examples;  // the first few, each as kReportCleanedExample
  int names_shortened = 0;
  QStringList repeated_xrefs;  // one line per record whose cross-reference was taken already
  int values_made_storable = 0;
  int missing_references = 0;
  int further_spouses = 0;
  int malformed_lines = 0;
  QString replaced_folder;  // the family as it was, inside the new one
  int replaced_records = 0;
  std::map<QString, int> skipped_records;  // by record tag
  std::map<QString, int> skipped_tags;     // by tag path, e.g. "INDI.BIRT.TYPE"
  std::map<QString, int> gedcom7;          // by construct
};

// Counts the GEDCOM 7 constructs of the file: individuals without a cross-reference, @VOID@
// pointers, shared notes and their references, NO lines.
void CountGedcom7Constructs(const GedcomFile& file, ImportReport* report);

// Counts what was not used: every record that was not read (a kind the import does not read,
// or one nothing referred to) by its tag, and in the records that were read the topmost unused
// line of each unused structure by its tag path. The header, the trailer and individuals that
// were not read (those Resume passes over) are not counted.
void CountSkippedLines(const GedcomFile& file, const UsedLines& used, ImportReport* report);

// The report as lines of text.
QStringList ImportReportLines(const ImportReport& report);

}  // namespace kinvale
