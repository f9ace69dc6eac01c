// The real-device backend on whatever machine runs the tests: it must come up,
// list without error (usually nothing) and refuse what is not there.
#include "hid/hidapi/hidapi_backend.h"

#include <gtest/gtest.h>

namespace travik {
namespace {

TEST(HidapiBackend, ListsAndRefusesWithoutCrashing) {
  HidapiBackend backend;
  for (const std::string& path : backend.ListInterfaces()) EXPECT_FALSE(path.empty());

  // Paths the enumeration did not report are refused without touching them:
  // hidapi crashes on some nodes that are not HID devices.
  for (const char* path : {"/dev/nonexistent-hidraw", "/dev/null"}) {
    EXPECT_EQ(backend.Open(path), kClosedHandle) << path;
    EXPECT_EQ(backend.LastOpenError(), "device not present");
  }

  std::uint8_t buffer[64] = {};
  std::uint32_t n = 7;
  std::uint16_t a = 0, b = 0;
  std::u16string text;
  EXPECT_FALSE(backend.GetCaps(kClosedHandle, a, b));
  EXPECT_FALSE(backend.GetAttributes(42, a, b));
  EXPECT_FALSE(backend.SetFeature(42, buffer, 9));
  EXPECT_FALSE(backend.GetFeature(42, buffer, 9));
  EXPECT_FALSE(backend.ReadInput(42, buffer, 64, n, 0));
  EXPECT_EQ(n, 0u);
  EXPECT_FALSE(backend.WriteOutput(42, buffer, 64, n));
  EXPECT_FALSE(backend.GetProductString(42, text));
  backend.Close(42);
}

}  // namespace
}  // namespace travik
