// Loading a 9999-person family, and a mix of one million lookups through the index maps against
// the same lookups done by scanning the rows in order.
#include <benchmark/benchmark.h>
#include <QDir>
#include <QTemporaryDir>
#include <random>

#include "store/family_files.h"
#include "store/link_string.h"
#include "store/person_number.h"
#include "store/text_helpers.h"
#include "synthetic_family.h"

using namespace kinvale;
using namespace kinvale::bench;

namespace {

// The lookups as a literal scan of the rows, first match winning.
struct LinearLookups {
  const std::vector<IndexRow>& rows;
  int FindRowExact(const QString& name) const {
    for (size_t i = 0; i < rows.size(); ++i) {
      if (rows[i].name == name) return static_cast<int>(i);
    }
    return -1;
  }
  int FindRow(const QString& name) const {
    const QString key = LooseNameKey(name);
    for (size_t i = 0; i < rows.size(); ++i) {
      if (LooseNameKey(rows[i].name) == key) return static_cast<int>(i);
    }
    return -1;
  }
  QString NumberOfName(const QString& name) const {
    const int row = FindRow(name);
    return row < 0 ? kNobody : rows[row].link.left(4);
  }
  QString NameOfNumber(const QString& number) const {
    const int value = NumberValue(number);
    for (const IndexRow& row : rows) {
      if (NumberValue(OwnNumber(row.link)) == value) return row.name;
    }
    return {};
  }
};

struct Query {
  QString name;
  QString number;
};

std::vector<Query> MakeQueries(const std::vector<SyntheticPerson>& people, int count) {
  std::mt19937 random(7);
  std::vector<Query> queries;
  queries.reserve(count);
  for (int i = 0; i < count; ++i) {
    const SyntheticPerson& p = people[random() % people.size()];
    // One in eight asks for a name that is not in the family.
    queries.push_back(
        {i % 8 == 0 ? p.name + QStringLiteral(" Junior") : p.name.toLower(), p.link.left(4)});
  }
  return queries;
}

const std::vector<SyntheticPerson>& People() {
  static const std::vector<SyntheticPerson> people = MakeSyntheticFamily({});
  return people;
}

void BM_LoadFamilyIndex(benchmark::State& state) {
  QTemporaryDir dir;
  const QString folder = QDir(dir.path()).filePath(QStringLiteral("Big"));
  WriteSyntheticFamily(folder, People(), /*full_records=*/true);
  for (auto _ : state) {
    const std::optional<QStringList> files = ListRecordFiles(folder);
    FamilyIndex index(LoadIndexRows(folder, *files).rows);
    benchmark::DoNotOptimize(index.size());
  }
  state.counters["people"] = static_cast<double>(People().size());
}
BENCHMARK(BM_LoadFamilyIndex)->Unit(benchmark::kMillisecond);

template <typename Lookups>
void RunMix(benchmark::State& state, const Lookups& lookups, int count) {
  const std::vector<Query> queries = MakeQueries(People(), count);
  for (auto _ : state) {
    int found = 0;
    for (const Query& q : queries) {
      found += lookups.FindRowExact(q.name) >= 0;
      found += lookups.FindRow(q.name) >= 0;
      found += lookups.NumberOfName(q.name) != kNobody;
      found += !lookups.NameOfNumber(q.number).isEmpty();
    }
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(state.iterations() * count * 4);
}

void BM_LookupMixIndexed(benchmark::State& state) {
  const FamilyIndex index(SyntheticIndexRows(People()));
  RunMix(state, index, 250000);  // 4 lookups each: one million
}
BENCHMARK(BM_LookupMixIndexed)->Unit(benchmark::kMillisecond);

void BM_LookupMixLinearScan(benchmark::State& state) {
  const std::vector<IndexRow> rows = SyntheticIndexRows(People());
  // A thousandth of the mix: the full million would take many minutes. Compare items/s.
  RunMix(state, LinearLookups{rows}, 250);
}
BENCHMARK(BM_LookupMixLinearScan)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
