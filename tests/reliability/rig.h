// A program with one bootable KDB on the virtual clock, and the checks every
// reliability test shares: the main window agrees with DeviceOnline, handles
// are closed, START still works.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/globals.h"
#include "firmware/bootloader_bench.h"
#include "resources/resources.h"

namespace travik::test {

using Rig = BootBench;

// What the device holds: configuration memory, EEPROM and flash.
struct DeviceContents {
  std::vector<std::uint16_t> memory;
  std::vector<std::uint16_t> eeprom;
  std::vector<std::uint8_t> flash;

  static DeviceContents Of(const sim::SimBootableTransmitter& d) {
    return {std::vector<std::uint16_t>(d.memory().begin(), d.memory().end()),
            std::vector<std::uint16_t>(d.eeprom().begin(), d.eeprom().end()), d.flash()};
  }
};

inline bool Enabled(Rig& r, int id) { return r.ui().Control(res::kMainWindow, id)->enabled; }
inline std::string MainText(Rig& r, int id) { return r.ui().Control(res::kMainWindow, id)->text; }

// Lets the program settle: no dialog left, the connection idle. False when it
// does not within the bound (a hang on the virtual clock).
inline bool Settle(Rig& r, std::int64_t bound_ms = 20000) {
  return r.ui().AdvanceUntil(
      [&] { return r.ui().TopTemplate() == res::kMainWindow && G().ConnectState == 0; }, bound_ms);
}

// The main window shows what DeviceOnline says; no handle is left open
// without a device online (while online, at most the transmitter's).
inline void ExpectConsistent(Rig& r) {
  ASSERT_EQ(r.ui().TopTemplate(), res::kMainWindow);
  EXPECT_TRUE(r.ui().Windows()[0].visible);
  const bool online = G().DeviceOnline == 1;
  EXPECT_EQ(Enabled(r, res::kButtonStart), !online);
  EXPECT_EQ(Enabled(r, res::kButtonStop), online);
  EXPECT_EQ(Enabled(r, res::kButtonValues), online);
  if (!online) {
    EXPECT_EQ(MainText(r, res::kFieldDevice).find_first_not_of(' '), std::string::npos);
  }
  EXPECT_LE(r.s.sim().OpenHandles(), online ? 1 : 0);
  EXPECT_EQ(r.s.sim().StaleCloses(), 0);
}

// STOP (when online), then START: the device is found again and shows its ID
// text. `must_connect` false accepts a device that no longer identifies (a
// bootloader).
inline void ExpectStartUsable(Rig& r, bool must_connect, const std::string& id_text = "KDB ") {
  if (G().DeviceOnline == 1) {
    ASSERT_EQ(r.ui().Click(res::kMainWindow, res::kButtonStop), "");
    EXPECT_EQ(r.s.sim().OpenHandles(), 0);
  }
  ASSERT_TRUE(Enabled(r, res::kButtonStart));
  ASSERT_EQ(r.ui().Click(res::kMainWindow, res::kButtonStart), "");
  ASSERT_TRUE(Settle(r, 5000));
  ExpectConsistent(r);
  if (must_connect) {
    EXPECT_EQ(G().DeviceOnline, 1);
    EXPECT_EQ(MainText(r, res::kFieldDevice).substr(2, id_text.size()), id_text);
  }
}

}  // namespace travik::test
