#include "store/family_index.h"

#include <algorithm>

#include "store/link_string.h"
#include "store/person_number.h"
#include "store/text_helpers.h"

namespace kinvale {

void FamilyIndex::Insert(RowList& list, int index) {
  list.insert(std::lower_bound(list.begin(), list.end(), index), index);
}

void FamilyIndex::Erase(RowList& list, int index) {
  const auto it = std::lower_bound(list.begin(), list.end(), index);
  if (it != list.end() && *it == index) list.erase(it);
}

void FamilyIndex::IndexRowKeys(int index) {
  const IndexRow& r = rows_[index];
  Insert(by_exact_name_[r.name], index);
  Insert(by_loose_name_[LooseNameKey(r.name)], index);
  Insert(by_number_[NumberValue(OwnNumber(r.link))], index);
  IndexParentSlots(index, r.link, /*add=*/true);
}

void FamilyIndex::IndexParentSlots(int index, const QString& link, bool add) {
  for (Group group : {Group::kFather, Group::kMother}) {
    for (const QString& entry : GroupEntries(link, group)) {
      const int parent = NumberValue(entry);
      if (parent <= 0) continue;
      RowList& children = children_by_parent_[parent];
      if (add) {
        Insert(children, index);
      } else {
        Erase(children, index);
        if (children.empty()) children_by_parent_.remove(parent);
      }
    }
  }
}

void FamilyIndex::Assign(std::vector<IndexRow> rows) {
  rows_ = std::move(rows);
  by_exact_name_.clear();
  by_loose_name_.clear();
  by_number_.clear();
  children_by_parent_.clear();
  by_exact_name_.reserve(static_cast<qsizetype>(rows_.size()));
  by_loose_name_.reserve(static_cast<qsizetype>(rows_.size()));
  for (int i = 0; i < size(); ++i) IndexRowKeys(i);
}

int FamilyIndex::Append(IndexRow row) {
  rows_.push_back(std::move(row));
  const int index = size() - 1;
  IndexRowKeys(index);
  return index;
}

void FamilyIndex::SetLink(int index, const QString& link) {
  IndexRow& r = rows_[index];
  if (RestOfLink(r.link) != RestOfLink(link)) {
    IndexParentSlots(index, r.link, /*add=*/false);
    IndexParentSlots(index, link, /*add=*/true);
  }
  const int old_number = NumberValue(OwnNumber(r.link));
  const int new_number = NumberValue(OwnNumber(link));
  r.link = link;
  if (old_number == new_number) return;
  auto old_it = by_number_.find(old_number);
  Erase(old_it->second, index);
  if (old_it->second.empty()) by_number_.erase(old_it);
  Insert(by_number_[new_number], index);
}

void FamilyIndex::SetName(int index, const QString& name) {
  IndexRow& r = rows_[index];
  if (r.name == name) return;
  auto drop = [index](QHash<QString, RowList>& map, const QString& key) {
    auto it = map.find(key);
    Erase(it.value(), index);
    if (it.value().empty()) map.erase(it);
  };
  drop(by_exact_name_, r.name);
  drop(by_loose_name_, LooseNameKey(r.name));
  r.name = name;
  Insert(by_exact_name_[name], index);
  Insert(by_loose_name_[LooseNameKey(name)], index);
}

int FamilyIndex::FindRowExact(const QString& name) const {
  const auto it = by_exact_name_.constFind(name);
  return it == by_exact_name_.cend() ? -1 : it.value().front();
}

int FamilyIndex::FindRow(const QString& name) const {
  const auto it = by_loose_name_.constFind(LooseNameKey(name));
  return it == by_loose_name_.cend() ? -1 : it.value().front();
}

const std::vector<int>& FamilyIndex::RowsWithName(const QString& name) const {
  static const RowList kNone;
  const auto it = by_loose_name_.constFind(LooseNameKey(name));
  return it == by_loose_name_.cend() ? kNone : it.value();
}

const std::vector<int>& FamilyIndex::RowsWithExactName(const QString& name) const {
  static const RowList kNone;
  const auto it = by_exact_name_.constFind(name);
  return it == by_exact_name_.cend() ? kNone : it.value();
}

QString FamilyIndex::NumberOfName(const QString& name) const {
  const int index = FindRow(name);
  return index < 0 ? kNobody : OwnNumber(rows_[index].link).toString();
}

int FamilyIndex::RowOfNumber(int number) const {
  if (number <= 0) return -1;
  const auto it = by_number_.find(number);
  return it == by_number_.end() ? -1 : it->second.front();
}

int FamilyIndex::RowOfNumber(QStringView number) const { return RowOfNumber(NumberValue(number)); }

const std::vector<int>& FamilyIndex::RowsOfNumber(int number) const {
  static const RowList kNone;
  const auto it = by_number_.find(number);
  return it == by_number_.end() ? kNone : it->second;
}

QString FamilyIndex::NameOfNumber(QStringView number) const {
  const int index = RowOfNumber(number);
  return index < 0 ? QString() : rows_[index].name;
}

int FamilyIndex::HighestNumber() const {
  return by_number_.empty() ? 0 : std::max(0, by_number_.rbegin()->first);
}

const std::vector<int>& FamilyIndex::ChildRowsOf(int number) const {
  static const RowList kNone;
  const auto it = children_by_parent_.constFind(number);
  return it == children_by_parent_.cend() ? kNone : it.value();
}

QString NextPersonNumber(const FamilyIndex& index, int highest_file_number) {
  const int next = std::max(index.HighestNumber(), highest_file_number) + 1;
  if (next > kHighestPersonNumber) return {};
  return FormatPersonNumber(next);
}

}  // namespace kinvale
