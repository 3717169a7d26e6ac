// The GEDCOM import end to end, record files written and flushed: a generated 3,000-individual
// file (about 550 KB) and a 9,999-individual file, the floor that writing as many files sets,
// the literal reference on the 3,000 file, and the peak memory of an import of the 9,999 file
// in a process of its own. The folders are made in $TMPDIR (run with TMPDIR=/dev/shm to take
// the disk out of the figures).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "gedcom/gedcom_import.h"
#include "reference/gedcom_generator.h"
#include "reference/literal_gedcom_import.h"
#include "store/atomic_file.h"
#include "store/prompter.h"

using namespace kinvale;

namespace {

constexpr const char* kPeakMemoryFlag = "--import-for-peak-memory";

class YesPrompter : public Prompter {
 public:
  QString LineEntry(const QString&) override { return {}; }
  bool Confirm(const QString&, const QString&) override { return true; }
  void Message(const QString&, const QString&) override {}
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

// The floor the file system sets: the same number of record-sized files written atomically
// (temporary file, rename) and flushed, and nothing else.
void BM_WriteFilesOnly(benchmark::State& state) {
  const int files = static_cast<int>(state.range(0));
  const QByteArray record(400, 'x');
  std::vector<std::unique_ptr<QTemporaryDir>> folders;
  for (auto _ : state) {
    state.PauseTiming();
    folders.push_back(std::make_unique<QTemporaryDir>());
    const QDir folder(folders.back()->path());
    state.ResumeTiming();
    QStringList names;
    for (int i = 0; i < files; ++i) {
      names.append(QStringLiteral("Person %1_%2.dat").arg(i).arg(i + 1, 4, 10, QChar(u'0')));
      if (!WriteFileAtomically(folder.filePath(names.back()), record, nullptr,
                               Durability::kBuffered)) {
        state.SkipWithError("write failed");
      }
    }
    if (!SyncFilesToDisk(folder.path(), names, nullptr)) state.SkipWithError("sync failed");
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

// The peak resident memory of a fresh process of this program, as wait4 reports it, in MiB.
double PeakMemoryOfChild(const QString& gedcom, bool import) {
  const pid_t child = fork();
  if (child == 0) {
    const QByteArray path = QFile::encodeName(gedcom);
    execl("/proc/self/exe", "bench_gedcom_import", kPeakMemoryFlag, import ? path.constData() : "",
          static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? usage.ru_maxrss / 1024.0 : -1;
}

void BM_PeakMemory(benchmark::State& state) {
  const QString gedcom = GeneratedFile(static_cast<int>(state.range(0)));
  double peak = 0;
  double baseline = 0;
  for (auto _ : state) {
    peak = PeakMemoryOfChild(gedcom, true);
    baseline = PeakMemoryOfChild(gedcom, false);
  }
  if (peak < 0 || baseline < 0) state.SkipWithError("the measuring process failed");
  state.counters["peak_MiB"] = peak;
  state.counters["without_import_MiB"] = baseline;
}
BENCHMARK(BM_PeakMemory)->Arg(9999)->Iterations(1)->Unit(benchmark::kMillisecond);

// The process BM_PeakMemory measures: one import of the file given (none when it is empty).
int ImportForPeakMemory(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 3 || std::strlen(argv[2]) == 0) return 0;
  QTemporaryDir app_folder;
  return Import(app_folder.path(), QFile::decodeName(argv[2])) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], kPeakMemoryFlag) == 0) {
    return ImportForPeakMemory(argc, argv);
  }
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
