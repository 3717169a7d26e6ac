#include "store/change_history.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "store/atomic_file.h"
#include "store/store_texts.h"

namespace kinvale {

namespace {

constexpr quint32 kStepMagic = 0x4B565354;  // "KVST"
constexpr quint16 kStepVersion = 1;
// A family file larger than this is no record or photo the program made: never copied whole
// into the history.
constexpr qint64 kLargestFile = qint64(64) * 1024 * 1024;

// A step's state is the ending of its file name; each change of state is one rename.
enum class State { kPending, kDone, kUndoing, kUndone, kRedoing };
constexpr std::pair<State, const char*> kStateEndings[] = {
    {State::kPending, "pending"}, {State::kDone, "done"},       {State::kUndoing, "undoing"},
    {State::kUndone, "undone"},   {State::kRedoing, "redoing"},
};

QString Ending(State state) {
  for (const auto& [s, ending] : kStateEndings) {
    if (s == state) return QString::fromLatin1(ending);
  }
  return {};
}

struct StepFile {
  int id = 0;
  State state = State::kDone;
  qint64 size = 0;
};

QString HistoryFolder(const QString& family_folder) {
  return QDir(family_folder).filePath(kHistoryFolderName);
}

QString StepPath(const QString& family_folder, int id, State state) {
  return QDir(HistoryFolder(family_folder))
      .filePath(QStringLiteral("%1.%2").arg(id, 8, 10, QLatin1Char('0')).arg(Ending(state)));
}

// The step files of the history, oldest first.
std::vector<StepFile> ListStepFiles(const QString& family_folder) {
  std::vector<StepFile> steps;
  const QFileInfoList entries = QDir(HistoryFolder(family_folder)).entryInfoList(QDir::Files);
  for (const QFileInfo& entry : entries) {
    bool ok = false;
    const int id = entry.completeBaseName().toInt(&ok);
    if (!ok || id <= 0) continue;
    for (const auto& [state, ending] : kStateEndings) {
      if (entry.suffix() == QLatin1String(ending)) steps.push_back({id, state, entry.size()});
    }
  }
  std::sort(steps.begin(), steps.end(),
            [](const StepFile& a, const StepFile& b) { return a.id < b.id; });
  return steps;
}

struct FileImages {
  QString file_name;
  std::optional<QByteArray> before;
  std::optional<QByteArray> after;
};

struct Step {
  QString name;
  QDateTime time;
  std::vector<FileImages> files;
};

void WriteImage(QDataStream& out, const std::optional<QByteArray>& image) {
  out << static_cast<bool>(image) << image.value_or(QByteArray());
}

std::optional<QByteArray> ReadImage(QDataStream& in) {
  bool present = false;
  QByteArray bytes;
  in >> present >> bytes;
  return present ? std::optional(bytes) : std::nullopt;
}

// The name and time stand first, so that a listing reads no more; the files' contents follow
// compressed (records are text, and a step holds each twice).
QByteArray EncodeStep(const Step& step) {
  QByteArray body;
  QDataStream files(&body, QIODevice::WriteOnly);
  files.setVersion(QDataStream::Qt_6_4);
  files << static_cast<quint32>(step.files.size());
  for (const FileImages& file : step.files) {
    files << file.file_name;
    WriteImage(files, file.before);
    WriteImage(files, file.after);
  }
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out.setVersion(QDataStream::Qt_6_4);
  out << kStepMagic << kStepVersion << step.name << step.time << qCompress(body, 1);
  return bytes;
}

// Reads a step file; with header_only, its name and time alone. Nullopt for a file that is not a
// whole step.
std::optional<Step> ReadStep(const QString& path, bool header_only) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  QDataStream in(&file);
  in.setVersion(QDataStream::Qt_6_4);
  quint32 magic = 0;
  quint16 version = 0;
  Step step;
  in >> magic >> version >> step.name >> step.time;
  if (magic != kStepMagic || version != kStepVersion || in.status() != QDataStream::Ok) {
    return std::nullopt;
  }
  if (header_only) return step;
  QByteArray compressed;
  in >> compressed;
  const QByteArray body = qUncompress(compressed);
  QDataStream files(body);
  files.setVersion(QDataStream::Qt_6_4);
  quint32 count = 0;
  files >> count;
  for (quint32 i = 0; i < count && files.status() == QDataStream::Ok; ++i) {
    FileImages images;
    files >> images.file_name;
    images.before = ReadImage(files);
    images.after = ReadImage(files);
    step.files.push_back(std::move(images));
  }
  if (in.status() != QDataStream::Ok || files.status() != QDataStream::Ok || body.isEmpty()) {
    return std::nullopt;
  }
  return step;
}

// A family file's present contents; nullopt when there is none, error set when it cannot be read.
std::optional<QByteArray> CurrentImage(const QString& path, QString* error) {
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return std::nullopt;
  QFile file(path);
  if (!info.isFile() || info.size() > kLargestFile || !file.open(QIODevice::ReadOnly)) {
    *error = kUnreadableUnchangedMessage.arg(QDir::toNativeSeparators(path));
    return std::nullopt;
  }
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    *error = kUnreadableMessage.arg(QDir::toNativeSeparators(path), file.errorString());
  }
  return bytes;
}

enum class Side { kBefore, kAfter };

// Puts every file of the step as it is on one side: written whole or removed. New files are
// written before files are removed, so a rename is never seen with neither name.
bool PutSide(const QString& family_folder, const Step& step, Side side, QString* error) {
  const QDir dir(family_folder);
  for (const FileImages& file : step.files) {
    const auto& image = side == Side::kBefore ? file.before : file.after;
    if (image && !WriteFileAtomically(dir.filePath(file.file_name), *image, error)) return false;
  }
  for (const FileImages& file : step.files) {
    const auto& image = side == Side::kBefore ? file.before : file.after;
    const QString path = dir.filePath(file.file_name);
    if (!image && QFileInfo(path).isFile() && !QFile::remove(path)) {
      *error = kCouldNotRemoveMessage.arg(QDir::toNativeSeparators(path));
      return false;
    }
  }
  return true;
}

bool Rename(const QString& family_folder, int id, State from, State to) {
  return QFile::rename(StepPath(family_folder, id, from), StepPath(family_folder, id, to));
}

HistoryStep Describe(const StepFile& file, const Step& step) {
  return {file.id, step.name, step.time, file.state == State::kUndone};
}

// Moves a done step to undone (or back) by putting one side of its files in place, journaled by
// the step file's name: a crash in between is finished by RecoverChanges.
std::optional<HistoryStep> Move(const QString& family_folder, const StepFile& file, bool undo,
                                QString* error) {
  const State from = undo ? State::kDone : State::kUndone;
  const State through = undo ? State::kUndoing : State::kRedoing;
  const State to = undo ? State::kUndone : State::kDone;
  const std::optional<Step> step = ReadStep(StepPath(family_folder, file.id, from), false);
  if (!step) {
    *error = kHistoryDamagedMessage;
    return std::nullopt;
  }
  if (!Rename(family_folder, file.id, from, through)) {
    *error = kHistoryNotWrittenMessage;
    return std::nullopt;
  }
  if (!PutSide(family_folder, *step, undo ? Side::kBefore : Side::kAfter, error)) {
    // Put back what this move changed, so the family stays as it was.
    QString ignored;
    if (PutSide(family_folder, *step, undo ? Side::kAfter : Side::kBefore, &ignored)) {
      Rename(family_folder, file.id, through, from);
    }
    return std::nullopt;
  }
  Rename(family_folder, file.id, through, to);
  return Describe({file.id, to, file.size}, *step);
}

// Drops the steps that can no longer be redone and the oldest beyond the history's bounds.
void Prune(const QString& family_folder, int newest_id) {
  std::vector<StepFile> steps = ListStepFiles(family_folder);
  qint64 bytes = 0;
  int kept = 0;
  for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
    const bool stale = it->state == State::kUndone && it->id < newest_id;
    const bool beyond = kept >= kHistoryStepLimit || bytes + it->size > kHistoryByteLimit;
    if (it->id != newest_id && (stale || beyond)) {
      QFile::remove(StepPath(family_folder, it->id, it->state));
      continue;
    }
    ++kept;
    bytes += it->size;
  }
}

}  // namespace

bool ApplyChange(const QString& family_folder, const FamilyChange& change, QString* error) {
  if (change.empty()) return true;
  const QDir dir(family_folder);
  Step step{change.name, QDateTime::currentDateTimeUtc(), {}};
  for (const FileChange& file : change.files) {
    QString problem;
    std::optional<QByteArray> before = CurrentImage(dir.filePath(file.file_name), &problem);
    if (!problem.isEmpty()) {
      *error = problem;
      return false;
    }
    step.files.push_back({file.file_name, std::move(before), file.contents});
  }
  if (!QDir().mkpath(HistoryFolder(family_folder))) {
    *error = kHistoryFolderNotMadeMessage.arg(QDir::toNativeSeparators(family_folder));
    return false;
  }
  const std::vector<StepFile> existing = ListStepFiles(family_folder);
  const int id = existing.empty() ? 1 : existing.back().id + 1;
  const QString pending = StepPath(family_folder, id, State::kPending);
  // The commit point: once the step file is on disk the change is made whole, if need be by
  // RecoverChanges after a crash.
  QString journal_error;
  if (!WriteFileAtomically(pending, EncodeStep(step), &journal_error) ||
      !SyncFolder(HistoryFolder(family_folder), &journal_error)) {
    QFile::remove(pending);
    *error = QStringLiteral("\"%1\" could not be saved, and nothing of it was changed. %2")
                 .arg(change.name, journal_error);
    return false;
  }
  if (!PutSide(family_folder, step, Side::kAfter, error)) {
    QString ignored;
    if (PutSide(family_folder, step, Side::kBefore, &ignored)) QFile::remove(pending);
    return false;
  }
  Rename(family_folder, id, State::kPending, State::kDone);
  Prune(family_folder, id);
  return true;
}

std::vector<HistoryStep> ListHistory(const QString& family_folder) {
  std::vector<HistoryStep> history;
  const std::vector<StepFile> files = ListStepFiles(family_folder);
  // Undone steps first, the one redo takes next last among them; then done steps, newest first.
  std::vector<StepFile> ordered;
  for (const StepFile& file : files) {
    if (file.state == State::kUndone) ordered.push_back(file);
  }
  std::reverse(ordered.begin(), ordered.end());
  for (auto it = files.rbegin(); it != files.rend(); ++it) {
    if (it->state == State::kDone) ordered.push_back(*it);
  }
  for (const StepFile& file : ordered) {
    if (auto step = ReadStep(StepPath(family_folder, file.id, file.state), true)) {
      history.push_back(Describe(file, *step));
    }
  }
  return history;
}

namespace {

std::optional<StepFile> NewestDone(const QString& family_folder) {
  const std::vector<StepFile> files = ListStepFiles(family_folder);
  for (auto it = files.rbegin(); it != files.rend(); ++it) {
    if (it->state == State::kDone) return *it;
  }
  return std::nullopt;
}

std::optional<StepFile> OldestUndone(const QString& family_folder) {
  for (const StepFile& file : ListStepFiles(family_folder)) {
    if (file.state == State::kUndone) return file;
  }
  return std::nullopt;
}

std::optional<HistoryStep> DescribeFile(const QString& family_folder,
                                        const std::optional<StepFile>& file) {
  if (!file) return std::nullopt;
  const auto step = ReadStep(StepPath(family_folder, file->id, file->state), true);
  return step ? std::optional(Describe(*file, *step)) : std::nullopt;
}

}  // namespace

std::optional<HistoryStep> StepToUndo(const QString& family_folder) {
  return DescribeFile(family_folder, NewestDone(family_folder));
}

std::optional<HistoryStep> StepToRedo(const QString& family_folder) {
  return DescribeFile(family_folder, OldestUndone(family_folder));
}

std::optional<HistoryStep> UndoChange(const QString& family_folder, QString* error) {
  const std::optional<StepFile> file = NewestDone(family_folder);
  return file ? Move(family_folder, *file, true, error) : std::nullopt;
}

std::optional<HistoryStep> RedoChange(const QString& family_folder, QString* error) {
  const std::optional<StepFile> file = OldestUndone(family_folder);
  return file ? Move(family_folder, *file, false, error) : std::nullopt;
}

int RecoverChanges(const QString& family_folder) {
  const QString history = HistoryFolder(family_folder);
  if (!QFileInfo(history).isDir()) return 0;
  DeleteTemporaryFiles(history);
  int finished = 0;
  for (const StepFile& file : ListStepFiles(family_folder)) {
    if (file.state == State::kDone || file.state == State::kUndone) continue;
    const QString path = StepPath(family_folder, file.id, file.state);
    const std::optional<Step> step = ReadStep(path, false);
    if (!step) {
      QFile::remove(path);  // not a whole step: it was never a commit point
      continue;
    }
    const bool undoing = file.state == State::kUndoing;
    QString error;
    if (!PutSide(family_folder, *step, undoing ? Side::kBefore : Side::kAfter, &error)) continue;
    Rename(family_folder, file.id, file.state, undoing ? State::kUndone : State::kDone);
    ++finished;
  }
  if (finished > 0) {
    if (const auto newest = NewestDone(family_folder)) Prune(family_folder, newest->id);
  }
  return finished;
}

}  // namespace kinvale
