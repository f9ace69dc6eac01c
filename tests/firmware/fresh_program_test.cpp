// ResetProgramState gives a fresh program: what one run left behind (the
// bootloader's run, every dialog's run, the frame trace, the connection's
// refusals) does not reach the next.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "bootloader_bench.h"
#include "calibration/calibration_report.h"
#include "calibration/fast_search.h"
#include "calibration/input_calibration.h"
#include "calibration/output_calibration.h"
#include "hid/hid.h"
#include "values/values_dialog.h"

namespace travik {
namespace {

using test::BootBench;
using test::kDlg;

void Count(const HidTraceEvent&, void* context) { ++*static_cast<int*>(context); }

TEST(FreshProgram, TheBootloaderRunStartsIdleAfterAReset) {
  {
    BootBench b;
    b.ConnectAndOpen();
    ASSERT_EQ(b.ui().Click(kDlg, kBootInfoButton), "");
    ASSERT_TRUE(b.RunUntil([&] { return b.Text(kBootStatusControl) == " Reset zarizeni je hotov"; }, 20000));
    // The run holds what the device told it.
    EXPECT_NE(Boot().flash_kib, 0);
    EXPECT_EQ(Boot().mode, BootMode::kHardwareInfo);
  }
  ResetProgramState();
  const BootRun fresh;
  EXPECT_EQ(Boot().state, BootState::kIdle);
  EXPECT_EQ(Boot().next_state, fresh.next_state);
  EXPECT_EQ(Boot().mode, BootMode::kDownload);
  EXPECT_EQ(Boot().flash_kib, 0);
  EXPECT_EQ(Boot().countdown, 0u);
  EXPECT_EQ(Boot().position, 0u);
  EXPECT_EQ(std::memcmp(Boot().info.data(), fresh.info.data(), fresh.info.size()), 0);

  // And the next program downloads as a first one would.
  BootBench next;
  next.device->set_flash_kib(8);
  next.ConnectAndOpen();
  next.Load("fw.hex", test::HexImage(test::ImageBytes(4600)));
  ASSERT_EQ(next.ui().Click(kDlg, kBootDownloadButton), "");
  EXPECT_TRUE(next.RunUntil([&] { return next.Showed(" Bootovani je úspěšně dokončeno ;-) "); }, 60000));
  EXPECT_EQ(next.MessageTexts(), std::vector<std::string>{" Bootovani je úspěšně dokončeno ;-) "});
}

TEST(FreshProgram, TheFrameTraceDoesNotOutliveAReset) {
  int frames = 0;
  {
    BootBench b;
    SetHidTrace(&Count, &frames);
    b.Connect();
    EXPECT_GT(frames, 0);
  }
  const int before = frames;
  BootBench next;  // its session resets the program
  next.Connect();
  EXPECT_EQ(frames, before);
  EXPECT_EQ(G().Trace.hid_sink, nullptr);
  EXPECT_EQ(G().Trace.out, nullptr);
}

TEST(FreshProgram, ConnectionStartsWaitingToSearch) {
  G().ConnectState = kConnectIdentify;
  G().NextState = kConnectLost;
  G().ConnectFailures = 7;
  ResetProgramState();
  EXPECT_EQ(G().ConnectState, kConnectWait);
  EXPECT_EQ(G().NextState, kConnectSearch);
  EXPECT_EQ(G().ConnectFailures, 0);
  EXPECT_EQ(G().WaitTicks, 30);
}

// Every dialog that runs a machine of its own keeps its variables between
// openings; a reset must leave none of them behind.
TEST(FreshProgram, EveryDialogRunStartsIdleAfterAReset) {
  G().Transfer = {kTransferWaiting, kSaveSecond, 9};
  ValuesState() = {kValuesReadCalibrator, 7};
  OutputModuleState().state = kModuleReadCalibrator;
  OutputModuleState().shown[1] = -5;
  InputRun().state = kIcWaitReady;
  InputRun().polls = 12;
  InputRun().calibrator_ready = true;
  OutputRun().state = kOcStore;
  OutputRun().phase = kOcMeasure;
  OutputRun().search.steps_left = 3;
  OutputRun().fast = std::make_shared<FastOutputRun>();
  CurrentCalibration().points.resize(4);
  CurrentCalibration().complete = true;

  ResetProgramState();

  EXPECT_EQ(G().Transfer.TransferState, kTransferIdle);
  EXPECT_EQ(G().Transfer.TransferWait, 0);
  EXPECT_EQ(ValuesState().state, kValuesIdle);
  EXPECT_EQ(ValuesState().countdown, 0u);
  EXPECT_EQ(OutputModuleState().state, kModuleIdle);
  EXPECT_EQ(OutputModuleState().shown[1], 0);
  EXPECT_EQ(InputRun().state, kIcIdle);
  EXPECT_EQ(InputRun().polls, 0u);
  EXPECT_FALSE(InputRun().calibrator_ready);
  EXPECT_EQ(OutputRun().state, kOcIdle);
  EXPECT_EQ(OutputRun().phase, kOcStart);
  EXPECT_EQ(OutputRun().search.steps_left, kOcStepsPerPoint);
  EXPECT_EQ(OutputRun().fast, nullptr);
  EXPECT_TRUE(CurrentCalibration().points.empty());
  EXPECT_FALSE(CurrentCalibration().complete);
}

}  // namespace
}  // namespace travik
