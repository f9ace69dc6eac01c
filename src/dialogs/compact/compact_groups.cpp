#include "dialogs/compact/compact_groups.h"

namespace travik::compact {

using F = FieldFormat;
using C = CheckKind;
using ui::ControlKind;

DialogDef MemberBase(int number, const char* model, const DeviceButtons& buttons, int text,
                     const char* text_initial, const char* text_preset) {
  return {.template_number = number,
          .title = model,
          .header_name = model,
          .buttons = buttons,
          .text_control = text,
          .text_initial = text_initial,
          .text_preset = text_preset};
}

// Hundredths checked with the tenths rule: ±20.0 as typed.
Field AirSpeedShift(int control) {
  return {.control = control, .word = 82, .format = F::kHundredths, .check = C::kTenths,
          .min = -200, .max = 200, .initial = "0.00"};
}
Field CurrentShift(int control) {
  return {.control = control, .word = 82, .format = F::kSigned, .check = C::kSignedInt,
          .min = -200, .max = 200, .initial = "0"};
}
Field IlluminanceShift(int control, int word) {
  return {.control = control, .word = word, .format = F::kSigned, .check = C::kSignedInt,
          .min = -200, .max = 200, .initial = "0"};
}
// Type 5 checks its limits as unsigned words; the others keep them as signed
// words, held to what a word can hold so that "70000" is not written as 4464.
Field Co2Lo(int control, bool checked) {
  if (checked)
    return {.control = control, .word = 62, .format = F::kUnsigned, .check = C::kUnsignedInt,
            .min = 0, .max = 65535, .initial = "800"};
  return {.control = control, .word = 62, .format = F::kSigned, .check = C::kSignedInt,
          .min = -32768, .max = 32767, .initial = "800"};
}
Field Co2Hi(int control, bool checked) {
  Field f = Co2Lo(control, checked);
  f.word = 63;
  f.initial = "1000";
  return f;
}
Field Transparency(int control) {
  return {.control = control, .format = F::kThousandths, .check = C::kThousandths,
          .min = 1000, .max = 65000, .initial = "1.000", .record = kNoWord};
}

const InputRange kTemperatureInput{F::kTenths, C::kTenths, -500, 2000, "0.0", "50.0",
                                   "Vstup Lo [°C]", "Vstup Hi [°C]"};
const InputRange kHumidityInput{F::kTenths, C::kTenths, 0, 1000, "0.0", "100.0",
                                "Vstup Lo [%RH]", "Vstup Hi [%RH]"};
const InputRange kPlainInput{F::kSigned, C::kSignedInt, -32768, 32767, "0", "1000",
                             "Vstup Lo", "Vstup Hi"};
const InputRange kFrequencyInput{F::kUnsigned, C::kUnsignedInt, 1, 20000, "10", "100",
                                 "Vstup Lo [Hz]", "Vstup Hi [Hz]"};
// Up to 650.00 m/s: unsigned hundredths, checked as typed with the tenths rule.
const InputRange kAirSpeedInput{F::kUnsignedHundredths, C::kTenths, 0, 6500, "0.00", "10.00",
                                "Vstup Lo [m/s]", "Vstup Hi [m/s]"};
const InputRange kIlluminanceInput{F::kUnsigned, C::kUnsignedInt, 0, 65535, "0", "500",
                                   "Vstup Lo [lx]", "Vstup Hi [lx]"};

void AddOutput(DialogDef& def, int k, const OutputControls& c, const InputRange* in, int column) {
  const int i = 2 * (k - 1);
  if (in != nullptr) {
    def.fields.push_back({.control = c.in_lo, .word = 52 + i, .format = in->format,
                          .check = in->check, .min = in->min, .max = in->max, .initial = in->lo});
    def.fields.push_back({.control = c.in_hi, .word = 53 + i, .format = in->format,
                          .check = in->check, .min = in->min, .max = in->max, .initial = in->hi});
  }
  auto out = [&](int control, int word, const char* initial) {
    def.fields.push_back({.control = control, .word = word, .format = F::kTenths,
                          .check = C::kTenths, .min = 0, .max = kOutputMaxVoltage,
                          .initial = initial, .output = k});
  };
  out(c.out_lo, 92 + i, "0.0");
  out(c.out_hi, 93 + i, "10.0");
  out(c.safety, 7 + k, "0.0");
  def.outputs.push_back({.word = 67 + k, .current_radio = c.current, .voltage_radio = c.voltage,
                         .lo_label = c.out_lo_label, .hi_label = c.out_hi_label,
                         .safety_label = c.safety_label});
  def.layout.push_back(
      {c.group, k == 1 ? "Analogový výstup 1" : "Analogový výstup 2", column,
       {{.control = c.current, .kind = ControlKind::kRadio, .second = c.voltage},
        {c.in_lo_label, in != nullptr ? in->lo_label : "Vstup Lo PIR", c.in_lo},
        {c.in_hi_label, in != nullptr ? in->hi_label : "Vstup Hi PIR", c.in_hi},
        {c.out_lo_label, "Výstup Lo [V]", c.out_lo},
        {c.out_hi_label, "Výstup Hi [V]", c.out_hi},
        {c.safety_label, "Safety hod. [V]", c.safety}}});
}

LayoutGroup TextGroup(int group, int edit, int column) {
  return {group, "Textové pole", column, {{.control = edit}}};
}

LayoutGroup Shifts(int group, const std::vector<ShiftRow>& rows, int column) {
  LayoutGroup g{group, "Posuv měřené hodnoty", column, {}};
  for (const auto& r : rows) g.rows.push_back({r.label, r.text, r.control});
  return g;
}

LayoutGroup Display(int group, int label, int contrast, int column) {
  return {group, "Displej", column, {{label, "Kontrast LCD", contrast}}};
}

LayoutGroup NetworkGroup(int group, int address_label, int address, int speed_label, int speed,
                         int column, int parity_label, int parity) {
  LayoutGroup g{group, "Síťové nastavení", column,
                {{address_label, "Adresa", address},
                 {speed_label, "Rychlost", speed, ControlKind::kSortedCombo, 0, 50}}};
  if (parity != 0)
    g.rows.push_back({parity_label, "Parita", parity, ControlKind::kDropDownCombo, 0, 50});
  return g;
}

const std::vector<const char*> kParityPlain = {"none", "odd", "even"};
const std::vector<const char*> kParityPadded = {"none", " odd", "even"};

}  // namespace travik::compact
