// Carrying the family index's link strings into the record files: line 1 of every record made
// equal to its row's link string, every other byte kept, and a minimal record for a person who
// has none.
#pragma once

#include <QByteArray>
#include <QString>

namespace kinvale {

struct LoadedFamily;
class Prompter;

// The record's bytes with line 1 replaced by link. Every other byte stays as it was, the line
// end of line 1 and a leading byte order mark included; a record without any line end gets
// CR LF after the link.
QByteArray WithFirstLine(const QByteArray& record, const QString& link);

// Makes line 1 of every row's record (name, "_", own number, ".dat") equal to the row's link
// string, creating the missing records as minimal records; a deleted family folder is created
// again. The records whose line 1 differs are written as one step of the family's history named
// step_name, all or none, and the family folder holds no "*.tmp" file afterwards. Records that
// cannot be read or written keep their contents and are named in one message. True when every
// record is up to date.
bool SaveLinkStrings(LoadedFamily& family, Prompter& prompter, const QString& step_name);

}  // namespace kinvale
