// Every compact dialog, one table: device words → fields → edits → written
// words (and nothing else) → saved file → fields loaded back.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "dialogs/compact/compact_family.h"
#include "dialogs/templates.h"
#include "support/connected.h"

namespace travik {
namespace {

struct Row {
  int word;
  std::uint16_t device;  // put into the device before the read
  int control;           // 0: a word the dialog writes without an edit
  const char* shown;     // after the read
  const char* typed;
  std::uint16_t written;
};

struct Member {
  const char* model;
  int dialog;
  // Words the member edits besides the text field (its row of the family table).
  std::vector<int> edited;
  std::vector<Row> rows;
  const char* firmware = nullptr;  // the simulated model's when null
};

std::uint16_t N(int v) { return static_cast<std::uint16_t>(v); }

std::vector<int> Span(int first, int last) {
  std::vector<int> v;
  for (int k = first; k <= last; ++k) v.push_back(k);
  return v;
}
std::vector<int> Words(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

const std::vector<Member>& Members() {
  static const std::vector<Member> members = {
      {"NSC", 105, Words({{8, 9, 33}, Span(52, 55), {68, 69, 76, 77}, Span(92, 95)}),
       {{76, N(-15), 1007, "-1.5", "2,5", 25},
        {52, N(-500), 1013, "-50.0", "150.5", 1505},
        {95, 55, 1022, "5.5", "7.25", 72},
        {33, 100, 1029, "20", "45", 125},
        {9, 12, 1030, "1.2", "9.9", 99}}},
      {"NSF", 110, {33, 48, 49, 76, 77},
       {{77, 123, 1040, "12.3", "-0.5", N(-5)},
        {48, 17, 1035, "17", "200", 200},
        {33, 80, 1041, "0", "30", 110},
        {49, 3, 0, nullptr, nullptr, 3}}},
      {"BBA", 111, Words({{8, 9, 33}, Span(52, 55), {68, 69, 76, 77}, Span(92, 95)}),
       {{77, 123, 1096, "12.3", "-0.5", N(-5)},
        {54, 1000, 1101, "100.0", "55.5", 555},
        {93, 80, 1104, "8.0", "9.0", 90},
        {8, 0, 1107, "0.0", "1.0", 10}}},
      {"EHA9", 112, Words({{8, 9, 39, 48, 49, 50, 51}, Span(52, 55), {68, 69}, Span(92, 95)}),
       {{39, 4 | 1, 0, nullptr, nullptr, 4 | 1},  // box checked, the other bit kept
        {48, 17, 1150, "17", "200", 200},
        {50, 500, 1154, "500", "60000", 60000},
        {51, 7, 0, nullptr, nullptr, 0},
        {52, N(-1000), 1135, "-1000", "-32768", 0x8000},
        {95, 100, 1142, "10.0", "8.5", 85}}},
      {"UU5", 113, Words({{8, 9}, Span(52, 55), {68, 69}, Span(92, 95)}),
       {{53, 20000, 1170, "20000", "50", 50},
        {54, 1, 1171, "1", "7", 7},
        {93, 100, 1178, "10.0", "4.4", 44}}},
      {"NRXU", 123, {33, 48, 49, 62, 63, 76, 77, 81},
       {{62, 500, 1265, "500", "600", 600},
        {63, 900, 1259, "900", "2000", 2000},
        {81, N(-120), 1242, "-120", "150", 150},
        {76, 5, 1240, "0.5", "-1.57", N(-15)},
        {33, 99, 0, nullptr, nullptr, 110}}},
      {"NRGN", 131, {33, 48, 49, 62, 63, 81},
       {{62, 400, 1368, "400", "450", 450},
        {63, 1500, 1367, "1500", "1600", 1600},
        {81, 10, 1351, "10", "-200", N(-200)},
        {48, 5, 1357, "5", "6", 6}},
       "00.01.04"},  // shows the CO2 limits
      {"KFX", 132, {33, 48, 49, 62, 63, 81},
       {{62, 400, 1384, "400", "450", 450},
        {63, 1500, 1383, "1500", "1600", 1600},
        {81, 10, 1368, "10", "-200", N(-200)},
        {48, 5, 1373, "5", "6", 6}},
       "00.01.04"},
      {"NWYJ", 126, {8, 33, 52, 53, 68, 82, 92, 93},
       {{52, 65000, 1291, "650.00", "1.5", 150},
        {53, 1000, 1292, "10.00", "650", 65000},
        {82, N(-150), 1305, "-1.50", "0,25", 25},
        {33, 110, 1283, "30", "0", 80},
        {92, 20, 1295, "2.0", "3.3", 33}}},
      {"NWYT", 125, {33, 48, 49, 82},
       {{82, 199, 1264, "1.99", "-19.99", N(-1999)},
        {33, 125, 1265, "45", "44", 124},
        {48, 254, 1271, "254", "1", 1}}},
      {"NDEUP", 142, Words({{8, 9, 33}, Span(52, 55), {68, 69, 76}, Span(92, 95)}),
       {{76, N(-200), 2162, "-200", "200", 200},
        {52, 65535, 2174, "65535", "100", 100},
        {54, 7, 0, nullptr, nullptr, 0},
        {55, 9, 0, nullptr, nullptr, 1},
        {94, 0, 2191, "0.0", "2.0", 20}}},
      {"NDEUL", 127, {33, 39, 48, 49, 56, 57, 78},
       {{39, 1, 0, nullptr, nullptr, 1},  // "Mod P20M" set: the limits are enabled
        {56, 100, 1313, "100", "0", 0},
        {57, 65535, 1326, "65535", "1000", 1000},
        {78, 5, 1312, "5", "-5", N(-5)},
        {48, 2, 1317, "2", "3", 3}}},
      {"E-GET9", 141, {48, 49, 82},
       {{82, N(-50), 2143, "-50", "120", 120},
        {48, 9, 2148, "9", "10", 10},
        {49, 0x0203, 0, nullptr, nullptr, 0x0203}}},
      {"NQAZ", 146, {33, 48, 49, 76, 77},
       {{76, 1, 2237, "0.1", "1", 10},
        {77, 2, 2238, "0.2", "-2", N(-20)},
        {48, 2, 2245, "2", "3", 3},
        {33, 99, 0, nullptr, nullptr, 110}}},
      {"MZP", 147, {33, 48, 49, 76, 77},
       {{76, 1, 2257, "0.1", "1", 10},
        {77, 2, 2258, "0.2", "-2", N(-20)},
        {48, 2, 2265, "2", "3", 3}}},
      {"NQKZ", 155, {33, 48, 49},
       {{48, 2, 3179, "2", "3", 3}, {33, 99, 0, nullptr, nullptr, 110}}},
      {"MJD", 156, {33, 48, 49},
       {{48, 2, 3192, "2", "3", 3}, {49, 2, 0, nullptr, nullptr, 2}}},
      {"LDRS", 148, {48, 49, 76, 77},
       {{76, 1, 2276, "0.1", "1", 10},
        {77, 2, 2277, "0.2", "-2", N(-20)},
        {48, 2, 2283, "2", "3", 3}}},
      {"NBBSZ", 149, {33, 48, 49, 76, 77},
       {{76, 1, 2294, "0.1", "1", 10},
        {48, 2, 2301, "2", "3", 3},
        {33, 99, 0, nullptr, nullptr, 110}}},
      {"NBBVK", 150, {33, 48, 49},
       {{48, 2, 2314, "2", "3", 3}, {33, 99, 0, nullptr, nullptr, 110}}},
      {"N3tNT", 164, {33, 48, 49, 68, 76},
       {{76, 7, 3837, "0.7", "-0.7", N(-7)},
        {33, 81, 3819, "1", "2", 82},
        {48, 2, 3824, "2", "3", 3},
        {68, 3, 0, nullptr, nullptr, 3},
        {49, 0x0105, 0, nullptr, nullptr, 0x0105}}},
  };
  return members;
}

bool IsComboKind(ui::ControlKind k) {
  return k == ui::ControlKind::kSortedCombo || k == ui::ControlKind::kDropDownCombo ||
         k == ui::ControlKind::kDropDownList;
}

std::uint16_t Pattern(int word) { return static_cast<std::uint16_t>(0x2100 + word); }

class CompactFamilyTest : public testing::ConnectedTest,
                          public ::testing::WithParamInterface<Member> {
 protected:
  testing::TempDir dir_;
};

TEST_P(CompactFamilyTest, WordsFieldsWritesAndFilesRoundTrip) {
  const Member& m = GetParam();
  const DialogDef& def = *FindCompactDialogDef(m.dialog);
  const int dlg = m.dialog;
  Connect(m.model, m.firmware);
  auto& memory = device->memory();
  for (int k = 16; k < 184; ++k) memory[k] = Pattern(k);
  for (const Row& r : m.rows) memory[r.word] = r.device;
  // Most members read at opening; reading again is harmless for those.
  ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonConfig), "");
  ASSERT_TRUE(ui().AdvanceUntil([&] { return ui().TopTemplate() == dlg; }, 10000));
  ASSERT_EQ(ui().Click(dlg, def.buttons.read), "");
  RunUntilClosed(109);
  ui().Advance(20);
  for (const Row& r : m.rows) {
    if (r.control == 0) continue;
    SCOPED_TRACE(r.word);
    EXPECT_EQ(Text(dlg, r.control), r.shown);
    ASSERT_EQ(ui().Type(dlg, r.control, r.typed), "");
  }
  ASSERT_EQ(ui().Focus(dlg, def.text_control), "");
  ui().Advance(20);
  ASSERT_EQ(ui().Click(dlg, def.buttons.write), "");
  RunUntilClosed(108);

  std::set<int> edited(m.edited.begin(), m.edited.end());
  for (int k = 40; k <= 47; ++k) edited.insert(k);
  for (int k = 16; k < 184; ++k) {
    if (!edited.contains(k)) {
      EXPECT_EQ(memory[k], Pattern(k)) << "word " << k;
    }
  }
  for (const Row& r : m.rows) EXPECT_EQ(memory[r.word], r.written) << "word " << r.word;

  // What the fields show goes to a file and comes back from it.
  auto snapshot = [&] {
    std::vector<std::string> texts;
    for (const Field& f : def.fields) texts.push_back(Text(dlg, f.control));
    texts.push_back(Text(dlg, def.text_control));
    if (def.speed_combo != 0) texts.push_back(Text(dlg, def.speed_combo));
    if (def.parity_combo != 0) texts.push_back(Text(dlg, def.parity_combo));
    return texts;
  };
  ASSERT_EQ(ui().Type(dlg, def.text_control, "Hala č.3 sklad 1"), "");
  const auto saved = snapshot();
  const std::string path = (dir_.path() / "settings.kvc").string();
  ui().QueueFileAnswer(path);
  ASSERT_EQ(ui().Click(dlg, def.buttons.save), "");
  ASSERT_EQ(std::filesystem::file_size(path), 2608u);
  ASSERT_EQ(ui().Click(dlg, def.buttons.preset), "");
  for (const Row& r : m.rows) {
    if (r.control != 0) {
      ASSERT_EQ(ui().Type(dlg, r.control, "7"), "");
    }
  }
  ui().QueueFileAnswer(path);
  ASSERT_EQ(ui().Click(dlg, def.buttons.open), "");
  EXPECT_EQ(snapshot(), saved);
  ASSERT_EQ(ui().Click(dlg, def.buttons.cancel), "");
  EXPECT_EQ(ui().TopTemplate(), res::kMainWindow);
}

INSTANTIATE_TEST_SUITE_P(Members, CompactFamilyTest, ::testing::ValuesIn(Members()),
                         [](const auto& info) {
                           std::string name = info.param.model;
                           std::erase(name, '-');
                           return name;
                         });

}  // namespace
}  // namespace travik

namespace travik {
namespace {

// Every control a table names stands in its template, once, and no two
// visible controls of a template overlap.
TEST(CompactTemplates, HoldEveryControlTheirTablesNameWithoutOverlap) {
  ASSERT_EQ(CompactDialogDefs().size(), 22u);
  for (const DialogDef* def : CompactDialogDefs()) {
    SCOPED_TRACE(def->header_name);
    const ui::DialogTemplate* t = ProgramTemplate(def->template_number);
    ASSERT_NE(t, nullptr);
    std::vector<int> named = {def->buttons.read, def->buttons.write, def->buttons.cancel,
                              def->buttons.open, def->buttons.save,  def->buttons.preset,
                              def->text_control};
    if (def->speed_combo != 0) named.push_back(def->speed_combo);
    if (def->parity_combo != 0) named.push_back(def->parity_combo);
    for (const Field& f : def->fields) named.push_back(f.control);
    for (const AnalogOutput& o : def->outputs)
      named.insert(named.end(), {o.current_radio, o.voltage_radio, o.lo_label, o.hi_label,
                                 o.safety_label});
    for (const Choice& c : def->choices) named.push_back(c.control);
    named.insert(named.end(), def->hidden.begin(), def->hidden.end());
    for (int id : named) EXPECT_NE(t->Find(id), nullptr) << id;
    std::set<int> ids;
    for (const auto& c : t->controls) EXPECT_TRUE(ids.insert(c.id).second) << "twice: " << c.id;
    for (std::size_t i = 0; i < t->controls.size(); ++i) {
      const auto& a = t->controls[i];
      if (a.kind == ui::ControlKind::kGroupBox) continue;
      EXPECT_LE(a.x + a.w, t->w) << a.id;
      EXPECT_LE(a.y + a.h, t->h + 70) << a.id;  // a combo's height includes its list
      for (std::size_t j = i + 1; j < t->controls.size(); ++j) {
        const auto& b = t->controls[j];
        if (b.kind == ui::ControlKind::kGroupBox) continue;
        const int ah = IsComboKind(a.kind) ? 12 : a.h, bh = IsComboKind(b.kind) ? 12 : b.h;
        const bool apart = a.x + a.w <= b.x || b.x + b.w <= a.x || a.y + ah <= b.y || b.y + bh <= a.y;
        EXPECT_TRUE(apart) << a.id << " overlaps " << b.id;
      }
    }
  }
}

}  // namespace
}  // namespace travik
