#include "dialogs/multichannel/rack_analog_dialog.h"

#include <string>

#include "config/checks.h"
#include "config/format.h"
#include "core/globals.h"
#include "core/text.h"
#include "dialogs/multichannel/member_support.h"

namespace travik {

namespace {

constexpr int kWordTime = 35;
constexpr int kWordColours = 36;
constexpr int kWordOutput1 = 68;
constexpr int kWordFlags = 75;
constexpr int kColourCount = 7;
constexpr int kDefaultColour = 2;
// Input range of output 1 in tenths, by source.
constexpr int kTemperatureMin = -500, kTemperatureMax = 2000;
constexpr int kHumidityMin = 0, kHumidityMax = 1000;

int Nibble(std::uint16_t word, int n) { return (word >> (4 * n)) & 0xF; }

}  // namespace

RackAnalogDialog::RackAnalogDialog(const RackAnalogDef& def) : ConfigDialog(def.base), rack_(def) {}

void RackAnalogDialog::AfterDefaults(ui::Dialog& d, bool preset) {
  source_ = 0;
  ShowSource(d);
  colours_ = 0;
  for (const auto& c : rack_.colours) colours_ |= static_cast<std::uint16_t>(kDefaultColour << (4 * c.nibble));
  ShowColours(d);
  seconds_ = 5;
  if (rack_.time_combo != 0) d.ComboSetSel(rack_.time_combo, 0);
  flags_ = 1;
  ShowBargraph(d);
  (void)preset;
}

void RackAnalogDialog::OnOpening(ui::Dialog& d) {
  if (rack_.time_combo != 0) {
    d.ComboReset(rack_.time_combo);
    for (auto text : ActiveTimeTexts()) d.ComboAdd(rack_.time_combo, text);
    d.ComboSetSel(rack_.time_combo, 0);
  }
  for (const auto& c : rack_.colours) FillColourCombo(d, c.control, kColourCount);
  if (rack_.bargraph != 0) FillBargraphCombo(d, rack_.bargraph);
  ShowBargraph(d);
  ShowColours(d);
  ShowSource(d);
  if (rack_.calibration_edit != 0) d.SetText(rack_.calibration_edit, "400");
}

void RackAnalogDialog::ShowSource(ui::Dialog& d) {
  const AnalogSource& s = rack_.source;
  if (s.temperature_radio == 0) return;
  d.Check(s.temperature_radio, source_ == 0);
  d.Check(s.humidity_radio, source_ != 0);
  const char* unit = source_ == 0 ? " [°C]" : " [%RH]";
  d.SetText(s.in_lo_label, std::string("Vstup Lo") + unit);
  d.SetText(s.in_hi_label, std::string("Vstup Hi") + unit);
}

void RackAnalogDialog::ShowColours(ui::Dialog& d) {
  for (const auto& c : rack_.colours) {
    const int index = Nibble(colours_, c.nibble);
    // A colour the list does not have leaves the combo as it was.
    if (index < kColourCount) d.ComboSetSel(c.control, index);
  }
}

void RackAnalogDialog::ShowBargraph(ui::Dialog& d) {
  if (rack_.bargraph == 0) return;
  d.ComboSetSel(rack_.bargraph, flags_ & kBargraphMask);
  d.SetText(rack_.bargraph_kind, BargraphKindText(flags_));
}

void RackAnalogDialog::CrossFieldRules(ui::Dialog& d) {
  const AnalogSource& s = rack_.source;
  if (s.temperature_radio == 0) return;
  const bool humidity = source_ != 0;
  const auto max = static_cast<std::int16_t>(humidity ? kHumidityMax : kTemperatureMax);
  const auto min = static_cast<std::int16_t>(humidity ? kHumidityMin : kTemperatureMin);
  CheckTenths(d, s.in_lo, max, min);
  CheckTenths(d, s.in_hi, max, min);
}

void RackAnalogDialog::OnOtherCommand(ui::Dialog& d, int id, ui::Notify code) {
  const AnalogSource& s = rack_.source;
  if (code == ui::Notify::kClicked && s.temperature_radio != 0 &&
      (id == s.temperature_radio || id == s.humidity_radio)) {
    source_ = id == s.humidity_radio ? 1 : 0;
    return ShowSource(d);
  }
  if (code == ui::Notify::kClicked && id == rack_.calibration_button && id != 0)
    return WriteCalibrationValue(d, rack_.calibration_edit);
  if (code != ui::Notify::kSelChange) return;
  const int sel = d.ComboGetSel(id);
  if (sel < 0) return;
  if (id == rack_.time_combo) {
    seconds_ = 5 * (sel + 1);
    return;
  }
  if (id == rack_.bargraph) {
    flags_ = static_cast<std::uint16_t>((flags_ & ~kBargraphMask) | (sel & kBargraphMask));
    return ShowBargraph(d);
  }
  for (const auto& c : rack_.colours) {
    if (c.control != id) continue;
    colours_ = static_cast<std::uint16_t>((colours_ & ~(0xF << (4 * c.nibble))) | (sel << (4 * c.nibble)));
  }
}

void RackAnalogDialog::AfterRead(ui::Dialog& d) {
  const auto& image = G().ConfigImage;
  if (rack_.source.temperature_radio != 0) {
    source_ = (image[kWordOutput1] >> 8) != 0 ? 1 : 0;
    ShowSource(d);
  }
  if (rack_.time_combo != 0) {
    const int seconds = image[kWordTime];
    // A time off the list leaves the combo as it was.
    if (seconds >= 5 && seconds <= 60 && seconds % 5 == 0) {
      seconds_ = seconds;
      d.ComboSetSel(rack_.time_combo, seconds / 5 - 1);
    }
  }
  if (!rack_.colours.empty()) {
    colours_ = image[kWordColours];
    ShowColours(d);
  }
  if (rack_.bargraph != 0) {
    flags_ = image[kWordFlags];
    ShowBargraph(d);
  }
}

void RackAnalogDialog::BeforeWrite(ui::Dialog&) {
  auto& image = G().ConfigImage;
  if (rack_.source.temperature_radio != 0)
    image[kWordOutput1] = static_cast<std::uint16_t>((image[kWordOutput1] & 0xFF) | source_ << 8);
  if (rack_.time_combo != 0) image[kWordTime] = static_cast<std::uint16_t>(seconds_);
  if (!rack_.colours.empty()) image[kWordColours] = colours_;
  if (rack_.bargraph != 0) image[kWordFlags] = flags_;
}

void RackAnalogDialog::BeforeSave(ui::Dialog& d, ConfigFile& file) {
  if (rack_.source.temperature_radio != 0) {
    // Record 68: the output kind digit, then the source digit.
    const std::string two = {static_cast<char>('0' + OutputKind(1)), static_cast<char>('0' + source_)};
    PutFileField(file, kWordOutput1, two);
  }
  if (rack_.time_combo != 0)
    PutFileField(file, kWordTime, Utf8ToCp1250(d.GetText(rack_.time_combo, kNumberChars)));
  if (!rack_.colours.empty()) {
    // The colour word goes to record 37 as well, as the device's own tool writes it.
    PutFileDigits(file, kWordColours, colours_, 5);
    PutFileDigits(file, kWordColours + 1, colours_, 5);
  }
  if (rack_.bargraph != 0) PutFileDigits(file, kWordFlags, flags_, 5);
}

void RackAnalogDialog::AfterLoad(ui::Dialog& d, const ConfigFile& file) {
  if (rack_.source.temperature_radio != 0) {
    const std::string record = GetFileField(file, kWordOutput1);
    source_ = record.size() > 1 && record[1] != '0' ? 1 : 0;
    ShowSource(d);
  }
  if (rack_.time_combo != 0) {
    if (auto seconds = ActiveTimeFromRecord(GetFileField(file, kWordTime))) {
      seconds_ = *seconds;
      d.ComboSetSel(rack_.time_combo, seconds_ / 5 - 1);
    }
  }
  if (!rack_.colours.empty()) {
    bool parsed = false;
    const auto word = ParseInt(GetFileField(file, kWordColours), &parsed);
    if (parsed) {
      colours_ = static_cast<std::uint16_t>(word);
      ShowColours(d);
    }
  }
  if (rack_.bargraph != 0) {
    bool parsed = false;
    const auto word = ParseInt(GetFileField(file, kWordFlags), &parsed);
    if (parsed) {
      flags_ = static_cast<std::uint16_t>(word);
      ShowBargraph(d);
    }
  }
}

}  // namespace travik
