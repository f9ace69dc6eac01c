// The command line of travik-cli: `run` for scenarios, `image` for firmware
// files, `--help`.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "hid/hid_backend.h"

namespace travik::cli {

// Makes the backend for real devices; empty when the program was built without one.
using RealBackendFactory = std::function<std::unique_ptr<HidBackend>()>;

// `args` exclude the program name. Returns the exit status: 0 when everything
// held, 1 when a scenario failed (or the image command refused its file), 2 on
// a usage error.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const RealBackendFactory& real_backend);

}  // namespace travik::cli
