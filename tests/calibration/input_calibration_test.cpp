// Dialog 336 against a simulated N3tNT and a scripted calibration device, on
// the virtual clock.
#include <gtest/gtest.h>

#include "calibration/calibration_report.h"
#include "calibration/input_calibration.h"
#include "calibration_bench.h"

namespace travik {
namespace {

constexpr int kDlg = res::kDlgInputCalibration;
using sim::Exchange;

class InputBench : public test::CalibrationBench {
 public:
  InputBench() : CalibrationBench("N3tNT") {}

  void Ready() {
    Connect();
    OpenCalibration(kDlg);
    ASSERT_TRUE(RunUntil([&] { return Enabled(kDlg, kIcCalibrate); }, 2000));
    s.sim().ClearLog();
  }
  void Calibrate() { ASSERT_EQ(ui().Click(kDlg, kIcCalibrate), ""); }
  std::string Text(int id) { return CalibrationBench::Text(kDlg, id); }
  bool Finished() { return Text(kIcPointName) == "Calibartion finished :-)"; }
};

TEST(InputCalibration, N3tNTIsCalibratedPointByPointAndStored) {
  InputBench b;
  b.device->input_points().set_busy_polls(1);
  b.Connect();
  b.OpenCalibration(kDlg);
  EXPECT_FALSE(b.Enabled(kDlg, kIcCalibrate));
  EXPECT_EQ(b.Text(kIcCalibratorProduct), "Kolvar CAL-4 U/I");
  ASSERT_TRUE(b.RunUntil([&] { return b.Enabled(kDlg, kIcCalibrate); }, 2000));
  EXPECT_EQ(b.Text(kIcCalibratorId), "  CAL-4 UI SN00042");
  EXPECT_EQ(b.Text(kIcCalibratorFirmware), "  01.02.00");
  b.s.sim().ClearLog();

  b.Calibrate();
  EXPECT_EQ(b.Text(kIcDevice), "Device: N3tNT");
  EXPECT_EQ(b.Text(kIcPointName), "RTD 100 ohm Lo");
  EXPECT_EQ(b.Text(kIcNominal), "100.00");
  EXPECT_FALSE(b.Enabled(kDlg, kIcCalibrate));
  EXPECT_TRUE(b.cal->source_role());
  // Each point is shown once the one before is taken; the first never under
  // its table name.
  std::vector<std::string> shown;
  ASSERT_TRUE(b.RunUntil(
      [&] {
        const std::string text = b.Text(kIcPointName) + " / " + b.Text(kIcNominal);
        if (shown.empty() || shown.back() != text) shown.push_back(text);
        return b.Enabled(kDlg, kIcCalibrate);
      },
      60000));
  EXPECT_EQ(shown, (std::vector<std::string>{"RTD 100 ohm Lo / 100.00", "RTD 100 High / 200.00",
                                             "RTD 1000 Low / 1000.0", "RTD 1000 High / 2000.0",
                                             "Data save / -.-", "Calibartion finished :-) / Press CANCEL"}));
  EXPECT_TRUE(b.ui().Messages().empty());
  const std::string poll = "tx get-feature";
  const std::vector<std::string> story = {
      "cal set-feature C8 00 00 00 D4 71 3A 5C",
      "tx set-feature CE 00 00 00 00 00 00 00", poll,
      "cal set-feature A0 00 00 00 00 00 00 00",
      "tx set-feature F0 00 00 00 10 27 00 00", poll, poll,
      "cal set-feature A1 00 00 00 00 00 00 00",
      "tx set-feature F0 00 01 00 20 4E 00 00", poll, poll,
      "cal set-feature A2 00 00 00 00 00 00 00",
      "tx set-feature F0 01 02 00 10 27 00 00", poll, poll,
      "cal set-feature A3 00 00 00 00 00 00 00",
      "tx set-feature F0 01 03 00 20 4E 00 00", poll, poll,
      "cal set-feature AF 00 00 00 00 00 00 00",
      "tx set-feature CD 03 00 00 D4 71 3A 5C",
      "cal set-feature A0 00 00 00 00 00 00 00",
      "cal set-feature CF 00 00 00 00 00 00 00",
  };
  EXPECT_EQ(b.Story(), story);
  EXPECT_EQ(b.device->eeprom_writes(3), 1);
  EXPECT_EQ(b.device->eeprom_calibration().frames.size(), 4u);
  // Each point was taken while its reference was at the input.
  const auto& taken = b.device->input_points().taken();
  ASSERT_EQ(taken.size(), 4u);
  const double ohms[] = {100, 200, 1000, 2000};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(taken[i].input, ohms[i]) << i;
  EXPECT_EQ(b.cal->beep_count(), 1);

  ASSERT_EQ(b.ui().Click(kDlg, ui::kIdCancel), "");
  EXPECT_FALSE(b.ui().IsOpen(kDlg));
  EXPECT_FALSE(b.cal->source_role());
  EXPECT_EQ(b.Story().back(), "cal set-feature C9 00 00 00 D4 71 3A 5C");
  EXPECT_EQ(G().DeviceOnline, 1);
}

TEST(InputCalibration, TheDialogSaysWhereTheReportWent) {
  InputBench b;
  SetCalibrationEndSink([](const CalibrationReport&) { return std::string("/reports/inputs.html"); });
  b.Connect();
  b.OpenCalibration(kDlg);
  ASSERT_TRUE(b.RunUntil([&] { return b.Enabled(kDlg, kIcCalibrate); }, 2000));
  b.Calibrate();
  ASSERT_TRUE(b.RunUntil([&] { return b.Finished(); }, 60000));
  SetCalibrationEndSink(nullptr);
  EXPECT_EQ(b.Text(kIcReport), "/reports/inputs.html");
}

TEST(InputCalibration, DelaysBetweenTheSteps) {
  InputBench b;
  b.device->input_points().set_busy_polls(0);  // ready at the first poll
  b.Ready();
  const std::int64_t t0 = b.ui().Now();
  b.Calibrate();
  std::vector<std::int64_t> at;  // tick of each exchange, from the click
  std::size_t seen = 0;
  ASSERT_TRUE(b.RunUntil(
      [&] {
        const auto story = b.Story();
        for (; seen < story.size(); ++seen) at.push_back((b.ui().Now() - t0) / 20);
        return seen >= 7;
      },
      10000));
  // C8 at the click and the jumper request on the next tick; a delay of n
  // ticks lasts n + 1 and the next state acts on the tick after: status 17
  // ticks later, signal 17, point 52; the status is asked 51 ticks after the
  // point although the transmitter was ready at once.
  EXPECT_EQ(at, (std::vector<std::int64_t>{0, 1, 18, 35, 87, 138, 139}));
}

TEST(InputCalibration, NeverReadyTransmitterIsAskedEvery51TicksAndCancelStillCloses) {
  InputBench b;
  b.device->input_points().set_busy_polls(-1);
  b.Ready();
  b.Calibrate();
  ASSERT_TRUE(b.RunUntil([&] { return InputRun().state == kIcWaitReady; }, 3000));
  b.s.sim().ClearLog();
  b.ui().Advance(51 * 20 * 10);
  EXPECT_EQ(b.s.sim().LogOf(sim::Exchange::kGetFeature).size(), 10u);
  EXPECT_EQ(b.Text(kIcPointName), "RTD 100 ohm Lo");
  ASSERT_EQ(b.ui().Click(kDlg, ui::kIdCancel), "");
  EXPECT_FALSE(b.ui().IsOpen(kDlg));
  EXPECT_EQ(b.Story().back(), "cal set-feature C9 00 00 00 D4 71 3A 5C");
}

TEST(InputCalibration, WaitForTheTransmitterEndsAfterAMinute) {
  InputBench b;
  b.device->input_points().set_busy_polls(-1);
  b.Ready();
  b.Calibrate();
  ASSERT_TRUE(b.RunUntil([&] { return InputRun().state == kIcWaitReady; }, 3000));
  const std::int64_t t0 = b.ui().Now();
  ASSERT_TRUE(b.RunUntil([&] { return !b.ui().IsOpen(kDlg); }, 120000));
  EXPECT_NEAR(b.ui().Now() - t0, 60 * 51 * 20, 51 * 20);
  EXPECT_EQ(b.LastMessage().text, "Device status check timeout");
  EXPECT_EQ(b.LastMessage().caption, "SET info");
  EXPECT_FALSE(b.cal->source_role());
}

// A refused point ends the run: going on, the transmitter's last "ready" would
// pass for the point it never heard of, and the run would be stored and
// reported finished without it.
TEST(InputCalibration, RefusedPointEndsTheRunWithoutAStore) {
  // The transmitter's set-features: the jumper query, then points 1 to 4.
  for (const int refused : {2, 3, 5}) {
    SCOPED_TRACE("point " + std::to_string(refused - 1));
    InputBench b;
    b.Ready();
    b.s.sim().FailNth(Exchange::kSetFeature, refused, b.device);
    b.Calibrate();
    ASSERT_TRUE(b.RunUntil([&] { return !b.ui().Messages().empty(); }, 30000));
    EXPECT_EQ(b.LastMessage().text, "Calibration error");
    EXPECT_EQ(b.LastMessage().caption, "CAL info");
    EXPECT_EQ(b.LastMessage().icon, ui::Icon::kError);
    EXPECT_EQ(b.Text(kIcPointName), "Calibartion Error :-(");
    EXPECT_EQ(b.Text(kIcNominal), "Press CANCEL");
    EXPECT_EQ(G().DeviceOnline, 0);
    EXPECT_EQ(InputRun().state, kIcIdle);
    const std::size_t told = b.Story().size();
    b.ui().Advance(60000);
    EXPECT_EQ(b.Story().size(), told) << "nothing more is sent or polled";
    EXPECT_EQ(b.ui().Messages().size(), 1u);
    EXPECT_EQ(b.device->eeprom_writes(3), 0);
    EXPECT_EQ(b.Story()[told - 1].rfind("tx set-feature F0", 0), 0u) << b.Story()[told - 1];
    ASSERT_EQ(b.ui().Click(kDlg, ui::kIdCancel), "");
    EXPECT_FALSE(b.ui().IsOpen(kDlg));
    EXPECT_EQ(b.Story().back(), "cal set-feature C9 00 00 00 D4 71 3A 5C");
  }
}

TEST(InputCalibration, FailedStoreLeavesTheResultAndSendsNoResetOrBeep) {
  InputBench b;
  b.Ready();
  b.Calibrate();
  ASSERT_TRUE(b.RunUntil([&] { return InputRun().state == kIcStore; }, 60000));
  b.s.sim().FailNth(Exchange::kSetFeature, 1, b.device);
  b.s.sim().ClearLog();
  b.ui().Advance(20 * 60);
  EXPECT_EQ(b.Text(kIcPointName), "Calibartion Error :-(");
  EXPECT_EQ(b.Text(kIcNominal), "Press CANCEL");
  ASSERT_EQ(b.ui().Messages().size(), 1u);
  EXPECT_EQ(b.LastMessage().text, "Calibration data write to EEPROM error");
  EXPECT_EQ(b.LastMessage().caption, "CAL info");
  EXPECT_TRUE(b.ui().IsOpen(kDlg));
  EXPECT_EQ(G().DeviceOnline, 0);
  EXPECT_EQ(b.Story(), (std::vector<std::string>{"tx set-feature CD 03 00 00 D4 71 3A 5C refused"}));
  EXPECT_EQ(b.cal->beep_count(), 0);
}

TEST(InputCalibration, OtherTypesAreUnsupportedAndTheSequenceStops) {
  InputBench b;
  b.Ready();
  G().DeviceType = 0;
  b.Calibrate();
  EXPECT_EQ(b.Text(kIcDevice), "Unsupported device ");
  EXPECT_TRUE(b.Enabled(kDlg, kIcCalibrate));
  b.ui().Advance(5000);
  EXPECT_EQ(b.Story(), (std::vector<std::string>{"cal set-feature C8 00 00 00 D4 71 3A 5C",
                                                 "tx set-feature CE 00 00 00 00 00 00 00",
                                                 "tx get-feature",
                                                 "cal set-feature AF 00 00 00 00 00 00 00"}));
  EXPECT_EQ(InputRun().state, kIcIdle);
  EXPECT_TRUE(b.ui().Messages().empty());
}

TEST(InputCalibration, FailuresCloseTheDialogAfterTheirMessage) {
  struct Row {
    const char* name;
    std::function<void(InputBench&)> arm;
    const char* text;
    const char* caption;
  } rows[] = {
      // To the calibration device: C8, A0, A1, A2, A3, AF, A0, CF.
      {"begin host transfer", [](InputBench& b) { b.s.sim().FailNth(Exchange::kSetFeature, 1, b.cal); },
       "Data read pointer error", "SET info"},
      {"signal", [](InputBench& b) { b.s.sim().FailNth(Exchange::kSetFeature, 2, b.cal); },
       "Init commnand error", "SET info"},
      {"reset signal", [](InputBench& b) { b.s.sim().FailNth(Exchange::kSetFeature, 7, b.cal); },
       "Deinit command error", "SET info"},
      {"beep", [](InputBench& b) { b.s.sim().FailNth(Exchange::kSetFeature, 8, b.cal); },
       "Beep command error", "SET info"},
      {"jumper request", [](InputBench& b) { b.s.sim().FailNth(Exchange::kSetFeature, 1, b.device); },
       "Read sefety Jumper command error", "SET info"},
      {"jumper status", [](InputBench& b) { b.s.sim().FailNth(Exchange::kGetFeature, 1, b.device); },
       "Read sefety Jumper command error", "SET info"},
      {"status", [](InputBench& b) { b.s.sim().FailNth(Exchange::kGetFeature, 2, b.device); },
       "Device status check Error", "SET info"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    InputBench b;
    b.Ready();
    row.arm(b);
    b.Calibrate();
    ASSERT_TRUE(b.RunUntil([&] { return !b.ui().IsOpen(kDlg); }, 60000));
    ASSERT_EQ(b.ui().Messages().size(), 1u) << b.LastMessage().text;
    EXPECT_EQ(b.LastMessage().text, row.text);
    EXPECT_EQ(b.LastMessage().caption, row.caption);
    EXPECT_EQ(b.LastMessage().icon, ui::Icon::kError);
    EXPECT_EQ(b.Story().back(), "cal set-feature C9 00 00 00 D4 71 3A 5C");
    EXPECT_EQ(InputRun().state, kIcIdle);
  }
}

TEST(InputCalibration, OpeningFailures) {
  struct Row {
    const char* name;
    std::function<void(InputBench&)> arm;
    const char* text;
    bool usable;  // the device took its init: it is told the end of the transfer
  } rows[] = {
      {"no calibration device", [](InputBench& b) { b.s.sim().Unplug(*b.cal); },
       "Calibration device not detected", false},
      {"init refused", [](InputBench& b) { b.s.sim().FailNth(Exchange::kSetFeature, 1, b.cal); },
       "Calibration device ID read error", false},
      // Two opens to enumerate, two to find, the transmitter again, then it.
      {"found but cannot be opened", [](InputBench& b) { b.s.sim().FailNth(Exchange::kOpen, 6); },
       "Calibration device ID read error", false},
      {"identification not sent", [](InputBench& b) { b.s.sim().FailAll(Exchange::kReadInput, true, b.cal); },
       "HID device neodpovídá", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    InputBench b;
    b.Connect();
    row.arm(b);
    ASSERT_NO_FATAL_FAILURE(b.OpenUntilRefused(kDlg));
    EXPECT_EQ(b.LastMessage().text, row.text);
    EXPECT_EQ(b.LastMessage().caption, "HID device info");
    EXPECT_EQ(b.LastMessage().icon, ui::Icon::kInformation);
    // A device the dialog could not use is not told to end its transfer.
    const auto story = b.Story();
    const bool told = !story.empty() && story.back() == "cal set-feature C9 00 00 00 D4 71 3A 5C";
    EXPECT_EQ(told, row.usable);
  }
}

TEST(InputCalibration, RefusedEndOfTransferIsReportedOnceAndTheDialogStillCloses) {
  InputBench b;
  b.Ready();
  b.s.sim().FailAll(Exchange::kSetFeature, true, b.cal);
  ASSERT_EQ(b.ui().CloseBox(kDlg), "");
  EXPECT_FALSE(b.ui().IsOpen(kDlg));
  ASSERT_EQ(b.ui().Messages().size(), 1u);
  EXPECT_EQ(b.LastMessage().text, "Data read pointer error");
  EXPECT_EQ(b.LastMessage().caption, "SET info");
}

}  // namespace
}  // namespace travik
