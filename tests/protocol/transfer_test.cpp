// The configuration block transfer popups against a simulated transmitter.
#include <gtest/gtest.h>

#include "support/connected.h"

namespace travik {
namespace {

using sim::Exchange;

constexpr int kKdb = 130;
constexpr int kRead = 1345;
constexpr int kWrite = 1347;

class TransferTest : public testing::ConnectedTest {
 protected:
  void SetUp() override {
    Connect("KDB");
    OpenConfiguration(kKdb);
  }
};

TEST_F(TransferTest, ReadFollowsTheTickScheduleAndFillsTheImage) {
  for (int w = 0; w < kConfigWords; ++w) device->memory()[w] = static_cast<std::uint16_t>(0x1000 + w);
  ASSERT_EQ(ui().Click(kKdb, kRead), "");
  EXPECT_EQ(ui().TopTemplate(), 109);
  EXPECT_EQ(Text(109, 1035), "Read:  0%");
  // 16 ticks of waiting, then one block every 5 ticks of 20 ms.
  ui().Advance(339);
  EXPECT_TRUE(s.sim().LogOf(Exchange::kSetFeature).empty());
  ui().Advance(1);
  ASSERT_EQ(s.sim().LogOf(Exchange::kSetFeature).size(), 1u);
  ui().Advance(80);
  EXPECT_EQ(Text(109, 1035), "Read:  8%");
  ui().Advance(100);
  EXPECT_EQ(Text(109, 1035), "Read: 16%");
  ui().Advance(1519 - 520);
  EXPECT_TRUE(ui().IsOpen(109));
  ui().Advance(1);
  EXPECT_FALSE(ui().IsOpen(109));
  EXPECT_EQ(ui().TopTemplate(), kKdb);
  for (int w = 16; w < kConfigWords; ++w) ASSERT_EQ(G().ConfigImage[w], 0x1000 + w) << "word " << w;
  EXPECT_EQ(G().DeviceOnline, 1);
  // Twelve command/report pairs, each on a freshly opened handle.
  const auto& log = s.sim().Log();
  std::vector<Exchange> kinds;
  for (const auto& e : log)
    if (e.kind == Exchange::kSetFeature || e.kind == Exchange::kReadInput) kinds.push_back(e.kind);
  ASSERT_EQ(kinds.size(), 24u);
  for (int b = 0; b < 12; ++b) {
    EXPECT_EQ(kinds[2 * b], Exchange::kSetFeature);
    EXPECT_EQ(kinds[2 * b + 1], Exchange::kReadInput);
  }
  EXPECT_EQ(s.sim().LogOf(Exchange::kSetFeature)[4].bytes, Frame({0, 0xC0, 5}, true));
  EXPECT_EQ(s.sim().OpenHandles(), 0);
}

// A device that sends garbage after the 12 words of blocks 2 and 3.
class NoisyTransmitter : public sim::SimTransmitter {
 public:
  using SimTransmitter::SimTransmitter;
  bool OnReadInput(std::uint8_t* data, std::size_t length, std::uint32_t& transferred) override {
    const bool ok = SimTransmitter::OnReadInput(data, length, transferred);
    if (ok && (read_block() == 2 || read_block() == 3))
      for (int i = 25; i <= 32; ++i) data[i] = 0xEE;
    return ok;
  }
};

TEST(TransferBlocks, BytesAfterTheTwelveWordsOfBlocks2And3AreIgnored) {
  Session s;
  auto& t = s.sim().Add(std::make_unique<NoisyTransmitter>(*sim::FindSimModel("KDB"), "sim/noisy"),
                        sim::Group::kTransmitter);
  for (int w = 0; w < kConfigWords; ++w) t.memory()[w] = static_cast<std::uint16_t>(w);
  s.Start();
  s.ui().Advance(700);
  ASSERT_EQ(s.ui().Click(res::kMainWindow, res::kButtonConfig), "");
  ASSERT_EQ(s.ui().Click(kKdb, kRead), "");
  s.ui().Advance(2000);
  for (int w = 16; w < 48; ++w) EXPECT_EQ(G().ConfigImage[w], w) << "word " << w;
}

TEST_F(TransferTest, RefusedInputReportInBlock7EndsTheReadAndTheDialog) {
  for (int w = 0; w < kConfigWords; ++w) device->memory()[w] = 0x4242;
  G().ConfigImage.fill(0xAAAA);
  ASSERT_EQ(ui().Click(kKdb, kRead), "");
  s.sim().FailNth(Exchange::kReadInput, 7);
  RunUntilClosed(kKdb);
  ASSERT_EQ(ui().Messages().size(), 1u);
  EXPECT_EQ(ui().Messages()[0].text, "Data read error");
  EXPECT_EQ(ui().Messages()[0].caption, "SET info");
  EXPECT_EQ(ui().Messages()[0].icon, ui::Icon::kError);
  EXPECT_EQ(ui().Messages()[0].owner_template, 109);
  EXPECT_EQ(G().DeviceOnline, 0);
  for (int w = 16; w < 88; ++w) ASSERT_EQ(G().ConfigImage[w], 0x4242) << "word " << w;
  for (int w = 88; w < kConfigWords; ++w) ASSERT_EQ(G().ConfigImage[w], 0xAAAA) << "word " << w;
  EXPECT_EQ(ui().TopTemplate(), res::kMainWindow);
  EXPECT_EQ(s.sim().OpenHandles(), 0);
}

TEST_F(TransferTest, EachRefusedExchangeHasItsMessage) {
  struct Case {
    bool write;
    Exchange kind;
    int nth;
    const char* text;
  };
  const Case cases[] = {
      {false, Exchange::kSetFeature, 3, "Data read pointer error"},
      {true, Exchange::kSetFeature, 1, "Data write pointer error"},   // jumper command
      {true, Exchange::kGetFeature, 1, "Data write pointer error"},   // jumper reply
      {true, Exchange::kSetFeature, 5, "Data write pointer error"},   // block 4
      {true, Exchange::kWriteOutput, 12, "Data write error"},
      {true, Exchange::kSetFeature, 15, "Chyba zápisu uživatelských dat do EEPROM"},  // second save
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    if (!ui().IsOpen(kKdb)) {
      ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonStart), "");
      ui().Advance(400);
      ASSERT_EQ(G().DeviceOnline, 1);
      OpenConfiguration(kKdb);
    }
    const auto before = ui().Messages().size();
    ASSERT_EQ(ui().Click(kKdb, c.write ? kWrite : kRead), "");
    s.sim().FailNth(c.kind, c.nth);
    RunUntilClosed(kKdb);
    ASSERT_EQ(ui().Messages().size(), before + 1);
    EXPECT_EQ(ui().Messages().back().text, c.text);
    EXPECT_EQ(ui().Messages().back().caption, "SET info");
    EXPECT_EQ(G().DeviceOnline, 0);
    EXPECT_EQ(s.sim().OpenHandles(), 0);
    s.sim().ClearFaults();
  }
}

TEST_F(TransferTest, WriteSendsEveryFrameInOrderOnSchedule) {
  G().ConfigImage.fill(0);
  G().ConfigImage[100] = 0x1234;
  ASSERT_EQ(ui().Click(kKdb, kWrite), "");
  EXPECT_EQ(Text(108, 1036), "Write");
  // Jumper exchange, twelve blocks of 5 ticks, two 16-tick waits between saves.
  ui().Advance(119 * 20 - 1);
  EXPECT_TRUE(ui().IsOpen(108));
  ui().Advance(1);
  EXPECT_FALSE(ui().IsOpen(108));

  std::vector<std::vector<std::uint8_t>> expected;
  std::vector<Exchange> kinds;
  expected.push_back(Frame({0, 0xCE}, true));
  kinds.push_back(Exchange::kSetFeature);
  kinds.push_back(Exchange::kGetFeature);
  expected.push_back({});
  for (int b = 1; b <= 12; ++b) {
    expected.push_back(Frame({0, 0xC1, b}, true));
    kinds.push_back(Exchange::kSetFeature);
    expected.push_back({});
    kinds.push_back(Exchange::kWriteOutput);
  }
  for (int a = 0; a < 3; ++a) {
    expected.push_back(Frame({0, 0xCD, a}, true));
    kinds.push_back(Exchange::kSetFeature);
  }
  std::vector<const sim::LogEntry*> traffic;
  for (const auto& e : s.sim().Log())
    if (e.kind != Exchange::kOpen && e.kind != Exchange::kClose) traffic.push_back(&e);
  ASSERT_EQ(traffic.size(), kinds.size());
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    EXPECT_EQ(traffic[i]->kind, kinds[i]) << i;
    if (kinds[i] == Exchange::kSetFeature) {
      EXPECT_EQ(traffic[i]->bytes, expected[i]) << i;
    }
  }
  // Word 100 is the 13th word of block 7 (words 88-103): report bytes 25, 26.
  const auto& block7 = *traffic[2 + 2 * 6 + 1];
  EXPECT_EQ(block7.bytes[25], 0x12);
  EXPECT_EQ(block7.bytes[26], 0x34);
  EXPECT_EQ(block7.bytes[33], 0);
  EXPECT_EQ(device->memory()[100], 0x1234);
  EXPECT_EQ(device->eeprom()[100], 0x1234);
  EXPECT_EQ(G().DeviceOnline, 1);
  EXPECT_TRUE(ui().Messages().empty());
}

TEST_F(TransferTest, WriteProgressTexts) {
  ASSERT_EQ(ui().Click(kKdb, kWrite), "");
  // Block b's output report goes out on tick 24 + 5b.
  const char* expected[] = {"Write:  8%",  "Write:  16%", "Write:  24%", "Write: 32%",
                            "Write: 40%",  "Write: 48%",  "Write: 56%",  "Write: 64%",
                            "Write: 72%",  "Write: 80%",  "Write: 88%",  "Write: 97%"};
  std::int64_t now = 0;
  for (int b = 1; b <= 12; ++b) {
    const std::int64_t at = (24 + 5 * b) * 20;
    ui().Advance(at - now);
    now = at;
    EXPECT_EQ(Text(108, 1036), expected[b - 1]) << "block " << b;
  }
  ui().Advance(20);
  EXPECT_EQ(Text(108, 1036), "Write: 98%");
  ui().Advance(17 * 20);
  EXPECT_EQ(Text(108, 1036), "Write: 99%");
}

TEST_F(TransferTest, MissingJumperWarnsOnceAndTheWriteStillCompletes) {
  device->set_jumper_fitted(false);
  ui().SetMessageBoxDuration(500);  // the transfer goes on while it is read
  const auto eeprom_before = device->eeprom();
  G().ConfigImage[60] = 0x5555;
  ASSERT_EQ(ui().Click(kKdb, kWrite), "");
  RunUntilClosed(108);
  ASSERT_EQ(ui().Messages().size(), 1u);
  EXPECT_EQ(ui().Messages()[0].text,
            "        Servisní Jumper není připojen.\n\n Zapsaná data nebudou uložena do EEPROM.");
  EXPECT_EQ(ui().Messages()[0].caption, "Data write info");
  EXPECT_EQ(ui().Messages()[0].icon, ui::Icon::kInformation);
  EXPECT_EQ(s.sim().LogOf(Exchange::kWriteOutput).size(), 12u);
  EXPECT_EQ(s.sim().LogOf(Exchange::kSetFeature).size(), 1u + 12u + 3u);
  EXPECT_EQ(device->memory()[60], 0x5555);
  EXPECT_EQ(device->eeprom(), eeprom_before);
  EXPECT_EQ(G().DeviceOnline, 1);
}

// Esc at any point of either transfer is ignored: the popup runs to its end,
// so the image or the device is never left half done behind a success.
TEST_F(TransferTest, EscDuringATransferIsIgnored) {
  for (int w = 0; w < kConfigWords; ++w) device->memory()[w] = static_cast<std::uint16_t>(0x1000 + w);
  struct Case {
    const char* name;
    int button;
    int popup;
    int esc_after_ms;
  } cases[] = {
      {"read, waiting", kRead, 109, 100},       {"read, block 3", kRead, 109, 600},
      {"read, last block", kRead, 109, 1500},   {"write, jumper", kWrite, 108, 360},
      {"write, block 2", kWrite, 108, 560},     {"write, between saves", kWrite, 108, 1900},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    G().ConfigImage.fill(0x7777);
    s.sim().ClearLog();
    const std::size_t messages = ui().Messages().size();
    ASSERT_EQ(ui().Click(kKdb, c.button), "");
    ui().Advance(c.esc_after_ms);
    ASSERT_TRUE(ui().IsOpen(c.popup));
    ASSERT_EQ(ui().PressEsc(c.popup), "");
    EXPECT_TRUE(ui().IsOpen(c.popup));
    RunUntilClosed(c.popup, 5000);
    EXPECT_EQ(G().DeviceOnline, 1);
    // The dialog's own range checks may speak about the values read; the transfer does not.
    for (std::size_t m = messages; m < ui().Messages().size(); ++m)
      EXPECT_NE(ui().Messages()[m].caption, "SET info") << ui().Messages()[m].text;
    if (c.button == kRead) {
      for (int w = 16; w < kConfigWords; ++w) ASSERT_EQ(G().ConfigImage[w], 0x1000 + w) << "word " << w;
    } else {
      EXPECT_EQ(s.sim().LogOf(Exchange::kWriteOutput).size(), 12u);
      EXPECT_EQ(device->eeprom()[100], device->memory()[100]);
    }
    for (int w = 16; w < kConfigWords; ++w) device->memory()[w] = static_cast<std::uint16_t>(0x1000 + w);
  }
}

}  // namespace
}  // namespace travik
