#include "calibration/output_calibration.h"

#include <cmath>
#include <string>

#include "calibration/calibration_report.h"
#include "calibration/calibrator.h"
#include "calibration/fast_search.h"
#include "core/globals.h"
#include "core/text.h"
#include "hid/hid.h"
#include "protocol/frames.h"
#include "protocol/identification.h"
#include "settings/user_settings.h"

namespace travik {

namespace {

constexpr const char* kBootCaption = "BOOT info";
const std::string kBlank29(29, ' ');

FastOutputRun& Fast() {
  std::shared_ptr<FastOutputRun>& fast = OutputRun().fast;
  if (!fast) fast = std::make_shared<FastOutputRun>();
  return *fast;
}

std::uint16_t TrialValue() { return Fast().on ? Fast().search.value() : OutputRun().search.value; }
std::uint8_t StepsLeft() { return Fast().on ? Fast().search.steps_left() : OutputRun().search.steps_left; }

constexpr std::array<OutputPoint, kOcPoints> kPoints{{
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
  Fast().search = FastSearch{};
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
  d.Enable(kOcFast, true);
  FrameBeep();
  SendCommand(kCalibratorSlot);  // a silent speaker changes nothing here
  r.state = kOcIdle;
  d.MessageBox("Calibrated signal is Out of range", kCalCaption, ui::Icon::kError);
}

// The report: each point as it starts (the devices' fields with the first),
// each step's constant and reading, and how the point ended.
void RecordPoint(ui::Dialog& d, const OutputPoint& p) {
  RecordDevices(d.GetText(kOcCalibratorProduct), d.GetText(kOcCalibratorId), d.GetText(kOcCalibratorFirmware),
                d.GetText(kOcTransmitterProduct), d.GetText(kOcTransmitterId),
                d.GetText(kOcTransmitterFirmware));
  CalibrationReport& report = CurrentCalibration();
  CalibrationPoint point;
  point.name = p.title;
  point.measured = true;
  point.current = p.current;
  point.nominal_counts = p.nominal;
  point.nominal = ReadingText(point, p.nominal);
  point.window_at_once = p.at_once;
  point.window_final = p.final;
  report.points.push_back(point);
}

void RecordStep(std::uint16_t constant, std::uint32_t reading) {
  auto& points = CurrentCalibration().points;
  if (!points.empty()) points.back().steps.push_back({constant, reading});
}

void EndRecordedPoint(std::uint32_t reading, bool passed) {
  auto& points = CurrentCalibration().points;
  if (points.empty()) return;
  points.back().final_reading = reading;
  points.back().passed = passed;
  points.back().ended = true;
}

OutputCalStep PointAfter(OutputCalStep state) {
  const int index = OutputPointIndex(state);
  if (index == kOcPoints - 1) return kOcStore;
  // Type 9 has no second channel to calibrate.
  if (index == kOcPoints / 2 - 1 && G().DeviceType == 9) return kOcStore;
  return OutputPointStep(index + 1);
}

// States 5 to 12.
void RunPoint(ui::Dialog& d) {
  OutputCalibrationRun& r = OutputRun();
  const OutputPoint& p = kPoints[static_cast<std::size_t>(OutputPointIndex(r.state))];
  switch (r.phase) {
    case kOcStart:
      if (p.select != 0 && !SelectInput(d, p.select, p.current)) return;
      d.SetText(kOcPointName, p.title);
      RecordPoint(d, p);
      r.search = Approximation{};
      Fast().search = FastSearch{};
      d.SetText(kOcSteps, StepsLine(StepsLeft()));
      r.phase = kOcWrite;
      return;
    case kOcMeasure: {
      if (Fast().on && r.settle < kFastReadings) Fast().window.Add(r.reading);
      if (r.settle != 0) {
        --r.settle;
        return;
      }
      if (Fast().on && Fast().search.WantsMoreReadings(p, Fast().window)) {
        r.settle = kFastReadings - 1;  // the next kFastReadings ticks' readings join these
        return;
      }
      // Fast mode judges the mean of its window; the report shows what was judged.
      const std::uint32_t judged =
          Fast().on ? static_cast<std::uint32_t>(std::lround(Fast().window.Mean())) : r.reading;
      RecordStep(TrialValue(), judged);
      const Verdict verdict = Fast().on ? Fast().search.Judge(p, Fast().window) : Judge(r.search, p, r.reading);
      switch (verdict) {
        case Verdict::kAccepted:
          EndRecordedPoint(judged, true);
          r.phase = kOcDone;
          return;
        case Verdict::kWriteAgain:
          r.phase = kOcWrite;
          return;
        case Verdict::kOutOfRange:
          EndRecordedPoint(judged, false);
          d.SetText(kOcReport, EndCalibrationReport());
          OutOfRange(d);
          return;
      }
      return;
    }
    case kOcWrite:
      r.phase = kOcWriting;
      d.SetText(kOcSteps, StepsLine(StepsLeft()));
      FrameCalibrationPoint(p.channel, p.point_code, TrialValue());
      if (!SendCommand(kTransmitterSlot)) {
        r.state = kOcIdle;
        LoseTransmitter();
        d.MessageBox("Calibration error", kCalCaption, ui::Icon::kError);
        return;
      }
      r.phase = kOcMeasure;
      r.settle = kOcSettleTicks;
      Fast().window.Clear();
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
  CalibrationReport& report = CurrentCalibration();
  report.complete = !report.points.empty();
  for (const CalibrationPoint& point : report.points) report.complete &= point.passed;
  d.SetText(kOcReport, EndCalibrationReport());
  d.SetText(kOcPointName, "Kalibrace dokoncena");
  for (int id : {kOcSteps, kOcTransmitterProduct, kOcTransmitterId, kOcTransmitterFirmware})
    d.SetText(id, kBlank29);
  d.Enable(kOcPointName, false);
  d.Enable(kOcSteps, false);
  d.Enable(kOcCalibrate, true);
  d.Enable(kOcFast, true);
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
  d.Enable(kOcFast, false);
  SetManualButtons(d, false);
  Fast().on = d.IsChecked(kOcFast);
  BeginCalibrationReport(/*outputs=*/true);
  r.next_state = kOcIdentifyTransmitter;
  r.state = kOcDelay;
  r.countdown = 50;
}

}  // namespace

const std::array<OutputPoint, kOcPoints>& OutputPoints() { return kPoints; }

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

OutputCalibrationRun& OutputRun() { return G().OutputCalibration; }


void OutputCalibrationDialog::OnInit(ui::Dialog& d) {
  OutputCalibrationRun& r = OutputRun();
  // Only what this opening opened is closed at its end.
  r.transmitter_opened = false;
  r.streaming = false;
  r.state = kOcIdle;
  for (int id : {kOcCalibrate, kOcPointName, kOcSteps, kOcReading}) d.Enable(id, false);
  d.Check(kOcFast, G().Settings.FastOutputCalibration);
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
    case kOcFast:
      G().Settings.FastOutputCalibration = d.IsChecked(kOcFast);
      SaveUserSettings();
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
      if (OutputPointIndex(r.state) >= 0) RunPoint(d);
      return;
  }
}

}  // namespace travik
