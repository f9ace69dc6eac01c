// What both calibration dialogs share about the calibration device and the
// identification rows they show.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace travik {

// Slots of the two devices a calibration talks to.
inline constexpr std::uint8_t kTransmitterSlot = 1;
inline constexpr std::uint8_t kCalibratorSlot = 2;

inline constexpr const char* kHidCaption = "HID device info";
inline constexpr const char* kCalCaption = "CAL info";
inline constexpr const char* kSetCaption = "SET info";
inline constexpr const char* kJumperMissing =
    "        Servisní Jumper není připojen.\n\n Zapsaná data nebudou uložena do EEPROM.";

// The reading of a measurement report: bytes 5-7, least significant first,
// in 0.1 mV or 0.1 uA.
std::uint32_t ReadingOf(const std::uint8_t* report);

// " 0.9999 V", "20.0000 mA". Readings of 1,000,000 and more keep all their
// digits ("123.4567 V") rather than lose the leading one.
std::string FormatReading(std::uint32_t reading, bool current);

// Two blanks and `count` characters of a report (Windows-1250), up to a zero byte.
std::string RecordField(const std::uint8_t* bytes, std::size_t count);

// Releases, clears and fills the device list again; returns the count.
int RebuildDeviceList();

}  // namespace travik
