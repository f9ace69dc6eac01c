// The KDB7DY dialog (337) on the multi-channel framework, driven as a
// technician would, against a simulated KDB7DY.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "dialogs/multichannel/kdb7dy_dialog.h"
#include "dialogs/templates.h"
#include "protocol/frames.h"
#include "resources/bitmaps.h"
#include "support/connected.h"

namespace travik {
namespace {

using sim::Exchange;

constexpr int kDlg = 337;
// Controls.
constexpr int kBacklight = 3866, kActiveTime = 3867, kText = 3869, kAddress = 3874, kBaud = 3875,
              kParity = 3876, kCo2Shift = 4051, kTempSet = 3883, kHumSet = 3894, kTempBar = 3887,
              kTempKind = 3898, kCo2Kind = 4063, kTempCorr = 3884, kTempSetRadio = 3885,
              kMenuLocked = 4024, kNoAutoCal = 4070, kMiddle = 4027, kBottom = 4029,
              kTwoState = 4031, kPwm = 4032, kSteps = 4034, kFreq = 4036, kPeriod = 4039,
              kSet = 4037, kOpen = 4040, kSave = 4041, kPreset = 4042, kRead = 4043, kWrite = 4044,
              kLeftColour = 4046, kTempColour = 4018;
constexpr int kLink[3] = {4049, 3939, 3976};
constexpr int kStates[3] = {3904, 3941, 3978};
constexpr int Symbol(int mode, int k) {
  return (mode == 0 ? 3906 : mode == 1 ? 3943 : 3980) + 2 * k;
}

class Kdb7dyTest : public testing::ConnectedTest {
 protected:

  // Connected: the dialog opens already read from the device.
  void OpenOnline() {
    Connect("KDB7DY");
    ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonConfig), "");
    RunUntilClosed(109);
    ASSERT_EQ(ui().TopTemplate(), kDlg);
  }
  void OpenOffline() {
    s.Start();
    ui().Advance(310);
    ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonConfig), "");
    ASSERT_EQ(ui().Click(res::kDlgOffline, 41), "");  // "KDB7DY"
    ASSERT_EQ(ui().TopTemplate(), kDlg);
    base_ = ui().Messages().size();
  }
  void Tick() { ui().Advance(5); }
  void ClickAndWait(int id, int popup) {
    ASSERT_EQ(ui().Click(kDlg, id), "");
    RunUntilClosed(popup);
  }
  std::string T(int id) { return Text(kDlg, id); }
  int Sel(int id) { return ui().Control(kDlg, id)->selection; }
  bool Checked(int id) { return ui().Control(kDlg, id)->checked; }
  std::vector<std::string> NewMessages() {
    std::vector<std::string> out;
    for (std::size_t i = base_; i < ui().Messages().size(); ++i) out.push_back(ui().Messages()[i].text);
    base_ = ui().Messages().size();
    return out;
  }
  std::string Path(const char* name) { return dir_.File(name); }
  // The log reduced to kinds and command codes: "get", "C8", "C0", "in", ...
  std::vector<std::string> Frames() {
    std::vector<std::string> out;
    for (const auto& e : s.sim().Log()) {
      switch (e.kind) {
        case Exchange::kSetFeature: {
          char code[8];
          std::snprintf(code, sizeof code, "%02X", e.bytes.size() > 1 ? e.bytes[1] : 0);
          out.push_back(code);
          break;
        }
        case Exchange::kGetFeature: out.push_back("get"); break;
        case Exchange::kReadInput: out.push_back("in"); break;
        case Exchange::kWriteOutput: out.push_back("out"); break;
        default: break;
      }
      if (!e.ok && !out.empty()) out.back() += "!";
    }
    return out;
  }

  testing::TempDir dir_;
  std::size_t base_ = 0;
  friend void ExpectCommunicationFailure(Kdb7dyTest&, Exchange, int, std::vector<std::string>);
};

std::vector<std::string> ReadFrames() {
  std::vector<std::string> f = {"get", "C8"};
  for (int b = 1; b <= 12; ++b) f.insert(f.end(), {"C0", "in"});
  f.push_back("C9");
  return f;
}

void ExpectCommunicationFailure(Kdb7dyTest& t, Exchange kind, int nth, std::vector<std::string> frames) {
  t.OpenOnline();
  t.s.sim().ClearLog();
  t.base_ = t.ui().Messages().size();
  t.s.sim().FailNth(kind, nth);
  ASSERT_EQ(t.ui().Click(kDlg, kRead), "");
  t.RunUntilClosed(kDlg);
  EXPECT_EQ(t.Frames(), frames);
  EXPECT_EQ(t.NewMessages(), std::vector<std::string>{"Chyba komunikace se zařízením"});
  EXPECT_EQ(t.ui().Messages().back().icon, ui::Icon::kError);
  EXPECT_EQ(G().DeviceOnline, 0);
}

TEST_F(Kdb7dyTest, OpensReadFromTheDeviceInsideTheBracket) {
  Connect("KDB7DY");
  ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonConfig), "");
  RunUntilClosed(109);
  EXPECT_EQ(Frames(), ReadFrames());
  EXPECT_FALSE(device->host_transfer_active());
  EXPECT_EQ(device->unbracketed_blocks(), 0);
  EXPECT_TRUE(ui().Messages().empty());
  // The simulated device's settings, control by control.
  EXPECT_EQ(T(kBacklight), "30");
  EXPECT_EQ(T(kActiveTime), "15s");
  EXPECT_EQ(T(kTempSet), "21.5");
  EXPECT_EQ(T(3881), "-5.0");
  EXPECT_EQ(T(kHumSet), "45");
  EXPECT_EQ(T(4052), "900");
  EXPECT_EQ(T(kText), "KDB7DY Kolvar   ");
  EXPECT_EQ(T(kBaud), "19200Bd");
  EXPECT_EQ(Sel(kParity), 0);
  EXPECT_EQ(T(kMiddle), "Režim 1 (M1)");
  EXPECT_EQ(T(kBottom), "Teplota (T)");
  EXPECT_EQ(T(kLink[0]), "LCD vlevo");
  EXPECT_EQ(T(kLink[1]), "LCD vpravo");
  EXPECT_EQ(Sel(kStates[0]), 4);
  EXPECT_EQ(Sel(Symbol(0, 3)), 70);
  EXPECT_EQ(Sel(Symbol(1, 1)), 100);
  for (int k = 0; k < 16; ++k) {
    EXPECT_EQ(Enabled(kDlg, Symbol(0, k)), k < 4) << k;
    EXPECT_EQ(Enabled(kDlg, Symbol(2, k)), false) << k;
  }
  EXPECT_EQ(Sel(kTempBar), 1);
  EXPECT_EQ(T(kTempKind), "Relativní");
  EXPECT_EQ(T(3899), "Absolutní");
  EXPECT_EQ(T(kCo2Kind), "Konstantní");
  EXPECT_TRUE(Checked(kTempSetRadio));
  EXPECT_FALSE(Checked(kTempCorr));
  EXPECT_EQ(Sel(kLeftColour), 6);
  EXPECT_EQ(Sel(kTempColour), 2);
  EXPECT_TRUE(Checked(kTwoState));
  EXPECT_EQ(T(kSteps), "2");
  EXPECT_EQ(T(kFreq), "--");
  EXPECT_FALSE(Enabled(kDlg, kSet));
  EXPECT_EQ(T(kRead), "Načíst KDB7DY");
  EXPECT_EQ(T(3903), "Počet\nstavů");
  for (int id : {4071, 4072, 4073, 4074}) EXPECT_FALSE(Visible(kDlg, id)) << id;
}

TEST_F(Kdb7dyTest, OfflineShowsTheDefaultsAndPresetRestoresThem) {
  OpenOffline();
  EXPECT_FALSE(Enabled(kDlg, kRead));
  EXPECT_FALSE(Enabled(kDlg, kWrite));
  EXPECT_EQ(T(kText), "Kolvar KDB7DY   ");
  EXPECT_EQ(T(kBacklight), "15");
  EXPECT_EQ(T(kActiveTime), "5s");
  EXPECT_EQ(T(kCo2Shift), "0");
  EXPECT_EQ(T(4056), "800");
  EXPECT_EQ(T(kCo2Kind), "Konstatní");  // the label's own spelling at opening
  EXPECT_EQ(Sel(3900), 2);
  EXPECT_TRUE(Checked(3896));
  EXPECT_EQ(Sel(kLeftColour), 3);
  EXPECT_EQ(Sel(kTempColour), 2);
  EXPECT_EQ(T(kMiddle), "Neaktivní( )");
  EXPECT_EQ(T(kFreq), "--");
  for (int m = 0; m < 3; ++m) EXPECT_FALSE(Enabled(kDlg, Symbol(m, 0)));

  ASSERT_EQ(ui().Select(kDlg, kBaud, 6), "");
  ASSERT_EQ(ui().Select(kDlg, kParity, 2), "");
  ASSERT_EQ(ui().Select(kDlg, kStates[1], 5), "");
  ASSERT_EQ(ui().Select(kDlg, kCo2Kind - 5, 0), "");  // CO2 bargraph 4058: "Žádný"
  ASSERT_EQ(ui().SetChecked(kDlg, kMenuLocked, true), "");
  ASSERT_EQ(ui().Click(kDlg, kPwm), "");
  ASSERT_EQ(ui().Type(kDlg, kText, "Sklad"), "");
  ASSERT_EQ(ui().Click(kDlg, kPreset), "");
  EXPECT_EQ(T(kBaud), "19200Bd");
  EXPECT_EQ(Sel(kParity), 0);
  EXPECT_EQ(T(kText), "KDB7DY Kolvar   ");
  EXPECT_EQ(T(kCo2Kind), "Konstantní");
  EXPECT_EQ(Sel(4058), 3);
  EXPECT_FALSE(Checked(kMenuLocked));
  EXPECT_TRUE(Checked(kTwoState));
  EXPECT_EQ(Sel(kStates[1]), 0);
  EXPECT_FALSE(Enabled(kDlg, Symbol(1, 0)));
  EXPECT_TRUE(NewMessages().empty());
}

TEST_F(Kdb7dyTest, WriteSendsEveryWordInsideTheBracketAndKeepsOtherFlagBits) {
  OpenOnline();
  device->memory()[68] = 0xF401;  // bits the dialog does not edit
  ClickAndWait(kRead, 109);
  ASSERT_EQ(ui().Type(kDlg, kAddress, "42"), "");
  ASSERT_EQ(ui().Type(kDlg, kCo2Shift, "-150"), "");
  ASSERT_EQ(ui().Type(kDlg, kTempSet, "-1,5"), "");
  ASSERT_EQ(ui().Select(kDlg, kParity, 2), "");
  ASSERT_EQ(ui().Select(kDlg, kBaud, 5), "");
  ASSERT_EQ(ui().Select(kDlg, kActiveTime, 10), "");
  ASSERT_EQ(ui().Select(kDlg, kTempBar, 3), "");
  ASSERT_EQ(ui().Click(kDlg, kTempCorr), "");
  ASSERT_EQ(ui().Select(kDlg, kTempColour, 10), "");
  ASSERT_EQ(ui().Select(kDlg, kStates[2], 16), "");
  ASSERT_EQ(ui().Select(kDlg, Symbol(2, 15), 151), "");
  ASSERT_EQ(ui().SetChecked(kDlg, kNoAutoCal, true), "");
  ASSERT_EQ(ui().Select(kDlg, kBottom, 5), "");  // mode 3 now has states
  Tick();
  s.sim().ClearLog();
  ClickAndWait(kWrite, 108);
  std::vector<std::string> expected = {"get", "C8", "CE", "get"};
  for (int b = 1; b <= 12; ++b) expected.insert(expected.end(), {"C1", "out"});
  expected.insert(expected.end(), {"CD", "CD", "CD", "C9"});
  EXPECT_EQ(Frames(), expected);
  const auto& m = device->eeprom();
  EXPECT_EQ(m[48], 42);
  EXPECT_EQ(static_cast<std::int16_t>(m[81]), -150);
  // Block 1 (words 0-15) is not kept in EEPROM: the setpoint is in memory.
  EXPECT_EQ(static_cast<std::int16_t>(device->memory()[8]), -15);
  EXPECT_EQ(m[49], 0x0205);
  EXPECT_EQ(m[35], 55);
  EXPECT_EQ(m[68], 0xF003);  // kind 3, correction, other bits as read
  EXPECT_EQ(m[36], 0x13A);
  EXPECT_EQ(m[89], 16);
  EXPECT_EQ(m[139], 151);
  EXPECT_EQ(m[39], 2);
  EXPECT_EQ(m[30], 23);
  EXPECT_EQ(m[50], 1);
  EXPECT_EQ(m[51], 65534);
  EXPECT_EQ(m[33], 30);  // the backlight, not the compact dialogs' contrast
}

TEST_F(Kdb7dyTest, UserMenuRefusesReadAndWriteAndSendsNothingMore) {
  OpenOnline();
  device->SetUserMenuOpen(true);
  s.sim().ClearLog();
  base_ = ui().Messages().size();
  for (int button : {kRead, kWrite}) {
    ASSERT_EQ(ui().Click(kDlg, button), "");
    ui().Advance(100);
    EXPECT_EQ(NewMessages(),
              std::vector<std::string>{"Nelze načíst data pokud je aktivní uživatelské menu."});
    EXPECT_EQ(ui().Messages().back().caption, "SET info");
  }
  EXPECT_EQ(Frames(), (std::vector<std::string>{"get", "get"}));
  EXPECT_EQ(ui().TopTemplate(), kDlg);
  EXPECT_EQ(G().DeviceOnline, 1);
}

TEST_F(Kdb7dyTest, TheMenuOpenedDuringATransferWaitsForItsEnd) {
  sim::SimTransmitter t(*sim::FindSimModel("KDB7DY"), "t");
  BuildFrame(kCmdBeginTransfer);
  t.OnSetFeature(G().CommandReport.data(), 9);
  t.SetUserMenuOpen(true);
  EXPECT_EQ(t.status_word(), 0);
  BuildFrame(kCmdEndTransfer);
  t.OnSetFeature(G().CommandReport.data(), 9);
  EXPECT_EQ(t.status_word(), sim::kUserMenuOpen);
}

// A refused status query or bracket command: message, device lost, dialog closed.
void ExpectCommunicationFailure(Kdb7dyTest& t, Exchange kind, int nth, std::vector<std::string> frames);

TEST_F(Kdb7dyTest, RefusedStatusQueryClosesTheDialog) {
  ExpectCommunicationFailure(*this, Exchange::kGetFeature, 1, {"get!"});
}
TEST_F(Kdb7dyTest, RefusedBeginTransferClosesTheDialog) {
  ExpectCommunicationFailure(*this, Exchange::kSetFeature, 1, {"get", "C8!"});
}
TEST_F(Kdb7dyTest, RefusedEndTransferClosesTheDialog) {
  auto frames = ReadFrames();
  frames.back() += "!";
  ExpectCommunicationFailure(*this, Exchange::kSetFeature, 14, frames);
}

TEST_F(Kdb7dyTest, DisplayModeRules) {
  OpenOffline();
  // 0 states disables all 16 symbols, 16 enables all.
  ASSERT_EQ(ui().Select(kDlg, kStates[0], 16), "");
  for (int k = 0; k < 16; ++k) EXPECT_TRUE(Enabled(kDlg, Symbol(0, k)));
  ASSERT_EQ(ui().Select(kDlg, kStates[0], 0), "");
  for (int k = 0; k < 16; ++k) EXPECT_FALSE(Enabled(kDlg, Symbol(0, k)));
  // The later link to a taken LCD position is refused, whichever mode it is.
  ASSERT_EQ(ui().Select(kDlg, kLink[2], 2), "");
  ASSERT_EQ(ui().Select(kDlg, kLink[0], 2), "");
  EXPECT_EQ(Sel(kLink[0]), 0);
  ASSERT_EQ(ui().Select(kDlg, kLink[0], 3), "");
  ASSERT_EQ(ui().Select(kDlg, kLink[1], 3), "");
  EXPECT_EQ(Sel(kLink[1]), 0);
  EXPECT_EQ(Sel(kLink[0]), 3);
  EXPECT_EQ(Sel(kLink[2]), 2);
  EXPECT_EQ(NewMessages(), std::vector<std::string>(2, "Volba je již používána jiným režimem"));
  // Quick select of a mode without states is reset.
  ASSERT_EQ(ui().Select(kDlg, kMiddle, 4), "");
  EXPECT_EQ(Sel(kMiddle), 0);
  EXPECT_EQ(NewMessages(), std::vector<std::string>{"Režim 2 (M2) má zvolen nulový počet stavů. "
                                                     "Předvolba bude přenastavena na Neaktivní( )."});
  ASSERT_EQ(ui().Select(kDlg, kStates[1], 1), "");
  ASSERT_EQ(ui().Select(kDlg, kMiddle, 4), "");
  EXPECT_EQ(Sel(kMiddle), 4);
  EXPECT_TRUE(NewMessages().empty());
}

TEST_F(Kdb7dyTest, UnknownQuickSelectCodesFollowTheComboAndPwmReadsKeepTheirWords) {
  Connect("KDB7DY");
  device->memory()[29] = 14;   // 11-18: the combo keeps what it showed
  device->memory()[50] = 99;   // PWM with 100 steps
  device->memory()[51] = 79;
  device->memory()[92] = 151;
  ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonConfig), "");
  RunUntilClosed(109);
  EXPECT_EQ(T(kMiddle), "Neaktivní( )");
  EXPECT_TRUE(Checked(kPwm));
  EXPECT_EQ(T(kSteps), "100");
  EXPECT_EQ(T(kFreq), "1000.000000");
  EXPECT_EQ(T(kPeriod), "1.000000");
  EXPECT_EQ(Sel(Symbol(0, 0)), 151);
  ClickAndWait(kWrite, 108);
  EXPECT_EQ(device->memory()[29], 10);  // what the combo shows goes out
  EXPECT_EQ(device->memory()[50], 99);
  EXPECT_EQ(device->memory()[51], 79);
  // S = 1 is two-state whatever P holds.
  device->memory()[50] = 1;
  device->memory()[51] = 7;
  ClickAndWait(kRead, 109);
  EXPECT_TRUE(Checked(kTwoState));
  EXPECT_EQ(T(kFreq), "--");
}

TEST_F(Kdb7dyTest, DigitalOutputFrequencyAndStepCount) {
  OpenOffline();
  ASSERT_EQ(ui().Click(kDlg, kPwm), "");
  EXPECT_EQ(T(kSteps), "3");
  EXPECT_EQ(T(kFreq), "40");
  EXPECT_EQ(T(kPeriod), "25.0000");
  struct Row {
    const char* typed;
    const char* shown;
    const char* message;
  };
  const Row rows[] = {
      {"25000", "19900.497512", "Hodnota frekvence větší než maximální hodnota rozsahu"},
      {"40", "40.690725", "Hodnota frekvence je menší než minimální hodnota rozsahu"},
      {"40,7", "40.700041", nullptr},
      {"1000", "1000.250063", nullptr},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.typed);
    ASSERT_EQ(ui().Type(kDlg, kFreq, r.typed), "");
    ASSERT_EQ(ui().Click(kDlg, kSet), "");
    EXPECT_EQ(T(kFreq), r.shown);
    EXPECT_EQ(NewMessages(), r.message ? std::vector<std::string>{r.message} : std::vector<std::string>{});
  }
  // A step count of 2 waits while it is typed, then becomes 3.
  ASSERT_EQ(ui().Type(kDlg, kSteps, "2"), "");
  ui().Advance(50);
  EXPECT_EQ(T(kSteps), "2");
  ASSERT_EQ(ui().Focus(kDlg, kFreq), "");
  Tick();
  EXPECT_EQ(T(kSteps), "3");
  EXPECT_EQ(NewMessages(), std::vector<std::string>{"Hodnota počtu kroků je mimo rozsah"});
  ASSERT_EQ(ui().Click(kDlg, kTwoState), "");
  EXPECT_EQ(T(kPeriod), "--");
  EXPECT_FALSE(Enabled(kDlg, kSteps));
}

TEST_F(Kdb7dyTest, RangeChecksEvery5ms) {
  OpenOffline();
  struct Case {
    int control;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {{kCo2Shift, "200.1", "200.0"}, {kCo2Shift, "-200.0", "-200.0"},
                        {kHumSet, "-100", "-100"},      {kHumSet, "-101", "-100"},
                        {kBacklight, "101", "100"},     {4053, "5001", "5000"},
                        {kTempSet, "200.1", "200.0"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    ASSERT_EQ(ui().Type(kDlg, c.control, c.typed), "");
    Tick();
    EXPECT_EQ(T(c.control), c.shown);
    EXPECT_EQ(NewMessages().size(), std::string(c.typed) == c.shown ? 0u : 1u);
  }
}

TEST_F(Kdb7dyTest, FileRoundTripKeepsEveryRecordKind) {
  OpenOffline();
  ASSERT_EQ(ui().Select(kDlg, kActiveTime, 2), "");   // "15s"
  ASSERT_EQ(ui().Select(kDlg, kParity, 1), "");
  ASSERT_EQ(ui().Select(kDlg, kBaud, 2), "");
  ASSERT_EQ(ui().Select(kDlg, kStates[0], 12), "");
  ASSERT_EQ(ui().Select(kDlg, Symbol(0, 11), 151), "");
  ASSERT_EQ(ui().Select(kDlg, kLink[0], 2), "");
  ASSERT_EQ(ui().Select(kDlg, kMiddle, 3), "");
  ASSERT_EQ(ui().Select(kDlg, kTempColour, 9), "");
  ASSERT_EQ(ui().SetChecked(kDlg, kMenuLocked, true), "");
  ASSERT_EQ(ui().SetChecked(kDlg, kNoAutoCal, true), "");
  ASSERT_EQ(ui().Click(kDlg, kPwm), "");
  ASSERT_EQ(ui().Type(kDlg, kFreq, "1000"), "");
  ASSERT_EQ(ui().Click(kDlg, kSet), "");
  ASSERT_EQ(ui().Type(kDlg, kTempSet, "-1,5"), "");
  ASSERT_EQ(ui().Type(kDlg, kText, "Hala 7"), "");
  ui().QueueFileAnswer(Path("a.kvc"));
  ASSERT_EQ(ui().Click(kDlg, kSave), "");
  const std::string file = testing::ReadFile(Path("a.kvc"));
  ASSERT_EQ(file.size(), 2608u);
  auto record = [&](int k) { return file.substr(32 + 16 * k, 16); };
  EXPECT_EQ(file.substr(0, 16), "  KDB7DY        ");
  EXPECT_EQ(record(35), "Reg 035 15s    \r");
  EXPECT_EQ(record(49), "Reg 049 0102   \r");
  EXPECT_EQ(record(36), "Reg 036 00553  \r");
  EXPECT_EQ(record(68), "Reg 068 00001  \r");
  EXPECT_EQ(record(50), "Reg 050 00002  \r");
  EXPECT_EQ(record(51), "Reg 051 02665  \r");
  EXPECT_EQ(record(29), "Reg 029 21     \r");
  EXPECT_EQ(record(85), "Reg 085 12     \r");
  EXPECT_EQ(record(103), "Reg 103 151    \r");
  EXPECT_EQ(record(84), "Reg 084 2      \r");
  EXPECT_EQ(record(39), "Reg 039 3      \r");
  EXPECT_EQ(record(8), "Reg 008 -1,5   \r");

  ASSERT_EQ(ui().Click(kDlg, kPreset), "");
  ASSERT_EQ(ui().Select(kDlg, kActiveTime, 11), "");
  ui().QueueFileAnswer(Path("a.kvc"));
  ASSERT_EQ(ui().Click(kDlg, kOpen), "");
  EXPECT_EQ(T(kActiveTime), "15s");
  EXPECT_EQ(Sel(kParity), 1);
  EXPECT_EQ(T(kBaud), " 4800Bd");
  EXPECT_EQ(Sel(kStates[0]), 12);
  EXPECT_TRUE(Enabled(kDlg, Symbol(0, 11)));
  EXPECT_EQ(Sel(Symbol(0, 11)), 151);
  EXPECT_EQ(Sel(kLink[0]), 2);
  EXPECT_EQ(Sel(kMiddle), 3);
  EXPECT_EQ(Sel(kTempColour), 9);
  EXPECT_TRUE(Checked(kMenuLocked));
  EXPECT_TRUE(Checked(kNoAutoCal));
  EXPECT_EQ(T(kFreq), "1000.250063");
  EXPECT_EQ(T(kTempSet), "-1,5");
  EXPECT_EQ(T(kText), "Hala 7          ");

  // "55s" maps back by its first two characters.
  std::string patched = file;
  patched.replace(32 + 16 * 35 + 8, 3, "55s");
  std::ofstream(Path("b.kvc"), std::ios::binary) << patched;
  ui().QueueFileAnswer(Path("b.kvc"));
  ASSERT_EQ(ui().Click(kDlg, kOpen), "");
  EXPECT_EQ(T(kActiveTime), "55s");

  std::string other = file;
  other.replace(2, 6, "BBH7QS");
  std::ofstream(Path("c.kvc"), std::ios::binary) << other;
  ui().QueueFileAnswer(Path("c.kvc"));
  ASSERT_EQ(ui().Click(kDlg, kOpen), "");
  EXPECT_EQ(NewMessages(), std::vector<std::string>{"Konfigurační soubor není určen pro zařízení KDB7DY"});
}

TEST(Kdb7dyBitmaps, ItemsAreDrawnThroughTheMaskAndMissingOnesEndTheDialog) {
  // Every symbol tile differs from every other; colour tiles are swatches.
  std::set<std::vector<std::uint32_t>> tiles;
  for (int number : res::kSymbolBitmapList) tiles.insert(res::LoadBitmap(number)->pixels);
  EXPECT_EQ(tiles.size(), static_cast<std::size_t>(res::kSymbolCount));
  for (int i = 0; i < res::kColourCount; ++i)
    EXPECT_EQ(res::LoadBitmap(res::kColourBitmapList[i])->At(12, 8), res::ColourOf(i)) << i;

  struct Runner : ui::DialogProc {
    MultiChannelDialog* child = nullptr;
    int result = 0;
    void OnInit(ui::Dialog& d) override {
      result = d.RunModal(res::kDlgKdb7dy, *child);
      d.End(0);
    }
  };
  static const int kMissing[] = {179, 9999};
  MultiChannelDef broken = Kdb7dyDialogDef();
  broken.symbol_bitmaps = kMissing;
  MultiChannelDialog dialog(broken);
  Runner runner;
  runner.child = &dialog;
  // No program runs here: the templates are handed in as RunProgram would.
  ui::SetTemplateLookup(&ProgramTemplate);
  ui::HeadlessBackend ui;
  ui.Start([&] { return ui.RunMainWindow(res::kMainWindow, runner); });
  ui.Advance(10);
  EXPECT_EQ(runner.result, -1);
}

TEST_F(Kdb7dyTest, SymbolItemsAreDrawnFromTheirBitmaps) {
  OpenOffline();
  const ui::Bitmap item = ui().DrawComboItem(kDlg, Symbol(0, 0), 42);
  ASSERT_EQ(item.height, 18);
  const ui::Bitmap* tile = res::LoadBitmap(res::kSymbolBitmapList[42]);
  // At x = base unit / 4 (8 / 4), y = top + 1.
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 24; ++x) ASSERT_EQ(item.At(2 + x, 1 + y), tile->At(x, y)) << x << "," << y;
  EXPECT_EQ(item.At(30, 5), 0xFFFFFFu);
  const ui::Bitmap none = ui().DrawComboItem(kDlg, Symbol(0, 0), -1);
  EXPECT_EQ(none.At(2, 1), 0xFFFFFFu);
}

}  // namespace
}  // namespace travik
