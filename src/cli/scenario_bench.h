// Scenario lines for the calibration device and the bench it shares with a
// transmitter: setting them up, what the device measures, the transmitter's
// analog outputs and live values, and what can be expected of them.
#pragma once

#include <string>
#include <vector>

#include "cli/scenario_expect.h"
#include "cli/scenario_script.h"

namespace travik::cli {

// `device calibrator`: a calibration device beside the transmitter set up last.
sim::SimDevice& AddBenchCalibrator(sim::SimBackend& backend);

// Setup lines of the bench (bench, reading, output, live). False when the
// first word is none of them.
bool IsBenchSetupWord(const std::string& word);
bool ParseBenchSetup(LineReader& r, const std::string& word, Statement& st);

// `id` and `firmware` for a transmitter or a calibration device; "" or why not.
std::string SetIdentity(sim::SimDevice& device, bool id, const std::string& cp1250_text);

// `expect calibrator …`. False when the line is about something else.
bool ParseBenchExpect(LineReader& r, bool simulated, std::vector<Expectation>& out);

// `refuse … of NAME`, `timeout … of NAME`: the named device, or null for all.
std::string FaultDeviceName(LineReader& r);
const sim::SimDevice* FaultDevice(Runner& run, const std::string& name, std::string& why);

}  // namespace travik::cli
