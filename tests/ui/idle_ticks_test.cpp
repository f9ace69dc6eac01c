// When a window timer may wake less often, and how many ticks it then owes.
#include "ui/idle_ticks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace travik::ui {
namespace {

// A tick as the window layer sees it: what held, and what moved since the
// timer's previous tick.
TickSeen Seen(bool declared, bool serial_moved = false, bool exchanged = false) {
  return TickSeen{declared, 7, serial_moved ? 8u : 7u, 40, exchanged ? 41u : 40u};
}

// Delivers ticks one period apart from t = 0; returns the tick (1-based) at
// which the timer went coalescing, 0 if it never did.
int CoalescesAt(int period, const std::vector<TickSeen>& ticks) {
  IdleTicks idle;
  idle.Start(period, 0);
  for (std::size_t i = 0; i < ticks.size(); ++i)
    if (idle.Delivered(ticks[i], static_cast<std::int64_t>(i + 1) * period)) return static_cast<int>(i + 1);
  return 0;
}

std::vector<TickSeen> Repeat(int n, TickSeen seen) { return std::vector<TickSeen>(static_cast<std::size_t>(n), seen); }

std::vector<TickSeen> Then(std::vector<TickSeen> a, const std::vector<TickSeen>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(IdleTickPolicy, CoalescesOnlyAfterIdleTicksCoveringTheSettleTime) {
  struct Row {
    std::string what;
    int period;
    std::vector<TickSeen> ticks;
    int coalesces_at;
  };
  const std::vector<Row> rows = {
      {"5 ms, all idle: after 100 ms of them", 5, Repeat(40, Seen(true)), 20},
      {"10 ms (the main window)", 10, Repeat(40, Seen(true)), 10},
      {"20 ms (the values window's period)", 20, Repeat(40, Seen(true)), 5},
      {"50 ms: two idle ticks at the least", 50, Repeat(5, Seen(true)), 2},
      {"100 ms: as slow as a wake-up, nothing to gain", 100, Repeat(10, Seen(true)), 0},
      {"1 s timer", 1000, Repeat(10, Seen(true)), 0},
      {"no word from the procedure", 5, Repeat(100, Seen(false)), 0},
      {"state serial moves every tick", 5, Repeat(100, Seen(true, true)), 0},
      {"a device exchange every tick", 20, Repeat(100, Seen(true, false, true)), 0},
      {"one exchange starts the count again", 5,
       Then(Then(Repeat(19, Seen(true)), {Seen(true, false, true)}), Repeat(30, Seen(true))), 40},
      {"one input starts the count again", 10,
       Then(Then(Repeat(9, Seen(true)), {Seen(true, true)}), Repeat(30, Seen(true))), 20},
      {"one tick the procedure does not vouch for", 5,
       Then(Then(Repeat(19, Seen(true)), {Seen(false)}), Repeat(30, Seen(true))), 40},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(CoalescesAt(row.period, row.ticks), row.coalesces_at);
  }
}

TEST(IdleTickPolicy, WakesOnWholePeriodsOfAboutATenthOfASecond) {
  struct Row {
    int period;
    int wake;
  };
  for (const Row& row : {Row{1, 100}, Row{5, 100}, Row{10, 100}, Row{20, 100}, Row{30, 120}, Row{40, 120},
                         Row{50, 100}, Row{70, 140}, Row{100, 100}, Row{250, 250}}) {
    IdleTicks idle;
    idle.Start(row.period, 0);
    EXPECT_EQ(idle.WakeMs(), row.wake) << row.period;
  }
}

// Coalescing from t = 100 with a 5 ms period: the last tick was delivered then.
IdleTicks Coalesced5ms() {
  IdleTicks idle;
  idle.Start(5, 0);
  for (int t = 5; t <= 100; t += 5) idle.Delivered(Seen(true), t);
  EXPECT_TRUE(idle.coalescing());
  return idle;
}

TEST(IdleTickPolicy, DueTicksFollowTheClockNotTheWakeUps) {
  IdleTicks idle = Coalesced5ms();
  struct Step {
    std::int64_t now;
    int due;
  };
  // Wake-ups late and early: every tick is owed once, none before its time.
  int total = 0;
  for (const Step& step : {Step{100, 0}, Step{104, 0}, Step{105, 1}, Step{203, 19}, Step{203, 0},
                           Step{310, 22}, Step{399, 17}, Step{400, 1}, Step{1400, 200}}) {
    SCOPED_TRACE(step.now);
    const int due = idle.Due(step.now);
    EXPECT_EQ(due, step.due);
    idle.Took(due);
    total += due;
  }
  EXPECT_EQ(total, (1400 - 100) / 5);
  EXPECT_EQ(idle.Due(99), 0);  // a clock that went back owes nothing
}

TEST(IdleTickPolicy, ABatchIsCappedAndTheClockMovesOn) {
  IdleTicks idle = Coalesced5ms();
  // Ten minutes suspended: one batch at most, the rest dropped as a held-up
  // event loop drops ticks; exact again, the next tick is due at once.
  const std::int64_t back = 100 + 600000;
  EXPECT_EQ(idle.Due(back), IdleTicks::kMaxBatch);
  idle.Took(IdleTicks::kMaxBatch);
  EXPECT_EQ(idle.Exact(back), 0);
  EXPECT_FALSE(idle.coalescing());
  EXPECT_EQ(idle.Due(back + 50), 0);  // exact: the timer delivers, nothing is owed
}

TEST(IdleTickPolicy, BackToExactKeepsThePhase) {
  struct Row {
    std::int64_t now;  // when something happened
    int delay;         // until the next tick, after the due ones were taken
  };
  // At 105 the tick that came due was taken: the next is a period away.
  for (const Row& row : {Row{100, 5}, Row{101, 4}, Row{104, 1}, Row{105, 5}, Row{133, 2}, Row{199, 1}}) {
    SCOPED_TRACE(row.now);
    IdleTicks idle = Coalesced5ms();
    const int due = idle.Due(row.now);
    EXPECT_EQ(due, (row.now - 100) / 5);
    idle.Took(due);
    const int delay = idle.Exact(row.now);
    EXPECT_EQ(delay, row.delay);
    EXPECT_FALSE(idle.coalescing());
  }
  // Without taking the due ticks first the next one is due now.
  IdleTicks idle = Coalesced5ms();
  EXPECT_EQ(idle.Exact(117), 0);
}

TEST(IdleTickPolicy, AfterExactTheSettleTimeStartsAgain) {
  IdleTicks idle = Coalesced5ms();
  idle.Exact(150);
  int at = 0;
  for (int k = 1; k <= 40 && at == 0; ++k)
    if (idle.Delivered(Seen(true), 150 + 5 * k)) at = k;
  EXPECT_EQ(at, 20);
  idle.Exact(300);
  for (int k = 1; k <= 19; ++k) EXPECT_FALSE(idle.Delivered(Seen(true), 300 + 5 * k));
  idle.Interrupt();  // another window's tick: 20 idle ticks from here
  for (int k = 20; k <= 38; ++k) EXPECT_FALSE(idle.Delivered(Seen(true), 300 + 5 * k));
  EXPECT_TRUE(idle.Delivered(Seen(true), 300 + 5 * 39));
  idle.Start(20, 400);  // set again: a new period, nothing seen
  EXPECT_FALSE(idle.coalescing());
  EXPECT_EQ(idle.period(), 20);
}

}  // namespace
}  // namespace travik::ui
