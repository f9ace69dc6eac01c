// What both calibration dialogs share: their captions and texts, the
// identification rows they show and the fresh device list they search.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "protocol/calibrator.h"

namespace travik {

// The transmitter's slot (the calibration device's is kCalibratorSlot).
inline constexpr std::uint8_t kTransmitterSlot = 1;

inline constexpr const char* kHidCaption = "HID device info";
inline constexpr const char* kCalCaption = "CAL info";
inline constexpr const char* kSetCaption = "SET info";
inline constexpr const char* kJumperMissing =
    "        Servisní Jumper není připojen.\n\n Zapsaná data nebudou uložena do EEPROM.";

// Two blanks and `count` characters of a report (Windows-1250), up to a zero byte.
std::string RecordField(const std::uint8_t* bytes, std::size_t count);

// Releases, clears and fills the device list again; returns the count.
int RebuildDeviceList();

}  // namespace travik
