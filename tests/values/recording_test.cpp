// The recording's file: header, rows, gaps; and the values windows' chart
// and "Záznam" against a simulated bench, an unplug included.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "sim/sim_calibrator.h"
#include "support/connected.h"
#include "support/files.h"
#include "values/recording.h"
#include "values/value_trace.h"
#include "values/values_dialog.h"

namespace travik {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(Recording, HeaderRowsAndGaps) {
  testing::TempDir dir;
  Recording r;
  ASSERT_TRUE(r.Open(dir.File("a.csv")));
  r.Gap("T0", "before any row");
  r.Row("T1", {SplitValue("Teplota", " 23,5  °C"), SplitValue("Vlhkost", " 45,5  %RH")});
  r.Row("T2", {SplitValue("Vlhkost", " 45,6  %RH"), SplitValue("Analogový výstup U1", " 1,234 V")});
  r.Row("T3", {SplitValue("Teplota", "- 1,5  °C"), SplitValue("Vlhkost", " 45,7  %RH")});
  r.Gap("T4", "Chyba při čtení měřených dat");
  r.Row("T5", {SplitValue("Potenciometr, \"x\"", " 3,5 ")});
  const std::vector<std::string> want = {
      "T0,gap: before any row",
      "timestamp,Teplota [°C],Vlhkost [%RH]",
      "T1,23.5,45.5",
      "T2,,45.6",  // a quantity shown only later stays out, a missing one is empty
      "T3,-1.5,45.7",
      "T4,,,gap: Chyba při čtení měřených dat",
      "T5,,",
  };
  // Every line is on disk before the next is written.
  EXPECT_EQ(Lines(testing::ReadFile(dir.File("a.csv"))), want);
  EXPECT_EQ(r.rows(), 6u);
  EXPECT_FALSE(r.failed());
  EXPECT_EQ(CsvField("a,\"b\""), "\"a,\"\"b\"\"\"");
}

TEST(Recording, ACsvThatCannotBeWrittenIsRefused) {
  Recording r;
  EXPECT_FALSE(r.Open("/nonexistent-dir/x.csv"));
  EXPECT_FALSE(r.is_open());
  r.Row("T", {SplitValue("Teplota", " 1,0  °C")});  // ignored, no crash
}

TEST(ShownNumber, ParsesWhatTheRowsShow) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"23.5", 23.5}, {"-1.5", -1.5}, {"650", 650.0}, {"-0.07", -0.07}, {"", std::nullopt},
      {"-", std::nullopt}, {"1.2.3", std::nullopt}, {"12x", std::nullopt},
  };
  for (const auto& [text, want] : cases) EXPECT_EQ(ParseShownNumber(text), want) << text;
}

class TraceTest : public testing::ConnectedTest {
 protected:
  void Bench(const char* model, bool calibrator) {
    Connect(model, nullptr, [&] {
      device->analog().MakeIdeal();
      if (!calibrator) return;
      auto& cal = sim::AddCalibrator(s.sim());
      sim::PutOnBench(cal, device);
    });
  }
  std::shared_ptr<const ui::ChartData> Chart(int window) { return ui().Control(window, kValuesChart)->chart; }
};

TEST_F(TraceTest, ValuesWindowChartsEveryRecordAndRecordsUntilTheUnplug) {
  Bench("KDB", true);
  testing::TempDir dir;
  ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonValues), "");
  ui().Advance(40 * kValuesTickMs);
  ui().QueueFileAnswer(dir.File("kdb"));
  ASSERT_EQ(ui().Click(106, kValuesRecording), "");
  EXPECT_TRUE(ui().Control(106, kValuesRecording)->checked);
  ui().Advance(100 * kValuesTickMs);
  s.sim().Unplug(*device);
  ui().AdvanceUntil([&] { return !ui().IsOpen(106); }, 2000);

  const std::string csv = testing::ReadFile(dir.File("kdb.csv"));
  const auto lines = Lines(csv);
  ASSERT_GE(lines.size(), 40u);
  EXPECT_EQ(lines[0], "timestamp,Koncentrace CO2 [ppm],Teplota [°C],Vlhkost [%RH],Analogový výstup U1 [V]");
  EXPECT_NE(lines[1].find(",650,23.5,45.5,"), std::string::npos) << lines[1];
  EXPECT_EQ(lines[1].find(','), std::string("2026-12-08T17:01:02.345+00:00").size()) << lines[1];
  EXPECT_EQ(lines.back().substr(lines.back().find(',')), ",,,,,gap: Chyba při čtení měřených dat");
  EXPECT_EQ(csv.back(), '\n');
}

struct SeriesCase {
  const char* model;
  bool calibrator;
  std::vector<ui::ChartSeriesInfo> series;
};

class ChartSeriesTest : public TraceTest, public ::testing::WithParamInterface<SeriesCase> {};

TEST_P(ChartSeriesTest, FollowTheRowsAndTheCalibrationDevice) {
  const SeriesCase& k = GetParam();
  Bench(k.model, k.calibrator);
  ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonValues), "");
  ui().Advance(18 * kValuesTickMs + 50 * kValuesTickMs);
  const auto chart = Chart(106);
  ASSERT_TRUE(chart);
  EXPECT_EQ(chart->series(), k.series);
  EXPECT_GE(chart->samples(), 25u);  // a record every tick, every other with the calibration device
  for (std::size_t i = 0; i < k.series.size(); ++i) EXPECT_TRUE(chart->Last(i)) << k.series[i].name;
}

INSTANTIATE_TEST_SUITE_P(
    Values, ChartSeriesTest,
    ::testing::Values(SeriesCase{"NSC", false, {{"Teplota", "°C"}, {"Vlhkost", "%RH"}}},
                      SeriesCase{"NSC", true, {{"Teplota", "°C"}, {"Vlhkost", "%RH"}, {"Analogový výstup U1", "V"}}},
                      SeriesCase{"NBBVK", false,
                                 {{"PM 1.0", "ug/m3"}, {"PM 2.5", "ug/m3"}, {"PM 4.0", "ug/m3"}, {"PM 10", "ug/m3"}}},
                      SeriesCase{"NRGN", false, {{"Koncentrace CO2", "ppm"}}}));

TEST_F(TraceTest, OutputModuleChartsWrittenValuesAgainstTheReading) {
  Bench("EHA9", true);
  ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonValues), "");
  ASSERT_EQ(ui().TopTemplate(), 134);
  ui().Advance(30 * kValuesTickMs);
  ASSERT_EQ(ui().Type(134, kModuleValue0, "1000"), "");
  ASSERT_EQ(ui().Click(134, kModuleWrite0), "");
  ui().Advance(10 * kValuesTickMs);
  const auto chart = Chart(134);
  ASSERT_EQ(chart->series().size(), 3u);
  EXPECT_EQ(chart->series()[0], (ui::ChartSeriesInfo{"Kanál 0", ""}));
  EXPECT_EQ(chart->series()[2].name, "Analogový výstup U1");
  EXPECT_EQ(chart->Last(0), 1000.0);
  EXPECT_EQ(chart->Last(1), 0.0);
  EXPECT_TRUE(chart->Last(2).has_value());
}

}  // namespace
}  // namespace travik
