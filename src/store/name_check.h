// The one check that a person's name can be stored as a record file name and loaded back.
#pragma once

#include <QString>

namespace kinvale {

// A name as it is stored when a person is created or renamed: in composed form (NFC), so that
// names that look the same are the same text.
QString NormalizedName(const QString& typed);

// Why the name cannot be stored, as a message for the user; empty when it can. A name is refused
// when it is empty once spaces are removed, shows nothing (HasVisibleCharacter), holds a path
// separator, a character Windows forbids in file names or a control character, contains "copy"
// in any letter case (such files are taken for backup copies and never load), or makes a record
// file name longer than file systems allow.
QString NameProblem(const QString& name);

}  // namespace kinvale
