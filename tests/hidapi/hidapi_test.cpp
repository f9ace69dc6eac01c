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

// hidraw lists a node once per top-level collection. A node is judged by its
// vendor collection wherever it stands, in the order the nodes first appear.
TEST(HidapiBackend, NodeIsJudgedByItsVendorCollection) {
  const std::vector<CollectionEntry> entries = {
      {"/dev/hidraw0", 0x0001, 0x0006, 0xA600, 0xE240},  // composite: keyboard first,
      {"/dev/hidraw1", 0xFF00, 0x0001, 0xA600, 0xE240},  // a plain transmitter
      {"/dev/hidraw2", 0x0001, 0x0002, 0x046D, 0xC077},  // a mouse with a second,
      {"/dev/hidraw0", 0xFF00, 0x0001, 0xA600, 0xE240},  //   ... then ours
      {"/dev/hidraw2", 0xFF00, 0x0002, 0x046D, 0xC077},  //   vendor collection of usage 2
      {"/dev/hidraw3", 0xFF00, 0x0001, 0x1234, 0x0001},
      {"/dev/hidraw3", 0x0001, 0x0006, 0x1234, 0x0001},  // vendor first stays vendor
      {"", 0xFF00, 0x0001, 0xA600, 0xE240},
  };
  struct Row {
    const char* path;
    std::uint16_t page, usage;
  };
  const Row want[] = {{"/dev/hidraw0", 0xFF00, 1}, {"/dev/hidraw1", 0xFF00, 1},
                      {"/dev/hidraw2", 0x0001, 2}, {"/dev/hidraw3", 0xFF00, 1}};
  const std::vector<CollectionEntry> nodes = NodesByCollection(entries);
  ASSERT_EQ(nodes.size(), std::size(want));
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    EXPECT_EQ(nodes[i].path, want[i].path);
    EXPECT_EQ(nodes[i].usage_page, want[i].page) << want[i].path;
    EXPECT_EQ(nodes[i].usage, want[i].usage) << want[i].path;
  }
}

}  // namespace
}  // namespace travik
