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

int RememberedTransmitter() { return G().Slots[kSlot].remembered; }

// Ends a procedure after a failed exchange with the transmitter: idle before
// the message box (whose loop keeps the timer running), then a close request.
template <typename Step>
void Abandon(ui::Dialog& d, Step& state, const char* message, const char* caption) {
  state = Step{};
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

ValuesRun& ValuesState() { return G().Values; }
OutputModuleRun& OutputModuleState() { return G().OutputModule; }

// --- Values dialog (106) -------------------------------------------------------

ValuesDialog::ValuesDialog() : calibrator_(kValuesCalibrator), trace_(ValuesWindowRows, kValuesTickMs) {}

void ValuesDialog::OnInit(ui::Dialog& d) {
  trace_.Open(d);
  for (int id : {1007, 1008, 1009}) d.SetText(id, std::string(16, ' '));
  d.SetTimer(kValuesTimer, kValuesTickMs);
  d.TickNow(kValuesTimer);
  ValuesState().state = kValuesAddress;
  OpenRemembered(RememberedTransmitter(), kSlot);
  ApplyLayout(d, LayoutFor(G().DeviceType));
  calibrator_.LookUp(true);
}

// A refused exchange with the transmitter means it is gone: the main window
// must not go on showing it connected.
void ValuesDialog::Fail(ui::Dialog& d, const char* message) {
  G().DeviceOnline = 0;
  trace_.Gap(d, message);
  Abandon(d, ValuesState().state, message, kReadCaption);
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
  ValuesRun& v = ValuesState();
  switch (v.state) {
    case kValuesAddress:
      FrameReadBlock(1);
      if (SendCommand(kSlot)) {
        v.countdown = kValuesSettleTicks;
        v.state = kValuesSettle;
      } else {
        Fail(d, kAddressError);
      }
      {
        const bool was_in_use = calibrator_.in_use();
        calibrator_.StartStreaming(d);
        ReturnFourthRow(d, was_in_use);
      }
      break;
    case kValuesSettle:
      if (v.countdown > 0)
        --v.countdown;
      else
        v.state = kValuesRecord;
      break;
    case kValuesReadCalibrator:
      // Polling goes on whether or not the calibration device answers. One
      // given up by a failed selection while its read was due is not read.
      if (calibrator_.in_use()) {
        v.state = kValuesRecord;
        calibrator_.ShowReading(d);
        ReturnFourthRow(d, true);
        break;
      }
      v.state = kValuesRecord;
      [[fallthrough]];
    case kValuesRecord: {
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
      if (calibrator_.in_use()) v.state = kValuesReadCalibrator;
      trace_.Record(d);
      break;
    }
    default:
      break;
  }
}

void ValuesDialog::OnCommand(ui::Dialog& d, int id, ui::Notify) {
  if (id == ui::kIdCancel) {
    ValuesState().state = kValuesIdle;
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
  ValuesState().state = kValuesIdle;
  calibrator_.Release();
}

// --- Output-module dialog (134) -----------------------------------------------

OutputModuleDialog::OutputModuleDialog()
    : calibrator_(kModuleCalibrator), trace_(OutputModuleRows, kValuesTickMs) {}

void OutputModuleDialog::OnInit(ui::Dialog& d) {
  trace_.Open(d);
  d.SetText(kModuleValue0, "0");
  d.SetText(kModuleValue1, "0");
  OutputModuleRun& m = OutputModuleState();
  m.values[0] = m.values[1] = 0;
  m.shown[0] = m.shown[1] = 0;
  // The whole report: the module takes bytes past the two values as data too,
  // and they would still hold a configuration block or a bootloader packet.
  G().OutputReport.fill(0);
  m.state = kModuleAddress;
  calibrator_.LookUp(false);
  d.SetTimer(kValuesTimer, kValuesTickMs);
  d.TickNow(kValuesTimer);
}

// Every refused exchange with the module, the first included, clears
// `DeviceOnline`: the main window must not go on showing a device that is gone.
void OutputModuleDialog::Fail(ui::Dialog& d, const char* message) {
  G().DeviceOnline = 0;
  trace_.Gap(d, message);
  Abandon(d, OutputModuleState().state, message, kWriteCaption);
}

void OutputModuleDialog::RequestBlock(ui::Dialog& d, std::uint8_t block, ModuleStep then,
                                      const char* failure) {
  FrameReadBlock(block);
  if (!SendCommandRemembered(kSlot)) {
    Fail(d, failure);
    return;
  }
  OutputModuleRun& m = OutputModuleState();
  m.countdown = kModuleCommandTicks;
  m.next_state = then;
  m.state = kModuleWait;
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
  OutputModuleRun& m = OutputModuleState();
  const auto& record = G().InputReport;
  switch (m.state) {
    case kModuleAddress:
      FrameWriteBlock(1);
      if (SendCommandRemembered(kSlot)) {
        m.countdown = kModuleCommandTicks;
        m.next_state = kModuleAskInputRanges;
        m.state = kModuleWait;
      } else {
        Fail(d, kAddressError);
      }
      calibrator_.StartStreaming(d);
      break;
    case kModuleWait:
      if (m.countdown > 0)
        --m.countdown;
      else
        m.state = m.next_state;
      break;
    case kModuleAskInputRanges: RequestBlock(d, 4, kModuleInputRanges, kAddressError); break;
    case kModuleInputRanges:
      if (!ReadRecord(d)) break;
      d.SetText(1549, RangeText("Vstupní rozsah: %ld - %ld", RecordSigned(record, 25), RecordSigned(record, 27)));
      d.SetText(1550, RangeText("Vstupní rozsah: %ld - %ld", RecordSigned(record, 29), RecordSigned(record, 31)));
      m.state = kModuleAskUnits;
      break;
    case kModuleAskUnits: RequestBlock(d, 5, kModuleUnits, "Chyba při čtení dat"); break;
    case kModuleUnits:
      if (!ReadRecord(d)) break;
      d.SetText(1557, RecordSigned(record, 25) == 1 ? "V" : "mA");
      d.SetText(1558, RecordSigned(record, 27) == 1 ? "V" : "mA");
      m.state = kModuleAskOutputRanges;
      break;
    case kModuleAskOutputRanges: RequestBlock(d, 7, kModuleOutputRanges, "Chyba při čtení dat"); break;
    case kModuleOutputRanges: {
      if (!ReadRecord(d)) break;
      auto range = [&](int lo, int hi) {
        return "Výtupní rozsah: " + CommaTenths(RecordSigned(record, lo)) + " - " +
               CommaTenths(RecordSigned(record, hi));
      };
      d.SetText(1556, range(9, 11));
      d.SetText(1555, range(13, 15));
      m.state = kModuleReadCalibrator;
      break;
    }
    case kModuleReadCalibrator:
      // Without a calibration device slot 2 is not read: its remembered
      // position belongs to an earlier lookup and may now be another device.
      if (calibrator_.in_use() && !calibrator_.ShowReading(d)) m.state = kModuleIdle;
      trace_.Record(d);
      break;
    default:
      break;
  }
}

void OutputModuleDialog::OnDestroy(ui::Dialog&) {
  trace_.Close();
  OutputModuleState().state = kModuleIdle;
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
  std::int16_t& shown = OutputModuleState().shown[channel];
  shown = static_cast<std::int16_t>(CheckWholeInt(d, field, INT16_MIN, INT16_MAX, shown, settle));
  return shown;
}

void OutputModuleDialog::WriteChannel(ui::Dialog& d, int channel) {
  // A value typed and written within one tick has not been checked yet; what
  // goes out is what the field shows after the check.
  const std::int16_t value = CheckValue(d, channel, true);
  OutputModuleState().values[channel] = value;
  auto& report = G().OutputReport;
  report[1 + 2 * channel] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(value) >> 8);
  report[2 + 2 * channel] = static_cast<std::uint8_t>(value & 0xFF);
  if (!WriteOutputRemembered(kSlot)) Fail(d, "Chyba při zápisu dat");
}

void OutputModuleDialog::OnCommand(ui::Dialog& d, int id, ui::Notify) {
  switch (id) {
    case ui::kIdCancel:
      OutputModuleState().state = kModuleIdle;
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
