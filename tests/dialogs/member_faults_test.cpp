// What the multi-channel and rack members show is what the device gets: no
// entry wraps on its way to 16 bits, a file or a read cannot slip a number past
// the lists and rules the user's own choices follow, and the digital output's
// S, P and shown frequency stay one setting.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>

#include "dialogs/multichannel/kdb7dy_dialog.h"
#include "dialogs/templates.h"
#include "support/connected.h"
#include "ui/template.h"

namespace travik {
namespace {

constexpr std::uint16_t W(int v) { return static_cast<std::uint16_t>(v); }

// BBH7QS (template 151): quick-select keys, three modes, colours, PWM.
constexpr int kQs = 151, kQsWrite = 2516, kQsOpen = 2512, kQsSave = 2513;
constexpr int kMiddleKey = 2499;
constexpr int kLinks[] = {2374, 2410, 2447};
constexpr int kStates[] = {2375, 2412, 2449};
constexpr int kPwm = 2504, kSteps = 2506, kFrequency = 2508, kPeriod = 2511, kSet = 2509;

class MemberFaults : public testing::ConnectedTest {
 protected:
  // Connects the model, lets `setup` change its memory, opens its dialog.
  void OpenOnline(const char* model, int tpl, const std::function<void(sim::SimTransmitter&)>& setup = {}) {
    device = &s.sim().AddTransmitter(*sim::FindSimModel(model));
    if (setup) setup(*device);
    ASSERT_NO_FATAL_FAILURE(testing::StartOnline(s));
    ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonConfig), "");
    RunUntilClosed(109);
    ASSERT_EQ(ui().TopTemplate(), tpl);
    tpl_ = tpl;
  }
  void Write(int button) {
    ASSERT_EQ(ui().Click(tpl_, button), "");
    RunUntilClosed(108);
  }
  std::vector<std::string> MessagesSince(std::size_t from) {
    std::vector<std::string> texts;
    for (std::size_t i = from; i < ui().Messages().size(); ++i) texts.push_back(ui().Messages()[i].text);
    return texts;
  }
  int tpl_ = 0;
};

// A fresh program per table row: connects the model and opens its dialog.
void OpenIn(Session& session, const char* model, sim::SimTransmitter*& dev) {
  dev = &session.sim().AddTransmitter(*sim::FindSimModel(model));
  ASSERT_NO_FATAL_FAILURE(testing::StartOnline(session));
  auto& u = session.ui();
  ASSERT_EQ(u.Click(res::kMainWindow, res::kButtonConfig), "");
  ASSERT_TRUE(u.AdvanceUntil([&] { return !u.IsOpen(109); }, 10000));
}
void WriteIn(Session& session, int tpl, int button) {
  auto& u = session.ui();
  ASSERT_EQ(u.Click(tpl, button), "");
  ASSERT_TRUE(u.AdvanceUntil([&] { return !u.IsOpen(108); }, 10000));
}

// Fields without a range of their own are kept to what their word holds.
TEST_F(MemberFaults, NoFieldWrapsOnItsWayToSixteenBits) {
  struct Row {
    const char* model;
    int tpl, write, control;
    const char* typed;
    const char* shown;  // after the checks
    int word;
    std::uint16_t written;
  };
  const Row rows[] = {
      {"BBH7T", 133, 1516, 1519, "5000.0", "3276.7", 8, 32767},
      // Down to what a file record keeps whole.
      {"BBH7T", 133, 1516, 1527, "-4000", "-999.9", 52, W(-9999)},
      {"BBH7T", 133, 1516, 1525, "150.0", "150.0", 53, 1500},
      {"BBH7T", 133, 1516, 1529, "99999", "32767", 9, 32767},
      {"BBH7T", 133, 1516, 1533, "-40000", "-32768", 54, W(-32768)},
      {"BBH7T", 133, 1516, 1530, "-7", "-7", 55, W(-7)},
      {"UC-RGJ", 154, 3022, 3208, "70000", "32767", 56, 32767},
      {"UC-RGJ", 154, 3022, 3210, "-40000", "-32768", 57, W(-32768)},
      {"UC-VWW", 152, 3022, 3208, "99999", "32767", 56, 32767},
      {"UC-RGQ", 160, 3604, 3611, "70000", "32767", 64, 32767},
      {"UC-RGQ", 160, 3604, 3613, "4464", "4464", 65, 4464},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.model) + " " + std::to_string(r.control) + " " + r.typed);
    Session session;
    sim::SimTransmitter* dev = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenIn(session, r.model, dev));
    auto& u = session.ui();
    ASSERT_EQ(u.Type(r.tpl, r.control, r.typed), "");
    ASSERT_NO_FATAL_FAILURE(WriteIn(session, r.tpl, r.write));
    EXPECT_EQ(u.Control(r.tpl, r.control)->text, r.shown);
    EXPECT_EQ(dev->memory()[r.word], r.written);
    const bool corrected = std::string(r.typed) != r.shown;
    EXPECT_EQ(!u.Messages().empty() && u.Messages().back().text == "Hodnota mimo rozsah", corrected);
  }
}

// The CO2 calibration value is checked like any field when its button is
// clicked; what does not parse or lies past its range is corrected, not sent.
TEST_F(MemberFaults, CalibrationValueIsSentOnlyAsShown) {
  struct Row {
    const char* model;
    int tpl, edit, button;
    const char* typed;
    const char* shown;
    std::optional<std::uint16_t> sent;
  };
  const Row rows[] = {
      {"UC-RGJ", 154, 3195, 3197, "abc", "0", std::nullopt},
      {"UC-RGJ", 154, 3195, 3197, "-1", "5000", std::nullopt},  // unsigned: above the maximum
      {"UC-RGJ", 154, 3195, 3197, "70000", "5000", std::nullopt},
      {"UC-RGJ", 154, 3195, 3197, "", "0", std::nullopt},
      {"UC-RGJ", 154, 3195, 3197, "450", "450", 450},
      {"UC-RGJ-H", 158, 3482, 3484, "5001", "5000", std::nullopt},
      {"UC-RGJ-H", 158, 3482, 3484, "400", "400", 400},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.model) + " \"" + r.typed + "\"");
    Session session;
    sim::SimTransmitter* dev = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenIn(session, r.model, dev));
    auto& u = session.ui();
    const std::size_t frames = dev->calibration().frames.size();
    // Typed and clicked before a tick of the live checks can run.
    ASSERT_EQ(u.Type(r.tpl, r.edit, r.typed), "");
    ASSERT_EQ(u.Click(r.tpl, r.button), "");
    u.Advance(20);
    EXPECT_EQ(u.Control(r.tpl, r.edit)->text, r.shown);
    ASSERT_FALSE(u.Messages().empty());
    if (r.sent) {
      ASSERT_EQ(dev->calibration().frames.size(), frames + 1);
      EXPECT_EQ(dev->calibration().value, *r.sent);
      EXPECT_EQ(u.Messages().back().text, "Kalibrační data zapsána");
    } else {
      EXPECT_EQ(dev->calibration().frames.size(), frames);
      EXPECT_EQ(u.Messages().back().text, "Hodnota mimo rozsah");
    }
    EXPECT_TRUE(u.IsOpen(r.tpl));
  }
}

// KDB7DY's hidden calibration value is a field: "Přednastavení" restores its 400.
TEST(MemberCalibrationValue, Kdb7dyKeepsItsDefaultAsAField) {
  const auto& fields = Kdb7dyDialogDef().dialog.fields;
  const auto f = std::find_if(fields.begin(), fields.end(), [](const Field& x) { return x.control == 4073; });
  ASSERT_NE(f, fields.end());
  EXPECT_STREQ(f->initial, "400");
  EXPECT_EQ(f->check, CheckKind::kUnsignedInt);
}

// A read brings numbers the lists do not have and choices the rules forbid:
// each control keeps or takes what the rules allow, and the write sends that.
TEST_F(MemberFaults, ReadFollowsTheRulesOfTheUsersChoices) {
  ASSERT_NO_FATAL_FAILURE(OpenOnline("BBH7QS", kQs, [](sim::SimTransmitter& dev) {
    auto& m = dev.memory();
    m[84] = 1;   // mode 1 on the left
    m[86] = 1;   // mode 2 on the left as well
    m[85] = 2;
    m[87] = 0;   // mode 2 without states ...
    m[29] = 22;  // ... is the middle key's target
    m[30] = 15;  // a code the list does not have
    m[89] = 40;  // a state count past 16
    m[36] = 0xFFFF;
  }));
  const std::vector<std::string> expected = {
      "Volba je již používána jiným režimem",
      "Režim 2 (M2) má zvolen nulový počet stavů. Předvolba bude přenastavena na Neaktivní( ).",
  };
  EXPECT_EQ(MessagesSince(0), expected);
  EXPECT_EQ(ui().Control(kQs, kLinks[1])->selection, 0);
  EXPECT_EQ(ui().Control(kQs, kMiddleKey)->selection, 0);
  Write(kQsWrite);
  const auto& m = device->memory();
  EXPECT_EQ(m[84], 1);
  EXPECT_EQ(m[86], 0);
  EXPECT_EQ(m[29], 10);
  EXPECT_EQ(m[30], 10);  // "Neaktivní( )", shown since the opening
  EXPECT_EQ(m[89], 0);
  // The two colours BBH7QS shows follow their combos (colour 2 since the
  // opening); the bits no combo shows go back as read.
  EXPECT_EQ(m[36], 0xFF22);
}

// Out-of-list records of a file are refused as the lists refuse them; two
// modes on one LCD position through a file give way as when chosen.
TEST_F(MemberFaults, FileRecordsFollowTheRulesOfTheUsersChoices) {
  ASSERT_NO_FATAL_FAILURE(OpenOnline("BBH7QS", kQs));
  const auto before = device->memory();
  testing::TempDir dir;
  const std::string path = (dir.path() / "qs.kvc").string();
  ui().QueueFileAnswer(path);
  ASSERT_EQ(ui().Click(kQs, kQsSave), "");
  std::string file = testing::ReadFile(path);
  ASSERT_EQ(file.size(), 2608u);
  auto put = [&](int record, const std::string& text) {
    std::string field = text;
    field.resize(6, ' ');
    file.replace(32 + 16 * static_cast<std::size_t>(record) + 8, 6, field);
  };
  put(85, "99");     // state count
  put(88, "7");      // LCD link
  put(29, "15");     // quick-select
  put(92, "500");    // symbol
  put(37, "65535");  // colour word
  put(84, "3");      // mode 1 right ...
  put(86, "3");      // ... and mode 2 right too
  std::ofstream(path, std::ios::binary) << file;
  const std::size_t base = ui().Messages().size();
  ui().QueueFileAnswer(path);
  ASSERT_EQ(ui().Click(kQs, kQsOpen), "");
  EXPECT_EQ(MessagesSince(base), std::vector<std::string>{"Volba je již používána jiným režimem"});
  Write(kQsWrite);
  const auto& m = device->memory();
  for (int word : {85, 88, 29, 92}) EXPECT_EQ(m[word], before[word]) << "word " << word;
  EXPECT_EQ(m[84], 3);
  EXPECT_EQ(m[86], 0);
  EXPECT_EQ(m[37] & 0x0FFF, before[37] & 0x0FFF);  // the nibbles the combos show
}

// A key left on a mode whose state count then goes to 0 is reset at once.
TEST_F(MemberFaults, ZeroStatesRuleFollowsEveryChangeOfTheCount) {
  ASSERT_NO_FATAL_FAILURE(OpenOnline("BBH7QS", kQs, [](sim::SimTransmitter& dev) {
    dev.memory()[87] = 3;
    dev.memory()[29] = 22;
  }));
  EXPECT_EQ(ui().Control(kQs, kMiddleKey)->selection, 4);
  const std::size_t base = ui().Messages().size();
  ASSERT_EQ(ui().Select(kQs, kStates[1], 0), "");
  EXPECT_EQ(MessagesSince(base),
            std::vector<std::string>{"Režim 2 (M2) má zvolen nulový počet stavů. Předvolba bude "
                                     "přenastavena na Neaktivní( )."});
  EXPECT_EQ(ui().Control(kQs, kMiddleKey)->selection, 0);
  Write(kQsWrite);
  EXPECT_EQ(device->memory()[87], 0);
  EXPECT_EQ(device->memory()[29], 10);
}

// New steps after "Nastavit" keep the frequency in effect: P follows S.
TEST_F(MemberFaults, StepCountChangeKeepsFrequencyAndDivider) {
  struct Row {
    const char* frequency;
    const char* steps_before;
    const char* steps_after;
    std::uint16_t s, p;
    const char* shown;
  };
  const Row rows[] = {
      {"500", "100", "200", 199, 79, "500.000000"},
      {"500", "200", "100", 99, 159, "500.000000"},
      {"1000", "4", "8", 7, 999, "1000.000000"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.frequency) + " Hz, " + r.steps_before + " -> " + r.steps_after);
    Session session;
    sim::SimTransmitter* dev = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenIn(session, "BBH7QS", dev));
    auto& u = session.ui();
    ASSERT_EQ(u.Click(kQs, kPwm), "");
    ASSERT_EQ(u.Type(kQs, kSteps, r.steps_before), "");
    ASSERT_EQ(u.Type(kQs, kFrequency, r.frequency), "");
    u.Advance(20);
    ASSERT_EQ(u.Click(kQs, kSet), "");
    u.Advance(20);
    ASSERT_EQ(u.Type(kQs, kSteps, r.steps_after), "");
    ASSERT_NO_FATAL_FAILURE(WriteIn(session, kQs, kQsWrite));
    EXPECT_EQ(dev->memory()[50], r.s);
    EXPECT_EQ(dev->memory()[51], r.p);
    EXPECT_EQ(u.Control(kQs, kFrequency)->text, r.shown);
    EXPECT_EQ(u.Control(kQs, kPeriod)->text, mc::FormatFixed6(1000.0 / std::stod(r.shown)));
    EXPECT_TRUE(u.Messages().empty()) << u.Messages().front().text;
  }
}

// Upper limits stay above the lower ones, so a read-back passes the same
// checks as the entry did; nothing moves while the upper is being typed.
TEST_F(MemberFaults, UpperLimitsStayAboveTheLower) {
  struct Row {
    const char* model;
    int tpl, write, lower, upper;
    const char* typed_lower;
    const char* typed_upper;
    const char* shown_lower;
    const char* shown_upper;
    int lower_word;
    std::uint16_t lower_written, upper_written;
  };
  const Row rows[] = {
      {"KDB7DY", 337, 4044, 3881, 3882, "10.0", "5.0", "10.0", "10.1", 52, 100, 101},
      {"KDB7DY", 337, 4044, 3892, 3893, "50", "50", "50", "51", 54, 50, 51},
      {"KDB7DY", 337, 4044, 4056, 4053, "5000", "5000", "4999", "5000", 62, 4999, 5000},
      {"KDB7DY", 337, 4044, 4067, 4068, "0", "0", "0", "1", 64, 0, 1},
      {"KDB7DY", 337, 4044, 4067, 4068, "900", "2500", "900", "2500", 64, 900, 2500},
      {"BBH7QS", 151, 2516, 2352, 2353, "20.0", "-3.0", "20.0", "20.1", 52, 200, 201},
      {"BBH7QS", 151, 2516, 2364, 2365, "60", "10", "60", "61", 54, 60, 61},
      {"JBC3S", 135, 1604, 1576, 1574, "0.0", "0.0", "0.0", "0.1", 52, 0, 1},
      {"UC-RGJ", 154, 3022, 3191, 3193, "0", "0", "0", "1", 64, 0, 1},
      {"UC-RGJ", 154, 3022, 3181, 3178, "800", "2000", "800", "2000", 62, 800, 2000},
      {"UC-BCN", 157, 3022, 3253, 3254, "700", "600", "700", "701", 58, 700, 701},
      {"UC-RGJ-H", 158, 3489, 3465, 3466, "1500", "1400", "1500", "1501", 64, 1500, 1501},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.model) + " " + r.typed_lower + " / " + r.typed_upper);
    Session session;
    sim::SimTransmitter* dev = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenIn(session, r.model, dev));
    auto& u = session.ui();
    ASSERT_EQ(u.Type(r.tpl, r.lower, r.typed_lower), "");
    ASSERT_EQ(u.Type(r.tpl, r.upper, r.typed_upper), "");
    u.Advance(20);
    EXPECT_EQ(u.Control(r.tpl, r.upper)->text, r.typed_upper);
    ASSERT_NO_FATAL_FAILURE(WriteIn(session, r.tpl, r.write));
    EXPECT_EQ(u.Control(r.tpl, r.lower)->text, r.shown_lower);
    EXPECT_EQ(u.Control(r.tpl, r.upper)->text, r.shown_upper);
    EXPECT_EQ(dev->memory()[r.lower_word], r.lower_written);
    EXPECT_EQ(dev->memory()[r.lower_word + 1], r.upper_written);
    const bool corrected =
        std::string(r.typed_upper) != r.shown_upper || std::string(r.typed_lower) != r.shown_lower;
    EXPECT_EQ(u.Messages().size(), corrected ? 1u : 0u);
  }
}

// BBH7H: a link word other than 0 and 1 shows "Ano" and is written as "Ano" is.
TEST_F(MemberFaults, Bbh7hLedLinkIsWrittenAsShown) {
  ASSERT_NO_FATAL_FAILURE(OpenOnline("BBH7H", 138, [](sim::SimTransmitter& dev) { dev.memory()[84] = 5; }));
  EXPECT_TRUE(ui().Control(138, 2088)->checked);
  Write(2093);
  EXPECT_EQ(device->memory()[84], 1);
}

// Word 33 of BBH7T and JBC3S is the contrast itself.
TEST_F(MemberFaults, ContrastOfBbh7tIsThePlainWord) {
  ASSERT_NO_FATAL_FAILURE(OpenOnline("BBH7T", 133, [](sim::SimTransmitter& dev) { dev.memory()[33] = 30; }));
  ui().Advance(20);
  EXPECT_EQ(Text(133, 1389), "30");
  EXPECT_TRUE(ui().Messages().empty()) << ui().Messages().front().text;
  Write(1516);
  EXPECT_EQ(device->memory()[33], 30);
}

// UC-RGQ: the backlight and the active time each have a group of their own.
TEST(RackAnalogTemplate, SaverHoldsBacklightAndTimeGroups) {
  const ui::DialogTemplate* t = ProgramTemplate(160);
  ASSERT_NE(t, nullptr);
  for (const char* caption : {"Nastavení šetřiče LCD", "Podsvícení neaktivní LCD", "Čas aktivního LCD"}) {
    const auto c = std::find_if(t->controls.begin(), t->controls.end(), [&](const auto& x) {
      return x.kind == ui::ControlKind::kGroupBox && x.caption == caption;
    });
    EXPECT_NE(c, t->controls.end()) << caption;
  }
}

}  // namespace
}  // namespace travik
