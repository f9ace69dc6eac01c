// The analog side of a simulated transmitter: two output channels, each with a
// voltage and a current terminal, and the calibration constants that correct
// them; and the signal a calibration device in its source role feeds into the
// transmitter's input.
//
// Levels are in the calibration device's counts: 0.1 mV on a voltage terminal,
// 0.1 uA on a current terminal (10000 is 1 V or 1 mA).
//
// A terminal's converter is a straight line, counts = gain * code + offset,
// with the unit's own gain and offset error and a little noise. The code the
// transmitter puts out is corrected by two constants per terminal, one per
// calibration point (2 mA and 20 mA, 1 V and 10 V): a constant k makes the
// point's code its nominal level times 1 + (k - 2048) / 32768, so 1 ... 4095
// spans about +-6 % around nominal, and the codes between and beyond the
// points follow the line through the two corrected points. The transmitter
// keeps the constants in RAM and in EEPROM (save area 3); at the factory they
// are set to cancel the unit's errors.
//
// Told a calibration point (command 0xF0 with channel, point code and a trial
// constant), the channel drives that point with the trial constant until it
// is told an output value again, the constants are saved, or power returns.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace travik::sim {

inline constexpr int kAnalogChannels = 2;
inline constexpr int kCalibrationPoints = 4;  // per channel, in point-code order
inline constexpr std::uint16_t kNeutralConstant = 2048;

enum class Terminal { kVoltage = 0, kCurrent = 1 };

// Point index within a channel: the point code / 2, modulo 4.
enum CalibrationPoint { kPoint2mA = 0, kPoint20mA = 1, kPoint1V = 2, kPoint10V = 3 };

// The nominal level of a point, in counts.
std::int64_t PointNominal(int point);
Terminal PointTerminal(int point);
// Channel (0, 1) and point of a point code 0x00 ... 0x0E (even); false otherwise.
bool DecodePointCode(std::uint8_t code, int& channel, int& point);

struct UnitError {
  double gain = 1.0;
  double offset = 0.0;  // counts
  bool operator==(const UnitError&) const = default;
};

// What a calibration device in its source role produces.
struct SimReference {
  enum class Kind { kNone, kResistance, kVoltage, kCurrent };
  Kind kind = Kind::kNone;
  double value = 0.0;  // ohms, volts or milliamperes
  bool operator==(const SimReference&) const = default;
};
// The reference of a selection code A0 ... A7 (none for AF and anything else).
SimReference ReferenceOfCode(std::uint8_t code);

class SimAnalogOutputs {
 public:
  using Constants = std::array<std::array<std::uint16_t, kCalibrationPoints>, kAnalogChannels>;

  // A unit's errors drawn from `seed` (gain within +-1.5 %, offset within
  // +-40 counts), factory constants that cancel them, noise of +-2 counts.
  explicit SimAnalogOutputs(std::uint32_t seed = 1);

  UnitError error(int channel, Terminal terminal) const;
  // Changes the unit (drift); the constants stay as they are.
  void SetError(int channel, Terminal terminal, UnitError error);
  // Greatest deviation of the noise, counts; 0 makes readings exact.
  void set_noise(double counts) { noise_ = counts; }
  double noise() const { return noise_; }
  // No errors, no noise, neutral constants: every level exactly as told.
  void MakeIdeal();
  // The constants that cancel the present errors, in RAM and EEPROM.
  void FactoryCalibrate();

  const Constants& constants() const { return constants_; }
  const Constants& eeprom_constants() const { return eeprom_constants_; }
  void SetConstant(int channel, int point, std::uint16_t value);
  void Save();    // RAM constants into EEPROM; ends a calibration drive
  void Reload();  // EEPROM constants into RAM; ends a calibration drive

  // A calibration-form frame: drive the point with a trial constant, which
  // also becomes the point's constant in RAM.
  void DrivePoint(int channel, int point, std::uint16_t constant);
  void EndDrive();
  // The point a channel drives, if any.
  std::optional<int> driven_point(int channel) const { return drive_[channel]; }

  // The level at a terminal when the transmitter wants `wanted` counts there
  // (nullopt: the terminal is not driven), with the unit's errors and noise,
  // limited to what the converter can give (0 ... 11 V, 0 ... 22 mA).
  double Level(int channel, Terminal terminal, std::optional<double> wanted);

 private:
  double Code(int channel, Terminal terminal, double wanted) const;
  double Noise();

  std::array<std::array<UnitError, 2>, kAnalogChannels> errors_{};
  Constants constants_{};
  Constants eeprom_constants_{};
  std::array<std::optional<int>, kAnalogChannels> drive_{};
  double noise_ = 2.0;
  std::uint32_t random_;
};

}  // namespace travik::sim
