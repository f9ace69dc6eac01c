#include "ui/headless/headless.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <limits>

#include "core/text.h"
#include "i18n/catalogue.h"
#include "ui/translated_kinds.h"

namespace travik::ui {

struct TimerEntry {
  void* window;
  int id;
  int period;
  std::int64_t due;
  std::uint64_t sequence;  // ties fire in the order the timers were set
};

class HeadlessBackend::Window : public Dialog {
 public:
  Window(HeadlessBackend& backend, const DialogTemplate& t, DialogProc& proc, std::uint64_t serial)
      : backend_(backend), template_(t), proc_(proc), serial_(serial) {
    caption_ = t.caption;
    for (const auto& c : t.controls) {
      ControlState s;
      s.kind = c.kind;
      s.style = c.style;
      s.text = c.caption;
      s.enabled = (c.style & kStyleDisabled) == 0;
      s.visible = (c.style & kStyleHidden) == 0;
      if (c.kind == ControlKind::kChart) {
        charts_[c.id] = std::make_shared<ChartData>();
        s.chart = charts_[c.id];
      }
      controls_[c.id] = s;
    }
  }

  int TemplateNumber() const override { return template_.number; }

  std::string GetText(int id, std::size_t max_chars) const override {
    const ControlState* c = Get(id);
    return c == nullptr ? std::string() : Utf8Prefix(c->text, max_chars);
  }
  void SetText(int id, std::string_view text) override {
    Touch();
    if (ControlState* c = Get(id)) {
      c->text = Limited(*c, text);
      if (i18n::ShowsTranslatedText(c->kind, c->style)) Note(c->text);
    }
  }
  void Note(std::string_view text) const {
    i18n::NoteShown(i18n::TemplateContext(template_.number), text, true);
  }
  void LimitText(int id, std::size_t max_chars) override {
    Touch();
    if (ControlState* c = Get(id)) {
      c->max_chars = max_chars;
      c->text = Limited(*c, c->text);
    }
  }
  static std::string Limited(const ControlState& c, std::string_view text) {
    return c.max_chars == 0 ? std::string(text) : Utf8Prefix(text, c.max_chars);
  }
  std::uint64_t StateSerial() const override { return backend_.state_serial_; }
  // Chart samples are not state a procedure can read back: no Touch.
  void ChartSetSeries(int id, const std::vector<ChartSeriesInfo>& series) override {
    for (const auto& s : series) Note(s.name);  // the window layer shows them translated
    if (ChartData* c = Chart(id)) c->SetSeries(series);
  }
  void ChartAdd(int id, std::int64_t t_ms, const std::vector<std::optional<double>>& values) override {
    if (ChartData* c = Chart(id)) c->Add(t_ms, values);
  }
  void ChartGap(int id, std::int64_t t_ms) override {
    if (ChartData* c = Chart(id)) c->Gap(t_ms);
  }
  ChartData* Chart(int id) {
    auto it = charts_.find(id);
    return it == charts_.end() ? nullptr : it->second.get();
  }
  void Touch() { ++backend_.state_serial_; }
  void Enable(int id, bool enabled) override {
    Touch();
    if (ControlState* c = Get(id)) c->enabled = enabled;
  }
  bool IsEnabled(int id) const override {
    const ControlState* c = Get(id);
    return c != nullptr && c->enabled;
  }
  void Show(int id, bool visible) override {
    Touch();
    if (ControlState* c = Get(id)) c->visible = visible;
  }
  bool IsVisible(int id) const override {
    const ControlState* c = Get(id);
    return c != nullptr && c->visible;
  }
  void Check(int id, bool checked) override {
    Touch();
    if (ControlState* c = Get(id)) c->checked = checked;
  }
  bool IsChecked(int id) const override {
    const ControlState* c = Get(id);
    return c != nullptr && c->checked;
  }
  bool HasFocus(int id) const override {
    return backend_.TopWindow() == this && focus_ == id;
  }
  void SetFocus(int id) override {
    Touch();
    focus_ = id;
  }

  void ComboReset(int id) override {
    Touch();
    if (ControlState* c = Get(id)) {
      c->items.clear();
      c->item_data.clear();
      c->selection = -1;
      c->text.clear();
    }
  }
  int ComboAdd(int id, std::string_view text) override {
    Touch();
    ControlState* c = Get(id);
    if (c == nullptr) return -1;
    std::size_t pos = c->items.size();
    if (c->kind == ControlKind::kSortedCombo) {
      pos = 0;
      while (pos < c->items.size() && SortKey(c->items[pos]) <= SortKey(text)) ++pos;
    }
    c->items.insert(c->items.begin() + static_cast<std::ptrdiff_t>(pos), std::string(text));
    // List entries come from tables, a finite set, even where they hold digits.
    i18n::NoteShown(i18n::TemplateContext(template_.number), text, false);
    c->item_data.insert(c->item_data.begin() + static_cast<std::ptrdiff_t>(pos), 0);
    if (c->selection >= static_cast<int>(pos)) ++c->selection;
    return static_cast<int>(pos);
  }
  void ComboSetSel(int id, int position) override {
    Touch();
    ControlState* c = Get(id);
    if (c == nullptr) return;
    if (position < 0 || position >= static_cast<int>(c->items.size())) {
      c->selection = -1;
      c->text.clear();
      return;
    }
    c->selection = position;
    c->text = c->items[static_cast<std::size_t>(position)];
  }
  int ComboGetSel(int id) const override {
    const ControlState* c = Get(id);
    return c == nullptr ? -1 : c->selection;
  }
  int ComboCount(int id) const override {
    const ControlState* c = Get(id);
    return c == nullptr ? 0 : static_cast<int>(c->items.size());
  }
  std::string ComboItem(int id, int position) const override {
    const ControlState* c = Get(id);
    if (c == nullptr || position < 0 || position >= static_cast<int>(c->items.size())) return {};
    return c->items[static_cast<std::size_t>(position)];
  }

  void ComboSetItemData(int id, int position, std::uintptr_t data) override {
    Touch();
    ControlState* c = Get(id);
    if (c == nullptr || position < 0 || position >= static_cast<int>(c->items.size())) return;
    c->item_data[static_cast<std::size_t>(position)] = data;
  }
  std::uintptr_t ComboItemData(int id, int position) const override {
    const ControlState* c = Get(id);
    if (c == nullptr || position < 0 || position >= static_cast<int>(c->items.size())) return 0;
    return c->item_data[static_cast<std::size_t>(position)];
  }

  void SetCaption(std::string_view text) override {
    Touch();
    caption_ = std::string(text);
    Note(text);
  }
  void ShowWindow(bool visible) override {
    Touch();
    visible_ = visible;
  }
  bool IsWindowVisible() const override { return visible_; }

  void SetTimer(int timer_id, int period_ms) override {
    if (period_ms < 1) period_ms = 1;
    backend_.DropTimer(this, timer_id);
    auto* t = new TimerEntry{this, timer_id, period_ms, backend_.ClockNow() + period_ms,
                             backend_.timer_sequence_++};
    backend_.timers_.push_back(t);
  }
  void KillTimer(int timer_id) override { backend_.DropTimer(this, timer_id); }

  void PostClose() override { backend_.posted_.push_back({this, serial_}); }
  void End(int code) override {
    ended_ = true;
    end_code_ = code;
  }

  int RunModal(int template_number, DialogProc& proc) override {
    if (backend_.shutdown_) return -1;
    const DialogTemplate* t = FindTemplate(template_number);
    if (t == nullptr) return -1;
    return backend_.RunWindow(
        std::make_unique<Window>(backend_, *t, proc, ++backend_.window_serial_));
  }
  int MessageBox(std::string_view text, std::string_view caption, Icon icon,
                 Buttons buttons) override {
    return backend_.ShowMessage(this, text, caption, icon, buttons);
  }
  std::optional<std::string> ChooseOpenFile(const std::vector<FileFilter>&) override {
    return backend_.ShowChooser();
  }
  std::optional<std::string> ChooseSaveFile(const std::vector<FileFilter>&,
                                            std::string_view default_extension) override {
    auto path = backend_.ShowChooser();
    if (path && !default_extension.empty()) {
      // Like the platform chooser: a name typed without an extension gets the default one.
      const auto slash = path->find_last_of('/');
      const auto name = slash == std::string::npos ? *path : path->substr(slash + 1);
      if (name.find('.') == std::string::npos) *path += "." + std::string(default_extension);
    }
    return path;
  }

  ControlState* Get(int id) {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
  }
  const ControlState* Get(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
  }

  const DialogTemplate& Template() const { return template_; }
  DialogProc& Proc() { return proc_; }
  bool Ended() const { return ended_; }
  int EndCode() const { return end_code_; }
  std::uint64_t Serial() const { return serial_; }
  const std::string& Caption() const { return caption_; }

 protected:
  void DeliverTimer(int timer_id) override { proc_.OnTimer(*this, timer_id); }

 private:
  static std::string SortKey(std::string_view s) {
    std::string k(s);
    for (char& ch : k) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return k;
  }

  HeadlessBackend& backend_;
  const DialogTemplate& template_;
  DialogProc& proc_;
  std::uint64_t serial_;
  std::map<int, ControlState> controls_;
  std::map<int, std::shared_ptr<ChartData>> charts_;
  std::string caption_;
  int focus_ = 0;
  bool visible_ = true;
  bool ended_ = false;
  int end_code_ = 0;
};

// ---------------------------------------------------------------------------

HeadlessBackend::HeadlessBackend(Clock clock) : clock_(clock) {
  real_start_ = std::chrono::duration_cast<std::chrono::milliseconds>(
                    std::chrono::steady_clock::now().time_since_epoch())
                    .count();
}

HeadlessBackend::~HeadlessBackend() {
  if (thread_.joinable()) {
    {
      std::unique_lock lock(mutex_);
      shutdown_ = true;
      program_turn_ = true;
    }
    cv_.notify_all();
    thread_.join();
  }
  for (TimerEntry* t : timers_) delete t;
}

std::int64_t HeadlessBackend::ClockNow() const {
  if (clock_ == Clock::kVirtual) return virtual_now_;
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
             .count() -
         real_start_;
}

void HeadlessBackend::SleepUntil(std::int64_t t) {
  if (clock_ == Clock::kVirtual) {
    if (t > virtual_now_) virtual_now_ = t;
    return;
  }
  const std::int64_t now = ClockNow();
  if (t > now) std::this_thread::sleep_for(std::chrono::milliseconds(t - now));
}

void HeadlessBackend::Start(std::function<int()> program) {
  program_turn_ = true;
  thread_ = std::thread([this, program = std::move(program)] {
    {
      std::unique_lock lock(mutex_);
      cv_.wait(lock, [this] { return program_turn_; });
    }
    const int code = program();
    std::unique_lock lock(mutex_);
    finished_ = true;
    exit_code_ = code;
    program_turn_ = false;
    cv_.notify_all();
  });
  std::unique_lock lock(mutex_);
  cv_.notify_all();
  cv_.wait(lock, [this] { return !program_turn_; });
}

bool HeadlessBackend::Finished() const {
  std::unique_lock lock(mutex_);
  return finished_;
}
int HeadlessBackend::ExitCode() const { return exit_code_; }

int HeadlessBackend::RunMainWindow(int template_number, DialogProc& proc) {
  const DialogTemplate* t = FindTemplate(template_number);
  if (t == nullptr) return 0;
  return RunWindow(std::make_unique<Window>(*this, *t, proc, ++window_serial_));
}

int HeadlessBackend::RunWindow(std::unique_ptr<Window> window) {
  Window* w = window.get();
  ++state_serial_;
  windows_.push_back(w);
  w->Proc().OnInit(*w);
  Pump(w);
  w->Proc().OnDestroy(*w);
  DropTimers(w);
  windows_.erase(std::remove(windows_.begin(), windows_.end(), w), windows_.end());
  ++state_serial_;
  return shutdown_ && !w->Ended() ? -1 : w->EndCode();
}

HeadlessBackend::Window* HeadlessBackend::TopWindow() const {
  return windows_.empty() ? nullptr : windows_.back();
}

void HeadlessBackend::DropTimer(void* window, int id) {
  for (auto it = timers_.begin(); it != timers_.end();) {
    if ((*it)->window == window && (*it)->id == id) {
      delete *it;
      it = timers_.erase(it);
    } else {
      ++it;
    }
  }
}

void HeadlessBackend::DropTimers(Window* window) {
  for (auto it = timers_.begin(); it != timers_.end();) {
    if ((*it)->window == window) {
      delete *it;
      it = timers_.erase(it);
    } else {
      ++it;
    }
  }
}

// The message loop of one window (the main window's or a modal dialog's).
// Nested loops share the queues, so the timers of windows below a modal
// dialog keep firing, as on the real platform.
void HeadlessBackend::Pump(Window* until) {
  for (;;) {
    if (shutdown_) return;
    if (until != nullptr && until->Ended()) return;
    if (DispatchPosted()) continue;
    if (!requests_.empty()) {
      auto action = std::move(requests_.front());
      requests_.pop_front();
      action();
      continue;
    }
    if (TimerEntry* next = NextTimer(target_)) {
      SleepUntil(next->due);
      Fire(*next);
      continue;
    }
    SleepUntil(target_);
    WaitForTurn();
  }
}

bool HeadlessBackend::DispatchPosted() {
  if (posted_.empty()) return false;
  Posted p = posted_.front();
  posted_.pop_front();
  auto alive = std::find(windows_.begin(), windows_.end(), p.window);
  ++state_serial_;
  if (alive != windows_.end() && (*alive)->Serial() == p.serial && !(*alive)->Ended())
    (*alive)->Proc().OnClose(**alive);
  return true;
}

TimerEntry* HeadlessBackend::NextTimer(std::int64_t until) const {
  TimerEntry* next = nullptr;
  for (TimerEntry* t : timers_) {
    if (t->due > until) continue;
    if (next == nullptr || t->due < next->due ||
        (t->due == next->due && t->sequence < next->sequence))
      next = t;
  }
  return next;
}

void HeadlessBackend::Fire(TimerEntry& timer) {
  // One message per period; a late timer does not queue up missed ticks.
  const std::int64_t now = ClockNow();
  timer.due += timer.period;
  if (timer.due <= now - timer.period) timer.due = now + timer.period;
  timer.sequence = timer_sequence_++;
  auto* w = static_cast<Window*>(timer.window);
  w->Proc().OnTimer(*w, timer.id);
}

void HeadlessBackend::WaitForTurn() {
  std::unique_lock lock(mutex_);
  program_turn_ = false;
  cv_.notify_all();
  cv_.wait(lock, [this] { return program_turn_; });
}

void HeadlessBackend::Request(std::function<void()> action) {
  if (!thread_.joinable()) return;
  std::unique_lock lock(mutex_);
  if (finished_) return;
  if (action) requests_.push_back(std::move(action));
  program_turn_ = true;
  cv_.notify_all();
  cv_.wait(lock, [this] { return !program_turn_; });
}

int HeadlessBackend::ShowMessage(Window* owner, std::string_view text, std::string_view caption,
                                 Icon icon, Buttons buttons) {
  // Like labels: a message holding numbers is composed, and needs a pattern.
  i18n::NoteShown(i18n::kMessagesContext, text, true);
  i18n::NoteShown(i18n::kMessagesContext, caption, true);
  MessageRecord record{std::string(text), std::string(caption), icon,
                       owner != nullptr ? owner->TemplateNumber() : 0,
                       i18n::Tr(i18n::kMessagesContext, text),
                       i18n::Tr(i18n::kMessagesContext, caption)};
  messages_.push_back(record);
  ++state_serial_;
  if (on_message_box) on_message_box(record);
  ++nesting_;
  deepest_nesting_ = std::max(deepest_nesting_, nesting_);
  // While the box is up its modal loop goes on delivering timers and posted
  // closes. A runaway nesting of boxes is cut off rather than overflowing.
  if (message_box_ms_ > 0 && nesting_ <= 16) {
    const std::int64_t until = ClockNow() + message_box_ms_;
    while (!shutdown_) {
      if (DispatchPosted()) continue;
      TimerEntry* next = NextTimer(until);
      if (next == nullptr) break;
      SleepUntil(next->due);
      Fire(*next);
    }
    SleepUntil(until);
    if (target_ < until) target_ = until;
  }
  --nesting_;
  ++state_serial_;
  if (!message_answers_.empty()) {
    const int answer = message_answers_.front();
    message_answers_.pop_front();
    return answer;
  }
  return buttons == Buttons::kYesNo ? kAnswerYes : kAnswerOk;
}

std::optional<std::string> HeadlessBackend::ShowChooser() {
  ++choosers_shown_;
  if (file_answers_.empty()) return std::nullopt;
  auto answer = file_answers_.front();
  file_answers_.pop_front();
  return answer;
}

// --- Driver side ------------------------------------------------------------

std::int64_t HeadlessBackend::Now() const { return ClockNow(); }

void HeadlessBackend::Advance(std::int64_t ms) {
  if (ms < 0) ms = 0;
  target_ = ClockNow() + ms;
  Request(nullptr);
}

bool HeadlessBackend::AdvanceUntil(const std::function<bool()>& done, std::int64_t bound_ms) {
  const std::int64_t end = ClockNow() + std::max<std::int64_t>(bound_ms, 0);
  for (;;) {
    if (done()) return true;
    if (Finished()) return false;
    std::int64_t next = std::numeric_limits<std::int64_t>::max();
    for (TimerEntry* t : timers_) next = std::min(next, t->due);
    if (next > end) {
      target_ = end;
      Request(nullptr);
      return done();
    }
    target_ = next;
    Request(nullptr);
  }
}

HeadlessBackend::Window* HeadlessBackend::Find(int template_number) const {
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
    if (template_number == 0 || (*it)->TemplateNumber() == template_number) return *it;
  return nullptr;
}

// Checks on the driver side (the program is idle), then hands the action to
// the program. The action may open a modal dialog and so outlive this call.
std::string HeadlessBackend::Input(int template_number, int id, bool needs_control,
                                   const std::function<std::string(Window&)>& check,
                                   std::function<void(Window&)> action) {
  if (Finished()) return "the program has ended";
  Window* w = Find(template_number);
  if (w == nullptr) return "dialog " + std::to_string(template_number) + " is not open";
  if (w != TopWindow())
    return "dialog " + std::to_string(template_number) + " is not the active window (dialog " +
           std::to_string(TopWindow()->TemplateNumber()) + " is)";
  if (!w->IsWindowVisible()) return "the window is hidden";
  if (needs_control) {
    const ControlState* c = w->Get(id);
    if (c == nullptr) return "no control " + std::to_string(id);
    if (!c->visible) return "control " + std::to_string(id) + " is hidden";
    if (!c->enabled) return "control " + std::to_string(id) + " is disabled";
  }
  if (check) {
    std::string why = check(*w);
    if (!why.empty()) return why;
  }
  Request([this, w, action = std::move(action)] {
    ++state_serial_;
    action(*w);
    ++state_serial_;
  });
  return {};
}

std::string HeadlessBackend::Click(int template_number, int id) {
  return Input(template_number, id, true, nullptr, [id](Window& w) {
    ControlState* c = w.Get(id);
    w.SetFocus(id);
    if (c->kind == ControlKind::kCheckBox) c->checked = !c->checked;
    if (c->kind == ControlKind::kRadio) c->checked = true;
    w.Proc().OnCommand(w, id, Notify::kClicked);
  });
}

std::string HeadlessBackend::MenuCommand(int template_number, int command) {
  auto check = [command](Window& w) {
    for (const auto& m : w.Template().menus)
      for (const auto& item : m.items)
        if (item.command == command) return std::string();
    return "no menu command " + std::to_string(command);
  };
  return Input(template_number, 0, false, check,
               [command](Window& w) { w.Proc().OnCommand(w, command, Notify::kClicked); });
}

std::string HeadlessBackend::Type(int template_number, int id, const std::string& text) {
  auto check = [id](Window& w) {
    const ControlState* c = w.Get(id);
    if (c->kind != ControlKind::kEdit && c->kind != ControlKind::kSortedCombo)
      return "control " + std::to_string(id) + " does not take typing";
    return std::string();
  };
  return Input(template_number, id, true, check, [id, text](Window& w) {
    w.SetFocus(id);
    ControlState* c = w.Get(id);
    c->text = Window::Limited(*c, text);
    w.Proc().OnCommand(w, id, Notify::kEditChange);
  });
}

std::string HeadlessBackend::Select(int template_number, int id, int position) {
  auto check = [id, position](Window& w) {
    const ControlState* c = w.Get(id);
    if (position < 0 || position >= static_cast<int>(c->items.size()))
      return "control " + std::to_string(id) + " has no entry " + std::to_string(position);
    return std::string();
  };
  return Input(template_number, id, true, check, [id, position](Window& w) {
    w.SetFocus(id);
    w.ComboSetSel(id, position);
    w.Proc().OnCommand(w, id, Notify::kSelChange);
  });
}

std::string HeadlessBackend::SetChartSpan(int template_number, int id, ChartSpan span) {
  auto check = [id](Window& w) {
    if (w.Get(id)->kind != ControlKind::kChart) return "control " + std::to_string(id) + " is not a chart";
    return std::string();
  };
  return Input(template_number, id, true, check, [id, span](Window& w) { w.Chart(id)->SetSpan(span); });
}

std::string HeadlessBackend::SetChecked(int template_number, int id, bool checked) {
  auto check = [id, checked](Window& w) {
    const ControlState* c = w.Get(id);
    if (c->kind != ControlKind::kCheckBox && c->kind != ControlKind::kRadio)
      return "control " + std::to_string(id) + " is not a check box or radio button";
    if (c->kind == ControlKind::kRadio && !checked)
      return std::string("a radio button is cleared by choosing another");
    return std::string();
  };
  return Input(template_number, id, true, check, [id, checked](Window& w) {
    ControlState* c = w.Get(id);
    w.SetFocus(id);
    if (c->kind == ControlKind::kCheckBox && c->checked == checked) return;
    c->checked = checked;
    w.Proc().OnCommand(w, id, Notify::kClicked);
  });
}

std::string HeadlessBackend::Focus(int template_number, int id) {
  return Input(template_number, id, true, nullptr, [id](Window& w) { w.SetFocus(id); });
}

std::string HeadlessBackend::PressEsc(int template_number) {
  return Input(template_number, 0, false, nullptr, [](Window& w) {
    if (w.Template().style & kDialogPixels) return;  // the main window is no dialog
    const ControlState* cancel = w.Get(kIdCancel);
    if (cancel != nullptr && !cancel->enabled) return;
    w.Proc().OnCommand(w, kIdCancel, Notify::kClicked);
  });
}

std::string HeadlessBackend::CloseBox(int template_number) {
  auto check = [](Window& w) {
    if (w.Template().style & (kDialogNoCloseBox | kDialogNoCaption))
      return std::string("the window has no close box");
    return std::string();
  };
  return Input(template_number, 0, false, check, [](Window& w) { w.Proc().OnClose(w); });
}

void HeadlessBackend::QueueFileAnswer(std::optional<std::string> path) {
  file_answers_.push_back(std::move(path));
}
void HeadlessBackend::QueueMessageAnswer(int answer) { message_answers_.push_back(answer); }

std::vector<WindowInfo> HeadlessBackend::Windows() const {
  std::vector<WindowInfo> out;
  for (Window* w : windows_) out.push_back({w->TemplateNumber(), w->IsWindowVisible(), w->Caption()});
  return out;
}

bool HeadlessBackend::IsOpen(int template_number) const { return Find(template_number) != nullptr; }

int HeadlessBackend::TopTemplate() const {
  Window* w = TopWindow();
  return w == nullptr ? 0 : w->TemplateNumber();
}

Bitmap HeadlessBackend::DrawComboItem(int template_number, int id, int position) {
  Bitmap canvas;
  Window* w = Find(template_number);
  if (w == nullptr || w->Get(id) == nullptr) return canvas;
  // The procedure runs on the program thread, as all of its code does.
  Request([&] {
    const int height = std::max(16, w->Proc().OnMeasureItem(*w, id));
    canvas = Bitmap(120, height, 0xFFFFFF);
    DrawItem item;
    item.control = id;
    item.item = position;
    item.data = w->ComboItemData(id, position);
    item.rect = {0, 0, canvas.width, canvas.height};
    item.canvas = &canvas;
    w->Proc().OnDrawItem(*w, item);
  });
  return canvas;
}

std::optional<ControlState> HeadlessBackend::Control(int template_number, int id) const {
  Window* w = Find(template_number);
  if (w == nullptr) return std::nullopt;
  const ControlState* c = w->Get(id);
  if (c == nullptr) return std::nullopt;
  return *c;
}

std::optional<ControlState> HeadlessBackend::ShownControl(int template_number, int id) const {
  std::optional<ControlState> c = Control(template_number, id);
  if (!c || !i18n::HasTranslator()) return c;
  ControlState shown = *c;
  const std::string context = i18n::TemplateContext(template_number);
  if (i18n::ShowsTranslatedText(c->kind, c->style)) shown.text = i18n::Tr(context, c->text);
  for (auto& item : shown.items) item = i18n::Tr(context, item);
  return shown;
}

}  // namespace travik::ui
