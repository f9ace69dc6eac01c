#include "dialogs/multichannel/member_tables.h"

#include <array>
#include <deque>
#include <span>
#include <string>
#include <tuple>

#include "dialogs/multichannel/member_fields.h"
#include "resources/bitmaps.h"

namespace travik {

namespace {

using namespace members;
using F = FieldFormat;
using C = CheckKind;

// These members check their CO2 shift as a whole number, unlike the shared
// Co2Shift's tenths rule.
Field WholeCo2Shift(int control) {
  return {.control = control, .word = 81, .format = F::kSigned, .check = C::kSignedInt,
          .min = -2000, .max = 2000, .initial = "0"};
}

// Rack LCD line: the UC-RGJ's controls, each member's own where it has them.
struct RackIds {
  int shift_t, shift_h, day, night, switch_lo, switch_hi, address;
  int t_lo, t_hi, t_set, h_lo, h_hi, h_set;
  int day_record;  // 33 (UC-RGJ, UC-BCN) or 34 (UC-VWW, UC-MXB)
};

DialogDef RackLcd(int number, const char* model, const char* header, const RackIds& r,
                  bool humidity) {
  const std::string name = model;
  static std::deque<std::string> texts;  // the members' default texts, alive for the run
  std::string opening = "Kolvar " + name;
  opening.resize(16, ' ');
  const char* initial = texts.emplace_back(opening).c_str();
  const char* preset = texts.emplace_back(name + " Kolvar     ").c_str();
  DialogDef d = Frame(number, model, header, {.open = 3019, .read = 3020, .save = 3021, .write = 3022, .preset = 3023, .cancel = 3024}, 2959, initial,
                     preset, 2969, 3186, 5);
  auto& f = d.fields;
  f.push_back(TemperatureShift(r.shift_t));
  if (humidity) f.push_back(HumidityShift(r.shift_h));
  f.push_back(Percent(r.day, 34, "30", r.day_record));
  f.push_back(Percent(r.night, 38, "10"));
  f.push_back(Unchecked(r.switch_lo, 56, "20"));
  f.push_back(Unchecked(r.switch_hi, 57, "30"));
  f.push_back(Address(r.address));
  f.push_back(Temperature(r.t_lo, 52, "-5.0"));
  f.push_back(Temperature(r.t_hi, 53, "5.0"));
  f.push_back(Temperature(r.t_set, 8, "0.0"));
  if (humidity) {
    f.push_back(Whole(r.h_lo, 54, "20", C::kSignedInt, -100, 100));
    f.push_back(Whole(r.h_hi, 55, "80", C::kSignedInt, -100, 100));
    f.push_back(Whole(r.h_set, 9, "40", C::kSignedInt, -100, 100));
  }
  d.choices.push_back(MenuLocked(2995));
  return d;
}


constexpr int kRackColours = 7;
constexpr std::uint16_t kTwoStateS = 1, kTwoStateP = 65534;

// Zero for every word of the modes: unlinked, no states, blank symbols.
void ModeDefaults(MultiChannelDef& m) {
  for (const auto& mode : m.modes) {
    if (mode.link_word != 0) m.word_defaults.push_back({mode.link_word, 0});
    m.word_defaults.push_back({mode.states_word, 0});
    for (int k = 0; k < mc::kModeSymbols; ++k) m.word_defaults.push_back({mode.first_symbol_word + k, 0});
  }
}

// The rack line's four modes, each linked (or not) to its own symbol position.
constexpr std::array<std::array<std::string_view, 2>, 4> kRackLinkTexts = {{
    {"LCD nesvázán", "Symbol 1"},
    {"LCD nesvázán", "Symbol 2"},
    {"LCD nesvázán", "Symbol 3"},
    {"LCD nesvázán", "Symbol 4"},
}};

std::vector<McDisplayMode> RackModes() {
  const int links[] = {3027, 3064, 3101, 3138};
  const int states[] = {3029, 3066, 3103, 3140};
  const int symbols[] = {3046, 3083, 3120, 3157};
  std::vector<McDisplayMode> modes;
  for (int m = 0; m < 4; ++m)
    modes.push_back({.link_combo = links[m], .states_combo = states[m], .first_symbol = symbols[m],
                     .symbol_step = 1, .link_word = 84 + 2 * m, .states_word = 85 + 2 * m,
                     .first_symbol_word = 92 + 16 * m,
                     .link_texts = kRackLinkTexts[static_cast<std::size_t>(m)],
                     .exclusive_link = false});
  return modes;
}

// The rack LCD line on the framework: 64 symbols, seven colours, four modes,
// the write refused with its own message while the user menu is open.
MultiChannelDef RackLcdMc(DialogDef base, int time, std::vector<McChannel> channels,
                          std::vector<McColourCombo> measured) {
  MultiChannelDef m;
  m.dialog = std::move(base);
  m.active_time_combo = time;
  m.channels = std::move(channels);
  m.colours = std::move(measured);
  m.modes = RackModes();
  m.output = {.two_state_radio = 2997, .pwm_radio = 2998, .steps_edit = 3001,
              .frequency_edit = 3003, .period_edit = 3005, .set_button = 2999};
  m.symbol_bitmaps = std::span(res::kSymbolBitmapList).first(res::kSmallSymbolCount);
  m.colour_bitmaps = std::span(res::kColourBitmapList).first(kRackColours);
  m.write_menu_message = "Nelze zapsat data pokud je aktivní uživatelské menu.";
  for (int n = 0; n < 4; ++n) m.colours.push_back({n == 3 ? 3018 : 3008 + 2 * n, 37, n});
  m.word_defaults = {{35, 5}, {36, 0x222}, {37, 0x3333}, {50, kTwoStateS}, {51, kTwoStateP}};
  const std::uint16_t flags[] = {1, 1026, 1027};
  for (std::size_t c = 0; c < m.channels.size(); ++c) m.word_defaults.push_back({m.channels[c].word, flags[c]});
  ModeDefaults(m);
  return m;
}

// A member without LCD or bracket: only its digital output is the family's.
MultiChannelDef OutputOnly(DialogDef base, McDigitalOutput output) {
  MultiChannelDef m;
  m.dialog = std::move(base);
  m.output = output;
  m.host_transfer = false;
  m.word_defaults = {{50, kTwoStateS}, {51, kTwoStateP}};
  return m;
}

// The LCD members BBH7QS, BBH7T, JBC3S: quick-select keys, channels, three modes.
MultiChannelDef LcdMc(DialogDef base, std::vector<McQuickSelect> quick,
                      std::vector<McChannel> channels, std::array<int, 3> links,
                      std::array<int, 3> states, std::array<int, 3> symbols, McDigitalOutput output,
                      bool colour_lcd) {
  MultiChannelDef m;
  m.dialog = std::move(base);
  m.quick_select = std::move(quick);
  m.channels = std::move(channels);
  m.output = output;
  for (int k = 0; k < 3; ++k) m.modes.push_back(StandardMode(k, links[k], states[k], symbols[k], 1));
  if (!colour_lcd) m.symbol_bitmaps = std::span(res::kSymbolBitmapList).first(res::kSmallSymbolCount);
  m.word_defaults = {{29, 10}, {30, 10}, {50, kTwoStateS}, {51, kTwoStateP}};
  const std::uint16_t flags[] = {1, 1026};
  for (std::size_t c = 0; c < m.channels.size(); ++c) m.word_defaults.push_back({m.channels[c].word, flags[c]});
  ModeDefaults(m);
  return m;
}

// The member's lower and upper limit edits, kept in order as KDB7DY's are.
MultiChannelDef WithLimitPairs(MultiChannelDef m, std::vector<McLimitPair> pairs) {
  m.limit_pairs = std::move(pairs);
  return m;
}

// "Stav 1" ... "Stav 16" of the BBH7H's key: what its two LEDs do.
constexpr std::array<std::string_view, 13> kLedPatterns = {
    "LED1 nesvítí, LED2 nesvítí", "LED1 svítí, LED2 nesvítí",   "LED1 nesvítí, LED2 svítí",
    "LED1 svítí, LED2 svítí",     "LED1 bliká, LED2 nesvítí",   "LED1 nesvítí, LED2 bliká",
    "LED1 bliká, LED2 bliká",     "LED1 nesvítí, LED2 Modbus",  "LED1 svítí, LED2 Modbus",
    "LED1 bliká, LED2 Modbus",    "LED1 Modbus, LED2 nesvítí",  "LED1 Modbus, LED2 svítí",
    "LED1 Modbus, LED2 bliká"};

}  // namespace

const std::vector<const MultiChannelDef*>& MultiChannelMemberDefs() {
  static const MultiChannelDef rgj = [] {
    DialogDef d = RackLcd(154, "UC-RGJ", "UCRGJ6Y",
                          {2956, 2957, 2963, 2977, 3208, 3210, 2968, 2974, 2975, 2976, 2986, 2987,
                           2988, 33},
                          true);
    d.fields.insert(d.fields.begin() + 2, WholeCo2Shift(3175));
    for (auto [control, word, initial] : {std::tuple{3181, 62, "800"}, std::tuple{3178, 63, "2000"},
                                          std::tuple{3177, 13, "1000"}, std::tuple{3191, 64, "1000"},
                                          std::tuple{3193, 65, "2000"}})
      d.fields.push_back(Whole(control, word, initial, C::kSignedInt, 0, 5000));
    d.fields.push_back(CalibrationValue(3195));
    d.offline_disabled = {3195, 3197};
    MultiChannelDef m =
        RackLcdMc(std::move(d), 2964, {{.word = 68, .bargraph_combo = 2981, .kind_text = 2980},
                                       {.word = 69, .bargraph_combo = 2993, .kind_text = 2992},
                                       {.word = 73, .bargraph_combo = 3183, .kind_text = 3188}},
                  {{.control = 3014, .word = 36, .nibble = 0}, {.control = 3016, .word = 36, .nibble = 1},
                   {.control = 3173, .word = 36, .nibble = 2}});
    m.calibration_edit = 3195;
    m.calibration_button = 3197;
    m.limit_pairs = {{2974, 2975}, {2986, 2987}, {3181, 3178}, {3191, 3193}};
    return m;
  }();
  static const MultiChannelDef vww = WithLimitPairs(RackLcdMc(
      RackLcd(152, "UC-VWW", "UCVWW7Q",
              {2558, 2560, 2564, 2581, 3208, 3210, 2571, 2577, 2578, 2579, 2589, 2590, 2591, 34},
              true),
      2565, {{.word = 68, .bargraph_combo = 2981, .kind_text = 2980},
             {.word = 69, .bargraph_combo = 2993, .kind_text = 2992}},
      {{.control = 3014, .word = 36, .nibble = 0}, {.control = 3016, .word = 36, .nibble = 1}}),
      {{2577, 2578}, {2589, 2590}});
  static const MultiChannelDef mxb = WithLimitPairs(RackLcdMc(
      RackLcd(153, "UC-MXB", "UCMXB7K",
              {2747, 0, 2753, 2764, 3203, 3204, 2951, 2762, 2763, 2952, 0, 0, 0, 34}, false),
      2754, {{.word = 68, .bargraph_combo = 2981, .kind_text = 2980}},
      {{.control = 3014, .word = 36, .nibble = 0}}), {{2762, 2763}});
  static const MultiChannelDef bcn = [] {
    DialogDef d = RackLcd(157, "UC-BCN", "UCBCN7U",
                          {3216, 3217, 3445, 3446, 3264, 3265, 3227, 3233, 3234, 3235, 3243, 3244,
                           3245, 33},
                          true);
    d.fields.push_back(Whole(3253, 58, "200", C::kSignedInt, 0, 30000));
    d.fields.push_back(Whole(3254, 59, "1000", C::kSignedInt, 0, 30000));
    d.fields.push_back(Whole(3255, 11, "500", C::kSignedInt, 0, 30000));
    return WithLimitPairs(
        RackLcdMc(std::move(d), 3447, {{.word = 68, .bargraph_combo = 2981, .kind_text = 2980},
                                       {.word = 69, .bargraph_combo = 2993, .kind_text = 2992},
                                       {.word = 71, .bargraph_combo = 3258, .kind_text = 3188}},
                  {{.control = 3014, .word = 36, .nibble = 0}, {.control = 3016, .word = 36, .nibble = 1},
                   {.control = 3173, .word = 36, .nibble = 2}}),
        {{3233, 3234}, {3243, 3244}, {3253, 3254}});
  }();
  static const MultiChannelDef rgjh = [] {
    DialogDef d = Frame(158, "UC-RGJ-H", "UCRGJ6YA", {.open = 3486, .read = 3487, .save = 3488, .write = 3489, .preset = 3490, .cancel = 3491}, 3456,
                       "Kolvar UC-RGJ-H ", "UC-RGJ-H Kolvar ", 3461, 3462, 5);
    // Its buttons and the refusal of another model's file name the model.
    d.button_name = "UC-RGJ-H";
    d.message_name = "UC-RGJ-H";
    d.fields = {TemperatureShift(3452),
                HumidityShift(3453),
                WholeCo2Shift(3454),
                Address(3460),
                Whole(3465, 64, "1000", C::kSignedInt, 0, 5000),
                Whole(3466, 65, "2000", C::kSignedInt, 0, 5000),
                CalibrationValue(3482)};
    d.offline_disabled = {3482, 3484};
    MultiChannelDef m = OutputOnly(std::move(d), {3469, 3470, 3472, 3473, 3475, 3476});
    m.calibration_edit = 3482;
    m.calibration_button = 3484;
    m.limit_pairs = {{3465, 3466}};
    return m;
  }();
  static const MultiChannelDef bbh7qs = [] {
    DialogDef d = Frame(151, "BBH7QS", "BBH7QS", {.open = 2512, .read = 2515, .save = 2513, .write = 2516, .preset = 2514, .cancel = 2517}, 2342,
                       "Kolvar BBH7QS   ", "BBH7QS Kolvar   ", 2347, 2348, 5);
    d.fields = {Percent(2339, 33, "15"),
                Address(2346),
                TemperatureShift(2334),
                HumidityShift(2335),
                Temperature(2354, 8, "0.0"),
                Temperature(2353, 53, "5.0"),
                Temperature(2352, 52, "-5.0"),
                Whole(2366, 9, "40", C::kSignedInt, -100, 100),
                Whole(2365, 55, "80", C::kSignedInt, -100, 100),
                Whole(2364, 54, "20", C::kSignedInt, -100, 100)};
    d.choices.push_back(MenuLocked(2496));
    MultiChannelDef m = LcdMc(std::move(d), {{.control = 2499, .word = 29}, {.control = 2501, .word = 30}},
                              {{.word = 68, .bargraph_combo = 2359, .kind_text = 2360,
                                .correction_radio = 2355, .setpoint_radio = 2356},
                               {.word = 69, .bargraph_combo = 2371, .kind_text = 2372,
                                .correction_radio = 2367, .setpoint_radio = 2368}},
                              {2374, 2410, 2447}, {2375, 2412, 2449}, {2377, 2414, 2451},
                              {2503, 2504, 2506, 2508, 2511, 2509}, true);
    m.active_time_combo = 2340;
    m.colours = {{.control = 2470, .word = 37, .nibble = 0}, {.control = 2471, .word = 37, .nibble = 1},
                 {.control = 2472, .word = 37, .nibble = 2}, {.control = 2473, .word = 36, .nibble = 0},
                 {.control = 2474, .word = 36, .nibble = 1}};
    m.word_defaults.insert(m.word_defaults.end(), {{35, 5}, {36, 0x222}, {37, 0x333}});
    m.limit_pairs = {{2352, 2353}, {2364, 2365}};
    return m;
  }();
  static const MultiChannelDef bbh7t = [] {
    DialogDef d = Frame(133, "BBH7T", "BBH7T", {.open = 1509, .read = 1515, .save = 1510, .write = 1516, .preset = 1514, .cancel = 1517}, 1391,
                       "Kolvar BBH7T    ", "BBH7T Kolvar    ", 1396, 0, 5);
    // Setpoints and limits have no range of their own: only what the word holds.
    d.fields = {PlainContrast(1389),
                Address(1395),
                TemperatureShift(1385),
                HumidityShift(1386),
                WordTenths(1519, 8, "0.0"),
                WordTenths(1525, 53, "5.0"),
                WordTenths(1527, 52, "-5.0"),
                Unchecked(1529, 9, "40"),
                Unchecked(1530, 55, "80"),
                Unchecked(1533, 54, "20")};
    d.choices.push_back(MenuLocked(1556));
    return LcdMc(std::move(d), {{.control = 1511, .word = 29}, {.control = 1512, .word = 30}},
                 {{.word = 68, .bargraph_combo = 1539, .kind_text = 1541, .correction_radio = 1537,
                   .setpoint_radio = 1538},
                  {.word = 69, .bargraph_combo = 1540, .kind_text = 1542, .correction_radio = 1548,
                   .setpoint_radio = 1549}},
                 {1494, 1499, 1504},
                 {1545, 1546, 1547}, {1400, 1420, 1440}, {1518, 1535, 1557, 1536, 1553, 1520},
                 false);
  }();
  static const MultiChannelDef jbc3s = [] {
    DialogDef d = Frame(135, "JBC3S", "JBC3S", {.open = 1600, .read = 1603, .save = 1601, .write = 1604, .preset = 1602, .cancel = 1605}, 1564,
                       "Kolvar JBC3S    ", "JBC3S Kolvar    ", 1569, 0, 5);
    d.fields = {PlainContrast(1562),
                Address(1568),
                TemperatureShift(1559),
                Temperature(1572, 8, "0.0"),
                Temperature(1574, 53, "5.0"),
                Temperature(1576, 52, "-5.0")};
    d.choices.push_back(MenuLocked(1583));
    return WithLimitPairs(LcdMc(std::move(d), {{.control = 1587, .word = 29}, {.control = 1588, .word = 30}},
                                {{.word = 68, .bargraph_combo = 1581, .kind_text = 1582,
                                  .correction_radio = 1577, .setpoint_radio = 1578}},
                                {1612, 1613, 1614}, {1618, 1619, 1620}, {1622, 1640, 1660},
                                {1590, 1591, 1717, 1599, 1595, 1718}, false),
                          {{1576, 1574}});
  }();
  static const MultiChannelDef bbh7h = [] {
    DialogDef d = Frame(138, "BBH7H", "BBH7H", {.open = 2090, .read = 2091, .save = 2092, .write = 2093, .preset = 2094, .cancel = 2095}, 2055,
                       "Kolvar BBH7H    ", "BBH7H Kolvar    ", 2060, 2062, 20);
    // The lower potentiometer limit is checked against the upper one by the dialog.
    d.fields = {TemperatureShift(2052),
                HumidityShift(2053),
                Address(2059),
                Temperature(2068, 53, "5.0"),
                {.control = 2067, .word = 52, .format = F::kTenths, .initial = "-5.0"}};
    MultiChannelDef m = OutputOnly(std::move(d), {2072, 2073, 2075, 2077, 2080, 2078});
    // One key instead of display modes: its LED link is a pair of radio
    // buttons (the dialog's own), its states are LED patterns.
    m.modes = {{.states_combo = 4079, .first_symbol = 4096, .symbol_step = 1, .link_word = 84,
                .states_word = 85, .first_symbol_word = 92, .state_texts = kLedPatterns}};
    ModeDefaults(m);
    return m;
  }();
  static const MultiChannelDef bbh8l = [] {
    DialogDef d = Frame(145, "BBH8L", "BBH8L", {.open = 2226, .read = 2227, .save = 2228, .write = 2229, .preset = 2230, .cancel = 2231}, 2232,
                       "Kolvar BBH8L    ", "BBH8L Kolvar    ", 2214, 2215, 20);
    d.fields = {TemperatureShift(2206), HumidityShift(2207), Address(2213)};
    return OutputOnly(std::move(d), {2217, 2218, 2220, 2223, 2224, 2225});
  }();
  static const std::vector<const MultiChannelDef*> defs = {&rgj,    &vww,   &mxb,   &bcn,   &rgjh,
                                                     &bbh7qs, &bbh7t, &jbc3s, &bbh7h, &bbh8l};
  return defs;
}

const MultiChannelDef* FindMultiChannelMemberDef(int template_number) {
  for (const MultiChannelDef* def : MultiChannelMemberDefs())
    if (def->dialog.template_number == template_number) return def;
  return nullptr;
}

}  // namespace travik
