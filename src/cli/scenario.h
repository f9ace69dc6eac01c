// `travik-cli run`: scenario files that drive the whole program as a
// technician would, on the headless window layer, and check what it shows,
// sends and writes. The language is described in docs/automation.md.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "hid/hid_backend.h"

namespace travik::cli {

struct ScenarioOptions {
  // Every frame and message box as it happens, and each line as it runs.
  bool trace = false;
  // Set: the trace goes here instead of the output, even without `trace`
  // (the support log).
  std::ostream* trace_out = nullptr;
  // Keep the run's directory (the files the program wrote) and say where it is.
  bool keep_files = false;
  // Set: real devices from this backend on the real clock (--real).
  std::function<std::unique_ptr<HidBackend>()> real_backend;
};

// Runs one scenario in a fresh program. Prints each failure as
// "FILE:LINE: …" and one summary line. Returns whether everything held.
bool RunScenarioFile(const std::string& path, const ScenarioOptions& options, std::ostream& out);

// The same for a text; `label` stands for the file in messages and `dir` is
// where the files it copies in come from.
bool RunScenarioText(std::string_view text, const std::string& label,
                     const std::filesystem::path& dir, const ScenarioOptions& options,
                     std::ostream& out);

}  // namespace travik::cli
