// Writing person records: the full layout, the minimal record that family editing creates, and
// the checks that keep every value readable in step.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "store/record.h"
#include "store/store_texts.h"  // kPhotoPathLineBreakMessage

namespace kinvale {

// The full record: every line ends in CR LF. A text block is written line by line; a final line
// break of the block is not written again, so a block reads back exactly as it was.
QByteArray FormatFullRecord(const QString& link, const QString& date_changed,
                            const PersonDetails& details);
// The 31-line record for a person known only by name.
QByteArray FormatMinimalRecord(const QString& link);

// Today's date as the record's date-last-changed line (ISO 8601, e.g. 2026-12-06).
QString TodayForRecord();

// True when a photo path holds a line break (CR or LF): the photo line cannot hold it.
bool PhotoPathHasLineBreak(const QString& path);

// The record at path rewritten whole with photo as its photo line (its own line when photo is
// nullopt) and today's date, every other value as it was. Nullopt when the record cannot be
// read to its end, as the values not read would be lost, and for a photo path with a line break.
std::optional<QByteArray> RecordWithPhotoLine(const QString& path,
                                              const std::optional<QString>& photo);

// The first field whose value the record format cannot hold (a line beginning with "***", or
// a line break in a one-line field), as a message naming it; empty when all can be stored.
QString UnstorableValueProblem(const PersonDetails& details);
// Makes every value storable: line breaks in one-line fields become blanks, and a value line
// beginning with "***" gets a leading blank. Gives the number of values changed.
int MakeValuesStorable(PersonDetails* details);

// The lines of a text block as written: one line per line of the text, one empty line when the
// text is empty.
QStringList BlockLines(const QString& block);

}  // namespace kinvale
