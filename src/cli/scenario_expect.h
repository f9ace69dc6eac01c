// What a scenario can expect of the program: one parser per subject (windows,
// message boxes, frames, words, files, globals, controls), each reading the
// rest of an `expect …` line in the terms of scenario_terms.h.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/scenario_terms.h"

namespace travik::cli {

// --- Expectations ------------------------------------------------------------

struct Expectation {
  std::string what;  // "130:1341 text \"17\""
  Check check;
};

// Why a line is refused with real devices.
std::string NeedsSim(std::string_view what);

// The rest of an `expect …` line. With for_wait, only the states that
// `wait until` can poll (not message boxes or frames, which are read in order).
void ParseExpect(LineReader& r, bool simulated, bool for_wait, std::vector<Expectation>& out);

}  // namespace travik::cli
