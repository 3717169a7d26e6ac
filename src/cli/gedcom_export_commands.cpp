// Commands of the GEDCOM interchange: export.
#include "cli/cli.h"
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
    context.Err(QStringLiteral("Usage: kinvale-cli export ") + kExportSynopsis);
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
    {QStringLiteral("export"), kExportSynopsis,
     QStringLiteral(
         "Writes FAMILY as the GEDCOM 5.5 file FILE, as the \"Export To GEDCOM\" window does, and\n"
         "prints what it holds. TEXT (the window's \"Contact Information:\") becomes the file's\n"
         "submitter. The questions of the window (overwriting FILE, writing UTF-8 when a text\n"
         "cannot be written in Windows-1252) are printed and answered no, ending the command\n"
         "with status 1, unless --yes answers them OK."),
     Export, /*writes=*/true}};

}  // namespace

}  // namespace kinvale::cli
