#include "dialogs/multichannel/rack_analog_dialog.h"

#include <string>

#include "config/checks.h"
#include "config/format.h"
#include "core/globals.h"

namespace travik {

namespace {

constexpr int kWordColours = 36;
constexpr int kWordOutput1 = 68;
// Input range of output 1 in tenths, by source.
constexpr int kTemperatureMin = -500, kTemperatureMax = 2000;
constexpr int kHumidityMin = 0, kHumidityMax = 1000;

}  // namespace

RackAnalogDialog::RackAnalogDialog(const RackAnalogDef& def) : MultiChannelDialog(def.mc), rack_(def) {}

void RackAnalogDialog::AfterDefaults(ui::Dialog& d, bool preset) {
  MultiChannelDialog::AfterDefaults(d, preset);
  source_ = 0;
  ShowSource(d);
}

void RackAnalogDialog::OnOpening(ui::Dialog& d) { ShowSource(d); }

void RackAnalogDialog::ShowSource(ui::Dialog& d) {
  const AnalogSource& s = rack_.source;
  if (s.temperature_radio == 0) return;
  d.Check(s.temperature_radio, source_ == 0);
  d.Check(s.humidity_radio, source_ != 0);
  const char* unit = source_ == 0 ? " [°C]" : " [%RH]";
  d.SetText(s.in_lo_label, std::string("Vstup Lo") + unit);
  d.SetText(s.in_hi_label, std::string("Vstup Hi") + unit);
}

void RackAnalogDialog::CrossFieldRules(ui::Dialog& d) {
  MultiChannelDialog::CrossFieldRules(d);
  const AnalogSource& s = rack_.source;
  if (s.temperature_radio == 0) return;
  const bool humidity = source_ != 0;
  const auto max = static_cast<std::int16_t>(humidity ? kHumidityMax : kTemperatureMax);
  const auto min = static_cast<std::int16_t>(humidity ? kHumidityMin : kTemperatureMin);
  CheckTenths(d, s.in_lo, min, max);
  CheckTenths(d, s.in_hi, min, max);
}

void RackAnalogDialog::OnOtherCommand(ui::Dialog& d, int id, ui::Notify code) {
  const AnalogSource& s = rack_.source;
  if (code != ui::Notify::kClicked || s.temperature_radio == 0) return;
  if (id == s.temperature_radio || id == s.humidity_radio) {
    source_ = id == s.humidity_radio ? 1 : 0;
    ShowSource(d);
  }
}

void RackAnalogDialog::AfterRead(ui::Dialog& d) {
  MultiChannelDialog::AfterRead(d);
  if (rack_.source.temperature_radio == 0) return;
  source_ = (G().ConfigImage[kWordOutput1] >> 8) != 0 ? 1 : 0;
  ShowSource(d);
}

void RackAnalogDialog::BeforeWrite(ui::Dialog& d) {
  MultiChannelDialog::BeforeWrite(d);
  if (rack_.source.temperature_radio == 0) return;
  auto& word = G().ConfigImage[kWordOutput1];
  word = static_cast<std::uint16_t>((word & 0xFF) | source_ << 8);
}

void RackAnalogDialog::BeforeSave(ui::Dialog& d, ConfigFile& file) {
  MultiChannelDialog::BeforeSave(d, file);
  // The colour word goes to record 37 as well, where the rack LCD line keeps
  // its symbol colours.
  if (!rack_.mc.colours.empty()) PutFileDigits(file, kWordColours + 1, Working(kWordColours), 5);
  if (rack_.source.temperature_radio == 0) return;
  // Record 68: the output kind digit, then the source digit.
  const std::string two = {static_cast<char>('0' + OutputKind(1)), static_cast<char>('0' + source_)};
  PutFileField(file, kWordOutput1, two);
}

void RackAnalogDialog::AfterLoad(ui::Dialog& d, const ConfigFile& file) {
  MultiChannelDialog::AfterLoad(d, file);
  if (rack_.source.temperature_radio == 0) return;
  const std::string record = GetFileField(file, kWordOutput1);
  source_ = record.size() > 1 && record[1] != '0' ? 1 : 0;
  ShowSource(d);
}

}  // namespace travik
