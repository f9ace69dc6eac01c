// Templates of the multi-channel transmitter dialogs. Control identifiers,
// kinds and captions are the dialogs'; positions are ours, chosen so that the
// largest of them fits a 1280 x 1024 screen.
#include "resources/member_layout.h"
#include "resources/resources.h"
#include "ui/builder.h"

namespace travik::res {

using ui::ControlKind;

using namespace layout;

namespace {
constexpr int kRow = 16;
}  // namespace

ui::DialogTemplate Kdb7dyTemplate() {
  ui::TemplateBuilder b(kDlgKdb7dy, "KDB7DY", 682, 412);
  // Column 1: shifts, screen saver, text, network, menu, quick select. The
  // groups of this dialog touch: each starts at the bottom of the one above,
  // without the blocks' gap.
  const int x1 = 7, w1 = 135;
  int y1 = ShiftGroup(b,
                      {.temperature = 3861, .humidity = 3862, .co2 = 4051, .group = 3858,
                       .temperature_label = 3859, .humidity_label = 3860, .co2_label = 4050},
                      x1, 7, w1) -
           kGap;
  auto saver = b.Group(3863, "Nastavení šetřiče LCD", x1, y1, w1);
  saver.Row(3864, "Podsvícení neaktivní LCD", 3866, ControlKind::kEdit, 28)
      .Row(3865, "Čas aktivního LCD", 3867, ControlKind::kDropDownList, 40)
      .End();
  y1 = TextGroup(b, 3869, x1, saver.Bottom(), w1, 3868) - kGap;
  y1 = NetworkGroup(b,
                    {.address = 3874, .speed = 3875, .parity = 3876,
                     .speed_kind = ControlKind::kSortedCombo, .group = 3870, .address_label = 3871,
                     .speed_label = 3872, .parity_label = 3873},
                    x1, y1, w1) -
       kGap;
  y1 = MenuGroup(b, 4024, x1, y1, w1, 4023) - kGap;
  QuickSelectGroup(b,
                   {.middle = 4027, .bottom = 4029, .field_w = 62, .group = 4025,
                    .middle_label = 4026, .bottom_label = 4028},
                   x1, y1, w1);

  // Column 2: the three channels.
  const int x2 = x1 + w1 + 5, w2 = 155;
  ChannelGroup(b,
               {.caption = "Teplota - konfigurační parametry", .unit = "[°C]", .lower = 3881,
                .upper = 3882, .setpoint = 3883, .correction_radio = 3884, .setpoint_radio = 3885,
                .correction_text = "Korekce Teploty", .setpoint_text = "Žádaná Teplota",
                .bargraph = 3887, .kind_text = 3898, .kind_default = "Relativní", .group = 3877,
                .lower_label = 3878, .upper_label = 3879, .setpoint_label = 3880,
                .bargraph_label = 3886, .kind_beside = true},
               x2, 7, w2);
  ChannelGroup(b,
               {.caption = "Vlhkost - konfigurační parametry", .unit = "[%RH]", .lower = 3892,
                .upper = 3893, .setpoint = 3894, .correction_radio = 3895, .setpoint_radio = 3896,
                .correction_text = "Korekce Vlhkosti", .setpoint_text = "Žádaná Vlhkosti",
                .bargraph = 3900, .kind_text = 3899, .kind_default = "Absolutní", .group = 3888,
                .lower_label = 3889, .upper_label = 3890, .setpoint_label = 3891,
                .bargraph_label = 3897, .kind_beside = true},
               x2, 7 + 112, w2);
  ChannelGroup(b,
               {.caption = "Koncentrace CO2 - konfigurační parametry", .unit = "[%ppm]",
                .lower = 4056, .upper = 4053, .setpoint = 4052, .correction_radio = 4061,
                .setpoint_radio = 4062, .correction_text = "Korekce Konc. CO2",
                .setpoint_text = "Žádaná Konc. CO2", .bargraph = 4058, .kind_text = 4063,
                .kind_default = "Konstatní", .group = 4060, .lower_label = 4057,
                .upper_label = 4055, .setpoint_label = 4054, .bargraph_label = 4059,
                .kind_beside = true},
               x2, 7 + 224, w2);

  // Column 3: CO2 limits and calibration, digital output, colours.
  const int x3 = x2 + w2 + 5, w3 = 145;
  int y3 = LimitsGroup(b, kCo2IndicationCaption,
                       {.lower = 4067, .upper = 4068, .group = 4064, .lower_label = 4065,
                        .upper_label = 4066},
                       x3, 7, w3) -
           kGap;
  y3 = CheckGroup(b, "Kalibrace CO2", 4070, "Zákázat automatickou kalibraci", x3, y3, w3, 4069) -
       kGap;
  const int cy = DigitalOutputGroup(b,
                                    {.two_state = 4031, .pwm = 4032, .steps = 4034,
                                     .frequency = 4036, .period = 4039, .set = 4037, .field_w = 56,
                                     .group = 4030, .steps_label = 4033, .frequency_label = 4035,
                                     .period_label = 4038},
                                    x3, y3, w3) -
                 kGap;
  auto colours = b.Group(4011, "Nastavení barev", x3, cy, w3);
  b.Add(4012, ControlKind::kStatic, "Symboly", x3 + 6, cy + 12, 66, 8);
  b.Add(4016, ControlKind::kStatic, "Měřená", x3 + 78, cy + 12, 60, 8);
  const int colour_rows[3][4] = {
      {4013, 4046, 4017, 4018}, {4014, 4047, 4019, 4020}, {4015, 4048, 4022, 4021}};
  const char* const left[3] = {"Vlevo", "Uprostřed", "Vpravo"};
  const char* const right[3] = {"Teplota", "Vlhkost", "CO2"};
  for (int r = 0; r < 3; ++r) {
    const int ry = cy + 24 + r * kRow;
    b.Add(colour_rows[r][0], ControlKind::kStatic, left[r], x3 + 6, ry + 3, 36, 8);
    b.Add(colour_rows[r][1], ControlKind::kOwnerDrawCombo, "", x3 + 42, ry, kSymbolComboW, 80);
    b.Add(colour_rows[r][2], ControlKind::kStatic, right[r], x3 + 78, ry + 3, 31, 8);
    b.Add(colour_rows[r][3], ControlKind::kOwnerDrawCombo, "", x3 + 109, ry, kSymbolComboW, 80);
  }
  for (auto& c : b.Get().controls)
    if (c.id == 4011) c.h = 24 + 3 * kRow + 4;
  (void)colours;
  // Never shown; kept in the template as the dialog has it.
  const int hy = cy + 24 + 3 * kRow + 10;
  CalibrationGroup(b, 4071, 4072, 4073, 4074, "Zápsat kalibraci", x3, hy, w3);
  for (auto& c : b.Get().controls)
    if (c.id >= 4071 && c.id <= 4074) c.style |= ui::kStyleHidden;

  // Column 4: the display modes.
  const int x4 = x3 + w3 + 5;
  int my = 7;
  my = NamedModeGroup(b, {.group = 3901, .caption = "Režim 1", .link_label = 3902, .link = 4049,
                          .states_label = 3903, .states = 3904, .first_symbol = 3906,
                          .symbol_step = 2}, x4, my, 3) + 4;
  my = NamedModeGroup(b, {.group = 3937, .caption = "Režim 2", .link_label = 3938, .link = 3939,
                          .states_label = 3940, .states = 3941, .first_symbol = 3943,
                          .symbol_step = 2}, x4, my, 3) + 4;
  my = NamedModeGroup(b, {.group = 3974, .caption = "Režim 3", .link_label = 3975, .link = 3976,
                          .states_label = 3977, .states = 3978, .first_symbol = 3980,
                          .symbol_step = 2}, x4, my, 3) + 4;

  // Buttons in two rows under the first three columns.
  ButtonRows(
      b, {.open = 4040, .read = 4043, .save = 4041, .write = 4044, .preset = 4042, .cancel = 4045},
      "KDB7DY", 371);
  (void)my;
  return b.Build();
}

std::vector<ui::DialogTemplate> MultiChannelTemplates() { return {Kdb7dyTemplate()}; }

}  // namespace travik::res
