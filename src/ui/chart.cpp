#include "ui/chart.h"

#include <algorithm>

namespace travik::ui {

std::int64_t SpanMs(ChartSpan span) {
  switch (span) {
    case ChartSpan::k1Min: return 60'000;
    case ChartSpan::k10Min: return 600'000;
    case ChartSpan::k1Hour: return 3'600'000;
  }
  return 60'000;
}

const char* SpanName(ChartSpan span) {
  switch (span) {
    case ChartSpan::k1Min: return "1 min";
    case ChartSpan::k10Min: return "10 min";
    case ChartSpan::k1Hour: return "1 h";
  }
  return "";
}

ChartData::ChartData(int columns) : columns_(std::max(columns, 1)) {}

std::int64_t ChartData::Width(ChartSpan span) const {
  return std::max<std::int64_t>(SpanMs(span) / columns_, 1);
}

void ChartData::SetSeries(std::vector<ChartSeriesInfo> series) {
  if (series == series_) return;
  // A series that stays keeps its history, wherever it now stands.
  std::vector<Track> tracks(series.size());
  for (std::size_t i = 0; i < series.size(); ++i)
    for (std::size_t j = 0; j < series_.size(); ++j)
      if (series_[j] == series[i]) tracks[i] = std::move(tracks_[j]);
  series_ = std::move(series);
  tracks_ = std::move(tracks);
  ++revision_;
}

void ChartData::Add(std::int64_t t_ms, const std::vector<std::optional<double>>& values) {
  t_ms = std::max(t_ms, latest_ms_);
  latest_ms_ = t_ms;
  ++samples_;
  ++revision_;
  for (std::size_t s = 0; s < tracks_.size() && s < values.size(); ++s) {
    if (!values[s]) continue;
    const double v = *values[s];
    Track& track = tracks_[s];
    track.last = v;
    for (ChartSpan span : kChartSpans) {
      auto& cols = track.by_span[static_cast<std::size_t>(span)];
      const std::int64_t width = Width(span);
      const std::int64_t start = t_ms - t_ms % width;
      if (!cols.empty() && cols.back().start_ms == start && !track.gap_pending) {
        ChartColumn& c = cols.back();
        c.min = std::min(c.min, v);
        c.max = std::max(c.max, v);
        c.sum += v;
        ++c.count;
      } else {
        cols.push_back({start, v, v, v, 1, track.gap_pending && !cols.empty()});
      }
      // One column more than the span so that the left edge stays filled.
      while (!cols.empty() && cols.front().start_ms + width <= t_ms - SpanMs(span)) cols.pop_front();
      while (cols.size() > static_cast<std::size_t>(columns_) + 2) cols.pop_front();
    }
    track.gap_pending = false;
  }
}

void ChartData::Gap(std::int64_t t_ms) {
  latest_ms_ = std::max(t_ms, latest_ms_);
  ++gaps_;
  ++revision_;
  for (Track& track : tracks_) track.gap_pending = true;
}

void ChartData::SetSpan(ChartSpan span) {
  if (span == span_) return;
  span_ = span;
  ++revision_;
}

const std::deque<ChartColumn>& ChartData::Columns(std::size_t series, ChartSpan span) const {
  static const std::deque<ChartColumn> kNone;
  if (series >= tracks_.size()) return kNone;
  return tracks_[series].by_span[static_cast<std::size_t>(span)];
}

std::vector<std::vector<ChartPoint>> ChartData::Lines(std::size_t series) const {
  std::vector<std::vector<ChartPoint>> lines;
  const std::int64_t from = latest_ms_ - SpanMs(span_);
  const std::int64_t half = Width(span_) / 2;
  for (const ChartColumn& c : Columns(series, span_)) {
    if (c.start_ms + Width(span_) <= from) continue;
    if (lines.empty() || c.gap_before) lines.emplace_back();
    lines.back().push_back({c.start_ms, c.min});
    if (c.max != c.min) lines.back().push_back({c.start_ms + half, c.max});
  }
  return lines;
}

std::optional<ChartStats> ChartData::Stats(std::size_t series) const {
  const std::int64_t from = latest_ms_ - SpanMs(span_);
  ChartStats stats;
  double sum = 0;
  std::uint64_t count = 0;
  for (const ChartColumn& c : Columns(series, span_)) {
    if (c.start_ms + Width(span_) <= from) continue;
    stats.min = count ? std::min(stats.min, c.min) : c.min;
    stats.max = count ? std::max(stats.max, c.max) : c.max;
    sum += c.sum;
    count += c.count;
  }
  if (count == 0) return std::nullopt;
  stats.mean = sum / static_cast<double>(count);
  return stats;
}

std::optional<double> ChartData::Last(std::size_t series) const {
  if (series >= tracks_.size()) return std::nullopt;
  return tracks_[series].last;
}

std::vector<std::string> ChartData::Units() const {
  std::vector<std::string> units;
  for (const auto& s : series_)
    if (std::find(units.begin(), units.end(), s.unit) == units.end()) units.push_back(s.unit);
  return units;
}

int ChartData::AxisOf(std::size_t series) const {
  if (series >= series_.size()) return -1;
  const auto units = Units();
  return static_cast<int>(std::find(units.begin(), units.end(), series_[series].unit) - units.begin());
}

std::size_t ChartData::HeldColumns() const {
  std::size_t n = 0;
  for (const Track& t : tracks_)
    for (const auto& cols : t.by_span) n += cols.size();
  return n;
}

}  // namespace travik::ui
