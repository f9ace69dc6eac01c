// The platform's HID access: what the device list and the slots need of it.
// Implemented over hidapi for real devices and by the simulation for tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/globals.h"

namespace travik {

class HidBackend {
 public:
  virtual ~HidBackend() = default;

  // Paths of the HID interfaces present, in enumeration order.
  virtual std::vector<std::string> ListInterfaces() = 0;

  // Opens a path for reading and writing; kClosedHandle when it cannot be opened.
  virtual HidHandle Open(const std::string& path) = 0;
  virtual void Close(HidHandle handle) = 0;

  // Top-level collection's usage page and usage.
  virtual bool GetCaps(HidHandle handle, std::uint16_t& usage_page, std::uint16_t& usage) = 0;
  virtual bool GetAttributes(HidHandle handle, std::uint16_t& vendor, std::uint16_t& product) = 0;

  // Feature reports; buffer byte 0 is the report identifier.
  virtual bool SetFeature(HidHandle handle, const std::uint8_t* buffer, std::size_t length) = 0;
  virtual bool GetFeature(HidHandle handle, std::uint8_t* buffer, std::size_t length) = 0;

  // One whole input report (byte 0 the report identifier), waiting at most
  // timeout_ms for it; an expired wait is a failed read.
  virtual bool ReadInput(HidHandle handle, std::uint8_t* buffer, std::size_t length,
                         std::uint32_t& transferred, int timeout_ms) = 0;
  virtual bool WriteOutput(HidHandle handle, const std::uint8_t* buffer, std::size_t length,
                           std::uint32_t& transferred) = 0;

  // Product string as UTF-16 code units (at most 127, no terminator).
  virtual bool GetProductString(HidHandle handle, std::u16string& text) = 0;

  // Why the last Open failed, for support output ("" when unknown).
  virtual std::string LastOpenError() { return {}; }

  // For support output after a failed search: why a present device with these
  // identifiers could not be used (for example missing permissions), or "".
  virtual std::string Diagnose(std::uint16_t /*vendor*/, std::uint16_t /*product*/) { return {}; }
};

}  // namespace travik
