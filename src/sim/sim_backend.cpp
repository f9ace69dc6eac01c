#include "sim/sim_backend.h"

#include <chrono>

#include <algorithm>

namespace travik::sim {
namespace {

std::size_t Index(Exchange kind) { return static_cast<std::size_t>(kind); }

}  // namespace

const char* ExchangeName(Exchange kind) {
  switch (kind) {
    case Exchange::kOpen: return "open";
    case Exchange::kClose: return "close";
    case Exchange::kSetFeature: return "set-feature";
    case Exchange::kGetFeature: return "get-feature";
    case Exchange::kReadInput: return "read-input";
    case Exchange::kWriteOutput: return "write-output";
    case Exchange::kProductString: return "product-string";
  }
  return "?";
}

SimBackend::SimBackend() = default;
SimBackend::~SimBackend() = default;

void SimBackend::AddDevice(std::unique_ptr<SimDevice> device, Group group) {
  device->clock_ = &clock_;
  // Stable within a group: devices keep the order they were added in.
  auto after = std::find_if(devices_.begin(), devices_.end(),
                            [group](const Entry& e) { return e.group > group; });
  devices_.insert(after, Entry{std::move(device), group});
}

void SimBackend::AdvanceDevices() {
  const std::int64_t now = Now();
  for (const Entry& e : devices_) e.device->Advance(now);
}

void SimBackend::BeginExchange(Exchange kind, const std::string& path) {
  AdvanceDevices();
  if (before_exchange_) {
    before_exchange_(kind, path);
    AdvanceDevices();
  }
}

std::string SimBackend::NextPath(std::string_view stem) {
  int n = ++path_counters_[std::string(stem)];
  return "sim/" + std::string(stem) + "-" + std::to_string(n);
}

SimTransmitter& SimBackend::AddTransmitter() {
  return Add(std::make_unique<SimTransmitter>(NextPath("transmitter")), Group::kTransmitter);
}

SimTransmitter& SimBackend::AddTransmitter(const SimModel& model) {
  return Add(std::make_unique<SimTransmitter>(model, NextPath("transmitter")), Group::kTransmitter);
}

SimDevice& SimBackend::AddVendorDevice(std::uint16_t vendor, std::uint16_t product,
                                       std::u16string product_string) {
  return Add(std::make_unique<SimDevice>(NextPath("vendor"), vendor, product, kUsagePageVendor,
                                         kUsageVendor, std::move(product_string)),
             Group::kVendor);
}

SimDevice& SimBackend::AddVendorOtherUsage(std::uint16_t usage) {
  return Add(std::make_unique<SimDevice>(NextPath("vendor-other"), 0x1234, 0x0001, kUsagePageVendor,
                                         usage, u"Vendor HID interface"),
             Group::kVendorOtherUsage);
}

SimDevice& SimBackend::AddKeyboard() {
  return Add(std::make_unique<SimDevice>(NextPath("keyboard"), 0x046D, 0xC31C,
                                         kUsagePageGenericDesktop, kUsageKeyboard, u"USB Keyboard"),
             Group::kStandard);
}

SimDevice& SimBackend::AddMouse() {
  return Add(std::make_unique<SimDevice>(NextPath("mouse"), 0x046D, 0xC077, kUsagePageGenericDesktop,
                                         kUsageMouse, u"USB Optical Mouse"),
             Group::kStandard);
}

std::string SimBackend::Diagnose(std::uint16_t vendor, std::uint16_t product) {
  std::string report;
  for (const Entry& e : devices_) {
    const SimDevice& d = *e.device;
    if (d.present() && !d.openable() && d.vendor() == vendor && d.product() == product)
      report += (report.empty() ? "" : "\n") + d.path() + ": permission denied";
  }
  return report;
}

SimDevice& SimBackend::AddUnopenable(std::uint16_t vendor, std::uint16_t product) {
  auto device = std::make_unique<SimDevice>(NextPath("locked"), vendor, product, kUsagePageVendor,
                                            kUsageVendor, u"Locked HID device");
  device->set_openable(false);
  return Add(std::move(device), Group::kUnopenable);
}

std::vector<SimDevice*> SimBackend::Devices() const {
  std::vector<SimDevice*> list;
  for (const Entry& e : devices_) list.push_back(e.device.get());
  return list;
}

SimDevice* SimBackend::Find(std::string_view path) const {
  for (const Entry& e : devices_) {
    if (e.device->path() == path) return e.device.get();
  }
  return nullptr;
}

void SimBackend::FailNth(Exchange kind, int n, const SimDevice* device) {
  if (n < 1 || kind == Exchange::kClose) return;
  const std::uint64_t base = device ? device_counters_[device][Index(kind)] : counters_[Index(kind)];
  faults_.push_back({kind, base + static_cast<std::uint64_t>(n), false, device});
}

void SimBackend::FailAll(Exchange kind, bool fail, const SimDevice* device) {
  if (kind == Exchange::kClose) return;
  if (device)
    device_fail_all_[device][Index(kind)] = fail;
  else
    fail_all_[Index(kind)] = fail;
}

void SimBackend::TimeoutNthRead(int n, const SimDevice* device) {
  if (n < 1) return;
  const std::size_t k = Index(Exchange::kReadInput);
  const std::uint64_t base = device ? device_counters_[device][k] : counters_[k];
  faults_.push_back({Exchange::kReadInput, base + static_cast<std::uint64_t>(n), true, device});
}

void SimBackend::ClearFaults() {
  faults_.clear();
  fail_all_.fill(false);
  device_fail_all_.clear();
}

SimBackend::Injected SimBackend::Count(Exchange kind, const SimDevice* device) {
  const std::size_t k = Index(kind);
  const std::uint64_t now = ++counters_[k];
  const std::uint64_t device_now = device ? ++device_counters_[device][k] : 0;
  bool refuse = fail_all_[k];
  if (device) {
    auto it = device_fail_all_.find(device);
    refuse = refuse || (it != device_fail_all_.end() && it->second[k]);
  }
  Injected injected = refuse ? Injected::kRefuse : Injected::kNone;
  for (auto it = faults_.begin(); it != faults_.end();) {
    const bool due = it->kind == kind && (it->device == nullptr ? it->at == now
                                                                : it->device == device && it->at == device_now);
    if (due) {
      if (injected == Injected::kNone) injected = it->timeout ? Injected::kTimeout : Injected::kRefuse;
      it = faults_.erase(it);
    } else {
      ++it;
    }
  }
  return injected;
}

std::vector<LogEntry> SimBackend::LogOf(Exchange kind) const {
  std::vector<LogEntry> list;
  for (const LogEntry& e : log_) {
    if (e.kind == kind) list.push_back(e);
  }
  return list;
}

int SimBackend::CloseCount(HidHandle handle) const {
  auto it = handles_.find(handle);
  return it == handles_.end() ? 0 : it->second.closes;
}

int SimBackend::OpenHandles() const {
  return static_cast<int>(std::count_if(handles_.begin(), handles_.end(),
                                        [](const auto& h) { return h.second.open; }));
}

SimDevice* SimBackend::Live(HidHandle handle) const {
  auto it = handles_.find(handle);
  if (it == handles_.end() || !it->second.open) return nullptr;
  SimDevice* device = it->second.device;
  if (!device->present() || device->generation() != it->second.generation) return nullptr;
  return device;
}

std::string SimBackend::PathOf(HidHandle handle) const {
  auto it = handles_.find(handle);
  return it == handles_.end() ? std::string() : it->second.device->path();
}

void SimBackend::Record(Exchange kind, HidHandle handle, const std::uint8_t* bytes, std::size_t length,
                        bool ok, bool timed_out) {
  LogEntry entry{kind, PathOf(handle), {}, ok, timed_out, handle};
  if (bytes != nullptr) entry.bytes.assign(bytes, bytes + length);
  log_.push_back(std::move(entry));
  TrimHistory();
}

void SimBackend::TrimHistory() {
  if (history_limit_ == 0) return;
  if (log_.size() > history_limit_)
    log_.erase(log_.begin(), log_.begin() + static_cast<std::ptrdiff_t>(log_.size() / 2));
  if (handles_.size() > history_limit_)
    std::erase_if(handles_, [](const auto& h) { return !h.second.open; });
}

std::vector<std::string> SimBackend::ListInterfaces() {
  AdvanceDevices();
  std::vector<std::string> paths;
  for (const Entry& e : devices_) {
    if (e.device->present()) paths.push_back(e.device->path());
  }
  return paths;
}

HidHandle SimBackend::Open(const std::string& path) {
  BeginExchange(Exchange::kOpen, path);
  last_open_error_.clear();
  SimDevice* device = nullptr;
  for (const Entry& e : devices_) {
    if (e.device->path() == path && e.device->present()) {
      device = e.device.get();
      break;
    }
  }
  const Injected injected = Count(Exchange::kOpen, device);
  HidHandle handle = kClosedHandle;
  if (device == nullptr) {
    last_open_error_ = "device not present";
  } else if (!device->openable()) {
    last_open_error_ = "permission denied";
  } else if (injected != Injected::kNone) {
    last_open_error_ = "refused";
  } else {
    handle = next_handle_++;
    handles_[handle] = HandleState{device, device->generation(), true, 0};
  }
  LogEntry entry{Exchange::kOpen, path, {}, handle != kClosedHandle, false, handle};
  log_.push_back(std::move(entry));
  return handle;
}

void SimBackend::Close(HidHandle handle) {
  auto it = handles_.find(handle);
  if (it == handles_.end() || !it->second.open) {
    ++stale_closes_;
    if (it != handles_.end()) ++it->second.closes;
    Record(Exchange::kClose, handle, nullptr, 0, false);
    return;
  }
  it->second.open = false;
  ++it->second.closes;
  Record(Exchange::kClose, handle, nullptr, 0, true);
}

bool SimBackend::GetCaps(HidHandle handle, std::uint16_t& usage_page, std::uint16_t& usage) {
  SimDevice* device = Live(handle);
  if (device == nullptr) return false;
  usage_page = device->usage_page();
  usage = device->usage();
  return true;
}

bool SimBackend::GetAttributes(HidHandle handle, std::uint16_t& vendor, std::uint16_t& product) {
  SimDevice* device = Live(handle);
  if (device == nullptr) return false;
  vendor = device->vendor();
  product = device->product();
  return true;
}

bool SimBackend::SetFeature(HidHandle handle, const std::uint8_t* buffer, std::size_t length) {
  BeginExchange(Exchange::kSetFeature, PathOf(handle));
  SimDevice* device = Live(handle);
  const Injected injected = Count(Exchange::kSetFeature, device);
  bool ok = device != nullptr && buffer != nullptr && injected == Injected::kNone &&
            device->OnSetFeature(buffer, length);
  Record(Exchange::kSetFeature, handle, buffer, buffer != nullptr ? length : 0, ok);
  return ok;
}

bool SimBackend::GetFeature(HidHandle handle, std::uint8_t* buffer, std::size_t length) {
  BeginExchange(Exchange::kGetFeature, PathOf(handle));
  SimDevice* device = Live(handle);
  const Injected injected = Count(Exchange::kGetFeature, device);
  bool ok = device != nullptr && buffer != nullptr && length > 0 && injected == Injected::kNone &&
            device->OnGetFeature(buffer, length);
  Record(Exchange::kGetFeature, handle, ok ? buffer : nullptr, length, ok);
  return ok;
}

bool SimBackend::ReadInput(HidHandle handle, std::uint8_t* buffer, std::size_t length,
                           std::uint32_t& transferred, int /*timeout_ms: nothing waits here*/) {
  BeginExchange(Exchange::kReadInput, PathOf(handle));
  transferred = 0;
  SimDevice* device = Live(handle);
  const Injected injected = Count(Exchange::kReadInput, device);
  bool ok = false;
  bool timed_out = false;
  if (device != nullptr && buffer != nullptr && length > 0 && injected != Injected::kRefuse) {
    if (injected == Injected::kTimeout) {
      timed_out = true;
    } else {
      ok = device->OnReadInput(buffer, length, transferred);
      timed_out = !ok;
      if (!ok) transferred = 0;
    }
  }
  Record(Exchange::kReadInput, handle, ok ? buffer : nullptr, transferred, ok, timed_out);
  return ok;
}

bool SimBackend::WriteOutput(HidHandle handle, const std::uint8_t* buffer, std::size_t length,
                             std::uint32_t& transferred) {
  BeginExchange(Exchange::kWriteOutput, PathOf(handle));
  transferred = 0;
  SimDevice* device = Live(handle);
  const Injected injected = Count(Exchange::kWriteOutput, device);
  bool ok = device != nullptr && buffer != nullptr && length > 0 && injected == Injected::kNone &&
            device->OnWriteOutput(buffer, length);
  if (ok) transferred = static_cast<std::uint32_t>(length);
  Record(Exchange::kWriteOutput, handle, buffer, buffer != nullptr ? length : 0, ok);
  return ok;
}

bool SimBackend::GetProductString(HidHandle handle, std::u16string& text) {
  BeginExchange(Exchange::kProductString, PathOf(handle));
  SimDevice* device = Live(handle);
  const Injected injected = Count(Exchange::kProductString, device);
  bool ok = device != nullptr && injected == Injected::kNone;
  if (ok) text = device->product_string().substr(0, 127);
  Record(Exchange::kProductString, handle, nullptr, 0, ok);
  return ok;
}

void SimBackend::UseRealClock() {
  const auto start = std::chrono::steady_clock::now();
  clock_ = [start] {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
  };
}

}  // namespace travik::sim
