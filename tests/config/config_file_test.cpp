#include "config/config_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/fake_dialog.h"
#include "support/files.h"
#include "config/file_io.h"
#include "config/format.h"

namespace travik {
namespace {

using fake::FakeDialog;
namespace fs = std::filesystem;

std::string Bytes(const ConfigFile& f) { return std::string(f.bytes.data(), f.bytes.size()); }

std::string Slurp(const fs::path& p) { return testing::ReadFile(p); }

void Spit(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

class ConfigFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) /
           ("travik_config_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // A KDB file as its dialog saves it.
  ConfigFile KdbFile() {
    ConfigFile f;
    InitConfigFile(f, ConfigFileHeader("KDB"));
    PutFileField(f, 48, "1");
    PutFileField(f, 76, "-1,5");
    PutFileField(f, 77, "20.0");
    PutFileDigit(f, kWordSpeed, 3);
    PutFileTextField(f, "KDB Kolvar \x8A.r.o");  // 0x8A is S with caron
    return f;
  }

  std::string Path(const char* name) const { return (dir_ / name).string(); }

  fs::path dir_;
};

TEST_F(ConfigFileTest, Layout) {
  const ConfigFile f = KdbFile();
  const std::string b = Bytes(f);
  ASSERT_EQ(b.size(), 2608u);
  EXPECT_EQ(b.substr(0, 16), "  KDB           ");
  EXPECT_EQ(b.substr(16, 16), "\r              \r");
  EXPECT_EQ(b.substr(32, 16), "Reg 000        \r");
  EXPECT_EQ(b.substr(32 + 16 * 48, 16), "Reg 048 1      \r");
  EXPECT_EQ(b.substr(32 + 16 * 49, 16), "Reg 049 3      \r");
  EXPECT_EQ(b.substr(32 + 16 * 76, 16), "Reg 076 -1,5   \r");
  EXPECT_EQ(b.substr(32 + 16 * 40, 16), "Reg 040  K D   \r");
  EXPECT_EQ(b.substr(32 + 16 * 47, 16), "Reg 047  . o   \r");
  EXPECT_EQ(b.substr(32 + 16 * 159, 16), "Reg 159        \r");
  EXPECT_EQ(b.substr(2592), "\r" + std::string(kConfigFileSignature) + "\r");
  EXPECT_EQ(ConfigFileHeader("N3tNT"), "  N3tNT         ");
}

TEST_F(ConfigFileTest, Fields) {
  ConfigFile f;
  InitConfigFile(f, ConfigFileHeader("KDB"));
  const std::pair<const char*, const char*> cases[] = {
      {"1,5", "1,5"}, {"1234567", "123456"}, {"1 5", "1"}, {" 15", ""}, {"", ""}, {"-200.0", "-200.0"},
  };
  for (const auto& [put, got] : cases) {
    PutFileField(f, 81, put);
    EXPECT_EQ(GetFileField(f, 81), got) << put;
  }
  // A long text must not run into the next record.
  PutFileField(f, 81, "1234567890");
  EXPECT_EQ(Bytes(f).substr(32 + 16 * 81, 16), "Reg 081 123456 \r");
  // Records outside the file are ignored.
  const std::string before = Bytes(f);
  PutFileField(f, 160, "1");
  PutFileField(f, -1, "1");
  EXPECT_EQ(Bytes(f), before);
  EXPECT_EQ(GetFileField(f, 160), "");

  // A save never carries records of an earlier file.
  InitConfigFile(f, ConfigFileHeader("KDB"));
  EXPECT_EQ(GetFileField(f, 81), "");
}

TEST_F(ConfigFileTest, SpeedDigit) {
  ConfigFile f;
  InitConfigFile(f, ConfigFileHeader("KDB"));
  EXPECT_FALSE(ReadSpeedCode(f));  // no digit at all
  for (int code = 0; code <= 6; ++code) {
    PutFileDigit(f, kWordSpeed, code);
    EXPECT_EQ(ReadSpeedCode(f), code);
  }
  for (const char* text : {"7", "9", "A", "/", " 3"}) {
    PutFileField(f, kWordSpeed, text);
    EXPECT_FALSE(ReadSpeedCode(f)) << text;
  }
  // A code kept from the device beyond one digit is not written as a stray byte.
  PutFileDigit(f, kWordSpeed, 200);
  EXPECT_EQ(GetFileField(f, kWordSpeed), "");
  EXPECT_FALSE(ReadSpeedCode(f));
}

TEST_F(ConfigFileTest, TextField) {
  ConfigFile f;
  InitConfigFile(f, ConfigFileHeader("KDB"));
  PutFileTextField(f, "abc");
  EXPECT_EQ(GetFileTextField(f), "abc" + std::string(13, ' '));
  PutFileTextField(f, "0123456789ABCDEFXYZ");
  EXPECT_EQ(GetFileTextField(f), "0123456789ABCDEF");
  // The blanks at record offsets 8, 10, 12, 13 stay.
  EXPECT_EQ(GetFileField(f, 40), "");
}

TEST_F(ConfigFileTest, SaveAndLoadRoundTrip) {
  const ConfigFile saved = KdbFile();
  FakeDialog d;
  d.save_path = Path("kdb.kvc");
  Spit(*d.save_path, std::string(5000, 'x'));  // replaced, not overwritten in place
  ASSERT_TRUE(SaveConfigFile(d, saved));
  EXPECT_TRUE(d.boxes.empty());
  EXPECT_EQ(d.last_extension, "kvc");
  ASSERT_EQ(d.last_filters.size(), 2u);
  EXPECT_EQ(d.last_filters[0].description, "Kolvar Config Files (*.kvc)");
  EXPECT_EQ(d.last_filters[0].pattern, "*.kvc");
  EXPECT_EQ(d.last_filters[1].description, "All files (*.*)");
  EXPECT_EQ(d.last_filters[1].pattern, "*.*");
  EXPECT_EQ(Slurp(*d.save_path), Bytes(saved));

  ConfigFile loaded;
  d.open_path = d.save_path;
  ASSERT_TRUE(LoadConfigFile(d, "KDB", loaded));
  EXPECT_TRUE(d.boxes.empty());
  EXPECT_EQ(GetFileField(loaded, 76), "-1,5");
  EXPECT_EQ(GetFileField(loaded, 77), "20.0");
  EXPECT_EQ(ReadSpeedCode(loaded), 3);
  EXPECT_EQ(GetFileTextField(loaded), "KDB Kolvar \x8A.r.o");
}

TEST_F(ConfigFileTest, CancelledChoicesDoNothing) {
  FakeDialog d;
  EXPECT_FALSE(SaveConfigFile(d, KdbFile()));
  ConfigFile out;
  out.bytes.fill('z');
  EXPECT_FALSE(LoadConfigFile(d, "KDB", out));
  EXPECT_TRUE(d.boxes.empty());
  EXPECT_EQ(out.bytes[0], 'z');
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(ConfigFileTest, FailedSaveIsReported) {
  FakeDialog d;
  d.save_path = Path("missing/kdb.kvc");
  EXPECT_FALSE(SaveConfigFile(d, KdbFile()));
  ASSERT_EQ(d.boxes.size(), 1u);
  EXPECT_EQ(d.boxes[0].text, "Chyba zápisu souboru");
  EXPECT_EQ(d.boxes[0].caption, "Chyba souboru");
  EXPECT_EQ(d.boxes[0].icon, ui::Icon::kError);
}

TEST_F(ConfigFileTest, LoadRejectsBadFiles) {
  const std::string good = Bytes(KdbFile());
  ConfigFile other;
  InitConfigFile(other, ConfigFileHeader("NSC"));
  struct Case {
    const char* name;
    std::string content;  // nothing written for "absent"
    const char* message;
  };
  const Case cases[] = {
      {"empty.kvc", "", "Chyba načteni souboru"},
      {"absent.kvc", "-", "Chyba načteni souboru"},
      {"short.kvc", good.substr(0, 2607), "Soubor je poškozený"},
      {"long.kvc", good + "x", "Soubor je poškozený"},
      {"huge.kvc", good + good, "Soubor je poškozený"},
      {"nsc.kvc", Bytes(other), "Konfigurační soubor není určen pro zařízení KDB"},
      {"kd.kvc", "  KD " + good.substr(5), "Konfigurační soubor není určen pro zařízení KDB"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.content != "-") Spit(dir_ / c.name, c.content);
    FakeDialog d;
    d.open_path = Path(c.name);
    ConfigFile out;
    out.bytes.fill('z');
    EXPECT_FALSE(LoadConfigFile(d, "KDB", out));
    ASSERT_EQ(d.boxes.size(), 1u);
    EXPECT_EQ(d.boxes[0].text, c.message);
    EXPECT_EQ(d.boxes[0].caption, "Chyba souboru");
    EXPECT_EQ(d.boxes[0].icon, ui::Icon::kError);
    EXPECT_EQ(out.bytes[0], 'z');
    EXPECT_EQ(out.bytes[2607], 'z');
  }
  // A directory cannot be read as a file.
  FakeDialog d;
  d.open_path = dir_.string();
  ConfigFile out;
  EXPECT_FALSE(LoadConfigFile(d, "KDB", out));
  ASSERT_EQ(d.boxes.size(), 1u);
  EXPECT_EQ(d.boxes[0].text, "Chyba načteni souboru");
}

TEST_F(ConfigFileTest, HeaderNameComparedForItsLengthOnly) {
  ConfigFile f = KdbFile();
  std::memcpy(f.bytes.data(), "  KDB7DY", 8);
  Spit(dir_ / "kdb7dy.kvc", Bytes(f));
  FakeDialog d;
  d.open_path = Path("kdb7dy.kvc");
  ConfigFile out;
  EXPECT_TRUE(LoadConfigFile(d, "KDB", out));
  EXPECT_TRUE(d.boxes.empty());
  // Some models name themselves differently in the header and in the message.
  EXPECT_FALSE(LoadConfigFile(d, "E-GET9", out, "EHD82"));
  ASSERT_EQ(d.boxes.size(), 1u);
  EXPECT_EQ(d.boxes[0].text, "Konfigurační soubor není určen pro zařízení EHD82");
}

TEST_F(ConfigFileTest, ReadWholeFileNeverPlacesMoreThanMax) {
  Spit(dir_ / "f.bin", "0123456789");
  char buf[8] = {'z', 'z', 'z', 'z', 'z', 'z', 'z', 'z'};
  bool longer = false;
  EXPECT_EQ(ReadWholeFile(Path("f.bin"), buf, 4, &longer), 4u);
  EXPECT_TRUE(longer);
  EXPECT_EQ(std::string(buf, 8), "0123zzzz");
  char big[32];
  EXPECT_EQ(ReadWholeFile(Path("f.bin"), big, sizeof big, &longer), 10u);
  EXPECT_FALSE(longer);
  EXPECT_EQ(ReadWholeFile(Path("f.bin"), big, 10, &longer), 10u);
  EXPECT_FALSE(longer);
  EXPECT_EQ(WriteWholeFile(Path("nodir/f.bin"), "ab", 2), 0u);
  EXPECT_EQ(WriteWholeFile(Path("g.bin"), "ab", 2), 2u);
  EXPECT_EQ(Slurp(dir_ / "g.bin"), "ab");
}

}  // namespace
}  // namespace travik
