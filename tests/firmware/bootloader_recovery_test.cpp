// A download cut off at a block leaves the transmitter in its bootloader, and
// the same file downloaded again brings it back with the new firmware.
#include <gtest/gtest.h>

#include "bootloader_bench.h"

namespace travik {
namespace {

using sim::Exchange;
using sim::SimBootableTransmitter;
using test::BootBench;
using test::kDlg;

constexpr const char* kDone = " Bootovani je úspěšně dokončeno ;-) ";

bool Flashed(const SimBootableTransmitter& device, const std::vector<std::uint8_t>& image) {
  const auto& flash = device.flash();
  for (std::size_t i = kBootSkippedBytes; i < image.size(); ++i)
    if (flash[i] != image[i]) return false;
  return true;
}

TEST(BootloaderRecovery, InterruptedDownloadStaysInTheBootloaderAndFinishesWhenRepeated) {
  // 6 blocks of 4 packets; the last block's second packet still carries image bytes.
  const auto image = test::ImageBytes(4096 + 128 * 5 + 100);
  enum class Cut { kUnplug, kRefusePacket };
  struct Case {
    const char* name;
    Cut cut;
    int block;
  } cases[] = {
      {"unplugged at the first block", Cut::kUnplug, 0},
      {"unplugged at a middle block", Cut::kUnplug, 3},
      {"unplugged at the last block", Cut::kUnplug, 5},
      {"packet refused at the first block", Cut::kRefusePacket, 0},
      {"packet refused at a middle block", Cut::kRefusePacket, 3},
      {"packet refused at the last block", Cut::kRefusePacket, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BootBench b;
    b.device->set_flash_kib(8);
    b.device->set_application_bytes(static_cast<std::uint32_t>(image.size() - kBootSkippedBytes));
    b.ConnectAndOpen();
    b.Load("fw.hex", test::HexImage(image));
    // The block's second packet: the block is started, not finished.
    const std::size_t packet = static_cast<std::size_t>(c.block) * kBootPacketsPerBlock + 1;
    if (c.cut == Cut::kRefusePacket) b.s.sim().FailNth(Exchange::kWriteOutput, static_cast<int>(packet) + 1);
    ASSERT_EQ(b.ui().Click(kDlg, kBootDownloadButton), "");
    if (c.cut == Cut::kUnplug) {
      ASSERT_TRUE(b.RunUntil([&] { return b.Writes().size() == packet; }, 20000));
      b.s.sim().Unplug(*b.device);
    }
    ASSERT_TRUE(b.RunUntilClosed());
    ASSERT_FALSE(b.MessageTexts().empty());
    EXPECT_NE(b.MessageTexts().back(), kDone);
    EXPECT_FALSE(b.device->application_complete());
    EXPECT_FALSE(Flashed(*b.device, image));

    // Powered again (or left to restart by itself): the bootloader, not the application.
    if (c.cut == Cut::kUnplug) {
      b.ui().Advance(3000);
      b.s.sim().Replug(*b.device);
    }
    b.ui().Advance(5000);
    EXPECT_NE(b.device->phase(), SimBootableTransmitter::Phase::kApplication);
    // The main window may have found the bootloader meanwhile; it holds a
    // handle exactly while it shows a device.
    const bool online = G().DeviceOnline == 1;
    EXPECT_EQ(b.ui().Control(res::kMainWindow, res::kButtonStart)->enabled, !online);
    EXPECT_EQ(b.s.sim().OpenHandles(), online ? 1 : 0);

    // The same file again, from a freshly opened dialog.
    b.statuses.clear();
    b.Open();
    b.Load("fw.hex", test::HexImage(image));
    ASSERT_EQ(b.ui().Click(kDlg, kBootDownloadButton), "");
    ASSERT_TRUE(b.RunUntil([&] { return b.Showed(kDone); }, 30000)) << b.MessageTexts().back();
    ASSERT_TRUE(b.RunUntilClosed());
    EXPECT_TRUE(Flashed(*b.device, image));
    EXPECT_TRUE(b.device->application_complete());
    // The device restarts into its new application and the main window finds it.
    ASSERT_TRUE(b.ui().AdvanceUntil([&] { return G().DeviceOnline == 1 && G().ConnectState == 0; }, 10000));
    EXPECT_EQ(b.device->phase(), SimBootableTransmitter::Phase::kApplication);
    EXPECT_EQ(b.ui().Control(res::kMainWindow, res::kFieldDevice)->text.substr(0, 6), "  KDB ");
    EXPECT_EQ(b.s.sim().OpenHandles(), 1);
  }
}

TEST(BootloaderRecovery, PoweringACompletedBootloaderStartsTheApplication) {
  BootBench b;
  b.device->set_flash_kib(8);
  b.device->set_idle_restart_ms(-1);  // stays in the bootloader until powered again
  const auto image = test::ImageBytes(4096 + 128);
  b.device->set_application_bytes(128);
  b.ConnectAndOpen();
  b.Load("fw.hex", test::HexImage(image));
  ASSERT_EQ(b.ui().Click(kDlg, kBootDownloadButton), "");
  ASSERT_TRUE(b.RunUntilClosed());
  EXPECT_TRUE(b.device->application_complete());
  EXPECT_EQ(b.device->phase(), SimBootableTransmitter::Phase::kBootloader);
  b.s.sim().Unplug(*b.device);
  b.ui().Advance(100);
  b.s.sim().Replug(*b.device);
  ASSERT_TRUE(b.ui().AdvanceUntil([&] { return G().DeviceOnline == 1 && G().ConnectState == 0; }, 10000));
  EXPECT_EQ(b.device->phase(), SimBootableTransmitter::Phase::kApplication);
}

}  // namespace
}  // namespace travik
