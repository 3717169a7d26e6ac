// The read-only person information view: everything one person's record holds.
#pragma once

#include <QString>

#include "store/record.h"

namespace kinvale {

struct Session;

struct PersonInfo {
  QString date_label;     // line 2, "N/A" when empty; empty while line 2 was not read
  PersonDetails details;  // photo_path empty: not shown
};

// Fills the view from the record of the person at row (LoadShownRecord): a missing record shows
// empty fields, a record that ends early the fields read before that point.
PersonInfo ShowPersonInfo(const Session& session, int row);

}  // namespace kinvale
