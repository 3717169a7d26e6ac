#include "store/loaded_family.h"

#include <QDir>
#include <QFileInfo>

#include "store/app_folder.h"
#include "store/family_files.h"
#include "store/link_string.h"
#include "store/prompter.h"
#include "store/record.h"
#include "store/shared_texts.h"
#include "store/text_codec.h"

namespace kinvale {

QString LoadedFamily::FamilyPath() const { return FamilyFolderPath(app_folder, family); }

QString LoadedFamily::FamilyFilePath(const QString& file_name) const {
  return QDir(FamilyPath()).filePath(file_name);
}

QString LoadedFamily::RecordPathOfRow(int row) const {
  const IndexRow& r = index.row(row);
  return FamilyFilePath(RecordFileName(r.name, OwnNumber(r.link).toString()));
}

QString LoadedFamily::NextPersonNumber() const {
  return kinvale::NextPersonNumber(index, highest_file_number);
}

bool ApplyFamilyChange(LoadedFamily& family, const FamilyChange& change, QString* error) {
  const bool applied = ApplyChange(family.FamilyPath(), change, error);
  for (const FileChange& file : change.files) {
    if (!applied || !file.contents) {
      family.record_line1.remove(file.file_name);
      continue;
    }
    if (!file.file_name.endsWith(kRecordSuffix, Qt::CaseInsensitive)) continue;
    // Line 1 read as loading reads it: a byte order mark skipped, Windows-1252 understood.
    const QByteArray& bytes = *file.contents;
    qsizetype end = 0;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    family.record_line1.insert(file.file_name, DecodeText(bytes.first(end)));
  }
  return applied;
}

void BuildFamilyFileList(LoadedFamily& family, Prompter& prompter) {
  const std::optional<QStringList> files =
      family.HasFamily() ? ListRecordFiles(family.FamilyPath()) : QStringList();
  family.family_files = files.value_or(QStringList());
  family.highest_file_number = HighestFileNumber(family.family_files);
  if (!files) prompter.Message(kFamilyListError, kApplicationTitle, MessageKind::kError);
}

void LoadFamilyIndex(LoadedFamily& family, Prompter& prompter) {
  BuildFamilyFileList(family, prompter);
  LoadedIndex loaded = LoadIndexRows(family.FamilyPath(), family.family_files);
  family.record_line1.clear();
  for (qsizetype i = 0; i < loaded.row_files.size(); ++i) {
    family.record_line1.insert(loaded.row_files[i], loaded.rows[i].link);
  }
  family.index.Assign(std::move(loaded.rows));
  const QString problem = LoadProblemsMessage(loaded);
  if (!problem.isEmpty()) prompter.Message(problem, kApplicationTitle, MessageKind::kError);
}

}  // namespace kinvale
