// Command frames in the shared CommandReport, and the one-transfer exchanges
// the device procedures are built from.
#pragma once

#include <cstdint>

namespace travik {

// Command codes.
inline constexpr std::uint8_t kCmdInit = 0xCC;
inline constexpr std::uint8_t kCmdReadBlock = 0xC0;
inline constexpr std::uint8_t kCmdWriteBlock = 0xC1;
inline constexpr std::uint8_t kCmdReadJumper = 0xCE;
inline constexpr std::uint8_t kCmdSaveEeprom = 0xCD;
inline constexpr std::uint8_t kCmdBeep = 0xCF;
inline constexpr std::uint8_t kCmdBeginTransfer = 0xC8;
inline constexpr std::uint8_t kCmdEndTransfer = 0xC9;
inline constexpr std::uint8_t kCmdCalibration = 0xF0;
inline constexpr std::uint8_t kCmdRestartBoot = 0xCA;
inline constexpr std::uint8_t kCmdActivateBoot = 0x55;
inline constexpr std::uint8_t kCmdFileType = 0x00;

// Calibration-device channel codes: inputs in the meter role...
inline constexpr std::uint8_t kChannelU1 = 0xA2;
inline constexpr std::uint8_t kChannelU2 = 0xA0;
inline constexpr std::uint8_t kChannelI1 = 0xA3;
inline constexpr std::uint8_t kChannelI2 = 0xA1;
// ...and references in the source role.
inline constexpr std::uint8_t kRef100Ohm = 0xA0;
inline constexpr std::uint8_t kRef200Ohm = 0xA1;
inline constexpr std::uint8_t kRef1000Ohm = 0xA2;
inline constexpr std::uint8_t kRef2000Ohm = 0xA3;
inline constexpr std::uint8_t kRef1V = 0xA4;
inline constexpr std::uint8_t kRef10V = 0xA5;
inline constexpr std::uint8_t kRef2mA = 0xA6;
inline constexpr std::uint8_t kRef20mA = 0xA7;
inline constexpr std::uint8_t kRefNone = 0xAF;

// Fills CommandReport bytes 1-8: code, parameters 2-4, and CommandMagic in
// 5-8 when `magic`, zeros otherwise. Byte 0 is never written.
void BuildFrame(std::uint8_t code, std::uint8_t p2 = 0, std::uint8_t p3 = 0, std::uint8_t p4 = 0,
                bool magic = true);

void FrameInit();
void FrameReadBlock(std::uint8_t block);
void FrameWriteBlock(std::uint8_t block);
void FrameReadJumper(bool magic = true);
void FrameSaveEeprom(std::uint8_t area, bool magic = true);
void FrameBeep();
void FrameBeginTransfer();
void FrameEndTransfer();
// Dialog form: the value big-endian in bytes 2-3.
void FrameCalibrationValue(std::uint16_t value);
// Calibration form: selector and point code, the value little-endian in 5-6.
void FrameCalibrationPoint(std::uint8_t selector, std::uint8_t point, std::uint16_t value);
void FrameSelectChannel(std::uint8_t code);
void FrameRestartBoot();
void FrameActivateBoot();
void FrameFileType(char format_letter);

// Reply checks on ReplyReport.
bool ReplyJumperFitted();   // after 0xCE
bool ReplyUserMenuOpen();   // status word 0xB000

// One transfer on a slot whose handle is already open.
bool SendCommand(std::uint8_t slot);
bool ReadReply(std::uint8_t slot);
bool ReadInput(std::uint8_t slot);
bool WriteOutput(std::uint8_t slot);

// The usual pattern: open the slot at its remembered list position, one
// transfer, close it again.
bool SendCommandRemembered(std::uint8_t slot);
bool ReadReplyRemembered(std::uint8_t slot);
bool ReadInputRemembered(std::uint8_t slot);
bool WriteOutputRemembered(std::uint8_t slot);

}  // namespace travik
