// A few units of the calibration benchmark: what its table claims, per unit.
#include <gtest/gtest.h>

#include <numeric>

#include "cli/calibration_bench.h"
#include "calibration/output_calibration.h"

namespace travik::cli {
namespace {

int Sum(const std::vector<int>& v) { return std::accumulate(v.begin(), v.end(), 0); }

TEST(CalibrationBench, FastSearchPerUnit) {
  const BenchUnit units[] = {
      {0.96, -37, 2}, {1.00, 0, 2}, {1.05, 23, 2}, {1.02, -37, 20}, {0.97, 23, 50}, {1.04, 0, 50},
  };
  int slow_writes = 0, fast_writes = 0;
  for (const BenchUnit& u : units) {
    SCOPED_TRACE(testing::Message() << "gain " << u.gain << " offset " << u.offset << " noise " << u.noise);
    const BenchResult slow = CalibrateUnit(u, false);
    const BenchResult fast = CalibrateUnit(u, true);
    ASSERT_FALSE(fast.failed);
    ASSERT_EQ(fast.writes.size(), OutputPoints().size());
    EXPECT_EQ(fast.outside_final, 0);
    EXPECT_LE(*std::max_element(fast.writes.begin(), fast.writes.end()), kOcStepsPerPoint);
    if (u.noise <= 2) {
      ASSERT_FALSE(slow.failed);
      EXPECT_LE(Sum(fast.writes), Sum(slow.writes));
      EXPECT_LE(fast.duration_ms, slow.duration_ms);
      slow_writes += Sum(slow.writes);
      fast_writes += Sum(fast.writes);
    }
  }
  // A unit hit at once takes one write either way; over the three, half.
  EXPECT_LE(2 * fast_writes, slow_writes);
}

}  // namespace
}  // namespace travik::cli
