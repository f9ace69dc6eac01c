// The chart's data path: decimation that keeps each column's extremes and
// holds memory bounded, span switching, gaps and one axis per unit.
#include <gtest/gtest.h>

#include <cmath>

#include "ui/chart.h"

namespace travik::ui {
namespace {

constexpr std::int64_t kTick = 20;  // the values window's record period

// `minutes` of records at the full rate; value = f(t in ms).
template <typename F>
void Feed(ChartData& c, std::int64_t from_ms, std::int64_t minutes, F f) {
  for (std::int64_t t = from_ms; t < from_ms + minutes * 60'000; t += kTick) c.Add(t, {f(t)});
}

TEST(ChartData, MemoryStaysBoundedPastTheLongestSpan) {
  ChartData c;
  c.SetSeries({{"Teplota", "°C"}, {"Vlhkost", "%RH"}});
  for (std::int64_t t = 0; t < 3 * 3'600'000; t += kTick) c.Add(t, {t % 7, 50.0});
  for (ChartSpan span : kChartSpans)
    for (std::size_t s = 0; s < 2; ++s) EXPECT_LE(c.Columns(s, span).size(), kChartColumns + 2u);
  const std::size_t held = c.HeldColumns();
  for (std::int64_t t = 3 * 3'600'000; t < 4 * 3'600'000; t += kTick) c.Add(t, {t % 7, 50.0});
  EXPECT_EQ(c.HeldColumns(), held);  // an hour more, no more memory
  EXPECT_EQ(c.samples(), 4u * 3'600'000 / kTick);
}

struct SpanCase {
  ChartSpan span;
  double min, max;  // of a ramp value = minutes since start, over 20 minutes
};

TEST(ChartData, StatsCoverOnlyTheShownSpan) {
  const SpanCase cases[] = {
      {ChartSpan::k1Min, 19.0, 20.0},
      {ChartSpan::k10Min, 10.0, 20.0},
      {ChartSpan::k1Hour, 0.0, 20.0},
  };
  ChartData c;
  c.SetSeries({{"Teplota", "°C"}});
  Feed(c, 0, 20, [](std::int64_t t) { return static_cast<double>(t) / 60'000.0; });
  for (const SpanCase& k : cases) {
    c.SetSpan(k.span);
    const auto st = c.Stats(0);
    ASSERT_TRUE(st) << SpanName(k.span);
    // A column may reach one column width past the span's edge.
    const double slack = static_cast<double>(SpanMs(k.span)) / kChartColumns / 60'000.0 + 1e-9;
    EXPECT_NEAR(st->min, k.min, slack) << SpanName(k.span);
    EXPECT_NEAR(st->max, k.max, 0.001) << SpanName(k.span);
    EXPECT_NEAR(st->mean, (k.min + k.max) / 2, slack) << SpanName(k.span);
    for (const auto& line : c.Lines(0))
      for (const ChartPoint& p : line) EXPECT_GE(p.t_ms, c.latest_ms() - SpanMs(k.span) - SpanMs(k.span) / kChartColumns);
  }
}

TEST(ChartData, ASpikeShorterThanAColumnSurvivesDecimation) {
  const ChartSpan spans[] = {ChartSpan::k1Min, ChartSpan::k10Min, ChartSpan::k1Hour};
  for (ChartSpan span : spans) {
    ChartData c;
    c.SetSeries({{"CO2", "ppm"}});
    c.SetSpan(span);
    // One record of 9999 among 400 ppm: a drawn line must still reach it.
    Feed(c, 0, 30, [](std::int64_t t) { return t == 600'000 ? 9999.0 : (t == 1'200'000 ? -5.0 : 400.0); });
    double top = -1e9, bottom = 1e9;
    std::size_t points = 0;
    for (const auto& line : c.Lines(0))
      for (const ChartPoint& p : line) {
        top = std::max(top, p.value);
        bottom = std::min(bottom, p.value);
        ++points;
      }
    const bool in_span = SpanMs(span) >= 20 * 60'000;
    EXPECT_EQ(top, in_span ? 9999.0 : 400.0) << SpanName(span);
    EXPECT_EQ(bottom, SpanMs(span) >= 10 * 60'000 ? -5.0 : 400.0) << SpanName(span);
    EXPECT_LE(points, 2u * (kChartColumns + 2)) << SpanName(span);
  }
}

TEST(ChartData, AGapBreaksTheLineAndSeriesWithoutValuesStayEmpty) {
  ChartData c;
  c.SetSeries({{"Teplota", "°C"}, {"Analogový výstup U1", "V"}});
  for (std::int64_t t = 0; t < 10'000; t += kTick) c.Add(t, {21.0, std::nullopt});
  c.Gap(10'000);
  for (std::int64_t t = 15'000; t < 20'000; t += kTick) c.Add(t, {22.0, std::nullopt});
  const auto lines = c.Lines(0);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].back().value, 21.0);
  EXPECT_EQ(lines[1].front().t_ms, 15'000);
  EXPECT_TRUE(c.Lines(1).empty());
  EXPECT_FALSE(c.Stats(1));
  EXPECT_EQ(c.gaps(), 1u);
}

TEST(ChartData, OneAxisPerUnitAndSeriesKeepTheirHistory) {
  struct Case {
    std::vector<ChartSeriesInfo> series;
    std::vector<int> axes;
  };
  const Case cases[] = {
      {{{"Teplota", "°C"}, {"Vlhkost", "%RH"}}, {0, 1}},
      {{{"PM 1.0", "ug/m3"}, {"PM 2.5", "ug/m3"}, {"PM 10", "ug/m3"}}, {0, 0, 0}},
      {{{"Kanál 0", ""}, {"Kanál 1", ""}, {"Analogový výstup I1", "mA"}}, {0, 0, 1}},
      {{{"Teplota", "°C"}, {"Analogový výstup U1", "V"}, {"Potenciometr", ""}, {"T2", "°C"}}, {0, 1, 2, 0}},
  };
  for (const Case& k : cases) {
    ChartData c;
    c.SetSeries(k.series);
    for (std::size_t i = 0; i < k.series.size(); ++i) EXPECT_EQ(c.AxisOf(i), k.axes[i]) << k.series[i].name;
  }
  ChartData c;
  c.SetSeries({{"Teplota", "°C"}});
  c.Add(0, {20.0});
  c.SetSeries({{"Teplota", "°C"}, {"Analogový výstup U1", "V"}});  // the calibration device joins
  c.Add(20, {21.0, 1.5});
  EXPECT_EQ(c.Stats(0)->min, 20.0);
  EXPECT_EQ(c.Last(1), 1.5);
}

TEST(ChartData, RevisionMovesOnlyWithChanges) {
  ChartData c;
  c.SetSeries({{"Teplota", "°C"}});
  const auto r0 = c.revision();
  c.SetSeries({{"Teplota", "°C"}});
  c.SetSpan(ChartSpan::k1Min);
  EXPECT_EQ(c.revision(), r0);
  c.Add(5, {1.0});
  EXPECT_NE(c.revision(), r0);
  c.Add(1, {2.0});  // out of order: taken as of the last
  EXPECT_EQ(c.latest_ms(), 5);
}

}  // namespace
}  // namespace travik::ui
