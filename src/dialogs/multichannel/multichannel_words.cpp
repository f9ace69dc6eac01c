#include "dialogs/multichannel/multichannel_words.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "config/format.h"

namespace travik::mc {

const std::array<std::string_view, kQuickSelectEntries>& QuickSelectTexts() {
  static constexpr std::array<std::string_view, kQuickSelectEntries> texts = {
      "Neaktivní( )", "Teplota (T)", "Vlhkost (H)", "Režim 1 (M1)", "Režim 2 (M2)", "Režim 3 (M3)"};
  return texts;
}

std::optional<int> QuickSelectEntry(std::uint16_t code) {
  if (code == kQuickSelectInactive) return 0;
  if (code >= 19 && code <= 23) return code - 18;
  return std::nullopt;
}

std::uint16_t QuickSelectCode(int entry) {
  return entry <= 0 ? kQuickSelectInactive : static_cast<std::uint16_t>(18 + entry);
}

int QuickSelectMode(int entry) { return entry >= 3 && entry <= 5 ? entry - 2 : 0; }

std::string ZeroStatesMessage(int mode) {
  return std::string(QuickSelectTexts()[static_cast<std::size_t>(mode + 2)]) +
         " má zvolen nulový počet stavů. Předvolba bude přenastavena na Neaktivní( ).";
}

std::string_view BargraphKindText(int kind) {
  static constexpr std::string_view texts[kBargraphKinds] = {"Žádný", "Relativní", "Absolutní",
                                                             "Konstantní"};
  return texts[kind & 3];
}

double PwmFrequency(std::uint16_t s, std::uint16_t p) {
  return kPwmClockHz / ((static_cast<double>(p) + 1) * (static_cast<double>(s) + 1));
}

double PwmMaxFrequency(std::uint16_t s) {
  return std::min(kPwmCeilingHz, kPwmClockHz / (static_cast<double>(s) + 1));
}

double PwmMinFrequency(std::uint16_t s) {
  return kPwmClockHz / ((static_cast<double>(s) + 1) * 65535.0);
}

PwmSetting SetPwmFrequency(std::uint16_t s, double f) {
  PwmSetting out;
  const double steps = static_cast<double>(s) + 1;
  // A text that is no number at all (NaN) is treated as too low.
  if (!(f >= PwmMinFrequency(s))) {
    f = PwmMinFrequency(s);
    out.clamp = Clamp::kBelowMin;
  } else if (f > PwmMaxFrequency(s)) {
    f = PwmMaxFrequency(s);
    out.clamp = Clamp::kAboveMax;
  }
  // The limits themselves divide out to whole numbers; rounding must not
  // take them one below.
  const double n = std::clamp(std::trunc(kPwmClockHz / (steps * f) * (1 + 1e-12)), 1.0, 65535.0);
  out.p = static_cast<std::uint16_t>(n - 1);
  out.frequency = kPwmClockHz / (n * steps);
  if (out.frequency > kPwmCeilingHz) {
    out.p = static_cast<std::uint16_t>(n);
    out.frequency = kPwmClockHz / ((n + 1) * steps);
  }
  return out;
}

StepCount CheckStepCount(std::string_view text) {
  const std::int32_t value = ParseInt(text);
  StepCount out;
  if (value < kMinSteps) {
    out.s = kMinSteps - 1;
    out.replacement = std::to_string(kMinSteps);
  } else if (value > kMaxSteps) {
    out.s = kMaxSteps - 1;
    out.replacement = std::to_string(kMaxSteps);
  } else {
    out.s = static_cast<std::uint16_t>(value - 1);
  }
  return out;
}

std::string FormatFixed6(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.6f", value);
  return buffer;
}

const std::array<std::string_view, kActiveTimeEntries>& ActiveTimeTexts() {
  static constexpr std::array<std::string_view, kActiveTimeEntries> texts = {
      "5s", "10s", "15s", "20s", "25s", "30s", "35s", "40s", "45s", "50s", "55s", "60s"};
  return texts;
}

std::optional<int> ActiveTimeEntry(std::uint16_t seconds) {
  if (seconds < 5 || seconds > 60 || seconds % 5 != 0) return std::nullopt;
  return seconds / 5 - 1;
}

std::optional<int> ActiveTimeFromRecord(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const char first = text[0];
  const char second = text.size() > 1 ? text[1] : '\0';
  switch (first) {
    case '1':
    case '2':
    case '3':
    case '4': return 10 * (first - '0') + (second == '0' ? 0 : 5);
    case '5': return second == 's' ? 5 : second == '0' ? 50 : 55;
    case '6': return 60;
    default: return std::nullopt;
  }
}

const std::array<std::string_view, kLinkEntries>& LinkTexts() {
  static constexpr std::array<std::string_view, kLinkEntries> texts = {"LCD nesvázán", "LCD vlevo",
                                                                       "LCD střed", "LCD vpravo"};
  return texts;
}

int RecordWidth(unsigned value, int least) {
  int digits = 1;
  for (unsigned v = value; v >= 10; v /= 10) ++digits;
  return std::max(least, digits);
}

}  // namespace travik::mc
