#include "mainwindow/person_info.h"

#include "details/shown_record.h"
#include "session/session.h"

namespace kinvale {

PersonInfo ShowPersonInfo(const Session& session, int row) {
  PersonInfo info;
  if (row < 0) return info;
  ShownRecord shown = LoadShownRecord(session.RecordPathOfRow(row));
  info.date_label = shown.date_label.value_or(QString());
  info.details = std::move(shown.details);
  return info;
}

}  // namespace kinvale
