// kinvale-cli chart on the demo family: the files it writes, its messages and exit codes, and an
// SVG read back for its boxes, names and photos against the layout of the same family.
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include "chart/chart_layout.h"
#include "chart/chart_texts.h"
#include "store/family_files.h"
#include "store/person_number.h"
#include "support/cli_runner.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;
using namespace Qt::StringLiterals;

namespace {

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

class ChartCliTest : public QObject {
  Q_OBJECT

 private slots:
  void Commands_data() {  // arguments, exit code, stderr, first bytes of the file written
    Columns<QStringList, int, QString, QByteArray>();
    Row("svg by name", QStringList{"chart", "Demo", "Thomas Whitfield", "-o", "c.svg"}, 0, "",
        "<?xml"_ba);
    Row("png by number, all descendants",
        QStringList{"chart", "Demo", "#10", "--descendants", "all", "-o", "c.png"}, 0, "",
        "\x89PNG"_ba);
    Row("pdf, ending in capitals",
        QStringList{"chart", "Demo", "#0001", "--ancestors", "2", "-o", "c.PDF"}, 0, "", "%PDF"_ba);
    Row("nobody by that name", QStringList{"chart", "Demo", "Nobody", "-o", "c.svg"}, 1,
        "There is nobody named \"Nobody\" in the family \"Demo\".\n", ""_ba);
    Row("nobody with that number", QStringList{"chart", "Demo", "#0999", "-o", "c.svg"}, 1,
        "Nobody in the family \"Demo\" has the person number 0999.\n", ""_ba);
    Row("not a picture file", QStringList{"chart", "Demo", "#1", "-o", "c.txt"}, 1,
        kChartFormatMessage.arg("c.txt") + u'\n', ""_ba);
    Row("no such family", QStringList{"chart", "Nowhere", "#1", "-o", "c.svg"}, 1,
        "There is no family named \"Nowhere\".\n", ""_ba);
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
    // The demo family's relatives of Thomas, four generations each way.
    QStringList names;
    for (const ChartBox& box : layout.boxes) names.append(box.name);
    for (const char* relative :
         {"William Whitfield", "Mary Cole Whitfield", "Carl Whitfield", "Martha Bennett",
          "Joseph Cole", "Eleanor Hart Whitfield", "Susan Whitfield Grant", "Karen Grant",
          "Emily Turner", "Ann Whitfield"}) {
      QVERIFY2(names.contains(relative), qPrintable(relative));
    }
  }
};

KINVALE_TEST(ChartCliTest)
#include "test_chart_cli.moc"
