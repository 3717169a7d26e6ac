// The family chart's layout: the tidy tree on random trees (parents centred, no overlap,
// subtrees packed tight, the same picture every time), then small families drawn as tables
// (pedigrees, several fathers, spouses, pedigree collapse, cycles) and random families with
// every awkward link, and the arrow keys' walk between boxes. kinvale-cli chart on the demo
// family: the files it writes, its messages and exit codes, and an SVG read back against the
// layout of the same family.
#include <QtTest>
#include <algorithm>
#include <map>
#include <random>

#include <QRegularExpression>
#include <QXmlStreamReader>
#include "chart/chart_layout.h"
#include "chart/chart_navigation.h"
#include "chart/chart_texts.h"
#include "chart/tidy_tree.h"
#include "store/family_files.h"
#include "store/family_index.h"
#include "store/person_number.h"
#include "support/cli_runner.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;
using namespace Qt::StringLiterals;

namespace {

constexpr double kEpsilon = 1e-6;

// A random tree in breadth-first order with widths from one to three boxes.
std::vector<TidyNode> RandomTree(std::mt19937& random) {
  std::uniform_int_distribution<int> size(1, 40), fan(0, 4), width(1, 3);
  const int wanted = size(random);
  std::vector<TidyNode> nodes(1);
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    nodes[i].width = 10.0 * width(random);
    nodes[i].first_child = static_cast<int>(nodes.size());
    const int children = std::min(fan(random), wanted - static_cast<int>(nodes.size()));
    nodes[i].child_count = std::max(children, 0);
    nodes.resize(nodes.size() + nodes[i].child_count);
  }
  return nodes;
}

// The left and right edges of a node's subtree on each row below it, by depth.
using Edges = std::map<int, std::pair<double, double>>;
void AddSubtree(const std::vector<TidyNode>& nodes, const std::vector<double>& x, int node,
                int depth, Edges& edges) {
  const double left = x[node] - nodes[node].width / 2, right = x[node] + nodes[node].width / 2;
  auto [it, added] = edges.try_emplace(depth, left, right);
  if (!added) it->second = {std::min(it->second.first, left), std::max(it->second.second, right)};
  for (int c = nodes[node].first_child; c < nodes[node].first_child + nodes[node].child_count; ++c)
    AddSubtree(nodes, x, c, depth + 1, edges);
}

QString BoxText(const ChartBox& box) {
  return (box.spouse ? QStringLiteral("=") : QStringLiteral(" ")) + box.name +
         (box.repeated ? QStringLiteral("*") : QString());
}

// The chart as text, a row per generation from the top: "-1: F M / 0: C=W", each row's boxes
// from left to right, "=" before a spouse, "*" after a person drawn more than once.
QString Arrangement(const ChartLayout& layout) {
  std::map<int, std::vector<const ChartBox*>> rows;
  for (const ChartBox& box : layout.boxes) rows[box.generation].push_back(&box);
  QStringList text;
  for (auto& [generation, boxes] : rows) {
    std::sort(boxes.begin(), boxes.end(),
              [](auto* a, auto* b) { return a->rect.left() < b->rect.left(); });
    QString row = QString::number(generation) + u':';
    for (const ChartBox* box : boxes) row += BoxText(*box);
    text.append(row);
  }
  return text.join(QStringLiteral(" / "));
}

bool HasLineEndingAt(const ChartLayout& layout, QPointF point) {
  return std::any_of(layout.lines.begin(), layout.lines.end(), [&](const ChartLine& line) {
    return QLineF(line.line.p2(), point).length() < kEpsilon;
  });
}

// What every chart must be: box 0 the centre person, each generation on its own row, no two
// boxes of a row closer than the gap, every relative joined by a line at the edge facing the
// centre person, and the bounds around everything.
void CheckChart(const ChartLayout& layout) {
  QVERIFY(!layout.empty());
  QCOMPARE(layout.boxes.front().generation, 0);
  std::map<int, std::vector<QRectF>> rows;
  for (const ChartBox& box : layout.boxes) {
    QCOMPARE(box.rect.top(), box.generation * (kChartBoxHeight + kChartRowGap));
    QVERIFY(layout.bounds.contains(box.rect));
    rows[box.generation].push_back(box.rect);
    if (box.generation < 0) {
      QVERIFY2(HasLineEndingAt(layout, {box.rect.center().x(), box.rect.bottom()}),
               qPrintable(box.name));
    } else if (box.generation > 0 && !box.spouse) {
      QVERIFY2(HasLineEndingAt(layout, {box.rect.center().x(), box.rect.top()}),
               qPrintable(box.name));
    }
  }
  for (auto& [generation, rects] : rows) {
    std::sort(rects.begin(), rects.end(), [](auto& a, auto& b) { return a.left() < b.left(); });
    for (std::size_t i = 1; i < rects.size(); ++i) {
      QVERIFY2(rects[i].left() - rects[i - 1].right() >= kChartGap - kEpsilon,
               qPrintable(QStringLiteral("overlap in generation %1").arg(generation)));
    }
  }
}

struct Person {
  int number;
  const char* name;
  int spouse = 0;
  std::vector<int> fathers = {};
  std::vector<int> mothers = {};
};

QString Group(const std::vector<int>& numbers) {
  QString group;
  for (int n : numbers) group += FormatPersonNumber(n);
  return group.isEmpty() ? QStringLiteral("0000") : group;
}

FamilyIndex IndexOf(const std::vector<Person>& people) {
  std::vector<IndexRow> rows;
  for (const Person& p : people) {
    const QString link = FormatPersonNumber(p.number) + FormatPersonNumber(p.spouse) + u'F' +
                         Group(p.fathers) + u'M' + Group(p.mothers) + QStringLiteral("S0000");
    rows.push_back({link, QString::fromLatin1(p.name), QStringLiteral("Male"), {}, {}});
  }
  return FamilyIndex(std::move(rows));
}

struct Svg {
  QStringList texts;
  int rounded_boxes = 0;  // paths with curves: the boxes' outlines
  int images = 0;
};

Svg ReadSvg(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  Svg svg;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"text") svg.texts.append(xml.readElementText());
    if (xml.name() == u"path" && xml.attributes().value(QStringLiteral("d")).contains(u'C'))
      ++svg.rounded_boxes;
    if (xml.name() == u"image") ++svg.images;
  }
  if (xml.hasError()) qWarning("%s", qPrintable(xml.errorString()));
  return svg;
}

// A name as a box shows it: whole, or cut short with an ellipsis when it is too long.
bool Shows(const QString& text, const QString& name) {
  return text == name || (text.endsWith(u'…') && name.startsWith(text.chopped(1)));
}

}  // namespace

Q_DECLARE_METATYPE(std::vector<Person>)

class ChartLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void TidyTreeOnRandomTrees() {
    std::mt19937 random(16);
    for (int round = 0; round < 500; ++round) {
      const std::vector<TidyNode> nodes = RandomTree(random);
      const std::vector<double> x = TidyTreeCentres(nodes, 5);
      QCOMPARE(TidyTreeCentres(nodes, 5), x);
      QCOMPARE(x.front(), 0.0);
      std::map<int, std::vector<int>> by_depth;
      std::vector<int> depth(nodes.size(), 0);
      for (std::size_t i = 0; i < nodes.size(); ++i) {
        by_depth[depth[i]].push_back(static_cast<int>(i));
        const TidyNode& n = nodes[i];
        for (int c = n.first_child; c < n.first_child + n.child_count; ++c) depth[c] = depth[i] + 1;
        if (n.child_count == 0) continue;
        const int last = n.first_child + n.child_count - 1;
        QVERIFY(std::abs(x[i] - (x[n.first_child] + x[last]) / 2) < kEpsilon);  // centred
        Edges left_side;  // the subtrees of the children before c
        AddSubtree(nodes, x, n.first_child, 0, left_side);
        for (int c = n.first_child + 1; c <= last; ++c) {
          Edges own;
          AddSubtree(nodes, x, c, 0, own);
          double closest = 1e18;
          for (const auto& [d, edges] : own) {
            if (left_side.count(d)) closest = std::min(closest, edges.first - left_side[d].second);
          }
          QVERIFY2(std::abs(closest - 5) < kEpsilon, "a subtree could sit closer, or overlaps");
          AddSubtree(nodes, x, c, 0, left_side);
        }
      }
      for (const auto& [d, row] : by_depth) {  // breadth-first order is left to right in a row
        for (std::size_t k = 1; k < row.size(); ++k) {
          const TidyNode &a = nodes[row[k - 1]], &b = nodes[row[k]];
          QVERIFY(x[row[k]] - b.width / 2 - (x[row[k - 1]] + a.width / 2) >= 5 - kEpsilon);
        }
      }
    }
  }

  void SmallFamilies_data() {  // people, centre, ancestors, descendants, arrangement
    Columns<std::vector<Person>, int, int, int, QString>();
    const std::vector<Person> pedigree = {
        {1, "C", 0, {2}, {3}}, {2, "F", 3, {4}, {5}}, {3, "M", 2}, {4, "GF", 5}, {5, "GM", 4}};
    Row("hourglass from the middle", pedigree, 2, 1, 1, "-1: GF GM / 0: F=M / 1: C");
    Row("several fathers",
        std::vector<Person>{{1, "C", 0, {2, 3}, {4}}, {2, "Fa"}, {3, "Fb"}, {4, "M"}}, 1, 1, 0,
        "-1: Fa Fb M / 0: C");
    Row("parent numbers that name nobody, or twice",
        std::vector<Person>{{1, "C", 0, {77, 0, 2, 2}, {3}}, {2, "F"}, {3, "M"}}, 1, 9, 0,
        "-1: F M / 0: C");
    const std::vector<Person> couple = {{1, "A", 2},           {2, "B", 1}, {3, "C", 5, {1}, {2}},
                                        {4, "D", 0, {1}, {2}}, {5, "E", 3}, {6, "G", 0, {3}, {5}}};
    Row("descendants beside their spouses", couple, 1, 0, 2, "0: A=B / 1: C=E D / 2: G");
    Row("child named in both groups drawn once",
        std::vector<Person>{{1, "A"}, {2, "K", 0, {1}, {1}}}, 1, 0, 3, "0: A / 1: K");
    // Cousins S and T married: their grandfather G is reached through both.
    const std::vector<Person> cousins = {{1, "X", 0, {2}, {3}}, {2, "P", 3, {4}}, {3, "Q", 2, {5}},
                                         {4, "S", 0, {6}},      {5, "T", 0, {6}}, {6, "G"}};
    Row("pedigree collapse", cousins, 1, kAllGenerations, 0,
        "-3: G* G* / -2: S T / -1: P Q / 0: X");
    Row("descendant reached twice", cousins, 6, 0, kAllGenerations,
        "0: G / 1: S T / 2: P*=Q* Q*=P* / 3: X* X*");
    Row("cycle", std::vector<Person>{{1, "A", 0, {2}}, {2, "B", 0, {1}}}, 1, kAllGenerations,
        kAllGenerations, "-1: B* / 0: A* / 1: B* / 2: A*");
  }

  void SmallFamilies() {
    const auto [people, centre, ancestors, descendants, arrangement] =
        Fetch<std::vector<Person>, int, int, int, QString>();
    const FamilyIndex index = IndexOf(people);
    const ChartLayout layout = LayoutChart(index, centre, {ancestors, descendants});
    CheckChart(layout);
    QCOMPARE(Arrangement(layout), arrangement);
  }

  void NobodyToDraw() {
    const FamilyIndex index = IndexOf({{1, "A"}});
    QVERIFY(LayoutChart(index, 2, {3, 3}).empty());
    QVERIFY(LayoutChart(index, 0, {3, 3}).empty());
  }

  // Random links of every kind (several parents, missing numbers, own ancestors, spouses who are
  // relatives): the layout always ends, keeps its rules and the generations asked for, and gives
  // the same picture again.
  void RandomFamilies() {
    std::mt19937 random(1616);
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (int round = 0; round < 400; ++round) {
      const int size = 2 + below(14);
      std::vector<Person> people;
      for (int n = 1; n <= size; ++n) {
        Person p{n, "P", below(3) == 0 ? 0 : 1 + below(size + 2)};
        for (int k = below(3); k > 0; --k) p.fathers.push_back(below(size + 2));
        for (int k = below(3); k > 0; --k) p.mothers.push_back(below(size + 2));
        people.push_back(p);
      }
      const FamilyIndex index = IndexOf(people);
      const ChartScope scope{below(2) ? kAllGenerations : below(4),
                             below(2) ? kAllGenerations : below(4)};
      const ChartLayout layout = LayoutChart(index, 1 + below(size), scope);
      CheckChart(layout);
      for (const ChartBox& box : layout.boxes) {
        QVERIFY(-box.generation <= scope.ancestors && box.generation <= scope.descendants);
      }
      const ChartLayout again = LayoutChart(index, layout.boxes.front().number, scope);
      QCOMPARE(again.boxes.size(), layout.boxes.size());
      for (std::size_t i = 0; i < layout.boxes.size(); ++i) {
        QCOMPARE(again.boxes[i].rect, layout.boxes[i].rect);
      }
    }
  }

  void ArrowKeys_data() {  // steps from the centre, the person reached
    Columns<QString, QString>();
    Row("right at the row's end stays", "URR", "M");
    Row("up twice", "UU", "GF");
    Row("down at the bottom stays", "DD", "K");
    Row("right to the spouse", "R", "W");
    Row("left of the first stays", "L", "C");
  }

  void ArrowKeys() {
    const auto [steps, reached] = Fetch<QString, QString>();
    const FamilyIndex index = IndexOf({{1, "C", 6, {2}, {3}},
                                       {2, "F", 3, {4}},
                                       {3, "M", 2},
                                       {4, "GF"},
                                       {5, "K", 0, {1}, {6}},
                                       {6, "W", 1}});
    const ChartLayout layout = LayoutChart(index, 1, {2, 2});
    int box = 0;
    for (const QChar step : steps) {
      const ChartStep s = step == u'U'   ? ChartStep::kUp
                          : step == u'D' ? ChartStep::kDown
                          : step == u'L' ? ChartStep::kLeft
                                         : ChartStep::kRight;
      box = ChartBoxAfterStep(layout, box, s);
    }
    QCOMPARE(layout.boxes[box].name, reached);
    QCOMPARE(ChartBoxAt(layout, layout.boxes[box].rect.center()), box);
    QCOMPARE(ChartBoxAt(layout, layout.bounds.topLeft()), -1);
  }

  void Commands_data() {  // arguments, exit code, stderr, first bytes of the file written
    Columns<QStringList, int, QString, QByteArray>();
    Row("png by number, all descendants",
        QStringList{"chart", "Demo", "#10", "--descendants", "all", "-o", "c.png"}, 0, "",
        "\x89PNG"_ba);
    Row("pdf, ending in capitals",
        QStringList{"chart", "Demo", "#0001", "--ancestors", "2", "-o", "c.PDF"}, 0, "", "%PDF"_ba);
    Row("nobody with that number", QStringList{"chart", "Demo", "#0999", "-o", "c.svg"}, 1,
        "Nobody in the family \"Demo\" has the person number 0999.\n", ""_ba);
    Row("not a picture file", QStringList{"chart", "Demo", "#1", "-o", "c.txt"}, 1,
        kChartFormatMessage.arg("c.txt") + u'\n', ""_ba);
    const QString usage =
        "Usage: kinvale-cli chart FAMILY PERSON [--ancestors N] [--descendants N] -o "
        "FILE.svg|.png|.pdf\n";
    Row("no file", QStringList{"chart", "Demo", "#1"}, 2, usage, ""_ba);
    Row("file option without a value", QStringList{"chart", "Demo", "#1", "-o"}, 2, usage, ""_ba);
    Row("generations not a number",
        QStringList{"chart", "Demo", "#1", "--ancestors", "many", "-o", "c.svg"}, 2,
        "A number of generations is a whole number from 0, or \"all\".\n", ""_ba);
  }

  void Commands() {
    auto [arguments, code, err, magic] = Fetch<QStringList, int, QString, QByteArray>();
    QTemporaryDir dir;
    const qsizetype output = arguments.indexOf("-o") + 1;
    if (output > 0 && output < arguments.size())
      arguments[output] = dir.filePath(arguments[output]);
    const CliResult run = RunCli(dir.filePath("app"), arguments);
    QCOMPARE(run.err, err);
    QCOMPARE(run.exit_code, code);
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    if (magic.isEmpty()) {
      QVERIFY2(files.isEmpty(), qPrintable(files.join(' ')));
      return;
    }
    QFile file(arguments[output]);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(magic.size()), magic);
    QCOMPARE(run.out.size(), 1);
    QVERIFY(QRegularExpression("^" + QRegularExpression::escape(arguments[output]) +
                               ": \\d+ boxes, \\d+ x \\d+ points$")
                .match(run.out.front())
                .hasMatch());
  }

  // Every box of the layout comes back from the SVG with its name and number, and the two
  // people of the demo family with photos show them.
  void SvgHoldsTheChart() {
    QTemporaryDir dir;
    const QString path = dir.filePath("thomas.svg");
    const CliResult run =
        RunCli(dir.filePath("app"), {"chart", "Demo", "Thomas Whitfield", "-o", path});
    QCOMPARE(run.exit_code, 0);
    const QString family_folder = QDir(dir.filePath("app")).filePath("Demo");
    const FamilyIndex index(
        LoadIndexRows(family_folder, ListRecordFiles(family_folder).value()).rows);
    const ChartLayout layout =
        LayoutChart(index, 1, {kDefaultChartGenerations, kDefaultChartGenerations});
    const Svg svg = ReadSvg(path);
    QCOMPARE(svg.rounded_boxes, static_cast<int>(layout.boxes.size()));
    QCOMPARE(svg.images, 2);  // Thomas and Eleanor
    QStringList texts = svg.texts;
    for (const ChartBox& box : layout.boxes) {
      const auto name = std::find_if(texts.begin(), texts.end(),
                                     [&](const QString& text) { return Shows(text, box.name); });
      QVERIFY2(name != texts.end(), qPrintable(box.name));
      texts.erase(name);
      QVERIFY(texts.removeOne(kNumberPrefix + FormatPersonNumber(box.number)));
    }
    for (const QString& text : texts) {  // what is left: the dates
      QVERIFY2(text.startsWith(kBornPrefix) || text.startsWith(kDiedPrefix), qPrintable(text));
    }
  }
};

KINVALE_TEST(ChartLayoutTest)
#include "test_chart_layout.moc"
