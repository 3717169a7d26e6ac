// The read-only person information view: everything one person's record holds.
#pragma once

#include <QString>

#include "store/record.h"

namespace kinvale {

struct Session;

struct PersonInfo {
  QString title;       // the person's name
  QString link;        // line 1, kept but not shown
  QString date_label;  // line 2, "N/A" when empty; the caption while line 2 was not read
  PersonDetails details;
};

// Fills the view from the person's record. A missing record shows empty fields; a record that
// ends early, or whose line 4 has no "#", shows the fields read before that point. Notes and
// sources made of one empty line are not shown.
PersonInfo ShowPersonInfo(const Session& session, const QString& name);

}  // namespace kinvale
