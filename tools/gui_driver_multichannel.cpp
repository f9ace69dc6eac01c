// travik-gui-driver subcommands for the multi-channel dialogs, on the real
// windows against a simulated KDB7DY:
//   kdb7dy-shots DIR   screenshots of dialog 337 (under Xvfb with a large screen)
//   kdb7dy-idle [S] [main]  CPU used while dialog 337 (or the main window alone) sits idle S seconds (30)
//   kdb7dy-bench       read and write through dialog 337 against their tick schedule
#include <sys/resource.h>

#include <QComboBox>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "core/globals.h"
#include "gui_driver.h"
#include "resources/resources.h"
#include "sim/sim_backend.h"
#include "sim/sim_models.h"
#include "ui/qt/qt_backend.h"

namespace {

using namespace travik;
using Clock = std::chrono::steady_clock;

constexpr int kDlg = res::kDlgKdb7dy;

struct Cpu {
  double user = 0, system = 0;
  long wakeups = 0;  // voluntary context switches: the event loop waiting
};
Cpu CpuNow() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return {s(usage.ru_utime), s(usage.ru_stime), usage.ru_nvcsw};
}

// Runs the program against a simulated KDB7DY; `steps` are scheduled from the start.
int Run(const std::function<void(ui::QtBackend&)>& steps) {
  sim::SimBackend sim;
  sim.UseRealClock();
  sim.AddTransmitter(*sim::FindSimModel("KDB7DY"));
  SetCurrentHidBackend(&sim);
  ui::QtBackend ui;
  steps(ui);
  const int code = RunProgram(ui);
  SetCurrentHidBackend(nullptr);
  return code;
}

int Shots(const std::vector<std::string>& args) {
  if (args.empty()) return 2;
  const std::string dir = args[0];
  return Run([&](ui::QtBackend& ui) {
    auto combo = [&ui](int id) { return qobject_cast<QComboBox*>(ui.FindControl(kDlg, id)); };
    ui.After(1000, [&ui] { ui.Click(res::kMainWindow, res::kButtonConfig); });
    ui.After(3500, [&ui, dir] { ui.GrabWindow(kDlg, dir + "/dialog_337_kdb7dy.png"); });
    ui.After(3700, [combo] {
      if (auto* c = combo(3912)) c->showPopup();
    });
    ui.After(4200, [&ui, dir] { ui.GrabScreen(dir + "/dialog_337_kdb7dy_symbols.png"); });
    ui.After(4300, [combo] {
      if (auto* c = combo(3912)) c->hidePopup();
      if (auto* c = combo(4018)) c->showPopup();
    });
    ui.After(4800, [&ui, dir] { ui.GrabScreen(dir + "/dialog_337_kdb7dy_colours.png"); });
    ui.After(4900, [&ui, combo] {
      if (auto* c = combo(4018)) c->hidePopup();
      ui.Click(kDlg, 4045);
    });
    ui.After(5200, [&ui] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); });
  });
}

// "main" as the second argument measures the main window alone, for comparison.
int Idle(const std::vector<std::string>& args) {
  const int seconds = args.empty() ? 30 : std::stoi(args[0]);
  const bool dialog = args.size() < 2 || args[1] != "main";
  Cpu cpu0;
  Clock::time_point t0;
  return Run([&](ui::QtBackend& ui) {
    if (dialog) ui.After(1000, [&ui] { ui.Click(res::kMainWindow, res::kButtonConfig); });
    // The dialog has read the device by 3 s; from then on it only ticks.
    ui.After(3000, [&] {
      cpu0 = CpuNow();
      t0 = Clock::now();
    });
    ui.After(3000 + seconds * 1000, [&] {
      const Cpu now = CpuNow();
      const double user = now.user - cpu0.user, system = now.system - cpu0.system;
      const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
      std::printf("%s idle %.1f s: CPU %.3f s = %.2f %% of a core (user %.2f %%, system %.2f %%), "
                  "%.0f wake-ups/s\n",
                  ui.FindWindow(kDlg) != nullptr ? "dialog 337 (timer 1 every 5 ms)" : "main window alone",
                  wall, user + system, 100.0 * (user + system) / wall, 100.0 * user / wall,
                  100.0 * system / wall, static_cast<double>(now.wakeups - cpu0.wakeups) / wall);
      ui.Click(kDlg, 4045);
    });
    ui.After(3500 + seconds * 1000, [&ui] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); });
  });
}

int Bench(const std::vector<std::string>&) {
  constexpr int kRuns = 5;
  std::vector<double> reads, writes;
  std::function<void(int)> run;  // outlives the scheduling below
  return Run([&](ui::QtBackend& ui) {
    auto timed = [&ui](int id) {
      const auto t0 = Clock::now();
      ui.Click(kDlg, id);  // returns when the transfer and its bracket are done
      return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    };
    run = [&, timed](int left) {
      reads.push_back(timed(4043));
      writes.push_back(timed(4044));
      if (left > 1) {
        ui.After(50, [&, left] { run(left - 1); });
        return;
      }
      // Popups: the read closes on tick 76 of 20 ms, the write on tick 119;
      // the status query and the bracket take no ticks.
      auto report = [](const char* what, const std::vector<double>& ms, double nominal) {
        double sum = 0, worst = 0;
        for (double v : ms) {
          sum += v;
          worst = std::max(worst, v);
        }
        const double mean = sum / static_cast<double>(ms.size());
        std::printf("337 %-5s runs %zu  nominal %6.0f ms  mean %7.1f ms (%+5.1f%%)  worst %7.1f ms (%+5.1f%%)\n",
                    what, ms.size(), nominal, mean, 100.0 * (mean - nominal) / nominal, worst,
                    100.0 * (worst - nominal) / nominal);
      };
      report("read", reads, 76 * 20);
      report("write", writes, 119 * 20);
      ui.Click(kDlg, 4045);
      ui.After(200, [&ui] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); });
    };
    ui.After(1000, [&ui] { ui.Click(res::kMainWindow, res::kButtonConfig); });
    ui.After(3500, [&run] { run(kRuns); });
  });
}

travik::driver::Register shots("kdb7dy-shots", "DIR", Shots);
travik::driver::Register idle("kdb7dy-idle", "[SECONDS] [main]", Idle);
travik::driver::Register bench("kdb7dy-bench", "", Bench);

}  // namespace
