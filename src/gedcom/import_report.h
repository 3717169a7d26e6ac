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
    QStringLiteral("Earlier record files of the family moved to the folder \"%1\": %2");
inline const QString kReportSkippedRecords = QStringLiteral("Records not brought in:");
inline const QString kReportSkippedTags =
    QStringLiteral("GEDCOM tags the record format does not hold, skipped:");
inline const QString kReportCount = QStringLiteral("  %1: %2");

struct ImportReport {
  GedcomCharset charset = GedcomCharset::kUtf8;
  bool file_numbers = false;
  int individuals = 0;
  int families = 0;
  int notes = 0;
  int sources = 0;
  QStringList renamed;  // one sentence per person stored under another name
  int values_made_storable = 0;
  int missing_references = 0;
  int further_spouses = 0;
  int malformed_lines = 0;
  QString moved_to_folder;
  int moved_files = 0;
  std::map<QString, int> skipped_records;  // by record tag
  std::map<QString, int> skipped_tags;     // by tag path, e.g. "INDI.BIRT.TYPE"
};

// Counts what was not used: every record that was not read (a kind the import does not read,
// or one nothing referred to) by its tag, and in the records that were read the topmost unused
// line of each unused structure by its tag path. The header, the trailer and individuals that
// were not read (those Resume passes over) are not counted.
void CountSkippedLines(const GedcomFile& file, const UsedLines& used, ImportReport* report);

// The report as lines of text.
QStringList ImportReportLines(const ImportReport& report);

}  // namespace kinvale
