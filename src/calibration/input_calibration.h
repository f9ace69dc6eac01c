// Calibration of a transmitter's resistance-thermometer inputs (template 336):
// the calibration device produces each reference in turn, the transmitter is
// told to take its input as the nominal value, and the dialog polls until the
// transmitter reports the point taken. Both slots are opened for each
// exchange; the transmitter is the one the main window connected.
#pragma once

#include <array>
#include <cstdint>

#include "core/dialog_runs.h"
#include "ui/ui.h"

namespace travik {

// Controls of template 336.
inline constexpr int kIcCalibratorProduct = 3842;
inline constexpr int kIcCalibratorId = 3846;
inline constexpr int kIcCalibratorFirmware = 3844;
inline constexpr int kIcPointName = 3857;
inline constexpr int kIcNominal = 3854;
inline constexpr int kIcDevice = 3855;
inline constexpr int kIcCalibrate = 3856;
inline constexpr int kIcReport = 3859;  // where the report went

inline constexpr int kIcTimer = 1;
inline constexpr int kIcTickMs = 20;
// Result of a close request (CANCEL ends with 1).
inline constexpr int kIcClosed = 1005;

// Status byte 2 of a transmitter that has taken its point.
inline constexpr std::uint8_t kIcReady = 0xAA;
inline constexpr std::uint32_t kIcPollTicks = 50;
// Polls of state 0 before the transmitter counts as not answering: about a
// minute (60 polls of 51 ticks).
inline constexpr std::uint32_t kIcReadyPollLimit = 60;

struct SignalCode {
  const char* name;
  const char* nominal;
  std::uint8_t command;      // calibration-device reference
  InputCalStep write_state;  // state that writes the point; kIcIdle for none
  std::uint8_t range;        // set-calibration-point range byte
  std::uint16_t value;       // nominal in the range's units
};

// The code's row; codes outside 1-9 are "Unknown signal".
const SignalCode& Signal(std::uint8_t code);

// The run (in ProgramState); its variables persist between openings.
InputCalibrationRun& InputRun();

class InputCalibrationDialog : public ui::DialogProc {
 public:
  void OnInit(ui::Dialog& d) override;
  void OnCommand(ui::Dialog& d, int id, ui::Notify code) override;
  void OnTimer(ui::Dialog& d, int timer_id) override;
  void OnClose(ui::Dialog& d) override;

 private:
  void Close(ui::Dialog& d, int result);
};

}  // namespace travik
