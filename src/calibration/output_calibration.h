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

inline constexpr int kOcTimer = 1;
inline constexpr int kOcTickMs = 20;
// Ticks between a write and the reading that judges it.
inline constexpr std::uint8_t kOcSettleTicks = 100;
inline constexpr std::uint8_t kOcStepsPerPoint = 12;
inline constexpr std::uint16_t kOcFirstTrial = 2048;
inline constexpr std::uint32_t kOcFirstStep = 1024;

// States: 0 idle, 1 delay, 2-4 connection steps, 5-12 points, 13 store.
inline constexpr std::uint8_t kOcIdle = 0;
inline constexpr std::uint8_t kOcDelay = 1;
inline constexpr std::uint8_t kOcIdentifyCalibrator = 2;
inline constexpr std::uint8_t kOcIdentifyTransmitter = 3;
inline constexpr std::uint8_t kOcJumper = 4;
inline constexpr std::uint8_t kOcFirstPoint = 5;
inline constexpr std::uint8_t kOcLastPoint = 12;
inline constexpr std::uint8_t kOcStore = 13;

// Phases within a point.
inline constexpr std::uint8_t kOcWriting = 0;
inline constexpr std::uint8_t kOcStart = 1;
inline constexpr std::uint8_t kOcMeasure = 2;
inline constexpr std::uint8_t kOcWrite = 3;
inline constexpr std::uint8_t kOcDone = 4;

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
const std::array<OutputPoint, 8>& OutputPoints();

// The search of one point.
struct Approximation {
  std::uint16_t value = kOcFirstTrial;
  std::uint32_t step = kOcFirstStep;
  std::uint8_t steps_left = kOcStepsPerPoint;
};

enum class Verdict { kAccepted, kWriteAgain, kOutOfRange };

// Judges a reading of the value last written and corrects the value for the
// next write.
Verdict Judge(Approximation& a, const OutputPoint& point, std::uint32_t reading);

// "Zbyvajici pocet kroku 12 ": the format's trailing lone percent prints nothing.
std::string StepsLine(std::uint8_t steps_left);

struct OutputCalibrationRun {
  std::uint8_t state = kOcIdle;
  std::uint8_t next_state = kOcIdle;
  std::uint32_t countdown = 0;
  std::uint8_t phase = kOcStart;
  std::uint8_t settle = 0;
  Approximation search;
  std::uint32_t reading = 0;
  bool current_input = false;
  bool transmitter_opened = false;
  // Reports are measurements only once read block 1 was accepted; before,
  // the device sends its identification record.
  bool streaming = false;
};

// The one run; its variables persist between openings as the dialog's do.
OutputCalibrationRun& OutputRun();

class OutputCalibrationDialog : public ui::DialogProc {
 public:
  void OnInit(ui::Dialog& d) override;
  void OnCommand(ui::Dialog& d, int id, ui::Notify code) override;
  void OnTimer(ui::Dialog& d, int timer_id) override;
};

}  // namespace travik
