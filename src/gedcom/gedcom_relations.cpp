#include "gedcom/gedcom_relations.h"

#include <algorithm>

#include "store/person_number.h"

namespace kinvale {

namespace {

FamilyMembers ParseFamily(const GedcomFile& file, int record, UsedLines* used) {
  FamilyMembers family;
  (*used)[record] = true;
  for (int line : file.ChildrenOf(record)) {
    const GedcomLine& member = file.line(line);
    const bool pointer = IsGedcomPointer(member.value);
    if (member.tag == u"HUSB" && pointer) {
      family.husbands.push_back(member.value);
      family.partners.push_back(member.value);
    } else if (member.tag == u"WIFE" && pointer) {
      family.wives.push_back(member.value);
      family.partners.push_back(member.value);
    } else if (member.tag == u"CHIL" && pointer) {
      family.children.push_back(member.value);
    } else if (member.tag == u"MARR") {
      for (int sub : file.ChildrenOf(line)) {
        if (file.line(sub).tag != u"DATE") continue;
        family.marriage_date = GedcomValueText(file.line(sub).value);
        (*used)[sub] = true;
      }
    } else {
      continue;
    }
    (*used)[line] = true;
  }
  return family;
}

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

class RelationBuilder {
 public:
  RelationBuilder(FamilyTable& families, const PersonNumbering& numbering, const QString& own,
                  UsedLines* used)
      : families_(families), numbering_(numbering), own_(own), used_(used) {}

  const FamilyMembers* Family(QStringView xref) {
    const FamilyMembers* family = families_.Find(xref, used_);
    if (!family) ++gaps_.missing_references;
    return family;
  }

  // Adds the people the references name to the group, leaving out the person itself.
  void AddPeople(const std::vector<QStringView>& xrefs, NumberGroup* group) {
    for (QStringView xref : xrefs) {
      const QString number = numbering_.XrefToPersonNumber(xref);
      if (number == kNobody) {
        ++gaps_.missing_references;
      } else if (number != own_) {
        group->Add(number);
      }
    }
  }

  RelationGaps gaps_;

 private:
  FamilyTable& families_;
  const PersonNumbering& numbering_;
  const QString& own_;
  UsedLines* used_;
};

}  // namespace

const FamilyMembers* FamilyTable::Find(QStringView xref, UsedLines* used) {
  const int record = file_.FindRecord(xref, u"FAM");
  if (record < 0) return nullptr;
  auto found = families_.find(record);
  if (found == families_.end()) {
    found = families_.emplace(record, ParseFamily(file_, record, used)).first;
  }
  return &found->second;
}

RelationGaps UpdateRelations(FamilyTable& families, const PersonNumbering& numbering,
                             const QString& own_number, const IndividualReading& reading,
                             ImportedPerson* person, UsedLines* used) {
  RelationBuilder builder(families, numbering, own_number, used);
  NumberGroup fathers, mothers, siblings;
  for (QStringView xref : reading.child_families) {
    if (const FamilyMembers* family = builder.Family(xref)) {
      builder.AddPeople(family->husbands, &fathers);
      builder.AddPeople(family->wives, &mothers);
      builder.AddPeople(family->children, &siblings);
    }
  }

  // The last spouse family that names a partner gives the spouse; without one, the last.
  const FamilyMembers* spouse_family = nullptr;
  NumberGroup spouse_family_partners;
  NumberGroup all_partners;
  for (QStringView xref : reading.spouse_families) {
    const FamilyMembers* family = builder.Family(xref);
    if (!family) continue;
    NumberGroup partners;
    builder.AddPeople(family->partners, &partners);
    for (const QString& number : partners.numbers()) all_partners.Add(number);
    if (!partners.empty() || spouse_family_partners.empty()) {
      spouse_family = family;
      spouse_family_partners = partners;
    }
  }
  const QString spouse =
      spouse_family_partners.empty() ? kNobody : spouse_family_partners.numbers().back();
  if (spouse_family) person->details.date_married = spouse_family->marriage_date;
  builder.gaps_.further_spouses = all_partners.numbers().size() > 1;
  person->link =
      own_number + spouse + u'F' + fathers.Text() + u'M' + mothers.Text() + u'S' + siblings.Text();
  return builder.gaps_;
}

}  // namespace kinvale
