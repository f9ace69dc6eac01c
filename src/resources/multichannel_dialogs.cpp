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
               {"Teplota - konfigurační parametry", "[°C]", 3881, 3882, 3883, 3884, 3885,
                "Korekce Teploty", "Žádaná Teplota", 3887, 3898, "Relativní", 3877, 3878, 3879,
                3880, 3886, true},
               x2, 7, w2);
  ChannelGroup(b,
               {"Vlhkost - konfigurační parametry", "[%RH]", 3892, 3893, 3894, 3895, 3896,
                "Korekce Vlhkosti", "Žádaná Vlhkosti", 3900, 3899, "Absolutní", 3888, 3889, 3890,
                3891, 3897, true},
               x2, 7 + 112, w2);
  ChannelGroup(b,
               {"Koncentrace CO2 - konfigurační parametry", "[%ppm]", 4056, 4053, 4052, 4061, 4062,
                "Korekce Konc. CO2", "Žádaná Konc. CO2", 4058, 4063, "Konstatní", 4060, 4057,
                4055, 4054, 4059, true},
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
  my = NamedModeGroup(b, {3901, "Režim 1", 3902, 4049, 3903, 3904, 3906, 2}, x4, my, 3) + 4;
  my = NamedModeGroup(b, {3937, "Režim 2", 3938, 3939, 3940, 3941, 3943, 2}, x4, my, 3) + 4;
  my = NamedModeGroup(b, {3974, "Režim 3", 3975, 3976, 3977, 3978, 3980, 2}, x4, my, 3) + 4;

  // Buttons in two rows under the first three columns.
  ButtonRows(
      b, {.open = 4040, .read = 4043, .save = 4041, .write = 4044, .preset = 4042, .cancel = 4045},
      "KDB7DY", 371);
  (void)my;
  return b.Build();
}

std::vector<ui::DialogTemplate> MultiChannelTemplates() { return {Kdb7dyTemplate()}; }

}  // namespace travik::res
