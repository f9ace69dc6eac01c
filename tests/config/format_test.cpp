#include "config/format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace travik {
namespace {

TEST(FormatTest, FixedPointTexts) {
  struct Case {
    int value;
    const char* tenths;
    const char* hundredths;
  };
  const Case cases[] = {
      {0, "0.0", "0.00"},         {5, "0.5", "0.05"},        {-5, "-0.5", "-0.05"},
      {-15, "-1.5", "-0.15"},     {200, "20.0", "2.00"},     {-200, "-20.0", "-2.00"},
      {-105, "-10.5", "-1.05"},   {32767, "3276.7", "327.67"}, {-32768, "-3276.8", "-327.68"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatTenths(static_cast<std::int16_t>(c.value)), c.tenths) << c.value;
    EXPECT_EQ(FormatHundredths(static_cast<std::int16_t>(c.value)), c.hundredths) << c.value;
  }
  EXPECT_EQ(FormatThousandths(1000), "1.000");
  EXPECT_EQ(FormatThousandths(7), "0.007");
  EXPECT_EQ(FormatThousandths(65535), "65.535");
  EXPECT_EQ(FormatInt(-32768), "-32768");
  EXPECT_EQ(FormatInt(65535), "65535");
}

TEST(FormatTest, ParseTenths) {
  struct Case {
    const char* text;
    int value;
    bool parsed = true;
  };
  const Case cases[] = {
      {"1,5", 15},     {"1.56", 16},    {"1.55", 15},   {"-1.57", -15},  {"-20.05", -200},
      {"20.0", 200},   {"25", 250},     {"0.06", 1},    {"-0.06", 0},    {"-0,5", -5},
      {".5", 5},       {"+3", 30},      {"1e1", 100},   {"15e-1", 15},   {"007.3", 73},
      {"2.1", 21},     {"4.2", 42},     {"9.9", 99},    {"16.3", 163},   {"400.07", 4001},
      {" 2.5 ", 25},   {"1.", 10},
      // Only a whole number parses: a partly read entry would be written as a
      // value nobody sees.
      {"", 0, false},     {"abc", 0, false},   {"-", 0, false},     {",5", 0, false},
      {"  2.5x", 0, false}, {"1.5.7", 0, false}, {"1,5,7", 0, false}, {"1e", 0, false},
      {"1e9999x", 0, false}, {"2 5", 0, false},
  };
  for (const auto& c : cases) {
    bool parsed = !c.parsed;
    EXPECT_EQ(ParseTenths(c.text, &parsed), c.value) << c.text;
    EXPECT_EQ(parsed, c.parsed) << c.text;
  }
}

TEST(FormatTest, ParseWhole) {
  struct Case {
    const char* text;
    int value;
    bool parsed;
    bool whole;
  };
  const Case cases[] = {
      {"150", 150, true, true},    {"200.0", 200, true, true},  {"-200.0", -200, true, true},
      {"150.7", 150, true, false}, {"150.05", 150, true, false}, {"-0.5", 0, true, false},
      {"1e2", 100, true, true},    {"15e-1", 1, true, false},    {"150,00", 150, true, true},
      {"abc", 0, false, true},     {"12x", 0, false, true},
  };
  for (const auto& c : cases) {
    bool parsed = !c.parsed;
    bool whole = !c.whole;
    EXPECT_EQ(ParseWholeWide(c.text, &parsed, &whole), c.value) << c.text;
    EXPECT_EQ(parsed, c.parsed) << c.text;
    EXPECT_EQ(whole, c.whole) << c.text;
  }
}

// Binary floats misread the rounding digit of many everyday entries (2.1f *
// 100 is 209.99998); every one- and two-decimal entry must come out as typed.
TEST(FormatTest, ParsersTakeTheTypedDigits) {
  char buf[32];
  for (int v = -32000; v <= 32000; ++v) {
    const int m = std::abs(v);
    std::snprintf(buf, sizeof buf, "%s%d.%d", v < 0 ? "-" : "", m / 10, m % 10);
    ASSERT_EQ(ParseTenths(buf), v) << buf;
    std::snprintf(buf, sizeof buf, "%s%d.%02d", v < 0 ? "-" : "", m / 100, m % 100);
    ASSERT_EQ(ParseHundredths(buf), v) << buf;
  }
  for (int v = 0; v <= 65535; ++v) {
    std::snprintf(buf, sizeof buf, "%d.%03d", v / 1000, v % 1000);
    ASSERT_EQ(ParseThousandthsWide(buf), v) << buf;
  }
}

TEST(FormatTest, ParseHundredths) {
  const std::pair<const char*, int> cases[] = {
      {"0.016", 2},    {"0.015", 1},    {"-0.016", -2},  {"-0.015", -1}, {"1,23", 123},
      {"20.00", 2000}, {"-0.05", -5},   {"", 0},
      // The word is unsigned in some dialogs: 650.00 m/s must keep its bit pattern.
      {"650.00", static_cast<std::int16_t>(65000)},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ParseHundredths(text), expected) << text;
}

TEST(FormatTest, ParseThousandths) {
  const std::pair<const char*, int> cases[] = {
      {"1.000", 1000}, {"1,0006", 1001}, {"1.0005", 1000}, {"65", 65000}, {"70", 70000},
      {"100.5", 65535}, {"  1.5", 65535}, {"-1", -1000},  {"", 0},       {"1e1", 10000},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ParseThousandthsWide(text), expected) << text;
}

TEST(FormatTest, ParseInt) {
  struct Case {
    const char* text;
    int value;
    bool parsed;
  };
  const Case cases[] = {
      {"42", 42, true},          {"  -17", -17, true},     {"+7", 7, true},
      {"70000", 70000, true},    {" 12 ", 12, true},
      // The whole text must be the number.
      {"12abc", 0, false},       {"1.9", 0, false},        {"1e9999", 0, false},
      {"99999999999", 2147483647, true}, {"-99999999999", -2147483647 - 1, true},
      {"", 0, false},            {"-", 0, false},          {"abc", 0, false},
      {"- 5", 0, false},         {"+-5", 0, false},
  };
  for (const auto& c : cases) {
    bool parsed = !c.parsed;
    EXPECT_EQ(ParseInt(c.text, &parsed), c.value) << c.text;
    EXPECT_EQ(parsed, c.parsed) << c.text;
  }
}

TEST(FormatTest, SpeedListSortsInCodeOrder) {
  const auto& texts = SpeedTexts();
  EXPECT_TRUE(std::is_sorted(texts.begin(), texts.end()));
  EXPECT_EQ(texts[0], " 1200Bd");
  EXPECT_EQ(SpeedText(kDefaultSpeedCode), "19200Bd");
  EXPECT_EQ(SpeedText(6), "57600Bd");
  EXPECT_FALSE(SpeedText(7));
  EXPECT_FALSE(SpeedText(-1));
}

TEST(FormatTest, TextFieldPacking) {
  std::array<std::uint16_t, 8> words{};
  PackTextField("AB\xE8", words.data());  // 0xE8 is c with caron
  EXPECT_EQ(words[0], 0x4142);
  EXPECT_EQ(words[1], 0xE820);
  for (int k = 2; k < 8; ++k) EXPECT_EQ(words[k], 0x2020);
  EXPECT_EQ(UnpackTextField(words.data()), std::string("AB\xE8") + std::string(13, ' '));

  PackTextField("0123456789ABCDEFGHIJ", words.data());
  EXPECT_EQ(words[7], ('E' << 8) | 'F');
  EXPECT_EQ(UnpackTextField(words.data()), "0123456789ABCDEF");

  // A device that was never written holds zeros.
  words.fill(0);
  words[0] = 0x4100;
  EXPECT_EQ(UnpackTextField(words.data()), "A");
}

}  // namespace
}  // namespace travik
