#include "editing/add_person.h"

#include "editing/editing_texts.h"
#include "editing/shown_people.h"
#include "session/session.h"
#include "store/family_index.h"
#include "store/link_string.h"
#include "store/name_check.h"
#include "store/person_number.h"
#include "store/record.h"

namespace kinvale {

QString NewPersonProblem(const LoadedFamily& family, const QString& name) {
  if (!family.HasFamily()) return kNoFamilyOpenMessage;
  if (QString problem = NameProblem(name); !problem.isEmpty()) return problem;
  if (family.NextPersonNumber().isEmpty()) return kFamilyFullMessage;
  return {};
}

QString DependentLink(const Session& session, const QString& number) {
  const FamilyIndex& index = session.index;
  const int poi_row = PoiRow(session);
  const QString poi = NumberOfRow(index, poi_row);
  const QString spouse = NumberOfRow(index, SpouseRow(session));
  const bool poi_is_father = poi_row >= 0 && index.row(poi_row).gender == kMaleGender;
  const QString& father = poi_is_father ? poi : spouse;
  const QString& mother = poi_is_father ? spouse : poi;
  return number + kNobody + u'F' + father + u'M' + mother + u'S';
}

int AddPerson(Session& session, const QString& name, NewPersonKind kind,
              const EditorEntries& editor) {
  FamilyIndex& index = session.index;
  if (!NewPersonProblem(session, name).isEmpty()) return -1;
  const QString number = session.NextPersonNumber();
  IndexRow row;
  row.name = name;
  switch (kind) {
    case NewPersonKind::kEditor:
      row.link = editor.link;
      row.gender = editor.gender;
      row.birth_date = editor.birth_date;
      row.death_date = editor.death_date;
      break;
    case NewPersonKind::kBlankRelative:
      row.link = NewLinkString(number);
      break;
    case NewPersonKind::kSpouse:
      row.link = number + NumberOfRow(index, PoiRow(session)) + QStringLiteral("F0000M0000S0000");
      break;
    case NewPersonKind::kDependent:
      if (PoiRow(session) < 0) return -1;
      row.link = DependentLink(session, number);
      break;
  }
  return index.Append(std::move(row));
}

}  // namespace kinvale
