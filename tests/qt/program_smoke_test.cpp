// The real program on the Qt window layer: the main window opens, connects to
// a simulated KDB on real timers, and a configuration read fills dialog 130.
#include <gtest/gtest.h>

#include <chrono>

#include "app/program.h"
#include "core/globals.h"
#include "resources/resources.h"
#include "sim/sim_backend.h"
#include "sim/sim_models.h"
#include "ui/qt/qt_backend.h"

namespace travik {
namespace {

TEST(QtProgram, ConnectsToASimulatedTransmitterAndReadsItsConfiguration) {
  ResetProgramState();
  sim::SimBackend sim;
  sim.UseRealClock();
  auto& kdb = sim.AddTransmitter(*sim::FindSimModel("KDB"));
  kdb.memory()[48] = 77;
  SetCurrentHidBackend(&sim);
  ui::QtBackend ui;
  ui::Dialog* main = nullptr;
  std::string device_field, address;
  // Polls instead of fixed delays: a slow machine only makes the test slower.
  std::function<void()> wait_connected = [&] {
    main = ui.FindDialog(res::kMainWindow);
    if (G().DeviceType != 6 || main == nullptr) return ui.After(20, wait_connected);
    device_field = main->GetText(res::kFieldDevice);
    ui.Click(res::kMainWindow, res::kButtonConfig);  // returns when 130 ends
    ui.MenuCommand(res::kMainWindow, res::kMenuExit);
  };
  ui.After(20, wait_connected);
  std::function<void()> read = [&] {
    ui::Dialog* kdb_dialog = ui.FindDialog(130);
    if (kdb_dialog == nullptr) return ui.After(20, read);
    ui.Click(130, 1345);  // returns when the read popup has closed
    address = kdb_dialog->GetText(1341);
    ui.Click(130, 1349);
  };
  ui.After(50, read);
  ui.After(20000, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); });  // a bound, not a wait
  EXPECT_EQ(RunProgram(ui), 0);
  SetCurrentHidBackend(nullptr);
  EXPECT_EQ(device_field.substr(0, 6), "  KDB ");
  EXPECT_EQ(address, "77");
  EXPECT_EQ(sim.OpenHandles(), 0);
}

}  // namespace
}  // namespace travik
