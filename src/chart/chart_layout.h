// The family chart around one person: where every box and connector line goes, worked out from
// the family index alone (no record is read), so the window, the exported files and the command
// line draw the same picture. Ancestors stand above the person, descendants below; each
// descendant has their spouse beside them. A person reached along two lines (pedigree collapse)
// is drawn again with a mark, and their family is drawn once, so cyclic links end.
#pragma once

#include <QLineF>
#include <QRectF>
#include <QString>
#include <vector>

namespace kinvale {

class FamilyIndex;

// Sizes in chart units (one unit is a point on paper, a pixel on screen at 100 %).
inline constexpr double kChartBoxWidth = 220;
inline constexpr double kChartBoxHeight = 64;
inline constexpr double kChartGap = 16;     // between boxes side by side
inline constexpr double kChartRowGap = 48;  // between generations
inline constexpr double kChartMargin = 24;  // around the whole chart
// A generation count that reaches everyone: a family holds at most 9999 people.
inline constexpr int kAllGenerations = 10000;
// What a chart shows each way until the user asks for more or fewer generations.
inline constexpr int kDefaultChartGenerations = 4;

enum class ChartGender { kMale, kFemale, kOther };

struct ChartBox {
  int row = -1;    // the person's row of the family index
  int number = 0;  // the person number
  QString name;
  QString birth_date;
  QString death_date;
  ChartGender gender = ChartGender::kOther;
  int generation = 0;  // 0 for the centre person, negative above, positive below
  QRectF rect;
  bool spouse = false;    // drawn beside a descendant as their spouse
  bool repeated = false;  // the person has another box in this chart
};

enum class ChartLineKind { kDescent, kMarriage };

struct ChartLine {
  QLineF line;
  ChartLineKind kind = ChartLineKind::kDescent;
};

struct ChartLayout {
  std::vector<ChartBox> boxes;  // box 0 is the centre person
  std::vector<ChartLine> lines;
  QRectF bounds;  // every box with the margin around them; empty for an empty chart

  bool empty() const { return boxes.empty(); }
};

// How many generations to draw each way from the centre person.
struct ChartScope {
  int ancestors = 0;
  int descendants = 0;
};

// The chart of the person with that number within the scope; empty when nobody carries the
// number. Parents are the father group then the mother group of the link string (every entry
// that names somebody, so several fathers or mothers stand side by side); children are the rows
// naming the person in either group, in index order.
ChartLayout LayoutChart(const FamilyIndex& index, int centre_number, ChartScope scope);

// "Male" and "Female" in any capitalisation, with or without blanks around; anything else is
// other.
ChartGender ChartGenderOf(const QString& gender_text);

}  // namespace kinvale
