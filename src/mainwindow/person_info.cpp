#include "mainwindow/person_info.h"

#include "details/shown_record.h"
#include "session/session.h"

namespace kinvale {

PersonInfo ShowPersonInfo(const Session& session, int row) {
  PersonInfo info;
  if (row < 0) return info;
  info.title = session.index.row(row).name;
  ShownRecord shown = LoadShownRecord(session.RecordPathOfRow(row));
  info.link = shown.link.value_or(QString());
  info.date_label = shown.date_label.value_or(QString());
  info.details = std::move(shown.details);
  return info;
}

}  // namespace kinvale
