#include "protocol/calibrator.h"

#include <cstdio>

namespace travik {

std::uint32_t CalibratorReading(const std::array<std::uint8_t, 64>& report) {
  return static_cast<std::uint32_t>(report[5]) | static_cast<std::uint32_t>(report[6]) << 8 |
         static_cast<std::uint32_t>(report[7]) << 16;
}

std::string FormatCalibratorReading(std::uint32_t reading, bool current) {
  const unsigned whole = reading / 10000;
  char text[32];
  std::snprintf(text, sizeof text, whole < 10 ? " %u.%04u %s" : "%u.%04u %s", whole,
                static_cast<unsigned>(reading % 10000), current ? "mA" : "V");
  return text;
}

}  // namespace travik
