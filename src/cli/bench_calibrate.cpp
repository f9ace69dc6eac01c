#include "cli/bench_calibrate.h"

#include <ostream>

namespace travik::cli {

int Calibrate(bool outputs, const std::string& device, const std::string& report_path,
              std::ostream& out, std::ostream& err, BenchEnv& env) {
  err << "travik-cli calibrate: not available yet\n";
  return kExitFailed;
}

}  // namespace travik::cli
