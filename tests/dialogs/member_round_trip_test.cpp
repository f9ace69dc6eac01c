// Every multi-channel and rack member, table-driven: device words are read into
// the fields, edited texts are written back to the device words, saved to and
// loaded from the file records, and the words a member does not edit come back
// from the device exactly as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "config/config_file.h"
#include "support/connected.h"

namespace travik {
namespace {

struct Row {
  int control;
  int word;
  std::uint16_t device;  // the device's word before the read
  const char* shown;     // after the read
  const char* typed;     // nullptr: left as shown (hidden fields)
  std::uint16_t written;
  int record = -1;       // -1: the word's number
};

// A word the dialog owns through a radio, check box or combo: it reads as
// `device`, is written back unchanged, and its file record reads `record_text`.
struct Owned {
  int word;
  std::uint16_t device;
  int record;
  const char* record_text;
};

struct Member {
  const char* model;  // simulated model
  int tpl;
  const char* header;
  int read, write, open, save, preset, text;
  std::vector<Row> rows;
  std::vector<Owned> owned;
};

constexpr std::uint16_t W(int v) { return static_cast<std::uint16_t>(v); }

const std::vector<Member>& Members() {
  static const std::vector<Member> members = {
      {"UC-RGQ", 160, "UCRGQ", 3603, 3604, 3600, 3601, 3602, 3619,
       {{3562, 34, 45, "45", "55", 55},          {3564, 38, 5, "5", "7", 7},
        {3550, 76, W(-15), "-1.5", "2,5", 25},   {3551, 77, 12, "1.2", "-3.0", W(-30)},
        {3620, 81, W(-150), "-150", "2000", 2000},
        {3572, 52, 100, "10.0", "20.5", 205},    {3573, 53, 900, "90.0", "95.0", 950},
        {3585, 54, 400, "400", "500", 500},      {3586, 55, 2000, "2000", "9999", 9999},
        {3577, 92, 5, "0.5", "1.0", 10},         {3576, 93, 95, "9.5", "10.0", 100},
        {3579, 8, 20, "2.0", "0.0", 0},          {3589, 94, 40, "4.0", "4.0", 40},
        {3590, 95, 200, "20.0", "19.9", 199},    {3592, 9, 35, "3.5", "20.0", 200},
        {3598, 56, W(-7), "-7", nullptr, W(-7)}, {3599, 57, 300, "300", nullptr, 300},
        {3611, 64, 1200, "1200", "900", 900},    {3613, 65, 2500, "2500", "3000", 3000}},
       // Output 1 voltage from humidity, output 2 current, 25 s, colours 5/4/3, menu locked.
       {{68, 0x0101, 68, "11"}, {69, 0, 69, "0"}, {35, 25, 35, "25s"},
        {36, 0x0345, 36, "00837"}, {39, 1, 39, "1"}}},
      {"UC-RGQ-A", 162, "UCRGQR", 3741, 3743, 3740, 3742, 3744, 3695,
       {{3691, 76, 7, "0.7", "-0.7", W(-7)},      {3692, 77, 0, "0.0", "20.0", 200},
        {3693, 81, 2000, "2000", "-2000", W(-2000)},
        {3703, 52, 0, "0.0", "100.0", 1000},      {3704, 53, 1000, "100.0", "0.0", 0},
        {3720, 54, 0, "0", "9999", 9999},         {3721, 55, 9999, "9999", "0", 0},
        {3707, 92, 0, "0.0", "0.1", 1},           {3708, 93, 100, "10.0", "9.9", 99},
        {3710, 8, 0, "0.0", "5.0", 50},           {3718, 94, 40, "4.0", "4.1", 41},
        {3719, 95, 200, "20.0", "12.0", 120},     {3723, 9, 40, "4.0", "4.0", 40},
        {3728, 64, 0, "0", "5000", 5000},         {3730, 65, 5000, "5000", "5001", 5001}},
       {{68, 0x0101, 68, "11"}, {69, 0, 69, "0"}}},
      {"UC-VWC", 159, "UCVWC", 3551, 3553, 3550, 3552, 3554, 3492,
       {{3542, 34, 0, "0", "100", 100},           {3544, 38, 100, "100", "0", 0},
        {3490, 76, W(-200), "-20.0", "20.0", 200}, {3491, 77, 200, "20.0", "-20.0", W(-200)},
        {3505, 52, 1500, "150.0", "-50.0", W(-500)}, {3506, 53, 2000, "200.0", "30.0", 300},
        {3507, 54, 250, "25.0", "100.0", 1000},   {3508, 55, 1000, "100.0", "0.0", 0},
        {3513, 92, 40, "4.0", "4.0", 40},         {3514, 93, 200, "20.0", "20.0", 200},
        {3519, 8, 0, "0.0", "3.5", 35},           {3515, 94, 0, "0.0", "2.0", 20},
        {3516, 95, 100, "10.0", "8.0", 80},       {3520, 9, 50, "5.0", "5.0", 50},
        {3538, 56, 20, "20", nullptr, 20},        {3539, 57, W(-30), "-30", nullptr, W(-30)}},
       {{68, 0, 68, "0"}, {69, 1, 69, "1"}, {35, 60, 35, "60s"}, {36, 0x0056, 36, "00086"},
        {39, 0, 39, "0"}}},
      {"UC-MXH", 163, "UCMXH", 3801, 3803, 3800, 3802, 3804, 3750,
       {{3762, 34, 30, "30", "31", 31},           {3764, 38, 10, "10", "11", 11},
        {3748, 76, 5, "0.5", "-0.5", W(-5)},      {3812, 15, 215, "21.5", "22.0", 220},
        {3810, 66, W(-50), "-5.0", "-6.0", W(-60)}, {3811, 67, 50, "5.0", "6.5", 65},
        {3772, 52, W(-500), "-50.0", "-40.0", W(-400)}, {3773, 53, 2000, "200.0", "150.0", 1500},
        {3785, 54, 0, "0.0", "10.0", 100},        {3786, 55, 500, "50.0", "60.0", 600},
        {3776, 92, 0, "0.0", "1.0", 10},          {3777, 93, 100, "10.0", "9.0", 90},
        {3779, 8, 0, "0.0", "1.5", 15},           {3789, 94, 20, "2.0", "2.5", 25},
        {3790, 95, 80, "8.0", "10.0", 100},       {3792, 9, 0, "0.0", "0.0", 0},
        {3758, 56, 0, "0", nullptr, 0},           {3759, 57, 99, "99", nullptr, 99}},
       {{68, 1, 68, "1"}, {69, 1, 69, "1"}, {35, 5, 35, "5s"}, {36, 0x0004, 36, "00004"},
        {39, 1, 39, "1"}, {75, 0x0402, 75, "01026"}}},
      {"UC-BCM", 161, "UCBCM", 3681, 3683, 3680, 3682, 3684, 3628,
       {{3641, 34, 50, "50", "60", 60},           {3643, 38, 20, "20", "25", 25},
        {3626, 76, 0, "0.0", "1.1", 11},          {3627, 77, 0, "0.0", "1,26", 13},
        {3653, 52, W(-500), "-50.0", "200.0", 2000}, {3654, 53, 0, "0.0", "-50.0", W(-500)},
        {3666, 54, 100, "100", "0", 0},           {3667, 55, 3000, "3000", "9999", 9999},
        {3657, 92, 40, "4.0", "0.0", 0},          {3658, 93, 200, "20.0", "20.0", 200},
        {3660, 8, 40, "4.0", "4.0", 40},          {3670, 94, 40, "4.0", "4.0", 40},
        {3671, 95, 200, "20.0", "15.0", 150},     {3673, 9, 200, "20.0", "0.5", 5},
        {3637, 56, 32767, "32767", nullptr, 32767}, {3638, 57, W(-32768), "-32768", nullptr, W(-32768)}},
       {{68, 0x0000, 68, "00"}, {69, 0, 69, "0"}, {35, 45, 35, "45s"},
        {36, 0x0123, 36, "00291"}, {39, 0, 39, "0"}}},
  };
  return members;
}

class MemberRoundTrip : public testing::ConnectedTest,
                        public ::testing::WithParamInterface<std::size_t> {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("member_round_trip_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  const Member& M() { return Members()[GetParam()]; }
  std::string T(int id) { return Text(M().tpl, id); }
  void Transfer(int button, int popup) {
    ASSERT_EQ(ui().Click(M().tpl, button), "");
    RunUntilClosed(popup);
  }
  std::filesystem::path dir_;
};

std::string Record(const std::string& file, int record) {
  const std::string field = file.substr(32 + 16 * static_cast<std::size_t>(record) + 8, 6);
  return field.substr(0, field.find(' '));
}

TEST_P(MemberRoundTrip, DeviceWordsFieldsAndFileRecords) {
  const Member& m = M();
  device = &s.sim().AddTransmitter(*sim::FindSimModel(m.model));
  auto& memory = device->memory();
  // Every word carries a mark of its own; the member's words their values.
  for (int w = 16; w < 184; ++w) memory[w] = W(0x5A00 | w);
  for (const Row& r : m.rows) memory[r.word] = r.device;
  for (const Owned& o : m.owned) memory[o.word] = o.device;
  const char text[] = "Hala 3 Kolvar   ";
  for (int k = 0; k < 8; ++k) memory[40 + k] = W(text[2 * k] << 8 | text[2 * k + 1]);
  const auto before = memory;
  s.Start();
  ui().Advance(700);
  ASSERT_EQ(G().DeviceOnline, 1);
  // The dialog reads the device as it opens.
  ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonConfig), "");
  RunUntilClosed(109);
  ASSERT_EQ(ui().TopTemplate(), m.tpl);

  for (const Row& r : m.rows) EXPECT_EQ(T(r.control), r.shown) << r.control;
  EXPECT_EQ(T(m.text), text);
  for (const Row& r : m.rows) {
    if (r.typed != nullptr) {
      ASSERT_EQ(ui().Type(m.tpl, r.control, r.typed), "") << r.control;
    }
  }
  ui().Advance(100);
  EXPECT_TRUE(ui().Messages().empty()) << ui().Messages().front().text;
  Transfer(m.write, 108);

  std::set<int> edited = {40, 41, 42, 43, 44, 45, 46, 47};
  for (const Row& r : m.rows) {
    EXPECT_EQ(memory[r.word], r.written) << "word " << r.word;
    edited.insert(r.word);
  }
  for (const Owned& o : m.owned) {
    EXPECT_EQ(memory[o.word], o.device) << "word " << o.word;
    edited.insert(o.word);
  }
  for (int w = 16; w < 184; ++w) {
    if (!edited.contains(w)) {
      EXPECT_EQ(memory[w], before[w]) << "untouched word " << w;
    }
  }

  const std::string path = (dir_ / "member.kvc").string();
  ui().QueueFileAnswer(path);
  ASSERT_EQ(ui().Click(m.tpl, m.save), "");
  std::ifstream in(path, std::ios::binary);
  const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_EQ(file.size(), 2608u);
  EXPECT_EQ(file.substr(0, 16), ConfigFileHeader(m.header));
  for (const Row& r : m.rows) {
    const std::string expected = std::string(r.typed != nullptr ? r.typed : r.shown).substr(0, 6);
    EXPECT_EQ(Record(file, r.record < 0 ? r.word : r.record), expected) << r.control;
  }
  for (const Owned& o : m.owned) EXPECT_EQ(Record(file, o.record), o.record_text) << o.record;

  // Defaults, then the file: every field as typed, and the same words written.
  const auto written = memory;
  ASSERT_EQ(ui().Click(m.tpl, m.preset), "");
  ui().QueueFileAnswer(path);
  ASSERT_EQ(ui().Click(m.tpl, m.open), "");
  for (const Row& r : m.rows)
    EXPECT_EQ(T(r.control), r.typed != nullptr ? r.typed : r.shown) << r.control;
  EXPECT_EQ(T(m.text), text);
  Transfer(m.write, 108);
  for (int w = 0; w < 184; ++w) {
    if (edited.contains(w)) {
      EXPECT_EQ(memory[w], written[w]) << "after load, word " << w;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllMembers, MemberRoundTrip,
                         ::testing::Range<std::size_t>(0, Members().size()),
                         [](const auto& info) {
                           std::string name = Members()[info.param].model;
                           std::erase(name, '-');
                           return name;
                         });

}  // namespace
}  // namespace travik
