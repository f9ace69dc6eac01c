// Templates of the multi-channel transmitter dialogs. Control identifiers,
// kinds and captions are the dialogs'; positions are ours, chosen so that the
// largest of them fits a 1280 x 1024 screen.
#include "resources/multichannel_templates.h"

#include "resources/resources.h"
#include "ui/builder.h"

namespace travik::res {

using ui::ControlKind;

namespace {

constexpr int kRow = 16;
constexpr int kSymbolComboW = 30;

}  // namespace

void AddChannelGroup(ui::TemplateBuilder& b, const ChannelGroupIds& ids, int x, int y, int w) {
  auto g = b.Group(ids.group, ids.caption, x, y, w);
  g.Row(ids.lower_label, ids.lower_text, ids.lower, ControlKind::kEdit)
      .Row(ids.upper_label, ids.upper_text, ids.upper, ControlKind::kEdit)
      .Row(ids.setpoint_label, ids.setpoint_text, ids.setpoint, ControlKind::kEdit)
      .Full(ids.correction_radio, ControlKind::kRadio, ids.correction_text, 10)
      .Full(ids.setpoint_radio, ControlKind::kRadio, ids.setpoint_radio_text, 10);
  const int row_y = g.Bottom() - 6;
  b.Add(ids.bargraph_label, ControlKind::kStatic, "Bargraf", x + 6, row_y + 3, 32, 8);
  b.Add(ids.bargraph, ControlKind::kOwnerDrawCombo, "", x + 40, row_y, kSymbolComboW, 80);
  b.Add(ids.kind_text, ControlKind::kStatic, ids.kind_text_caption, x + 80, row_y + 3, w - 86, 8);
  g.Space(18).End();
}

int AddDisplayMode(ui::TemplateBuilder& b, const DisplayModeIds& ids, int x, int y, int columns) {
  const int col_w = 36 + kSymbolComboW + 4;
  const int w = columns * col_w + 8;
  auto g = b.Group(ids.group, ids.caption, x, y, w);
  const int top = y + 12;
  b.Add(ids.link_label, ControlKind::kStatic, "Propojení s LCD", x + 6, top + 3, 62, 8);
  b.Add(ids.link, ControlKind::kDropDownList, "", x + 70, top, 66, 80);
  b.Add(ids.states_label, ControlKind::kStatic, "Počet\nstavů", x + 146, top - 1, 30, 16);
  b.Add(ids.states, ControlKind::kDropDownList, "", x + 178, top, 30, 120);
  const int rows = (16 + columns - 1) / columns;
  for (int k = 0; k < 16; ++k) {
    const int col = k / rows;
    const int row = k % rows;
    const int sx = x + 6 + col * col_w;
    const int sy = top + 20 + row * kRow;
    const int combo = ids.first_symbol + ids.symbol_step * k;
    b.Add(combo - 1, ControlKind::kStatic, "Symbol " + std::to_string(k + 1), sx, sy + 3, 35, 8);
    b.Add(combo, ControlKind::kOwnerDrawCombo, "", sx + 36, sy, kSymbolComboW, 80);
  }
  const int height = 12 + 20 + rows * kRow + 2;
  for (auto& c : b.Get().controls)
    if (c.id == ids.group) c.h = height;
  (void)g;
  return y + height;
}

namespace {

ui::DialogTemplate Kdb7dy() {
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
  AddChannelGroup(b,
                  {3877, "Teplota - konfigurační parametry", 3878, "Spodní limit [°C]", 3881, 3879,
                   "Horní limit [°C]", 3882, 3880, "Žádaná [°C]", 3883, 3884, "Korekce Teploty",
                   3885, "Žádaná Teplota", 3886, 3887, 3898, "Relativní"},
                  x2, 7, w2);
  AddChannelGroup(b,
                  {3888, "Vlhkost - konfigurační parametry", 3889, "Spodní limit [%RH]", 3892, 3890,
                   "Horní limit [%RH]", 3893, 3891, "Žádaná [%RH]", 3894, 3895, "Korekce Vlhkosti",
                   3896, "Žádaná Vlhkosti", 3897, 3900, 3899, "Absolutní"},
                  x2, 7 + 112, w2);
  AddChannelGroup(b,
                  {4060, "Koncentrace CO2 - konfigurační parametry", 4057, "Spodní limit [%ppm]",
                   4056, 4055, "Horní limit [%ppm]", 4053, 4054, "Žádaná [%ppm]", 4052, 4061,
                   "Korekce Konc. CO2", 4062, "Žádaná Konc. CO2", 4059, 4058, 4063, "Konstatní"},
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
  auto hidden = b.Group(4071, "Zápis kalibrační hodnoty", x3, hy, w3);
  hidden.Row(4072, "Kalibrační hodnota", 4073, ControlKind::kEdit, 40, ui::kStyleHidden)
      .Full(4074, ControlKind::kButton, "Zápsat kalibraci", 14, ui::kStyleHidden)
      .End();
  b.Get().controls.back().style |= ui::kStyleHidden;
  for (auto& c : b.Get().controls)
    if (c.id == 4071) c.style |= ui::kStyleHidden;

  // Column 4: the display modes.
  const int x4 = x3 + w3 + 5;
  int my = 7;
  my = AddDisplayMode(b, {3901, "Režim 1", 3902, 4049, 3903, 3904, 3906, 2}, x4, my, 3) + 4;
  my = AddDisplayMode(b, {3937, "Režim 2", 3938, 3939, 3940, 3941, 3943, 2}, x4, my, 3) + 4;
  my = AddDisplayMode(b, {3974, "Režim 3", 3975, 3976, 3977, 3978, 3980, 2}, x4, my, 3) + 4;

  // Buttons in two rows under the first three columns.
  const int by = 371;
  const struct {
    int id;
    const char* text;
  } buttons[] = {{4043, "Načíst KDB7DY"},     {4044, "Zapsat KDB7DY"},    {4045, "Cancel"},
                 {4040, "Otevřít Nastavení"}, {4041, "Uložit Nastavení"}, {4042, "Přednastavení"}};
  for (int i = 0; i < 6; ++i)
    b.Add(buttons[i].id, ControlKind::kButton, buttons[i].text, 7 + (i % 3) * 90, by + (i / 3) * 18, 80, 14);
  (void)my;
  return b.Build();
}

}  // namespace

std::vector<ui::DialogTemplate> MultiChannelTemplates() { return {Kdb7dy()}; }

}  // namespace travik::res
