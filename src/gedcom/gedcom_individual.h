// Reading one individual of a GEDCOM file into the import's person fields, and writing the
// finished individual as a person record.
#pragma once

#include <QString>
#include <QStringView>
#include <vector>

#include "gedcom/gedcom_notes.h"
#include "gedcom/gedcom_reader.h"
#include "store/record.h"

namespace kinvale {

// The individual being imported: the person fields of the import window and its own boxes.
struct ImportedPerson {
  QString name;               // the name box: the record's file name
  QString link;               // the link-string box
  QString alternate_name;     // appended to "Notes:" when not blank
  QString date_last_changed;  // shown while the individual is read; never written
  PersonDetails details;
};

// What an individual's record names besides its fields.
struct IndividualReading {
  bool has_name = false;
  QString gedcom_name;      // the value of the NAME line that gave the name (the first one)
  QStringList other_names;  // the values of the NAME lines after it
  std::vector<PendingText> notes;
  std::vector<PendingText> sources;
  std::vector<QStringView> spouse_families;  // "1 FAMS" references, in file order
  std::vector<QStringView> child_families;   // "1 FAMC" references, in file order
  // A file this program exported gives the link string itself, and the date married where
  // the person's couple family does not.
  bool exact_link = false;
  bool date_married_given = false;
};

// Fills the person's fields from the lines of the INDI record that starts at that line and
// collects what it names; every line taken is marked used. The fields the record does not set
// keep what they hold.
IndividualReading ReadIndividual(const GedcomFile& file, int record, ImportedPerson* person,
                                 UsedLines* used);

// Empties every detail field for the next individual; the name, link string, alternate name and
// the date last changed are left as they are.
void ClearPersonFields(ImportedPerson* person);

}  // namespace kinvale
