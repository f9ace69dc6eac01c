// The live values dialogs: the values window (template 106) that polls a
// transmitter's measurement record every 20 ms tick, and the output module's
// window (template 134) that reads its ranges and writes its two outputs.
// Both show a calibration device's reading when one is connected.
#pragma once

#include <cstdint>

#include "core/dialog_runs.h"
#include "ui/ui.h"
#include "values/calibrator_view.h"
#include "values/value_trace.h"

namespace travik {

inline constexpr int kValuesTimer = 1;
inline constexpr int kValuesTickMs = 20;

// Ticks between read block 1 and the first record (a countdown of n lasts n + 1).
inline constexpr std::uint32_t kValuesSettleTicks = 15;

// The values dialog's variables (in ProgramState); they persist between openings.
ValuesRun& ValuesState();

class ValuesDialog : public ui::DialogProc {
 public:
  ValuesDialog();
  void OnInit(ui::Dialog& d) override;
  void OnCommand(ui::Dialog& d, int id, ui::Notify code) override;
  void OnTimer(ui::Dialog& d, int timer_id) override;
  void OnDestroy(ui::Dialog& d) override;

 private:
  void Fail(ui::Dialog& d, const char* message);
  // The fourth row goes back to the layout's own value once the calibration
  // device that had it is given up.
  void ReturnFourthRow(ui::Dialog& d, bool was_in_use);
  CalibratorView calibrator_;
  ValuesTrace trace_;
};

// Output module (type 3).
inline constexpr int kModuleValue0 = 1538;
inline constexpr int kModuleValue1 = 1540;
inline constexpr int kModuleWrite0 = 1547;
inline constexpr int kModuleWrite1 = 1548;
inline constexpr std::uint32_t kModuleCommandTicks = 2;

OutputModuleRun& OutputModuleState();

class OutputModuleDialog : public ui::DialogProc {
 public:
  OutputModuleDialog();
  void OnInit(ui::Dialog& d) override;
  void OnCommand(ui::Dialog& d, int id, ui::Notify code) override;
  void OnTimer(ui::Dialog& d, int timer_id) override;
  void OnDestroy(ui::Dialog& d) override;

 private:
  void Step(ui::Dialog& d);
  // Sends read block `block` (states 3, 5, 7), then waits for the record.
  void RequestBlock(ui::Dialog& d, std::uint8_t block, ModuleStep then, const char* failure);
  // Reads the record of states 4, 6, 8; false after reporting a failure.
  bool ReadRecord(ui::Dialog& d);
  void WriteChannel(ui::Dialog& d, int channel);
  // The channel's field checked; `settle` on its write. Returns its value.
  std::int16_t CheckValue(ui::Dialog& d, int channel, bool settle);
  void Fail(ui::Dialog& d, const char* message);
  CalibratorView calibrator_;
  ValuesTrace trace_;
};

}  // namespace travik
