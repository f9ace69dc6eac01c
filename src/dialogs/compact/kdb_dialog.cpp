// KDB: CO2, temperature and humidity; the model the other compact dialogs vary.
#include "dialogs/compact/compact_family.h"

namespace travik {

using F = FieldFormat;
using C = CheckKind;
using ui::ControlKind;

const DialogDef& KdbDialogDef() {
  static const DialogDef def{
      .template_number = kDlgKdb,
      .title = "KDB",
      .header_name = "KDB",
      .read_button = 1345, .write_button = 1347, .cancel_button = 1349,
      .open_button = 1344, .save_button = 1346, .preset_button = 1348,
      .text_control = 1338,
      .text_initial = "KDB Kolvar      ",
      .text_preset = "KDB Kolvar s.r.o",
      .speed_combo = 1343,
      .fields = {
          {.control = 1341, .word = 48, .format = F::kUnsigned, .check = C::kUnsignedInt,
           .min = 1, .max = 254, .initial = "1"},
          {.control = 1332, .word = 76, .format = F::kTenths, .check = C::kTenths,
           .min = -200, .max = 200, .initial = "0.0"},
          {.control = 1334, .word = 77, .format = F::kTenths, .check = C::kTenths,
           .min = -200, .max = 200, .initial = "0.0"},
          // Whole ppm checked with the tenths rule: 250 becomes "200.0", written as 200.
          {.control = 1336, .word = 81, .format = F::kSigned, .check = C::kTenths,
           .min = -2000, .max = 2000, .initial = "0"},
          {.control = 2326, .word = 62, .initial = "800"},
          {.control = 2325, .word = 63, .initial = "1000"},
      },
      .fixed_words = {kContrast110},
      .hi_above_lo = {{.lo = 2326, .hi = 2325}},
      .texts = {{2329, "400"}},
      // The calibration-value group of the template takes no part.
      .hidden = {2327, 2328, 2329, 2330},
      .offline_disabled = {2329, 2330},
      .read_at_open = ReadAtOpen::kNo,
      // Older firmware has no CO2 indication limits to show; the hidden
      // fields still go out on a write.
      .old_firmware_group = 4,
      .old_firmware_hides = {2322, 2323, 2324, 2325, 2326, 2327, 2328, 2329, 2330},
      .layout = {
          {1330, "Posuv měřené hodnoty", 0,
           {{1331, "Teplota [°C]", 1332}, {1333, "Vlhkost [%RH]", 1334},
            {1335, "Konc. CO2 [ppm]", 1336}}},
          {2322, "Limity indikace CO2", 0,
           {{2324, "Spodní limit", 2326}, {2323, "Horní limit", 2325}}},
          {1337, "Textové pole", 1, {{.control = 1338}}},
          {1339, "Síťové nastavení", 1,
           {{1340, "Adresa", 1341}, {1342, "Rychlost", 1343, ControlKind::kSortedCombo, 0, 50}}},
          {2327, "Zápis kalibrační hodnoty", 1,
           {{2328, "Kalibrační hodnota", 2329},
            {.text = "Zápsat kalibraci", .control = 2330, .kind = ControlKind::kButton}}},
      },
  };
  return def;
}

}  // namespace travik
