#include "calibration/calibrator.h"

#include "core/text.h"
#include "hid/hid.h"
#include "protocol/frames.h"

namespace travik {

Lookup LookUpDevice(ui::Dialog& d, int count, const UsbIds& ids, std::uint8_t slot, int product_field) {
  if (count == 0) return Lookup::kNoDevices;
  const auto vendor = static_cast<std::uint16_t>(ids.vendor);
  const auto product = static_cast<std::uint16_t>(ids.product);
  if (!FindAndRemember(vendor, product, count, slot)) return Lookup::kNotFound;
  if (!OpenByIds(vendor, product, count, slot)) return Lookup::kNotOpened;
  char text[65] = {};
  ReadProductText(text, 64, slot);
  d.SetText(product_field, Cp1250ToUtf8(text));
  FrameInit();
  return SendCommand(slot) ? Lookup::kReady : Lookup::kInitRefused;
}

}  // namespace travik
