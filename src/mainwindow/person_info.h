// The read-only person information view: everything one person's record holds.
#pragma once

#include <QString>
#include <vector>

#include "store/record.h"

namespace kinvale {

struct Session;

struct PersonInfo {
  QString title;       // the person's name
  QString link;        // line 1, kept but not shown
  QString date_label;  // line 2, "N/A" when empty; the caption while line 2 was not read
  PersonDetails details;
};

// Fills the view from the record of the person at row. A missing record shows empty fields; a
// record that ends early shows the fields read before that point, and a line 4 without "#" shows as
// the prefix with nothing read after it. Notes and sources made of one empty line are not shown.
PersonInfo ShowPersonInfo(const Session& session, int row);

// A text block shown in a one-line field (the home page address): its lines joined by blanks.
QString OneLineText(const QString& block);

}  // namespace kinvale
