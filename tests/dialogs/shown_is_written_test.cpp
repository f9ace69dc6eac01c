// What a configuration dialog shows is what the transmitter gets. For every
// dialog the main window opens for a device type, seeded rounds put texts into
// every edit the dialog's tables name (and pick entries in its lists and
// check boxes), or load a saved file with records changed to out-of-range and
// out-of-list values, or press "Přednastavení". Once the checks have settled
// the dialog writes to the simulated transmitter and reads back:
//   - every field shows a number its word can hold, and that word went out;
//   - every list, check box and radio button shows what its bits went out as;
//   - the text field shows at most what the device keeps, and that went out;
//   - the read-back shows the same values and passes the dialog's own checks.
//
// TRAVIK_PROPERTY_SEED=n draws other inputs; TRAVIK_PROPERTY_ROUNDS=n adds n
// rounds of random texts per dialog (for long runs); TRAVIK_PROPERTY_SHOW=n
// lists up to n findings per dialog (40).
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cctype>
#include <fstream>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "config/config_file.h"
#include "config/format.h"
#include "core/text.h"
#include "dialogs/multichannel/multichannel_words.h"
#include "support/connected.h"
#include "support/dialog_tables.h"

namespace travik {
namespace {

using testing::DialogTables;
using testing::DialogUnderTest;

constexpr int kWritePopup = 108;
constexpr int kReadPopup = 109;
constexpr int kActiveTimeWord = 35;
constexpr std::uint32_t kDefaultSeed = 19;

std::uint32_t EnvNumber(const char* name, std::uint32_t fallback) {
  const char* v = std::getenv(name);
  return v != nullptr && *v != '\0' ? static_cast<std::uint32_t>(std::strtoul(v, nullptr, 10)) : fallback;
}
std::uint32_t Seed() { return EnvNumber("TRAVIK_PROPERTY_SEED", kDefaultSeed); }
int ExtraRounds() { return static_cast<int>(EnvNumber("TRAVIK_PROPERTY_ROUNDS", 0)); }

// Cases that still fail, each with its reason; empty when every dialog holds.
// A case is a template, a control and a part of the finding's text.
struct Known {
  int tpl;
  int control;
  const char* finding;
  const char* why;
};
const std::vector<Known> kKnown = {};

bool IsKnown(int tpl, int control, const std::string& what) {
  return std::any_of(kKnown.begin(), kKnown.end(), [&](const Known& k) {
    return k.tpl == tpl && k.control == control && what.find(k.finding) != std::string::npos;
  });
}

// --- What a shown text encodes ----------------------------------------------

// Units of one step of the text: the decimals the field is shown with.
int FormatScale(FieldFormat f) {
  switch (f) {
    case FieldFormat::kTenths: return 10;
    case FieldFormat::kHundredths:
    case FieldFormat::kUnsignedHundredths: return 100;
    case FieldFormat::kThousandths: return 1000;
    default: return 1;
  }
}
int CheckScale(CheckKind c) {
  return c == CheckKind::kTenths ? 10 : c == CheckKind::kThousandths ? 1000 : 1;
}
bool WordIsUnsigned(FieldFormat f) {
  return f == FieldFormat::kUnsigned || f == FieldFormat::kUnsignedHundredths ||
         f == FieldFormat::kThousandths || f == FieldFormat::kLong;
}

// The value a shown text stands for, in the word's units; nothing when the
// text is not a plain number (blanks around a sign, digits, a decimal part
// and an exponent) or, in a whole field, has a fraction other than zero
// ("200.0" and "2e2" are 200, "150.7" is nothing).
std::optional<std::int64_t> Encoded(const Field& f, const std::string& utf8) {
  static const std::regex kNumber(R"( *([-+]?)([0-9]*)(?:[.,]([0-9]*))?(?:[eE]([-+]?[0-9]+))? *)");
  std::smatch m;
  if (!std::regex_match(utf8, m, kNumber) || (m[2].length() == 0 && m[3].length() == 0) || utf8.size() > 12)
    return std::nullopt;
  // Digits and the power of ten they are scaled by, in the word's units.
  std::string digits = (m[2].length() ? m[2].str() : "0") + m[3].str();
  if (m[4].length() > 6) return std::nullopt;
  int power = (m[4].length() ? std::stoi(m[4].str()) : 0) - static_cast<int>(m[3].length());
  for (int scale = FormatScale(f.format); scale > 1; scale /= 10) ++power;
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
  if (digits == "0") return f.offset;
  if (power > 12 || static_cast<int>(digits.size()) + std::max(power, 0) > 12) return std::nullopt;  // no word holds it
  for (; power > 0; --power) digits += '0';
  if (power < -30) return FormatScale(f.format) == 1 ? std::nullopt : std::optional<std::int64_t>(0);
  std::int64_t v = std::stoll(digits);
  if (power < 0) {
    if (FormatScale(f.format) == 1) {
      // A whole field: the fraction must be zero.
      for (; power < 0; ++power) {
        if (v % 10 != 0) return std::nullopt;
        v /= 10;
      }
    } else {
      // Fixed-point fields round by their own documented rule.
      std::string s = m[1].str() + (m[2].length() ? m[2].str() : "0") + "." + m[3].str() + "0";
      if (m[4].length()) s += "e" + m[4].str();
      switch (f.format) {
        case FieldFormat::kTenths: return ParseTenthsWide(s);
        case FieldFormat::kHundredths:
        case FieldFormat::kUnsignedHundredths: return ParseHundredthsWide(s);
        case FieldFormat::kThousandths: return ParseThousandthsWide(s);
        default: return std::nullopt;
      }
    }
  }
  return (m[1].str() == "-" ? -v : v) + f.offset;
}

bool FitsWord(const Field& f, std::int64_t v) {
  return WordIsUnsigned(f.format) ? v >= 0 && v <= 65535 : v >= -32768 && v <= 32767;
}

std::string Units(std::int64_t v, int scale) {
  if (scale == 1) return std::to_string(v);
  const int digits = scale == 10 ? 1 : scale == 100 ? 2 : 3;
  std::string frac = std::to_string(std::abs(v) % scale);
  frac.insert(0, static_cast<std::size_t>(digits) - frac.size(), '0');
  return (v < 0 ? "-" : "") + std::to_string(std::abs(v) / scale) + "." + frac;
}

// Texts for one edit: inside, at and past each limit, past 16 bits, negative
// where unsigned, fractions where whole, letters, empty.
std::vector<std::string> Inputs(const Field& f) {
  std::vector<std::string> in;
  if (f.check != CheckKind::kNone) {
    const int scale = CheckScale(f.check);
    std::vector<std::int64_t> limits = {f.min, f.max, (std::int64_t{f.min} + f.max) / 2, f.min - 1, f.max + 1};
    if (f.output != 0)
      for (int m : {kOutputMaxCurrent, kOutputMaxVoltage}) limits.insert(limits.end(), {m, m + 1});
    for (std::int64_t v : limits) in.push_back(Units(v, scale));
  } else {
    in.insert(in.end(), {"0", "1", "-1", "32767", "-32768", "65535"});
  }
  in.insert(in.end(), {"70000", "-40000", "99999", "5000.0", "-1", "abc", "", "1e9999", "12x", "-", "."});
  if (FormatScale(f.format) == 1) in.insert(in.end(), {"12.5", "150.7"});
  std::sort(in.begin(), in.end());
  in.erase(std::unique(in.begin(), in.end()), in.end());
  return in;
}

// Random texts for long runs: numbers of any size and shape, and noise.
std::string RandomText(std::mt19937& rng) {
  static const char kChars[] = "0123456789-.,e +x";
  std::uniform_int_distribution<int> kind(0, 3), len(0, 9), ch(0, sizeof kChars - 2);
  switch (kind(rng)) {
    case 0: return std::to_string(std::uniform_int_distribution<std::int64_t>(-99999, 999999)(rng));
    case 1: return Units(std::uniform_int_distribution<std::int64_t>(-99999, 999999)(rng), 10);
    case 2: return Units(std::uniform_int_distribution<std::int64_t>(-70000, 70000)(rng), 100);
    default: {
      std::string s;
      for (int i = len(rng); i > 0; --i) s += kChars[ch(rng)];
      return s;
    }
  }
}

// File record texts: out of range and out of any list.
const std::vector<std::string> kRecordValues = {
    "70000", "-40000", "99999", "65535", "500", "99", "15", "7", "abc", "", "5000.0", "-1", "0<0:", "150.7"};

// --- The controls a dialog's tables name ------------------------------------

struct Snapshot {
  std::map<int, ui::ControlState> controls;
  const ui::ControlState& operator[](int id) const {
    static const ui::ControlState kNone{};
    auto it = controls.find(id);
    return it == controls.end() ? kNone : it->second;
  }
};

std::vector<int> NamedControls(const DialogTables& t) {
  std::set<int> ids;
  const DialogDef& d = *t.def;
  for (const Field& f : d.fields) ids.insert(f.control);
  for (const Choice& c : d.choices) ids.insert(c.control);
  for (const AnalogOutput& o : d.outputs) ids.insert({o.current_radio, o.voltage_radio});
  ids.insert({d.text_control, d.speed_combo, d.parity_combo});
  if (t.mc != nullptr) {
    const MultiChannelDef& mc = *t.mc;
    ids.insert(mc.active_time_combo);
    ids.insert({mc.output.two_state_radio, mc.output.pwm_radio, mc.output.steps_edit, mc.output.frequency_edit,
                mc.output.period_edit});
    for (const auto& q : mc.quick_select) ids.insert(q.control);
    for (const auto& c : mc.channels) ids.insert({c.bargraph_combo, c.correction_radio, c.setpoint_radio});
    for (const auto& c : mc.colours) ids.insert(c.control);
    for (const auto& m : mc.modes) {
      ids.insert({m.link_combo, m.states_combo});
      for (int k = 0; k < mc::kModeSymbols; ++k) ids.insert(m.SymbolCombo(k));
    }
  }
  ids.erase(0);
  return {ids.begin(), ids.end()};
}

// A failure, named well enough to find the fault: dialog, control, what went
// in, what is shown and what went out.
struct Finding {
  int control;
  std::string what;
};

class ShownIsWritten : public testing::ConnectedTest,
                       public ::testing::WithParamInterface<DialogUnderTest> {
 protected:
  const DialogTables& T() { return GetParam().tables; }
  const DialogDef& D() { return *T().def; }
  int Tpl() { return D().template_number; }

  Snapshot Capture() {
    Snapshot s;
    for (int id : controls_)
      if (auto c = ui().Control(Tpl(), id)) s.controls[id] = *c;
    return s;
  }
  std::uint16_t Word(int w) { return device->memory()[static_cast<std::size_t>(w)]; }

  std::string Input(int control) {
    auto it = inputs_.find(control);
    return it == inputs_.end() ? std::string("(left as it was)") : it->second;
  }
  void Fail(int control, const std::string& what) {
    if (IsKnown(Tpl(), control, what)) return;
    findings_.push_back({control, what});
  }
  std::string Named(int control, const std::string& shown) {
    std::ostringstream o;
    o << D().title << " (" << Tpl() << "), " << round_name_ << ", control " << control << ", input \""
      << Input(control) << "\", shown \"" << shown << "\"";
    return o.str();
  }
  static std::string WordText(int word, std::uint16_t v) {
    std::ostringstream o;
    o << "word " << word << " went out as " << v << " (0x" << std::hex << v << ")";
    return o.str();
  }

  // Lets the checks run with the focus on a control no rule waits for.
  void Settle() {
    if (D().text_control != 0) ui().Focus(Tpl(), D().text_control);
    else ui().Focus(Tpl(), D().buttons.cancel);
    ui().Advance(std::max(200, 10 * D().timer_ms));
  }

  // Clicks a transfer button and waits until the dialog is on top again.
  bool Transfer(int button) {
    if (ui().Click(Tpl(), button) != "") return false;
    return ui().AdvanceUntil([&] { return ui().TopTemplate() == Tpl() && !ui().IsOpen(kWritePopup) &&
                                          !ui().IsOpen(kReadPopup); },
                             20000);
  }

  std::size_t CheckMessages(std::size_t from) {
    std::size_t n = 0;
    for (std::size_t i = from; i < ui().Messages().size(); ++i) {
      const std::string& t = ui().Messages()[i].text;
      n += t == "Hodnota mimo rozsah" || t == "Hodnota Hi mensí než hodnota Lo" || t == kStepCountMessage ||
           t == kLinkTakenMessage;
    }
    return n;
  }

  void CheckWritten(const Snapshot& s);
  void CheckCalibrationValue(const Snapshot& s);
  void CheckReadBack(const Snapshot& before, const Snapshot& after, const Snapshot& settled,
                     std::size_t messages_from);
  void Round();

  // Random entries in every list, check box and radio button.
  void PickChoices();
  void TypeFields(int round);
  void LoadChangedFile(int round);

  std::mt19937 rng_;
  std::vector<int> controls_;
  std::map<int, std::string> inputs_;  // control -> what went in this round
  std::string round_name_;
  std::vector<Finding> findings_;
  std::map<int, std::vector<std::string>> field_inputs_;  // control -> its texts, shuffled
  testing::TempDir dir_;
  bool lost_ = false;
  std::uint16_t word49_before_ = 0;  // the device's word 49 before the write
};

void ShownIsWritten::PickChoices() {
  auto pick = [&](int id) {
    auto c = ui().Control(Tpl(), id);
    if (!c || !c->visible || !c->enabled || c->items.empty()) return;
    const int pos = std::uniform_int_distribution<int>(0, static_cast<int>(c->items.size()) - 1)(rng_);
    if (ui().Select(Tpl(), id, pos) == "") inputs_[id] = "entry " + std::to_string(pos) + " \"" + c->items[pos] + "\"";
  };
  auto tick = [&](int id) {
    const bool on = std::bernoulli_distribution(0.5)(rng_);
    if (ui().SetChecked(Tpl(), id, on) == "") inputs_[id] = on ? "checked" : "cleared";
  };
  auto radio = [&](int a, int b) {
    const int id = std::bernoulli_distribution(0.5)(rng_) ? a : b;
    if (ui().SetChecked(Tpl(), id, true) == "") inputs_[a] = inputs_[b] = "chose " + std::to_string(id);
  };
  const DialogDef& d = D();
  for (const AnalogOutput& o : d.outputs) radio(o.current_radio, o.voltage_radio);
  for (const Choice& c : d.choices) c.kind == ChoiceKind::kList ? pick(c.control) : tick(c.control);
  if (d.speed_combo != 0) pick(d.speed_combo);
  if (d.parity_combo != 0) pick(d.parity_combo);
  if (const MultiChannelDef* mc = T().mc) {
    // Keys before the modes' state counts: a count set to 0 under a key must clear it.
    for (const auto& q : mc->quick_select) pick(q.control);
    if (mc->active_time_combo != 0) pick(mc->active_time_combo);
    for (const auto& c : mc->channels) {
      pick(c.bargraph_combo);
      if (c.correction_radio != 0) radio(c.correction_radio, c.setpoint_radio);
    }
    for (const auto& c : mc->colours) pick(c.control);
    for (const auto& m : mc->modes) {
      pick(m.states_combo);
      if (m.link_combo != 0) pick(m.link_combo);
      for (int k = 0; k < mc::kModeSymbols; ++k) pick(m.SymbolCombo(k));
    }
    const McDigitalOutput& o = mc->output;
    if (o.pwm_radio != 0) {
      auto type = [&](int id, const std::vector<std::string>& texts) {
        const std::string& t = texts[rng_() % texts.size()];
        if (ui().Type(Tpl(), id, t) == "") inputs_[id] = t;
      };
      if (std::bernoulli_distribution(0.3)(rng_)) {
        radio(o.two_state_radio, o.two_state_radio);
      } else {
        radio(o.pwm_radio, o.pwm_radio);
        if (std::bernoulli_distribution(0.5)(rng_)) type(o.steps_edit, {"100", "200", "3", "2", "65536", "70000", "abc"});
        type(o.frequency_edit, {"500", "1000", "20000", "1", "0.5", "abc"});
        if (ui().Click(Tpl(), o.set_button) == "") inputs_[o.frequency_edit] += " + Nastavit";
        if (std::bernoulli_distribution(0.5)(rng_)) type(o.steps_edit, {"100", "200", "3", "2", "65536", "70000", "abc"});
      }
    }
  }
}

void ShownIsWritten::TypeFields(int round) {
  for (const Field& f : D().fields) {
    auto& texts = field_inputs_[f.control];
    if (texts.empty()) {
      texts = Inputs(f);
      std::shuffle(texts.begin(), texts.end(), rng_);
    }
    const std::string text = round < static_cast<int>(texts.size())
                                 ? texts[static_cast<std::size_t>(round)]
                                 : round < 100 ? texts[rng_() % texts.size()] : RandomText(rng_);
    if (ui().Type(Tpl(), f.control, text) == "") inputs_[f.control] = text;
  }
  if (D().text_control != 0) {
    static const std::vector<std::string> kTexts = {"", "Hala 4", "Čidlo č. 7 ěščř", "0123456789ABCDEF",
                                                    "0123456789ABCDEFG", std::string(40, 'x')};
    const std::string& text = kTexts[static_cast<std::size_t>(round) % kTexts.size()];
    if (ui().Type(Tpl(), D().text_control, text) == "") inputs_[D().text_control] = text;
  }
}

void ShownIsWritten::LoadChangedFile(int round) {
  const std::string path = dir_.File("round" + std::to_string(round) + ".kvc");
  ui().QueueFileAnswer(path);
  ASSERT_EQ(ui().Click(Tpl(), D().buttons.save), "");
  std::string bytes = testing::ReadFile(path);
  ASSERT_EQ(bytes.size(), kConfigFileSize);
  ConfigFile file;
  std::copy(bytes.begin(), bytes.end(), file.bytes.begin());
  // The file keeps what the dialog shows.
  const Snapshot shown = Capture();
  for (const Field& f : D().fields) {
    if (f.Record() == kNoWord) continue;
    const std::string kept = Cp1250ToUtf8(GetFileField(file, f.Record()));
    if (kept != shown[f.control].text)
      Fail(f.control, Named(f.control, shown[f.control].text) + ": saved as record " + std::to_string(f.Record()) +
                          " = \"" + kept + "\"");
  }
  std::map<int, std::string> changed;
  for (int r = 0; r < kFileRecords; ++r) {
    if (r >= kWordTextField && r < kWordTextField + 8) continue;  // the text field's characters
    if (GetFileField(file, r).empty() || std::bernoulli_distribution(0.4)(rng_)) continue;
    const std::string& v = kRecordValues[rng_() % kRecordValues.size()];
    PutFileField(file, r, v);
    changed[r] = v;
  }
  std::ofstream(path, std::ios::binary).write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
  ui().QueueFileAnswer(path);
  ASSERT_EQ(ui().Click(Tpl(), D().buttons.open), "");
  // Each control is named by the record of its word.
  auto note = [&](int control, int record) {
    if (auto it = changed.find(record); it != changed.end())
      inputs_[control] = "record " + std::to_string(record) + " = \"" + it->second + "\"";
  };
  for (const Field& f : D().fields) note(f.control, f.Record());
  for (const Choice& c : D().choices) note(c.control, c.Record());
  if (D().speed_combo != 0) note(D().speed_combo, kWordSpeed);
  if (D().parity_combo != 0) note(D().parity_combo, kWordSpeed);
  if (const MultiChannelDef* mc = T().mc) {
    note(mc->active_time_combo, kActiveTimeWord);
    for (const auto& q : mc->quick_select) note(q.control, q.word);
    for (const auto& c : mc->channels) note(c.bargraph_combo, c.word);
    for (const auto& c : mc->colours) note(c.control, c.word);
    for (const auto& m : mc->modes) {
      note(m.states_combo, m.states_word);
      note(m.link_combo, m.link_word);
      for (int k = 0; k < mc::kModeSymbols; ++k) note(m.SymbolCombo(k), m.first_symbol_word + k);
    }
  }
}

void ShownIsWritten::CheckWritten(const Snapshot& s) {
  const DialogDef& d = D();
  for (const Field& f : d.fields) {
    if (f.word == kNoWord) continue;
    const std::string& shown = s[f.control].text;
    const std::uint16_t out = Word(f.word);
    const auto v = Encoded(f, shown);
    if (!v) {
      Fail(f.control, Named(f.control, shown) + ": not a number the field shows; " + WordText(f.word, out));
    } else if (!FitsWord(f, *v)) {
      Fail(f.control, Named(f.control, shown) + ": " + std::to_string(*v) + " does not fit the word; " +
                          WordText(f.word, out));
    } else if (out != static_cast<std::uint16_t>(*v & 0xFFFF) ||
               (f.high_word != kNoWord && Word(f.high_word) != static_cast<std::uint16_t>(*v >> 16))) {
      Fail(f.control, Named(f.control, shown) + ": encodes " + std::to_string(*v) + ", but " + WordText(f.word, out));
    }
  }
  auto expect_bits = [&](int control, int word, bool ok, const std::string& shown) {
    if (!ok) Fail(control, Named(control, shown) + ": " + WordText(word, Word(word)));
  };
  for (const AnalogOutput& o : d.outputs) {
    const bool current = s[o.current_radio].checked;
    expect_bits(o.current_radio, o.word, ((Word(o.word) & o.mask) == 0) == current, current ? "Proud" : "Napětí");
  }
  for (const Choice& c : d.choices) {
    const ui::ControlState& st = s[c.control];
    const int shift = c.mask == 0 ? 0 : std::countr_zero(c.mask);
    const int bits = (Word(c.word) & c.mask) >> shift;
    if (c.kind == ChoiceKind::kCheckBit) {
      expect_bits(c.control, c.word, (bits != 0) == st.checked, st.checked ? "checked" : "cleared");
    } else if (st.selection >= 0) {
      const int code = c.codes.empty() ? st.selection : c.codes[static_cast<std::size_t>(st.selection)];
      expect_bits(c.control, c.word, bits == code, st.text);
    } else if (c.initial_text == nullptr || st.text != c.initial_text) {
      Fail(c.control, Named(c.control, st.text) + ": no entry selected; " + WordText(c.word, Word(c.word)));
    }
  }
  if (d.speed_combo != 0) {
    const auto text = SpeedText(Word(kWordSpeed) & 0xFF);
    expect_bits(d.speed_combo, kWordSpeed, text && *text == s[d.speed_combo].text, s[d.speed_combo].text);
  }
  if (d.speed_combo != 0 && d.parity_combo == 0 && (Word(kWordSpeed) >> 8) != (word49_before_ >> 8))
    Fail(d.speed_combo, Named(d.speed_combo, s[d.speed_combo].text) + ": the high byte of word 49 was " +
                            std::to_string(word49_before_ >> 8) + "; " + WordText(kWordSpeed, Word(kWordSpeed)));
  if (d.parity_combo != 0)
    expect_bits(d.parity_combo, kWordSpeed, s[d.parity_combo].selection == Word(kWordSpeed) >> 8,
                s[d.parity_combo].text);
  if (d.text_control != 0) {
    const std::string shown = Utf8ToCp1250(s[d.text_control].text);
    std::uint16_t words[8];
    for (int k = 0; k < 8; ++k) words[k] = Word(kWordTextField + k);
    std::string kept = UnpackTextField(words);
    std::string padded = shown;
    if (padded.size() < static_cast<std::size_t>(kTextFieldChars)) padded.resize(kTextFieldChars, ' ');
    if (shown.size() > static_cast<std::size_t>(kTextFieldChars) || kept != padded)
      Fail(d.text_control, Named(d.text_control, s[d.text_control].text) + ": " + std::to_string(shown.size()) +
                               " characters shown, the device holds \"" + Cp1250ToUtf8(kept) + "\"");
  }
  const MultiChannelDef* mc = T().mc;
  if (mc == nullptr) return;
  auto combo = [&](int control, int word, int expected_sel) {
    if (control == 0) return;
    const ui::ControlState& st = s[control];
    if (st.selection < 0) {
      Fail(control, Named(control, st.text) + ": no entry selected; " + WordText(word, Word(word)));
    } else if (st.selection != expected_sel) {
      Fail(control, Named(control, "entry " + std::to_string(st.selection) + " " + st.text) + ": " +
                        WordText(word, Word(word)));
    }
  };
  if (mc->active_time_combo != 0) {
    const auto e = mc::ActiveTimeEntry(Word(kActiveTimeWord));
    combo(mc->active_time_combo, kActiveTimeWord, e ? *e : -2);
  }
  for (const auto& q : mc->quick_select) {
    const auto e = mc::QuickSelectEntry(Word(q.word));
    combo(q.control, q.word, e ? *e : -2);
  }
  for (const auto& c : mc->channels) {
    combo(c.bargraph_combo, c.word, mc::BargraphKind(Word(c.word)));
    if (c.setpoint_radio != 0)
      expect_bits(c.setpoint_radio, c.word, s[c.setpoint_radio].checked == mc::ShowsSetpoint(Word(c.word)),
                  s[c.setpoint_radio].checked ? "setpoint" : "correction");
  }
  for (const auto& c : mc->colours) combo(c.control, c.word, mc::Nibble(Word(c.word), c.nibble));
  for (const auto& m : mc->modes) {
    const int states = Word(m.states_word);
    combo(m.states_combo, m.states_word, states);
    if (m.link_combo != 0) combo(m.link_combo, m.link_word, Word(m.link_word));
    for (int k = 0; k < std::min(states, mc::kModeSymbols); ++k)
      combo(m.SymbolCombo(k), m.first_symbol_word + k, Word(m.first_symbol_word + k));
  }
  // The digital output runs at what the dialog shows.
  const McDigitalOutput& o = mc->output;
  if (o.pwm_radio != 0 && s[o.pwm_radio].checked) {
    const std::uint16_t sw = Word(50), pw = Word(51);
    const double f = mc::PwmFrequency(sw, pw);
    if (s[o.steps_edit].text != FormatInt(sw + 1) || s[o.frequency_edit].text != mc::FormatFixed6(f))
      Fail(o.frequency_edit, Named(o.frequency_edit, s[o.steps_edit].text + " steps, " + s[o.frequency_edit].text + " Hz") +
                                 ": S = " + std::to_string(sw) + ", P = " + std::to_string(pw) + " went out (" +
                                 mc::FormatFixed6(f) + " Hz)");
  }
  // Two modes on one LCD position.
  std::map<int, int> positions;
  for (const auto& m : mc->modes) {
    if (m.link_combo == 0 || !m.exclusive_link) continue;
    const int link = Word(m.link_word);
    if (link != 0 && positions.contains(link))
      Fail(m.link_combo, Named(m.link_combo, s[m.link_combo].text) + ": LCD position " + std::to_string(link) +
                             " also held by the mode of control " + std::to_string(positions[link]));
    positions[link] = m.link_combo;
  }
  // A quick-select key on a mode without states.
  for (const auto& q : mc->quick_select) {
    const auto e = mc::QuickSelectEntry(Word(q.word));
    const int mode = e ? mc::QuickSelectMode(*e) : 0;
    if (mode >= 1 && static_cast<std::size_t>(mode) <= mc->modes.size() &&
        Word(mc->modes[static_cast<std::size_t>(mode - 1)].states_word) == 0)
      Fail(q.control, Named(q.control, s[q.control].text) + ": selects mode " + std::to_string(mode) +
                          " of 0 states; " + WordText(q.word, Word(q.word)));
  }
}

void ShownIsWritten::CheckReadBack(const Snapshot& before, const Snapshot& after, const Snapshot& settled,
                                   std::size_t messages_from) {
  if (const std::size_t n = CheckMessages(messages_from); n > 0)
    Fail(0, std::string(D().title) + " (" + std::to_string(Tpl()) + "), " + round_name_ + ": the read-back raised " +
                std::to_string(n) + " check message(s), first \"" + ui().Messages()[messages_from].text + "\"");
  for (int id : controls_) {
    const ui::ControlState& a = before[id];
    const ui::ControlState& b = after[id];
    const auto field = std::find_if(D().fields.begin(), D().fields.end(), [&](const Field& f) { return f.control == id; });
    bool same = a.checked == b.checked && a.selection == b.selection && a.text == b.text;
    if (field != D().fields.end()) {
      const auto va = Encoded(*field, a.text), vb = Encoded(*field, b.text);
      same = va && vb ? *va == *vb : a.text == b.text;
    } else if (id == D().text_control) {
      auto trim = [](std::string t) { return t.erase(t.find_last_not_of(' ') + 1); };
      same = trim(a.text) == trim(b.text);
    }
    if (!same)
      Fail(id, Named(id, a.text) + ": reads back as \"" + b.text + "\"" +
                   (a.selection != b.selection ? " (entry " + std::to_string(a.selection) + " -> " +
                                                     std::to_string(b.selection) + ")"
                                               : std::string()) +
                   (a.checked != b.checked ? " (check mark changed)" : ""));
    if (settled[id].text != b.text)
      Fail(id, Named(id, b.text) + ": after the read-back the checks replace it by \"" + settled[id].text + "\"");
  }
}

// The CO2 calibration value goes out by its own button, at once.
void ShownIsWritten::CheckCalibrationValue(const Snapshot& s) {
  const MultiChannelDef* mc = T().mc;
  if (mc == nullptr || mc->calibration_button == 0) return;
  const std::size_t frames = device->calibration().frames.size();
  if (ui().Click(Tpl(), mc->calibration_button) != "") return;
  ui().Advance(50);
  if (device->calibration().frames.size() == frames) return;  // refused: nothing went out
  const std::uint16_t sent = device->calibration().value;
  const Field f{.control = mc->calibration_edit, .format = FieldFormat::kUnsigned};
  const std::string& shown = s[f.control].text;
  const auto v = Encoded(f, shown);
  if (!v || !FitsWord(f, *v) || *v != sent)
    Fail(f.control, Named(f.control, shown) + ": the calibration value went out as " + std::to_string(sent));
}

void ShownIsWritten::Round() {
  Settle();
  const Snapshot shown = Capture();
  CheckCalibrationValue(shown);
  if (!ui().IsOpen(Tpl()) || ui().TopTemplate() != Tpl()) {
    lost_ = true;
    return Fail(0, round_name_ + ": the dialog closed after the calibration value");
  }
  word49_before_ = Word(kWordSpeed);
  if (!Transfer(D().buttons.write)) {
    lost_ = true;
    return Fail(0, round_name_ + ": the write did not come back to the dialog");
  }
  CheckWritten(shown);
  const std::size_t messages = ui().Messages().size();
  if (!Transfer(D().buttons.read)) {
    lost_ = true;
    return Fail(0, round_name_ + ": the read did not come back to the dialog");
  }
  const Snapshot read = Capture();
  ui().Advance(std::max(200, 10 * D().timer_ms));
  CheckReadBack(shown, read, Capture(), messages);
}

std::string Summary(const std::vector<Finding>& findings) {
  std::map<int, int> per_control;
  for (const Finding& f : findings) ++per_control[f.control];
  std::ostringstream o;
  for (const auto& [control, n] : per_control) o << " " << control << "x" << n;
  return o.str();
}

TEST_P(ShownIsWritten, AfterTypingFilesAndPreset) {
  rng_.seed(Seed() ^ static_cast<std::uint32_t>(Tpl() * 2654435761u));
  controls_ = NamedControls(T());
  ASSERT_NO_FATAL_FAILURE(Connect(GetParam().model.c_str()));
  ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonConfig), "");
  ASSERT_TRUE(ui().AdvanceUntil([&] { return ui().TopTemplate() == Tpl(); }, 10000));

  std::size_t rounds = 0;
  for (const Field& f : D().fields) rounds = std::max(rounds, Inputs(f).size());
  const int typed = static_cast<int>(rounds) + ExtraRounds();
  for (int r = 0; r < typed && !lost_; ++r) {
    inputs_.clear();
    round_name_ = "typed round " + std::to_string(r);
    PickChoices();
    TypeFields(r);
    Round();
  }
  for (int r = 0; r < 6 && !lost_; ++r) {
    inputs_.clear();
    round_name_ = "file round " + std::to_string(r);
    ASSERT_NO_FATAL_FAILURE(LoadChangedFile(r));
    Round();
  }
  // A file of another model whose name begins with this one's is not this
  // model's file: the load is refused and nothing changes.
  for (const DialogUnderTest& other : testing::EveryConfigDialog()) {
    const std::string own = D().header_name, theirs = other.tables.def->header_name;
    if (lost_ || theirs == own || !theirs.starts_with(own)) continue;
    const std::string path = dir_.File("sibling.kvc");
    ui().QueueFileAnswer(path);
    ASSERT_EQ(ui().Click(Tpl(), D().buttons.save), "");
    std::string bytes = testing::ReadFile(path);
    ASSERT_EQ(bytes.size(), kConfigFileSize);
    ConfigFile file;
    std::copy(bytes.begin(), bytes.end(), file.bytes.begin());
    for (int r = 0; r < kFileRecords; ++r) PutFileField(file, r, "");  // what the sibling does not keep
    bytes.assign(file.bytes.begin(), file.bytes.end());
    bytes.replace(0, 16, ConfigFileHeader(theirs));
    const std::string sibling = dir_.Write("sibling-" + theirs + ".kvc", bytes);
    const Snapshot before = Capture();
    ui().QueueFileAnswer(sibling);
    ASSERT_EQ(ui().Click(Tpl(), D().buttons.open), "");
    const Snapshot after = Capture();
    for (int id : controls_)
      if (before[id].text != after[id].text || before[id].selection != after[id].selection)
        Fail(id, std::string(D().title) + " (" + std::to_string(Tpl()) + "): a " + theirs + " file was loaded; control " +
                     std::to_string(id) + " went from \"" + before[id].text + "\" to \"" + after[id].text + "\"");
  }
  if (!lost_) {
    inputs_.clear();
    round_name_ = "Přednastavení";
    for (int id : controls_) inputs_[id] = "Přednastavení";
    ASSERT_EQ(ui().Click(Tpl(), D().buttons.preset), "");
    // Every field the table gives a default shows it again.
    const Snapshot preset = Capture();
    for (const Field& f : D().fields) {
      const char* text = f.preset != nullptr ? f.preset : f.initial;
      if (text != nullptr && preset[f.control].text != text)
        Fail(f.control, Named(f.control, preset[f.control].text) + ": \"Přednastavení\" gives \"" + text + "\"");
    }
    Round();
  }
  const std::size_t shown = EnvNumber("TRAVIK_PROPERTY_SHOW", 40);
  for (std::size_t i = 0; i < findings_.size() && i < shown; ++i) ADD_FAILURE() << findings_[i].what;
  if (!findings_.empty())
    ADD_FAILURE() << D().title << " (" << Tpl() << "): " << findings_.size() << " findings; per control:"
                  << Summary(findings_) << " (seed " << Seed() << ")";
  std::cout << "[ shown is written ] " << GetParam().model << " (" << Tpl() << "): " << typed
            << " typed rounds, 6 file rounds, preset; " << findings_.size() << " findings\n";
}

// A file record keeps 6 characters: every value a field lets through must fit,
// or a save and load changes it ("-1000.5" comes back as "-1000.").
TEST(ShownIsWrittenTables, EveryFieldRangeFitsItsFileRecord) {
  for (const DialogUnderTest& t : testing::EveryConfigDialog()) {
    // The rack outputs' input range follows the source its dialog checks it by.
    std::set<int> own_check;
    if (const RackAnalogDef* rack = FindRackAnalogDef(t.tables.def->template_number))
      own_check = {rack->source.in_lo, rack->source.in_hi};
    for (const Field& f : t.tables.def->fields) {
      if (f.Record() == kNoWord || own_check.contains(f.control)) continue;
      std::int64_t lo = f.min, hi = f.max;
      int scale = CheckScale(f.check);
      if (f.check == CheckKind::kNone) {
        if (f.word == kNoWord) continue;
        scale = FormatScale(f.format);
        // The whole word; tenths down to what a record keeps.
        lo = WordIsUnsigned(f.format) ? 0 : f.format == FieldFormat::kTenths ? kLowestRecordTenths : -32768;
        hi = WordIsUnsigned(f.format) ? 65535 : 32767;
      }
      for (const std::int64_t v : {lo, hi})
        EXPECT_LE(Units(v, scale).size(), kFileFieldChars)
            << t.tables.def->title << " (" << t.tables.def->template_number << "), control " << f.control
            << ": \"" << Units(v, scale) << "\" does not fit record " << f.Record();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryDialog, ShownIsWritten, ::testing::ValuesIn(testing::EveryConfigDialog()),
                         [](const auto& info) {
                           std::string name = info.param.model;
                           std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
                           return name;
                         });

}  // namespace
}  // namespace travik
