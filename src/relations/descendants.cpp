#include "relations/descendants.h"

#include <QHash>
#include <QLocale>
#include <algorithm>
#include <utility>
#include <vector>

#include "relations/relation_finder.h"
#include "relations/relation_primitives.h"
#include "relations/relation_texts.h"
#include "store/atomic_file.h"
#include "store/family_index.h"
#include "store/link_string.h"
#include "store/person_lookup.h"
#include "store/person_number.h"
#include "store/text_codec.h"

namespace kinvale {

namespace {

class DescentSearch {
 public:
  DescentSearch(const FamilyIndex& index, int limit)
      : index_(index),
        limit_(limit),
        children_(index.size()),
        children_known_(index.size(), false),
        names_(index.size()) {}

  DescendantsList Run(const QString& name) {
    DescendantsList result;
    const int start = RowOfName(index_, name);
    if (start < 0 || NumberValue(OwnNumber(index_.row(start).link)) == 0) {
      result.problem = kNobodyNamedMessage.arg(name);
      return result;
    }
    const std::vector<bool> cyclic = RowsInCycles(start);
    std::vector<bool> listed(index_.size(), false);
    listed[start] = true;  // the chosen person comes round again only on a cycle
    std::vector<int> current = ChildrenOf(start);
    std::vector<int> next;
    for (int generation = 1; !current.empty() && generation <= kDescendantsGenerationLimit;
         ++generation) {
      for (int row : current) {
        if (!cyclic[row] || !listed[row]) continue;
        result.problem = kOwnAncestorListMessage.arg(NameOf(row));
        return result;
      }
      // Children beyond this many would never be listed.
      const qsizetype room = limit_ - result.names.size() - qsizetype(current.size());
      next.clear();
      for (int row : current) {
        if (result.names.size() == limit_) {
          result.problem = kDescendantsLimitMessage.arg(QLocale(QLocale::English).toString(limit_));
          return result;
        }
        for (int child : ChildrenOf(row)) {
          if (qsizetype(next.size()) > room) break;
          next.push_back(child);
        }
        result.names.append(NameOf(row));
        result.rows.push_back(row);
        result.generations.push_back(generation);
        listed[row] = true;
      }
      current.swap(next);
    }
    return result;
  }

 private:
  // The rows naming the person number of a row as father or mother, in index order, a row once
  // for each slot naming the number. Rows numbered "0000" name nobody and are left out.
  const std::vector<int>& ChildrenOf(int row) {
    if (children_known_[row]) return children_[row];
    children_known_[row] = true;
    const QStringView number = OwnNumber(index_.row(row).link);
    const int value = NumberValue(number);
    if (number.size() != kEntryWidth || value == 0) return children_[row];
    std::vector<int>& children = children_[row];
    for (int child : index_.ChildRowsOf(value)) {
      if (OwnNumber(index_.row(child).link) != kNobody) children.push_back(child);
    }
    return children;
  }

  // The line the list shows: the name, told apart by number and dates when it is shared.
  const QString& NameOf(int row) {
    QString& name = names_[row];
    if (name.isNull()) name = PersonLabel(index_, row);
    return name;
  }

  // The rows reachable from start that lie on a cycle of descent (Tarjan's components).
  std::vector<bool> RowsInCycles(int start) {
    const int n = index_.size();
    std::vector<int> order(n, -1), low(n, 0), stack;
    std::vector<bool> on_stack(n, false), cyclic(n, false);
    std::vector<std::pair<int, std::size_t>> frames;  // row, next child to visit
    int counter = 0;
    auto enter = [&](int row) {
      order[row] = low[row] = counter++;
      stack.push_back(row);
      on_stack[row] = true;
      frames.emplace_back(row, 0);
    };
    enter(start);
    while (!frames.empty()) {
      const int row = frames.back().first;
      const std::vector<int>& children = ChildrenOf(row);
      if (frames.back().second < children.size()) {
        const int child = children[frames.back().second++];
        if (child == row) cyclic[row] = true;
        if (order[child] < 0) {
          enter(child);
        } else if (on_stack[child]) {
          low[row] = std::min(low[row], order[child]);
        }
        continue;
      }
      frames.pop_back();
      if (!frames.empty()) low[frames.back().first] = std::min(low[frames.back().first], low[row]);
      if (low[row] != order[row]) continue;
      auto first = stack.end();
      do --first;
      while (*first != row);
      const bool component_cycles = stack.end() - first > 1;
      for (auto it = first; it != stack.end(); ++it) {
        on_stack[*it] = false;
        if (component_cycles) cyclic[*it] = true;
      }
      stack.erase(first, stack.end());
    }
    return cyclic;
  }

  const FamilyIndex& index_;
  const qsizetype limit_;
  std::vector<std::vector<int>> children_;
  std::vector<bool> children_known_;
  std::vector<QString> names_;
};

}  // namespace

DescendantsList FindDescendants(const FamilyIndex& index, const QString& name, int limit) {
  return DescentSearch(index, limit).Run(name);
}

QStringList DescendantRelations(RelationGraph& graph, const GenderLookup& gender_of,
                                const QString& person, const QStringList& descendants) {
  QHash<QString, QString> known;
  QStringList relations;
  relations.reserve(descendants.size());
  for (const QString& name : descendants) {
    auto it = known.find(name);
    if (it == known.end())
      it = known.insert(name, AncestryRelation(graph, gender_of, name, person));
    relations.append(it.value());
  }
  return relations;
}

QString DescendantsFileName(const QString& person, const QDate& date) {
  QString name = person;
  name.replace(u'/', u'_').replace(u'\\', u'_');
  // A file name, the same in every language.
  return name + QStringLiteral("_Descendants_") + date.toString(QStringLiteral("yyyy-MM-dd")) +
         QStringLiteral(".txt");
}

bool SaveDescendantsFile(const QString& path, const QString& person, const QStringList& names,
                         const QStringList& relations, QString* error) {
  QStringList lines{kDescendantsOf + person};
  lines.reserve(names.size() + 1);
  for (qsizetype i = 0; i < names.size(); ++i) {
    lines.append(relations.isEmpty() ? names[i] : names[i] + QStringLiteral(" : ") + relations[i]);
  }
  return WriteFileAtomically(path, JoinRecordLines(lines), error);
}

}  // namespace kinvale
