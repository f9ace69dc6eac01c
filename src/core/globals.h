// The program's global state. The tool is single-threaded and every device
// procedure shares these buffers, slots and connection globals, exactly as the
// devices' protocol expects. They live in one struct so that a test (or the
// scenario runner) can start from a fresh program with ResetProgramState().
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace travik {

class HidBackend;

// The closed marker of a HID slot: the invalid-handle value, all bits set.
using HidHandle = std::intptr_t;
inline constexpr HidHandle kClosedHandle = -1;

struct HidSlot {
  HidHandle handle = kClosedHandle;
  std::int32_t remembered = 0;  // list position recorded by FindAndRemember
};

inline constexpr int kDeviceListCapacity = 10;

struct DeviceList {
  std::int32_t count = 0;
  // An empty string marks an empty entry; entry i is list position i.
  std::array<std::string, kDeviceListCapacity> paths{};
};

struct UsbIds {
  std::uint32_t vendor = 0;  // the low 16 bits are used
  std::uint32_t product = 0;
};

inline constexpr std::uint32_t kCommandMagic = 0x5C3A71D4u;
inline constexpr int kConfigWords = 184;

inline constexpr std::size_t kFirmwareAreaSize = 520000;

// Flat flash image decoded from a firmware file; raw keeps the file itself
// because the compatibility check reads the memory-image header from it.
struct FirmwareImage {
  std::unique_ptr<std::uint8_t[]> raw{new std::uint8_t[kFirmwareAreaSize]()};
  std::uint32_t raw_length = 0;
  std::unique_ptr<std::uint8_t[]> data{new std::uint8_t[kFirmwareAreaSize]()};
  std::uint32_t length = 0;
  char format_letter = 0;
  bool ready = false;
};

// State of the configuration block transfer (shared by the read and write popup).
struct TransferRun {
  std::uint8_t TransferState = 0;
  std::uint8_t TransferNext = 0;
  std::int32_t TransferWait = 0;
};

// What the user chose that is remembered between runs. Path empty: nothing is
// read or written (tests, scenarios).
struct UserSettings {
  bool FastOutputCalibration = false;
  std::string Path;
};

struct ProgramState {
  // Connection globals (main window).
  std::uint8_t ConnectState = 3;
  std::uint8_t NextState = 6;
  std::int32_t WaitTicks = 30;
  std::uint8_t DeviceOnline = 0;
  std::uint8_t DeviceType = 0;
  UsbIds TransmitterIds{0xA600, 0xE240};
  UsbIds CalibratorIds{0xA600, 0xE24F};

  // Choices that outlive the run, kept in the settings file (settings/user_settings.h).
  UserSettings Settings;

  // Shared report buffers; byte 0 is the report identifier, always 0.
  std::array<std::uint8_t, 9> CommandReport{};
  std::array<std::uint8_t, 9> ReplyReport{};
  std::array<std::uint8_t, 64> InputReport{};
  std::array<std::uint8_t, 64> OutputReport{};

  // Identification (8-bit Windows-1250 texts, zero-terminated).
  std::array<char, 25> ProductText{};
  std::array<char, 19> DeviceIdText{};
  std::array<char, 11> FirmwareText{};
  std::array<std::uint8_t, 6> FirmwareDigits{};

  // HID access.
  DeviceList Devices;
  std::array<HidSlot, 3> Slots{};

  // Host copy of the transmitter's configuration memory.
  std::array<std::uint16_t, kConfigWords> ConfigImage{};

  // Working copies of the multi-channel dialogs, one set of words per
  // template; they outlive the dialog, as the device dialogs' own globals do.
  std::map<int, std::array<std::uint16_t, kConfigWords>> WorkingCopies;

  TransferRun Transfer;
  std::unique_ptr<FirmwareImage> Firmware = std::make_unique<FirmwareImage>();
};

// The one instance. Access through G() everywhere.
ProgramState& G();

// Fresh program state (as at program start). Keeps the HID backend.
void ResetProgramState();

// The platform HID access used by the hid layer (not owned).
HidBackend* Backend();
void SetBackend(HidBackend* backend);

// C-string view of one of the zero-terminated text globals.
template <std::size_t N>
std::string TextOf(const std::array<char, N>& text) {
  std::size_t n = 0;
  while (n < N && text[n] != '\0') ++n;
  return std::string(text.data(), n);
}

}  // namespace travik
