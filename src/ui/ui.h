// The window layer the dialog procedures are written against: modal dialogs
// from numbered templates, controls by identifier, window timers, message
// boxes and file choosers. Backends: Qt (real windows) and headless (virtual
// clock, for tests and scripted runs).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/bitmap.h"
#include "ui/chart.h"
#include "ui/template.h"

namespace travik::ui {

// Notification codes carried with a command.
enum class Notify {
  kClicked,      // button click, menu command, Esc (as kIdCancel)
  kSelChange,    // combo selection changed by the user
  kEditChange,   // edit text changed by the user
};

enum class Icon { kNone, kInformation, kWarning, kError };

enum class Buttons { kOk, kOkCancel, kYesNo };

// Message box results (as the platform numbers them).
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

struct FileFilter {
  std::string description;  // "Kolvar Config Files (*.kvc)"
  std::string pattern;      // "*.kvc"
};

class Dialog;

// One dialog's procedure. The backend calls these on the GUI thread only.
class DialogProc {
 public:
  virtual ~DialogProc() = default;
  virtual void OnInit(Dialog& /*dialog*/) {}
  virtual void OnCommand(Dialog& /*dialog*/, int /*id*/, Notify /*code*/) {}
  virtual void OnTimer(Dialog& /*dialog*/, int /*timer_id*/) {}
  // A close request (close box, or one posted with PostClose). The default
  // turns it into the cancel command, unless control 2 exists and is disabled.
  virtual void OnClose(Dialog& dialog);
  // The window is going away (after End or for the main window's close).
  virtual void OnDestroy(Dialog& /*dialog*/) {}
  // Owner-drawn combos: the height of an item in pixels (0 leaves it to the
  // window layer), and painting one item onto item.canvas.
  virtual int OnMeasureItem(Dialog& /*dialog*/, int /*id*/) { return 0; }
  virtual void OnDrawItem(Dialog& /*dialog*/, const DrawItem& /*item*/) {}
};

// A live dialog or window, as its procedure sees it.
class Dialog {
 public:
  virtual ~Dialog() = default;

  virtual int TemplateNumber() const = 0;

  // Texts are UTF-8. GetText returns at most max_chars characters.
  virtual std::string GetText(int id, std::size_t max_chars = 255) const = 0;
  virtual void SetText(int id, std::string_view text) = 0;
  // An edit takes at most max_chars characters, typed or set; 0 lifts the limit.
  virtual void LimitText(int id, std::size_t max_chars) = 0;
  virtual void Enable(int id, bool enabled) = 0;
  virtual bool IsEnabled(int id) const = 0;
  virtual void Show(int id, bool visible) = 0;
  virtual bool IsVisible(int id) const = 0;
  virtual void Check(int id, bool checked) = 0;
  virtual bool IsChecked(int id) const = 0;
  virtual bool HasFocus(int id) const = 0;
  virtual void SetFocus(int id) = 0;

  // Combo boxes. A sorted combo keeps its items sorted (byte order, ASCII case folded).
  virtual void ComboReset(int id) = 0;
  virtual int ComboAdd(int id, std::string_view text) = 0;  // returns the position
  virtual void ComboSetSel(int id, int position) = 0;       // -1 clears
  virtual int ComboGetSel(int id) const = 0;                // -1 when none
  virtual int ComboCount(int id) const = 0;
  virtual std::string ComboItem(int id, int position) const = 0;
  // A value kept with an item (an owner-drawn combo's bitmap); 0 when unset.
  virtual void ComboSetItemData(int id, int position, std::uintptr_t data) = 0;
  virtual std::uintptr_t ComboItemData(int id, int position) const = 0;

  // The window's own caption, and hiding/showing the whole window.
  virtual void SetCaption(std::string_view text) = 0;
  virtual void ShowWindow(bool visible) = 0;
  virtual bool IsWindowVisible() const = 0;

  // Window timers: one per identifier; setting an existing one restarts it.
  virtual void SetTimer(int timer_id, int period_ms) = 0;
  virtual void KillTimer(int timer_id) = 0;
  // The procedure's word that a tick of this timer changes nothing — no
  // control, no exchange, no count it keeps — for as long as idle() holds.
  // A backend may then wake less often and deliver the skipped ticks later
  // as a batch, their number kept, back to the exact period on any input,
  // command, exchange or state change. An empty function withdraws the word;
  // setting or killing the timer keeps it.
  virtual void SetTimerIdleTest(int /*timer_id*/, std::function<bool()> /*idle*/) {}

  // A close request that arrives after the current handler returns.
  virtual void PostClose() = 0;
  // Ends a modal dialog with this code once the current handler returns.
  virtual void End(int code) = 0;

  // Modal child dialog owned by this one; returns its end code (-1 when it
  // could not be created).
  virtual int RunModal(int template_number, DialogProc& proc) = 0;
  virtual int MessageBox(std::string_view text, std::string_view caption, Icon icon,
                         Buttons buttons = Buttons::kOk) = 0;
  virtual std::optional<std::string> ChooseOpenFile(const std::vector<FileFilter>& filters) = 0;
  virtual std::optional<std::string> ChooseSaveFile(const std::vector<FileFilter>& filters,
                                                    std::string_view default_extension) = 0;

  // Chart controls: the series (one per quantity, with its unit), then one
  // call per record with a value for each (nullopt: none this time), and a
  // break where the source went away. Times are ms on the dialog's own tick
  // count. A backend without charts ignores them.
  virtual void ChartSetSeries(int /*id*/, const std::vector<ChartSeriesInfo>& /*series*/) {}
  virtual void ChartAdd(int /*id*/, std::int64_t /*t_ms*/,
                        const std::vector<std::optional<double>>& /*values*/) {}
  virtual void ChartGap(int /*id*/, std::int64_t /*t_ms*/) {}

  // A number that moves on whenever anything a procedure can see of the
  // windows may have changed: a text, check, selection or enabled state, the
  // focus or the active window, any input. Equal values mean nothing changed
  // in between, so work that depends only on the controls can be skipped.
  virtual std::uint64_t StateSerial() const = 0;

  // Sends this window a timer message now, as the procedures do at creation.
  void TickNow(int timer_id) { DeliverTimer(timer_id); }

 protected:
  virtual void DeliverTimer(int timer_id) = 0;
};

// Observer of message boxes, for --trace and the scenario runner.
struct MessageRecord {
  std::string text;
  std::string caption;
  Icon icon = Icon::kNone;
  int owner_template = 0;
  // The same as the user reads them, in the language shown.
  std::string shown_text;
  std::string shown_caption;
};

// A window layer backend. RunMainWindow creates the main window from its
// template and runs the message loop until the window ends (End on the main
// window destroys it and ends the loop with that code).
class Backend {
 public:
  virtual ~Backend() = default;
  virtual int RunMainWindow(int template_number, DialogProc& proc) = 0;
  std::function<void(const MessageRecord&)> on_message_box;
};

Backend& CurrentBackend();
void SetCurrentBackend(Backend* backend);

const char* IconName(Icon icon);

}  // namespace travik::ui
