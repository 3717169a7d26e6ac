// Commands that read the family store: families, people, show.
#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "editing/save_link_strings.h"
#include "mainwindow/person_info.h"
#include "store/families.h"
#include "store/family_check.h"
#include "store/record_fields.h"
#include "store/text_codec.h"

namespace kinvale::cli {

namespace {

int ListFamilyNames(Context& context, QStringList args) {
  if (!ArgumentCountIs(context, QStringLiteral("families"), args, 0, 0)) return kUsageError;
  for (const QString& family : ListFamilies(context.app_folder)) context.Out(family);
  return kOk;
}

int ListPeople(Context& context, QStringList args) {
  if (!ArgumentCountIs(context, QStringLiteral("people"), args, 1, 1)) return kUsageError;
  Session session;
  if (!context.OpenFamily(session, args[0])) return kUserError;
  for (const IndexRow& row : session.index.rows()) {
    context.Out(QStringList{row.link.left(4), row.name, row.gender, row.birth_date, row.death_date,
                            row.link}
                    .join(u'\t'));
  }
  return kOk;
}

// "Caption: first line", further lines indented by two spaces.
void PrintField(Context& context, const QString& caption, const QStringList& lines) {
  const QString label = caption.endsWith(u':') ? caption : caption + u':';
  if (lines.isEmpty()) {
    context.Out(label);
    return;
  }
  context.Out(lines.first().isEmpty() ? label : label + u' ' + lines.first());
  for (qsizetype i = 1; i < lines.size(); ++i) context.Out(QStringLiteral("  ") + lines[i]);
}

int ShowPerson(Context& context, QStringList args) {
  if (!ArgumentCountIs(context, QStringLiteral("show"), args, 2, 2)) return kUsageError;
  Session session;
  const int row = context.OpenFamilyWithPerson(session, args[0], args[1]);
  if (row < 0) return kUserError;
  const PersonInfo info = ShowPersonInfo(session, row);
  for (const FieldInfo& field : DetailFields()) {
    if (field.kind == FieldKind::kList) {
      PrintField(context, field.caption, info.details.*field.list);
    } else {
      PrintField(context, field.caption, SplitLines(info.details.*field.text));
    }
    if (field.text == &PersonDetails::suffix) {
      PrintField(context, kDateLastChangedCaption, {info.date_label});
    }
  }
  return kOk;
}

// Opening the family as a command that holds the lock clears what a crash left; what remains to
// report is the records that cannot be read and the faults of the links.
int CheckFamily(Context& context, QStringList args) {
  const bool repair = TakeFlag(args, QStringLiteral("--repair"));
  if (!ArgumentCountIs(context, QStringLiteral("check"), args, 1, 1)) return kUsageError;
  Session session;
  if (!context.OpenFamily(session, args[0])) return kUserError;
  context.Out(kCheckCounts.ToString().arg(session.index.size()).arg(session.family_files.size()));
  const FamilyCheck found = CheckFamilyLinks(session.index, session.family_files);
  for (const QString& line : found.duplicates) context.Out(line);
  for (const LinkRepair& mend : found.repairs) {
    context.Out(
        kLinkRepair.arg(mend.problem, (repair ? kMendedTo : kRepairWrites).ToString(), mend.link));
    if (repair) session.index.SetLink(mend.row, mend.link);
  }
  for (const QString& line : found.one_sided) context.Out(line);
  const bool mended = repair && !found.repairs.empty();
  if (mended) SaveLinkStrings(session, context.prompter, kRepairStepName);
  const bool sound = found.duplicates.isEmpty() && (found.repairs.empty() || mended);
  return sound && context.prompter.problems_shown() == 0 ? kOk : kUserError;
}

const CommandRegistration kCheck{{QStringLiteral("check"), QStringLiteral("FAMILY [--repair]"),
                                  kCheckHelp, CheckFamily, /*writes=*/true}};
const CommandRegistration kFamilies{
    {QStringLiteral("families"), QString(), kFamiliesHelp, ListFamilyNames}};
const CommandRegistration kPeople{
    {QStringLiteral("people"), QStringLiteral("FAMILY"), kPeopleHelp, ListPeople}};
const CommandRegistration kShow{
    {QStringLiteral("show"), QStringLiteral("FAMILY NAME"), kShowHelp, ShowPerson}};

}  // namespace

}  // namespace kinvale::cli
