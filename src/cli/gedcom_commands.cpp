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
  if (result.outcome == ImportOutcome::kCompleted || result.outcome == ImportOutcome::kFailed) {
    for (const QString& line : ImportReportLines(result.report)) context.Out(line);
  }
  return result.outcome == ImportOutcome::kCompleted ? kOk : kUserError;
}

const CommandRegistration kImport{
    {QStringLiteral("import"), QStringLiteral("FILE [--resume] [--yes]"),
     QStringLiteral(
         "Imports the GEDCOM file FILE into the family named after it (the file name up to its\n"
         "first \".\" or \"_\"), one record file per individual, and prints the import report.\n"
         "--resume takes the family's record files for the file's first individuals and goes on\n"
         "with the next. The questions the window asks (overwriting the family, replacing the\n"
         "family the window opens, the time estimate) are printed and answered no, ending the\n"
         "command with status 1, unless --yes answers them OK."),
     Import, /*writes=*/true}};

}  // namespace

}  // namespace kinvale::cli
