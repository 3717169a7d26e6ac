// Commands of the GEDCOM interchange: import.
#include "cli/cli.h"
#include "gedcom/gedcom_import.h"
#include "store/settings.h"

namespace kinvale::cli {

namespace {

int Import(Context& context, const QStringList& arguments) {
  QStringList args = arguments;
  ImportRequest request;
  request.resume = TakeFlag(args, QStringLiteral("--resume"));
  context.prompter.set_assume_yes(TakeFlag(args, QStringLiteral("--yes")));
  if (!ArgumentCountIs(context, QStringLiteral("import"), args, 1, 1)) return kUsageError;
  request.app_folder = context.app_folder;
  request.gedcom_path = args[0];
  // The family the window program opens next is the one it would replace.
  if (const std::optional<Settings> settings = LoadSettings(context.app_folder)) {
    request.open_family = settings->family;
  }
  const ImportResult result = ImportGedcom(request, context.prompter);
  if (result.outcome == ImportOutcome::kCompleted) {
    for (const QString& line : ImportReportLines(result.report)) context.Out(line);
  }
  return result.outcome == ImportOutcome::kCompleted ? kOk : kUserError;
}

const CommandRegistration kImport{
    {QStringLiteral("import"), QStringLiteral("FILE [--resume] [--yes]"),
     QStringLiteral(
         "Imports the GEDCOM file FILE into the family named after it (the file name up to its\n"
         "first \".\" or \"_\"), one record file per individual, all or nothing, and prints the\n"
         "import report. A family it replaces is kept whole in its folder \"Replaced <date>\".\n"
         "--resume adds the individuals whose person numbers the family has no record for.\n"
         "The questions the window asks (overwriting the family, replacing the family the\n"
         "window opens, the time estimate) are printed and answered no, ending the command with\n"
         "status 1, unless --yes answers them OK."),
     Import, /*writes=*/true}};

}  // namespace

}  // namespace kinvale::cli
