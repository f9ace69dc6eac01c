// Dialog 122 against a simulated transmitter and the calibration device
// beside it, on the virtual clock.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "calibration/calibration_report.h"
#include "calibration/calibrator.h"
#include "calibration/output_calibration.h"
#include "calibration_bench.h"
#include "settings/user_settings.h"
#include "support/files.h"

namespace travik {
namespace {

using sim::CalInput;
using sim::Exchange;
using sim::Terminal;

constexpr int kDlg = res::kDlgOutputCalibration;
const std::string kBlank29(29, ' ');

class OutputBench : public test::CalibrationBench {
 public:
  explicit OutputBench(const char* model = "NSC") : CalibrationBench(model) {}

  // Connection and the dialog waiting for "Calibration".
  void Ready() {
    Connect();
    OpenCalibration(kDlg);
    ASSERT_TRUE(RunUntil([&] { return Enabled(kOcCalibrate); }, 2000));
  }
  void Calibrate() { ASSERT_EQ(ui().Click(kDlg, kOcCalibrate), ""); }
  std::string Text(int id) { return CalibrationBench::Text(kDlg, id); }
  bool Enabled(int id) { return CalibrationBench::Enabled(kDlg, id); }
  bool Finished() { return Text(kOcPointName) == "Kalibrace dokoncena"; }

  // Set-calibration-point values sent to the transmitter, by point code, in order.
  std::map<int, std::vector<std::uint16_t>> Writes() {
    std::map<int, std::vector<std::uint16_t>> out;
    for (const auto& f : SentTo(*device))
      if (f[1] == 0xF0) out[f[3]].push_back(static_cast<std::uint16_t>(f[5] | f[6] << 8));
    return out;
  }
  std::vector<std::uint8_t> CalCodes() {
    std::vector<std::uint8_t> out;
    for (const auto& f : SentTo(*cal)) out.push_back(f[1]);
    return out;
  }
  void FixAll(std::uint32_t volts, std::uint32_t amps) {
    cal->SetFixedReading(CalInput::kU1, volts);
    cal->SetFixedReading(CalInput::kU2, volts);
    cal->SetFixedReading(CalInput::kI1, amps);
    cal->SetFixedReading(CalInput::kI2, amps);
  }
};

TEST(OutputCalibration, UnitWithGainAndOffsetErrorsIsCalibratedAndKeepsItsConstants) {
  OutputBench b;
  auto& analog = b.device->analog();
  // A unit drifted away from its factory constants.
  analog.SetError(0, Terminal::kVoltage, {1.03, -200});
  analog.SetError(0, Terminal::kCurrent, {0.97, 500});
  analog.SetError(1, Terminal::kVoltage, {0.985, 110});
  analog.SetError(1, Terminal::kCurrent, {1.02, -400});
  const double drifted = analog.Level(0, Terminal::kVoltage, 50000.0);
  b.Ready();
  b.Calibrate();
  EXPECT_FALSE(b.Enabled(kOcCalibrate));
  ASSERT_TRUE(b.RunUntil([&] { return b.Text(kOcPointName).rfind("Kalibrace Napeti", 0) == 0; }, 3000));
  EXPECT_EQ(b.Text(kOcTransmitterId), "  NSC SN10000     ");
  EXPECT_EQ(b.Text(kOcTransmitterProduct), "Kolvar NSC");
  EXPECT_EQ(b.Text(kOcSteps), "Zbyvajici pocet kroku 12 ");
  ASSERT_TRUE(b.RunUntil([&] { return b.Finished(); }, 400000));
  EXPECT_TRUE(b.ui().Messages().empty()) << b.LastMessage().text;

  // The store, then the calibration device beeps; the dialog is ready again.
  EXPECT_EQ(b.SentTo(*b.device).back(), test::Bytes({0, 0xCD, 3, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(b.CalCodes(), (std::vector<std::uint8_t>{0xCC, 0xC0, 0xA2, 0xA2, 0xA3, 0xA0, 0xA1, 0xCF}));
  EXPECT_EQ(b.Text(kOcSteps), kBlank29);
  EXPECT_EQ(b.Text(kOcTransmitterProduct), kBlank29);
  EXPECT_FALSE(b.Enabled(kOcPointName));
  EXPECT_TRUE(b.Enabled(kOcCalibrate));
  EXPECT_EQ(b.device->eeprom_writes(3), 1);

  // Every point with at most 12 writes, its last one stored and driving the
  // output within the final range.
  const auto writes = b.Writes();
  ASSERT_EQ(writes.size(), 8u);
  analog.set_noise(0);
  for (const OutputPoint& p : OutputPoints()) {
    SCOPED_TRACE(p.title);
    const auto& values = writes.at(p.point_code);
    EXPECT_LE(values.size(), 12u);
    EXPECT_EQ(values.front(), 2048);
    int channel = 0, point = 0;
    ASSERT_TRUE(sim::DecodePointCode(p.point_code, channel, point));
    EXPECT_EQ(analog.eeprom_constants()[channel][point], values.back());
    analog.DrivePoint(channel, point, values.back());
    const double level = analog.Level(channel, sim::PointTerminal(point), std::nullopt);
    EXPECT_NEAR(level, p.nominal, p.final);
  }
  // After a power cycle the unit puts out what it is asked.
  b.device->PowerCycle();
  EXPECT_GT(std::abs(drifted - 50000.0), 1000.0);
  EXPECT_NEAR(analog.Level(0, Terminal::kVoltage, 50000.0), 50000.0, 20);
  EXPECT_NEAR(analog.Level(0, Terminal::kCurrent, 120000.0), 120000.0, 40);
  EXPECT_NEAR(analog.Level(1, Terminal::kVoltage, 50000.0), 50000.0, 20);
  EXPECT_NEAR(analog.Level(1, Terminal::kCurrent, 120000.0), 120000.0, 40);

  ASSERT_EQ(b.ui().Click(kDlg, ui::kIdCancel), "");
  EXPECT_FALSE(b.ui().IsOpen(kDlg));
  EXPECT_TRUE(b.ui().Windows().front().visible);
}

// The window program saves a report when a run ends, passed or failed; the
// dialog says where it went, and says nothing when nothing was saved.
TEST(OutputCalibration, TheDialogSaysWhereTheReportWent) {
  struct Row {
    std::uint32_t volts;  // fixed reading: 10 V passes, 9 V is out of range
    const char* where;
  };
  for (const Row& row : {Row{10000, "/reports/a.html"}, Row{9000, "/reports/b.html"}, Row{10000, ""}}) {
    SCOPED_TRACE(std::to_string(row.volts) + " " + row.where);
    OutputBench b;
    b.FixAll(row.volts, 200000);
    int ended = 0;
    SetCalibrationEndSink([&](const CalibrationReport&) {
      ++ended;
      return std::string(row.where);
    });
    b.Ready();
    EXPECT_EQ(b.Text(kOcReport), "");
    b.Calibrate();
    ASSERT_TRUE(b.RunUntil([&] { return ended > 0; }, 400000));
    SetCalibrationEndSink(nullptr);
    EXPECT_EQ(b.Text(kOcReport), row.where);
  }
}

TEST(OutputCalibration, ReadingWithinTheAtOnceRangeTakesOneWriteAndEachWriteSettles100Ticks) {
  OutputBench b;
  // Voltage inputs read 10005: 1 V is accepted at once, 10 V never.
  b.FixAll(10005, 200000);
  b.Ready();
  b.Calibrate();
  ASSERT_TRUE(b.RunUntil([&] { return !b.Writes().empty(); }, 3000));
  const std::int64_t first = b.ui().Now();
  // The reading of the 101st tick after the write decides; the point is done
  // on the next tick, the next one starts on the one after and writes then.
  ASSERT_TRUE(b.RunUntil([&] { return b.Writes().count(0x06) != 0; }, 5000));
  EXPECT_EQ(b.ui().Now() - first, 104 * 20);
  EXPECT_EQ(b.Writes().at(0x04).size(), 1u);
  ASSERT_TRUE(b.RunUntil([&] { return !b.ui().Messages().empty(); }, 60000));
  // Always below: 2048 + 1024 + ... + 1, and a last correction of 0.
  EXPECT_EQ(b.Writes().at(0x06).size(), 12u);
  EXPECT_EQ(b.Writes().at(0x06).back(), 4095);
  const auto& m = b.LastMessage();
  EXPECT_EQ(m.text, "Calibrated signal is Out of range");
  EXPECT_EQ(m.caption, "CAL info");
  EXPECT_EQ(m.icon, ui::Icon::kError);
  // The dialog stays, ready to start over.
  EXPECT_TRUE(b.ui().IsOpen(kDlg));
  for (int id : {kOcPointName, kOcSteps, kOcTransmitterProduct, kOcTransmitterId, kOcTransmitterFirmware})
    EXPECT_EQ(b.Text(id), kBlank29) << id;
  EXPECT_TRUE(b.Enabled(kOcCalibrate));
  EXPECT_FALSE(b.Enabled(kOcSteps));
  EXPECT_EQ(b.CalCodes().back(), 0xCF);
  EXPECT_EQ(OutputRun().state, kOcIdle);
}

// Readings that never reach the at-once range: the twelfth decides.
TEST(OutputCalibration, TwelfthReadingWithinTheFinalRangeIsAcceptedOutsideItFails) {
  OutputBench b;
  b.FixAll(9985, 0);
  b.Ready();
  b.Calibrate();
  ASSERT_TRUE(b.RunUntil([&] { return b.Writes().count(0x06) != 0; }, 60000));
  EXPECT_EQ(b.Writes().at(0x04).size(), 12u);
  EXPECT_TRUE(b.ui().Messages().empty());
  ASSERT_TRUE(b.RunUntil([&] { return !b.ui().Messages().empty(); }, 60000));

  // Started over on the same unit, now reading 9980: failed after the twelfth write.
  b.s.sim().ClearLog();
  b.cal->SetFixedReading(CalInput::kU1, 9980);
  b.Calibrate();
  ASSERT_TRUE(b.RunUntil([&] { return b.ui().Messages().size() == 2; }, 60000));
  EXPECT_EQ(b.LastMessage().text, "Calibrated signal is Out of range");
  EXPECT_EQ(b.Writes().at(0x04).size(), 12u);
  EXPECT_EQ(b.Writes().count(0x06), 0u);
}

TEST(OutputCalibration, TypeNineSkipsChannelTwo) {
  OutputBench b("NWYJ");
  b.Ready();
  b.Calibrate();
  ASSERT_TRUE(b.RunUntil([&] { return b.Finished(); }, 400000));
  const auto writes = b.Writes();
  EXPECT_EQ(writes.size(), 4u);
  for (int code : {0x04, 0x06, 0x00, 0x02}) EXPECT_EQ(writes.count(code), 1u) << code;
  for (const auto& f : b.SentTo(*b.device)) {
    if (f[1] == 0xF0) {
      EXPECT_EQ(f[2], 1);
    }
  }
  EXPECT_EQ(b.CalCodes(), (std::vector<std::uint8_t>{0xCC, 0xC0, 0xA2, 0xA2, 0xA3, 0xCF}));
  EXPECT_EQ(b.SentTo(*b.device).back()[1], 0xCD);
}

TEST(OutputCalibration, MissingJumperIsReportedAndTheRunGoesOnButNothingIsKept) {
  OutputBench b;
  b.device->set_jumper_fitted(false);
  const auto factory = b.device->analog().eeprom_constants();
  b.Ready();
  b.Calibrate();
  ASSERT_TRUE(b.RunUntil([&] { return !b.ui().Messages().empty(); }, 3000));
  const auto& m = b.LastMessage();
  EXPECT_EQ(m.text, "        Servisní Jumper není připojen.\n\n Zapsaná data nebudou uložena do EEPROM.");
  EXPECT_EQ(m.caption, "SET info");
  EXPECT_EQ(m.icon, ui::Icon::kInformation);
  ASSERT_TRUE(b.RunUntil([&] { return b.Finished(); }, 400000));
  EXPECT_EQ(b.ui().Messages().size(), 1u);
  EXPECT_EQ(b.device->eeprom_writes(3), 0);
  b.device->PowerCycle();
  EXPECT_EQ(b.device->analog().constants(), factory);
}

struct Failure {
  const char* name;
  std::function<void(OutputBench&)> arm;  // armed once the dialog waits for "Calibration"
  const char* text;
  const char* caption;
  ui::Icon icon;
  bool closes;
};

// Failures after "Calibration": what is said, and whether the dialog stays.
TEST(OutputCalibration, FailuresDuringARun) {
  const Failure failures[] = {
      {"calibration device stops answering",
       [](OutputBench& b) { b.s.sim().FailAll(Exchange::kReadInput, true, b.cal); },
       "Calibration Data read error", "BOOT info", ui::Icon::kError, true},
      {"channel selection refused", [](OutputBench& b) { b.s.sim().FailNth(Exchange::kSetFeature, 1, b.cal); },
       "Channel select error", "SET info", ui::Icon::kError, true},
      {"transmitter gone", [](OutputBench& b) { b.s.sim().Unplug(*b.device); },
       "Calibrated device not detected", "HID device info", ui::Icon::kInformation, true},
      {"init refused", [](OutputBench& b) { b.s.sim().FailNth(Exchange::kSetFeature, 1, b.device); },
       "Calibrated device ID read error", "HID device info", ui::Icon::kInformation, true},
      {"identification not sent", [](OutputBench& b) { b.s.sim().TimeoutNthRead(1, b.device); },
       "HID device neodpovídá", "HID device info", ui::Icon::kInformation, true},
      {"jumper status not sent", [](OutputBench& b) { b.s.sim().FailNth(Exchange::kGetFeature, 1, b.device); },
       "HID device neodpovídá", "HID device info", ui::Icon::kInformation, true},
      // Init, jumper query, then the first point.
      {"set calibration point refused",
       [](OutputBench& b) { b.s.sim().FailNth(Exchange::kSetFeature, 3, b.device); }, "Calibration error",
       "CAL info", ui::Icon::kError, false},
  };
  for (const Failure& f : failures) {
    SCOPED_TRACE(f.name);
    OutputBench b;
    b.Ready();
    // The technician takes a moment to read each box; the dialog's timer runs on.
    b.ui().SetMessageBoxDuration(500);
    f.arm(b);
    b.Calibrate();
    ASSERT_TRUE(b.RunUntil([&] { return !b.ui().Messages().empty(); }, 10000));
    const auto& m = b.ui().Messages().front();
    EXPECT_EQ(m.text, f.text);
    EXPECT_EQ(m.caption, f.caption);
    EXPECT_EQ(m.icon, f.icon);
    b.ui().Advance(200);
    EXPECT_EQ(b.ui().Messages().size(), 1u) << "one box, no pile-up";
    EXPECT_EQ(b.ui().IsOpen(kDlg), !f.closes);
    EXPECT_EQ(OutputRun().state, kOcIdle);
    // A transmitter that fails an exchange is gone for the main window too.
    const bool transmitter = std::string(f.name).find("calibration device") == std::string::npos &&
                             std::string(f.name) != "channel selection refused";
    EXPECT_EQ(G().DeviceOnline, transmitter ? 0 : 1);
    if (f.closes) {
      EXPECT_TRUE(b.ui().Windows().front().visible);
    } else {
      EXPECT_FALSE(b.Enabled(kOcCalibrate));
    }
  }
}

TEST(OutputCalibration, StoreAndBeepFailures) {
  {
    OutputBench b;
    b.Ready();
    b.Calibrate();
    ASSERT_TRUE(b.RunUntil([&] { return OutputRun().state == kOcStore; }, 400000));
    b.s.sim().FailNth(Exchange::kSetFeature, 1, b.device);
    ASSERT_TRUE(b.RunUntil([&] { return !b.ui().Messages().empty(); }, 1000));
    EXPECT_EQ(b.LastMessage().text, "Calibration data write to EEPROM error");
    EXPECT_EQ(b.LastMessage().caption, "CAL info");
    b.ui().Advance(200);
    EXPECT_TRUE(b.ui().IsOpen(kDlg));
    EXPECT_EQ(b.ui().Messages().size(), 1u);
    EXPECT_EQ(b.device->eeprom_writes(3), 0);
    EXPECT_EQ(G().DeviceOnline, 0);
    EXPECT_NE(b.Text(kOcPointName), "Kalibrace dokoncena");
    EXPECT_EQ(b.CalCodes().back(), 0xA1) << "no beep";
  }
  {
    OutputBench b;
    b.Ready();
    // U1 twice, I1, U2, I2, then the beep. The box stays up a while: the
    // store must not run again under it.
    b.s.sim().FailNth(Exchange::kSetFeature, 6, b.cal);
    b.ui().SetMessageBoxDuration(500);
    b.Calibrate();
    ASSERT_TRUE(b.RunUntil([&] { return b.Finished(); }, 400000));
    ASSERT_EQ(b.ui().Messages().size(), 1u);
    EXPECT_EQ(b.LastMessage().text, "Speaker beep error");
    EXPECT_EQ(b.LastMessage().caption, "CAL info");
    b.ui().Advance(1000);
    EXPECT_EQ(b.device->eeprom_writes(3), 1);
    EXPECT_TRUE(b.Enabled(kOcCalibrate));
  }
}

TEST(OutputCalibration, OpeningFailuresCloseTheDialog) {
  struct Row {
    const char* name;
    std::function<void(OutputBench&)> arm;  // before the menu command
    const char* text;
    const char* caption;
  } rows[] = {
      {"no calibration device", [](OutputBench& b) { b.s.sim().Unplug(*b.cal); },
       "Calibration device not detected", "HID device info"},
      {"init refused", [](OutputBench& b) { b.s.sim().FailNth(Exchange::kSetFeature, 1, b.cal); },
       "Calibration device ID read error", "HID device info"},
      // Opens: two to enumerate, two to find, then the transmitter and the
      // calibration device again to open it.
      {"found but cannot be opened", [](OutputBench& b) { b.s.sim().FailNth(Exchange::kOpen, 6); },
       "Calibration Data read error", "BOOT info"},
      {"read block 1 refused", [](OutputBench& b) { b.s.sim().FailNth(Exchange::kSetFeature, 2, b.cal); },
       "Data read pointer error", "SET info"},
      // The tick of state 2 reads twice: its reading, then the identification.
      {"identification not sent", [](OutputBench& b) { b.s.sim().TimeoutNthRead(53, b.cal); },
       "HID device neodpovídá", "HID device info"},
      {"no HID device at all",
       [](OutputBench& b) {
         b.s.sim().Unplug(*b.cal);
         b.s.sim().Unplug(*b.device);
       },
       "No USB HID device is connected", "HID device info"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    OutputBench b;
    b.Connect();
    row.arm(b);
    ASSERT_NO_FATAL_FAILURE(b.OpenUntilRefused(kDlg));
    EXPECT_EQ(b.LastMessage().text, row.text);
    EXPECT_EQ(b.LastMessage().caption, row.caption);
    EXPECT_EQ(b.s.sim().OpenHandles(), G().DeviceOnline == 1 ? 1 : 0);
  }
}

TEST(OutputCalibration, MenuOpensTheDialogOfTheType) {
  struct Row {
    const char* model;
    int dialog;
  } rows[] = {{"NSC", kDlg}, {"NWYJ", kDlg}, {"N3tNT", res::kDlgInputCalibration}, {"KDB", 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.model);
    OutputBench b(row.model);
    b.Connect();
    ASSERT_EQ(b.ui().MenuCommand(res::kMainWindow, res::kMenuAutoCalibration), "");
    if (row.dialog == 0) {
      EXPECT_EQ(b.LastMessage().text, "Tato funkce není dostupná");
      EXPECT_EQ(b.ui().TopTemplate(), res::kMainWindow);
    } else {
      EXPECT_EQ(b.ui().TopTemplate(), row.dialog);
      EXPECT_FALSE(b.ui().Windows().front().visible);
    }
  }
}

// The fast search in the dialog: the same settle time and messages, judged on
// the mean of the last readings of the settle time.
TEST(OutputCalibration, FastModeJudgesTheMeanOfTheLastReadingsAfterTheSameSettleTime) {
  struct Row {
    bool fast;
    std::size_t writes_1v;  // of the 1 V point when the 10 V point starts
  } rows[] = {{false, 1}, {true, 2}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.fast ? "fast" : "default");
    OutputBench b;
    b.FixAll(9900, 200000);
    b.Ready();
    if (row.fast) {
      ASSERT_EQ(b.ui().Click(kDlg, kOcFast), "");
    }
    b.Calibrate();
    EXPECT_FALSE(b.Enabled(kOcFast));
    ASSERT_TRUE(b.RunUntil([&] { return !b.Writes().empty(); }, 3000));
    // Only the reading that decides (the 101st tick's) comes within the
    // at-once range: enough for the default, not for a mean of five.
    b.ui().Advance(100 * 20);
    EXPECT_EQ(b.Writes().at(0x04).size(), 1u);
    b.cal->SetFixedReading(CalInput::kU1, 10005);
    ASSERT_TRUE(b.RunUntil([&] { return b.Writes().at(0x04).size() > 1 || b.Writes().count(0x06); }, 1000));
    EXPECT_EQ(b.Writes().at(0x04).size(), row.writes_1v);
  }
}

// A unit no constant brings into range fails in fast mode after the same
// twelve writes, with the same message and the same dialog afterwards.
TEST(OutputCalibration, FastModeOutOfRangeAsTheDefault) {
  std::vector<std::int64_t> took;
  for (bool fast : {false, true}) {
    SCOPED_TRACE(fast ? "fast" : "default");
    OutputBench b;
    b.FixAll(9000, 200000);
    b.Ready();
    if (fast) {
      ASSERT_EQ(b.ui().Click(kDlg, kOcFast), "");
    }
    const std::int64_t start = b.ui().Now();
    b.Calibrate();
    ASSERT_TRUE(b.RunUntil([&] { return !b.ui().Messages().empty(); }, 60000));
    // Every write settled as long: the message comes at the same moment.
    took.push_back(b.ui().Now() - start);
    const auto writes = b.Writes().at(0x04);
    ASSERT_EQ(writes.size(), 12u);
    EXPECT_EQ(writes.back(), 4095);
    EXPECT_EQ(b.LastMessage().text, "Calibrated signal is Out of range");
    EXPECT_EQ(b.LastMessage().caption, "CAL info");
    EXPECT_EQ(b.Text(kOcSteps), kBlank29);
    EXPECT_TRUE(b.Enabled(kOcCalibrate));
    EXPECT_TRUE(b.Enabled(kOcFast));
    EXPECT_EQ(b.CalCodes().back(), 0xCF);
  }
  ASSERT_EQ(took.size(), 2u);
  EXPECT_EQ(took[0], took[1]);
}

// The steps line counts the fast search's writes down as the default's.
TEST(OutputCalibration, FastModeStepsLineAndConstants) {
  OutputBench b;
  auto& analog = b.device->analog();
  analog.set_noise(0);
  analog.SetError(0, Terminal::kVoltage, {1.02, -150});
  b.Ready();
  ASSERT_EQ(b.ui().Click(kDlg, kOcFast), "");
  b.Calibrate();
  ASSERT_TRUE(b.RunUntil([&] { return !b.Writes().empty(); }, 3000));
  EXPECT_EQ(b.Text(kOcSteps), "Zbyvajici pocet kroku 12 ");
  ASSERT_TRUE(b.RunUntil([&] { return b.Writes().at(0x04).size() == 2; }, 3000));
  EXPECT_EQ(b.Text(kOcSteps), "Zbyvajici pocet kroku 11 ");
  ASSERT_TRUE(b.RunUntil([&] { return b.Finished(); }, 400000));
  // 2048, the halving to 1024, then the constant the line through them gives.
  const auto writes = b.Writes().at(0x04);
  ASSERT_EQ(writes.size(), 3u);
  EXPECT_EQ(writes[1], 1024);
  EXPECT_NEAR(writes[2], 1887, 2);
  EXPECT_EQ(analog.eeprom_constants()[0][sim::kPoint1V], writes[2]);
}

// The check box starts as the settings say, and a click is saved at once.
TEST(OutputCalibration, FastModeChoiceIsRemembered) {
  testing::TempDir dir;
  OutputBench b;
  LoadUserSettings(dir.File("travik/settings"));
  b.Ready();
  EXPECT_FALSE(b.ui().Control(kDlg, kOcFast)->checked);
  ASSERT_EQ(b.ui().Click(kDlg, kOcFast), "");
  EXPECT_TRUE(G().Settings.FastOutputCalibration);
  EXPECT_EQ(testing::ReadFile(dir.File("travik/settings")), "fast_output_calibration=1\n");
  ASSERT_EQ(b.ui().Click(kDlg, ui::kIdCancel), "");
  ASSERT_EQ(b.ui().MenuCommand(res::kMainWindow, res::kMenuAutoCalibration), "");
  EXPECT_TRUE(b.ui().Control(kDlg, kOcFast)->checked);
  ASSERT_EQ(b.ui().Click(kDlg, kOcFast), "");
  EXPECT_EQ(testing::ReadFile(dir.File("travik/settings")), "fast_output_calibration=0\n");
}

}  // namespace
}  // namespace travik
