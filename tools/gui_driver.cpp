// Runs the real windows against simulated devices and acts as a user: takes
// the screenshots in docs/screenshots and measures transfers on real timers.
//
//   travik-gui-driver shots DIR     (under Xvfb: xvfb-run -a travik-gui-driver shots docs/screenshots)
//   travik-gui-driver bench         (any platform, e.g. QT_QPA_PLATFORM=offscreen)
#include <cstdlib>
#include <chrono>
#include <cstdio>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>

#include "app/program.h"
#include "gui_driver.h"
#include "core/globals.h"
#include "resources/resources.h"
#include "sim/sim_backend.h"
#include "sim/sim_bootloader.h"
#include "sim/sim_models.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/qt_translation.h"

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
  sim.UseRealClock();
  if (phase != "nodevice") {
    auto& kdb = sim.AddTransmitter(*sim::FindSimModel("KDB"));
    kdb.memory()[76] = static_cast<std::uint16_t>(-12);
    kdb.memory()[81] = 35;
  }
  SetCurrentHidBackend(&sim);
  ui::QtBackend ui;
  auto shot = [&](int tpl, const char* name) {
    const std::string path = dir + "/" + name;
    if (!ui.GrabWindow(tpl, path)) std::fprintf(stderr, "no window %d for %s\n", tpl, name);
  };
  auto screen = [&](const char* name) { ui.GrabScreen(dir + "/" + name); };
  auto quit = [&] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); };
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
             {1100, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuUsbSet); }},
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
  SetCurrentHidBackend(nullptr);
  return code;
}

int Bench() {
  sim::SimBackend sim;
  sim.UseRealClock();
  sim.AddTransmitter(*sim::FindSimModel("KDB"));
  SetCurrentHidBackend(&sim);
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
                {1200, [&] { ui.After(100 + kRuns * 4200, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); }); }}});
  RunProgram(ui);
  SetCurrentHidBackend(nullptr);
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

// A 64 KiB firmware as Intel HEX: 16-byte data records, CR LF line ends.
std::string WriteHexImage(std::size_t length) {
  const std::string path = "/tmp/travik_bench_image.hex";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::uint32_t seed = 12345;
  for (std::size_t at = 0; at < length; at += 16) {
    unsigned sum = 16 + ((at >> 8) & 0xFF) + (at & 0xFF);
    std::fprintf(f, ":10%04X00", static_cast<unsigned>(at));
    for (int i = 0; i < 16; ++i) {
      seed = seed * 1103515245u + 12345u;
      const unsigned b = (seed >> 16) & 0xFF;
      sum += b;
      std::fprintf(f, "%02X", b);
    }
    std::fprintf(f, "%02X\r\n", (0x100 - (sum & 0xFF)) & 0xFF);
  }
  std::fprintf(f, ":00000001FF\r\n");
  std::fclose(f);
  return path;
}

// A download through the bootloader dialog, from the click on "DownLoad" to
// the dialog's end; optionally a screenshot half-way.
int Boot(const std::string& shot_dir) {
  sim::SimBackend sim;
  sim.UseRealClock();
  auto& device = sim::AddBootableTransmitter(sim, *sim::FindSimModel("KDB"));
  device.set_flash_kib(128);
  SetCurrentHidBackend(&sim);
  ui::QtBackend ui;
  const std::string image = WriteHexImage(65536);
  Clock::time_point t0;
  double elapsed = 0;
  std::function<void()> watch = [&] {
    if (ui.FindWindow(120) != nullptr) {
      ui.AcceptMessageBox();  // the success box; the countdown runs on under it
      ui.After(5, watch);
      return;
    }
    elapsed = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    ui.After(100, [&] { ui.AcceptMessageBox(); });
    ui.After(800, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); });
  };
  Schedule(ui, {{1000, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuBootloader); }},
                {1300, [&] {
                   ui.QueueFileAnswer(image);
                   ui.Click(120, 3);
                 }},
                {2000, [&] {
                   t0 = Clock::now();
                   ui.Click(120, 1212);
                   ui.After(5, watch);
                 }}});
  if (!shot_dir.empty())
    ui.After(2000 + 20000, [&] { ui.GrabWindow(120, shot_dir + "/dialog_120_bootloader.png"); });
  RunProgram(ui);
  SetCurrentHidBackend(nullptr);
  // 412 fixed ticks, 9 per activation attempt, the erase polls, 2 per packet.
  const int packets = 4 * ((65536 - 4096) / 128 + 1);
  const double nominal = 10.0 * (412 + 9 * 6 + 6 + 2 * packets);
  std::printf("boot   64 KiB  nominal %6.0f ms  wall %7.1f ms (%+5.1f%%)  flashed %s\n", nominal,
              elapsed, 100.0 * (elapsed - nominal) / nominal,
              device.flash().size() >= 65536 &&
                      std::equal(device.flash().begin() + 4096, device.flash().begin() + 65536,
                                 G().Firmware->data.get() + 4096)
                  ? "equal to the image"
                  : "DIFFERENT");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // One QApplication for every run of the mode: its display connection stays
  // open between runs. A fresh one per run let Xvfb reset when the previous
  // one closed, and the next could meet the server mid-reset and abort or
  // hang ("could not connect to display"). Each QtBackend reuses it.
  int app_argc = 1;
  QApplication app(app_argc, argv);
  // TRAVIK_LANG=en takes the English gallery; Czech otherwise.
  const char* lang = std::getenv("TRAVIK_LANG");
  const ui::QtTranslation translation(travik::i18n::ChooseLanguage(lang != nullptr ? lang : "cs", "", ""));
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "shots" && argc > 2) {
    const std::string phase = argc > 3 ? argv[3] : "";
    if (phase.empty()) return Shots(argv[2], "connected") | Shots(argv[2], "nodevice");
    return Shots(argv[2], phase);
  }
  if (mode == "bench") return Bench();
  if (mode == "bench-boot") return Boot("");
  if (mode == "shots-boot" && argc > 2) return Boot(argv[2]);
  const std::vector<std::string> rest(argv + std::min(argc, 2), argv + argc);
  auto found = driver::Commands().find(mode);
  if (found != driver::Commands().end()) return found->second.run(rest);
  std::fprintf(stderr, "usage: travik-gui-driver shots DIR [connected|nodevice] | shots-boot DIR | bench | bench-boot\n");
  for (const auto& [name, info] : driver::Commands())
    std::fprintf(stderr, "       travik-gui-driver %s %s\n", name.c_str(), info.usage.c_str());
  return 2;
}
