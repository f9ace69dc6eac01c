// A bench for the calibration dialogs on the virtual clock: a simulated
// transmitter and a scripted calibration device whose readings the test
// decides (by default: what the transmitter outputs on the selected input).
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/session.h"
#include "core/globals.h"
#include "resources/resources.h"
#include "sim/sim_backend.h"
#include "sim/sim_models.h"

namespace travik::test {

// The calibration device as the dialogs rely on it: the identification
// record after init (again on every read until streaming starts), then one
// measurement report per read.
class ScriptedCalibrator : public sim::SimDevice {
 public:
  ScriptedCalibrator()
      : sim::SimDevice("sim/calibrator", 0xA600, 0xE24F, sim::kUsagePageVendor, sim::kUsageVendor,
                       u"Kolvar Calibrator A") {}

  // Reading for the selected input (0xA0-0xA3).
  std::function<std::uint32_t(std::uint8_t input)> reading = [](std::uint8_t) { return 0u; };
  // Commands (by code) refused from now on.
  std::vector<std::uint8_t> refuse;
  bool refuse_reads = false;

  std::uint8_t input = 0xA2;
  std::vector<std::uint8_t> commands;  // every accepted code, in order
  int beeps = 0;
  bool streaming = false;
  bool host_transfer = false;
  int measurement_reads = 0;

  bool OnSetFeature(const std::uint8_t* data, std::size_t length) override {
    auto frame = sim::CommandFrame::Parse(data, length);
    if (!frame) return false;
    for (std::uint8_t code : refuse)
      if (code == frame->code) return false;
    commands.push_back(frame->code);
    if (frame->code == 0xCC) streaming = false;
    if (frame->code == 0xC0) streaming = true;
    if (frame->code == 0xC8) host_transfer = true;
    if (frame->code == 0xC9) host_transfer = false;
    if (frame->code == 0xCF) ++beeps;
    if ((frame->code >= 0xA0 && frame->code <= 0xA7) || frame->code == 0xAF) input = frame->code;
    return true;
  }

  bool OnReadInput(std::uint8_t* data, std::size_t length, std::uint32_t& transferred) override {
    transferred = 0;
    if (refuse_reads) return false;
    std::uint8_t report[64] = {};
    if (!streaming) {
      std::memcpy(report + 1, "CAL KOLVAR 2CH  ", 16);
      std::memcpy(report + 17, "01.02.03", 8);
    } else {
      const std::uint32_t r = reading(input);
      report[5] = static_cast<std::uint8_t>(r);
      report[6] = static_cast<std::uint8_t>(r >> 8);
      report[7] = static_cast<std::uint8_t>(r >> 16);
      ++measurement_reads;
    }
    std::memcpy(data, report, std::min<std::size_t>(length, 64));
    transferred = static_cast<std::uint32_t>(std::min<std::size_t>(length, 64));
    return true;
  }
};

// What the transmitter outputs on a calibration-device input, in counts.
inline std::uint32_t Measure(const sim::SimTransmitter& t, std::uint8_t input) {
  const int channel = input == 0xA2 || input == 0xA3 ? 1 : 2;
  const bool current = input == 0xA3 || input == 0xA1;
  const double v = t.AnalogOutput(channel, current) * 10000.0;
  return v <= 0 ? 0u : static_cast<std::uint32_t>(std::lround(v));
}

class CalibrationBench {
 public:
  Session s;
  sim::SimTransmitter* device = nullptr;
  ScriptedCalibrator* cal = nullptr;

  ui::HeadlessBackend& ui() { return s.ui(); }

  // The transmitter, then the calibration device measuring it.
  void Bench(const char* model, bool with_calibrator = true) {
    device = &s.sim().AddTransmitter(*sim::FindSimModel(model));
    if (with_calibrator) {
      cal = &s.sim().Add(std::make_unique<ScriptedCalibrator>(), sim::Group::kVendor);
      cal->reading = [this](std::uint8_t input) { return Measure(*device, input); };
    }
  }

  void Connect() {
    s.Start();
    ui().Advance(700);
    ASSERT_EQ(G().DeviceOnline, 1);
    s.sim().ClearLog();
  }

  void OpenCalibration(int expected_template) {
    ASSERT_EQ(ui().MenuCommand(res::kMainWindow, res::kCmdAutoCalibration), "");
    ASSERT_EQ(ui().TopTemplate(), expected_template);
  }

  std::string Text(int window, int id) {
    auto c = ui().Control(window, id);
    return c ? c->text : "<closed>";
  }
  bool Enabled(int window, int id) { return ui().Control(window, id)->enabled; }

  bool RunUntil(const std::function<bool()>& done, std::int64_t bound_ms) {
    return ui().AdvanceUntil(done, bound_ms);
  }

  std::vector<std::string> MessageTexts() {
    std::vector<std::string> out;
    for (const auto& m : ui().Messages()) out.push_back(m.text);
    return out;
  }

  // Commands sent to a device, in order (bytes 0-8).
  std::vector<std::vector<std::uint8_t>> SentTo(const std::string& path) {
    std::vector<std::vector<std::uint8_t>> out;
    for (const auto& e : s.sim().LogOf(sim::Exchange::kSetFeature))
      if (e.path == path) out.push_back(e.bytes);
    return out;
  }
};

inline std::vector<std::uint8_t> Bytes(std::initializer_list<int> bytes) {
  std::vector<std::uint8_t> out;
  for (int b : bytes) out.push_back(static_cast<std::uint8_t>(b));
  return out;
}

}  // namespace travik::test
