#include "cli/cli.h"

#include <cstdio>

#include "mainwindow/startup.h"
#include "store/app_folder.h"
#include "store/atomic_file.h"
#include "store/families.h"

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

bool Context::OpenFamily(Session& session, const QString& family, const QString& person) {
  if (!ListFamilies(app_folder).contains(family)) {
    Fail(QStringLiteral("There is no family named \"%1\".").arg(family));
    return false;
  }
  session.app_folder = app_folder;
  // Leftovers of a write that a crash cut short; only the lock holder may take them away.
  if (holds_lock) DeleteTemporaryFiles(FamilyFolderPath(app_folder, family));
  OpenFamilyForCommand(session, prompter, family, person);
  return true;
}

bool Context::OpenFamilyWithPerson(Session& session, const QString& family, const QString& person) {
  if (!OpenFamily(session, family, person)) return false;
  if (session.index.FindRowExact(person) >= 0) return true;
  Fail(QStringLiteral("There is nobody named \"%1\" in the family \"%2\".").arg(person, family));
  return false;
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
    if (c.name == command) context.Err(QStringLiteral("Usage: kinvale-cli ") + c.UsageText());
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
