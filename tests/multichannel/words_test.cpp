// The arithmetic and codes of the multi-channel words, without windows.
#include <gtest/gtest.h>

#include <cmath>

#include "dialogs/multichannel/multichannel_words.h"

namespace travik::mc {
namespace {

TEST(QuickSelect, CodesMapToEntriesAndUnknownCodesLeaveTheCombo) {
  EXPECT_EQ(QuickSelectEntry(10), 0);
  for (int entry = 1; entry < kQuickSelectEntries; ++entry) {
    EXPECT_EQ(QuickSelectCode(entry), 18 + entry);
    EXPECT_EQ(QuickSelectEntry(QuickSelectCode(entry)), entry);
  }
  for (std::uint16_t code : {0, 9, 11, 14, 18, 24, 0xFFFF}) EXPECT_FALSE(QuickSelectEntry(code)) << code;
  EXPECT_EQ(QuickSelectCode(0), 10);
  EXPECT_EQ(QuickSelectMode(3), 1);
  EXPECT_EQ(QuickSelectMode(5), 3);
  EXPECT_EQ(QuickSelectMode(1), 0);
  EXPECT_EQ(ZeroStatesMessage(2),
            "Režim 2 (M2) má zvolen nulový počet stavů. Předvolba bude přenastavena na Neaktivní( ).");
}

TEST(ChannelFlags, BargraphAndSetpointBitsKeepTheOthers) {
  const std::uint16_t flags = 0xF3F2;  // kind 2, setpoint bit clear, others set
  EXPECT_EQ(BargraphKind(flags), 2);
  EXPECT_EQ(WithBargraph(flags, 1), 0xF3F1);
  EXPECT_FALSE(ShowsSetpoint(flags));
  EXPECT_EQ(WithSetpoint(flags, true), 0xF7F2);
  EXPECT_EQ(WithSetpoint(0xFFFF, false), 0xFBFF);
  EXPECT_EQ(BargraphKindText(3), "Konstantní");
  EXPECT_EQ(WithNibble(0x0222, 2, 10), 0x0A22);
  EXPECT_EQ(Nibble(0x0A22, 2), 10);
}

TEST(Pwm, FrequencyLimitsAndDividers) {
  // Two-state defaults and the PWM defaults.
  EXPECT_NEAR(PwmFrequency(kPwmDefaultS, kPwmDefaultP), 40.6914, 1e-4);
  EXPECT_DOUBLE_EQ(PwmMaxFrequency(2), 20000.0);
  EXPECT_DOUBLE_EQ(PwmMaxFrequency(999), 8000.0);
  EXPECT_NEAR(PwmMinFrequency(2), 40.69073, 1e-5);

  struct Row {
    std::uint16_t s;
    double wanted;
    Clamp clamp;
    std::uint16_t p;
    double frequency;
  };
  const Row rows[] = {
      {2, 25000, Clamp::kAboveMax, 133, 8e6 / (134 * 3)},  // 20000 exactly is not reachable
      {2, 40, Clamp::kBelowMin, 65534, 8e6 / (65535.0 * 3)},
      {2, 1000, Clamp::kNone, 2665, 8e6 / (2666.0 * 3)},
      {2, 20000, Clamp::kNone, 133, 8e6 / (134 * 3)},       // 133.33 -> n = 133 gives 20050: P = n
      {3, 20000, Clamp::kNone, 99, 20000.0},
      {65535, 1e6, Clamp::kAboveMax, 0, 8e6 / 65536},
      {2, std::nan(""), Clamp::kBelowMin, 65534, 8e6 / (65535.0 * 3)},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << "S " << r.s << " f " << r.wanted);
    const PwmSetting got = SetPwmFrequency(r.s, r.wanted);
    EXPECT_EQ(got.clamp, r.clamp);
    EXPECT_EQ(got.p, r.p);
    EXPECT_NEAR(got.frequency, r.frequency, 1e-9);
    EXPECT_LE(got.frequency, kPwmCeilingHz);
  }
  // The just-above-minimum frequency of three steps is accepted.
  EXPECT_EQ(SetPwmFrequency(2, 40.7).clamp, Clamp::kNone);
}

TEST(Pwm, StepCountKeepsThreeTo65536) {
  struct Row {
    const char* text;
    std::uint16_t s;
    const char* replacement;
  };
  const Row rows[] = {{"3", 2, nullptr},      {"2", 2, "3"},       {"", 2, "3"},
                      {"abc", 2, "3"},         {"65536", 65535, nullptr}, {"65537", 65535, "65536"},
                      {"100", 99, nullptr},    {"-5", 2, "3"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    const StepCount got = CheckStepCount(r.text);
    EXPECT_EQ(got.s, r.s);
    EXPECT_EQ(got.replacement.has_value(), r.replacement != nullptr);
    if (r.replacement != nullptr && got.replacement) {
      EXPECT_EQ(*got.replacement, r.replacement);
    }
  }
  EXPECT_EQ(FormatFixed6(40.69140625), "40.691406");
}

TEST(ActiveTime, ComboEntriesAndRecordTexts) {
  EXPECT_EQ(ActiveTimeEntry(5), 0);
  EXPECT_EQ(ActiveTimeEntry(60), 11);
  EXPECT_FALSE(ActiveTimeEntry(0));
  EXPECT_FALSE(ActiveTimeEntry(12));
  EXPECT_FALSE(ActiveTimeEntry(65));
  for (int entry = 0; entry < kActiveTimeEntries; ++entry) {
    const std::string text(ActiveTimeTexts()[entry]);
    EXPECT_EQ(ActiveTimeFromRecord(text), ActiveTimeSeconds(entry)) << text;
  }
  EXPECT_EQ(ActiveTimeFromRecord("5"), 55);  // "5" then anything but "s" or "0"
  EXPECT_EQ(ActiveTimeFromRecord("1x"), 15);
  EXPECT_FALSE(ActiveTimeFromRecord("7s"));
  EXPECT_FALSE(ActiveTimeFromRecord(""));
}

TEST(Records, WidthsAndWordLayout) {
  EXPECT_EQ(RecordWidth(1027, 5), 5);
  EXPECT_EQ(RecordWidth(7, 2), 2);
  EXPECT_EQ(RecordWidth(151, 2), 3);
  EXPECT_EQ(RecordWidth(65535, 1), 5);
  EXPECT_EQ(SymbolWord(0, 0), 92);
  EXPECT_EQ(SymbolWord(2, 15), 139);
  EXPECT_EQ(LinkWord(2), 88);
  EXPECT_EQ(StatesWord(1), 87);
}

}  // namespace
}  // namespace travik::mc
