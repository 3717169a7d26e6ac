// The "Family Chart" window: the chart around one person with its mode (ancestors, descendants
// or both) and number of generations, zoom, export to a file and printing. Clicking a person
// puts them in the centre and makes them the person of interest.
#pragma once

#include <QDialog>
#include <functional>

#include "chart/chart_layout.h"
#include "chart/paint/chart_painter.h"

class QComboBox;
class QSpinBox;

namespace kinvale {

class ChartView;
struct Session;

struct ChartWindowActions {
  std::function<void(int row)> make_person_of_interest;
  std::function<void(int row)> show_information;
};

class ChartWindow : public QDialog {
  Q_OBJECT

 public:
  ChartWindow(const Session& session, int centre_number, ChartWindowActions actions,
              QWidget* parent = nullptr);

  const ChartLayout& layout() const { return layout_; }
  ChartView* view() const { return view_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildControls();
  ChartScope Scope() const;
  void DrawChart();
  void ChoosePerson(int row);
  void ExportToFile();
  void Print();

  const Session& session_;
  ChartWindowActions actions_;
  ChartPictures pictures_;
  int centre_number_;
  ChartLayout layout_;
  ChartView* view_ = nullptr;
  QComboBox* mode_ = nullptr;
  QSpinBox* generations_ = nullptr;
  bool shown_ = false;
};

}  // namespace kinvale
