// What the bench commands print: tables for people, JSON and CSV for scripts.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "app/bench.h"
#include "core/text.h"
#include "core/globals.h"
#include "ui/headless/headless.h"
#include "values/recording.h"

namespace travik::cli {

std::string JsonString(std::string_view s);

// "500ms", "2s", "1.5s", "1m"; a bare number is seconds. At least 10 ms and at
// most an hour.
bool ParseDuration(const std::string& text, long long& ms);

void PrintBenchJson(const std::vector<BenchDevice>& bench, std::ostream& out);

struct InfoFields {
  BenchDevice device;
  std::string product, id_text, firmware, model;
  bool firmware_current = true;
};
void PrintInfo(const InfoFields& info, bool json, std::ostream& out);

// "word 48 wrote 17 read 3, word 62 wrote 900 read 800" from `first` on; "".
std::string CompareWords(const std::array<std::uint16_t, kConfigWords>& sent,
                         const std::array<std::uint16_t, kConfigWords>& back, int first);

// The model a configuration file's header names ("KDB"); "" when it is not
// one (too short, no header).
std::string FileModel(const std::string& path);

struct AllRow {
  std::string name;  // serial, or the path of a unit without one
  int status;
  std::int64_t ms;
};
void PrintAllTable(const std::vector<AllRow>& rows, std::ostream& out);
const char* StatusWord(int status);

using travik::SplitValue;
using travik::TimeStamp;
using travik::ValueRow;

// Visible rows of the values window that show something, top to bottom.
// The values window's rows; as_shown: the labels in the language shown (for
// the reader), else the window's own (for files, the same in any language).
std::vector<ValueRow> ReadValueRows(ui::HeadlessBackend& ui, bool as_shown = false);
void PrintValuesLine(const std::string& time, const std::vector<ValueRow>& rows, bool json,
                     std::ostream& out);

}  // namespace travik::cli
