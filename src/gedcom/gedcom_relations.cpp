#include "gedcom/gedcom_relations.h"

#include <algorithm>

#include "store/person_number.h"

namespace kinvale {

namespace {

// Person numbers gathered once each, in the order first met.
class NumberGroup {
 public:
  void Add(const QString& number) {
    if (std::find(numbers_.begin(), numbers_.end(), number) == numbers_.end()) {
      numbers_.push_back(number);
    }
  }
  bool empty() const { return numbers_.empty(); }
  const std::vector<QString>& numbers() const { return numbers_; }
  QString Text() const {
    QString text;
    for (const QString& number : numbers_) text += number;
    return text.isEmpty() ? kNobody : text;
  }

 private:
  std::vector<QString> numbers_;
};

// Adds the people to the group, leaving out the person itself.
void AddPeople(const std::vector<QString>& numbers, const QString& own, NumberGroup* group) {
  for (const QString& number : numbers) {
    if (number != own) group->Add(number);
  }
}

}  // namespace

const FamilyMembers* FamilyTable::Find(QStringView xref, UsedLines* used) {
  const int record = file_.FindRecord(xref, u"FAM");
  if (record < 0) return nullptr;
  auto found = families_.find(record);
  if (found == families_.end()) found = families_.emplace(record, Parse(record, used)).first;
  return &found->second;
}

FamilyMembers FamilyTable::Parse(int record, UsedLines* used) {
  FamilyMembers family;
  (*used)[record] = true;
  for (int line : file_.ChildrenOf(record)) {
    const GedcomLine& member = file_.line(line);
    if (member.tag == u"MARR") {
      for (int sub : file_.ChildrenOf(line)) {
        if (file_.line(sub).tag != u"DATE") continue;
        family.marriage_date = file_.TextOf(sub, used).join(u' ');
        (*used)[sub] = true;
      }
      (*used)[line] = true;
      continue;
    }
    const bool husband = member.tag == u"HUSB";
    const bool wife = member.tag == u"WIFE";
    if (!(husband || wife || member.tag == u"CHIL") || !IsGedcomPointer(member.value)) continue;
    (*used)[line] = true;
    if (IsVoidPointer(member.value)) continue;
    const QString number = numbering_.XrefToPersonNumber(member.value);
    if (number == kNobody) {
      ++missing_members_;
      continue;
    }
    if (husband) family.husbands.push_back(number);
    if (wife) family.wives.push_back(number);
    (husband || wife ? family.partners : family.children).push_back(number);
  }
  return family;
}

RelationGaps UpdateRelations(FamilyTable& families, const QString& own_number,
                             const IndividualReading& reading, ImportedPerson* person,
                             UsedLines* used) {
  RelationGaps gaps;
  auto family_of = [&](QStringView xref) {
    const FamilyMembers* family = families.Find(xref, used);
    if (!family) ++gaps.missing_families;
    return family;
  };
  NumberGroup fathers, mothers, siblings;
  for (QStringView xref : reading.child_families) {
    if (const FamilyMembers* family = family_of(xref)) {
      AddPeople(family->husbands, own_number, &fathers);
      AddPeople(family->wives, own_number, &mothers);
      AddPeople(family->children, own_number, &siblings);
    }
  }

  // The last spouse family that names a partner gives the spouse; without one, the last.
  const FamilyMembers* spouse_family = nullptr;
  NumberGroup spouse_family_partners;
  NumberGroup all_partners;
  for (QStringView xref : reading.spouse_families) {
    const FamilyMembers* family = family_of(xref);
    if (!family) continue;
    NumberGroup partners;
    AddPeople(family->partners, own_number, &partners);
    AddPeople(family->partners, own_number, &all_partners);
    if (!partners.empty() || spouse_family_partners.empty()) {
      spouse_family = family;
      spouse_family_partners = partners;
    }
  }
  const QString spouse =
      spouse_family_partners.empty() ? kNobody : spouse_family_partners.numbers().back();
  if (spouse_family) person->details.date_married = spouse_family->marriage_date;
  gaps.further_spouses = all_partners.numbers().size() > 1;
  person->link =
      own_number + spouse + u'F' + fathers.Text() + u'M' + mothers.Text() + u'S' + siblings.Text();
  return gaps;
}

}  // namespace kinvale
