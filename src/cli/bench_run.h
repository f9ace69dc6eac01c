// One command of the bench commands as a user at the window would carry it
// out: a whole program on the headless window layer, connected to the chosen
// transmitter, driven by clicks. Message boxes go to the error stream with
// their caption, as they come.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/bench.h"
#include "app/session.h"
#include "hid/device_filter.h"
#include "hid/hid_backend.h"
#include "sim/sim_backend.h"

namespace travik::cli {

// Exit statuses of the bench commands.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitMismatch = 3;
inline constexpr int kExitInterrupted = 130;

// Where the commands find their devices and how they report.
struct BenchEnv {
  HidBackend* backend = nullptr;
  // A simulated bench: the program runs on the virtual clock and the devices
  // follow it, one session after the other without going back in time.
  sim::SimBackend* sim = nullptr;
  std::int64_t sim_elapsed_ms = 0;
  bool progress = false;  // a progress line on the error stream (a terminal)
  const std::atomic<bool>* interrupted = nullptr;
  bool Interrupted() const { return interrupted != nullptr && interrupted->load(); }
};

class BenchRun {
 public:
  BenchRun(BenchEnv& env, const std::vector<BenchDevice>& bench, int chosen, std::ostream& err);
  ~BenchRun();
  BenchRun(const BenchRun&) = delete;
  BenchRun& operator=(const BenchRun&) = delete;

  ui::HeadlessBackend& ui() { return session_->ui(); }

  // Starts the program and waits for it to connect to and identify the
  // transmitter; false (with the program's messages printed) when it did not.
  bool Connect();
  // KONFIGURACE: the model's configuration dialog, after its reading at
  // opening. Its template, or 0 (reported) when it did not open.
  int OpenConfiguration();
  // The clickable control of the top window whose text is `caption` (or
  // begins with it), clicked. "" or why not.
  std::string Click(std::string_view caption, bool prefix = false);
  std::string ClickId(int id);
  std::string Menu(int command);
  // How far a long step is, 0-100, or -1 when it cannot be told.
  using Percent = std::function<int()>;
  // The percentage in a progress control's text ("Read: 45%").
  Percent ProgressOf(int template_number, int control);
  // Lets the program run until `template_number` has closed, showing the
  // progress line. False when it did not close in time or the user
  // interrupted.
  bool WaitClosed(int template_number, const Percent& percent, std::int64_t bound_ms,
                  std::string_view label);
  // Lets the program run for `ms` (or until interrupted). False when interrupted.
  bool Run(std::int64_t ms);

  // Prints the message boxes shown since the last call; returns them.
  std::vector<ui::MessageRecord> TakeMessages();
  static bool AnyError(const std::vector<ui::MessageRecord>& messages);

  std::int64_t Now() { return ui().Now(); }
  bool Interrupted() const { return env_.Interrupted(); }
  const BenchDevice* Device() const { return device_; }

 private:
  void ClearProgress();

  BenchEnv& env_;
  std::ostream& err_;
  const BenchDevice* device_ = nullptr;
  std::unique_ptr<DeviceFilter> filter_;
  std::unique_ptr<Session> session_;
  std::size_t messages_seen_ = 0;
  bool progress_shown_ = false;
};

// A message box as one line: "Caption: text", lines of the text joined.
std::string MessageLine(const ui::MessageRecord& m);

}  // namespace travik::cli
