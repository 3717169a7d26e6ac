#include "details/shown_record.h"

#include "store/record_reader.h"
#include "store/text_codec.h"
#include "store/text_helpers.h"

namespace kinvale {

namespace {

constexpr qsizetype kPrefixSuffixLine = 3;  // line 4, counted from 0
constexpr qsizetype kPhotoLine = 6;         // line 7

}  // namespace

ShownRecord LoadShownRecord(const QString& path) {
  ShownRecord shown;
  if (!FileExists(path)) return shown;
  shown.load = RecordLoad::kPartial;
  const std::optional<QStringList> lines = ReadTextLines(path);
  if (!lines) return shown;
  const RecordRead read = ParseRecordLines(*lines);
  if (read.Reached(RecordPart::kLink)) shown.link = read.record.link;
  if (read.Reached(RecordPart::kDateChanged)) {
    shown.date_label = read.record.date_changed.isEmpty() ? kNoDate : read.record.date_changed;
  }
  // The photo line is taken whenever the record has one, so that a record that stops early (a
  // minimal one) never leaves another person's photo current.
  if (lines->size() > kPhotoLine) shown.photo_line = lines->at(kPhotoLine);
  shown.details = read.record.details;
  shown.details.photo_path.clear();
  // Splitting a line 4 without "#" gives its whole text as the prefix; the reading ends there.
  if (read.stopped_before == RecordPart::kPrefixSuffix && lines->size() > kPrefixSuffixLine) {
    shown.details.prefix = lines->at(kPrefixSuffixLine);
  }
  for (QString* block : {&shown.details.notes, &shown.details.sources}) {
    if (*block == kLineBreak) block->clear();
  }
  shown.load = HoldsEveryValue(read, *lines) ? RecordLoad::kComplete : RecordLoad::kPartial;
  return shown;
}

}  // namespace kinvale
