// Commands that edit a person as the details editor does: set, rename.
#include "cli/cli.h"
#include "details/details_editor.h"
#include "details/field_update.h"

namespace kinvale::cli {

namespace {

QString Captions() {
  QStringList captions;
  for (const FieldInfo& field : DetailFields()) captions.append(field.caption);
  return captions.join(QStringLiteral(", "));
}

int Set(Context& context, QStringList args) {
  if (!ArgumentCountIs(context, QStringLiteral("set"), args, 4, 4)) return kUsageError;
  const FieldInfo* field = FindDetailField(args[2]);
  if (!field) {
    context.Err(QStringLiteral("CAPTION must be one of %1.").arg(Captions()));
    return kUsageError;
  }
  Session session;
  if (context.OpenFamilyWithPerson(session, args[0], args[1]) < 0) return kUserError;
  return SetDetailField(session, context.prompter, *field, args[3]) ? kOk : kUserError;
}

int Rename(Context& context, QStringList args) {
  if (!ArgumentCountIs(context, QStringLiteral("rename"), args, 3, 3)) return kUsageError;
  Session session;
  const int row = context.OpenFamilyWithPerson(session, args[0], args[1]);
  if (row < 0) return kUserError;
  if (args[2].isEmpty()) return context.Fail(QStringLiteral("NEW must not be empty."));
  DetailsEditor editor(session, context.prompter);
  editor.Open();
  editor.fields().names.selected = row;  // the list holds the family in index order
  context.prompter.QueueAnswer(args[2]);
  context.prompter.set_assume_yes(true);
  return editor.ChangeName() ? kOk : kUserError;
}

const CommandRegistration kSet{
    {QStringLiteral("set"), QStringLiteral("FAMILY NAME CAPTION VALUE"),
     QStringLiteral(
         "Sets the field with the details editor's CAPTION (for example \"Birth Date\",\n"
         "\"Occupation\", \"Notes:\") of NAME to VALUE and saves the record as \"Apply\" does.\n"
         "For a list, VALUE holds the entries one per line; for a text block, its lines."),
     Set, /*writes=*/true}};
const CommandRegistration kRename{
    {QStringLiteral("rename"), QStringLiteral("FAMILY OLD NEW"),
     QStringLiteral("Renames OLD to NEW as \"Change Name\" does, confirmed: the record file takes\n"
                    "the new name and keeps its contents and person number."),
     Rename, /*writes=*/true}};

}  // namespace

}  // namespace kinvale::cli
