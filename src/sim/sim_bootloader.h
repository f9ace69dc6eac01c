// A transmitter with a bootloader. Command 0xCA (with CommandMagic) makes the
// application leave the bus; after restart_delay_ms of the bus clock the
// device returns under the same identifiers as its bootloader, with its own
// product string and path. The bootloader speaks the boot protocol:
//
//   set-feature 0x55 + CommandMagic   activate boot mode and run the self-check:
//                                     status 0xAA, or kBootCrcError when it fails
//   set-feature 0x00, byte 5 letter   erase the application flash (from 4096);
//                                     status busy for erase_polls reads, then 0xAA
//   get-feature                       byte 2 status, bytes 3-4 flash size in KiB
//   input report (boot mode)          1-16 platform, 17-24 hardware version,
//                                     25-32 boot software version, zero-padded
//   output report (after an erase)    bytes 1-32 stored at the next 32 flash bytes
//                                     from 4096; status busy for ack_polls reads,
//                                     then 0xAD
//
// Before boot mode is activated only the status can be read. Once the
// bootloader has seen no exchange for idle_restart_ms it restarts into the
// application: it leaves the bus again and returns restart_delay_ms later as
// the application (memory and EEPROM as they were). A negative delay means
// the device never returns; a negative poll count that the state never comes.
//
// An erase leaves the device without a complete application until the
// download has written application_bytes (any download not cut by a power
// loss, when 0). A device without a complete application comes back as its
// bootloader: when it restarts after idling, and when it is powered again
// (unplugged and plugged in) during or after an interrupted download. A
// bootloader powered again with a complete application starts it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/sim_transmitter.h"

namespace travik::sim {

class SimBackend;

inline constexpr std::uint8_t kBootBusy = 0x00;
inline constexpr std::uint8_t kBootStatusReady = 0xAA;
inline constexpr std::uint8_t kBootStatusWritten = 0xAD;
inline constexpr std::uint8_t kBootCrcError = 0xEC;
inline constexpr std::uint32_t kBootloaderBytes = 4096;

class SimBootableTransmitter : public SimTransmitter {
 public:
  enum class Phase { kApplication, kRestartingToBoot, kBootloader, kRestartingToApplication };

  explicit SimBootableTransmitter(std::string path = "sim/bootable");
  SimBootableTransmitter(const SimModel& model, std::string path);

  // What the bootloader presents and reports.
  void set_boot_product_string(std::u16string text) { boot_product_ = std::move(text); }
  void set_platform(std::string text) { platform_ = std::move(text); }
  void set_hardware_version(std::string text) { hardware_version_ = std::move(text); }
  void set_boot_version(std::string text) { boot_version_ = std::move(text); }
  // Resizes the flash: the bootloader's 4 KiB, the rest erased (0xFF).
  void set_flash_kib(std::uint16_t kib);
  std::uint16_t flash_kib() const { return flash_kib_; }

  // Timing and faults.
  void set_restart_delay_ms(std::int64_t ms) { restart_delay_ms_ = ms; }
  void set_idle_restart_ms(std::int64_t ms) { idle_restart_ms_ = ms; }
  void set_erase_polls(int polls) { erase_polls_ = polls; }
  void set_ack_polls(int polls) { ack_polls_ = polls; }
  void set_self_check_ok(bool ok) { self_check_ok_ = ok; }
  // The next n information reports are all zeros (not ready yet).
  void set_blank_info_reports(int n) { blank_info_reports_ = n; }
  // Bytes from 4096 a download must write for the application to be complete (0: any).
  void set_application_bytes(std::uint32_t n) { application_bytes_ = n; }

  // Observations.
  Phase phase() const { return phase_; }
  bool boot_mode() const { return boot_mode_; }
  const std::vector<std::uint8_t>& flash() const { return flash_; }
  int restarts_into_bootloader() const { return restarts_into_bootloader_; }
  int restarts_into_application() const { return restarts_into_application_; }
  int erase_count() const { return erase_count_; }
  char erase_letter() const { return erase_letter_; }
  int packets_written() const { return packets_written_; }
  // Packet bytes that fell past the end of the flash (and were dropped).
  int bytes_past_flash() const { return bytes_past_flash_; }
  // Boot frames the bootloader ignored: unknown, wrong magic, out of order.
  int ignored_boot_frames() const { return ignored_boot_frames_; }
  bool application_complete() const { return application_complete_; }

  bool OnSetFeature(const std::uint8_t* data, std::size_t length) override;
  bool OnGetFeature(std::uint8_t* data, std::size_t length) override;
  bool OnReadInput(std::uint8_t* data, std::size_t length, std::uint32_t& transferred) override;
  bool OnWriteOutput(const std::uint8_t* data, std::size_t length) override;
  void Advance(std::int64_t now_ms) override;

 protected:
  void OnRestartIntoBootloader() override;

 private:
  bool InBootloader() const { return phase_ == Phase::kBootloader; }
  // A status that becomes `status` after `polls` reads answered busy.
  void Pending(std::uint8_t status, int polls);
  void LeaveBus(Phase next, std::int64_t at_ms);
  // Joins the bus as the bootloader, fresh (not in boot mode, nothing erased).
  void StartBootloader(std::int64_t now_ms);
  // Joins the bus as the application.
  void StartApplication();

  std::string app_path_;
  std::u16string app_product_;
  std::u16string boot_product_ = u"Kolvar Bootloader";
  std::string platform_ = "TRX-21";
  std::string hardware_version_ = "12.03";
  std::string boot_version_ = "01.00.02";
  std::uint16_t flash_kib_ = 0;
  std::vector<std::uint8_t> flash_;

  std::int64_t restart_delay_ms_ = 500;
  std::int64_t idle_restart_ms_ = 1000;
  int erase_polls_ = 5;
  int ack_polls_ = 0;
  bool self_check_ok_ = true;
  int blank_info_reports_ = 0;
  std::uint32_t application_bytes_ = 0;
  bool application_complete_ = true;
  // The bus generation the bootloader joined with; another one means it was
  // unplugged and powered again.
  std::uint64_t boot_generation_ = 0;

  Phase phase_ = Phase::kApplication;
  std::int64_t rejoin_at_ms_ = 0;
  std::int64_t last_activity_ms_ = 0;
  bool boot_mode_ = false;
  bool erased_ = false;
  std::uint8_t status_ = kBootBusy;
  std::uint8_t pending_status_ = kBootBusy;
  int polls_left_ = 0;
  std::uint32_t write_offset_ = kBootloaderBytes;

  int restarts_into_bootloader_ = 0;
  int restarts_into_application_ = 0;
  int erase_count_ = 0;
  char erase_letter_ = 0;
  int packets_written_ = 0;
  int bytes_past_flash_ = 0;
  int ignored_boot_frames_ = 0;
};

// Adds a bootable transmitter of the model to the bus, as a transmitter.
SimBootableTransmitter& AddBootableTransmitter(SimBackend& backend, const SimModel& model);

}  // namespace travik::sim
