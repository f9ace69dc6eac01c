// `travik-cli bench-calibration`: both output calibration searches over a
// grid of simulated drifted units, on the virtual clock, as a table.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace travik::cli {

// A simulated NSC whose four outputs (U1, I1, U2, I2) all have this error.
struct BenchUnit {
  double gain = 1.0;
  double offset = 0.0;  // counts
  double noise = 2.0;   // counts, +-
};

// One whole two-channel calibration of a unit in dialog 122.
struct BenchResult {
  bool failed = false;             // a message box instead of "Kalibrace dokoncena"
  std::vector<int> writes;         // per point, in the order they ran
  std::int64_t duration_ms = 0;    // from "Calibration" to the end
  std::vector<double> final_error; // per point, |level - nominal| after a power cycle, no noise
  int outside_final = 0;           // points kept outside their final window
};

BenchResult CalibrateUnit(const BenchUnit& unit, bool fast);

// `args` are the words after "bench-calibration". Returns 0 when the fast
// search met its bounds (half the writes on average, never more in the worst
// case, no unit failed that the default calibrates, no larger final error,
// no point kept outside its final window), 1 otherwise, 2 on a usage error.
int RunCalibrationBench(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace travik::cli
