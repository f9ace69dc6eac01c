// Firmware download and hardware information through the bootloader dialog,
// against the simulated bootloader on the virtual clock.
#include <gtest/gtest.h>

#include "bootloader_bench.h"

namespace travik {
namespace {

using sim::Exchange;
using test::BootBench;
using test::kDlg;

const std::vector<std::uint8_t> kMagicTail = {0xD4, 0x71, 0x3A, 0x5C};

std::vector<std::uint8_t> BootFrame(std::uint8_t code) {
  std::vector<std::uint8_t> f = {0, code, 0, 0, 0};
  f.insert(f.end(), kMagicTail.begin(), kMagicTail.end());
  return f;
}

// Flash from offset 4096 as written: the image, then zeros to the end of the
// last block, then untouched (erased) flash.
void ExpectFlashed(const sim::SimBootableTransmitter& device, const std::vector<std::uint8_t>& image,
                   std::size_t blocks) {
  const auto& flash = device.flash();
  const std::size_t end = 4096 + 128 * blocks;
  for (std::size_t i = 4096; i < flash.size(); ++i) {
    const std::uint8_t want = i < image.size() ? image[i] : i < end ? 0x00 : 0xFF;
    ASSERT_EQ(flash[i], want) << "flash offset " << i;
  }
}

TEST(BootloaderDownload, HexImageIsFlashedBlockByBlockAndTheDeviceRestarts) {
  BootBench b;
  b.device->set_flash_kib(8);
  b.device->set_ack_polls(2);
  const auto image = test::ImageBytes(4096 + 128 * 3 + 50);  // 4 blocks
  b.ConnectAndOpen();
  EXPECT_EQ(b.Text(kBootStatusControl), "Není vybrán soubor");
  EXPECT_EQ(b.Text(kBootOpenButton), "Otevřít soubor");
  b.Load("fw.hex", test::HexImage(image));
  EXPECT_EQ(b.Text(kBootStatusControl), "Soubor pro download je inicializovan");
  ASSERT_EQ(b.ui().Click(kDlg, kBootDownloadButton), "");
  for (int id : {kBootOpenButton, kBootDownloadButton, kBootInfoButton, ui::kIdCancel})
    EXPECT_FALSE(b.Enabled(id)) << id;
  EXPECT_EQ(b.Text(kBootPlatformField), std::string(20, ' '));

  ASSERT_TRUE(b.RunUntil([&] { return b.Showed(" Bootovani je úspěšně dokončeno ;-) "); }, 20000));
  EXPECT_EQ(b.Text(kBootPlatformField), "  TRX-21");
  EXPECT_EQ(b.Text(kBootHwVersionField), "  12.03");
  EXPECT_EQ(b.Text(kBootSwVersionField), "  01.00.02");
  ASSERT_TRUE(b.RunUntilClosed());
  EXPECT_EQ(G().DeviceOnline, 0);

  // The three boot commands, in order; the rest of the dialog sends none.
  const auto sets = b.Sets();
  ASSERT_EQ(sets.size(), 3u);
  EXPECT_EQ(sets[0].bytes, BootFrame(0xCA));
  EXPECT_EQ(sets[0].path, "sim/bootable-1");
  EXPECT_EQ(sets[1].bytes, BootFrame(0x55));
  EXPECT_EQ(sets[1].path, "sim/bootable-1-boot");
  EXPECT_EQ(sets[2].bytes, (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 'h', 0, 0, 0}));
  EXPECT_EQ(b.device->erase_letter(), 'h');

  // 4 blocks of 4 packets, each 64 bytes with its 32 image bytes in 1-32.
  const auto writes = b.Writes();
  ASSERT_EQ(writes.size(), 16u);
  for (std::size_t k = 0; k < writes.size(); ++k) {
    ASSERT_EQ(writes[k].bytes.size(), 64u);
    EXPECT_EQ(writes[k].bytes[0], 0);
    for (std::size_t i = 0; i < 32; ++i) {
      const std::size_t at = 4096 + 32 * k + i;
      EXPECT_EQ(writes[k].bytes[1 + i], at < image.size() ? image[at] : 0) << k << "/" << i;
    }
    for (std::size_t i = 33; i < 64; ++i) EXPECT_EQ(writes[k].bytes[i], 0);
  }
  ExpectFlashed(*b.device, image, 4);

  // Progress for every block but the last, then the countdown in 100 ms
  // steps; the dialog ends in the tick that shows 100 ms.
  std::vector<std::string> texts;
  for (const auto& s : b.statuses) texts.push_back(s.text);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.front(), "Soubor pro download je inicializovan");
  texts.erase(texts.begin());
  const std::vector<std::string> expected_start = {
      "Probíhá Inicializace Bootovacího modu", "Bootovaci mod je aktivovan",
      "Čtení HW informaci dokončeno",          "Kontrola HW informaci dokoncena",
      "Mazaní Flash je dokončeno",             " BOOTLoader, Zápis datového bloku 0",
      " BOOTLoader, Zápis datového bloku 1",   " BOOTLoader, Zápis datového bloku 2",
      " Bootovani je úspěšně dokončeno ;-) ",
  };
  ASSERT_EQ(texts.size(), expected_start.size() + 39);
  EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 9), expected_start);
  for (int k = 0; k < 39; ++k)
    EXPECT_EQ(texts[9 + k], " Cekani na provedeni Resetu zarizeni, zbyva " + std::to_string(4000 - 100 * k) + " ms");

  const auto& m = b.ui().Messages();
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].text, " Bootovani je úspěšně dokončeno ;-) ");
  EXPECT_EQ(m[0].caption, "BOOT info");
  EXPECT_EQ(m[0].icon, ui::Icon::kInformation);
  EXPECT_EQ(G().Slots[1].handle, kClosedHandle);

  // The main window forgets the device and finds the restarted application.
  b.ui().Advance(700);
  EXPECT_EQ(G().DeviceOnline, 1);
  EXPECT_EQ(b.device->phase(), sim::SimBootableTransmitter::Phase::kApplication);
  EXPECT_EQ(b.device->restarts_into_application(), 1);
  EXPECT_EQ(b.ui().TopTemplate(), res::kMainWindow);
  EXPECT_EQ(b.ui().Control(res::kMainWindow, res::kFieldDevice)->text.substr(0, 6), "  KDB ");
}

TEST(BootloaderDownload, TickScheduleOfTheDataPhase) {
  BootBench b;
  b.device->set_flash_kib(8);
  b.ConnectAndOpen();
  b.Load("fw.hex", test::HexImage(test::ImageBytes(4096 + 128 * 2)));  // 3 blocks, 12 packets
  const std::int64_t clicked = b.ui().Now();
  ASSERT_EQ(b.ui().Click(kDlg, kBootDownloadButton), "");
  ASSERT_TRUE(b.RunUntilClosed());
  // Two ticks a packet when the device acknowledges at once...
  const std::int64_t erased = b.FirstTime("Mazaní Flash je dokončeno");
  const std::int64_t done = b.FirstTime(" Bootovani je úspěšně dokončeno ;-) ");
  EXPECT_EQ(done - erased, 12 * 2 * 10);
  // ...and 40 steps of 9 ticks while the device restarts.
  EXPECT_EQ(b.ui().Now() - done, 40 * 9 * 10);
  // Restart, 6 attempts (the device is back after 500 ms), self-check,
  // information, check, erase command, 31 ticks of delay, 6 erase polls.
  const std::int64_t first_step = b.FirstTime("Probíhá Inicializace Bootovacího modu");
  EXPECT_LE(first_step - clicked, 10);
  EXPECT_EQ(erased - first_step, (6 * 9 + 9 + 9 + 1 + 1 + 31 + 6) * 10);
}

TEST(BootloaderDownload, BlockCountFollowsTheImageLength) {
  struct Case {
    std::size_t length;
    std::size_t blocks;
  } cases[] = {{4097, 1}, {4096 + 128, 2}, {4096 + 128 * 5, 6}, {4096 + 128 * 5 + 1, 6}, {4096 + 127, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length);
    BootBench b;
    b.device->set_flash_kib(8);
    const auto image = test::ImageBytes(c.length);
    b.ConnectAndOpen();
    b.Load("fw.hex", test::HexImage(image));
    ASSERT_EQ(b.ui().Click(kDlg, kBootDownloadButton), "");
    ASSERT_TRUE(b.RunUntilClosed());
    EXPECT_EQ(b.Writes().size(), 4 * c.blocks);
    EXPECT_EQ(b.device->packets_written(), static_cast<int>(4 * c.blocks));
    ExpectFlashed(*b.device, image, c.blocks);
    // No progress text for the last block.
    EXPECT_EQ(b.Showed(" BOOTLoader, Zápis datového bloku " + std::to_string(c.blocks - 1)), false);
    if (c.blocks > 1) {
      EXPECT_TRUE(b.Showed(" BOOTLoader, Zápis datového bloku " + std::to_string(c.blocks - 2)));
    }
  }
}

// Compatibility of the image with what the bootloader reports. The device
// says platform "TRX-21", hardware version "12.03".
TEST(BootloaderDownload, CompatibilityChecks) {
  struct Case {
    const char* name;
    std::string file;  // name with extension
    std::string platform_field;
    std::string version_field;
    std::uint16_t flash_kib;
    std::size_t length;
    const char* failure;  // nullptr: downloaded
  } cases[] = {
      {"platform ended by CR", "a.kvm", "TRX-21\r", "12.03\r", 8, 4200, nullptr},
      {"platform followed by a space", "a.kvm", "TRX-21 rev B\r", "12.03\r", 8, 4200, nullptr},
      {"version pattern with x", "a.kvm", "TRX-21\r", "12x\r", 8, 4200, nullptr},
      {"version pattern x only", "a.kvm", "TRX-21\r", "x\r", 8, 4200, nullptr},
      {"other platform", "a.kvm", "TRX-22\r", "12.03\r", 8, 4200,
       "HW je nekompatibilni s vybranym souborem"},
      {"longer platform", "a.kvm", "TRX-210\r", "12.03\r", 8, 4200,
       "HW je nekompatibilni s vybranym souborem"},
      {"other version", "a.kvm", "TRX-21\r", "12.04\r", 8, 4200,
       "Verze HW je nekompatibilni s vybranym souborem"},
      {"version differs before the x", "a.kvm", "TRX-21\r", "13x\r", 8, 4200,
       "Verze HW je nekompatibilni s vybranym souborem"},
      {"flash equal to the image", "a.kvm", "TRX-21\r", "12x\r", 5, 5120, nullptr},
      {"flash a byte short", "a.kvm", "TRX-21\r", "12x\r", 5, 5121, "Flash je meší než vybraný soubor"},
      {"flash too small for a HEX image", "a.hex", "", "", 4, 4200, "Flash je meší než vybraný soubor"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BootBench b;
    b.device->set_flash_kib(c.flash_kib);
    const auto image = test::ImageBytes(c.length);
    b.ConnectAndOpen();
    b.Load(c.file, c.file.back() == 'm' ? test::KvmImage(c.platform_field, c.version_field, image)
                                         : test::HexImage(image));
    ASSERT_EQ(b.ui().Click(kDlg, kBootDownloadButton), "");
    ASSERT_TRUE(b.RunUntilClosed());
    const auto& m = b.ui().Messages();
    ASSERT_EQ(m.size(), 1u);
    if (c.failure == nullptr) {
      EXPECT_EQ(m[0].icon, ui::Icon::kInformation) << m[0].text;
      EXPECT_EQ(b.device->erase_letter(), c.file.back() == 'm' ? 'k' : 'h');
      EXPECT_TRUE(b.Showed("Kontrola HW informaci dokoncena"));
    } else {
      EXPECT_EQ(m[0].text, c.failure);
      EXPECT_EQ(m[0].caption, "BOOT info");
      EXPECT_EQ(m[0].icon, ui::Icon::kError);
      EXPECT_EQ(b.device->erase_count(), 0);  // refused before anything is erased
    }
  }
}

TEST(BootloaderDownload, HexImageSkipsPlatformAndVersion) {
  BootBench b;
  b.device->set_platform("OTHER");
  b.device->set_hardware_version("99");
  b.device->set_flash_kib(8);
  const auto image = test::ImageBytes(4500);
  b.ConnectAndOpen();
  b.Load("fw.hex", test::HexImage(image));
  ASSERT_EQ(b.ui().Click(kDlg, kBootDownloadButton), "");
  ASSERT_TRUE(b.RunUntilClosed());
  EXPECT_EQ(b.MessageTexts(), std::vector<std::string>{" Bootovani je úspěšně dokončeno ;-) "});
  ExpectFlashed(*b.device, image, 4);
}

TEST(BootloaderInfo, ShowsTheFieldsWithoutAFileAndStaysOpen) {
  BootBench b;
  b.device->set_blank_info_reports(3);  // the fourth and last read counts
  b.ConnectAndOpen();
  ASSERT_EQ(b.ui().Click(kDlg, kBootInfoButton), "");
  ASSERT_TRUE(b.RunUntil([&] { return b.Text(kBootStatusControl) == " Reset zarizeni je hotov"; }, 20000));
  EXPECT_TRUE(b.ui().IsOpen(kDlg));
  EXPECT_EQ(b.Text(kBootPlatformField), "  TRX-21");
  EXPECT_EQ(b.Text(kBootHwVersionField), "  12.03");
  EXPECT_EQ(b.Text(kBootSwVersionField), "  01.00.02");
  EXPECT_TRUE(b.Showed("HW informace jsou úspěšně načteny ;-) "));
  EXPECT_TRUE(b.Showed(" Cekani na provedeni Resetu zarizeni, zbyva 4000 ms"));
  EXPECT_FALSE(b.Showed("Čtení HW informaci dokončeno"));  // replaced in the same tick
  EXPECT_TRUE(b.ui().Messages().empty());
  EXPECT_EQ(b.s.sim().LogOf(Exchange::kReadInput).size(), 4u);
  EXPECT_EQ(b.device->erase_count(), 0);
  EXPECT_TRUE(b.Writes().empty());
  EXPECT_EQ(G().Slots[1].handle, kClosedHandle);
  b.ui().Advance(10);
  for (int id : {kBootOpenButton, kBootDownloadButton, kBootInfoButton, ui::kIdCancel})
    EXPECT_TRUE(b.Enabled(id)) << id;

  ASSERT_EQ(b.ui().Click(kDlg, ui::kIdCancel), "");
  EXPECT_FALSE(b.ui().IsOpen(kDlg));
  // The device went back to its application by itself, where the main
  // window finds it.
  b.ui().Advance(700);
  EXPECT_EQ(G().DeviceOnline, 1);
  EXPECT_EQ(b.device->restarts_into_application(), 1);
}

}  // namespace
}  // namespace travik
