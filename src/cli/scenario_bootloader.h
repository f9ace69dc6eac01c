// Scenario lines that set up the current device's simulated bootloader.
#pragma once

#include <functional>
#include <string>

#include "cli/scenario_lexer.h"
#include "cli/scenario_runner.h"

namespace travik::cli {

// The rest of a `bootloader …` line (after the word) as a change of the
// current device; r carries the error when the line makes no sense. The
// change returns "" or why it could not be made.
std::function<std::string(Runner&)> ParseBootloaderLine(LineReader& r);

}  // namespace travik::cli
