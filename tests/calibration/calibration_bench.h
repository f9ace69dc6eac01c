// A bench for the calibration dialogs on the virtual clock: a simulated
// transmitter with the calibration device beside it.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/session.h"
#include "core/globals.h"
#include "resources/resources.h"
#include "sim/sim_backend.h"
#include "sim/sim_calibrator.h"
#include "sim/sim_models.h"
#include "support/connected.h"

namespace travik::test {

class CalibrationBench {
 public:
  Session s;
  sim::SimTransmitter* device = nullptr;
  sim::SimCalibrator* cal = nullptr;

  explicit CalibrationBench(const char* model) {
    device = &s.sim().AddTransmitter(*sim::FindSimModel(model));
    cal = &sim::AddCalibrator(s.sim());
    sim::PutOnBench(*cal, device);
  }

  ui::HeadlessBackend& ui() { return s.ui(); }

  void Connect() { testing::StartOnline(s); }

  void OpenCalibration(int expected_template) {
    ASSERT_EQ(ui().MenuCommand(res::kMainWindow, res::kMenuAutoCalibration), "");
    ASSERT_EQ(ui().TopTemplate(), expected_template);
  }

  std::string Text(int window, int id) {
    auto c = ui().Control(window, id);
    return c ? c->text : "<closed>";
  }
  bool Enabled(int window, int id) { return ui().Control(window, id)->enabled; }

  // Opens the calibration from the menu and waits until the dialog gives up
  // with one message. Call under ASSERT_NO_FATAL_FAILURE.
  void OpenUntilRefused(int dialog) {
    ASSERT_EQ(ui().MenuCommand(res::kMainWindow, res::kMenuAutoCalibration), "");
    ASSERT_TRUE(RunUntil([&] { return !ui().IsOpen(dialog); }, 3000));
    ASSERT_EQ(ui().Messages().size(), 1u);
  }

  bool RunUntil(const std::function<bool()>& done, std::int64_t bound_ms) {
    return ui().AdvanceUntil(done, bound_ms);
  }

  const ui::MessageRecord& LastMessage() { return ui().Messages().back(); }

  // Commands sent to a device, in order (bytes 0-8).
  std::vector<std::vector<std::uint8_t>> SentTo(const sim::SimDevice& to) {
    std::vector<std::vector<std::uint8_t>> out;
    for (const auto& e : s.sim().LogOf(sim::Exchange::kSetFeature))
      if (e.path == to.path()) out.push_back(e.bytes);
    return out;
  }

  // Every exchange with the two devices: "tx" or "cal", the kind, the bytes
  // 1-8 of a command, and "refused" when it failed.
  std::vector<std::string> Story() {
    std::vector<std::string> out;
    for (const auto& e : s.sim().Log()) {
      if (e.kind == sim::Exchange::kOpen || e.kind == sim::Exchange::kClose) continue;
      std::string line = e.path == device->path() ? "tx " : e.path == cal->path() ? "cal " : e.path + " ";
      line += sim::ExchangeName(e.kind);
      if (e.kind == sim::Exchange::kSetFeature) {
        char hex[4];
        for (std::size_t i = 1; i < e.bytes.size(); ++i) {
          std::snprintf(hex, sizeof hex, " %02X", e.bytes[i]);
          line += hex;
        }
      }
      if (!e.ok) line += " refused";
      out.push_back(line);
    }
    return out;
  }
};

inline std::vector<std::uint8_t> Bytes(std::initializer_list<int> bytes) {
  std::vector<std::uint8_t> out;
  for (int b : bytes) out.push_back(static_cast<std::uint8_t>(b));
  return out;
}

}  // namespace travik::test
