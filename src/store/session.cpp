#include "store/session.h"

#include <QDir>
#include <QFileInfo>

#include "store/app_folder.h"
#include "store/family_files.h"
#include "store/link_string.h"
#include "store/prompter.h"
#include "store/record.h"

namespace kinvale {

QString Session::FamilyPath() const { return FamilyFolderPath(app_folder, family); }

QString Session::FamilyFilePath(const QString& file_name) const {
  return QDir(FamilyPath()).filePath(file_name);
}

QString Session::RecordPathOfRow(int row) const {
  const IndexRow& r = index.row(row);
  return FamilyFilePath(RecordFileName(r.name, OwnNumber(r.link).toString()));
}

QString Session::NextPersonNumber() const {
  return kinvale::NextPersonNumber(index, highest_file_number);
}

bool ApplyFamilyChange(Session& session, const FamilyChange& change, QString* error) {
  const bool applied = ApplyChange(session.FamilyPath(), change, error);
  for (const FileChange& file : change.files) {
    if (!applied || !file.contents) {
      session.record_line1.remove(file.file_name);
      continue;
    }
    if (!file.file_name.endsWith(kRecordSuffix, Qt::CaseInsensitive)) continue;
    const QByteArray& bytes = *file.contents;
    qsizetype end = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    const qsizetype start = end;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    session.record_line1.insert(file.file_name,
                                QString::fromUtf8(bytes.sliced(start, end - start)));
  }
  return applied;
}

void BuildFamilyFileList(Session& session, Prompter& prompter) {
  const std::optional<QStringList> files =
      session.HasFamily() ? ListRecordFiles(session.FamilyPath()) : QStringList();
  session.family_files = files.value_or(QStringList());
  session.highest_file_number = HighestFileNumber(session.family_files);
  if (!files) prompter.Message(kFamilyListError, kApplicationTitle);
}

void LoadFamilyIndex(Session& session, Prompter& prompter) {
  BuildFamilyFileList(session, prompter);
  LoadedIndex loaded = LoadIndexRows(session.FamilyPath(), session.family_files);
  session.record_line1.clear();
  for (qsizetype i = 0; i < loaded.row_files.size(); ++i) {
    session.record_line1.insert(loaded.row_files[i], loaded.rows[i].link);
  }
  session.index.Assign(std::move(loaded.rows));
  const QString problem = LoadProblemsMessage(loaded);
  if (!problem.isEmpty()) prompter.Message(problem, kApplicationTitle);
}

}  // namespace kinvale
