// Saves that lose nothing and reads that cannot hang: the write path through a
// folder that refuses or fills up, and files that are not regular files.
#include "config/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/image_command.h"
#include "config/config_file.h"
#include "core/globals.h"
#include "firmware/firmware_file.h"
#include "support/fake_dialog.h"
#include "support/files.h"

namespace travik {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& p) { return testing::ReadFile(p); }

// A folder that goes wrong at one step of a save.
class FaultyFolder : public FileSystemCalls {
 public:
  enum Fault { kNone, kRefuseCreate, kFillHalfway, kShortWrites, kSyncFails, kCloseFails, kRenameFails };
  explicit FaultyFolder(Fault fault) : fault_(fault) {}

  int CreateTemporary(char* pattern) override {
    if (fault_ == kRefuseCreate) {
      errno = EACCES;
      return -1;
    }
    return FileSystemCalls::CreateTemporary(pattern);
  }
  ssize_t Write(int fd, const void* data, std::size_t length) override {
    if (fault_ == kFillHalfway && written_ >= 1300) {
      errno = ENOSPC;
      return -1;
    }
    // Both faults hand over a part at a time, as a filling disk does.
    if (fault_ == kFillHalfway || fault_ == kShortWrites) length = std::min<std::size_t>(length, 100);
    const ssize_t n = FileSystemCalls::Write(fd, data, length);
    if (n > 0) written_ += static_cast<std::size_t>(n);
    return n;
  }
  int Sync(int fd) override {
    if (fault_ == kSyncFails) {
      errno = EIO;
      return -1;
    }
    return FileSystemCalls::Sync(fd);
  }
  int Close(int fd) override {
    const int result = FileSystemCalls::Close(fd);
    if (fault_ == kCloseFails) {
      errno = EIO;
      return -1;
    }
    return result;
  }
  int Rename(const char* from, const char* to) override {
    if (fault_ == kRenameFails) {
      errno = EXDEV;
      return -1;
    }
    return FileSystemCalls::Rename(from, to);
  }

 private:
  Fault fault_;
  std::size_t written_ = 0;
};

class FileIoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) /
           ("travik_file_io_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    SetFileSystemCalls(nullptr);
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  fs::path dir_;
};

TEST_F(FileIoTest, FailedSaveKeepsTheOldFileAndLeavesNoTemporary) {
  const std::string old_bytes(2608, 'o');
  struct Case {
    const char* name;
    FaultyFolder::Fault fault;
    bool saved;
  } cases[] = {
      {"healthy folder", FaultyFolder::kNone, true},
      {"writes taken in parts", FaultyFolder::kShortWrites, true},
      {"folder refuses the file", FaultyFolder::kRefuseCreate, false},
      {"disk fills halfway", FaultyFolder::kFillHalfway, false},
      {"flush fails", FaultyFolder::kSyncFails, false},
      {"close fails", FaultyFolder::kCloseFails, false},
      {"rename fails", FaultyFolder::kRenameFails, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path path = dir_ / "kdb.kvc";
    std::ofstream(path, std::ios::binary) << old_bytes;
    ConfigFile file;
    InitConfigFile(file, ConfigFileHeader("KDB"));
    FaultyFolder folder(c.fault);
    SetFileSystemCalls(&folder);
    fake::FakeDialog d;
    d.save_path = path.string();
    EXPECT_EQ(SaveConfigFile(d, file), c.saved);
    SetFileSystemCalls(nullptr);
    EXPECT_EQ(Slurp(path), c.saved ? std::string(file.bytes.data(), file.bytes.size()) : old_bytes);
    EXPECT_EQ(Names(), std::vector<std::string>{"kdb.kvc"});
    if (c.saved) {
      EXPECT_TRUE(d.boxes.empty());
    } else {
      ASSERT_EQ(d.boxes.size(), 1u);
      EXPECT_EQ(d.boxes[0].text, "Chyba zápisu souboru");
    }
  }
}

TEST_F(FileIoTest, SaveKeepsPermissionsAndWritesThroughLinks) {
  const fs::path target = dir_ / "real.kvc";
  std::ofstream(target, std::ios::binary) << "old";
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  fs::create_symlink(target, dir_ / "link.kvc");
  EXPECT_TRUE(ReplaceWholeFile((dir_ / "link.kvc").string(), "new", 3));
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.kvc"));
  EXPECT_EQ(Slurp(target), "new");
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // An empty file is a file too.
  EXPECT_TRUE(ReplaceWholeFile((dir_ / "empty.bin").string(), "", 0));
  EXPECT_TRUE(fs::exists(dir_ / "empty.bin"));
  EXPECT_FALSE(ReplaceWholeFile((dir_ / "no" / "such.bin").string(), "x", 1));
  EXPECT_FALSE(ReplaceWholeFile(dir_.string() + "/", "x", 1));
}

TEST_F(FileIoTest, OnlyRegularFilesAreRead) {
  // A named pipe without a writer would block an fopen for ever.
  const fs::path pipe = dir_ / "pipe.kvc";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  fs::create_symlink(pipe, dir_ / "pipe.hex");
  fs::create_symlink(pipe, dir_ / "pipe.kvm");
  char buffer[16];
  bool longer = true;
  EXPECT_EQ(ReadWholeFile(pipe.string(), buffer, sizeof buffer, &longer), 0u);
  EXPECT_FALSE(longer);
  EXPECT_EQ(ReadWholeFile(dir_.string(), buffer, sizeof buffer), 0u);
  EXPECT_EQ(ReadWholeFile("/dev/zero", buffer, sizeof buffer), 0u);

  // Every loader gives its message for an unreadable file.
  fake::FakeDialog d;
  d.open_path = pipe.string();
  ConfigFile out;
  EXPECT_FALSE(LoadConfigFile(d, "KDB", out));
  ASSERT_EQ(d.boxes.size(), 1u);
  EXPECT_EQ(d.boxes[0].text, "Chyba načteni souboru");
  for (const char* name : {"pipe.hex", "pipe.kvm"}) {
    FirmwareImage image;
    const FirmwareResult result = LoadFirmwareFromPath((dir_ / name).string(), image);
    EXPECT_EQ(result.error, FirmwareError::kUnreadable) << name;
    EXPECT_EQ(result.message, "Chyba načteni souboru");
    std::ostringstream cli_out, cli_err;
    EXPECT_EQ(RunImageCommand({(dir_ / name).string()}, cli_out, cli_err), 1);
    EXPECT_NE(cli_err.str().find("Chyba načteni souboru"), std::string::npos);
  }
}

}  // namespace
}  // namespace travik
