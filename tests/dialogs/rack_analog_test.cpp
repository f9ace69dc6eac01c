// The UC-RGQ's own rules: limits and labels that follow the outputs' setup,
// its opening state off line, and "Přednastavení".
#include <gtest/gtest.h>

#include "member_test_support.h"

namespace travik {
namespace {

constexpr int kRgq = 160;
constexpr int kCurrent1 = 3568, kVoltage1 = 3569, kTemperature = 3607, kHumidity = 3608;
constexpr int kInLo = 3572, kInHi = 3573, kOutLo = 3577, kOutHi = 3576, kSafety1 = 3579;
constexpr int kCurrent2 = 3581, kPreset = 3602;

class RackAnalogTest : public testing::OfflineMemberTest {
 protected:
  void OpenOffline() { OfflineMemberTest::OpenOffline(36, kRgq); }  // "UC-RGQ"
  std::string T(int id) { return Text(kRgq, id); }
  bool Checked(int id) { return ui().Control(kRgq, id)->checked; }
};

TEST_F(RackAnalogTest, OpensOfflineWithDefaultsAndHiddenGroups) {
  OpenOffline();
  EXPECT_EQ(T(3570), "Vstup Lo [°C]");
  EXPECT_EQ(T(3578), "Inicializační hodnota");
  EXPECT_EQ(T(3591), "Inicializační hodnota");
  EXPECT_EQ(T(3574), "Výstup Hi [V]");
  EXPECT_EQ(T(3603), "Načíst UCRGQ");
  EXPECT_EQ(T(3604), "Zapsat UCRGQ");
  EXPECT_TRUE(Checked(kVoltage1));
  EXPECT_TRUE(Checked(kTemperature));
  EXPECT_FALSE(Checked(kHumidity));
  EXPECT_EQ(T(kInLo), "0.0");
  EXPECT_EQ(T(kInHi), "50.0");
  EXPECT_EQ(T(3585), "400");
  EXPECT_EQ(T(3586), "1600");
  EXPECT_EQ(T(3620), "0");
  EXPECT_EQ(T(3619), "                ");
  EXPECT_EQ(ui().Control(kRgq, 3566)->selection, 0);
  EXPECT_EQ(ui().Control(kRgq, 3554)->selection, 2);
  for (int id : {3603, 3604, 3617}) EXPECT_FALSE(Enabled(kRgq, id)) << id;
  for (int id = 3595; id <= 3599; ++id) EXPECT_FALSE(Visible(kRgq, id)) << id;
  for (int id = 3614; id <= 3617; ++id) EXPECT_FALSE(Visible(kRgq, id)) << id;
  EXPECT_EQ(Corrections(), 0u);
}

TEST_F(RackAnalogTest, OutputLimitsFollowTheKindOnTheNextTick) {
  OpenOffline();
  ASSERT_EQ(ui().Click(kRgq, kCurrent1), "");
  EXPECT_EQ(T(3574), "Výstup Hi [mA]");
  EXPECT_EQ(T(3578), "Safety hod. [mA]");
  ASSERT_EQ(ui().Type(kRgq, kOutHi, "15.0"), "");
  ASSERT_EQ(ui().Type(kRgq, kSafety1, "20.0"), "");
  ui().Advance(20);
  EXPECT_EQ(T(kOutHi), "15.0");
  EXPECT_EQ(Corrections(), 0u);
  ASSERT_EQ(ui().Click(kRgq, kVoltage1), "");
  EXPECT_EQ(T(3574), "Výstup Hi [V]");
  ui().Advance(20);
  EXPECT_EQ(T(kOutHi), "10.0");
  EXPECT_EQ(T(kSafety1), "10.0");
  EXPECT_EQ(Corrections(), 2u);
  EXPECT_EQ(T(kOutLo), "0.0");
}

TEST_F(RackAnalogTest, TheHumiditySourceNarrowsTheInputRange) {
  OpenOffline();
  ASSERT_EQ(ui().Type(kRgq, kInLo, "-5.0"), "");
  ASSERT_EQ(ui().Type(kRgq, kInHi, "150.0"), "");
  ui().Advance(20);
  EXPECT_EQ(Corrections(), 0u);  // both inside -50.0..200.0
  ASSERT_EQ(ui().Click(kRgq, kHumidity), "");
  EXPECT_EQ(T(3570), "Vstup Lo [%RH]");
  EXPECT_EQ(T(3571), "Vstup Hi [%RH]");
  EXPECT_FALSE(Checked(kTemperature));
  ui().Advance(20);
  EXPECT_EQ(T(kInLo), "0.0");
  EXPECT_EQ(T(kInHi), "100.0");
  EXPECT_EQ(Corrections(), 2u);
  ASSERT_EQ(ui().Click(kRgq, kTemperature), "");
  ASSERT_EQ(ui().Type(kRgq, kInLo, "-50.0"), "");
  ui().Advance(20);
  EXPECT_EQ(T(kInLo), "-50.0");
  EXPECT_EQ(Corrections(), 2u);
}

TEST_F(RackAnalogTest, PresetRestoresTheSetupAsWellAsTheTexts) {
  OpenOffline();
  ASSERT_EQ(ui().Click(kRgq, kHumidity), "");
  ASSERT_EQ(ui().Click(kRgq, kCurrent1), "");
  ASSERT_EQ(ui().Click(kRgq, kCurrent2), "");
  ASSERT_EQ(ui().Select(kRgq, 3556, 6), "");
  ASSERT_EQ(ui().Select(kRgq, 3566, 11), "");
  ASSERT_EQ(ui().SetChecked(kRgq, 3594, true), "");
  ASSERT_EQ(ui().Type(kRgq, 3562, "99"), "");
  ASSERT_EQ(ui().Click(kRgq, kPreset), "");
  EXPECT_TRUE(Checked(kVoltage1));
  EXPECT_TRUE(Checked(3582));
  EXPECT_TRUE(Checked(kTemperature));
  EXPECT_FALSE(Checked(3594));
  EXPECT_EQ(T(3570), "Vstup Lo [°C]");
  EXPECT_EQ(T(3574), "Výstup Hi [V]");
  EXPECT_EQ(ui().Control(kRgq, 3556)->selection, 2);
  EXPECT_EQ(ui().Control(kRgq, 3566)->selection, 0);
  EXPECT_EQ(T(3562), "30");
  // Cut to 16 characters.
  EXPECT_EQ(T(3619), "UC-RGQ  Kolvar  ");
}

}  // namespace
}  // namespace travik
