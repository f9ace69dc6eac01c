// Scenario lines of the calibration device and the bench: what is refused
// before anything runs, and what a run says when they do not hold.
#include <gtest/gtest.h>

#include "scenario_run.h"

namespace travik::cli {
namespace {

RunResult RunBench(const std::string& text) { return RunText(text, {}, "b.tts"); }

TEST(ScenarioBench, LinesNotUnderstoodAreReported) {
  auto [passed, out] = RunBench(
      "device NSC\n"
      "device calibrator\n"
      "reading U5 100\n"
      "reading 16777216\n"
      "output U1 gain x offset 0\n"
      "output I2 gain 0 offset 0\n"
      "output noise -1\n"
      "live wobbling\n"
      "expect calibrator hums\n"
      "refuse next input of\n");
  EXPECT_FALSE(passed);
  for (const char* line : {"b.tts:3: unknown input 'U5'", "b.tts:4:", "b.tts:5: expected the gain",
                           "b.tts:6: the gain must lie above 0", "b.tts:7: the noise cannot be negative",
                           "b.tts:8:", "b.tts:9: after 'calibrator': input, beeps, streaming or measures",
                           "b.tts:10:", "8 line(s) not understood"})
    EXPECT_NE(out.find(line), std::string::npos) << line << "\n" << out;
}

TEST(ScenarioBench, LinesOnTheWrongDeviceStopTheFileAndExpectationsSayWhatTheyGot) {
  auto [passed, out] = RunBench(
      "device NSC as tx\n"
      "output ideal\n"
      "device calibrator as cal\n"
      "expect calibrator measures U1 23500\n"
      "expect calibrator measures U1 1 within 5\n"
      "expect calibrator input I1\n"
      "expect calibrator beeps 1\n"
      "expect calibrator streaming\n"
      "refuse next input of nobody\n");
  EXPECT_FALSE(passed);
  for (const char* line : {"b.tts:5: expected calibrator measures U1 1 within 5, got 23500",
                           "b.tts:6: expected calibrator input I1, got selection 0xA2",
                           "b.tts:7: expected calibrator beeps 1, got 0 beeps",
                           "b.tts:8: expected calibrator streaming, got not streaming",
                           "b.tts:9: refuse next input of nobody: no device is named 'nobody'"})
    EXPECT_NE(out.find(line), std::string::npos) << line << "\n" << out;
  EXPECT_EQ(out.find("b.tts:4:"), std::string::npos) << out;

  auto [passed2, out2] = RunBench("device NSC\nbench none\n");
  EXPECT_FALSE(passed2);
  EXPECT_NE(out2.find("b.tts:2: bench none: the device set up last is no calibration device"), std::string::npos)
      << out2;
}

}  // namespace
}  // namespace travik::cli
