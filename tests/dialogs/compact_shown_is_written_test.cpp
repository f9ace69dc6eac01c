// What a compact dialog shows once its checks have run is what reaches the
// device, whether it was typed, loaded from a file or set by "Přednastavení",
// and it reads back the same.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "dialogs/compact/compact_family.h"
#include "dialogs/compact/compact_members.h"
#include "support/connected.h"
#include "support/fake_dialog.h"

namespace travik {
namespace {

class ShownIsWrittenTest : public testing::ConnectedTest {
 protected:
  void Open(const char* model, int dialog, const char* firmware = nullptr) {
    dlg_ = dialog;
    ConnectAndOpen(model, dialog, firmware);
  }
  const DialogDef& Def() { return *FindCompactDialogDef(dlg_); }
  // Lets the checks run with the focus on the text field, as after a click
  // elsewhere.
  void Settle() {
    ASSERT_EQ(ui().Focus(dlg_, Def().text_control), "");
    ui().Advance(20);
  }
  void Click(int id) { ASSERT_EQ(ui().Click(dlg_, id), ""); }
  void Read() {
    Click(Def().buttons.read);
    RunUntilClosed(109);
  }
  void Write() {
    Click(Def().buttons.write);
    RunUntilClosed(108);
  }
  void Save(const std::string& path) {
    ui().QueueFileAnswer(path);
    Click(Def().buttons.save);
  }
  void Load(const std::string& path) {
    ui().QueueFileAnswer(path);
    Click(Def().buttons.open);
  }
  void PutRecord(const std::string& path, int k, std::string value) {
    value.resize(6, ' ');
    std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(32 + 16 * k + 8);
    f.write(value.data(), 6);
  }
  std::string Record(const std::string& path, int k) {
    return testing::ReadFile(path).substr(32 + 16 * static_cast<std::size_t>(k) + 8, 6);
  }
  std::string T(int id) { return Text(dlg_, id); }
  std::uint16_t Word(int k) { return device->memory()[static_cast<std::size_t>(k)]; }

  testing::TempDir dir_;
  int dlg_ = 0;
};

struct Entry {
  int control;
  const char* text;
};
struct NumberCase {
  const char* name;
  const char* model;
  int dialog;
  const char* firmware;
  std::vector<Entry> entries;  // typed in order
  int shown_control;
  const char* shown;  // after the checks
  int word;
  std::uint16_t written;
};

std::ostream& operator<<(std::ostream& os, const NumberCase& c) { return os << c.name; }

class TypedNumberTest : public ShownIsWrittenTest,
                        public ::testing::WithParamInterface<NumberCase> {};

TEST_P(TypedNumberTest, WrittenAsShownAndReadBackTheSame) {
  const NumberCase& c = GetParam();
  ASSERT_NO_FATAL_FAILURE(Open(c.model, c.dialog, c.firmware));
  for (const Entry& e : c.entries) ASSERT_EQ(ui().Type(dlg_, e.control, e.text), "");
  ASSERT_NO_FATAL_FAILURE(Settle());
  EXPECT_EQ(T(c.shown_control), c.shown);
  ASSERT_NO_FATAL_FAILURE(Write());
  EXPECT_EQ(Word(c.word), c.written) << "word " << c.word;
  ASSERT_EQ(ui().Type(dlg_, c.shown_control, "1"), "");
  ASSERT_NO_FATAL_FAILURE(Read());
  ASSERT_NO_FATAL_FAILURE(Settle());
  EXPECT_EQ(T(c.shown_control), c.shown);
}

// KDB: Lo 2326, Hi 2325, CO2 shift 1336, temperature 1332, address 1341.
INSTANTIATE_TEST_SUITE_P(
    Compact, TypedNumberTest,
    ::testing::Values(
        NumberCase{"KdbHiPast16Bits", "KDB", 130, nullptr, {{2325, "70000"}}, 2325, "32767", 63, 32767},
        NumberCase{"KdbLoBelow16Bits", "KDB", 130, nullptr, {{2326, "-40000"}}, 2326, "-32768", 62,
                   0x8000},
        NumberCase{"KdbLoAtTheTop", "KDB", 130, nullptr, {{2326, "99999"}}, 2325, "32767", 63, 32767},
        NumberCase{"NrgnHi", "NRGN", 131, "00.01.04", {{1367, "70000"}}, 1367, "32767", 63, 32767},
        NumberCase{"KfxLo", "KFX", 132, "00.01.04", {{1384, "5000.0"}}, 1384, "-32768", 62, 0x8000},
        // Type 5's limits are unsigned words: Lo 40000 is above Hi 1000.
        NumberCase{"NrxuHiAboveUnsignedLo", "NRXU", 123, "00.01.05",
                   {{1265, "40000"}, {1259, "1000"}}, 1259, "40001", 63, 40001},
        NumberCase{"NrxuLoAtTheTop", "NRXU", 123, "00.01.05", {{1265, "65535"}}, 1259, "65535", 63,
                   65535},
        NumberCase{"Co2ShiftWholePpm", "KDB", 130, nullptr, {{1336, "150.7"}}, 1336, "150", 81, 150},
        NumberCase{"Co2ShiftNegativeFraction", "KDB", 130, nullptr, {{1336, "-150,5"}}, 1336, "-150",
                   81, static_cast<std::uint16_t>(-150)},
        NumberCase{"AddressPartlyNumeric", "KDB", 130, nullptr, {{1341, "1e9999"}}, 1341, "1", 48, 1},
        NumberCase{"AddressWithLetters", "KDB", 130, nullptr, {{1341, "12abc"}}, 1341, "1", 48, 1},
        NumberCase{"TenthsWithLetters", "KDB", 130, nullptr, {{1332, "12abc"}}, 1332, "0.0", 76, 0},
        NumberCase{"TenthsEmptied", "KDB", 130, nullptr, {{1332, ""}}, 1332, "0.0", 76, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShownIsWrittenTest, EditsTakeWhatIsRead) {
  ASSERT_NO_FATAL_FAILURE(Open("KDB", 130));
  // The checks read nine characters of a number: "1500" after nine zeros
  // would be shown but never read.
  ASSERT_EQ(ui().Type(dlg_, 1336, "0000000001500"), "");
  EXPECT_EQ(T(1336), "000000000");
  ASSERT_EQ(ui().Type(dlg_, 1338, std::string(3000, 'x') + "y"), "");
  EXPECT_EQ(T(1338), std::string(16, 'x'));
  ASSERT_EQ(ui().Type(dlg_, 1338, "Měřicí bod č. 17 navíc"), "");
  EXPECT_EQ(T(1338), "Měřicí bod č. 17");
  ASSERT_NO_FATAL_FAILURE(Write());
  ASSERT_NO_FATAL_FAILURE(Read());
  EXPECT_EQ(T(1338), "Měřicí bod č. 17");
}

// Numbers from a file pass the same checks as typed ones before anything is
// written.
TEST_F(ShownIsWrittenTest, FileRecordsPassTheChecksOfTypedEntries) {
  ASSERT_NO_FATAL_FAILURE(Open("KDB", 130));
  const std::string path = dir_.File("kdb.kvc");
  Save(path);
  const struct {
    int record;
    const char* value;
    int control;
    const char* shown;
    std::uint16_t written;
  } cases[] = {
      {63, "70000", 2325, "32767", 32767},
      {62, "-99999", 2326, "-32768", 0x8000},
      {81, "150.7", 1336, "150", 150},
      {48, "1e9999", 1341, "1", 1},
      {76, "5x", 1332, "0.0", 0},
  };
  for (const auto& c : cases) PutRecord(path, c.record, c.value);
  Load(path);
  ASSERT_NO_FATAL_FAILURE(Settle());
  ASSERT_NO_FATAL_FAILURE(Write());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(T(c.control), c.shown);
    EXPECT_EQ(Word(c.record), c.written);
  }
}

// A dialog without a parity list owns the speed byte of word 49 only: a
// read, a file or "Přednastavení" leave the device's high byte alone.
TEST_F(ShownIsWrittenTest, Word49HighByteKeptWithoutParityList) {
  ASSERT_NO_FATAL_FAILURE(Open("NSF", 110));
  device->memory()[49] = 0x0203;
  ASSERT_NO_FATAL_FAILURE(Read());
  EXPECT_EQ(T(1038), " 9600Bd");
  const std::string path = dir_.File("nsf.kvc");
  Save(path);
  EXPECT_EQ(Record(path, 49), "3     ");
  device->memory()[49] = 0;
  Load(path);
  ASSERT_NO_FATAL_FAILURE(Write());
  EXPECT_EQ(Word(49), 0x0203);
  Click(Def().buttons.preset);
  ASSERT_NO_FATAL_FAILURE(Write());
  EXPECT_EQ(Word(49), 0x0204);
  // The four-character form of the parity dialogs is read as their speed.
  PutRecord(path, 49, "0003");
  Load(path);
  EXPECT_EQ(T(1038), " 9600Bd");
  ASSERT_NO_FATAL_FAILURE(Write());
  EXPECT_EQ(Word(49), 0x0203);
}

// Codes a device holds beyond the lists go back to it unchanged, and a file
// never spells them as non-digits.
TEST_F(ShownIsWrittenTest, Record49OfUnknownCodesStaysBlank) {
  ASSERT_NO_FATAL_FAILURE(Open("N3tNT", 164));
  device->memory()[49] = 0x0C0A;
  ASSERT_NO_FATAL_FAILURE(Read());
  const std::string path = dir_.File("n3.kvc");
  Save(path);
  EXPECT_EQ(Record(path, 49), "      ");
  Load(path);
  ASSERT_NO_FATAL_FAILURE(Write());
  EXPECT_EQ(Word(49), 0x0C0A);
}

TEST_F(ShownIsWrittenTest, Type48SelectsTheSpeedByPosition) {
  ASSERT_NO_FATAL_FAILURE(Open("N3tNT", 164));
  constexpr int kSpeed = 3826;
  device->memory()[49] = 0x0103;
  ASSERT_NO_FATAL_FAILURE(Read());
  EXPECT_EQ(ui().Control(dlg_, kSpeed)->selection, 3);
  EXPECT_EQ(T(kSpeed), " 9600Bd");
  const std::string path = dir_.File("n3.kvc");
  Save(path);
  PutRecord(path, 49, "0205");
  Load(path);
  EXPECT_EQ(ui().Control(dlg_, kSpeed)->selection, 5);
  EXPECT_EQ(T(kSpeed), "38400Bd");
  ASSERT_NO_FATAL_FAILURE(Write());
  EXPECT_EQ(Word(49), 0x0205);
}

// A member without a parity list may keep record 49 in the four-character
// form; the parity is then the device's, from word 49's high byte.
TEST(SerialRecordForm, FourCharactersWithoutAParityList) {
  const struct {
    bool four;
    std::uint16_t word49;
    const char* record;
  } cases[] = {
      {false, 0x0203, "4     "}, {true, 0x0203, "0204  "}, {true, 0x0000, "0004  "},
      {true, 0x0C03, "      "},  // a parity no list has: left blank, never "0<04"
  };
  testing::TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.record);
    ResetProgramState();
    G().ConfigImage[49] = c.word49;
    DialogDef def = compact::NsfDef();
    def.serial_record_with_parity = c.four;
    ConfigDialog proc(def);
    fake::FakeDialog d;
    proc.OnInit(d);
    d.save_path = dir.File("nsf.kvc");
    proc.OnCommand(d, def.buttons.save, ui::Notify::kClicked);
    EXPECT_EQ(testing::ReadFile(*d.save_path).substr(32 + 16 * 49 + 8, 6), c.record);
  }
}

}  // namespace
}  // namespace travik
