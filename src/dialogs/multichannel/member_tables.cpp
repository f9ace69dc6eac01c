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
  int number = 0;
  const char* model = "";
  const char* header = "";
  int shift_t = 0, shift_h = 0;  // shift_h 0: no humidity
  int day = 0, night = 0, switch_lo = 0, switch_hi = 0, address = 0;
  int t_lo = 0, t_hi = 0, t_set = 0;
  int h_lo = 0, h_hi = 0, h_set = 0;
  int day_record = 33;  // 33 (UC-RGJ, UC-BCN) or 34 (UC-VWW, UC-MXB)
};

DialogDef RackLcd(const RackIds& r) {
  const bool humidity = r.shift_h != 0;
  const std::string name = r.model;
  static std::deque<std::string> texts;  // the members' default texts, alive for the run
  std::string opening = "Kolvar " + name;
  opening.resize(16, ' ');
  const char* initial = texts.emplace_back(opening).c_str();
  const char* preset = texts.emplace_back(name + " Kolvar     ").c_str();
  DialogDef d = Frame({.number = r.number,
                       .title = r.model,
                       .header = r.header,
                       .buttons = {.open = 3019, .read = 3020, .save = 3021, .write = 3022,
                                   .preset = 3023, .cancel = 3024},
                       .text = 2959,
                       .text_initial = initial,
                       .text_preset = preset,
                       .speed = 2969,
                       .parity = 3186,
                       .timer_ms = 5});
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
    if (mode.link_word != 0) m.word_defaults.push_back({.word = mode.link_word, .value = 0});
    m.word_defaults.push_back({.word = mode.states_word, .value = 0});
    for (int k = 0; k < mc::kModeSymbols; ++k)
      m.word_defaults.push_back({.word = mode.first_symbol_word + k, .value = 0});
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
  for (int n = 0; n < 4; ++n)
    m.colours.push_back({.control = n == 3 ? 3018 : 3008 + 2 * n, .word = 37, .nibble = n});
  m.word_defaults = {{.word = 35, .value = 5},
                     {.word = 36, .value = 0x222},
                     {.word = 37, .value = 0x3333},
                     {.word = 50, .value = kTwoStateS},
                     {.word = 51, .value = kTwoStateP}};
  const std::uint16_t flags[] = {1, 1026, 1027};
  for (std::size_t c = 0; c < m.channels.size(); ++c)
    m.word_defaults.push_back({.word = m.channels[c].word, .value = flags[c]});
  ModeDefaults(m);
  return m;
}

// A member without LCD or bracket: only its digital output is the family's.
MultiChannelDef OutputOnly(DialogDef base, McDigitalOutput output) {
  MultiChannelDef m;
  m.dialog = std::move(base);
  m.output = output;
  m.host_transfer = false;
  m.word_defaults = {{.word = 50, .value = kTwoStateS}, {.word = 51, .value = kTwoStateP}};
  return m;
}

// What the LCD members BBH7QS, BBH7T, JBC3S have of the family: quick-select
// keys, channels, three modes (symbols one apart), the digital output.
struct LcdParts {
  std::vector<McQuickSelect> quick_select;
  std::vector<McChannel> channels;
  std::vector<McModeControls> modes;
  McDigitalOutput output;
  bool colour_lcd = false;  // all 152 symbols, not the first 64
};

MultiChannelDef LcdMc(DialogDef base, LcdParts parts) {
  MultiChannelDef m;
  m.dialog = std::move(base);
  m.quick_select = std::move(parts.quick_select);
  m.channels = std::move(parts.channels);
  m.output = parts.output;
  m.modes = StandardModes(parts.modes);
  if (!parts.colour_lcd)
    m.symbol_bitmaps = std::span(res::kSymbolBitmapList).first(res::kSmallSymbolCount);
  m.word_defaults = {{.word = 29, .value = 10},
                     {.word = 30, .value = 10},
                     {.word = 50, .value = kTwoStateS},
                     {.word = 51, .value = kTwoStateP}};
  const std::uint16_t flags[] = {1, 1026};
  for (std::size_t c = 0; c < m.channels.size(); ++c)
    m.word_defaults.push_back({.word = m.channels[c].word, .value = flags[c]});
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
    DialogDef d = RackLcd({.number = 154, .model = "UC-RGJ", .header = "UCRGJ6Y",
                           .shift_t = 2956, .shift_h = 2957, .day = 2963, .night = 2977,
                           .switch_lo = 3208, .switch_hi = 3210, .address = 2968,
                           .t_lo = 2974, .t_hi = 2975, .t_set = 2976,
                           .h_lo = 2986, .h_hi = 2987, .h_set = 2988, .day_record = 33});
    d.fields.insert(d.fields.begin() + 2, WholeCo2Shift(3175));
    for (auto [control, word, initial] : {std::tuple{3181, 62, "800"}, std::tuple{3178, 63, "2000"},
                                          std::tuple{3177, 13, "1000"}, std::tuple{3191, 64, "1000"},
                                          std::tuple{3193, 65, "2000"}})
      d.fields.push_back(Whole(control, word, initial, C::kSignedInt, 0, 5000));
    d.fields.push_back(CalibrationValue(3195));
    d.offline_disabled = {3195, 3197};
    MultiChannelDef m =
        RackLcdMc(std::move(d), 2964,
                  {{.word = 68, .bargraph_combo = 2981, .kind_text = 2980},
                   {.word = 69, .bargraph_combo = 2993, .kind_text = 2992},
                   {.word = 73, .bargraph_combo = 3183, .kind_text = 3188}},
                  {{.control = 3014, .word = 36, .nibble = 0},
                   {.control = 3016, .word = 36, .nibble = 1},
                   {.control = 3173, .word = 36, .nibble = 2}});
    m.calibration_edit = 3195;
    m.calibration_button = 3197;
    m.limit_pairs = {{.lower = 2974, .upper = 2975},
                     {.lower = 2986, .upper = 2987},
                     {.lower = 3181, .upper = 3178},
                     {.lower = 3191, .upper = 3193}};
    return m;
  }();
  static const MultiChannelDef vww = WithLimitPairs(
      RackLcdMc(RackLcd({.number = 152, .model = "UC-VWW", .header = "UCVWW7Q",
                         .shift_t = 2558, .shift_h = 2560, .day = 2564, .night = 2581,
                         .switch_lo = 3208, .switch_hi = 3210, .address = 2571,
                         .t_lo = 2577, .t_hi = 2578, .t_set = 2579,
                         .h_lo = 2589, .h_hi = 2590, .h_set = 2591, .day_record = 34}),
                2565,
                {{.word = 68, .bargraph_combo = 2981, .kind_text = 2980},
                 {.word = 69, .bargraph_combo = 2993, .kind_text = 2992}},
                {{.control = 3014, .word = 36, .nibble = 0},
                 {.control = 3016, .word = 36, .nibble = 1}}),
      {{.lower = 2577, .upper = 2578}, {.lower = 2589, .upper = 2590}});
  static const MultiChannelDef mxb = WithLimitPairs(
      RackLcdMc(RackLcd({.number = 153, .model = "UC-MXB", .header = "UCMXB7K",
                         .shift_t = 2747, .day = 2753, .night = 2764,
                         .switch_lo = 3203, .switch_hi = 3204, .address = 2951,
                         .t_lo = 2762, .t_hi = 2763, .t_set = 2952, .day_record = 34}),
                2754, {{.word = 68, .bargraph_combo = 2981, .kind_text = 2980}},
                {{.control = 3014, .word = 36, .nibble = 0}}),
      {{.lower = 2762, .upper = 2763}});
  static const MultiChannelDef bcn = [] {
    DialogDef d = RackLcd({.number = 157, .model = "UC-BCN", .header = "UCBCN7U",
                           .shift_t = 3216, .shift_h = 3217, .day = 3445, .night = 3446,
                           .switch_lo = 3264, .switch_hi = 3265, .address = 3227,
                           .t_lo = 3233, .t_hi = 3234, .t_set = 3235,
                           .h_lo = 3243, .h_hi = 3244, .h_set = 3245, .day_record = 33});
    d.fields.push_back(Whole(3253, 58, "200", C::kSignedInt, 0, 30000));
    d.fields.push_back(Whole(3254, 59, "1000", C::kSignedInt, 0, 30000));
    d.fields.push_back(Whole(3255, 11, "500", C::kSignedInt, 0, 30000));
    return WithLimitPairs(
        RackLcdMc(std::move(d), 3447,
                  {{.word = 68, .bargraph_combo = 2981, .kind_text = 2980},
                   {.word = 69, .bargraph_combo = 2993, .kind_text = 2992},
                   {.word = 71, .bargraph_combo = 3258, .kind_text = 3188}},
                  {{.control = 3014, .word = 36, .nibble = 0},
                   {.control = 3016, .word = 36, .nibble = 1},
                   {.control = 3173, .word = 36, .nibble = 2}}),
        {{.lower = 3233, .upper = 3234},
         {.lower = 3243, .upper = 3244},
         {.lower = 3253, .upper = 3254}});
  }();
  static const MultiChannelDef rgjh = [] {
    DialogDef d = Frame({.number = 158,
                         .title = "UC-RGJ-H",
                         .header = "UCRGJ6YA",
                         .buttons = {.open = 3486, .read = 3487, .save = 3488, .write = 3489,
                                     .preset = 3490, .cancel = 3491},
                         .text = 3456,
                         .text_initial = "Kolvar UC-RGJ-H ",
                         .text_preset = "UC-RGJ-H Kolvar ",
                         .speed = 3461,
                         .parity = 3462,
                         .timer_ms = 5});
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
    MultiChannelDef m = OutputOnly(std::move(d), {.two_state_radio = 3469, .pwm_radio = 3470,
                                                  .steps_edit = 3472, .frequency_edit = 3473,
                                                  .period_edit = 3475, .set_button = 3476});
    m.calibration_edit = 3482;
    m.calibration_button = 3484;
    m.limit_pairs = {{.lower = 3465, .upper = 3466}};
    return m;
  }();
  static const MultiChannelDef bbh7qs = [] {
    DialogDef d = Frame({.number = 151,
                         .title = "BBH7QS",
                         .header = "BBH7QS",
                         .buttons = {.open = 2512, .read = 2515, .save = 2513, .write = 2516,
                                     .preset = 2514, .cancel = 2517},
                         .text = 2342,
                         .text_initial = "Kolvar BBH7QS   ",
                         .text_preset = "BBH7QS Kolvar   ",
                         .speed = 2347,
                         .parity = 2348,
                         .timer_ms = 5});
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
    MultiChannelDef m = LcdMc(
        std::move(d),
        {.quick_select = {{.control = 2499, .word = 29}, {.control = 2501, .word = 30}},
         .channels = {{.word = 68, .bargraph_combo = 2359, .kind_text = 2360,
                       .correction_radio = 2355, .setpoint_radio = 2356},
                      {.word = 69, .bargraph_combo = 2371, .kind_text = 2372,
                       .correction_radio = 2367, .setpoint_radio = 2368}},
         .modes = {{.link = 2374, .states = 2375, .first_symbol = 2377, .symbol_step = 1},
                   {.link = 2410, .states = 2412, .first_symbol = 2414, .symbol_step = 1},
                   {.link = 2447, .states = 2449, .first_symbol = 2451, .symbol_step = 1}},
         .output = {.two_state_radio = 2503, .pwm_radio = 2504, .steps_edit = 2506,
                    .frequency_edit = 2508, .period_edit = 2511, .set_button = 2509},
         .colour_lcd = true});
    m.active_time_combo = 2340;
    m.colours = {{.control = 2470, .word = 37, .nibble = 0}, {.control = 2471, .word = 37, .nibble = 1},
                 {.control = 2472, .word = 37, .nibble = 2}, {.control = 2473, .word = 36, .nibble = 0},
                 {.control = 2474, .word = 36, .nibble = 1}};
    m.word_defaults.insert(m.word_defaults.end(), {{.word = 35, .value = 5},
                                                   {.word = 36, .value = 0x222},
                                                   {.word = 37, .value = 0x333}});
    m.limit_pairs = {{.lower = 2352, .upper = 2353}, {.lower = 2364, .upper = 2365}};
    return m;
  }();
  static const MultiChannelDef bbh7t = [] {
    DialogDef d = Frame({.number = 133,
                         .title = "BBH7T",
                         .header = "BBH7T",
                         .buttons = {.open = 1509, .read = 1515, .save = 1510, .write = 1516,
                                     .preset = 1514, .cancel = 1517},
                         .text = 1391,
                         .text_initial = "Kolvar BBH7T    ",
                         .text_preset = "BBH7T Kolvar    ",
                         .speed = 1396,
                         .timer_ms = 5});
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
    return LcdMc(
        std::move(d),
        {.quick_select = {{.control = 1511, .word = 29}, {.control = 1512, .word = 30}},
         .channels = {{.word = 68, .bargraph_combo = 1539, .kind_text = 1541,
                       .correction_radio = 1537, .setpoint_radio = 1538},
                      {.word = 69, .bargraph_combo = 1540, .kind_text = 1542,
                       .correction_radio = 1548, .setpoint_radio = 1549}},
         .modes = {{.link = 1494, .states = 1545, .first_symbol = 1400, .symbol_step = 1},
                   {.link = 1499, .states = 1546, .first_symbol = 1420, .symbol_step = 1},
                   {.link = 1504, .states = 1547, .first_symbol = 1440, .symbol_step = 1}},
         .output = {.two_state_radio = 1518, .pwm_radio = 1535, .steps_edit = 1557,
                    .frequency_edit = 1536, .period_edit = 1553, .set_button = 1520}});
  }();
  static const MultiChannelDef jbc3s = [] {
    DialogDef d = Frame({.number = 135,
                         .title = "JBC3S",
                         .header = "JBC3S",
                         .buttons = {.open = 1600, .read = 1603, .save = 1601, .write = 1604,
                                     .preset = 1602, .cancel = 1605},
                         .text = 1564,
                         .text_initial = "Kolvar JBC3S    ",
                         .text_preset = "JBC3S Kolvar    ",
                         .speed = 1569,
                         .timer_ms = 5});
    d.fields = {PlainContrast(1562),
                Address(1568),
                TemperatureShift(1559),
                Temperature(1572, 8, "0.0"),
                Temperature(1574, 53, "5.0"),
                Temperature(1576, 52, "-5.0")};
    d.choices.push_back(MenuLocked(1583));
    return WithLimitPairs(
        LcdMc(std::move(d),
              {.quick_select = {{.control = 1587, .word = 29}, {.control = 1588, .word = 30}},
               .channels = {{.word = 68, .bargraph_combo = 1581, .kind_text = 1582,
                             .correction_radio = 1577, .setpoint_radio = 1578}},
               .modes = {{.link = 1612, .states = 1618, .first_symbol = 1622, .symbol_step = 1},
                         {.link = 1613, .states = 1619, .first_symbol = 1640, .symbol_step = 1},
                         {.link = 1614, .states = 1620, .first_symbol = 1660, .symbol_step = 1}},
               .output = {.two_state_radio = 1590, .pwm_radio = 1591, .steps_edit = 1717,
                          .frequency_edit = 1599, .period_edit = 1595, .set_button = 1718}}),
        {{.lower = 1576, .upper = 1574}});
  }();
  static const MultiChannelDef bbh7h = [] {
    DialogDef d = Frame({.number = 138,
                         .title = "BBH7H",
                         .header = "BBH7H",
                         .buttons = {.open = 2090, .read = 2091, .save = 2092, .write = 2093,
                                     .preset = 2094, .cancel = 2095},
                         .text = 2055,
                         .text_initial = "Kolvar BBH7H    ",
                         .text_preset = "BBH7H Kolvar    ",
                         .speed = 2060,
                         .parity = 2062,
                         .timer_ms = 20});
    // The lower potentiometer limit is checked against the upper one by the dialog.
    d.fields = {TemperatureShift(2052),
                HumidityShift(2053),
                Address(2059),
                Temperature(2068, 53, "5.0"),
                {.control = 2067, .word = 52, .format = F::kTenths, .initial = "-5.0"}};
    MultiChannelDef m = OutputOnly(std::move(d), {.two_state_radio = 2072, .pwm_radio = 2073,
                                                  .steps_edit = 2075, .frequency_edit = 2077,
                                                  .period_edit = 2080, .set_button = 2078});
    // One key instead of display modes: its LED link is a pair of radio
    // buttons (the dialog's own), its states are LED patterns.
    m.modes = {{.states_combo = 4079, .first_symbol = 4096, .symbol_step = 1, .link_word = 84,
                .states_word = 85, .first_symbol_word = 92, .state_texts = kLedPatterns}};
    ModeDefaults(m);
    return m;
  }();
  static const MultiChannelDef bbh8l = [] {
    DialogDef d = Frame({.number = 145,
                         .title = "BBH8L",
                         .header = "BBH8L",
                         .buttons = {.open = 2226, .read = 2227, .save = 2228, .write = 2229,
                                     .preset = 2230, .cancel = 2231},
                         .text = 2232,
                         .text_initial = "Kolvar BBH8L    ",
                         .text_preset = "BBH8L Kolvar    ",
                         .speed = 2214,
                         .parity = 2215,
                         .timer_ms = 20});
    d.fields = {TemperatureShift(2206), HumidityShift(2207), Address(2213)};
    return OutputOnly(std::move(d), {.two_state_radio = 2217, .pwm_radio = 2218,
                                     .steps_edit = 2220, .frequency_edit = 2223,
                                     .period_edit = 2224, .set_button = 2225});
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
