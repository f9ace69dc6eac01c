// The calibration device's reading and how it is shown.
#include <gtest/gtest.h>

#include "protocol/calibrator.h"

namespace travik {
namespace {

TEST(CalibratorReading, BytesFiveToSevenLeastSignificantFirst) {
  std::array<std::uint8_t, 64> report{};
  report[4] = 0xFF;  // neighbours are not part of it
  report[5] = 0x40;
  report[6] = 0x0D;
  report[7] = 0x03;
  report[8] = 0xFF;
  EXPECT_EQ(CalibratorReading(report), 0x030D40u);  // 200000
}

TEST(CalibratorReading, ShownWithTheUnitOfTheSelectedInput) {
  struct Case {
    std::uint32_t reading;
    bool current;
    const char* text;
  };
  const Case cases[] = {
      {9999, false, " 0.9999 V"},      {200000, true, "20.0000 mA"},
      {100000, false, "10.0000 V"},    {0, false, " 0.0000 V"},
      {10005, true, " 1.0005 mA"},     {999999, false, "99.9999 V"},
      {1000000, false, "100.0000 V"},  {0xFFFFFF, true, "1677.7215 mA"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatCalibratorReading(c.reading, c.current), c.text) << c.reading;
}

}  // namespace
}  // namespace travik
