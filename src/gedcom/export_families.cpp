#include "gedcom/export_families.h"

#include <QHash>
#include <algorithm>
#include <numeric>

#include "gedcom/gedcom_mapping.h"
#include "store/link_string.h"
#include "store/person_number.h"

namespace kinvale {

namespace {

// Who is husband when a spouse link makes a couple: a man before anyone else, a woman after.
int PartnerRank(const QString& gender) {
  const QString code = GedcomSexCode(gender);
  return code == u"M" ? 0 : (code == u"F" ? 2 : 1);
}

quint64 PairKey(int a, int b) { return (quint64(std::min(a, b)) << 32) | quint64(std::max(a, b)); }

// Sets of rows joined by sibling links, found with union by path halving.
class SiblingGroups {
 public:
  explicit SiblingGroups(int size) : parent_(size) { std::iota(parent_.begin(), parent_.end(), 0); }
  int Find(int row) {
    while (parent_[row] != row) {
      parent_[row] = parent_[parent_[row]];
      row = parent_[row];
    }
    return row;
  }
  void Join(int a, int b) { parent_[Find(a)] = Find(b); }

 private:
  std::vector<int> parent_;
};

class FamilyBuilder {
 public:
  FamilyBuilder(const FamilyIndex& index, const std::vector<QString>& dates_married)
      : index_(index), dates_married_(dates_married) {}

  ExportFamilies Build() {
    const int size = index_.size();
    result_.couple_of.assign(size, -1);
    spouse_row_.resize(size);
    has_parents_.assign(size, false);
    for (int row = 0; row < size; ++row) {
      spouse_row_[row] = KnownRow(SpouseNumber(index_.row(row).link), row);
    }
    for (int row = 0; row < size; ++row) {
      AddCouple(row);
      AddParentFamilies(row);
    }
    AddSiblingFamilies();
    LinkPeople();
    return std::move(result_);
  }

 private:
  // The row of the person a link entry names; -1 for nobody, a number no row has, or self.
  int KnownRow(QStringView entry, int self) const {
    const int number = NumberValue(entry);
    if (number <= 0) return -1;
    const int row = index_.RowOfNumber(number);
    return row == self ? -1 : row;
  }

  // The people of one group of the row's link string, once each, in link order.
  std::vector<int> GroupRows(int row, Group group) const {
    std::vector<int> rows;
    for (const QString& entry : GroupEntries(index_.row(row).link, group)) {
      const int known = KnownRow(entry, row);
      if (known >= 0 && std::find(rows.begin(), rows.end(), known) == rows.end()) {
        rows.push_back(known);
      }
    }
    return rows;
  }

  bool AreSpouses(int a, int b) const { return spouse_row_[a] == b || spouse_row_[b] == a; }

  int NewFamily(int husband, int wife) {
    ExportFamily family;
    family.husband = husband;
    family.wife = wife;
    result_.families.push_back(std::move(family));
    return static_cast<int>(result_.families.size()) - 1;
  }

  // The family of two people, whichever of them is husband in it.
  int PairFamily(int husband, int wife) {
    const quint64 key = PairKey(husband, wife);
    const auto found = by_pair_.constFind(key);
    if (found != by_pair_.constEnd()) return *found;
    const int family = NewFamily(husband, wife);
    by_pair_.insert(key, family);
    return family;
  }

  // The family of a parent whose child names no other parent paired with this one.
  int LoneParentFamily(int parent, bool father) {
    QHash<int, int>& families = father ? by_lone_father_ : by_lone_mother_;
    const auto found = families.constFind(parent);
    if (found != families.constEnd()) return *found;
    const int family = father ? NewFamily(parent, -1) : NewFamily(-1, parent);
    families.insert(parent, family);
    return family;
  }

  void AddChild(int family, int row) {
    std::vector<int>& children = result_.families[family].children;
    if (children.empty() || children.back() != row) children.push_back(row);
  }

  void AddCouple(int row) {
    const int spouse = spouse_row_[row];
    if (spouse < 0) return;
    const bool row_first =
        PartnerRank(index_.row(row).gender) <= PartnerRank(index_.row(spouse).gender);
    const int family = row_first ? PairFamily(row, spouse) : PairFamily(spouse, row);
    result_.families[family].couple = true;
    result_.couple_of[row] = family;
  }

  // Each father goes with a mother he is married to, then with the next mother left over;
  // parents left without a partner have families of their own.
  void AddParentFamilies(int row) {
    const std::vector<int> fathers = GroupRows(row, Group::kFather);
    std::vector<int> mothers = GroupRows(row, Group::kMother);
    std::erase_if(mothers, [&fathers](int mother) {
      return std::find(fathers.begin(), fathers.end(), mother) != fathers.end();
    });
    has_parents_[row] = !fathers.empty() || !mothers.empty();
    std::vector<bool> taken(mothers.size(), false);
    std::vector<int> partner(fathers.size(), -1);
    for (size_t f = 0; f < fathers.size(); ++f) {
      for (size_t m = 0; m < mothers.size(); ++m) {
        if (taken[m] || !AreSpouses(fathers[f], mothers[m])) continue;
        partner[f] = static_cast<int>(m);
        taken[m] = true;
        break;
      }
    }
    size_t next = 0;
    for (size_t f = 0; f < fathers.size(); ++f) {
      if (partner[f] >= 0) continue;
      while (next < mothers.size() && taken[next]) ++next;
      if (next == mothers.size()) break;
      partner[f] = static_cast<int>(next);
      taken[next] = true;
    }
    for (size_t f = 0; f < fathers.size(); ++f) {
      AddChild(partner[f] >= 0 ? PairFamily(fathers[f], mothers[partner[f]])
                               : LoneParentFamily(fathers[f], /*father=*/true),
               row);
    }
    for (size_t m = 0; m < mothers.size(); ++m) {
      if (!taken[m]) AddChild(LoneParentFamily(mothers[m], /*father=*/false), row);
    }
  }

  // People without parents whom sibling links join share a family that has children only.
  void AddSiblingFamilies() {
    const int size = index_.size();
    SiblingGroups groups(size);
    for (int row = 0; row < size; ++row) {
      if (has_parents_[row]) continue;
      for (const QString& entry : GroupEntries(index_.row(row).link, Group::kSibling)) {
        const int sibling = KnownRow(entry, row);
        if (sibling >= 0 && !has_parents_[sibling]) groups.Join(row, sibling);
      }
    }
    std::vector<int> members(size, 0);
    for (int row = 0; row < size; ++row) {
      if (!has_parents_[row]) ++members[groups.Find(row)];
    }
    QHash<int, int> family_of_group;
    for (int row = 0; row < size; ++row) {
      if (has_parents_[row]) continue;
      const int group = groups.Find(row);
      if (members[group] < 2) continue;
      auto found = family_of_group.find(group);
      if (found == family_of_group.end()) found = family_of_group.insert(group, NewFamily(-1, -1));
      AddChild(*found, row);
    }
  }

  // The date married of the husband when his spouse link names the wife, else the wife's when
  // hers names him: a partner's date may be that of a marriage to someone else.
  QString CoupleMarriageDate(const ExportFamily& family) const {
    for (auto [partner, other] :
         {std::pair{family.husband, family.wife}, std::pair{family.wife, family.husband}}) {
      if (spouse_row_[partner] == other && !dates_married_[partner].isEmpty()) {
        return dates_married_[partner];
      }
    }
    return {};
  }

  void LinkPeople() {
    result_.child_in.assign(index_.size(), {});
    result_.partner_in.assign(index_.size(), {});
    for (int f = 0; f < static_cast<int>(result_.families.size()); ++f) {
      ExportFamily& family = result_.families[f];
      for (int child : family.children) result_.child_in[child].push_back(f);
      for (int partner : {family.husband, family.wife}) {
        if (partner >= 0) result_.partner_in[partner].push_back(f);
      }
      if (family.couple) family.marriage_date = CoupleMarriageDate(family);
    }
  }

  const FamilyIndex& index_;
  const std::vector<QString>& dates_married_;
  std::vector<int> spouse_row_;
  std::vector<bool> has_parents_;
  ExportFamilies result_;
  QHash<quint64, int> by_pair_;
  QHash<int, int> by_lone_father_;
  QHash<int, int> by_lone_mother_;
};

}  // namespace

ExportFamilies BuildExportFamilies(const FamilyIndex& index,
                                   const std::vector<QString>& dates_married) {
  return FamilyBuilder(index, dates_married).Build();
}

QString DateMarriedOfFamilies(const ExportFamilies& families, int row) {
  const int family = families.couple_of[row];
  return family < 0 ? QString() : families.families[family].marriage_date;
}

}  // namespace kinvale
