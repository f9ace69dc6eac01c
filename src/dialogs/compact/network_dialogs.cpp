// The compact transmitters with network settings and measured-value shifts
// only (types 1, 10, 12, 21, 24 to 30, 48).
#include "core/globals.h"
#include "dialogs/compact/compact_groups.h"
#include "dialogs/compact/compact_members.h"
#include "protocol/frames.h"

namespace travik::compact {

using F = FieldFormat;
using C = CheckKind;
using ui::ControlKind;

namespace {

struct Shift {
  Field field;
  const char* label;
};

// Shifts in the left column, text field and network settings in the right;
// labels and groups at 100 × template + n.
DialogDef Member(int number, const char* model, const DeviceButtons& buttons, int text,
                 const char* text_initial, const char* text_preset, int address, int speed,
                 std::vector<Shift> shifts, bool contrast_110) {
  const int b = number * 100;
  DialogDef d = MemberBase(number, model, buttons, text, text_initial, text_preset);
  d.speed_combo = speed;
  d.fields = {Address(address)};
  if (contrast_110) d.fixed_words = {kContrast110};
  if (!shifts.empty()) {
    std::vector<ShiftRow> rows;
    int n = 11;
    for (const auto& s : shifts) {
      d.fields.push_back(s.field);
      rows.push_back({b + n++, s.label, s.field.control});
    }
    d.layout.push_back(Shifts(b + 1, rows, 0));
  }
  d.layout.push_back(TextGroup(b + 5, text, 1));
  d.layout.push_back(NetworkGroup(b + 4, b + 41, address, b + 42, speed, 1, b + 43));
  return d;
}

void AddContrast(DialogDef& d, int control) {
  d.fields.push_back(ContrastField(control));
  const int b = d.template_number * 100;
  d.layout.push_back(Display(b + 3, b + 31, control, 0));
}

void AddParity(DialogDef& d, int combo, const std::vector<const char*>& items) {
  d.parity_combo = combo;
  d.parity_items = items;
  const int b = d.template_number * 100;
  for (auto& g : d.layout)
    if (g.id == b + 4) g.rows.push_back({b + 43, "Parita", combo, ControlKind::kDropDownCombo, 0, 50});
}

Shift Temperature(int control) { return {TemperatureShift(control), "Teplota [°C]"}; }
Shift Humidity(int control) { return {HumidityShift(control), "Vlhkost [%RH]"}; }

// Types 29 and 30: command 207 starts the fan. A failure closes the dialog,
// as a failed transfer does.
class FanDialog : public ConfigDialog {
 public:
  FanDialog(const DialogDef& def, int button) : ConfigDialog(def), button_(button) {}

 protected:
  void OnOtherCommand(ui::Dialog& d, int id, ui::Notify code) override {
    if (id != button_ || code != ui::Notify::kClicked) return;
    // Without a device nothing is sent: the transmitter's slot may still
    // remember a device the user has stopped.
    FrameBeep();
    if (G().DeviceOnline == 1 && SendCommandRemembered(1)) return;
    G().DeviceOnline = 0;
    d.MessageBox("CHyba při zápisu příkazu", "SET info", ui::Icon::kError);
    d.PostClose();
  }

 private:
  int button_;
};

void AddFan(DialogDef& d, int button) {
  d.layout.push_back({d.template_number * 100 + 6, "Aktivace ventilátoru", 0,
                      {{.text = "Aktivovat ventilátor", .control = button,
                        .kind = ControlKind::kButton}}});
}

}  // namespace

std::unique_ptr<ui::DialogProc> CreateFanDialog(const DialogDef& def, int fan_button) {
  return std::make_unique<FanDialog>(def, fan_button);
}

const DialogDef& NsfDef() {
  static const DialogDef def = [] {
    DialogDef d = Member(
        110, "NSF",
        {.open = 1047, .read = 1043, .save = 1048, .write = 1044, .preset = 1045, .cancel = 1046},
        1042, kBlank16, "NSF Kolvar s.r.o", 1035, 1038, {Temperature(1039), Humidity(1040)}, false);
    AddContrast(d, 1041);
    return d;
  }();
  return def;
}

const DialogDef& NwytDef() {
  static const DialogDef def = [] {
    DialogDef d = Member(
        125, "NWYT",
        {.open = 1273, .read = 1274, .save = 1275, .write = 1276, .preset = 1277, .cancel = 1278},
        1267, "Kolvar NWYT     ", "NWYT Kolvar s.r.o", 1271, 1272,
        {{AirSpeedShift(1264), "Proudění [m/s]"}}, false);
    AddContrast(d, 1265);
    d.labels_from_template = true;
    return d;
  }();
  return def;
}

const DialogDef& NdeulDef() {
  static const DialogDef def = [] {
    constexpr int kTransparency = 12713;
    DialogDef d = Member(
        127, "NDEUL",
        {.open = 1319, .read = 1322, .save = 1320, .write = 1323, .preset = 1321, .cancel = 1324},
        1314, "Kolvar NDEUL    ", "NDEUL Kolvar    ", 1317, 1318,
        {{IlluminanceShift(1312, 78), "Osvětlení [lx]"},
         {Transparency(kTransparency), "Korekce Transparence"}},
        true);
    d.hidden = {12712, kTransparency};
    for (auto [control, word, initial] : {std::tuple{1313, 56, "0"}, {1326, 57, "65535"}})
      d.fields.push_back({.control = control, .word = word, .format = F::kUnsigned,
                          .check = C::kUnsignedInt, .min = 0, .max = 65535, .initial = initial});
    d.choices = {{.control = 1325, .word = 39, .mask = 1, .enables = {1313, 1326}}};
    d.layout.push_back({12706, "Mod P20M", 0,
                        {{.text = "Mod P20M", .control = 1325, .kind = ControlKind::kCheckBox},
                         {12761, "0%", 1313},
                         {12762, "100%", 1326}}});
    return d;
  }();
  return def;
}

const DialogDef& Eget9Def() {
  static const DialogDef def = [] {
    DialogDef d = Member(
        141, "E-GET9",
        {.open = 2151, .read = 2154, .save = 2152, .write = 2155, .preset = 2153, .cancel = 2156},
        2145, "Kolvar E-GET9    ", "E-GET9 Kolvar   ", 2148, 2150,
        {{CurrentShift(2143), "Proud [mA]"}}, false);
    d.message_name = "EHD82";
    d.button_name = "EHDQ8";
    d.read_at_open = ReadAtOpen::kNo;
    AddParity(d, 2157, kParityPlain);
    return d;
  }();
  return def;
}

const DialogDef& NqazDef() {
  static const DialogDef def = Member(
      146, "NQAZ",
      {.open = 2247, .read = 2250, .save = 2248, .write = 2251, .preset = 2249, .cancel = 2252},
      2242, "NQAZ            ", "NQAZ Kolvar     ", 2245, 2246, {Temperature(2237), Humidity(2238)},
      true);
  return def;
}

const DialogDef& MzpDef() {
  static const DialogDef def = Member(
      147, "MZP",
      {.open = 2267, .read = 2270, .save = 2268, .write = 2271, .preset = 2269, .cancel = 2272},
      2262, "MZP             ", "MZP Kolvar      ", 2265, 2266, {Temperature(2257), Humidity(2258)},
      true);
  return def;
}

const DialogDef& NqkzDef() {
  static const DialogDef def = Member(
      155, "NQKZ",
      {.open = 3181, .read = 3186, .save = 3182, .write = 3184, .preset = 3183, .cancel = 3185},
      3175, "NQKZ            ", "NQKZ Kolvar     ", 3179, 3180, {}, true);
  return def;
}

const DialogDef& MjdDef() {
  static const DialogDef def = Member(
      156, "MJD",
      {.open = 3194, .read = 3197, .save = 3195, .write = 3198, .preset = 3196, .cancel = 3199},
      3188, "MJD             ", "MJD Kolvar      ", 3192, 3193, {}, true);
  return def;
}

const DialogDef& LdrsDef() {
  static const DialogDef def = Member(
      148, "LDRS",
      {.open = 2285, .read = 2288, .save = 2286, .write = 2289, .preset = 2287, .cancel = 2290},
      2279, kBlank16, "LDRS Kolvar     ", 2283, 2284, {Temperature(2276), Humidity(2277)}, false);
  return def;
}

const DialogDef& NbbszDef() {
  static const DialogDef def = [] {
    DialogDef d = Member(
        149, "NBBSZ",
        {.open = 2303, .read = 2306, .save = 2304, .write = 2307, .preset = 2305, .cancel = 2308},
        2297, kBlank16, "NBBSZ Kolvar    ", 2301, 2302, {Temperature(2294), Humidity(2295)}, true);
    AddFan(d, kNbbszFanButton);
    return d;
  }();
  return def;
}

const DialogDef& NbbvkDef() {
  static const DialogDef def = [] {
    DialogDef d = Member(
        150, "NBBVK",
        {.open = 2316, .read = 2319, .save = 2317, .write = 2320, .preset = 2318, .cancel = 2321},
        2310, kBlank16, "NBBVK Kolvar    ", 2314, 2315, {}, true);
    AddFan(d, kNbbvkFanButton);
    return d;
  }();
  return def;
}

const DialogDef& N3tntDef() {
  static const DialogDef def = [] {
    DialogDef d = Member(
        164, "N3tNT",
        {.open = 3827, .read = 3828, .save = 3829, .write = 3830, .preset = 3832, .cancel = 3831},
        3821, kBlank16, "N3tNT Kolvar    ", 3824, 3826, {Temperature(3837)}, false);
    d.message_name = "N3TNT";
    d.button_name = "N3TNT";
    AddContrast(d, 3819);
    AddParity(d, 3834, kParityPadded);
    d.speed_by_position = true;
    // Code 1 matches the default text, which is none of the list's entries.
    d.choices = {{.kind = ChoiceKind::kList, .control = 3836, .word = 68,
                  .items = {"Pt100, 3850 ppm", "Pt1000, 3850 ppm", "Ni1000, 5000 ppm",
                            "Ni1000, 6180 ppm"},
                  .initial = 1, .initial_text = "Pt1000, 3850ppm"}};
    d.layout.push_back({16407, "Vstupní signál", 0,
                        {{.control = 3836, .kind = ControlKind::kDropDownCombo}}});
    return d;
  }();
  return def;
}

}  // namespace travik::compact
