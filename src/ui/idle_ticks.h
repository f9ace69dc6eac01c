// When a window timer may wake less often than its period. A dialog standing
// open ticks every 5–20 ms and, once nothing changes, each tick finds nothing
// to do; waking the process for each costs more than the rest of it together.
// The Qt window layer lets such a timer wake every kWakeMs instead and hands
// the procedure the ticks that came due as one batch, so their number is what
// the period gives. This part decides; it knows no Qt, times are plain ms.
#pragma once

#include <cstdint>

namespace travik::ui {

// What the window layer saw at one delivered tick. "then" is the value after
// the timer's previous tick, "now" the value after this one.
struct TickSeen {
  bool declared_idle = false;  // the procedure's idle test held before the tick
  std::uint64_t serial_then = 0;
  std::uint64_t serial_now = 0;  // Dialog::StateSerial
  std::uint64_t exchanges_then = 0;
  std::uint64_t exchanges_now = 0;  // device exchanges of the whole program

  // A tick that changed nothing, with nothing changed since the last one.
  bool Idle() const {
    return declared_idle && serial_then == serial_now && exchanges_then == exchanges_now;
  }
};

class IdleTicks {
 public:
  // A coalesced timer wakes this often (rounded up to whole periods).
  static constexpr int kWakeMs = 100;
  // Idle ticks covering this long, before the timer may coalesce.
  static constexpr int kSettleMs = 100;
  // At most this many ticks go in one batch; past that, ticks are dropped as
  // an event loop that was held up drops them (a suspended machine).
  static constexpr int kMaxBatch = 400;

  // The timer (re)started with this period at now_ms: exact, nothing seen.
  void Start(int period_ms, std::int64_t now_ms);

  // An exact tick was delivered at now_ms. True when the timer may wake
  // every WakeMs() from now on (coalescing() then holds).
  bool Delivered(const TickSeen& seen, std::int64_t now_ms);

  // Ticks come due at last + k * period; these are due at now_ms and not
  // delivered (0 unless coalescing), capped at kMaxBatch.
  int Due(std::int64_t now_ms) const;
  // The caller delivered (or dropped) this many of the due ticks.
  void Took(int ticks);

  // Back to the exact period: ms until the next tick is due (0 when one is
  // due already). Any due ticks should have been taken first.
  int Exact(std::int64_t now_ms);

  // Something happened beside the timer (another timer's tick that may
  // change something, an input): the settle time starts again.
  void Interrupt() { idle_run_ = 0; }

  bool coalescing() const { return coalescing_; }
  int period() const { return period_; }
  int WakeMs() const;

 private:
  int period_ = 1;
  std::int64_t last_ms_ = 0;  // when the last delivered tick was due
  int idle_run_ = 0;          // idle ticks in a row
  bool coalescing_ = false;
};

// Device exchanges so far, counted by the HID layer and handed in by the
// program (the window layer does not link it); 0 while none is set.
using ExchangeCounter = std::uint64_t (*)();
void SetExchangeCounter(ExchangeCounter counter);
std::uint64_t ExchangeCount();

}  // namespace travik::ui
