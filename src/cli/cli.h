// The command line of travik-cli: `run` for scenarios, `image` for firmware
// files, `--help`.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "hid/hid_backend.h"

namespace travik::cli {

// Makes the backend for real devices; empty when the program was built without one.
using RealBackendFactory = std::function<std::unique_ptr<HidBackend>()>;

// How the bench commands (list, info, read, write, values, flash, calibrate)
// meet their devices and their user.
struct BenchSettings {
  std::string simulate;  // "KDB,NSC": simulated devices instead of real ones
  RealBackendFactory real_backend;  // taken from RunCli's argument when empty
  bool progress = false;  // a progress line on the error stream (it is a terminal)
  const std::atomic<bool>* interrupted = nullptr;  // set by Ctrl-C
};

// `args` exclude the program name. Returns the exit status: 0 when everything
// held, 1 when a scenario failed (or the image command refused its file), 2 on
// a usage error; the bench commands add 3 (a read-back differs) and 130
// (interrupted).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const RealBackendFactory& real_backend, const BenchSettings& bench = {});

}  // namespace travik::cli
