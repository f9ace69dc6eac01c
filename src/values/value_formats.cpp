#include "values/value_formats.h"

#include <cstdio>
#include <cstdlib>

namespace travik {
namespace {

template <class... Args>
std::string Print(const char* format, Args... args) {
  char text[64];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

std::string Tenths(long v, const char* unit) { return Print(" %ld,%ld  %s", v / 10, v % 10, unit); }

std::uint32_t Frequency(const MeasurementRecord& r, int high, int mid) {
  return static_cast<std::uint32_t>(r[high]) << 16 | static_cast<std::uint32_t>(r[mid]) << 8 | r[mid + 1];
}

}  // namespace

std::uint16_t RecordWord(const MeasurementRecord& r, int n) {
  return static_cast<std::uint16_t>(r[n] << 8 | r[n + 1]);
}

std::int16_t RecordSigned(const MeasurementRecord& r, int n) {
  return static_cast<std::int16_t>(RecordWord(r, n));
}

std::string FormatQuantity(Quantity q, const MeasurementRecord& r) {
  switch (q) {
    case Quantity::kNone: return {};
    case Quantity::kTemperature: {
      const long v = RecordWord(r, 1);
      if (v < 32768) return Print(" %ld,%ld  °C", v / 10, v % 10);
      const long m = 65536 - v;
      return Print("- %ld,%ld  °C", m / 10, m % 10);
    }
    case Quantity::kHumidity: return Tenths(RecordWord(r, 3), "%RH");
    case Quantity::kCo2: return Print(" %d  ppm", RecordSigned(r, 11));
    case Quantity::kTvoc5: return Print(" %d  ppb", RecordSigned(r, 5));
    case Quantity::kTvoc7: return Print(" %d  ppb", RecordSigned(r, 7));
    case Quantity::kFrequency1: return Tenths(Frequency(r, 4, 1), "Hz");
    case Quantity::kFrequency2: return Tenths(Frequency(r, 8, 5), "Hz");
    case Quantity::kAirSpeed: {
      const long v = RecordSigned(r, 13);
      const long a = std::labs(v);
      // The sign rides on the whole metres, which are 0 from -0.99 to -0.01 m/s.
      if (v < 0 && a < 100) return Print(" -%ld,%ld%ld  m/s", 0L, (a / 10) % 10, a % 10);
      return Print(" %ld,%ld%ld  m/s", v < 0 ? -(a / 100) : a / 100, (a / 10) % 10, a % 10);
    }
    case Quantity::kIlluminance: return Print(" %u lx", static_cast<unsigned>(RecordWord(r, 5)));
    case Quantity::kRmsCurrent: return Print(" %d  mA", RecordSigned(r, 1));
    case Quantity::kParticleMass5: return Tenths(RecordWord(r, 5), "ug/m3");
    case Quantity::kParticleMass7: return Tenths(RecordWord(r, 7), "ug/m3");
    case Quantity::kParticleMass9: return Tenths(RecordWord(r, 9), "ug/m3");
    case Quantity::kParticleMass11: return Tenths(RecordWord(r, 11), "ug/m3");
    case Quantity::kParticleSize: return Tenths(RecordWord(r, 23), "um");
    case Quantity::kPotentiometer: {
      const long v = RecordSigned(r, 17);
      const long a = std::labs(v);
      if (v >= 0) return Print(" %ld,%ld ", a / 10, a % 10);
      if (a >= 10) return Print(" %ld,%ld ", -(a / 10), a % 10);
      return Print(" -%ld,%ld ", 0L, a % 10);
    }
  }
  return {};
}

const ValuesLayout& LayoutFor(int device_type) {
  using Q = Quantity;
  constexpr bool H = true;  // hidden
  constexpr bool V = false;
  static const ValuesLayout kFrequency{
      {"", "Frekvence", "Frekvence", std::nullopt}, {Q::kNone, Q::kFrequency1, Q::kFrequency2, Q::kNone},
      {}, {H, V, V, V}};
  static const ValuesLayout kCo2Climate{
      {"Koncentrace CO2", "Teplota", "Vlhkost", std::nullopt}, {Q::kCo2, Q::kTemperature, Q::kHumidity, Q::kNone}};
  static const ValuesLayout kCo2Only{
      {"", "Koncentrace CO2", "", std::nullopt}, {Q::kCo2, Q::kCo2, Q::kHumidity, Q::kNone}, {}, {H, V, H, V}};
  static const ValuesLayout kAirSpeed{
      {"", "Rychlost proudění", "", std::nullopt}, {Q::kNone, Q::kAirSpeed, Q::kHumidity, Q::kNone},
      {}, {H, V, H, V}};
  static const ValuesLayout kIlluminance{
      {"", "Osvětlení", "", std::nullopt}, {Q::kNone, Q::kIlluminance, Q::kHumidity, Q::kNone}, {}, {H, V, H, V}};
  static const ValuesLayout kTemperatureOnly{
      {"", "Teplota", "", ""}, {Q::kNone, Q::kTemperature, Q::kHumidity, Q::kNone}, {}, {H, V, H, H}};
  static const ValuesLayout kPotentiometer{
      {"", "Teplota", "Vlhkost", "Potenciometr"}, {Q::kNone, Q::kTemperature, Q::kHumidity, Q::kPotentiometer},
      {}, {H, V, V, V}, true};
  static const ValuesLayout kRmsCurrent{
      {"", "RMS Proud", "", std::nullopt}, {Q::kNone, Q::kRmsCurrent, Q::kHumidity, Q::kNone}, {}, {H, V, H, V}};
  static const ValuesLayout kTvoc5{
      {std::nullopt, "Teplota", "Vlhkost", "TVOC"}, {Q::kCo2, Q::kTemperature, Q::kHumidity, Q::kTvoc5},
      {H, V, V, V}, {H, V, V, V}, true};
  static const ValuesLayout kTvoc7{
      {std::nullopt, "Teplota", "Vlhkost", "TVOC"}, {Q::kCo2, Q::kTemperature, Q::kHumidity, Q::kTvoc7},
      {H, V, V, V}, {H, V, V, V}, true};
  static const ValuesLayout kTvocOnly{
      {"", "", "", "TVOC"}, {Q::kNone, Q::kTemperature, Q::kHumidity, Q::kTvoc5}, {}, {H, H, H, V}, true};
  static const ValuesLayout kDust{
      {"PM 10", "Teplota", "Vlhkost", "Typická velikost částic"},
      {Q::kParticleMass11, Q::kTemperature, Q::kHumidity, Q::kParticleSize}, {}, {}, true};
  static const ValuesLayout kParticles{
      {"PM 1.0", "PM 2.5", "PM 4.0", "PM 10"},
      {Q::kParticleMass5, Q::kParticleMass7, Q::kParticleMass9, Q::kParticleMass11}, {}, {}, true};
  static const ValuesLayout kClimate{
      {"", "Teplota", "Vlhkost", std::nullopt}, {Q::kNone, Q::kTemperature, Q::kHumidity, Q::kNone},
      {}, {H, V, V, V}};

  switch (device_type) {
    case 4: return kFrequency;
    case 5: case 6: case 34: case 35: case 39: case 40: case 49: return kCo2Climate;
    case 7: case 8: return kCo2Only;
    case 9: case 10: return kAirSpeed;
    case 11: case 12: return kIlluminance;
    case 15: case 48: return kTemperatureOnly;
    case 18: return kPotentiometer;
    case 21: return kRmsCurrent;
    case 24: case 25: return kTvoc5;
    case 36: case 41: return kTvoc7;
    case 26: case 27: return kTvocOnly;
    case 29: return kDust;
    case 30: return kParticles;
    default: return kClimate;
  }
}

}  // namespace travik
