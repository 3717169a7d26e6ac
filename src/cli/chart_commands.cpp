// The family chart command: the chart the chart window shows, written to an SVG, PNG or PDF file.
#include "chart/chart_layout.h"
#include "chart/chart_texts.h"
#include "chart/paint/chart_export.h"
#include "chart/paint/chart_painter.h"
#include "cli/cli.h"
#include "cli/cli_texts.h"
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
    context.Err(kGenerationsError);
    return kUsageError;
  }

  Session session;
  if (!context.OpenFamily(session, args[0])) return kUserError;
  const int row = context.FindPerson(session, args[1]);
  if (row < 0) return kUserError;
  const int centre = NumberValue(OwnNumber(session.index.row(row).link));
  const ChartLayout layout = LayoutChart(session.index, centre, scope);
  ChartPictures pictures(session.index, session.FamilyPath());
  QString error;
  if (!ExportChart(layout, pictures, output, &error)) return context.Fail(error);
  context.Out(kChartDrawn.ToString()
                  .arg(output)
                  .arg(layout.boxes.size())
                  .arg(qRound(layout.bounds.width()))
                  .arg(qRound(layout.bounds.height())));
  return kOk;
}

const CommandRegistration kChart{
    {QStringLiteral("chart"),
     QStringLiteral("FAMILY PERSON [--ancestors N] [--descendants N] -o FILE.svg|.png|.pdf"),
     kChartHelp, DrawChart, /*writes=*/false, /*paints=*/true}};

}  // namespace

}  // namespace kinvale::cli
