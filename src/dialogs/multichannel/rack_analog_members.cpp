// The tables of the five rack transmitters with analog outputs. The UC-RGQ's
// controls, checks and defaults are the device's documented ones; the other
// four follow its pattern for the quantities they measure, with our own
// choices where their documentation gives none.
#include "dialogs/multichannel/rack_analog_dialog.h"

#include <span>
#include <tuple>

#include "dialogs/multichannel/member_fields.h"
#include "resources/bitmaps.h"

namespace travik {

namespace {

struct ColourCombo {
  int control;
  int nibble;  // of word 36: 0 temperature, 1 humidity, 2 CO2 or TVOC
};

using namespace members;
using F = FieldFormat;
using C = CheckKind;

// What an output's input range measures: format, check and limits, defaults.
struct InputRange {
  F format = F::kTenths;
  C check = C::kNone;
  int min = 0, max = 0;
  const char* lo_default = "";
  const char* hi_default = "";
};

// One output's controls: the kind radios and labels, the input and output
// ranges and the safety value.
struct OutputLayout {
  int word = 0;  // 68 or 69
  int current = 0, voltage = 0;
  int in_lo = 0, in_hi = 0, out_lo = 0, out_hi = 0, safety = 0;
  int out_lo_label = 0, out_hi_label = 0, safety_label = 0;
  InputRange input{};
};

struct MemberLayout {
  MemberFrame frame{};  // Build opens every member's text field blank
  int shift_t = 0, shift_h = 0, shift_co2 = 0;
  bool lcd = false;
  int day = 0, night = 0, time = 0, menu = 0;
  std::vector<ColourCombo> colours{};  // word 36
  int switch_lo = 0, switch_hi = 0;
  int hidden_first = 0, hidden_last = 0;  // switching-limit controls, hidden at opening
  OutputLayout out1, out2;
  AnalogSource source{};
  int indication_lo = 0, indication_hi = 0;
  int cal_first = 0, cal_last = 0, cal_edit = 0, cal_button = 0;
  int setpoint = 0, lower = 0, upper = 0;     // UC-MXH's temperature group (words 15, 66, 67)
  int bargraph = 0, bargraph_kind = 0;
};

RackAnalogDef Build(const MemberLayout& m) {
  RackAnalogDef r;
  DialogDef& d = r.mc.dialog;
  MemberFrame frame = m.frame;
  frame.text_initial = "                ";  // sixteen blanks
  d = Frame(frame);
  d.preset_resets_choices = true;

  // In the order the timer checks them.
  auto& f = d.fields;
  if (m.lcd) {
    f.push_back(Percent(m.day, 34, "30"));
    f.push_back(Percent(m.night, 38, "10"));
  }
  f.push_back(TemperatureShift(m.shift_t));
  if (m.shift_h != 0) f.push_back(HumidityShift(m.shift_h));
  if (m.shift_co2 != 0) f.push_back(Co2Shift(m.shift_co2));
  // Output 1's input range: checked here when its source is fixed, by the
  // dialog when the source can be chosen.
  for (int k = 0; k < 2; ++k) {
    const OutputLayout& o = k == 0 ? m.out1 : m.out2;
    const int range_word = k == 0 ? 52 : 54;
    const bool by_source = k == 0 && m.source.temperature_radio != 0;
    const InputRange& in = o.input;
    f.push_back({.control = o.in_lo, .word = range_word, .format = in.format,
                 .check = by_source ? C::kNone : in.check, .min = in.min, .max = in.max,
                 .initial = in.lo_default});
    f.push_back({.control = o.in_hi, .word = range_word + 1, .format = in.format,
                 .check = by_source ? C::kNone : in.check, .min = in.min, .max = in.max,
                 .initial = in.hi_default});
  }
  for (int k = 0; k < 2; ++k) {
    const OutputLayout& o = k == 0 ? m.out1 : m.out2;
    const int out_word = k == 0 ? 92 : 94;
    const int safety_word = k == 0 ? 8 : 9;
    for (auto [control, word, initial] : {std::tuple{o.out_lo, out_word, "0.0"},
                                          std::tuple{o.out_hi, out_word + 1, "10.0"},
                                          std::tuple{o.safety, safety_word, "0.0"}}) {
      f.push_back({.control = control, .word = word, .format = F::kTenths, .check = C::kTenths,
                   .min = 0, .max = kOutputMaxVoltage, .initial = initial, .output = k + 1});
    }
    d.outputs.push_back({.word = o.word, .current_radio = o.current, .voltage_radio = o.voltage,
                         .lo_label = o.out_lo_label, .hi_label = o.out_hi_label,
                         .safety_label = o.safety_label, .mask = 0x00FF,
                         .safety_initial = "Inicializační hodnota"});
  }
  if (m.setpoint != 0) {
    f.push_back(Temperature(m.setpoint, 15, "0.0"));
    f.push_back(Temperature(m.upper, 67, "5.0"));
    f.push_back(Temperature(m.lower, 66, "-5.0"));
  }
  // Unchecked.
  if (m.lcd) {
    f.push_back(Unchecked(m.switch_lo, 56, "20"));
    f.push_back(Unchecked(m.switch_hi, 57, "30"));
  }
  if (m.indication_lo != 0) {
    f.push_back(Unchecked(m.indication_lo, 64, "1000"));
    f.push_back(Unchecked(m.indication_hi, 65, "2000"));
  }
  if (m.cal_edit != 0) f.push_back(CalibrationValue(m.cal_edit));

  if (m.lcd) d.choices.push_back(MenuLocked(m.menu));
  for (int id = m.hidden_first; id != 0 && id <= m.hidden_last; ++id) d.hidden.push_back(id);
  for (int id = m.cal_first; id != 0 && id <= m.cal_last; ++id) d.hidden.push_back(id);
  if (m.cal_button != 0) d.offline_disabled.push_back(m.cal_button);

  // The family's words: time, colours (seven), the UC-MXH's bargraph; no
  // bracket around the transfers.
  MultiChannelDef& mc = r.mc;
  mc.host_transfer = false;
  mc.colour_bitmaps = std::span(res::kColourBitmapList).first(7);
  mc.word_defaults = {{.word = 36, .value = 0x222}};
  if (m.lcd) {
    mc.active_time_combo = m.time;
    mc.word_defaults.push_back({.word = 35, .value = 5});
  }
  for (const ColourCombo& c : m.colours)
    mc.colours.push_back({.control = c.control, .word = 36, .nibble = c.nibble});
  if (m.bargraph != 0) {
    mc.channels.push_back({.word = 75, .bargraph_combo = m.bargraph, .kind_text = m.bargraph_kind});
    mc.word_defaults.push_back({.word = 75, .value = 1});
  }
  mc.calibration_edit = m.cal_edit;
  mc.calibration_button = m.cal_button;
  r.source = m.source;
  return r;
}

const InputRange kTemperatureInput{.format = F::kTenths, .check = C::kTenths, .min = -500,
                                  .max = 2000, .lo_default = "0.0", .hi_default = "50.0"};
const InputRange kPpmInput{.format = F::kUnsigned, .check = C::kUnsignedInt, .min = 0,
                          .max = 9999, .lo_default = "400", .hi_default = "1600"};
const InputRange kPpbInput{.format = F::kUnsigned, .check = C::kUnsignedInt, .min = 0,
                          .max = 9999, .lo_default = "0", .hi_default = "2000"};
const InputRange kHumidityInput{.format = F::kTenths, .check = C::kTenths, .min = 0,
                               .max = 1000, .lo_default = "0.0", .hi_default = "100.0"};

}  // namespace

const std::vector<const RackAnalogDef*>& RackAnalogDefs() {
  static const RackAnalogDef rgq = Build({
      .frame = {.number = 160, .title = "UC-RGQ", .header = "UCRGQ",
                 .buttons = {.open = 3600, .read = 3603, .save = 3601, .write = 3604, .preset = 3602, .cancel = 3605},
                 .text = 3619, .text_preset = "UC-RGQ  Kolvar    "},
      .shift_t = 3550, .shift_h = 3551, .shift_co2 = 3620,
      .lcd = true, .day = 3562, .night = 3564, .time = 3566, .menu = 3594,
      .colours = {{.control = 3554, .nibble = 0}, {.control = 3556, .nibble = 1},
                  {.control = 3557, .nibble = 2}},
      .switch_lo = 3598, .switch_hi = 3599,
      .hidden_first = 3595, .hidden_last = 3599,
      .out1 = {.word = 68, .current = 3568, .voltage = 3569, .in_lo = 3572, .in_hi = 3573,
               .out_lo = 3577, .out_hi = 3576, .safety = 3579, .out_lo_label = 3575,
               .out_hi_label = 3574, .safety_label = 3578, .input = kTemperatureInput},
      .out2 = {.word = 69, .current = 3581, .voltage = 3582, .in_lo = 3585, .in_hi = 3586,
               .out_lo = 3589, .out_hi = 3590, .safety = 3592, .out_lo_label = 3587,
               .out_hi_label = 3588, .safety_label = 3591, .input = kPpmInput},
      .source = {.temperature_radio = 3607, .humidity_radio = 3608, .in_lo = 3572,
                 .in_hi = 3573, .in_lo_label = 3570, .in_hi_label = 3571},
      .indication_lo = 3611,
      .indication_hi = 3613, .cal_first = 3614, .cal_last = 3617, .cal_edit = 3616,
      .cal_button = 3617});
  static const RackAnalogDef rgqa = Build({
      .frame = {.number = 162, .title = "UC-RGQ-A", .header = "UCRGQR",
                 .buttons = {.open = 3740, .read = 3741, .save = 3742, .write = 3743, .preset = 3744, .cancel = 3745},
                 .text = 3695, .text_preset = "UC-RGQ-A  Kolvar  "},
      .shift_t = 3691, .shift_h = 3692, .shift_co2 = 3693,
      .lcd = false,
      .out1 = {.word = 68, .current = 3698, .voltage = 3699, .in_lo = 3703, .in_hi = 3704,
               .out_lo = 3707, .out_hi = 3708, .safety = 3710, .out_lo_label = 3709,
               .out_hi_label = 3711, .safety_label = 3712, .input = kTemperatureInput},
      .out2 = {.word = 69, .current = 3714, .voltage = 3715, .in_lo = 3720, .in_hi = 3721,
               .out_lo = 3718, .out_hi = 3719, .safety = 3723, .out_lo_label = 3722,
               .out_hi_label = 3724, .safety_label = 3725, .input = kPpmInput},
      .source = {.temperature_radio = 3700, .humidity_radio = 3701, .in_lo = 3703,
                 .in_hi = 3704, .in_lo_label = 3705, .in_hi_label = 3706},
      .indication_lo = 3728,
      .indication_hi = 3730, .cal_first = 3732, .cal_last = 3735, .cal_edit = 3734,
      .cal_button = 3735});
  static const RackAnalogDef vwc = Build({
      .frame = {.number = 159, .title = "UC-VWC", .header = "UCVWC",
                 .buttons = {.open = 3550, .read = 3551, .save = 3552, .write = 3553, .preset = 3554, .cancel = 3555},
                 .text = 3492, .text_preset = "UC-VWC  Kolvar    "},
      .shift_t = 3490, .shift_h = 3491, .lcd = true,
      .day = 3542, .night = 3544, .time = 3546, .menu = 3547,
      .colours = {{.control = 3548, .nibble = 0}, {.control = 3549, .nibble = 1}},
      .switch_lo = 3538, .switch_hi = 3539,
      .hidden_first = 3535, .hidden_last = 3539,
      .out1 = {.word = 68, .current = 3500, .voltage = 3501, .in_lo = 3505, .in_hi = 3506,
               .out_lo = 3513, .out_hi = 3514, .safety = 3519, .out_lo_label = 3523,
               .out_hi_label = 3524, .safety_label = 3525, .input = kTemperatureInput},
      .out2 = {.word = 69, .current = 3502, .voltage = 3503, .in_lo = 3507, .in_hi = 3508,
               .out_lo = 3515, .out_hi = 3516, .safety = 3520, .out_lo_label = 3528,
               .out_hi_label = 3529, .safety_label = 3530, .input = kHumidityInput}});
  static const RackAnalogDef mxh = Build({
      .frame = {.number = 163, .title = "UC-MXH", .header = "UCMXH",
                 .buttons = {.open = 3800, .read = 3801, .save = 3802, .write = 3803, .preset = 3804, .cancel = 3805},
                 .text = 3750, .text_preset = "UC-MXH  Kolvar    "},
      .shift_t = 3748, .lcd = true, .day = 3762,
      .night = 3764, .time = 3766, .menu = 3767, .colours = {{.control = 3768, .nibble = 0}},
      .switch_lo = 3758,
      .switch_hi = 3759, .hidden_first = 3755, .hidden_last = 3759,
      .out1 = {.word = 68, .current = 3769, .voltage = 3770, .in_lo = 3772, .in_hi = 3773,
               .out_lo = 3776, .out_hi = 3777, .safety = 3779, .out_lo_label = 3778,
               .out_hi_label = 3780, .safety_label = 3781, .input = kTemperatureInput},
      .out2 = {.word = 69, .current = 3782, .voltage = 3783, .in_lo = 3785, .in_hi = 3786,
               .out_lo = 3789, .out_hi = 3790, .safety = 3792, .out_lo_label = 3791,
               .out_hi_label = 3793, .safety_label = 3794, .input = kTemperatureInput},
      .setpoint = 3812, .lower = 3810, .upper = 3811, .bargraph = 3814, .bargraph_kind = 3815});
  static const RackAnalogDef bcm = Build({
      .frame = {.number = 161, .title = "UC-BCM", .header = "UCBCM",
                 .buttons = {.open = 3680, .read = 3681, .save = 3682, .write = 3683, .preset = 3684, .cancel = 3685},
                 .text = 3628, .text_preset = "UC-BCM  Kolvar    "},
      .shift_t = 3626, .shift_h = 3627, .lcd = true,
      .day = 3641, .night = 3643, .time = 3645, .menu = 3646,
      .colours = {{.control = 3630, .nibble = 0}, {.control = 3631, .nibble = 1},
                  {.control = 3632, .nibble = 2}},
      .switch_lo = 3637, .switch_hi = 3638,
      .hidden_first = 3634, .hidden_last = 3638,
      .out1 = {.word = 68, .current = 3648, .voltage = 3649, .in_lo = 3653, .in_hi = 3654,
               .out_lo = 3657, .out_hi = 3658, .safety = 3660, .out_lo_label = 3661,
               .out_hi_label = 3662, .safety_label = 3663, .input = kTemperatureInput},
      .out2 = {.word = 69, .current = 3664, .voltage = 3665, .in_lo = 3666, .in_hi = 3667,
               .out_lo = 3670, .out_hi = 3671, .safety = 3673, .out_lo_label = 3674,
               .out_hi_label = 3675, .safety_label = 3676, .input = kPpbInput},
      .source = {3650, 3651, 3653, 3654, 3655, 3656}});
  static const std::vector<const RackAnalogDef*> defs = {&rgq, &rgqa, &vwc, &mxh, &bcm};
  return defs;
}

const RackAnalogDef* FindRackAnalogDef(int template_number) {
  for (const RackAnalogDef* def : RackAnalogDefs())
    if (def->mc.dialog.template_number == template_number) return def;
  return nullptr;
}

}  // namespace travik
