// Automatic calibration of a transmitter's analog outputs (template 122): the
// calibration device measures each output point while the constant the
// transmitter drives it with is found by successive approximation (or, with
// "Rychlá kalibrace", by the fast search of fast_search.h). Slot 2
// holds the calibration device for the whole dialog, slot 1 the transmitter
// from "Calibration" on; everything runs on the 20 ms timer.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/dialog_runs.h"
#include "ui/ui.h"

namespace travik {

// Controls of template 122.
inline constexpr int kOcCalibratorProduct = 1224;
inline constexpr int kOcCalibratorId = 1225;
inline constexpr int kOcCalibratorFirmware = 1226;
inline constexpr int kOcTransmitterProduct = 1233;
inline constexpr int kOcTransmitterId = 1234;
inline constexpr int kOcTransmitterFirmware = 1235;
inline constexpr int kOcPointName = 1229;
inline constexpr int kOcSteps = 1009;
inline constexpr int kOcReading = 1010;
inline constexpr int kOcCalibrate = 1227;
inline constexpr int kOcU1 = 1228;
inline constexpr int kOcU2 = 1236;
inline constexpr int kOcI1 = 1237;
inline constexpr int kOcI2 = 1238;
// Check box "Rychlá kalibrace": the fast search (fast_search.h) instead of
// the successive approximation.
inline constexpr int kOcFast = 1239;
inline constexpr int kOcReport = 1241;  // where the report went

inline constexpr int kOcTimer = 1;
inline constexpr int kOcTickMs = 20;
// Ticks between a write and the reading that judges it.
inline constexpr std::uint8_t kOcSettleTicks = 100;

struct OutputPoint {
  std::uint8_t channel;     // 1 or 2
  std::uint8_t point_code;  // second byte of the set-calibration-point command
  std::uint8_t select;      // calibration-device input selected first, 0 for none
  bool current;
  const char* title;
  std::uint32_t nominal;
  std::uint32_t at_once;  // accepted at once within nominal ± at_once
  std::uint32_t final;    // accepted after the last step within nominal ± final
};

// The points of states 5 to 12, in order.
const std::array<OutputPoint, kOcPoints>& OutputPoints();

enum class Verdict { kAccepted, kWriteAgain, kOutOfRange };

// Judges a reading of the value last written and corrects the value for the
// next write.
Verdict Judge(Approximation& a, const OutputPoint& point, std::uint32_t reading);

// "Zbyvajici pocet kroku 12 ": the format's trailing lone percent prints nothing.
std::string StepsLine(std::uint8_t steps_left);

// The one run (in ProgramState); its variables persist between openings as
// the dialog's do.
OutputCalibrationRun& OutputRun();

class OutputCalibrationDialog : public ui::DialogProc {
 public:
  void OnInit(ui::Dialog& d) override;
  void OnCommand(ui::Dialog& d, int id, ui::Notify code) override;
  void OnTimer(ui::Dialog& d, int timer_id) override;
};

}  // namespace travik
