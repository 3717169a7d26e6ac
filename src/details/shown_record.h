// Reading one person's record for the windows that show it (the details editor and the
// information view), so that both show a record alike, whole or cut short.
#pragma once

#include <QString>
#include <optional>

#include "store/record.h"

namespace kinvale {

// How far a record was read.
enum class RecordLoad {
  kNoRecord,  // there is no record file
  kComplete,  // every value of the record was read
  kPartial,   // the record ended early or could not be read: some values were not read
};

struct ShownRecord {
  RecordLoad load = RecordLoad::kNoRecord;
  std::optional<QString> link;        // line 1, when read
  std::optional<QString> date_label;  // line 2, "N/A" when empty, when read
  std::optional<QString> photo_line;  // line 7, whenever the record has one, even past a stop
  PersonDetails details;              // the values read, photo_path empty
};

// Reads the record at path in file order up to its end or its first fault. A line 4 without "#"
// is the prefix, with nothing read after it; notes and sources of one empty line are empty.
ShownRecord LoadShownRecord(const QString& path);

}  // namespace kinvale
