// Talking to a simulated transmitter through the HID layer, as the program does.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "hid/hid.h"
#include "sim/sim_backend.h"

namespace travik::sim {

class SimFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    SetCurrentHidBackend(&bus);
  }
  void TearDown() override { SetCurrentHidBackend(nullptr); }

  // Enumerates and opens the transmitter into slot 1.
  void Connect() {
    ASSERT_GE(EnumerateDevices(), 1);
    ASSERT_TRUE(OpenByIds(0xA600, 0xE240, G().Devices.count, 1));
  }
  static std::array<std::uint8_t, 9> Frame(std::uint8_t code, std::uint8_t p2 = 0, std::uint8_t p3 = 0,
                                           std::uint32_t argument = kCommandMagic) {
    return {0,
            code,
            p2,
            p3,
            0,
            static_cast<std::uint8_t>(argument),
            static_cast<std::uint8_t>(argument >> 8),
            static_cast<std::uint8_t>(argument >> 16),
            static_cast<std::uint8_t>(argument >> 24)};
  }
  bool Send(std::uint8_t code, std::uint8_t p2 = 0, std::uint32_t argument = kCommandMagic) {
    auto frame = Frame(code, p2, 0, argument);
    return SendFeatureReport(frame.data(), 9, 1);
  }
  bool SendFrame(const std::array<std::uint8_t, 9>& frame) { return SendFeatureReport(frame.data(), 9, 1); }
  bool Read(std::array<std::uint8_t, 64>& report) {
    std::uint32_t n = 0;
    return ReadInputReport(report.data(), 64, n, 1) && n == 64;
  }
  bool Write(const std::array<std::uint8_t, 64>& report) {
    std::uint32_t n = 0;
    return WriteOutputReport(report.data(), 64, n, 1);
  }
  std::array<std::uint8_t, 9> Reply() {
    std::array<std::uint8_t, 9> reply{};
    EXPECT_TRUE(ReadFeatureReport(reply.data(), 9, 1));
    return reply;
  }
  static std::uint16_t WordAt(const std::array<std::uint8_t, 64>& report, int k) {
    return static_cast<std::uint16_t>(report[1 + 2 * k] << 8 | report[2 + 2 * k]);
  }

  SimBackend bus;
};

}  // namespace travik::sim
