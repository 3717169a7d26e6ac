// The family chart command: the chart the chart window shows, written to an SVG, PNG or PDF file.
#include "chart/chart_layout.h"
#include "chart/chart_texts.h"
#include "chart/paint/chart_export.h"
#include "chart/paint/chart_painter.h"
#include "cli/cli.h"
#include "store/link_string.h"
#include "store/person_number.h"

namespace kinvale::cli {

namespace {

// "all" or a count of generations; false when the text is neither.
bool ReadGenerations(const QString& text, int* generations) {
  if (text.compare(u"all", Qt::CaseInsensitive) == 0) {
    *generations = kAllGenerations;
    return true;
  }
  bool ok = false;
  *generations = text.toInt(&ok);
  return ok && *generations >= 0;
}

// The person number of the chart's centre: "#NNNN" names a number, anything else a name that
// only one person of the family carries. Zero with the reason printed when there is none.
int CentreNumber(Context& context, const FamilyIndex& index, const QString& family,
                 const QString& person) {
  if (person.startsWith(u'#')) {
    const int number = NumberValue(QStringView(person).mid(1));
    if (number > 0 && index.RowOfNumber(number) >= 0) return number;
    context.Fail(
        QStringLiteral("Nobody in the family \"%1\" has the number %2.").arg(family, person));
    return 0;
  }
  const std::vector<int>& rows = index.RowsWithName(person);
  if (rows.size() == 1) return NumberValue(OwnNumber(index.row(rows.front()).link));
  if (rows.empty()) {
    context.Fail(
        QStringLiteral("There is nobody named \"%1\" in the family \"%2\".").arg(person, family));
    return 0;
  }
  QStringList numbers;
  for (int row : rows) numbers.append(kNumberPrefix + OwnNumber(index.row(row).link).toString());
  context.Fail(QStringLiteral("Several people are named \"%1\" (%2); give the number instead.")
                   .arg(person, numbers.join(QStringLiteral(", "))));
  return 0;
}

int DrawChart(Context& context, const QStringList& arguments) {
  QStringList args = arguments;
  QString output, ancestors_text, descendants_text;
  bool missing = false;
  TakeOption(args, QStringLiteral("-o"), &output, &missing);
  const bool ancestors_given =
      TakeOption(args, QStringLiteral("--ancestors"), &ancestors_text, &missing);
  const bool descendants_given =
      TakeOption(args, QStringLiteral("--descendants"), &descendants_text, &missing);
  if (missing || output.isEmpty()) args.clear();  // so that the usage is printed below
  if (!ArgumentCountIs(context, QStringLiteral("chart"), args, 2, 2)) return kUsageError;
  // Neither option: both ways, as the chart window opens.
  ChartScope scope;
  scope.ancestors = ancestors_given || descendants_given ? 0 : kDefaultChartGenerations;
  scope.descendants = scope.ancestors;
  if ((ancestors_given && !ReadGenerations(ancestors_text, &scope.ancestors)) ||
      (descendants_given && !ReadGenerations(descendants_text, &scope.descendants))) {
    context.Err(QStringLiteral("A number of generations is a whole number from 0, or \"all\"."));
    return kUsageError;
  }

  Session session;
  if (!context.OpenFamily(session, args[0])) return kUserError;
  const int centre = CentreNumber(context, session.index, args[0], args[1]);
  if (centre == 0) return kUserError;
  const ChartLayout layout = LayoutChart(session.index, centre, scope);
  ChartPictures pictures(session.index, session.FamilyPath());
  QString error;
  if (!ExportChart(layout, pictures, output, &error)) return context.Fail(error);
  context.Out(QStringLiteral("%1: %2 boxes, %3 x %4 points")
                  .arg(output)
                  .arg(layout.boxes.size())
                  .arg(qRound(layout.bounds.width()))
                  .arg(qRound(layout.bounds.height())));
  return kOk;
}

const CommandRegistration kChart{
    {QStringLiteral("chart"),
     QStringLiteral("FAMILY PERSON [--ancestors N] [--descendants N] -o FILE.svg|.png|.pdf"),
     QStringLiteral(
         "Draws the family chart of PERSON (a name, or a number as #0012) into FILE, as the\n"
         "chart window shows it: N generations of ancestors above, of descendants below (N may\n"
         "be \"all\"). Without either option, 4 generations each way. Prints the file, the\n"
         "number of boxes and the chart's size."),
     DrawChart, /*writes=*/false, /*paints=*/true}};

}  // namespace

}  // namespace kinvale::cli
