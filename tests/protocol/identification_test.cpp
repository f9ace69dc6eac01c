// Device type from the ID text, and the firmware minimum.
#include <gtest/gtest.h>

#include <cstring>

#include "core/globals.h"
#include "protocol/identification.h"

namespace travik {
namespace {

void Record(const char* id16, const char* firmware8) {
  auto& in = G().InputReport;
  in.fill(0);
  std::memcpy(&in[1], id16, std::strlen(id16) < 16 ? std::strlen(id16) : 16);
  std::memcpy(&in[17], firmware8, 8);
}

TEST(Identification, PrefixesAndTheirTies) {
  struct Case {
    const char* id;
    int type;  // -1: unchanged
  };
  const Case cases[] = {
      {"KDB 1.0         ", 6},  {"KDB7DY          ", 49}, {"KDBX            ", -1},
      {"BBH7Q 2         ", 16}, {"BBH7QS 2        ", 31}, {"BBH7QX          ", 16},
      {"UCRGJ6Y1        ", 34}, {"UCRGJ6YA        ", 35}, {"UCRGQ           ", 39},
      {"UCRGQR          ", 40}, {"UCRGQX          ", 39}, {"NBBSZ           ", 29},
      {"NBBS?           ", 29}, {"NBBV1           ", 30}, {"U-U7            ", 4},
      {"E-TG6XK6        ", 20}, {"N3tNT           ", 48}, {"n3tnt           ", -1},
      {"NSC 24          ", 0},  {"ZZZ             ", -1}, {"", -1},
  };
  for (const auto& c : cases) {
    ResetProgramState();
    G().DeviceType = 12;  // the previous device's type
    Record(c.id, "00.00.24");
    FillIdentification();
    EXPECT_EQ(G().DeviceType, c.type < 0 ? 12 : c.type) << c.id;
  }
}

TEST(Identification, TextsAndDigits) {
  ResetProgramState();
  Record("KDB 1.0 SN1234  ", "01.02.03");
  FillIdentification();
  EXPECT_EQ(TextOf(G().DeviceIdText), "  KDB 1.0 SN1234  ");
  EXPECT_EQ(TextOf(G().FirmwareText), "  01.02.03");
  EXPECT_EQ(G().FirmwareDigits, (std::array<std::uint8_t, 6>{0, 1, 0, 2, 0, 3}));
}

TEST(Identification, FirmwareMinimumByType) {
  struct Case {
    int type;
    const char* firmware;
    bool current;
  };
  const Case cases[] = {
      {0, "00.00.23", false}, {0, "00.00.24", true},  {0, "01.00.00", true},
      {0, "b0.00.24", true},  {0, "b0.00.23", false}, {2, "00.00.30", true},
      {1, "00.00.07", false}, {3, "00.00.10", true},  {4, "00.00.02", false},
      {6, "00.00.00", true},  {14, "99.99.99", false}, {45, "01.00.00", false},
      {49, "00.00.01", true}, {50, "01.00.00", false},
  };
  for (const auto& c : cases) {
    ResetProgramState();
    G().DeviceType = static_cast<std::uint8_t>(c.type);
    std::memcpy(G().FirmwareText.data(), "  ", 2);
    std::memcpy(G().FirmwareText.data() + 2, c.firmware, 8);
    EXPECT_EQ(FirmwareIsCurrent(), c.current) << c.type << " " << c.firmware;
  }
}

}  // namespace
}  // namespace travik
