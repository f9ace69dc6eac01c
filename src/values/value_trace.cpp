#include "values/value_trace.h"

#include <algorithm>
#include <charconv>

#include "values/value_formats.h"
#include "values/values_dialog.h"

namespace travik {

std::optional<double> ParseShownNumber(std::string_view number) {
  // from_chars, not strtod: the GUI runs in the user's locale, where the
  // decimal separator may be a comma.
  double v = 0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), v);
  if (ec != std::errc() || end != number.data() + number.size() || number.empty()) return std::nullopt;
  return v;
}

std::vector<ShownRow> ValuesWindowRows(ui::Dialog& d) {
  std::vector<ShownRow> rows(kValueRows);
  for (int i = 0; i < kValueRows; ++i) {
    rows[i] = {d.GetText(kValueLabelIds[i]), d.IsVisible(kValueLabelIds[i]),
               d.GetText(kValueFieldIds[i]), d.IsVisible(kValueFieldIds[i])};
  }
  return rows;
}

std::vector<ShownRow> OutputModuleRows(ui::Dialog& d) {
  const OutputModuleRun& m = OutputModuleState();
  // The written values are the module's own numbers; their scale is the
  // module's, so they carry no unit.
  return {{"Kanál 0", true, std::to_string(m.values[0]), true},
          {"Kanál 1", true, std::to_string(m.values[1]), true},
          {d.GetText(1541), d.IsVisible(1541), d.GetText(1553), d.IsVisible(1553)}};
}

void ValuesTrace::Open(ui::Dialog& d) {
  elapsed_ms_ = 0;
  ticks_ = 0;
  wall_start_ = std::chrono::system_clock::now();
  series_.clear();
  d.ChartSetSeries(kValuesChart, series_);
  d.Check(kValuesRecording, false);
  d.SetText(kValuesRecordStatus, "");
}

std::string ValuesTrace::Now() const {
  return TimeStamp(wall_start_ + std::chrono::milliseconds(elapsed_ms_));
}

void ValuesTrace::Record(ui::Dialog& d) {
  const auto rows = ValueRows(rows_of_(d));
  bool grown = false;
  for (const auto& r : rows) {
    ui::ChartSeriesInfo info{r.quantity, r.unit};
    if (std::find(series_.begin(), series_.end(), info) == series_.end()) {
      series_.push_back(info);
      grown = true;
    }
  }
  if (grown) d.ChartSetSeries(kValuesChart, series_);
  std::vector<std::optional<double>> values(series_.size());
  for (const auto& r : rows) {
    for (std::size_t i = 0; i < series_.size(); ++i)
      if (series_[i].name == r.quantity && series_[i].unit == r.unit) values[i] = ParseShownNumber(r.number);
  }
  d.ChartAdd(kValuesChart, elapsed_ms_, values);
  if (recording_.is_open()) {
    recording_.Row(Now(), rows);
    ShowStatus(d);
  }
}

void ValuesTrace::Gap(ui::Dialog& d, std::string_view why) {
  d.ChartGap(kValuesChart, elapsed_ms_);
  if (recording_.is_open()) {
    recording_.Gap(Now(), why);
    status_tick_ = 0;  // the status shows the gap row at once
    ShowStatus(d);
  }
}

void ValuesTrace::ShowStatus(ui::Dialog& d) {
  if (!recording_.is_open()) {
    d.SetText(kValuesRecordStatus, "");
    return;
  }
  if (status_tick_ != 0 && ticks_ < status_tick_ + kRecordStatusTicks && !recording_.failed()) return;
  status_tick_ = std::max<std::uint64_t>(ticks_, 1);
  const std::string& path = recording_.path();
  const std::string name = path.substr(path.find_last_of('/') + 1);
  std::string text = name + ": " + std::to_string(recording_.rows()) + " řádků";
  if (recording_.failed()) text += ", zápis selhal";
  d.SetText(kValuesRecordStatus, text);
}

bool ValuesTrace::OnCommand(ui::Dialog& d, int id) {
  if (id != kValuesRecording) return false;
  if (!d.IsChecked(kValuesRecording)) {
    recording_.Close();
    ShowStatus(d);
    return true;
  }
  const auto path = d.ChooseSaveFile({{"CSV (*.csv)", "*.csv"}}, "csv");
  if (!path || !recording_.Open(*path)) {
    d.Check(kValuesRecording, false);
    if (path) d.SetText(kValuesRecordStatus, "Soubor nelze zapsat: " + *path);
    return true;
  }
  status_tick_ = 0;
  ShowStatus(d);
  return true;
}

void ValuesTrace::Close() { recording_.Close(); }

}  // namespace travik
