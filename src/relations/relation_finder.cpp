#include "relations/relation_finder.h"

#include "relations/collateral.h"
#include "relations/cousin.h"
#include "relations/direct_line.h"
#include "relations/relation_graph.h"
#include "relations/relation_primitives.h"
#include "relations/relation_texts.h"
#include "relations/sibling_spouse.h"
#include "session/session.h"
#include "store/person_lookup.h"
#include "store/prompter.h"
#include "store/record_reader.h"
#include "store/text_helpers.h"

namespace kinvale {

QString AncestryRelation(RelationGraph& graph, const GenderLookup& gender_of, const QString& a,
                         const QString& b) {
  QString answer = DirectLineRelation(graph, gender_of, a, b);
  if (answer == kNoRelationFound) answer = CollateralRelation(graph, gender_of, a, b);
  if (answer == kNoRelationFound) answer = CousinRelation(graph, a, b);
  return answer;
}

namespace {

void AddWarning(RelationGraph& graph, const GenderLookup& gender_of, const QString& name,
                QStringList& warnings) {
  if (!graph.PersonNamed(name)) {
    warnings.append(NotInFamilyWarning(name));
  } else if (IsGenderMissing(gender_of(name))) {
    warnings.append(GenderMissingWarning(name));
  }
}

}  // namespace

RelationFinding FindRelation(RelationGraph& graph, const GenderLookup& gender_of,
                             const QString& first, const QString& second) {
  RelationFinding finding;
  AddWarning(graph, gender_of, first, finding.warnings);
  AddWarning(graph, gender_of, second, finding.warnings);
  const RelationGraph::Person* person = graph.PersonNamed(first);
  if (person && person == graph.PersonNamed(second)) {
    finding.answer = SamePersonAnswer(first, second);
    return finding;
  }
  finding.answer = SiblingRelation(graph, first, second);
  if (finding.answer == kNoRelationFound) finding.answer = SpouseRelation(graph, first, second);
  if (finding.answer == kNoRelationFound) {
    finding.answer = AncestryRelation(graph, gender_of, first, second);
  }
  return finding;
}

QString FindRelation(const Session& session, RelationGraph& graph, Prompter& prompter,
                     const QString& first, const QString& second) {
  RecordGenders genders(session);
  const RelationFinding finding = FindRelation(graph, genders.AsLookup(), first, second);
  for (const QString& warning : finding.warnings)
    prompter.Message(warning, kWarningTitle, MessageKind::kWarning);
  return finding.answer;
}

QStringList RelationPersonNames(const FamilyIndex& index, const QStringList& family_files) {
  QStringList names;
  for (const QString& file : family_files) {
    if (ContainsText(file, u"copy")) continue;
    const QString name = NameFromRecordFileName(file);
    const int row = index.RowOfNumber(NumberFromRecordFileName(file));
    names.append(row >= 0 && index.row(row).name == name ? PersonLabel(index, row) : name);
  }
  return names;
}

QString PhotoToShow(const LoadedFamily& family, const QString& name) {
  const int row = RowOfName(family.index, name);
  if (row < 0) return {};
  const std::optional<QString> photo = ReadPhotoLine(family.RecordPathOfRow(row));
  return photo && FileExists(*photo) ? *photo : QString();
}

}  // namespace kinvale
