#include "config/checks.h"

#include <gtest/gtest.h>

#include "support/fake_dialog.h"

namespace travik {
namespace {

using fake::FakeDialog;

constexpr int kField = 1332;
constexpr int kOther = 1349;

enum class Kind { kTenths, kWholeTenths, kThousandths, kSigned, kUnsigned };

struct Case {
  Kind kind;
  const char* text;
  int max;
  int min;
  const char* after;  // nullptr: left as typed, no message
  bool focused = false;
  bool message = true;  // with "Hodnota mimo rozsah" when replaced
};

bool RunCheck(FakeDialog& d, const Case& c) {
  switch (c.kind) {
    case Kind::kTenths:
      return CheckTenths(d, kField, static_cast<std::int16_t>(c.min), static_cast<std::int16_t>(c.max));
    case Kind::kWholeTenths:
      return CheckWholeTenths(d, kField, static_cast<std::int16_t>(c.min),
                              static_cast<std::int16_t>(c.max));
    case Kind::kThousandths:
      return CheckThousandths(d, kField, static_cast<std::uint16_t>(c.min),
                              static_cast<std::uint16_t>(c.max));
    case Kind::kSigned:
      return CheckSignedInt(d, kField, static_cast<std::int16_t>(c.min), static_cast<std::int16_t>(c.max));
    case Kind::kUnsigned:
      return CheckUnsignedInt(d, kField, static_cast<std::uint16_t>(c.min),
                              static_cast<std::uint16_t>(c.max));
  }
  return false;
}

TEST(ChecksTest, ReplaceOnlyOutOfRangeEntries) {
  const Case cases[] = {
      // Temperature shift, -20.0..20.0.
      {Kind::kTenths, "25", 200, -200, "20.0"},
      {Kind::kTenths, "-20.05", 200, -200, nullptr},
      {Kind::kTenths, "-20.1", 200, -200, "-20.0"},
      {Kind::kTenths, "20.0", 200, -200, nullptr},
      {Kind::kTenths, "20,06", 200, -200, "20.0"},
      {Kind::kTenths, "1,5", 200, -200, nullptr},
      // Empty counts as 0: left alone while it has the focus, then shown as 0.
      {Kind::kTenths, "", 200, -200, nullptr, true},
      {Kind::kTenths, "", 200, -200, "0.0", false, false},
      {Kind::kTenths, "", 200, 10, "1.0"},
      // No number as a whole: counts as 0 and is replaced at once.
      {Kind::kTenths, "abc", 200, -200, "0.0"},
      {Kind::kTenths, "12abc", 200, -200, "0.0"},
      {Kind::kTenths, "12abc", 200, 10, "1.0"},
      {Kind::kTenths, "1,5,7", 200, -200, "0.0"},
      {Kind::kTenths, "-", 200, -200, nullptr, true},
      {Kind::kTenths, "-", 200, -200, "0.0"},
      {Kind::kTenths, ".", 200, -200, nullptr, true},
      {Kind::kTenths, "-.", 200, -200, nullptr, true},
      {Kind::kTenths, "-.", 200, -200, "0.0"},
      {Kind::kTenths, "-x", 200, -200, "0.0", true},
      // Too large for 16 bits: still the maximum, not whatever the low bits say.
      {Kind::kTenths, "5000", 200, -200, "20.0"},
      {Kind::kTenths, "-5000", 200, -200, "-20.0"},
      {Kind::kTenths, "1e9", 200, -200, "20.0"},
      // CO2 shift: an integer field checked in tenths.
      {Kind::kTenths, "250", 2000, -2000, "200.0"},
      {Kind::kTenths, "150", 2000, -2000, nullptr},
      {Kind::kTenths, "4000", 2000, -2000, "200.0"},
      // The same as whole ppm: a fraction would be cut off unseen.
      {Kind::kWholeTenths, "250", 2000, -2000, "200.0"},
      {Kind::kWholeTenths, "150", 2000, -2000, nullptr},
      {Kind::kWholeTenths, "200.0", 2000, -2000, nullptr},
      {Kind::kWholeTenths, "150.7", 2000, -2000, "150"},
      {Kind::kWholeTenths, "150,05", 2000, -2000, "150"},
      {Kind::kWholeTenths, "-150.5", 2000, -2000, "-150"},
      {Kind::kWholeTenths, "-0.5", 2000, -2000, "0"},
      {Kind::kWholeTenths, "70000", 2000, -2000, "200.0"},
      {Kind::kWholeTenths, "x", 2000, -2000, "0.0"},

      {Kind::kThousandths, "1.000", 65000, 1000, nullptr},
      {Kind::kThousandths, "65,000", 65000, 1000, nullptr},
      {Kind::kThousandths, "0,5", 65000, 1000, "1.000"},
      {Kind::kThousandths, "", 65000, 1000, "1.000"},
      {Kind::kThousandths, "100.5", 65000, 1000, "65.000"},
      {Kind::kThousandths, "70", 65000, 1000, "65.000"},
      {Kind::kThousandths, "-1", 65000, 1000, "1.000"},
      {Kind::kThousandths, "2x", 65000, 1000, "1.000"},
      {Kind::kThousandths, "", 65000, 0, "0.000", false, false},

      // A lone sign waits while the user types; once the focus has left it is no number.
      {Kind::kSigned, "-", 200, -200, nullptr, true},
      {Kind::kSigned, "-", 200, -200, "-200"},
      {Kind::kSigned, "-201", 200, -200, "-200"},
      {Kind::kSigned, "200", 200, -200, nullptr},
      {Kind::kSigned, "40000", 32767, -32768, "32767"},
      {Kind::kSigned, "-40000", 32767, -32768, "-32768"},
      {Kind::kSigned, "abc", 200, -200, "-200"},
      {Kind::kSigned, "+", 200, -200, "-200"},
      {Kind::kSigned, "", 200, -200, "-200"},
      {Kind::kSigned, "", 200, -200, nullptr, true},
      {Kind::kSigned, "x", 200, -200, "-200", true},
      {Kind::kSigned, "12abc", 200, -200, "-200"},
      {Kind::kSigned, "1e9999", 200, -200, "-200"},
      {Kind::kSigned, "5.0", 200, -200, "-200"},

      // Network address, 1..254.
      {Kind::kUnsigned, "0", 254, 1, "1"},
      {Kind::kUnsigned, "255", 254, 1, "254"},
      {Kind::kUnsigned, "254", 254, 1, nullptr},
      {Kind::kUnsigned, "1", 254, 1, nullptr},
      {Kind::kUnsigned, "-1", 254, 1, "254"},
      {Kind::kUnsigned, "-", 254, 1, "1"},
      {Kind::kUnsigned, "", 254, 1, "1"},
      {Kind::kUnsigned, "", 254, 1, nullptr, true},
      {Kind::kUnsigned, "65535", 65535, 0, nullptr},
      {Kind::kUnsigned, "70000", 65535, 0, "65535"},
      {Kind::kUnsigned, "1e9999", 254, 1, "1"},
  };
  for (const auto& c : cases) {
    FakeDialog d;
    d.texts[kField] = c.text;
    d.focus = c.focused ? kField : kOther;
    const bool replaced = RunCheck(d, c);
    SCOPED_TRACE(std::string("text \"") + c.text + "\" " + std::to_string(c.min) + ".." +
                 std::to_string(c.max));
    if (c.after == nullptr) {
      EXPECT_FALSE(replaced);
      EXPECT_EQ(d.texts[kField], c.text);
      EXPECT_TRUE(d.boxes.empty());
    } else {
      EXPECT_TRUE(replaced);
      EXPECT_EQ(d.texts[kField], c.after);
      if (!c.message) {
        EXPECT_TRUE(d.boxes.empty());
        continue;
      }
      ASSERT_EQ(d.boxes.size(), 1u);
      EXPECT_EQ(d.boxes[0].text, "Hodnota mimo rozsah");
      EXPECT_EQ(d.boxes[0].caption, "Nastavená hodnota");
      EXPECT_EQ(d.boxes[0].icon, ui::Icon::kInformation);
    }
  }
}

// Only the first 9 characters take part, as the control is read.
TEST(ChecksTest, ReadsAtMostNineCharacters) {
  FakeDialog d;
  d.texts[kField] = "0000000005";  // the first nine are zeros
  EXPECT_TRUE(CheckUnsignedInt(d, kField, 1, 254));
  EXPECT_EQ(d.texts[kField], "1");
}

// A replaced value is inside the limits: the next tick leaves it alone.
TEST(ChecksTest, ReplacementPassesTheNextTick) {
  FakeDialog d;
  d.texts[kField] = "-25";
  EXPECT_TRUE(CheckTenths(d, kField, -200, 200));
  EXPECT_FALSE(CheckTenths(d, kField, -200, 200));
  EXPECT_EQ(d.texts[kField], "-20.0");
  EXPECT_EQ(d.boxes.size(), 1u);
}

}  // namespace
}  // namespace travik
