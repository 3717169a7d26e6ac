#include "details/record_rename.h"

#include <QFile>
#include <QFileInfo>

#include "details/details_texts.h"
#include "session/session.h"
#include "store/record.h"

namespace kinvale {

bool RenameRecordFile(Session& session, const QString& number, const QString& old_name,
                      const QString& new_name, QString* error) {
  const QString old_file = RecordFileName(old_name, number);
  const QString new_file = RecordFileName(new_name, number);
  const QString old_path = session.FamilyFilePath(old_file);
  if (!QFileInfo(old_path).isFile()) return true;
  QFile record(old_path);
  if (!record.open(QIODevice::ReadOnly)) {
    *error = record.errorString();
    return false;
  }
  FamilyChange change{RenameStepName(old_name, new_name), {}};
  change.Write(new_file, record.readAll());
  if (old_file != new_file) change.Remove(old_file);
  return ApplyFamilyChange(session, change, error);
}

}  // namespace kinvale
