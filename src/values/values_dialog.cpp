#include "values/values_dialog.h"

#include <cstdio>

#include "config/checks.h"
#include "config/format.h"
#include "core/globals.h"
#include "hid/hid.h"
#include "protocol/frames.h"
#include "values/value_formats.h"

namespace travik {
namespace {

constexpr std::uint8_t kSlot = 1;
constexpr const char* kReadCaption = "Čtení dat, info";
constexpr const char* kWriteCaption = "Zápis dat, info";
constexpr const char* kAddressError = "Chyba při nastavování adresy";

constexpr CalibratorControls kValuesCalibrator = {1032, 1010, {3, 4, 5, 6}, kReadCaption};
constexpr CalibratorControls kModuleCalibrator = {1541, 1553, {1542, 1543, 1544, 1545}, kWriteCaption};

ValuesRun g_values;
OutputModuleRun g_module;

int RememberedTransmitter() { return G().Slots[kSlot].remembered; }

// Ends a procedure after a failed exchange with the transmitter: idle before
// the message box (whose loop keeps the timer running), then a close request.
void Abandon(ui::Dialog& d, std::uint8_t& state, const char* message, const char* caption) {
  state = 0;
  CloseSlot(kSlot);
  d.MessageBox(message, caption, ui::Icon::kError);
  d.PostClose();
}

void ApplyLayout(ui::Dialog& d, const ValuesLayout& layout) {
  for (int row = 0; row < kValueRows; ++row) {
    if (layout.labels[row]) d.SetText(kValueLabelIds[row], *layout.labels[row]);
    if (layout.hide_label[row]) d.Show(kValueLabelIds[row], false);
    if (layout.hide_value[row]) d.Show(kValueFieldIds[row], false);
  }
  if (layout.show_fourth_row) {
    d.Show(kValueLabelIds[3], true);
    d.Show(kValueFieldIds[3], true);
  }
}

}  // namespace

ValuesRun& ValuesState() { return g_values; }
OutputModuleRun& OutputModuleState() { return g_module; }

// --- Values dialog (106) -------------------------------------------------------

ValuesDialog::ValuesDialog() : calibrator_(kValuesCalibrator), trace_(ValuesWindowRows, kValuesTickMs) {}

void ValuesDialog::OnInit(ui::Dialog& d) {
  trace_.Open(d);
  for (int id : {1007, 1008, 1009}) d.SetText(id, std::string(16, ' '));
  d.SetTimer(kValuesTimer, kValuesTickMs);
  d.TickNow(kValuesTimer);
  g_values.state = 1;
  OpenRemembered(RememberedTransmitter(), kSlot);
  ApplyLayout(d, LayoutFor(G().DeviceType));
  calibrator_.LookUp(true);
}

// A refused exchange with the transmitter means it is gone: the main window
// must not go on showing it connected.
void ValuesDialog::Fail(ui::Dialog& d, const char* message) {
  G().DeviceOnline = 0;
  trace_.Gap(d, message);
  Abandon(d, g_values.state, message, kReadCaption);
}

void ValuesDialog::ReturnFourthRow(ui::Dialog& d, bool was_in_use) {
  const ValuesLayout& layout = LayoutFor(G().DeviceType);
  if (!was_in_use || calibrator_.in_use() || !layout.show_fourth_row) return;
  if (layout.labels[3]) d.SetText(kValueLabelIds[3], *layout.labels[3]);
  d.Show(kValueLabelIds[3], true);
  d.Show(kValueFieldIds[3], true);
}

void ValuesDialog::OnTimer(ui::Dialog& d, int) {
  trace_.Tick();
  ValuesRun& v = g_values;
  switch (v.state) {
    case 1:
      FrameReadBlock(1);
      if (SendCommand(kSlot)) {
        v.countdown = kValuesSettleTicks;
        v.state = 2;
      } else {
        Fail(d, kAddressError);
      }
      {
        const bool was_in_use = calibrator_.in_use();
        calibrator_.StartStreaming(d);
        ReturnFourthRow(d, was_in_use);
      }
      break;
    case 2:
      if (v.countdown > 0)
        --v.countdown;
      else
        v.state = 3;
      break;
    case 4:
      // Polling goes on whether or not the calibration device answers. One
      // given up by a failed selection while its read was due is not read.
      if (calibrator_.in_use()) {
        v.state = 3;
        calibrator_.ShowReading(d);
        ReturnFourthRow(d, true);
        break;
      }
      v.state = 3;
      [[fallthrough]];
    case 3: {
      if (!ReadInputRemembered(kSlot)) {
        Fail(d, "Chyba při čtení měřených dat");
        break;
      }
      // While a calibration device is in use the fourth row is its own: two
      // values taking turns every tick could not be read.
      const ValuesLayout& layout = LayoutFor(G().DeviceType);
      const int rows = calibrator_.in_use() ? kValueRows - 1 : kValueRows;
      for (int row = 0; row < rows; ++row) {
        if (layout.values[row] != Quantity::kNone)
          d.SetText(kValueFieldIds[row], FormatQuantity(layout.values[row], G().InputReport));
      }
      if (calibrator_.in_use()) v.state = 4;
      trace_.Record(d);
      break;
    }
    default:
      break;
  }
}

void ValuesDialog::OnCommand(ui::Dialog& d, int id, ui::Notify) {
  if (id == ui::kIdCancel) {
    g_values.state = 0;
    d.KillTimer(kValuesTimer);
    d.End(2);
    return;
  }
  if (const int index = calibrator_.ButtonIndex(id); index >= 0) {
    const bool was_in_use = calibrator_.in_use();
    calibrator_.Select(d, index);
    ReturnFourthRow(d, was_in_use);
    return;
  }
  trace_.OnCommand(d, id);
}

// However the window goes, it stops its procedure and gives slot 2 back, so
// that the next opening's first tick finds nothing left to do.
void ValuesDialog::OnDestroy(ui::Dialog&) {
  trace_.Close();
  g_values.state = 0;
  calibrator_.Release();
}

// --- Output-module dialog (134) -----------------------------------------------

OutputModuleDialog::OutputModuleDialog()
    : calibrator_(kModuleCalibrator), trace_(OutputModuleRows, kValuesTickMs) {}

void OutputModuleDialog::OnInit(ui::Dialog& d) {
  trace_.Open(d);
  d.SetText(kModuleValue0, "0");
  d.SetText(kModuleValue1, "0");
  g_module.values[0] = g_module.values[1] = 0;
  g_module.shown[0] = g_module.shown[1] = 0;
  // The whole report: the module takes bytes past the two values as data too,
  // and they would still hold a configuration block or a bootloader packet.
  G().OutputReport.fill(0);
  g_module.state = 1;
  calibrator_.LookUp(false);
  d.SetTimer(kValuesTimer, kValuesTickMs);
  d.TickNow(kValuesTimer);
}

// Every refused exchange with the module, the first included, clears
// `DeviceOnline`: the main window must not go on showing a device that is gone.
void OutputModuleDialog::Fail(ui::Dialog& d, const char* message) {
  G().DeviceOnline = 0;
  trace_.Gap(d, message);
  Abandon(d, g_module.state, message, kWriteCaption);
}

void OutputModuleDialog::RequestBlock(ui::Dialog& d, std::uint8_t block, std::uint8_t then,
                                      const char* failure) {
  FrameReadBlock(block);
  if (!SendCommandRemembered(kSlot)) {
    Fail(d, failure);
    return;
  }
  g_module.countdown = kModuleCommandTicks;
  g_module.next_state = then;
  g_module.state = 2;
}

bool OutputModuleDialog::ReadRecord(ui::Dialog& d) {
  if (ReadInputRemembered(kSlot)) return true;
  Fail(d, "Chyba při čtení dat");
  return false;
}

namespace {

// Tenths with a decimal comma; the sign stands before the whole number, so
// -15 reads "-1,5" and -5 "-0,5".
std::string CommaTenths(std::int16_t tenths) {
  std::string text = FormatTenths(tenths);
  for (char& c : text)
    if (c == '.') c = ',';
  return text;
}

std::string RangeText(const char* format, long lo, long hi) {
  char text[64];
  std::snprintf(text, sizeof text, format, lo, hi);
  return text;
}

}  // namespace

void OutputModuleDialog::Step(ui::Dialog& d) {
  OutputModuleRun& m = g_module;
  const auto& record = G().InputReport;
  switch (m.state) {
    case 1:
      FrameWriteBlock(1);
      if (SendCommandRemembered(kSlot)) {
        m.countdown = kModuleCommandTicks;
        m.next_state = 3;
        m.state = 2;
      } else {
        Fail(d, kAddressError);
      }
      calibrator_.StartStreaming(d);
      break;
    case 2:
      if (m.countdown > 0)
        --m.countdown;
      else
        m.state = m.next_state;
      break;
    case 3: RequestBlock(d, 4, 4, kAddressError); break;
    case 4:
      if (!ReadRecord(d)) break;
      d.SetText(1549, RangeText("Vstupní rozsah: %ld - %ld", RecordSigned(record, 25), RecordSigned(record, 27)));
      d.SetText(1550, RangeText("Vstupní rozsah: %ld - %ld", RecordSigned(record, 29), RecordSigned(record, 31)));
      m.state = 5;
      break;
    case 5: RequestBlock(d, 5, 6, "Chyba při čtení dat"); break;
    case 6:
      if (!ReadRecord(d)) break;
      d.SetText(1557, RecordSigned(record, 25) == 1 ? "V" : "mA");
      d.SetText(1558, RecordSigned(record, 27) == 1 ? "V" : "mA");
      m.state = 7;
      break;
    case 7: RequestBlock(d, 7, 8, "Chyba při čtení dat"); break;
    case 8: {
      if (!ReadRecord(d)) break;
      auto range = [&](int lo, int hi) {
        return "Výtupní rozsah: " + CommaTenths(RecordSigned(record, lo)) + " - " +
               CommaTenths(RecordSigned(record, hi));
      };
      d.SetText(1556, range(9, 11));
      d.SetText(1555, range(13, 15));
      m.state = 9;
      break;
    }
    case 9:
      // Without a calibration device slot 2 is not read: its remembered
      // position belongs to an earlier lookup and may now be another device.
      if (calibrator_.in_use() && !calibrator_.ShowReading(d)) m.state = 0;
      trace_.Record(d);
      break;
    default:
      break;
  }
}

void OutputModuleDialog::OnDestroy(ui::Dialog&) {
  trace_.Close();
  g_module.state = 0;
  calibrator_.Release();
}

void OutputModuleDialog::OnTimer(ui::Dialog& d, int) {
  trace_.Tick();
  CheckValue(d, 0, false);
  CheckValue(d, 1, false);
  Step(d);
}

std::int16_t OutputModuleDialog::CheckValue(ui::Dialog& d, int channel, bool settle) {
  const int field = channel == 0 ? kModuleValue0 : kModuleValue1;
  std::int16_t& shown = g_module.shown[channel];
  shown = static_cast<std::int16_t>(CheckWholeInt(d, field, INT16_MAX, INT16_MIN, shown, settle));
  return shown;
}

void OutputModuleDialog::WriteChannel(ui::Dialog& d, int channel) {
  // A value typed and written within one tick has not been checked yet; what
  // goes out is what the field shows after the check.
  const std::int16_t value = CheckValue(d, channel, true);
  g_module.values[channel] = value;
  auto& report = G().OutputReport;
  report[1 + 2 * channel] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(value) >> 8);
  report[2 + 2 * channel] = static_cast<std::uint8_t>(value & 0xFF);
  if (!WriteOutputRemembered(kSlot)) Fail(d, "Chyba při zápisu dat");
}

void OutputModuleDialog::OnCommand(ui::Dialog& d, int id, ui::Notify) {
  switch (id) {
    case ui::kIdCancel:
      g_module.state = 0;
      d.KillTimer(kValuesTimer);
      d.End(2);
      return;
    case kModuleWrite0: WriteChannel(d, 0); return;
    case kModuleWrite1: WriteChannel(d, 1); return;
    default:
      if (const int index = calibrator_.ButtonIndex(id); index >= 0) calibrator_.Select(d, index);
      else trace_.OnCommand(d, id);
      return;
  }
}

}  // namespace travik
