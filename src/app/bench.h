// The devices on a service bench: every transmitter and calibration device
// present, identified as the main window identifies a transmitter, and the
// choice of one of them (`--device`). Used by travik-cli's commands and by
// the window program's --device.
#pragma once

#include <cstdint>
#include <iosfwd>
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

// "transmitter" or "calibrator", as the tables and --json name them.
const char* RoleName(BenchDevice::Role role);
// A USB identifier as four upper-case hex digits ("A600").
std::string Hex4(std::uint16_t v);

// The serial in an ID text: the word that begins with "SN" and goes on with a
// digit ("SN10222"); "" when there is none.
std::string SerialOfIdText(const std::string& id_text);

// The ID text with its serial's number raised by 1000 × copy ("SN10222" →
// "SN11222"): another simulated unit of the same model.
std::string OtherSerial(const std::string& id_text, int copy);

// The transmitter `selector` names: its node path, the serial from its ID
// text, or its model when no other transmitter has that model. An empty
// selector picks the only transmitter. Returns its index in `bench`, or -1
// with the reason in `why`.
int SelectTransmitter(const std::vector<BenchDevice>& bench, const std::string& selector,
                      std::string& why);

// Paths to hide so that the program finds the chosen transmitter: every other
// transmitter. Calibration devices stay visible.
std::set<std::string> OtherTransmitters(const std::vector<BenchDevice>& bench, int chosen);

// Rows as columns two blanks apart, each as wide as its widest cell.
void PrintTable(const std::vector<std::vector<std::string>>& rows, std::ostream& out);

// The bench as a table: path, identifiers, kind, model, serial, firmware, ID
// text and whether it can be used.
void PrintBenchTable(const std::vector<BenchDevice>& bench, std::ostream& out);

}  // namespace travik
