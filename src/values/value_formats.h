// The measurement record of the values dialog: which quantity each device
// type shows in which row, and how each quantity is written.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace travik {

using MeasurementRecord = std::array<std::uint8_t, 64>;

// W(n): the big-endian word whose high byte is report byte n; S(n) signed.
std::uint16_t RecordWord(const MeasurementRecord& r, int n);
std::int16_t RecordSigned(const MeasurementRecord& r, int n);

enum class Quantity : std::uint8_t {
  kNone,
  kTemperature,    // W(1)
  kHumidity,       // W(3)
  kCo2,            // S(11)
  kTvoc5,          // S(5)
  kTvoc7,          // S(7)
  kFrequency1,     // bytes 4, 1, 2
  kFrequency2,     // bytes 8, 5, 6
  kAirSpeed,       // S(13)
  kIlluminance,    // W(5)
  kRmsCurrent,     // S(1)
  kParticleMass5,  // W(5)
  kParticleMass7,  // W(7)
  kParticleMass9,  // W(9)
  kParticleMass11, // W(11)
  kParticleSize,   // W(23)
  kPotentiometer,  // S(17)
};

// The text of a quantity in a record (empty for kNone).
std::string FormatQuantity(Quantity q, const MeasurementRecord& r);

// The four rows of dialog 106, top to bottom.
inline constexpr int kValueRows = 4;
inline constexpr std::array<int, kValueRows> kValueLabelIds = {1031, 1029, 1030, 1032};
inline constexpr std::array<int, kValueRows> kValueFieldIds = {1009, 1007, 1008, 1010};

struct ValuesLayout {
  // Per row: the label text written at opening; nullopt leaves the template's.
  std::array<std::optional<const char*>, kValueRows> labels;
  std::array<Quantity, kValueRows> values;
  // Per row: hide the label / the value at opening, or show them (the fourth
  // row starts hidden).
  std::array<bool, kValueRows> hide_label{};
  std::array<bool, kValueRows> hide_value{};
  bool show_fourth_row = false;
};

const ValuesLayout& LayoutFor(int device_type);

}  // namespace travik
