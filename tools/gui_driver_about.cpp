// shots-about DIR: the About box of a run that writes a support log.
#include <cstdio>
#include <string>

#include "app/program.h"
#include "core/support_log.h"
#include "gui_driver.h"
#include "resources/resources.h"
#include "sim/sim_backend.h"
#include "ui/qt/qt_backend.h"

namespace {

using namespace travik;

int ShotsAbout(const std::vector<std::string>& args) {
  if (args.empty()) {
    std::fprintf(stderr, "usage: travik-gui-driver shots-about DIR\n");
    return 2;
  }
  const std::string dir = args[0];
  SupportLog log;
  std::string error;
  if (!log.Open("/tmp/travik-podpora.log", "travik", error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  sim::SimBackend sim;
  sim.UseRealClock();
  SetCurrentHidBackend(&sim);
  ui::QtBackend ui;
  SetTrace(&log.stream(), &ui);
  ui.After(800, [&] { ui.AcceptMessageBox(); });  // no device
  ui.After(1000, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuAbout); });
  ui.After(1400, [&] { ui.GrabScreen(dir + "/message_about_log.png"); });
  ui.After(1500, [&] { ui.AcceptMessageBox(); });
  ui.After(1700, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); });
  const int code = RunProgram(ui);
  SetTrace(nullptr, &ui);
  SetCurrentHidBackend(nullptr);
  return code;
}

travik::driver::Register reg("shots-about", "DIR", ShotsAbout);


// shots-language DIR: the "Jazyk / Language" choice, reached from the menu.
int ShotsLanguage(const std::vector<std::string>& args) {
  if (args.empty()) {
    std::fprintf(stderr, "usage: travik-gui-driver shots-language DIR\n");
    return 2;
  }
  const std::string dir = args[0];
  sim::SimBackend sim;
  sim.UseRealClock();
  SetCurrentHidBackend(&sim);
  ui::QtBackend ui;
  ui.After(800, [&] { ui.AcceptMessageBox(); });  // no device
  ui.After(1000, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuLanguage); });
  ui.After(1400, [&] { ui.GrabWindow(res::kDlgLanguage, dir + "/dialog_950_language.png"); });
  ui.After(1500, [&] { ui.Click(res::kDlgLanguage, ui::kIdCancel); });
  ui.After(1700, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); });
  const int code = RunProgram(ui);
  SetCurrentHidBackend(nullptr);
  return code;
}

travik::driver::Register lang_reg("shots-language", "DIR", ShotsLanguage);

}  // namespace
