#include "chart/chart_layout.h"

#include <algorithm>
#include <functional>
#include <iterator>

#include "chart/tidy_tree.h"
#include "store/family_index.h"
#include "store/link_string.h"
#include "store/person_number.h"
#include "store/record.h"

namespace kinvale {

namespace {

constexpr double kRowPitch = kChartBoxHeight + kChartRowGap;
constexpr double kCoupleWidth = 2 * kChartBoxWidth + kChartGap;

struct TreeNode {
  int row = -1;
  bool expand = false;  // the person's relatives are drawn from this node
  int depth = 0;
  int spouse_row = -1;
};

// People grown breadth first from one person, each node's relatives one generation further out
// becoming its children, up to the generation limit. A person met a second time is a leaf, so
// every person's relatives are taken once and cyclic links end.
struct PersonTree {
  std::vector<TreeNode> nodes;
  std::vector<TidyNode> shape;
};

using RelativesOf = std::function<void(int row, std::vector<int>& relatives)>;

PersonTree GrowTree(int root_row, int generations, std::vector<char>& seen,
                    const RelativesOf& relatives_of) {
  PersonTree tree;
  tree.nodes.push_back({root_row, true, 0});
  seen[root_row] = 1;
  std::vector<int> relatives;
  for (std::size_t i = 0; i < tree.nodes.size(); ++i) {
    TidyNode shape;
    shape.width = kChartBoxWidth;
    shape.first_child = static_cast<int>(tree.nodes.size());
    const TreeNode node = tree.nodes[i];
    if (node.expand && node.depth < generations) {
      relatives.clear();
      relatives_of(node.row, relatives);
      for (int row : relatives) {
        tree.nodes.push_back({row, !seen[row], node.depth + 1});
        seen[row] = 1;
      }
    }
    shape.child_count = static_cast<int>(tree.nodes.size()) - shape.first_child;
    tree.shape.push_back(shape);
  }
  return tree;
}

int RowOfEntry(const FamilyIndex& index, QStringView entry) {
  const int value = NumberValue(entry);
  return value > 0 ? index.RowOfNumber(value) : -1;
}

void ChildRows(const FamilyIndex& index, int row, std::vector<int>& children) {
  // A row is listed once for each of its slots naming the parent; draw the child once.
  const std::vector<int>& rows = index.ChildRowsOf(NumberValue(OwnNumber(index.row(row).link)));
  std::unique_copy(rows.begin(), rows.end(), std::back_inserter(children));
}

void ParentRows(const FamilyIndex& index, int row, std::vector<int>& parents) {
  const QString& link = index.row(row).link;
  for (const Group group : {Group::kFather, Group::kMother}) {
    for (const QString& entry : GroupEntries(link, group)) {
      const int parent = RowOfEntry(index, entry);
      if (parent >= 0 && std::find(parents.begin(), parents.end(), parent) == parents.end()) {
        parents.push_back(parent);
      }
    }
  }
}

class ChartBuilder {
 public:
  explicit ChartBuilder(const FamilyIndex& index) : index_(index) {}

  ChartLayout Build(int centre_row, ChartScope scope) {
    std::vector<char> seen(index_.size(), 0);
    PersonTree below = GrowTree(centre_row, scope.descendants, seen,
                                [this](int row, auto& out) { ChildRows(index_, row, out); });
    if (scope.descendants > 0) AddSpouses(below);
    // The centre person's own ancestry is drawn though the descendants above marked them seen.
    seen[centre_row] = 0;
    const PersonTree above = GrowTree(centre_row, scope.ancestors, seen,
                                      [this](int row, auto& out) { ParentRows(index_, row, out); });
    PlaceDescendants(below, TidyTreeCentres(below.shape, kChartGap));
    const double centre_x = layout_.boxes.front().rect.center().x();
    PlaceAncestors(above, TidyTreeCentres(above.shape, kChartGap), centre_x);
    MarkRepeats();
    for (const ChartBox& box : layout_.boxes) layout_.bounds |= box.rect;
    layout_.bounds.adjust(-kChartMargin, -kChartMargin, kChartMargin, kChartMargin);
    return std::move(layout_);
  }

 private:
  void AddSpouses(PersonTree& tree) const {
    for (std::size_t i = 0; i < tree.nodes.size(); ++i) {
      TreeNode& node = tree.nodes[i];
      const int spouse = RowOfEntry(index_, SpouseNumber(index_.row(node.row).link));
      if (spouse < 0 || spouse == node.row) continue;
      node.spouse_row = spouse;
      tree.shape[i].width = kCoupleWidth;
    }
  }

  int AddBox(int row, double left, int generation, bool spouse) {
    const IndexRow& person = index_.row(row);
    ChartBox box;
    box.row = row;
    box.number = NumberValue(OwnNumber(person.link));
    box.name = person.name;
    box.birth_date = person.birth_date;
    box.death_date = person.death_date;
    box.gender = ChartGenderOf(person.gender);
    box.generation = generation;
    box.rect = QRectF(left, generation * kRowPitch, kChartBoxWidth, kChartBoxHeight);
    box.spouse = spouse;
    layout_.boxes.push_back(std::move(box));
    return static_cast<int>(layout_.boxes.size()) - 1;
  }

  void AddLine(QPointF from, QPointF to, ChartLineKind kind = ChartLineKind::kDescent) {
    layout_.lines.push_back({QLineF(from, to), kind});
  }

  // A bus between two rows: one drop from the anchor, a bar along bus_y, and one drop to each
  // of the points.
  void AddBus(QPointF anchor, double bus_y, const std::vector<QPointF>& ends) {
    AddLine(anchor, {anchor.x(), bus_y});
    const double left = std::min(anchor.x(), ends.front().x());
    const double right = std::max(anchor.x(), ends.back().x());
    if (right > left) AddLine({left, bus_y}, {right, bus_y});
    for (const QPointF& end : ends) AddLine({end.x(), bus_y}, end);
  }

  void PlaceDescendants(const PersonTree& tree, const std::vector<double>& centres) {
    std::vector<int> box_of(tree.nodes.size());
    for (std::size_t i = 0; i < tree.nodes.size(); ++i) {
      const TreeNode& node = tree.nodes[i];
      const double left = centres[i] - tree.shape[i].width / 2;
      box_of[i] = AddBox(node.row, left, node.depth, false);
      if (node.spouse_row < 0) continue;
      const QRectF person = layout_.boxes[box_of[i]].rect;
      AddBox(node.spouse_row, person.right() + kChartGap, node.depth, true);
      AddLine({person.right(), person.center().y()},
              {person.right() + kChartGap, person.center().y()}, ChartLineKind::kMarriage);
    }
    for (std::size_t i = 0; i < tree.nodes.size(); ++i) {
      const TidyNode& shape = tree.shape[i];
      if (shape.child_count == 0) continue;
      const QRectF person = layout_.boxes[box_of[i]].rect;
      // Children hang from the middle of the marriage line, or from the person alone.
      const QPointF anchor = tree.nodes[i].spouse_row >= 0
                                 ? QPointF(person.right() + kChartGap / 2, person.center().y())
                                 : QPointF(person.center().x(), person.bottom());
      std::vector<QPointF> tops;
      for (int child = shape.first_child; child < shape.first_child + shape.child_count; ++child) {
        const QRectF rect = layout_.boxes[box_of[child]].rect;
        tops.push_back({rect.center().x(), rect.top()});
      }
      AddBus(anchor, person.bottom() + kChartRowGap / 2, tops);
    }
  }

  // The ancestors' tree, moved so that its root stands on the centre person's box (box 0).
  void PlaceAncestors(const PersonTree& tree, const std::vector<double>& centres, double shift) {
    std::vector<QRectF> rects(tree.nodes.size());
    rects[0] = layout_.boxes.front().rect;
    for (std::size_t i = 1; i < tree.nodes.size(); ++i) {
      const TreeNode& node = tree.nodes[i];
      const double left = centres[i] + shift - kChartBoxWidth / 2;
      rects[i] = layout_.boxes[AddBox(node.row, left, -node.depth, false)].rect;
    }
    for (std::size_t i = 0; i < tree.nodes.size(); ++i) {
      const TidyNode& shape = tree.shape[i];
      if (shape.child_count == 0) continue;
      std::vector<QPointF> bottoms;
      for (int parent = shape.first_child; parent < shape.first_child + shape.child_count;
           ++parent) {
        bottoms.push_back({rects[parent].center().x(), rects[parent].bottom()});
      }
      const QPointF top(rects[i].center().x(), rects[i].top());
      AddBus(top, rects[i].top() - kChartRowGap / 2, bottoms);
    }
  }

  void MarkRepeats() {
    std::vector<int> boxes_of_row(index_.size(), 0);
    for (const ChartBox& box : layout_.boxes) ++boxes_of_row[box.row];
    for (ChartBox& box : layout_.boxes) box.repeated = boxes_of_row[box.row] > 1;
  }

  const FamilyIndex& index_;
  ChartLayout layout_;
};

}  // namespace

ChartLayout LayoutChart(const FamilyIndex& index, int centre_number, ChartScope scope) {
  const int centre_row = centre_number > 0 ? index.RowOfNumber(centre_number) : -1;
  if (centre_row < 0) return {};
  return ChartBuilder(index).Build(centre_row, scope);
}

ChartGender ChartGenderOf(const QString& gender_text) {
  const QString gender = gender_text.trimmed();
  if (gender.compare(kMaleGender, Qt::CaseInsensitive) == 0) return ChartGender::kMale;
  if (gender.compare(kFemaleGender, Qt::CaseInsensitive) == 0) return ChartGender::kFemale;
  return ChartGender::kOther;
}

}  // namespace kinvale
