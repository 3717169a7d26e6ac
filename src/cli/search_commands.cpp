// The keyword search command: search.
#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "search/keyword_search.h"

namespace kinvale::cli {

namespace {

int SearchFamily(Context& context, const QStringList& arguments) {
  QStringList args = arguments;
  const SearchMode mode =
      TakeFlag(args, QStringLiteral("--exact")) ? SearchMode::kExactPhrase : SearchMode::kAnyWord;
  if (!ArgumentCountIs(context, QStringLiteral("search"), args, 2, 2)) return kUsageError;
  Session session;
  if (!context.OpenFamily(session, args[0])) return kUserError;
  const SearchOutcome outcome =
      SearchRecordFiles(session.FamilyPath(), session.family_files, SearchTerms(args[1], mode));
  for (const QString& name : outcome.names) context.Out(name);
  ReportSearchOutcome(outcome, mode, context.prompter);
  return outcome.unreadable.isEmpty() ? kOk : kUserError;
}

const CommandRegistration kSearch{
    {QStringLiteral("search"), QStringLiteral("FAMILY [--exact] TEXT"), kSearchHelp, SearchFamily}};

}  // namespace

}  // namespace kinvale::cli
