// Screenshots of the multi-channel and rack member dialogs, each opened off
// line through OFF LINE as a technician preparing a file would, and on line
// against a simulated transmitter after its automatic read.
//
//   xvfb-run -a -s "-screen 0 1400x1000x24" travik-gui-driver shots-members DIR
//   travik-gui-driver preview-template NUMBER PNG   (a bare template, no procedure)
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

travik::driver::Register preview("preview-template", "preview-template NUMBER PNG", PreviewTemplate);

}  // namespace
