// Templates of the other multi-channel members: BBH7QS (151), BBH7T (133) and
// JBC3S (135) with an LCD and three display modes; BBH7H (138) with two LEDs
// driven by one key; BBH8L (145) without any display.
#include <algorithm>

#include "resources/member_layout.h"
#include "resources/resources.h"

namespace travik::res {

using ui::ControlKind;
using namespace layout;

namespace {

constexpr int kCol = 122;

struct LcdMemberIds {
  int number;
  const char* model;
  int shift_t, shift_h;  // shift_h 0: temperature only
  int text, address, baud, parity;
  int backlight = 0, time = 0;  // colour LCD (BBH7QS)
  int contrast = 0;             // LCD with contrast (BBH7T, JBC3S)
  int t_lo, t_hi, t_set, t_correction, t_setpoint, t_bargraph, t_kind;
  int h_lo = 0, h_hi = 0, h_set = 0, h_correction = 0, h_setpoint = 0, h_bargraph = 0, h_kind = 0;
  int quick_middle, quick_bottom;
  int links[3], counts[3], symbols[3];
  int colours[5] = {};  // left, centre, right, temperature, humidity
  int menu;
  DigitalOutput output;
  DeviceButtons buttons;
};

ui::DialogTemplate LcdMember(const LcdMemberIds& m) {
  ui::TemplateBuilder b(m.number, m.model, 100, 100);

  int x = 7;
  int y = ShiftGroup(b, {.temperature = m.shift_t, .humidity = m.shift_h}, x, 7, kCol);
  y = TextGroup(b, m.text, x, y, kCol);
  y = NetworkGroup(b, {.address = m.address, .speed = m.baud, .parity = m.parity}, x, y, kCol);
  if (m.contrast != 0)
    y = RowGroup(b, kNoLabel, "Kontrast LCD", x, y, kCol, {{"Kontrast", m.contrast}});
  int bottom = MenuGroup(b, m.menu, x, y, kCol);

  x += kCol + kGap;
  y = ChannelGroup(b,
                   {.caption = "Teplota - konfigurační parametry", .unit = "[°C]", .lower = m.t_lo,
                    .upper = m.t_hi, .setpoint = m.t_set, .correction_radio = m.t_correction,
                    .setpoint_radio = m.t_setpoint, .correction_text = "Korekce Teploty",
                    .setpoint_text = "Žádaná Teplota", .bargraph = m.t_bargraph,
                    .kind_text = m.t_kind, .kind_default = "Relativní"},
                   x, 7, kCol);
  if (m.h_lo != 0)
    y = ChannelGroup(b,
                     {.caption = "Vlhkost - konfigurační parametry", .unit = "[%RH]",
                      .lower = m.h_lo, .upper = m.h_hi, .setpoint = m.h_set,
                      .correction_radio = m.h_correction, .setpoint_radio = m.h_setpoint,
                      .correction_text = "Korekce Vlhkosti", .setpoint_text = "Žádaná Vlhkosti",
                      .bargraph = m.h_bargraph, .kind_text = m.h_kind, .kind_default = "Absolutní"},
                     x, y, kCol);
  bottom = std::max(bottom, y);

  x += kCol + kGap;
  y = 7;
  constexpr int kWide = kCol + 30;
  if (m.backlight != 0) {
    auto saver = b.Group(kNoLabel, "Nastavení šetřiče LCD", x, y, kWide);
    saver.Row(kNoLabel, "Podsvícení neaktivní LCD", m.backlight, ControlKind::kEdit, 30)
        .Row(kNoLabel, "Čas aktivního LCD", m.time, ControlKind::kDropDownList, 40)
        .End();
    y = saver.Bottom() + kGap;
  }
  y = QuickSelectGroup(b, {.middle = m.quick_middle, .bottom = m.quick_bottom}, x, y, kWide);
  y = DigitalOutputGroup(b, m.output, x, y, kWide);
  bottom = std::max(bottom, y);
  int right = x + kWide;

  if (m.colours[0] != 0) {
    x += kWide + kGap;
    y = RowGroup(b, kNoLabel, "Nastavení barev", x, 7, kCol,
                 {{"Vlevo", m.colours[0], ControlKind::kOwnerDrawCombo},
                  {"Uprostřed", m.colours[1], ControlKind::kOwnerDrawCombo},
                  {"Vpravo", m.colours[2], ControlKind::kOwnerDrawCombo},
                  {"Měřená Teplota", m.colours[3], ControlKind::kOwnerDrawCombo},
                  {"Měřená Vlhkost", m.colours[4], ControlKind::kOwnerDrawCombo}});
    bottom = std::max(bottom, y);
    right = x + kCol;
  }

  const char* captions[] = {"Režim 1", "Režim 2", "Režim 3"};
  int modes_bottom = 0;
  for (int i = 0; i < 3; ++i)
    modes_bottom = ModeGroup(b, {.caption = captions[i], .link = m.links[i], .count = m.counts[i],
                                 .states = Sixteen(m.symbols[i])},
                             7 + i * (kModeWidth + kGap), bottom);
  ButtonRows(b, m.buttons, m.model, modes_bottom + 2);
  b.Get().w = std::max(right, 7 + 3 * kModeWidth + 2 * kGap) + 7;
  b.Get().h = modes_bottom + 40;
  return b.Build();
}

ui::DialogTemplate Bbh7h() {
  ui::TemplateBuilder b(138, "BBH7H", 100, 100);
  int x = 7;
  int y = ShiftGroup(b, {.temperature = 2052, .humidity = 2053}, x, 7, kCol);
  y = TextGroup(b, 2055, x, y, kCol);
  y = NetworkGroup(b, {.address = 2059, .speed = 2060, .parity = 2062}, x, y, kCol);
  const int a = LimitsGroup(b, "Potenciometr - konfigurační parametry",
                            {.lower = 2067, .upper = 2068}, x, y, kCol + 40);
  x += kCol + 40 + kGap;
  const int bd = DigitalOutputGroup(b, {.two_state = 2072, .pwm = 2073, .steps = 2075,
                                        .frequency = 2077, .period = 2080, .set = 2078},
                                    x, 7, kCol);
  x += kCol + kGap;
  Mode key{.caption = "Tlačítko 1", .count = 4079, .states = Sixteen(4096), .state_label = "Stav",
           .state_kind = ControlKind::kDropDownList, .state_w = 112, .columns = 2};
  key.radio_label = "Propojení s LED";
  key.radio_a = 2087;
  key.radio_b = 2088;
  key.radio_a_text = "Ne";
  key.radio_b_text = "Ano";
  const int c = ModeGroup(b, key, x, 7, 4075);
  const int bottom = std::max({a, bd, c});
  ButtonRows(
      b, {.open = 2090, .read = 2091, .save = 2092, .write = 2093, .preset = 2094, .cancel = 2095},
      "BBH7H", bottom + 2);
  b.Get().w = x + key.Width() + 7;
  b.Get().h = bottom + 40;
  return b.Build();
}

ui::DialogTemplate Bbh8l() {
  ui::TemplateBuilder b(145, "BBH8L", 2 * kCol + kGap + 30 + 14, 100);
  int y = ShiftGroup(b, {.temperature = 2206, .humidity = 2207}, 7, 7, kCol);
  y = TextGroup(b, 2232, 7, y, kCol);
  const int a = NetworkGroup(b, {.address = 2213, .speed = 2214, .parity = 2215}, 7, y, kCol);
  const int bd = DigitalOutputGroup(b, {.two_state = 2217, .pwm = 2218, .steps = 2220,
                                        .frequency = 2223, .period = 2224, .set = 2225},
                                    7 + kCol + kGap, 7, kCol + 30);
  const int bottom = std::max(a, bd);
  ButtonRows(
      b, {.open = 2226, .read = 2227, .save = 2228, .write = 2229, .preset = 2230, .cancel = 2231},
      "BBH8L", bottom + 2);
  b.Get().h = bottom + 40;
  return b.Build();
}

}  // namespace

std::vector<ui::DialogTemplate> MultiChannelMemberTemplates() {
  const LcdMemberIds bbh7qs{
      .number = 151, .model = "BBH7QS", .shift_t = 2334, .shift_h = 2335, .text = 2342,
      .address = 2346, .baud = 2347, .parity = 2348, .backlight = 2339, .time = 2340,
      .t_lo = 2352, .t_hi = 2353, .t_set = 2354, .t_correction = 2355, .t_setpoint = 2356,
      .t_bargraph = 2359, .t_kind = 2360, .h_lo = 2364, .h_hi = 2365, .h_set = 2366,
      .h_correction = 2367, .h_setpoint = 2368, .h_bargraph = 2371, .h_kind = 2372,
      .quick_middle = 2499, .quick_bottom = 2501, .links = {2374, 2410, 2447},
      .counts = {2375, 2412, 2449}, .symbols = {2377, 2414, 2451},
      .colours = {2470, 2471, 2472, 2473, 2474}, .menu = 2496,
      .output = {.two_state = 2503, .pwm = 2504, .steps = 2506, .frequency = 2508, .period = 2511,
                 .set = 2509},
      .buttons = {.open = 2512, .read = 2515, .save = 2513, .write = 2516,
                  .preset = 2514, .cancel = 2517}};
  const LcdMemberIds bbh7t{
      .number = 133, .model = "BBH7T", .shift_t = 1385, .shift_h = 1386, .text = 1391,
      .address = 1395, .baud = 1396, .parity = 0, .contrast = 1389, .t_lo = 1527, .t_hi = 1525,
      .t_set = 1519, .t_correction = 1537, .t_setpoint = 1538, .t_bargraph = 1539, .t_kind = 1541,
      .h_lo = 1533, .h_hi = 1530, .h_set = 1529, .h_correction = 1548, .h_setpoint = 1549,
      .h_bargraph = 1540, .h_kind = 1542, .quick_middle = 1511, .quick_bottom = 1512,
      .links = {1494, 1499, 1504}, .counts = {1545, 1546, 1547}, .symbols = {1400, 1420, 1440},
      .menu = 1556, .output = {.two_state = 1518, .pwm = 1535, .steps = 1557, .frequency = 1536,
                               .period = 1553, .set = 1520},
      .buttons = {.open = 1509, .read = 1515, .save = 1510, .write = 1516,
                  .preset = 1514, .cancel = 1517}};
  const LcdMemberIds jbc3s{
      .number = 135, .model = "JBC3S", .shift_t = 1559, .shift_h = 0, .text = 1564,
      .address = 1568, .baud = 1569, .parity = 0, .contrast = 1562, .t_lo = 1576, .t_hi = 1574,
      .t_set = 1572, .t_correction = 1577, .t_setpoint = 1578, .t_bargraph = 1581, .t_kind = 1582,
      .quick_middle = 1587, .quick_bottom = 1588, .links = {1612, 1613, 1614},
      .counts = {1618, 1619, 1620}, .symbols = {1622, 1640, 1660}, .menu = 1583,
      .output = {.two_state = 1590, .pwm = 1591, .steps = 1717, .frequency = 1599, .period = 1595,
                 .set = 1718},
      .buttons = {.open = 1600, .read = 1603, .save = 1601, .write = 1604,
                  .preset = 1602, .cancel = 1605}};
  return {LcdMember(bbh7qs), LcdMember(bbh7t), LcdMember(jbc3s), Bbh7h(), Bbh8l()};
}

}  // namespace travik::res
