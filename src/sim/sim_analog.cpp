#include "sim/sim_analog.h"

#include <algorithm>
#include <cmath>

namespace travik::sim {
namespace {

constexpr double kConstantSpan = 32768.0;
constexpr double kMaxVoltage = 110000.0;  // 11 V
constexpr double kMaxCurrent = 220000.0;  // 22 mA

// Numerical Recipes' LCG: small, and the same on every platform.
std::uint32_t NextRandom(std::uint32_t& state) {
  state = state * 1664525u + 1013904223u;
  return state;
}

// Uniform in [-1, 1].
double Unit(std::uint32_t& state) { return (NextRandom(state) >> 8) / double(1u << 23) - 1.0; }

int LowPoint(Terminal t) { return t == Terminal::kVoltage ? kPoint1V : kPoint2mA; }
int HighPoint(Terminal t) { return t == Terminal::kVoltage ? kPoint10V : kPoint20mA; }

}  // namespace

std::int64_t PointNominal(int point) {
  switch (point) {
    case kPoint2mA: return 20000;
    case kPoint20mA: return 200000;
    case kPoint1V: return 10000;
    default: return 100000;
  }
}

Terminal PointTerminal(int point) {
  return point == kPoint1V || point == kPoint10V ? Terminal::kVoltage : Terminal::kCurrent;
}

bool DecodePointCode(std::uint8_t code, int& channel, int& point) {
  if (code > 0x0E || code % 2 != 0) return false;
  channel = code / 8;
  point = (code / 2) % kCalibrationPoints;
  return true;
}

SimReference ReferenceOfCode(std::uint8_t code) {
  using K = SimReference::Kind;
  switch (code) {
    case 0xA0: return {K::kResistance, 100.0};
    case 0xA1: return {K::kResistance, 200.0};
    case 0xA2: return {K::kResistance, 1000.0};
    case 0xA3: return {K::kResistance, 2000.0};
    case 0xA4: return {K::kVoltage, 1.0};
    case 0xA5: return {K::kVoltage, 10.0};
    case 0xA6: return {K::kCurrent, 2.0};
    case 0xA7: return {K::kCurrent, 20.0};
    default: return {};
  }
}

SimAnalogOutputs::SimAnalogOutputs(std::uint32_t seed) : random_(seed * 2654435761u + 1) {
  for (auto& channel : errors_) {
    for (auto& e : channel) {
      e.gain = 1.0 + 0.015 * Unit(random_);
      e.offset = std::round(40.0 * Unit(random_));
    }
  }
  FactoryCalibrate();
}

UnitError SimAnalogOutputs::error(int channel, Terminal terminal) const {
  return errors_[channel][static_cast<int>(terminal)];
}

void SimAnalogOutputs::SetError(int channel, Terminal terminal, UnitError error) {
  if (error.gain > 0) errors_[channel][static_cast<int>(terminal)] = error;
}

void SimAnalogOutputs::MakeIdeal() {
  for (auto& channel : errors_) channel.fill(UnitError{});
  noise_ = 0;
  FactoryCalibrate();
}

void SimAnalogOutputs::FactoryCalibrate() {
  for (int c = 0; c < kAnalogChannels; ++c) {
    for (int p = 0; p < kCalibrationPoints; ++p) {
      const UnitError e = error(c, PointTerminal(p));
      const double n = static_cast<double>(PointNominal(p));
      const double k = kNeutralConstant + std::round(((n - e.offset) / (e.gain * n) - 1.0) * kConstantSpan);
      constants_[c][p] = static_cast<std::uint16_t>(std::clamp(k, 1.0, 4095.0));
    }
  }
  eeprom_constants_ = constants_;
  drive_.fill(std::nullopt);
}

void SimAnalogOutputs::SetConstant(int channel, int point, std::uint16_t value) {
  if (channel >= 0 && channel < kAnalogChannels && point >= 0 && point < kCalibrationPoints)
    constants_[channel][point] = value;
}

void SimAnalogOutputs::Save() {
  eeprom_constants_ = constants_;
  EndDrive();
}

void SimAnalogOutputs::Reload() {
  constants_ = eeprom_constants_;
  EndDrive();
}

void SimAnalogOutputs::DrivePoint(int channel, int point, std::uint16_t constant) {
  SetConstant(channel, point, constant);
  drive_[channel] = point;
}

void SimAnalogOutputs::EndDrive() { drive_.fill(std::nullopt); }

double SimAnalogOutputs::Code(int channel, Terminal terminal, double wanted) const {
  auto corrected = [&](int point) {
    return static_cast<double>(PointNominal(point)) *
           (1.0 + (constants_[channel][point] - double(kNeutralConstant)) / kConstantSpan);
  };
  const int lo = LowPoint(terminal);
  const int hi = HighPoint(terminal);
  const double n_lo = static_cast<double>(PointNominal(lo));
  const double n_hi = static_cast<double>(PointNominal(hi));
  return corrected(lo) + (wanted - n_lo) * (corrected(hi) - corrected(lo)) / (n_hi - n_lo);
}

double SimAnalogOutputs::Noise() { return noise_ == 0 ? 0.0 : noise_ * Unit(random_); }

double SimAnalogOutputs::Level(int channel, Terminal terminal, std::optional<double> wanted) {
  if (channel < 0 || channel >= kAnalogChannels) return 0;
  double code = 0;
  if (const auto point = drive_[channel]) {
    if (PointTerminal(*point) != terminal) return 0;
    code = Code(channel, terminal, static_cast<double>(PointNominal(*point)));
  } else if (wanted) {
    code = Code(channel, terminal, *wanted);
  } else {
    return 0;
  }
  const UnitError e = error(channel, terminal);
  const double level = e.gain * code + e.offset + Noise();
  return std::clamp(level, 0.0, terminal == Terminal::kVoltage ? kMaxVoltage : kMaxCurrent);
}

}  // namespace travik::sim
