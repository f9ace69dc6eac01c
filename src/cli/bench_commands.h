// travik-cli's bench commands: list, info, read, write, values, flash and
// calibrate, each a short recipe of a user's steps in the window.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "cli/bench_run.h"

namespace travik::cli {

bool IsBenchCommand(const std::string& command);

// `args` follow the command's name. Returns the exit status (kExit…).
int RunBenchCommand(const std::string& command, const std::vector<std::string>& args,
                    std::ostream& out, std::ostream& err, BenchEnv& env);

// Simulated transmitters of the named models ("KDB,KDB,NSC") and a
// calibration device, each able to take a firmware download. Transmitters of
// one model get serials of their own. Null (with why) for an unknown model.
std::unique_ptr<sim::SimBackend> BuildSimulatedBench(const std::string& models, std::string& why);

// Takes `--simulate MODELS` (or `--simulate=MODELS`) out of args; "" when absent.
bool TakeSimulateOption(std::vector<std::string>& args, std::string& models, std::string& why);

// Takes `--device SEL` (or `--device=SEL`) out of args.
bool TakeDeviceOption(std::vector<std::string>& args, std::string& selector, std::string& why);

}  // namespace travik::cli
