#include "protocol/frames.h"

#include "core/globals.h"
#include "hid/hid.h"

namespace travik {

void BuildFrame(std::uint8_t code, std::uint8_t p2, std::uint8_t p3, std::uint8_t p4, bool magic) {
  auto& f = G().CommandReport;
  f[1] = code;
  f[2] = p2;
  f[3] = p3;
  f[4] = p4;
  const std::uint32_t tail = magic ? kCommandMagic : 0;
  for (int i = 0; i < 4; ++i) f[5 + i] = static_cast<std::uint8_t>(tail >> (8 * i));
}

void FrameInit() { BuildFrame(kCmdInit); }
void FrameReadBlock(std::uint8_t block) { BuildFrame(kCmdReadBlock, block); }
void FrameWriteBlock(std::uint8_t block) { BuildFrame(kCmdWriteBlock, block); }
void FrameReadJumper(bool magic) { BuildFrame(kCmdReadJumper, 0, 0, 0, magic); }
void FrameSaveEeprom(std::uint8_t area, bool magic) { BuildFrame(kCmdSaveEeprom, area, 0, 0, magic); }
void FrameBeep() { BuildFrame(kCmdBeep, 0, 0, 0, false); }
void FrameBeginTransfer() { BuildFrame(kCmdBeginTransfer); }
void FrameEndTransfer() { BuildFrame(kCmdEndTransfer); }

void FrameCalibrationValue(std::uint16_t value) {
  BuildFrame(kCmdCalibration, static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value), 0,
             false);
}

void FrameCalibrationPoint(std::uint8_t selector, std::uint8_t point, std::uint16_t value) {
  BuildFrame(kCmdCalibration, selector, point, 0, false);
  G().CommandReport[5] = static_cast<std::uint8_t>(value);
  G().CommandReport[6] = static_cast<std::uint8_t>(value >> 8);
}

void FrameSelectChannel(std::uint8_t code) { BuildFrame(code, 0, 0, 0, false); }
void FrameRestartBoot() { BuildFrame(kCmdRestartBoot); }
void FrameActivateBoot() { BuildFrame(kCmdActivateBoot); }

void FrameFileType(char format_letter) {
  BuildFrame(kCmdFileType, 0, 0, 0, false);
  G().CommandReport[5] = static_cast<std::uint8_t>(format_letter);
}

bool ReplyJumperFitted() { return G().ReplyReport[2] == 0; }
bool ReplyUserMenuOpen() { return G().ReplyReport[5] == 0xB0 && G().ReplyReport[6] == 0x00; }

bool SendCommand(std::uint8_t slot) {
  return SendFeatureReport(G().CommandReport.data(), 9, slot);
}
bool ReadReply(std::uint8_t slot) { return ReadFeatureReport(G().ReplyReport.data(), 9, slot); }
bool ReadInput(std::uint8_t slot) {
  std::uint32_t n = 0;
  return ReadInputReport(G().InputReport.data(), 64, n, slot);
}
bool WriteOutput(std::uint8_t slot) {
  std::uint32_t n = 0;
  return WriteOutputReport(G().OutputReport.data(), 64, n, slot);
}

namespace {
template <typename Transfer>
bool Remembered(std::uint8_t slot, Transfer transfer) {
  if (!OpenRemembered(G().Slots[slot].remembered, slot)) return false;
  const bool ok = transfer(slot);
  CloseSlot(slot);
  return ok;
}
}  // namespace

bool SendCommandRemembered(std::uint8_t slot) { return Remembered(slot, SendCommand); }
bool ReadReplyRemembered(std::uint8_t slot) { return Remembered(slot, ReadReply); }
bool ReadInputRemembered(std::uint8_t slot) { return Remembered(slot, ReadInput); }
bool WriteOutputRemembered(std::uint8_t slot) { return Remembered(slot, WriteOutput); }

}  // namespace travik
