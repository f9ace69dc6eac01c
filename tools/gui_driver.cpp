// Runs the real windows against simulated devices and acts as a user: takes
// the screenshots in docs/screenshots and measures transfers on real timers.
//
//   travik-gui-driver shots DIR     (under Xvfb: xvfb-run -a travik-gui-driver shots docs/screenshots)
//   travik-gui-driver bench         (any platform, e.g. QT_QPA_PLATFORM=offscreen)
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "core/globals.h"
#include "resources/resources.h"
#include "sim/sim_backend.h"
#include "sim/sim_models.h"
#include "ui/qt/qt_backend.h"

namespace {

using namespace travik;
using Clock = std::chrono::steady_clock;

struct Step {
  int at_ms;
  std::function<void()> action;
};

// Schedules steps relative to the program start. Steps run from the event
// loop, so a click that opens a modal dialog does not hold up later steps.
void Schedule(ui::QtBackend& ui, const std::vector<Step>& steps) {
  for (const auto& step : steps) ui.After(step.at_ms, step.action);
}

int Shots(const std::string& dir, const std::string& phase) {
  sim::SimBackend sim;
  const auto start = Clock::now();
  sim.SetClock([start] {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
  });
  if (phase != "nodevice") {
    auto& kdb = sim.AddTransmitter(*sim::FindSimModel("KDB"));
    kdb.memory()[76] = static_cast<std::uint16_t>(-12);
    kdb.memory()[81] = 35;
  }
  SetBackend(&sim);
  ui::QtBackend ui;
  auto shot = [&](int tpl, const char* name) {
    const std::string path = dir + "/" + name;
    if (!ui.GrabWindow(tpl, path)) std::fprintf(stderr, "no window %d for %s\n", tpl, name);
  };
  auto screen = [&](const char* name) { ui.GrabScreen(dir + "/" + name); };
  auto quit = [&] { ui.MenuCommand(res::kMainWindow, res::kCmdExit); };
  std::vector<Step> steps;
  if (phase == "nodevice") {
    steps = {{800, [&] { screen("main_no_device.png"); }},
             {900, [&] { ui.AcceptMessageBox(); }},
             {1000, [&] { ui.Click(res::kMainWindow, res::kButtonConfig); }},
             {1300, [&] { shot(res::kDlgOffline, "dialog_124_offline.png"); }},
             {1400, [&] { ui.Click(res::kDlgOffline, 8); }},
             {1700, [&] { shot(130, "dialog_130_kdb_offline.png"); }},
             {1800, [&] { ui.Click(130, 1349); }},
             {2000, quit}};
  } else {
    steps = {{1000, [&] { shot(res::kMainWindow, "main_connected.png"); }},
             {1100, [&] { ui.MenuCommand(res::kMainWindow, res::kCmdUsbSet); }},
             {1400, [&] { shot(res::kDlgUsbSet, "dialog_103_usb_ids.png"); }},
             {1500, [&] { ui.Click(res::kDlgUsbSet, 1); }},
             {1600, [&] { ui.Click(res::kMainWindow, res::kButtonConfig); }},
             {1900, [&] { ui.Click(130, 1345); }},
             {2600, [&] { shot(109, "popup_109_read.png"); }},
             {4000, [&] { shot(130, "dialog_130_kdb.png"); }},
             {4100, [&] { ui.Click(130, 1349); }},
             {4300, quit}};
  }
  Schedule(ui, steps);
  const int code = RunProgram(ui);
  SetBackend(nullptr);
  return code;
}

int Bench() {
  sim::SimBackend sim;
  const auto start = Clock::now();
  sim.SetClock([start] {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
  });
  sim.AddTransmitter(*sim::FindSimModel("KDB"));
  SetBackend(&sim);
  ui::QtBackend ui;
  constexpr int kRuns = 5;
  std::vector<double> reads, writes;
  auto timed = [&](int id) {
    const auto t0 = Clock::now();
    ui.Click(130, id);  // returns when the transfer popup has closed
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
  };
  std::function<void(int)> run = [&](int left) {
    reads.push_back(timed(1345));
    writes.push_back(timed(1347));
    if (left > 1) {
      ui.After(50, [&, left] { run(left - 1); });
    } else {
      ui.Click(130, 1349);
    }
  };
  Schedule(ui, {{1000, [&] { ui.Click(res::kMainWindow, res::kButtonConfig); }},
                {1100, [&] { run(kRuns); }},
                {1200, [&] { ui.After(100 + kRuns * 4200, [&] { ui.MenuCommand(res::kMainWindow, res::kCmdExit); }); }}});
  RunProgram(ui);
  SetBackend(nullptr);
  // Popups: read closes on tick 76 of 20 ms, write on tick 119.
  auto report = [](const char* what, const std::vector<double>& ms, double nominal) {
    double sum = 0, worst = 0;
    for (double v : ms) {
      sum += v;
      if (v > worst) worst = v;
    }
    const double mean = ms.empty() ? 0 : sum / ms.size();
    std::printf("%-6s runs %zu  nominal %6.0f ms  mean %7.1f ms (%+5.1f%%)  worst %7.1f ms (%+5.1f%%)\n",
                what, ms.size(), nominal, mean, 100.0 * (mean - nominal) / nominal, worst,
                100.0 * (worst - nominal) / nominal);
  };
  report("read", reads, 76 * 20);
  report("write", writes, 119 * 20);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "shots" && argc > 2) {
    const std::string phase = argc > 3 ? argv[3] : "";
    if (phase.empty()) return Shots(argv[2], "connected") | Shots(argv[2], "nodevice");
    return Shots(argv[2], phase);
  }
  if (mode == "bench") return Bench();
  std::fprintf(stderr, "usage: travik-gui-driver shots DIR [connected|nodevice] | bench\n");
  return 2;
}
