// The model table behind --simulate and the scenario runner.
#include <map>
#include <set>
#include <string>

#include "sim_test_support.h"

namespace travik::sim {
namespace {

// The identification rule, written out independently: the longest listed
// prefix of the ID text decides the type.
const std::map<std::string, int>& Prefixes() {
  static const std::map<std::string, int> table = {
      {"NSC", 0},      {"NSF", 1},       {"BBA", 2},       {"EHA9", 3},      {"U-U7", 4},     {"NRXU", 5},
      {"KDB ", 6},     {"NRGN", 7},      {"KFX", 8},       {"NWYJ", 9},      {"NWYT", 10},    {"NDEUP", 11},
      {"NDEUL", 12},   {"BBH7T", 13},    {"JBC3S", 15},    {"BBH7Q", 16},    {"JBC3K", 17},   {"BBH7H", 18},
      {"JBC3G", 19},   {"E-TG6XK6", 20}, {"E-GET9", 21},   {"BBH8L", 22},    {"JBC7X", 23},   {"NQAZ", 24},
      {"MZP", 25},     {"NQKZ", 26},     {"MJD", 27},      {"LDRS", 28},     {"NBBS", 29},    {"NBBV", 30},
      {"BBH7QS", 31},  {"UCVWW7Q", 32},  {"UCMXB7K", 33},  {"UCRGJ6Y", 34},  {"UCRGJ6YA", 35}, {"UCBCN7U", 36},
      {"UCVWC", 37},   {"UCMXH", 38},    {"UCRGQ", 39},    {"UCRGQR", 40},   {"UCBCM", 41},   {"N3tNT", 48},
      {"KDB7", 49}};
  return table;
}

int TypeOf(const std::string& id) {
  int type = -1;
  std::size_t best = 0;
  for (const auto& [prefix, t] : Prefixes()) {
    if (id.starts_with(prefix) && prefix.size() > best) {
      best = prefix.size();
      type = t;
    }
  }
  return type;
}

// Minimum firmware per type; others accept any digits.
std::string MinimumOf(int type) {
  switch (type) {
    case 0:
    case 2: return "00.00.24";
    case 1: return "00.00.08";
    case 3: return "00.00.10";
    case 4: return "00.00.03";
    default: return "00.00.00";
  }
}

TEST(SimModels, EveryTypeHasOneModelThatIdentifiesAsIt) {
  std::set<int> types;
  for (const SimModel& m : SimModels()) {
    SCOPED_TRACE(m.name);
    EXPECT_EQ(m.id_text.size(), 16u);
    EXPECT_EQ(TypeOf(m.id_text), m.device_type);
    ASSERT_EQ(m.firmware.size(), 8u);
    for (int i : {0, 1, 3, 4, 6, 7}) EXPECT_TRUE(m.firmware[i] >= '0' && m.firmware[i] <= '9');
    EXPECT_EQ(m.firmware[2], '.');
    EXPECT_EQ(m.firmware[5], '.');
    EXPECT_GE(m.firmware, MinimumOf(m.device_type));
    EXPECT_TRUE(types.insert(m.device_type).second) << "type listed twice";
  }
  std::set<int> expected;
  for (const auto& [prefix, t] : Prefixes()) expected.insert(t);
  EXPECT_EQ(types, expected);
}

TEST(SimModels, LookUpIgnoresCase) {
  struct Case {
    const char* query;
    const char* name;  // null: not found
  };
  for (const Case& c : {Case{"KDB", "KDB"}, Case{"kdb", "KDB"}, Case{"uc-rgj-h", "UC-RGJ-H"},
                        Case{"UC-RGJ", "UC-RGJ"}, Case{"bbh7q", "BBH7Q"}, Case{"n3tnt", "N3tNT"},
                        Case{"KDB7", nullptr}, Case{"", nullptr}}) {
    const SimModel* m = FindSimModel(c.query);
    if (c.name == nullptr) {
      EXPECT_EQ(m, nullptr) << c.query;
    } else {
      ASSERT_NE(m, nullptr) << c.query;
      EXPECT_EQ(m->name, c.name);
    }
  }
}

TEST(SimModels, KdbDefaultsAreThoseOfAFreshDevice) {
  const SimModel* kdb = FindSimModel("KDB");
  ASSERT_NE(kdb, nullptr);
  EXPECT_TRUE(kdb->id_text.starts_with("KDB "));
  EXPECT_EQ(SimProductString(*kdb), u"Kolvar KDB");
  SimTransmitter::Memory m = SimDefaultMemory(*kdb);
  EXPECT_EQ(m[48], 1);
  EXPECT_EQ(m[49], 4);
  EXPECT_EQ(m[62], 800);
  EXPECT_EQ(m[63], 1000);
  std::string text;
  for (int w = 40; w < 48; ++w) {
    text += static_cast<char>(m[w] >> 8);
    text += static_cast<char>(m[w] & 0xFF);
  }
  EXPECT_EQ(text, "KDB Kolvar      ");
}

using ModelTransmitterTest = SimFixture;

TEST_F(ModelTransmitterTest, AModelsTransmitterIdentifiesAndKeepsItsDefaultsInEeprom) {
  const SimModel* model = FindSimModel("UC-RGJ-H");
  ASSERT_NE(model, nullptr);
  SimTransmitter& tx = bus.AddTransmitter(*model);
  Connect();
  char product[25] = {};
  ASSERT_TRUE(ReadProductText(product, 24, 1));
  EXPECT_STREQ(product, "Kolvar UC-RGJ-H");
  ASSERT_TRUE(Send(0xCC));
  std::array<std::uint8_t, 64> report{};
  ASSERT_TRUE(Read(report));
  EXPECT_EQ(std::string(report.begin() + 1, report.begin() + 17), model->id_text);
  EXPECT_EQ(std::string(report.begin() + 17, report.begin() + 25), model->firmware);

  tx.memory()[48] = 77;
  tx.PowerCycle();
  EXPECT_EQ(tx.memory()[48], 1);
}

}  // namespace
}  // namespace travik::sim
