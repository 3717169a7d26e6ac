// Relation queries and the descendants search on synthetic families of 9999 people over 30
// generations with pedigree collapse, and the same queries against the literal reference on
// families small enough for it to finish.
#include <benchmark/benchmark.h>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <ctime>
#include <random>

#include "reference/relations_reference.h"
#include "relations/descendants.h"
#include "relations/relation_finder.h"
#include "relations/relation_graph.h"
#include "relations/relation_primitives.h"
#include "store/session.h"
#include "support/scripted_prompter.h"
#include "synthetic_family.h"

using namespace kinvale;
using namespace kinvale::bench;

namespace {

constexpr int kPairs = 10000;

const std::vector<SyntheticPerson>& BigFamily() {
  static const std::vector<SyntheticPerson> people = MakeSyntheticFamily({9999, 30, 5, true});
  return people;
}

std::vector<std::pair<QString, QString>> RandomPairs(const std::vector<SyntheticPerson>& people,
                                                     int count) {
  std::mt19937 random(17);
  std::vector<std::pair<QString, QString>> pairs;
  for (int i = 0; i < count; ++i) {
    pairs.emplace_back(people[random() % people.size()].name,
                       people[random() % people.size()].name);
  }
  return pairs;
}

GenderLookup IndexGenders(const FamilyIndex& index) {
  return [&index](const QString& name) {
    const int row = RowOfName(index, name);
    return row < 0 ? QString() : index.row(row).gender;
  };
}

// The processor time this thread has used, in microseconds: other jobs on a shared machine
// do not count against a query.
double ThreadMicros() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

// Times every query on its own and reports the median, the 99th percentile and the slowest.
template <typename Query>
void TimeEachQuery(benchmark::State& state, const std::vector<std::pair<QString, QString>>& pairs,
                   Query&& query) {
  std::vector<double> micros;
  micros.reserve(pairs.size());
  int related = 0;
  for (auto _ : state) {
    micros.clear();
    related = 0;
    for (const auto& [a, b] : pairs) {
      const double start = ThreadMicros();
      const QString answer = query(a, b);
      micros.push_back(ThreadMicros() - start);
      related += answer != QLatin1String("No relation found.");
    }
  }
  std::sort(micros.begin(), micros.end());
  state.counters["median_us"] = micros[micros.size() / 2];
  state.counters["p99_us"] = micros[micros.size() * 99 / 100];
  state.counters["slowest_us"] = micros.back();
  state.counters["related"] = related;
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(pairs.size()));
}

// The windows and the batch command keep one graph while the index stays unchanged.
void BM_RelationQueriesSharedGraph(benchmark::State& state) {
  const FamilyIndex index(SyntheticIndexRows(BigFamily()));
  RelationGraph graph(index);
  const GenderLookup genders = IndexGenders(index);
  TimeEachQuery(state, RandomPairs(BigFamily(), kPairs), [&](const QString& a, const QString& b) {
    return FindRelation(graph, genders, a, b).answer;
  });
}
BENCHMARK(BM_RelationQueriesSharedGraph)->Unit(benchmark::kMillisecond)->Iterations(1);

// Each query resolving the people it visits afresh.
void BM_RelationQueriesFreshGraph(benchmark::State& state) {
  const FamilyIndex index(SyntheticIndexRows(BigFamily()));
  const GenderLookup genders = IndexGenders(index);
  TimeEachQuery(state, RandomPairs(BigFamily(), kPairs), [&](const QString& a, const QString& b) {
    RelationGraph graph(index);
    return FindRelation(graph, genders, a, b).answer;
  });
}
BENCHMARK(BM_RelationQueriesFreshGraph)->Unit(benchmark::kMillisecond)->Iterations(1);

// As "Find Relation" runs it: both genders read from the record files for every query.
void BM_RelationQueriesReadingRecords(benchmark::State& state) {
  QTemporaryDir dir;
  Session session;
  testing::ScriptedPrompter prompter;
  OpenSyntheticFamily(session, prompter, dir.path(), BigFamily());
  RelationGraph graph(session.index);
  TimeEachQuery(state, RandomPairs(BigFamily(), kPairs), [&](const QString& a, const QString& b) {
    return FindRelation(session, graph, prompter, a, b);
  });
}
BENCHMARK(BM_RelationQueriesReadingRecords)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_DescendantsOfOldestAncestor(benchmark::State& state) {
  const FamilyIndex index(SyntheticIndexRows(BigFamily()));
  const QString oldest = BigFamily().front().name;  // generation 0, person 0001
  DescendantsList list;
  for (auto _ : state) {
    list = FindDescendants(index, oldest);
    benchmark::DoNotOptimize(list.names.size());
  }
  state.counters["listed"] = static_cast<double>(list.names.size());
  state.counters["stopped_at_limit"] = list.problem.isEmpty() ? 0 : 1;
}
BENCHMARK(BM_DescendantsOfOldestAncestor)->Unit(benchmark::kMillisecond);

// Every ordered pair of a family small enough for the literal walks, fast and literal.
const std::vector<SyntheticPerson>& SmallFamily() {
  static const std::vector<SyntheticPerson> people = MakeSyntheticFamily({60, 6, 3, false});
  return people;
}

void BM_SmallFamilyAllPairsFast(benchmark::State& state) {
  const FamilyIndex index(SyntheticIndexRows(SmallFamily()));
  const GenderLookup genders = IndexGenders(index);
  for (auto _ : state) {
    RelationGraph graph(index);
    for (const SyntheticPerson& a : SmallFamily()) {
      for (const SyntheticPerson& b : SmallFamily()) {
        benchmark::DoNotOptimize(FindRelation(graph, genders, a.name, b.name).answer);
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * SmallFamily().size() * SmallFamily().size());
}
BENCHMARK(BM_SmallFamilyAllPairsFast)->Unit(benchmark::kMillisecond);

void BM_SmallFamilyAllPairsLiteral(benchmark::State& state) {
  const FamilyIndex index(SyntheticIndexRows(SmallFamily()));
  reference::LiteralRelations literal(SyntheticIndexRows(SmallFamily()), IndexGenders(index));
  for (auto _ : state) {
    for (const SyntheticPerson& a : SmallFamily()) {
      for (const SyntheticPerson& b : SmallFamily()) {
        QString answer = literal.SiblingRelation(a.name, b.name);
        if (answer == QLatin1String("No relation found."))
          answer = literal.SpouseRelation(a.name, b.name);
        if (answer == QLatin1String("No relation found."))
          answer = literal.DirectLineRelation(a.name, b.name);
        if (answer == QLatin1String("No relation found."))
          answer = literal.CollateralRelation(a.name, b.name);
        if (answer == QLatin1String("No relation found."))
          answer = literal.CousinRelation(a.name, b.name);
        benchmark::DoNotOptimize(answer);
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * SmallFamily().size() * SmallFamily().size());
}
BENCHMARK(BM_SmallFamilyAllPairsLiteral)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
