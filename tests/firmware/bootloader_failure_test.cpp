// Failures of the bootloader procedure, the buttons' guards, and how the
// dialog shares the device with the main window and the device list.
#include <gtest/gtest.h>

#include "bootloader_bench.h"

namespace travik {
namespace {

using sim::Exchange;
using test::BootBench;
using test::kDlg;

const std::string kNoFile = "Neni vybran Soubor pro download";

TEST(BootloaderFailure, EachFailureEndsTheDialogWithItsMessage) {
  using Setup = std::function<void(BootBench&)>;
  struct Case {
    const char* name;
    bool info_mode;
    Setup setup;
    const char* message;
    std::size_t status_reads = 0;  // checked when not 0
  } cases[] = {
      {"device never returns", false, [](BootBench& b) { b.device->set_restart_delay_ms(-1); },
       "Chyba inicializace zařízení po resetu"},
      {"status read refused", false, [](BootBench& b) { b.s.sim().FailNth(Exchange::kGetFeature, 1); },
       "Chyba komunikace, CRC bootloaderu"},
      {"self-check failed", false, [](BootBench& b) { b.device->set_self_check_ok(false); },
       "Chyba CRC bootloaderu"},
      {"self-check failed, information mode", true,
       [](BootBench& b) { b.device->set_self_check_ok(false); }, "Chyba CRC bootloaderu"},
      {"no valid information in 4 reads", false, [](BootBench& b) { b.device->set_blank_info_reports(4); },
       "Chyba komunikace, zarizeni neodpovida"},
      {"information read refused", true, [](BootBench& b) { b.s.sim().FailNth(Exchange::kReadInput, 1); },
       "Chyba čtení HW informaci"},
      {"information read timed out", false, [](BootBench& b) { b.s.sim().TimeoutNthRead(1); },
       "Chyba čtení HW informaci"},
      {"file type refused", false, [](BootBench& b) { b.s.sim().FailNth(Exchange::kSetFeature, 3); },
       "Chyba zapisu parametru souboru"},
      {"erase status refused", false, [](BootBench& b) { b.s.sim().FailNth(Exchange::kGetFeature, 4); },
       "Nastala chyba komunikace při mazaní Flash"},
      {"packet refused", false, [](BootBench& b) { b.s.sim().FailNth(Exchange::kWriteOutput, 3); },
       "Nastala chyba zapisu datoveho paketu"},
      {"acknowledgement refused", false,
       [](BootBench& b) {
         b.device->set_erase_polls(0);
         b.s.sim().FailNth(Exchange::kGetFeature, 3);
       },
       "Nastala chyba komunikace pri potvrzeni zapisu do FLASH"},
      // Self-check, then a poll a tick up to the limit.
      {"erase never finishes", false, [](BootBench& b) { b.device->set_erase_polls(-1); },
       "Mazaní Flash nebylo dokončeno v časovém limitu", 1 + kEraseWaitTicks},
      {"packet never acknowledged", false, [](BootBench& b) { b.device->set_ack_polls(-1); },
       "Zápis do FLASH nebyl potvrzen v časovém limitu", 1 + 6 + kAckWaitTicks},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BootBench b;
    b.device->set_flash_kib(8);
    b.ConnectAndOpen();
    if (!c.info_mode) b.Load("fw.hex", test::HexImage(test::ImageBytes(4600)));
    c.setup(b);
    ASSERT_EQ(b.ui().Click(kDlg, c.info_mode ? kBootInfoButton : kBootDownloadButton), "");
    ASSERT_TRUE(b.RunUntilClosed(300000));
    const auto& m = b.ui().Messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].text, c.message);
    EXPECT_EQ(m[0].caption, "BOOT info");
    EXPECT_EQ(m[0].icon, ui::Icon::kError);
    EXPECT_EQ(m[0].owner_template, kDlg);
    EXPECT_EQ(G().DeviceOnline, 0);
    EXPECT_EQ(G().Slots[1].handle, kClosedHandle);
    EXPECT_EQ(Boot().state, BootState::kIdle);
    EXPECT_EQ(b.ui().TopTemplate(), res::kMainWindow);
    if (c.status_reads != 0) {
      EXPECT_EQ(b.s.sim().LogOf(Exchange::kGetFeature).size(), c.status_reads);
    }
  }
}

TEST(BootloaderFailure, LowerCaseProductStringIsNeverActivated) {
  BootBench b;
  b.device->set_boot_product_string(u"kolvar bootloader");
  b.device->set_idle_restart_ms(-1);  // waits to be activated
  b.device->set_restart_delay_ms(50);  // back before the first attempt
  b.ConnectAndOpen();
  const std::int64_t clicked = b.ui().Now();
  ASSERT_EQ(b.ui().Click(kDlg, kBootInfoButton), "");
  ASSERT_TRUE(b.RunUntilClosed());
  EXPECT_EQ(b.MessageTexts(), std::vector<std::string>{"Chyba inicializace zařízení po resetu"});
  // 49 attempts about 90 ms apart; no activation frame ever went out.
  EXPECT_EQ(b.s.sim().LogOf(Exchange::kProductString).size(), 49u);
  const auto sets = b.Sets();
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].bytes[1], 0xCA);
  EXPECT_NEAR(static_cast<double>(b.ui().Now() - clicked), 10 + 50 * 90, 20);
}

TEST(BootloaderFailure, FailureThenMainWindowReconnects) {
  BootBench b;
  b.device->set_flash_kib(4);
  // Back in the application before the main window looks for it.
  b.device->set_idle_restart_ms(100);
  b.device->set_restart_delay_ms(100);
  b.ConnectAndOpen();
  b.Load("fw.hex", test::HexImage(test::ImageBytes(4600)));
  ASSERT_EQ(b.ui().Click(kDlg, kBootDownloadButton), "");
  ASSERT_TRUE(b.RunUntilClosed());
  EXPECT_EQ(b.MessageTexts(), std::vector<std::string>{"Flash je meší než vybraný soubor"});
  EXPECT_EQ(b.device->erase_count(), 0);
  // The bootloader, left idle, restarts into the application, which the main
  // window then finds.
  b.ui().Advance(700);
  EXPECT_EQ(G().DeviceOnline, 1);
  EXPECT_EQ(b.ui().Control(res::kMainWindow, res::kFieldDevice)->text.substr(0, 6), "  KDB ");
}

TEST(BootloaderButtons, DownloadWithoutAFileWarnsAndStaysOpen) {
  BootBench b;
  b.ConnectAndOpen();
  ASSERT_EQ(b.ui().Click(kDlg, kBootDownloadButton), "");
  const auto& m = b.ui().Messages();
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].text, kNoFile);
  EXPECT_EQ(m[0].caption, "Soubor info");
  EXPECT_EQ(m[0].icon, ui::Icon::kWarning);
  EXPECT_EQ(b.Text(kBootPlatformField), std::string(20, ' '));
  b.ui().Advance(10);  // the idle tick gives the buttons back
  EXPECT_TRUE(b.Enabled(ui::kIdCancel));
  EXPECT_TRUE(b.Enabled(kBootDownloadButton));
  b.ui().Advance(5000);
  EXPECT_TRUE(b.ui().IsOpen(kDlg));
  EXPECT_TRUE(b.Sets().empty());
}

TEST(BootloaderButtons, ImageOfOnlyTheBootloaderAreaIsRefusedBeforeTheDevice) {
  BootBench b;
  b.ConnectAndOpen();
  b.Load("fw.hex", test::HexImage(test::ImageBytes(4096)));
  ASSERT_EQ(b.ui().Click(kDlg, kBootDownloadButton), "");
  ASSERT_EQ(b.ui().Messages().size(), 1u);
  EXPECT_EQ(b.ui().Messages()[0].text,
            "Soubor je příliš krátký, obraz firmware musí být delší než 4096 bajtů");
  EXPECT_EQ(b.ui().Messages()[0].icon, ui::Icon::kWarning);
  b.ui().Advance(2000);
  EXPECT_TRUE(b.ui().IsOpen(kDlg));
  EXPECT_TRUE(b.Sets().empty());  // the device was not even restarted
}

TEST(BootloaderButtons, OnlyAFileLoadedInThisDialogIsDownloaded) {
  BootBench b;
  b.device->set_flash_kib(8);
  b.ConnectAndOpen();
  const auto good = test::ImageBytes(4400);
  b.Load("good.hex", test::HexImage(good));
  // A refused file leaves the good one loaded.
  b.Load("bad.bin", "whatever");
  ASSERT_EQ(b.MessageTexts(), std::vector<std::string>{"Soubor má nepodporovanou příponu"});
  ASSERT_EQ(b.ui().Click(kDlg, ui::kIdCancel), "");

  // Reopened: the image of the last opening does not count.
  b.ui().Advance(2000);
  b.Open();
  b.s.sim().ClearLog();
  EXPECT_EQ(b.Text(kFirmwarePathControl), "");
  ASSERT_EQ(b.ui().Click(kDlg, kBootDownloadButton), "");
  EXPECT_EQ(b.MessageTexts().back(), kNoFile);
  b.ui().Advance(10);
  b.Load("bad.hex", "no records");
  ASSERT_EQ(b.ui().Click(kDlg, kBootDownloadButton), "");
  EXPECT_EQ(b.MessageTexts().back(), kNoFile);
  EXPECT_TRUE(b.Sets().empty());

  // Loaded now: downloaded, refused file or not.
  b.ui().Advance(10);
  b.Load("good.hex", test::HexImage(good));
  b.Load("bad.kvm", "short");
  ASSERT_EQ(b.ui().Click(kDlg, kBootDownloadButton), "");
  ASSERT_TRUE(b.RunUntilClosed());
  EXPECT_EQ(b.MessageTexts().back(), " Bootovani je úspěšně dokončeno ;-) ");
  EXPECT_EQ(b.device->packets_written(), 4 * 3);
}

TEST(BootloaderButtons, NoWayOutWhileRunning) {
  BootBench b;
  b.ConnectAndOpen();
  ASSERT_EQ(b.ui().Click(kDlg, kBootInfoButton), "");
  b.ui().Advance(200);
  EXPECT_NE(b.ui().Click(kDlg, ui::kIdCancel), "");  // disabled
  EXPECT_NE(b.ui().Click(kDlg, kBootOpenButton), "");
  ASSERT_EQ(b.ui().CloseBox(kDlg), "");
  ASSERT_EQ(b.ui().PressEsc(kDlg), "");
  b.ui().Advance(10);
  EXPECT_TRUE(b.ui().IsOpen(kDlg));
  EXPECT_NE(Boot().state, BootState::kIdle);
  ASSERT_TRUE(b.RunUntil([&] { return Boot().state == BootState::kIdle; }, 20000));
  EXPECT_EQ(b.Text(kBootStatusControl), " Reset zarizeni je hotov");
  // Idle again: the close box is honoured.
  b.ui().Advance(10);
  ASSERT_EQ(b.ui().CloseBox(kDlg), "");
  EXPECT_FALSE(b.ui().IsOpen(kDlg));
}

// Opened before the main window's first connection: the connection waits for
// the dialog instead of taking slot 1 from under it.
TEST(BootloaderSharing, MainWindowStaysIdleWhileTheDialogRuns) {
  BootBench b;
  b.s.Start();
  b.Open();
  ASSERT_EQ(b.ui().Click(kDlg, kBootInfoButton), "");
  ASSERT_TRUE(b.RunUntil([&] { return b.Text(kBootStatusControl) == " Reset zarizeni je hotov"; }, 20000));
  EXPECT_TRUE(b.ui().Messages().empty());
  for (const auto& set : b.Sets()) EXPECT_NE(set.bytes[1], 0xCC) << "init sent while the dialog ran";
  EXPECT_EQ(b.Text(kBootPlatformField), "  TRX-21");
  b.ui().Advance(10);
  ASSERT_EQ(b.ui().Click(kDlg, ui::kIdCancel), "");
  b.ui().Advance(700);
  EXPECT_EQ(G().DeviceOnline, 1);
}

// The list is built afresh before the restart command, and the bootloader is
// looked up again by its identifiers before the erase: a device that was
// listed ahead of the transmitter must not receive either.
TEST(BootloaderSharing, RestartAndEraseGoToTheTransmitterWhateverTheListHolds) {
  sim::SimDevice* other = nullptr;
  BootBench b([&](sim::SimBackend& bus) {
    other = &bus.Add(std::make_unique<sim::SimDevice>("sim/other", 0x1234, 0x0002, sim::kUsagePageVendor,
                                                      sim::kUsageVendor, u"Other device"),
                     sim::Group::kTransmitter);
  });
  b.device->set_flash_kib(8);
  b.ConnectAndOpen();  // the main window's list: the other device, then the transmitter
  const auto image = test::ImageBytes(4300);
  b.Load("fw.hex", test::HexImage(image));
  // Gone before the restart; back while the transmitter restarts, and then
  // listed at the position the transmitter had.
  b.s.sim().Unplug(*other);
  ASSERT_EQ(b.ui().Click(kDlg, kBootDownloadButton), "");
  ASSERT_TRUE(b.RunUntil([&] { return !b.Sets().empty(); }, 1000));
  b.s.sim().Replug(*other);
  ASSERT_TRUE(b.RunUntilClosed());

  EXPECT_EQ(b.MessageTexts(), std::vector<std::string>{" Bootovani je úspěšně dokončeno ;-) "});
  const auto sets = b.Sets();
  ASSERT_EQ(sets.size(), 3u);
  EXPECT_EQ(sets[0].path, "sim/bootable-1");
  EXPECT_EQ(sets[0].bytes[1], 0xCA);
  EXPECT_EQ(sets[2].path, "sim/bootable-1-boot");
  EXPECT_EQ(sets[2].bytes[5], 'h');
  for (std::size_t i = 4096; i < image.size(); ++i) ASSERT_EQ(b.device->flash()[i], image[i]) << i;
}

}  // namespace
}  // namespace travik
