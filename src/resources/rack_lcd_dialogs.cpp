// Templates of the rack transmitters with LCD and Modbus: UC-RGJ (154),
// UC-VWW (152), UC-MXB (153), UC-BCN (157), and UC-RGJ-H (158) without LCD.
// The four LCD members share one layout; a member leaves out the quantities it
// does not measure, and its own identifiers replace those of the UC-RGJ.
#include <algorithm>

#include "resources/member_layout.h"
#include "resources/resources.h"

namespace travik::res {

using ui::ControlKind;
using namespace layout;

namespace {

constexpr int kCol = 122;
constexpr int kWideCol = 160;

struct RackLcdIds {
  int number;
  const char* title;
  const char* header;  // file header name, on the read and write buttons
  int shift_t = 2956, shift_h = 2957, shift_third = 3175;
  int day = 2963, night = 2977, time = 2964;
  int switch_lo = 3208, switch_hi = 3210;
  int address = 2968;
  int t_lo = 2974, t_hi = 2975, t_set = 2976;
  int h_lo = 2986, h_hi = 2987, h_set = 2988;
  int third_lo = 3181, third_hi = 3178, third_set = 3177;
  int third_bargraph = 3183;
  bool humidity = true;
  enum Third { kNone, kCo2, kTvoc } third = kCo2;
};

ui::DialogTemplate RackLcd(const RackLcdIds& m) {
  ui::TemplateBuilder b(m.number, m.title, 7 + 4 * kModeWidth + 3 * kGap + 40, 440);
  const bool co2 = m.third == RackLcdIds::kCo2;
  const bool tvoc = m.third == RackLcdIds::kTvoc;

  // Column A: shifts, text, network, menu.
  int x = 7;
  int y = ShiftGroup(b,
                     {.temperature = m.shift_t, .humidity = m.humidity ? m.shift_h : 0,
                      .co2 = co2 ? m.shift_third : 0},
                     x, 7, kCol);
  y = TextGroup(b, 2959, x, y, kCol);
  y = NetworkGroup(b, {.address = m.address, .speed = 2969, .parity = 3186, .parity_label = 2990},
                   x, y, kCol);
  MenuGroup(b, 2995, x, y, kCol);

  // Column B: the measured quantities' parameters.
  x += kCol + kGap;
  y = ChannelGroup(b,
                   {.caption = "Teplota - konfigurační parametry", .unit = "[°C]", .lower = m.t_lo,
                    .upper = m.t_hi, .setpoint = m.t_set, .bargraph = 2981, .kind_text = 2980,
                    .kind_default = "Relativní"},
                   x, 7, kCol);
  if (m.humidity)
    ChannelGroup(b,
                 {.caption = "Vlhkost - konfigurační parametry", .unit = "[%RH]", .lower = m.h_lo,
                  .upper = m.h_hi, .setpoint = m.h_set, .bargraph = 2993, .kind_text = 2992,
                  .kind_default = "Absolutní"},
                 x, y, kCol);

  // Column C: CO2 or TVOC.
  x += kCol + kGap;
  if (co2) {
    y = ChannelGroup(b,
                     {.caption = "Koncentrace CO2 - konfigurační parametry", .unit = "[ppm]",
                      .lower = m.third_lo, .upper = m.third_hi, .setpoint = m.third_set,
                      .bargraph = m.third_bargraph, .kind_text = 3188,
                      .kind_default = "Konstantní"},
                     x, 7, kCol + 30);
    y = LimitsGroup(b, kCo2IndicationCaption, {.lower = 3191, .upper = 3193}, x, y, kCol + 30);
    CalibrationGroup(b, 3194, 3196, 3195, 3197, "Zapsat kalibraci", x, y, kCol + 30);
  } else if (tvoc) {
    ChannelGroup(b,
                 {.caption = "TVOC - konfigurační parametry", .unit = "[ppb]", .lower = m.third_lo,
                  .upper = m.third_hi, .setpoint = m.third_set, .bargraph = m.third_bargraph,
                  .kind_text = 3188, .kind_default = "Konstantní"},
                 x, 7, kCol + 30);
  }

  // Column D: LCD saver, backlight switching, digital output.
  if (co2 || tvoc) x += kCol + 30 + kGap;
  auto saver = b.Group(kNoLabel, "Nastavení šetřiče LCD", x, 7, kWideCol);
  saver.Full(kNoLabel, ControlKind::kStatic, "Podsvícení neaktivní LCD [%]", 8)
      .Row(kNoLabel, "Ve dne", m.day, ControlKind::kEdit)
      .Row(kNoLabel, "V noci", m.night, ControlKind::kEdit)
      .Row(kNoLabel, "Čas aktivního displeje [s]", m.time, ControlKind::kDropDownList, 40)
      .End();
  y = LimitsGroup(b, kSwitchingCaption, {.lower = m.switch_lo, .upper = m.switch_hi}, x,
                  saver.Bottom() + kGap, kWideCol);
  DigitalOutputGroup(b, {.two_state = 2997, .pwm = 2998, .steps = 3001, .frequency = 3003,
                         .period = 3005, .set = 2999}, x, y, kWideCol);

  // Column E: colours.
  x += kWideCol + kGap;
  std::vector<Row> colours = {{"Měřená Teplota", 3014, ControlKind::kOwnerDrawCombo}};
  if (m.humidity) colours.push_back({"Měřená Vlhkost", 3016, ControlKind::kOwnerDrawCombo});
  if (co2) colours.push_back({"Měřená konc. CO2", 3173, ControlKind::kOwnerDrawCombo});
  if (tvoc) colours.push_back({"Měřená konc. VOC", 3173, ControlKind::kOwnerDrawCombo});
  for (int i = 0; i < 4; ++i)
    colours.push_back({i == 0 ? "Symbol 1" : i == 1 ? "Symbol 2" : i == 2 ? "Symbol 3" : "Symbol 4",
                       i == 3 ? 3018 : 3008 + 2 * i, ControlKind::kOwnerDrawCombo});
  RowGroup(b, kNoLabel, "Nastavení barev", x, 7, kCol, colours);

  // The four display modes in a row under the settings.
  const int modes_y = GroupsBottom(b);
  const int links[] = {3027, 3064, 3101, 3138};
  const int counts[] = {3029, 3066, 3103, 3140};
  const int firsts[] = {3046, 3083, 3120, 3157};
  const char* captions[] = {"Režim 1", "Režim 2", "Režim 3", "Režim 4"};
  int bottom = 0;
  for (int i = 0; i < 4; ++i)
    bottom = ModeGroup(b, {.caption = captions[i], .link = links[i], .count = counts[i],
                           .states = Sixteen(firsts[i])},
                       7 + i * (kModeWidth + kGap), modes_y);
  ButtonRows(
      b, {.open = 3019, .read = 3020, .save = 3021, .write = 3022, .preset = 3023, .cancel = 3024},
      m.header, bottom + 2);
  b.Get().w = std::max(x + kCol, 7 + 4 * kModeWidth + 3 * kGap) + 7;
  b.Get().h = bottom + 40;
  return b.Build();
}

ui::DialogTemplate UcRgjH() {
  ui::TemplateBuilder b(158, "UC-RGJ-H", 3 * kCol + 2 * kGap + 14, 230);
  int x = 7;
  int y = ShiftGroup(b, {.temperature = 3452, .humidity = 3453, .co2 = 3454}, x, 7, kCol);
  y = TextGroup(b, 3456, x, y, kCol);
  const int a = NetworkGroup(b, {.address = 3460, .speed = 3461, .parity = 3462}, x, y, kCol);
  x += kCol + kGap;
  const int bd = DigitalOutputGroup(b, {.two_state = 3469, .pwm = 3470, .steps = 3472,
                                        .frequency = 3473, .period = 3475, .set = 3476},
                                    x, 7, kCol);
  x += kCol + kGap;
  y = LimitsGroup(b, kCo2IndicationCaption, {.lower = 3465, .upper = 3466}, x, 7, kCol);
  const int c = CalibrationGroup(b, 3480, 3481, 3482, 3484, "Zapsat kalibraci", x, y, kCol);
  const int bottom = std::max({a, bd, c});
  ButtonRows(
      b, {.open = 3486, .read = 3487, .save = 3488, .write = 3489, .preset = 3490, .cancel = 3491},
      "UC-RGJ-H", bottom + 2);
  b.Get().h = bottom + 40;
  return b.Build();
}

}  // namespace

std::vector<ui::DialogTemplate> RackLcdTemplates() {
  RackLcdIds rgj{.number = 154, .title = "UC-RGJ", .header = "UCRGJ6Y"};
  RackLcdIds vww{.number = 152, .title = "UC-VWW", .header = "UCVWW7Q", .shift_t = 2558,
                 .shift_h = 2560, .day = 2564, .night = 2581, .time = 2565, .address = 2571,
                 .t_lo = 2577, .t_hi = 2578, .t_set = 2579, .h_lo = 2589, .h_hi = 2590,
                 .h_set = 2591, .third = RackLcdIds::kNone};
  RackLcdIds mxb{.number = 153, .title = "UC-MXB", .header = "UCMXB7K", .shift_t = 2747,
                 .day = 2753, .night = 2764, .time = 2754, .switch_lo = 3203, .switch_hi = 3204,
                 .address = 2951, .t_lo = 2762, .t_hi = 2763, .t_set = 2952, .humidity = false,
                 .third = RackLcdIds::kNone};
  RackLcdIds bcn{.number = 157, .title = "UC-BCN", .header = "UCBCN7U", .shift_t = 3216,
                 .shift_h = 3217, .day = 3445, .night = 3446, .time = 3447, .switch_lo = 3264,
                 .switch_hi = 3265, .address = 3227, .t_lo = 3233, .t_hi = 3234, .t_set = 3235,
                 .h_lo = 3243, .h_hi = 3244, .h_set = 3245, .third_lo = 3253, .third_hi = 3254,
                 .third_set = 3255, .third_bargraph = 3258, .third = RackLcdIds::kTvoc};
  return {RackLcd(rgj), RackLcd(vww), RackLcd(mxb), RackLcd(bcn), UcRgjH()};
}

}  // namespace travik::res
