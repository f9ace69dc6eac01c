// Templates of the rack transmitters with two analog outputs: UC-RGQ (160),
// UC-RGQ-A (162, no LCD), UC-VWC (159), UC-MXH (163) and UC-BCM (161). One
// layout; the UC-RGQ's identifiers are its documented ones, the others follow
// its pattern with identifiers of their own.
#include <algorithm>

#include "resources/member_layout.h"
#include "resources/resources.h"

namespace travik::res {

using ui::ControlKind;
using namespace layout;

namespace {

constexpr int kCol = 122;
constexpr int kOutCol = 130;

struct OutputIds {
  int current, voltage;
  int source_t = 0, source_h = 0;  // output 1 of the members that choose
  int in_lo, in_hi, out_lo, out_hi, safety;
  int in_lo_label, in_hi_label, out_lo_label, out_hi_label, safety_label;
  const char* in_unit;  // the labels' unit at opening
};

struct AnalogIds {
  int number;
  const char* title;
  const char* header;
  int shift_t, shift_h = 0, shift_co2 = 0;
  int text;
  bool lcd = true;
  int day = 0, night = 0, time = 0, menu = 0;
  int colour_t = 0, colour_h = 0, colour_third = 0;
  const char* third_colour = "Měřená konc.CO2";
  int switch_group = 0, switch_lo_label = 0, switch_hi_label = 0, switch_lo = 0, switch_hi = 0;
  OutputIds out1, out2;
  int indication_lo = 0, indication_hi = 0;
  int cal_group = 0, cal_label = 0, cal_edit = 0, cal_button = 0;
  int set = 0, lo = 0, hi = 0, bargraph = 0, kind = 0;  // UC-MXH's temperature group
  DeviceButtons buttons;
};

int OutputGroup(ui::TemplateBuilder& b, const char* caption, const OutputIds& o, int x, int y) {
  auto g = b.Group(kNoLabel, caption, x, y, kOutCol);
  // The source pair and the kind pair are separate radio groups: the rows
  // between them end each run of radio buttons.
  if (o.source_t != 0)
    g.Full(o.source_t, ControlKind::kRadio, "Teplota", 10).Full(o.source_h, ControlKind::kRadio, "Vlhkost", 10);
  const std::string unit = o.in_unit;
  g.Row(o.in_lo_label, "Vstup Lo " + unit, o.in_lo, ControlKind::kEdit)
      .Row(o.in_hi_label, "Vstup Hi " + unit, o.in_hi, ControlKind::kEdit);
  g.Full(o.current, ControlKind::kRadio, "Proud", 10).Full(o.voltage, ControlKind::kRadio, "Napětí", 10);
  g.Row(o.out_lo_label, "Výstup Lo [V]", o.out_lo, ControlKind::kEdit)
      .Row(o.out_hi_label, "Výstup Hi [V]", o.out_hi, ControlKind::kEdit)
      .Row(o.safety_label, "Inicializační hodnota", o.safety, ControlKind::kEdit)
      .End();
  return g.Bottom() + kGap;
}

ui::DialogTemplate Analog(const AnalogIds& m) {
  ui::TemplateBuilder b(m.number, m.title, 100, 100);
  int x = 7;
  int y = ShiftGroup(b, {.temperature = m.shift_t, .humidity = m.shift_h, .co2 = m.shift_co2}, x,
                     7, kCol);
  y = TextGroup(b, m.text, x, y, kCol);
  if (m.lcd) {
    y = CheckGroup(b, "LCD", m.menu, kMenuLockedText, x, y, kCol);
    // "Podsvícení neaktivní LCD" and "Čas aktivního LCD" are groups of their
    // own inside the saver's group.
    auto saver = b.Group(kNoLabel, "Nastavení šetřiče LCD", x, y, kCol);
    auto backlight = b.Group(kNoLabel, "Podsvícení neaktivní LCD", x + 4, y + 10, kCol - 8);
    backlight.Row(kNoLabel, "Ve dne", m.day, ControlKind::kEdit, 30)
        .Row(kNoLabel, "V noci", m.night, ControlKind::kEdit, 30)
        .End();
    auto time = b.Group(kNoLabel, "Čas aktivního LCD", x + 4, backlight.Bottom(), kCol - 8);
    time.Full(m.time, ControlKind::kDropDownList).End();
    saver.Space(time.Bottom() - y - 10).End();
    y = saver.Bottom() + kGap;
  }
  int bottom = y;

  x += kCol + kGap;
  bottom = std::max(bottom, OutputGroup(b, "Výstup 1", m.out1, x, 7));
  x += kOutCol + kGap;
  bottom = std::max(bottom, OutputGroup(b, "Výstup 2", m.out2, x, 7));

  x += kOutCol + kGap;
  y = 7;
  if (m.bargraph != 0)
    y = ChannelGroup(b,
                     {.caption = "Teplota - konfigurační parametry", .unit = "[°C]", .lower = m.lo,
                      .upper = m.hi, .setpoint = m.set, .bargraph = m.bargraph,
                      .kind_text = m.kind, .kind_default = "Relativní"},
                     x, y, kCol);
  if (m.lcd) {
    std::vector<Row> colours = {{"Měřená Teplota", m.colour_t, ControlKind::kOwnerDrawCombo}};
    if (m.colour_h != 0) colours.push_back({"Měřená Vlhkost", m.colour_h, ControlKind::kOwnerDrawCombo});
    if (m.colour_third != 0)
      colours.push_back({m.third_colour, m.colour_third, ControlKind::kOwnerDrawCombo});
    y = RowGroup(b, kNoLabel, "Nastavení barev", x, y, kCol, colours);
  }
  if (m.indication_lo != 0)
    y = LimitsGroup(b, kCo2IndicationCaption, {.lower = m.indication_lo, .upper = m.indication_hi},
                    x, y, kCol);
  // Service controls: the dialog hides them at opening (its table lists them),
  // but they stay in the template so their identifiers remain taken.
  if (m.cal_group != 0)
    y = CalibrationGroup(b, m.cal_group, m.cal_label, m.cal_edit, m.cal_button, "Zápsat kalibraci",
                         x, y, kCol);
  if (m.switch_group != 0)
    y = LimitsGroup(b, kSwitchingCaption,
                    {.lower = m.switch_lo, .upper = m.switch_hi, .group = m.switch_group,
                     .lower_label = m.switch_lo_label, .upper_label = m.switch_hi_label},
                    x, y, kCol + 40);
  bottom = std::max(bottom, y);
  ButtonRows(b, m.buttons, m.header, bottom + 2);
  b.Get().w = x + kCol + (m.switch_group != 0 ? 40 : 0) + 7;
  b.Get().h = bottom + 40;
  return b.Build();
}

}  // namespace

std::vector<ui::DialogTemplate> RackAnalogTemplates() {
  const AnalogIds rgq{
      .number = 160, .title = "UC-RGQ", .header = "UCRGQ", .shift_t = 3550, .shift_h = 3551,
      .shift_co2 = 3620, .text = 3619, .day = 3562, .night = 3564, .time = 3566, .menu = 3594,
      .colour_t = 3554, .colour_h = 3556, .colour_third = 3557, .switch_group = 3595,
      .switch_lo_label = 3596, .switch_hi_label = 3597, .switch_lo = 3598, .switch_hi = 3599,
      .out1 = {.current = 3568, .voltage = 3569, .source_t = 3607, .source_h = 3608, .in_lo = 3572,
               .in_hi = 3573, .out_lo = 3577, .out_hi = 3576, .safety = 3579, .in_lo_label = 3570,
               .in_hi_label = 3571, .out_lo_label = 3575, .out_hi_label = 3574,
               .safety_label = 3578, .in_unit = "[°C]"},
      .out2 = {.current = 3581, .voltage = 3582, .in_lo = 3585, .in_hi = 3586, .out_lo = 3589,
               .out_hi = 3590, .safety = 3592, .in_lo_label = 3583, .in_hi_label = 3584,
               .out_lo_label = 3587, .out_hi_label = 3588, .safety_label = 3591,
               .in_unit = "[ppm]"},
      .indication_lo = 3611, .indication_hi = 3613, .cal_group = 3614, .cal_label = 3615,
      .cal_edit = 3616, .cal_button = 3617,
      .buttons = {.open = 3600, .read = 3603, .save = 3601, .write = 3604,
                  .preset = 3602, .cancel = 3605}};
  const AnalogIds rgqa{
      .number = 162, .title = "UC-RGQ-A", .header = "UCRGQR", .shift_t = 3691, .shift_h = 3692,
      .shift_co2 = 3693, .text = 3695, .lcd = false,
      .out1 = {.current = 3698, .voltage = 3699, .source_t = 3700, .source_h = 3701, .in_lo = 3703,
               .in_hi = 3704, .out_lo = 3707, .out_hi = 3708, .safety = 3710, .in_lo_label = 3705,
               .in_hi_label = 3706, .out_lo_label = 3709, .out_hi_label = 3711,
               .safety_label = 3712, .in_unit = "[°C]"},
      .out2 = {.current = 3714, .voltage = 3715, .in_lo = 3720, .in_hi = 3721, .out_lo = 3718,
               .out_hi = 3719, .safety = 3723, .in_lo_label = 3716, .in_hi_label = 3717,
               .out_lo_label = 3722, .out_hi_label = 3724, .safety_label = 3725,
               .in_unit = "[ppm]"},
      .indication_lo = 3728, .indication_hi = 3730, .cal_group = 3732, .cal_label = 3733,
      .cal_edit = 3734, .cal_button = 3735,
      .buttons = {.open = 3740, .read = 3741, .save = 3742, .write = 3743,
                  .preset = 3744, .cancel = 3745}};
  const AnalogIds vwc{
      .number = 159, .title = "UC-VWC", .header = "UCVWC", .shift_t = 3490, .shift_h = 3491,
      .text = 3492, .day = 3542, .night = 3544, .time = 3546, .menu = 3547, .colour_t = 3548,
      .colour_h = 3549, .switch_group = 3535, .switch_lo_label = 3536, .switch_hi_label = 3537,
      .switch_lo = 3538, .switch_hi = 3539,
      .out1 = {.current = 3500, .voltage = 3501, .in_lo = 3505, .in_hi = 3506, .out_lo = 3513,
               .out_hi = 3514, .safety = 3519, .in_lo_label = 3521, .in_hi_label = 3522,
               .out_lo_label = 3523, .out_hi_label = 3524, .safety_label = 3525, .in_unit = "[°C]"},
      .out2 = {.current = 3502, .voltage = 3503, .in_lo = 3507, .in_hi = 3508, .out_lo = 3515,
               .out_hi = 3516, .safety = 3520, .in_lo_label = 3526, .in_hi_label = 3527,
               .out_lo_label = 3528, .out_hi_label = 3529, .safety_label = 3530,
               .in_unit = "[%RH]"},
      .buttons = {.open = 3550, .read = 3551, .save = 3552, .write = 3553,
                  .preset = 3554, .cancel = 3555}};
  const AnalogIds mxh{
      .number = 163, .title = "UC-MXH", .header = "UCMXH", .shift_t = 3748, .text = 3750,
      .day = 3762, .night = 3764, .time = 3766, .menu = 3767, .colour_t = 3768,
      .switch_group = 3755, .switch_lo_label = 3756, .switch_hi_label = 3757, .switch_lo = 3758,
      .switch_hi = 3759,
      .out1 = {.current = 3769, .voltage = 3770, .in_lo = 3772, .in_hi = 3773, .out_lo = 3776,
               .out_hi = 3777, .safety = 3779, .in_lo_label = 3774, .in_hi_label = 3775,
               .out_lo_label = 3778, .out_hi_label = 3780, .safety_label = 3781, .in_unit = "[°C]"},
      .out2 = {.current = 3782, .voltage = 3783, .in_lo = 3785, .in_hi = 3786, .out_lo = 3789,
               .out_hi = 3790, .safety = 3792, .in_lo_label = 3787, .in_hi_label = 3788,
               .out_lo_label = 3791, .out_hi_label = 3793, .safety_label = 3794, .in_unit = "[°C]"},
      .set = 3812, .lo = 3810, .hi = 3811, .bargraph = 3814, .kind = 3815,
      .buttons = {.open = 3800, .read = 3801, .save = 3802, .write = 3803,
                  .preset = 3804, .cancel = 3805}};
  const AnalogIds bcm{
      .number = 161, .title = "UC-BCM", .header = "UCBCM", .shift_t = 3626, .shift_h = 3627,
      .text = 3628, .day = 3641, .night = 3643, .time = 3645, .menu = 3646, .colour_t = 3630,
      .colour_h = 3631, .colour_third = 3632, .third_colour = "Měřená konc.VOC",
      .switch_group = 3634, .switch_lo_label = 3635, .switch_hi_label = 3636, .switch_lo = 3637,
      .switch_hi = 3638,
      .out1 = {.current = 3648, .voltage = 3649, .source_t = 3650, .source_h = 3651, .in_lo = 3653,
               .in_hi = 3654, .out_lo = 3657, .out_hi = 3658, .safety = 3660, .in_lo_label = 3655,
               .in_hi_label = 3656, .out_lo_label = 3661, .out_hi_label = 3662,
               .safety_label = 3663, .in_unit = "[°C]"},
      .out2 = {.current = 3664, .voltage = 3665, .in_lo = 3666, .in_hi = 3667, .out_lo = 3670,
               .out_hi = 3671, .safety = 3673, .in_lo_label = 3668, .in_hi_label = 3669,
               .out_lo_label = 3674, .out_hi_label = 3675, .safety_label = 3676,
               .in_unit = "[ppb]"},
      .buttons = {.open = 3680, .read = 3681, .save = 3682, .write = 3683,
                  .preset = 3684, .cancel = 3685}};
  return {Analog(rgq), Analog(rgqa), Analog(vwc), Analog(mxh), Analog(bcm)};
}

}  // namespace travik::res
