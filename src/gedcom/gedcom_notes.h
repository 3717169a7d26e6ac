// The notes and sources of an individual: references to NOTE and SOUR records, looked up in the
// file's index, and text given in place; each is appended to "Notes:" or to the sources.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "gedcom/gedcom_reader.h"

namespace kinvale {

// A note or source an individual names: a reference to a record ("@N12@"), or text of its own.
struct PendingText {
  QString reference;  // empty for text given in place
  QStringList text;   // the text given in place
};

// Adds a source at the end of the list unless an equal one (blanks ignored) is there already.
void AddPendingSource(std::vector<PendingText>* sources, PendingText source);
// The pending note or source of a NOTE or SOUR line: its reference, or its text with its
// continuation lines (marked used).
PendingText PendingTextOf(const GedcomFile& file, int line, UsedLines* used);

// Adds every source the record cites, at any level, in file order, to the pending sources.
void CollectSourceCitations(const GedcomFile& file, int record, std::vector<PendingText>* sources,
                            UsedLines* used);

// Appends a text to a field: a line break, then the lines.
void AppendText(QString* field, const QStringList& lines);

// What one look-up brought in: the record it read (-1 for text given in place or a reference
// that names no record), and whether anything was appended.
struct TextImport {
  int record = -1;
  bool found = false;
};

// Appends the note to *notes: a NOTE record's text (its header line's text, its CONT and CONC
// lines and any further text lines), or the note's own text. The sources a note record cites
// join the pending sources.
TextImport ImportNote(const GedcomFile& file, const PendingText& note, QString* notes,
                      std::vector<PendingText>* sources, UsedLines* used);
// Appends the source to *sources_text: the values of a SOUR record's lines, one line each with
// CONT and CONC read as GEDCOM says, or the source's own text.
TextImport ImportSource(const GedcomFile& file, const PendingText& source, QString* sources_text,
                        UsedLines* used);

}  // namespace kinvale
