// How each quantity of a measurement record is written.
#include <gtest/gtest.h>

#include "values/value_formats.h"

namespace travik {
namespace {

MeasurementRecord WithWord(int n, std::uint16_t word) {
  MeasurementRecord r{};
  r[n] = static_cast<std::uint8_t>(word >> 8);
  r[n + 1] = static_cast<std::uint8_t>(word & 0xFF);
  return r;
}

struct FormatCase {
  Quantity quantity;
  int byte;  // where the word goes
  std::uint16_t word;
  const char* text;
};

TEST(ValueFormats, EachQuantityInItsFormat) {
  using Q = Quantity;
  const FormatCase cases[] = {
      {Q::kTemperature, 1, 0x00FA, " 25,0  °C"},
      {Q::kTemperature, 1, 0xFF9C, "- 10,0  °C"},
      {Q::kTemperature, 1, 0xFFFF, "- 0,1  °C"},
      {Q::kTemperature, 1, 0x7FFF, " 3276,7  °C"},
      {Q::kTemperature, 1, 0x8000, "- 3276,8  °C"},
      {Q::kHumidity, 3, 455, " 45,5  %RH"},
      {Q::kCo2, 11, 650, " 650  ppm"},
      {Q::kCo2, 11, 0xFFFF, " -1  ppm"},
      {Q::kTvoc5, 5, 120, " 120  ppb"},
      {Q::kTvoc7, 7, 0x8000, " -32768  ppb"},
      {Q::kAirSpeed, 13, 0xFB2E, " -12,34  m/s"},
      {Q::kAirSpeed, 13, 125, " 1,25  m/s"},
      {Q::kAirSpeed, 13, static_cast<std::uint16_t>(-5), " -0,05  m/s"},
      {Q::kAirSpeed, 13, static_cast<std::uint16_t>(-99), " -0,99  m/s"},
      {Q::kAirSpeed, 13, static_cast<std::uint16_t>(-100), " -1,00  m/s"},
      {Q::kIlluminance, 5, 65535, " 65535 lx"},
      {Q::kRmsCurrent, 1, static_cast<std::uint16_t>(-5), " -5  mA"},
      {Q::kParticleMass5, 5, 52, " 5,2  ug/m3"},
      {Q::kParticleMass7, 7, 81, " 8,1  ug/m3"},
      {Q::kParticleMass9, 9, 60000, " 6000,0  ug/m3"},
      {Q::kParticleMass11, 11, 110, " 11,0  ug/m3"},
      {Q::kParticleSize, 23, 12, " 1,2  um"},
      {Q::kPotentiometer, 17, 35, " 3,5 "},
      {Q::kPotentiometer, 17, 0, " 0,0 "},
      {Q::kPotentiometer, 17, static_cast<std::uint16_t>(-7), " -0,7 "},
      {Q::kPotentiometer, 17, static_cast<std::uint16_t>(-123), " -12,3 "},
      {Q::kPotentiometer, 17, static_cast<std::uint16_t>(-10), " -1,0 "},
  };
  for (const FormatCase& c : cases)
    EXPECT_EQ(FormatQuantity(c.quantity, WithWord(c.byte, c.word)), c.text)
        << "quantity " << int(c.quantity) << " word " << c.word;
  EXPECT_EQ(FormatQuantity(Quantity::kNone, WithWord(1, 5)), "");
}

TEST(ValueFormats, FrequenciesAre24BitsFromThreeBytes) {
  MeasurementRecord r{};
  r[1] = 0x01;
  r[2] = 0x02;
  r[4] = 0x03;  // F1 = 3 * 65536 + 1 * 256 + 2
  r[3] = 0xEE;  // not part of F1
  EXPECT_EQ(FormatQuantity(Quantity::kFrequency1, r), " 19686,6  Hz");
  r[5] = 0xFF;
  r[6] = 0xFF;
  r[8] = 0xFF;
  r[7] = 0x11;
  EXPECT_EQ(FormatQuantity(Quantity::kFrequency2, r), " 1677721,5  Hz");
}

}  // namespace
}  // namespace travik
