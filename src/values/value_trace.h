// What a values window keeps beside its rows: the chart of what the rows
// showed over time, and the "Záznam" recording of them to a CSV file. The
// dialog procedures call it on each tick and record; it reads the rows as
// shown, so chart, file and window never disagree.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ui.h"
#include "values/recording.h"

namespace travik {

// Controls both values windows add beside the rows of their templates.
inline constexpr int kValuesChart = 1600;
inline constexpr int kValuesRecording = 1601;        // check box "Záznam"
inline constexpr int kValuesRecordStatus = 1602;  // file and rows while recording

// Ticks between two updates of the recording's status text: a row count
// rewritten 50 times a second would only cost redraws.
inline constexpr std::uint32_t kRecordStatusTicks = 10;

class ValuesTrace {
 public:
  using RowsOf = std::function<std::vector<ShownRow>(ui::Dialog&)>;
  ValuesTrace(RowsOf rows, int tick_ms) : rows_of_(std::move(rows)), tick_ms_(tick_ms) {}

  // At opening: time starts at 0 on the dialog's ticks.
  void Open(ui::Dialog& d);
  void Tick() { elapsed_ms_ += tick_ms_; ++ticks_; }
  // A record arrived: chart the rows as they now show, record them.
  void Record(ui::Dialog& d);
  // The source went away: the chart breaks, the file gets a gap row.
  void Gap(ui::Dialog& d, std::string_view why);
  // "Záznam" toggled; false for other controls.
  bool OnCommand(ui::Dialog& d, int id);
  void Close();

  std::int64_t elapsed_ms() const { return elapsed_ms_; }
  const Recording& recording() const { return recording_; }

 private:
  std::string Now() const;
  void ShowStatus(ui::Dialog& d);

  RowsOf rows_of_;
  int tick_ms_;
  std::int64_t elapsed_ms_ = 0;
  std::uint64_t ticks_ = 0;
  std::chrono::system_clock::time_point wall_start_;
  std::vector<ui::ChartSeriesInfo> series_;  // every series seen since opening
  Recording recording_;
  std::uint64_t status_rows_ = 0;
  std::uint64_t status_tick_ = 0;
};

// Values dialog's rows: the four label/value pairs, top to bottom.
std::vector<ShownRow> ValuesWindowRows(ui::Dialog& d);
// Output module's rows: the value last written to each channel, and the
// calibration device's reading while it is shown.
std::vector<ShownRow> OutputModuleRows(ui::Dialog& d);
// A number as shown ("-1.5"); nullopt when the text holds none.
std::optional<double> ParseShownNumber(std::string_view number);

}  // namespace travik
