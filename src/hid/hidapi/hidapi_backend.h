// HidBackend over hidapi (hidraw on Linux) for real devices.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "hid/hid_backend.h"

struct hid_device_;

namespace travik {

// One entry of hidapi's enumeration: hidraw lists a node once per top-level
// collection.
struct CollectionEntry {
  std::string path;
  std::uint16_t usage_page = 0;
  std::uint16_t usage = 0;
  std::uint16_t vendor = 0;
  std::uint16_t product = 0;
};

// The nodes in enumeration order, each judged by its vendor collection (usage
// page 0xFF00, usage 1) when it has one, else by its first collection. On
// Windows every collection is an interface of its own; on hidraw one node
// serves them all, so a composite device (keyboard first, then ours) must not
// be judged by the keyboard.
std::vector<CollectionEntry> NodesByCollection(const std::vector<CollectionEntry>& entries);

class HidapiBackend : public HidBackend {
 public:
  HidapiBackend();
  ~HidapiBackend() override;
  HidapiBackend(const HidapiBackend&) = delete;
  HidapiBackend& operator=(const HidapiBackend&) = delete;

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
  std::string Diagnose(std::uint16_t vendor, std::uint16_t product) override;

 private:
  // What the enumeration told about a path; hidraw has no cheap per-handle query.
  struct PathInfo {
    std::uint16_t usage_page = 0;
    std::uint16_t usage = 0;
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
  };
  struct OpenDevice {
    hid_device_* device = nullptr;
    std::string path;
  };

  hid_device_* DeviceOf(HidHandle handle) const;
  const PathInfo* InfoOf(HidHandle handle) const;

  bool initialised_ = false;
  std::map<std::string, PathInfo> paths_;
  std::map<HidHandle, OpenDevice> open_;
  HidHandle next_handle_ = 1;
  std::string last_open_error_;
};

}  // namespace travik
