#include "hid/device_filter.h"

namespace travik {

std::vector<std::string> DeviceFilter::ListInterfaces() {
  std::vector<std::string> shown;
  for (std::string& path : inner_.ListInterfaces())
    if (!hidden_.contains(path)) shown.push_back(std::move(path));
  return shown;
}

// A hidden device stays hidden even to a path remembered from before.
HidHandle DeviceFilter::Open(const std::string& path) {
  if (hidden_.contains(path)) return kClosedHandle;
  return inner_.Open(path);
}

}  // namespace travik
