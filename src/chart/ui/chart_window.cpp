#include "chart/ui/chart_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

#include "chart/chart_texts.h"
#include "chart/paint/chart_export.h"
#include "chart/ui/chart_view.h"
#include "session/session.h"
#include "store/link_string.h"
#include "store/person_number.h"
#include "store/shared_texts.h"

namespace kinvale {

namespace {

enum ModeIndex { kAncestorsIndex, kDescendantsIndex, kBothIndex };
constexpr int kMostGenerationsInBox = 99;

struct FileKind {
  Text name;
  const char* suffix;
};
const FileKind kFileKinds[] = {{kSvgFileKind, "svg"}, {kPngFileKind, "png"}, {kPdfFileKind, "pdf"}};

QString FileFilter(const FileKind& kind) {
  return QStringLiteral("%1 (*.%2)").arg(kind.name, QLatin1String(kind.suffix));
}

}  // namespace

ChartWindow::ChartWindow(const Session& session, int centre_number, ChartWindowActions actions,
                         QWidget* parent)
    : QDialog(parent),
      session_(session),
      actions_(std::move(actions)),
      pictures_(session.index, session.FamilyPath()),
      centre_number_(centre_number) {
  setObjectName(QStringLiteral("chartWindow"));
  setWindowTitle(kFamilyChartTitle);
  view_ = new ChartView(pictures_, this);
  auto* hint = new QLabel(kChartHint, this);
  hint->setWordWrap(true);
  auto* column = new QVBoxLayout(this);
  column->addWidget(BuildControls());
  column->addWidget(view_, 1);
  column->addWidget(hint);
  connect(view_, &ChartView::personChosen, this, &ChartWindow::ChoosePerson);
  connect(view_, &ChartView::personOpened, this,
          [this](int row) { actions_.show_information(row); });
  resize(1100, 760);
  DrawChart();
  view_->setFocus();
}

void ChartWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!std::exchange(shown_, true)) view_->ZoomToOpen();  // the view has its size only now
}

QWidget* ChartWindow::BuildControls() {
  auto* bar = new QWidget(this);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins({});
  mode_ = new QComboBox(bar);
  mode_->setObjectName(QStringLiteral("chartMode"));
  mode_->addItems({kAncestorsMode, kDescendantsMode, kBothMode});
  mode_->setCurrentIndex(kBothIndex);
  generations_ = new QSpinBox(bar);
  generations_->setObjectName(QStringLiteral("chartGenerations"));
  generations_->setRange(0, kMostGenerationsInBox);
  generations_->setSpecialValueText(kAllGenerationsText);  // shown for 0
  generations_->setValue(kDefaultChartGenerations);
  auto* generations_label = new QLabel(kGenerationsCaption, bar);
  generations_label->setBuddy(generations_);
  row->addWidget(mode_);
  row->addWidget(generations_label);
  row->addWidget(generations_);
  connect(mode_, &QComboBox::currentIndexChanged, this, &ChartWindow::DrawChart);
  connect(generations_, &QSpinBox::valueChanged, this, &ChartWindow::DrawChart);

  const auto add_action = [this, bar, row](const QString& caption, const QString& name,
                                           const QList<QKeySequence>& keys, auto slot) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcuts(keys);
    addAction(action);  // the keys work wherever the focus is in the window
    connect(action, &QAction::triggered, this, slot);
    auto* button = new QToolButton(bar);
    button->setDefaultAction(action);
    row->addWidget(button);
  };
  row->addStretch();
  add_action(kChartZoomInCaption, QStringLiteral("actionZoomIn"),
             {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
             [this] { view_->ZoomBy(1.25); });
  add_action(kChartZoomOutCaption, QStringLiteral("actionZoomOut"), {QKeySequence::ZoomOut},
             [this] { view_->ZoomBy(0.8); });
  add_action(kChartFitCaption, QStringLiteral("actionFit"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
             [this] { view_->FitToWindow(); });
  add_action(kChartExportCaption, QStringLiteral("actionExportChart"),
             {QKeySequence(Qt::CTRL | Qt::Key_E)}, &ChartWindow::ExportToFile);
  add_action(kChartPrintCaption, QStringLiteral("actionPrintChart"), {QKeySequence::Print},
             &ChartWindow::Print);
  auto* close = new QPushButton(kCloseCaption, bar);
  close->setObjectName(QStringLiteral("chartClose"));
  close->setAutoDefault(false);  // Enter belongs to the chart: it centres the selected person
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  row->addWidget(close);
  return bar;
}

ChartScope ChartWindow::Scope() const {
  const int generations = generations_->value() == 0 ? kAllGenerations : generations_->value();
  switch (mode_->currentIndex()) {
    case kAncestorsIndex:
      return {generations, 0};
    case kDescendantsIndex:
      return {0, generations};
    default:
      return {generations, generations};
  }
}

void ChartWindow::DrawChart() {
  layout_ = LayoutChart(session_.index, centre_number_, Scope());
  view_->ShowLayout(&layout_, layout_.empty() ? -1 : 0);
}

void ChartWindow::ChoosePerson(int row) {
  centre_number_ = NumberValue(OwnNumber(session_.index.row(row).link));
  DrawChart();
  actions_.make_person_of_interest(row);
}

void ChartWindow::ExportToFile() {
  if (layout_.empty()) return;
  QStringList filters;
  for (const FileKind& kind : kFileKinds) filters.append(FileFilter(kind));
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString name = kChartFileName.arg(layout_.boxes.front().name) + QStringLiteral(".svg");
  QString filter = filters.front();
  QString path = QFileDialog::getSaveFileName(this, kExportChartTitle, QDir(folder).filePath(name),
                                              filters.join(QStringLiteral(";;")), &filter);
  if (path.isEmpty()) return;
  if (!ChartFileFormatOf(path)) {  // no known ending typed: the one of the chosen kind
    path +=
        u'.' + QLatin1String(kFileKinds[std::max<qsizetype>(0, filters.indexOf(filter))].suffix);
  }
  QString error;
  QApplication::setOverrideCursor(Qt::WaitCursor);  // a chart of thousands takes a second or two
  const bool written = ExportChart(layout_, pictures_, path, &error);
  QApplication::restoreOverrideCursor();
  if (!written) QMessageBox::warning(this, kFamilyChartTitle, error);
}

void ChartWindow::Print() {
  if (layout_.empty()) return;
  QPrinter printer(QPrinter::HighResolution);
  const QSizeF size = layout_.bounds.size();
  printer.setPageOrientation(size.width() > size.height() ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter painter(&printer);
  const QRectF page(QPointF(), printer.pageRect(QPrinter::DevicePixel).size());
  PaintWholeChart(painter, layout_, pictures_, page, printer.resolution() / 72.0);
}

}  // namespace kinvale
