#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "app/dialog_factory.h"
#include "app/program.h"
#include "core/globals.h"
#include "core/models.h"
#include "dialogs/templates.h"
#include "protocol/identification.h"
#include "sim/sim_models.h"
#include "ui/template.h"

namespace travik {
namespace {

bool IsVersion(const char* v) {
  if (v == nullptr || std::strlen(v) != 8) return false;
  for (int i = 0; i < 8; ++i) {
    const bool dot = i == 2 || i == 5;
    if (dot ? v[i] != '.' : (v[i] < '0' || v[i] > '9')) return false;
  }
  return true;
}

TEST(Models, RowsAreConsistent) {
  std::set<int> types;
  std::set<std::string> names, prefixes;
  for (const Model& m : Models()) {
    SCOPED_TRACE(m.name);
    EXPECT_TRUE(types.insert(m.type).second) << "type twice";
    EXPECT_TRUE(names.insert(m.name).second) << "name twice";
    EXPECT_GE(m.type, 0);
    EXPECT_LT(m.type, 256);  // DeviceType is a byte
    ASSERT_GE(m.IdPrefixCount(), 1);
    for (int k = 0; k < m.IdPrefixCount(); ++k) {
      const std::string prefix = m.id_prefixes[static_cast<std::size_t>(k)];
      EXPECT_FALSE(prefix.empty());
      EXPECT_LE(prefix.size(), 8u) << "only eight ID characters take part";
      EXPECT_TRUE(prefixes.insert(prefix).second) << prefix << " twice";
    }
    EXPECT_TRUE(IsVersion(m.minimum_firmware));
    EXPECT_TRUE(IsVersion(m.sample_firmware));
    EXPECT_GE(std::strcmp(m.sample_firmware, m.minimum_firmware), 0) << "shipped below its minimum";
  }
}

// Every dialog a row names exists and has a procedure.
TEST(Models, NamedDialogsExist) {
  for (const Model& m : Models()) {
    SCOPED_TRACE(m.name);
    for (int number : {m.config_template, CalibrationTemplateFor(m.type), ValuesTemplateFor(m.type)}) {
      if (number == 0) continue;
      EXPECT_NE(ProgramTemplate(number), nullptr) << number;
      EXPECT_NE(CreateDialogProc(number), nullptr) << number;
    }
  }
}

TEST(Models, IdentificationTakesTheLongestPrefix) {
  struct Row {
    const char* id;
    int type;
  };
  const Row rows[] = {
      {"BBH7QS  SN1", 31}, {"BBH7Q   SN1", 16}, {"UCRGJ6YASN1", 35}, {"UCRGJ6Y SN1", 34},
      {"UCRGQR  SN1", 40}, {"UCRGQ   SN1", 39}, {"KDB7DY  SN1", 49}, {"KDB SN1", 6},
      {"KDBX", -1},        {"U-U7 SN", 4},      {"UU5 SN", -1},      {"", -1},
      {"UCRGJ6Y", 34},     {"N3tNT", 48},       {"n3tnt", -1},
      // Only the first eight characters count: the A is the ninth.
      {"UCRGJ6Y A", 34},
  };
  for (const Row& r : rows) EXPECT_EQ(DeviceTypeOfId(r.id), r.type) << r.id;
}

TEST(Models, ATypeWithoutARowHasNothing) {
  for (int type : {14, 42, 47, 50, 255}) {
    const Model& m = ModelOf(type);
    EXPECT_STREQ(m.name, "") << type;
    EXPECT_EQ(m.minimum_firmware, nullptr) << type;
    EXPECT_EQ(m.config_template, 0) << type;
    EXPECT_EQ(ModelName(type), "") << type;
  }
}

// The simulator offers every model, each identifying as its own type with
// firmware that is current.
TEST(Models, TheSimulatorOffersEachModel) {
  ASSERT_EQ(sim::SimModels().size(), Models().size());
  for (const Model& m : Models()) {
    const sim::SimModel* s = sim::FindSimModel(m.name);
    ASSERT_NE(s, nullptr) << m.name;
    EXPECT_EQ(s->device_type, m.type);
    EXPECT_EQ(DeviceTypeOfId(s->id_text), m.type) << s->id_text;
    G().DeviceType = static_cast<std::uint8_t>(m.type);
    G().FirmwareText.fill(0);
    std::memcpy(G().FirmwareText.data() + 2, s->firmware.data(), 8);
    EXPECT_TRUE(FirmwareIsCurrent()) << m.name;
  }
  ResetProgramState();
}

}  // namespace
}  // namespace travik
