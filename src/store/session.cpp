#include "store/session.h"

#include <QDir>
#include <QFileInfo>

#include "store/app_folder.h"
#include "store/family_files.h"
#include "store/prompter.h"
#include "store/record.h"

namespace kinvale {

QString Session::FamilyPath() const { return FamilyFolderPath(app_folder, family); }

QString Session::FamilyFilePath(const QString& file_name) const {
  return QDir(FamilyPath()).filePath(file_name);
}

QString Session::RecordPath(const QString& name) const {
  return FamilyFilePath(RecordFileName(name, index.NumberOfName(name)));
}

QString Session::NextPersonNumber() const {
  return kinvale::NextPersonNumber(index, highest_file_number);
}

void NoteRecordLine1(Session& session, const QString& path, const QString& link) {
  const QFileInfo file(path);
  if (QFileInfo(session.FamilyPath()) != QFileInfo(file.path())) return;
  session.record_line1.insert(file.fileName(), link);
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
