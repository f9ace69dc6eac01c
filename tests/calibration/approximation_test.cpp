// The search of one output point and the texts the dialog writes, as plain logic.
#include <gtest/gtest.h>

#include "calibration/output_calibration.h"

namespace travik {
namespace {

const OutputPoint& Volt1() { return OutputPoints()[0]; }
const OutputPoint& MilliAmp20() { return OutputPoints()[3]; }

TEST(Approximation, AtOnceRangeIsInclusiveAndOutsideItTheConstantMovesByTheStep) {
  struct Row {
    const OutputPoint& point;
    std::uint32_t reading;
    Verdict verdict;
    std::uint16_t value;
  } rows[] = {
      {Volt1(), 10005, Verdict::kAccepted, 2048},   {Volt1(), 10011, Verdict::kAccepted, 2048},
      {Volt1(), 9989, Verdict::kAccepted, 2048},    {Volt1(), 10012, Verdict::kWriteAgain, 1024},
      {Volt1(), 9988, Verdict::kWriteAgain, 3072},  {MilliAmp20(), 200022, Verdict::kAccepted, 2048},
      {MilliAmp20(), 199978, Verdict::kAccepted, 2048}, {MilliAmp20(), 200023, Verdict::kWriteAgain, 1024},
      {MilliAmp20(), 0, Verdict::kWriteAgain, 3072},
  };
  for (const Row& row : rows) {
    Approximation a;
    EXPECT_EQ(Judge(a, row.point, row.reading), row.verdict) << row.reading;
    EXPECT_EQ(a.value, row.value) << row.reading;
    const bool corrected = row.verdict == Verdict::kWriteAgain;
    EXPECT_EQ(a.step, corrected ? 512u : 1024u) << row.reading;
    EXPECT_EQ(a.steps_left, corrected ? 11 : 12) << row.reading;
  }
}

// Eleven corrections, then the twelfth reading decides against the final range.
TEST(Approximation, TwelfthReadingIsJudgedAgainstTheFinalRange) {
  struct Row {
    std::uint32_t last;
    Verdict verdict;
  } rows[] = {{9985, Verdict::kAccepted}, {9981, Verdict::kAccepted}, {10019, Verdict::kAccepted},
              {9980, Verdict::kOutOfRange}, {10020, Verdict::kOutOfRange}};
  for (const Row& row : rows) {
    Approximation a;
    for (int i = 0; i < 11; ++i) ASSERT_EQ(Judge(a, Volt1(), 9000), Verdict::kWriteAgain);
    // Always below: 2048 + 1024 + ... + 1 and the last step is 0.
    EXPECT_EQ(a.value, 4095);
    EXPECT_EQ(a.step, 0u);
    EXPECT_EQ(a.steps_left, 1);
    EXPECT_EQ(Judge(a, Volt1(), row.last), row.verdict) << row.last;
    EXPECT_EQ(a.value, 4095) << row.last;
    EXPECT_EQ(a.steps_left, row.verdict == Verdict::kAccepted ? 1 : 0);
  }
}

TEST(CalibrationTexts, StepsLine) {
  EXPECT_EQ(StepsLine(12), "Zbyvajici pocet kroku 12 ");
  EXPECT_EQ(StepsLine(1), "Zbyvajici pocet kroku 1 ");
}

}  // namespace
}  // namespace travik
