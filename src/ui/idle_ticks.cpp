#include "ui/idle_ticks.h"

#include <algorithm>
#include <atomic>

namespace travik::ui {
namespace {
std::atomic<ExchangeCounter> g_exchanges = nullptr;
}  // namespace

void SetExchangeCounter(ExchangeCounter counter) { g_exchanges = counter; }

std::uint64_t ExchangeCount() {
  const ExchangeCounter counter = g_exchanges;
  return counter != nullptr ? counter() : 0;
}

void IdleTicks::Start(int period_ms, std::int64_t now_ms) {
  period_ = std::max(period_ms, 1);
  last_ms_ = now_ms;
  idle_run_ = 0;
  coalescing_ = false;
}

int IdleTicks::WakeMs() const { return (kWakeMs + period_ - 1) / period_ * period_; }

bool IdleTicks::Delivered(const TickSeen& seen, std::int64_t now_ms) {
  last_ms_ = now_ms;
  if (coalescing_) return true;
  idle_run_ = seen.Idle() ? idle_run_ + 1 : 0;
  // A timer as slow as the wake-up gains nothing; and two idle ticks at the
  // least, so that "nothing since the last tick" covers a whole period.
  if (WakeMs() > period_ && idle_run_ >= 2 && static_cast<std::int64_t>(idle_run_) * period_ >= kSettleMs)
    coalescing_ = true;
  return coalescing_;
}

int IdleTicks::Due(std::int64_t now_ms) const {
  if (!coalescing_ || now_ms < last_ms_) return 0;
  return static_cast<int>(std::min<std::int64_t>((now_ms - last_ms_) / period_, kMaxBatch));
}

void IdleTicks::Took(int ticks) {
  if (ticks <= 0) return;
  last_ms_ += static_cast<std::int64_t>(ticks) * period_;
}

int IdleTicks::Exact(std::int64_t now_ms) {
  coalescing_ = false;
  idle_run_ = 0;
  // A batch past kMaxBatch leaves the clock behind; the next tick is then due now.
  if (now_ms >= last_ms_ + period_) {
    last_ms_ = now_ms - period_;
    return 0;
  }
  return static_cast<int>(last_ms_ + period_ - std::max(now_ms, last_ms_));
}

}  // namespace travik::ui
