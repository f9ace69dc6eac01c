#include "calibration/calibrator.h"

#include <cstdio>

#include "core/text.h"
#include "hid/hid.h"

namespace travik {

std::uint32_t ReadingOf(const std::uint8_t* report) {
  return static_cast<std::uint32_t>(report[5]) | static_cast<std::uint32_t>(report[6]) << 8 |
         static_cast<std::uint32_t>(report[7]) << 16;
}

std::string FormatReading(std::uint32_t reading, bool current) {
  const std::uint32_t whole = reading / 10000;
  char text[32];
  std::snprintf(text, sizeof text, whole < 10 ? " %u.%04u %s" : "%u.%04u %s", whole, reading % 10000,
                current ? "mA" : "V");
  return text;
}

std::string RecordField(const std::uint8_t* bytes, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count && bytes[i] != 0; ++i) text += static_cast<char>(bytes[i]);
  return "  " + Cp1250ToUtf8(text);
}

int RebuildDeviceList() {
  ReleaseDeviceList();
  ClearDeviceList();
  return EnumerateDevices();
}

}  // namespace travik
