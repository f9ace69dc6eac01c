// A simulated transmitter (application and bootloader), or a simulated
// calibration device, presented to the kernel through /dev/uhid as a real HID
// device. The device's behaviour is the simulation's; this file is only the
// transport, written against a Channel so that the kernel side can be replaced
// in tests.
//
// Reports, as a USB transmitter has them: no report IDs, an 8-byte feature
// report and 63-byte input and output reports, so that with the report-ID byte
// in front they are the 9 and 64 bytes the host's buffers hold.
//
// uhid conventions (those of the Linux 6.1 uhid driver): SET_REPORT and OUTPUT
// data arrive with the report-ID byte 0 first; a GET_REPORT reply carries it
// first too; UHID_INPUT2 data of an unnumbered report goes without it.
//
// Input reports follow the interrupt endpoint of a USB device: the device arms
// one report after a command that asks for data, and the host takes it while it
// has the device open. A report armed while nobody has the device open waits
// for the next open. One armed while the device is open goes out kArmDelayMs
// later: each hidraw open has its own queue, so a report sent before the host
// has closed the command's handle would be lost with it, while a host that keeps
// the device open waits for the report with its bounded read anyway.
//
// A streaming device (the calibration device after read block 1) sends a
// report every stream period instead, for as long as the host has it open:
// the host keeps such a device open and takes the reports as they come.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <linux/uhid.h>

#include "sim/sim_device.h"

namespace travik::uhid {

// The host's report sizes less the report-ID byte.
inline constexpr std::size_t kFeaturePayload = sim::kFeatureReportSize - 1;
inline constexpr std::size_t kDataPayload = sim::kDataReportSize - 1;
inline constexpr std::int64_t kArmDelayMs = 300;
// How long an injected unplug waits, so that the host is inside its read.
inline constexpr std::int64_t kUnplugDuringReadMs = 100;
// The pace of a streaming device's reports.
inline constexpr std::int64_t kStreamPeriodMs = 100;

// The kernel side: one uhid event written to /dev/uhid.
class Channel {
 public:
  virtual ~Channel() = default;
  virtual bool Write(const uhid_event& event) = 0;
};

// The report descriptor: a vendor-defined collection (usage page 0xFF00,
// usage 1) with the three reports. With a keyboard collection first, the
// vendor collection is the second of two (a composite device).
std::vector<std::uint8_t> ReportDescriptor(bool keyboard_first);

// UTF-16 product string as the UTF-8 device name uhid takes.
std::string DeviceName(const std::u16string& product);

struct Behaviour {
  // How long the device takes to prepare a report while the host has it open.
  std::int64_t answer_delay_ms = kArmDelayMs;
  // The nth input report the device would send (1 = the first) is not sent;
  // instead the device leaves the bus while the host waits for it. 0 = never.
  int unplug_at_input = 0;
  // After such an unplug, the device comes back this much later; < 0 = never.
  std::int64_t replug_after_ms = -1;
  // The nth input report is never sent: the host's wait runs out. 0 = never.
  int drop_input = 0;
  // While this says so, the device streams (every stream_period_ms while
  // open) and commands arm no report of their own. Unset: it never streams.
  std::function<bool()> streaming;
  std::int64_t stream_period_ms = kStreamPeriodMs;
};

class VirtualDevice {
 public:
  VirtualDevice(sim::SimDevice& brain, Channel& channel, bool keyboard_first = false,
                Behaviour behaviour = {});

  // One event read from /dev/uhid.
  void Handle(const uhid_event& event);
  // Catches up with the clock: restarts, replugs, armed reports, faults.
  void Tick();
  // Removes the kernel device (at exit).
  void Destroy();

  bool created() const { return created_; }
  bool opened() const { return opened_; }
  int creations() const { return creations_; }
  int inputs_sent() const { return inputs_sent_; }
  // Exchanges the device refused because the kernel asked for something else.
  int unexpected_requests() const { return unexpected_; }

 private:
  std::int64_t Now() const { return brain_.Now(); }
  // The vendor collection's report number: 0 (unnumbered), or 2 behind a keyboard.
  std::uint8_t ReportId() const { return keyboard_first_ ? 2 : 0; }
  void Create();
  void OnSetReport(const uhid_set_report_req& req);
  void OnGetReport(const uhid_get_report_req& req);
  void OnOutput(const uhid_output_req& req);
  // After a command frame: the report the device prepares for the host, if any.
  void ArmInput(const std::uint8_t* frame, std::size_t length);
  bool Streaming() const { return behaviour_.streaming && behaviour_.streaming(); }
  void SendStreamed();
  void SendInput(const std::array<std::uint8_t, sim::kDataReportSize>& report);

  sim::SimDevice& brain_;
  Channel& channel_;
  bool keyboard_first_;
  Behaviour behaviour_;
  bool created_ = false;
  bool opened_ = false;
  std::uint64_t generation_ = 0;
  int creations_ = 0;
  std::optional<std::array<std::uint8_t, sim::kDataReportSize>> armed_;
  std::int64_t armed_ready_ms_ = 0;
  std::int64_t next_stream_ms_ = 0;
  int inputs_ = 0;  // reports the device wanted to send (for the fault count)
  int inputs_sent_ = 0;
  std::optional<std::int64_t> unplug_at_ms_;
  std::optional<std::int64_t> replug_at_ms_;
  int unexpected_ = 0;
};

}  // namespace travik::uhid
