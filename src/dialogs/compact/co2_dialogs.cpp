// The CO2 transmitters with indication limits: KDB (type 6, the model the
// other compact dialogs vary) and types 5, 7 and 8.
#include "dialogs/compact/compact_family.h"
#include "dialogs/compact/compact_groups.h"
#include "dialogs/compact/compact_members.h"

namespace travik {

using ui::ControlKind;
using namespace compact;

namespace {

struct Co2Ids {
  int lo, hi, co2;
  int temp = 0, hum = 0;  // 0: no such shift
  int limit_group, lo_label, hi_label;
  int shift_group, temp_label = 0, hum_label = 0, co2_label;
  int calibration[4] = {};  // group, label, edit, button; {}: none
};

// The limits are kept Hi above Lo; older firmware hides them (and the
// calibration group). The hidden fields still go out on a write.
void AddCo2(DialogDef& d, const Co2Ids& ids, bool check_limits) {
  if (ids.temp != 0) d.fields.push_back(TemperatureShift(ids.temp));
  if (ids.hum != 0) d.fields.push_back(HumidityShift(ids.hum));
  d.fields.push_back(Co2Shift(ids.co2));
  d.fields.push_back(Co2Lo(ids.lo, check_limits));
  d.fields.push_back(Co2Hi(ids.hi, check_limits));
  d.fixed_words = {kContrast110};
  d.hi_above_lo = {{.lo = ids.lo, .hi = ids.hi}};
  d.old_firmware_hides = {ids.limit_group, ids.lo_label, ids.hi_label, ids.lo, ids.hi};
  LayoutGroup shifts{ids.shift_group, "Posuv měřené hodnoty", 0, {}};
  if (ids.temp != 0) shifts.rows.push_back({ids.temp_label, "Teplota [°C]", ids.temp});
  if (ids.hum != 0) shifts.rows.push_back({ids.hum_label, "Vlhkost [%RH]", ids.hum});
  shifts.rows.push_back({ids.co2_label, "Konc. CO2 [ppm]", ids.co2});
  d.layout.insert(d.layout.begin(),
                  {shifts,
                   {ids.limit_group, "Limity indikace CO2", 0,
                    {{ids.lo_label, "Spodní limit", ids.lo}, {ids.hi_label, "Horní limit", ids.hi}}}});
  if (ids.calibration[0] == 0) return;
  // The calibration-value group of the template takes no part.
  const auto& c = ids.calibration;
  d.texts = {{c[2], "400"}};
  d.hidden = {c[0], c[1], c[2], c[3]};
  d.offline_disabled = {c[2], c[3]};
  d.old_firmware_hides.insert(d.old_firmware_hides.end(), {c[0], c[1], c[2], c[3]});
  d.layout.push_back({c[0], "Zápis kalibrační hodnoty", 1,
                      {{c[1], "Kalibrační hodnota", c[2]},
                       {.text = "Zápsat kalibraci", .control = c[3], .kind = ControlKind::kButton}}});
}

DialogDef Co2Base(int number, const char* model, const DeviceButtons& buttons, int text,
                  const char* text_initial, const char* text_preset, int address, int speed,
                  int network_group, int address_label, int speed_label) {
  DialogDef d = MemberBase(number, model, buttons, text, text_initial, text_preset);
  d.speed_combo = speed;
  d.fields = {Address(address)};
  d.layout = {TextGroup(number * 100 + 5, text, 1),
              NetworkGroup(network_group, address_label, address, speed_label, speed, 1)};
  return d;
}

}  // namespace

const DialogDef& KdbDialogDef() {
  static const DialogDef def = [] {
    DialogDef d = Co2Base(
        kDlgKdb, "KDB",
        {.open = 1344, .read = 1345, .save = 1346, .write = 1347, .preset = 1348, .cancel = 1349},
        1338, "KDB Kolvar      ", "KDB Kolvar s.r.o", 1341, 1343, 1339, 1340, 1342);
    d.layout.front().id = 1337;
    AddCo2(d, {.lo = 2326, .hi = 2325, .co2 = 1336, .temp = 1332, .hum = 1334,
               .limit_group = 2322, .lo_label = 2324, .hi_label = 2323,
               .shift_group = 1330, .temp_label = 1331, .hum_label = 1333, .co2_label = 1335,
               .calibration = {2327, 2328, 2329, 2330}},
           false);
    d.read_at_open = ReadAtOpen::kNo;
    d.old_firmware_group = 4;
    return d;
  }();
  return def;
}

namespace compact {

const DialogDef& NrxuDef() {
  static const DialogDef def = [] {
    DialogDef d = Co2Base(
        123, "NRXU",
        {.open = 1256, .read = 1252, .save = 1257, .write = 1253, .preset = 1258, .cancel = 1255},
        1246, "NRXU            ", "NRXU Kolvar     ", 1250, 1251, 12304, 12341, 12342);
    AddCo2(d, {.lo = 1265, .hi = 1259, .co2 = 1242, .temp = 1240, .hum = 1241,
               .limit_group = 12302, .lo_label = 12321, .hi_label = 12322,
               .shift_group = 12301, .temp_label = 12311, .hum_label = 12312, .co2_label = 12313},
           true);
    d.read_at_open = ReadAtOpen::kOnOldFirmware;
    d.old_firmware_group = 4;
    return d;
  }();
  return def;
}

namespace {
DialogDef Co2Only(int number, const char* model, const DeviceButtons& buttons, int text,
                  const char* text_default, int address, int speed, int co2, int lo, int hi) {
  const int b = number * 100;
  DialogDef d = Co2Base(number, model, buttons, text, text_default, text_default, address, speed,
                        b + 4, b + 41, b + 42);
  AddCo2(d, {.lo = lo, .hi = hi, .co2 = co2, .limit_group = b + 2, .lo_label = b + 21,
             .hi_label = b + 22, .shift_group = b + 1, .co2_label = b + 13,
             .calibration = {b + 6, b + 61, b + 62, b + 63}},
         false);
  d.read_at_open = ReadAtOpen::kOnOldFirmware;
  d.old_firmware_group = 3;
  return d;
}
}  // namespace

const DialogDef& NrgnDef() {
  static const DialogDef def = Co2Only(
      131, "NRGN",
      {.open = 1360, .read = 1365, .save = 1361, .write = 1364, .preset = 1362, .cancel = 1363},
      1354, "NRGN Kolvar     ", 1357, 1359, 1351, 1368, 1367);
  return def;
}

const DialogDef& KfxDef() {
  static const DialogDef def = Co2Only(
      132, "KFX",
      {.open = 1376, .read = 1381, .save = 1377, .write = 1380, .preset = 1378, .cancel = 1379},
      1370, "KFX Kolvar s.r.o", 1373, 1375, 1368, 1384, 1383);
  return def;
}

}  // namespace compact
}  // namespace travik
