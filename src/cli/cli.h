// The command line's shared pieces: the command table, the output streams and the way a
// command opens a family. Each command file registers its commands with a CommandRegistration.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "cli/cli_prompter.h"
#include "store/session.h"

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
  // Opens the family (and draws the person, when given) into the session; false with the
  // message printed when there is no such family.
  bool OpenFamily(Session& session, const QString& family, const QString& person = QString());
  // Opens the family and checks that person is one of its people (by the index's name rule).
  bool OpenFamilyWithPerson(Session& session, const QString& family, const QString& person);
};

struct Command {
  QString name;
  QString synopsis;  // the arguments, for the usage line
  QString help;      // one or more lines of description
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

// Checks that args holds between min and max positional arguments (max -1: no limit); when not,
// prints the command's usage and gives false.
bool ArgumentCountIs(Context& context, const QString& command, const QStringList& args, int min,
                     int max);

// Removes the first occurrence of a flag from args; true when it was there.
bool TakeFlag(QStringList& args, const QString& flag);
// Removes "--name VALUE" from args; false with *value untouched when the option is absent.
// A missing value is a usage error (the name is reported in *missing).
bool TakeOption(QStringList& args, const QString& name, QString* value, bool* missing);

}  // namespace kinvale::cli
