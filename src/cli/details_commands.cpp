// Commands that edit a person as the details editor does: set, rename.
#include "cli/cli.h"
#include "cli/cli_texts.h"
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
    context.Err(kCaptionChoices.arg(Captions()));
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
  if (args[2].isEmpty()) return context.Fail(kNewNameEmpty);
  DetailsEditor editor(session, context.prompter);
  editor.Open();
  editor.fields().names.selected = row;  // the list holds the family in index order
  context.prompter.QueueAnswer(args[2]);
  context.prompter.set_assume_yes(true);
  return editor.ChangeName() ? kOk : kUserError;
}

const CommandRegistration kSet{{QStringLiteral("set"), QStringLiteral("FAMILY NAME CAPTION VALUE"),
                                kSetHelp, Set, /*writes=*/true}};
const CommandRegistration kRename{{QStringLiteral("rename"), QStringLiteral("FAMILY OLD NEW"),
                                   kRenameHelp, Rename, /*writes=*/true}};

}  // namespace

}  // namespace kinvale::cli
