#include "dialogs/multichannel/kdb7dy_dialog.h"

#include <array>
#include <string>

#include "config/format.h"
#include "core/globals.h"
#include "dialogs/multichannel/member_fields.h"
#include "resources/resources.h"

namespace travik {

namespace {
constexpr int kCalibrationValue = 4073;
constexpr int kWriteCalibration = 4074;

// "Symbol 1" ... "Symbol 16", the labels before the symbol combos.
const std::array<std::string, mc::kModeSymbols>& SymbolLabels() {
  static const std::array<std::string, mc::kModeSymbols> texts = [] {
    std::array<std::string, mc::kModeSymbols> t;
    for (int k = 0; k < mc::kModeSymbols; ++k) t[static_cast<std::size_t>(k)] = "Symbol " + std::to_string(k + 1);
    return t;
  }();
  return texts;
}

}  // namespace

const MultiChannelDef& Kdb7dyDialogDef() {
  using C = CheckKind;
  static const MultiChannelDef def = [] {
    using namespace members;
    DialogDef dialog = Frame(res::kDlgKdb7dy, "KDB7DY", "KDB7DY",
                             {.open = 4040, .read = 4043, .save = 4041, .write = 4044, .preset = 4042,
                              .cancel = 4045},
                             3869, "Kolvar KDB7DY   ", "KDB7DY Kolvar   ", 3875, 3876, 5);
    // In the order the timer checks them.
    dialog.fields = {Percent(3866, 33, "15"),
                     Address(3874),
                     TemperatureShift(3861),
                     HumidityShift(3862),
                     Co2Shift(4051),
                     Temperature(3883, 8, "0.0"),
                     Temperature(3882, 53, "5.0"),
                     Temperature(3881, 52, "-5.0"),
                     Whole(3894, 9, "40", C::kSignedInt, -100, 100),
                     Whole(3893, 55, "80", C::kSignedInt, -100, 100),
                     Whole(3892, 54, "20", C::kSignedInt, -100, 100),
                     Whole(4052, 13, "1000", C::kSignedInt, 0, 5000),
                     Whole(4053, 63, "2000", C::kSignedInt, 0, 5000),
                     Whole(4056, 62, "800", C::kSignedInt, 0, 5000),
                     Whole(4068, 65, "2000", C::kSignedInt, 0, 5000),
                     Whole(4067, 64, "1000", C::kSignedInt, 0, 5000),
                     CalibrationValue(kCalibrationValue)};
    dialog.choices = {MenuLocked(4024),
                      {.kind = ChoiceKind::kCheckBit, .control = 4070, .word = 39, .mask = 2}};
    dialog.hidden = {4071, 4072, kCalibrationValue, kWriteCalibration};
    dialog.offline_disabled = {kCalibrationValue, kWriteCalibration};
    MultiChannelDef d{
        .dialog = std::move(dialog),
        .active_time_combo = 3867,
        .quick_select = {{.control = 4027, .word = 29}, {.control = 4029, .word = 30}},
        .channels = {{.word = 68, .bargraph_combo = 3887, .kind_text = 3898, .correction_radio = 3884,
                      .setpoint_radio = 3885},
                     {.word = 69, .bargraph_combo = 3900, .kind_text = 3899, .correction_radio = 3895,
                      .setpoint_radio = 3896},
                     {.word = 73, .bargraph_combo = 4058, .kind_text = 4063, .correction_radio = 4061,
                      .setpoint_radio = 4062}},
        .colours = {{.control = 4046, .word = 37, .nibble = 0}, {.control = 4047, .word = 37, .nibble = 1},
                    {.control = 4048, .word = 37, .nibble = 2},
                    {.control = 4018, .word = 36, .nibble = 0}, {.control = 4020, .word = 36, .nibble = 1},
                    {.control = 4021, .word = 36, .nibble = 2}},
        .modes = {StandardMode(0, 4049, 3904, 3906, 2), StandardMode(1, 3939, 3941, 3943, 2),
                  StandardMode(2, 3976, 3978, 3980, 2)},
        .output = {.two_state_radio = 4031, .pwm_radio = 4032, .steps_edit = 4034,
                   .frequency_edit = 4036, .period_edit = 4039, .set_button = 4037},
        .word_defaults = {{35, 5}, {29, 10}, {30, 10}, {50, 1}, {51, 65534}, {68, 1}, {69, 1026},
                          {73, 1027}, {36, 0x222}, {37, 0x333}},
        // Not offered: the group stays hidden; its handler is kept.
        .calibration_edit = kCalibrationValue,
        .calibration_button = kWriteCalibration,
        .limit_pairs = {{3881, 3882}, {3892, 3893}, {4056, 4053}, {4067, 4068}},
    };
    for (const auto& m : d.modes) {
      d.word_defaults.push_back({m.link_word, 0});
      d.word_defaults.push_back({m.states_word, 0});
      for (int k = 0; k < mc::kModeSymbols; ++k) d.word_defaults.push_back({m.first_symbol_word + k, 0});
    }
    d.dialog.texts.insert(d.dialog.texts.end(), {
        {3858, "Posuv měřené hodnoty"}, {3859, "Teplota [°C]"}, {3860, "Vlhkost [%RH]"},
        {4050, "Konc. CO2 [ppm]"}, {3863, "Nastavení šetřiče LCD"},
        {3864, "Podsvícení neaktivní LCD"}, {3865, "Čas aktivního LCD"}, {3868, "Textové pole"},
        {3870, "Síťové nastavení"}, {3871, "Adresa"}, {3872, "Rychlost"}, {3873, "Parita"},
        {3877, "Teplota - konfigurační parametry"}, {3878, "Spodní limit [°C]"},
        {3879, "Horní limit [°C]"}, {3880, "Žádaná [°C]"}, {3884, "Korekce Teploty"},
        {3885, "Žádaná Teplota"}, {3886, "Bargraf"}, {3898, "Relativní"},
        {3888, "Vlhkost - konfigurační parametry"}, {3889, "Spodní limit [%RH]"},
        {3890, "Horní limit [%RH]"}, {3891, "Žádaná [%RH]"}, {3895, "Korekce Vlhkosti"},
        {3896, "Žádaná Vlhkosti"}, {3897, "Bargraf"}, {3899, "Absolutní"},
        {4060, "Koncentrace CO2 - konfigurační parametry"}, {4057, "Spodní limit [%ppm]"},
        {4055, "Horní limit [%ppm]"}, {4054, "Žádaná [%ppm]"}, {4061, "Korekce Konc. CO2"},
        {4062, "Žádaná Konc. CO2"}, {4059, "Bargraf"}, {4063, "Konstatní"},
        {4064, "Limity indikace CO2"}, {4065, "Spodní limit"}, {4066, "Horní limit"},
        {4069, "Kalibrace CO2"}, {4070, "Zákázat automatickou kalibraci"},
        {4071, "Zápis kalibrační hodnoty"}, {4072, "Kalibrační hodnota"},
        {kWriteCalibration, "Zápsat kalibraci"}, {3901, "Režim 1"}, {3937, "Režim 2"},
        {3974, "Režim 3"}, {3902, "Propojení s LCD"}, {3938, "Propojení s LCD"},
        {3975, "Propojení s LCD"}, {3903, "Počet\nstavů"}, {3940, "Počet\nstavů"},
        {3977, "Počet\nstavů"}, {4011, "Nastavení barev"}, {4012, "Symboly"}, {4013, "Vlevo"},
        {4014, "Uprostřed"}, {4015, "Vpravo"}, {4016, "Měřená"}, {4017, "Teplota"},
        {4019, "Vlhkost"}, {4022, "CO2"}, {4023, "Povolení Menu"}, {4024, "Menu nepřístupné"},
        {4025, "Rychlá volba"}, {4026, "Prostřední tlačítko"}, {4028, "Spodní tlačítko"},
        {4030, "Digitální výstup"}, {4031, "Dvojstavový"}, {4032, "PWM výstup"},
        {4033, "Počet kroků"}, {4035, "Frekvence [Hz]"}, {4038, "Perioda [ms]"},
        {4037, "Nastavit"},
    });
    for (const auto& m : d.modes)
      for (int k = 0; k < mc::kModeSymbols; ++k)
        d.dialog.texts.push_back({m.SymbolCombo(k) - 1, SymbolLabels()[static_cast<std::size_t>(k)].c_str()});
    return d;
  }();
  return def;
}

}  // namespace travik
