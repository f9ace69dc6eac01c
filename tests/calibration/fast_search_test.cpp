// The fast search against units described as functions of the constant.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "calibration/fast_search.h"

namespace travik {
namespace {

using Choice = FastSearch::Choice;
using Unit = std::function<double(int constant)>;

const OutputPoint& Volt1() { return OutputPoints()[0]; }
const OutputPoint& Volt10() { return OutputPoints()[1]; }
const OutputPoint& MilliAmp20() { return OutputPoints()[3]; }

// The simulator's straight line: the constant scales the point's nominal level.
Unit Line(const OutputPoint& p, double gain, double offset) {
  return [=](int k) { return gain * p.nominal * (1.0 + (k - 2048) / 32768.0) + offset; };
}

struct Outcome {
  Verdict verdict = Verdict::kWriteAgain;
  int writes = 0;
  int last_value = 0;
  double last_reading = 0;
  std::string choices;  // one letter per trial after the first: P predicted, H halved
};

Outcome RunFast(const OutputPoint& p, const Unit& unit) {
  FastSearch s;
  Outcome o;
  while (o.verdict == Verdict::kWriteAgain) {
    EXPECT_GE(s.value(), 1);
    EXPECT_LE(s.value(), 4095);
    ++o.writes;
    o.last_value = s.value();
    o.last_reading = unit(s.value());
    o.verdict = s.Judge(p, o.last_reading);
    if (o.verdict == Verdict::kWriteAgain) o.choices += s.choice() == Choice::kPredicted ? 'P' : 'H';
  }
  return o;
}

int DefaultWrites(const OutputPoint& p, const Unit& unit) {
  Approximation a;
  int writes = 1;
  while (Judge(a, p, static_cast<std::uint32_t>(std::lround(std::max(0.0, unit(a.value))))) == Verdict::kWriteAgain)
    ++writes;
  return writes;
}

TEST(FastSearch, UnitsOfEveryShape) {
  const OutputPoint& v1 = Volt1();
  const OutputPoint& v10 = Volt10();
  const OutputPoint& ma20 = MilliAmp20();
  struct Row {
    const char* name;
    const OutputPoint& point;
    Unit unit;
    Verdict verdict;
    int max_writes;
    const char* choices;  // as Outcome::choices; nullptr: not checked
  } rows[] = {
      // Hits at once: one write, as the successive approximation.
      {"exact", v1, Line(v1, 1.0, 3), Verdict::kAccepted, 1, ""},
      // The second trial halves the range, as the default's first correction;
      // the secant through both lands in the at-once window.
      {"linear, gain high", v1, Line(v1, 1.02, -150), Verdict::kAccepted, 3, "HP"},
      {"linear, gain low", v10, Line(v10, 0.96, -37), Verdict::kAccepted, 3, "HP"},
      {"linear, 20 mA", ma20, Line(ma20, 1.05, 23), Verdict::kAccepted, 3, "HP"},
      // Slightly curved: the secant needs one more step, still predicted.
      {"curved", v10,
       [&](int k) { return Line(v10, 0.97, 0)(k) + 0.001 * (k - 2048.0) * (k - 2048.0); },
       Verdict::kAccepted, 5, nullptr},
      // Saturated just above nominal: the secant through two saturated
      // trials is flat and says nothing; halving takes over.
      {"saturating", v10, [&](int k) { return std::min(Line(v10, 0.98, 0)(k), 100300.0); },
       Verdict::kAccepted, 6, "HPHPP"},
      // A bump where the output reads higher at 1024 than at 2048: the
      // falling secant is not followed, and the bracket the bump gave keeps
      // the search from the constant sought (1094), as it does the default.
      {"non-monotonic", v1,
       [&](int k) { return k >= 1000 && k < 1050 ? 10600.0 : Line(v1, 1.03, 0)(k); },
       Verdict::kOutOfRange, 12, nullptr},
      // No constant reaches nominal: twelve writes, ending at the range's end.
      {"unreachable", v1, Line(v1, 0.90, 0), Verdict::kOutOfRange, 12, "HHHHHHHHHHH"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const Outcome o = RunFast(row.point, row.unit);
    EXPECT_EQ(o.verdict, row.verdict) << o.choices;
    EXPECT_LE(o.writes, row.max_writes) << o.choices;
    if (row.choices != nullptr) {
      EXPECT_EQ(o.choices, row.choices);
    }
    if (o.verdict == Verdict::kAccepted) {
      EXPECT_LE(std::fabs(o.last_reading - row.point.nominal), row.point.final);
      EXPECT_LE(o.writes, DefaultWrites(row.point, row.unit));
    } else {
      EXPECT_EQ(o.writes, kOcStepsPerPoint);
      EXPECT_EQ(DefaultWrites(row.point, row.unit), kOcStepsPerPoint);
    }
  }
}

// Halving up to the range's end stays within it, as the default's corrections do.
TEST(FastSearch, UnreachableNominalEndsAtTheRangesEnd) {
  EXPECT_EQ(RunFast(Volt1(), Line(Volt1(), 0.90, 0)).last_value, 4095);
  EXPECT_EQ(RunFast(Volt1(), Line(Volt1(), 1.10, 0)).last_value, 1);
}

// A prediction that leaves the bracket, or one that crosses the nominal value
// and lands farther from it than the trial before, is replaced by halving.
TEST(FastSearch, UntrustedPredictionsFallBackToHalving) {
  const OutputPoint& v1 = Volt1();
  // Shallow up to a knee at 3500, steep above it; the constant sought is 3642.
  // From 2048 and 3072 the line points beyond 4095 (halved to 3584); the
  // secant from there overshoots to 3878 (halved to 3731); then it hits.
  const Unit knee = [](int k) {
    return k < 3500 ? 9000.0 + 0.2 * (k - 2048) : 9290.0 + 5.0 * (k - 3500);
  };
  const Outcome o = RunFast(v1, knee);
  EXPECT_EQ(o.verdict, Verdict::kAccepted);
  EXPECT_EQ(o.choices, "HHPHP");
  EXPECT_EQ(o.last_value, 3642);
  EXPECT_LE(o.writes, DefaultWrites(v1, knee));
}

TEST(FastSearch, LastTrialIsJudgedAgainstTheFinalRange) {
  // Readings that never come within the at-once window but end within (or
  // outside) the final one: the twelfth decides, with steps left 1 on success.
  for (const double end : {9985.0, 9980.0}) {
    FastSearch s;
    for (int i = 0; i < 11; ++i) ASSERT_EQ(s.Judge(Volt1(), 9900.0), Verdict::kWriteAgain);
    EXPECT_EQ(s.steps_left(), 1);
    EXPECT_EQ(s.Judge(Volt1(), end), end >= 9981 ? Verdict::kAccepted : Verdict::kOutOfRange) << end;
    EXPECT_EQ(s.steps_left(), end >= 9981 ? 1 : 0);
  }
}

TEST(FastSearch, MeanAndStandardErrorOfTheReadings) {
  ReadingWindow w;
  EXPECT_EQ(w.Mean(), 0.0);
  EXPECT_EQ(w.StandardError(), 0.0);
  for (std::uint32_t r : {9990u, 10010u, 10000u, 10003u, 9997u}) w.Add(r);
  EXPECT_EQ(w.count(), kFastReadings);
  EXPECT_DOUBLE_EQ(w.Mean(), 10000.0);
  EXPECT_NEAR(w.StandardError(), std::sqrt(218.0 / 4 / 5), 1e-9);
  w.Clear();
  w.Add(200023);
  EXPECT_DOUBLE_EQ(w.Mean(), 200023.0);
  EXPECT_EQ(w.StandardError(), 0.0);
}

// A mean inside the at-once window accepts only as far inside the final
// window as its uncertainty; until then the dialog reads on, up to a limit.
TEST(FastSearch, SpreadReadingsAreReadLongerNotAcceptedOnLuck) {
  // Three standard errors must fit between the mean and the final window's edge.
  struct Row {
    double mean, standard_error;
    Verdict verdict;
  } rows[] = {{10005, 0, Verdict::kAccepted},   {10005, 14 / 3.0, Verdict::kAccepted},
              {10005, 5, Verdict::kWriteAgain}, {9989, 8 / 3.0, Verdict::kAccepted},
              {9989, 3, Verdict::kWriteAgain},  {10012, 0, Verdict::kWriteAgain}};
  for (const Row& row : rows) {
    FastSearch s;
    EXPECT_EQ(s.Judge(Volt1(), row.mean, row.standard_error), row.verdict) << row.mean << " " << row.standard_error;
  }

  // Readings alternating +-40 around nominal: mean within the window, far too spread.
  ReadingWindow noisy;
  FastSearch s;
  for (int i = 0; i < kFastReadings; ++i) noisy.Add(i % 2 ? 10040 : 9960);
  EXPECT_TRUE(s.WantsMoreReadings(Volt1(), noisy));
  while (noisy.count() < kMaxFastReadings) noisy.Add(noisy.count() % 2 ? 10040 : 9960);
  EXPECT_FALSE(s.WantsMoreReadings(Volt1(), noisy));
  // Fifty of them pin the mean down: accepted.
  EXPECT_EQ(s.Judge(Volt1(), noisy), Verdict::kAccepted);

  ReadingWindow quiet;
  for (std::uint32_t r : {10001u, 9999u, 10002u, 10000u, 9998u}) quiet.Add(r);
  EXPECT_FALSE(s.WantsMoreReadings(Volt1(), quiet));
  // Readings outside every window are never read longer: the search moves on.
  ReadingWindow off;
  for (std::uint32_t r : {10060u, 9960u, 10080u, 9940u, 10070u}) off.Add(r);
  EXPECT_FALSE(s.WantsMoreReadings(Volt1(), off));
}

}  // namespace
}  // namespace travik
