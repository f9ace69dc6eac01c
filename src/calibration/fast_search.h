// The fast search of an output calibration point. The output is close to a
// straight line in the constant, so two trials predict the constant that hits
// the nominal value: a secant step, kept inside the bracket the trials so far
// have proved, with a halving of that bracket whenever the prediction cannot
// be trusted. Trials are judged with the windows, bounds and write budget of
// the successive approximation, on the mean of the last readings of the
// settle time rather than on one.
#pragma once

#include <cstdint>
#include <optional>

#include "calibration/output_calibration.h"

namespace travik {

// Readings at the end of a settle time that judge a trial in fast mode.
inline constexpr int kFastReadings = 5;

// The mean of the last kFastReadings readings of a settle time.
class ReadingWindow {
 public:
  void Clear() { count_ = 0, sum_ = 0; }
  void Add(std::uint32_t reading) { ++count_, sum_ += reading; }
  int count() const { return count_; }
  double Mean() const { return count_ == 0 ? 0.0 : double(sum_) / count_; }

 private:
  int count_ = 0;
  std::uint64_t sum_ = 0;
};

class FastSearch {
 public:
  // How the next trial was chosen.
  enum class Choice { kFirst, kPredicted, kHalved };

  struct Trial {
    std::uint16_t value;
    double reading;
  };

  std::uint16_t value() const { return value_; }
  std::uint8_t steps_left() const { return steps_left_; }
  Choice choice() const { return choice_; }

  // Judges the mean reading of the trial last written and, unless that ends
  // the point, chooses the next trial.
  Verdict Judge(const OutputPoint& point, double reading);

 private:
  std::uint16_t Halve(double nominal) const;
  std::optional<std::uint16_t> Predict(const OutputPoint& point, const Trial& now) const;

  std::uint16_t value_ = kOcFirstTrial;
  std::uint8_t steps_left_ = kOcStepsPerPoint;
  Choice choice_ = Choice::kFirst;
  // The nearest trials that read below and above nominal: the constant
  // sought lies between them (0 and 4096 stand for the ends of the range).
  std::optional<Trial> below_, above_;
  std::optional<Trial> last_;
};

}  // namespace travik
