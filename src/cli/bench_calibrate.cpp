#include "cli/bench_calibrate.h"

#include <algorithm>
#include <ostream>

#include "calibration/calibration_report.h"
#include "calibration/input_calibration.h"
#include "calibration/output_calibration.h"
#include "core/globals.h"
#include "resources/resources.h"
#include "sim/sim_calibrator.h"

namespace travik::cli {
namespace {

// Eight output points of about 12 steps of 2 s each at the most.
constexpr std::int64_t kCalibrationBoundMs = 600000;

// On a simulated bench the calibration device is wired to the unit chosen.
void WireSimulatedBench(sim::SimBackend& sim, const std::string& transmitter_path) {
  sim::SimCalibrator* calibrator = nullptr;
  sim::SimTransmitter* transmitter = nullptr;
  for (sim::SimDevice* d : sim.Devices()) {
    if (auto* c = dynamic_cast<sim::SimCalibrator*>(d); c != nullptr && calibrator == nullptr)
      calibrator = c;
    if (auto* t = dynamic_cast<sim::SimTransmitter*>(d); t != nullptr && d->path() == transmitter_path)
      transmitter = t;
  }
  if (calibrator != nullptr) sim::PutOnBench(*calibrator, transmitter);
}

void PrintPoints(const CalibrationReport& report, std::ostream& out) {
  std::vector<std::vector<std::string>> rows{{"POINT", "NOMINAL", "STEPS", "FINAL", "ERROR", "RESULT"}};
  for (const CalibrationPoint& p : report.points) {
    std::string final = "-", error = "-";
    if (p.measured && p.ended) {
      final = ReadingText(p, p.final_reading);
      const long long e = ReadingError(p, p.final_reading);
      error = (e < 0 ? "-" : "+") + ReadingText(p, static_cast<std::uint32_t>(e < 0 ? -e : e));
    }
    rows.push_back({p.name, p.nominal, p.measured ? std::to_string(p.steps.size()) : "-", final,
                    error, p.passed ? "pass" : "fail"});
  }
  PrintTable(rows, out);
}

}  // namespace

int Calibrate(bool outputs, bool fast, const std::string& device, const std::string& report_path,
              std::ostream& out, std::ostream& err, BenchEnv& env) {
  const auto bench = ProbeBench(*env.backend);
  std::string why;
  const int chosen = SelectTransmitter(bench, device, why);
  if (chosen < 0) {
    err << "travik-cli: " << why << '\n';
    PrintBenchTable(bench, err);
    return kExitUsage;
  }
  const BenchDevice& unit = bench[static_cast<std::size_t>(chosen)];
  const bool has_calibrator = std::any_of(bench.begin(), bench.end(), [](const BenchDevice& d) {
    return d.role == BenchDevice::Role::kCalibrator && d.openable;
  });
  if (!has_calibrator) {
    err << "travik-cli: no calibration device found\n";
    PrintBenchTable(bench, err);
    return kExitUsage;
  }
  // The N3tNT is the one transmitter whose inputs are calibrated.
  const bool input_unit = unit.device_type == 48;
  if (outputs == input_unit) {
    err << "travik-cli: the " << unit.model << " has no " << (outputs ? "outputs" : "inputs")
        << " to calibrate; try calibrate " << (outputs ? "inputs" : "outputs") << '\n';
    return kExitUsage;
  }
  if (env.sim != nullptr) WireSimulatedBench(*env.sim, unit.path);

  BenchRun run(env, bench, chosen, err);
  if (!run.Connect()) return run.Interrupted() ? kExitInterrupted : kExitFailed;
  const int tmpl = outputs ? res::kDlgOutputCalibration : res::kDlgInputCalibration;
  const int button = outputs ? kOcCalibrate : kIcCalibrate;
  if (std::string w = run.Menu(res::kMenuAutoCalibration); !w.empty()) {
    err << "travik-cli: " << w << '\n';
    return kExitFailed;
  }
  if (!run.TakeMessages().empty() || !run.ui().IsOpen(tmpl)) return kExitFailed;
  auto enabled = [&] {
    const auto c = run.ui().Control(tmpl, button);
    return c && c->enabled;
  };
  // The dialog first finds the calibration device.
  run.ui().AdvanceUntil([&] { return run.Interrupted() || enabled() || !run.ui().IsOpen(tmpl); },
                        10000);
  if (!run.TakeMessages().empty() || !enabled()) {
    if (run.Interrupted()) return kExitInterrupted;
    err << "travik-cli: the calibration did not become ready\n";
    return kExitFailed;
  }
  BeginCalibrationReport(outputs);
  // The dialog's own check box, as a technician would tick it.
  if (fast && !run.ui().Control(tmpl, kOcFast)->checked) {
    if (std::string w = run.ClickId(kOcFast); !w.empty()) {
      err << "travik-cli: " << w << '\n';
      return kExitFailed;
    }
  }
  if (std::string w = run.ClickId(button); !w.empty()) {
    err << "travik-cli: " << w << '\n';
    return kExitFailed;
  }
  const std::size_t expected = outputs ? (G().DeviceType == 9 ? 4 : 8) : 4;
  const BenchRun::Percent progress = [&] {
    std::size_t ended = 0;
    for (const auto& p : CurrentCalibration().points) ended += p.ended;
    return static_cast<int>(std::min<std::size_t>(100, ended * 100 / expected));
  };
  // Running until the button is offered again (done, or a point out of
  // range) or the dialog closed over a failure.
  bool started = false;
  const std::int64_t start = run.Now();
  while (!run.Interrupted() && run.Now() - start < kCalibrationBoundMs) {
    run.WaitClosed(tmpl, progress, 1000, outputs ? "calibrate outputs" : "calibrate inputs");
    if (!run.ui().IsOpen(tmpl)) break;
    if (!enabled()) started = true;
    if (started && enabled()) break;
    if (!CurrentCalibration().points.empty()) started = true;
  }
  run.TakeMessages();
  const CalibrationReport report = CurrentCalibration();
  if (run.Interrupted() && !report.complete) return kExitInterrupted;
  PrintPoints(report, out);

  std::string path = report_path;
  if (path.empty()) {
    const std::string folder = DefaultReportFolder();
    if (folder.empty()) {
      err << "travik-cli: no data folder for the report (set HOME or XDG_DATA_HOME, or use --report)\n";
      return kExitFailed;
    }
    path = folder + "/" + ReportBaseName(report);
  }
  std::string error;
  const auto written = SaveCalibrationReport(report, path, error);
  if (written.empty()) {
    err << "travik-cli: " << error << '\n';
    return kExitFailed;
  }
  out << "report:";
  for (const auto& f : written) out << ' ' << f;
  out << '\n';
  return report.complete ? kExitDone : kExitFailed;
}

}  // namespace travik::cli
