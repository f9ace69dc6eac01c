// What the simulated transmitter answers.
#include <algorithm>
#include <string>

#include "sim_test_support.h"

namespace travik::sim {
namespace {

class TransmitterTest : public SimFixture {
 protected:
  void SetUp() override {
    SimFixture::SetUp();
    tx = &bus.AddTransmitter();
    tx->SetIdText("KDB 1.0 SN12345");
    tx->SetFirmware("00.01.05");
    Connect();
  }
  SimTransmitter* tx = nullptr;
};

TEST_F(TransmitterTest, InitMakesTheNextInputReportTheIdentification) {
  std::array<std::uint8_t, 64> report{};
  EXPECT_FALSE(Read(report));  // nothing asked for yet: the wait expires
  ASSERT_TRUE(Send(0xCC));
  ASSERT_TRUE(Read(report));
  EXPECT_EQ(report[0], 0);
  EXPECT_EQ(std::string(report.begin() + 1, report.begin() + 17), "KDB 1.0 SN12345 ");
  EXPECT_EQ(std::string(report.begin() + 17, report.begin() + 25), "00.01.05");
  EXPECT_TRUE(std::all_of(report.begin() + 25, report.end(), [](std::uint8_t b) { return b == 0; }));
  EXPECT_FALSE(Read(report));  // one record per init
}

struct BlockCase {
  int block;
  int first_word;
  int words;
};

class BlockLayoutTest : public TransmitterTest, public ::testing::WithParamInterface<BlockCase> {};

TEST_P(BlockLayoutTest, ReadBlockStreamsTheBlocksWordsBigEndian) {
  const BlockCase& c = GetParam();
  for (int i = 0; i < kConfigWords; ++i) tx->memory()[i] = static_cast<std::uint16_t>(0x0100 * i + 0x55);
  ASSERT_TRUE(Send(0xC0, static_cast<std::uint8_t>(c.block)));
  for (int pass = 0; pass < 2; ++pass) {
    std::array<std::uint8_t, 64> report{};
    ASSERT_TRUE(Read(report));
    for (int k = 0; k < c.words; ++k) EXPECT_EQ(WordAt(report, k), tx->memory()[c.first_word + k]) << k;
    EXPECT_TRUE(std::all_of(report.begin() + 1 + 2 * c.words, report.end(), [](std::uint8_t b) { return b == 0; }));
  }
}

TEST_P(BlockLayoutTest, WriteBlockStoresTheReportsWords) {
  const BlockCase& c = GetParam();
  const SimTransmitter::Memory before = tx->memory();
  std::array<std::uint8_t, 64> report{};
  for (int i = 1; i < 64; ++i) report[i] = static_cast<std::uint8_t>(0xA0 + i);
  ASSERT_TRUE(Send(0xC1, static_cast<std::uint8_t>(c.block)));
  ASSERT_TRUE(Write(report));
  for (int i = 0; i < kConfigWords; ++i) {
    const bool inside = i >= c.first_word && i < c.first_word + c.words;
    EXPECT_EQ(tx->memory()[i], inside ? WordAt(report, i - c.first_word) : before[i]) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Sim, BlockLayoutTest,
                         ::testing::Values(BlockCase{1, 0, 16}, BlockCase{2, 16, 12}, BlockCase{3, 28, 12},
                                           BlockCase{4, 40, 16}, BlockCase{5, 56, 16}, BlockCase{8, 104, 16},
                                           BlockCase{12, 168, 16}),
                         [](const auto& info) { return "block" + std::to_string(info.param.block); });

TEST_F(TransmitterTest, LiveValuesAreFreshOnEveryRead) {
  int64_t now = 0;
  bus.SetClock([&] { return now; });
  tx->SetLiveWord(0, 235);
  ASSERT_TRUE(Send(0xC0, 1));
  std::array<std::uint8_t, 64> report{};
  ASSERT_TRUE(Read(report));
  EXPECT_EQ(WordAt(report, 0), 235);
  tx->SetLiveWord(0, 0xFF9C);
  ASSERT_TRUE(Read(report));
  EXPECT_EQ(WordAt(report, 0), 0xFF9C);

  tx->SetLiveWord(0, 235);
  tx->SetLiveValues(AliveWobble());
  std::vector<std::uint16_t> seen;
  for (now = 0; now < 10000; now += 1000) {
    ASSERT_TRUE(Read(report));
    seen.push_back(WordAt(report, 0));
  }
  EXPECT_EQ(*std::min_element(seen.begin(), seen.end()), 233);
  EXPECT_EQ(*std::max_element(seen.begin(), seen.end()), 237);
  EXPECT_EQ(tx->memory()[0], 235);  // the stored value does not drift
}

// Writes one word through block 4 (word 40, area 0) and saves areas 0-2.
TEST_F(TransmitterTest, SavedWordsSurviveAPowerCycleUnsavedOnesDoNot) {
  std::array<std::uint8_t, 64> report{};
  report[1] = 0x12;
  report[2] = 0x34;
  ASSERT_TRUE(Send(0xC1, 4));
  ASSERT_TRUE(Write(report));
  EXPECT_EQ(tx->memory()[40], 0x1234);
  EXPECT_NE(tx->eeprom()[40], 0x1234);

  // Area 2 (words 128-183) does not hold word 40.
  ASSERT_TRUE(Send(0xCD, 2));
  EXPECT_NE(tx->eeprom()[40], 0x1234);
  ASSERT_TRUE(Send(0xCD, 0));
  EXPECT_EQ(tx->eeprom()[40], 0x1234);

  ASSERT_TRUE(Send(0xC1, 12));
  report[1] = 0xBE;
  report[2] = 0xEF;
  ASSERT_TRUE(Write(report));  // word 168, never saved
  tx->PowerCycle();
  EXPECT_EQ(tx->memory()[40], 0x1234);
  EXPECT_NE(tx->memory()[168], 0xBEEF);
}

struct AreaCase {
  int area;
  int first;
  int last;
};

class EepromAreaTest : public TransmitterTest, public ::testing::WithParamInterface<AreaCase> {};

TEST_P(EepromAreaTest, SaveCopiesExactlyTheAreasWords) {
  const AreaCase& c = GetParam();
  for (int i = 0; i < kConfigWords; ++i) tx->memory()[i] = static_cast<std::uint16_t>(0x4000 + i);
  ASSERT_TRUE(Send(0xCD, static_cast<std::uint8_t>(c.area)));
  for (int i = 16; i < kConfigWords; ++i) {
    EXPECT_EQ(tx->eeprom()[i] == 0x4000 + i, i >= c.first && i <= c.last) << i;
  }
  EXPECT_EQ(tx->eeprom_writes(c.area), 1);
}

INSTANTIATE_TEST_SUITE_P(Sim, EepromAreaTest,
                         ::testing::Values(AreaCase{0, 16, 71}, AreaCase{1, 72, 127}, AreaCase{2, 128, 183}),
                         [](const auto& info) { return "area" + std::to_string(info.param.area); });

TEST_F(TransmitterTest, WithoutTheJumperNothingIsSaved) {
  tx->set_jumper_fitted(false);
  ASSERT_TRUE(Send(0xCE));
  EXPECT_EQ(Reply()[2], 1);
  tx->memory()[100] = 0xABCD;
  for (std::uint8_t area = 0; area < 4; ++area) EXPECT_TRUE(Send(0xCD, area));  // accepted all the same
  EXPECT_NE(tx->eeprom()[100], 0xABCD);
  tx->PowerCycle();
  EXPECT_NE(tx->memory()[100], 0xABCD);

  tx->set_jumper_fitted(true);
  ASSERT_TRUE(Send(0xCE));
  EXPECT_EQ(Reply()[2], 0);
}

TEST_F(TransmitterTest, ReplyCarriesTheStatusWordBigEndian) {
  EXPECT_EQ(Reply()[5], 0x00);
  tx->SetUserMenuOpen(true);
  std::array<std::uint8_t, 9> reply = Reply();
  EXPECT_EQ(reply[5], 0xB0);
  EXPECT_EQ(reply[6], 0x00);
  tx->set_status_word(0x00B0);
  reply = Reply();
  EXPECT_EQ(reply[5], 0x00);
  EXPECT_EQ(reply[6], 0xB0);
}

struct MagicCase {
  const char* name;
  std::uint8_t code;
  std::uint8_t p2;
  std::uint32_t argument;
  bool obeyed;
};

class MagicTest : public TransmitterTest, public ::testing::WithParamInterface<MagicCase> {};

TEST_P(MagicTest, CommandsNeedingTheMagicAreIgnoredWithoutIt) {
  const MagicCase& c = GetParam();
  EXPECT_TRUE(Send(c.code, c.p2, c.argument));  // the bus accepts it either way
  EXPECT_EQ(tx->ignored_commands(), c.obeyed ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Sim, MagicTest,
    ::testing::Values(MagicCase{"init", 0xCC, 0, kCommandMagic, true}, MagicCase{"init_zero", 0xCC, 0, 0, false},
                      MagicCase{"read_bad_magic", 0xC0, 1, kCommandMagic ^ 1, false},
                      MagicCase{"read_block_13", 0xC0, 13, kCommandMagic, false},
                      MagicCase{"write_block_0", 0xC1, 0, kCommandMagic, false},
                      MagicCase{"save_area0_zero", 0xCD, 0, 0, false},
                      MagicCase{"save_area3_zero", 0xCD, 3, 0, true},
                      MagicCase{"save_area4", 0xCD, 4, kCommandMagic, false},
                      MagicCase{"jumper_zero", 0xCE, 0, 0, true},
                      MagicCase{"jumper_other", 0xCE, 0, 0x12345678, false},
                      MagicCase{"begin_zero", 0xC8, 0, 0, false}, MagicCase{"beep", 0xCF, 0, 0, true},
                      MagicCase{"restart_zero", 0xCA, 0, 0, false}, MagicCase{"unknown", 0x42, 0, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransmitterTest, IgnoredInitLeavesNoIdentification) {
  ASSERT_TRUE(Send(0xCC, 0, 0));
  std::array<std::uint8_t, 64> report{};
  EXPECT_FALSE(Read(report));
}

TEST_F(TransmitterTest, BeepsTransferBracketAndCalibrationValue) {
  ASSERT_TRUE(Send(0xCF, 0, 0));
  ASSERT_TRUE(Send(0xCF, 0, 0));
  EXPECT_EQ(tx->beep_count(), 2);
  ASSERT_TRUE(Send(0xC8));
  EXPECT_TRUE(tx->host_transfer_active());
  ASSERT_TRUE(Send(0xC9));
  EXPECT_FALSE(tx->host_transfer_active());

  // 400 in the dialog form: 00 F0 01 90 00 00 00 00 00.
  ASSERT_TRUE(SendFrame({0, 0xF0, 0x01, 0x90, 0, 0, 0, 0, 0}));
  EXPECT_EQ(tx->calibration().value, 400);
  EXPECT_EQ(tx->eeprom_calibration().value, 0);
  ASSERT_TRUE(Send(0xCD, 3, 0));
  EXPECT_EQ(tx->eeprom_calibration(), tx->calibration());
  ASSERT_TRUE(SendFrame({0, 0xF0, 0x00, 0x05, 0, 0, 0, 0, 0}));
  tx->PowerCycle();
  EXPECT_EQ(tx->calibration().value, 400);
  EXPECT_EQ(tx->calibration().frames.size(), 1u);
}

TEST_F(TransmitterTest, ShortFeatureReportIsRefused) {
  std::array<std::uint8_t, 9> frame = Frame(0xCF);
  EXPECT_FALSE(SendFeatureReport(frame.data(), 4, 1));
  EXPECT_EQ(tx->beep_count(), 0);
}

}  // namespace
}  // namespace travik::sim
