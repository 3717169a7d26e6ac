#include "cli/cli.h"

#include <cstdio>

#include "cli/cli_texts.h"
#include "session/main_view.h"
#include "session/startup.h"
#include "session/undo.h"
#include "store/app_folder.h"
#include "store/atomic_file.h"
#include "store/families.h"
#include "store/person_lookup.h"

namespace kinvale::cli {

namespace {

void Write(std::FILE* stream, const QString& line) {
  const QByteArray bytes = (line + u'\n').toUtf8();
  std::fwrite(bytes.constData(), 1, bytes.size(), stream);
}

}  // namespace

void Context::Out(const QString& line) { Write(stdout, line); }

void Context::Err(const QString& line) { Write(stderr, line); }

int Context::Fail(const QString& message) {
  Err(message);
  return kUserError;
}

bool Context::OpenFamily(Session& session, const QString& family) {
  if (!ListFamilies(app_folder).contains(family)) {
    Fail(kNoSuchFamily.arg(family));
    return false;
  }
  session.app_folder = app_folder;
  // Leftovers of a write that a crash cut short; only the lock holder may take them away.
  session.family = family;
  if (holds_lock) {
    DeleteTemporaryFiles(session.FamilyPath());
    RecoverFamilyChanges(session);
  }
  OpenFamilyForCommand(session, prompter, family);
  return true;
}

int Context::FindPerson(const Session& session, const QString& person) {
  const FamilyIndex& index = session.index;
  const std::vector<int> rows = RowsMatching(index, person);
  if (rows.empty()) {
    Fail(person.startsWith(u'#') ? kNoSuchNumber.arg(person.mid(1), session.family)
                                 : kNoSuchName.arg(person, session.family));
    return -1;
  }
  if (rows.size() > 1) {
    QStringList people;
    for (int row : rows) people.append(PersonDescription(index, row));
    prompter.ChooseOne(kWhichPersonQuestion.arg(person), kWhichPersonTitle, people);
    return -1;
  }
  const int row = rows.front();
  if (index.RowsWithName(index.row(row).name).size() > 1) {
    Err(kPersonFound + PersonDescription(index, row));
  }
  return row;
}

std::optional<QString> Context::RelationPerson(const Session& session, const QString& person) {
  if (RowsMatching(session.index, person).empty()) return person;
  const int row = FindPerson(session, person);
  return row < 0 ? std::nullopt : std::optional(PersonLabel(session.index, row));
}

int Context::OpenFamilyWithPerson(Session& session, const QString& family, const QString& person) {
  if (!OpenFamily(session, family)) return -1;
  const int row = FindPerson(session, person);
  if (row < 0) return -1;
  SetPersonOfInterest(session.view, session.index, row);
  RefreshMainView(session);
  return row;
}

std::vector<Command>& Commands() {
  static std::vector<Command> commands;
  return commands;
}

CommandRegistration::CommandRegistration(Command command) {
  Commands().push_back(std::move(command));
}

namespace {

// Where the options end: at the first "--", or after the last argument.
qsizetype OptionsEnd(const QStringList& args) {
  const qsizetype end = args.indexOf(kEndOfOptions);
  return end < 0 ? args.size() : end;
}

}  // namespace

bool ArgumentCountIs(Context& context, const QString& command, QStringList& args, int min,
                     int max) {
  if (const qsizetype end = OptionsEnd(args); end < args.size()) args.removeAt(end);
  if (args.size() >= min && (max < 0 || args.size() <= max)) return true;
  for (const Command& c : Commands()) {
    if (c.name == command) context.Err(kUsagePrefix + c.UsageText());
  }
  return false;
}

bool TakeFlag(QStringList& args, const QString& flag) {
  const qsizetype at = args.indexOf(flag);
  if (at < 0 || at >= OptionsEnd(args)) return false;
  args.removeAt(at);
  return true;
}

bool TakeOption(QStringList& args, const QString& name, QString* value, bool* missing) {
  const qsizetype at = args.indexOf(name);
  const qsizetype end = OptionsEnd(args);
  if (at < 0 || at >= end) return false;
  if (at + 1 >= end) {
    *missing = true;
    args.removeAt(at);
    return false;
  }
  *value = args.at(at + 1);
  args.remove(at, 2);
  return true;
}

}  // namespace kinvale::cli
