#include "sim/sim_transmitter.h"

#include <algorithm>
#include <cstring>

#include "sim/sim_models.h"

namespace travik::sim {
namespace {

std::u16string DefaultProductString() { return u"Kolvar transmitter"; }

// Every unit its own analog errors, the same on every run.
std::uint32_t SeedOf(std::string_view path) {
  std::uint32_t h = 2166136261u;
  for (char c : path) h = (h ^ static_cast<std::uint8_t>(c)) * 16777619u;
  return h;
}

constexpr int kAnalogInputType = 48;
constexpr int kOutputModuleType = 3;

}  // namespace

int BlockFirstWord(int block) {
  if (block < 1 || block > kConfigBlocks) return -1;
  if (block <= 3) return block == 1 ? 0 : 16 + 12 * (block - 2);
  return 40 + 16 * (block - 4);
}

int BlockWordCount(int block) {
  if (block < 1 || block > kConfigBlocks) return 0;
  return block == 2 || block == 3 ? 12 : 16;
}

SimTransmitter::SimTransmitter(std::string path)
    : SimDevice(std::move(path), kDefaultTransmitterVendor, kDefaultTransmitterProduct,
                kUsagePageVendor, kUsageVendor, DefaultProductString()),
      analog_(SeedOf(this->path())) {
  SetIdText("KDB 1.0 SN00001");
  SetFirmware("00.01.05");
}

SimTransmitter::SimTransmitter(const SimModel& model, std::string path)
    : SimDevice(std::move(path), kDefaultTransmitterVendor, kDefaultTransmitterProduct,
                kUsagePageVendor, kUsageVendor, SimProductString(model)),
      device_type_(model.device_type),
      analog_(SeedOf(this->path())) {
  SetIdText(model.id_text);
  SetFirmware(model.firmware);
  SetFactoryMemory(SimDefaultMemory(model));
}

void SimTransmitter::SetIdText(std::string_view text) { id_text_ = FitText(text, 16); }
void SimTransmitter::SetFirmware(std::string_view text) { firmware_ = FitText(text, 8); }

void SimTransmitter::SetFactoryMemory(const Memory& memory) {
  memory_ = memory;
  eeprom_ = memory;
  std::fill(eeprom_.begin(), eeprom_.begin() + kLiveWords, 0);
}

void SimTransmitter::SetLiveWord(int word, std::uint16_t value) {
  if (word >= 0 && word < kLiveWords) memory_[word] = value;
}

void SimTransmitter::SetUserMenuOpen(bool open) {
  menu_opening_ = open && host_transfer_;
  if (menu_opening_) return;
  status_word_ = open ? kUserMenuOpen : 0;
}

void SimTransmitter::PowerCycle() {
  std::copy(eeprom_.begin() + kLiveWords, eeprom_.end(), memory_.begin() + kLiveWords);
  calibration_ = eeprom_calibration_;
  analog_.Reload();
  input_points_.Reset();
  identification_pending_ = false;
  read_block_ = 0;
  write_block_ = 0;
  host_transfer_ = false;
  menu_opening_ = false;
  last_code_ = 0;
  result_byte_ = 0;
}

bool SimTransmitter::OnSetFeature(const std::uint8_t* data, std::size_t length) {
  std::optional<CommandFrame> frame = CommandFrame::Parse(data, length);
  if (!frame) return false;  // a short feature report does not match the device's report
  HandleCommand(*frame);
  return true;
}

void SimTransmitter::HandleCommand(const CommandFrame& frame) {
  const bool magic = frame.HasMagic();
  const bool magic_or_zero = magic || frame.argument == 0;
  const std::uint8_t p2 = frame.params[0];
  bool obeyed = true;
  switch (frame.code) {
    case 0xCC:  // init
      if ((obeyed = magic)) {
        identification_pending_ = true;
        read_block_ = 0;
      }
      break;
    case 0xC0:  // read block
      if ((obeyed = magic && p2 >= 1 && p2 <= kConfigBlocks)) {
        if (!host_transfer_) ++unbracketed_blocks_;
        read_block_ = p2;
        identification_pending_ = false;
      }
      break;
    case 0xC1:  // write block
      if ((obeyed = magic && p2 >= 1 && p2 <= kConfigBlocks)) {
        write_block_ = p2;
        if (!host_transfer_) ++unbracketed_blocks_;
      }
      break;
    case 0xCE:  // service jumper query
      obeyed = magic_or_zero;
      break;
    case 0xCD:  // save to EEPROM
      if ((obeyed = p2 <= 2 ? magic : p2 == kCalibrationArea && magic_or_zero)) SaveArea(p2);
      break;
    case 0xC8:
    case 0xC9:
      if ((obeyed = magic)) {
        host_transfer_ = frame.code == 0xC8;
        if (host_transfer_) ++host_transfers_;
        if (!host_transfer_ && menu_opening_) SetUserMenuOpen(true);
      }
      break;
    case 0xCF:
      ++beep_count_;
      break;
    case 0xF0: {
      int channel = 0;
      int point = 0;
      const bool drives = device_type_ != kAnalogInputType && frame.argument != 0 &&
                          (frame.params[0] == 1 || frame.params[0] == 2) &&
                          DecodePointCode(frame.params[1], channel, point) && channel + 1 == frame.params[0];
      if (drives) analog_.DrivePoint(channel, point, static_cast<std::uint16_t>(frame.argument & 0xFFFF));
      calibration_.value = static_cast<std::uint16_t>(frame.params[0] << 8 | frame.params[1]);
      calibration_.frames.push_back({frame.code, frame.params[0], frame.params[1], frame.params[2],
                                     static_cast<std::uint8_t>(frame.argument),
                                     static_cast<std::uint8_t>(frame.argument >> 8),
                                     static_cast<std::uint8_t>(frame.argument >> 16),
                                     static_cast<std::uint8_t>(frame.argument >> 24)});
      // A transmitter with inputs takes its input as the point's nominal.
      if (device_type_ == kAnalogInputType && frame.argument != 0) {
        const SimReference seen = InputSignal();
        input_points_.Take(frame.params[0], frame.params[1], static_cast<std::uint16_t>(frame.argument & 0xFFFF),
                           seen.kind == SimReference::Kind::kResistance ? seen.value : 0.0);
      }
      break;
    }
    case 0xCA:
      if ((obeyed = magic)) OnRestartIntoBootloader();
      break;
    default:
      OnOtherCommand(frame);
      break;
  }
  if (!obeyed) {
    ++ignored_commands_;
    return;
  }
  if (frame.code != 0xF0) input_points_.OnOtherCommand();
  last_code_ = frame.code;
  result_byte_ = frame.code == 0xCE && !jumper_fitted_ ? 1 : 0;
}

void SimTransmitter::SaveArea(int area) {
  if (area == kCalibrationArea) analog_.EndDrive();
  if (!jumper_fitted_) return;
  if (area == kCalibrationArea) {
    eeprom_calibration_ = calibration_;
    analog_.Save();
  } else {
    const EepromArea& a = kUserEepromAreas[area];
    std::copy_n(memory_.begin() + a.first_word, a.word_count, eeprom_.begin() + a.first_word);
  }
  ++eeprom_writes_[area];
}

bool SimTransmitter::OnGetFeature(std::uint8_t* data, std::size_t length) {
  std::uint8_t reply[kFeatureReportSize] = {0,
                                            last_code_,
                                            input_points_.PollStatus().value_or(result_byte_),
                                            0,
                                            0,
                                            static_cast<std::uint8_t>(status_word_ >> 8),
                                            static_cast<std::uint8_t>(status_word_ & 0xFF),
                                            0,
                                            0};
  std::fill(data, data + length, 0);
  std::memcpy(data, reply, std::min(length, kFeatureReportSize));
  return true;
}

void SimTransmitter::FillIdentification(std::uint8_t* report) const {
  std::memcpy(report + 1, id_text_.data(), 16);
  std::memcpy(report + 17, firmware_.data(), 8);
}

std::uint16_t SimTransmitter::LiveWord(int word) const {
  return live_ ? live_(word, memory_[word], Now()) : memory_[word];
}

std::optional<double> SimTransmitter::WantedLevel(int channel, Terminal terminal) const {
  auto s = [this](int word) { return static_cast<double>(static_cast<std::int16_t>(memory_[word])); };
  if (device_type_ == kOutputModuleType) {
    const bool volts = memory_[68 + channel] == 1;
    if (volts != (terminal == Terminal::kVoltage)) return std::nullopt;
    const double in_lo = s(52 + 2 * channel), in_hi = s(53 + 2 * channel);
    const double out_lo = s(92 + 2 * channel), out_hi = s(93 + 2 * channel);
    const double share = in_hi == in_lo ? 0.0 : std::clamp((s(channel) - in_lo) / (in_hi - in_lo), 0.0, 1.0);
    return (out_lo + share * (out_hi - out_lo)) * 1000.0;  // tenths of a volt or milliampere
  }
  const double share =
      std::clamp(static_cast<std::int16_t>(LiveWord(channel)) / 1000.0, 0.0, 1.0);
  return terminal == Terminal::kVoltage ? share * 100000.0 : 40000.0 + share * 160000.0;
}

double SimTransmitter::AnalogLevel(int channel, Terminal terminal) {
  if (channel < 0 || channel >= kAnalogChannels) return 0;
  return analog_.Level(channel, terminal, WantedLevel(channel, terminal));
}

void SimTransmitter::FillBlock(int block, std::uint8_t* report) const {
  const int first = BlockFirstWord(block);
  const std::int64_t now = live_ && block == 1 ? Now() : 0;
  for (int k = 0; k < BlockWordCount(block); ++k) {
    std::uint16_t word = memory_[first + k];
    if (block == 1 && live_) word = live_(k, word, now);
    report[1 + 2 * k] = static_cast<std::uint8_t>(word >> 8);
    report[2 + 2 * k] = static_cast<std::uint8_t>(word & 0xFF);
  }
}

bool SimTransmitter::OnReadInput(std::uint8_t* data, std::size_t length, std::uint32_t& transferred) {
  transferred = 0;
  if (!identification_pending_ && read_block_ == 0) return false;
  std::uint8_t report[kDataReportSize] = {};
  if (identification_pending_) {
    FillIdentification(report);
    identification_pending_ = false;
  } else {
    FillBlock(read_block_, report);
  }
  const std::size_t n = std::min(length, kDataReportSize);
  std::memcpy(data, report, n);
  transferred = static_cast<std::uint32_t>(n);
  return true;
}

bool SimTransmitter::OnWriteOutput(const std::uint8_t* data, std::size_t length) {
  if (length == 0) return false;
  if (write_block_ == 0) return true;
  if (write_block_ == 1) analog_.EndDrive();  // told output values again
  const int first = BlockFirstWord(write_block_);
  const int words = std::min<int>(BlockWordCount(write_block_), static_cast<int>((length - 1) / 2));
  for (int k = 0; k < words; ++k) memory_[first + k] = static_cast<std::uint16_t>(data[1 + 2 * k] << 8 | data[2 + 2 * k]);
  return true;
}

SimTransmitter::LiveValueFn AliveWobble() {
  return [](int word, std::uint16_t stored, std::int64_t now_ms) -> std::uint16_t {
    if (stored == 0) return stored;
    // Triangle wave of -2..+2 units, ten seconds a period, shifted per word.
    const std::int64_t phase = (((now_ms / 1000) + 3 * word) % 10 + 10) % 10;
    const int offset = phase < 5 ? static_cast<int>(phase) - 2 : 7 - static_cast<int>(phase);
    return static_cast<std::uint16_t>(stored + offset);
  };
}

}  // namespace travik::sim
