// The GEDCOM import end to end, record files written, flushed and put in place: a generated
// 3,000-individual file (about 550 KB) and a 9,999-individual file, the floor that writing and
// flushing as many files sets, the literal reference on the 3,000 file, and the peak memory of
// an import of the 9,999 file and of a 50 MB file of one line, each in a process of its own.
// The folders are made in $TMPDIR (run with TMPDIR=/dev/shm to take the disk out of the
// figures).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "gedcom/gedcom_import.h"
#include "gedcom/import_staging.h"
#include "reference/gedcom_generator.h"
#include "reference/literal_gedcom_import.h"
#include "store/prompter.h"

using namespace kinvale;

namespace {

constexpr const char* kPeakMemoryFlag = "--import-for-peak-memory";
// Writes the generated file of N individuals to FILE, for measuring other programs on it.
constexpr const char* kWriteGedcomFlag = "--write-gedcom";

class YesPrompter : public Prompter {
 public:
  QString LineEntry(const QString&) override { return {}; }
  bool Confirm(const QString&, const QString&, Risk) override { return true; }
  int ChooseOne(const QString&, const QString&, const QStringList&) override { return -1; }
  SaveAnswer AskToSave(const QString&, const QString&) override { return SaveAnswer::kDiscard; }
  void Message(const QString&, const QString&, MessageKind) override {}
};

// The generated file of that many individuals, written once into a folder that lives as long
// as the benchmark program.
QString GeneratedFile(int individuals) {
  static QTemporaryDir folder;
  static std::map<int, QString> files;
  auto found = files.find(individuals);
  if (found != files.end()) return found->second;
  const QString path = folder.filePath(QStringLiteral("generated%1.ged").arg(individuals));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) std::abort();
  file.write(reference::GenerateGedcom({individuals, 7, true}));
  return files.emplace(individuals, path).first->second;
}

bool Import(const QString& app_folder, const QString& gedcom) {
  YesPrompter prompter;
  return ImportGedcom({app_folder, gedcom, false, QString()}, prompter).outcome ==
         ImportOutcome::kCompleted;
}

// Each run imports into a folder of its own; the folders are removed only after the timed runs,
// because the file system slows down creating files right after many were deleted.
void BM_Import(benchmark::State& state) {
  const int individuals = static_cast<int>(state.range(0));
  const QString gedcom = GeneratedFile(individuals);
  std::vector<std::unique_ptr<QTemporaryDir>> app_folders;
  for (auto _ : state) {
    state.PauseTiming();
    app_folders.push_back(std::make_unique<QTemporaryDir>());
    state.ResumeTiming();
    if (!Import(app_folders.back()->path(), gedcom)) state.SkipWithError("import failed");
  }
  state.counters["file_KiB"] = static_cast<double>(QFileInfo(gedcom).size()) / 1024;
  state.counters["us_per_individual"] = benchmark::Counter(
      static_cast<double>(individuals) * 1e-6,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Import)->Arg(3000)->Arg(9999)->Iterations(5)->Unit(benchmark::kMillisecond);

// The floor the file system sets: as many record-sized files written into a staging folder,
// flushed and put in place as a family, as the import does, and nothing else.
void BM_WriteFilesOnly(benchmark::State& state) {
  const int files = static_cast<int>(state.range(0));
  const QByteArray record(400, 'x');
  std::vector<std::unique_ptr<QTemporaryDir>> folders;
  for (auto _ : state) {
    state.PauseTiming();
    folders.push_back(std::make_unique<QTemporaryDir>());
    state.ResumeTiming();
    QString error;
    auto staging = ImportStaging::Begin(folders.back()->path(), QStringLiteral("floor"), &error);
    for (int i = 0; staging && i < files; ++i) {
      const QString name = QStringLiteral("Person %1_%2.dat").arg(i).arg(i + 1, 4, 10, QChar(u'0'));
      if (!staging->WriteFile(name, record, &error)) state.SkipWithError("write failed");
    }
    QString replaced;
    if (!staging || !staging->Flush(&error) || !staging->ReplaceFamily(&replaced, &error)) {
      state.SkipWithError("staging failed");
    }
  }
}
BENCHMARK(BM_WriteFilesOnly)->Arg(3000)->Arg(9999)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_LiteralReference(benchmark::State& state) {
  const QString gedcom = GeneratedFile(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    auto app_folder = std::make_unique<QTemporaryDir>();
    state.ResumeTiming();
    benchmark::DoNotOptimize(reference::LiteralGedcomImport(app_folder->path(), gedcom));
    state.PauseTiming();
    app_folder.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LiteralReference)->Arg(3000)->Unit(benchmark::kSecond)->Iterations(1);

// The peak resident memory of a fresh process of this program, in MiB: the process reports its
// own high-water mark (VmHWM counts from its exec, where wait4's figure would include the pages
// of this process that the fork copied).
double PeakMemoryOfChild(const QString& gedcom, bool import) {
  QProcess child;
  child.start(QCoreApplication::applicationFilePath(),
              {QString::fromLatin1(kPeakMemoryFlag), import ? gedcom : QString()});
  if (!child.waitForFinished(-1) || child.exitCode() != 0) return -1;
  return child.readAllStandardOutput().trimmed().toDouble() / 1024;
}

// A file of one line (no line end): 50 MB of text after "0 HEAD ".
QString OneLineFile() {
  static QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("oneline.ged"));
  if (QFileInfo::exists(path)) return path;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) std::abort();
  file.write("0 HEAD ");
  file.write(QByteArray(50'000'000, 'A'));
  return path;
}

// Argument: the individuals of a generated file, or 0 for the one-line file.
void BM_PeakMemory(benchmark::State& state) {
  const QString gedcom =
      state.range(0) > 0 ? GeneratedFile(static_cast<int>(state.range(0))) : OneLineFile();
  double peak = 0;
  double baseline = 0;
  for (auto _ : state) {
    peak = PeakMemoryOfChild(gedcom, true);
    baseline = PeakMemoryOfChild(gedcom, false);
  }
  if (peak < 0 || baseline < 0) state.SkipWithError("the measuring process failed");
  const double file_mib = static_cast<double>(QFileInfo(gedcom).size()) / (1024 * 1024);
  state.counters["file_MiB"] = file_mib;
  state.counters["peak_MiB"] = peak;
  state.counters["without_import_MiB"] = baseline;
  state.counters["peak_per_file_size"] = peak / file_mib;
}
BENCHMARK(BM_PeakMemory)->Arg(9999)->Arg(0)->Iterations(1)->Unit(benchmark::kMillisecond);

// The process BM_PeakMemory measures: one import of the file given (none when it is empty),
// then its peak resident memory in KiB on stdout.
int ImportForPeakMemory(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc >= 3 && std::strlen(argv[2]) > 0) {
    QTemporaryDir app_folder;
    YesPrompter prompter;
    const ImportOutcome outcome =
        ImportGedcom({app_folder.path(), QFile::decodeName(argv[2]), false, QString()}, prompter)
            .outcome;
    if (outcome != ImportOutcome::kCompleted && outcome != ImportOutcome::kNothing) return 1;
  }
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmHWM:"))
      std::printf("%s\n", line.mid(6).trimmed().split(' ')[0].constData());
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], kPeakMemoryFlag) == 0) {
    return ImportForPeakMemory(argc, argv);
  }
  if (argc == 4 && std::strcmp(argv[1], kWriteGedcomFlag) == 0) {
    QFile file(QFile::decodeName(argv[3]));
    return file.open(QIODevice::WriteOnly) &&
                   file.write(reference::GenerateGedcom({std::atoi(argv[2]), 7, true})) > 0
               ? 0
               : 1;
  }
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
