#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/image_command.h"
#include "core/globals.h"
#include "firmware/firmware_file.h"
#include "firmware_test_util.h"
#include "support/fake_dialog.h"
#include "ui/ui.h"

namespace travik {
namespace {

using test::HexData;
using test::kHexEnd;

const std::string kHexFile = HexData(0x0000, {0xDE, 0xAD}) + HexData(0x1000, {0xBE, 0xEF}) + kHexEnd;

std::string MemoryImageFile(std::size_t count, std::uint8_t value) {
  return test::MemoryImageHeader("TRX-21 rev", "12x") +
         test::MemoryImageData(std::vector<std::uint8_t>(count, value), 16);
}

TEST(LoadFirmwareFromPath, ChoosesTheDecoderByTheExtensionLetter) {
  test::TempDir dir;
  struct Case {
    const char* name;
    std::string content;
    bool ok;
    FirmwareError error;
    char letter;
  } cases[] = {
      {"fw.hex", kHexFile, true, FirmwareError::kNone, 'h'},
      {"fw.HEX", kHexFile, false, FirmwareError::kUnsupportedExtension, 0},
      {"fw.kvm", MemoryImageFile(4, 1), true, FirmwareError::kNone, 'k'},
      {"fw.KVM", MemoryImageFile(4, 1), false, FirmwareError::kUnsupportedExtension, 0},
      {"fw.bin", kHexFile, false, FirmwareError::kUnsupportedExtension, 0},
      {"empty.hex", "", false, FirmwareError::kUnreadable, 0},
      // The file is read before its extension is looked at.
      {"empty.txt", "", false, FirmwareError::kUnreadable, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FirmwareImage image;
    const FirmwareResult result = LoadFirmwareFromPath(dir.Write(c.name, c.content), image);
    EXPECT_EQ(result.ok, c.ok) << result.message;
    EXPECT_EQ(result.error, c.error);
    EXPECT_EQ(image.ready, c.ok);
    EXPECT_EQ(image.format_letter, c.letter);
  }
  FirmwareImage image;
  const FirmwareResult missing = LoadFirmwareFromPath(dir.File("missing.hex"), image);
  EXPECT_EQ(missing.error, FirmwareError::kUnreadable);
  EXPECT_EQ(missing.message, "Chyba načteni souboru");
  EXPECT_EQ(LoadFirmwareFromPath(dir.File(""), image).error, FirmwareError::kUnreadable);
}

TEST(LoadFirmwareFromPath, FileSizeLimitIsTheRawArea) {
  test::TempDir dir;
  // A memory image of exactly 520,000 bytes, padded after its 'L'.
  std::string fits = MemoryImageFile(1000, 0x42);
  fits.resize(kFirmwareAreaSize, ' ');
  FirmwareImage image;
  const FirmwareResult ok = LoadFirmwareFromPath(dir.Write("fits.kvm", fits), image);
  ASSERT_TRUE(ok.ok) << ok.message;
  EXPECT_EQ(image.raw_length, kFirmwareAreaSize);
  EXPECT_EQ(image.length, 1000u);

  const FirmwareResult too_long = LoadFirmwareFromPath(dir.Write("long.kvm", fits + " "), image);
  EXPECT_EQ(too_long.error, FirmwareError::kTooLong);
}

TEST(LoadFirmwareFromPath, RefusedFileLeavesTheLoadedImageWhole) {
  test::TempDir dir;
  FirmwareImage image;
  ASSERT_TRUE(LoadFirmwareFromPath(dir.Write("good.kvm", MemoryImageFile(5000, 0x77)), image).ok);
  const std::uint8_t* raw = image.raw.get();
  const std::uint8_t* data = image.data.get();

  // A HEX file whose first record decodes before the second one is refused.
  const std::string half_good = HexData(0, {1, 2, 3, 4}) + HexData(0x10, {5}).substr(0, 12);
  for (const std::string& name : {std::string("half.hex"), std::string("fw.txt"), std::string("empty.kvm")}) {
    SCOPED_TRACE(name);
    const std::string content = name == "empty.kvm" ? "" : half_good;
    EXPECT_FALSE(LoadFirmwareFromPath(dir.Write(name, content), image).ok);
    EXPECT_TRUE(image.ready);
    EXPECT_EQ(image.format_letter, 'k');
    EXPECT_EQ(image.length, 5000u);
    EXPECT_EQ(image.raw.get(), raw);
    EXPECT_EQ(image.data.get(), data);
    EXPECT_EQ(image.data[0], 0x77);
    EXPECT_EQ(MemoryImagePlatform(image), "TRX-21");
  }

  // A later, shorter file leaves nothing of the earlier one past its end.
  ASSERT_TRUE(LoadFirmwareFromPath(dir.Write("short.hex", kHexFile), image).ok);
  EXPECT_EQ(image.format_letter, 'h');
  EXPECT_EQ(image.length, 0x1002u);
  EXPECT_EQ(image.data[0], 0xDE);
  EXPECT_EQ(image.data[0x1001], 0xEF);
  for (std::uint32_t i = 0x1002; i < 5000 + 128; ++i) ASSERT_EQ(image.data[i], 0) << i;
}

class LoadFirmwareFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    dialog.template_number = 120;
    dialog.while_box_is_up = [this] { path_during_box = dialog.texts[kFirmwarePathControl]; };
  }
  test::TempDir dir;
  fake::FakeDialog dialog;
  std::string path_during_box;
};

TEST_F(LoadFirmwareFileTest, CancelChangesNothing) {
  LoadFirmwareFile(dialog);
  ASSERT_EQ(dialog.last_filters.size(), 3u);
  EXPECT_EQ(dialog.last_filters[0].description, "Kolvar Memory Image Files (*.kvm)");
  EXPECT_EQ(dialog.last_filters[0].pattern, "*.kvm");
  EXPECT_EQ(dialog.last_filters[1].description, "Intel Hex files (*.hex)");
  EXPECT_EQ(dialog.last_filters[1].pattern, "*.hex");
  EXPECT_EQ(dialog.last_filters[2].description, "All files (*.*)");
  EXPECT_EQ(dialog.last_filters[2].pattern, "*.*");
  EXPECT_TRUE(dialog.texts.empty());
  EXPECT_TRUE(dialog.boxes.empty());
  EXPECT_FALSE(G().Firmware->ready);
}

TEST_F(LoadFirmwareFileTest, LoadedFileIsReadyAndAnnounced) {
  dialog.open_path = dir.Write("fw.kvm", MemoryImageFile(4352, 0xA5));
  LoadFirmwareFile(dialog);
  EXPECT_TRUE(dialog.boxes.empty());
  EXPECT_EQ(dialog.texts[kFirmwarePathControl], *dialog.open_path);
  EXPECT_EQ(dialog.texts[kBootStatusControl], "Soubor pro download je inicializovan");
  EXPECT_TRUE(G().Firmware->ready);
  EXPECT_EQ(G().Firmware->length, 4352u);
  EXPECT_EQ(G().Firmware->format_letter, 'k');
}

TEST_F(LoadFirmwareFileTest, RefusedFileIsReportedAndTheEarlierOneKept) {
  const std::string good = dir.Write("good.hex", kHexFile);
  dialog.open_path = good;
  LoadFirmwareFile(dialog);
  ASSERT_TRUE(G().Firmware->ready);

  struct Case {
    const char* name;
    std::string content;
    std::string message;
  } cases[] = {
      {"fw.HEX", kHexFile, "Soubor má nepodporovanou příponu"},
      {"empty.hex", "", "Chyba načteni souboru"},
      {"cut.hex", HexData(0, {1}), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dialog.boxes.clear();
    dialog.open_path = dir.Write(c.name, c.content);
    LoadFirmwareFile(dialog);
    ASSERT_EQ(dialog.boxes.size(), 1u);
    if (!c.message.empty()) {
      EXPECT_EQ(dialog.boxes[0].text, c.message);
    }
    EXPECT_EQ(dialog.boxes[0].caption, "Chyba souboru");
    EXPECT_EQ(dialog.boxes[0].icon, ui::Icon::kError);
    // The box shows beside the chosen path; afterwards the field names the file still loaded.
    EXPECT_EQ(path_during_box, *dialog.open_path);
    EXPECT_EQ(dialog.texts[kFirmwarePathControl], good);
    EXPECT_TRUE(G().Firmware->ready);
    EXPECT_EQ(G().Firmware->format_letter, 'h');
    EXPECT_EQ(G().Firmware->data[0], 0xDE);
  }
}

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun RunCli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunImageCommand(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(ImageCommand, ReportsTheImageAndWritesItsBytes) {
  test::TempDir dir;
  const std::string kvm = dir.Write("fw.kvm", MemoryImageFile(300, 0x3C));
  const std::string bin = dir.File("out.bin");
  CliRun run = RunCli({kvm, "--out", bin});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("format: k"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("length: 300\n"), std::string::npos);
  EXPECT_NE(run.out.find("platform: TRX-21\n"), std::string::npos);
  EXPECT_NE(run.out.find("version: 12x     \n"), std::string::npos);
  EXPECT_EQ(test::ReadAll(bin), std::string(300, '\x3C'));

  run = RunCli({dir.Write("fw.hex", kHexFile)});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("format: h"), std::string::npos);
  EXPECT_NE(run.out.find("length: 4098\n"), std::string::npos);
  EXPECT_EQ(run.out.find("platform"), std::string::npos);
}

TEST(ImageCommand, HeaderBytesReachTheTerminalEscaped) {
  test::TempDir dir;
  const std::string kvm = dir.Write(
      "fw.kvm", test::MemoryImageHeader("\x1b[2J\\\x9b", "1.\x07\x1b]0;x") + "00L");
  CliRun run = RunCli({kvm});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("platform: \\x1B[2J\\x5C\\x9B\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("version: 1.\\x07\\x1B]0;x\n"), std::string::npos) << run.out;
  for (char c : run.out) EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << static_cast<int>(c);
}

TEST(ImageCommand, FailuresGoToStderrWithNonZeroStatus) {
  test::TempDir dir;
  const std::string hex = dir.Write("fw.hex", kHexFile);
  CliRun refused = RunCli({dir.Write("bad.hex", HexData(0, {1}))});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("chybí záznam konce souboru"), std::string::npos) << refused.err;
  EXPECT_TRUE(refused.out.empty());

  EXPECT_EQ(RunCli({hex, "--out", dir.File("no/such/dir.bin")}).status, 1);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {hex, "--out"}, {hex, hex}, {hex, "--bogus"}}) {
    CliRun usage = RunCli(args);
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.err.find("usage"), std::string::npos);
  }
}

}  // namespace
}  // namespace travik
