#include "ui/qt/qt_chart.h"

#include "i18n/catalogue.h"

#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <utility>

namespace travik::ui::qtimpl {
namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString Number(double v) { return QLocale().toString(v, 'g', 5); }

QFont Small(const QWidget& w) {
  QFont f = w.font();
  f.setPointSizeF(f.pointSizeF() * 0.85);
  return f;
}

}  // namespace

QString ChartWidget::SeriesTitle(const ChartSeriesInfo& s) const {
  const QString name = Q(i18n::Tr(context_, s.name));
  return s.unit.empty() ? name : name + " [" + Q(s.unit) + "]";
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
  if (on_pointer) on_pointer(event->position());
  QChartView::mouseMoveEvent(event);
}

ChartWidget::ChartWidget(QWidget* parent, std::string context)
    : QWidget(parent), context_(std::move(context)), wall_base_(QDateTime::currentMSecsSinceEpoch()) {
  chart_ = new QChart();
  chart_->legend()->setAlignment(Qt::AlignBottom);
  chart_->legend()->setFont(Small(*this));
  chart_->setMargins(QMargins(2, 2, 2, 2));
  chart_->setAnimationOptions(QChart::NoAnimation);
  // Time runs up to now at the right edge, in seconds or minutes before it;
  // the pointer's readout gives the clock time.
  time_axis_ = new QValueAxis(chart_);
  time_axis_->setTickCount(7);
  time_axis_->setLabelFormat("%.0f");
  time_axis_->setLabelsFont(Small(*this));
  time_axis_->setTitleFont(Small(*this));
  chart_->addAxis(time_axis_, Qt::AlignBottom);
  view_ = new ChartView(chart_, this);
  view_->setRenderHint(QPainter::Antialiasing, false);
  view_->setMouseTracking(true);
  view_->on_pointer = [this](QPointF at) { Pointer(at); };

  span_ = new QComboBox(this);
  for (ChartSpan span : kChartSpans) span_->addItem(SpanName(span));
  QObject::connect(span_, &QComboBox::activated, this, [this](int index) {
    data_.SetSpan(kChartSpans[static_cast<std::size_t>(index)]);
    Changed();
  });
  stats_ = new QLabel(this);
  stats_->setTextFormat(Qt::PlainText);
  stats_->setFont(Small(*this));
  pointer_ = new QLabel(this);
  pointer_->setTextFormat(Qt::PlainText);

  auto* top = new QHBoxLayout();
  top->addWidget(span_);
  top->addWidget(pointer_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addLayout(top);
  layout->addWidget(view_, 1);
  layout->addWidget(stats_);

  redraw_ = new QTimer(this);
  redraw_->setSingleShot(true);
  QObject::connect(redraw_, &QTimer::timeout, this, [this] { Redraw(); });
  since_redraw_.start();
}

void ChartWidget::Changed() {
  if (redraw_->isActive() || !isVisible()) return;
  // On the long spans a column is seconds wide: redrawing faster would move
  // nothing by a pixel, so the pace follows the column, up to once a second.
  const qint64 interval = std::clamp<qint64>(SpanMs(data_.span()) / kChartColumns, kChartRedrawMs, 1000);
  const qint64 wait = std::max<qint64>(0, interval - since_redraw_.elapsed());
  redraw_->start(static_cast<int>(wait));
}

void ChartWidget::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Changed();
}

double ChartWidget::TimeScale() const { return data_.span() == ChartSpan::k1Min ? 1000.0 : 60000.0; }

void ChartWidget::Rebuild() {
  for (auto& lines : lines_)
    for (QLineSeries* line : lines) {
      chart_->removeSeries(line);
      delete line;
    }
  lines_.assign(data_.series().size(), {});
  for (QValueAxis* axis : value_axes_) {
    chart_->removeAxis(axis);
    delete axis;
  }
  value_axes_.clear();
  const auto units = data_.Units();
  for (std::size_t i = 0; i < units.size(); ++i) {
    auto* axis = new QValueAxis(chart_);
    axis->setTitleText(Q(units[i]));
    axis->setLabelFormat("%.4g");
    axis->setLabelsFont(Small(*this));
    axis->setTitleFont(Small(*this));
    axis->setTickCount(5);
    chart_->addAxis(axis, i % 2 == 0 ? Qt::AlignLeft : Qt::AlignRight);
    value_axes_.push_back(axis);
  }
  built_for_ = data_.series();
}

void ChartWidget::Redraw() {
  if (data_.revision() == drawn_revision_) return;
  drawn_revision_ = data_.revision();
  since_redraw_.restart();
  ++redraws_;
  if (built_for_ != data_.series()) Rebuild();

  const double scale = TimeScale();
  time_axis_->setRange(-static_cast<double>(SpanMs(data_.span())) / scale, 0);
  time_axis_->setTitleText(data_.span() == ChartSpan::k1Min ? "s" : "min");
  std::vector<std::pair<double, double>> ranges(value_axes_.size(), {HUGE_VAL, -HUGE_VAL});
  QStringList stats;
  const QList<QColor> palette = {Qt::darkBlue, Qt::darkRed, Qt::darkGreen, Qt::darkMagenta,
                                 Qt::darkCyan, Qt::darkYellow};
  for (std::size_t s = 0; s < data_.series().size(); ++s) {
    const auto axis = static_cast<std::size_t>(data_.AxisOf(s));
    const auto polylines = data_.Lines(s);
    auto& lines = lines_[s];
    const QColor colour = palette[static_cast<qsizetype>(s % palette.size())];
    while (lines.size() < std::max<std::size_t>(polylines.size(), 1)) {
      auto* line = new QLineSeries(chart_);
      line->setName(SeriesTitle(data_.series()[s]));
      line->setPen(QPen(colour, 1.5));
      chart_->addSeries(line);
      line->attachAxis(time_axis_);
      line->attachAxis(value_axes_[axis]);
      // One legend entry per quantity, whatever its gaps.
      if (!lines.empty()) chart_->legend()->markers(line).value(0)->setVisible(false);
      lines.push_back(line);
    }
    for (std::size_t k = 0; k < lines.size(); ++k) {
      QList<QPointF> points;
      if (k < polylines.size()) {
        points.reserve(static_cast<qsizetype>(polylines[k].size()));
        for (const ChartPoint& p : polylines[k]) {
          points.append(QPointF(static_cast<double>(p.t_ms - data_.latest_ms()) / scale, p.value));
          ranges[axis].first = std::min(ranges[axis].first, p.value);
          ranges[axis].second = std::max(ranges[axis].second, p.value);
        }
      }
      lines[k]->replace(points);
    }
    if (const auto st = data_.Stats(s))
      stats << Q(i18n::FillPattern(i18n::Tr(kChartContext, kChartStatsLine),
                                   {SeriesTitle(data_.series()[s]).toStdString(),
                                    Number(st->min).toStdString(), Number(st->max).toStdString(),
                                    Number(st->mean).toStdString()}));
  }
  for (std::size_t a = 0; a < value_axes_.size(); ++a) {
    auto [lo, hi] = ranges[a];
    if (lo > hi) lo = 0, hi = 1;
    const double pad = std::max((hi - lo) * 0.05, std::abs(hi) * 0.001 + 0.05);
    value_axes_[a]->setRange(lo - pad, hi + pad);
  }
  stats_->setText(stats.join("\n"));
}

void ChartWidget::Pointer(QPointF at) {
  if (!chart_->plotArea().contains(at)) {
    pointer_->clear();
    return;
  }
  QStringList parts;
  QString time;
  std::vector<bool> axis_done(value_axes_.size(), false);
  for (std::size_t s = 0; s < lines_.size(); ++s) {
    const auto axis = static_cast<std::size_t>(data_.AxisOf(s));
    // One value per axis: its unit's scale at the pointer.
    if (lines_[s].empty() || axis >= axis_done.size() || axis_done[axis]) continue;
    axis_done[axis] = true;
    const QPointF value = chart_->mapToValue(at, lines_[s].front());
    if (time.isEmpty())
      time = QDateTime::fromMSecsSinceEpoch(wall_base_ + data_.latest_ms() +
                                            static_cast<qint64>(value.x() * TimeScale()))
                 .toString("HH:mm:ss.zzz");
    parts << Number(value.y()) + " " + Q(data_.series()[s].unit);
  }
  pointer_->setText(time + "  " + parts.join(", "));
}

}  // namespace travik::ui::qtimpl
