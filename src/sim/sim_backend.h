// A HidBackend made of simulated devices, with fault injection and a log of
// every exchange so that tests can assert the exact frames and their order.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "hid/hid_backend.h"
#include "sim/sim_device.h"
#include "sim/sim_models.h"
#include "sim/sim_transmitter.h"

namespace travik::sim {

// Enumeration order is by group, then by the order devices were added.
enum class Group { kTransmitter, kVendor, kVendorOtherUsage, kStandard, kUnopenable };

enum class Exchange { kOpen, kClose, kSetFeature, kGetFeature, kReadInput, kWriteOutput, kProductString };
const char* ExchangeName(Exchange kind);

struct LogEntry {
  Exchange kind;
  std::string path;  // "" for a handle the backend does not know
  std::vector<std::uint8_t> bytes;  // sent, or received (empty when nothing was)
  bool ok;
  bool timed_out = false;  // an input read whose wait expired
  HidHandle handle = kClosedHandle;
};

class SimBackend : public HidBackend {
 public:
  SimBackend();
  ~SimBackend() override;

  // Devices are owned by the backend; the references stay valid for its life.
  template <class Device>
  Device& Add(std::unique_ptr<Device> device, Group group) {
    Device& added = *device;
    AddDevice(std::move(device), group);
    return added;
  }
  SimTransmitter& AddTransmitter();
  SimTransmitter& AddTransmitter(const SimModel& model);
  // Page 0xFF00 usage 1 with other identifiers.
  SimDevice& AddVendorDevice(std::uint16_t vendor, std::uint16_t product,
                             std::u16string product_string = u"Vendor HID device");
  SimDevice& AddVendorOtherUsage(std::uint16_t usage);
  SimDevice& AddKeyboard();
  SimDevice& AddMouse();
  // Listed but cannot be opened; vendor-defined with the transmitter's ids by default.
  SimDevice& AddUnopenable(std::uint16_t vendor = kDefaultTransmitterVendor,
                           std::uint16_t product = kDefaultTransmitterProduct);

  // In enumeration order.
  std::vector<SimDevice*> Devices() const;
  SimDevice* Find(std::string_view path) const;
  void Unplug(SimDevice& device) { device.Unplug(); }
  void Replug(SimDevice& device) { device.Replug(); }

  // Faults, counted per kind from the moment they are armed: n = 1 is the next
  // exchange of that kind. kClose cannot be refused. With a device, only that
  // device's exchanges count and fail.
  void FailNth(Exchange kind, int n, const SimDevice* device = nullptr);
  void FailAll(Exchange kind, bool fail, const SimDevice* device = nullptr);
  void TimeoutNthRead(int n, const SimDevice* device = nullptr);
  void ClearFaults();

  // Called before every exchange but a close, with the device's path, ahead of
  // any fault and of the handle's check: lets a test unplug a device just
  // before a given exchange.
  using ExchangeHook = std::function<void(Exchange, const std::string& path)>;
  void SetBeforeExchange(ExchangeHook hook) { before_exchange_ = std::move(hook); }

  void SetClock(std::function<std::int64_t()> clock) { clock_ = std::move(clock); }
  // Milliseconds of the steady clock since this call: devices on real timers.
  void UseRealClock();
  std::int64_t Now() const { return clock_ ? clock_() : 0; }

  const std::vector<LogEntry>& Log() const { return log_; }
  std::vector<LogEntry> LogOf(Exchange kind) const;
  void ClearLog() { log_.clear(); }
  // For long runs (the GUI's simulator polls 50 times a second): keeps at most
  // about this many log entries and closed handles, dropping the oldest.
  // 0, the default, keeps everything.
  void SetHistoryLimit(std::size_t entries) { history_limit_ = entries; }

  // Handle bookkeeping: closes received per handle, closes of a handle that
  // was never opened or already closed, handles open now.
  int CloseCount(HidHandle handle) const;
  int StaleCloses() const { return stale_closes_; }
  int OpenHandles() const;

  // HidBackend.
  std::vector<std::string> ListInterfaces() override;
  HidHandle Open(const std::string& path) override;
  void Close(HidHandle handle) override;
  bool GetCaps(HidHandle handle, std::uint16_t& usage_page, std::uint16_t& usage) override;
  bool GetAttributes(HidHandle handle, std::uint16_t& vendor, std::uint16_t& product) override;
  bool SetFeature(HidHandle handle, const std::uint8_t* buffer, std::size_t length) override;
  bool GetFeature(HidHandle handle, std::uint8_t* buffer, std::size_t length) override;
  bool ReadInput(HidHandle handle, std::uint8_t* buffer, std::size_t length,
                 std::uint32_t& transferred, int timeout_ms) override;
  bool WriteOutput(HidHandle handle, const std::uint8_t* buffer, std::size_t length,
                   std::uint32_t& transferred) override;
  bool GetProductString(HidHandle handle, std::u16string& text) override;
  std::string LastOpenError() override { return last_open_error_; }
  // Present devices with these identifiers that cannot be opened, one line
  // each ("PATH: permission denied"), as the real backend reports them.
  std::string Diagnose(std::uint16_t vendor, std::uint16_t product) override;

 private:
  struct Entry {
    std::unique_ptr<SimDevice> device;
    Group group;
  };
  struct HandleState {
    SimDevice* device = nullptr;
    std::uint64_t generation = 0;
    bool open = true;
    int closes = 0;
  };
  struct Fault {
    Exchange kind;
    std::uint64_t at;  // value of the kind's counter (the device's, with one) that fails
    bool timeout;
    const SimDevice* device = nullptr;
  };
  using Counters = std::array<std::uint64_t, 7>;

  void AddDevice(std::unique_ptr<SimDevice> device, Group group);
  void AdvanceDevices();
  // AdvanceDevices, then the before-exchange hook.
  void BeginExchange(Exchange kind, const std::string& path);
  std::string NextPath(std::string_view stem);
  // The device behind a live handle: open, device present, not unplugged since.
  SimDevice* Live(HidHandle handle) const;
  std::string PathOf(HidHandle handle) const;
  // Counts the exchange; the armed fault it triggers, if any.
  enum class Injected { kNone, kRefuse, kTimeout };
  Injected Count(Exchange kind, const SimDevice* device);
  void Record(Exchange kind, HidHandle handle, const std::uint8_t* bytes, std::size_t length, bool ok,
              bool timed_out = false);

  std::vector<Entry> devices_;
  std::map<HidHandle, HandleState> handles_;
  HidHandle next_handle_ = 1;
  int stale_closes_ = 0;
  std::map<std::string, int> path_counters_;
  std::array<std::uint64_t, 7> counters_{};
  std::array<bool, 7> fail_all_{};
  std::map<const SimDevice*, Counters> device_counters_;
  std::map<const SimDevice*, std::array<bool, 7>> device_fail_all_;
  std::vector<Fault> faults_;
  std::function<std::int64_t()> clock_;
  ExchangeHook before_exchange_;
  std::vector<LogEntry> log_;
  std::string last_open_error_;
  std::size_t history_limit_ = 0;
  void TrimHistory();
};

}  // namespace travik::sim
