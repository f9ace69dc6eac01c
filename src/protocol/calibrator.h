// What the tool exchanges with the calibration device (slot 2): its reading
// in a measurement report and how a reading is shown. The calibration device
// is driven with the ordinary command frames (protocol/frames.h).
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace travik {

inline constexpr std::uint8_t kCalibratorSlot = 2;

// Bytes 5-7 of a measurement report, least significant first: 0.1 mV on a
// voltage input, 0.1 uA on a current input.
std::uint32_t CalibratorReading(const std::array<std::uint8_t, 64>& report);

// The reading as the dialogs show it: the tens digit (a blank when 0), the
// units digit, a point, four decimals, a blank and "V" or "mA":
// 9999 -> " 0.9999 V", 200000 -> "20.0000 mA". A reading of 100 V or 100 mA
// and more (1,000,000 counts) keeps all its integer digits: "123.4567 V".
std::string FormatCalibratorReading(std::uint32_t reading, bool current);

}  // namespace travik
