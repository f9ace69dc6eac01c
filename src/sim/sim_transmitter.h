// A simulated Kolvar transmitter of any model.
//
// Memory: 184 configuration words. Words 0-15 are the live measured values
// (block 1); they are not kept in EEPROM. The EEPROM holds four areas, written
// by the save command 0xCD with the area in byte 2:
//   area 0: words 16-71, area 1: words 72-127, area 2: words 128-183,
//   area 3: the calibration data (values received with command 0xF0).
// A save is carried out only while the service jumper is fitted; without it
// the command is accepted and nothing is stored. PowerCycle() reloads the
// memory (words 16-183) and the calibration data from EEPROM.
//
// Commands carrying CommandMagic in bytes 5-8 (0xCC, 0xC0, 0xC1, 0xC8, 0xC9,
// 0xCA, 0xCD areas 0-2) are ignored when the magic is wrong: the feature
// report itself is accepted, as the bus cannot tell, but nothing happens;
// the same for 0xC0/0xC1 with a block number outside 1-12.
// 0xCE and 0xCD area 3 are obeyed with the magic or with zero there, since the
// calibration dialogs send them with zero. Unknown codes are accepted and
// ignored.
//
// The begin/end host-transfer commands (0xC8/0xC9) bracket a transfer of the
// LCD models: while the bracket is open the device keeps its own user menu
// shut, so a menu the user opens on the device meanwhile shows up only once
// the host has ended its transfer. Block commands that arrive outside a
// bracket are counted (unbracketed_blocks) so a test can tell a dialog that
// forgot it.
//
// Input reports: after 0xCC the next one is the identification record; after
// 0xC0 b every one is block b, read fresh from memory each time; with neither
// pending the device sends nothing and the host's read times out.
// Output reports: after 0xC1 b every one stores block b.
//
// Analog outputs (sim_analog.h): channel 1 and 2 follow live words 0 and 1.
// An output module (type 3) takes them as the output values written with
// block 1 and maps its input range (words 52-55) onto its output range in
// tenths (words 92-95) on the terminal of its unit (words 68, 69: 1 volts,
// otherwise milliamperes). Any other transmitter maps 0 ... 1000 of the word
// onto 0 ... 10 V and 4 ... 20 mA at once. A calibration-form 0xF0 frame
// (channel 1 or 2, the channel's point code, a nonzero constant in bytes 5-6)
// drives a calibration point; type 48, whose inputs are calibrated instead,
// takes its input as the point's nominal (sim_input_points.h).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/sim_analog.h"
#include "sim/sim_device.h"
#include "sim/sim_input_points.h"

namespace travik::sim {

struct SimModel;

inline constexpr std::uint16_t kDefaultTransmitterVendor = 0xA600;
inline constexpr std::uint16_t kDefaultTransmitterProduct = 0xE240;
inline constexpr std::uint16_t kUserMenuOpen = 0xB000;

inline constexpr int kConfigBlocks = 12;
inline constexpr int kLiveWords = 16;

// Image words carried by block b (1-12): blocks 2 and 3 carry 12 words, the
// others 16, and the image is contiguous.
int BlockFirstWord(int block);
int BlockWordCount(int block);

struct EepromArea {
  int first_word;
  int word_count;
};
inline constexpr std::array<EepromArea, 3> kUserEepromAreas{{{16, 56}, {72, 56}, {128, 56}}};
inline constexpr int kCalibrationArea = 3;

// Calibration data as the device keeps it: the last dialog-form value and
// every 0xF0 frame (bytes 1-8) in arrival order.
struct CalibrationData {
  std::uint16_t value = 0;
  std::vector<std::array<std::uint8_t, 8>> frames;
  bool operator==(const CalibrationData&) const = default;
};

class SimTransmitter : public SimDevice {
 public:
  using Memory = std::array<std::uint16_t, kConfigWords>;
  // What word `word` (0-15) of a live-value report shows, given the stored word.
  using LiveValueFn = std::function<std::uint16_t(int word, std::uint16_t stored, std::int64_t now_ms)>;

  explicit SimTransmitter(std::string path = "sim/transmitter");
  // A transmitter of the model, memory and EEPROM holding the model's defaults.
  SimTransmitter(const SimModel& model, std::string path);

  // Blank-padded or cut to 16 characters.
  void SetIdText(std::string_view text);
  const std::string& id_text() const { return id_text_; }
  // Blank-padded or cut to 8 characters.
  void SetFirmware(std::string_view text);
  const std::string& firmware() const { return firmware_; }

  Memory& memory() { return memory_; }
  const Memory& memory() const { return memory_; }
  const Memory& eeprom() const { return eeprom_; }  // words 0-15 unused
  // Memory and EEPROM both set, as a device leaves the factory.
  void SetFactoryMemory(const Memory& memory);
  void SetLiveWord(int word, std::uint16_t value);
  void SetLiveValues(LiveValueFn fn) { live_ = std::move(fn); }

  int device_type() const { return device_type_; }
  void set_device_type(int type) { device_type_ = type; }

  SimAnalogOutputs& analog() { return analog_; }
  const SimAnalogOutputs& analog() const { return analog_; }
  // The level at an output terminal now, in 0.1 mV or 0.1 uA (channel 0 or 1).
  double AnalogLevel(int channel, Terminal terminal);
  // What is connected to the transmitter's input (a calibration device's
  // reference on a bench); none when nothing is.
  void set_input_source(std::function<SimReference()> source) { input_source_ = std::move(source); }
  SimReference InputSignal() const { return input_source_ ? input_source_() : SimReference{}; }

  void set_jumper_fitted(bool fitted) { jumper_fitted_ = fitted; }
  bool jumper_fitted() const { return jumper_fitted_; }
  void set_status_word(std::uint16_t status) { status_word_ = status; }
  // Opening waits for the end of an open host-transfer bracket.
  void SetUserMenuOpen(bool open);
  std::uint16_t status_word() const { return status_word_; }

  const CalibrationData& calibration() const { return calibration_; }
  const CalibrationData& eeprom_calibration() const { return eeprom_calibration_; }

  // Memory and calibration from EEPROM; pending requests are forgotten.
  void PowerCycle();

  // Input calibration points (sim_input_points.h).
  SimInputPoints& input_points() { return input_points_; }
  const SimInputPoints& input_points() const { return input_points_; }

  // Observations for tests.
  int beep_count() const { return beep_count_; }
  bool host_transfer_active() const { return host_transfer_; }
  int host_transfers() const { return host_transfers_; }  // brackets begun
  int unbracketed_blocks() const { return unbracketed_blocks_; }
  int ignored_commands() const { return ignored_commands_; }
  // Saves actually stored into an area (0-3).
  int eeprom_writes(int area) const { return area >= 0 && area < 4 ? eeprom_writes_[area] : 0; }
  int read_block() const { return read_block_; }
  int write_block() const { return write_block_; }

  bool OnSetFeature(const std::uint8_t* data, std::size_t length) override;
  bool OnGetFeature(std::uint8_t* data, std::size_t length) override;
  bool OnReadInput(std::uint8_t* data, std::size_t length, std::uint32_t& transferred) override;
  bool OnWriteOutput(const std::uint8_t* data, std::size_t length) override;

 protected:
  // One accepted command frame. Overridable to add commands or personalities.
  virtual void HandleCommand(const CommandFrame& frame);
  // 0xCA with the magic. The application personality has nowhere to go.
  virtual void OnRestartIntoBootloader() {}
  // Codes this device does not know: accepted, no effect.
  virtual void OnOtherCommand(const CommandFrame&) {}
  void set_result_byte(std::uint8_t value) { result_byte_ = value; }

 private:
  void SaveArea(int area);
  void FillIdentification(std::uint8_t* report) const;
  void FillBlock(int block, std::uint8_t* report) const;
  std::uint16_t LiveWord(int word) const;
  // The level channel `channel` is told to put out on `terminal`, if any.
  std::optional<double> WantedLevel(int channel, Terminal terminal) const;

  std::string id_text_;
  std::string firmware_;
  Memory memory_{};
  Memory eeprom_{};
  CalibrationData calibration_;
  CalibrationData eeprom_calibration_;
  LiveValueFn live_;
  int device_type_ = -1;
  SimAnalogOutputs analog_;
  std::function<SimReference()> input_source_;
  SimInputPoints input_points_;
  bool jumper_fitted_ = true;
  std::uint16_t status_word_ = 0;
  std::uint8_t last_code_ = 0;
  std::uint8_t result_byte_ = 0;
  bool identification_pending_ = false;
  int read_block_ = 0;
  int write_block_ = 0;
  bool host_transfer_ = false;
  bool menu_opening_ = false;  // held back by the bracket
  int host_transfers_ = 0;
  int unbracketed_blocks_ = 0;
  int beep_count_ = 0;
  int ignored_commands_ = 0;
  std::array<int, 4> eeprom_writes_{};
};

// A gentle wobble of the non-zero live words (a few units over ten seconds),
// so that a simulated device on screen looks alive.
SimTransmitter::LiveValueFn AliveWobble();

}  // namespace travik::sim
