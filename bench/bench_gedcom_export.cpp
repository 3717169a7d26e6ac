// The GEDCOM export of a 9999-person family of full records, end to end: every record file
// read, the families built, the file encoded and written atomically (flushed to the disk).
// The records are in the page cache; the folder is made in $TMPDIR.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "gedcom/gedcom_export.h"
#include "session/session.h"
#include "store/prompter.h"
#include "synthetic_family.h"

using namespace kinvale;
using namespace kinvale::bench;

namespace {

class YesPrompter : public Prompter {
 public:
  QString LineEntry(const QString&) override { return {}; }
  bool Confirm(const QString&, const QString&, Risk) override { return true; }
  int ChooseOne(const QString&, const QString&, const QStringList&) override { return -1; }
  SaveAnswer AskToSave(const QString&, const QString&) override { return SaveAnswer::kDiscard; }
  void Message(const QString&, const QString&, MessageKind) override {}
};

void BM_ExportFamily(benchmark::State& state) {
  QTemporaryDir app;
  Session session;
  YesPrompter prompter;
  OpenSyntheticFamily(session, prompter, app.path(), MakeSyntheticFamily({}));
  const ExportRequest request{QDir(app.path()).filePath(QStringLiteral("Big.ged")),
                              QStringLiteral("Bench")};
  ExportGedcom(session, request, prompter);  // fills the page cache
  for (auto _ : state) {
    if (ExportGedcom(session, request, prompter).outcome != ExportOutcome::kCompleted) {
      state.SkipWithError("export failed");
    }
  }
  state.counters["people"] = session.index.size();
  state.counters["MB"] = static_cast<double>(QFileInfo(request.output_path).size()) / 1e6;
}
BENCHMARK(BM_ExportFamily)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace

BENCHMARK_MAIN();
