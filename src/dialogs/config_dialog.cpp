#include "dialogs/config_dialog.h"

#include <bit>

#include "config/format.h"
#include "core/globals.h"
#include "core/text.h"
#include "dialogs/transfer.h"

namespace travik {

const char* ButtonName(const DialogDef& def) {
  return def.button_name != nullptr ? def.button_name : def.header_name;
}

namespace {

std::uint16_t Low(std::int32_t v) { return static_cast<std::uint16_t>(v & 0xFFFF); }
std::uint16_t High(std::int32_t v) {
  return static_cast<std::uint16_t>((static_cast<std::uint32_t>(v) >> 16) & 0xFFFF);
}

int Shift(std::uint16_t mask) { return mask == 0 ? 0 : std::countr_zero(mask); }

int ListCode(const Choice& c, int position) {
  return c.codes.empty() ? position : c.codes[static_cast<std::size_t>(position)];
}

// -1 when no entry has the code.
int ListPosition(const Choice& c, int code) {
  for (std::size_t p = 0; p < c.items.size(); ++p)
    if (ListCode(c, static_cast<int>(p)) == code) return static_cast<int>(p);
  return -1;
}

// The choice's value as it sits in the bits of its word.
std::uint16_t ChoiceBits(const Choice& c, int value) {
  if (c.kind == ChoiceKind::kCheckBit) return static_cast<std::uint16_t>(value & c.mask);
  return static_cast<std::uint16_t>((value << Shift(c.mask)) & c.mask);
}

int ChoiceFromWord(const Choice& c, std::uint16_t word) {
  if (c.kind == ChoiceKind::kCheckBit) return word & c.mask;
  return (word & c.mask) >> Shift(c.mask);
}

std::string ControlNumber(const ui::Dialog& d, int id) {
  return Utf8ToCp1250(d.GetText(id, kNumberChars));
}

}  // namespace

std::string ReadButtonText(const DialogDef& def) { return kReadCaption + std::string(ButtonName(def)); }
std::string WriteButtonText(const DialogDef& def) { return kWriteCaption + std::string(ButtonName(def)); }

std::vector<ControlText> DialogCaptions(const DialogDef& def) {
  std::vector<ControlText> texts;
  for (const auto& g : def.layout) {
    texts.push_back({g.id, g.caption});
    for (const auto& r : g.rows) {
      if (r.label != 0) texts.push_back({r.label, r.text});
      if (r.kind == ui::ControlKind::kCheckBox || r.kind == ui::ControlKind::kButton)
        texts.push_back({r.control, r.text});
      if (r.kind == ui::ControlKind::kRadio) {
        texts.push_back({r.control, "Proud"});
        texts.push_back({r.second, "Napětí"});
      }
    }
  }
  texts.push_back({def.buttons.open, kOpenCaption});
  texts.push_back({def.buttons.save, kSaveCaption});
  texts.push_back({def.buttons.preset, kPresetCaption});
  texts.push_back({def.buttons.cancel, kCancelCaption});
  return texts;
}

ConfigDialog::ConfigDialog(const DialogDef& def)
    : def_(def),
      values_(def.fields.size(), 0),
      kinds_(def.outputs.size(), 1),
      choice_values_(def.choices.size(), 0) {}

int ConfigDialog::FirmwareGroup() {
  const auto& digits = G().FirmwareDigits;
  return 10 * digits[4] + digits[5];
}

int ConfigDialog::FieldMax(const Field& f) const {
  if (f.output == 0) return f.max;
  return OutputKind(f.output) == 0 ? kOutputMaxCurrent : kOutputMaxVoltage;
}

void ConfigDialog::SetDefaults(ui::Dialog& d, bool preset) {
  for (std::size_t i = 0; i < def_.fields.size(); ++i) {
    const Field& f = def_.fields[i];
    const char* text = preset && f.preset != nullptr ? f.preset : f.initial;
    if (text == nullptr) continue;
    d.SetText(f.control, text);
    values_[i] = ParseField(f, text).value_or(0);
  }
  if (def_.text_control != 0)
    d.SetText(def_.text_control,
              Utf8Prefix(preset ? def_.text_preset : def_.text_initial, kTextFieldChars));
  serial_ = SerialLine{};
  ShowSerial(d);
  if (!preset || def_.preset_resets_choices) ResetOutputsAndChoices(d);
  AfterDefaults(d, preset);
}

void ConfigDialog::ResetOutputsAndChoices(ui::Dialog& d) {
  for (std::size_t k = 0; k < def_.outputs.size(); ++k) {
    kinds_[k] = 1;
    ShowOutput(d, k);
  }
  for (std::size_t k = 0; k < def_.choices.size(); ++k) {
    const Choice& c = def_.choices[k];
    choice_values_[k] = c.kind == ChoiceKind::kCheckBit ? (c.initial != 0 ? c.mask : 0)
                                                        : ListCode(c, c.initial);
    if (c.kind == ChoiceKind::kList && c.initial_text != nullptr) {
      // The default text need not be one of the items.
      d.SetText(c.control, c.initial_text);
    } else {
      ShowChoice(d, k);
    }
  }
}

void ConfigDialog::ShowSerial(ui::Dialog& d) {
  if (def_.speed_combo == 0) return;
  // A code the list does not know leaves the shown text as it was.
  if (auto text = SpeedText(serial_.speed)) {
    if (def_.speed_by_position)
      d.ComboSetSel(def_.speed_combo, serial_.speed);
    else
      d.SetText(def_.speed_combo, *text);
  }
  if (def_.parity_combo != 0 && serial_.parity >= 0 &&
      serial_.parity < static_cast<int>(def_.parity_items.size()))
    d.ComboSetSel(def_.parity_combo, serial_.parity);
}

void ConfigDialog::ShowOutput(ui::Dialog& d, std::size_t k) {
  const AnalogOutput& o = def_.outputs[k];
  const bool current = kinds_[k] == 0;
  d.Check(o.current_radio, current);
  d.Check(o.voltage_radio, !current);
  if (def_.labels_from_template) return;
  const char* unit = current ? " [mA]" : " [V]";
  d.SetText(o.lo_label, std::string("Výstup Lo") + unit);
  d.SetText(o.hi_label, std::string("Výstup Hi") + unit);
  d.SetText(o.safety_label, std::string("Safety hod.") + unit);
}

void ConfigDialog::ShowChoice(ui::Dialog& d, std::size_t k) {
  const Choice& c = def_.choices[k];
  const int v = choice_values_[k];
  if (c.kind == ChoiceKind::kCheckBit) {
    const bool on = v != 0;
    d.Check(c.control, on);
    for (int id : c.enables) d.Enable(id, on);
  } else if (const int position = ListPosition(c, v); position >= 0) {
    d.ComboSetSel(c.control, position);
  }
}

void ConfigDialog::OnInit(ui::Dialog& d) {
  if (def_.speed_combo != 0) {
    d.ComboReset(def_.speed_combo);
    for (auto text : SpeedTexts()) d.ComboAdd(def_.speed_combo, text);
    d.ComboSetSel(def_.speed_combo, 0);
  }
  if (def_.parity_combo != 0) {
    d.ComboReset(def_.parity_combo);
    for (const char* text : def_.parity_items) d.ComboAdd(def_.parity_combo, text);
  }
  for (const Choice& c : def_.choices) {
    if (c.kind != ChoiceKind::kList) continue;
    d.ComboReset(c.control);
    for (const char* text : c.items) d.ComboAdd(c.control, text);
  }
  // The device keeps 16 characters of text and the checks read 9 of a
  // number; an edit takes no more, so nothing shown goes unread.
  if (def_.text_control != 0) d.LimitText(def_.text_control, kTextFieldChars);
  for (const Field& f : def_.fields) d.LimitText(f.control, kNumberChars);
  SetDefaults(d, false);
  d.SetTimer(1, def_.timer_ms);
  // OnTimer returns at once while the state serial stands where it checked.
  d.SetTimerIdleTest(1, [this, &d] { return d.StateSerial() == checked_serial_; });
  d.TickNow(1);
  const bool online = G().DeviceOnline == 1;
  const bool old_firmware = online && FirmwareGroup() <= def_.old_firmware_group;
  if (!online) {
    d.Enable(def_.buttons.read, false);
    d.Enable(def_.buttons.write, false);
    for (int id : def_.offline_disabled) d.Enable(id, false);
  }
  if (old_firmware)
    for (int id : def_.old_firmware_hides) d.Show(id, false);
  for (const auto& t : def_.texts) d.SetText(t.id, t.text);
  for (int id : def_.hidden) d.Show(id, false);
  for (int id : def_.disabled) d.Enable(id, false);
  OnOpening(d);
  if (!def_.labels_from_template) {
    for (const auto& l : DialogCaptions(def_)) d.SetText(l.id, l.text);
    d.SetText(def_.buttons.read, ReadButtonText(def_));
    d.SetText(def_.buttons.write, WriteButtonText(def_));
    for (std::size_t k = 0; k < def_.outputs.size(); ++k) ShowOutput(d, k);
  }
  for (const AnalogOutput& o : def_.outputs)
    if (o.safety_initial != nullptr) d.SetText(o.safety_label, o.safety_initial);
  const bool read = def_.read_at_open == ReadAtOpen::kYes ||
                    (def_.read_at_open == ReadAtOpen::kOnOldFirmware && old_firmware);
  if (read && online) Read(d);
}

void ConfigDialog::ParseFields(ui::Dialog& d) {
  for (std::size_t i = 0; i < def_.fields.size(); ++i) {
    const Field& f = def_.fields[i];
    if (auto v = ParseField(f, ControlNumber(d, f.control))) values_[i] = *v;
  }
}

void ConfigDialog::OnTimer(ui::Dialog& d, int) {
  // The checks and rules look at the controls, the focus and what commands
  // set: when none of that has moved since their last run, they would find
  // what they found then (the LCD dialogs tick every 5 ms).
  const std::uint64_t serial = d.StateSerial();
  if (serial == checked_serial_) return;
  checked_serial_ = serial;
  for (const Field& f : def_.fields) RunCheck(d, f, FieldMax(f));
  for (const HiAboveLo& rule : def_.hi_above_lo) HiAboveLoRule(d, rule);
  CrossFieldRules(d);
  ParseFields(d);
}

const Field* ConfigDialog::FieldOn(int control) const {
  for (const Field& f : def_.fields)
    if (f.control == control) return &f;
  return nullptr;
}

void ConfigDialog::HiAboveLoRule(ui::Dialog& d, const HiAboveLo& rule) {
  // Waits while the user is typing the Hi limit.
  if (d.HasFocus(rule.hi)) return;
  const Field* lo_field = FieldOn(rule.lo);
  const Field* hi_field = FieldOn(rule.hi);
  if (lo_field == nullptr || hi_field == nullptr) return;
  // Compared in full, as the fields read them: an unsigned limit of 40000 is
  // above 1000, not below it.
  const auto lo = ParseField(*lo_field, ControlNumber(d, rule.lo));
  const auto hi = ParseField(*hi_field, ControlNumber(d, rule.hi));
  if (!lo || !hi || *hi > *lo) return;
  const int max = FieldMax(*hi_field);
  if (*lo >= max) {
    // No Hi can lie above the largest Lo; moving Lo down one keeps the rule
    // from firing on every tick.
    d.SetText(rule.lo, FormatInt(max - 1));
    d.SetText(rule.hi, FormatInt(max));
  } else {
    d.SetText(rule.hi, FormatInt(*lo + 1));
  }
  d.MessageBox("Hodnota Hi mensí než hodnota Lo", "Nastavená hodnota", ui::Icon::kInformation);
}

void ConfigDialog::OnClose(ui::Dialog& d) {
  d.KillTimer(1);
  d.End(ui::kEndClosed);
}

void ConfigDialog::OnCommand(ui::Dialog& d, int id, ui::Notify code) {
  if (code == ui::Notify::kSelChange) {
    const int sel = d.ComboGetSel(id);
    if (sel < 0) return;
    if (id == def_.speed_combo) serial_.speed = sel;
    if (id == def_.parity_combo) serial_.parity = sel;
    for (std::size_t k = 0; k < def_.choices.size(); ++k)
      if (def_.choices[k].kind == ChoiceKind::kList && def_.choices[k].control == id)
        choice_values_[k] = ListCode(def_.choices[k], sel);
    return OnOtherCommand(d, id, code);
  }
  if (code != ui::Notify::kClicked) return OnOtherCommand(d, id, code);
  // Esc arrives as the platform's cancel command: these dialogs close only on
  // their Cancel button and the close box.
  if (id == ui::kIdCancel && def_.buttons.cancel != ui::kIdCancel) return;
  for (std::size_t k = 0; k < def_.outputs.size(); ++k) {
    const AnalogOutput& o = def_.outputs[k];
    if (id != o.current_radio && id != o.voltage_radio) continue;
    kinds_[k] = id == o.current_radio ? 0 : 1;
    return ShowOutput(d, k);
  }
  for (std::size_t k = 0; k < def_.choices.size(); ++k) {
    const Choice& c = def_.choices[k];
    if (c.kind != ChoiceKind::kCheckBit || c.control != id) continue;
    choice_values_[k] = d.IsChecked(id) ? c.mask : 0;
    return ShowChoice(d, k);
  }
  if (id == def_.buttons.read) return Read(d);
  if (id == def_.buttons.write) return Write(d);
  if (id == def_.buttons.save) return Save(d);
  if (id == def_.buttons.open) return Load(d);
  if (id == def_.buttons.preset) return SetDefaults(d, true);
  if (id == def_.buttons.cancel) return OnClose(d);
  OnOtherCommand(d, id, code);
}

void ConfigDialog::Read(ui::Dialog& d) {
  if (!BeforeTransfer(d, false)) return;
  if (!RunReadTransfer(d)) {
    EndFailedTransfer(d);
    d.PostClose();
    return;
  }
  if (!AfterTransfer(d, false)) return;
  const auto& image = G().ConfigImage;
  if (def_.text_control != 0)
    d.SetText(def_.text_control, Cp1250ToUtf8(UnpackTextField(&image[kWordTextField])));
  if (def_.speed_combo != 0) {
    serial_ = SerialLine::FromWord(image[kWordSpeed]);
    ShowSerial(d);
  }
  for (std::size_t i = 0; i < def_.fields.size(); ++i) {
    const Field& f = def_.fields[i];
    if (f.word == kNoWord) continue;
    const std::uint16_t high = f.high_word == kNoWord ? 0 : image[f.high_word];
    d.SetText(f.control, Cp1250ToUtf8(FormatField(f, image[f.word], high)));
    values_[i] = f.format == FieldFormat::kLong
                     ? static_cast<std::int32_t>(static_cast<std::uint32_t>(high) << 16 | image[f.word])
                     : static_cast<std::int32_t>(image[f.word]);
  }
  for (std::size_t k = 0; k < def_.outputs.size(); ++k) {
    kinds_[k] = (image[def_.outputs[k].word] & def_.outputs[k].mask) == 0 ? 0 : 1;
    ShowOutput(d, k);
  }
  for (std::size_t k = 0; k < def_.choices.size(); ++k) {
    choice_values_[k] = ChoiceFromWord(def_.choices[k], image[def_.choices[k].word]);
    ShowChoice(d, k);
  }
  AfterRead(d);
}

void ConfigDialog::Write(ui::Dialog& d) {
  // The timer keeps the fields in range, but a field emptied just before the
  // click (left alone while it had the focus) would go out unchecked.
  OnTimer(d, 1);
  // The device is asked before the image is touched: a write it refuses (its
  // user menu open) leaves the image as the last read or write left it.
  if (!BeforeTransfer(d, true)) return;
  auto& image = G().ConfigImage;
  for (std::size_t i = 0; i < def_.fields.size(); ++i) {
    const Field& f = def_.fields[i];
    if (f.word == kNoWord) continue;
    image[f.word] = Low(values_[i]);
    if (f.high_word != kNoWord) image[f.high_word] = High(values_[i]);
  }
  for (const FixedWord& w : def_.fixed_words) image[w.word] = w.value;
  if (def_.text_control != 0)
    PackTextField(Utf8ToCp1250(d.GetText(def_.text_control, kTextFieldChars)), &image[kWordTextField]);
  if (def_.speed_combo != 0) {
    // Without a parity list the high byte is not the dialog's: it goes back
    // as the image holds it, whatever a file or "Přednastavení" did.
    image[kWordSpeed] = def_.parity_combo != 0
                            ? serial_.Word()
                            : static_cast<std::uint16_t>((image[kWordSpeed] & 0xFF00) |
                                                         (serial_.speed & 0xFF));
  }
  for (std::size_t k = 0; k < def_.outputs.size(); ++k)
    image[def_.outputs[k].word] = static_cast<std::uint16_t>(
        (image[def_.outputs[k].word] & ~def_.outputs[k].mask) | (kinds_[k] & def_.outputs[k].mask));
  for (std::size_t k = 0; k < def_.choices.size(); ++k) {
    const Choice& c = def_.choices[k];
    image[c.word] = static_cast<std::uint16_t>((image[c.word] & ~c.mask) | ChoiceBits(c, choice_values_[k]));
  }
  BeforeWrite(d);
  if (!RunWriteTransfer(d)) {
    EndFailedTransfer(d);
    d.PostClose();
    return;
  }
  AfterTransfer(d, true);
}

void ConfigDialog::Save(ui::Dialog& d) {
  ConfigFile file;
  InitConfigFile(file, ConfigFileHeader(def_.header_name));
  for (const Field& f : def_.fields)
    if (f.Record() != kNoWord) PutFileField(file, f.Record(), ControlNumber(d, f.control));
  if (def_.speed_combo != 0) {
    SerialLine line = serial_;
    // Without a parity list the high byte is the device's, as the last read left it.
    if (def_.parity_combo == 0) line.parity = G().ConfigImage[kWordSpeed] >> 8;
    PutSerialRecord(file, line, def_.parity_combo != 0 || def_.serial_record_with_parity);
  }
  for (std::size_t k = 0; k < def_.outputs.size(); ++k)
    PutFileDigit(file, def_.outputs[k].word, kinds_[k]);
  for (std::size_t k = 0; k < def_.choices.size(); ++k) {
    const Choice& c = def_.choices[k];
    PutFileDigit(file, c.Record(), choice_values_[k]);
  }
  if (def_.text_control != 0)
    PutFileTextField(file, Utf8ToCp1250(d.GetText(def_.text_control, kTextFieldChars)));
  BeforeSave(d, file);
  SaveConfigFile(d, file);
}

void ConfigDialog::Load(ui::Dialog& d) {
  ConfigFile file;
  const char* message = def_.message_name != nullptr ? def_.message_name : def_.header_name;
  if (!LoadConfigFile(d, def_.header_name, file, message)) return;
  for (const Field& f : def_.fields)
    if (f.Record() != kNoWord) d.SetText(f.control, Cp1250ToUtf8(GetFileField(file, f.Record())));
  if (def_.speed_combo != 0) {
    if (auto line = ReadSerialRecord(file)) {
      serial_.speed = line->speed;
      if (def_.parity_combo != 0) serial_.parity = line->parity;
      ShowSerial(d);
    }
  }
  for (std::size_t k = 0; k < def_.outputs.size(); ++k) {
    kinds_[k] = GetFileField(file, def_.outputs[k].word).starts_with('0') ? 0 : 1;
    ShowOutput(d, k);
  }
  for (std::size_t k = 0; k < def_.choices.size(); ++k) {
    const Choice& c = def_.choices[k];
    const auto digit = GetFileDigit(file, c.Record());
    if (!digit) continue;
    if (c.kind == ChoiceKind::kCheckBit) {
      choice_values_[k] = *digit & c.mask;
    } else if (ListPosition(c, *digit) >= 0) {
      choice_values_[k] = *digit;
    }
    ShowChoice(d, k);
  }
  if (def_.text_control != 0) d.SetText(def_.text_control, Cp1250ToUtf8(GetFileTextField(file)));
  AfterLoad(d, file);
}

}  // namespace travik
