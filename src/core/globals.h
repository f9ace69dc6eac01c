// The program's global state. The tool is single-threaded and every device
// procedure shares these buffers, slots and connection globals, exactly as the
// devices' protocol expects. They live in one struct so that a test (or the
// scenario runner) can start from a fresh program with ResetProgramState().
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>

#include "core/boot_run.h"
#include "core/dialog_runs.h"

namespace travik {

class HidBackend;
struct HidTraceEvent;
struct CalibrationReport;

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

// Steps of the main window's connection machine on timer 1. The numbers are
// the machine's own: tests and scenarios compare ConnectState with them.
enum ConnectStep : std::uint8_t {
  kConnectIdle = 0,      // nothing to do; START connects by hand
  kConnectLost = 1,      // show the device disconnected, then idle
  kConnectWait = 3,      // count WaitTicks down, then go to NextState
  kConnectIdentify = 4,  // read the identification record
  kConnectSearch = 6,    // enumerate, find, open and init the transmitter
};

// Where the frame trace goes (--trace, --log, the scenario runner's log).
using HidTraceSink = void (*)(const HidTraceEvent& event, void* context);
struct TraceWiring {
  HidTraceSink hid_sink = nullptr;
  void* hid_context = nullptr;
  std::ostream* out = nullptr;  // the program's trace text
};

// What the user chose that is remembered between runs. Path empty: nothing is
// read or written (tests, scenarios).
struct UserSettings {
  bool FastOutputCalibration = false;
  std::string Language;  // "cs", "en", or empty: the locale's
  std::string Path;
};

struct ProgramState {
  // Connection globals (main window).
  ConnectStep ConnectState = kConnectWait;
  ConnectStep NextState = kConnectSearch;
  std::int32_t WaitTicks = 30;
  // Refused opens or inits of the automatic connection in a row.
  std::int32_t ConnectFailures = 0;
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

  // The runs of the dialogs with a state machine of their own
  // (core/dialog_runs.h); they persist between openings.
  TransferRun Transfer;
  ValuesRun Values;
  OutputModuleRun OutputModule;
  InputCalibrationRun InputCalibration;
  OutputCalibrationRun OutputCalibration;
  // What the calibration in progress (or the last one) did, point by point;
  // created by its first use.
  std::shared_ptr<CalibrationReport> Calibration;
  std::unique_ptr<FirmwareImage> Firmware = std::make_unique<FirmwareImage>();
  BootRun Bootloader;

  TraceWiring Trace;
};

// The one instance.
ProgramState& Program();
// The short name the code uses throughout; the same object.
inline ProgramState& G() { return Program(); }

// Fresh program state (as at program start): connection, buffers, slots,
// every dialog's run, the bootloader's run and the trace. Keeps the HID backend.
void ResetProgramState();

// The HID backend in use (the platform's or a simulated bus; not owned).
// "Backend" alone is the window layer's (ui::Backend).
HidBackend* CurrentHidBackend();
void SetCurrentHidBackend(HidBackend* backend);

// C-string view of one of the zero-terminated text globals.
template <std::size_t N>
std::string TextOf(const std::array<char, N>& text) {
  std::size_t n = 0;
  while (n < N && text[n] != '\0') ++n;
  return std::string(text.data(), n);
}

}  // namespace travik
