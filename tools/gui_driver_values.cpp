// Live values on the real windows: screenshots of dialogs 106 and 134 with a
// calibration device on the bench, and the values dialog's CPU cost.
//
//   xvfb-run -a travik-gui-driver shots-values docs/screenshots
//   QT_QPA_PLATFORM=offscreen travik-gui-driver bench-values [SECONDS [1h] [still]]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/program.h"
#include "core/globals.h"
#include "gui_driver.h"
#include "hid/hid.h"
#include "resources/resources.h"
#include "sim/sim_backend.h"
#include "sim/sim_calibrator.h"
#include "sim/sim_live.h"
#include "sim/sim_models.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/qt_chart.h"
#include "ui/qt/qt_window.h"
#include "values/value_trace.h"

namespace {

using namespace travik;

// A transmitter of the model with moving values and a calibration device beside it.
sim::SimTransmitter& SetUpBench(sim::SimBackend& sim, const char* model, bool calibrator, bool moving = true) {
  sim.UseRealClock();
  const sim::SimModel& m = *sim::FindSimModel(model);
  auto& tx = sim.AddTransmitter(m);
  if (moving) tx.SetLiveValues(sim::MovingValues(m.device_type));
  if (calibrator) sim::PutOnBench(sim::AddCalibrator(sim), &tx);
  return tx;
}

int ShotValues(const std::string& dir, const char* model, bool calibrator, const std::string& name) {
  sim::SimBackend sim;
  SetUpBench(sim, model, calibrator);
  SetCurrentHidBackend(&sim);
  ui::QtBackend ui;
  ui.After(1000, [&] { ui.Click(res::kMainWindow, res::kButtonValues); });
  // Long enough for the chart to show the values moving.
  ui.After(9000, [&] {
    if (!ui.GrabWindow(res::kDlgValues, dir + "/" + name)) std::fprintf(stderr, "no dialog 106\n");
  });
  ui.After(9100, [&] { ui.Click(res::kDlgValues, ui::kIdCancel); });
  ui.After(9300, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); });
  const int code = RunProgram(ui);
  SetCurrentHidBackend(nullptr);
  return code;
}

int ShotModule(const std::string& dir) {
  sim::SimBackend sim;
  SetUpBench(sim, "EHA9", true);
  SetCurrentHidBackend(&sim);
  ui::QtBackend ui;
  auto write = [&](int field, const char* value, int button) {
    if (ui::Dialog* d = ui.FindDialog(res::kDlgOutputModule)) d->SetText(field, value);
    ui.Click(res::kDlgOutputModule, button);
  };
  ui.After(1000, [&] { ui.Click(res::kMainWindow, res::kButtonValues); });
  ui.After(1800, [&] { write(1538, "750", 1547); });
  ui.After(1900, [&] { write(1540, "250", 1548); });
  ui.After(4000, [&] { write(1538, "300", 1547); });
  ui.After(6000, [&] { write(1540, "900", 1548); });
  ui.After(8500, [&] {
    if (!ui.GrabWindow(res::kDlgOutputModule, dir + "/dialog_134_output_module.png"))
      std::fprintf(stderr, "no dialog 134\n");
  });
  ui.After(8600, [&] { ui.Click(res::kDlgOutputModule, ui::kIdCancel); });
  ui.After(8800, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); });
  const int code = RunProgram(ui);
  SetCurrentHidBackend(nullptr);
  return code;
}

int Shots(const std::vector<std::string>& args) {
  if (args.empty()) return 2;
  const std::string& dir = args[0];
  return ShotValues(dir, "KDB7DY", true, "dialog_106_values_kdb7dy.png") |
         ShotValues(dir, "NBBVK", false, "dialog_106_values_nbbvk.png") |
         ShotValues(dir, "BBH7H", false, "dialog_106_values_bbh7h.png") | ShotModule(dir);
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long RssKb() {
  std::FILE* f = std::fopen("/proc/self/status", "r");
  if (f == nullptr) return -1;
  char line[256];
  long kb = -1;
  while (std::fgets(line, sizeof line, f))
    if (std::sscanf(line, "VmRSS: %ld kB", &kb) == 1) break;
  std::fclose(f);
  return kb;
}

ui::qtimpl::ChartWidget* ChartOf(ui::QtBackend& ui, int dialog) {
  auto* window = dynamic_cast<ui::qtimpl::Window*>(ui.FindDialog(dialog));
  return window == nullptr ? nullptr : static_cast<ui::qtimpl::ChartWidget*>(window->Control(kValuesChart));
}

void CountReads(const HidTraceEvent& event, void* count) {
  if (event.kind == HidTraceEvent::kReadInput) ++*static_cast<std::size_t*>(count);
}

// The whole process (GUI and the simulated devices it talks to) while the
// values dialog polls a KDB7DY and a calibration device. The simulator keeps
// its frame log bounded, as `travik --simulate` does: an hour's log would
// otherwise be most of the resident size.
int BenchValues(const std::vector<std::string>& args) {
  const int seconds = args.empty() ? 30 : std::max(1, std::stoi(args[0]));
  // "1h": the chart on its longest span, as a technician watching a drift would.
  const bool long_span = std::find(args.begin(), args.end(), "1h") != args.end();
  // "still": a transmitter whose values do not change, and no calibration device.
  const bool still = std::find(args.begin(), args.end(), "still") != args.end();
  sim::SimBackend sim;
  sim.SetHistoryLimit(20000);
  SetUpBench(sim, "KDB7DY", !still, !still);
  SetCurrentHidBackend(&sim);
  std::size_t reads = 0;
  SetHidTrace(&CountReads, &reads);
  ui::QtBackend ui;
  double cpu0 = 0;
  std::chrono::steady_clock::time_point t0;
  std::size_t reads0 = 0;
  ui.After(1000, [&] { ui.Click(res::kMainWindow, res::kButtonValues); });
  int redraws0 = 0;
  ui.After(2000, [&] {
    if (auto* chart = ChartOf(ui, res::kDlgValues)) {
      if (long_span) chart->data().SetSpan(ui::ChartSpan::k1Hour);
      redraws0 = chart->redraws();
    }
    cpu0 = CpuSeconds();
    reads0 = reads;
    t0 = std::chrono::steady_clock::now();
  });
  // Every ten minutes of a long run: memory against time.
  for (int at = 600; at < seconds; at += 600)
    ui.After(2000 + at * 1000, [&, at] {
      if (auto* chart = ChartOf(ui, res::kDlgValues))
        std::printf("after %4d s  columns held %zu  rss %ld kB  cpu %.1f s\n", at, chart->data().HeldColumns(),
                    RssKb(), CpuSeconds() - cpu0);
      std::fflush(stdout);
    });
  ui.After(2000 + seconds * 1000, [&] {
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    const double cpu = CpuSeconds() - cpu0;
    const std::size_t read = reads - reads0;
    std::printf("values 106  open %.1f s  cpu %.3f s = %.2f %% of a core  reports read %zu (%.1f/s, nominal 50/s)\n",
                wall, cpu, 100.0 * cpu / wall, read, read / wall);
    if (auto* chart = ChartOf(ui, res::kDlgValues))
      std::printf("chart span %s  redraws %.1f/s  samples %llu  columns held %zu  rss %ld kB\n",
                  ui::SpanName(chart->data().span()), (chart->redraws() - redraws0) / wall,
                  static_cast<unsigned long long>(chart->data().samples()), chart->data().HeldColumns(), RssKb());
    ui.Click(res::kDlgValues, ui::kIdCancel);
  });
  ui.After(2200 + seconds * 1000, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); });
  const int code = RunProgram(ui);
  SetHidTrace(nullptr, nullptr);
  SetCurrentHidBackend(nullptr);
  return code;
}

driver::Register shots("shots-values", "DIR", Shots);
driver::Register bench("bench-values", "[SECONDS [1h] [still]]", BenchValues);

}  // namespace
