// The real program on the Qt window layer: the main window opens, connects to
// a simulated KDB on real timers, and a configuration read fills dialog 130.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

#include "app/program.h"
#include "core/globals.h"
#include "resources/resources.h"
#include "sim/sim_backend.h"
#include "sim/sim_models.h"
#include "hid/hid.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/qt_window.h"

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

// Standing idle, the main window and a configuration dialog wake every
// 100 ms without a single exchange; a read brings them to their periods and
// works as ever, and once idle again they coalesce again.
TEST(QtProgram, IdleWindowsWakeLessOftenAndReadAsBefore) {
  ResetProgramState();
  sim::SimBackend sim;
  sim.UseRealClock();
  auto& kdb = sim.AddTransmitter(*sim::FindSimModel("KDB"));
  kdb.memory()[48] = 42;
  SetCurrentHidBackend(&sim);
  ui::QtBackend ui;
  auto coalescing = [&](int number) {
    auto* window = dynamic_cast<ui::qtimpl::Window*>(ui.FindDialog(number));
    return window != nullptr && window->Coalescing(1);
  };
  auto both = [&] { return coalescing(res::kMainWindow) && coalescing(130); };
  int idle_spells = 0;
  std::uint64_t exchanges_before = 0, exchanges_after = 0;
  bool exact_after_click = false;
  std::string address;
  std::function<void()> when_idle = [&] {
    if (!both()) return ui.After(20, when_idle);
    if (++idle_spells == 2) return (void)ui.Click(130, 1349);
    exchanges_before = HidExchangeCount();
    ui.After(500, [&] {
      exchanges_after = HidExchangeCount();
      ui.Click(130, 1345);  // returns when the read popup has closed
      exact_after_click = !coalescing(res::kMainWindow) && !coalescing(130);
      address = ui.FindDialog(130)->GetText(1341);
      when_idle();
    });
  };
  std::function<void()> wait_connected = [&] {
    if (G().DeviceType != 6) return ui.After(20, wait_connected);
    ui.After(20, when_idle);
    ui.Click(res::kMainWindow, res::kButtonConfig);  // returns when 130 ends
    ui.MenuCommand(res::kMainWindow, res::kMenuExit);
  };
  ui.After(20, wait_connected);
  ui.After(20000, [&] { ui.MenuCommand(res::kMainWindow, res::kMenuExit); });  // a bound, not a wait
  EXPECT_EQ(RunProgram(ui), 0);
  SetCurrentHidBackend(nullptr);
  EXPECT_EQ(idle_spells, 2);
  EXPECT_EQ(exchanges_after, exchanges_before);
  EXPECT_TRUE(exact_after_click);
  EXPECT_EQ(address, "42");
}

}  // namespace
}  // namespace travik
