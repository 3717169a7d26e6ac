// The command line's shared pieces: the command table, the output streams and the way a
// command opens a family. Each command file registers its commands with a CommandRegistration.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "cli/cli_prompter.h"
#include "session/session.h"
#include "store/text.h"

namespace kinvale::cli {

enum ExitCode { kOk = 0, kUserError = 1, kUsageError = 2 };

struct Context {
  QString app_folder;
  CliPrompter prompter;
  // True while this command holds the application folder's lock (commands that change files).
  bool holds_lock = false;

  void Out(const QString& line);  // one line on stdout, UTF-8
  void Err(const QString& line);  // one line on stderr, UTF-8
  // A user error: the message on stderr, exit code 1.
  int Fail(const QString& message);
  // Opens the family into the session; false with the message printed when there is no such
  // family.
  bool OpenFamily(Session& session, const QString& family);
  // The row of the person a command argument names: "#NNNN", or a name that exactly one person
  // carries (exactly, else ignoring case and spaces). -1 with the reason printed otherwise; a
  // shared name lists its people with their numbers. A person found by number whose name is
  // shared is named on stderr, so the user sees whom the command acted on.
  int FindPerson(const Session& session, const QString& person);
  // A person argument as the relation commands pass it on: the person's label (the name, with
  // number and dates when it is shared); the text as given when it names nobody, which the
  // relation finder reports itself; nullopt, with the people listed, for a shared name.
  std::optional<QString> RelationPerson(const Session& session, const QString& person);
  // Opens the family and makes the person named the person of interest; the row, or -1 with the
  // reason printed.
  int OpenFamilyWithPerson(Session& session, const QString& family, const QString& person);
};

struct Command {
  QString name;
  QString synopsis;  // the arguments, for the usage line
  Text help;         // one or more lines of description
  std::function<int(Context&, const QStringList&)> run;
  // Commands that change files run only while this copy holds the application folder's lock.
  bool writes = false;
  // Commands that draw run in a GUI application on the offscreen platform (fonts need one).
  bool paints = false;

  // "name arguments", or the name alone for a command without arguments.
  QString UsageText() const { return synopsis.isEmpty() ? name : name + u' ' + synopsis; }
};

std::vector<Command>& Commands();

// Registers a command at start-up: `static CommandRegistration r{{...}};` in a command file.
struct CommandRegistration {
  explicit CommandRegistration(Command command);
};

// Ends the options: every argument after it is taken as it is, "--help" as a name included.
inline const QString kEndOfOptions = QStringLiteral("--");

// Drops the "--" that ends the options, then checks that args holds between min and max
// positional arguments (max -1: no limit); when not, prints the command's usage and gives false.
// Commands take their options first (TakeFlag, TakeOption) and call this before they read args.
bool ArgumentCountIs(Context& context, const QString& command, QStringList& args, int min, int max);

// Removes the first occurrence of a flag before the end of the options from args; true when it
// was there.
bool TakeFlag(QStringList& args, const QString& flag);
// Removes "--name VALUE" (before the end of the options) from args; false with *value untouched
// when the option is absent. A missing value is a usage error (the name is reported in
// *missing).
bool TakeOption(QStringList& args, const QString& name, QString* value, bool* missing);

}  // namespace kinvale::cli
