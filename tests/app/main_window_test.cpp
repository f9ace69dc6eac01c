// The main window and its connection, driven as a user on the virtual clock.
#include <gtest/gtest.h>

#include "app/session.h"
#include "core/globals.h"
#include "resources/resources.h"
#include "sim/sim_backend.h"
#include "sim/sim_models.h"

namespace travik {
namespace {

using namespace res;
using sim::Exchange;

class MainWindowTest : public ::testing::Test {
 protected:
  Session s;
  ui::HeadlessBackend& ui() { return s.ui(); }

  sim::SimTransmitter& AddKdb() { return s.sim().AddTransmitter(*sim::FindSimModel("KDB")); }

  std::string Text(int id, int window = kMainWindow) {
    auto c = ui().Control(window, id);
    return c ? c->text : "<none>";
  }
  bool Enabled(int id, int window = kMainWindow) { return ui().Control(window, id)->enabled; }
  std::vector<std::string> MessageTexts() {
    std::vector<std::string> out;
    for (const auto& m : ui().Messages()) out.push_back(m.text);
    return out;
  }
};

TEST_F(MainWindowTest, NoDeviceReportedAboutAThirdOfASecondAfterStart) {
  s.Start();
  ui().Advance(300);
  EXPECT_TRUE(ui().Messages().empty());
  ui().Advance(10);
  ASSERT_EQ(ui().Messages().size(), 1u);
  EXPECT_EQ(ui().Messages()[0].text, "Žádné zařízení HID nenalezeno");
  EXPECT_EQ(ui().Messages()[0].caption, "HID zařízení, info. ");
  EXPECT_EQ(ui().Messages()[0].icon, ui::Icon::kInformation);
  EXPECT_EQ(G().ConnectState, 0);
  EXPECT_TRUE(Enabled(kButtonStart));
  EXPECT_FALSE(Enabled(kButtonStop));
  ui().Advance(5000);
  EXPECT_EQ(ui().Messages().size(), 1u);  // stays idle
}

TEST_F(MainWindowTest, OnlyOtherVendorDevicesIsNotMyDevice) {
  s.sim().AddVendorDevice(0x1234, 0x0001);
  s.sim().AddKeyboard();
  s.Start();
  ui().Advance(310);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Moje zařízení HID nenalezeno"});
}

TEST_F(MainWindowTest, ConnectsIdentifiesAndShowsTheThreeFields) {
  AddKdb();
  s.Start();
  ui().Advance(620);
  EXPECT_EQ(G().DeviceOnline, 1);
  EXPECT_EQ(Text(kFieldDevice), "");  // identification read on the next tick
  ui().Advance(10);
  EXPECT_EQ(Text(kFieldHidId), "Kolvar KDB");
  EXPECT_EQ(Text(kFieldDevice).substr(0, 6), "  KDB ");
  EXPECT_EQ(Text(kFieldFirmware).size(), 10u);
  EXPECT_EQ(G().DeviceType, 6);
  EXPECT_EQ(Text(kButtonValues), "ČÍST");
  EXPECT_FALSE(Enabled(kButtonStart));
  EXPECT_TRUE(Enabled(kButtonStop));
  EXPECT_TRUE(Enabled(kButtonValues));
  EXPECT_TRUE(ui().Messages().empty());
  // The init frame went out exactly once, on the transmitter.
  auto sets = s.sim().LogOf(Exchange::kSetFeature);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].bytes, (std::vector<std::uint8_t>{0, 0xCC, 0, 0, 0, 0xD4, 0x71, 0x3A, 0x5C}));
}

TEST_F(MainWindowTest, ValuesButtonReadsZapsatForType3) {
  s.sim().AddTransmitter(*sim::FindSimModel("EHA9"));
  s.Start();
  ui().Advance(700);
  EXPECT_EQ(G().DeviceType, 3);
  EXPECT_EQ(Text(kButtonValues), "ZAPSAT");
}

TEST_F(MainWindowTest, StartIgnoredWhileWaitingAndStopOfflineDoesNothing) {
  AddKdb();
  s.Start();
  ui().Advance(100);
  EXPECT_EQ(ui().Click(kMainWindow, kButtonStart), "");
  EXPECT_EQ(G().ConnectState, 3);
  EXPECT_TRUE(s.sim().LogOf(Exchange::kSetFeature).empty());
  EXPECT_EQ(ui().Click(kMainWindow, kButtonStop), "control 22 is disabled");
  ui().Advance(600);
  EXPECT_EQ(s.sim().LogOf(Exchange::kSetFeature).size(), 1u);  // one connection only
}

TEST_F(MainWindowTest, StopDisconnectsAndStartReconnects) {
  auto& kdb = AddKdb();
  s.Start();
  ui().Advance(700);
  ASSERT_EQ(G().DeviceOnline, 1);
  ASSERT_EQ(ui().Click(kMainWindow, kButtonStop), "");
  EXPECT_EQ(G().DeviceOnline, 0);
  EXPECT_EQ(Text(kFieldHidId), " ");
  EXPECT_EQ(Text(kFieldDevice), " ");
  EXPECT_TRUE(Enabled(kButtonStart));
  EXPECT_EQ(s.sim().OpenHandles(), 0);
  kdb.set_product_string(u"Kolvar KDB with a long product name beyond 24");
  ASSERT_EQ(ui().Click(kMainWindow, kButtonStart), "");
  EXPECT_EQ(Text(kFieldHidId), "Kolvar KDB with a long product name beyond 24");
  EXPECT_EQ(G().DeviceOnline, 1);
  ui().Advance(320);
  EXPECT_EQ(G().DeviceType, 6);
}

TEST_F(MainWindowTest, StartWithoutDeviceUsesTheFirmwareCaption) {
  s.Start();
  ui().Advance(310);
  ASSERT_EQ(ui().Click(kMainWindow, kButtonStart), "");
  ASSERT_EQ(ui().Messages().size(), 2u);
  EXPECT_EQ(ui().Messages()[1].caption, "Zařízení info FW");
  EXPECT_EQ(G().ConnectState, 0);
}

TEST_F(MainWindowTest, FailedIdentificationReadReportsAndDisconnects) {
  AddKdb();
  s.Start();
  ui().Advance(620);
  s.sim().FailNth(Exchange::kReadInput, 1);
  ui().Advance(10);
  ASSERT_EQ(ui().Messages().size(), 1u);
  EXPECT_EQ(ui().Messages()[0].text, "Chyba při čtení identifikátorů zařízení");
  EXPECT_EQ(ui().Messages()[0].icon, ui::Icon::kError);
  EXPECT_EQ(G().ConnectState, 1);
  ui().Advance(10);
  EXPECT_EQ(G().ConnectState, 0);
  EXPECT_EQ(G().DeviceOnline, 0);
  EXPECT_TRUE(Enabled(kButtonStart));
  EXPECT_EQ(s.sim().OpenHandles(), 0);
}

TEST_F(MainWindowTest, RefusedInitRetriesBoundedAndGivesTheButtonsBack) {
  AddKdb();
  s.sim().FailAll(Exchange::kSetFeature, true);
  s.Start();
  ui().Advance(2000);
  EXPECT_EQ(s.sim().LogOf(Exchange::kSetFeature).size(), 50u);
  ASSERT_EQ(ui().Messages().size(), 1u);
  EXPECT_EQ(ui().Messages()[0].text, "Spojení se zařízením se nepodařilo navázat");
  EXPECT_EQ(G().ConnectState, 0);
  EXPECT_EQ(G().DeviceOnline, 0);
  EXPECT_TRUE(Enabled(kButtonStart));
  EXPECT_FALSE(Enabled(kButtonStop));
  EXPECT_EQ(s.sim().OpenHandles(), 0);
  // Once the device answers, START connects.
  s.sim().FailAll(Exchange::kSetFeature, false);
  ASSERT_EQ(ui().Click(kMainWindow, kButtonStart), "");
  EXPECT_EQ(G().DeviceOnline, 1);
}

TEST(MainWindowRetries, AnInterruptedSearchDoesNotShortenTheNext) {
  // 20 refused inits, then a dialog interrupts the search; the search after it
  // gets its full 50 attempts before the message.
  for (const bool via_konfigurace : {false, true}) {
    SCOPED_TRACE(via_konfigurace ? "KONFIGURACE, then the bootloader" : "the bootloader");
    Session s;
    auto& ui = s.ui();
    s.sim().AddTransmitter(*sim::FindSimModel("KDB"));
    s.sim().FailAll(Exchange::kSetFeature, true);
    s.Start();
    ASSERT_TRUE(ui.AdvanceUntil([&] { return s.sim().LogOf(Exchange::kSetFeature).size() == 20; }, 2000));
    if (via_konfigurace) {
      ASSERT_EQ(ui.Click(kMainWindow, kButtonConfig), "");
      ASSERT_EQ(ui.Click(kDlgOffline, 8), "");  // KDB
      ASSERT_EQ(ui.TopTemplate(), 130);
      ASSERT_EQ(ui.Click(130, 1349), "");
      ui.Advance(500);
      EXPECT_EQ(s.sim().LogOf(Exchange::kSetFeature).size(), 20u);  // idle now
    }
    ASSERT_EQ(ui.MenuCommand(kMainWindow, kMenuBootloader), "");
    ASSERT_EQ(ui.Click(kDlgBootloader, 2), "");
    s.sim().ClearLog();
    ui.Advance(2000);
    EXPECT_EQ(s.sim().LogOf(Exchange::kSetFeature).size(), 50u);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].text, "Spojení se zařízením se nepodařilo navázat");
    EXPECT_EQ(s.sim().OpenHandles(), 0);
  }
}

TEST_F(MainWindowTest, KonfiguraceOfflineChoosesTheModelWithoutDeviceTraffic) {
  s.Start();
  ui().Advance(310);
  s.sim().ClearLog();
  ASSERT_EQ(ui().Click(kMainWindow, kButtonConfig), "");
  EXPECT_EQ(ui().TopTemplate(), kDlgOffline);
  EXPECT_FALSE(ui().Windows()[0].visible);  // the main window is hidden
  ASSERT_EQ(ui().Click(kDlgOffline, 8), "");  // KDB
  EXPECT_EQ(G().DeviceType, 6);
  EXPECT_EQ(ui().TopTemplate(), 130);
  EXPECT_FALSE(ui().Control(130, 1345)->enabled);
  EXPECT_FALSE(ui().Control(130, 1347)->enabled);
  ASSERT_EQ(ui().Click(130, 1349), "");
  EXPECT_EQ(ui().TopTemplate(), kMainWindow);
  EXPECT_TRUE(ui().Windows()[0].visible);
  EXPECT_TRUE(s.sim().Log().empty());
}

TEST_F(MainWindowTest, OfflineEscChoosesType0) {
  s.Start();
  ui().Advance(310);
  G().DeviceType = 6;
  ASSERT_EQ(ui().Click(kMainWindow, kButtonConfig), "");
  ASSERT_EQ(ui().PressEsc(kDlgOffline), "");
  EXPECT_EQ(G().DeviceType, 0);
  EXPECT_EQ(ui().CloseBox(kDlgOffline), "dialog 124 is not open");
  // Type 0's configuration dialog (NSC) follows.
  EXPECT_EQ(ui().TopTemplate(), 105);
  ASSERT_EQ(ui().CloseBox(105), "");
  EXPECT_EQ(ui().TopTemplate(), kMainWindow);
}

TEST_F(MainWindowTest, TypeWithoutDialogOnlyHidesAndRestores) {
  auto& t = AddKdb();
  t.SetIdText("ZZZ unknown     ");
  G().DeviceType = 14;
  s.Start();
  ui().Advance(700);
  ASSERT_EQ(G().DeviceOnline, 1);
  EXPECT_EQ(G().DeviceType, 14);
  ASSERT_EQ(ui().Click(kMainWindow, kButtonConfig), "");
  // Type 14 has no minimum firmware: the warning comes, then nothing opens.
  ASSERT_EQ(ui().Messages().size(), 1u);
  EXPECT_EQ(ui().Messages()[0].caption, "Zařízení info FW");
  EXPECT_EQ(ui().TopTemplate(), kMainWindow);
  EXPECT_TRUE(ui().Windows()[0].visible);
}

TEST_F(MainWindowTest, BootloaderReturnResetsAndReconnects) {
  AddKdb();
  s.Start();
  ui().Advance(700);
  ASSERT_EQ(G().DeviceOnline, 1);
  const auto sets_before = s.sim().LogOf(Exchange::kSetFeature).size();
  ASSERT_EQ(ui().MenuCommand(kMainWindow, kMenuBootloader), "");
  ASSERT_EQ(ui().TopTemplate(), kDlgBootloader);
  ASSERT_EQ(ui().Click(kDlgBootloader, 2), "");
  EXPECT_EQ(G().DeviceOnline, 0);
  EXPECT_EQ(Text(kFieldDevice), " ");
  EXPECT_TRUE(Enabled(kButtonStart));
  EXPECT_EQ(G().ConnectState, 3);
  ui().Advance(700);
  EXPECT_EQ(G().DeviceOnline, 1);
  EXPECT_EQ(s.sim().LogOf(Exchange::kSetFeature).size(), sets_before + 1);
  EXPECT_EQ(Text(kFieldDevice).substr(0, 6), "  KDB ");
}

TEST_F(MainWindowTest, MenuInformationBoxes) {
  s.Start();
  ui().Advance(310);
  G().DeviceType = 6;
  ASSERT_EQ(ui().MenuCommand(kMainWindow, kMenuManualCalibration), "");
  ASSERT_EQ(ui().MenuCommand(kMainWindow, kMenuAutoCalibration), "");
  ASSERT_EQ(ui().MenuCommand(kMainWindow, kMenuSupportedDevices), "");
  ASSERT_EQ(ui().MenuCommand(kMainWindow, kMenuFunctions), "");
  const auto& m = ui().Messages();
  ASSERT_EQ(m.size(), 5u);
  EXPECT_EQ(m[1].text, "Tato funkce není dostupná");
  EXPECT_EQ(m[1].caption, "Nástroje");
  EXPECT_EQ(m[2].text, "Tato funkce není dostupná");
  EXPECT_EQ(m[3].caption, "Devices ");
  EXPECT_NE(m[3].text.find("N3tNT, KDB7DY"), std::string::npos);
  EXPECT_EQ(m[4].caption, "Functions ");
}

TEST_F(MainWindowTest, ExitClosesTheTransmitterAndEndsTheProgram) {
  AddKdb();
  s.Start();
  ui().Advance(700);
  ASSERT_EQ(ui().MenuCommand(kMainWindow, kMenuExit), "");
  EXPECT_TRUE(ui().Finished());
  EXPECT_EQ(s.sim().OpenHandles(), 0);
}

}  // namespace
}  // namespace travik

namespace travik {
namespace {

// A user takes a moment to read a message box; the window's timer keeps
// ticking meanwhile and must not pile up more boxes.
TEST(MainWindowWhileAMessageIsUp, OneBoxPerEvent) {
  struct Case {
    const char* name;
    void (*setup)(sim::SimBackend&);
    const char* text;
  };
  const Case cases[] = {
      {"no device", [](sim::SimBackend&) {}, "Žádné zařízení HID nenalezeno"},
      {"other device", [](sim::SimBackend& b) { b.AddKeyboard(); b.AddVendorDevice(1, 2); },
       "Moje zařízení HID nenalezeno"},
      {"refused init",
       [](sim::SimBackend& b) {
         b.AddTransmitter();
         b.FailAll(sim::Exchange::kSetFeature, true);
       },
       "Spojení se zařízením se nepodařilo navázat"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Session s;
    c.setup(s.sim());
    s.ui().SetMessageBoxDuration(2000);
    s.Start();
    s.ui().Advance(5000);
    ASSERT_EQ(s.ui().Messages().size(), 1u);
    EXPECT_EQ(s.ui().Messages()[0].text, c.text);
    EXPECT_EQ(s.ui().DeepestMessageNesting(), 1);
    EXPECT_EQ(G().ConnectState, 0);
  }
}

}  // namespace
}  // namespace travik
