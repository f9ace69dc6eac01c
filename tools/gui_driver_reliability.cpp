// Screenshots of what a technician sees when a firmware file is damaged: the
// bootloader dialog's file message names the fault and its position.
//
//   xvfb-run -a travik-gui-driver shots-file-errors DIR
#include <cstdio>
#include <string>
#include <vector>

#include "app/program.h"
#include "core/globals.h"
#include "gui_driver.h"
#include "resources/resources.h"
#include "sim/sim_backend.h"
#include "sim/sim_bootloader.h"
#include "sim/sim_models.h"
#include "ui/qt/qt_backend.h"

namespace {

using namespace travik;

bool WriteText(const std::string& path, const std::string& text) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  std::fwrite(text.data(), 1, text.size(), f);
  return std::fclose(f) == 0;
}

int FileErrorShots(const std::vector<std::string>& args) {
  if (args.empty()) return 2;
  const std::string dir = args[0];
  // A record whose data byte was damaged (checksum no longer matches), and a
  // memory image with an odd number of digits before its 'L'.
  const std::string hex = "/tmp/travik_damaged.hex";
  const std::string kvm = "/tmp/travik_odd.kvm";
  if (!WriteText(hex, ":0400100001020314E2\r\n:00000001FF\r\n") ||
      !WriteText(kvm, "KOLVAR MEMIMG  TRX-21            12x     \r\n0102030L"))
    return 1;
  sim::SimBackend sim;
  sim.UseRealClock();
  sim::AddBootableTransmitter(sim, *sim::FindSimModel("KDB"));
  SetCurrentHidBackend(&sim);
  ui::QtBackend ui;
  auto load = [&](const std::string& path) {
    ui.QueueFileAnswer(path);
    ui.Click(res::kDlgBootloader, 3);  // returns once the message box is up
  };
  auto step = [&](int at, std::function<void()> action) { ui.After(at, std::move(action)); };
  step(1000, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuBootloader); });
  step(1300, [&] { load(hex); });
  step(1700, [&] { ui.GrabScreen(dir + "/message_hex_checksum.png"); });
  step(1800, [&] { ui.AcceptMessageBox(); });
  step(2100, [&] { load(kvm); });
  step(2600, [&] { ui.GrabScreen(dir + "/message_kvm_odd_digits.png"); });
  step(2700, [&] { ui.AcceptMessageBox(); });
  step(2900, [&] { ui.Click(res::kDlgBootloader, 2); });
  step(3100, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); });
  const int code = RunProgram(ui);
  SetCurrentHidBackend(nullptr);
  return code;
}

travik::driver::Register reg("shots-file-errors", "DIR", FileErrorShots);

}  // namespace
