#include "dialogs/compact/kdb_dialog.h"

#include <cstdint>

#include "config/format.h"
#include "core/globals.h"

namespace travik {

namespace {
constexpr int kLoEdit = 2326;
constexpr int kHiEdit = 2325;
}  // namespace

const CompactDialogDef& KdbDialogDef() {
  static const CompactDialogDef def = [] {
    CompactDialogDef d;
    d.template_number = kDlgKdb;
    d.model = "KDB";
    d.read_button = 1345;
    d.write_button = 1347;
    d.cancel_button = 1349;
    d.open_button = 1344;
    d.save_button = 1346;
    d.preset_button = 1348;
    d.speed_combo = 1343;
    d.text_control = 1338;
    d.text_open_default = "KDB Kolvar      ";
    d.text_preset_default = "KDB Kolvar s.r.o";
    d.fields = {
        {1341, 48, FieldFormat::kUnsigned, CheckKind::kUnsignedInt, 254, 1, "1", "1"},
        {1332, 76, FieldFormat::kTenths, CheckKind::kTenths, 200, -200, "0.0", "0.0"},
        {1334, 77, FieldFormat::kTenths, CheckKind::kTenths, 200, -200, "0.0", "0.0"},
        // The CO2 shift is whole ppm but checked with the tenths rule, so 250
        // becomes "200.0" and is written as 200.
        {1336, 81, FieldFormat::kSigned, CheckKind::kTenths, 2000, -2000, "0", "0"},
        {kLoEdit, 62, FieldFormat::kSigned, CheckKind::kNone, 0, 0, "800", "800"},
        {kHiEdit, 63, FieldFormat::kSigned, CheckKind::kNone, 0, 0, "1000", "1000"},
    };
    d.labels = {
        {1330, "Posuv měřené hodnoty"}, {1331, "Teplota [°C]"},
        {1333, "Vlhkost [%RH]"},        {1335, "Konc. CO2 [ppm]"},
        {1337, "Textové pole"},         {1339, "Síťové nastavení"},
        {1340, "Adresa"},               {1342, "Rychlost"},
        {2322, "Limity indikace CO2"},  {2324, "Spodní limit"},
        {2323, "Horní limit"},          {2327, "Zápis kalibrační hodnoty"},
        {2328, "Kalibrační hodnota"},   {2330, "Zápsat kalibraci"},
        {1344, "Otevřít Nastavení"},    {1346, "Uložit Nastavení"},
        {1348, "Přednastavení"},        {1345, "Načíst KDB"},
        {1347, "Zapsat KDB"},
    };
    d.offline_disabled = {2329, 2330};
    return d;
  }();
  return def;
}

KdbDialog::KdbDialog() : CompactDialog(KdbDialogDef()) {}

void KdbDialog::OnOpening(ui::Dialog& d) {
  d.SetText(2329, "400");
  const auto& digits = G().FirmwareDigits;
  const int firmware_group = 10 * digits[4] + digits[5];
  // Older firmware has no CO2 indication limits to show; the hidden fields
  // still go out on a write.
  if (G().DeviceOnline == 1 && firmware_group <= 4)
    for (int id = 2322; id <= 2330; ++id) d.Show(id, false);
  for (int id = 2327; id <= 2330; ++id) d.Show(id, false);
}

void KdbDialog::CrossFieldRules(ui::Dialog& d) {
  // Waits while the user is typing the Hi limit.
  if (d.HasFocus(kHiEdit)) return;
  const auto lo = static_cast<std::int16_t>(ParseInt(d.GetText(kLoEdit, 9)));
  const auto hi = static_cast<std::int16_t>(ParseInt(d.GetText(kHiEdit, 9)));
  if (hi > lo) return;
  if (lo == INT16_MAX) {
    // No Hi can lie above the largest Lo; moving Lo down one keeps the rule
    // from firing on every tick.
    d.SetText(kLoEdit, FormatInt(INT16_MAX - 1));
    d.SetText(kHiEdit, FormatInt(INT16_MAX));
  } else {
    d.SetText(kHiEdit, FormatInt(lo + 1));
  }
  d.MessageBox("Hodnota Hi mensí než hodnota Lo", "Nastavená hodnota", ui::Icon::kInformation);
}

}  // namespace travik
