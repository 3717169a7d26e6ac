// Commands that read the family store: families, people, show.
#include "cli/cli.h"
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
  context.Out(QStringLiteral("%1 people in %2 record files")
                  .arg(session.index.size())
                  .arg(session.family_files.size()));
  const FamilyCheck found = CheckFamilyLinks(session.index, session.family_files);
  for (const QString& line : found.duplicates) context.Out(line);
  for (const LinkRepair& mend : found.repairs) {
    context.Out(
        QStringLiteral("%1; %2 \"%3\".")
            .arg(mend.problem,
                 repair ? QStringLiteral("mended to") : QStringLiteral("check --repair writes"),
                 mend.link));
    if (repair) session.index.SetLink(mend.row, mend.link);
  }
  for (const QString& line : found.one_sided) context.Out(line);
  const bool mended = repair && !found.repairs.empty();
  if (mended) SaveLinkStrings(session, context.prompter, QStringLiteral("Repair link strings"));
  const bool sound = found.duplicates.isEmpty() && (found.repairs.empty() || mended);
  return sound && context.prompter.problems_shown() == 0 ? kOk : kUserError;
}

const CommandRegistration kCheck{
    {QStringLiteral("check"), QStringLiteral("FAMILY [--repair]"),
     QStringLiteral(
         "Loads FAMILY as the window program does, finishes a change that a crash\n"
         "interrupted, removes the temporary files it left behind, and reports files that\n"
         "cannot be read or are no records, person numbers carried by two files, link\n"
         "strings that are not well formed or name people no record carries, and links only\n"
         "one side holds (which the program's own rules leave too). Exit status 1 for any\n"
         "but the one-sided links. With --repair it mends what needs no guess: link strings\n"
         "rewritten as they are read, missing people cleared."),
     CheckFamily, /*writes=*/true}};
const CommandRegistration kFamilies{{QStringLiteral("families"), QString(),
                                     QStringLiteral("Lists the families, as the family chooser "
                                                    "lists them."),
                                     ListFamilyNames}};
const CommandRegistration kPeople{
    {QStringLiteral("people"), QStringLiteral("FAMILY"),
     QStringLiteral("Lists the people of FAMILY in index order: person number, name, gender, "
                    "birth date,\ndeath date and link string, separated by tabs."),
     ListPeople}};
const CommandRegistration kShow{
    {QStringLiteral("show"), QStringLiteral("FAMILY NAME"),
     QStringLiteral("Prints every field of the person information window for NAME, one\n"
                    "\"Caption: value\" line each in tab order; further lines of a value are\n"
                    "indented by two spaces."),
     ShowPerson}};

}  // namespace

}  // namespace kinvale::cli
