// Commands of the GEDCOM interchange: export.
#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "gedcom/gedcom_export.h"

namespace kinvale::cli {

namespace {

const QString kExportSynopsis = QStringLiteral("FAMILY FILE [--yes] [--contact TEXT]");

int Export(Context& context, const QStringList& arguments) {
  QStringList args = arguments;
  context.prompter.set_assume_yes(TakeFlag(args, QStringLiteral("--yes")));
  ExportRequest request;
  bool missing = false;
  TakeOption(args, QStringLiteral("--contact"), &request.contact, &missing);
  if (missing) {
    context.Err(kUsagePrefix + QStringLiteral("export ") + kExportSynopsis);
    return kUsageError;
  }
  if (!ArgumentCountIs(context, QStringLiteral("export"), args, 2, 2)) return kUsageError;
  Session session;
  if (!context.OpenFamily(session, args[0])) return kUserError;
  request.output_path = args[1];
  const ExportResult result = ExportGedcom(session, request, context.prompter);
  if (result.outcome == ExportOutcome::kFailed) context.Err(result.error);
  if (result.outcome != ExportOutcome::kCompleted) return kUserError;
  for (const QString& line : ExportSummaryLines(result)) context.Out(line);
  return kOk;
}

const CommandRegistration kExport{
    {QStringLiteral("export"), kExportSynopsis, kExportHelp, Export, /*writes=*/true}};

}  // namespace

}  // namespace kinvale::cli
