#include "sim/sim_bootloader.h"

#include <algorithm>
#include <cstring>

#include "sim/sim_backend.h"
#include "sim/sim_models.h"

namespace travik::sim {
namespace {

constexpr std::uint8_t kActivateCode = 0x55;
constexpr std::uint8_t kFileTypeCode = 0x00;
constexpr std::uint16_t kDefaultFlashKib = 64;
constexpr std::uint8_t kBootloaderFill = 0xB0;
constexpr std::uint32_t kPacketBytes = 32;

void Put(std::uint8_t* report, int first, const std::string& text, std::size_t size) {
  std::memcpy(report + first, text.data(), std::min(text.size(), size));
}

}  // namespace

SimBootableTransmitter::SimBootableTransmitter(std::string path) : SimTransmitter(std::move(path)) {
  set_flash_kib(kDefaultFlashKib);
}

SimBootableTransmitter::SimBootableTransmitter(const SimModel& model, std::string path)
    : SimTransmitter(model, std::move(path)) {
  set_flash_kib(kDefaultFlashKib);
}

void SimBootableTransmitter::set_flash_kib(std::uint16_t kib) {
  flash_kib_ = kib;
  flash_.assign(static_cast<std::size_t>(kib) * 1024, 0xFF);
  std::fill_n(flash_.begin(), std::min<std::size_t>(kBootloaderBytes, flash_.size()), kBootloaderFill);
}

void SimBootableTransmitter::OnRestartIntoBootloader() {
  if (phase_ != Phase::kApplication) return;
  app_path_ = path();
  app_product_ = product_string();
  LeaveBus(Phase::kRestartingToBoot, Now());
}

void SimBootableTransmitter::LeaveBus(Phase next, std::int64_t at_ms) {
  Unplug();
  phase_ = next;
  rejoin_at_ms_ = at_ms + restart_delay_ms_;
}

// Catches up with the bus clock, one transition at a time, so that a device
// looked at late has gone through every change it would have made meanwhile.
void SimBootableTransmitter::Advance(std::int64_t now_ms) {
  for (;;) {
    switch (phase_) {
      case Phase::kApplication:
        return;
      case Phase::kRestartingToBoot:
        if (restart_delay_ms_ < 0 || now_ms < rejoin_at_ms_) return;
        StartBootloader(rejoin_at_ms_);
        break;
      case Phase::kBootloader:
        if (!present()) return;  // unplugged: no power, nothing happens
        if (generation() != boot_generation_) {
          // Powered again.
          if (application_complete_) {
            StartApplication();
            return;
          }
          StartBootloader(now_ms);
          break;
        }
        if (idle_restart_ms_ < 0 || now_ms < last_activity_ms_ + idle_restart_ms_) return;
        // A download that reached the idle restart is complete unless the
        // application's size says otherwise.
        if (erased_ && application_bytes_ == 0) application_complete_ = true;
        LeaveBus(application_complete_ ? Phase::kRestartingToApplication : Phase::kRestartingToBoot,
                 last_activity_ms_ + idle_restart_ms_);
        break;
      case Phase::kRestartingToApplication:
        if (restart_delay_ms_ < 0 || now_ms < rejoin_at_ms_) return;
        StartApplication();
        return;
    }
  }
}

void SimBootableTransmitter::StartBootloader(std::int64_t now_ms) {
  phase_ = Phase::kBootloader;
  // A bootloader is a device of its own to the host: another path.
  set_path(app_path_ + "-boot");
  set_product_string(boot_product_);
  boot_mode_ = false;
  erased_ = false;
  Pending(kBootBusy, 0);
  last_activity_ms_ = now_ms;
  ++restarts_into_bootloader_;
  Replug();
  boot_generation_ = generation();
}

void SimBootableTransmitter::StartApplication() {
  phase_ = Phase::kApplication;
  set_path(app_path_);
  set_product_string(app_product_);
  PowerCycle();
  ++restarts_into_application_;
  Replug();
}

void SimBootableTransmitter::Pending(std::uint8_t status, int polls) {
  pending_status_ = status;
  polls_left_ = polls;
  status_ = polls == 0 ? status : kBootBusy;
}

bool SimBootableTransmitter::OnSetFeature(const std::uint8_t* data, std::size_t length) {
  if (!InBootloader()) return SimTransmitter::OnSetFeature(data, length);
  const std::optional<CommandFrame> frame = CommandFrame::Parse(data, length);
  if (!frame) return false;
  last_activity_ms_ = Now();
  // The command code is 32 bits wide: bytes 2-4 belong to it.
  const bool plain_code = frame->params == std::array<std::uint8_t, 3>{0, 0, 0};
  if (plain_code && frame->code == kActivateCode && frame->HasMagic()) {
    boot_mode_ = true;
    erased_ = false;
    Pending(self_check_ok_ ? kBootStatusReady : kBootCrcError, 0);
  } else if (plain_code && frame->code == kFileTypeCode && boot_mode_ && frame->argument >> 8 == 0) {
    erase_letter_ = static_cast<char>(frame->argument & 0xFF);
    std::fill(flash_.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(kBootloaderBytes, flash_.size())),
              flash_.end(), 0xFF);
    write_offset_ = kBootloaderBytes;
    erased_ = true;
    application_complete_ = false;
    ++erase_count_;
    Pending(kBootStatusReady, erase_polls_);
  } else {
    ++ignored_boot_frames_;
  }
  return true;
}

bool SimBootableTransmitter::OnGetFeature(std::uint8_t* data, std::size_t length) {
  if (!InBootloader()) return SimTransmitter::OnGetFeature(data, length);
  last_activity_ms_ = Now();
  std::uint8_t shown = status_;
  if (polls_left_ != 0) {
    shown = kBootBusy;
    if (polls_left_ > 0 && --polls_left_ == 0) status_ = pending_status_;
  }
  const std::uint8_t reply[kFeatureReportSize] = {
      0, 0, shown, static_cast<std::uint8_t>(flash_kib_ & 0xFF), static_cast<std::uint8_t>(flash_kib_ >> 8),
      0, 0, 0, 0};
  std::fill(data, data + length, 0);
  std::memcpy(data, reply, std::min(length, kFeatureReportSize));
  return true;
}

bool SimBootableTransmitter::OnReadInput(std::uint8_t* data, std::size_t length,
                                         std::uint32_t& transferred) {
  if (!InBootloader()) return SimTransmitter::OnReadInput(data, length, transferred);
  last_activity_ms_ = Now();
  transferred = 0;
  if (!boot_mode_) return false;
  std::uint8_t report[kDataReportSize] = {};
  if (blank_info_reports_ > 0) {
    --blank_info_reports_;
  } else {
    Put(report, 1, platform_, 16);
    Put(report, 17, hardware_version_, 8);
    Put(report, 25, boot_version_, 8);
  }
  const std::size_t n = std::min(length, kDataReportSize);
  std::memcpy(data, report, n);
  transferred = static_cast<std::uint32_t>(n);
  return true;
}

bool SimBootableTransmitter::OnWriteOutput(const std::uint8_t* data, std::size_t length) {
  if (!InBootloader()) return SimTransmitter::OnWriteOutput(data, length);
  if (length == 0) return false;
  last_activity_ms_ = Now();
  if (!erased_) {
    ++ignored_boot_frames_;
    return true;
  }
  for (std::uint32_t i = 0; i < kPacketBytes; ++i) {
    const std::uint8_t byte = 1 + i < length ? data[1 + i] : 0;
    const std::size_t at = static_cast<std::size_t>(write_offset_) + i;
    if (at < flash_.size())
      flash_[at] = byte;
    else
      ++bytes_past_flash_;
  }
  write_offset_ += kPacketBytes;
  ++packets_written_;
  if (application_bytes_ > 0 && write_offset_ - kBootloaderBytes >= application_bytes_)
    application_complete_ = true;
  Pending(kBootStatusWritten, ack_polls_);
  return true;
}

SimBootableTransmitter& AddBootableTransmitter(SimBackend& backend, const SimModel& model) {
  const std::string stem = "sim/bootable-";
  int n = 1;
  for (const SimDevice* device : backend.Devices())
    if (device->path().rfind(stem, 0) == 0) ++n;
  return backend.Add(std::make_unique<SimBootableTransmitter>(model, stem + std::to_string(n)),
                     Group::kTransmitter);
}

}  // namespace travik::sim
