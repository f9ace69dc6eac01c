// A scenario file as a list of statements, each bound to what it does. The
// whole file is read before anything runs, so a mistyped line is reported at
// once and not after a minute of simulated work.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/scenario_runner.h"

namespace travik::cli {

struct Statement {
  int line = 0;
  std::string source;  // the line as written, without its comment
  // False stops the file: an action that could not be taken, or a wait that
  // ran out; the steps after it would only report follow-on failures.
  std::function<bool(Runner&, const Statement&)> run;
};

struct ScriptError {
  int line = 0;
  std::string message;
};

struct Script {
  std::vector<Statement> statements;
  std::vector<ScriptError> errors;
};

// `simulated` false (real devices): lines that set up, fault or inspect
// simulated devices are errors.
Script ParseScript(std::string_view text, bool simulated);

}  // namespace travik::cli
