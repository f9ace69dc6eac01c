#include "dialogs/multichannel/kdb7dy_dialog.h"

#include <array>
#include <string>

#include "config/format.h"
#include "core/globals.h"
#include "core/text.h"
#include "protocol/frames.h"
#include "resources/resources.h"

namespace travik {

namespace {
constexpr int kCalibrationValue = 4073;
constexpr int kWriteCalibration = 4074;
}  // namespace

const MultiChannelDef& Kdb7dyDialogDef() {
  static const MultiChannelDef def = [] {
    using F = FieldFormat;
    using C = CheckKind;
    MultiChannelDef d;
    d.template_number = res::kDlgKdb7dy;
    d.model = "KDB7DY";
    d.timer_ms = 5;
    d.open_button = 4040;
    d.save_button = 4041;
    d.preset_button = 4042;
    d.read_button = 4043;
    d.write_button = 4044;
    d.cancel_button = 4045;
    // In the order the timer checks them.
    d.fields = {
        {3866, 33, F::kUnsigned, C::kUnsignedInt, 100, 0, "15", "15"},
        {3874, 48, F::kUnsigned, C::kUnsignedInt, 254, 1, "1", "1"},
        {3861, 76, F::kTenths, C::kTenths, 200, -200, "0.0", "0.0"},
        {3862, 77, F::kTenths, C::kTenths, 200, -200, "0.0", "0.0"},
        // Whole ppm, shown and written as typed; the check reads the text
        // with the tenths rule, so 200.1 becomes "200.0" and goes out as 200.
        {4051, 81, F::kSigned, C::kTenths, 2000, -2000, "0", "0"},
        {3883, 8, F::kTenths, C::kTenths, 2000, -200, "0.0", "0.0"},
        {3882, 53, F::kTenths, C::kTenths, 2000, -200, "5.0", "5.0"},
        {3881, 52, F::kTenths, C::kTenths, 2000, -200, "-5.0", "-5.0"},
        {3894, 9, F::kSigned, C::kSignedInt, 100, -100, "40", "40"},
        {3893, 55, F::kSigned, C::kSignedInt, 100, -100, "80", "80"},
        {3892, 54, F::kSigned, C::kSignedInt, 100, -100, "20", "20"},
        {4052, 13, F::kSigned, C::kSignedInt, 5000, 0, "1000", "1000"},
        {4053, 63, F::kSigned, C::kSignedInt, 5000, 0, "2000", "2000"},
        {4056, 62, F::kSigned, C::kSignedInt, 5000, 0, "800", "800"},
        {4068, 65, F::kSigned, C::kSignedInt, 5000, 0, "2000", "2000"},
        {4067, 64, F::kSigned, C::kSignedInt, 5000, 0, "1000", "1000"},
    };
    d.text_control = 3869;
    d.text_open_default = "Kolvar KDB7DY   ";
    d.text_preset_default = "KDB7DY Kolvar   ";
    d.active_time_combo = 3867;
    d.baud_combo = 3875;
    d.parity_combo = 3876;
    d.quick_select = {{4027, 29}, {4029, 30}};
    d.channels = {{68, 3887, 3898, 3884, 3885}, {69, 3900, 3899, 3895, 3896}, {73, 4058, 4063, 4061, 4062}};
    d.colours = {{4046, 37, 0}, {4047, 37, 1}, {4048, 37, 2},
                 {4018, 36, 0}, {4020, 36, 1}, {4021, 36, 2}};
    d.modes = {StandardMode(0, 4049, 3904, 3906, 2), StandardMode(1, 3939, 3941, 3943, 2),
               StandardMode(2, 3976, 3978, 3980, 2)};
    d.bit_checks = {{4024, 39, 0}, {4070, 39, 1}};
    d.output = {4031, 4032, 4034, 4036, 4039, 4037};
    d.word_defaults = {{35, 5},    {29, 10},   {30, 10},   {39, 0},    {49, 4},
                       {50, 1},    {51, 65534}, {68, 1},   {69, 1026}, {73, 1027},
                       {36, 0x222}, {37, 0x333}};
    for (const auto& m : d.modes) {
      d.word_defaults.push_back({m.link_word, 0});
      d.word_defaults.push_back({m.states_word, 0});
      for (int k = 0; k < mc::kModeSymbols; ++k) d.word_defaults.push_back({m.first_symbol_word + k, 0});
    }
    d.labels = {
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
        {4074, "Zápsat kalibraci"}, {3901, "Režim 1"}, {3937, "Režim 2"}, {3974, "Režim 3"},
        {3902, "Propojení s LCD"}, {3938, "Propojení s LCD"}, {3975, "Propojení s LCD"},
        {3903, "Počet\nstavů"}, {3940, "Počet\nstavů"}, {3977, "Počet\nstavů"},
        {4011, "Nastavení barev"}, {4012, "Symboly"}, {4013, "Vlevo"}, {4014, "Uprostřed"},
        {4015, "Vpravo"}, {4016, "Měřená"}, {4017, "Teplota"}, {4019, "Vlhkost"}, {4022, "CO2"},
        {4023, "Povolení Menu"}, {4024, "Menu nepřístupné"}, {4025, "Rychlá volba"},
        {4026, "Prostřední tlačítko"}, {4028, "Spodní tlačítko"}, {4030, "Digitální výstup"},
        {4031, "Dvojstavový"}, {4032, "PWM výstup"}, {4033, "Počet kroků"},
        {4035, "Frekvence [Hz]"}, {4038, "Perioda [ms]"}, {4037, "Nastavit"},
        {4040, "Otevřít Nastavení"}, {4041, "Uložit Nastavení"}, {4042, "Přednastavení"},
        {4043, "Načíst KDB7DY"}, {4044, "Zapsat KDB7DY"}, {4045, "Cancel"},
    };
    static const std::array<std::string, mc::kModeSymbols> symbol_labels = [] {
      std::array<std::string, mc::kModeSymbols> texts;
      for (int k = 0; k < mc::kModeSymbols; ++k) texts[k] = "Symbol " + std::to_string(k + 1);
      return texts;
    }();
    for (const auto& m : d.modes)
      for (int k = 0; k < mc::kModeSymbols; ++k) d.labels.push_back({m.SymbolCombo(k) - 1, symbol_labels[k].c_str()});
    d.hidden = {4071, 4072, kCalibrationValue, kWriteCalibration};
    d.offline_disabled = {kCalibrationValue, kWriteCalibration};
    return d;
  }();
  return def;
}

Kdb7dyDialog::Kdb7dyDialog() : MultiChannelDialog(Kdb7dyDialogDef()) {}

void Kdb7dyDialog::OnInit(ui::Dialog& d) {
  d.SetText(kCalibrationValue, "400");
  MultiChannelDialog::OnInit(d);
}

void Kdb7dyDialog::OnOtherCommand(ui::Dialog& d, int id, ui::Notify code) {
  if (id != kWriteCalibration || code != ui::Notify::kClicked) return;
  // Not offered: the group stays hidden, as on the device's own tool.
  const auto value = static_cast<std::uint16_t>(ParseInt(Utf8ToCp1250(d.GetText(kCalibrationValue, 9))));
  FrameCalibrationValue(value);
  if (SendCommandRemembered(1)) {
    d.MessageBox("Kalibrační data zapsána", "SET info", ui::Icon::kInformation);
    return;
  }
  d.MessageBox("Chyba při zápisu kalbračních dat", "SET info", ui::Icon::kError);
  d.PostClose();
}

}  // namespace travik
