// A program session with one simulated transmitter, connected and identified.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/session.h"
#include "core/globals.h"
#include "resources/resources.h"
#include "sim/sim_backend.h"
#include "sim/sim_models.h"
#include "support/files.h"

namespace travik::testing {

// Starts the program and lets it connect to the device on the bus; the
// exchange log starts empty afterwards. Call under ASSERT_NO_FATAL_FAILURE.
inline void StartOnline(Session& s) {
  s.Start();
  s.ui().Advance(700);
  ASSERT_EQ(G().DeviceOnline, 1);
  s.sim().ClearLog();
}

class ConnectedTest : public ::testing::Test {
 protected:
  Session s;
  sim::SimTransmitter* device = nullptr;

  ui::HeadlessBackend& ui() { return s.ui(); }

  // Adds the model's transmitter, starts the program and lets it connect.
  // `setup` runs before the start, e.g. to put more devices on the bus.
  void Connect(const char* model = "KDB", const char* firmware = nullptr,
               const std::function<void()>& setup = {}) {
    device = &s.sim().AddTransmitter(*sim::FindSimModel(model));
    if (firmware != nullptr) device->SetFirmware(firmware);
    if (setup) setup();
    StartOnline(s);
  }

  // Opens the configuration dialog from the main window.
  void OpenConfiguration(int expected_template) {
    ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonConfig), "");
    ASSERT_EQ(ui().TopTemplate(), expected_template);
  }

  // Connects the model and opens its dialog, after the dialog's read at
  // opening.
  void ConnectAndOpen(const char* model, int dialog, const char* firmware = nullptr) {
    Connect(model, firmware);
    ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonConfig), "");
    ASSERT_TRUE(ui().AdvanceUntil([&] { return ui().TopTemplate() == dialog; }, 10000));
  }

  std::string Text(int window, int id) {
    auto c = ui().Control(window, id);
    return c ? c->text : "<no control>";
  }
  bool Visible(int window, int id) { return ui().Control(window, id)->visible; }
  bool Enabled(int window, int id) { return ui().Control(window, id)->enabled; }

  // Advances until the dialog has closed; fails after the bound.
  void RunUntilClosed(int window, std::int64_t bound_ms = 10000) {
    ASSERT_TRUE(ui().AdvanceUntil([&] { return !ui().IsOpen(window); }, bound_ms))
        << "dialog " << window << " still open";
  }

  std::vector<std::uint8_t> Frame(std::initializer_list<int> head, bool magic) {
    std::vector<std::uint8_t> f;
    for (int b : head) f.push_back(static_cast<std::uint8_t>(b));
    while (f.size() < 5) f.push_back(0);
    const std::uint8_t tail[4] = {0xD4, 0x71, 0x3A, 0x5C};
    for (int i = 0; i < 4; ++i) f.push_back(magic ? tail[i] : 0);
    return f;
  }
};

}  // namespace travik::testing
