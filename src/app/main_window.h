// The main window: connection state machine on timer 1, the four buttons,
// the menu, and the dispatch to the device dialogs.
#pragma once

#include "ui/ui.h"

namespace travik {

// Consecutive failed open or init attempts after which the automatic
// connection gives up and reports (about half a second of 10 ms ticks).
inline constexpr int kConnectAttempts = 50;

class MainWindowProc : public ui::DialogProc {
 public:
  void OnInit(ui::Dialog& w) override;
  void OnCommand(ui::Dialog& w, int id, ui::Notify code) override;
  void OnTimer(ui::Dialog& w, int timer_id) override;
  void OnClose(ui::Dialog& w) override;

 private:
  void Step(ui::Dialog& w);
  // Enumerate, find, open, read the product text and initialise; identification
  // follows on the timer. kNotFound has been reported here; kRefused is left to
  // the caller, which retries before it reports.
  enum class Outcome { kConnected, kNotFound, kRefused };
  Outcome Connect(ui::Dialog& w, bool automatic);
  Outcome NotFound(ui::Dialog& w, const char* text, const char* caption);
  void ShowDisconnected(ui::Dialog& w);
  // Hides the window, runs the dialog, restores the window.
  void RunHidden(ui::Dialog& w, int template_number);
  void ReportConnectFailure(ui::Dialog& w, const char* caption);
  void OpenConfiguration(ui::Dialog& w);
  void OpenValues(ui::Dialog& w);
  void AutoCalibration(ui::Dialog& w);
  void Bootloader(ui::Dialog& w);
  int RunDialog(ui::Dialog& w, int template_number);
};

}  // namespace travik
