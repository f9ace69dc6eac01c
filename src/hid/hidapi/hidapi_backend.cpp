#include "hid/hidapi/hidapi_backend.h"

#include <hidapi/hidapi.h>

#include <cerrno>
#include <cstring>
#include <cwchar>

namespace travik {
namespace {

std::string OpenErrorText(int error) {
  switch (error) {
    case 0:
      return {};
    case EACCES:
    case EPERM:
      return "permission denied";
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return "device not present";
    case EBUSY:
      return "device busy";
    default:
      return std::strerror(error);
  }
}

constexpr std::uint16_t kVendorUsagePage = 0xFF00;
constexpr std::uint16_t kVendorUsage = 0x0001;

}  // namespace

std::vector<CollectionEntry> NodesByCollection(const std::vector<CollectionEntry>& entries) {
  std::vector<CollectionEntry> nodes;
  std::map<std::string, std::size_t> index;
  for (const CollectionEntry& e : entries) {
    if (e.path.empty()) continue;
    auto [it, inserted] = index.emplace(e.path, nodes.size());
    if (inserted) {
      nodes.push_back(e);
    } else if (e.usage_page == kVendorUsagePage && e.usage == kVendorUsage) {
      nodes[it->second].usage_page = e.usage_page;
      nodes[it->second].usage = e.usage;
    }
  }
  return nodes;
}

HidapiBackend::HidapiBackend() { initialised_ = hid_init() == 0; }

HidapiBackend::~HidapiBackend() {
  for (auto& [handle, open] : open_) hid_close(open.device);
  open_.clear();
  if (initialised_) hid_exit();
}

std::vector<std::string> HidapiBackend::ListInterfaces() {
  std::vector<std::string> paths;
  if (!initialised_) return paths;
  paths_.clear();
  std::vector<CollectionEntry> entries;
  hid_device_info* devices = hid_enumerate(0, 0);
  for (const hid_device_info* d = devices; d != nullptr; d = d->next)
    if (d->path != nullptr)
      entries.push_back({d->path, d->usage_page, d->usage, d->vendor_id, d->product_id});
  hid_free_enumeration(devices);
  for (const CollectionEntry& node : NodesByCollection(entries)) {
    paths_[node.path] = PathInfo{node.usage_page, node.usage, node.vendor, node.product};
    paths.push_back(node.path);
  }
  return paths;
}

HidHandle HidapiBackend::Open(const std::string& path) {
  last_open_error_.clear();
  if (!initialised_) {
    last_open_error_ = "HID access not available";
    return kClosedHandle;
  }
  // hidapi mishandles nodes that are not HID devices (it crashes on some), so
  // only paths the enumeration reported are opened.
  if (paths_.find(path) == paths_.end()) ListInterfaces();
  if (paths_.find(path) == paths_.end()) {
    last_open_error_ = "device not present";
    return kClosedHandle;
  }
  errno = 0;
  hid_device* device = hid_open_path(path.c_str());
  int error = errno;
  if (device == nullptr) {
    last_open_error_ = OpenErrorText(error);
    if (last_open_error_.empty()) last_open_error_ = "cannot open device";
    return kClosedHandle;
  }
  HidHandle handle = next_handle_++;
  if (next_handle_ == kClosedHandle || next_handle_ <= 0) next_handle_ = 1;
  open_[handle] = OpenDevice{device, path};
  return handle;
}

std::string HidapiBackend::Diagnose(std::uint16_t vendor, std::uint16_t product) {
  if (!initialised_) return "HID access not available";
  std::string report;
  hid_device_info* devices = hid_enumerate(vendor, product);
  for (const hid_device_info* d = devices; d != nullptr; d = d->next) {
    if (d->path == nullptr) continue;
    errno = 0;
    hid_device* device = hid_open_path(d->path);
    const int error = errno;
    if (device != nullptr) {
      hid_close(device);
      continue;
    }
    std::string why = OpenErrorText(error);
    if (why.empty()) why = "cannot open device";
    report += std::string(d->path) + ": " + why;
    if (error == EACCES || error == EPERM)
      report += " (install packaging/udev/70-travik-kolvar.rules and replug the device, see README)";
    report += "\n";
  }
  hid_free_enumeration(devices);
  if (!report.empty()) report.pop_back();
  return report;
}

void HidapiBackend::Close(HidHandle handle) {
  auto it = open_.find(handle);
  if (it == open_.end()) return;
  hid_close(it->second.device);
  open_.erase(it);
}

hid_device* HidapiBackend::DeviceOf(HidHandle handle) const {
  auto it = open_.find(handle);
  return it == open_.end() ? nullptr : it->second.device;
}

const HidapiBackend::PathInfo* HidapiBackend::InfoOf(HidHandle handle) const {
  auto it = open_.find(handle);
  if (it == open_.end()) return nullptr;
  auto info = paths_.find(it->second.path);
  return info == paths_.end() ? nullptr : &info->second;
}

bool HidapiBackend::GetCaps(HidHandle handle, std::uint16_t& usage_page, std::uint16_t& usage) {
  if (InfoOf(handle) == nullptr) ListInterfaces();  // opened from an older enumeration
  const PathInfo* info = InfoOf(handle);
  if (info == nullptr) return false;
  usage_page = info->usage_page;
  usage = info->usage;
  return true;
}

bool HidapiBackend::GetAttributes(HidHandle handle, std::uint16_t& vendor, std::uint16_t& product) {
  if (InfoOf(handle) == nullptr) ListInterfaces();
  const PathInfo* info = InfoOf(handle);
  if (info == nullptr) return false;
  vendor = info->vendor;
  product = info->product;
  return true;
}

bool HidapiBackend::SetFeature(HidHandle handle, const std::uint8_t* buffer, std::size_t length) {
  hid_device* device = DeviceOf(handle);
  if (device == nullptr || buffer == nullptr || length == 0) return false;
  return hid_send_feature_report(device, buffer, length) >= 0;
}

bool HidapiBackend::GetFeature(HidHandle handle, std::uint8_t* buffer, std::size_t length) {
  hid_device* device = DeviceOf(handle);
  if (device == nullptr || buffer == nullptr || length == 0) return false;
  // A shorter report must not leave bytes of an earlier one behind.
  std::memset(buffer + 1, 0, length - 1);
  return hid_get_feature_report(device, buffer, length) > 0;
}

bool HidapiBackend::ReadInput(HidHandle handle, std::uint8_t* buffer, std::size_t length,
                              std::uint32_t& transferred, int timeout_ms) {
  transferred = 0;
  hid_device* device = DeviceOf(handle);
  if (device == nullptr || buffer == nullptr || length < 2) return false;
  // Without numbered reports hidraw delivers the payload only; put the report
  // identifier 0 in front so the buffer looks like every other report buffer.
  int n = hid_read_timeout(device, buffer + 1, length - 1, timeout_ms);
  if (n <= 0) return false;  // 0: the wait expired
  buffer[0] = 0;
  transferred = static_cast<std::uint32_t>(n) + 1;
  return true;
}

bool HidapiBackend::WriteOutput(HidHandle handle, const std::uint8_t* buffer, std::size_t length,
                                std::uint32_t& transferred) {
  transferred = 0;
  hid_device* device = DeviceOf(handle);
  if (device == nullptr || buffer == nullptr || length == 0) return false;
  int n = hid_write(device, buffer, length);
  if (n < 0) return false;
  transferred = static_cast<std::uint32_t>(n);
  return true;
}

bool HidapiBackend::GetProductString(HidHandle handle, std::u16string& text) {
  text.clear();
  hid_device* device = DeviceOf(handle);
  if (device == nullptr) return false;
  wchar_t wide[128] = {};
  if (hid_get_product_string(device, wide, 128) != 0) return false;
  for (std::size_t i = 0; i < 127 && wide[i] != L'\0'; ++i) {
    auto c = static_cast<std::uint32_t>(wide[i]);
    if (c > 0xFFFF) {
      c -= 0x10000;
      text.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
      if (text.size() >= 127) break;
      text.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else {
      text.push_back(static_cast<char16_t>(c));
    }
  }
  if (text.size() > 127) text.resize(127);
  return true;
}

}  // namespace travik
