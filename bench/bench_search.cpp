// The keyword search over a 9999-person family of full records, the files in the page cache:
// words found on no line (every line of every file tested), and a phrase found on the last line.
#include <benchmark/benchmark.h>
#include <QDir>
#include <QTemporaryDir>

#include "search/keyword_search.h"
#include "store/family_files.h"
#include "synthetic_family.h"

using namespace kinvale;
using namespace kinvale::bench;

namespace {

struct WrittenFamily {
  QTemporaryDir dir;
  QString folder;
  QStringList files;
  qsizetype people = 0;
};

const WrittenFamily& Family() {
  static const WrittenFamily* family = [] {
    auto* written = new WrittenFamily;
    written->folder = QDir(written->dir.path()).filePath(QStringLiteral("Big"));
    const std::vector<SyntheticPerson> people = MakeSyntheticFamily({});
    WriteSyntheticFamily(written->folder, people, /*full_records=*/true);
    written->files = ListRecordFiles(written->folder).value_or(QStringList());
    written->people = static_cast<qsizetype>(people.size());
    return written;
  }();
  return *family;
}

void RunSearch(benchmark::State& state, const QString& text, SearchMode mode) {
  const WrittenFamily& family = Family();
  const QStringList terms = SearchTerms(text, mode);
  SearchRecordFiles(family.folder, family.files, terms);  // fills the page cache
  qsizetype found = 0;
  for (auto _ : state) {
    found = SearchRecordFiles(family.folder, family.files, terms).names.size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["files"] = static_cast<double>(family.files.size());
  state.counters["found"] = static_cast<double>(found);
}

void BM_AnyWordNotFound(benchmark::State& state) {
  RunSearch(state, QStringLiteral("zebra quagga okapi"), SearchMode::kAnyWord);
}
BENCHMARK(BM_AnyWordNotFound)->Unit(benchmark::kMillisecond);

void BM_AnyWordTwelveWordsNotFound(benchmark::State& state) {
  RunSearch(state, QStringLiteral("w1 w2 w3 w4 w5 w6 w7 w8 w9 w10 w11 w12"), SearchMode::kAnyWord);
}
BENCHMARK(BM_AnyWordTwelveWordsNotFound)->Unit(benchmark::kMillisecond);

void BM_ExactPhraseNotFound(benchmark::State& state) {
  RunSearch(state, QStringLiteral("Riverton Mill Company Ltd"), SearchMode::kExactPhrase);
}
BENCHMARK(BM_ExactPhraseNotFound)->Unit(benchmark::kMillisecond);

void BM_ExactPhraseOnLastLine(benchmark::State& state) {
  RunSearch(state, QStringLiteral("BOSTON"), SearchMode::kExactPhrase);
}
BENCHMARK(BM_ExactPhraseOnLastLine)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
