// Rules of single members of the multi-channel family that the round trip
// does not reach.
#include <gtest/gtest.h>

#include "support/connected.h"

namespace travik {
namespace {

constexpr int kBbh7h = 138, kLower = 2067, kUpper = 2068;

class MemberRulesTest : public testing::ConnectedTest {
 protected:
  // Opens a member off line through its OFF LINE button.
  void OpenOffline(int button, int tpl) {
    s.Start();
    ui().Advance(310);
    ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonConfig), "");
    ASSERT_EQ(ui().Click(res::kDlgOffline, button), "");
    ASSERT_EQ(ui().TopTemplate(), tpl);
    base_ = ui().Messages().size();
  }
  std::size_t Corrections() {
    std::size_t n = 0;
    for (std::size_t i = base_; i < ui().Messages().size(); ++i)
      n += ui().Messages()[i].text == "Hodnota mimo rozsah";
    return n;
  }
  std::size_t base_ = 0;
};

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

}  // namespace
}  // namespace travik
