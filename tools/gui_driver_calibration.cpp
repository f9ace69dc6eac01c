// Calibration on the real windows: screenshots of dialogs 122 and 336 in the
// middle of a run, and a whole output calibration on real timers measured
// against the same run on the virtual clock (the tick schedule).
//
//   xvfb-run -a travik-gui-driver shots-calibration docs/screenshots
//   QT_QPA_PLATFORM=offscreen travik-gui-driver bench-calibration
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/session.h"
#include "calibration/calibration_report.h"
#include "calibration/input_calibration.h"
#include "calibration/output_calibration.h"
#include "core/globals.h"
#include "gui_driver.h"
#include "resources/resources.h"
#include "sim/sim_backend.h"
#include "sim/sim_calibrator.h"
#include "sim/sim_models.h"
#include "ui/qt/qt_backend.h"

namespace {

using namespace travik;

constexpr int kOut = res::kDlgOutputCalibration;
constexpr int kIn = res::kDlgInputCalibration;

// A transmitter of the model, drifted off its factory constants, with the
// calibration device beside it. The same unit on every run.
void SetUpBench(sim::SimBackend& sim, const char* model) {
  auto& tx = sim.AddTransmitter(*sim::FindSimModel(model));
  tx.SetLiveWord(0, 500);
  tx.SetLiveWord(1, 500);
  tx.analog().SetError(0, sim::Terminal::kVoltage, {1.02, -150});
  tx.analog().SetError(0, sim::Terminal::kCurrent, {0.985, 300});
  tx.analog().SetError(1, sim::Terminal::kVoltage, {0.99, 80});
  tx.analog().SetError(1, sim::Terminal::kCurrent, {1.01, -250});
  sim::PutOnBench(sim::AddCalibrator(sim), &tx);
}

std::string TextOf(ui::QtBackend& ui, int dialog, int id) {
  ui::Dialog* d = ui.FindDialog(dialog);
  return d ? d->GetText(id) : std::string();
}

// Runs `check` every 50 ms until it returns true.
void Poll(ui::QtBackend& ui, std::function<bool()> check) {
  ui.After(50, [&ui, check] {
    if (!check()) Poll(ui, check);
  });
}

int Shot(const std::string& path, const char* model, int dialog, int calibrate, int grab_ms) {
  sim::SimBackend sim;
  sim.UseRealClock();
  SetUpBench(sim, model);
  SetCurrentHidBackend(&sim);
  ui::QtBackend ui;
  // The Protokol line as the window program fills it (the report's file
  // name), without writing the report.
  SetCalibrationEndSink([](const CalibrationReport& report) { return ReportBaseName(report) + ".html"; });
  ui.After(1000, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuAutoCalibration); });
  ui.After(2400, [&] { ui.Click(dialog, calibrate); });
  ui.After(2400 + grab_ms, [&] {
    if (!ui.GrabWindow(dialog, path)) std::fprintf(stderr, "no dialog %d\n", dialog);
    ui.Click(dialog, ui::kIdCancel);
  });
  ui.After(2600 + grab_ms, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); });
  const int code = RunProgram(ui);
  SetCalibrationEndSink(nullptr);
  SetCurrentHidBackend(nullptr);
  return code;
}

int Shots(const std::vector<std::string>& args) {
  if (args.empty()) return 2;
  const std::string& dir = args[0];
  // The 1 V point of channel 1 under way; the second point of the inputs, and
  // their end.
  return Shot(dir + "/dialog_122_output_calibration.png", "NSC", kOut, kOcCalibrate, 9000) |
         Shot(dir + "/dialog_336_input_calibration.png", "N3tNT", kIn, kIcCalibrate, 7000) |
         Shot(dir + "/dialog_336_input_calibration_done.png", "N3tNT", kIn, kIcCalibrate, 24000);
}

struct RunFigures {
  double seconds = 0;
  int writes = 0;
  int ticks = 0;  // every tick reads the calibration device once
};

RunFigures Count(const sim::SimBackend& sim, double seconds) {
  RunFigures f{seconds, 0, 0};
  for (const auto& e : sim.LogOf(sim::Exchange::kSetFeature))
    if (e.bytes.size() > 1 && e.bytes[1] == 0xF0) ++f.writes;
  for (const auto& e : sim.LogOf(sim::Exchange::kReadInput))
    if (e.path.rfind("sim/calibrator", 0) == 0) ++f.ticks;
  return f;
}

// From the click on "Calibration" to "Kalibrace dokoncena", on the virtual clock.
RunFigures VirtualRun() {
  Session s;
  SetUpBench(s.sim(), "NSC");
  s.Start();
  auto& ui = s.ui();
  ui.Advance(700);
  ui.MenuCommand(res::kMainWindow, res::kMenuAutoCalibration);
  ui.AdvanceUntil([&] { return ui.Control(kOut, kOcCalibrate)->enabled; }, 5000);
  const std::int64_t t0 = ui.Now();
  s.sim().ClearLog();
  ui.Click(kOut, kOcCalibrate);
  ui.AdvanceUntil([&] { return ui.Control(kOut, kOcPointName)->text == "Kalibrace dokoncena"; }, 3600000);
  const RunFigures f = Count(s.sim(), (ui.Now() - t0) / 1000.0);
  ui.Click(kOut, ui::kIdCancel);
  ui.MenuCommand(res::kMainWindow, res::kMenuExit);
  return f;
}

RunFigures RealRun() {
  sim::SimBackend sim;
  sim.UseRealClock();
  SetUpBench(sim, "NSC");
  SetCurrentHidBackend(&sim);
  ui::QtBackend ui;
  RunFigures f;
  std::chrono::steady_clock::time_point t0;
  ui.After(1000, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuAutoCalibration); });
  ui.After(2400, [&] {
    t0 = std::chrono::steady_clock::now();
    sim.ClearLog();
    ui.Click(kOut, kOcCalibrate);
    Poll(ui, [&] {
      if (TextOf(ui, kOut, kOcPointName) != "Kalibrace dokoncena") return false;
      f = Count(sim, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
      ui.Click(kOut, ui::kIdCancel);
      ui.After(100, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); });
      return true;
    });
  });
  RunProgram(ui);
  SetCurrentHidBackend(nullptr);
  return f;
}

// The run's length on each clock, and what its own ticks come to at 20 ms
// (the noise of the bench may change the number of writes between runs).
void Print(const char* clock, const RunFigures& f) {
  const double schedule = f.ticks * kOcTickMs / 1000.0;
  std::printf("output calibration 122, NSC, two channels, %s: %.1f s, %d writes, %d ticks = %.1f s at 20 ms"
              " (%+.1f %%)\n",
              clock, f.seconds, f.writes, f.ticks, schedule, 100.0 * (f.seconds / schedule - 1.0));
  std::fflush(stdout);
}

int BenchCalibration(const std::vector<std::string>&) {
  Print("virtual clock", VirtualRun());
  const RunFigures real = RealRun();
  Print("real timers", real);
  return real.seconds > 0 ? 0 : 1;
}

driver::Register shots("shots-calibration", "DIR", Shots);
driver::Register bench("bench-calibration", "", BenchCalibration);

}  // namespace
