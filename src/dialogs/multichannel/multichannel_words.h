// What the words of the multi-channel transmitters mean, apart from any
// window: quick-select codes, channel flags, the digital output's PWM
// arithmetic, the active-display time and the display modes' word layout.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace travik::mc {

// --- Quick-select keys (words 29, 30) ---------------------------------------
inline constexpr int kQuickSelectEntries = 6;
inline constexpr std::uint16_t kQuickSelectInactive = 10;
const std::array<std::string_view, kQuickSelectEntries>& QuickSelectTexts();
// The combo entry of a stored code; nothing for a code the list does not know
// (11-18 among them), which leaves the combo as it was.
std::optional<int> QuickSelectEntry(std::uint16_t code);
std::uint16_t QuickSelectCode(int entry);
// The display mode (1-3) an entry selects, 0 for the others.
int QuickSelectMode(int entry);
// "Režim 1 (M1) má zvolen nulový počet stavů. Předvolba bude přenastavena na Neaktivní( )."
std::string ZeroStatesMessage(int mode);

// --- ChannelFlags (words 68, 69, 73) ----------------------------------------
inline constexpr int kBargraphKinds = 4;
inline constexpr std::uint16_t kSetpointBit = 1u << 10;
// "Žádný", "Relativní", "Absolutní", "Konstantní".
std::string_view BargraphKindText(int kind);
inline int BargraphKind(std::uint16_t flags) { return flags & 3; }
inline std::uint16_t WithBargraph(std::uint16_t flags, int kind) {
  return static_cast<std::uint16_t>((flags & ~3u) | (static_cast<unsigned>(kind) & 3u));
}
inline bool ShowsSetpoint(std::uint16_t flags) { return (flags & kSetpointBit) != 0; }
inline std::uint16_t WithSetpoint(std::uint16_t flags, bool setpoint) {
  return static_cast<std::uint16_t>(setpoint ? flags | kSetpointBit : flags & ~kSetpointBit);
}

// --- Colour words (36, 37): three 4-bit colour indices ----------------------
inline int Nibble(std::uint16_t word, int n) { return (word >> (4 * n)) & 0xF; }
inline std::uint16_t WithNibble(std::uint16_t word, int n, int value) {
  const unsigned shift = 4u * static_cast<unsigned>(n);
  return static_cast<std::uint16_t>((word & ~(0xFu << shift)) | ((static_cast<unsigned>(value) & 0xFu) << shift));
}

// --- Digital output (S = word 50, P = word 51) ------------------------------
inline constexpr double kPwmClockHz = 8000000.0;
inline constexpr double kPwmCeilingHz = 20000.0;
inline constexpr std::uint16_t kTwoStateS = 1;
inline constexpr std::uint16_t kTwoStateP = 65534;
inline constexpr std::uint16_t kPwmDefaultS = 2;
inline constexpr std::uint16_t kPwmDefaultP = 65533;
inline constexpr int kMinSteps = 3;
inline constexpr int kMaxSteps = 65536;

double PwmFrequency(std::uint16_t s, std::uint16_t p);
double PwmMaxFrequency(std::uint16_t s);
double PwmMinFrequency(std::uint16_t s);

enum class Clamp { kNone, kAboveMax, kBelowMin };
struct PwmSetting {
  std::uint16_t p = 0;
  double frequency = 0;
  Clamp clamp = Clamp::kNone;
};
// "Nastavit": the divider for the wanted frequency, the frequency it gives.
PwmSetting SetPwmFrequency(std::uint16_t s, double wanted_hz);

// The step-count edit: S from its text, and the text that replaces an
// out-of-range entry.
struct StepCount {
  std::uint16_t s = kPwmDefaultS;
  std::optional<std::string> replacement;
};
StepCount CheckStepCount(std::string_view text);

// "%.6f".
std::string FormatFixed6(double value);

// --- Active-display time (word 35): "5s" ... "60s" --------------------------
inline constexpr int kActiveTimeEntries = 12;
const std::array<std::string_view, kActiveTimeEntries>& ActiveTimeTexts();
std::optional<int> ActiveTimeEntry(std::uint16_t seconds);
inline std::uint16_t ActiveTimeSeconds(int entry) { return static_cast<std::uint16_t>(5 * (entry + 1)); }
// A file record's text to seconds by its first two characters ("15s" -> 15,
// "5s" -> 5, "55s" -> 55); nothing when the first is not 1-6.
std::optional<int> ActiveTimeFromRecord(std::string_view text);

// --- Display modes ----------------------------------------------------------
inline constexpr int kModes = 3;
inline constexpr int kModeSymbols = 16;
inline constexpr int kMaxStates = 16;
inline constexpr int kLinkEntries = 4;  // "LCD nesvázán", "LCD vlevo", "LCD střed", "LCD vpravo"
const std::array<std::string_view, kLinkEntries>& LinkTexts();
inline constexpr int LinkWord(int mode) { return 84 + 2 * mode; }    // mode 0-2
inline constexpr int StatesWord(int mode) { return 85 + 2 * mode; }
inline constexpr int SymbolWord(int mode, int symbol) { return 92 + 16 * mode + symbol; }

// Digits of a record that holds `value` with at least `least` digits: a
// symbol index above 99 keeps its third digit rather than losing it.
int RecordWidth(unsigned value, int least);

}  // namespace travik::mc
