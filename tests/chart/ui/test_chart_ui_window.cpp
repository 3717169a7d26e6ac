// The chart window driven as a user drives it on the demo family: opened from the View menu,
// walking to an ancestor and back by clicks, the arrow keys and Enter, dragging, zooming, the
// modes and generations and a double-click for a person's information (exports are read back by the
// command-line test).
#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "chart/ui/chart_view.h"
#include "chart/ui/chart_window.h"
#include "support/demo_window.h"
#include "support/test_main.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

int BoxNamed(const ChartWindow& chart, const QString& name) {
  const std::vector<ChartBox>& boxes = chart.layout().boxes;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    if (boxes[i].name == name && !boxes[i].spouse) return static_cast<int>(i);
  }
  return -1;
}

QPoint PlaceOf(const ChartWindow& chart, int box) {
  return chart.view()->mapFromScene(chart.layout().boxes[box].rect.center());
}

void ClickPerson(ChartWindow& chart, const QString& name) {
  const int box = BoxNamed(chart, name);
  QVERIFY2(box >= 0, qPrintable(name + " is not in the chart"));
  QTest::mouseClick(chart.view()->viewport(), Qt::LeftButton, {}, PlaceOf(chart, box));
}

QString Centre(const ChartWindow& chart) { return chart.layout().boxes.front().name; }

QRectF Seen(const ChartView& view) {
  return view.mapToScene(view.viewport()->rect()).boundingRect();
}

QString PersonOfInterest(DemoWindow& demo) {
  return Child<QPushButton>(demo.window, "personButton")->text();
}

// Opens the chart with its menu item and runs the checks on it, then closes it.
void InChart(DemoWindow& demo, const std::function<void(ChartWindow&)>& checks) {
  bool ran = false;
  WhenModalShown([&](QWidget* modal) {
    auto* chart = qobject_cast<ChartWindow*>(modal);
    ran = chart != nullptr;
    if (chart) checks(*chart);
    modal->close();
  });
  QAction* item = demo.window.findChild<QAction*>("actionFamilyChart");
  item->trigger();
  QVERIFY(ran);
}

void Drag(QWidget* viewport, QPoint from, QPoint to) {
  QTest::mousePress(viewport, Qt::LeftButton, {}, from);
  QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                   {});
  QApplication::sendEvent(viewport, &move);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
}

}  // namespace

class ChartWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void WalkToAnAncestorAndBack() {
    DemoWindow demo;
    InChart(demo, [&](ChartWindow& chart) {
      QCOMPARE(Centre(chart), "Thomas Whitfield");
      for (const QString name : {"William Whitfield", "Henry Whitfield", "Carl Whitfield"}) {
        ClickPerson(chart, name);
        QCOMPARE(Centre(chart), name);
        QCOMPARE(PersonOfInterest(demo), name);
        QVERIFY(Seen(*chart.view()).contains(chart.layout().boxes.front().rect));
      }
      ClickPerson(chart, "Thomas Whitfield");  // a great-grandson, below Carl
      QCOMPARE(Centre(chart), "Thomas Whitfield");
      QCOMPARE(Entries(*Child<QListWidget>(demo.window, "fatherList")),
               QStringList{"William Whitfield"});

      // Up to the father, down to Thomas and on to the box nearest below him, a daughter-in-law
      // beside her husband; left to him, and Enter puts him in the centre.
      QWidget* view = chart.view();
      const auto selected = [&] { return chart.layout().boxes[chart.view()->selected_box()].name; };
      QTest::keyClick(view, Qt::Key_Up);
      QCOMPARE(selected(), "William Whitfield");
      QTest::keyClick(view, Qt::Key_Down);
      QTest::keyClick(view, Qt::Key_Down);
      QCOMPARE(selected(), "Linda Carter Whitfield");
      QTest::keyClick(view, Qt::Key_Left);
      QCOMPARE(selected(), "Peter Whitfield");
      QTest::keyClick(view, Qt::Key_Return);
      QCOMPARE(Centre(chart), "Peter Whitfield");
      QCOMPARE(PersonOfInterest(demo), "Peter Whitfield");

      // A drag moves the picture and chooses nobody.
      chart.view()->ZoomBy(2);  // so that the picture is larger than the window
      const QPointF before = Seen(*chart.view()).center();
      const QPoint middle = chart.view()->viewport()->rect().center();
      Drag(chart.view()->viewport(), middle, middle + QPoint(150, 60));
      QVERIFY(Seen(*chart.view()).center() != before);
      QCOMPARE(Centre(chart), "Peter Whitfield");

      // A double-click opens the information of the person it puts in the centre.
      QString opened;
      WhenModalShown(
          [&](QWidget* info) {
            opened = info->windowTitle();
            info->close();
          },
          &chart);
      // As the system delivers one: a click, then the double-click and its release.
      const QPoint thomas = PlaceOf(chart, BoxNamed(chart, "Thomas Whitfield"));
      QTest::mouseClick(chart.view()->viewport(), Qt::LeftButton, {}, thomas);
      QTest::mouseDClick(chart.view()->viewport(), Qt::LeftButton, {}, thomas);
      QTest::mouseRelease(chart.view()->viewport(), Qt::LeftButton, {}, thomas);
      QCOMPARE(opened, "Thomas Whitfield");
      QCOMPARE(Centre(chart), "Thomas Whitfield");
    });
    QCOMPARE(PersonOfInterest(demo), "Thomas Whitfield");
  }

  void ZoomModesAndGenerations() {
    DemoWindow demo;
    InChart(demo, [&](ChartWindow& chart) {
      ChartView& view = *chart.view();
      const double opening = view.zoom();
      chart.findChild<QAction*>("actionZoomIn")->trigger();
      QVERIFY(view.zoom() > opening);
      chart.findChild<QAction*>("actionZoomOut")->trigger();
      chart.findChild<QAction*>("actionZoomOut")->trigger();
      QVERIFY(view.zoom() < opening);
      const double before_wheel = view.zoom();
      const QPointF at = view.viewport()->rect().center();
      QWheelEvent wheel(at, view.viewport()->mapToGlobal(at), {}, QPoint(0, 240), Qt::NoButton, {},
                        Qt::NoScrollPhase, false);
      QApplication::sendEvent(view.viewport(), &wheel);
      QVERIFY(view.zoom() > before_wheel * 1.5);
      chart.findChild<QAction*>("actionFit")->trigger();
      QVERIFY(Seen(view).adjusted(-1, -1, 1, 1).contains(chart.layout().bounds));

      auto* mode = Child<QComboBox>(chart, "chartMode");
      auto* generations = Child<QSpinBox>(chart, "chartGenerations");
      const auto generation_range = [&] {
        int lowest = 0, highest = 0;
        for (const ChartBox& box : chart.layout().boxes) {
          lowest = std::min(lowest, box.generation);
          highest = std::max(highest, box.generation);
        }
        return std::pair(lowest, highest);
      };
      QCOMPARE(generation_range(), std::pair(-3, 3));  // Thomas's three generations each way
      mode->setCurrentIndex(0);                        // ancestors
      generations->setValue(1);
      QCOMPARE(generation_range(), std::pair(-1, 0));
      mode->setCurrentIndex(1);  // descendants
      generations->setValue(0);
      QCOMPARE(generation_range(), std::pair(0, 3));
    });
  }
};

KINVALE_TEST(ChartWindowTest)
#include "test_chart_ui_window.moc"
