// Commands of the relation finder, the relatives window and the descendants window: relate,
// relatives and descendants.
#include <QTextStream>
#include <functional>

#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "relations/descendants.h"
#include "relations/family_links.h"
#include "relations/genders.h"
#include "relations/relation_finder.h"
#include "relations/relation_graph.h"
#include "relations/relation_texts.h"
#include "relations/relationships.h"
#include "relations/relatives.h"
#include "store/person_number.h"

namespace kinvale::cli {

namespace {

// "NNNN<tab>Name", as a line of a path or of the relatives.
QString NumberAndName(const FamilyLinks& links, int number) {
  return FormatPersonNumber(number) + u'\t' +
         links.index().NameOfNumber(FormatPersonNumber(number));
}

// Each relationship of the two people: its sentence, then its path one person a line, each but
// the last followed by how that person stands to the next.
int PrintRelationships(Context& context, const Session& session, const FamilyLinks& links,
                       const QString& first, const QString& second) {
  const int a = context.FindPerson(session, first);
  const int b = a < 0 ? -1 : context.FindPerson(session, second);
  if (b < 0) return kUserError;
  if (a == b) {
    const QString& name = links.index().row(a).name;
    context.Out(SamePersonAnswer(name, name));
    return kOk;
  }
  const std::vector<Relationship> found =
      AllRelationships(links, links.NumberOf(a), links.NumberOf(b));
  if (found.empty()) context.Out(kNoRelationFound);
  for (const Relationship& relationship : found) {
    context.Out(relationship.sentence);
    for (std::size_t i = 0; i < relationship.people.size(); ++i) {
      const QString step =
          i < relationship.steps.size() ? u'\t' + PathStepText(relationship.steps[i]) : QString();
      context.Out(QStringLiteral("  ") + NumberAndName(links, relationship.people[i]) + step);
    }
  }
  return kOk;
}

// One pair a line, NAME1 TAB NAME2; each answered in turn. Blank lines are passed over.
int RelateBatch(Context& context,
                const std::function<int(const QString&, const QString&)>& answer) {
  QTextStream in(stdin);
  int line_number = 0;
  bool all_answered = true;
  QString line;
  while (in.readLineInto(&line)) {
    ++line_number;
    if (line.endsWith(u'\r')) line.chop(1);
    if (line.trimmed().isEmpty()) continue;
    const qsizetype tab = line.indexOf(u'\t');
    if (tab < 0) {
      context.Err(kBatchLineError.arg(line_number));
      context.Out(QString());
      all_answered = false;
      continue;
    }
    all_answered = answer(line.left(tab), line.mid(tab + 1)) == kOk && all_answered;
  }
  return all_answered ? kOk : kUserError;
}

int Relate(Context& context, const QStringList& arguments) {
  QStringList args = arguments;
  const bool batch = TakeFlag(args, QStringLiteral("--batch"));
  const bool with_paths = TakeFlag(args, QStringLiteral("--path"));
  const int count = batch ? 1 : 3;
  if (!ArgumentCountIs(context, QStringLiteral("relate"), args, count, count)) return kUsageError;
  Session session;
  if (!context.OpenFamily(session, args[0])) return kUserError;
  RelationGraph graph(session.index);
  const FamilyLinks links(session.index);
  const auto answer = [&](const QString& first, const QString& second) {
    if (with_paths) {
      // A blank line ends each pair's relationships in a batch.
      const int code = PrintRelationships(context, session, links, first, second);
      if (batch) context.Out(QString());
      return code;
    }
    const std::optional<QString> a = context.RelationPerson(session, first);
    const std::optional<QString> b = a ? context.RelationPerson(session, second) : std::nullopt;
    if (!b) {
      if (batch) context.Out(QString());
      return static_cast<int>(kUserError);
    }
    context.Out(FindRelation(session, graph, context.prompter, *a, *b));
    return static_cast<int>(kOk);
  };
  return batch ? RelateBatch(context, answer) : answer(args[1], args[2]);
}

int ListRelatives(Context& context, const QStringList& arguments) {
  QStringList args = arguments;
  QString degree_text = QStringLiteral("3");
  bool degree_missing = false;
  TakeOption(args, QStringLiteral("--max-degree"), &degree_text, &degree_missing);
  bool is_number = false;
  const int max_degree = degree_text.toInt(&is_number);
  if (degree_missing || !is_number || max_degree < 0 || max_degree > kRelativesDegreeLimit) {
    return context.Fail(kMaxDegreeError.arg(kRelativesDegreeLimit));
  }
  if (!ArgumentCountIs(context, QStringLiteral("relatives"), args, 2, 2)) return kUsageError;
  Session session;
  if (!context.OpenFamily(session, args[0])) return kUserError;
  const int row = context.FindPerson(session, args[1]);
  if (row < 0) return kUserError;
  const FamilyLinks links(session.index);
  for (const RelativeGroup& group : RelativesOf(links, links.NumberOf(row), max_degree)) {
    context.Out(group.title);
    for (const Relative& relative : group.relatives) {
      context.Out(QStringLiteral("  ") + relative.words + u'\t' +
                  NumberAndName(links, relative.person));
    }
  }
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
    {QStringLiteral("relate"),
     QStringLiteral("FAMILY NAME1 NAME2 [--path] | FAMILY --batch [--path]"), kRelateHelp, Relate}};
const CommandRegistration kRelatives{{QStringLiteral("relatives"),
                                      QStringLiteral("FAMILY PERSON [--max-degree N]"),
                                      kRelativesHelp, ListRelatives}};
const CommandRegistration kDescendants{{QStringLiteral("descendants"),
                                        QStringLiteral("FAMILY NAME [--relations]"),
                                        kDescendantsHelp, ListDescendants}};

}  // namespace

}  // namespace kinvale::cli
