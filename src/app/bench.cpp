#include "app/bench.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ostream>

#include "core/globals.h"
#include "core/text.h"
#include "hid/hid.h"
#include "protocol/frames.h"
#include "protocol/identification.h"

namespace travik {
namespace {

bool Same(const UsbIds& ids, std::uint16_t vendor, std::uint16_t product) {
  return (ids.vendor & 0xFFFF) == vendor && (ids.product & 0xFFFF) == product;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

constexpr std::uint8_t kProbeSlot = 1;

// What the backend's diagnosis says of `path` among the devices with our
// identifiers ("permission denied …"), or "".
std::string OpenProblem(HidBackend& backend, const std::string& path) {
  const auto& g = G();
  const std::string report =
      backend.Diagnose(static_cast<std::uint16_t>(g.TransmitterIds.vendor),
                       static_cast<std::uint16_t>(g.TransmitterIds.product)) +
      '\n' +
      backend.Diagnose(static_cast<std::uint16_t>(g.CalibratorIds.vendor),
                       static_cast<std::uint16_t>(g.CalibratorIds.product));
  const std::string prefix = path + ": ";
  std::size_t at = 0;
  while (at < report.size()) {
    const std::size_t end = std::min(report.find('\n', at), report.size());
    const std::string_view line(report.data() + at, end - at);
    if (line.starts_with(prefix)) return std::string(line.substr(prefix.size()));
    at = end + 1;
  }
  return {};
}

// Init and the identification record, on the device open in the probe slot.
void Identify(BenchDevice& d) {
  FrameInit();
  if (!SendCommand(kProbeSlot) || !ReadInput(kProbeSlot)) {
    d.problem = "does not answer init with its identification";
    return;
  }
  FillIdentification();
  d.id_text = Cp1250ToUtf8(TrimBlanks(G().DeviceIdText.data()));
  d.firmware = TrimBlanks(G().FirmwareText.data());
  d.serial = SerialOfIdText(d.id_text);
  if (d.role == BenchDevice::Role::kTransmitter) {
    d.device_type = DeviceTypeOfId(std::string(G().DeviceIdText.data() + 2));
    d.model = d.device_type >= 0 ? ModelName(d.device_type) : "";
  }
}

}  // namespace

std::string SerialOfIdText(const std::string& id_text) {
  std::size_t at = 0;
  while ((at = id_text.find("SN", at)) != std::string::npos) {
    const bool starts_word = at == 0 || id_text[at - 1] == ' ';
    if (starts_word && at + 2 < id_text.size() &&
        std::isdigit(static_cast<unsigned char>(id_text[at + 2]))) {
      const auto end = id_text.find(' ', at);
      return id_text.substr(at, end == std::string::npos ? std::string::npos : end - at);
    }
    at += 2;
  }
  return {};
}

std::string OtherSerial(const std::string& id_text, int copy) {
  const std::string serial = SerialOfIdText(id_text);
  if (serial.empty()) return id_text;
  const std::size_t at = id_text.find(serial);
  const long number = std::strtol(serial.c_str() + 2, nullptr, 10) + 1000L * copy;
  std::string next = "SN" + std::to_string(number);
  std::string text = id_text.substr(0, at) + next + id_text.substr(at + serial.size());
  // Keeps the text's length: blanks after the serial make room.
  if (text.size() > id_text.size()) {
    const auto end = text.find_last_not_of(' ');
    text.erase(std::max(end + 1, id_text.size()));
  }
  return text;
}

const char* RoleName(BenchDevice::Role role) {
  return role == BenchDevice::Role::kTransmitter ? "transmitter" : "calibrator";
}

std::string Hex4(std::uint16_t v) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", v);
  return text;
}

std::vector<BenchDevice> ProbeBench(HidBackend& backend) {
  HidBackend* const before = CurrentHidBackend();
  SetCurrentHidBackend(&backend);
  auto& g = G();
  std::vector<BenchDevice> bench;
  for (const std::string& path : backend.ListInterfaces()) {
    const HidHandle h = backend.Open(path);
    if (h == kClosedHandle) {
      // Only the backend's diagnosis can tell whether a node this user may
      // not open is one of ours; other locked devices are none of our business.
      const std::string why = OpenProblem(backend, path);
      if (!why.empty()) {
        BenchDevice d;
        d.path = path;
        d.openable = false;
        d.problem = why;
        bench.push_back(std::move(d));
      }
      continue;
    }
    std::uint16_t page = 0, usage = 0, vendor = 0, product = 0;
    const bool vendor_collection = backend.GetCaps(h, page, usage) && page == kVendorUsagePage &&
                                   usage == kVendorUsage;
    const bool ids = backend.GetAttributes(h, vendor, product);
    backend.Close(h);
    if (!vendor_collection || !ids) continue;
    BenchDevice d;
    d.path = path;
    d.vendor = vendor;
    d.product = product;
    if (Same(g.TransmitterIds, vendor, product)) {
      d.role = BenchDevice::Role::kTransmitter;
    } else if (Same(g.CalibratorIds, vendor, product)) {
      d.role = BenchDevice::Role::kCalibrator;
    } else {
      continue;
    }
    // The program's own slot functions, on a list of this one device.
    ClearDeviceList();
    g.Devices.paths[0] = path;
    g.Devices.count = 1;
    if (!OpenRemembered(0, kProbeSlot)) {
      d.openable = false;
      d.problem = backend.LastOpenError();
      if (d.problem.empty()) d.problem = "cannot be opened";
    } else {
      char text[129] = {};
      if (ReadProductText(text, 128, kProbeSlot)) d.product_text = text;
      Identify(d);
      CloseSlot(kProbeSlot);
    }
    bench.push_back(std::move(d));
  }
  ClearDeviceList();
  SetCurrentHidBackend(before);
  return bench;
}

int SelectTransmitter(const std::vector<BenchDevice>& bench, const std::string& selector,
                      std::string& why) {
  std::vector<int> transmitters;
  for (std::size_t i = 0; i < bench.size(); ++i)
    if (bench[i].role == BenchDevice::Role::kTransmitter && bench[i].openable)
      transmitters.push_back(static_cast<int>(i));
  if (selector.empty()) {
    if (transmitters.size() == 1) return transmitters.front();
    why = transmitters.empty() ? "no transmitter found"
                               : std::to_string(transmitters.size()) +
                                     " transmitters present; choose one with --device";
    return -1;
  }
  for (const auto& d : bench)
    if (d.path == selector && !d.openable) {
      why = "device " + selector + " cannot be opened: " + d.problem;
      return -1;
    }
  for (int i : transmitters)
    if (bench[i].path == selector) return i;
  for (int i : transmitters)
    if (!bench[i].serial.empty() && bench[i].serial == selector) return i;
  std::vector<int> of_model;
  for (int i : transmitters)
    if (EqualNoCase(bench[i].model, selector)) of_model.push_back(i);
  if (of_model.size() == 1) return of_model.front();
  why = of_model.empty() ? "no transmitter matches " + selector
                         : std::to_string(of_model.size()) + " transmitters of model " + selector +
                               " present; choose one by serial or path";
  return -1;
}

std::set<std::string> OtherTransmitters(const std::vector<BenchDevice>& bench, int chosen) {
  std::set<std::string> hidden;
  for (std::size_t i = 0; i < bench.size(); ++i)
    if (static_cast<int>(i) != chosen && bench[i].role == BenchDevice::Role::kTransmitter)
      hidden.insert(bench[i].path);
  return hidden;
}

void PrintTable(const std::vector<std::vector<std::string>>& rows, std::ostream& out) {
  std::vector<std::size_t> widths;
  auto width = [](const std::string& s) {
    std::size_t n = 0;  // code points, for the Czech letters
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
  };
  for (const auto& r : rows)
    for (std::size_t i = 0; i < r.size(); ++i) {
      if (widths.size() <= i) widths.push_back(0);
      widths[i] = std::max(widths[i], width(r[i]));
    }
  for (const auto& r : rows) {
    std::string line;
    for (std::size_t i = 0; i < r.size(); ++i) {
      line += r[i];
      if (i + 1 < r.size()) line += std::string(widths[i] - width(r[i]) + 2, ' ');
    }
    out << line.substr(0, line.find_last_not_of(' ') + 1) << '\n';
  }
}


void PrintBenchTable(const std::vector<BenchDevice>& bench, std::ostream& out) {
  if (bench.empty()) {
    out << "no transmitter or calibration device found\n";
    return;
  }
  std::vector<std::vector<std::string>> rows{
      {"PATH", "IDS", "KIND", "MODEL", "SERIAL", "FIRMWARE", "ID TEXT", "STATUS"}};
  for (const auto& d : bench) {
    const std::string ids = d.openable ? Hex4(d.vendor) + ":" + Hex4(d.product) : "?";
    const std::string status = d.problem.empty() ? "ok" : d.problem;
    rows.push_back({d.path, ids, d.openable ? RoleName(d.role) : "?", d.model.empty() ? "-" : d.model,
                    d.serial.empty() ? "-" : d.serial, d.firmware.empty() ? "-" : d.firmware,
                    d.id_text.empty() ? "-" : d.id_text, status});
  }
  PrintTable(rows, out);
}

}  // namespace travik
