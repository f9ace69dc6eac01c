// Long runs on the virtual clock: the cable pulled and plugged in a thousand
// times, and two hundred configuration write/read cycles. Nothing may pile
// up: open handles, stale closes, message boxes beyond one per failure.
#include <gtest/gtest.h>

#include <malloc.h>

#include <string>

#include "rig.h"

namespace travik {
namespace {

using test::Rig;

constexpr int kKdb = 130;

// Bytes the heap holds now; 0 under AddressSanitizer, whose allocator it does not see.
std::size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
  return 0;
#else
  return mallinfo2().uordblks;
#endif
}

TEST(Soak, ThousandPlugCyclesEachConnectingAgain) {
  Rig r;
  r.Connect();
  constexpr int kCycles = 1000;
  std::size_t heap_at_100 = 0;
  for (int i = 0; i < kCycles; ++i) {
    SCOPED_TRACE("cycle " + std::to_string(i));
    if (i == 100) heap_at_100 = HeapInUse();
    r.s.sim().Unplug(*r.device);
    ASSERT_EQ(r.ui().Click(res::kMainWindow, res::kButtonStop), "");
    ASSERT_EQ(r.s.sim().OpenHandles(), 0);
    // START with the cable out: reported, START stays usable.
    const std::size_t boxes = r.ui().Messages().size();
    ASSERT_EQ(r.ui().Click(res::kMainWindow, res::kButtonStart), "");
    ASSERT_EQ(r.ui().Messages().size(), boxes + 1);
    ASSERT_EQ(r.ui().Messages().back().text, "Žádné zařízení HID nenalezeno");
    r.s.sim().Replug(*r.device);
    ASSERT_EQ(r.ui().Click(res::kMainWindow, res::kButtonStart), "");
    ASSERT_TRUE(test::Settle(r, 2000));
    ASSERT_EQ(G().DeviceOnline, 1);
    ASSERT_EQ(test::MainText(r, res::kFieldDevice).substr(0, 6), "  KDB ");
    ASSERT_EQ(r.s.sim().OpenHandles(), 1);
    ASSERT_EQ(r.ui().Messages().size(), boxes + 1);
    r.s.sim().ClearLog();
  }
  test::ExpectConsistent(r);
  EXPECT_EQ(r.ui().DeepestMessageNesting(), 1);
  // The simulation keeps a record per handle and the window layer one per
  // message box; anything the program itself kept per cycle would show here.
  const double growth = heap_at_100 == 0 ? 0.0
                        : (static_cast<double>(HeapInUse()) - static_cast<double>(heap_at_100)) /
                              (kCycles - 100);
  EXPECT_LT(growth, 1024.0) << "heap bytes per cycle";
  std::cout << "[ soak ] " << kCycles << " plug cycles, " << r.ui().Now() / 1000
            << " s of virtual time, heap growth "
            << (heap_at_100 == 0 ? std::string("not measured under the sanitizer")
                                 : std::to_string(static_cast<long>(growth)) + " bytes a cycle")
            << "\n";
}

TEST(Soak, TwoHundredWriteAndReadCycles) {
  Rig r;
  r.Connect();
  ASSERT_EQ(r.ui().Click(res::kMainWindow, res::kButtonConfig), "");
  ASSERT_EQ(r.ui().TopTemplate(), kKdb);
  constexpr int kCycles = 200;
  for (int i = 0; i < kCycles; ++i) {
    SCOPED_TRACE("cycle " + std::to_string(i));
    const std::string address = std::to_string(1 + i % 254);
    ASSERT_EQ(r.ui().Type(kKdb, 1341, address), "");
    ASSERT_EQ(r.ui().Click(kKdb, 1347), "");  // write
    ASSERT_TRUE(r.ui().AdvanceUntil([&] { return r.ui().TopTemplate() == kKdb; }, 10000));
    ASSERT_EQ(r.device->memory()[48], 1 + i % 254);
    ASSERT_EQ(r.device->eeprom()[48], 1 + i % 254);
    ASSERT_EQ(r.ui().Type(kKdb, 1341, address == "1" ? "2" : "1"), "");  // the read must restore it
    ASSERT_EQ(r.ui().Click(kKdb, 1345), "");  // read back
    ASSERT_TRUE(r.ui().AdvanceUntil([&] { return r.ui().TopTemplate() == kKdb; }, 10000));
    ASSERT_EQ(r.ui().Control(kKdb, 1341)->text, address);
    ASSERT_LE(r.s.sim().OpenHandles(), 1);
    r.s.sim().ClearLog();
  }
  EXPECT_TRUE(r.ui().Messages().empty());
  ASSERT_EQ(r.ui().Click(kKdb, 1349), "");
  test::ExpectConsistent(r);
  EXPECT_EQ(G().DeviceOnline, 1);
  std::cout << "[ soak ] " << kCycles << " write/read cycles, " << r.ui().Now() / 1000
            << " s of virtual time\n";
}

}  // namespace
}  // namespace travik
