// A simulated calibration device, and the bench that puts it beside a
// simulated transmitter.
//
// The device speaks the transmitters' command frames:
//   0xCC + CommandMagic    every input report until streaming starts is the
//                          identification record (1-16 ID text, 17-24 firmware)
//   0xC0 1 + CommandMagic  measurement reports stream from then on: bytes 5-7
//                          the reading, least significant first (0.1 mV or
//                          0.1 uA), byte 1 the selection code, the rest 0
//   0xA0-0xA7, 0xAF        selection: in the meter role A2 U1, A0 U2, A3 I1,
//                          A1 I2 (anything else reads 0); in the source role
//                          the reference of ReferenceOfCode
//   0xC8 / 0xC9 + magic    begin / end host transfer: the source role lasts
//                          from begin to end
//   0xCF                   beep
// Before init or read block 1 it sends nothing and the host's read times out.
//
// On a bench, input U1 (I1) measures the voltage (current) terminal of the
// transmitter's output channel 1, U2 (I2) of channel 2; in the source role the
// transmitter's input sees the selected reference. A transmitter that is off
// the bus puts out nothing. Off the bench every input reads 0.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sim/sim_analog.h"
#include "sim/sim_device.h"

namespace travik::sim {

class SimBackend;
class SimTransmitter;

inline constexpr std::uint16_t kDefaultCalibratorVendor = 0xA600;
inline constexpr std::uint16_t kDefaultCalibratorProduct = 0xE24F;

enum class CalInput { kU1 = 0, kU2 = 1, kI1 = 2, kI2 = 3 };
inline constexpr int kCalInputs = 4;
// The selection code of an input in the meter role, and back (false: none).
std::uint8_t CalInputCode(CalInput input);
bool CalInputOfCode(std::uint8_t code, CalInput& input);
const char* CalInputName(CalInput input);
// "U1" ... "I2", case-insensitive.
std::optional<CalInput> ParseCalInput(std::string_view name);

// The largest reading the 24-bit report can carry.
inline constexpr std::uint32_t kMaxCalReading = 0xFFFFFF;

class SimCalibrator : public SimDevice {
 public:
  explicit SimCalibrator(std::string path = "sim/calibrator");

  // Blank-padded or cut to 16 and 8 characters.
  void SetIdText(std::string_view text);
  const std::string& id_text() const { return id_text_; }
  void SetFirmware(std::string_view text);
  const std::string& firmware() const { return firmware_; }

  // The transmitter whose outputs it measures and whose input it feeds; null
  // takes it off the bench. Use PutOnBench, which wires both sides.
  SimTransmitter* bench() const { return bench_; }

  // What an input reads regardless of the bench (a scenario's fixed value);
  // nullopt measures again.
  void SetFixedReading(CalInput input, std::optional<std::uint32_t> reading);
  void SetFixedReadingAll(std::optional<std::uint32_t> reading);

  // Observations.
  std::uint8_t selection() const { return selection_; }
  bool streaming() const { return streaming_; }
  bool source_role() const { return host_transfer_; }
  // What the source produces now (none in the meter role).
  SimReference Reference() const;
  int beep_count() const { return beep_count_; }
  int host_transfers() const { return host_transfers_; }
  // The reading an input gives now (noise included), clamped to 24 bits.
  std::uint32_t Measure(CalInput input);
  // The reading of the selected input, 0 when no input is selected.
  std::uint32_t MeasureSelected();

  bool OnSetFeature(const std::uint8_t* data, std::size_t length) override;
  bool OnReadInput(std::uint8_t* data, std::size_t length, std::uint32_t& transferred) override;

 private:
  friend void PutOnBench(SimCalibrator& calibrator, SimTransmitter* transmitter);

  std::string id_text_;
  std::string firmware_;
  SimTransmitter* bench_ = nullptr;
  std::array<std::optional<std::uint32_t>, kCalInputs> fixed_{};
  std::uint8_t selection_ = 0xA2;  // U1 at power-up
  bool identification_ = false;
  bool streaming_ = false;
  bool host_transfer_ = false;
  int beep_count_ = 0;
  int host_transfers_ = 0;
  std::uint8_t report_counter_ = 0;
};

// Wires the calibration device to the transmitter (null: to nothing). A
// transmitter sits on one bench at a time; the previous wiring of either side
// is undone.
void PutOnBench(SimCalibrator& calibrator, SimTransmitter* transmitter);

// A calibration device with the default identifiers, after the transmitters.
SimCalibrator& AddCalibrator(SimBackend& backend);

}  // namespace travik::sim
