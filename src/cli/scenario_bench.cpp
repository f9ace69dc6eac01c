#include "cli/scenario_bench.h"

#include <cstdlib>
#include <optional>

#include "sim/sim_calibrator.h"
#include "sim/sim_live.h"

namespace travik::cli {
namespace {

using Act = std::function<std::string(Runner&)>;

std::function<bool(Runner&, const Statement&)> AsSetup(Act act) {
  return [act = std::move(act)](Runner& run, const Statement& s) {
    const std::string why = act(run);
    if (why.empty()) return true;
    run.Fail(s.line, s.source + ": " + why);
    return false;
  };
}

sim::SimCalibrator* Calibrator(Runner& run, const std::string& name, std::string& why) {
  sim::SimDevice* d = run.Device(name, why);
  if (d == nullptr) return nullptr;
  auto* c = dynamic_cast<sim::SimCalibrator*>(d);
  if (c == nullptr)
    why = "the device " + (name.empty() ? std::string("set up last") : "'" + name + "'") +
          " is no calibration device";
  return c;
}

// The calibration device `expect calibrator` looks at: the only one there is.
sim::SimCalibrator* TheCalibrator(Runner& run, std::string& why) {
  sim::SimCalibrator* found = nullptr;
  for (sim::SimDevice* d : run.sim().Devices()) {
    if (auto* c = dynamic_cast<sim::SimCalibrator*>(d)) {
      if (found != nullptr) {
        why = "there are several calibration devices";
        return nullptr;
      }
      found = c;
    }
  }
  if (found == nullptr) why = "no calibration device has been set up";
  return found;
}

sim::CalInput ParseInput(LineReader& r) {
  const std::string w = r.Word("an input (U1, U2, I1, I2)");
  auto input = sim::ParseCalInput(w);
  if (!input && !r.Failed()) r.Fail("unknown input '" + w + "' (U1, U2, I1, I2)");
  return input.value_or(sim::CalInput::kU1);
}

double Decimal(LineReader& r, std::string_view what) {
  const std::string w = r.Word(what);
  char* end = nullptr;
  const double v = std::strtod(w.c_str(), &end);
  if (!r.Failed() && (w.empty() || end != w.c_str() + w.size()))
    r.Fail("expected " + std::string(what) + " instead of '" + w + "'");
  return v;
}

std::uint32_t ParseReading(LineReader& r) {
  return static_cast<std::uint32_t>(r.NumberIn("the reading (0.1 mV or 0.1 uA)", 0, sim::kMaxCalReading));
}

}  // namespace

sim::SimDevice& AddBenchCalibrator(sim::SimBackend& backend) {
  sim::SimTransmitter* last = nullptr;
  for (sim::SimDevice* d : backend.Devices())
    if (auto* t = dynamic_cast<sim::SimTransmitter*>(d)) last = t;
  sim::SimCalibrator& calibrator = sim::AddCalibrator(backend);
  sim::PutOnBench(calibrator, last);
  return calibrator;
}

bool IsBenchSetupWord(const std::string& word) {
  return word == "bench" || word == "reading" || word == "output" || word == "live";
}

bool ParseBenchSetup(LineReader& r, const std::string& word, Statement& st) {
  if (word == "bench") {
    // bench NAME | bench none: the current calibration device beside a transmitter.
    const std::string name = r.Word("the transmitter's name (or: none)");
    r.End();
    const bool none = name == "none";
    st.run = AsSetup([name, none](Runner& run) {
      std::string why;
      sim::SimCalibrator* c = Calibrator(run, {}, why);
      if (c == nullptr) return why;
      sim::SimTransmitter* t = none ? nullptr : run.Transmitter(name, why);
      if (!none && t == nullptr) return why;
      sim::PutOnBench(*c, t);
      return std::string();
    });
    return true;
  }
  if (word == "reading") {
    // reading [INPUT] VALUE | reading [INPUT] measured
    std::optional<sim::CalInput> input;
    if (!r.PeekNumber() && !r.PeekWord("measured")) input = ParseInput(r);
    std::optional<std::uint32_t> value;
    if (!r.Accept("measured")) value = ParseReading(r);
    r.End();
    st.run = AsSetup([input, value](Runner& run) {
      std::string why;
      sim::SimCalibrator* c = Calibrator(run, {}, why);
      if (c == nullptr) return why;
      if (input)
        c->SetFixedReading(*input, value);
      else
        c->SetFixedReadingAll(value);
      return std::string();
    });
    return true;
  }
  if (word == "output") {
    // output U1 gain 1.02 offset -30 | output noise 2 | output ideal (the current transmitter)
    std::function<void(sim::SimTransmitter&)> change;
    if (r.Accept("ideal")) {
      change = [](sim::SimTransmitter& t) { t.analog().MakeIdeal(); };
    } else if (r.Accept("noise")) {
      const double noise = Decimal(r, "the noise in counts");
      if (!r.Failed() && noise < 0) r.Fail("the noise cannot be negative");
      change = [noise](sim::SimTransmitter& t) { t.analog().set_noise(noise); };
    } else {
      const sim::CalInput input = ParseInput(r);
      r.Expect("gain");
      const double gain = Decimal(r, "the gain (1 is exact)");
      r.Expect("offset");
      const double offset = Decimal(r, "the offset in counts");
      if (!r.Failed() && (gain <= 0 || gain > 10)) r.Fail("the gain must lie above 0 and up to 10");
      const int channel = input == sim::CalInput::kU1 || input == sim::CalInput::kI1 ? 0 : 1;
      const sim::Terminal terminal = input == sim::CalInput::kU1 || input == sim::CalInput::kU2
                                         ? sim::Terminal::kVoltage
                                         : sim::Terminal::kCurrent;
      change = [=](sim::SimTransmitter& t) { t.analog().SetError(channel, terminal, {gain, offset}); };
    }
    r.End();
    st.run = AsSetup([change](Runner& run) {
      std::string why;
      sim::SimTransmitter* t = run.Transmitter({}, why);
      if (t == nullptr) return why;
      change(*t);
      return std::string();
    });
    return true;
  }
  if (word == "live") {
    // live moving | live steady: the current transmitter's measured values.
    const bool moving = r.Accept("moving");
    if (!moving) r.Expect("steady");
    r.End();
    st.run = AsSetup([moving](Runner& run) {
      std::string why;
      sim::SimTransmitter* t = run.Transmitter({}, why);
      if (t == nullptr) return why;
      t->SetLiveValues(moving ? sim::MovingValues(t->device_type()) : nullptr);
      return std::string();
    });
    return true;
  }
  return false;
}

std::string SetIdentity(sim::SimDevice& device, bool id, const std::string& text) {
  if (auto* t = dynamic_cast<sim::SimTransmitter*>(&device)) {
    id ? t->SetIdText(text) : t->SetFirmware(text);
  } else if (auto* c = dynamic_cast<sim::SimCalibrator*>(&device)) {
    id ? c->SetIdText(text) : c->SetFirmware(text);
  } else {
    return "the device set up last has no identification record";
  }
  return {};
}

bool ParseBenchExpect(LineReader& r, bool simulated, std::vector<Expectation>& out) {
  if (!r.Accept("calibrator")) return false;
  if (!simulated) {
    r.Fail(NeedsSim("the simulated calibration device"));
    return true;
  }
  if (r.Accept("input")) {
    // expect calibrator input U1: the input it measures (meter role).
    const sim::CalInput input = ParseInput(r);
    const std::string what = std::string("calibrator input ") + sim::CalInputName(input);
    out.push_back({what, [input](Runner& run) -> std::optional<std::string> {
                     std::string why;
                     sim::SimCalibrator* c = TheCalibrator(run, why);
                     if (c == nullptr) return why;
                     sim::CalInput got;
                     if (!c->source_role() && sim::CalInputOfCode(c->selection(), got) && got == input)
                       return std::nullopt;
                     char code[8];
                     std::snprintf(code, sizeof code, "0x%02X", c->selection());
                     return std::string(c->source_role() ? "source role, code " : "selection ") + code;
                   }});
  } else if (r.Accept("beeps")) {
    const int n = static_cast<int>(r.NumberIn("the number of beeps", 0, 1000000));
    out.push_back({"calibrator beeps " + std::to_string(n), [n](Runner& run) -> std::optional<std::string> {
                     std::string why;
                     sim::SimCalibrator* c = TheCalibrator(run, why);
                     if (c == nullptr) return why;
                     if (c->beep_count() == n) return std::nullopt;
                     return std::to_string(c->beep_count()) + " beeps";
                   }});
  } else if (r.Accept("streaming")) {
    out.push_back({"calibrator streaming", [](Runner& run) -> std::optional<std::string> {
                     std::string why;
                     sim::SimCalibrator* c = TheCalibrator(run, why);
                     if (c == nullptr) return why;
                     if (c->streaming()) return std::nullopt;
                     return std::string("not streaming");
                   }});
  } else if (r.Accept("measures")) {
    // expect calibrator measures U1 100000 within 20: what the input gets now.
    const sim::CalInput input = ParseInput(r);
    const std::uint32_t want = ParseReading(r);
    std::uint32_t tolerance = 0;
    if (r.Accept("within")) tolerance = ParseReading(r);
    const std::string what = std::string("calibrator measures ") + sim::CalInputName(input) + " " +
                             std::to_string(want) + (tolerance ? " within " + std::to_string(tolerance) : "");
    out.push_back({what, [=](Runner& run) -> std::optional<std::string> {
                     std::string why;
                     sim::SimCalibrator* c = TheCalibrator(run, why);
                     if (c == nullptr) return why;
                     const std::uint32_t got = c->Measure(input);
                     const std::uint32_t diff = got > want ? got - want : want - got;
                     if (diff <= tolerance) return std::nullopt;
                     return std::to_string(got);
                   }});
  } else {
    r.Fail("after 'calibrator': input, beeps, streaming or measures");
  }
  r.End();
  return true;
}

std::string FaultDeviceName(LineReader& r) { return r.Accept("of") ? r.Word("the device name") : std::string(); }

const sim::SimDevice* FaultDevice(Runner& run, const std::string& name, std::string& why) {
  return name.empty() ? nullptr : run.Device(name, why);
}

}  // namespace travik::cli
