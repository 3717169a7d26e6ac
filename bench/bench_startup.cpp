// Start-up of the window program on a 9999-person family, from the settings to the first
// painted main window: settings, index loading, drawing the person of interest, painting.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "mainwindow/ui/main_window.h"
#include "store/app_folder.h"
#include "store/settings.h"
#include "synthetic_family.h"

using namespace kinvale;
using namespace kinvale::bench;

namespace {

// Notices the first paint of a widget.
class PaintWatcher : public QObject {
 public:
  bool painted = false;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

// An application folder whose settings open a synthetic family at its person 0001.
struct BigFamilyFolder {
  QTemporaryDir dir;
  QString app_folder = QDir(dir.path()).filePath(QStringLiteral("app"));
  size_t people = 0;

  BigFamilyFolder() {
    QString error;
    if (!PrepareAppFolder(app_folder, &error)) qFatal("%s", qPrintable(error));
    const std::vector<SyntheticPerson> family = MakeSyntheticFamily({});
    const QString name = QStringLiteral("Synthetic");
    WriteSyntheticFamily(QDir(app_folder).filePath(name), family, /*full_records=*/true);
    if (!SaveSettings(app_folder, {name, family.front().name}, &error))
      qFatal("%s", qPrintable(error));
    people = family.size();
  }
};

const BigFamilyFolder& Folder() {
  static const BigFamilyFolder folder;
  return folder;
}

void BM_StartupToFirstPaint(benchmark::State& state) {
  const BigFamilyFolder& folder = Folder();
  for (auto _ : state) {
    auto window = std::make_unique<MainWindow>();
    PaintWatcher watcher;
    window->centralWidget()->installEventFilter(&watcher);
    QString error;
    if (!window->Start(folder.app_folder, &error)) state.SkipWithError(qPrintable(error));
    window->show();
    while (!watcher.painted) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    state.PauseTiming();
    window.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["people"] = static_cast<double>(folder.people);
}
BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Drawing the person of interest once the family is loaded: the relatives through the index
// maps, the photo line from the record.
void BM_RefreshMainView(benchmark::State& state) {
  const BigFamilyFolder& folder = Folder();
  MainWindow window;
  QString error;
  if (!window.Start(folder.app_folder, &error)) state.SkipWithError(qPrintable(error));
  Session& session = window.session();
  for (auto _ : state) {
    RefreshMainView(session);
    benchmark::DoNotOptimize(session.view.children.names.size());
  }
}
BENCHMARK(BM_RefreshMainView)->Unit(benchmark::kMicrosecond);

// "Go to" a relative and back: the person of interest by number, the view drawn from the index
// and the window's lists and photo shown again; nothing is written.
void BM_GoToRelative(benchmark::State& state) {
  const BigFamilyFolder& folder = Folder();
  MainWindow window;
  QString error;
  if (!window.Start(folder.app_folder, &error)) state.SkipWithError(qPrintable(error));
  Session& session = window.session();
  const int start = PersonOfInterestRow(session.view, session.index);
  const int father = session.view.fathers.numbers.empty()
                         ? start
                         : session.index.RowOfNumber(session.view.fathers.numbers.front());
  bool there = false;
  for (auto _ : state) {
    SetPersonOfInterest(session.view, session.index, there ? start : father);
    RefreshMainView(session);
    window.Redraw();
    there = !there;
  }
}
BENCHMARK(BM_GoToRelative)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kinvale"));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
