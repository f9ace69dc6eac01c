// The dialogs' state numbers are the ones their documentation and the
// scenarios use (TransferState is compared with them), so they are pinned
// here, together with the helpers that walk the block phases and the points.
#include <gtest/gtest.h>

#include "core/dialog_runs.h"

namespace travik {
namespace {

TEST(DialogRuns, TransferPhasesCoverTheirDocumentedNumbers) {
  struct Row {
    TransferStep phase;
    int first, last;
  };
  const Row rows[] = {
      {kReadCommand, 2, 13}, {kReadData, 14, 25}, {kWriteCommand, 34, 45}, {kWriteData, 46, 57}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.first);
    for (int block = 1; block <= kTransferBlocks; ++block) {
      EXPECT_EQ(BlockStep(row.phase, block), row.first + block - 1);
      EXPECT_EQ(BlockOf(row.phase, BlockStep(row.phase, block)), block);
    }
    // One past either end belongs to no block of this phase.
    EXPECT_EQ(BlockOf(row.phase, row.first - 1), 0);
    EXPECT_EQ(BlockOf(row.phase, row.last + 1), 0);
    // No other state of the popups falls inside a block phase.
    for (TransferStep single : {kTransferIdle, kTransferWaiting, kSaveFirst, kSaveSecond, kSaveLast,
                                kJumperCommand, kJumperReply})
      EXPECT_EQ(BlockOf(row.phase, single), 0) << int{single};
  }
  EXPECT_EQ(int{kSaveFirst}, 58);
  EXPECT_EQ(int{kSaveLast}, 60);
  EXPECT_EQ(int{kJumperCommand}, 61);
  EXPECT_EQ(int{kJumperReply}, 62);
}

TEST(DialogRuns, DocumentedStateNumbers) {
  struct Row {
    int state, number;
  };
  const Row rows[] = {
      {kValuesIdle, 0},          {kValuesAddress, 1},         {kValuesSettle, 2},
      {kValuesRecord, 3},        {kValuesReadCalibrator, 4},  {kModuleIdle, 0},
      {kModuleAddress, 1},       {kModuleWait, 2},            {kModuleAskInputRanges, 3},
      {kModuleInputRanges, 4},   {kModuleAskUnits, 5},        {kModuleUnits, 6},
      {kModuleAskOutputRanges, 7}, {kModuleOutputRanges, 8},  {kModuleReadCalibrator, 9},
      {kIcWaitReady, 0},         {kIcRtd100Low, 1},           {kIcRtd1000High, 4},
      {kIcStore, 9},             {kIcIdentify, 10},           {kIcJumperRequest, 11},
      {kIcJumper, 12},           {kIcSignal, 13},             {kIcResetSignal, 14},
      {kIcDelay, 15},            {kIcBeep, 16},               {kIcIdle, 17},
      {kOcIdle, 0},              {kOcDelay, 1},               {kOcIdentifyCalibrator, 2},
      {kOcIdentifyTransmitter, 3}, {kOcJumper, 4},            {kOcFirstPoint, 5},
      {kOcLastPoint, 12},        {kOcStore, 13},
  };
  for (const Row& row : rows) EXPECT_EQ(row.state, row.number);
}

TEST(DialogRuns, PointStatesAndTheirIndices) {
  for (int state = 0; state <= 20; ++state) {
    const bool input_point = state >= 1 && state <= 4;
    EXPECT_EQ(WritesInputPoint(state), input_point) << state;
    const int index = OutputPointIndex(state);
    if (state >= 5 && state <= 12) {
      EXPECT_EQ(index, state - 5);
      EXPECT_EQ(OutputPointStep(index), state);
    } else {
      EXPECT_EQ(index, -1) << state;
    }
  }
}

}  // namespace
}  // namespace travik
