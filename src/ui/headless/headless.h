// Headless window layer: the same dialog semantics as the real windows, with
// no display and, by default, a virtual clock. The program runs on its own
// thread; the driver (a test or the scenario runner) acts as a user from the
// calling thread. The two never run at once: every driver call hands the turn
// to the program and returns when the program waits for input again, so runs
// are deterministic.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ui/ui.h"

namespace travik::ui {

struct ControlState {
  ControlKind kind = ControlKind::kStatic;
  std::string text;
  bool enabled = true;
  bool visible = true;
  bool checked = false;
  std::vector<std::string> items;
  std::vector<std::uintptr_t> item_data;  // beside items
  int selection = -1;
  std::size_t max_chars = 0;  // an edit's limit; 0: none
  std::uint32_t style = 0;    // the template's (ControlStyle)
  // A chart's samples as its dialog fed them (shared with the window).
  std::shared_ptr<const ChartData> chart;
};

struct WindowInfo {
  int template_number = 0;
  bool visible = true;
  std::string caption;
};

class HeadlessBackend : public Backend {
 public:
  enum class Clock { kVirtual, kReal };
  explicit HeadlessBackend(Clock clock = Clock::kVirtual);
  ~HeadlessBackend() override;

  int RunMainWindow(int template_number, DialogProc& proc) override;

  // Runs `program` on the program thread and returns once it waits for input.
  void Start(std::function<int()> program);
  bool Finished() const;
  int ExitCode() const;

  // --- Driver side. Each call returns when the program is idle again. ------
  std::int64_t Now() const;  // ms since start
  // Lets time pass: fires every timer due within the next `ms`, in order.
  void Advance(std::int64_t ms);
  // Fires timers one at a time until `done` holds or `bound_ms` have passed.
  // Returns whether `done` held.
  bool AdvanceUntil(const std::function<bool()>& done, std::int64_t bound_ms);

  // User input to the topmost window (or the named one, which must be the
  // active one). Each returns "" on success, or why the input was refused.
  std::string Click(int template_number, int id);
  std::string MenuCommand(int template_number, int command);
  std::string Type(int template_number, int id, const std::string& text);
  std::string Select(int template_number, int id, int position);
  std::string SetChecked(int template_number, int id, bool checked);
  std::string Focus(int template_number, int id);
  std::string PressEsc(int template_number);
  std::string CloseBox(int template_number);

  // How long a message box stays up before it is answered (default 0: at
  // once). Timers of the windows below keep firing meanwhile, as they do for
  // a user who takes a moment to read it.
  void SetMessageBoxDuration(std::int64_t ms) { message_box_ms_ = ms; }
  // Deepest nesting of message boxes seen (boxes opened while one is up).
  int DeepestMessageNesting() const { return deepest_nesting_; }

  // Answers for what the program will ask next.
  void QueueFileAnswer(std::optional<std::string> path);
  void QueueMessageAnswer(int answer);

  // Inspection (valid while the program is idle).
  std::vector<WindowInfo> Windows() const;  // bottom to top
  bool IsOpen(int template_number) const;
  // A chart's span, as the technician would choose it in the window.
  std::string SetChartSpan(int template_number, int id, ChartSpan span);
  int TopTemplate() const;  // 0 when none
  // A control as its procedure set it (texts in the program's own language)...
  std::optional<ControlState> Control(int template_number, int id) const;
  // ... and as the user sees it (texts translated for display).
  std::optional<ControlState> ShownControl(int template_number, int id) const;
  const std::vector<MessageRecord>& Messages() const { return messages_; }
  // An owner-drawn combo's item as its procedure paints it: a canvas of the
  // item's height (OnMeasureItem, at least 16) and 120 pixels wide, on white.
  // Empty when the dialog or control is not there.
  Bitmap DrawComboItem(int template_number, int id, int position);
  int FileChoosersShown() const { return choosers_shown_; }

 private:
  class Window;
  friend class Window;

  // Program-thread side.
  int RunWindow(std::unique_ptr<Window> window);
  void Pump(Window* until);
  void WaitForTurn();  // gives the turn to the driver and waits for it back
  void Fire(struct TimerEntry& timer);
  bool DispatchPosted();
  struct TimerEntry* NextTimer(std::int64_t until) const;
  void DropTimer(void* window, int id);
  void DropTimers(Window* window);
  Window* TopWindow() const;
  int ShowMessage(Window* owner, std::string_view text, std::string_view caption, Icon icon,
                  Buttons buttons);
  std::optional<std::string> ShowChooser();

  // Driver-thread side: runs `action` on the program thread and waits for idle.
  void Request(std::function<void()> action);
  Window* Find(int template_number) const;
  std::string Input(int template_number, int id, bool needs_control,
                    const std::function<std::string(Window&)>& check,
                    std::function<void(Window&)> action);

  std::int64_t ClockNow() const;
  void SleepUntil(std::int64_t t);

  Clock clock_;
  std::int64_t virtual_now_ = 0;
  std::int64_t target_ = 0;
  std::int64_t real_start_ = 0;

  std::vector<Window*> windows_;  // bottom to top; owned by RunWindow frames
  std::vector<struct TimerEntry*> timers_;
  std::uint64_t timer_sequence_ = 0;
  struct Posted {
    Window* window;
    std::uint64_t serial;
  };
  std::deque<Posted> posted_;
  std::uint64_t window_serial_ = 0;
  std::uint64_t state_serial_ = 0;  // Dialog::StateSerial, for every window

  std::deque<std::function<void()>> requests_;
  std::deque<std::optional<std::string>> file_answers_;
  std::deque<int> message_answers_;
  std::vector<MessageRecord> messages_;
  int choosers_shown_ = 0;
  std::int64_t message_box_ms_ = 0;
  int nesting_ = 0;
  int deepest_nesting_ = 0;

  // Turn handoff.
  mutable std::mutex mutex_;
  std::condition_variable cv_;
  bool program_turn_ = false;
  bool shutdown_ = false;
  bool finished_ = false;
  int exit_code_ = 0;
  std::thread thread_;
};

}  // namespace travik::ui
