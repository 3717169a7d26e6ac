// The detail fields of a record by their window captions, in the tab order of the person
// windows, so that the command line, value checks and reports name fields as the user sees them.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "store/record.h"
#include "store/store_texts.h"  // kDateLastChangedCaption, shown beside the fields

namespace kinvale {

enum class FieldKind { kLine, kBlock, kList };

struct FieldInfo {
  QString caption;
  FieldKind kind;
  int tab;                                     // its tab in DetailTabTitles()
  QString PersonDetails::*text = nullptr;      // for lines and blocks
  QStringList PersonDetails::*list = nullptr;  // for lists
};

// Every detail field but the photo path, in tab order ("General" first, "Other" last).
const std::vector<FieldInfo>& DetailFields();
// The field with that caption (compared ignoring case); nullptr when there is none.
const FieldInfo* FindDetailField(const QString& caption);

// The titles of the six tabs of the person windows, "General" to "Other".
const QStringList& DetailTabTitles();

}  // namespace kinvale
