// Relation queries, every relationship with its path, a person's relatives and the descendants
// search on synthetic families of 9999 people over 30 generations with pedigree collapse, and
// the same queries against the literal reference on families small enough for it to finish.
#include <benchmark/benchmark.h>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <ctime>
#include <random>

#include "reference/relations_reference.h"
#include "relations/descendants.h"
#include "relations/family_links.h"
#include "relations/relation_finder.h"
#include "relations/relation_graph.h"
#include "relations/relation_primitives.h"
#include "relations/relationships.h"
#include "relations/relatives.h"
#include "session/session.h"
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

// Random ordered pairs of people, as indexes; the same pairs for every benchmark.
std::vector<std::pair<int, int>> RandomPairs(const std::vector<SyntheticPerson>& people,
                                             int count) {
  std::mt19937 random(17);
  std::vector<std::pair<int, int>> pairs;
  for (int i = 0; i < count; ++i) {
    const int a = static_cast<int>(random() % people.size());
    pairs.emplace_back(a, static_cast<int>(random() % people.size()));
  }
  return pairs;
}

// The synthetic people carry the numbers 0001 upwards in their order.
int NumberOfPerson(int person) { return person + 1; }

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

// Times every query on its own and reports the median, the 99th percentile and the slowest;
// "found" adds up what each query reports finding (answers, relationships, relatives).
template <typename Item, typename Query>
void TimeEachQuery(benchmark::State& state, const std::vector<Item>& items, Query&& query) {
  std::vector<double> micros;
  micros.reserve(items.size());
  int64_t found = 0;
  for (auto _ : state) {
    micros.clear();
    found = 0;
    for (const Item& item : items) {
      const double start = ThreadMicros();
      const int64_t count = query(item);
      micros.push_back(ThreadMicros() - start);
      found += count;
    }
  }
  std::sort(micros.begin(), micros.end());
  state.counters["median_us"] = micros[micros.size() / 2];
  state.counters["p99_us"] = micros[micros.size() * 99 / 100];
  state.counters["slowest_us"] = micros.back();
  state.counters["found"] = static_cast<double>(found);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(items.size()));
}

// The finder's answer as a count: 1 when it names a relation.
int64_t Related(const QString& answer) { return answer != QLatin1String("No relation found."); }

// One finder query on the pair, by the two people's names.
template <typename Ask>
auto ByName(Ask ask) {
  return [ask](const std::pair<int, int>& pair) {
    return Related(ask(BigFamily()[pair.first].name, BigFamily()[pair.second].name));
  };
}

// The windows and the batch command keep one graph while the index stays unchanged.
void BM_RelationQueriesSharedGraph(benchmark::State& state) {
  const FamilyIndex index(SyntheticIndexRows(BigFamily()));
  RelationGraph graph(index);
  const GenderLookup genders = IndexGenders(index);
  TimeEachQuery(state, RandomPairs(BigFamily(), kPairs),
                ByName([&](const QString& a, const QString& b) {
                  return FindRelation(graph, genders, a, b).answer;
                }));
}
BENCHMARK(BM_RelationQueriesSharedGraph)->Unit(benchmark::kMillisecond)->Iterations(1);

// Each query resolving the people it visits afresh.
void BM_RelationQueriesFreshGraph(benchmark::State& state) {
  const FamilyIndex index(SyntheticIndexRows(BigFamily()));
  const GenderLookup genders = IndexGenders(index);
  TimeEachQuery(state, RandomPairs(BigFamily(), kPairs),
                ByName([&](const QString& a, const QString& b) {
                  RelationGraph graph(index);
                  return FindRelation(graph, genders, a, b).answer;
                }));
}
BENCHMARK(BM_RelationQueriesFreshGraph)->Unit(benchmark::kMillisecond)->Iterations(1);

// As "Find Relation" runs it: both genders read from the record files for every query.
void BM_RelationQueriesReadingRecords(benchmark::State& state) {
  QTemporaryDir dir;
  Session session;
  testing::ScriptedPrompter prompter;
  OpenSyntheticFamily(session, prompter, dir.path(), BigFamily());
  RelationGraph graph(session.index);
  TimeEachQuery(state, RandomPairs(BigFamily(), kPairs),
                ByName([&](const QString& a, const QString& b) {
                  return FindRelation(session, graph, prompter, a, b);
                }));
}
BENCHMARK(BM_RelationQueriesReadingRecords)->Unit(benchmark::kMillisecond)->Iterations(1);

// Every relationship of each pair with its sentence and path, the links kept for all pairs as
// the windows and relate --batch --path keep them; "found" counts the relationships.
void BM_AllRelationshipsWithPaths(benchmark::State& state) {
  const FamilyIndex index(SyntheticIndexRows(BigFamily()));
  const FamilyLinks links(index);
  TimeEachQuery(state, RandomPairs(BigFamily(), kPairs), [&](const std::pair<int, int>& pair) {
    return static_cast<int64_t>(
        AllRelationships(links, NumberOfPerson(pair.first), NumberOfPerson(pair.second)).size());
  });
}
BENCHMARK(BM_AllRelationshipsWithPaths)->Unit(benchmark::kMillisecond)->Iterations(1);

// The relatives to fifth cousins of 200 people of the last ten generations, who have the most
// ancestors; "found" counts the relatives listed.
void BM_RelativesToFifthCousins(benchmark::State& state) {
  const FamilyIndex index(SyntheticIndexRows(BigFamily()));
  const FamilyLinks links(index);
  std::vector<int> people;
  for (const auto& [person, other] : RandomPairs(BigFamily(), 4000)) {
    if (BigFamily()[person].generation >= 20 && people.size() < 200) people.push_back(person);
  }
  TimeEachQuery(state, people, [&](int person) {
    int64_t listed = 0;
    for (const RelativeGroup& group : RelativesOf(links, NumberOfPerson(person), 5)) {
      listed += static_cast<int64_t>(group.relatives.size());
    }
    return listed;
  });
}
BENCHMARK(BM_RelativesToFifthCousins)->Unit(benchmark::kMillisecond)->Iterations(1);

// Building the links of the whole family, once for each window or command.
void BM_FamilyLinks(benchmark::State& state) {
  const FamilyIndex index(SyntheticIndexRows(BigFamily()));
  for (auto _ : state) {
    const FamilyLinks links(index);
    benchmark::DoNotOptimize(links.size());
  }
}
BENCHMARK(BM_FamilyLinks)->Unit(benchmark::kMillisecond);

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
