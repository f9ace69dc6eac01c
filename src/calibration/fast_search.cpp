#include "calibration/fast_search.h"

#include <cmath>

namespace travik {
namespace {

// Beyond the ends of the constant range: the bracket before a trial has read
// on that side.
constexpr int kBelowRange = 0;
constexpr int kAboveRange = 4096;
constexpr std::uint16_t kLowest = 1;
constexpr std::uint16_t kHighest = 4095;
// A rise between two trials below this many times their standard errors is
// too noisy to take a slope from.
constexpr double kClearRise = 10.0;

}  // namespace

void ReadingWindow::Add(std::uint32_t reading) {
  if (count_ == 0) first_ = reading;
  const double d = reading - first_;
  ++count_;
  sum_ += d;
  squares_ += d * d;
}

double ReadingWindow::Mean() const { return count_ == 0 ? 0.0 : first_ + sum_ / count_; }

double ReadingWindow::StandardError() const {
  if (count_ < 2) return 0;
  const double variance = (squares_ - sum_ * sum_ / count_) / (count_ - 1);
  return variance <= 0 ? 0.0 : std::sqrt(variance / count_);
}

bool FastSearch::WantsMoreReadings(const OutputPoint& point, const ReadingWindow& readings) const {
  if (readings.count() >= kMaxFastReadings) return false;
  const double miss = std::fabs(readings.Mean() - point.nominal);
  const bool would_accept = miss <= point.at_once || (steps_left_ == 1 && miss <= point.final);
  return would_accept && miss + kFastMarginErrors * readings.StandardError() > point.final;
}

Verdict FastSearch::Judge(const OutputPoint& point, const ReadingWindow& readings) {
  return Judge(point, readings.Mean(), readings.StandardError());
}

Verdict FastSearch::Judge(const OutputPoint& point, double reading, double standard_error) {
  const double nominal = point.nominal;
  const double miss = std::fabs(reading - nominal);
  const bool sure = miss + kFastMarginErrors * standard_error <= point.final;
  if (miss <= point.at_once && sure) return Verdict::kAccepted;
  --steps_left_;
  if (steps_left_ == 0) {
    if (miss > point.final || !sure) return Verdict::kOutOfRange;
    steps_left_ = 1;
    return Verdict::kAccepted;
  }

  const Trial now{value_, reading, standard_error};
  // A trial on the wrong side of the bracket means the output does not rise
  // with the constant here: that side is no longer known.
  bool monotonic = true;
  if (reading < nominal) {
    if (above_ && now.value >= above_->value) {
      monotonic = false;
      above_.reset();
    }
    if (!below_ || now.value >= below_->value) below_ = now;
  } else {
    if (below_ && now.value <= below_->value) {
      monotonic = false;
      below_.reset();
    }
    if (!above_ || now.value <= above_->value) above_ = now;
  }

  if (last_ && last_->value != now.value) {
    // The rising pair that stands out most from its noise gives the slope
    // when the last two trials lie too close together for theirs.
    const double rise = now.reading - last_->reading;
    const double clarity = std::fabs(rise) / (now.error + last_->error + 1e-9);
    const double slope = rise / (double(now.value) - last_->value);
    if (slope > 0 && clarity > clearest_) {
      clearest_ = clarity;
      clearest_slope_ = slope;
    }
  }

  std::optional<std::uint16_t> next;
  if (monotonic && last_) next = Predict(point, now);
  choice_ = next ? Choice::kPredicted : Choice::kHalved;
  if (!next) next = Halve(nominal);
  last_ = now;
  value_ = *next;
  return Verdict::kWriteAgain;
}

std::optional<std::uint16_t> FastSearch::Predict(const OutputPoint& point, const Trial& now) const {
  const double nominal = point.nominal;
  const Trial& before = *last_;
  if (before.value == now.value) return std::nullopt;
  const double rise = now.reading - before.reading;
  double slope = rise / (double(now.value) - before.value);
  if (std::fabs(rise) < kClearRise * (now.error + before.error)) {
    // Mostly noise: the sign says nothing either.
    if (!clearest_slope_) return std::nullopt;
    slope = *clearest_slope_;
  } else if (!(slope > 0)) {
    // Flat (a saturated output) or falling: the line says nothing.
    return std::nullopt;
  }
  // A prediction that crossed the nominal value and landed farther from it
  // than the trial before: the line is not to be trusted for the next one.
  const double was = before.reading - nominal;
  const double is = now.reading - nominal;
  if (choice_ == Choice::kPredicted && was * is < 0 && std::fabs(is) > std::fabs(was)) return std::nullopt;
  const double predicted = std::round(now.value + (nominal - now.reading) / slope);
  const double low = below_ ? below_->value : kBelowRange;
  const double high = above_ ? above_->value : kAboveRange;
  if (!(predicted > low && predicted < high)) return std::nullopt;
  return static_cast<std::uint16_t>(predicted);
}

std::uint16_t FastSearch::Halve(double nominal) const {
  const int low = below_ ? below_->value : kBelowRange;
  const int high = above_ ? above_->value : kAboveRange;
  int next = (low + high) / 2;
  if (high - low <= 1) {
    // No constant left between the two: try again the one that came closer.
    if (!below_) next = high;
    else if (!above_) next = low;
    else next = nominal - below_->reading < above_->reading - nominal ? low : high;
  }
  if (next < kLowest) return kLowest;
  if (next > kHighest) return kHighest;
  return static_cast<std::uint16_t>(next);
}

}  // namespace travik
