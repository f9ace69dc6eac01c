// Intel HEX written by other tools decodes back to the binary it came from.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "firmware/firmware_file.h"
#include "firmware_test_util.h"

namespace travik {
namespace {

bool HaveTool(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// The files must have CR LF line ends; srec_cat writes LF only on this platform.
std::string WithCrLf(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

struct Tool {
  const char* name;
  const char* program;
  std::string arguments;   // with IN and OUT for the two files
  const char* must_hold;   // a record the command is expected to write
};

class ToolHexTest : public ::testing::TestWithParam<Tool> {};

TEST_P(ToolHexTest, DecodesToTheOriginalBinary) {
  const Tool& tool = GetParam();
  if (!HaveTool(tool.program)) GTEST_SKIP() << tool.program << " is not installed";

  // Over two 64 KiB pages, with a tail that fills no whole record.
  std::mt19937 random(20240611);
  std::string binary(140001, '\0');
  for (char& c : binary) c = static_cast<char>(random() & 0xFF);

  test::TempDir dir;
  const std::string in = dir.Write("in.bin", binary);
  const std::string tool_out = dir.File("tool.out");
  std::string command = std::string(tool.program) + " " + tool.arguments;
  command.replace(command.find("IN"), 2, in);
  command.replace(command.find("OUT"), 3, tool_out);
  ASSERT_EQ(std::system((command + " 2>&1").c_str()), 0) << command;

  const std::string hex = WithCrLf(test::ReadAll(tool_out));
  ASSERT_NE(hex.find(tool.must_hold), std::string::npos) << tool.must_hold;
  FirmwareImage image;
  const FirmwareResult result = LoadFirmwareFromPath(dir.Write("fw.hex", hex), image);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(image.format_letter, 'h');
  ASSERT_EQ(image.length, binary.size());
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.data.get()), image.length), binary);
  EXPECT_EQ(image.data[image.length], 0);
}

INSTANTIATE_TEST_SUITE_P(
    Tools, ToolHexTest,
    ::testing::Values(
        // Below 1 MiB objcopy addresses by segments.
        Tool{"objcopy", "objcopy", "-I binary -O ihex IN OUT", ":020000021000EC"},
        // Linked for flash at 0x0800 0000; objcopy adds a type 05 start address.
        Tool{"objcopy_flash", "objcopy", "-I binary -O ihex --change-addresses 0x08000000 IN OUT",
             ":020000040800F2"},
        Tool{"srec_cat", "srec_cat", "IN -binary -o OUT -intel", ":020000040001F9"},
        Tool{"srec_cat_16", "srec_cat", "IN -binary -o OUT -intel -Output_Block_Size 16", ":10"},
        Tool{"srec_cat_255", "srec_cat", "IN -binary -o OUT -intel -Output_Block_Size 255", ":FF"},
        Tool{"srec_cat_flash", "srec_cat", "IN -binary -offset 0x08000000 -o OUT -intel",
             ":020000040801F1"},
        Tool{"srec_cat_segments", "srec_cat", "IN -binary -o OUT -intel -address-length=3",
             ":020000021000EC"}),
    [](const ::testing::TestParamInfo<Tool>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace travik
