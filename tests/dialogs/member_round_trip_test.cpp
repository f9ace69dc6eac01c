// Every multi-channel and rack member, table-driven: device words are read into
// the fields, edited texts are written back to the device words, saved to and
// loaded from the file records, and the words a member does not edit come back
// from the device exactly as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "config/config_file.h"
#include "dialogs/multichannel/member_tables.h"
#include "dialogs/multichannel/rack_analog_dialog.h"
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
        {3620, 81, W(-150), "-150", "200", 200},
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
        {3693, 81, 20, "20", "-200", W(-200)},
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
      {"UC-RGJ", 154, "UCRGJ6Y", 3020, 3022, 3019, 3021, 3023, 2959,
       {{2956, 76, W(-15), "-1.5", "1,5", 15},     {2957, 77, 0, "0.0", "-20.0", W(-200)},
        {3175, 81, W(-2000), "-2000", "2000", 2000},
        {2963, 34, 45, "45", "100", 100, 33},     {2977, 38, 5, "5", "0", 0},
        {3208, 56, W(-500), "-500", "-1", W(-1)}, {3210, 57, 1234, "1234", "32767", 32767},
        {2968, 48, 17, "17", "254", 254},         {2974, 52, W(-200), "-20.0", "-5.5", W(-55)},
        {2975, 53, 2000, "200.0", "35.0", 350},   {2976, 8, 215, "21.5", "22.0", 220},
        {2986, 54, W(-100), "-100", "10", 10},    {2987, 55, 100, "100", "90", 90},
        {2988, 9, 50, "50", "-100", W(-100)},     {3181, 62, 0, "0", "400", 400},
        {3178, 63, 5000, "5000", "4999", 4999},   {3177, 13, 1000, "1000", "1200", 1200},
        {3191, 64, 900, "900", "950", 950},       {3193, 65, 1900, "1900", "5000", 5000}},
       {{49, 0x0205, 49, "0205"}, {39, 1, 39, "1"}, {35, 15, 35, "15s"},
        {36, 0x0123, 36, "00291"}, {37, 0x4321, 37, "17185"}, {68, 0x0402, 68, "01026"},
        {73, 3, 73, "00003"}, {84, 1, 84, "1"}, {85, 3, 85, "03"}, {91, 16, 91, "16"},
        {140, 63, 140, "63"}, {50, 2, 50, "00002"}, {51, 1000, 51, "01000"}}},
      {"UC-VWW", 152, "UCVWW7Q", 3020, 3022, 3019, 3021, 3023, 2959,
       {{2558, 76, 1, "0.1", "0.2", 2},           {2560, 77, 2, "0.2", "0.3", 3},
        {2564, 34, 60, "60", "61", 61, 34},       {2581, 38, 6, "6", "7", 7},
        {3208, 56, 20, "20", "21", 21},           {3210, 57, 30, "30", "31", 31},
        {2571, 48, 2, "2", "3", 3},               {2577, 52, 10, "1.0", "1.1", 11},
        {2578, 53, 20, "2.0", "2.1", 21},         {2579, 8, 30, "3.0", "3.1", 31},
        {2589, 54, 4, "4", "5", 5},               {2590, 55, 6, "6", "7", 7},
        {2591, 9, 8, "8", "9", 9}},
       {{49, 0x0003, 49, "0003"}, {39, 0, 39, "0"}}},
      {"UC-MXB", 153, "UCMXB7K", 3020, 3022, 3019, 3021, 3023, 2959,
       {{2747, 76, 100, "10.0", "-10.0", W(-100)}, {2753, 34, 0, "0", "1", 1, 34},
        {2764, 38, 1, "1", "2", 2},               {3203, 56, 3, "3", "4", 4},
        {3204, 57, 5, "5", "6", 6},               {2951, 48, 254, "254", "1", 1},
        {2762, 52, 0, "0.0", "0.5", 5},           {2763, 53, 100, "10.0", "100.0", 1000},
        {2952, 8, 1, "0.1", "-0.1", W(-1)}},
       {{49, 0x0104, 49, "0104"}, {39, 1, 39, "1"}}},
      {"UC-BCN", 157, "UCBCN7U", 3020, 3022, 3019, 3021, 3023, 2959,
       {{3216, 76, 3, "0.3", "0.4", 4},           {3217, 77, 5, "0.5", "0.6", 6},
        {3445, 34, 70, "70", "71", 71, 33},       {3446, 38, 8, "8", "9", 9},
        {3264, 56, 10, "10", "11", 11},           {3265, 57, 12, "12", "13", 13},
        {3227, 48, 14, "14", "15", 15},           {3233, 52, 16, "1.6", "1.7", 17},
        {3234, 53, 18, "1.8", "1.9", 19},         {3235, 8, 20, "2.0", "2.1", 21},
        {3243, 54, 22, "22", "23", 23},           {3244, 55, 24, "24", "25", 25},
        {3245, 9, 26, "26", "27", 27},            {3253, 58, 0, "0", "15000", 15000},
        {3254, 59, 1, "1", "30000", 30000}, {3255, 11, 500, "500", "450", 450}},
       {{49, 0x0006, 49, "0006"}, {39, 0, 39, "0"}}},
      {"UC-RGJ-H", 158, "UCRGJ6YA", 3487, 3489, 3486, 3488, 3490, 3456,
       {{3452, 76, 9, "0.9", "1.0", 10},          {3453, 77, 11, "1.1", "1.2", 12},
        {3454, 81, 100, "100", "-100", W(-100)},  {3460, 48, 99, "99", "98", 98},
        {3465, 64, 800, "800", "700", 700},       {3466, 65, 2200, "2200", "2300", 2300}},
       {{49, 0x0201, 49, "0201"}, {50, 9, 50, "00009"}, {51, 99, 51, "00099"}}},
      {"BBH7QS", 151, "BBH7QS", 2515, 2516, 2512, 2513, 2514, 2342,
       {{2339, 33, 15, "15", "100", 100},         {2346, 48, 7, "7", "8", 8},
        {2334, 76, 1, "0.1", "0.2", 2},           {2335, 77, 3, "0.3", "0.4", 4},
        {2354, 8, 215, "21.5", "21.0", 210},      {2353, 53, 50, "5.0", "6.0", 60},
        {2352, 52, W(-50), "-5.0", "-6.0", W(-60)}, {2366, 9, 40, "40", "45", 45},
        {2365, 55, 80, "80", "85", 85},           {2364, 54, 20, "20", "15", 15}},
       {{49, 0x0104, 49, "0104"}, {39, 1, 39, "1"}, {29, 21, 29, "21"}, {30, 19, 30, "19"},
        {36, 0x00A9, 36, "00169"}, {37, 0x0A90, 37, "02704"}, {84, 3, 84, "3"},
        {85, 16, 85, "16"}, {100, 151, 100, "151"}, {69, 0x0400, 69, "01024"}}},
      {"BBH7T", 133, "BBH7T", 1515, 1516, 1509, 1510, 1514, 1391,
       {{1389, 33, 30, "30", "45", 45},         {1395, 48, 3, "3", "4", 4},
        {1385, 76, 1, "0.1", "0.2", 2},           {1386, 77, 3, "0.3", "0.4", 4},
        {1519, 8, 2500, "250.0", "300.0", 3000},  {1525, 53, 50, "5.0", "6.0", 60},
        {1527, 52, W(-50), "-5.0", "-60.0", W(-600)}, {1529, 9, W(-300), "-300", "500", 500},
        {1530, 55, 80, "80", "85", 85},           {1533, 54, 20, "20", "15", 15}},
       {{49, 0x0002, 49, "0002"}, {39, 0, 39, "0"}, {92, 63, 92, "63"}, {69, 0x0403, 69, "01027"},
        {88, 2, 88, "2"}, {89, 1, 89, "01"}}},
      {"JBC3S", 135, "JBC3S", 1603, 1604, 1600, 1601, 1602, 1564,
       {{1562, 33, 0, "0", "12", 12},            {1568, 48, 3, "3", "4", 4},
        {1559, 76, 1, "0.1", "0.2", 2},           {1572, 8, 215, "21.5", "21.0", 210},
        {1574, 53, 50, "5.0", "6.0", 60},         {1576, 52, W(-50), "-5.0", "-6.0", W(-60)}},
       {{49, 0x0105, 49, "0105"}, {39, 1, 39, "1"}}},
      {"BBH7H", 138, "BBH7H", 2091, 2093, 2090, 2092, 2094, 2055,
       {{2052, 76, 1, "0.1", "0.2", 2},           {2053, 77, 3, "0.3", "0.4", 4},
        {2059, 48, 5, "5", "6", 6},               {2068, 53, 100, "10.0", "20.0", 200},
        {2067, 52, W(-50), "-5.0", "19.9", 199}},
       {{49, 0x0104, 49, "0104"}, {84, 1, 84, "1"}, {85, 2, 85, "02"}, {93, 12, 93, "12"}}},
      {"BBH8L", 145, "BBH8L", 2227, 2229, 2226, 2228, 2230, 2232,
       {{2206, 76, 1, "0.1", "0.2", 2},           {2207, 77, 3, "0.3", "0.4", 4},
        {2213, 48, 5, "5", "6", 6}},
       {{49, 0x0206, 49, "0206"}, {50, 1, 50, "00001"}, {51, 65534, 51, "65534"}}},
  };
  return members;
}

// Words the member shows in lists start at an entry of their list: a number a
// list does not have follows what the list shows (member_faults_test.cpp).
std::map<int, std::uint16_t> ListWords(int tpl) {
  const MultiChannelDef* def = FindMultiChannelMemberDef(tpl);
  if (def == nullptr && FindRackAnalogDef(tpl) != nullptr) def = &FindRackAnalogDef(tpl)->mc;
  std::map<int, std::uint16_t> words;
  if (def == nullptr) return words;
  if (def->active_time_combo != 0) words[35] = 5;
  for (const auto& q : def->quick_select) words[q.word] = 10;
  for (const auto& c : def->colours) words[c.word] = 0;
  for (const auto& mode : def->modes) {
    if (mode.link_combo != 0) words[mode.link_word] = 0;
    words[mode.states_word] = 0;
    for (int k = 0; k < mc::kModeSymbols; ++k) words[mode.first_symbol_word + k] = 0;
  }
  return words;
}

class MemberRoundTrip : public testing::ConnectedTest,
                        public ::testing::WithParamInterface<std::size_t> {
 protected:
  const Member& M() { return Members()[GetParam()]; }
  std::string T(int id) { return Text(M().tpl, id); }
  void Transfer(int button, int popup) {
    ASSERT_EQ(ui().Click(M().tpl, button), "");
    RunUntilClosed(popup);
  }
  testing::TempDir dir_;
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
  for (const auto& [word, value] : ListWords(m.tpl)) memory[word] = value;
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

  const std::string path = (dir_.path() / "member.kvc").string();
  ui().QueueFileAnswer(path);
  ASSERT_EQ(ui().Click(m.tpl, m.save), "");
  const std::string file = testing::ReadFile(path);
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
