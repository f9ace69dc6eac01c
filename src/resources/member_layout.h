// Building blocks of the configuration-dialog templates: the groups the
// multi-channel and rack members share (shifts, text field, network, channel
// parameters, digital output, display modes) and the device buttons every
// configuration dialog has. Each group is placed at a given corner and
// returns its bottom edge so that columns stack. Labels the code never
// touches carry no identifier.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "resources/device_buttons.h"
#include "ui/builder.h"

namespace travik::res::layout {

inline constexpr int kNoLabel = -1;
inline constexpr int kGap = 4;
// Width of a combo showing the family's bitmaps (bargraph, symbol, colour).
inline constexpr int kSymbolComboW = 30;

struct Row {
  const char* label;
  int field;
  ui::ControlKind kind = ui::ControlKind::kEdit;
  int label_id = kNoLabel;
  int field_w = 40;
};

// A group box of label/field rows.
int RowGroup(ui::TemplateBuilder& b, int id, const char* caption, int x, int y, int w,
             const std::vector<Row>& rows);

// "Posuv měřené hodnoty": a row per shift the member has (a 0 edit is left
// out). Group and label identifiers for the dialogs whose code names them.
struct Shifts {
  int temperature = 0, humidity = 0, co2 = 0;
  int group = kNoLabel;
  int temperature_label = kNoLabel, humidity_label = kNoLabel, co2_label = kNoLabel;
};
int ShiftGroup(ui::TemplateBuilder& b, const Shifts& s, int x, int y, int w);

// "Textové pole": one edit across the group.
int TextGroup(ui::TemplateBuilder& b, int edit, int x, int y, int w, int group = kNoLabel);

// "Síťové nastavení": address, speed and (when parity != 0) parity.
struct Network {
  int address = 0, speed = 0, parity = 0;
  ui::ControlKind speed_kind = ui::ControlKind::kDropDownList;
  int group = kNoLabel;
  int address_label = kNoLabel, speed_label = kNoLabel, parity_label = kNoLabel;
};
int NetworkGroup(ui::TemplateBuilder& b, const Network& n, int x, int y, int w);

// A lower and an upper limit ("Spodní limit", "Horní limit") under a caption
// of their own (CO2 indication, backlight switching, potentiometer).
struct Limits {
  int lower = 0, upper = 0;
  int group = kNoLabel, lower_label = kNoLabel, upper_label = kNoLabel;
};
inline constexpr const char* kCo2IndicationCaption = "Limity indikace CO2";
inline constexpr const char* kSwitchingCaption = "Nastevení limitů pro přepínání podsvícení";
int LimitsGroup(ui::TemplateBuilder& b, const char* caption, const Limits& l, int x, int y, int w);

// "Rychlá volba": the lists of the middle and the bottom key.
struct QuickSelect {
  int middle = 0, bottom = 0;
  int field_w = 56;
  int group = kNoLabel, middle_label = kNoLabel, bottom_label = kNoLabel;
};
int QuickSelectGroup(ui::TemplateBuilder& b, const QuickSelect& q, int x, int y, int w);

// One measured quantity: limits and setpoint (a 0 control is left out),
// optional "Korekce"/"Žádaná" radios, a bargraph combo with its kind text
// (under the combo, or beside it on the combo's row).
struct Channel {
  const char* caption;  // "Teplota - konfigurační parametry"
  const char* unit;     // "[°C]"
  int lower = 0, upper = 0, setpoint = 0;
  int correction_radio = 0, setpoint_radio = 0;
  const char* correction_text = "";
  const char* setpoint_text = "";
  int bargraph = 0, kind_text = 0;
  const char* kind_default = "";
  // Identifiers of the group and labels, for the dialogs whose code names them.
  int group = kNoLabel;
  int lower_label = kNoLabel, upper_label = kNoLabel, setpoint_label = kNoLabel;
  int bargraph_label = kNoLabel;
  bool kind_beside = false;
};
int ChannelGroup(ui::TemplateBuilder& b, const Channel& c, int x, int y, int w);

struct DigitalOutput {
  int two_state = 0, pwm = 0, steps = 0, frequency = 0, period = 0, set = 0;
  int field_w = 50;
  int group = kNoLabel, steps_label = kNoLabel, frequency_label = kNoLabel,
      period_label = kNoLabel;
};
int DigitalOutputGroup(ui::TemplateBuilder& b, const DigitalOutput& ids, int x, int y, int w);

// A check box alone in its group.
int CheckGroup(ui::TemplateBuilder& b, const char* caption, int check, const char* text, int x,
               int y, int w, int group = kNoLabel);
// The user menu's lock, bit 0 of word 39: "Menu nepřístupné", in "Povolení
// Menu" or in a group of the member's own.
inline constexpr const char* kMenuLockedText = "Menu nepřístupné";
int MenuGroup(ui::TemplateBuilder& b, int check, int x, int y, int w, int group = kNoLabel);

// "Zápis kalibrační hodnoty": value edit and its button.
int CalibrationGroup(ui::TemplateBuilder& b, int group, int label, int edit, int button,
                     const char* button_text, int x, int y, int w);

// A display mode ("Režim n"): LCD link, state count and 16 state combos in a
// 4 × 4 grid, each under its "Symbol n" (or "Stav n") label.
struct Mode {
  const char* caption;
  int link = 0;  // 0: no link combo
  int count = 0;
  std::array<int, 16> states{};
  const char* state_label = "Symbol";
  ui::ControlKind state_kind = ui::ControlKind::kOwnerDrawCombo;
  int state_w = 34;
  int columns = 4;
  // Two radio buttons on a row of their own ("Propojení s LED": "Ne", "Ano").
  const char* radio_label = nullptr;
  int radio_a = 0, radio_b = 0;
  const char* radio_a_text = "";
  const char* radio_b_text = "";
  int Width() const { return 12 + columns * (state_w + 3); }
};
inline constexpr int kModeWidth = 12 + 4 * 37;
int ModeGroup(ui::TemplateBuilder& b, const Mode& m, int x, int y, int group_id = kNoLabel);

// A display mode whose labels the code names (KDB7DY): LCD link and state
// count side by side, 16 symbol combos (identifiers first_symbol +
// symbol_step * k, each labelled by the identifier before it) filled column
// by column, the label beside its combo. Returns the group's bottom.
struct NamedMode {
  int group;
  const char* caption;
  int link_label;
  int link;
  int states_label;
  int states;
  int first_symbol;
  int symbol_step;
};
int NamedModeGroup(ui::TemplateBuilder& b, const NamedMode& ids, int x, int y, int columns);

// Below the lowest group box placed so far.
int GroupsBottom(ui::TemplateBuilder& b);

// 16 consecutive identifiers from first (step 1 or 2).
std::array<int, 16> Sixteen(int first, int step = 1);

// The six device buttons in two rows at the bottom, from the left edge.
void ButtonRows(ui::TemplateBuilder& b, const DeviceButtons& ids, const std::string& model, int y);

}  // namespace travik::res::layout
