// A literal transcription of the GEDCOM import as first described: one reading loop over the
// file's lines with the line checks in their fixed order and their read-aheads, and for every
// note, source and individual a copy of the file to the scratch file "GEDCOMtemp.txt" that is
// scanned from its start. Slow on purpose; an oracle for files of the shape it assumes
// (individuals first, "@I<n>@" references, only DATE and PLAC under events).
#pragma once

#include <QString>

namespace kinvale::reference {

// Imports the file into the family named after it (the file name up to its first "." or "_")
// under the application folder, answering every question OK. Gives the records written.
int LiteralGedcomImport(const QString& app_folder, const QString& gedcom_path);

}  // namespace kinvale::reference
