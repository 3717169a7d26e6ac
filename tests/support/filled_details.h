// A person whose every detail field holds a value naming that field, for the record tests.
#pragma once

#include <QStringList>

#include "store/record.h"
#include "store/record_fields.h"

namespace kinvale::testing {

inline const QString kFilledPhoto = QStringLiteral("/photos/0001001_a.pic");

// A line holds the field's caption, a block two lines and a list two entries, so a field read in
// the place of another, or cut short, shows. The gender is one the lists offer.
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
  d.gender = QStringLiteral("Female");
  d.photo_path = kFilledPhoto;
  return d;
}

}  // namespace kinvale::testing
