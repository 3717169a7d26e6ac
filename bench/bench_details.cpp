// The details editor and the photo import on a 9999-person family of full records: opening the
// editor (listing the family and loading one record), Apply, a rename there and back, the next
// photo number among 999 photos, and a whole photo import.
#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "details/details_editor.h"
#include "photos/photo_import.h"
#include "photos/photo_names.h"
#include "photos/picture_signature.h"
#include "session/session.h"
#include "store/prompter.h"
#include "synthetic_family.h"

using namespace kinvale;
using namespace kinvale::bench;

namespace {

class SilentPrompter : public Prompter {
 public:
  QStringList answers;
  QString LineEntry(const QString&) override {
    return answers.isEmpty() ? QString() : answers.takeFirst();
  }
  bool Confirm(const QString&, const QString&, Risk) override { return true; }
  int ChooseOne(const QString&, const QString&, const QStringList&) override { return -1; }
  SaveAnswer AskToSave(const QString&, const QString&) override { return SaveAnswer::kDiscard; }
  void Message(const QString&, const QString&, MessageKind) override {}
};

// A 9999-person family written once, opened with a person of the middle generations shown.
struct BigFamily {
  BigFamily() {
    people = MakeSyntheticFamily({});
    OpenSyntheticFamily(session, prompter, dir.path(), people);
    session.view.person_of_interest = people[people.size() / 2].name;
    RefreshMainView(session);
  }

  QTemporaryDir dir;
  std::vector<SyntheticPerson> people;
  Session session;
  SilentPrompter prompter;
};

BigFamily& Family() {
  static BigFamily family;
  return family;
}

void BM_OpenEditor(benchmark::State& state) {
  BigFamily& family = Family();
  for (auto _ : state) {
    DetailsEditor editor(family.session, family.prompter);
    benchmark::DoNotOptimize(editor.Open());
  }
}
BENCHMARK(BM_OpenEditor)->Unit(benchmark::kMillisecond);

void BM_Apply(benchmark::State& state) {
  BigFamily& family = Family();
  DetailsEditor editor(family.session, family.prompter);
  editor.Open();
  for (auto _ : state) benchmark::DoNotOptimize(editor.Apply());
}
BENCHMARK(BM_Apply)->Unit(benchmark::kMillisecond);

void BM_ChangeNameThereAndBack(benchmark::State& state) {
  BigFamily& family = Family();
  DetailsEditor editor(family.session, family.prompter);
  editor.Open();
  RelativeList& names = editor.fields().names;
  const QString suffix = QStringLiteral(" Renamed");
  // The person renamed becomes the last entry of the list, which the next rename takes back.
  for (auto _ : state) {
    for (int step = 0; step < 2; ++step) {
      names.selected = static_cast<int>(names.names.size()) - 1;
      const QString& current = names.names.last();
      family.prompter.answers = {current.endsWith(suffix) ? current.chopped(suffix.size())
                                                          : current + suffix};
      benchmark::DoNotOptimize(editor.ChangeName());
    }
  }
}
BENCHMARK(BM_ChangeNameThereAndBack)->Unit(benchmark::kMillisecond);

void BM_NextPhotoIdAmong999(benchmark::State& state) {
  BigFamily& family = Family();
  QTemporaryDir dir;
  for (const QString& file : family.session.family_files) {
    QFile::link(family.session.FamilyFilePath(file), QDir(dir.path()).filePath(file));
  }
  for (int i = 1; i <= kHighestPhotoNumber; ++i) {
    QFile photo(QDir(dir.path())
                    .filePath(PhotoFileName(QStringLiteral("0042"), i, QStringLiteral("p.jpg"))));
    photo.open(QIODevice::WriteOnly);
  }
  for (auto _ : state) benchmark::DoNotOptimize(NextPhotoID(dir.path(), QStringLiteral("0042")));
}
BENCHMARK(BM_NextPhotoIdAmong999)->Unit(benchmark::kMillisecond);

void BM_ImportPhoto(benchmark::State& state) {
  BigFamily& family = Family();
  QTemporaryDir source;
  QFile picture(QDir(source.path()).filePath(QStringLiteral("p.png")));
  picture.open(QIODevice::WriteOnly);
  picture.write(QByteArray("\x89PNG\r\n\x1a\n") + QByteArray(200000, 'x'));
  picture.close();
  for (auto _ : state) {
    const std::optional<QString> photo =
        ImportPhoto(family.session, family.prompter, source.path(), QStringLiteral("p.png"),
                    /*use_as_default=*/true, HasPictureSignature);
    state.PauseTiming();
    if (photo) QFile::remove(*photo);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ImportPhoto)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
