// Screenshots of the multi-channel and rack member dialogs, each opened off
// line through OFF LINE as a technician preparing a file would, and on line
// against a simulated transmitter after its automatic read.
//
//   xvfb-run -a -s "-screen 0 1400x1000x24" travik-gui-driver shots-members DIR
//   travik-gui-driver preview-template NUMBER PNG   (a bare template, no procedure)
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/program.h"
#include "gui_driver.h"
#include "resources/resources.h"
#include "sim/sim_backend.h"
#include "sim/sim_models.h"
#include "ui/qt/qt_backend.h"

namespace {

using namespace travik;

class Bare final : public ui::DialogProc {
 public:
  void OnClose(ui::Dialog& d) override { d.End(1005); }
};

int PreviewTemplate(const std::vector<std::string>& args) {
  if (args.size() < 2) return 2;
  ui::QtBackend ui;
  Bare proc;
  const int number = std::stoi(args[0]);
  ui.After(400, [&] {
    if (!ui.GrabWindow(number, args[1])) std::fprintf(stderr, "no window %d\n", number);
    ui.FindDialog(number)->End(0);
  });
  return ui.RunMainWindow(number, proc);
}

struct Shot {
  const char* model;
  int tpl;
  int cancel;
  const char* file;
};

constexpr Shot kShots[] = {
    {"UC-RGJ", 154, 3024, "dialog_154_uc_rgj.png"},   {"UC-VWW", 152, 3024, "dialog_152_uc_vww.png"},
    {"UC-MXB", 153, 3024, "dialog_153_uc_mxb.png"},   {"UC-BCN", 157, 3024, "dialog_157_uc_bcn.png"},
    {"UC-RGJ-H", 158, 3491, "dialog_158_uc_rgj_h.png"}, {"BBH7QS", 151, 2517, "dialog_151_bbh7qs.png"},
    {"BBH7T", 133, 1517, "dialog_133_bbh7t.png"},     {"JBC3S", 135, 1605, "dialog_135_jbc3s.png"},
    {"BBH7H", 138, 2095, "dialog_138_bbh7h.png"},     {"BBH8L", 145, 2231, "dialog_145_bbh8l.png"},
    {"UC-RGQ", 160, 3605, "dialog_160_uc_rgq.png"},   {"UC-RGQ-A", 162, 3745, "dialog_162_uc_rgq_a.png"},
    {"UC-VWC", 159, 3555, "dialog_159_uc_vwc.png"},   {"UC-MXH", 163, 3805, "dialog_163_uc_mxh.png"},
    {"UC-BCM", 161, 3685, "dialog_161_uc_bcm.png"},
};

// Each member on line: KONFIGURACE opens its dialog, which reads the device.
int MemberShot(const std::string& dir, const Shot& shot) {
  sim::SimBackend sim;
  sim.UseRealClock();
  sim.AddTransmitter(*sim::FindSimModel(shot.model));
  SetCurrentHidBackend(&sim);
  ui::QtBackend ui;
  ui.After(1000, [&] { ui.Click(res::kMainWindow, res::kButtonConfig); });
  ui.After(3800, [&] {
    if (!ui.GrabWindow(shot.tpl, dir + "/" + shot.file))
      std::fprintf(stderr, "no window %d for %s\n", shot.tpl, shot.file);
  });
  ui.After(3900, [&] { ui.Click(shot.tpl, shot.cancel); });
  ui.After(4100, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); });
  const int code = RunProgram(ui);
  SetCurrentHidBackend(nullptr);
  return code;
}

int MemberShots(const std::vector<std::string>& args) {
  if (args.empty()) return 2;
  int code = 0;
  for (const Shot& shot : kShots)
    if (args.size() < 2 || args[1] == shot.model) code |= MemberShot(args[0], shot);
  return code;
}

travik::driver::Register shots("shots-members", "shots-members DIR [MODEL]", MemberShots);

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The program's CPU while a member's dialog stands open and idle on line (its
// 5 or 20 ms timer checking every field), and how long its read at opening took.
int MemberIdle(const std::vector<std::string>& args) {
  const std::string model = args.empty() ? "UC-RGJ" : args[0];
  const int seconds = args.size() > 1 ? std::stoi(args[1]) : 30;
  // "main": the main window alone, connected to a UC-RGJ, no dialog open;
  // "boot": the bootloader window over it, no file chosen.
  const bool main_only = model == "main";
  const bool boot = model == "boot";
  const Shot* shot = main_only || boot ? &kShots[0] : nullptr;
  for (const Shot& s : kShots)
    if (model == s.model) shot = &s;
  if (shot == nullptr) return 2;
  const char* name = main_only ? "main" : boot ? "boot" : shot->model;
  sim::SimBackend sim;
  sim.UseRealClock();
  sim.AddTransmitter(*sim::FindSimModel(shot->model));
  SetCurrentHidBackend(&sim);
  ui::QtBackend ui;
  using Clock = std::chrono::steady_clock;
  Clock::time_point opened, idle_from;
  double cpu_from = 0;
  ui.After(1000, [&] {
    opened = Clock::now();
    if (boot) ui.MenuCommand(res::kMainWindow, res::kMenuBootloader);
    else if (!main_only) ui.Click(res::kMainWindow, res::kButtonConfig);
  });
  ui.After(4000, [&] {
    idle_from = Clock::now();
    cpu_from = CpuSeconds();
  });
  ui.After(4000 + 1000 * seconds, [&] {
    const double cpu = CpuSeconds() - cpu_from;
    const double wall = std::chrono::duration<double>(Clock::now() - idle_from).count();
    std::printf("%-8s idle %.1f s: CPU %.3f s = %.2f %% of a core\n", name, wall, cpu,
                100.0 * cpu / wall);
    if (boot) ui.Click(120, ui::kIdCancel);
    else if (!main_only) ui.Click(shot->tpl, shot->cancel);
  });
  ui.After(4200 + 1000 * seconds, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); });
  const int code = RunProgram(ui);
  SetCurrentHidBackend(nullptr);
  (void)opened;
  return code;
}

travik::driver::Register idle("bench-member-idle", "bench-member-idle [MODEL|main|boot] [SECONDS]", MemberIdle);

travik::driver::Register preview("preview-template", "preview-template NUMBER PNG", PreviewTemplate);

}  // namespace
