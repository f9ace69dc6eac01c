#include "dialogs/multichannel/multichannel_dialog.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "config/format.h"
#include "core/globals.h"
#include "core/text.h"
#include "protocol/frames.h"

namespace travik {

namespace {

constexpr const char* kSetCaption = "SET info";
constexpr const char* kCheckCaption = "Nastavená hodnota";
constexpr int kItemHeight = 18;
constexpr int kWordActiveTime = 35;
// The digital output's words: S, its steps per period, and P, the clock
// divider (multichannel_words.h).
constexpr int kWordPwmSteps = 50;
constexpr int kWordPwmDivider = 51;

bool Valid(int word) { return word >= 0 && word < kConfigWords; }

// A decimal typed with a point or a comma.
double ParseDecimal(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  return std::strtod(text.c_str(), nullptr);
}

}  // namespace

std::vector<McDisplayMode> StandardModes(const std::vector<McModeControls>& modes) {
  std::vector<McDisplayMode> out;
  for (int m = 0; m < static_cast<int>(modes.size()); ++m) {
    const McModeControls& c = modes[static_cast<std::size_t>(m)];
    out.push_back({.link_combo = c.link, .states_combo = c.states, .first_symbol = c.first_symbol,
                   .symbol_step = c.symbol_step, .link_word = mc::LinkWord(m),
                   .states_word = mc::StatesWord(m), .first_symbol_word = mc::SymbolWord(m, 0)});
  }
  return out;
}

std::size_t McDisplayMode::LinkEntries() const {
  return link_texts.empty() ? mc::kLinkEntries : link_texts.size();
}

MultiChannelDialog::MultiChannelDialog(const MultiChannelDef& def)
    : ConfigDialog(def.dialog), mc_(def) {}

std::uint16_t& MultiChannelDialog::Working(int word) {
  static std::uint16_t nowhere = 0;
  if (!Valid(word)) return nowhere = 0;
  return G().WorkingCopies[def_.template_number][static_cast<std::size_t>(word)];
}

std::vector<int> MultiChannelDialog::Words() const {
  std::vector<int> w;
  if (mc_.active_time_combo != 0) w.push_back(kWordActiveTime);
  for (const auto& q : mc_.quick_select) w.push_back(q.word);
  for (const auto& c : mc_.channels) w.push_back(c.word);
  for (const auto& c : mc_.colours) w.push_back(c.word);
  for (const auto& m : mc_.modes) {
    if (m.link_combo != 0) w.push_back(m.link_word);
    w.push_back(m.states_word);
    for (int k = 0; k < mc::kModeSymbols; ++k) w.push_back(m.first_symbol_word + k);
  }
  if (mc_.output.two_state_radio != 0) {
    w.push_back(kWordPwmSteps);
    w.push_back(kWordPwmDivider);
  }
  std::sort(w.begin(), w.end());
  w.erase(std::unique(w.begin(), w.end()), w.end());
  w.erase(std::remove_if(w.begin(), w.end(), [](int word) { return !Valid(word); }), w.end());
  return w;
}

// --- Opening and closing ------------------------------------------------------

bool MultiChannelDialog::LoadBitmaps() {
  auto load = [](std::span<const int> numbers, std::vector<const ui::Bitmap*>& out) {
    out.clear();
    for (int number : numbers) {
      const ui::Bitmap* b = res::LoadBitmap(number);
      if (b == nullptr) return false;
      out.push_back(b);
    }
    return true;
  };
  mask_ = res::LoadBitmap(res::kBitmapMask);
  return mask_ != nullptr && load(mc_.colour_bitmaps, colours_) &&
         load(mc_.bargraph_bitmaps, bargraphs_) && load(mc_.symbol_bitmaps, symbols_);
}

void MultiChannelDialog::FillCombos(ui::Dialog& d) {
  auto fill = [&](int id, const auto& texts) {
    if (id == 0) return;
    d.ComboReset(id);
    for (const auto& text : texts) d.ComboAdd(id, text);
  };
  fill(mc_.active_time_combo, mc::ActiveTimeTexts());
  for (const auto& q : mc_.quick_select) fill(q.control, mc::QuickSelectTexts());
  std::vector<std::string> counts;
  for (int n = 0; n <= mc::kMaxStates; ++n) counts.push_back(std::to_string(n));
  for (const auto& m : mc_.modes) {
    fill(m.states_combo, counts);
    if (m.link_texts.empty()) {
      fill(m.link_combo, mc::LinkTexts());
    } else {
      fill(m.link_combo, m.link_texts);
    }
    if (!m.state_texts.empty())
      for (int k = 0; k < mc::kModeSymbols; ++k) {
        fill(m.SymbolCombo(k), m.state_texts);
        d.ComboSetSel(m.SymbolCombo(k), 0);
      }
  }
}

// Owner-drawn items: the text names the entry for people and scripts, the
// item data is the bitmap drawn.
void MultiChannelDialog::FillBitmapCombos(ui::Dialog& d) {
  auto fill = [&](int id, const std::vector<const ui::Bitmap*>& bitmaps, auto text_of) {
    d.ComboReset(id);
    for (std::size_t i = 0; i < bitmaps.size(); ++i) {
      const int at = d.ComboAdd(id, text_of(static_cast<int>(i)));
      d.ComboSetItemData(id, at, reinterpret_cast<std::uintptr_t>(bitmaps[i]));
    }
  };
  auto number = [](int i) { return std::to_string(i); };
  for (const auto& c : mc_.colours) fill(c.control, colours_, number);
  for (const auto& c : mc_.channels)
    fill(c.bargraph_combo, bargraphs_, [](int i) { return std::string(mc::BargraphKindText(i)); });
  for (const auto& m : mc_.modes)
    for (int k = 0; k < mc::kModeSymbols && m.state_texts.empty(); ++k) {
      fill(m.SymbolCombo(k), symbols_, number);
      d.ComboSetSel(m.SymbolCombo(k), 0);
    }
}

void MultiChannelDialog::OnInit(ui::Dialog& d) {
  FillCombos(d);
  if (!LoadBitmaps()) {
    d.End(-1);
    return;
  }
  FillBitmapCombos(d);
  SetWordDefaults(d);
  // The table's part: defaults, timer, offline rule, texts, read at opening.
  ConfigDialog::OnInit(d);
}

void MultiChannelDialog::OnDestroy(ui::Dialog&) {
  // Only the pointers are dropped: the bitmaps are loaded once and stay with
  // the program for the next opening.
  symbols_.clear();
  colours_.clear();
  bargraphs_.clear();
  mask_ = nullptr;
}

// --- Owner drawing -------------------------------------------------------------

int MultiChannelDialog::OnMeasureItem(ui::Dialog&, int) { return kItemHeight; }

void MultiChannelDialog::OnDrawItem(ui::Dialog&, const ui::DrawItem& item) {
  if (item.item < 0 || item.canvas == nullptr || item.data == 0 || mask_ == nullptr) return;
  const auto* bitmap = reinterpret_cast<const ui::Bitmap*>(item.data);
  const int x = item.rect.x + item.base_unit_x / 4;
  const int y = item.rect.y + 1;
  ui::BlitAnd(*item.canvas, *mask_, x, y);
  ui::BlitOr(*item.canvas, *bitmap, x, y);
}

// --- Defaults and showing words -------------------------------------------------

void MultiChannelDialog::SetWordDefaults(ui::Dialog& d) {
  for (const auto& v : mc_.word_defaults) Working(v.word) = v.value;
  ShowWords(d);
}

void MultiChannelDialog::AfterDefaults(ui::Dialog& d, bool preset) {
  // At opening the family's words were set before the table's part ran.
  if (preset) SetWordDefaults(d);
}

void MultiChannelDialog::ShowWords(ui::Dialog& d) {
  auto select = [&](int id, int entry, std::size_t count) {
    // An entry the list does not have leaves the combo as it was.
    if (id != 0 && entry >= 0 && static_cast<std::size_t>(entry) < count) d.ComboSetSel(id, entry);
  };
  if (mc_.active_time_combo != 0)
    if (auto entry = mc::ActiveTimeEntry(Working(kWordActiveTime)))
      select(mc_.active_time_combo, *entry, mc::kActiveTimeEntries);
  for (const auto& q : mc_.quick_select)
    if (auto entry = mc::QuickSelectEntry(Working(q.word))) select(q.control, *entry, mc::kQuickSelectEntries);
  for (const auto& c : mc_.channels) {
    const std::uint16_t flags = Working(c.word);
    const int kind = mc::BargraphKind(flags);
    select(c.bargraph_combo, kind, mc_.bargraph_bitmaps.size());
    d.SetText(c.kind_text, mc::BargraphKindText(kind));
    d.Check(c.correction_radio, !mc::ShowsSetpoint(flags));
    d.Check(c.setpoint_radio, mc::ShowsSetpoint(flags));
  }
  for (const auto& c : mc_.colours)
    select(c.control, mc::Nibble(Working(c.word), c.nibble), mc_.colour_bitmaps.size());
  for (std::size_t m = 0; m < mc_.modes.size(); ++m) {
    const auto& mode = mc_.modes[m];
    select(mode.link_combo, Working(mode.link_word), mode.LinkEntries());
    select(mode.states_combo, Working(mode.states_word), mc::kMaxStates + 1);
    EnableModeSymbols(d, static_cast<int>(m));
    const std::size_t states =
        mode.state_texts.empty() ? mc_.symbol_bitmaps.size() : mode.state_texts.size();
    for (int k = 0; k < mc::kModeSymbols; ++k)
      select(mode.SymbolCombo(k), Working(mode.first_symbol_word + k), states);
  }
  ShowDigitalOutput(d);
}

void MultiChannelDialog::EnableModeSymbols(ui::Dialog& d, int mode) {
  const auto& m = mc_.modes[static_cast<std::size_t>(mode)];
  const int n = Working(m.states_word);
  for (int k = 0; k < mc::kModeSymbols; ++k) d.Enable(m.SymbolCombo(k), k < n);
}

void MultiChannelDialog::ShowDigitalOutput(ui::Dialog& d) {
  const auto& o = mc_.output;
  if (o.two_state_radio == 0) return;
  const std::uint16_t s = Working(kWordPwmSteps);
  const bool pwm = s != mc::kTwoStateS;
  d.Check(o.two_state_radio, !pwm);
  d.Check(o.pwm_radio, pwm);
  for (int id : {o.steps_edit, o.frequency_edit, o.set_button}) d.Enable(id, pwm);
  if (!pwm) {
    d.SetText(o.steps_edit, "2");
    d.SetText(o.period_edit, "--");
    d.SetText(o.frequency_edit, "--");
    return;
  }
  const double f = mc::PwmFrequency(s, Working(kWordPwmDivider));
  d.SetText(o.steps_edit, FormatInt(s + 1));
  d.SetText(o.frequency_edit, mc::FormatFixed6(f));
  d.SetText(o.period_edit, mc::FormatFixed6(1000.0 / f));
}

// --- Commands ----------------------------------------------------------------

void MultiChannelDialog::OnCommand(ui::Dialog& d, int id, ui::Notify code) {
  if (code == ui::Notify::kClicked && id == def_.buttons.open) serial_before_load_ = Serial();
  if (code == ui::Notify::kSelChange && OnSelection(d, id)) return;
  if (code == ui::Notify::kClicked) {
    if (OnClick(d, id)) return;
  }
  ConfigDialog::OnCommand(d, id, code);
}

bool MultiChannelDialog::OnSelection(ui::Dialog& d, int id) {
  if (id == 0) return false;
  const int sel = d.ComboGetSel(id);
  if (id == mc_.active_time_combo) {
    if (sel >= 0) Working(kWordActiveTime) = mc::ActiveTimeSeconds(sel);
    return true;
  }
  for (const auto& q : mc_.quick_select)
    if (id == q.control) {
      if (sel >= 0) ChooseQuickSelect(d, q);
      return true;
    }
  for (const auto& c : mc_.channels)
    if (id == c.bargraph_combo) {
      if (sel < 0) return true;
      Working(c.word) = mc::WithBargraph(Working(c.word), sel);
      d.SetText(c.kind_text, mc::BargraphKindText(sel));
      return true;
    }
  for (const auto& c : mc_.colours)
    if (id == c.control) {
      if (sel >= 0) Working(c.word) = mc::WithNibble(Working(c.word), c.nibble, sel);
      return true;
    }
  for (std::size_t m = 0; m < mc_.modes.size(); ++m) {
    const auto& mode = mc_.modes[m];
    if (id == mode.states_combo) {
      if (sel < 0) return true;
      Working(mode.states_word) = static_cast<std::uint16_t>(sel);
      EnableModeSymbols(d, static_cast<int>(m));
      ZeroStatesRule(d);
      return true;
    }
    if (id == mode.link_combo) {
      if (sel >= 0) ChooseLink(d, static_cast<int>(m));
      return true;
    }
    for (int k = 0; k < mc::kModeSymbols; ++k)
      if (id == mode.SymbolCombo(k)) {
        if (sel >= 0) Working(mode.first_symbol_word + k) = static_cast<std::uint16_t>(sel);
        return true;
      }
  }
  return false;
}

bool MultiChannelDialog::OnClick(ui::Dialog& d, int id) {
  for (const auto& c : mc_.channels)
    if (id == c.correction_radio || id == c.setpoint_radio) {
      const bool setpoint = id == c.setpoint_radio;
      Working(c.word) = mc::WithSetpoint(Working(c.word), setpoint);
      d.Check(c.correction_radio, !setpoint);
      d.Check(c.setpoint_radio, setpoint);
      return true;
    }
  if (id == mc_.calibration_button && id != 0) {
    WriteCalibrationValue(d);
    return true;
  }
  const auto& o = mc_.output;
  if (o.two_state_radio == 0) return false;
  if (id == o.two_state_radio) {
    Working(kWordPwmSteps) = mc::kTwoStateS;
    Working(kWordPwmDivider) = mc::kTwoStateP;
    ShowDigitalOutput(d);
    return true;
  }
  if (id == o.pwm_radio) {
    ChoosePwm(d);
    return true;
  }
  if (id == o.set_button) {
    SetFrequency(d);
    return true;
  }
  return false;
}

void MultiChannelDialog::ChooseLink(ui::Dialog& d, int mode) {
  const auto& m = mc_.modes[static_cast<std::size_t>(mode)];
  const int sel = d.ComboGetSel(m.link_combo);
  if (sel > 0 && m.exclusive_link) {
    for (std::size_t other = 0; other < mc_.modes.size(); ++other) {
      const auto& o = mc_.modes[other];
      if (static_cast<int>(other) == mode || o.link_combo == 0 || Working(o.link_word) != sel) continue;
      Working(m.link_word) = 0;
      d.ComboSetSel(m.link_combo, 0);
      d.MessageBox(kLinkTakenMessage, kCheckCaption, ui::Icon::kInformation);
      return;
    }
  }
  Working(m.link_word) = static_cast<std::uint16_t>(sel);
}

void MultiChannelDialog::ChooseQuickSelect(ui::Dialog& d, const McQuickSelect& q) {
  const int entry = d.ComboGetSel(q.control);
  const int mode = mc::QuickSelectMode(entry);
  if (mode > 0 && mode <= static_cast<int>(mc_.modes.size()) &&
      Working(mc_.modes[static_cast<std::size_t>(mode - 1)].states_word) == 0) {
    Working(q.word) = mc::kQuickSelectInactive;
    d.ComboSetSel(q.control, 0);
    d.MessageBox(mc::ZeroStatesMessage(mode), kCheckCaption, ui::Icon::kInformation);
    return;
  }
  Working(q.word) = mc::QuickSelectCode(entry);
}

void MultiChannelDialog::ZeroStatesRule(ui::Dialog& d) {
  for (const auto& q : mc_.quick_select) {
    const auto entry = mc::QuickSelectEntry(Working(q.word));
    const int mode = entry ? mc::QuickSelectMode(*entry) : 0;
    if (mode <= 0 || mode > static_cast<int>(mc_.modes.size()) ||
        Working(mc_.modes[static_cast<std::size_t>(mode - 1)].states_word) != 0)
      continue;
    Working(q.word) = mc::kQuickSelectInactive;
    d.ComboSetSel(q.control, 0);
    d.MessageBox(mc::ZeroStatesMessage(mode), kCheckCaption, ui::Icon::kInformation);
  }
}

void MultiChannelDialog::ApplyChoiceRules(ui::Dialog& d) {
  // A number its list does not have: the combo kept its selection, and the
  // word follows it, so a write sends what is shown.
  auto follow = [&](int id, std::uint16_t& word, bool known, auto code_of) {
    if (known || id == 0) return;
    const int sel = d.ComboGetSel(id);
    if (sel >= 0) word = static_cast<std::uint16_t>(code_of(sel));
  };
  auto same = [](int sel) { return sel; };
  if (mc_.active_time_combo != 0)
    follow(mc_.active_time_combo, Working(kWordActiveTime),
           mc::ActiveTimeEntry(Working(kWordActiveTime)).has_value(), mc::ActiveTimeSeconds);
  for (const auto& q : mc_.quick_select)
    follow(q.control, Working(q.word), mc::QuickSelectEntry(Working(q.word)).has_value(),
           mc::QuickSelectCode);
  for (const auto& c : mc_.colours) {
    std::uint16_t& word = Working(c.word);
    if (static_cast<std::size_t>(mc::Nibble(word, c.nibble)) < mc_.colour_bitmaps.size()) continue;
    const int sel = d.ComboGetSel(c.control);
    if (sel >= 0) word = mc::WithNibble(word, c.nibble, sel);
  }
  for (const auto& mode : mc_.modes) {
    if (mode.link_combo != 0)
      follow(mode.link_combo, Working(mode.link_word), Working(mode.link_word) < mode.LinkEntries(),
             same);
    follow(mode.states_combo, Working(mode.states_word), Working(mode.states_word) <= mc::kMaxStates,
           same);
    const std::size_t entries =
        mode.state_texts.empty() ? mc_.symbol_bitmaps.size() : mode.state_texts.size();
    for (int k = 0; k < mc::kModeSymbols; ++k)
      follow(mode.SymbolCombo(k), Working(mode.first_symbol_word + k),
             Working(mode.first_symbol_word + k) < entries, same);
  }
  // One mode per LCD position: the later mode gives way, as when chosen.
  for (std::size_t m = 0; m < mc_.modes.size(); ++m) {
    const auto& mode = mc_.modes[m];
    if (!mode.exclusive_link || mode.link_combo == 0 || Working(mode.link_word) == 0) continue;
    for (std::size_t other = 0; other < m; ++other) {
      const auto& o = mc_.modes[other];
      if (o.link_combo == 0 || Working(o.link_word) != Working(mode.link_word)) continue;
      Working(mode.link_word) = 0;
      d.ComboSetSel(mode.link_combo, 0);
      d.MessageBox(kLinkTakenMessage, kCheckCaption, ui::Icon::kInformation);
      break;
    }
  }
  for (std::size_t m = 0; m < mc_.modes.size(); ++m) EnableModeSymbols(d, static_cast<int>(m));
  ZeroStatesRule(d);
  // A divider outside what "Nastavit" allows is set as "Nastavit" would.
  const auto& o = mc_.output;
  const std::uint16_t s = Working(kWordPwmSteps);
  if (o.two_state_radio != 0 && s >= mc::kPwmDefaultS) {
    const double f = mc::PwmFrequency(s, Working(kWordPwmDivider));
    if (f > mc::PwmMaxFrequency(s) || f < mc::PwmMinFrequency(s)) ApplyFrequency(d, f);
  }
}

void MultiChannelDialog::ChoosePwm(ui::Dialog& d) {
  const auto& o = mc_.output;
  Working(kWordPwmSteps) = mc::kPwmDefaultS;
  Working(kWordPwmDivider) = mc::kPwmDefaultP;
  d.Check(o.two_state_radio, false);
  d.Check(o.pwm_radio, true);
  for (int c : {o.steps_edit, o.frequency_edit, o.set_button}) d.Enable(c, true);
  d.SetText(o.steps_edit, "3");
  // Whole hertz and four decimals here, unlike after a read or "Nastavit".
  const int f = static_cast<int>(mc::PwmFrequency(mc::kPwmDefaultS, mc::kPwmDefaultP));
  d.SetText(o.frequency_edit, FormatInt(f));
  char period[32];
  std::snprintf(period, sizeof period, "%.4f", 1000.0 / f);
  d.SetText(o.period_edit, period);
}

void MultiChannelDialog::SetFrequency(ui::Dialog& d) {
  ApplyFrequency(d, ParseDecimal(Utf8ToCp1250(d.GetText(mc_.output.frequency_edit, 32))));
}

void MultiChannelDialog::ApplyFrequency(ui::Dialog& d, double wanted) {
  const auto& o = mc_.output;
  const mc::PwmSetting set = mc::SetPwmFrequency(Working(kWordPwmSteps), wanted);
  if (set.clamp == mc::Clamp::kAboveMax)
    d.MessageBox("Hodnota frekvence větší než maximální hodnota rozsahu", kCheckCaption,
                 ui::Icon::kInformation);
  if (set.clamp == mc::Clamp::kBelowMin)
    d.MessageBox("Hodnota frekvence je menší než minimální hodnota rozsahu", kCheckCaption,
                 ui::Icon::kInformation);
  Working(kWordPwmDivider) = set.p;
  d.SetText(o.frequency_edit, mc::FormatFixed6(set.frequency));
  d.SetText(o.period_edit, mc::FormatFixed6(1000.0 / set.frequency));
}

void MultiChannelDialog::WriteCalibrationValue(ui::Dialog& d) {
  // Checked like any field at the click: a text that does not parse, or a
  // value past its range, is corrected and not sent.
  const auto field = std::find_if(def_.fields.begin(), def_.fields.end(),
                                  [&](const Field& f) { return f.control == mc_.calibration_edit; });
  if (field == def_.fields.end() || RunCheck(d, *field)) return;
  const auto value = ParseField(*field, Utf8ToCp1250(d.GetText(mc_.calibration_edit, kNumberChars)));
  if (!value || *value < field->min || *value > field->max) {
    d.MessageBox("Hodnota mimo rozsah", kCheckCaption, ui::Icon::kInformation);
    return;
  }
  FrameCalibrationValue(static_cast<std::uint16_t>(*value));
  if (SendCommandRemembered(1)) {
    d.MessageBox("Kalibrační data zapsána", kSetCaption, ui::Icon::kInformation);
    return;
  }
  d.MessageBox("Chyba při zápisu kalbračních dat", kSetCaption, ui::Icon::kError);
  d.PostClose();
}

// An upper limit at or below its lower one is raised one step above it (the
// lower one lowered when the upper cannot rise), so that what is written
// passes the same rule when it is read back. Waits while either is typed.
void MultiChannelDialog::LimitPairRules(ui::Dialog& d) {
  auto field = [&](int control) -> const Field* {
    for (const Field& f : def_.fields)
      if (f.control == control) return &f;
    return nullptr;
  };
  for (const McLimitPair& pair : mc_.limit_pairs) {
    const Field* lower = field(pair.lower);
    const Field* upper = field(pair.upper);
    if (lower == nullptr || upper == nullptr || d.HasFocus(pair.lower) || d.HasFocus(pair.upper)) continue;
    const auto lo = ParseField(*lower, Utf8ToCp1250(d.GetText(pair.lower, kNumberChars)));
    const auto hi = ParseField(*upper, Utf8ToCp1250(d.GetText(pair.upper, kNumberChars)));
    if (!lo || !hi || *hi > *lo) continue;
    auto show = [&](const Field& f, int v) {
      d.SetText(f.control, Cp1250ToUtf8(FormatField(f, static_cast<std::uint16_t>(v))));
    };
    if (*lo >= upper->max) {
      show(*lower, upper->max - 1);
      show(*upper, upper->max);
    } else {
      show(*upper, *lo + 1);
    }
    d.MessageBox("Hodnota mimo rozsah", kCheckCaption, ui::Icon::kInformation);
  }
}

// The limit pairs and the step-count check, after the table's range checks.
void MultiChannelDialog::CrossFieldRules(ui::Dialog& d) {
  LimitPairRules(d);
  const auto& o = mc_.output;
  if (o.steps_edit == 0) return;
  // Two-state output shows "--" as its frequency; the user may be typing.
  if (d.GetText(o.frequency_edit, 1) == "-" || d.HasFocus(o.steps_edit)) return;
  const mc::StepCount steps = mc::CheckStepCount(Utf8ToCp1250(d.GetText(o.steps_edit, kNumberChars)));
  const std::uint16_t before = Working(kWordPwmSteps);
  Working(kWordPwmSteps) = steps.s;
  if (steps.replacement) {
    d.SetText(o.steps_edit, *steps.replacement);
    d.MessageBox(kStepCountMessage, kCheckCaption, ui::Icon::kInformation);
  }
  // New steps keep the frequency shown: P follows S as "Nastavit" sets it,
  // and the frequency and period shown are what the device will run at.
  if (steps.s == before) return;
  // The text of the setting in effect stands for its exact frequency: parsed
  // back from six decimals it could round the divider one step down.
  const std::string shown = Utf8ToCp1250(d.GetText(o.frequency_edit, 32));
  const double current = mc::PwmFrequency(before, Working(kWordPwmDivider));
  ApplyFrequency(d, shown == mc::FormatFixed6(current) ? current : ParseDecimal(shown));
}

// --- Device --------------------------------------------------------------------

void MultiChannelDialog::CommunicationFailed(ui::Dialog& d) {
  d.MessageBox(kCommunicationError, kSetCaption, ui::Icon::kError);
  G().DeviceOnline = 0;
  d.PostClose();
}

bool MultiChannelDialog::SendBracket(ui::Dialog& d, bool begin) {
  if (begin)
    FrameBeginTransfer();
  else
    FrameEndTransfer();
  if (SendCommandRemembered(1)) return true;
  CommunicationFailed(d);
  return false;
}

bool MultiChannelDialog::BeforeTransfer(ui::Dialog& d, bool write) {
  if (!mc_.host_transfer) return true;
  // A plain status query: the device's own user menu holds its memory.
  if (!ReadReplyRemembered(1)) {
    CommunicationFailed(d);
    return false;
  }
  if (ReplyUserMenuOpen()) {
    d.MessageBox(write ? mc_.write_menu_message : kUserMenuMessage, kSetCaption,
                 ui::Icon::kInformation);
    return false;
  }
  return SendBracket(d, true);
}

bool MultiChannelDialog::AfterTransfer(ui::Dialog& d, bool) {
  return !mc_.host_transfer || SendBracket(d, false);
}

// A device left in its host transfer keeps its user menu locked and its
// memory half-read or half-written, so the end is tried even after a failure;
// a refusal then adds nothing to the message already shown.
void MultiChannelDialog::EndFailedTransfer(ui::Dialog&) {
  if (!mc_.host_transfer) return;
  FrameEndTransfer();
  SendCommandRemembered(1);
}

void MultiChannelDialog::AfterRead(ui::Dialog& d) {
  const auto& image = G().ConfigImage;
  for (int word : Words()) Working(word) = image[static_cast<std::size_t>(word)];
  ShowWords(d);
  ApplyChoiceRules(d);
}

void MultiChannelDialog::BeforeWrite(ui::Dialog&) {
  auto& image = G().ConfigImage;
  for (int word : Words()) image[static_cast<std::size_t>(word)] = Working(word);
}

// --- Files ---------------------------------------------------------------------

void MultiChannelDialog::BeforeSave(ui::Dialog& d, ConfigFile& file) {
  if (def_.speed_combo != 0) PutSerialRecord(file, Serial(), true);
  // Check boxes sharing a word (MenuFlags) make one digit of all their bits.
  std::map<int, int> shared;
  for (std::size_t k = 0; k < def_.choices.size(); ++k)
    if (def_.choices[k].kind == ChoiceKind::kCheckBit) shared[def_.choices[k].Record()] |= ChoiceValue(k);
  for (const auto& [record, bits] : shared) PutFileDigit(file, record, bits);

  auto put = [&](int word, int least) {
    const unsigned v = Working(word);
    PutFileDigits(file, word, v, mc::RecordWidth(v, least));
  };
  if (mc_.active_time_combo != 0)
    PutFileField(file, kWordActiveTime, Utf8ToCp1250(d.GetText(mc_.active_time_combo, kNumberChars)));
  for (const auto& q : mc_.quick_select) put(q.word, 2);
  for (const auto& c : mc_.channels) put(c.word, 5);
  for (const auto& c : mc_.colours) put(c.word, 5);
  for (const auto& m : mc_.modes) {
    if (m.link_combo != 0) put(m.link_word, 1);
    put(m.states_word, 2);
    for (int k = 0; k < mc::kModeSymbols; ++k) put(m.first_symbol_word + k, 2);
  }
  if (mc_.output.two_state_radio != 0) {
    put(kWordPwmSteps, 5);
    put(kWordPwmDivider, 5);
  }
}

void MultiChannelDialog::AfterLoad(ui::Dialog& d, const ConfigFile& file) {
  for (int word : Words()) {
    const std::string record = GetFileField(file, word);
    if (word == kWordActiveTime) {
      if (auto seconds = mc::ActiveTimeFromRecord(record)) Working(word) = static_cast<std::uint16_t>(*seconds);
      continue;
    }
    // A record that is no number keeps what the dialog shows.
    bool parsed = false;
    const std::int32_t v = ParseInt(record, &parsed);
    if (parsed) Working(word) = static_cast<std::uint16_t>(v);
  }
  // Record 49 is "0", parity, "0", speed in every member, a member without a
  // parity list included: it carries the parity byte it holds.
  if (def_.speed_combo != 0 && def_.parity_combo == 0) {
    const auto loaded = ReadSerialRecord(file);
    SetSerial(d, loaded ? *loaded : serial_before_load_);
  }
  ShowWords(d);
  ApplyChoiceRules(d);
}

}  // namespace travik
