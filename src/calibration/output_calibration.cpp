#include "calibration/output_calibration.h"

#include <string>

#include "calibration/calibrator.h"
#include "core/globals.h"
#include "hid/hid.h"
#include "protocol/frames.h"
#include "protocol/identification.h"

namespace travik {
namespace {

constexpr const char* kBootCaption = "BOOT info";
const std::string kBlank29(29, ' ');

OutputCalibrationRun g_run;

constexpr std::array<OutputPoint, 8> kPoints{{
    {1, 0x04, kChannelU1, false, "Kalibrace Napeti kanal 1 kalibracni bod 1V", 10000, 11, 19},
    {1, 0x06, 0, false, "Kalibrace Napeti kanal 1 kalibracni bod 10V", 100000, 11, 19},
    {1, 0x00, kChannelI1, true, "Kalibrace Proudu kanal 1 kalibracni bod 2mA", 20000, 22, 39},
    {1, 0x02, 0, true, "Kalibrace Proudu kanal 1 kalibracni bod 20mA", 200000, 22, 39},
    {2, 0x0C, kChannelU2, false, "Kalibrace Napeti kanal 2 kalibracni bod 1V", 10000, 11, 19},
    {2, 0x0E, 0, false, "Kalibrace Napeti kanal 2 kalibracni bod 10V", 100000, 11, 19},
    {2, 0x08, kChannelI2, true, "Kalibrace Proudu kanal 2 kalibracni bod 2mA", 20000, 22, 39},
    {2, 0x0A, 0, true, "Kalibrace Proudu kanal 2 kalibracni bod 20mA", 200000, 22, 39},
}};

bool Within(std::uint32_t reading, std::uint32_t nominal, std::uint32_t tolerance) {
  return reading + tolerance >= nominal && reading <= nominal + tolerance;
}

// A failure that ends the dialog. The timer stops first: every tick reads the
// calibration device, and a device that failed once would otherwise stack up
// one message box per tick under this one.
void FailAndClose(ui::Dialog& d, const char* text, const char* caption, ui::Icon icon) {
  OutputRun().state = kOcIdle;
  d.KillTimer(kOcTimer);
  d.MessageBox(text, caption, icon);
  d.PostClose();
}

void NotResponding(ui::Dialog& d) {
  FailAndClose(d, "HID device neodpovídá", kHidCaption, ui::Icon::kInformation);
}

// A refused exchange with the transmitter means it is gone: the main window
// must not go on showing it connected, nor keep a handle to it.
void LoseTransmitter() {
  G().DeviceOnline = 0;
  CloseSlot(kTransmitterSlot);
}

void TransmitterLost(ui::Dialog& d) {
  LoseTransmitter();
  NotResponding(d);
}

void SetManualButtons(ui::Dialog& d, bool enabled) {
  for (int id : {kOcU1, kOcU2, kOcI1, kOcI2}) d.Enable(id, enabled);
}

// Selects an input of the calibration device; false after the failure was shown.
bool SelectInput(ui::Dialog& d, std::uint8_t code, bool current) {
  FrameSelectChannel(code);
  if (!SendCommand(kCalibratorSlot)) {
    FailAndClose(d, "Channel select error", kSetCaption, ui::Icon::kError);
    return false;
  }
  OutputRun().current_input = current;
  return true;
}

// Opening step 4 onwards and state 2: the calibration device's identification.
void IdentifyCalibrator(ui::Dialog& d) {
  OutputCalibrationRun& r = OutputRun();
  if (!ReadInput(kCalibratorSlot)) {
    NotResponding(d);
    return;
  }
  const auto& report = G().InputReport;
  d.SetText(kOcCalibratorId, RecordText(&report[1], 16));
  d.SetText(kOcCalibratorFirmware, RecordText(&report[17], 8));
  FrameReadBlock(1);
  if (!SendCommand(kCalibratorSlot)) {
    FailAndClose(d, "Data read pointer error", kSetCaption, ui::Icon::kError);
    return;
  }
  r.streaming = true;
  d.Enable(kOcCalibrate, true);
  d.Enable(kOcReading, true);
  r.state = kOcIdle;
}

// State 3.
void IdentifyTransmitter(ui::Dialog& d) {
  OutputCalibrationRun& r = OutputRun();
  if (!ReadInput(kTransmitterSlot)) {
    TransmitterLost(d);
    return;
  }
  const auto& report = G().InputReport;
  d.SetText(kOcTransmitterId, RecordText(&report[1], 16));
  d.SetText(kOcTransmitterFirmware, RecordText(&report[17], 8));
  FrameReadJumper();
  if (!SendCommand(kTransmitterSlot)) {
    TransmitterLost(d);
    return;
  }
  r.next_state = kOcJumper;
  r.state = kOcDelay;
  r.countdown = 5;
}

// State 4. The state moves on before the message box: its loop keeps ticking.
void CheckJumper(ui::Dialog& d) {
  OutputCalibrationRun& r = OutputRun();
  if (!ReadReply(kTransmitterSlot)) {
    TransmitterLost(d);
    return;
  }
  d.Enable(kOcPointName, true);
  d.Enable(kOcSteps, true);
  r.search = Approximation{};
  r.phase = kOcStart;
  r.next_state = kOcFirstPoint;
  r.state = kOcDelay;
  r.countdown = 35;
  if (!ReplyJumperFitted()) d.MessageBox(kJumperMissing, kSetCaption, ui::Icon::kInformation);
}

void OutOfRange(ui::Dialog& d) {
  OutputCalibrationRun& r = OutputRun();
  for (int id : {kOcPointName, kOcSteps, kOcTransmitterProduct, kOcTransmitterId, kOcTransmitterFirmware})
    d.SetText(id, kBlank29);
  d.Enable(kOcPointName, false);
  d.Enable(kOcSteps, false);
  d.Enable(kOcCalibrate, true);
  FrameBeep();
  SendCommand(kCalibratorSlot);  // a silent speaker changes nothing here
  r.state = kOcIdle;
  d.MessageBox("Calibrated signal is Out of range", kCalCaption, ui::Icon::kError);
}

std::uint8_t PointAfter(std::uint8_t state) {
  if (state == kOcLastPoint) return kOcStore;
  // Type 9 has no second channel to calibrate.
  if (state == kOcFirstPoint + 3 && G().DeviceType == 9) return kOcStore;
  return static_cast<std::uint8_t>(state + 1);
}

// States 5 to 12.
void RunPoint(ui::Dialog& d) {
  OutputCalibrationRun& r = OutputRun();
  const OutputPoint& p = kPoints[r.state - kOcFirstPoint];
  switch (r.phase) {
    case kOcStart:
      if (p.select != 0 && !SelectInput(d, p.select, p.current)) return;
      d.SetText(kOcPointName, p.title);
      r.search = Approximation{};
      d.SetText(kOcSteps, StepsLine(r.search.steps_left));
      r.phase = kOcWrite;
      return;
    case kOcMeasure:
      if (r.settle != 0) {
        --r.settle;
        return;
      }
      switch (Judge(r.search, p, r.reading)) {
        case Verdict::kAccepted:
          r.phase = kOcDone;
          return;
        case Verdict::kWriteAgain:
          r.phase = kOcWrite;
          return;
        case Verdict::kOutOfRange:
          OutOfRange(d);
          return;
      }
      return;
    case kOcWrite:
      r.phase = kOcWriting;
      d.SetText(kOcSteps, StepsLine(r.search.steps_left));
      FrameCalibrationPoint(p.channel, p.point_code, r.search.value);
      if (!SendCommand(kTransmitterSlot)) {
        r.state = kOcIdle;
        LoseTransmitter();
        d.MessageBox("Calibration error", kCalCaption, ui::Icon::kError);
        return;
      }
      r.phase = kOcMeasure;
      r.settle = kOcSettleTicks;
      return;
    case kOcDone:
      r.phase = kOcStart;
      r.state = PointAfter(r.state);
      return;
    default:  // a write in progress
      return;
  }
}

// State 13. Every state change comes before a message box, whose loop keeps
// ticking: a box shown in state 13 would otherwise save again under it.
void Store(ui::Dialog& d) {
  OutputCalibrationRun& r = OutputRun();
  FrameSaveEeprom(3, /*magic=*/false);
  if (!SendCommand(kTransmitterSlot)) {
    r.state = kOcIdle;
    LoseTransmitter();
    d.MessageBox("Calibration data write to EEPROM error", kCalCaption, ui::Icon::kError);
    return;
  }
  FrameBeep();
  const bool beeped = SendCommand(kCalibratorSlot);
  r.state = kOcIdle;
  d.SetText(kOcPointName, "Kalibrace dokoncena");
  for (int id : {kOcSteps, kOcTransmitterProduct, kOcTransmitterId, kOcTransmitterFirmware})
    d.SetText(id, kBlank29);
  d.Enable(kOcPointName, false);
  d.Enable(kOcSteps, false);
  d.Enable(kOcCalibrate, true);
  SetManualButtons(d, true);
  if (!beeped) d.MessageBox("Speaker beep error", kCalCaption, ui::Icon::kError);
}

// "Calibration": the transmitter is looked up afresh, so a unit swapped on the
// bench after an out-of-range point is the one calibrated next.
void StartCalibration(ui::Dialog& d) {
  OutputCalibrationRun& r = OutputRun();
  if (!SelectInput(d, kChannelU1, false)) return;
  const Lookup found =
      LookUpDevice(d, RebuildDeviceList(), G().TransmitterIds, kTransmitterSlot, kOcTransmitterProduct);
  // A transmitter that cannot be found, opened or initialised is gone.
  if (found != Lookup::kReady) LoseTransmitter();
  switch (found) {
    case Lookup::kNoDevices:
      FailAndClose(d, "Calibrated device is not connected", kHidCaption, ui::Icon::kInformation);
      return;
    case Lookup::kNotFound:
      FailAndClose(d, "Calibrated device not detected", kHidCaption, ui::Icon::kInformation);
      return;
    case Lookup::kNotOpened:
      return;
    case Lookup::kInitRefused:
      r.transmitter_opened = true;
      FailAndClose(d, "Calibrated device ID read error", kHidCaption, ui::Icon::kInformation);
      return;
    case Lookup::kReady:
      r.transmitter_opened = true;
      break;
  }
  d.Enable(kOcCalibrate, false);
  SetManualButtons(d, false);
  r.next_state = kOcIdentifyTransmitter;
  r.state = kOcDelay;
  r.countdown = 50;
}

}  // namespace

const std::array<OutputPoint, 8>& OutputPoints() { return kPoints; }

Verdict Judge(Approximation& a, const OutputPoint& point, std::uint32_t reading) {
  if (Within(reading, point.nominal, point.at_once)) return Verdict::kAccepted;
  if (reading < point.nominal)
    a.value = static_cast<std::uint16_t>(a.value + a.step);
  else
    a.value = static_cast<std::uint16_t>(a.value - a.step);
  a.step /= 2;
  --a.steps_left;
  if (a.steps_left != 0) return Verdict::kWriteAgain;
  if (!Within(reading, point.nominal, point.final)) return Verdict::kOutOfRange;
  a.steps_left = 1;
  return Verdict::kAccepted;
}

std::string StepsLine(std::uint8_t steps_left) {
  return "Zbyvajici pocet kroku " + std::to_string(steps_left) + " ";
}

OutputCalibrationRun& OutputRun() { return g_run; }

void OutputCalibrationDialog::OnInit(ui::Dialog& d) {
  OutputCalibrationRun& r = OutputRun();
  // Only what this opening opened is closed at its end.
  r.transmitter_opened = false;
  r.streaming = false;
  r.state = kOcIdle;
  for (int id : {kOcCalibrate, kOcPointName, kOcSteps, kOcReading}) d.Enable(id, false);
  // Not opened is reported by the first tick's read.
  const Lookup found =
      LookUpDevice(d, RebuildDeviceList(), G().CalibratorIds, kCalibratorSlot, kOcCalibratorProduct);
  if (const char* text = CalibratorLookupText(found)) {
    FailAndClose(d, text, kHidCaption, ui::Icon::kInformation);
    return;
  }
  r.next_state = kOcIdentifyCalibrator;
  r.state = kOcDelay;
  r.countdown = 50;
  d.SetTimer(kOcTimer, kOcTickMs);
  d.TickNow(kOcTimer);
}

void OutputCalibrationDialog::OnCommand(ui::Dialog& d, int id, ui::Notify code) {
  if (code != ui::Notify::kClicked) return;
  switch (id) {
    case ui::kIdCancel: {
      OutputCalibrationRun& r = OutputRun();
      if (r.transmitter_opened) CloseSlot(kTransmitterSlot);
      CloseSlot(kCalibratorSlot);
      r.state = kOcIdle;
      d.KillTimer(kOcTimer);
      d.End(ui::kIdCancel);
      return;
    }
    case kOcCalibrate:
      StartCalibration(d);
      return;
    case kOcU1:
      SelectInput(d, kChannelU1, false);
      return;
    case kOcU2:
      SelectInput(d, kChannelU2, false);
      return;
    case kOcI1:
      SelectInput(d, kChannelI1, true);
      return;
    case kOcI2:
      SelectInput(d, kChannelI2, true);
      return;
    default:
      return;
  }
}

void OutputCalibrationDialog::OnTimer(ui::Dialog& d, int timer_id) {
  if (timer_id != kOcTimer) return;
  OutputCalibrationRun& r = OutputRun();
  if (!ReadInput(kCalibratorSlot)) {
    FailAndClose(d, "Calibration Data read error", kBootCaption, ui::Icon::kError);
    return;
  }
  if (r.streaming) {
    r.reading = CalibratorReading(G().InputReport);
    d.SetText(kOcReading, FormatCalibratorReading(r.reading, r.current_input));
  }
  switch (r.state) {
    case kOcDelay:
      if (r.countdown == 0)
        r.state = r.next_state;
      else
        --r.countdown;
      return;
    case kOcIdentifyCalibrator:
      IdentifyCalibrator(d);
      return;
    case kOcIdentifyTransmitter:
      IdentifyTransmitter(d);
      return;
    case kOcJumper:
      CheckJumper(d);
      return;
    case kOcStore:
      Store(d);
      return;
    default:
      if (r.state >= kOcFirstPoint && r.state <= kOcLastPoint) RunPoint(d);
      return;
  }
}

}  // namespace travik
