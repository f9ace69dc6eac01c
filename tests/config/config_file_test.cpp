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
#include "config/fields.h"
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

// Record 49 in every form a dialog saves, read back by the one reader.
TEST_F(ConfigFileTest, SerialRecord) {
  struct Case {
    SerialLine line;
    bool with_parity;
    const char* record;             // as saved
    std::optional<SerialLine> back;  // as read
  };
  const Case cases[] = {
      {{0, 0}, false, "0", SerialLine{0, 0}},
      {{6, 0}, false, "6", SerialLine{6, 0}},
      {{3, 2}, true, "0203", SerialLine{3, 2}},
      {{4, 0}, true, "0004", SerialLine{4, 0}},
      // Codes kept from the device but not in the lists cannot be spelt as
      // digits: no "0<0:" for parity 12 and speed 10, no stray byte.
      {{10, 12}, true, "", std::nullopt},
      {{3, 12}, true, "", std::nullopt},
      {{7, 0}, false, "", std::nullopt},
      {{200, 0}, false, "", std::nullopt},
      {{-1, 0}, false, "", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.record);
    ConfigFile f;
    InitConfigFile(f, ConfigFileHeader("KDB"));
    PutSerialRecord(f, c.line, c.with_parity);
    EXPECT_EQ(GetFileField(f, kWordSpeed), c.record);
    const auto back = ReadSerialRecord(f);
    ASSERT_EQ(back.has_value(), c.back.has_value());
    if (back) {
      EXPECT_EQ(back->speed, c.back->speed);
      EXPECT_EQ(back->parity, c.back->parity);
    }
  }
  // Records written by hand or by another member.
  const std::pair<const char*, std::optional<SerialLine>> read[] = {
      {"0003", SerialLine{3, 0}},  {"0103", SerialLine{3, 1}}, {"5", SerialLine{5, 0}},
      {"123456", SerialLine{4, 0}}, {"0303", std::nullopt},     {"0007", std::nullopt},
      {"1003", std::nullopt},      {"0<0:", std::nullopt},      {"7", std::nullopt},
      {"A", std::nullopt},         {"/", std::nullopt},         {"03", std::nullopt},
      {" 3", std::nullopt},        {"", std::nullopt},
  };
  for (const auto& [text, expected] : read) {
    SCOPED_TRACE(text);
    ConfigFile f;
    InitConfigFile(f, ConfigFileHeader("KDB"));
    PutFileField(f, kWordSpeed, text);
    const auto back = ReadSerialRecord(f);
    ASSERT_EQ(back.has_value(), expected.has_value());
    if (back) {
      EXPECT_EQ(back->speed, expected->speed);
      EXPECT_EQ(back->parity, expected->parity);
    }
  }
}

// A one-digit record is one digit and nothing else.
TEST_F(ConfigFileTest, DigitRecords) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"0", 0}, {"4", 4}, {"9", 9}, {"15", std::nullopt}, {"4x", std::nullopt},
      {"", std::nullopt}, {"A", std::nullopt}, {" 3", std::nullopt},
  };
  for (const auto& [text, expected] : cases) {
    ConfigFile f;
    InitConfigFile(f, ConfigFileHeader("KDB"));
    PutFileField(f, 39, text);
    EXPECT_EQ(GetFileDigit(f, 39), expected) << text;
  }
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
  EXPECT_EQ(ReadSerialRecord(loaded)->speed, 3);
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

// The header names the model whole: the name, then blanks. A sibling whose
// name begins with the dialog's keeps other records.
TEST_F(ConfigFileTest, HeaderNameMustMatchWhole) {
  const struct {
    const char* header;  // from offset 0
    const char* name;
    bool accepted;
  } cases[] = {
      {"  KDB", "KDB", true},
      {"  KDB7DY", "KDB", false},
      {"  UCRGJ6Y", "UCRGJ6Y", true},
      {"  UCRGJ6YA", "UCRGJ6Y", false},
      {"  UC-RGQ", "UC-RGQ", true},
      {"  UC-RGQ-A", "UC-RGQ", false},
      {"  KDBx", "KDB", false},
      {"  KD", "KDB", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.header);
    ConfigFile f;
    InitConfigFile(f, c.header);
    Spit(dir_ / "f.kvc", Bytes(f));
    FakeDialog d;
    d.open_path = Path("f.kvc");
    ConfigFile out;
    EXPECT_EQ(LoadConfigFile(d, c.name, out), c.accepted);
    EXPECT_EQ(d.boxes.size(), c.accepted ? 0u : 1u);
    if (!c.accepted && !d.boxes.empty()) {
      EXPECT_EQ(d.boxes[0].text, std::string("Konfigurační soubor není určen pro zařízení ") + c.name);
    }
  }
  // Some models name themselves differently in the header and in the message.
  ConfigFile f = KdbFile();
  Spit(dir_ / "kdb.kvc", Bytes(f));
  FakeDialog d;
  d.open_path = Path("kdb.kvc");
  ConfigFile out;
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
