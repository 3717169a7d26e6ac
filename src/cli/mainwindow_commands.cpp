// Commands for what the main window shows and for making families: view, create-family.
#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "mainwindow/window_texts.h"
#include "session/main_view.h"
#include "session/startup.h"
#include "store/families.h"
#include "store/person_lookup.h"
#include "store/settings.h"

namespace kinvale::cli {

namespace {

void PrintRelatives(Context& context, const FamilyIndex& index, const QString& caption,
                    const RelativeList& list) {
  for (size_t i = 0; i < list.numbers.size(); ++i) {
    context.Out(caption + QStringLiteral(": ") + LineLabel(index, list, i));
  }
}

int ViewPerson(Context& context, QStringList args) {
  if (!ArgumentCountIs(context, QStringLiteral("view"), args, 1, 2)) return kUsageError;
  Session session;
  if (args.size() == 2) {
    if (context.OpenFamilyWithPerson(session, args[0], args[1]) < 0) return kUserError;
  } else {
    if (!context.OpenFamily(session, args[0])) return kUserError;
    PickDefaultPerson(session);
    RefreshMainView(session);
  }
  const MainView& view = session.view;
  context.Out(kNoPersonCaption + QStringLiteral(": ") + view.person_of_interest);
  context.Out(kNoSpouseCaption + QStringLiteral(": ") + view.spouse);
  PrintRelatives(context, session.index, kFatherCaption, view.fathers);
  PrintRelatives(context, session.index, kMotherCaption, view.mothers);
  PrintRelatives(context, session.index, kSiblingsCaption, view.siblings);
  PrintRelatives(context, session.index, kChildrenCaption, view.children);
  context.Out(kPhotoLabel + (view.photo_visible ? u' ' + view.photo_path : QString()));
  return kOk;
}

int CreateFamilyFolder(Context& context, QStringList args) {
  if (!ArgumentCountIs(context, QStringLiteral("create-family"), args, 1, 1)) return kUsageError;
  QString error;
  if (!CreateFamily(context.app_folder, args[0], &error)) return context.Fail(error);
  context.Out(kFamilyCreatedMessage);
  return kOk;
}

const CommandRegistration kView{
    {QStringLiteral("view"), QStringLiteral("FAMILY [NAME]"), kViewHelp, ViewPerson}};
const CommandRegistration kCreateFamily{{QStringLiteral("create-family"), QStringLiteral("NAME"),
                                         kCreateFamilyHelp, CreateFamilyFolder, /*writes=*/true}};

}  // namespace

}  // namespace kinvale::cli
