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

}  // namespace

Verdict FastSearch::Judge(const OutputPoint& point, double reading) {
  const double nominal = point.nominal;
  const double miss = std::fabs(reading - nominal);
  if (miss <= point.at_once) return Verdict::kAccepted;
  --steps_left_;
  if (steps_left_ == 0) {
    if (miss > point.final) return Verdict::kOutOfRange;
    steps_left_ = 1;
    return Verdict::kAccepted;
  }

  const Trial now{value_, reading};
  // A trial on the wrong side of the bracket means the output does not rise
  // with the constant here: that side is no longer known.
  bool monotonic = true;
  if (reading < nominal) {
    if (above_ && now.value >= above_->value) monotonic = false, above_.reset();
    if (!below_ || now.value >= below_->value) below_ = now;
  } else {
    if (below_ && now.value <= below_->value) monotonic = false, below_.reset();
    if (!above_ || now.value <= above_->value) above_ = now;
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
  const double slope = (now.reading - before.reading) / (double(now.value) - before.value);
  // Flat (a saturated output) or falling: the line says nothing.
  if (!(slope > 0)) return std::nullopt;
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
