// The family index: the ordered table of the open family, one row per person. Row order is the
// truth and every lookup answers the first matching row; hash maps keyed by exact name, loose
// name (no spaces, upper case) and person number keep those answers without scanning.
#pragma once

#include <QHash>
#include <QString>
#include <map>
#include <vector>

#include "store/store_texts.h"  // kFamilyFullMessage, for an empty NextPersonNumber

namespace kinvale {

struct IndexRow {
  QString link;
  QString name;
  QString gender;
  QString birth_date;
  QString death_date;
};

class FamilyIndex {
 public:
  FamilyIndex() = default;
  explicit FamilyIndex(std::vector<IndexRow> rows) { Assign(std::move(rows)); }

  void Assign(std::vector<IndexRow> rows);
  void Clear() { Assign({}); }
  // Appends a row and gives its index.
  int Append(IndexRow row);

  int size() const { return static_cast<int>(rows_.size()); }
  bool empty() const { return rows_.empty(); }
  const IndexRow& row(int index) const { return rows_[index]; }
  const std::vector<IndexRow>& rows() const { return rows_; }

  void SetLink(int index, const QString& link);
  void SetName(int index, const QString& name);
  void SetGender(int index, const QString& gender) { rows_[index].gender = gender; }
  void SetBirthDate(int index, const QString& date) { rows_[index].birth_date = date; }
  void SetDeathDate(int index, const QString& date) { rows_[index].death_date = date; }

  // First row whose name equals name exactly; -1 when none.
  int FindRowExact(const QString& name) const;
  // First row whose name equals name once spaces are removed and both are upper-cased; -1.
  int FindRow(const QString& name) const;
  bool NameExists(const QString& name) const { return FindRow(name) >= 0; }
  // Every row whose name matches name as FindRow compares names, in row order.
  const std::vector<int>& RowsWithName(const QString& name) const;
  // Every row whose name equals name exactly, in row order.
  const std::vector<int>& RowsWithExactName(const QString& name) const;
  // Characters 1-4 of the link of FindRow(name); "0000" when there is no such row.
  QString NumberOfName(const QString& name) const;
  // First row whose own number has the numeric value of number; -1 when none (and for 0).
  int RowOfNumber(int number) const;
  int RowOfNumber(QStringView number) const;
  // Every row whose own number has the numeric value of number, in row order.
  const std::vector<int>& RowsOfNumber(int number) const;
  // The name of RowOfNumber(number); "" when none.
  QString NameOfNumber(QStringView number) const;
  // The highest own number any row carries, 0 for an empty index.
  int HighestNumber() const;
  // The rows whose father or mother group names the person number, in row order, a row once
  // for each slot that names it. Empty for 0, which names nobody.
  const std::vector<int>& ChildRowsOf(int number) const;

 private:
  using RowList = std::vector<int>;  // ascending row indexes; the front is the first match
  static void Insert(RowList& list, int index);
  static void Erase(RowList& list, int index);
  void IndexRowKeys(int index);
  void IndexParentSlots(int index, const QString& link, bool add);

  std::vector<IndexRow> rows_;
  QHash<QString, RowList> by_exact_name_;
  QHash<QString, RowList> by_loose_name_;
  std::map<int, RowList> by_number_;
  QHash<int, RowList> children_by_parent_;
};

// The next person number to hand out: one above every number carried by a row of the index
// and by a record file of the family folder (highest_file_number). Empty when that would pass
// 9999, the largest four-digit number.
QString NextPersonNumber(const FamilyIndex& index, int highest_file_number);

}  // namespace kinvale
