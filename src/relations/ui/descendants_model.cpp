#include "relations/ui/descendants_model.h"

#include <QFont>

#include "relations/ui/relation_window_texts.h"

namespace kinvale {

void DescendantsModel::SetList(DescendantsList list) {
  beginResetModel();
  list_ = std::move(list);
  starts_.clear();
  for (size_t i = 0; i < list_.generations.size(); ++i) {
    if (i == 0 || list_.generations[i] != list_.generations[i - 1]) starts_.push_back(qsizetype(i));
  }
  starts_.push_back(list_.names.size());
  endResetModel();
}

qsizetype DescendantsModel::EntryOf(const QModelIndex& index) const {
  if (!index.isValid() || index.internalId() == kHeading) return -1;
  return starts_[index.internalId() - 1] + index.row();
}

int DescendantsModel::PersonRow(const QModelIndex& index) const {
  const qsizetype entry = EntryOf(index);
  return entry < 0 ? -1 : list_.rows[entry];
}

QModelIndex DescendantsModel::index(int row, int column, const QModelIndex& parent) const {
  if (!hasIndex(row, column, parent)) return {};
  return createIndex(row, column, parent.isValid() ? quintptr(parent.row()) + 1 : kHeading);
}

QModelIndex DescendantsModel::parent(const QModelIndex& child) const {
  if (!child.isValid() || child.internalId() == kHeading) return {};
  return createIndex(int(child.internalId() - 1), 0, kHeading);
}

int DescendantsModel::rowCount(const QModelIndex& parent) const {
  if (!parent.isValid()) return int(starts_.size() - 1);
  if (parent.internalId() != kHeading) return 0;
  return int(starts_[parent.row() + 1] - starts_[parent.row()]);
}

int DescendantsModel::columnCount(const QModelIndex& /*parent*/) const { return 1; }

QVariant DescendantsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const bool heading = index.internalId() == kHeading;
  if (role == Qt::FontRole && heading) {
    QFont bold;
    bold.setBold(true);
    return bold;
  }
  if (role != Qt::DisplayRole) return {};
  if (heading) return kGenerationHeading.arg(list_.generations[starts_[index.row()]]);
  return list_.names[EntryOf(index)];
}

}  // namespace kinvale
