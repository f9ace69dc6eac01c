#include "dialogs/multichannel/multichannel_dialog.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "config/checks.h"
#include "config/format.h"
#include "core/globals.h"
#include "core/text.h"
#include "protocol/frames.h"
#include "protocol/transfer.h"

namespace travik {

namespace {

constexpr std::size_t kNumberChars = 9;
constexpr const char* kSetCaption = "SET info";
constexpr const char* kCheckCaption = "Nastavená hodnota";
constexpr int kItemHeight = 18;
constexpr int kWordActiveTime = 35;
constexpr int kWordS = 50;
constexpr int kWordP = 51;

bool Valid(int word) { return word >= 0 && word < kConfigWords; }

std::optional<int> RecordNumber(const ConfigFile& file, int word) {
  bool parsed = false;
  const std::int32_t v = ParseInt(GetFileField(file, word), &parsed);
  if (!parsed) return std::nullopt;
  return v;
}

// A decimal typed with a point or a comma.
double ParseDecimal(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  return std::strtod(text.c_str(), nullptr);
}

}  // namespace

McDisplayMode StandardMode(int m, int link_combo, int states_combo, int first_symbol,
                           int symbol_step) {
  McDisplayMode mode;
  mode.link_combo = link_combo;
  mode.states_combo = states_combo;
  mode.first_symbol = first_symbol;
  mode.symbol_step = symbol_step;
  mode.link_word = mc::LinkWord(m);
  mode.states_word = mc::StatesWord(m);
  mode.first_symbol_word = mc::SymbolWord(m, 0);
  return mode;
}

MultiChannelDialog::MultiChannelDialog(const MultiChannelDef& def) : def_(def) {}

std::uint16_t& MultiChannelDialog::Working(int word) {
  static std::uint16_t nowhere = 0;
  if (!Valid(word)) return nowhere = 0;
  return G().WorkingCopies[def_.template_number][static_cast<std::size_t>(word)];
}

std::vector<int> MultiChannelDialog::Words() const {
  std::vector<int> w;
  for (const auto& f : def_.fields) w.push_back(f.word);
  if (def_.text_control != 0)
    for (int k = 0; k < kTextFieldWords; ++k) w.push_back(kWordTextField + k);
  if (def_.active_time_combo != 0) w.push_back(kWordActiveTime);
  if (def_.baud_combo != 0 || def_.parity_combo != 0) w.push_back(kWordSpeed);
  for (const auto& q : def_.quick_select) w.push_back(q.word);
  for (const auto& c : def_.channels) w.push_back(c.word);
  for (const auto& c : def_.colours) w.push_back(c.word);
  for (const auto& m : def_.modes) {
    if (m.link_combo != 0) w.push_back(m.link_word);
    w.push_back(m.states_word);
    for (int k = 0; k < mc::kModeSymbols; ++k) w.push_back(m.first_symbol_word + k);
  }
  for (const auto& b : def_.bit_checks) w.push_back(b.word);
  if (def_.output.two_state_radio != 0) {
    w.push_back(kWordS);
    w.push_back(kWordP);
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
  return mask_ != nullptr && load(def_.colour_bitmaps, colours_) &&
         load(def_.bargraph_bitmaps, bargraphs_) && load(def_.symbol_bitmaps, symbols_);
}

void MultiChannelDialog::FillCombos(ui::Dialog& d) {
  auto fill = [&](int id, auto texts) {
    if (id == 0) return;
    d.ComboReset(id);
    for (auto text : texts) d.ComboAdd(id, text);
  };
  fill(def_.active_time_combo, mc::ActiveTimeTexts());
  fill(def_.baud_combo, SpeedTexts());
  fill(def_.parity_combo, mc::ParityTexts());
  for (const auto& q : def_.quick_select) fill(q.control, mc::QuickSelectTexts());
  std::vector<std::string> counts;
  for (int n = 0; n <= mc::kMaxStates; ++n) counts.push_back(std::to_string(n));
  for (const auto& m : def_.modes) {
    fill(m.states_combo, counts);
    fill(m.link_combo, mc::LinkTexts());
  }
}

void MultiChannelDialog::OnInit(ui::Dialog& d) {
  FillCombos(d);
  if (!LoadBitmaps()) {
    d.End(-1);
    return;
  }
  // Owner-drawn items: the text names the entry for people and scripts, the
  // item data is the bitmap drawn.
  auto fill = [&](int id, const std::vector<const ui::Bitmap*>& bitmaps, auto text_of) {
    d.ComboReset(id);
    for (std::size_t i = 0; i < bitmaps.size(); ++i) {
      const int at = d.ComboAdd(id, text_of(static_cast<int>(i)));
      d.ComboSetItemData(id, at, reinterpret_cast<std::uintptr_t>(bitmaps[i]));
    }
  };
  auto number = [](int i) { return std::to_string(i); };
  for (const auto& c : def_.colours) fill(c.control, colours_, number);
  for (const auto& c : def_.channels)
    fill(c.bargraph_combo, bargraphs_, [](int i) { return std::string(mc::BargraphKindText(i)); });
  for (const auto& m : def_.modes)
    for (int k = 0; k < mc::kModeSymbols; ++k) {
      fill(m.SymbolCombo(k), symbols_, number);
      d.ComboSetSel(m.SymbolCombo(k), 0);
    }
  SetDefaults(d, false);
  d.SetTimer(1, def_.timer_ms);
  d.TickNow(1);
  for (int id : def_.hidden) d.Show(id, false);
  const bool online = G().DeviceOnline == 1;
  if (online) {
    Read(d);
  } else {
    d.Enable(def_.read_button, false);
    d.Enable(def_.write_button, false);
    for (int id : def_.offline_disabled) d.Enable(id, false);
  }
  // The labels' kind texts are those of the default kinds (with their own
  // spelling); a kind read from the device keeps its own text.
  for (const auto& l : def_.labels) {
    const auto channel = std::find_if(def_.channels.begin(), def_.channels.end(),
                                      [&](const McChannel& c) { return c.kind_text == l.id; });
    const bool kind_text = channel != def_.channels.end();
    if (kind_text) {
      const auto def = std::find_if(def_.word_defaults.begin(), def_.word_defaults.end(),
                                    [&](const McWordValue& v) { return v.word == channel->word; });
      if (def == def_.word_defaults.end() ||
          mc::BargraphKind(def->value) != mc::BargraphKind(Working(channel->word)))
        continue;
    }
    d.SetText(l.id, l.text);
  }
}

void MultiChannelDialog::OnClose(ui::Dialog& d) {
  d.KillTimer(1);
  d.End(1005);
}

void MultiChannelDialog::OnDestroy(ui::Dialog&) {
  // ReleaseDialogBitmaps: the resources stay with the program.
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

void MultiChannelDialog::SetDefaults(ui::Dialog& d, bool preset) {
  for (const auto& f : def_.fields) {
    const char* text = preset ? f.preset_default : f.open_default;
    if (text != nullptr) d.SetText(f.control, text);
  }
  if (def_.text_control != 0)
    d.SetText(def_.text_control, preset ? def_.text_preset_default : def_.text_open_default);
  for (const auto& v : def_.word_defaults) Working(v.word) = v.value;
  ShowWords(d);
}

void MultiChannelDialog::ShowWords(ui::Dialog& d) {
  auto select = [&](int id, int entry, int count) {
    // An entry the list does not have leaves the combo as it was.
    if (id != 0 && entry >= 0 && entry < count) d.ComboSetSel(id, entry);
  };
  if (def_.active_time_combo != 0)
    if (auto entry = mc::ActiveTimeEntry(Working(kWordActiveTime)))
      select(def_.active_time_combo, *entry, mc::kActiveTimeEntries);
  select(def_.baud_combo, Working(kWordSpeed) & 0xFF, kSpeedCount);
  select(def_.parity_combo, Working(kWordSpeed) >> 8, mc::kParityEntries);
  for (const auto& q : def_.quick_select)
    if (auto entry = mc::QuickSelectEntry(Working(q.word))) select(q.control, *entry, mc::kQuickSelectEntries);
  for (const auto& c : def_.channels) {
    const std::uint16_t flags = Working(c.word);
    select(c.bargraph_combo, mc::BargraphKind(flags), static_cast<int>(def_.bargraph_bitmaps.size()));
    if (c.kind_text != 0) d.SetText(c.kind_text, mc::BargraphKindText(mc::BargraphKind(flags)));
    d.Check(c.correction_radio, !mc::ShowsSetpoint(flags));
    d.Check(c.setpoint_radio, mc::ShowsSetpoint(flags));
  }
  for (const auto& c : def_.colours)
    select(c.control, mc::Nibble(Working(c.word), c.nibble), static_cast<int>(def_.colour_bitmaps.size()));
  for (const auto& b : def_.bit_checks) d.Check(b.control, (Working(b.word) >> b.bit) & 1);
  for (std::size_t m = 0; m < def_.modes.size(); ++m) {
    const auto& mode = def_.modes[m];
    select(mode.link_combo, Working(mode.link_word), mc::kLinkEntries);
    select(mode.states_combo, Working(mode.states_word), mc::kMaxStates + 1);
    EnableModeSymbols(d, static_cast<int>(m));
    for (int k = 0; k < mc::kModeSymbols; ++k)
      select(mode.SymbolCombo(k), Working(mode.first_symbol_word + k),
             static_cast<int>(def_.symbol_bitmaps.size()));
  }
  ShowDigitalOutput(d);
}

void MultiChannelDialog::EnableModeSymbols(ui::Dialog& d, int mode) {
  const auto& m = def_.modes[static_cast<std::size_t>(mode)];
  const int n = Working(m.states_word);
  for (int k = 0; k < mc::kModeSymbols; ++k) d.Enable(m.SymbolCombo(k), k < n);
}

void MultiChannelDialog::ShowDigitalOutput(ui::Dialog& d) {
  const auto& o = def_.output;
  if (o.two_state_radio == 0) return;
  const std::uint16_t s = Working(kWordS);
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
  const double f = mc::PwmFrequency(s, Working(kWordP));
  d.SetText(o.steps_edit, FormatInt(s + 1));
  d.SetText(o.frequency_edit, mc::FormatFixed6(f));
  d.SetText(o.period_edit, mc::FormatFixed6(1000.0 / f));
}

// --- Commands ----------------------------------------------------------------

void MultiChannelDialog::OnCommand(ui::Dialog& d, int id, ui::Notify code) {
  if (code == ui::Notify::kSelChange) {
    if (!OnSelection(d, id)) OnOtherCommand(d, id, code);
    return;
  }
  if (code != ui::Notify::kClicked) return OnOtherCommand(d, id, code);
  if (id == def_.read_button) return Read(d);
  if (id == def_.write_button) return Write(d);
  if (id == def_.save_button) return Save(d);
  if (id == def_.open_button) return Load(d);
  if (id == def_.preset_button) return SetDefaults(d, true);
  if (id == def_.cancel_button) return OnClose(d);
  if (!OnClick(d, id)) OnOtherCommand(d, id, code);
}

bool MultiChannelDialog::OnSelection(ui::Dialog& d, int id) {
  const int sel = d.ComboGetSel(id);
  if (sel < 0) return id != 0;
  if (id == def_.active_time_combo) {
    Working(kWordActiveTime) = mc::ActiveTimeSeconds(sel);
    return true;
  }
  if (id == def_.baud_combo) {
    Working(kWordSpeed) = static_cast<std::uint16_t>((Working(kWordSpeed) & 0xFF00) | sel);
    return true;
  }
  if (id == def_.parity_combo) {
    Working(kWordSpeed) = static_cast<std::uint16_t>((Working(kWordSpeed) & 0x00FF) | sel << 8);
    return true;
  }
  for (const auto& q : def_.quick_select)
    if (id == q.control) {
      ChooseQuickSelect(d, q);
      return true;
    }
  for (const auto& c : def_.channels)
    if (id == c.bargraph_combo) {
      Working(c.word) = mc::WithBargraph(Working(c.word), sel);
      d.SetText(c.kind_text, mc::BargraphKindText(sel));
      return true;
    }
  for (const auto& c : def_.colours)
    if (id == c.control) {
      Working(c.word) = mc::WithNibble(Working(c.word), c.nibble, sel);
      return true;
    }
  for (std::size_t m = 0; m < def_.modes.size(); ++m) {
    const auto& mode = def_.modes[m];
    if (id == mode.states_combo) {
      Working(mode.states_word) = static_cast<std::uint16_t>(sel);
      EnableModeSymbols(d, static_cast<int>(m));
      return true;
    }
    if (id == mode.link_combo) {
      ChooseLink(d, static_cast<int>(m));
      return true;
    }
    for (int k = 0; k < mc::kModeSymbols; ++k)
      if (id == mode.SymbolCombo(k)) {
        Working(mode.first_symbol_word + k) = static_cast<std::uint16_t>(sel);
        return true;
      }
  }
  return false;
}

bool MultiChannelDialog::OnClick(ui::Dialog& d, int id) {
  for (const auto& c : def_.channels)
    if (id == c.correction_radio || id == c.setpoint_radio) {
      const bool setpoint = id == c.setpoint_radio;
      Working(c.word) = mc::WithSetpoint(Working(c.word), setpoint);
      d.Check(c.correction_radio, !setpoint);
      d.Check(c.setpoint_radio, setpoint);
      return true;
    }
  for (const auto& b : def_.bit_checks)
    if (id == b.control) {
      const auto bit = static_cast<std::uint16_t>(1u << b.bit);
      Working(b.word) = static_cast<std::uint16_t>(d.IsChecked(id) ? Working(b.word) | bit
                                                                   : Working(b.word) & ~bit);
      return true;
    }
  const auto& o = def_.output;
  if (o.two_state_radio == 0) return false;
  if (id == o.two_state_radio) {
    Working(kWordS) = mc::kTwoStateS;
    Working(kWordP) = mc::kTwoStateP;
    ShowDigitalOutput(d);
    return true;
  }
  if (id == o.pwm_radio) {
    Working(kWordS) = mc::kPwmDefaultS;
    Working(kWordP) = mc::kPwmDefaultP;
    d.Check(o.two_state_radio, false);
    d.Check(o.pwm_radio, true);
    for (int c : {o.steps_edit, o.frequency_edit, o.set_button}) d.Enable(c, true);
    d.SetText(o.steps_edit, "3");
    const int f = static_cast<int>(mc::PwmFrequency(mc::kPwmDefaultS, mc::kPwmDefaultP));
    d.SetText(o.frequency_edit, FormatInt(f));
    char period[32];
    std::snprintf(period, sizeof period, "%.4f", 1000.0 / f);
    d.SetText(o.period_edit, period);
    return true;
  }
  if (id == o.set_button) {
    SetFrequency(d);
    return true;
  }
  return false;
}

void MultiChannelDialog::ChooseLink(ui::Dialog& d, int mode) {
  const auto& m = def_.modes[static_cast<std::size_t>(mode)];
  const int sel = d.ComboGetSel(m.link_combo);
  if (sel > 0) {
    for (std::size_t other = 0; other < def_.modes.size(); ++other) {
      const auto& o = def_.modes[other];
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
  if (mode > 0 && mode <= static_cast<int>(def_.modes.size()) &&
      Working(def_.modes[static_cast<std::size_t>(mode - 1)].states_word) == 0) {
    Working(q.word) = mc::kQuickSelectInactive;
    d.ComboSetSel(q.control, 0);
    d.MessageBox(mc::ZeroStatesMessage(mode), kCheckCaption, ui::Icon::kInformation);
    return;
  }
  Working(q.word) = mc::QuickSelectCode(entry);
}

void MultiChannelDialog::SetFrequency(ui::Dialog& d) {
  const auto& o = def_.output;
  const double wanted = ParseDecimal(Utf8ToCp1250(d.GetText(o.frequency_edit, 32)));
  const mc::PwmSetting set = mc::SetPwmFrequency(Working(kWordS), wanted);
  if (set.clamp == mc::Clamp::kAboveMax)
    d.MessageBox("Hodnota frekvence větší než maximální hodnota rozsahu", kCheckCaption,
                 ui::Icon::kInformation);
  if (set.clamp == mc::Clamp::kBelowMin)
    d.MessageBox("Hodnota frekvence je menší než minimální hodnota rozsahu", kCheckCaption,
                 ui::Icon::kInformation);
  Working(kWordP) = set.p;
  d.SetText(o.frequency_edit, mc::FormatFixed6(set.frequency));
  d.SetText(o.period_edit, mc::FormatFixed6(1000.0 / set.frequency));
}

// --- Timer ---------------------------------------------------------------------

void MultiChannelDialog::OnTimer(ui::Dialog& d, int) {
  for (const auto& f : def_.fields) RunCheck(d, f);
  StepCountCheck(d);
}

void MultiChannelDialog::StepCountCheck(ui::Dialog& d) {
  const auto& o = def_.output;
  if (o.steps_edit == 0) return;
  // Two-state output shows "--" as its frequency; the user may be typing.
  if (d.GetText(o.frequency_edit, 1) == "-" || d.HasFocus(o.steps_edit)) return;
  const mc::StepCount steps = mc::CheckStepCount(Utf8ToCp1250(d.GetText(o.steps_edit, kNumberChars)));
  Working(kWordS) = steps.s;
  if (steps.replacement) {
    d.SetText(o.steps_edit, *steps.replacement);
    d.MessageBox(kStepCountMessage, kCheckCaption, ui::Icon::kInformation);
  }
}

// --- Device --------------------------------------------------------------------

void MultiChannelDialog::CommunicationFailed(ui::Dialog& d) {
  d.MessageBox(kCommunicationError, kSetCaption, ui::Icon::kError);
  G().DeviceOnline = 0;
  d.PostClose();
}

bool MultiChannelDialog::UserMenuAllowsTransfer(ui::Dialog& d, const char* message) {
  if (!ReadReplyRemembered(1)) {
    CommunicationFailed(d);
    return false;
  }
  if (ReplyUserMenuOpen()) {
    d.MessageBox(message, kSetCaption, ui::Icon::kInformation);
    return false;
  }
  return true;
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

void MultiChannelDialog::Read(ui::Dialog& d) {
  if (def_.host_transfer && (!UserMenuAllowsTransfer(d, kUserMenuMessage) || !SendBracket(d, true))) return;
  if (!RunReadTransfer(d)) {
    d.PostClose();
    return;
  }
  if (def_.host_transfer && !SendBracket(d, false)) return;
  const auto& image = G().ConfigImage;
  for (int word : Words()) Working(word) = image[static_cast<std::size_t>(word)];
  for (const auto& f : def_.fields) d.SetText(f.control, FormatField(f.format, image[f.word]));
  if (def_.text_control != 0)
    d.SetText(def_.text_control, Cp1250ToUtf8(UnpackTextField(&image[kWordTextField])));
  ShowWords(d);
}

void MultiChannelDialog::Write(ui::Dialog& d) {
  // A field emptied just before the click (left alone while it had the
  // focus) is corrected first, as the timer would, before the device waits.
  OnTimer(d, 1);
  if (def_.host_transfer &&
      (!UserMenuAllowsTransfer(d, def_.write_menu_message) || !SendBracket(d, true)))
    return;
  for (const auto& f : def_.fields) {
    const std::string text = Utf8ToCp1250(d.GetText(f.control, kNumberChars));
    bool parsed = true;
    std::int32_t value = 0;
    if (f.format == FieldFormat::kSigned || f.format == FieldFormat::kUnsigned)
      value = ParseInt(text, &parsed);
    else
      value = ParseField(f.format, text);
    // A text that is no number keeps the last value the field held.
    if (parsed) Working(f.word) = static_cast<std::uint16_t>(value);
  }
  if (def_.text_control != 0) {
    std::array<std::uint16_t, kTextFieldWords> text{};
    PackTextField(Utf8ToCp1250(d.GetText(def_.text_control, kTextFieldChars)), text.data());
    for (int k = 0; k < kTextFieldWords; ++k) Working(kWordTextField + k) = text[static_cast<std::size_t>(k)];
  }
  auto& image = G().ConfigImage;
  for (int word : Words()) image[static_cast<std::size_t>(word)] = Working(word);
  if (!RunWriteTransfer(d)) {
    d.PostClose();
    return;
  }
  if (def_.host_transfer) SendBracket(d, false);
}

// --- Files ---------------------------------------------------------------------

void MultiChannelDialog::Save(ui::Dialog& d) {
  ConfigFile file;
  InitConfigFile(file, ConfigFileHeader(def_.model));
  for (const auto& f : def_.fields)
    PutFileField(file, f.word, Utf8ToCp1250(d.GetText(f.control, kNumberChars)));
  if (def_.text_control != 0)
    PutFileTextField(file, Utf8ToCp1250(d.GetText(def_.text_control, kTextFieldChars)));
  auto put = [&](int word, int width) { PutFileField(file, word, mc::Digits(Working(word), width)); };
  if (def_.active_time_combo != 0)
    PutFileField(file, kWordActiveTime, Utf8ToCp1250(d.GetText(def_.active_time_combo, kNumberChars)));
  if (def_.baud_combo != 0 || def_.parity_combo != 0) {
    const std::uint16_t w = Working(kWordSpeed);
    std::string record = "0000";
    record[1] = static_cast<char>('0' + std::min(w >> 8, 9));
    record[3] = static_cast<char>('0' + std::min(w & 0xFF, 9));
    PutFileField(file, kWordSpeed, record);
  }
  for (const auto& q : def_.quick_select) put(q.word, 2);
  for (const auto& c : def_.channels) put(c.word, 5);
  for (const auto& c : def_.colours) put(c.word, 5);
  for (const auto& m : def_.modes) {
    if (m.link_combo != 0) put(m.link_word, 1);
    put(m.states_word, 2);
    for (int k = 0; k < mc::kModeSymbols; ++k) put(m.first_symbol_word + k, 2);
  }
  for (const auto& b : def_.bit_checks) put(b.word, 1);
  if (def_.output.two_state_radio != 0) {
    put(kWordS, 5);
    put(kWordP, 5);
  }
  SaveConfigFile(d, file);
}

void MultiChannelDialog::Load(ui::Dialog& d) {
  ConfigFile file;
  if (!LoadConfigFile(d, def_.model, file)) return;
  for (const auto& f : def_.fields) d.SetText(f.control, Cp1250ToUtf8(GetFileField(file, f.word)));
  if (def_.text_control != 0) d.SetText(def_.text_control, Cp1250ToUtf8(GetFileTextField(file)));
  if (def_.active_time_combo != 0)
    if (auto seconds = mc::ActiveTimeFromRecord(GetFileField(file, kWordActiveTime)))
      Working(kWordActiveTime) = static_cast<std::uint16_t>(*seconds);
  if (def_.baud_combo != 0 || def_.parity_combo != 0) {
    // "0" parity "0" baud; a digit outside the lists leaves its half as it was,
    // so a write never sends a code the device does not know from a file.
    const std::string record = GetFileField(file, kWordSpeed);
    std::uint16_t w = Working(kWordSpeed);
    if (record.size() >= 4) {
      const int parity = record[1] - '0';
      const int baud = record[3] - '0';
      if (parity >= 0 && parity < mc::kParityEntries) w = static_cast<std::uint16_t>((w & 0xFF) | parity << 8);
      if (baud >= 0 && baud < kSpeedCount) w = static_cast<std::uint16_t>((w & 0xFF00) | baud);
    }
    Working(kWordSpeed) = w;
  }
  // Every other record is a number; one that is not keeps the field as it was.
  for (int word : Words()) {
    const bool own_form = word == kWordActiveTime || word == kWordSpeed ||
                          (word >= kWordTextField && word < kWordTextField + kTextFieldWords) ||
                          std::any_of(def_.fields.begin(), def_.fields.end(),
                                      [&](const CompactField& f) { return f.word == word; });
    if (own_form) continue;
    if (auto v = RecordNumber(file, word)) Working(word) = static_cast<std::uint16_t>(*v);
  }
  ShowWords(d);
}

}  // namespace travik
