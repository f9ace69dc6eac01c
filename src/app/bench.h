// The devices on a service bench: every transmitter and calibration device
// present, identified as the main window identifies a transmitter, and the
// choice of one of them (`--device`). Used by travik-cli's commands and by
// the window program's --device.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "hid/hid_backend.h"

namespace travik {

struct BenchDevice {
  enum class Role { kTransmitter, kCalibrator };
  std::string path;
  Role role = Role::kTransmitter;
  std::uint16_t vendor = 0;
  std::uint16_t product = 0;
  bool openable = true;
  std::string problem;       // why it cannot be opened or identified, with a hint
  std::string product_text;  // the USB product string
  std::string id_text;       // the identification record's ID text, trimmed
  std::string firmware;      // "00.01.05"
  int device_type = -1;      // transmitters; -1 when not identified
  std::string model;         // "KDB"; "" when not identified
  std::string serial;        // "SN10222" from the ID text; "" when it has none
};

// Walks the backend's interfaces with the program's HID and frame functions:
// vendor collections with the transmitter's or the calibration device's
// identifiers, each sent init and its identification record read. Uses the
// program state: call it before a program runs, never during.
std::vector<BenchDevice> ProbeBench(HidBackend& backend);

// The serial in an ID text: the word that begins with "SN" and goes on with a
// digit ("SN10222"); "" when there is none.
std::string SerialOfIdText(const std::string& id_text);

// The transmitter `selector` names: its node path, the serial from its ID
// text, or its model when no other transmitter has that model. An empty
// selector picks the only transmitter. Returns its index in `bench`, or -1
// with the reason in `why`.
int SelectTransmitter(const std::vector<BenchDevice>& bench, const std::string& selector,
                      std::string& why);

// Paths to hide so that the program finds the chosen transmitter: every other
// transmitter. Calibration devices stay visible.
std::set<std::string> OtherTransmitters(const std::vector<BenchDevice>& bench, int chosen);

}  // namespace travik
