// kinvale-cli: the scripting interface to the same core operations the windows use.
#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "store/app_folder.h"
#include "store/app_lock.h"

using namespace kinvale;
using namespace kinvale::cli;

namespace {

QString Usage() {
  QString text = kUsageIntro;
  std::vector<Command> commands = Commands();
  std::sort(commands.begin(), commands.end(),
            [](const Command& a, const Command& b) { return a.name < b.name; });
  for (const Command& command : commands) {
    text += QStringLiteral("  ") + command.UsageText() + u'\n';
    for (const QString& line : command.help.ToString().split(u'\n'))
      text += QStringLiteral("      ") + line + u'\n';
  }
  return text;
}

const Command* FindCommand(const QString& name) {
  for (const Command& command : Commands()) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

int UsageError(Context& context, const QString& message) {
  context.Err(message);
  context.Err(kHelpHint);
  return kUsageError;
}

// The command the arguments name, looked for before the application object exists because the
// commands that draw need a GUI application.
const Command* CommandOfArguments(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const QString argument = QString::fromLocal8Bit(argv[i]);
    if (argument == u"--data-dir") {
      ++i;
    } else {
      return FindCommand(argument);
    }
  }
  return nullptr;
}

std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) {
  const Command* command = CommandOfArguments(argc, argv);
  if (!command || !command->paints) return std::make_unique<QCoreApplication>(argc, argv);
  // Drawing text needs the font database of a GUI application; the offscreen platform gives one
  // without a display. Its notes (a missing runtime folder, say) are not for the user.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
      std::fprintf(stderr, "%s\n", qPrintable(message));
  });
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
  const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("Kinvale"));
  QStringList args = QCoreApplication::arguments().mid(1);
  Context context;

  QString data_dir;
  bool missing = false;
  TakeOption(args, QStringLiteral("--data-dir"), &data_dir, &missing);
  if (missing) return UsageError(context, kDataDirMissing);
  if (args.isEmpty() || args.first() == u"--help" || args.first() == u"-h") {
    context.Out(Usage().trimmed());
    return args.isEmpty() ? kUsageError : kOk;
  }

  const QString name = args.takeFirst();
  const Command* command = FindCommand(name);
  if (!command) return UsageError(context, kUnknownCommand.arg(name));
  if (TakeFlag(args, QStringLiteral("--help"))) {
    context.Out(kUsagePrefix + command->UsageText());
    context.Out(command->help);
    return kOk;
  }

  context.app_folder = ResolveAppFolder(data_dir);
  QString error;
  if (!PrepareAppFolder(context.app_folder, &error)) return context.Fail(error);
  AppFolderLock lock(context.app_folder);
  if (command->writes) {
    if (!lock.TryLock()) return context.Fail(lock.HeldMessage());
    context.holds_lock = true;
  }
  return command->run(context, args);
}
