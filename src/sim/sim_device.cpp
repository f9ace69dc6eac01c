#include "sim/sim_device.h"

#include <algorithm>

namespace travik::sim {

std::optional<CommandFrame> CommandFrame::Parse(const std::uint8_t* data, std::size_t length) {
  if (data == nullptr || length < kFeatureReportSize) return std::nullopt;
  CommandFrame frame;
  frame.code = data[1];
  frame.params = {data[2], data[3], data[4]};
  frame.argument = static_cast<std::uint32_t>(data[5]) | static_cast<std::uint32_t>(data[6]) << 8 |
                   static_cast<std::uint32_t>(data[7]) << 16 | static_cast<std::uint32_t>(data[8]) << 24;
  return frame;
}

std::string FitText(std::string_view text, std::size_t size) {
  std::string fitted(text.substr(0, std::min(text.size(), size)));
  fitted.resize(size, ' ');
  return fitted;
}

SimDevice::SimDevice(std::string path, std::uint16_t vendor, std::uint16_t product,
                     std::uint16_t usage_page, std::uint16_t usage, std::u16string product_string)
    : path_(std::move(path)),
      vendor_(vendor),
      product_(product),
      usage_page_(usage_page),
      usage_(usage),
      product_string_(std::move(product_string)) {}

void SimDevice::Unplug() {
  present_ = false;
  ++generation_;
}

bool SimDevice::OnSetFeature(const std::uint8_t*, std::size_t) { return true; }

bool SimDevice::OnGetFeature(std::uint8_t* data, std::size_t length) {
  std::fill(data, data + length, 0);
  return true;
}

bool SimDevice::OnReadInput(std::uint8_t*, std::size_t, std::uint32_t& transferred) {
  transferred = 0;
  return false;
}

bool SimDevice::OnWriteOutput(const std::uint8_t*, std::size_t) { return true; }

std::int64_t SimDevice::Now() const { return clock_ != nullptr && *clock_ ? (*clock_)() : 0; }

}  // namespace travik::sim
