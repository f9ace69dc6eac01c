// Command frames and reply checks.
#include <gtest/gtest.h>

#include <vector>

#include "core/globals.h"
#include "protocol/frames.h"

namespace travik {
namespace {

std::vector<int> Frame() { return {G().CommandReport.begin(), G().CommandReport.end()}; }

TEST(Frames, BytesOfEachCommand) {
  ResetProgramState();
  struct Case {
    const char* name;
    void (*build)();
    std::vector<int> bytes;
  };
  const Case cases[] = {
      {"init", [] { FrameInit(); }, {0, 0xCC, 0, 0, 0, 0xD4, 0x71, 0x3A, 0x5C}},
      {"read block 5", [] { FrameReadBlock(5); }, {0, 0xC0, 5, 0, 0, 0xD4, 0x71, 0x3A, 0x5C}},
      {"write block 12", [] { FrameWriteBlock(12); }, {0, 0xC1, 0x0C, 0, 0, 0xD4, 0x71, 0x3A, 0x5C}},
      {"save area 2", [] { FrameSaveEeprom(2); }, {0, 0xCD, 2, 0, 0, 0xD4, 0x71, 0x3A, 0x5C}},
      {"save area 3 without magic", [] { FrameSaveEeprom(3, false); }, {0, 0xCD, 3, 0, 0, 0, 0, 0, 0}},
      {"jumper", [] { FrameReadJumper(); }, {0, 0xCE, 0, 0, 0, 0xD4, 0x71, 0x3A, 0x5C}},
      {"jumper without magic", [] { FrameReadJumper(false); }, {0, 0xCE, 0, 0, 0, 0, 0, 0, 0}},
      {"beep", [] { FrameBeep(); }, {0, 0xCF, 0, 0, 0, 0, 0, 0, 0}},
      {"begin transfer", [] { FrameBeginTransfer(); }, {0, 0xC8, 0, 0, 0, 0xD4, 0x71, 0x3A, 0x5C}},
      {"end transfer", [] { FrameEndTransfer(); }, {0, 0xC9, 0, 0, 0, 0xD4, 0x71, 0x3A, 0x5C}},
      {"calibration value 400", [] { FrameCalibrationValue(400); }, {0, 0xF0, 0x01, 0x90, 0, 0, 0, 0, 0}},
      {"calibration point", [] { FrameCalibrationPoint(1, 0xA3, 0x1234); },
       {0, 0xF0, 1, 0xA3, 0, 0x34, 0x12, 0, 0}},
      {"channel I1", [] { FrameSelectChannel(kChannelI1); }, {0, 0xA3, 0, 0, 0, 0, 0, 0, 0}},
      {"restart boot", [] { FrameRestartBoot(); }, {0, 0xCA, 0, 0, 0, 0xD4, 0x71, 0x3A, 0x5C}},
      {"activate boot", [] { FrameActivateBoot(); }, {0, 0x55, 0, 0, 0, 0xD4, 0x71, 0x3A, 0x5C}},
      {"file type hex", [] { FrameFileType('h'); }, {0, 0x00, 0, 0, 0, 0x68, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    // A previous frame's bytes never leak into the next one.
    G().CommandReport.fill(0xEE);
    G().CommandReport[0] = 0;
    c.build();
    EXPECT_EQ(Frame(), c.bytes) << c.name;
  }
}

TEST(Frames, ReplyChecks) {
  ResetProgramState();
  auto& r = G().ReplyReport;
  const struct {
    std::uint8_t b5, b6;
    bool open;
  } menus[] = {{0xB0, 0x00, true}, {0xB0, 0x01, false}, {0x00, 0xB0, false}, {0, 0, false}};
  for (const auto& m : menus) {
    r[5] = m.b5;
    r[6] = m.b6;
    EXPECT_EQ(ReplyUserMenuOpen(), m.open) << int(m.b5) << " " << int(m.b6);
  }
  r[2] = 0;
  EXPECT_TRUE(ReplyJumperFitted());
  r[2] = 1;
  EXPECT_FALSE(ReplyJumperFitted());
}

}  // namespace
}  // namespace travik
