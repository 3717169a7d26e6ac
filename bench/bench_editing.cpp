// One add and one remove of a father on a 9999-person family, the record writes included:
// saving only the records whose line 1 differs (each change a journaled step of the undo
// history), against rewriting every record through a temporary copy after each operation. And
// what the history costs: the records of an add written as one step against written plainly,
// and the history's size after 1,000 such steps.
#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "editing/add_person.h"
#include "editing/family_editing.h"
#include "editing/link_assembly.h"
#include "editing/save_link_strings.h"
#include "editing/unlinking.h"
#include "session/main_view.h"
#include "session/session.h"
#include "store/atomic_file.h"
#include "store/change_history.h"
#include "store/link_string.h"
#include "store/person_number.h"
#include "store/prompter.h"
#include "store/record.h"
#include "store/record_writer.h"
#include "store/text_helpers.h"
#include "synthetic_family.h"

using namespace kinvale;
using namespace kinvale::bench;

namespace {

const QString kNewFather = QStringLiteral("Benchmark Father");

class BenchPrompter : public Prompter {
 public:
  QString LineEntry(const QString&) override { return kNewFather; }
  bool Confirm(const QString&, const QString&, Risk) override { return true; }
  void Message(const QString& text, const QString&, MessageKind) override { messages.append(text); }
  int ChooseOne(const QString&, const QString&, const QStringList&) override { return -1; }
  SaveAnswer AskToSave(const QString&, const QString&) override { return SaveAnswer::kDiscard; }
  QStringList messages;
};

// 9998 people on disk, so that the added father is the 9999th; the person of interest is one
// with parents, siblings and a spouse.
struct BenchFamily {
  QTemporaryDir dir;
  Session session;
  BenchPrompter prompter;

  BenchFamily() {
    const std::vector<SyntheticPerson> people = MakeSyntheticFamily({.people = 9998});
    OpenSyntheticFamily(session, prompter, dir.path(), people);
    session.view.person_of_interest = people[people.size() / 2].name;
    RefreshMainView(session);
  }
};

BenchFamily& Family() {
  static BenchFamily family;
  return family;
}

// Puts the session back as it was loaded, with maps of its own (a copy sharing them would pay
// for detaching inside the timed operation), and removes the added father's record.
void Restore(Session& session, const Session& loaded) {
  session = loaded;
  session.index.Assign(loaded.index.rows());
  session.record_line1.detach();
  QFile::remove(session.FamilyFilePath(RecordFileName(kNewFather, FormatPersonNumber(9999))));
}

// Saving link strings as first specified: every record copied to "<name>_<number>.tmp", then
// rewritten line by line from the copy with the new line 1; minimal records for the missing.
void RewriteEveryRecord(const Session& session) {
  const QDir folder(session.FamilyPath());
  for (const IndexRow& row : session.index.rows()) {
    const QString base = row.name + u'_' + OwnNumber(row.link).toString();
    const QString record = folder.filePath(base + QStringLiteral(".dat"));
    const QString temporary = folder.filePath(base + kTemporarySuffix);
    QFile out(record);
    if (!FileExists(record)) {
      if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        out.write(FormatMinimalRecord(row.link));
      }
      continue;
    }
    QFile::remove(temporary);
    QFile::copy(record, temporary);
    QFile in(temporary);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
      continue;
    }
    in.readLine();
    out.write(row.link.toUtf8() + "\r\n");
    while (!in.atEnd()) out.write(in.readLine());
  }
  DeleteTemporaryFiles(folder.path());
}

void CheckNoMessages(benchmark::State& state, const BenchPrompter& prompter) {
  if (!prompter.messages.isEmpty()) state.SkipWithError(qPrintable(prompter.messages.first()));
}

void BM_AddAndRemoveFather(benchmark::State& state) {
  BenchFamily& family = Family();
  Session& session = family.session;
  const Session loaded = session;
  for (auto _ : state) {
    AddFather(session, family.prompter);
    session.view.fathers.selected = static_cast<int>(session.view.fathers.names.size()) - 1;
    RemoveFather(session, family.prompter);
    state.PauseTiming();
    CheckNoMessages(state, family.prompter);
    Restore(session, loaded);
    state.ResumeTiming();
  }
  state.counters["people"] = session.index.size() + 1;
}
BENCHMARK(BM_AddAndRemoveFather)->Unit(benchmark::kMillisecond);

void BM_AddAndRemoveFatherRewritingEveryRecord(benchmark::State& state) {
  BenchFamily& family = Family();
  Session& session = family.session;
  const Session loaded = session;
  for (auto _ : state) {
    const int father = AddPerson(session, kNewFather, NewPersonKind::kBlankRelative);
    const QString number = OwnNumber(session.index.row(father).link).toString();
    session.view.fathers.Append(NumberValue(number), kNewFather);
    AssembleLinkString(session, PersonOfInterestRow(session.view, session.index),
                       AssemblyMode::kParents);
    RewriteEveryRecord(session);
    session.view.fathers.selected = static_cast<int>(session.view.fathers.numbers.size()) - 1;
    session.view.fathers.TakeSelected();
    RemoveParentEntry(session, number);
    RewriteEveryRecord(session);
    state.PauseTiming();
    Restore(session, loaded);
    state.ResumeTiming();
  }
  state.counters["people"] = session.index.size() + 1;
}
BENCHMARK(BM_AddAndRemoveFatherRewritingEveryRecord)->Unit(benchmark::kMillisecond);

// The four records an add of a father rewrites (the person, a spouse, two new), as the family
// folder of 9998 people holds them.
FamilyChange TypicalAdd(const Session& session, int round) {
  FamilyChange change{QStringLiteral("Add father %1").arg(round), {}};
  const QDir folder(session.FamilyPath());
  for (int row = 0; row < 4; ++row) {
    const IndexRow& person = session.index.row(row * 97);
    const QString file = RecordFileName(person.name, OwnNumber(person.link).toString());
    QFile record(folder.filePath(file));
    QByteArray bytes = record.open(QIODevice::ReadOnly) ? record.readAll() : QByteArray();
    bytes.append(QByteArray::number(round));  // a change every round
    change.Write(file, bytes);
  }
  return change;
}

// Times write on the records of a typical add, made anew (outside the timing) each round.
void TimeWrites(benchmark::State& state,
                const std::function<bool(const QString&, const FamilyChange&, QString*)>& write) {
  BenchFamily& family = Family();
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const FamilyChange change = TypicalAdd(family.session, ++round);
    state.ResumeTiming();
    QString error;
    if (!write(family.session.FamilyPath(), change, &error)) state.SkipWithError(qPrintable(error));
  }
}

// The records written as one step of the history: the step file first, then each record.
void BM_FourRecordsAsAStep(benchmark::State& state) { TimeWrites(state, ApplyChange); }
BENCHMARK(BM_FourRecordsAsAStep)->Unit(benchmark::kMillisecond);

// The same records written plainly, each atomically, as before there was a history.
void BM_FourRecordsWrittenPlainly(benchmark::State& state) {
  TimeWrites(state, [](const QString& folder, const FamilyChange& change, QString* error) {
    for (const FileChange& file : change.files) {
      if (!WriteFileAtomically(QDir(folder).filePath(file.file_name), *file.contents, error)) {
        return false;
      }
    }
    return true;
  });
}
BENCHMARK(BM_FourRecordsWrittenPlainly)->Unit(benchmark::kMillisecond);

// The size of the history folder after 1,000 such steps (the counter "history_bytes").
void BM_HistoryAfter1000Steps(benchmark::State& state) {
  BenchFamily& family = Family();
  for (auto _ : state) {
    const QString history = QDir(family.session.FamilyPath()).filePath(kHistoryFolderName);
    QDir(history).removeRecursively();
    for (int round = 0; round < 1000; ++round) {
      QString error;
      if (!ApplyChange(family.session.FamilyPath(), TypicalAdd(family.session, round), &error)) {
        state.SkipWithError(qPrintable(error));
        break;
      }
    }
    qint64 bytes = 0;
    for (const QFileInfo& step : QDir(history).entryInfoList(QDir::Files)) bytes += step.size();
    state.counters["history_bytes"] = static_cast<double>(bytes);
    state.counters["steps"] = QDir(history).entryList(QDir::Files).size();
  }
}
BENCHMARK(BM_HistoryAfter1000Steps)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
