// Commands that edit a family as the main window's add and remove buttons do: add, remove.
#include <algorithm>
#include <array>

#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "editing/family_editing.h"
#include "store/link_string.h"
#include "store/person_lookup.h"
#include "store/person_number.h"

namespace kinvale::cli {

namespace {

using ButtonOperation = void (*)(Session&, Prompter&);

struct Role {
  QString name;  // the ROLE argument: command-line syntax, the same in every language
  Relative relative;
  ButtonOperation add;
  ButtonOperation remove;        // null: the relative has no remove button
  RelativeList MainView::*list;  // the list remove picks from
};

const std::array<Role, 5> kRoles = {{
    {QStringLiteral("father"), Relative::kFather, AddFather, RemoveFather, &MainView::fathers},
    {QStringLiteral("mother"), Relative::kMother, AddMother, RemoveMother, &MainView::mothers},
    {QStringLiteral("spouse"), Relative::kSpouse, AddSpouse, nullptr, nullptr},
    {QStringLiteral("sibling"), Relative::kSibling, AddSibling, RemoveSibling, &MainView::siblings},
    {QStringLiteral("dependent"), Relative::kDependent, AddDependent, RemoveDependent,
     &MainView::children},
}};

const Role* FindRole(const QString& word) {
  for (const Role& role : kRoles) {
    if (role.name == word) return &role;
  }
  return nullptr;
}

// One "name, old link, new link" line per row whose link string differs from before; rows
// added since have no old link.
void PrintChangedLinks(Context& context, const std::vector<IndexRow>& before,
                       const FamilyIndex& after) {
  for (int i = 0; i < after.size(); ++i) {
    const IndexRow& row = after.row(i);
    const QString old_link = i < static_cast<int>(before.size()) ? before[i].link : QString();
    if (old_link != row.link) context.Out(QStringList{row.name, old_link, row.link}.join(u'\t'));
  }
}

// Opens FAMILY with PERSON shown, runs the operation with the view prepared, and prints the
// changed links. A message of the operation (a refused name, a failed save) makes it a failure.
int RunEdit(Context& context, const QStringList& args, ButtonOperation operation,
            const std::function<bool(Session&)>& prepare) {
  Session session;
  if (context.OpenFamilyWithPerson(session, args[0], args[1]) < 0) return kUserError;
  if (!prepare(session)) return kUserError;
  const std::vector<IndexRow> before = session.index.rows();
  const int messages = context.prompter.problems_shown();
  operation(session, context.prompter);
  PrintChangedLinks(context, before, session.index);
  return context.prompter.problems_shown() == messages ? kOk : kUserError;
}

// The line of the list that person names: the line of the person "#NNNN" or a description
// names, else the one line of exactly that name; -1 when none or several lines carry it.
int LineOfPerson(const FamilyIndex& index, const RelativeList& list, const QString& person) {
  const bool by_number = person.startsWith(u'#') || RowOfDescription(index, person) >= 0;
  const std::vector<int> rows = by_number ? RowsMatching(index, person) : std::vector<int>();
  if (rows.size() == 1) {
    const int number = NumberValue(OwnNumber(index.row(rows.front()).link));
    const auto at = std::find(list.numbers.begin(), list.numbers.end(), number);
    if (at != list.numbers.end()) return static_cast<int>(at - list.numbers.begin());
  }
  return list.names.count(person) == 1 ? static_cast<int>(list.names.indexOf(person)) : -1;
}

QString RoleWords(bool removable) {
  QStringList words;
  for (const Role& role : kRoles) {
    if (!removable || role.remove) words.append(role.name);
  }
  return words.join(QStringLiteral(", "));
}

int Add(Context& context, QStringList args) {
  if (!ArgumentCountIs(context, QStringLiteral("add"), args, 4, 4)) return kUsageError;
  const Role* role = FindRole(args[2]);
  if (!role) {
    context.Err(kRoleChoices.arg(RoleWords(false)));
    return kUsageError;
  }
  context.prompter.QueueAnswer(args[3]);
  return RunEdit(context, args, role->add, [](Session&) { return true; });
}

int Remove(Context& context, QStringList args) {
  if (!ArgumentCountIs(context, QStringLiteral("remove"), args, 4, 4)) return kUsageError;
  const Role* role = FindRole(args[2]);
  if (!role || !role->remove) {
    context.Err(kRoleChoices.arg(RoleWords(true)));
    return kUsageError;
  }
  return RunEdit(context, args, role->remove, [&](Session& session) {
    RelativeList& list = session.view.*role->list;
    list.selected = LineOfPerson(session.index, list, args[3]);
    if (list.HasSelection()) return true;
    context.Fail(kNoRelativeNamed.arg(args[1], RelativeWord(role->relative), args[3]));
    return false;
  });
}

const CommandRegistration kAdd{{QStringLiteral("add"), QStringLiteral("FAMILY PERSON ROLE NAME"),
                                kAddHelp, Add, /*writes=*/true}};
const CommandRegistration kRemove{{QStringLiteral("remove"),
                                   QStringLiteral("FAMILY PERSON ROLE NAME"), kRemoveHelp, Remove,
                                   /*writes=*/true}};

}  // namespace

}  // namespace kinvale::cli
