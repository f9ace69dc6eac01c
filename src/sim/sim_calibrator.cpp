#include "sim/sim_calibrator.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <memory>

#include "sim/sim_backend.h"
#include "sim/sim_transmitter.h"

namespace travik::sim {
namespace {

constexpr std::uint8_t kSelectFirst = 0xA0;
constexpr std::uint8_t kSelectLast = 0xAF;

}  // namespace

std::uint8_t CalInputCode(CalInput input) {
  static constexpr std::uint8_t kCodes[kCalInputs] = {0xA2, 0xA0, 0xA3, 0xA1};
  return kCodes[static_cast<int>(input)];
}

bool CalInputOfCode(std::uint8_t code, CalInput& input) {
  for (int i = 0; i < kCalInputs; ++i) {
    if (CalInputCode(static_cast<CalInput>(i)) == code) {
      input = static_cast<CalInput>(i);
      return true;
    }
  }
  return false;
}

const char* CalInputName(CalInput input) {
  static constexpr const char* kNames[kCalInputs] = {"U1", "U2", "I1", "I2"};
  return kNames[static_cast<int>(input)];
}

std::optional<CalInput> ParseCalInput(std::string_view name) {
  for (int i = 0; i < kCalInputs; ++i) {
    const char* n = CalInputName(static_cast<CalInput>(i));
    if (name.size() == 2 && std::toupper(static_cast<unsigned char>(name[0])) == n[0] && name[1] == n[1])
      return static_cast<CalInput>(i);
  }
  return std::nullopt;
}

SimCalibrator::SimCalibrator(std::string path)
    : SimDevice(std::move(path), kDefaultCalibratorVendor, kDefaultCalibratorProduct, kUsagePageVendor,
                kUsageVendor, u"Kolvar CAL-4 U/I") {
  SetIdText("CAL-4 UI SN00042");
  SetFirmware("01.02.00");
}

void SimCalibrator::SetIdText(std::string_view text) { id_text_ = FitText(text, 16); }
void SimCalibrator::SetFirmware(std::string_view text) { firmware_ = FitText(text, 8); }

void SimCalibrator::SetFixedReading(CalInput input, std::optional<std::uint32_t> reading) {
  fixed_[static_cast<int>(input)] = reading ? std::optional(std::min(*reading, kMaxCalReading)) : std::nullopt;
}

void SimCalibrator::SetFixedReadingAll(std::optional<std::uint32_t> reading) {
  for (int i = 0; i < kCalInputs; ++i) SetFixedReading(static_cast<CalInput>(i), reading);
}

SimReference SimCalibrator::Reference() const {
  return host_transfer_ ? ReferenceOfCode(selection_) : SimReference{};
}

std::uint32_t SimCalibrator::Measure(CalInput input) {
  const int i = static_cast<int>(input);
  if (fixed_[i]) return *fixed_[i];
  if (bench_ == nullptr || !bench_->present()) return 0;
  const int channel = input == CalInput::kU1 || input == CalInput::kI1 ? 0 : 1;
  const Terminal terminal =
      input == CalInput::kU1 || input == CalInput::kU2 ? Terminal::kVoltage : Terminal::kCurrent;
  const double level = std::round(bench_->AnalogLevel(channel, terminal));
  return static_cast<std::uint32_t>(std::clamp(level, 0.0, double(kMaxCalReading)));
}

std::uint32_t SimCalibrator::MeasureSelected() {
  CalInput input;
  if (host_transfer_ || !CalInputOfCode(selection_, input)) return 0;
  return Measure(input);
}

bool SimCalibrator::OnSetFeature(const std::uint8_t* data, std::size_t length) {
  std::optional<CommandFrame> frame = CommandFrame::Parse(data, length);
  if (!frame) return false;
  const bool magic = frame->HasMagic();
  switch (frame->code) {
    case 0xCC:
      if (magic) {
        identification_ = true;
        streaming_ = false;
      }
      break;
    case 0xC0:
      if (magic && frame->params[0] == 1) {
        streaming_ = true;
        identification_ = false;
      }
      break;
    case 0xC8:
    case 0xC9:
      if (magic) {
        host_transfer_ = frame->code == 0xC8;
        if (host_transfer_) ++host_transfers_;
      }
      break;
    case 0xCF:
      ++beep_count_;
      break;
    default:
      if (frame->code >= kSelectFirst && frame->code <= kSelectLast) selection_ = frame->code;
      break;
  }
  return true;
}

bool SimCalibrator::OnReadInput(std::uint8_t* data, std::size_t length, std::uint32_t& transferred) {
  transferred = 0;
  if (!identification_ && !streaming_) return false;
  std::uint8_t report[kDataReportSize] = {};
  if (identification_) {
    std::memcpy(report + 1, id_text_.data(), 16);
    std::memcpy(report + 17, firmware_.data(), 8);
  } else {
    const std::uint32_t reading = MeasureSelected();
    report[1] = selection_;
    report[5] = static_cast<std::uint8_t>(reading);
    report[6] = static_cast<std::uint8_t>(reading >> 8);
    report[7] = static_cast<std::uint8_t>(reading >> 16);
    report[8] = report_counter_++;
  }
  const std::size_t n = std::min(length, kDataReportSize);
  std::memcpy(data, report, n);
  transferred = static_cast<std::uint32_t>(n);
  return true;
}

void PutOnBench(SimCalibrator& calibrator, SimTransmitter* transmitter) {
  if (calibrator.bench_ != nullptr) calibrator.bench_->set_input_source(nullptr);
  calibrator.bench_ = transmitter;
  if (transmitter != nullptr)
    transmitter->set_input_source([&calibrator] { return calibrator.Reference(); });
}

SimCalibrator& AddCalibrator(SimBackend& backend) {
  int n = 1;
  for (SimDevice* d : backend.Devices())
    if (dynamic_cast<SimCalibrator*>(d) != nullptr) ++n;
  return backend.Add(std::make_unique<SimCalibrator>("sim/calibrator-" + std::to_string(n)), Group::kVendor);
}

}  // namespace travik::sim
