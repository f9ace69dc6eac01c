// The compact dialogs' own behaviours: what the family table cannot show.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/program.h"
#include "dialogs/compact/compact_family.h"
#include "dialogs/compact/compact_members.h"
#include "settings/settings_dialogs.h"
#include "support/connected.h"

namespace travik {
namespace {

using sim::Exchange;

class CompactQuirksTest : public testing::ConnectedTest {
 protected:

  // Opens a model's dialog connected, after its read at opening.
  void Open(const char* model, int dialog, const char* firmware = nullptr) {
    dlg_ = dialog;
    ConnectAndOpen(model, dialog, firmware);
  }
  // Opens a type's dialog through OFF LINE.
  void OpenOffline(int offline_button, int dialog) {
    s.Start();
    ui().Advance(310);
    dlg_ = dialog;
    ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonConfig), "");
    ASSERT_EQ(ui().Click(res::kDlgOffline, offline_button), "");
    ASSERT_EQ(ui().TopTemplate(), dialog);
  }
  const DialogDef& Def() { return *FindCompactDialogDef(dlg_); }
  void Tick() { ui().Advance(20); }
  void Read() {
    ASSERT_EQ(ui().Click(dlg_, Def().buttons.read), "");
    RunUntilClosed(109);
  }
  void Write() {
    ASSERT_EQ(ui().Click(dlg_, Def().buttons.write), "");
    RunUntilClosed(108);
  }
  void Save(const std::string& path) {
    ui().QueueFileAnswer(path);
    ASSERT_EQ(ui().Click(dlg_, Def().buttons.save), "");
  }
  void Load(const std::string& path) {
    ui().QueueFileAnswer(path);
    ASSERT_EQ(ui().Click(dlg_, Def().buttons.open), "");
  }
  std::string T(int id) { return Text(dlg_, id); }
  bool Checked(int id) { return ui().Control(dlg_, id)->checked; }
  std::string Path(const char* name) { return dir_.File(name); }
  std::string Record(const std::string& path, int k) {
    return testing::ReadFile(path).substr(32 + 16 * static_cast<std::size_t>(k) + 8, 6);
  }
  void PutRecord(const std::string& path, int k, const char* value6) {
    std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(32 + 16 * k + 8);
    f.write(value6, 6);
  }
  std::size_t Count(const std::string& text) {
    std::size_t n = 0;
    for (const auto& m : ui().Messages()) n += m.text == text;
    return n;
  }

  testing::TempDir dir_;
  int dlg_ = 0;
};

TEST_F(CompactQuirksTest, OutputLimitsAndLabelsFollowTheSignalKind) {
  Open("NSC", 105);
  constexpr int kOutLo = 1015, kLoLabel = 10513, kCurrent = 1011, kVoltage = 1012;
  // The simulated NSC drives output 1 with current.
  EXPECT_TRUE(Checked(kCurrent));
  EXPECT_EQ(T(kLoLabel), "Výstup Lo [mA]");
  EXPECT_EQ(T(10515), "Safety hod. [mA]");
  ASSERT_EQ(ui().Type(dlg_, kOutLo, "15.0"), "");
  Tick();
  EXPECT_EQ(T(kOutLo), "15.0");
  ASSERT_EQ(ui().Click(dlg_, kVoltage), "");
  EXPECT_EQ(T(kLoLabel), "Výstup Lo [V]");
  EXPECT_FALSE(Checked(kCurrent));
  const auto before = Count("Hodnota mimo rozsah");
  Tick();
  // Lo and the simulated Hi of 20.0 mA both fall to 10.0 V.
  EXPECT_EQ(T(kOutLo), "10.0");
  EXPECT_EQ(T(1016), "10.0");
  EXPECT_EQ(Count("Hodnota mimo rozsah"), before + 2);
  ASSERT_EQ(ui().Click(dlg_, kCurrent), "");
  ASSERT_EQ(ui().Type(dlg_, kOutLo, "20.0"), "");
  Tick();
  EXPECT_EQ(T(kOutLo), "20.0");
  Write();
  EXPECT_EQ(device->memory()[68], 0);
  EXPECT_EQ(device->memory()[92], 200);
  // A file keeps the kind as one digit; loading it relabels.
  Save(Path("nsc.kvc"));
  EXPECT_EQ(Record(Path("nsc.kvc"), 68), "0     ");
  ASSERT_EQ(ui().Click(dlg_, kVoltage), "");
  Load(Path("nsc.kvc"));
  EXPECT_TRUE(Checked(kCurrent));
  EXPECT_EQ(T(kLoLabel), "Výstup Lo [mA]");
}

TEST_F(CompactQuirksTest, ParityAndSpeedShareWord49) {
  OpenOffline(20, 141);  // E-GET9
  EXPECT_EQ(T(2157), "none");
  EXPECT_EQ(T(Def().buttons.read), "Načíst EHDQ8");
  ASSERT_EQ(ui().Select(dlg_, 2157, 2), "");
  ASSERT_EQ(ui().Select(dlg_, 2150, 3), "");
  Save(Path("eget9.kvc"));
  EXPECT_EQ(Record(Path("eget9.kvc"), 49), "0203  ");
  ASSERT_EQ(ui().Click(dlg_, Def().buttons.preset), "");
  EXPECT_EQ(T(2157), "none");
  EXPECT_EQ(T(2150), "19200Bd");
  Load(Path("eget9.kvc"));
  EXPECT_EQ(T(2157), "even");
  EXPECT_EQ(T(2150), " 9600Bd");
  // A file of another model names the message model, not the header's.
  std::filesystem::copy_file(Path("eget9.kvc"), Path("other.kvc"));
  std::fstream(Path("other.kvc"), std::ios::in | std::ios::out | std::ios::binary).write("  NSC  ", 7);
  Load(Path("other.kvc"));
  EXPECT_EQ(ui().Messages().back().text, "Konfigurační soubor není určen pro zařízení EHD82");
}

TEST_F(CompactQuirksTest, Type48AcceptsThreeFormsOfRecord49AndSelectsByPosition) {
  OpenOffline(40, 164);
  EXPECT_EQ(T(3836), "Pt1000, 3850ppm");
  EXPECT_EQ(T(3834), "none");
  EXPECT_EQ(T(Def().buttons.write), "Zapsat N3TNT");
  ASSERT_EQ(ui().Select(dlg_, 3836, 2), "");
  Save(Path("n3.kvc"));
  EXPECT_EQ(Record(Path("n3.kvc"), 68), "2     ");
  EXPECT_EQ(Record(Path("n3.kvc"), 49), "0004  ");
  struct Case {
    const char* record;
    const char* speed;
    const char* parity;
  };
  const Case cases[] = {
      {"0105  ", "38400Bd", " odd"},
      {"2     ", " 4800Bd", "none"},
      {"0203  ", " 9600Bd", "even"},
      {"12345 ", "19200Bd", "none"},
      {"13    ", "19200Bd", "none"},  // no such form: left as shown
      {"0903  ", "19200Bd", "none"},  // parity out of range: the same
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.record);
    PutRecord(Path("n3.kvc"), 49, c.record);
    Load(Path("n3.kvc"));
    EXPECT_EQ(T(3826), c.speed);
    EXPECT_EQ(T(3834), c.parity);
  }
  EXPECT_EQ(ui().Control(dlg_, 3836)->selection, 2);
  EXPECT_EQ(T(3836), "Ni1000, 5000 ppm");
}

TEST_F(CompactQuirksTest, Type3TimeOutFollowsTheBoxAndIsWrittenWhileDisabled) {
  Open("EHA9", 112);
  constexpr int kBox = 1155, kTimeOut = 1154;
  auto& m = device->memory();
  m[39] = 0x0010;
  m[50] = 777;
  m[51] = 3;
  Read();
  EXPECT_FALSE(Checked(kBox));
  EXPECT_FALSE(Enabled(dlg_, kTimeOut));
  EXPECT_EQ(T(kTimeOut), "777");
  Write();
  EXPECT_EQ(m[50], 777);
  EXPECT_EQ(m[51], 0);
  EXPECT_EQ(m[39], 0x0010);
  // A click sets bit 2 and lets the time-out be edited.
  ASSERT_EQ(ui().Click(dlg_, kBox), "");
  EXPECT_TRUE(Enabled(dlg_, kTimeOut));
  ASSERT_EQ(ui().Type(dlg_, kTimeOut, "70000"), "");
  Tick();
  EXPECT_EQ(T(kTimeOut), "65535");
  Write();
  EXPECT_EQ(m[39], 0x0014);
  EXPECT_EQ(m[50], 65535);
  Save(Path("eha9.kvc"));
  EXPECT_EQ(Record(Path("eha9.kvc"), 39), "4     ");
  ASSERT_EQ(ui().Click(dlg_, kBox), "");
  EXPECT_FALSE(Enabled(dlg_, kTimeOut));
  Load(Path("eha9.kvc"));
  EXPECT_TRUE(Checked(kBox));
  EXPECT_TRUE(Enabled(dlg_, kTimeOut));
}

TEST_F(CompactQuirksTest, Type12ModeEnablesItsLimitsAndHidesTransparency) {
  OpenOffline(10, 127);
  EXPECT_FALSE(Checked(1325));
  EXPECT_FALSE(Enabled(dlg_, 1313));
  EXPECT_FALSE(Enabled(dlg_, 1326));
  EXPECT_FALSE(Visible(dlg_, 12713));
  EXPECT_EQ(T(12713), "1.000");
  ASSERT_EQ(ui().Click(dlg_, 1325), "");
  EXPECT_TRUE(Enabled(dlg_, 1313));
  Save(Path("ndeul.kvc"));
  EXPECT_EQ(Record(Path("ndeul.kvc"), 39), "1     ");
  EXPECT_EQ(Record(Path("ndeul.kvc"), 57), "65535 ");
}

TEST_F(CompactQuirksTest, AirSpeedRangeGoesUpTo650AndReadsBackAsTyped) {
  Open("NWYJ", 126);
  constexpr int kHi = 1292;
  ASSERT_EQ(ui().Type(dlg_, kHi, "700"), "");
  Tick();
  EXPECT_EQ(T(kHi), "650.0");
  Write();
  EXPECT_EQ(device->memory()[53], 65000);
  ASSERT_EQ(ui().Type(dlg_, kHi, "1"), "");
  Read();
  EXPECT_EQ(T(kHi), "650.00");
  const auto before = Count("Hodnota mimo rozsah");
  Tick();
  EXPECT_EQ(T(kHi), "650.00");
  EXPECT_EQ(Count("Hodnota mimo rozsah"), before);
}

TEST_F(CompactQuirksTest, FanCommandIsOneFrameAndItsFailureClosesTheDialog) {
  Open("NBBSZ", 149);
  s.sim().ClearLog();
  ASSERT_EQ(ui().Click(dlg_, compact::kNbbszFanButton), "");
  const auto frames = s.sim().LogOf(Exchange::kSetFeature);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].bytes, Frame({0, 0xCF}, false));
  EXPECT_TRUE(ui().IsOpen(149));
  s.sim().FailNth(Exchange::kSetFeature, 1);
  ASSERT_EQ(ui().Click(dlg_, compact::kNbbszFanButton), "");
  RunUntilClosed(149);
  EXPECT_EQ(ui().Messages().back().text, "CHyba při zápisu příkazu");
  EXPECT_EQ(ui().Messages().back().caption, "SET info");
  EXPECT_EQ(ui().Messages().back().icon, ui::Icon::kError);
  EXPECT_EQ(G().DeviceOnline, 0);
}

TEST_F(CompactQuirksTest, FanButtonOfflineFailsWithoutTouchingTheBus) {
  OpenOffline(27, 150);
  EXPECT_TRUE(Enabled(dlg_, compact::kNbbvkFanButton));
  s.sim().ClearLog();
  ASSERT_EQ(ui().Click(dlg_, compact::kNbbvkFanButton), "");
  RunUntilClosed(150);
  EXPECT_EQ(ui().Messages().back().text, "CHyba při zápisu příkazu");
  EXPECT_TRUE(s.sim().LogOf(Exchange::kSetFeature).empty());
}

struct FirmwareCase {
  const char* model;
  int dialog;
  const char* firmware;
  bool old;
};

class OldCo2FirmwareTest : public CompactQuirksTest,
                           public ::testing::WithParamInterface<FirmwareCase> {};

TEST_P(OldCo2FirmwareTest, HidesTheLimitsAndReadsAtOnce) {
  const FirmwareCase& c = GetParam();
  Open(c.model, c.dialog, c.firmware);
  const int lo = Def().hi_above_lo[0].lo;
  EXPECT_EQ(Visible(dlg_, lo), !c.old);
  EXPECT_EQ(s.sim().LogOf(Exchange::kReadInput).empty(), !c.old);
}

INSTANTIATE_TEST_SUITE_P(Co2, OldCo2FirmwareTest,
                         ::testing::Values(FirmwareCase{"NRXU", 123, "00.01.04", true},
                                           FirmwareCase{"NRXU", 123, "00.01.05", false},
                                           FirmwareCase{"NRGN", 131, "00.01.03", true},
                                           FirmwareCase{"KFX", 132, "00.01.04", false}));

TEST_F(CompactQuirksTest, EscDoesNotCloseAndUnparsableIntegersAreWrittenAsShown) {
  Open("KDB", kDlgKdb);
  ASSERT_EQ(ui().PressEsc(kDlgKdb), "");
  EXPECT_TRUE(ui().IsOpen(kDlgKdb));
  ASSERT_EQ(ui().Type(kDlgKdb, 2326, "900"), "");
  Tick();
  // Letters count as below the limits' minimum, and the write shows it.
  ASSERT_EQ(ui().Type(kDlgKdb, 2326, "abc"), "");
  Write();
  EXPECT_EQ(T(2326), "-32768");
  EXPECT_EQ(device->memory()[62], 0x8000);
}

TEST_F(CompactQuirksTest, TextBytesOutsideTheCodePageSurviveReadWriteAndFiles) {
  Open("KDB", kDlgKdb);
  auto& m = device->memory();
  const std::uint16_t words[8] = {0x8141, 0x8342, 0x8843, 0x9044, 0x9845, 0x8A9A, 0x2020, 0x2020};
  for (int k = 0; k < 8; ++k) m[40 + k] = words[k];
  Read();
  for (int k = 0; k < 8; ++k) m[40 + k] = 0;
  Write();
  for (int k = 0; k < 8; ++k) EXPECT_EQ(m[40 + k], words[k]) << k;
  Save(Path("bytes.kvc"));
  ASSERT_EQ(ui().Type(kDlgKdb, 1338, "x"), "");
  Load(Path("bytes.kvc"));
  Write();
  for (int k = 0; k < 8; ++k) EXPECT_EQ(m[40 + k], words[k]) << k;
}

TEST_F(CompactQuirksTest, OffLineReachesEveryCompactDialog) {
  s.Start();
  ui().Advance(310);
  int reached = 0;
  for (int id = 1; id < 2000; ++id) {
    const int type = OfflineDialog::TypeOfCommand(id);
    if (type < 0) continue;
    const DialogDef* def = FindCompactDialogDef(ConfigTemplateFor(type));
    if (def == nullptr) continue;
    SCOPED_TRACE(def->header_name);
    ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonConfig), "");
    ASSERT_EQ(ui().Click(res::kDlgOffline, id), "");
    ASSERT_EQ(ui().TopTemplate(), def->template_number);
    EXPECT_FALSE(Enabled(def->template_number, def->buttons.read));
    ASSERT_EQ(ui().Click(def->template_number, def->buttons.cancel), "");
    ASSERT_EQ(ui().TopTemplate(), res::kMainWindow);
    ++reached;
  }
  EXPECT_EQ(reached, 22);
}

}  // namespace
}  // namespace travik
