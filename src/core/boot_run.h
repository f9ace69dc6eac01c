// The bootloader dialog's run: its state machine and what a download has
// reached. It lives in ProgramState, so a fresh program starts idle.
#pragma once

#include <array>
#include <cstdint>

namespace travik {

enum class BootState : std::uint8_t {
  kIdle = 0,
  kDelay = 1,
  kRestart = 2,
  kActivate = 3,
  kSelfCheck = 4,
  kReadInfo = 5,
  kCheckImage = 6,
  kStartErase = 7,
  kEraseWait = 8,
  kSendPacket = 9,
  kAckWait = 10,
  kRestartWait = 11,
};

enum class BootMode : std::uint8_t { kDownload = 0, kHardwareInfo = 1 };

struct BootRun {
  BootState state = BootState::kIdle;
  BootState next_state = BootState::kIdle;
  BootMode mode = BootMode::kDownload;
  std::uint32_t countdown = 0;
  std::uint8_t subtick = 0;
  std::uint16_t flash_kib = 0;
  std::uint32_t blocks_left = 0;
  std::uint8_t packets_left = 0;
  std::uint16_t block_number = 0;
  std::uint32_t position = 0;
  // Ticks spent polling in the current wait of state 8 or 10.
  std::uint32_t poll_ticks = 0;
  // The information report the compatibility check compares the image with.
  std::array<std::uint8_t, 64> info{};
};

}  // namespace travik
