// Scenario lines about calibration: how they are read and what a line that
// does not hold says.
#include <gtest/gtest.h>

#include "scenario_run.h"

namespace travik::cli {
namespace {

RunResult Play(const std::string& text) { return RunText(text, {}, "c.tts"); }

TEST(ScenarioCalibration, WrongLinesAreReported) {
  const auto [passed, out] = Play(
      "device NSC\n"
      "input ready after polls\n"
      "input sometimes ready\n"
      "expect constant 3 1V = 2048\n"
      "expect stored constant 1 5V = 2048\n"
      "expect constant 1 1V 2048\n"
      "expect points taken 100 x\n");
  EXPECT_FALSE(passed);
  for (const char* line : {"c.tts:2:", "c.tts:3:", "c.tts:4:", "c.tts:5: unknown calibration point '5V'",
                           "c.tts:6:", "c.tts:7:", "6 line(s) not understood"})
    EXPECT_NE(out.find(line), std::string::npos) << line << "\n" << out;
}

TEST(ScenarioCalibration, ConstantsAndPointsThatDoNotHoldShowWhatThereIs) {
  const auto [passed, out] = Play(
      "device N3tNT\n"
      "output ideal\n"
      "input ready after 0 polls\n"
      "start\n"
      "expect constant 1 1V = 2048\n"
      "expect stored constant 2 20mA = 2048 within 0\n"
      "expect constant 1 10V = 2000 within 47\n"
      "expect constant 1 10V = 2000 within 48\n"
      "expect points taken 100\n");
  EXPECT_FALSE(passed);
  EXPECT_NE(out.find("c.tts:7: expected constant 1 10V = 2000 within 47, got 2048"), std::string::npos) << out;
  EXPECT_NE(out.find("c.tts:9: expected points taken 100, got none"), std::string::npos) << out;
  EXPECT_NE(out.find("FAIL c.tts: 2 failure(s)"), std::string::npos) << out;
}

TEST(ScenarioCalibration, WritesPerPoint) {
  const auto [passed, out] = Play(
      "device NSC\n"
      "expect writes 3 1V = 1\n"
      "expect writes 1 5V = 1\n"
      "expect writes 1 1V 1\n");
  EXPECT_FALSE(passed);
  for (const char* line : {"c.tts:2:", "c.tts:3: unknown calibration point '5V'", "c.tts:4:"})
    EXPECT_NE(out.find(line), std::string::npos) << line << "\n" << out;

  // Nothing written yet: 0 holds, anything else shows the count.
  const auto [none_passed, none_out] = Play(
      "device NSC\n"
      "start\n"
      "expect writes 2 20mA = 0\n"
      "expect writes 1 10V = 4\n");
  EXPECT_FALSE(none_passed);
  EXPECT_NE(none_out.find("c.tts:4: expected writes 1 10V = 4, got 0"), std::string::npos) << none_out;
  EXPECT_NE(none_out.find("FAIL c.tts: 1 failure(s)"), std::string::npos) << none_out;
}

}  // namespace
}  // namespace travik::cli
