#include "hid/hid.h"

#include <atomic>
#include <string>

#include "hid/hid_backend.h"

namespace travik {
namespace {

std::atomic<std::uint64_t> g_exchanges{0};

// Every exchange the program attempts counts, failed or refused ones too:
// what the window layer wants to know is whether the program tried.
void Counted() { g_exchanges.fetch_add(1, std::memory_order_relaxed); }

constexpr std::uint8_t kSlotCount = static_cast<std::uint8_t>(std::tuple_size_v<decltype(ProgramState::Slots)>);

HidSlot* SlotAt(std::uint8_t slot) { return slot < kSlotCount ? &G().Slots[slot] : nullptr; }

// The open handle of a slot, or kClosedHandle when the slot is closed, unknown
// or there is no backend to talk to.
HidHandle OpenHandle(std::uint8_t slot) {
  const HidSlot* s = SlotAt(slot);
  if (s == nullptr || CurrentHidBackend() == nullptr) return kClosedHandle;
  return s->handle;
}

void Trace(HidTraceEvent::Kind kind, std::uint8_t slot, const std::uint8_t* bytes, int length, bool ok) {
  const TraceWiring& trace = G().Trace;
  if (trace.hid_sink == nullptr) return;
  HidTraceEvent event{kind, slot, bytes, length, ok};
  trace.hid_sink(event, trace.hid_context);
}

// Opens a path into a slot, closing whatever the slot held first so that no
// handle is ever overwritten and leaked. The slot stays closed on failure.
bool OpenIntoSlot(const std::string& path, std::uint8_t slot) {
  HidSlot* s = SlotAt(slot);
  if (s == nullptr) return false;
  CloseSlot(slot);
  if (CurrentHidBackend() == nullptr || path.empty()) return false;
  Counted();
  HidHandle handle = CurrentHidBackend()->Open(path);
  if (handle == kClosedHandle) return false;
  s->handle = handle;
  return true;
}

// The walk shared by FindAndRemember and OpenByIds. A device that cannot be
// opened ends the walk: positions behind it are not tried.
bool WalkForIds(std::uint16_t vendor, std::uint16_t product, int count, std::uint8_t slot,
                bool keep_open) {
  HidSlot* s = SlotAt(slot);
  if (s == nullptr) return false;
  CloseSlot(slot);
  if (CurrentHidBackend() == nullptr) return false;
  if (count > kDeviceListCapacity) count = kDeviceListCapacity;
  for (int i = 0; i < count; ++i) {
    const std::string& path = G().Devices.paths[i];
    if (path.empty()) return false;
    if (!OpenIntoSlot(path, slot)) return false;
    std::uint16_t found_vendor = 0;
    std::uint16_t found_product = 0;
    // Unreadable attributes count as a different device.
    bool match = CurrentHidBackend()->GetAttributes(s->handle, found_vendor, found_product) &&
                 found_vendor == vendor && found_product == product;
    if (match) {
      if (!keep_open) {
        s->remembered = i;
        CloseSlot(slot);
      }
      return true;
    }
    CloseSlot(slot);
  }
  return false;
}

}  // namespace

int EnumerateDevices() {
  DeviceList& list = G().Devices;
  // A full list cannot take more; probing the devices would only disturb them.
  if (CurrentHidBackend() == nullptr || list.count >= kDeviceListCapacity) return list.count;
  Counted();
  constexpr std::uint8_t kProbeSlot = 0;
  for (const std::string& path : CurrentHidBackend()->ListInterfaces()) {
    if (!OpenIntoSlot(path, kProbeSlot)) continue;
    std::uint16_t usage_page = 0;
    std::uint16_t usage = 0;
    bool caps = CurrentHidBackend()->GetCaps(G().Slots[kProbeSlot].handle, usage_page, usage);
    if (caps && usage_page == kVendorUsagePage && usage == kVendorUsage) {
      list.paths[list.count] = path;
      ++list.count;
    }
    CloseSlot(kProbeSlot);
    if (list.count >= kDeviceListCapacity) break;
  }
  return list.count;
}

bool FindAndRemember(std::uint16_t vendor, std::uint16_t product, int count, std::uint8_t slot) {
  return WalkForIds(vendor, product, count, slot, /*keep_open=*/false);
}

bool OpenByIds(std::uint16_t vendor, std::uint16_t product, int count, std::uint8_t slot) {
  return WalkForIds(vendor, product, count, slot, /*keep_open=*/true);
}

bool OpenRemembered(int position, std::uint8_t slot) {
  if (SlotAt(slot) == nullptr) return false;
  if (position < 0 || position >= kDeviceListCapacity) {
    CloseSlot(slot);
    return false;
  }
  return OpenIntoSlot(G().Devices.paths[position], slot);
}

void CloseSlot(std::uint8_t slot) {
  HidSlot* s = SlotAt(slot);
  if (s == nullptr || s->handle == kClosedHandle) return;
  Counted();
  if (CurrentHidBackend() != nullptr) CurrentHidBackend()->Close(s->handle);
  s->handle = kClosedHandle;
}

// Sent bytes are traced as sent whatever the outcome; received bytes only when
// something was received (length 0 otherwise).
bool SendFeatureReport(const std::uint8_t* buffer, int length, std::uint8_t slot) {
  if (buffer == nullptr || length <= 0) return false;
  Counted();
  HidHandle handle = OpenHandle(slot);
  bool ok = handle != kClosedHandle &&
            CurrentHidBackend()->SetFeature(handle, buffer, static_cast<std::size_t>(length));
  Trace(HidTraceEvent::kSetFeature, slot, buffer, length, ok);
  return ok;
}

bool ReadFeatureReport(std::uint8_t* buffer, int length, std::uint8_t slot) {
  if (buffer == nullptr || length <= 0) return false;
  Counted();
  HidHandle handle = OpenHandle(slot);
  bool ok = handle != kClosedHandle &&
            CurrentHidBackend()->GetFeature(handle, buffer, static_cast<std::size_t>(length));
  Trace(HidTraceEvent::kGetFeature, slot, buffer, ok ? length : 0, ok);
  return ok;
}

bool ReadInputReport(std::uint8_t* buffer, int length, std::uint32_t& transferred, std::uint8_t slot) {
  transferred = 0;
  if (buffer == nullptr || length <= 0) return false;
  Counted();
  HidHandle handle = OpenHandle(slot);
  bool ok = handle != kClosedHandle &&
            CurrentHidBackend()->ReadInput(handle, buffer, static_cast<std::size_t>(length), transferred,
                                 kInputReadTimeoutMs);
  if (!ok || transferred > static_cast<std::uint32_t>(length)) {
    ok = false;
    transferred = 0;
  }
  Trace(HidTraceEvent::kReadInput, slot, buffer, static_cast<int>(transferred), ok);
  return ok;
}

bool WriteOutputReport(const std::uint8_t* buffer, int length, std::uint32_t& transferred,
                       std::uint8_t slot) {
  transferred = 0;
  if (buffer == nullptr || length <= 0) return false;
  Counted();
  HidHandle handle = OpenHandle(slot);
  bool ok = handle != kClosedHandle &&
            CurrentHidBackend()->WriteOutput(handle, buffer, static_cast<std::size_t>(length), transferred);
  if (!ok) transferred = 0;
  Trace(HidTraceEvent::kWriteOutput, slot, buffer, length, ok);
  return ok;
}

bool ReadProductText(char* text, int count, std::uint8_t slot) {
  if (text == nullptr || count < 0) return false;
  Counted();
  HidHandle handle = OpenHandle(slot);
  if (handle == kClosedHandle) return false;
  std::u16string units;
  if (!CurrentHidBackend()->GetProductString(handle, units)) return false;
  bool ended = false;
  for (int k = 0; k < count; ++k) {
    if (!ended && (static_cast<std::size_t>(k) >= units.size() || units[k] == u'\0')) ended = true;
    // No code-page conversion: the low byte is what the program has always shown.
    text[k] = ended ? '\0' : static_cast<char>(units[k] & 0xFF);
  }
  text[count] = '\0';
  return true;
}

void ReleaseDeviceList() {
  for (std::string& path : G().Devices.paths) {
    path.clear();
    path.shrink_to_fit();
  }
}

void ClearDeviceList() {
  DeviceList& list = G().Devices;
  list.count = 0;
  for (std::string& path : list.paths) path.clear();
}

int RebuildDeviceList() {
  ReleaseDeviceList();
  ClearDeviceList();
  return EnumerateDevices();
}

std::uint64_t HidExchangeCount() { return g_exchanges.load(std::memory_order_relaxed); }

void SetHidTrace(HidTraceSink sink, void* context) {
  G().Trace.hid_sink = sink;
  G().Trace.hid_context = context;
}

}  // namespace travik
