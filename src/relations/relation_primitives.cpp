#include "relations/relation_primitives.h"

#include <algorithm>

#include "store/family_index.h"
#include "store/link_string.h"
#include "store/person_lookup.h"
#include "store/person_number.h"
#include "store/text_helpers.h"

namespace kinvale {

std::vector<QStringView> GroupPieces(QStringView group) {
  std::vector<QStringView> pieces;
  pieces.reserve((group.size() + kEntryWidth - 1) / kEntryWidth);
  for (qsizetype i = 0; i < group.size(); i += kEntryWidth)
    pieces.push_back(group.mid(i, kEntryWidth));
  return pieces;
}

int RowOfName(const FamilyIndex& index, const QString& name) {
  if (const int row = RowOfDescription(index, name); row >= 0) return row;
  return LooseNameKey(name).isEmpty() ? -1 : index.FindRow(name);
}

namespace {

QString GroupOf(const FamilyIndex& index, const QString& name, Group group,
                const QString& without_row) {
  const int row = RowOfName(index, name);
  return row < 0 ? without_row : GroupText(index.row(row).link, group).toString();
}

QString SharedEntry(const QString& group_a, const QString& group_b) {
  const std::vector<QStringView> pieces_b = GroupPieces(group_b);
  QString shared = kNobody;
  for (QStringView piece : GroupPieces(group_a)) {
    if (NumberValue(piece) == 0) continue;
    if (std::find(pieces_b.begin(), pieces_b.end(), piece) != pieces_b.end()) {
      shared = piece.toString();
    }
  }
  return shared;
}

}  // namespace

QString FatherNumberOf(const FamilyIndex& index, const QString& name) {
  return GroupOf(index, name, Group::kFather, kNobody);
}

QString MotherNumberOf(const FamilyIndex& index, const QString& name) {
  return GroupOf(index, name, Group::kMother, kNobody);
}

QString SpouseNumberOf(const FamilyIndex& index, const QString& name) {
  const int row = RowOfName(index, name);
  return row < 0 ? kNobody : SpouseNumber(index.row(row).link).toString();
}

QString SiblingNumbersOf(const FamilyIndex& index, const QString& name) {
  return GroupOf(index, name, Group::kSibling, QString());
}

QString SameFather(const FamilyIndex& index, const QString& a, const QString& b) {
  return SharedEntry(FatherNumberOf(index, a), FatherNumberOf(index, b));
}

QString SameMother(const FamilyIndex& index, const QString& a, const QString& b) {
  return SharedEntry(MotherNumberOf(index, a), MotherNumberOf(index, b));
}

}  // namespace kinvale
