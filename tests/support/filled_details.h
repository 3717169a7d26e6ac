// A person whose every detail field holds a value naming that field, for the record tests.
#pragma once

#include <QStringList>

#include "store/record.h"
#include "store/record_fields.h"

namespace kinvale::testing {

// A line holds the field's caption, a block two lines and a list two entries, so a field read in
// the place of another, or cut short, shows.
inline PersonDetails EveryFieldFilled() {
  PersonDetails d;
  for (const FieldInfo& f : DetailFields()) {
    const QString second = f.caption + QStringLiteral(" 2");
    if (f.kind == FieldKind::kList) {
      d.*f.list = QStringList{f.caption, second};
    } else {
      d.*f.text = f.kind == FieldKind::kLine ? f.caption : f.caption + "\r\n" + second + "\r\n";
    }
  }
  d.photo_path = QStringLiteral("/photos/0001001_a.pic");
  return d;
}

}  // namespace kinvale::testing
