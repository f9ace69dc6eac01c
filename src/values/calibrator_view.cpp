#include "values/calibrator_view.h"

#include "core/globals.h"
#include "hid/hid.h"
#include "protocol/calibrator.h"
#include "protocol/frames.h"

namespace travik {
namespace {

constexpr std::uint8_t kSlot = kCalibratorSlot;

struct InputChoice {
  std::uint8_t code;
  bool current;
  const char* label;
};
constexpr std::array<InputChoice, 4> kInputs = {{
    {kChannelU1, false, "Analogový výstup U1"},
    {kChannelU2, false, "Analogový výstup U2"},
    {kChannelI1, true, "Analogový výstup I1"},
    {kChannelI2, true, "Analogový výstup I2"},
}};

// Index of the product text that marks a calibration device the values
// dialog can use.
constexpr int kMarkIndex = 8;
constexpr int kProductChars = 20;

}  // namespace

bool CalibratorView::LookUp(bool need_mark) {
  in_use_ = false;
  const auto& ids = G().CalibratorIds;
  const auto vendor = static_cast<std::uint16_t>(ids.vendor);
  const auto product = static_cast<std::uint16_t>(ids.product);
  const int count = EnumerateDevices();
  if (count < 1 || !FindAndRemember(vendor, product, count, kSlot) || !OpenByIds(vendor, product, count, kSlot))
    return false;
  in_use_ = true;
  if (need_mark) {
    char text[kProductChars + 1] = {};
    in_use_ = ReadProductText(text, kProductChars, kSlot) && text[kMarkIndex] == 'A';
  }
  return in_use_;
}

void CalibratorView::StartStreaming(ui::Dialog& d) {
  if (!in_use_) return;
  // Without read block 1 the device's reports stay identification records,
  // whose text bytes would be shown as a reading.
  FrameReadBlock(1);
  if (!SendCommand(kSlot)) {
    GiveUp(d, "CHyba při čtení Analogových dat");
    return;
  }
  FrameSelectChannel(kInputs[0].code);
  in_use_ = SendCommand(kSlot);
  if (!in_use_) return;
  d.SetText(c_.label, kInputs[0].label);
  current_input_ = false;
  Show(d, true);
}

void CalibratorView::Select(ui::Dialog& d, int index) {
  const InputChoice& input = kInputs[index];
  d.SetText(c_.label, input.label);
  current_input_ = input.current;
  FrameSelectChannel(input.code);
  if (!SendCommandRemembered(kSlot)) GiveUp(d, "Chyba při výběru kanálu");
}

bool CalibratorView::ShowReading(ui::Dialog& d) {
  if (!ReadInputRemembered(kSlot)) {
    GiveUp(d, "CHyba při čtení Analogových dat");
    return false;
  }
  d.SetText(c_.value, FormatCalibratorReading(CalibratorReading(G().InputReport), current_input_));
  return true;
}

int CalibratorView::ButtonIndex(int id) const {
  for (int i = 0; i < 4; ++i)
    if (c_.buttons[i] == id) return i;
  return -1;
}

void CalibratorView::Release() { CloseSlot(kSlot); }

void CalibratorView::Show(ui::Dialog& d, bool visible) {
  d.Show(c_.value, visible);
  d.Show(c_.label, visible);
  for (int id : c_.buttons) d.Show(id, visible);
}

void CalibratorView::GiveUp(ui::Dialog& d, const char* message) {
  in_use_ = false;
  Show(d, false);
  d.MessageBox(message, c_.caption, ui::Icon::kError);
}

}  // namespace travik
