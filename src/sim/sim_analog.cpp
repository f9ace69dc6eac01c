#include "sim/sim_analog.h"

#include "sim/sim_transmitter.h"

namespace travik::sim {
namespace {

// The converter input for a point of nominal n driven with constant c.
double Drive(double nominal, std::uint16_t constant) {
  return nominal * (1.0 + (static_cast<double>(constant) - kNeutralConstant) / 10000.0);
}

std::uint8_t CodeOf(const OutputPointId& p) {
  return static_cast<std::uint8_t>((p.channel == 2 ? 0x08 : 0) | (p.current ? 0 : 0x04) |
                                   (p.high ? 0x02 : 0));
}

}  // namespace

std::optional<OutputPointId> OutputPointOfCode(std::uint8_t selector, std::uint8_t code) {
  if ((selector != 1 && selector != 2) || (code & 0xF1) != 0) return std::nullopt;
  const int channel = code & 0x08 ? 2 : 1;
  if (channel != selector) return std::nullopt;
  return OutputPointId{channel, (code & 0x04) == 0, (code & 0x02) != 0};
}

double PointNominal(bool current, bool high) {
  if (current) return high ? 20.0 : 2.0;
  return high ? 10.0 : 1.0;
}

std::uint16_t StoredConstant(const CalibrationData& data, const OutputPointId& point) {
  const std::uint8_t code = CodeOf(point);
  for (auto it = data.frames.rbegin(); it != data.frames.rend(); ++it) {
    const auto& f = *it;
    const std::uint16_t value = static_cast<std::uint16_t>(f[4] | f[5] << 8);
    // Frames of the dialog form carry zeros in bytes 5-8.
    if (f[0] == 0xF0 && f[1] == point.channel && f[2] == code && value != 0) return value;
  }
  return kNeutralConstant;
}

SimAnalog::SimAnalog() {
  // A unit as it comes off the line: every output a little off.
  errors_ = {{{1.012, -0.015}, {0.991, 0.030}, {0.988, 0.020}, {1.007, -0.025}}};
  demand_ = {5.0, 12.0, 5.0, 12.0};
}

int SimAnalog::Index(int channel, bool current) { return (channel == 2 ? 2 : 0) + (current ? 1 : 0); }

void SimAnalog::SetErrors(int channel, bool current, AnalogErrors errors) {
  errors_[Index(channel, current)] = errors;
}
AnalogErrors SimAnalog::Errors(int channel, bool current) const { return errors_[Index(channel, current)]; }
void SimAnalog::SetDemand(int channel, bool current, double value) { demand_[Index(channel, current)] = value; }
double SimAnalog::Demand(int channel, bool current) const { return demand_[Index(channel, current)]; }

void SimAnalog::OnCalibrationPoint(std::uint8_t selector, std::uint8_t code, std::uint16_t value) {
  if (auto point = OutputPointOfCode(selector, code)) driven_[point->channel - 1] = {true, *point, value};
}

void SimAnalog::EndCalibration() {
  driven_ = {};
}

double SimAnalog::Output(int channel, bool current, const CalibrationData& data) const {
  const AnalogErrors& e = errors_[Index(channel, current)];
  const Driven& d = driven_[channel == 2 ? 1 : 0];
  double x;
  if (d.active && d.point.current == current) {
    x = Drive(PointNominal(current, d.point.high), d.value);
  } else {
    const double n_lo = PointNominal(current, false);
    const double n_hi = PointNominal(current, true);
    const double x_lo = Drive(n_lo, StoredConstant(data, {channel, current, false}));
    const double x_hi = Drive(n_hi, StoredConstant(data, {channel, current, true}));
    x = x_lo + (Demand(channel, current) - n_lo) * (x_hi - x_lo) / (n_hi - n_lo);
  }
  return e.gain * x + e.offset;
}

}  // namespace travik::sim
