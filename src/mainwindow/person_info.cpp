#include "mainwindow/person_info.h"

#include "session/session.h"
#include "store/record_fields.h"
#include "store/record_reader.h"
#include "store/text_codec.h"
#include "store/text_helpers.h"

namespace kinvale {

namespace {

constexpr qsizetype kPrefixSuffixLine = 3;  // line 4, 0-based

}  // namespace

PersonInfo ShowPersonInfo(const Session& session, int row) {
  PersonInfo info;
  info.date_label = kDateLastChangedCaption;
  if (row < 0) return info;
  info.title = session.index.row(row).name;
  const QString path = session.RecordPathOfRow(row);
  if (!FileExists(path)) return info;
  const std::optional<QStringList> lines = ReadTextLines(path);
  if (!lines) return info;
  const RecordRead read = ParseRecordLines(*lines);
  info.link = read.record.link;
  if (read.Reached(RecordPart::kDateChanged)) {
    info.date_label = read.record.date_changed.isEmpty() ? kNoDate : read.record.date_changed;
  }
  info.details = read.record.details;
  // Splitting a line 4 without "#" gives its whole text as the prefix and no suffix; the reading
  // ends there, as it does for every reader that splits line 4.
  if (read.stopped_before == RecordPart::kPrefixSuffix && lines->size() > kPrefixSuffixLine) {
    info.details.prefix = lines->at(kPrefixSuffixLine);
  }
  info.details.photo_path.clear();  // not shown
  for (QString* block : {&info.details.notes, &info.details.sources}) {
    if (*block == kLineBreak) block->clear();
  }
  return info;
}

QString OneLineText(const QString& block) { return SplitLines(block).join(u' '); }

}  // namespace kinvale
