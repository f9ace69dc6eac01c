// The chart control of the Qt window layer: a Qt Charts view of the samples
// its dialog feeds, with a span chooser, the span's minimum, maximum and mean
// per series, and the time and values under the pointer.
#pragma once

#include <string>

#include <QChartView>
#include <QElapsedTimer>
#include <QWidget>

#include <vector>

#include "ui/chart.h"

class QComboBox;
class QLabel;
class QLineSeries;
class QTimer;
class QValueAxis;

namespace travik::ui::qtimpl {

// Redraws at most this often, however fast samples come (the 1 min span; the
// longer ones wait for their column width, at most a second).
inline constexpr int kChartRedrawMs = 100;

class ChartView final : public QChartView {
 public:
  using QChartView::QChartView;
  std::function<void(QPointF)> on_pointer;

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
};

class ChartWidget final : public QWidget {
 public:
  // `context`: the catalogue context of the window, for the series' names.
  ChartWidget(QWidget* parent, std::string context);

  ChartData& data() { return data_; }
  // After a change to data(): a redraw within kChartRedrawMs, none while
  // hidden and none when nothing changed.
  void Changed();
  int redraws() const { return redraws_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Redraw();
  void Pointer(QPointF at);
  void Rebuild();  // axes and series after the set of series changed
  double TimeScale() const;  // ms per unit of the time axis

  QString SeriesTitle(const ChartSeriesInfo& s) const;

  ChartData data_;
  std::string context_;
  qint64 wall_base_;  // wall time of t = 0, for the pointer's readout
  QChart* chart_;
  ChartView* view_;
  QComboBox* span_;
  QLabel* stats_;
  QLabel* pointer_;
  QTimer* redraw_;
  QElapsedTimer since_redraw_;
  std::uint64_t drawn_revision_ = ~std::uint64_t{0};
  std::vector<ChartSeriesInfo> built_for_;
  std::vector<std::vector<QLineSeries*>> lines_;  // per series: a line per gap-free stretch
  std::vector<QValueAxis*> value_axes_;          // per unit
  QValueAxis* time_axis_;  // ms before the latest sample, scaled
  int redraws_ = 0;
};

}  // namespace travik::ui::qtimpl
