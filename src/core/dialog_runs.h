// The runs of the dialogs that drive a device on their own timer: the
// configuration transfer popups, the values and output-module windows and both
// calibrations. Each is a named state machine whose numbers are the ones the
// documentation uses; its variables live in ProgramState, so they persist
// between openings as the dialogs expect and a fresh program starts idle.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

namespace travik {

// --- Configuration transfer (read popup 109, write popup 108) ----------------

inline constexpr int kTransferBlocks = 12;

// The block phases run over blocks 1-12 at consecutive numbers from their
// first state; BlockStep and BlockOf convert.
enum TransferStep : std::uint8_t {
  kTransferIdle = 0,
  kTransferWaiting = 1,  // count TransferWait down, then go to TransferNext
  kReadCommand = 2,      // 2-13: the read-block command of block 1-12
  kReadData = 14,        // 14-25: that block's data report
  kWriteCommand = 34,    // 34-45: the write-block command of block 1-12
  kWriteData = 46,       // 46-57: that block's data report
  kSaveFirst = 58,       // 58-60: the three saves to EEPROM, areas 0-2
  kSaveSecond = 59,
  kSaveLast = 60,
  kJumperCommand = 61,
  kJumperReply = 62,
};

// The state of block `block` (1-12) in the phase starting at `phase`.
constexpr TransferStep BlockStep(TransferStep phase, int block) {
  return static_cast<TransferStep>(phase + block - 1);
}
// The block (1-12) that `state` stands for in the phase starting at `phase`;
// 0 when the state is not in that phase.
constexpr int BlockOf(TransferStep phase, int state) {
  const int block = state - phase + 1;
  return block >= 1 && block <= kTransferBlocks ? block : 0;
}

// One set for both popups: only one runs at a time.
struct TransferRun {
  TransferStep TransferState = kTransferIdle;
  TransferStep TransferNext = kTransferIdle;
  std::int32_t TransferWait = 0;
};

// --- Values window (106) -------------------------------------------------------

enum ValuesStep : std::uint8_t {
  kValuesIdle = 0,
  kValuesAddress = 1,     // read block 1, start the calibration device
  kValuesSettle = 2,      // count down before the first record
  kValuesRecord = 3,      // read and show the measurement record
  kValuesReadCalibrator = 4,  // read and show the calibration device
};

struct ValuesRun {
  ValuesStep state = kValuesIdle;
  std::uint32_t countdown = 0;
};

// --- Output-module window (134) ----------------------------------------------

enum ModuleStep : std::uint8_t {
  kModuleIdle = 0,
  kModuleAddress = 1,             // write block 1, start the calibration device
  kModuleWait = 2,                // count down, then go to next_state
  kModuleAskInputRanges = 3,      // read block 4
  kModuleInputRanges = 4,
  kModuleAskUnits = 5,            // read block 5
  kModuleUnits = 6,
  kModuleAskOutputRanges = 7,     // read block 7
  kModuleOutputRanges = 8,
  kModuleReadCalibrator = 9,          // every tick: the calibration device's reading
};

struct OutputModuleRun {
  ModuleStep state = kModuleIdle;
  ModuleStep next_state = kModuleIdle;
  std::uint32_t countdown = 0;
  std::int16_t values[2] = {0, 0};
  // What each value field shows once checked: what its write sends.
  std::int16_t shown[2] = {0, 0};
};

// --- Input calibration (336) -------------------------------------------------

// The signal codes 1-4 are also the states that write their point; 5-8 have
// no point and are idle, as is anything past kIcIdle.
enum InputCalStep : std::uint8_t {
  kIcWaitReady = 0,  // poll until the transmitter has taken its point
  kIcRtd100Low = 1,  // 1-4: write the point of signal code 1-4
  kIcRtd100High = 2,
  kIcRtd1000Low = 3,
  kIcRtd1000High = 4,
  kIcFirstPoint = kIcRtd100Low,
  kIcLastPoint = kIcRtd1000High,
  kIcStore = 9,
  kIcIdentify = 10,
  kIcJumperRequest = 11,
  kIcJumper = 12,
  kIcSignal = 13,
  kIcResetSignal = 14,
  kIcDelay = 15,
  kIcBeep = 16,
  kIcIdle = 17,
};

constexpr bool WritesInputPoint(int state) { return state >= kIcFirstPoint && state <= kIcLastPoint; }

struct InputCalibrationRun {
  InputCalStep state = kIcIdle;
  InputCalStep next_state = kIcIdle;
  std::uint32_t countdown = 0;
  std::uint8_t point_index = 0;
  std::array<std::uint8_t, 8> points{};
  std::array<std::uint8_t, 8> parameters{};
  std::uint32_t polls = 0;
  // This opening found and opened the calibration device and it took its
  // init: only then is it told anything, the end of the host transfer included.
  bool calibrator_ready = false;
};

// --- Output calibration (122) ------------------------------------------------

inline constexpr std::uint8_t kOcStepsPerPoint = 12;
inline constexpr std::uint16_t kOcFirstTrial = 2048;
inline constexpr std::uint32_t kOcFirstStep = 1024;
inline constexpr int kOcPoints = 8;

enum OutputCalStep : std::uint8_t {
  kOcIdle = 0,
  kOcDelay = 1,
  kOcIdentifyCalibrator = 2,
  kOcIdentifyTransmitter = 3,
  kOcJumper = 4,
  kOcFirstPoint = 5,  // 5-12: the points in the order of OutputPoints()
  kOcLastPoint = 12,
  kOcStore = 13,
};

// The index into OutputPoints() of a point state, -1 for any other state.
constexpr int OutputPointIndex(int state) {
  return state >= kOcFirstPoint && state <= kOcLastPoint ? state - kOcFirstPoint : -1;
}
constexpr OutputCalStep OutputPointStep(int index) {
  return static_cast<OutputCalStep>(kOcFirstPoint + index);
}

// Phases within a point.
enum OutputPhase : std::uint8_t {
  kOcWriting = 0,  // a write in progress
  kOcStart = 1,
  kOcMeasure = 2,
  kOcWrite = 3,
  kOcDone = 4,
};

// The successive approximation of one point.
struct Approximation {
  std::uint16_t value = kOcFirstTrial;
  std::uint32_t step = kOcFirstStep;
  std::uint8_t steps_left = kOcStepsPerPoint;
};

// The fast search's own variables (calibration/fast_search.h); created by
// its first use.
struct FastOutputRun;

struct OutputCalibrationRun {
  OutputCalStep state = kOcIdle;
  OutputCalStep next_state = kOcIdle;
  std::uint32_t countdown = 0;
  OutputPhase phase = kOcStart;
  std::uint8_t settle = 0;
  Approximation search;
  std::uint32_t reading = 0;
  bool current_input = false;
  bool transmitter_opened = false;
  // Reports are measurements only once read block 1 was accepted; before,
  // the device sends its identification record.
  bool streaming = false;
  std::shared_ptr<FastOutputRun> fast;
};

}  // namespace travik
