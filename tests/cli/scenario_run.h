// Runs scenario text in memory, for the tests of the scenario language.
#pragma once

#include <sstream>
#include <string>

#include "cli/scenario.h"

namespace travik::cli {

struct RunResult {
  bool passed;
  std::string out;
};

// `name` is the file name the run's messages point at.
inline RunResult RunText(const std::string& text, ScenarioOptions options = {},
                         const char* name = "t.tts") {
  std::ostringstream out;
  const bool passed = RunScenarioText(text, name, ".", options, out);
  return {passed, out.str()};
}

}  // namespace travik::cli
