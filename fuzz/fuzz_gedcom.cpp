// Fuzz target: any bytes as a GEDCOM file, imported into a family of a scratch application
// folder with every question answered OK. The import must not crash or hang, and every record
// it writes must read back whole and load into the family index.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "gedcom/gedcom_import.h"
#include "store/family_files.h"
#include "store/prompter.h"
#include "store/record_reader.h"

namespace {

class YesPrompter : public kinvale::Prompter {
 public:
  QString LineEntry(const QString&) override { return {}; }
  bool Confirm(const QString&, const QString&, kinvale::Risk) override { return true; }
  void Message(const QString&, const QString&, kinvale::MessageKind) override {}
  int ChooseOne(const QString&, const QString&, const QStringList&) override { return -1; }
  SaveAnswer AskToSave(const QString&, const QString&) override { return SaveAnswer::kSave; }
};

// Scratch space in memory when the system has it: the target writes many small files.
const QTemporaryDir& Scratch() {
  static const QTemporaryDir dir(QDir("/dev/shm").exists()
                                     ? "/dev/shm/kinvale-fuzz-XXXXXX"
                                     : QDir::tempPath() + "/kinvale-fuzz-XXXXXX");
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kinvale;
  const QString app = Scratch().path();
  const QString path = QDir(app).filePath("Fuzzed.ged");
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  YesPrompter prompter;
  const ImportResult result = ImportGedcom({app, path, false, QString()}, prompter);
  const QString family = QDir(app).filePath("Fuzzed");
  if (result.outcome == ImportOutcome::kCompleted) {
    const std::optional<QStringList> files = ListRecordFiles(family);
    if (!files) __builtin_trap();
    const LoadedIndex loaded = LoadIndexRows(family, *files);
    if (!loaded.unreadable.isEmpty() || !loaded.not_records.isEmpty()) __builtin_trap();
    for (const QString& file : *files) {
      if (ReadRecordFile(QDir(family).filePath(file)).stopped_before != RecordPart::kEnd) {
        __builtin_trap();
      }
    }
  }
  QDir(family).removeRecursively();
  return 0;
}
