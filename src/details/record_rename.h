// Moving a person's record file to the file of a new name when the person is renamed.
#pragma once

#include <QString>

namespace kinvale {

struct Session;

// Renames the record file of the person numbered number from old_name's file to new_name's,
// replacing a file of the new name, as one step of the family's history. A person without a
// record file has nothing to move. False with error set when the file could not be renamed;
// nothing has changed then.
bool RenameRecordFile(Session& session, const QString& number, const QString& old_name,
                      const QString& new_name, QString* error);

}  // namespace kinvale
