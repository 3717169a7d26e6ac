// The family chart on the 9999-person, 30-generation synthetic family (full records): the
// descendants of its oldest ancestor laid out and first painted in the chart view, an
// 8-generation pedigree the same way, and the whole descendants chart exported to SVG and PDF.
// `bench_chart --write-family DIR` writes the family for timing kinvale-cli on it.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

#include "chart/chart_layout.h"
#include "chart/paint/chart_export.h"
#include "chart/paint/chart_painter.h"
#include "chart/ui/chart_view.h"
#include "store/link_string.h"
#include "store/person_number.h"
#include "support/scripted_prompter.h"
#include "synthetic_family.h"

using namespace kinvale;
using namespace kinvale::bench;

namespace {

struct BigFamily {
  QTemporaryDir dir;
  Session session;
  std::vector<SyntheticPerson> people = MakeSyntheticFamily({});
  int oldest = 0;    // of the first generation, the one with the most descendants
  int youngest = 0;  // a person of the last generation, for the pedigree
  std::size_t descendant_boxes = 0;

  BigFamily() {
    testing::ScriptedPrompter prompter;
    OpenSyntheticFamily(session, prompter, dir.path(), people);
    for (const SyntheticPerson& person : people) {
      const int number = NumberValue(OwnNumber(person.link));
      if (person.generation == people.back().generation) youngest = number;
      if (person.generation != 0) continue;
      const std::size_t boxes =
          LayoutChart(session.index, number, {0, kAllGenerations}).boxes.size();
      if (boxes > descendant_boxes) {
        descendant_boxes = boxes;
        oldest = number;
      }
    }
  }
};

BigFamily& Family() {
  static BigFamily family;
  return family;
}

// What opening the chart window costs: the layout, then the view at its opening zoom painted
// once into a window-sized picture.
void LayoutAndFirstPaint(benchmark::State& state, int centre, ChartScope scope, bool fit = false) {
  BigFamily& family = Family();
  std::size_t boxes = 0;
  for (auto _ : state) {
    const ChartLayout layout = LayoutChart(family.session.index, centre, scope);
    ChartPictures pictures(family.session.index, family.session.FamilyPath());
    ChartView view(pictures);
    view.resize(1100, 700);
    view.ShowLayout(&layout, 0);
    view.ZoomToOpen();
    if (fit) view.FitToWindow();
    benchmark::DoNotOptimize(view.grab());
    boxes = layout.boxes.size();
  }
  state.counters["boxes"] = static_cast<double>(boxes);
}

void BM_DescendantsOfOldestAncestor(benchmark::State& state) {
  LayoutAndFirstPaint(state, Family().oldest, {0, kAllGenerations});
}
BENCHMARK(BM_DescendantsOfOldestAncestor)->Unit(benchmark::kMillisecond);

// The same chart fitted to the window: every box drawn, too small for its texts.
void BM_DescendantsOfOldestAncestorFitted(benchmark::State& state) {
  LayoutAndFirstPaint(state, Family().oldest, {0, kAllGenerations}, /*fit=*/true);
}
BENCHMARK(BM_DescendantsOfOldestAncestorFitted)->Unit(benchmark::kMillisecond);

void BM_PedigreeOf8Generations(benchmark::State& state) {
  LayoutAndFirstPaint(state, Family().youngest, {8, 0});
}
BENCHMARK(BM_PedigreeOf8Generations)->Unit(benchmark::kMillisecond);

// The whole descendants chart written to a file (every record's photo line read once).
void Export(benchmark::State& state, const QString& file_name) {
  BigFamily& family = Family();
  const ChartLayout layout = LayoutChart(family.session.index, family.oldest, {0, kAllGenerations});
  const QString path = QDir(family.dir.path()).filePath(file_name);
  for (auto _ : state) {
    ChartPictures pictures(family.session.index, family.session.FamilyPath());
    QString error;
    if (!ExportChart(layout, pictures, path, &error)) state.SkipWithError(qPrintable(error));
  }
  state.counters["boxes"] = static_cast<double>(layout.boxes.size());
  state.counters["MB"] = QFileInfo(path).size() / 1e6;
}

void BM_ExportDescendantsSvg(benchmark::State& state) { Export(state, "chart.svg"); }
BENCHMARK(BM_ExportDescendantsSvg)->Unit(benchmark::kMillisecond);

void BM_ExportDescendantsPdf(benchmark::State& state) { Export(state, "chart.pdf"); }
BENCHMARK(BM_ExportDescendantsPdf)->Unit(benchmark::kMillisecond);

// With --write-family DIR: writes the family as "Big" into the application folder DIR and prints
// the number of its oldest ancestor, for timing whole kinvale-cli chart runs on it.
int WriteFamily(const QString& app_folder) {
  BigFamily& family = Family();
  const QString folder = QDir(app_folder).filePath(QStringLiteral("Big"));
  WriteSyntheticFamily(folder, family.people, /*full_records=*/true);
  std::printf("%s #%04d\n", qPrintable(folder), family.oldest);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc == 3 && std::strcmp(argv[1], "--write-family") == 0) return WriteFamily(argv[2]);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
