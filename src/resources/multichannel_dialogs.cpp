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
  // Column 1: shifts, screen saver, text, network, menu, quick select.
  const int x1 = 7, w1 = 135;
  auto shifts = b.Group(3858, "Posuv měřené hodnoty", x1, 7, w1);
  shifts.Row(3859, "Teplota [°C]", 3861, ControlKind::kEdit)
      .Row(3860, "Vlhkost [%RH]", 3862, ControlKind::kEdit)
      .Row(4050, "Konc. CO2 [ppm]", 4051, ControlKind::kEdit)
      .End();
  auto saver = b.Group(3863, "Nastavení šetřiče LCD", x1, shifts.Bottom(), w1);
  saver.Row(3864, "Podsvícení neaktivní LCD", 3866, ControlKind::kEdit, 28)
      .Row(3865, "Čas aktivního LCD", 3867, ControlKind::kDropDownList, 40)
      .End();
  auto text = b.Group(3868, "Textové pole", x1, saver.Bottom(), w1);
  text.Full(3869, ControlKind::kEdit).End();
  auto net = b.Group(3870, "Síťové nastavení", x1, text.Bottom(), w1);
  net.Row(3871, "Adresa", 3874, ControlKind::kEdit)
      .Row(3872, "Rychlost", 3875, ControlKind::kSortedCombo, 50)
      .Row(3873, "Parita", 3876, ControlKind::kDropDownList, 50)
      .End();
  auto menu = b.Group(4023, "Povolení Menu", x1, net.Bottom(), w1);
  menu.Full(4024, ControlKind::kCheckBox, "Menu nepřístupné", 10).End();
  auto quick = b.Group(4025, "Rychlá volba", x1, menu.Bottom(), w1);
  quick.Row(4026, "Prostřední tlačítko", 4027, ControlKind::kDropDownList, 62)
      .Row(4028, "Spodní tlačítko", 4029, ControlKind::kDropDownList, 62)
      .End();

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
  auto limits = b.Group(4064, "Limity indikace CO2", x3, 7, w3);
  limits.Row(4065, "Spodní limit", 4067, ControlKind::kEdit)
      .Row(4066, "Horní limit", 4068, ControlKind::kEdit)
      .End();
  auto co2cal = b.Group(4069, "Kalibrace CO2", x3, limits.Bottom(), w3);
  co2cal.Full(4070, ControlKind::kCheckBox, "Zákázat automatickou kalibraci", 10).End();
  auto output = b.Group(4030, "Digitální výstup", x3, co2cal.Bottom(), w3);
  output.Full(4031, ControlKind::kRadio, "Dvojstavový", 10)
      .Full(4032, ControlKind::kRadio, "PWM výstup", 10)
      .Row(4033, "Počet kroků", 4034, ControlKind::kEdit, 56)
      .Row(4035, "Frekvence [Hz]", 4036, ControlKind::kEdit, 56)
      .Row(4038, "Perioda [ms]", 4039, ControlKind::kReadOnlyEdit, 56)
      .Full(4037, ControlKind::kButton, "Nastavit", 14)
      .End();
  const int cy = output.Bottom();
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
