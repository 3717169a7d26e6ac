// The records of a GEDCOM export: a person's individual record, the submitter, a family, and a
// person's note and source records, written from the family index and the person records.
#pragma once

#include <QString>

#include "gedcom/export_families.h"
#include "gedcom/gedcom_writer.h"
#include "store/family_index.h"
#include "store/record.h"

namespace kinvale {

// The person number of an index row as a number, which its individual, note and source
// records carry: 12 for 0012.
int ExportNumberOfRow(const FamilyIndex& index, int row);

void WriteIndividualRecord(GedcomWriter& out, const FamilyIndex& index, int row,
                           const PersonRecord& record, const ExportFamilies& families);
// "0 @U1@ SUBM": the first line of the contact information as its NAME, the further lines as
// its ADDR; the family's name as its NAME when the contact information holds nothing but
// blanks, since GEDCOM requires a submitter's NAME.
void WriteSubmitterRecord(GedcomWriter& out, const QString& contact, const QString& family);
// True when the contact information has a line of text for the submitter's NAME.
bool ContactGivesSubmitterName(const QString& contact);
void WriteFamilyRecord(GedcomWriter& out, const FamilyIndex& index, const ExportFamilies& families,
                       int family);
// The person's notes as "0 @N<n>@ NOTE" with the first line on "1 CONC" lines and the others
// on "1 CONT" lines, as GEDCOM readers take a note's text; nothing for no notes.
void WriteNoteRecord(GedcomWriter& out, int number, const PersonDetails& details);
// The person's sources as "0 @S<n>@ SOUR" and "1 TEXT" with "2 CONT" lines; nothing for no
// sources.
void WriteSourceRecord(GedcomWriter& out, int number, const PersonDetails& details);

}  // namespace kinvale
