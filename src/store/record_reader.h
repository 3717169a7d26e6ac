// Reading a person record field by field in file order. Reading stops at the first failure (the
// file ends early, line 4 has no "#", the file cannot be opened) and keeps what it read so far.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "store/record.h"

namespace kinvale {

// The parts of a record in reading order; a read result says which part it stopped before.
enum class RecordPart {
  kLink,
  kDateChanged,
  kSsn,
  kPrefixSuffix,
  kDateMarried,
  kReligiousName,
  kPhoto,
  kBirthDate,
  kBirthPlace,
  kDeathDate,
  kDeathPlace,
  kBurial,
  kGender,
  kOccupations,
  kResidential,
  kBusiness,
  kHomepage,
  kEmail,
  kElementary,
  kIntermediate,
  kHigh,
  kUniversities,
  kEmployers,
  kReligion,
  kNotes,
  kSources,
  kImmigrationDate,
  kImmigrationPlace,
  kEnd,  // everything was read
};

struct RecordRead {
  bool opened = false;
  PersonRecord record;
  RecordPart stopped_before = RecordPart::kLink;  // kEnd when the whole record was read

  bool Reached(RecordPart part) const { return stopped_before > part; }
};

// Parses the lines of a record.
RecordRead ParseRecordLines(const QStringList& lines);
// True when read holds every value of the record's lines: it was read up to its sources, or no
// line after the date line holds a value (a minimal record that stops early).
bool HoldsEveryValue(const RecordRead& read, const QStringList& lines);
// Reads and parses a record file; opened is false when it cannot be read.
RecordRead ReadRecordFile(const QString& path);

// Line 7, the photo path, of a record; nullopt when the file has fewer than seven lines or
// cannot be read.
std::optional<QString> ReadPhotoLine(const QString& path);
// The gender as a quick reader finds it: the line after the first "***" line; "" when the file
// is missing or ends first.
QString ReadGenderLine(const QString& path);
// The line after the first "***" line at or after index from; "" when there is none.
QString GenderFromLines(const QStringList& lines, qsizetype from = 0);

}  // namespace kinvale
