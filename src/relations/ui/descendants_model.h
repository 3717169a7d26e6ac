// The descendants list as the window shows it: a heading for each generation ("Generation 1" for
// the children) with that generation's descendants under it, in the order of the search.
#pragma once

#include <QAbstractItemModel>
#include <vector>

#include "relations/descendants.h"

namespace kinvale {

class DescendantsModel : public QAbstractItemModel {
  Q_OBJECT

 public:
  using QAbstractItemModel::QAbstractItemModel;

  void SetList(DescendantsList list);
  // Every descendant in list order, without the headings: what the save file lists.
  const QStringList& names() const { return list_.names; }
  // The family index row of the descendant on that line; -1 on a heading.
  int PersonRow(const QModelIndex& index) const;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  static constexpr quintptr kHeading = 0;  // the internal id of a heading; a descendant's is
                                           // its generation's heading row + 1
  // The position of the line's descendant in the list; -1 on a heading.
  qsizetype EntryOf(const QModelIndex& index) const;

  DescendantsList list_;
  std::vector<qsizetype> starts_{0};  // where each generation begins in the list, then its end
};

}  // namespace kinvale
