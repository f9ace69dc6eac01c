// Field groups the compact dialogs share: each has the same words, formats,
// limits and defaults in every member that has it; a member gives only its
// controls.
#pragma once

#include "dialogs/config_dialog.h"

namespace travik::compact {

inline constexpr const char* kBlank16 = "                ";

// A member's table with its model name, its six buttons and its text field;
// the rest is filled by the member.
DialogDef MemberBase(int number, const char* model, const DeviceButtons& buttons, int text,
                     const char* text_initial, const char* text_preset);

Field AirSpeedShift(int control);                   // word 82, ±20.00 m/s
Field CurrentShift(int control);                    // word 82, ±200 mA (type 21)
Field IlluminanceShift(int control, int word);      // ±200 lx
// The CO2 indication limits (words 62, 63), kept Hi above Lo: unsigned
// 0..65535 where a member checks them so, signed words otherwise.
Field Co2Lo(int control, bool checked = false);
Field Co2Hi(int control, bool checked = false);
// "Korekce Transparence": carried and checked, hidden, on no word.
Field Transparency(int control);

// What an analog output's input range measures.
struct InputRange {
  FieldFormat format;
  CheckKind check;
  int min, max;
  const char* lo;
  const char* hi;
  const char* lo_label;
  const char* hi_label;
};
extern const InputRange kTemperatureInput;  // types 0, 2, output 1
extern const InputRange kHumidityInput;     // types 0, 2, output 2
extern const InputRange kPlainInput;        // type 3
extern const InputRange kFrequencyInput;    // type 4
extern const InputRange kAirSpeedInput;     // type 9
extern const InputRange kIlluminanceInput;  // type 11

// Controls of analog output k; label and group identifiers are the member's.
struct OutputControls {
  int group;
  int current, voltage;
  int in_lo_label, in_lo, in_hi_label, in_hi;
  int out_lo_label, out_lo, out_hi_label, out_hi;
  int safety_label, safety;
};
// Adds output k (1 or 2): its kind radios on word 67 + k, input range on
// words 52 + 2(k-1), output range on 92 + 2(k-1), safety value on word 7 + k,
// and its group in the layout column. A null input range gives an input the
// member fills itself (type 11's motion input).
void AddOutput(DialogDef& def, int k, const OutputControls& c, const InputRange* input, int column);

LayoutGroup TextGroup(int group, int edit, int column);
// "Posuv měřené hodnoty" with one labelled row per shift.
struct ShiftRow {
  int label;
  const char* text;
  int control;
};
LayoutGroup Shifts(int group, const std::vector<ShiftRow>& rows, int column);
// "Displej" with the contrast edit.
LayoutGroup Display(int group, int label, int contrast, int column);
// "Síťové nastavení": address and speed, and parity where given.
LayoutGroup NetworkGroup(int group, int address_label, int address, int speed_label, int speed,
                         int column, int parity_label = 0, int parity = 0);

// The parity lists: type 21 and type 48 spell odd differently.
extern const std::vector<const char*> kParityPlain;   // "none", "odd", "even"
extern const std::vector<const char*> kParityPadded;  // "none", " odd", "even"

}  // namespace travik::compact
