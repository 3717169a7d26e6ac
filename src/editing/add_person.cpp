#include "editing/add_person.h"

#include "editing/editing_texts.h"
#include "editing/shown_people.h"
#include "store/family_index.h"
#include "store/link_string.h"
#include "store/name_check.h"
#include "store/person_number.h"
#include "store/session.h"

namespace kinvale {

QString NewPersonProblem(const Session& session, const QString& name) {
  if (!session.HasFamily()) return kNoFamilyOpenMessage;
  if (session.index.NameExists(name)) return {};
  if (QString problem = NameProblem(name); !problem.isEmpty()) return problem;
  if (session.NextPersonNumber().isEmpty()) return kFamilyFullMessage;
  return {};
}

QString DependentLink(const Session& session, const QString& number) {
  const FamilyIndex& index = session.index;
  const int poi_row = RowOfPerson(index, PoiName(session.view));
  const QString poi = NumberOfPerson(index, PoiName(session.view));
  const QString spouse = NumberOfPerson(index, SpouseName(session.view));
  const bool poi_is_father = poi_row >= 0 && index.row(poi_row).gender == u"Male";
  const QString& father = poi_is_father ? poi : spouse;
  const QString& mother = poi_is_father ? spouse : poi;
  return number + kNobody + u'F' + father + u'M' + mother + u'S';
}

QString AddPerson(Session& session, const QString& name, NewPersonKind kind,
                  const EditorEntries& editor) {
  FamilyIndex& index = session.index;
  if (index.NameExists(name)) return {};
  if (QString problem = NewPersonProblem(session, name); !problem.isEmpty()) return problem;
  const QString number = session.NextPersonNumber();
  IndexRow row;
  row.name = name;
  switch (kind) {
    case NewPersonKind::kEditor:
      row.link = session.last_assembled_link;
      row.gender = editor.gender;
      row.birth_date = editor.birth_date;
      row.death_date = editor.death_date;
      break;
    case NewPersonKind::kBlankRelative:
      row.link = NewLinkString(number);
      break;
    case NewPersonKind::kSpouse:
      row.link =
          number + NumberOfPerson(index, PoiName(session.view)) + QStringLiteral("F0000M0000S0000");
      break;
    case NewPersonKind::kDependent:
      if (RowOfPerson(index, PoiName(session.view)) < 0) return {};
      row.link = DependentLink(session, number);
      break;
  }
  index.Append(std::move(row));
  return {};
}

}  // namespace kinvale
