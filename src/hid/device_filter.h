// A view of a HID backend that hides some interfaces: the program searches
// the first device with the transmitter's identifiers, so on a bench with
// several transmitters the others are hidden to make it find the chosen one.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "hid/hid_backend.h"

namespace travik {

class DeviceFilter : public HidBackend {
 public:
  DeviceFilter(HidBackend& inner, std::set<std::string> hidden)
      : inner_(inner), hidden_(std::move(hidden)) {}

  std::vector<std::string> ListInterfaces() override;
  HidHandle Open(const std::string& path) override;
  void Close(HidHandle handle) override { inner_.Close(handle); }
  bool GetCaps(HidHandle handle, std::uint16_t& usage_page, std::uint16_t& usage) override {
    return inner_.GetCaps(handle, usage_page, usage);
  }
  bool GetAttributes(HidHandle handle, std::uint16_t& vendor, std::uint16_t& product) override {
    return inner_.GetAttributes(handle, vendor, product);
  }
  bool SetFeature(HidHandle handle, const std::uint8_t* buffer, std::size_t length) override {
    return inner_.SetFeature(handle, buffer, length);
  }
  bool GetFeature(HidHandle handle, std::uint8_t* buffer, std::size_t length) override {
    return inner_.GetFeature(handle, buffer, length);
  }
  bool ReadInput(HidHandle handle, std::uint8_t* buffer, std::size_t length,
                 std::uint32_t& transferred, int timeout_ms) override {
    return inner_.ReadInput(handle, buffer, length, transferred, timeout_ms);
  }
  bool WriteOutput(HidHandle handle, const std::uint8_t* buffer, std::size_t length,
                   std::uint32_t& transferred) override {
    return inner_.WriteOutput(handle, buffer, length, transferred);
  }
  bool GetProductString(HidHandle handle, std::u16string& text) override {
    return inner_.GetProductString(handle, text);
  }
  std::string LastOpenError() override { return inner_.LastOpenError(); }
  std::string Diagnose(std::uint16_t vendor, std::uint16_t product) override {
    return inner_.Diagnose(vendor, product);
  }

 private:
  HidBackend& inner_;
  std::set<std::string> hidden_;
};

}  // namespace travik
