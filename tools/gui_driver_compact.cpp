// Screenshots of the compact configuration dialogs, one simulated model per
// run, after the dialog has read the device:
//   xvfb-run -a travik-gui-driver compact-shot docs/screenshots NSC [FIRMWARE]
#include <cstdio>
#include <string>

#include "app/program.h"
#include "core/text.h"
#include "dialogs/compact/compact_family.h"
#include "gui_driver.h"
#include "resources/resources.h"
#include "sim/sim_backend.h"
#include "sim/sim_models.h"
#include "ui/qt/qt_backend.h"

namespace {

using namespace travik;

int CompactShot(const std::vector<std::string>& args) {
  if (args.size() != 2 && args.size() != 3) return 2;
  const sim::SimModel* model = sim::FindSimModel(args[1]);
  const DialogDef* def =
      model != nullptr ? FindCompactDialogDef(ConfigTemplateFor(model->device_type)) : nullptr;
  if (def == nullptr) {
    std::fprintf(stderr, "no compact dialog for %s\n", args[1].c_str());
    return 2;
  }
  sim::SimBackend sim;
  sim.UseRealClock();
  auto& device = sim.AddTransmitter(*model);
  if (args.size() == 3) device.SetFirmware(args[2]);
  SetCurrentHidBackend(&sim);
  ui::QtBackend ui;
  std::string name = def->header_name;
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const std::string path = args[0] + "/dialog_" + std::to_string(def->template_number) + "_" +
                           name + ".png";
  const int dlg = def->template_number;
  int code = 0;
  // Opening reads most models at once; the others are read by their button.
  ui.After(1500, [&] { ui.Click(res::kMainWindow, res::kButtonConfig); });
  ui.After(4000, [&] { ui.Click(dlg, def->buttons.read); });
  ui.After(6500, [&] {
    if (!ui.GrabWindow(dlg, path)) {
      std::fprintf(stderr, "no window %d\n", dlg);
      code = 1;
    }
  });
  ui.After(6600, [&] { ui.Click(dlg, def->buttons.cancel); });
  ui.After(6800, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); });
  RunProgram(ui);
  SetCurrentHidBackend(nullptr);
  if (code == 0) std::printf("%s\n", path.c_str());
  return code;
}

travik::driver::Register reg("compact-shot", "compact-shot DIR MODEL [FIRMWARE]", CompactShot);

}  // namespace
