// Commands of the GEDCOM interchange: import.
#include "cli/cli.h"
#include "cli/cli_texts.h"
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

const CommandRegistration kImport{{QStringLiteral("import"),
                                   QStringLiteral("FILE [--resume] [--yes]"), kImportHelp, Import,
                                   /*writes=*/true}};

}  // namespace

}  // namespace kinvale::cli
