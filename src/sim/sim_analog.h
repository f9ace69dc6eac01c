// The analog side of a simulated transmitter, as calibration sees it.
//
// Outputs. Each of the two output channels has a voltage and a current output
// driven by a converter with its own gain and offset error (the unit's
// errors). The firmware drives the converter at x = N * (1 + (c - 2048) / 10000)
// for a point of nominal N (1 V, 10 V, 2 mA, 20 mA) and constant c, so the
// constants 1 ... 4095 cover about ±20 % of nominal in steps of 0.01 %, and
// the output is gain * x + offset. During a calibration the tool drives a
// point with a trial constant (set calibration point, 0xF0 with the value in
// bytes 5-6); otherwise an output follows its demand (5 V, 12 mA unless set)
// through the line the two points' constants give, so a calibrated unit
// outputs exactly what it is asked. The constants are the last 0xF0 values
// of each point in the transmitter's calibration data: those saved to area 3
// survive a power cycle, the others are lost with it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace travik::sim {

struct CalibrationData;

inline constexpr std::uint16_t kNeutralConstant = 2048;

struct AnalogErrors {
  double gain = 1.0;
  double offset = 0.0;  // V or mA
};

// An output point: channel 1 or 2, voltage or current, low or high point.
struct OutputPointId {
  int channel = 1;
  bool current = false;
  bool high = false;
};

// The point a set-calibration-point code (second command byte) names, if any.
std::optional<OutputPointId> OutputPointOfCode(std::uint8_t selector, std::uint8_t code);
// Nominal of a point, in V or mA.
double PointNominal(bool current, bool high);

class SimAnalog {
 public:
  SimAnalog();

  void SetErrors(int channel, bool current, AnalogErrors errors);
  AnalogErrors Errors(int channel, bool current) const;
  // What an output is asked for outside a calibration, in V or mA.
  void SetDemand(int channel, bool current, double value);
  double Demand(int channel, bool current) const;

  // What the transmitter does with its commands.
  void OnCalibrationPoint(std::uint8_t selector, std::uint8_t code, std::uint16_t value);
  void EndCalibration();   // after the save of area 3 and at power-up

  // The output in V or mA, given the calibration data the transmitter holds.
  double Output(int channel, bool current, const CalibrationData& data) const;

 private:
  struct Driven {
    bool active = false;
    OutputPointId point;
    std::uint16_t value = kNeutralConstant;
  };
  static int Index(int channel, bool current);

  std::array<AnalogErrors, 4> errors_{};
  std::array<double, 4> demand_{};
  std::array<Driven, 2> driven_{};  // per channel
};

// The constant the data holds for a point (the neutral one when none).
std::uint16_t StoredConstant(const CalibrationData& data, const OutputPointId& point);

}  // namespace travik::sim
