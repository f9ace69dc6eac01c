// travik-cli calibrate: the output or input calibration of the window against
// the calibration device on the bench.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/bench_run.h"

namespace travik::cli {

int Calibrate(bool outputs, bool fast, const std::string& device, const std::string& report_path,
              std::ostream& out, std::ostream& err, BenchEnv& env);

}  // namespace travik::cli
