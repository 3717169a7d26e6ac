#include "editing/descent.h"

#include <QSet>
#include <vector>

#include "store/family_index.h"
#include "store/link_string.h"
#include "store/person_number.h"

namespace kinvale {

bool DescendsFrom(const FamilyIndex& index, int descendant, int ancestor) {
  if (ancestor <= 0) return false;
  std::vector<int> pending{descendant};
  QSet<int> seen{descendant};
  while (!pending.empty()) {
    const int row = index.RowOfNumber(pending.back());
    pending.pop_back();
    if (row < 0) continue;
    const QString& link = index.row(row).link;
    for (Group group : {Group::kFather, Group::kMother}) {
      for (const QString& entry : GroupEntries(link, group)) {
        const int parent = NumberValue(entry);
        if (parent == ancestor) return true;
        if (parent > 0 && !seen.contains(parent)) {
          seen.insert(parent);
          pending.push_back(parent);
        }
      }
    }
  }
  return false;
}

}  // namespace kinvale
