// Commands of the relation finder and the descendants window: relate and descendants.
#include <QTextStream>

#include "cli/cli.h"
#include "relations/descendants.h"
#include "relations/genders.h"
#include "relations/relation_finder.h"
#include "relations/relation_graph.h"

namespace kinvale::cli {

namespace {

// One pair a line, NAME1 TAB NAME2; one answer line each. Blank lines are passed over.
int RelateBatch(Context& context, const Session& session, RelationGraph& graph) {
  QTextStream in(stdin);
  int line_number = 0;
  bool all_read = true;
  QString line;
  while (in.readLineInto(&line)) {
    ++line_number;
    if (line.endsWith(u'\r')) line.chop(1);
    if (line.trimmed().isEmpty()) continue;
    const qsizetype tab = line.indexOf(u'\t');
    if (tab < 0) {
      context.Err(
          QStringLiteral("Line %1: expected two names separated by a tab.").arg(line_number));
      context.Out(QString());
      all_read = false;
      continue;
    }
    const std::optional<QString> first = context.RelationPerson(session, line.left(tab));
    const std::optional<QString> second = context.RelationPerson(session, line.mid(tab + 1));
    if (!first || !second) {
      context.Out(QString());
      all_read = false;
      continue;
    }
    context.Out(FindRelation(session, graph, context.prompter, *first, *second));
  }
  return all_read ? kOk : kUserError;
}

int Relate(Context& context, const QStringList& arguments) {
  QStringList args = arguments;
  const bool batch = TakeFlag(args, QStringLiteral("--batch"));
  const int count = batch ? 1 : 3;
  if (!ArgumentCountIs(context, QStringLiteral("relate"), args, count, count)) return kUsageError;
  Session session;
  if (!context.OpenFamily(session, args[0])) return kUserError;
  RelationGraph graph(session.index);
  if (batch) return RelateBatch(context, session, graph);
  const std::optional<QString> first = context.RelationPerson(session, args[1]);
  const std::optional<QString> second = context.RelationPerson(session, args[2]);
  if (!first || !second) return kUserError;
  context.Out(FindRelation(session, graph, context.prompter, *first, *second));
  return kOk;
}

int ListDescendants(Context& context, const QStringList& arguments) {
  QStringList args = arguments;
  const bool with_relations = TakeFlag(args, QStringLiteral("--relations"));
  if (!ArgumentCountIs(context, QStringLiteral("descendants"), args, 2, 2)) return kUsageError;
  Session session;
  if (!context.OpenFamily(session, args[0])) return kUserError;
  const std::optional<QString> person = context.RelationPerson(session, args[1]);
  if (!person) return kUserError;
  const DescendantsList list = FindDescendants(session.index, *person);
  QStringList relations;
  if (with_relations) {
    RelationGraph graph(session.index);
    RecordGenders genders(session);
    relations = DescendantRelations(graph, genders.AsLookup(), *person, list.names);
  }
  for (qsizetype i = 0; i < list.names.size(); ++i) {
    context.Out(with_relations ? list.names[i] + u'\t' + relations[i] : list.names[i]);
  }
  return list.problem.isEmpty() ? kOk : context.Fail(list.problem);
}

const CommandRegistration kRelate{
    {QStringLiteral("relate"), QStringLiteral("FAMILY NAME1 NAME2 | FAMILY --batch"),
     QStringLiteral(
         "Prints how NAME1 is related to NAME2, as \"Find Relation\" answers it; its warnings\n"
         "go to stderr first. With --batch, reads NAME1<tab>NAME2 lines from stdin and prints\n"
         "one answer line for each, in order."),
     Relate}};
const CommandRegistration kDescendants{
    {QStringLiteral("descendants"), QStringLiteral("FAMILY NAME [--relations]"),
     QStringLiteral(
         "Lists the descendants of NAME as the descendants window does, one name a line, once\n"
         "for every line of descent. With --relations each name is followed by a tab and the\n"
         "sentence a click on it gives."),
     ListDescendants}};

}  // namespace

}  // namespace kinvale::cli
