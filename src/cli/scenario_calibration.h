// Scenario lines for calibrating a simulated transmitter: how soon it takes
// an input point, and what calibration constants it holds.
#pragma once

#include <string>
#include <vector>

#include "cli/scenario_expect.h"
#include "cli/scenario_script.h"

namespace travik::cli {

// `input ready after 3 polls`, `input never ready` (the current transmitter).
bool IsCalibrationSetupWord(const std::string& word);
bool ParseCalibrationSetup(LineReader& r, const std::string& word, Statement& st);

// `expect constant 1 10V = 2100 [within 50]`, `expect stored constant …`,
// `expect points taken 100 200 1000 2000`. False when the line is about
// something else.
bool ParseCalibrationExpect(LineReader& r, bool simulated, std::vector<Expectation>& out);

}  // namespace travik::cli
