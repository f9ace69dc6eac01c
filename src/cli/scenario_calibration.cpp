#include "cli/scenario_calibration.h"

#include <cmath>
#include <optional>

#include "sim/sim_analog.h"
#include "sim/sim_transmitter.h"

namespace travik::cli {
namespace {

// The one simulated transmitter there is, for expectations about it.
sim::SimTransmitter* TheTransmitter(Runner& run, std::string& why) {
  sim::SimTransmitter* found = nullptr;
  for (sim::SimDevice* d : run.sim().Devices()) {
    if (auto* t = dynamic_cast<sim::SimTransmitter*>(d)) {
      if (found != nullptr) {
        why = "there are several transmitters";
        return nullptr;
      }
      found = t;
    }
  }
  if (found == nullptr) why = "no transmitter has been set up";
  return found;
}

struct PointName {
  const char* name;
  int point;
};
constexpr PointName kPoints[] = {
    {"2mA", sim::kPoint2mA}, {"20mA", sim::kPoint20mA}, {"1V", sim::kPoint1V}, {"10V", sim::kPoint10V}};

int ParsePoint(LineReader& r) {
  const std::string w = r.Word("a calibration point (1V, 10V, 2mA, 20mA)");
  for (const PointName& p : kPoints)
    if (w == p.name) return p.point;
  if (!r.Failed()) r.Fail("unknown calibration point '" + w + "' (1V, 10V, 2mA, 20mA)");
  return 0;
}

}  // namespace

bool IsCalibrationSetupWord(const std::string& word) { return word == "input"; }

bool ParseCalibrationSetup(LineReader& r, const std::string& word, Statement& st) {
  if (word != "input") return false;
  // input ready after 3 polls | input never ready
  int polls = -1;
  if (r.Accept("never")) {
    r.Expect("ready");
  } else {
    r.Expect("ready");
    r.Expect("after");
    polls = static_cast<int>(r.NumberIn("the number of status polls", 0, 1000000));
    if (!r.Accept("polls")) r.Expect("poll");
  }
  r.End();
  st.run = [polls](Runner& run, const Statement& s) {
    std::string why;
    sim::SimTransmitter* t = run.Transmitter({}, why);
    if (t == nullptr) {
      run.Fail(s.line, s.source + ": " + why);
      return false;
    }
    t->input_points().set_busy_polls(polls);
    return true;
  };
  return true;
}

bool ParseCalibrationExpect(LineReader& r, bool simulated, std::vector<Expectation>& out) {
  if (r.Accept("writes")) {
    // expect writes 1 10V = 3: set-calibration-point frames the transmitter got for that point.
    const int channel = static_cast<int>(r.NumberIn("the output channel (1 or 2)", 1, 2)) - 1;
    const int point = ParsePoint(r);
    r.Expect("=");
    const auto want = r.NumberIn("the number of writes", 0, 1000000);
    r.End();
    if (!simulated) r.Fail(NeedsSim("the simulated transmitter"));
    const std::string what =
        "writes " + std::to_string(channel + 1) + " " + kPoints[point].name + " = " + std::to_string(want);
    const int code = channel * 8 + point * 2;
    out.push_back({what, [=](Runner& run) -> std::optional<std::string> {
                     std::string why;
                     sim::SimTransmitter* t = TheTransmitter(run, why);
                     if (t == nullptr) return why;
                     std::int64_t got = 0;
                     for (const auto& f : t->calibration().frames)
                       if (f[0] == 0xF0 && f[1] == channel + 1 && f[2] == code) ++got;
                     if (got == want) return std::nullopt;
                     return std::to_string(got);
                   }});
    return true;
  }
  const bool stored = r.Accept("stored");
  if (!stored && !r.Accept("constant")) {
    if (!r.Accept("points")) return false;
    // expect points taken 100 200 1000 2000: what the input saw at each point, in ohms.
    r.Expect("taken");
    std::vector<std::int64_t> ohms;
    while (!r.AtEnd() && !r.Failed()) ohms.push_back(r.NumberIn("the ohms at a point", 0, 1000000));
    if (!simulated) r.Fail(NeedsSim("the simulated transmitter"));
    std::string what = "points taken";
    for (auto o : ohms) what += " " + std::to_string(o);
    out.push_back({what, [ohms](Runner& run) -> std::optional<std::string> {
                     std::string why;
                     sim::SimTransmitter* t = TheTransmitter(run, why);
                     if (t == nullptr) return why;
                     std::string got;
                     bool same = t->input_points().taken().size() == ohms.size();
                     for (std::size_t i = 0; i < t->input_points().taken().size(); ++i) {
                       const double seen = t->input_points().taken()[i].input;
                       got += (i ? " " : "") + std::to_string(std::lround(seen));
                       same = same && std::lround(seen) == ohms[i];
                     }
                     if (same) return std::nullopt;
                     return got.empty() ? std::string("none") : got;
                   }});
    r.End();
    return true;
  }
  if (stored) r.Expect("constant");
  // expect [stored] constant 1 10V = 2100 [within 50]
  const int channel = static_cast<int>(r.NumberIn("the output channel (1 or 2)", 1, 2)) - 1;
  const int point = ParsePoint(r);
  r.Expect("=");
  const auto want = r.NumberIn("the constant (1 to 4095)", 0, 65535);
  std::int64_t tolerance = 0;
  if (r.Accept("within")) tolerance = r.NumberIn("the tolerance", 0, 65535);
  r.End();
  if (!simulated) r.Fail(NeedsSim("the simulated transmitter"));
  const std::string what = std::string(stored ? "stored " : "") + "constant " + std::to_string(channel + 1) +
                           " " + kPoints[point].name + " = " + std::to_string(want) +
                           (tolerance ? " within " + std::to_string(tolerance) : "");
  out.push_back({what, [=](Runner& run) -> std::optional<std::string> {
                   std::string why;
                   sim::SimTransmitter* t = TheTransmitter(run, why);
                   if (t == nullptr) return why;
                   const auto& constants = stored ? t->analog().eeprom_constants() : t->analog().constants();
                   const std::int64_t got = constants[channel][point];
                   if (std::llabs(got - want) <= tolerance) return std::nullopt;
                   return std::to_string(got);
                 }});
  return true;
}

}  // namespace travik::cli
