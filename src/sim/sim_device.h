// Simulated HID devices for tests, the scenario runner and --simulate. A
// device answers the exchanges of its handlers; the SimBackend in front of it
// does the bus side (enumeration, handles, faults, frame log).
//
// Handlers are virtual so that other devices (the calibration device) and other
// personalities of a device (a transmitter restarted into its bootloader) can
// replace what a device answers without touching the backend.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/globals.h"

namespace travik::sim {

inline constexpr std::size_t kFeatureReportSize = 9;
inline constexpr std::size_t kDataReportSize = 64;

inline constexpr std::uint16_t kUsagePageVendor = 0xFF00;
inline constexpr std::uint16_t kUsageVendor = 0x0001;
inline constexpr std::uint16_t kUsagePageGenericDesktop = 0x0001;
inline constexpr std::uint16_t kUsageMouse = 0x0002;
inline constexpr std::uint16_t kUsageKeyboard = 0x0006;

// A command frame as a device receives it in a set-feature report.
struct CommandFrame {
  std::uint8_t code = 0;
  std::array<std::uint8_t, 3> params{};  // report bytes 2-4
  std::uint32_t argument = 0;            // report bytes 5-8, little-endian

  // Null when the report is too short to be a command.
  static std::optional<CommandFrame> Parse(const std::uint8_t* data, std::size_t length);
  bool HasMagic() const { return argument == kCommandMagic; }
};

// Blank-padded or cut to `size` characters, as identification records carry texts.
std::string FitText(std::string_view text, std::size_t size);

class SimDevice {
 public:
  SimDevice(std::string path, std::uint16_t vendor, std::uint16_t product, std::uint16_t usage_page,
            std::uint16_t usage, std::u16string product_string);
  virtual ~SimDevice() = default;
  SimDevice(const SimDevice&) = delete;
  SimDevice& operator=(const SimDevice&) = delete;

  const std::string& path() const { return path_; }
  void set_path(std::string path) { path_ = std::move(path); }
  std::uint16_t vendor() const { return vendor_; }
  std::uint16_t product() const { return product_; }
  void set_ids(std::uint16_t vendor, std::uint16_t product) {
    vendor_ = vendor;
    product_ = product;
  }
  std::uint16_t usage_page() const { return usage_page_; }
  std::uint16_t usage() const { return usage_; }
  void set_usage(std::uint16_t usage_page, std::uint16_t usage) {
    usage_page_ = usage_page;
    usage_ = usage;
  }
  const std::u16string& product_string() const { return product_string_; }
  void set_product_string(std::u16string text) { product_string_ = std::move(text); }

  // A listed device that cannot be opened (held by another program, no access).
  bool openable() const { return openable_; }
  void set_openable(bool openable) { openable_ = openable; }

  // Presence on the bus. Leaving the bus kills every handle opened before;
  // coming back does not revive them.
  bool present() const { return present_; }
  void Unplug();
  void Replug() { present_ = true; }
  std::uint64_t generation() const { return generation_; }

  // The exchanges. A false result is the device refusing the transfer.
  virtual bool OnSetFeature(const std::uint8_t* data, std::size_t length);
  virtual bool OnGetFeature(std::uint8_t* data, std::size_t length);
  // False when the device has no report to send: the host's wait expires.
  virtual bool OnReadInput(std::uint8_t* data, std::size_t length, std::uint32_t& transferred);
  virtual bool OnWriteOutput(const std::uint8_t* data, std::size_t length);

  // Called by the backend with its clock's time before every operation on the
  // bus, so that a device can change by itself (restart, rejoin the bus).
  virtual void Advance(std::int64_t /*now_ms*/) {}

  // Milliseconds of the backend's clock, 0 when there is none.
  std::int64_t Now() const;

 private:
  friend class SimBackend;

  std::string path_;
  std::uint16_t vendor_;
  std::uint16_t product_;
  std::uint16_t usage_page_;
  std::uint16_t usage_;
  std::u16string product_string_;
  bool openable_ = true;
  bool present_ = true;
  std::uint64_t generation_ = 0;
  const std::function<std::int64_t()>* clock_ = nullptr;
};

}  // namespace travik::sim
