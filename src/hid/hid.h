// Device list and the three handle slots over the platform's HID access.
// Slot 0 is the enumeration probe, slot 1 the transmitter, slot 2 the
// calibration device. No operation shows messages; callers do.
#pragma once

#include <cstdint>

#include "core/globals.h"

namespace travik {

inline constexpr std::uint16_t kVendorUsagePage = 0xFF00;
inline constexpr std::uint16_t kVendorUsage = 0x0001;

// Time the synchronous input-report read waits before it counts as failed.
inline constexpr int kInputReadTimeoutMs = 1000;

int EnumerateDevices();
bool FindAndRemember(std::uint16_t vendor, std::uint16_t product, int count, std::uint8_t slot);
bool OpenByIds(std::uint16_t vendor, std::uint16_t product, int count, std::uint8_t slot);
bool OpenRemembered(int position, std::uint8_t slot);
void CloseSlot(std::uint8_t slot);
bool SendFeatureReport(const std::uint8_t* buffer, int length, std::uint8_t slot);
bool ReadFeatureReport(std::uint8_t* buffer, int length, std::uint8_t slot);
bool ReadInputReport(std::uint8_t* buffer, int length, std::uint32_t& transferred, std::uint8_t slot);
bool WriteOutputReport(const std::uint8_t* buffer, int length, std::uint32_t& transferred,
                       std::uint8_t slot);
// Low byte of each UTF-16 unit into text[0..count-1], up to the first zero unit.
// The caller's buffer must hold count+1 characters; it is terminated at the
// end of the string (and at count). Left as it was on failure.
bool ReadProductText(char* text, int count, std::uint8_t slot);
void ReleaseDeviceList();
void ClearDeviceList();
// Releases, clears and enumerates: a fresh list. Returns the count.
int RebuildDeviceList();

// Operations that reached the HID backend so far (opens, closes, reports,
// texts, enumerations), for the whole process; never goes back.
std::uint64_t HidExchangeCount();

// Observer of every exchange, for --trace and the scenario runner's frame log.
struct HidTraceEvent {
  enum Kind { kSetFeature, kGetFeature, kReadInput, kWriteOutput } kind;
  std::uint8_t slot;
  const std::uint8_t* bytes;
  int length;
  bool ok;
};
// HidTraceSink (core/globals.h) receives each; the sink is part of ProgramState.
void SetHidTrace(HidTraceSink sink, void* context);

}  // namespace travik
