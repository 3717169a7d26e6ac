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
  QString PersonDetails::*text = nullptr;      // for lines and blocks
  QStringList PersonDetails::*list = nullptr;  // for lists
};

// Every detail field but the photo path, in tab order ("General" first, "Other" last). The
// gender selector has no caption of its own and is named "Gender", the sources box "Sources".
const std::vector<FieldInfo>& DetailFields();
// The field with that caption (compared ignoring case); nullptr when there is none.
const FieldInfo* FindDetailField(const QString& caption);

// A tab of the person windows: its title, and the fields of DetailFields() it holds, taken in
// order from first.
struct DetailTab {
  QString title;
  int first;
  int count;
};
// The six tabs, "General" to "Other", which together hold every field of DetailFields().
const std::vector<DetailTab>& DetailTabs();

// False for the two fields the windows show without a caption: the gender selector and the
// sources box (the tab's title names it).
bool ShowsCaption(const FieldInfo& field);

}  // namespace kinvale
