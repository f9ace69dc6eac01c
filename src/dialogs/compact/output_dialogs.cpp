// The compact transmitters with analog outputs (types 0, 2, 3, 4, 9, 11).
#include "dialogs/compact/compact_groups.h"
#include "dialogs/compact/compact_members.h"

namespace travik::compact {

using F = FieldFormat;
using C = CheckKind;
using ui::ControlKind;

namespace {

// Types 0 and 2: temperature and humidity, each driving one output.
struct ThermoHygroIds {
  int contrast, temp, hum;
  OutputControls out1, out2;
};
DialogDef ThermoHygro(DialogDef d, const ThermoHygroIds& ids) {
  const int b = d.template_number * 100;
  d.fields = {TemperatureShift(ids.temp), HumidityShift(ids.hum), ContrastField(ids.contrast)};
  AddOutput(d, 1, ids.out1, &kTemperatureInput, 0);
  AddOutput(d, 2, ids.out2, &kHumidityInput, 1);
  d.layout.push_back(Shifts(b + 3, {{b + 31, "Teplota [°C]", ids.temp},
                                    {b + 32, "Vlhkost [%RH]", ids.hum}}, 2));
  d.layout.push_back(Display(b + 4, b + 41, ids.contrast, 2));
  d.layout.push_back(TextGroup(b + 5, d.text_control, 2));
  return d;
}

OutputControls Out(int b, int k, int current, int voltage, int in_lo, int in_hi, int out_lo,
                   int out_hi, int safety) {
  const int l = b + 10 * k;
  return {b + k, current, voltage, l + 1, in_lo, l + 2, in_hi, l + 3, out_lo, l + 4, out_hi,
          l + 5, safety};
}

}  // namespace

const DialogDef& NscDef() {
  static const DialogDef def = ThermoHygro(
      MemberBase(
          105, "NSC",
          {.open = 1028, .read = 1009, .save = 1035, .write = 1010, .preset = 1023, .cancel = 1024},
          1034, kBlank16, "NSC Kolvar s.r.o"),
      {.contrast = 1029,
       .temp = 1007,
       .hum = 1008,
       .out1 = Out(10500, 1, 1011, 1012, 1013, 1014, 1015, 1016, 1032),
       .out2 = Out(10500, 2, 1017, 1018, 1019, 1020, 1021, 1022, 1030)});
  return def;
}

const DialogDef& BbaDef() {
  static const DialogDef def = ThermoHygro(
      MemberBase(
          111, "BBA",
          {.open = 1109, .read = 1074, .save = 1110, .write = 1075, .preset = 1111, .cancel = 1077},
          1098, kBlank16, "BBA Kolvar s.r.o"),
      {.contrast = 1097,
       .temp = 1095,
       .hum = 1096,
       .out1 = Out(11100, 1, 1091, 1092, 1099, 1100, 1103, 1104, 1107),
       .out2 = Out(11100, 2, 1093, 1094, 1101, 1102, 1105, 1106, 1108)});
  return def;
}

const DialogDef& Eha9Def() {
  static const DialogDef def = [] {
    DialogDef d = MemberBase(
        112, "EHA9",
        {.open = 1119, .read = 1114, .save = 1120, .write = 1115, .preset = 1131, .cancel = 1117},
        1134, "E-GQ6  Kolvar  ", "E-GQ6  Kolvar  ");
    d.speed_combo = 1151;
    d.fields = {
        Address(1150),
        // Written as 32 bits over words 50 and 51 whether the box enables it or not.
        {.control = 1154, .word = 50, .format = F::kLong, .check = C::kUnsignedInt, .min = 0,
         .max = 65535, .initial = "1000", .high_word = 51},
    };
    AddOutput(d, 1, Out(11200, 1, 1145, 1146, 1135, 1136, 1139, 1140, 1143), &kPlainInput, 0);
    AddOutput(d, 2, Out(11200, 2, 1147, 1148, 1137, 1138, 1141, 1142, 1144), &kPlainInput, 1);
    // Bit 2 of word 39; the click sets or clears it and enables the time-out.
    d.choices = {{.control = 1155, .word = 39, .mask = 4, .enables = {1154}}};
    d.layout.push_back({11203, "Safety režim", 2,
                        {{.text = "Ativovat", .control = 1155, .kind = ControlKind::kCheckBox},
                         {11231, "TimeOut [ms]", 1154}}});
    d.layout.push_back(NetworkGroup(11204, 11241, 1150, 11242, 1151, 2));
    d.layout.push_back(TextGroup(11205, 1134, 2));
    return d;
  }();
  return def;
}

const DialogDef& Uu5Def() {
  static const DialogDef def = [] {
    DialogDef d = MemberBase(
        113, "UU5",
        {.open = 1189, .read = 1185, .save = 1190, .write = 1186, .preset = 1187, .cancel = 1188},
        1158, "UU5 Kolvar s.r.o", "UU5 Kolvar s.r.o");
    AddOutput(d, 1, Out(11300, 1, 1161, 1162, 1169, 1170, 1177, 1178, 1183), &kFrequencyInput, 0);
    AddOutput(d, 2, Out(11300, 2, 1163, 1164, 1171, 1172, 1179, 1180, 1184), &kFrequencyInput, 1);
    d.layout.push_back(TextGroup(11305, 1158, 0));
    return d;
  }();
  return def;
}

const DialogDef& NwyjDef() {
  static const DialogDef def = [] {
    DialogDef d = MemberBase(
        126, "NWYJ",
        {.open = 1299, .read = 1303, .save = 1300, .write = 1304, .preset = 1301, .cancel = 1302},
        1285, "Kolvar NWYJ     ", "NWYJ Kolvar     ");
    d.fields = {AirSpeedShift(1305), ContrastField(1283)};
    AddOutput(d, 1, Out(12600, 1, 1287, 1288, 1291, 1292, 1295, 1296, 1298), &kAirSpeedInput, 0);
    d.layout.push_back(Shifts(12603, {{12631, "Proudění [m/s]", 1305}}, 1));
    d.layout.push_back(Display(12604, 12641, 1283, 1));
    d.layout.push_back(TextGroup(12605, 1285, 1));
    return d;
  }();
  return def;
}

const DialogDef& NdeupDef() {
  static const DialogDef def = [] {
    DialogDef d = MemberBase(
        142, "NDEUP",
        {.open = 2195, .read = 2198, .save = 2196, .write = 2199, .preset = 2197, .cancel = 2200},
        2168, kBlank16, "NDEUP Kolvar    ");
    constexpr int kTransparency = 14236;
    d.fields = {IlluminanceShift(2162, 76), ContrastField(2166), Transparency(kTransparency)};
    AddOutput(d, 1, Out(14200, 1, 2170, 2171, 2174, 2175, 2178, 2179, 2181), &kIlluminanceInput, 0);
    // Output 2 follows the motion sensor: its input range is 0 and 1, fixed.
    AddOutput(d, 2, Out(14200, 2, 2183, 2184, 2187, 2188, 2191, 2192, 2194), nullptr, 1);
    d.fixed_words = {{54, 0}, {55, 1}};
    d.texts = {{2187, "0"}, {2188, "1"}};
    d.disabled = {2187, 2188};
    d.hidden = {14235, kTransparency};
    d.layout.push_back(Shifts(14203, {{14231, "Osvětlení [lx]", 2162},
                                      {14235, "Korekce Transparence", kTransparency}}, 2));
    d.layout.push_back(Display(14204, 14241, 2166, 2));
    d.layout.push_back(TextGroup(14205, 2168, 2));
    return d;
  }();
  return def;
}

}  // namespace travik::compact
