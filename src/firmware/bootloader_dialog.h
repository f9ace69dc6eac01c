// The bootloader dialog (template 120): restarts the transmitter into its
// bootloader, reads the bootloader's hardware information and downloads a
// firmware image, one step per tick of its 10 ms timer. All traffic goes
// through slot 1.
#pragma once

#include <array>
#include <cstdint>

#include "core/boot_run.h"
#include "ui/ui.h"

namespace travik {

// Controls of template 120 (1007 and 1221 are in firmware/firmware_file.h).
inline constexpr int kBootOpenButton = 3;
inline constexpr int kBootDownloadButton = 1212;
inline constexpr int kBootInfoButton = 1213;
inline constexpr int kBootPlatformGroup = 1214;
inline constexpr int kBootHwVersionGroup = 1215;
inline constexpr int kBootSwVersionGroup = 1216;
inline constexpr int kBootPlatformField = 1217;
inline constexpr int kBootHwVersionField = 1218;
inline constexpr int kBootSwVersionField = 1219;
inline constexpr int kBootStatusGroup = 1220;

inline constexpr int kBootTimer = 1;
inline constexpr int kBootTickMs = 10;
// A stepped state acts on every (kBootSubticks + 1)-th tick.
inline constexpr std::uint8_t kBootSubticks = 8;

// The first 4 KiB of an image belong to the bootloader and are never sent.
inline constexpr std::uint32_t kBootSkippedBytes = 4096;
inline constexpr std::uint32_t kBootBlockBytes = 128;
inline constexpr std::uint32_t kBootPacketBytes = 32;
inline constexpr std::uint8_t kBootPacketsPerBlock = 4;

// Bootloader status byte (reply byte 2).
inline constexpr std::uint8_t kBootReady = 0xAA;
inline constexpr std::uint8_t kBootPacketWritten = 0xAD;

// Ticks states 8 and 10 poll before they give up: an erase gets a minute, a
// packet's acknowledgement two seconds (nominal 10 ms ticks).
inline constexpr std::uint32_t kEraseWaitTicks = 6000;
inline constexpr std::uint32_t kAckWaitTicks = 200;

// The one run, in ProgramState; it outlives the dialog (only its state is
// reset at opening).
BootRun& Boot();

class BootloaderDialog : public ui::DialogProc {
 public:
  void OnInit(ui::Dialog& d) override;
  void OnCommand(ui::Dialog& d, int id, ui::Notify code) override;
  void OnTimer(ui::Dialog& d, int timer_id) override;
};

}  // namespace travik
