// The USB identifier dialogs.
#include <gtest/gtest.h>

#include "app/session.h"
#include "core/globals.h"
#include "resources/resources.h"
#include "settings/settings_dialogs.h"

namespace travik {
namespace {

using namespace res;

TEST(ParseHexIdentifier, FollowsScanfHexRules) {
  struct Case {
    const char* text;
    std::optional<std::uint32_t> value;
  };
  const Case cases[] = {
      {"a601", 0xA601},   {"0xA601", 0xA601},  {"0XA601", 0xA601}, {"  4d8", 0x4D8},
      {"12345", 0x12345}, {"A6zz", 0xA6},      {"", std::nullopt}, {"xyz", std::nullopt},
      {"0x", 0},          {"123456789A", 0x123456789u & 0xFFFFFFFFu},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseHexIdentifier(c.text), c.value) << c.text;
}

TEST(OfflineDialog, ButtonsAndCommand19ChooseTheirTypes) {
  // Command 19 has no button in the template but still chooses type 20.
  const std::pair<int, int> rows[] = {{2, 0}, {8, 6}, {19, 20}, {41, 49}, {40, 48}, {1259, 2}};
  for (auto [id, type] : rows) EXPECT_EQ(OfflineDialog::TypeOfCommand(id), type) << id;
  EXPECT_EQ(OfflineDialog::TypeOfCommand(16), -1);
  EXPECT_EQ(OfflineDialog::TypeOfCommand(1), -1);
}

class UsbIdsTest : public ::testing::Test {
 protected:
  Session s;
  void SetUp() override {
    s.Start();
    s.ui().Advance(310);  // past the start-up search
  }
  std::string Text(int window, int id) { return s.ui().Control(window, id)->text; }
};

TEST_F(UsbIdsTest, ShowsTheIdentifiersAndStoresTheLow16Bits) {
  ASSERT_EQ(s.ui().MenuCommand(kMainWindow, kMenuUsbSet), "");
  ASSERT_EQ(s.ui().TopTemplate(), kDlgUsbSet);
  EXPECT_EQ(Text(kDlgUsbSet, 1001), "0xA600");
  EXPECT_EQ(Text(kDlgUsbSet, 1002), "0xE240");
  EXPECT_EQ(Text(kDlgUsbSet, 4111), "HID ID Nastavení");
  ASSERT_EQ(s.ui().Type(kDlgUsbSet, 1001, "a601"), "");
  ASSERT_EQ(s.ui().Type(kDlgUsbSet, 1002, "12345"), "");
  ASSERT_EQ(s.ui().Click(kDlgUsbSet, ui::kIdOk), "");
  EXPECT_FALSE(s.ui().IsOpen(kDlgUsbSet));
  EXPECT_EQ(G().TransmitterIds.vendor, 0xA601u);
  EXPECT_EQ(G().TransmitterIds.product, 0x2345u);
  EXPECT_EQ(G().CalibratorIds.product, 0xE24Fu);

  G().TransmitterIds.vendor = 0x04D8;
  ASSERT_EQ(s.ui().MenuCommand(kMainWindow, kMenuUsbSet), "");
  EXPECT_EQ(Text(kDlgUsbSet, 1001), "0x4D8");
}

TEST_F(UsbIdsTest, CancelAndTextWithoutANumberChangeNothing) {
  ASSERT_EQ(s.ui().MenuCommand(kMainWindow, kMenuUsbCal), "");
  ASSERT_EQ(s.ui().TopTemplate(), kDlgUsbCal);
  EXPECT_EQ(Text(kDlgUsbCal, 1218), "HID ID Nastavení, Kalibrátor");
  ASSERT_EQ(s.ui().Type(kDlgUsbCal, 1219, "1234"), "");
  ASSERT_EQ(s.ui().PressEsc(kDlgUsbCal), "");
  EXPECT_EQ(G().CalibratorIds.vendor, 0xA600u);

  ASSERT_EQ(s.ui().MenuCommand(kMainWindow, kMenuUsbCal), "");
  ASSERT_EQ(s.ui().Type(kDlgUsbCal, 1219, "1234"), "");
  ASSERT_EQ(s.ui().CloseBox(kDlgUsbCal), "");
  EXPECT_EQ(G().CalibratorIds.vendor, 0xA600u);

  ASSERT_EQ(s.ui().MenuCommand(kMainWindow, kMenuUsbCal), "");
  ASSERT_EQ(s.ui().Type(kDlgUsbCal, 1219, "hello"), "");
  ASSERT_EQ(s.ui().Type(kDlgUsbCal, 1220, ""), "");
  ASSERT_EQ(s.ui().Click(kDlgUsbCal, ui::kIdOk), "");
  EXPECT_EQ(G().CalibratorIds.vendor, 0xA600u);
  EXPECT_EQ(G().CalibratorIds.product, 0xE24Fu);
  EXPECT_EQ(G().TransmitterIds.vendor, 0xA600u);
}

TEST_F(UsbIdsTest, NewIdentifiersTakeEffectAtTheNextSearch) {
  auto& t = s.sim().AddTransmitter();
  t.set_ids(0x1111, 0x2222);
  ASSERT_EQ(s.ui().Click(kMainWindow, kButtonStart), "");
  EXPECT_EQ(s.ui().Messages().back().text, "Moje zařízení HID nenalezeno");
  ASSERT_EQ(s.ui().MenuCommand(kMainWindow, kMenuUsbSet), "");
  ASSERT_EQ(s.ui().Type(kDlgUsbSet, 1001, "1111"), "");
  ASSERT_EQ(s.ui().Type(kDlgUsbSet, 1002, "0x2222"), "");
  ASSERT_EQ(s.ui().Click(kDlgUsbSet, ui::kIdOk), "");
  ASSERT_EQ(s.ui().Click(kMainWindow, kButtonStart), "");
  EXPECT_EQ(G().DeviceOnline, 1);
}

}  // namespace
}  // namespace travik
