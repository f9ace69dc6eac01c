// What a chart control holds: series of samples over time, kept decimated so
// that memory stays bounded however long the window stands open. Both window
// backends keep one per chart control; the real one draws it, the headless
// one lets tests and scenarios read it.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace travik::ui {

struct ChartSeriesInfo {
  std::string name;  // "Teplota"
  std::string unit;  // "°C"; series of one unit share an axis
  bool operator==(const ChartSeriesInfo&) const = default;
};

// The summary line below a chart, one per series: a catalogue pattern of its
// own context, since the window layer composes it.
inline constexpr const char* kChartContext = "chart";
inline constexpr const char* kChartStatsLine = "%1: min %2, max %3, průměr %4";

enum class ChartSpan { k1Min, k10Min, k1Hour };
inline constexpr std::array<ChartSpan, 3> kChartSpans = {ChartSpan::k1Min, ChartSpan::k10Min,
                                                         ChartSpan::k1Hour};
std::int64_t SpanMs(ChartSpan span);
const char* SpanName(ChartSpan span);  // "1 min", "10 min", "1 h"

// Columns kept per span: no screen shows a chart wider than this, so a column
// is never narrower than a pixel.
inline constexpr int kChartColumns = 600;

// One column of one series: the extremes and the sum of what fell into it.
struct ChartColumn {
  std::int64_t start_ms = 0;
  double min = 0, max = 0, sum = 0;
  std::uint32_t count = 0;
  bool gap_before = false;  // the line breaks before this column
};

struct ChartPoint {
  std::int64_t t_ms;
  double value;
};

struct ChartStats {
  double min = 0, max = 0, mean = 0;
};

class ChartData {
 public:
  explicit ChartData(int columns = kChartColumns);

  // Series that stay (same name and unit) keep their samples; others start empty.
  void SetSeries(std::vector<ChartSeriesInfo> series);
  const std::vector<ChartSeriesInfo>& series() const { return series_; }

  // One record: a value per series (nullopt: none this time). Times go
  // forwards; a sample older than the last is taken as of the last.
  void Add(std::int64_t t_ms, const std::vector<std::optional<double>>& values);
  // The source went away: lines break here.
  void Gap(std::int64_t t_ms);

  void SetSpan(ChartSpan span);
  ChartSpan span() const { return span_; }

  // The columns of a series on a span, oldest first, none older than the span.
  const std::deque<ChartColumn>& Columns(std::size_t series, ChartSpan span) const;
  // Polylines of the shown span, min and max of each column in turn; a new
  // polyline starts after each gap.
  std::vector<std::vector<ChartPoint>> Lines(std::size_t series) const;
  // Minimum, maximum and mean over the shown span; nullopt without samples.
  std::optional<ChartStats> Stats(std::size_t series) const;
  std::optional<double> Last(std::size_t series) const;

  // The distinct units in order of first use: one axis each.
  std::vector<std::string> Units() const;
  int AxisOf(std::size_t series) const;

  std::int64_t latest_ms() const { return latest_ms_; }
  std::uint64_t samples() const { return samples_; }
  std::uint64_t gaps() const { return gaps_; }
  // Moves on with every change: equal values need no redraw.
  std::uint64_t revision() const { return revision_; }
  // Columns held over every series and span (the memory bound's measure).
  std::size_t HeldColumns() const;

 private:
  struct Track {
    std::array<std::deque<ChartColumn>, 3> by_span;
    std::optional<double> last;
    bool gap_pending = false;
  };
  std::int64_t Width(ChartSpan span) const;

  int columns_;
  std::vector<ChartSeriesInfo> series_;
  std::vector<Track> tracks_;
  ChartSpan span_ = ChartSpan::k1Min;
  std::int64_t latest_ms_ = 0;
  std::uint64_t samples_ = 0;
  std::uint64_t gaps_ = 0;
  std::uint64_t revision_ = 0;
};

}  // namespace travik::ui
