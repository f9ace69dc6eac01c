// The values window (106) and the output module's window (134), on the
// virtual clock against a simulated transmitter and calibration device.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "sim/sim_calibrator.h"
#include "support/connected.h"
#include "values/value_formats.h"
#include "values/values_dialog.h"

namespace travik {
namespace {

using sim::Exchange;
constexpr int kValues = 106;
constexpr int kModule = 134;

class ValuesTest : public testing::ConnectedTest {
 protected:
  // The transmitter of `model`, with a calibration device beside it unless `calibrator` is false.
  void Bench(const char* model, bool calibrator = true) {
    Connect(model, nullptr, [&] {
      device->analog().MakeIdeal();
      if (!calibrator) return;
      cal = &sim::AddCalibrator(s.sim());
      sim::PutOnBench(*cal, device);
    });
  }
  void Open(int expected) {
    ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonValues), "");
    ASSERT_EQ(ui().TopTemplate(), expected);
  }
  // Opening, read block 1, the countdown of 15: the first record is read on tick 18.
  void UntilFirstRecord() { ui().Advance(18 * kValuesTickMs); }
  std::string V(int id) { return Text(kValues, id); }
  std::string M(int id) { return Text(kModule, id); }
  // Exchanges of a kind with a device since the log was cleared.
  int Count(Exchange kind, const sim::SimDevice* d) {
    int n = 0;
    for (const auto& e : s.sim().Log()) n += e.kind == kind && d != nullptr && e.path == d->path();
    return n;
  }
  std::vector<std::string> MessageTexts() {
    std::vector<std::string> texts;
    for (const auto& m : ui().Messages()) texts.push_back(m.text + " | " + m.caption);
    return texts;
  }

  sim::SimCalibrator* cal = nullptr;
};

// --- Layouts -------------------------------------------------------------------

struct LayoutCase {
  std::vector<const char*> models;
  // Label texts of 1031, 1029, 1030, 1032 and which of the eight controls are
  // visible (labels, then values) once the first record is shown.
  std::array<const char*, 4> labels;
  std::array<bool, 8> visible;
  std::array<const char*, 4> values;  // compared where visible
};

constexpr bool Y = true, N = false;
const std::vector<LayoutCase>& Layouts() {
  static const std::vector<LayoutCase> layouts = {
      {{"UU5"}, {"", "Frekvence", "Frekvence", "Data 4"}, {Y, Y, Y, N, N, Y, Y, N},
       {"", " 50,0  Hz", " 7654,3  Hz", ""}},
      {{"NRXU", "KDB", "UC-RGJ", "UC-RGJ-H", "UC-RGQ", "UC-RGQ-A", "KDB7DY"},
       {"Koncentrace CO2", "Teplota", "Vlhkost", "Data 4"}, {Y, Y, Y, N, Y, Y, Y, N},
       {" 650  ppm", " 23,5  °C", " 45,5  %RH", ""}},
      {{"NRGN", "KFX"}, {"", "Koncentrace CO2", "", "Data 4"}, {Y, Y, Y, N, N, Y, N, N}, {"", " 650  ppm", "", ""}},
      {{"NWYJ", "NWYT"}, {"", "Rychlost proudění", "", "Data 4"}, {Y, Y, Y, N, N, Y, N, N}, {"", " 1,25  m/s", "", ""}},
      {{"NDEUP", "NDEUL"}, {"", "Osvětlení", "", "Data 4"}, {Y, Y, Y, N, N, Y, N, N}, {"", " 420 lx", "", ""}},
      {{"JBC3S", "N3tNT"}, {"", "Teplota", "", ""}, {Y, Y, Y, N, N, Y, N, N}, {"", " 23,5  °C", "", ""}},
      {{"BBH7H"}, {"", "Teplota", "Vlhkost", "Potenciometr"}, {Y, Y, Y, Y, N, Y, Y, Y},
       {"", " 23,5  °C", " 45,5  %RH", " 3,5 "}},
      {{"E-GET9"}, {"", "RMS Proud", "", "Data 4"}, {Y, Y, Y, N, N, Y, N, N}, {"", " 1250  mA", "", ""}},
      {{"NQAZ", "MZP", "UC-BCN", "UC-BCM"}, {"Data 3", "Teplota", "Vlhkost", "TVOC"}, {N, Y, Y, Y, N, Y, Y, Y},
       {"", " 23,5  °C", " 45,5  %RH", " 120  ppb"}},
      {{"NQKZ", "MJD"}, {"", "", "", "TVOC"}, {Y, Y, Y, Y, N, N, N, Y}, {"", "", "", " 120  ppb"}},
      {{"NBBSZ"}, {"PM 10", "Teplota", "Vlhkost", "Typická velikost částic"}, {Y, Y, Y, Y, Y, Y, Y, Y},
       {" 15,3  ug/m3", " 23,5  °C", " 45,5  %RH", " 1,2  um"}},
      {{"NBBVK"}, {"PM 1.0", "PM 2.5", "PM 4.0", "PM 10"}, {Y, Y, Y, Y, Y, Y, Y, Y},
       {" 5,2  ug/m3", " 8,1  ug/m3", " 9,7  ug/m3", " 11,0  ug/m3"}},
      {{"NSC", "NSF", "BBA", "BBH7T", "BBH7Q", "JBC3K", "JBC3G", "E-TG6XK6", "BBH8L", "JBC7X", "LDRS", "BBH7QS",
        "UC-VWW", "UC-MXB", "UC-VWC", "UC-MXH"},
       {"", "Teplota", "Vlhkost", "Data 4"}, {Y, Y, Y, N, N, Y, Y, N}, {"", " 23,5  °C", " 45,5  %RH", ""}},
  };
  return layouts;
}

struct ModelLayout {
  const char* model;
  const LayoutCase* layout;
};

std::vector<ModelLayout> EveryModel() {
  std::vector<ModelLayout> list;
  for (const LayoutCase& c : Layouts())
    for (const char* m : c.models) list.push_back({m, &c});
  return list;
}

class LayoutTest : public ValuesTest, public ::testing::WithParamInterface<ModelLayout> {};

TEST_P(LayoutTest, LabelsVisibilityAndValuesByType) {
  const LayoutCase& c = *GetParam().layout;
  Bench(GetParam().model, false);
  Open(kValues);
  UntilFirstRecord();
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(V(kValueLabelIds[row]), c.labels[row]) << "label row " << row;
    EXPECT_EQ(Visible(kValues, kValueLabelIds[row]), c.visible[row]) << "label row " << row;
    EXPECT_EQ(Visible(kValues, kValueFieldIds[row]), c.visible[4 + row]) << "value row " << row;
    if (c.visible[4 + row]) {
      EXPECT_EQ(V(kValueFieldIds[row]), c.values[row]) << "value row " << row;
    }
  }
  EXPECT_FALSE(Visible(kValues, 3));
  ASSERT_EQ(ui().Click(kValues, 2), "");
  EXPECT_TRUE(ui().Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Values, LayoutTest, ::testing::ValuesIn(EveryModel()),
                         [](const auto& info) {
                           std::string name = info.param.model;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

TEST(LayoutTable, CoversEveryModelButTheOutputModule) {
  std::set<std::string> listed;
  for (const ModelLayout& m : EveryModel()) EXPECT_TRUE(listed.insert(m.model).second) << m.model;
  for (const auto& model : sim::SimModels())
    if (model.device_type != 3) { EXPECT_EQ(listed.count(model.name), 1u) << model.name; }
}

// --- Values dialog -------------------------------------------------------------

TEST_F(ValuesTest, PollsEveryTickAndValuesMove) {
  Bench("KDB7DY", false);
  Open(kValues);
  EXPECT_EQ(V(1007), std::string(16, ' '));
  ui().Advance(17 * kValuesTickMs);
  EXPECT_EQ(Count(Exchange::kReadInput, device), 0);  // still counting down
  ui().Advance(kValuesTickMs);
  EXPECT_EQ(Count(Exchange::kReadInput, device), 1);
  ui().Advance(10 * kValuesTickMs);
  EXPECT_EQ(Count(Exchange::kReadInput, device), 11);
  device->SetLiveWord(0, 0xFF9C);
  ui().Advance(kValuesTickMs);
  EXPECT_EQ(V(1007), "- 10,0  °C");
  EXPECT_EQ(s.sim().OpenHandles(), 0);  // each record on a handle of its own
}

TEST_F(ValuesTest, WithoutACalibrationDeviceSlotTwoIsNeverRead) {
  Bench("KDB", false);
  Open(kValues);
  UntilFirstRecord();
  ui().Advance(10 * kValuesTickMs);
  for (const auto& e : s.sim().Log()) {
    if (e.kind == Exchange::kSetFeature || e.kind == Exchange::kReadInput) {
      EXPECT_EQ(e.path, device->path());
    }
  }
  EXPECT_EQ(Count(Exchange::kReadInput, device), 11);
  for (int id : {3, 4, 5, 6, 1010, 1032}) EXPECT_FALSE(Visible(kValues, id)) << id;
  ASSERT_EQ(ui().Click(kValues, 2), "");
  EXPECT_TRUE(ui().Messages().empty());
}

TEST_F(ValuesTest, ACalibrationDeviceWithoutItsMarkIsNotUsed) {
  Bench("KDB");
  cal->set_product_string(u"Kolvar CxL-4 U/I");  // index 8 is 'x'
  const int transmitter_at = G().Slots[1].remembered;
  const int listed = G().Devices.count;
  Open(kValues);
  // Enumerated on top of the main window's list: its position still holds.
  EXPECT_EQ(G().Devices.count, 2 * listed);
  EXPECT_EQ(G().Slots[1].remembered, transmitter_at);
  UntilFirstRecord();
  ui().Advance(10 * kValuesTickMs);
  EXPECT_EQ(Count(Exchange::kSetFeature, cal), 0);
  EXPECT_EQ(Count(Exchange::kReadInput, cal), 0);
  for (int id : {3, 4, 5, 6, 1010, 1032}) EXPECT_FALSE(Visible(kValues, id)) << id;
  ASSERT_EQ(ui().Click(kValues, 2), "");
  EXPECT_TRUE(ui().Messages().empty());
}

// The fourth row has one owner at a time: the calibration device while it is
// in use, the layout's own value again once the device is given up.
TEST_F(ValuesTest, FourthRowBelongsToTheCalibrationDeviceWhileItIsInUse) {
  Bench("BBH7H");  // potentiometer in the fourth row
  device->SetLiveWord(0, 500);  // output 1: 5 V
  Open(kValues);
  UntilFirstRecord();
  for (int tick = 0; tick < 6; ++tick) {
    ui().Advance(kValuesTickMs);
    EXPECT_EQ(V(1010), " 5.0000 V") << "tick " << tick;
    EXPECT_EQ(V(1032), "Analogový výstup U1");
  }
  ASSERT_EQ(ui().Click(kValues, 5), "");  // I1
  ui().Advance(2 * kValuesTickMs);
  EXPECT_EQ(V(1010), "12.0000 mA");
  EXPECT_EQ(V(1032), "Analogový výstup I1");

  s.sim().FailAll(Exchange::kReadInput, true, cal);
  ui().Advance(2 * kValuesTickMs);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"CHyba při čtení Analogových dat | Čtení dat, info"});
  EXPECT_EQ(V(1032), "Potenciometr");
  EXPECT_TRUE(Visible(kValues, 1010));
  EXPECT_TRUE(Visible(kValues, 1032));
  for (int id : {3, 4, 5, 6}) EXPECT_FALSE(Visible(kValues, id)) << id;
  ui().Advance(2 * kValuesTickMs);
  EXPECT_EQ(V(1010), " 3,5 ");
}

// Refused, read block 1 leaves the device sending identification records,
// whose text bytes must not be shown as a reading.
class RefusedStreamTest : public ValuesTest, public ::testing::WithParamInterface<bool> {};

TEST_P(RefusedStreamTest, ShowsNoReading) {
  const bool module = GetParam();
  Bench(module ? "EHA9" : "BBH7H");
  const int dialog = module ? kModule : kValues;
  const int value = module ? 1553 : 1010;
  s.sim().FailNth(Exchange::kSetFeature, 1, cal);
  Open(dialog);
  ui().Advance(30 * kValuesTickMs);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string("CHyba při čtení Analogových dat | ") +
                                                     (module ? "Zápis dat, info" : "Čtení dat, info")});
  EXPECT_EQ(Text(dialog, value).find(" V"), std::string::npos) << Text(dialog, value);
  EXPECT_EQ(Count(Exchange::kReadInput, cal), 0);
  if (!module) {
    EXPECT_EQ(V(1010), " 3,5 ");
  }
  ASSERT_EQ(ui().Click(dialog, 2), "");
}

INSTANTIATE_TEST_SUITE_P(Values, RefusedStreamTest, ::testing::Bool());

TEST_F(ValuesTest, RefusedReadBlockAndLostRecordCloseTheDialog) {
  Bench("KDB", false);
  s.sim().FailNth(Exchange::kSetFeature, 1, device);
  Open(kValues);
  RunUntilClosed(kValues, 200);
  ASSERT_EQ(MessageTexts(), std::vector<std::string>{"Chyba při nastavování adresy | Čtení dat, info"});
  EXPECT_EQ(ui().Messages()[0].icon, ui::Icon::kError);
  // A transmitter that refused an exchange is gone: the main window says so.
  EXPECT_EQ(G().DeviceOnline, 0);
  EXPECT_FALSE(ui().Control(res::kMainWindow, res::kButtonValues)->enabled);
  ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonStart), "");
  ui().Advance(700);
  ASSERT_EQ(G().DeviceOnline, 1);
  s.sim().ClearLog();

  s.sim().FailNth(Exchange::kReadInput, 3, device);
  Open(kValues);
  RunUntilClosed(kValues, 1000);
  EXPECT_EQ(MessageTexts().back(), "Chyba při čtení měřených dat | Čtení dat, info");
  EXPECT_EQ(Count(Exchange::kReadInput, device), 3);
  EXPECT_EQ(G().DeviceOnline, 0);
  EXPECT_TRUE(ui().Control(res::kMainWindow, res::kButtonStart)->enabled);
}

TEST_F(ValuesTest, RefusedSelectionHidesTheFourthRowAndPollingGoesOn) {
  Bench("KDB");
  Open(kValues);
  UntilFirstRecord();
  ASSERT_TRUE(Visible(kValues, 4));
  s.sim().FailAll(Exchange::kSetFeature, true, cal);
  ASSERT_EQ(ui().Click(kValues, 4), "");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Chyba při výběru kanálu | Čtení dat, info"});
  for (int id : {3, 4, 5, 6, 1010, 1032}) EXPECT_FALSE(Visible(kValues, id)) << id;
  const int reads = Count(Exchange::kReadInput, cal);
  const int records = Count(Exchange::kReadInput, device);
  ui().Advance(5 * kValuesTickMs);
  EXPECT_EQ(Count(Exchange::kReadInput, cal), reads);
  EXPECT_EQ(Count(Exchange::kReadInput, device), records + 5);
}

// --- Output module -------------------------------------------------------------

TEST_F(ValuesTest, OutputModuleReadsItsRangesAndWritesBothChannels) {
  Bench("EHA9");
  device->memory()[92] = static_cast<std::uint16_t>(-15);  // channel 0 from -1.5 V
  Open(kModule);
  ui().Advance(25 * kValuesTickMs);
  EXPECT_EQ(M(1549), "Vstupní rozsah: 0 - 1000");
  EXPECT_EQ(M(1556), "Výtupní rozsah: -1,5 - 10,0");
  EXPECT_EQ(M(1555), "Výtupní rozsah: 4,0 - 20,0");
  EXPECT_EQ(M(1557), "V");
  EXPECT_EQ(M(1558), "mA");
  EXPECT_TRUE(Visible(kModule, 1553));

  s.sim().ClearLog();
  ASSERT_EQ(ui().Type(kModule, kModuleValue0, "1000"), "");
  ASSERT_EQ(ui().Click(kModule, kModuleWrite0), "");
  ASSERT_EQ(ui().Type(kModule, kModuleValue1, "200"), "");
  ASSERT_EQ(ui().Click(kModule, kModuleWrite1), "");
  const auto writes = s.sim().LogOf(Exchange::kWriteOutput);
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(std::vector<std::uint8_t>(writes[1].bytes.begin(), writes[1].bytes.begin() + 5),
            (std::vector<std::uint8_t>{0x00, 0x03, 0xE8, 0x00, 0xC8}));
  EXPECT_EQ(writes[1].bytes.size(), 64u);
  ui().Advance(2 * kValuesTickMs);
  EXPECT_EQ(M(1553), "10.0000 V");
}

TEST_F(ValuesTest, OutputModuleChecksAValueTypedAndWrittenAtOnce) {
  Bench("EHA9", false);
  Open(kModule);
  ui().Advance(25 * kValuesTickMs);
  s.sim().ClearLog();
  ASSERT_EQ(ui().Type(kModule, kModuleValue0, "40000"), "");
  ASSERT_EQ(ui().Click(kModule, kModuleWrite0), "");
  EXPECT_EQ(M(kModuleValue0), "32767");
  const auto writes = s.sim().LogOf(Exchange::kWriteOutput);
  ASSERT_EQ(writes.size(), 1u);
  EXPECT_EQ(writes[0].bytes[1], 0x7F);
  EXPECT_EQ(writes[0].bytes[2], 0xFF);
}

// What reaches the module is what its field shows once checked: a whole
// number past a limit becomes the limit, anything that is no whole number
// gives the field its last value back. Both fields, from a last value of 1234.
TEST_F(ValuesTest, OutputModuleSendsWhatItsFieldShows) {
  struct Case {
    const char* typed;
    const char* shown;  // after the checks; its number is what is sent
    bool message;       // "Hodnota mimo rozsah"
  } cases[] = {
      {"0", "0", false},          {"-1", "-1", false},         {"32767", "32767", false},
      {"-32768", "-32768", false}, {"32768", "32767", true},   {"-32769", "-32768", true},
      {"70000", "32767", true},   {"-40000", "-32768", true},  {"99999", "32767", true},
      {"12345678901", "32767", true}, {"5000.0", "1234", true}, {"1.5", "1234", true},
      {"-0,5", "1234", true},     {"abc", "1234", true},       {"12abc", "1234", true},
      {"1e3", "1234", true},      {"", "1234", true},          {"-", "1234", true},
      {" 77 ", " 77 ", false},    {"+5", "+5", false},
  };
  Bench("EHA9", false);
  Open(kModule);
  ui().Advance(25 * kValuesTickMs);
  for (const int channel : {0, 1}) {
    const int field = channel == 0 ? kModuleValue0 : kModuleValue1;
    const int write = channel == 0 ? kModuleWrite0 : kModuleWrite1;
    for (const Case& c : cases) {
      for (const bool tick_first : {false, true}) {
        SCOPED_TRACE(std::string("channel ") + std::to_string(channel) + " \"" + c.typed + "\"" +
                     (tick_first ? " after a tick" : " written at once"));
        ASSERT_EQ(ui().Type(kModule, field, "1234"), "");
        ASSERT_EQ(ui().Click(kModule, write), "");
        const std::size_t messages = ui().Messages().size();
        s.sim().ClearLog();
        ASSERT_EQ(ui().Type(kModule, field, c.typed), "");
        if (tick_first) {
          ASSERT_EQ(ui().Focus(kModule, 2), "");  // the focus leaves the field
          ui().Advance(kValuesTickMs);
        }
        ASSERT_EQ(ui().Click(kModule, write), "");
        EXPECT_EQ(M(field), c.shown);
        EXPECT_EQ(ui().Messages().size() - messages, c.message ? 1u : 0u);
        const auto writes = s.sim().LogOf(Exchange::kWriteOutput);
        ASSERT_EQ(writes.size(), 1u);
        const auto sent = static_cast<std::int16_t>(writes[0].bytes[1 + 2 * channel] << 8 |
                                                    writes[0].bytes[2 + 2 * channel]);
        EXPECT_EQ(sent, std::stoi(c.shown));
      }
    }
  }
}

// Bytes past the two values still hold whatever the last user of the shared
// report left: a configuration block, a bootloader packet.
TEST_F(ValuesTest, OutputModuleSendsAZeroedReport) {
  Bench("EHA9", false);
  G().OutputReport.fill(0x5A);
  Open(kModule);
  ui().Advance(25 * kValuesTickMs);
  ASSERT_EQ(ui().Type(kModule, kModuleValue1, "300"), "");
  ASSERT_EQ(ui().Click(kModule, kModuleWrite1), "");
  const auto writes = s.sim().LogOf(Exchange::kWriteOutput);
  ASSERT_EQ(writes.size(), 1u);
  std::vector<std::uint8_t> expected(64, 0);
  expected[3] = 0x01;
  expected[4] = 0x2C;
  EXPECT_EQ(std::vector<std::uint8_t>(writes[0].bytes.begin(), writes[0].bytes.end()), expected);
}

TEST_F(ValuesTest, OutputModuleWithoutCalibrationDeviceIdlesInItsLastState) {
  Bench("EHA9", false);
  Open(kModule);
  ui().Advance(40 * kValuesTickMs);
  EXPECT_EQ(OutputModuleState().state, 9);
  EXPECT_EQ(s.sim().LogOf(Exchange::kReadInput).size(), 3u);  // blocks 4, 5 and 7 only
  EXPECT_TRUE(ui().Messages().empty());
  ASSERT_EQ(ui().Click(kModule, 2), "");
}

struct ModuleFailure {
  Exchange kind;
  int nth;
  const char* message;
  bool online_after;
};

class ModuleFailureTest : public ValuesTest, public ::testing::WithParamInterface<ModuleFailure> {};

TEST_P(ModuleFailureTest, ClosesWithItsMessage) {
  const ModuleFailure& f = GetParam();
  Bench("EHA9", false);
  s.sim().FailNth(f.kind, f.nth, device);
  ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonValues), "");  // may close at once
  if (f.kind == Exchange::kWriteOutput) {
    ui().Advance(25 * kValuesTickMs);
    ASSERT_EQ(ui().Click(kModule, kModuleWrite1), "");
  }
  RunUntilClosed(kModule, 2000);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(f.message) + " | Zápis dat, info"});
  EXPECT_EQ(G().DeviceOnline, f.online_after ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ModuleFailureTest,
    ::testing::Values(ModuleFailure{Exchange::kSetFeature, 1, "Chyba při nastavování adresy", false},  // write block 1
                      ModuleFailure{Exchange::kSetFeature, 2, "Chyba při nastavování adresy", false},  // read block 4
                      ModuleFailure{Exchange::kSetFeature, 3, "Chyba při čtení dat", false},           // read block 5
                      ModuleFailure{Exchange::kReadInput, 3, "Chyba při čtení dat", false},            // block 7's record
                      ModuleFailure{Exchange::kWriteOutput, 1, "Chyba při zápisu dat", false}));

TEST_F(ValuesTest, OutputModuleStopsPollingALostCalibrationDevice) {
  Bench("EHA9");
  Open(kModule);
  ui().Advance(25 * kValuesTickMs);
  s.sim().FailAll(Exchange::kReadInput, true, cal);
  ui().Advance(kValuesTickMs);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"CHyba při čtení Analogových dat | Zápis dat, info"});
  EXPECT_EQ(OutputModuleState().state, 0);
  for (int id : {1541, 1553, 1542, 1543, 1544, 1545}) EXPECT_FALSE(Visible(kModule, id)) << id;
  const std::size_t exchanges = s.sim().Log().size();
  ui().Advance(10 * kValuesTickMs);
  EXPECT_EQ(s.sim().Log().size(), exchanges);
  EXPECT_TRUE(ui().IsOpen(kModule));
}

}  // namespace
}  // namespace travik
