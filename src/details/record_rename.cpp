#include "details/record_rename.h"

#include <QFileInfo>

#include "store/atomic_file.h"
#include "store/record.h"
#include "store/session.h"

namespace kinvale {

bool RenameRecordFile(Session& session, const QString& number, const QString& old_name,
                      const QString& new_name, QString* error) {
  const QString old_file = RecordFileName(old_name, number);
  const QString new_file = RecordFileName(new_name, number);
  const QString old_path = session.FamilyFilePath(old_file);
  const QString new_path = session.FamilyFilePath(new_file);
  if (!QFileInfo::exists(old_path)) return true;
  if (!MoveFileAtomically(old_path, new_path, error)) return false;
  const bool known = session.record_line1.contains(old_file);
  const QString line1 = session.record_line1.take(old_file);
  if (known) {
    NoteRecordLine1(session, new_path, line1);
  } else {
    // Whatever was known of the file replaced at the new name is gone with it.
    session.record_line1.remove(new_file);
  }
  return true;
}

}  // namespace kinvale
