#include "values/recording.h"

#include <cctype>
#include <cstdio>
#include <ctime>

#include "core/text.h"

namespace travik {

std::string TimeStamp(std::chrono::system_clock::time_point t) {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count();
  const std::time_t secs = static_cast<std::time_t>(ms / 1000);
  std::tm local{};
  localtime_r(&secs, &local);
  char date[32], zone[8], text[48];
  std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
  std::strftime(zone, sizeof zone, "%z", &local);
  std::snprintf(text, sizeof text, "%s.%03d%.3s:%s", date, static_cast<int>(ms % 1000), zone, zone + 3);
  return text;
}

ValueRow SplitValue(const std::string& quantity, const std::string& text) {
  ValueRow row{quantity, TrimBlanks(text), {}, {}};
  std::size_t i = 0;
  const std::string& t = row.text;
  while (i < t.size() && (std::isdigit(static_cast<unsigned char>(t[i])) || t[i] == '-' ||
                          t[i] == ',' || t[i] == '.' || t[i] == ' ')) {
    // A blank ends the number unless a digit follows ("- 1,5  °C").
    if (t[i] == ' ' && !(i > 0 && t[i - 1] == '-')) break;
    ++i;
  }
  for (char c : t.substr(0, i))
    if (c != ' ') row.number += c == ',' ? '.' : c;
  row.unit = TrimBlanks(t.substr(i));
  return row;
}

std::vector<ValueRow> ValueRows(const std::vector<ShownRow>& shown) {
  std::vector<ValueRow> rows;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const ShownRow& s = shown[i];
    if (!s.value_visible || TrimBlanks(s.value).empty()) continue;
    std::string quantity = s.label_visible ? TrimBlanks(s.label) : "";
    if (quantity.empty()) quantity = "Data " + std::to_string(i + 1);
    rows.push_back(SplitValue(quantity, s.value));
  }
  return rows;
}

bool Recording::Open(const std::string& path) {
  Close();
  file_.open(path, std::ios::binary | std::ios::trunc);
  if (!file_) return false;
  path_ = path;
  return true;
}

void Recording::Close() {
  if (file_.is_open()) file_.close();
  header_.clear();
  header_written_ = false;
  rows_ = 0;
  failed_ = false;
}

void Recording::Flush() {
  file_.flush();
  if (!file_) failed_ = true;
}

void Recording::Row(const std::string& time, const std::vector<ValueRow>& rows) {
  if (!file_.is_open()) return;
  if (!header_written_) {
    header_ = rows;
    file_ << "timestamp";
    for (const auto& r : header_)
      file_ << ',' << CsvField(r.unit.empty() ? r.quantity : r.quantity + " [" + r.unit + "]");
    file_ << '\n';
    header_written_ = true;
  }
  file_ << time;
  for (const auto& column : header_) {
    file_ << ',';
    for (const auto& r : rows)
      if (r.quantity == column.quantity) {
        file_ << CsvField(r.number);
        break;
      }
  }
  file_ << '\n';
  ++rows_;
  Flush();
}

void Recording::Gap(const std::string& time, std::string_view why) {
  if (!file_.is_open()) return;
  // Before the first row the columns are not known: the gap stands alone.
  file_ << time;
  for (std::size_t i = 0; i < header_.size(); ++i) file_ << ',';
  file_ << ',' << CsvField("gap: " + std::string(why)) << '\n';
  ++rows_;
  Flush();
}

}  // namespace travik
