#include "cli/calibration_bench.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "app/session.h"
#include "calibration/output_calibration.h"
#include "core/globals.h"
#include "resources/resources.h"
#include "sim/sim_calibrator.h"
#include "sim/sim_models.h"
#include "sim/sim_transmitter.h"

namespace travik::cli {
namespace {

constexpr int kDlg = res::kDlgOutputCalibration;
// Far beyond 8 points of 12 writes of about 2 s.
constexpr std::int64_t kRunBoundMs = 400000;

struct Summary {
  int units = 0;
  int failed = 0;
  double writes_sum = 0;
  int points = 0;
  int writes_worst = 0;
  double seconds_sum = 0;
  double seconds_worst = 0;
  double error_sum = 0;
  double error_worst = 0;
  int outside_final = 0;

  void Add(const BenchResult& r) {
    ++units;
    if (r.failed) ++failed;
    const double s = r.duration_ms / 1000.0;
    seconds_sum += s;
    seconds_worst = std::max(seconds_worst, s);
    for (int w : r.writes) {
      writes_sum += w;
      ++points;
      writes_worst = std::max(writes_worst, w);
    }
    if (!r.failed) {
      for (double e : r.final_error) {
        error_sum += e;
        error_worst = std::max(error_worst, e);
      }
    }
    outside_final += r.outside_final;
  }
  double WritesMean() const { return points ? writes_sum / points : 0; }
  double ErrorMean(int calibrated_points) const { return calibrated_points ? error_sum / calibrated_points : 0; }
};

std::string Fixed(double v, int decimals) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

}  // namespace

BenchResult CalibrateUnit(const BenchUnit& unit, bool fast) {
  BenchResult result;
  Session s;
  sim::SimTransmitter& t = s.sim().AddTransmitter(*sim::FindSimModel("NSC"));
  sim::SimCalibrator& cal = sim::AddCalibrator(s.sim());
  sim::PutOnBench(cal, &t);
  for (int channel = 0; channel < sim::kAnalogChannels; ++channel)
    for (sim::Terminal terminal : {sim::Terminal::kVoltage, sim::Terminal::kCurrent})
      t.analog().SetError(channel, terminal, {unit.gain, unit.offset});
  t.analog().set_noise(unit.noise);
  ui::HeadlessBackend& ui = s.ui();
  auto failed = [&] {
    result.failed = true;
    return result;
  };
  s.Start();
  ui.Advance(700);
  if (G().DeviceOnline != 1 || !ui.MenuCommand(res::kMainWindow, res::kMenuAutoCalibration).empty()) return failed();
  auto enabled = [&](int id) {
    auto c = ui.Control(kDlg, id);
    return c && c->enabled;
  };
  if (!ui.AdvanceUntil([&] { return enabled(kOcCalibrate); }, 3000)) return failed();
  if (fast && !ui.Click(kDlg, kOcFast).empty()) return failed();
  s.sim().ClearLog();
  const std::int64_t start = ui.Now();
  if (!ui.Click(kDlg, kOcCalibrate).empty()) return failed();
  auto finished = [&] {
    auto c = ui.Control(kDlg, kOcPointName);
    return !ui.Messages().empty() || (c && c->text == "Kalibrace dokoncena");
  };
  const bool ended = ui.AdvanceUntil(finished, kRunBoundMs);
  result.duration_ms = ui.Now() - start;
  result.failed = !ended || !ui.Messages().empty();

  std::vector<int> order;
  std::map<int, int> writes;
  for (const auto& e : s.sim().LogOf(sim::Exchange::kSetFeature)) {
    if (e.path != t.path() || e.bytes.size() < 4 || e.bytes[1] != 0xF0) continue;
    if (writes[e.bytes[3]]++ == 0) order.push_back(e.bytes[3]);
  }
  for (int code : order) result.writes.push_back(writes[code]);

  t.PowerCycle();
  t.analog().set_noise(0);
  for (const OutputPoint& p : OutputPoints()) {
    int channel = 0, point = 0;
    sim::DecodePointCode(p.point_code, channel, point);
    const double level = t.analog().Level(channel, sim::PointTerminal(point), double(p.nominal));
    const double error = std::fabs(level - p.nominal);
    result.final_error.push_back(error);
    if (!result.failed && error > p.final) ++result.outside_final;
  }
  return result;
}

int RunCalibrationBench(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<double> noises{2, 20, 50};
  for (const std::string& arg : args) {
    if (arg == "--quick") {
      noises = {2};
    } else {
      err << "travik-cli bench-calibration: unknown option " << arg << "\n";
      return 2;
    }
  }
  std::vector<BenchUnit> grid;
  for (int g = 96; g <= 105; ++g)
    for (double offset : {-37.0, 0.0, 23.0}) grid.push_back({g / 100.0, offset, 0});

  out << "| Noise | Search | Units | Writes/point mean | worst | Run mean (s) | worst (s) "
         "| Final error mean | worst | Units failed | Points outside final window |\n"
         "|---|---|---|---|---|---|---|---|---|---|---|\n";
  bool met = true;
  for (double noise : noises) {
    Summary sums[2];
    int fast_only_failures = 0;
    int calibrated_points[2] = {0, 0};
    for (BenchUnit unit : grid) {
      unit.noise = noise;
      BenchResult r[2] = {CalibrateUnit(unit, false), CalibrateUnit(unit, true)};
      for (int m = 0; m < 2; ++m) {
        sums[m].Add(r[m]);
        if (!r[m].failed) calibrated_points[m] += static_cast<int>(r[m].final_error.size());
      }
      if (r[1].failed && !r[0].failed) ++fast_only_failures;
    }
    for (int m = 0; m < 2; ++m) {
      const Summary& x = sums[m];
      out << "| ±" << noise << " | " << (m ? "fast" : "default") << " | " << x.units << " | "
          << Fixed(x.WritesMean(), 2) << " | " << x.writes_worst << " | " << Fixed(x.seconds_sum / x.units, 1)
          << " | " << Fixed(x.seconds_worst, 1) << " | " << Fixed(x.ErrorMean(calibrated_points[m]), 1) << " | "
          << Fixed(x.error_worst, 1) << " | " << x.failed << " | " << x.outside_final << " |\n";
    }
    const Summary& d = sums[0];
    const Summary& f = sums[1];
    const bool low_noise = noise <= 2;
    if (low_noise) {
      if (f.WritesMean() > d.WritesMean() / 2) err << "±" << noise << ": fast needs more than half the writes\n", met = false;
      if (f.writes_worst > d.writes_worst) err << "±" << noise << ": fast needs more writes in the worst case\n", met = false;
      if (f.ErrorMean(calibrated_points[1]) > d.ErrorMean(calibrated_points[0]))
        err << "±" << noise << ": fast ends with a larger final error\n", met = false;
    }
    if (fast_only_failures != 0) err << "±" << noise << ": fast fails " << fast_only_failures << " unit(s) the default calibrates\n", met = false;
    if (f.outside_final != 0) err << "±" << noise << ": fast keeps " << f.outside_final << " point(s) outside the final window\n", met = false;
  }
  return met ? 0 : 1;
}

}  // namespace travik::cli
