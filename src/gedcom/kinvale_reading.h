// Reading back a file this program exported ("1 SOUR Kinvale" in its header) exactly: the
// person name, the link string and every field as the export wrote them, where the reading of
// other programs' files takes some tags into other fields ("1 RELI" as the religious name) and
// cleans names.
#pragma once

#include <QString>

#include "gedcom/gedcom_individual.h"
#include "gedcom/gedcom_notes.h"
#include "gedcom/gedcom_reader.h"
#include "gedcom/gedcom_relations.h"

namespace kinvale {

// True when the header's "1 SOUR" line names this program.
bool IsKinvaleGedcom(const GedcomFile& file);

// Fills the person from the INDI record that starts at that line, as the export wrote it, and
// collects the notes, sources and families it names. The link string comes from the "_LINK"
// line when that carries the person's own number (reading.exact_link), the date married from
// "_MARR" when there is one.
IndividualReading ReadKinvaleIndividual(const GedcomFile& file, int record,
                                        const QString& own_number, ImportedPerson* person,
                                        UsedLines* used);

// Looks up the families of a person whose link string was read exactly and, unless "_MARR"
// gave it, takes the date married from the spouse family the person shares with the spouse
// its link string names.
RelationGaps ReadKinvaleFamilies(FamilyTable& families, const IndividualReading& reading,
                                 ImportedPerson* person, UsedLines* used);

// Append a note's or a source's lines to the field as the record holds them, each followed by
// CR LF: the "1 NOTE" lines of a NOTE record, the "1 TEXT" lines of a SOUR record, or the text
// given in place.
TextImport ImportKinvaleNote(const GedcomFile& file, const PendingText& note, QString* notes,
                             UsedLines* used);
TextImport ImportKinvaleSource(const GedcomFile& file, const PendingText& source,
                               QString* sources_text, UsedLines* used);

}  // namespace kinvale
