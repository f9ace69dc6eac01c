#include "cli/bench_run.h"

#include <cctype>
#include <cstdio>
#include <ostream>

#include "app/program.h"
#include "core/globals.h"
#include "dialogs/transfer.h"
#include "resources/resources.h"
#include "ui/template.h"

namespace travik::cli {
namespace {

// Long enough for a real transmitter's first answer after the search's 0.3 s
// and the 50 refused attempts.
constexpr std::int64_t kConnectBoundMs = 15000;

bool Clickable(ui::ControlKind k) {
  return k == ui::ControlKind::kButton || k == ui::ControlKind::kDefaultButton ||
         k == ui::ControlKind::kCheckBox || k == ui::ControlKind::kRadio;
}

std::string Trim(std::string_view s) {
  const auto b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  const auto e = s.find_last_not_of(" \t");
  return std::string(s.substr(b, e - b + 1));
}

// The percentage in a progress text ("Read: 45%"), or -1.
int PercentIn(const std::string& text) {
  const auto at = text.find('%');
  if (at == std::string::npos || at == 0) return -1;
  std::size_t b = at;
  while (b > 0 && std::isdigit(static_cast<unsigned char>(text[b - 1]))) --b;
  if (b == at) return -1;
  return std::stoi(text.substr(b, at - b));
}

}  // namespace

// As the user would read the box, in the language shown.
std::string MessageLine(const ui::MessageRecord& m) {
  std::string text;
  std::size_t at = 0;
  const std::string& shown = m.shown_text;
  while (at <= shown.size()) {
    const std::size_t end = std::min(shown.find('\n', at), shown.size());
    const std::string line = Trim(std::string_view(shown).substr(at, end - at));
    if (!line.empty()) text += (text.empty() ? "" : " ") + line;
    at = end + 1;
  }
  return Trim(m.shown_caption) + ": " + text;
}

BenchRun::BenchRun(BenchEnv& env, const std::vector<BenchDevice>& bench, int chosen,
                   std::ostream& err)
    : env_(env), err_(err) {
  if (chosen >= 0) device_ = &bench[static_cast<std::size_t>(chosen)];
  filter_ = std::make_unique<DeviceFilter>(*env.backend, OtherTransmitters(bench, chosen));
  const auto clock = env.sim != nullptr ? ui::HeadlessBackend::Clock::kVirtual
                                        : ui::HeadlessBackend::Clock::kReal;
  session_ = std::make_unique<Session>(*filter_, clock);
  if (env.sim != nullptr) {
    const std::int64_t base = env.sim_elapsed_ms;
    env.sim->SetClock([ui = &session_->ui(), base] { return base + ui->Now(); });
  }
}

BenchRun::~BenchRun() {
  ClearProgress();
  const std::int64_t ran = session_->ui().Now();
  session_.reset();
  if (env_.sim != nullptr) {
    env_.sim_elapsed_ms += ran;
    env_.sim->SetClock([t = env_.sim_elapsed_ms] { return t; });
  }
}

bool BenchRun::Connect() {
  session_->Start();
  const bool settled = ui().AdvanceUntil(
      [this] { return G().ConnectState == 0 || Interrupted(); }, kConnectBoundMs);
  const auto messages = TakeMessages();
  if (Interrupted()) return false;
  if (!settled) err_ << "travik-cli: the transmitter did not answer\n";
  return settled && G().DeviceOnline == 1 && messages.empty();
}

int BenchRun::OpenConfiguration() {
  const int type = G().DeviceType;
  const int tmpl = ConfigTemplateFor(type);
  if (tmpl == 0) {
    err_ << "travik-cli: the window has no configuration dialog for this transmitter\n";
    return 0;
  }
  const std::string why = ClickId(res::kButtonConfig);
  if (!why.empty()) {
    err_ << "travik-cli: " << why << '\n';
    return 0;
  }
  // The reading at opening, if the dialog does one.
  WaitClosed(res::kDlgReadPopup, ProgressOf(res::kDlgReadPopup, kReadProgressControl), 30000,
             "read");
  if (!ui().IsOpen(tmpl)) {
    TakeMessages();
    err_ << "travik-cli: the configuration dialog did not open\n";
    return 0;
  }
  return tmpl;
}

std::string BenchRun::Click(std::string_view caption, bool prefix) {
  const int top = ui().TopTemplate();
  const ui::DialogTemplate* t = ui::FindTemplate(top);
  if (t == nullptr) return "no window is open";
  for (const auto& c : t->controls) {
    if (!Clickable(c.kind)) continue;
    const auto state = ui().Control(top, c.id);
    if (!state) continue;
    const bool match = prefix ? state->text.starts_with(caption) : state->text == caption;
    if (match) return ui().Click(top, c.id);
  }
  return "no button \"" + std::string(caption) + "\" in the window";
}

std::string BenchRun::ClickId(int id) { return ui().Click(ui().TopTemplate(), id); }

std::string BenchRun::Menu(int command) { return ui().MenuCommand(res::kMainWindow, command); }

BenchRun::Percent BenchRun::ProgressOf(int template_number, int control) {
  return [this, template_number, control] {
    const auto c = ui().Control(template_number, control);
    return c ? PercentIn(c->text) : -1;
  };
}

bool BenchRun::WaitClosed(int template_number, const Percent& progress, std::int64_t bound_ms,
                          std::string_view label) {
  const std::int64_t start = Now();
  int shown = -1;
  auto done = [&] {
    if (Interrupted()) return true;
    if (!ui().IsOpen(template_number)) return true;
    if (env_.progress && progress) {
      const int percent = progress();
      if (percent >= 0 && percent != shown) {
        shown = percent;
        const std::int64_t elapsed = Now() - start;
        char line[96];
        if (percent > 0) {
          const std::int64_t left = elapsed * (100 - percent) / percent / 1000;
          std::snprintf(line, sizeof line, "\r%.*s %3d%%  %lld:%02lld left ",
                        static_cast<int>(label.size()), label.data(), percent,
                        static_cast<long long>(left / 60), static_cast<long long>(left % 60));
        } else {
          std::snprintf(line, sizeof line, "\r%.*s %3d%% ", static_cast<int>(label.size()),
                        label.data(), percent);
        }
        err_ << line << std::flush;
        progress_shown_ = true;
      }
    }
    return false;
  };
  const bool closed = ui().AdvanceUntil(done, bound_ms);
  ClearProgress();
  return closed && !Interrupted() && !ui().IsOpen(template_number);
}

bool BenchRun::Run(std::int64_t ms) {
  ui().AdvanceUntil([this] { return Interrupted(); }, ms);
  return !Interrupted();
}

void BenchRun::ClearProgress() {
  if (!progress_shown_) return;
  err_ << "\r\033[K" << std::flush;
  progress_shown_ = false;
}

std::vector<ui::MessageRecord> BenchRun::TakeMessages() {
  const auto& all = ui().Messages();
  std::vector<ui::MessageRecord> fresh(all.begin() + static_cast<std::ptrdiff_t>(messages_seen_),
                                       all.end());
  messages_seen_ = all.size();
  if (!fresh.empty()) ClearProgress();
  for (const auto& m : fresh) err_ << MessageLine(m) << '\n';
  return fresh;
}

bool BenchRun::AnyError(const std::vector<ui::MessageRecord>& messages) {
  for (const auto& m : messages)
    if (m.icon == ui::Icon::kError || m.icon == ui::Icon::kWarning) return true;
  return false;
}

}  // namespace travik::cli
