// The KDB configuration dialog, driven as a technician would.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "support/connected.h"

namespace travik {
namespace {

using sim::Exchange;

constexpr int kKdb = 130;
constexpr int kTemp = 1332, kHum = 1334, kCo2 = 1336, kLo = 2326, kHi = 2325, kText = 1338,
              kAddress = 1341, kSpeed = 1343, kOpen = 1344, kRead = 1345, kSave = 1346,
              kWrite = 1347, kPreset = 1348, kCancel = 1349;

class KdbTest : public testing::ConnectedTest {
 protected:

  void OpenOnline(const char* firmware = nullptr) {
    Connect("KDB", firmware);
    OpenConfiguration(kKdb);
  }
  void OpenOffline() {
    s.Start();
    ui().Advance(310);
    ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonConfig), "");
    ASSERT_EQ(ui().Click(res::kDlgOffline, 8), "");
    ASSERT_EQ(ui().TopTemplate(), kKdb);
    base_messages_ = ui().Messages().size();  // "no device" from the start-up search
  }
  void Tick() { ui().Advance(20); }
  void Read() {
    ASSERT_EQ(ui().Click(kKdb, kRead), "");
    RunUntilClosed(109);
  }
  void Write() {
    ASSERT_EQ(ui().Click(kKdb, kWrite), "");
    RunUntilClosed(108);
  }
  std::string T(int id) { return Text(kKdb, id); }
  std::string Path(const char* name) { return dir_.File(name); }
  std::size_t MessageCount(const std::string& text) {
    std::size_t n = 0;
    for (const auto& m : ui().Messages()) n += m.text == text;
    return n;
  }

  testing::TempDir dir_;
  std::size_t base_messages_ = 0;
};

TEST_F(KdbTest, OpensWithDefaultsLabelsAndNoDeviceTraffic) {
  OpenOnline();
  EXPECT_EQ(T(kTemp), "0.0");
  EXPECT_EQ(T(kHum), "0.0");
  EXPECT_EQ(T(kCo2), "0");
  EXPECT_EQ(T(kLo), "800");
  EXPECT_EQ(T(kHi), "1000");
  EXPECT_EQ(T(kText), "KDB Kolvar      ");
  EXPECT_EQ(T(kAddress), "1");
  EXPECT_EQ(T(kSpeed), "19200Bd");
  EXPECT_EQ(T(2329), "400");
  EXPECT_EQ(T(1331), "Teplota [°C]");
  EXPECT_EQ(T(kRead), "Načíst KDB");
  for (int id = 2327; id <= 2330; ++id) EXPECT_FALSE(Visible(kKdb, id)) << id;
  EXPECT_TRUE(Visible(kKdb, kLo));
  EXPECT_TRUE(Enabled(kKdb, kRead));
  EXPECT_EQ(ui().Control(kKdb, kSpeed)->items.size(), 7u);
  EXPECT_EQ(ui().Control(kKdb, kSpeed)->items[0], " 1200Bd");
  EXPECT_TRUE(s.sim().Log().empty());
  EXPECT_TRUE(ui().Messages().empty());
}

TEST_F(KdbTest, ReadShowsTheDeviceWords) {
  OpenOnline();
  auto& m = device->memory();
  m[48] = 17;
  m[49] = 2;
  m[62] = 500;
  m[63] = 900;
  m[76] = static_cast<std::uint16_t>(-15);
  m[77] = 55;
  m[81] = static_cast<std::uint16_t>(-120);
  const char text[] = "Sklad \x8A" "ampa 12  ";  // Windows-1250 for "Šampa"
  for (int k = 0; k < 8; ++k)
    m[40 + k] = static_cast<std::uint16_t>(static_cast<std::uint8_t>(text[2 * k]) << 8 |
                                           static_cast<std::uint8_t>(text[2 * k + 1]));
  Read();
  EXPECT_EQ(T(kAddress), "17");
  EXPECT_EQ(T(kSpeed), " 4800Bd");
  EXPECT_EQ(T(kLo), "500");
  EXPECT_EQ(T(kHi), "900");
  EXPECT_EQ(T(kTemp), "-1.5");
  EXPECT_EQ(T(kHum), "5.5");
  EXPECT_EQ(T(kCo2), "-120");
  EXPECT_EQ(T(kText), "Sklad Šampa 12  ");
}

TEST_F(KdbTest, RangeChecksCorrectEntriesWithin20ms) {
  OpenOnline();
  struct Case {
    int control;
    const char* typed;
    const char* shown;
    bool message;
  };
  const Case cases[] = {
      {kAddress, "0", "1", true},       {kAddress, "255", "254", true},
      {kAddress, "254", "254", false},  {kTemp, "25", "20.0", true},
      {kTemp, "-20.05", "-20.05", false}, {kTemp, "1,5", "1,5", false},
      {kCo2, "150", "150", false},      {kCo2, "201", "200.0", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    const auto before = MessageCount("Hodnota mimo rozsah");
    ASSERT_EQ(ui().Type(kKdb, c.control, c.typed), "");
    Tick();
    EXPECT_EQ(T(c.control), c.shown);
    EXPECT_EQ(MessageCount("Hodnota mimo rozsah"), before + (c.message ? 1 : 0));
  }
  EXPECT_EQ(ui().Messages().back().caption, "Nastavená hodnota");
}

TEST_F(KdbTest, OneMessagePerCorrectionWhileTheBoxIsRead) {
  OpenOnline();
  ui().SetMessageBoxDuration(1000);
  ASSERT_EQ(ui().Type(kKdb, kAddress, "0"), "");
  ASSERT_EQ(ui().Type(kKdb, kLo, "1500"), "");
  ASSERT_EQ(ui().Focus(kKdb, kText), "");
  ui().Advance(3000);
  EXPECT_EQ(MessageCount("Hodnota mimo rozsah"), 1u);
  EXPECT_EQ(MessageCount("Hodnota Hi mensí než hodnota Lo"), 1u);
  // The Hi/Lo box comes from a tick while the address box is still up.
  EXPECT_EQ(ui().DeepestMessageNesting(), 2);
}

TEST_F(KdbTest, WriteSendsParsedFieldsAndTheFixedContrast) {
  OpenOnline();
  ASSERT_EQ(ui().Type(kKdb, kTemp, "-20.05"), "");
  ASSERT_EQ(ui().Type(kKdb, kHum, "1,56"), "");
  ASSERT_EQ(ui().Type(kKdb, kCo2, "201"), "");
  ASSERT_EQ(ui().Type(kKdb, kAddress, "42"), "");
  ASSERT_EQ(ui().Type(kKdb, kText, "Hala 3"), "");
  ASSERT_EQ(ui().Select(kKdb, kSpeed, 6), "");
  Tick();
  Write();
  const auto& m = device->memory();
  EXPECT_EQ(static_cast<std::int16_t>(m[76]), -200);
  EXPECT_EQ(m[77], 16);
  EXPECT_EQ(m[81], 200);
  EXPECT_EQ(m[48], 42);
  EXPECT_EQ(m[49], 6);
  EXPECT_EQ(m[33], 110);
  EXPECT_EQ(m[62], 800);
  EXPECT_EQ(m[63], 1000);
  EXPECT_EQ(m[40], ('H' << 8) | 'a');
  EXPECT_EQ(m[42], (' ' << 8) | '3');
  EXPECT_EQ(m[47], 0x2020);
  // Saved: the same words survive a power cycle and read back.
  device->PowerCycle();
  ASSERT_EQ(ui().Type(kKdb, kAddress, "9"), "");
  Read();
  EXPECT_EQ(T(kAddress), "42");
  EXPECT_EQ(T(kTemp), "-20.0");
  EXPECT_EQ(T(kText), "Hala 3          ");
  EXPECT_EQ(T(kSpeed), "57600Bd");
}

TEST_F(KdbTest, WriteWithoutAReadKeepsTheOtherWordsOfTheImage) {
  OpenOnline();
  G().ConfigImage.fill(0);
  G().ConfigImage[150] = 0x0BAD;
  Write();
  EXPECT_EQ(device->memory()[150], 0x0BAD);
  EXPECT_EQ(device->memory()[100], 0);
}

TEST_F(KdbTest, HiAboveLoWaitsForTheFocusToLeaveHi) {
  OpenOnline();
  ASSERT_EQ(ui().Type(kKdb, kLo, "1200"), "");
  Tick();
  EXPECT_EQ(T(kHi), "1201");
  EXPECT_EQ(MessageCount("Hodnota Hi mensí než hodnota Lo"), 1u);
  ASSERT_EQ(ui().Type(kKdb, kHi, "5"), "");  // still typing
  Tick();
  EXPECT_EQ(T(kHi), "5");
  ASSERT_EQ(ui().Focus(kKdb, kLo), "");
  Tick();
  EXPECT_EQ(T(kHi), "1201");
  ASSERT_EQ(ui().Type(kKdb, kHi, "1200"), "");
  ASSERT_EQ(ui().Focus(kKdb, kTemp), "");
  Tick();
  EXPECT_EQ(T(kHi), "1201");
  EXPECT_EQ(MessageCount("Hodnota Hi mensí než hodnota Lo"), 3u);
}

TEST_F(KdbTest, LargestLoDoesNotLoopTheRule) {
  OpenOnline();
  ASSERT_EQ(ui().Type(kKdb, kLo, "32767"), "");
  Tick();
  Tick();
  EXPECT_EQ(T(kLo), "32766");
  EXPECT_EQ(T(kHi), "32767");
  EXPECT_EQ(MessageCount("Hodnota Hi mensí než hodnota Lo"), 1u);
}

TEST_F(KdbTest, SpeedCodeAboveSixIsShownUnchangedAndWrittenBack) {
  OpenOnline();
  device->memory()[49] = 9;
  Read();
  EXPECT_EQ(T(kSpeed), "19200Bd");
  Write();
  EXPECT_EQ(device->memory()[49], 9);
}

TEST_F(KdbTest, OldFirmwareHidesTheLimitsButStillWritesThem) {
  OpenOnline("00.01.04");
  for (int id = 2322; id <= 2330; ++id) EXPECT_FALSE(Visible(kKdb, id)) << id;
  device->memory()[62] = 300;
  device->memory()[63] = 700;
  Read();
  device->memory()[62] = 0;
  device->memory()[63] = 0;
  Write();
  EXPECT_EQ(device->memory()[62], 300);
  EXPECT_EQ(device->memory()[63], 700);
}

TEST_F(KdbTest, OfflineDeviceButtonsDisabledFilesAndDefaultsWork) {
  OpenOffline();
  EXPECT_FALSE(Enabled(kKdb, kRead));
  EXPECT_FALSE(Enabled(kKdb, kWrite));
  EXPECT_FALSE(Enabled(kKdb, 2329));
  ASSERT_EQ(ui().Type(kKdb, kText, "x"), "");
  ASSERT_EQ(ui().Click(kKdb, kPreset), "");
  EXPECT_EQ(T(kText), "KDB Kolvar s.r.o");
  ASSERT_EQ(ui().Type(kKdb, kTemp, "1,5"), "");
  ui().QueueFileAnswer(Path("offline"));
  ASSERT_EQ(ui().Click(kKdb, kSave), "");
  EXPECT_TRUE(std::filesystem::exists(Path("offline.kvc")));
  ASSERT_EQ(ui().Click(kKdb, kCancel), "");
  EXPECT_EQ(ui().TopTemplate(), res::kMainWindow);
}

TEST_F(KdbTest, FileRoundTripRestoresTheFieldTexts) {
  OpenOffline();
  ASSERT_EQ(ui().Type(kKdb, kTemp, "-1,5"), "");
  ASSERT_EQ(ui().Type(kKdb, kHum, "12.3456"), "");  // cut to 6 characters
  ASSERT_EQ(ui().Type(kKdb, kAddress, "77"), "");
  ASSERT_EQ(ui().Type(kKdb, kText, "Kotelna č.2"), "");
  ASSERT_EQ(ui().Select(kKdb, kSpeed, 2), "");
  ui().QueueFileAnswer(Path("kdb.kvc"));
  ASSERT_EQ(ui().Click(kKdb, kSave), "");

  const std::string bytes = testing::ReadFile(Path("kdb.kvc"));
  ASSERT_EQ(bytes.size(), 2608u);
  EXPECT_EQ(bytes.substr(0, 16), "  KDB           ");
  EXPECT_EQ(bytes.substr(32 + 16 * 76, 16), "Reg 076 -1,5   \r");
  EXPECT_EQ(bytes.substr(32 + 16 * 49, 16), "Reg 049 2      \r");

  ASSERT_EQ(ui().Click(kKdb, kPreset), "");
  ASSERT_EQ(ui().Type(kKdb, kAddress, "5"), "");
  ui().QueueFileAnswer(Path("kdb.kvc"));
  ASSERT_EQ(ui().Click(kKdb, kOpen), "");
  EXPECT_EQ(T(kTemp), "-1,5");
  EXPECT_EQ(T(kHum), "12.345");
  EXPECT_EQ(T(kAddress), "77");
  EXPECT_EQ(T(kText), "Kotelna č.2     ");
  EXPECT_EQ(T(kSpeed), " 4800Bd");
  EXPECT_EQ(ui().Messages().size(), base_messages_);
}

TEST_F(KdbTest, BadFilesAreRefusedAndTheFieldsStay) {
  OpenOffline();
  auto write = [&](const char* name, const std::string& bytes) {
    std::ofstream(Path(name), std::ios::binary) << bytes;
    return Path(name);
  };
  std::string good(2608, ' ');
  good.replace(0, 5, "  KDB");
  struct Case {
    std::string path;
    const char* message;
  };
  const Case cases[] = {
      {write("short.kvc", good.substr(0, 2607)), "Soubor je poškozený"},
      {write("long.kvc", good + " "), "Soubor je poškozený"},
      {write("empty.kvc", ""), "Chyba načteni souboru"},
      {Path("missing.kvc"), "Chyba načteni souboru"},
      {write("nsc.kvc", "  NSC" + good.substr(5)), "Konfigurační soubor není určen pro zařízení KDB"},
  };
  ASSERT_EQ(ui().Type(kKdb, kAddress, "33"), "");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    ui().QueueFileAnswer(c.path);
    ASSERT_EQ(ui().Click(kKdb, kOpen), "");
    ASSERT_FALSE(ui().Messages().empty());
    EXPECT_EQ(ui().Messages().back().text, c.message);
    EXPECT_EQ(ui().Messages().back().caption, "Chyba souboru");
    EXPECT_EQ(ui().Messages().back().icon, ui::Icon::kError);
    EXPECT_EQ(T(kAddress), "33");
  }
  // A longer model name that starts with KDB is another model's file.
  ui().QueueFileAnswer(write("kdb7.kvc", "  KDB7DY" + good.substr(8)));
  ASSERT_EQ(ui().Click(kKdb, kOpen), "");
  EXPECT_EQ(ui().Messages().back().text, "Konfigurační soubor není určen pro zařízení KDB");
  EXPECT_EQ(T(kAddress), "33");
}

TEST_F(KdbTest, LoadedOutOfRangeValueIsCorrectedOnTheNextTick) {
  OpenOffline();
  ASSERT_EQ(ui().Type(kKdb, kAddress, "999"), "");
  ASSERT_EQ(ui().Focus(kKdb, kText), "");
  Tick();
  ASSERT_EQ(T(kAddress), "254");
  const auto count = MessageCount("Hodnota mimo rozsah");
  // Saving does not check; loading such a file puts the limit back in place.
  std::string file(2608, ' ');
  ui().QueueFileAnswer(Path("range.kvc"));
  ASSERT_EQ(ui().Click(kKdb, kSave), "");
  std::fstream f(Path("range.kvc"), std::ios::in | std::ios::out | std::ios::binary);
  f.seekp(32 + 16 * 48 + 8);
  f.write("300   ", 6);
  f.close();
  ui().QueueFileAnswer(Path("range.kvc"));
  ASSERT_EQ(ui().Click(kKdb, kOpen), "");
  EXPECT_EQ(T(kAddress), "300");
  Tick();
  EXPECT_EQ(T(kAddress), "254");
  EXPECT_EQ(MessageCount("Hodnota mimo rozsah"), count + 1);
}

TEST_F(KdbTest, CancelledChoosersWriteAndChangeNothing) {
  OpenOffline();
  ui().QueueFileAnswer(std::nullopt);
  ASSERT_EQ(ui().Click(kKdb, kSave), "");
  ui().QueueFileAnswer(std::nullopt);
  ASSERT_EQ(ui().Click(kKdb, kOpen), "");
  EXPECT_EQ(ui().FileChoosersShown(), 2);
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
  EXPECT_EQ(ui().Messages().size(), base_messages_);
}

}  // namespace
}  // namespace travik
