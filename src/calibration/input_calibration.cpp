#include "calibration/input_calibration.h"

#include <algorithm>

#include "calibration/calibration_report.h"
#include "calibration/calibrator.h"
#include "core/globals.h"
#include "core/text.h"
#include "hid/hid.h"
#include "protocol/frames.h"
#include "protocol/identification.h"

namespace travik {
namespace {

constexpr std::uint8_t kN3tNT = 48;
// First code of an unsupported device's list: no signal, so the sequence
// stops after its signal select.
constexpr std::uint8_t kNoSignal = 17;

constexpr SignalCode kSignals[] = {
    {"Unknown signal", "-.-", kRefNone, kIcIdle, 0, 0},
    {"RTD 100 Low", "100.00", kRef100Ohm, kIcRtd100Low, 0x00, 10000},
    {"RTD 100 High", "200.00", kRef200Ohm, kIcRtd100High, 0x00, 20000},
    {"RTD 1000 Low", "1000.0", kRef1000Ohm, kIcRtd1000Low, 0x01, 10000},
    {"RTD 1000 High", "2000.0", kRef2000Ohm, kIcRtd1000High, 0x01, 20000},
    {"Voltage Low", "1.0", kRef1V, kIcIdle, 0, 0},
    {"Voltage High", "10.0", kRef10V, kIcIdle, 0, 0},
    {"Current Low", "2.0", kRef2mA, kIcIdle, 0, 0},
    {"Current High", "20.0", kRef20mA, kIcIdle, 0, 0},
    {"Data save", "-.-", kRefNone, kIcStore, 0, 0},
};

// A failure that ends the dialog once the message box is dismissed.
void FailAndClose(ui::Dialog& d, const char* text, const char* caption, ui::Icon icon) {
  InputRun().state = kIcIdle;
  d.MessageBox(text, caption, icon);
  d.PostClose();
}

void Delay(InputCalStep next_state, std::uint32_t ticks) {
  InputCalibrationRun& r = InputRun();
  r.next_state = next_state;
  r.state = kIcDelay;
  r.countdown = ticks;
}

std::uint8_t CodeAt(std::uint8_t index) {
  const InputCalibrationRun& r = InputRun();
  return index < r.points.size() ? r.points[index] : 0;
}

// One command to the calibration device on its remembered position.
bool ToCalibrator(std::uint8_t command) {
  FrameSelectChannel(command);
  return SendCommandRemembered(kCalibratorSlot);
}

// State 10: the only read that may wait, for the identification record.
void Identify(ui::Dialog& d) {
  InputCalibrationRun& r = InputRun();
  if (!ReadInputRemembered(kCalibratorSlot)) {
    FailAndClose(d, "HID device neodpovídá", kHidCaption, ui::Icon::kInformation);
    return;
  }
  const auto& report = G().InputReport;
  d.SetText(kIcCalibratorId, RecordText(&report[1], 16));
  d.SetText(kIcCalibratorFirmware, RecordText(&report[17], 8));
  r.state = kIcIdle;
  d.Enable(kIcCalibrate, true);
}

void JumperFailed(ui::Dialog& d) {
  G().DeviceOnline = 0;
  FailAndClose(d, "Read sefety Jumper command error", kSetCaption, ui::Icon::kError);
}

// State 11.
void RequestJumper(ui::Dialog& d) {
  FrameReadJumper(/*magic=*/false);
  if (!SendCommandRemembered(kTransmitterSlot)) {
    JumperFailed(d);
    return;
  }
  Delay(kIcJumper, 15);
}

// State 12. The state moves on before the message box: its loop keeps ticking.
void CheckJumper(ui::Dialog& d) {
  if (!ReadReplyRemembered(kTransmitterSlot)) {
    JumperFailed(d);
    return;
  }
  Delay(kIcSignal, 15);
  if (!ReplyJumperFitted()) d.MessageBox(kJumperMissing, kSetCaption, ui::Icon::kInformation);
}

// State 13.
void SelectSignal(ui::Dialog& d) {
  const SignalCode& signal = Signal(CodeAt(InputRun().point_index));
  if (!ToCalibrator(signal.command)) {
    FailAndClose(d, "Init commnand error", kSetCaption, ui::Icon::kError);
    return;
  }
  Delay(signal.write_state, 50);
}

void ShowResult(ui::Dialog& d, const char* result) {
  d.SetText(kIcPointName, result);
  d.SetText(kIcNominal, "Press CANCEL");
}

// The report: the devices' fields with the first point, then each point as
// it is written; the transmitter's "ready" passes it.
void RecordPoint(ui::Dialog& d, const SignalCode& signal) {
  RecordDevices(d.GetText(kIcCalibratorProduct), d.GetText(kIcCalibratorId), d.GetText(kIcCalibratorFirmware),
                d.GetText(kIcDevice), Cp1250ToUtf8(G().DeviceIdText.data()), G().FirmwareText.data());
  CalibrationReport& report = CurrentCalibration();
  CalibrationPoint point;
  point.name = signal.name;
  point.nominal = signal.nominal;
  report.points.push_back(point);
}

// States 1 to 4. A refused point ends the run without a store: going on, the
// transmitter's last "ready" would pass for this point and the run would be
// stored and reported finished without it.
void WritePoint(ui::Dialog& d) {
  InputCalibrationRun& r = InputRun();
  const SignalCode& signal = Signal(r.state);
  const std::uint8_t parameter = r.point_index < r.parameters.size() ? r.parameters[r.point_index] : 0;
  FrameCalibrationPoint(signal.range, parameter, signal.value);
  RecordPoint(d, signal);
  if (!SendCommandRemembered(kTransmitterSlot)) {
    G().DeviceOnline = 0;
    r.state = kIcIdle;
    ShowResult(d, "Calibartion Error :-(");
    CurrentCalibration().points.back().ended = true;  // refused: not passed
    d.SetText(kIcReport, EndCalibrationReport());
    d.MessageBox("Calibration error", kCalCaption, ui::Icon::kError);
    return;
  }
  ++r.point_index;
  r.state = kIcWaitReady;
  r.countdown = kIcPollTicks;
  r.polls = 0;
}

// State 0: the status is asked every 51 ticks until the transmitter has
// taken the point, for about a minute.
void WaitReady(ui::Dialog& d) {
  InputCalibrationRun& r = InputRun();
  if (r.countdown != 0) {
    --r.countdown;
    return;
  }
  if (!ReadReplyRemembered(kTransmitterSlot)) {
    G().DeviceOnline = 0;
    FailAndClose(d, "Device status check Error", kSetCaption, ui::Icon::kError);
    return;
  }
  auto& reply = G().ReplyReport;
  if (reply[2] == kIcReady) {
    if (auto& points = CurrentCalibration().points; !points.empty()) {
      points.back().passed = true;
      points.back().ended = true;
    }
    const SignalCode& next = Signal(CodeAt(r.point_index));
    d.SetText(kIcPointName, next.name);
    d.SetText(kIcNominal, next.nominal);
    r.state = kIcSignal;
    return;
  }
  reply[2] = 0;
  r.countdown = kIcPollTicks;
  if (++r.polls >= kIcReadyPollLimit)
    FailAndClose(d, "Device status check timeout", kSetCaption, ui::Icon::kError);
}

// State 9.
void Store(ui::Dialog& d) {
  InputCalibrationRun& r = InputRun();
  FrameSaveEeprom(3);
  if (!SendCommandRemembered(kTransmitterSlot)) {
    G().DeviceOnline = 0;
    r.state = kIcIdle;
    ShowResult(d, "Calibartion Error :-(");
    d.MessageBox("Calibration data write to EEPROM error", kCalCaption, ui::Icon::kError);
    return;
  }
  ShowResult(d, "Calibartion finished :-)");
  CalibrationReport& report = CurrentCalibration();
  report.complete = !report.points.empty();
  for (const CalibrationPoint& point : report.points) report.complete &= point.passed;
  d.SetText(kIcReport, EndCalibrationReport());
  Delay(kIcResetSignal, 15);
}

// State 14: the calibration device back to its resting signal.
void ResetSignal(ui::Dialog& d) {
  if (!ToCalibrator(kRef100Ohm)) {
    FailAndClose(d, "Deinit command error", kSetCaption, ui::Icon::kError);
    return;
  }
  Delay(kIcBeep, 15);
}

// State 16.
void Beep(ui::Dialog& d) {
  FrameBeep();
  if (!SendCommandRemembered(kCalibratorSlot)) {
    FailAndClose(d, "Beep command error", kSetCaption, ui::Icon::kError);
    return;
  }
  InputRun().state = kIcIdle;
  d.Enable(kIcCalibrate, true);
}

void StartCalibration(ui::Dialog& d) {
  InputCalibrationRun& r = InputRun();
  FrameBeginTransfer();
  if (!SendCommandRemembered(kCalibratorSlot)) {
    FailAndClose(d, "Data read pointer error", kSetCaption, ui::Icon::kError);
    return;
  }
  std::fill(G().ReplyReport.begin(), G().ReplyReport.begin() + 8, 0);
  r.points.fill(0);
  r.parameters.fill(0);
  if (G().DeviceType == kN3tNT) {
    d.SetText(kIcDevice, "Device: N3tNT");
    r.points = {1, 2, 3, 4, 9};
    r.parameters = {0, 1, 2, 3, 0};
    d.Enable(kIcCalibrate, false);
  } else {
    d.SetText(kIcDevice, "Unsupported device ");
    r.points[0] = kNoSignal;
  }
  d.SetText(kIcPointName, "RTD 100 ohm Lo");
  d.SetText(kIcNominal, "100.00");
  r.point_index = 0;
  r.state = kIcJumperRequest;
}

}  // namespace

const SignalCode& Signal(std::uint8_t code) { return code <= 9 ? kSignals[code] : kSignals[0]; }

InputCalibrationRun& InputRun() { return G().InputCalibration; }

void InputCalibrationDialog::OnInit(ui::Dialog& d) {
  InputCalibrationRun& r = InputRun();
  r.calibrator_ready = false;
  r.state = kIcIdle;
  d.Enable(kIcCalibrate, false);
  // On top of the main window's list: slot 1's remembered position stays valid.
  const Lookup found = LookUpDevice(d, EnumerateDevices(), G().CalibratorIds, kCalibratorSlot, kIcCalibratorProduct);
  CloseSlot(kCalibratorSlot);
  // Found but not openable is reported as a refused init: without the
  // device there is nothing to calibrate with.
  const Lookup reported = found == Lookup::kNotOpened ? Lookup::kInitRefused : found;
  if (const char* text = CalibratorLookupText(reported)) {
    FailAndClose(d, text, kHidCaption, ui::Icon::kInformation);
    return;
  }
  r.calibrator_ready = true;
  BeginCalibrationReport(/*outputs=*/false);
  Delay(kIcIdentify, 25);
  d.SetTimer(kIcTimer, kIcTickMs);
  d.TickNow(kIcTimer);
}

void InputCalibrationDialog::OnCommand(ui::Dialog& d, int id, ui::Notify code) {
  if (code != ui::Notify::kClicked) return;
  if (id == ui::kIdCancel) Close(d, ui::kIdOk);
  if (id == kIcCalibrate) StartCalibration(d);
}

void InputCalibrationDialog::OnClose(ui::Dialog& d) { Close(d, kIcClosed); }

// A refused end of the host transfer is reported once and the dialog closes
// all the same: a calibration device gone from the bus would otherwise keep
// it open for ever, each close request bringing the same message back.
void InputCalibrationDialog::Close(ui::Dialog& d, int result) {
  InputCalibrationRun& r = InputRun();
  if (r.calibrator_ready) {
    FrameEndTransfer();
    if (!SendCommandRemembered(kCalibratorSlot)) {
      r.state = kIcIdle;
      d.MessageBox("Data read pointer error", kSetCaption, ui::Icon::kError);
    }
  }
  r.calibrator_ready = false;
  CloseSlot(kCalibratorSlot);
  d.KillTimer(kIcTimer);
  d.End(result);
}

void InputCalibrationDialog::OnTimer(ui::Dialog& d, int timer_id) {
  if (timer_id != kIcTimer) return;
  InputCalibrationRun& r = InputRun();
  switch (r.state) {
    case kIcDelay:
      if (r.countdown != 0)
        --r.countdown;
      else
        r.state = r.next_state;
      return;
    case kIcIdentify:
      Identify(d);
      return;
    case kIcJumperRequest:
      RequestJumper(d);
      return;
    case kIcJumper:
      CheckJumper(d);
      return;
    case kIcSignal:
      SelectSignal(d);
      return;
    case kIcWaitReady:
      WaitReady(d);
      return;
    case kIcStore:
      Store(d);
      return;
    case kIcResetSignal:
      ResetSignal(d);
      return;
    case kIcBeep:
      Beep(d);
      return;
    default:  // the point states, then 5-8 and 17: idle
      if (WritesInputPoint(r.state)) WritePoint(d);
      return;
  }
}

}  // namespace travik
