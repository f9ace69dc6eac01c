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

// Readings at the end of a settle time that judge a trial in fast mode, and
// how many a trial may gather at most when they are too spread to decide.
inline constexpr int kFastReadings = 5;
inline constexpr int kMaxFastReadings = 50;
// Standard errors of the mean kept between an accepted mean and the final
// window: a noisy output is read longer rather than accepted on luck.
inline constexpr double kFastMarginErrors = 3.0;

// The readings of one trial: their mean and its standard error.
class ReadingWindow {
 public:
  void Clear() { *this = ReadingWindow{}; }
  void Add(std::uint32_t reading);
  int count() const { return count_; }
  double Mean() const;
  // 0 with fewer than two readings.
  double StandardError() const;

 private:
  int count_ = 0;
  double first_ = 0;  // sums are taken around the first reading, for precision
  double sum_ = 0;
  double squares_ = 0;
};

class FastSearch {
 public:
  // How the next trial was chosen.
  enum class Choice { kFirst, kPredicted, kHalved };

  struct Trial {
    std::uint16_t value;
    double reading;
    double error;  // standard error of the reading
  };

  std::uint16_t value() const { return value_; }
  std::uint8_t steps_left() const { return steps_left_; }
  Choice choice() const { return choice_; }

  // Judges the mean reading of the trial last written and, unless that ends
  // the point, chooses the next trial. A mean within a window accepts only
  // when it lies kFastMarginErrors standard errors inside the final window.
  Verdict Judge(const OutputPoint& point, double reading, double standard_error = 0);
  // The readings would accept the trial but are too spread to be sure it is
  // inside the final window, and more may be taken.
  bool WantsMoreReadings(const OutputPoint& point, const ReadingWindow& readings) const;
  // What the dialog judges a trial with: the readings' mean and margin.
  Verdict Judge(const OutputPoint& point, const ReadingWindow& readings);

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
  // The slope of the rising pair of trials clearest above its noise.
  std::optional<double> clearest_slope_;
  double clearest_ = 0;
};

// The fast search beside the output calibration's own variables, kept in its
// run; `on` is taken from the check box when "Calibration" starts a run.
struct FastOutputRun {
  bool on = false;
  FastSearch search;
  ReadingWindow window;
};

}  // namespace travik
