// What a GEDCOM import brought in and what the record format could not hold, for the import
// window and the command line to show after "Import Completed".
#pragma once

#include <QString>
#include <QStringList>
#include <map>

#include "gedcom/gedcom_charset.h"
#include "gedcom/gedcom_reader.h"

namespace kinvale {

inline const QString kReportIndividuals = QStringLiteral("Individuals imported: %1");
inline const QString kReportFamilies = QStringLiteral("Families linked: %1");
inline const QString kReportNotes = QStringLiteral("Notes imported: %1");
inline const QString kReportSources = QStringLiteral("Sources imported: %1");
inline const QString kReportCharset = QStringLiteral("Character set: %1");
inline const QString kReportFileNumbers =
    QStringLiteral("Person numbers: the file's own (@I12@ is 0012)");
inline const QString kReportOrderNumbers = QStringLiteral(
    "Person numbers: 0001 upwards in file order (the file's references are not "
    "all \"I\" and a number from 1 to 9999)");
inline const QString kReportRenamed = QStringLiteral("Stored under another name:");
inline const QString kReportStorable =
    QStringLiteral("Values changed so that the records read back in step: %1");
inline const QString kReportMissing = QStringLiteral(
    "References to families, individuals, notes or sources the file does not "
    "have: %1");
inline const QString kReportFurtherSpouses =
    QStringLiteral("People with more spouses than the link string holds (one is kept): %1");
inline const QString kReportMalformed =
    QStringLiteral("Lines that are not GEDCOM lines, skipped: %1");
inline const QString kReportMoved =
    QStringLiteral("The family as it was (%2 record files) moved, whole, to its folder \"%1\"");
inline const QString kReportKeptRecords =
    QStringLiteral("Individuals already in the family, not imported again: %1");
inline const QString kReportBadLines =
    QStringLiteral("Lines not valid in that character set, read as Windows-1252: %1 (lines %2)");
inline const QString kReportCleaned = QStringLiteral("Names changed by cleaning: %1");
inline const QString kReportCleanedExample = QStringLiteral("  \"%1\" as \"%2\"");
inline const QString kReportShortened =
    QStringLiteral("Names shortened to fit a file name (the full name is in the notes): %1");
inline const QString kReportRepeated = QStringLiteral(
    "Cross-references given to more than one record (references go to the first): %1");
inline const QString kReportRepeatedIndividual = QStringLiteral("  %1: %2 %3 (the first is %4)");
inline const QString kReportRepeatedRecord = QStringLiteral("  %1: a further %2 record");
inline const QString kReportGedcom7 = QStringLiteral("GEDCOM 7 constructs read:");
inline const QString kReportSkippedRecords = QStringLiteral("Records not brought in:");
inline const QString kReportSkippedTags =
    QStringLiteral("GEDCOM tags the record format does not hold, skipped:");
inline const QString kReportCount = QStringLiteral("  %1: %2");

// The GEDCOM 7 constructs the report counts.
inline const QString kIndividualWithoutXref =
    QStringLiteral("INDI records without a cross-reference");
inline const QString kVoidPointer = QStringLiteral("@VOID@ pointers (nobody)");
inline const QString kSharedNote = QStringLiteral("SNOTE shared notes");
inline const QString kSharedNoteReference = QStringLiteral("SNOTE references");
inline const QString kNoAssertion = QStringLiteral("NO lines (an event that did not happen)");

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
