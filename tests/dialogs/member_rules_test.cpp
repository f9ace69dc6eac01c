// Rules of single members of the multi-channel family that the round trip
// does not reach.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "member_test_support.h"

namespace travik {
namespace {

constexpr int kBbh7h = 138, kLower = 2067, kUpper = 2068;

class MemberRulesTest : public testing::OfflineMemberTest {};

TEST_F(MemberRulesTest, Bbh7hLowerPotentiometerLimitStaysBelowTheUpper) {
  OpenOffline(18, kBbh7h);
  ASSERT_EQ(ui().Type(kBbh7h, kUpper, "10.0"), "");
  ASSERT_EQ(ui().Type(kBbh7h, kLower, "10.0"), "");
  ui().Advance(20);
  EXPECT_EQ(Text(kBbh7h, kLower), "9.9");
  EXPECT_EQ(Corrections(), 1u);
  // While the upper limit is being typed the lower one keeps its bound.
  ASSERT_EQ(ui().Type(kBbh7h, kUpper, "1"), "");
  ui().Advance(60);
  EXPECT_EQ(Text(kBbh7h, kLower), "9.9");
  ASSERT_EQ(ui().Focus(kBbh7h, kLower), "");
  ui().Advance(20);
  EXPECT_EQ(Text(kBbh7h, kLower), "0.9");
  EXPECT_EQ(Corrections(), 2u);
  // The upper limit at its minimum: the lower may equal it, and nothing repeats.
  ASSERT_EQ(ui().Type(kBbh7h, kUpper, "-20.0"), "");
  ASSERT_EQ(ui().Type(kBbh7h, kLower, "-20.0"), "");
  ui().Advance(200);
  EXPECT_EQ(Text(kBbh7h, kLower), "-20.0");
  EXPECT_EQ(Corrections(), 2u);
  // The upper limit's own check comes first.
  ASSERT_EQ(ui().Type(kBbh7h, kUpper, "250"), "");
  ASSERT_EQ(ui().Focus(kBbh7h, kLower), "");
  ui().Advance(20);
  EXPECT_EQ(Text(kBbh7h, kUpper), "200.0");
}

TEST_F(MemberRulesTest, Bbh8lAndBbh7hShowNoParityBeforeTheFirstRead) {
  OpenOffline(21, 145);
  EXPECT_EQ(ui().Control(145, 2215)->selection, 0);
  EXPECT_EQ(ui().Control(145, 2215)->items.size(), 3u);
  EXPECT_EQ(Text(145, 2214), "19200Bd");
  EXPECT_EQ(Text(145, 2232), "Kolvar BBH8L    ");
}

TEST_F(MemberRulesTest, EveryMemberOpensOffLineWithItsNamesAndNoDeviceButtons) {
  struct Row {
    int button, tpl, read, write;
    const char* name;
  };
  const Row rows[] = {
      {30, 154, 3020, 3022, "UCRGJ6Y"}, {31, 152, 3020, 3022, "UCVWW7Q"},
      {32, 153, 3020, 3022, "UCMXB7K"}, {33, 157, 3020, 3022, "UCBCN7U"},
      {34, 158, 3487, 3489, "UC-RGJ-H"}, {26, 151, 2515, 2516, "BBH7QS"},
      {13, 133, 1515, 1516, "BBH7T"},   {14, 135, 1603, 1604, "JBC3S"},
      {18, 138, 2091, 2093, "BBH7H"},   {21, 145, 2227, 2229, "BBH8L"},
      {36, 160, 3603, 3604, "UCRGQ"},   {38, 162, 3741, 3743, "UCRGQR"},
      {35, 159, 3551, 3553, "UCVWC"},   {39, 163, 3801, 3803, "UCMXH"},
      {37, 161, 3681, 3683, "UCBCM"},
  };
  s.Start();
  ui().Advance(310);
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonConfig), "");
    ASSERT_EQ(ui().Click(res::kDlgOffline, r.button), "");
    ASSERT_EQ(ui().TopTemplate(), r.tpl);
    EXPECT_EQ(Text(r.tpl, r.read), std::string("Načíst ") + r.name);
    EXPECT_EQ(Text(r.tpl, r.write), std::string("Zapsat ") + r.name);
    EXPECT_FALSE(Enabled(r.tpl, r.read));
    EXPECT_FALSE(Enabled(r.tpl, r.write));
    ASSERT_EQ(ui().CloseBox(r.tpl), "");
    ASSERT_FALSE(ui().IsOpen(r.tpl));
  }
  // The opening corrected nothing.
  for (std::size_t i = base_; i < ui().Messages().size(); ++i)
    EXPECT_NE(ui().Messages()[i].text, "Hodnota mimo rozsah");
}

TEST_F(MemberRulesTest, UcRgjHRefusesAnotherModelsFileByItsModelName) {
  OpenOffline(34, 158);
  const auto path = std::filesystem::temp_directory_path() / "ucrgjh_test.kvc";
  ui().QueueFileAnswer(path.string());
  ASSERT_EQ(ui().Click(158, 3488), "");
  // The UC-RGJ's file is not the UC-RGJ-H's, though its name starts alike.
  std::string bytes = testing::ReadFile(path);
  ASSERT_EQ(bytes.substr(0, 16), "  UCRGJ6YA      ");
  bytes.replace(0, 16, "  UCRGJ6Y       ");
  std::ofstream(path, std::ios::binary) << bytes;
  ui().QueueFileAnswer(path.string());
  ASSERT_EQ(ui().Click(158, 3486), "");
  ASSERT_FALSE(ui().Messages().empty());
  EXPECT_EQ(ui().Messages().back().text, "Konfigurační soubor není určen pro zařízení UC-RGJ-H");
  std::filesystem::remove(path);
}

// The LCD members bracket their transfers with 0xC8/0xC9 after a status
// query; the UC-RGJ-H, BBH7H, BBH8L and the analog-output line send the blocks
// alone. One read at opening and one write each.
TEST_F(MemberRulesTest, OnlyTheLcdMembersBracketTheirTransfers) {
  struct Row {
    const char* model;
    int tpl, write;
    bool bracket;
  };
  const Row rows[] = {{"UC-RGJ", 154, 3022, true},   {"UC-MXB", 153, 3022, true},
                      {"BBH7T", 133, 1516, true},    {"JBC3S", 135, 1604, true},
                      {"UC-RGJ-H", 158, 3489, false}, {"BBH7H", 138, 2093, false},
                      {"BBH8L", 145, 2229, false},   {"UC-VWC", 159, 3553, false}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.model);
    Session session;
    auto& dev = session.sim().AddTransmitter(*sim::FindSimModel(r.model));
    session.Start();
    auto& u = session.ui();
    u.Advance(700);
    ASSERT_EQ(u.Click(res::kMainWindow, res::kButtonConfig), "");
    ASSERT_TRUE(u.AdvanceUntil([&] { return !u.IsOpen(109); }, 10000));
    ASSERT_EQ(u.Click(r.tpl, r.write), "");
    ASSERT_TRUE(u.AdvanceUntil([&] { return !u.IsOpen(108); }, 10000));
    EXPECT_EQ(dev.host_transfers(), r.bracket ? 2 : 0);
    EXPECT_EQ(dev.unbracketed_blocks(), r.bracket ? 0 : 24);
    EXPECT_TRUE(u.Messages().empty()) << u.Messages().front().text;
    ASSERT_EQ(u.CloseBox(r.tpl), "");
  }
}

}  // namespace
}  // namespace travik
