#include "mainwindow/person_info.h"

#include "store/record_fields.h"
#include "store/record_reader.h"
#include "store/session.h"
#include "store/text_helpers.h"

namespace kinvale {

PersonInfo ShowPersonInfo(const Session& session, const QString& name) {
  PersonInfo info;
  info.title = name;
  info.date_label = kDateLastChangedCaption;
  const QString path = session.RecordPath(name);
  if (!FileExists(path)) return info;
  const RecordRead read = ReadRecordFile(path);
  info.link = read.record.link;
  if (read.Reached(RecordPart::kDateChanged)) {
    info.date_label = read.record.date_changed.isEmpty() ? kNoDate : read.record.date_changed;
  }
  info.details = read.record.details;
  info.details.photo_path.clear();  // not shown
  for (QString* block : {&info.details.notes, &info.details.sources}) {
    if (*block == kLineBreak) block->clear();
  }
  return info;
}

}  // namespace kinvale
