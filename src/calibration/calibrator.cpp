#include "calibration/calibrator.h"

#include "core/text.h"
#include "hid/hid.h"

namespace travik {

std::string RecordField(const std::uint8_t* bytes, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count && bytes[i] != 0; ++i) text += static_cast<char>(bytes[i]);
  return "  " + Cp1250ToUtf8(text);
}

int RebuildDeviceList() {
  ReleaseDeviceList();
  ClearDeviceList();
  return EnumerateDevices();
}

}  // namespace travik
