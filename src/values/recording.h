// Recording what a values window shows to a CSV file: the window's rows as
// quantity, number and unit, and the file written and flushed line by line
// so that nothing already shown is lost when the program or the device goes.
// The values window's "Záznam" and `travik-cli values --csv` both write it.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/text.h"  // CsvField, for the rows

namespace travik {

// Local time, ISO 8601 with milliseconds and the UTC offset.
std::string TimeStamp(std::chrono::system_clock::time_point t);


// A row of a values window: its label, and the value as shown split into the
// number (decimal point) and its unit.
struct ValueRow {
  std::string quantity;
  std::string text;
  std::string number;
  std::string unit;
};
ValueRow SplitValue(const std::string& quantity, const std::string& text);

// One label/value row of a window as it stands.
struct ShownRow {
  std::string label;
  bool label_visible = true;
  std::string value;
  bool value_visible = true;
};
// The rows that show something, in order; a row without a label is named
// "Data N" after its position.
std::vector<ValueRow> ValueRows(const std::vector<ShownRow>& shown);

class Recording {
 public:
  // Truncates the file; false when it cannot be written.
  bool Open(const std::string& path);
  void Close();
  bool is_open() const { return file_.is_open(); }
  const std::string& path() const { return path_; }
  // Lines written after the header, gaps included.
  std::uint64_t rows() const { return rows_; }
  // A write or flush failed (disk full, file gone).
  bool failed() const { return failed_; }

  // The first row fixes the columns: a quantity shown only later stays out,
  // one that goes missing is an empty field.
  void Row(const std::string& time, const std::vector<ValueRow>& rows);
  // Empty value fields, so that a spreadsheet's chart breaks there, and the
  // reason in one field past the last column.
  void Gap(const std::string& time, std::string_view why);

 private:
  void Flush();
  std::ofstream file_;
  std::string path_;
  std::vector<ValueRow> header_;
  bool header_written_ = false;
  std::uint64_t rows_ = 0;
  bool failed_ = false;
};

}  // namespace travik
