// Every relationship of two people with its path, and a person's relatives: random families in
// which every path is checked against the link strings, every common ancestor against all lines
// of ascent and every blood relative listed against the nearest relationship; and small families
// worked out by hand for the sentences and what those checks leave open (half-siblings, a couple
// who are cousins, an uncle who is also a cousin, in-laws, a long direct line, a cycle).
#include <QtTest>
#include <algorithm>
#include <set>

#include "relations/family_links.h"
#include "relations/relationships.h"
#include "relations/relatives.h"
#include "store/family_index.h"
#include "store/link_string.h"
#include "store/person_number.h"
#include "support/random_relations_family.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

QString Numbers(std::initializer_list<int> numbers) {
  QString group;
  for (const int number : numbers) group += FormatPersonNumber(number);
  return group.isEmpty() ? kNobody : group;
}

// A person of a hand-made family, numbers for spouse, fathers and mothers (none when empty).
IndexRow P(int number, const char* name, const char* gender, int spouse = 0,
           std::initializer_list<int> fathers = {}, std::initializer_list<int> mothers = {}) {
  const QString link = FormatPersonNumber(number) + FormatPersonNumber(spouse) + u'F' +
                       Numbers(fathers) + u'M' + Numbers(mothers) + u'S';
  return {link, name, gender, {}, {}};
}

using Family = std::vector<IndexRow>;

Family HalfSiblings() {
  return {P(1, "Fred", "Male", 2),          P(2, "Mia", "Female", 1),
          P(3, "Nora", "Female"),           P(4, "Ann", "Female", 0, {1}, {2}),
          P(5, "Bob", "Male", 0, {1}, {3}), P(6, "Cal", "Male", 0, {1}, {2})};
}

// H and W are first cousins, married.
Family CousinsWed() {
  return {P(1, "G1", "Male", 2),           P(2, "G2", "Female", 1),
          P(3, "P1", "Male", 0, {1}, {2}), P(4, "P2", "Female", 0, {1}, {2}),
          P(5, "H", "Male", 6, {3}),       P(6, "W", "Female", 5, {}, {4})};
}

// A's parents Fa and Mo are first cousins, so Fa's brother U is A's uncle and also a cousin.
Family UncleAndCousin() {
  return {P(1, "X1", "Male", 2),
          P(2, "X2", "Female", 1),
          P(3, "Q", "Male", 5, {1}, {2}),
          P(4, "R", "Female", 6, {1}, {2}),
          P(5, "S", "Female", 3),
          P(6, "T", "Male", 4),
          P(7, "U", "Male", 0, {3}, {5}),
          P(8, "Fa", "Male", 9, {3}, {5}),
          P(9, "Mo", "Female", 8, {6}, {4}),
          P(10, "A", "Male", 0, {8}, {9})};
}

// Ann with her husband's family, her aunt's husband Wed, and her daughter's husband.
Family Wedding(const char* gender_of_wed) {
  return {P(1, "Gp", "Male"),
          P(2, "Dad", "Male", 3, {1}),
          P(3, "Mum", "Female", 2),
          P(4, "Sis", "Female", 5, {1}),
          P(5, "Wed", gender_of_wed, 4),
          P(6, "Ann", "Female", 7, {2}, {3}),
          P(7, "Hub", "Male", 6, {8}),
          P(8, "Hubdad", "Male"),
          P(9, "Kid", "Female", 10, {7}, {6}),
          P(10, "Kidwed", "Male", 9)};
}

// Top, then a child a generation down to Low, twelve generations below Top.
Family LongLine() {
  Family rows = {P(1, "Top", "Male")};
  for (int n = 2; n <= 13; ++n) {
    rows.push_back(
        P(n, n == 13 ? "Low" : qPrintable(QStringLiteral("L%1").arg(n)), "Male", 0, {n - 1}));
  }
  return rows;
}

QString NameOf(const FamilyIndex& index, int number) {
  return index.NameOfNumber(FormatPersonNumber(number));
}

// "sentence | Ann child of Fred father of Bob", one relationship a line.
QString Describe(const FamilyIndex& index, const std::vector<Relationship>& found) {
  QStringList lines;
  for (const Relationship& r : found) {
    QString line = r.sentence + " |";
    for (std::size_t i = 0; i < r.people.size(); ++i) {
      line += u' ' + NameOf(index, r.people[i]);
      if (i < r.steps.size()) line += u' ' + PathStepText(r.steps[i]);
    }
    lines.append(line);
  }
  return lines.join(u'\n');
}

// "Group: words Name", one relative a line.
QString DescribeRelatives(const FamilyIndex& index, const std::vector<RelativeGroup>& groups) {
  QStringList lines;
  for (const RelativeGroup& group : groups) {
    for (const Relative& r : group.relatives) {
      lines.append(group.title + ": " + r.words + u' ' + NameOf(index, r.person));
    }
  }
  return lines.join(u'\n');
}

// The link strings read directly, as the checks of the random families see them.
class RawLinks {
 public:
  explicit RawLinks(const FamilyIndex& index) : index_(index) {}

  QString LinkOf(int number) const { return index_.row(index_.RowOfNumber(number)).link; }
  bool Lists(int number, Group group, int listed) const {
    const QStringList entries = GroupEntries(LinkOf(number), group);
    return std::any_of(entries.begin(), entries.end(), [&](const QString& e) {
      return NumberValue(e) == listed && index_.RowOfNumber(listed) >= 0;
    });
  }
  bool IsParent(int parent, int child) const {
    return Lists(child, Group::kFather, parent) || Lists(child, Group::kMother, parent);
  }
  bool StepHolds(int x, PathStep step, int y) const {
    switch (step) {
      case PathStep::kFatherOf:
        return Lists(y, Group::kFather, x);
      case PathStep::kMotherOf:
        return Lists(y, Group::kMother, x) && !Lists(y, Group::kFather, x);
      case PathStep::kChildOf:
        return IsParent(y, x);
      case PathStep::kSpouseOf:
        break;
    }
    return NumberValue(SpouseNumber(LinkOf(x))) == y || NumberValue(SpouseNumber(LinkOf(y))) == x;
  }
  // Every line of ascent from the person, the person first, to the generation limit.
  void LinesUp(std::vector<int>& line, std::vector<std::vector<int>>& lines) const {
    lines.push_back(line);
    if (static_cast<int>(line.size()) > kRelationshipGenerationLimit) return;
    for (const Group group : {Group::kFather, Group::kMother}) {
      for (const QString& entry : GroupEntries(LinkOf(line.back()), group)) {
        const int parent = NumberValue(entry);
        if (index_.RowOfNumber(parent) < 0 ||
            std::find(line.begin(), line.end(), parent) != line.end()) {
          continue;
        }
        line.push_back(parent);
        LinesUp(line, lines);
        line.pop_back();
      }
    }
  }

 private:
  const FamilyIndex& index_;
};

Kinship Ups(int self_up, int relative_up) {
  Kinship k;
  k.self_up = self_up;
  k.relative_up = relative_up;
  return k;
}

bool SameOrder(const Kinship& a, const Kinship& b) { return !(a < b) && !(b < a); }

// For each ancestor of both (other than the two themselves), the nearest pair of their lines
// that meets nowhere else.
std::map<int, Kinship> NearestCommonAncestors(const RawLinks& raw, int a, int b) {
  std::vector<std::vector<int>> lines_a, lines_b;
  std::vector<int> start{a};
  raw.LinesUp(start, lines_a);
  start = {b};
  raw.LinesUp(start, lines_b);
  std::map<int, Kinship> nearest;
  for (const auto& x : lines_a) {
    for (const auto& y : lines_b) {
      const int top = x.back();
      if (top != y.back() || top == a || top == b) continue;
      const bool meet_once = std::none_of(x.begin(), x.end() - 1, [&](int p) {
        return std::find(y.begin(), y.end() - 1, p) != y.end() - 1;
      });
      const Kinship k = Ups(int(x.size()) - 1, int(y.size()) - 1);
      if (meet_once && (!nearest.count(top) || k < nearest[top])) nearest[top] = k;
    }
  }
  return nearest;
}

// Checks each relationship's path against the link strings, and the blood relationships'
// ancestors against all lines of ascent.
void CheckRelationships(const FamilyIndex& index, const FamilyLinks& links, int a, int b) {
  const RawLinks raw(index);
  std::map<int, Kinship> named;
  for (const Relationship& r : AllRelationships(links, a, b)) {
    QCOMPARE(r.people.front(), a);
    QCOMPARE(r.people.back(), b);
    QCOMPARE(r.steps.size() + 1, r.people.size());
    QCOMPARE(std::set<int>(r.people.begin(), r.people.end()).size(), r.people.size());
    for (std::size_t i = 0; i < r.steps.size(); ++i) {
      QVERIFY2(raw.StepHolds(r.people[i], r.steps[i], r.people[i + 1]), qPrintable(r.sentence));
    }
    if (r.kinship.Spouses()) continue;
    const bool married_first = r.kinship.marriage == Marriage::kSelf;
    const bool married_second = r.kinship.marriage == Marriage::kRelative;
    const std::vector<int> blood(r.people.begin() + married_first, r.people.end() - married_second);
    const int top = r.kinship.self_up;
    QCOMPARE(top + r.kinship.relative_up + 1, int(blood.size()));
    QCOMPARE(r.ancestors.front(), blood[top]);
    for (std::size_t i = 0; i + 1 < blood.size(); ++i) {
      const PathStep step = r.steps[i + married_first];
      QCOMPARE(step == PathStep::kChildOf, int(i) < top);
    }
    for (const int partner : r.ancestors) {
      QVERIFY(top == 0 || raw.IsParent(partner, blood[top - 1]));
      QVERIFY(top + 1 == int(blood.size()) || raw.IsParent(partner, blood[top + 1]));
    }
    if (r.kinship.marriage == Marriage::kNone && top > 0 && top + 1 < int(blood.size())) {
      for (const int ancestor : r.ancestors) named.emplace(ancestor, r.kinship);
    }
  }
  const std::map<int, Kinship> expected = NearestCommonAncestors(raw, a, b);
  QCOMPARE(named.size(), expected.size());
  for (const auto& [ancestor, kinship] : expected) {
    QVERIFY(named.count(ancestor));
    QVERIFY(SameOrder(named.at(ancestor), kinship));
  }
}

// The blood relatives listed are those with a blood relationship inside the distance, each in
// the words of the nearest such relationship, unless a marriage makes them nearer still.
void CheckRelatives(const FamilyIndex& index, const FamilyLinks& links, int person,
                    const std::set<int>& numbers, int max_degree) {
  std::map<int, Relative> listed;
  for (const RelativeGroup& group : RelativesOf(links, person, max_degree)) {
    for (const Relative& r : group.relatives) listed.emplace(r.person, r);
  }
  const int limit = max_degree + 1;
  for (const int other : numbers) {
    if (other == person) continue;
    std::optional<Kinship> nearest;
    for (const Relationship& r : AllRelationships(links, person, other)) {
      if (r.kinship.marriage == Marriage::kNone && r.kinship.self_up <= limit &&
          r.kinship.relative_up <= limit) {
        nearest = r.kinship;
        break;
      }
    }
    const auto found = listed.find(other);
    if (!nearest) {
      QVERIFY(found == listed.end() || found->second.kinship.marriage != Marriage::kNone);
      continue;
    }
    QVERIFY(found != listed.end());
    const Relative& r = found->second;
    if (r.kinship.marriage != Marriage::kNone) {
      QVERIFY(r.kinship < *nearest);
      continue;
    }
    const int row = index.RowOfNumber(other);
    QCOMPARE(r.words, KinshipWords(*nearest, WordsForGender(index.row(row).gender)));
  }
}

}  // namespace

class PathsTest : public QObject {
  Q_OBJECT

 private slots:
  void Relationships_data() {  // family, first, second, relationships
    Columns<Family, int, int, QString>();
    Row("half siblings", HalfSiblings(), 4, 5,
        "Ann and Bob are siblings with the same father. | Ann child of Fred father of Bob");
    Row("full siblings, one path", HalfSiblings(), 4, 6,
        "Ann and Cal are siblings with the same father and with the same mother. | Ann child of "
        "Fred father of Cal");
    Row("stepmother", HalfSiblings(), 5, 2,
        "Mia is a mother by marriage of Bob. | Bob child of Fred spouse of Mia");
    Row("mother, not also by marriage", HalfSiblings(), 4, 2,
        "Mia is a mother of Ann. | Ann child of Mia");
    Row("a couple who are cousins", CousinsWed(), 5, 6,
        "H is a spouse of W. | H spouse of W\n"
        "W is a first cousin of H through G1 and G2 | H child of P1 child of G1 father of P2 "
        "mother of W");
    Row("an uncle who is also a cousin", UncleAndCousin(), 10, 7,
        "U is an uncle of A. | A child of Fa child of Q father of U\n"
        "U is a first cousin once removed of A through X1 and X2 | A child of Mo child of R "
        "child of X1 father of Q father of U");
    Row("uncle by marriage", Wedding("Male"), 6, 5,
        "Wed is an uncle by marriage of Ann. | Ann child of Dad child of Gp father of Sis spouse "
        "of Wed");
    Row("uncle by marriage without gender", Wedding(""), 6, 5,
        "Wed is a spouse to Sis who is a sibling of Ann's father. | Ann child of Dad child of Gp "
        "father of Sis spouse of Wed");
    Row("father by marriage", Wedding("Male"), 6, 8,
        "Hubdad is a father by marriage of Ann. | Ann spouse of Hub child of Hubdad");
    QString long_line = "Top is a" + QString(" great").repeated(10) + " grandfather of Low. | Low";
    for (int n = 12; n >= 2; --n) long_line += QStringLiteral(" child of L%1").arg(n);
    Row("beyond the search depth", LongLine(), 13, 1, long_line + " child of Top");
    Row("each the other's father", Family{P(1, "A", "Male", 0, {2}), P(2, "B", "Male", 0, {1})}, 1,
        2, "A is a father of B. | A father of B\nB is a father of A. | A child of B");
    Row("nobody", HalfSiblings(), 4, 99, "");
    Row("the same person", HalfSiblings(), 4, 4, "");
  }

  void Relationships() {
    const auto [family, first, second, expected] = Fetch<Family, int, int, QString>();
    const FamilyIndex index(family);
    const FamilyLinks links(index);
    QCOMPARE(Describe(index, AllRelationships(links, first, second)), expected);
  }

  void Relatives_data() {  // family, person, degree, relatives
    Columns<Family, int, int, QString>();
    Row("in-laws", Wedding("Male"), 6, 1,
        "Spouses: spouse Hub\n"
        "Parents and grandparents: father Dad\n"
        "Parents and grandparents: mother Mum\n"
        "Parents and grandparents: grandfather Gp\n"
        "Children and grandchildren: daughter Kid\n"
        "Uncles and aunts: aunt Sis\n"
        "In-laws: son by marriage Kidwed\n"
        "In-laws: father by marriage Hubdad\n"
        "In-laws: uncle by marriage Wed");
    Row("nobody", Wedding("Male"), 99, 3, "");
  }

  void Relatives() {
    const auto [family, person, degree, expected] = Fetch<Family, int, int, QString>();
    const FamilyIndex index(family);
    const FamilyLinks links(index);
    QCOMPARE(DescribeRelatives(index, RelativesOf(links, person, degree)), expected);
  }

  // Random families, cycles included: every walk ends, every path is real.
  void RandomFamiliesHoldEveryPath() {
    RandomFamilies random(41);
    std::mt19937 degrees(7);
    for (int family = 0; family < 600; ++family) {
      const FamilyIndex index(random.Make(/*allow_cycles=*/family % 3 == 0));
      const FamilyLinks links(index);
      const auto explain = qScopeGuard([&index] {
        if (!QTest::currentTestFailed()) return;
        for (const IndexRow& row : index.rows()) qInfo().noquote() << row.link << row.name;
      });
      std::set<int> numbers;
      for (const IndexRow& row : index.rows()) {
        if (const int n = NumberValue(OwnNumber(row.link))) numbers.insert(n);
      }
      for (const int a : numbers) {
        for (const int b : numbers) {
          if (a != b) CheckRelationships(index, links, a, b);
          if (QTest::currentTestFailed()) return;
        }
        CheckRelatives(index, links, a, numbers, static_cast<int>(degrees() % 4));
        if (QTest::currentTestFailed()) return;
      }
    }
  }
};

KINVALE_TEST(PathsTest)
#include "test_relations_paths.moc"
