#include "resources/member_layout.h"

#include <algorithm>

namespace travik::res::layout {

using ui::ControlKind;

int RowGroup(ui::TemplateBuilder& b, int id, const char* caption, int x, int y, int w,
             const std::vector<Row>& rows) {
  auto g = b.Group(id, caption, x, y, w);
  for (const Row& r : rows) g.Row(r.label_id, r.label, r.field, r.kind, r.field_w);
  g.End();
  return g.Bottom() + kGap;
}

int ShiftGroup(ui::TemplateBuilder& b, const Shifts& s, int x, int y, int w) {
  std::vector<Row> rows;
  if (s.temperature != 0)
    rows.push_back({"Teplota [°C]", s.temperature, ControlKind::kEdit, s.temperature_label});
  if (s.humidity != 0)
    rows.push_back({"Vlhkost [%RH]", s.humidity, ControlKind::kEdit, s.humidity_label});
  if (s.co2 != 0) rows.push_back({"Konc. CO2 [ppm]", s.co2, ControlKind::kEdit, s.co2_label});
  return RowGroup(b, s.group, "Posuv měřené hodnoty", x, y, w, rows);
}

int TextGroup(ui::TemplateBuilder& b, int edit, int x, int y, int w, int group) {
  auto g = b.Group(group, "Textové pole", x, y, w);
  g.Full(edit, ControlKind::kEdit).End();
  return g.Bottom() + kGap;
}

int NetworkGroup(ui::TemplateBuilder& b, const Network& n, int x, int y, int w) {
  std::vector<Row> rows = {{"Adresa", n.address, ControlKind::kEdit, n.address_label},
                           {"Rychlost", n.speed, n.speed_kind, n.speed_label, 50}};
  if (n.parity != 0)
    rows.push_back({"Parita", n.parity, ControlKind::kDropDownList, n.parity_label, 50});
  return RowGroup(b, n.group, "Síťové nastavení", x, y, w, rows);
}

int LimitsGroup(ui::TemplateBuilder& b, const char* caption, const Limits& l, int x, int y, int w) {
  return RowGroup(b, l.group, caption, x, y, w,
                  {{"Spodní limit", l.lower, ControlKind::kEdit, l.lower_label},
                   {"Horní limit", l.upper, ControlKind::kEdit, l.upper_label}});
}

int QuickSelectGroup(ui::TemplateBuilder& b, const QuickSelect& q, int x, int y, int w) {
  return RowGroup(
      b, q.group, "Rychlá volba", x, y, w,
      {{"Prostřední tlačítko", q.middle, ControlKind::kDropDownList, q.middle_label, q.field_w},
       {"Spodní tlačítko", q.bottom, ControlKind::kDropDownList, q.bottom_label, q.field_w}});
}

int ChannelGroup(ui::TemplateBuilder& b, const Channel& c, int x, int y, int w) {
  auto g = b.Group(c.group, c.caption, x, y, w);
  const std::string unit = c.unit;
  if (c.lower != 0) g.Row(c.lower_label, "Spodní limit " + unit, c.lower, ControlKind::kEdit);
  if (c.upper != 0) g.Row(c.upper_label, "Horní limit " + unit, c.upper, ControlKind::kEdit);
  if (c.setpoint != 0) g.Row(c.setpoint_label, "Žádaná " + unit, c.setpoint, ControlKind::kEdit);
  if (c.correction_radio != 0) {
    g.Full(c.correction_radio, ControlKind::kRadio, c.correction_text, 10);
    g.Full(c.setpoint_radio, ControlKind::kRadio, c.setpoint_text, 10);
  }
  if (c.bargraph != 0 && c.kind_beside) {
    const int row_y = g.Bottom() - 6;
    b.Add(c.bargraph_label, ControlKind::kStatic, "Bargraf", x + 6, row_y + 3, 32, 8);
    b.Add(c.bargraph, ControlKind::kOwnerDrawCombo, "", x + 40, row_y, kSymbolComboW, 80);
    b.Add(c.kind_text, ControlKind::kStatic, c.kind_default, x + 80, row_y + 3, w - 86, 8);
    g.Space(18);
  } else if (c.bargraph != 0) {
    g.Row(c.bargraph_label, "Bargraf", c.bargraph, ControlKind::kOwnerDrawCombo, 40);
    if (c.kind_text != 0) g.Full(c.kind_text, ControlKind::kStatic, c.kind_default, 8);
  }
  g.End();
  return g.Bottom() + kGap;
}

int DigitalOutputGroup(ui::TemplateBuilder& b, const DigitalOutput& ids, int x, int y, int w) {
  auto g = b.Group(ids.group, "Digitální výstup", x, y, w);
  g.Full(ids.two_state, ControlKind::kRadio, "Dvojstavový", 10)
      .Full(ids.pwm, ControlKind::kRadio, "PWM výstup", 10)
      .Row(ids.steps_label, "Počet kroků", ids.steps, ControlKind::kEdit, ids.field_w)
      .Row(ids.frequency_label, "Frekvence [Hz]", ids.frequency, ControlKind::kEdit, ids.field_w)
      .Row(ids.period_label, "Perioda [ms]", ids.period, ControlKind::kReadOnlyEdit, ids.field_w)
      .Full(ids.set, ControlKind::kButton, "Nastavit", 14)
      .End();
  return g.Bottom() + kGap;
}

int CheckGroup(ui::TemplateBuilder& b, const char* caption, int check, const char* text, int x,
               int y, int w, int group) {
  auto g = b.Group(group, caption, x, y, w);
  g.Full(check, ControlKind::kCheckBox, text, 10).End();
  return g.Bottom() + kGap;
}

int MenuGroup(ui::TemplateBuilder& b, int check, int x, int y, int w, int group) {
  return CheckGroup(b, "Povolení Menu", check, kMenuLockedText, x, y, w, group);
}

int CalibrationGroup(ui::TemplateBuilder& b, int group, int label, int edit, int button,
                     const char* button_text, int x, int y, int w) {
  auto g = b.Group(group, "Zápis kalibrační hodnoty", x, y, w);
  g.Row(label, "Kalibrační hodnota", edit, ControlKind::kEdit)
      .Full(button, ControlKind::kButton, button_text, 14)
      .End();
  return g.Bottom() + kGap;
}

int ModeGroup(ui::TemplateBuilder& b, const Mode& m, int x, int y, int group_id) {
  const int cell = m.state_w + 3;
  b.Add(group_id, ControlKind::kGroupBox, m.caption, x, y, m.Width(), 0);
  const std::size_t group_index = b.Get().controls.size() - 1;
  int row_y = y + 12;
  if (m.link != 0) {
    b.Add(kNoLabel, ControlKind::kStatic, "Propojení s LCD", x + 6, row_y + 2, 62, 8);
    b.Add(m.link, ControlKind::kDropDownList, "", x + 70, row_y, 80, 80);
    row_y += 16;
  }
  if (m.radio_label != nullptr) {
    b.Add(kNoLabel, ControlKind::kStatic, m.radio_label, x + 6, row_y + 2, 62, 8);
    b.Add(m.radio_a, ControlKind::kRadio, m.radio_a_text, x + 70, row_y, 30, 10);
    b.Add(m.radio_b, ControlKind::kRadio, m.radio_b_text, x + 104, row_y, 30, 10);
    row_y += 16;
  }
  b.Add(kNoLabel, ControlKind::kStatic, "Počet stavů", x + 6, row_y + 2, 62, 8);
  b.Add(m.count, ControlKind::kDropDownList, "", x + 70, row_y, 36, 120);
  row_y += 18;
  const int columns = m.columns;
  for (int i = 0; i < 16; ++i) {
    const int cx = x + 6 + (i % columns) * cell;
    const int cy = row_y + (i / columns) * 22;
    b.Add(kNoLabel, ControlKind::kStatic, std::string(m.state_label) + " " + std::to_string(i + 1),
          cx, cy, cell - 2, 8);
    b.Add(m.states[static_cast<std::size_t>(i)], m.state_kind, "", cx, cy + 8, m.state_w, 120);
  }
  const int bottom = row_y + (16 / columns) * 22 + 4;
  b.Get().controls[group_index].h = bottom - y;
  return bottom + kGap;
}

int NamedModeGroup(ui::TemplateBuilder& b, const NamedMode& ids, int x, int y, int columns) {
  constexpr int kRow = 16;
  const int col_w = 36 + kSymbolComboW + 4;
  const int w = columns * col_w + 8;
  b.Add(ids.group, ControlKind::kGroupBox, ids.caption, x, y, w, 0);
  const std::size_t group_index = b.Get().controls.size() - 1;
  const int top = y + 12;
  b.Add(ids.link_label, ControlKind::kStatic, "Propojení s LCD", x + 6, top + 3, 62, 8);
  b.Add(ids.link, ControlKind::kDropDownList, "", x + 70, top, 66, 80);
  b.Add(ids.states_label, ControlKind::kStatic, "Počet\nstavů", x + 146, top - 1, 30, 16);
  b.Add(ids.states, ControlKind::kDropDownList, "", x + 178, top, 30, 120);
  const int rows = (16 + columns - 1) / columns;
  for (int k = 0; k < 16; ++k) {
    const int sx = x + 6 + (k / rows) * col_w;
    const int sy = top + 20 + (k % rows) * kRow;
    const int combo = ids.first_symbol + ids.symbol_step * k;
    b.Add(combo - 1, ControlKind::kStatic, "Symbol " + std::to_string(k + 1), sx, sy + 3, 35, 8);
    b.Add(combo, ControlKind::kOwnerDrawCombo, "", sx + 36, sy, kSymbolComboW, 80);
  }
  const int height = 12 + 20 + rows * kRow + 2;
  b.Get().controls[group_index].h = height;
  return y + height;
}

int GroupsBottom(ui::TemplateBuilder& b) {
  int bottom = 0;
  for (const auto& c : b.Get().controls)
    if (c.kind == ControlKind::kGroupBox) bottom = std::max(bottom, c.y + c.h);
  return bottom + kGap;
}

std::array<int, 16> Sixteen(int first, int step) {
  std::array<int, 16> ids{};
  for (int i = 0; i < 16; ++i) ids[static_cast<std::size_t>(i)] = first + step * i;
  return ids;
}

void ButtonRows(ui::TemplateBuilder& b, const DeviceButtons& ids, const std::string& model, int y) {
  b.Add(ids.read, ControlKind::kButton, kReadCaption + model, 7, y, 80, 14);
  b.Add(ids.write, ControlKind::kButton, kWriteCaption + model, 97, y, 80, 14);
  b.Add(ids.cancel, ControlKind::kButton, kCancelCaption, 187, y, 80, 14);
  b.Add(ids.open, ControlKind::kButton, kOpenCaption, 7, y + 18, 80, 14);
  b.Add(ids.save, ControlKind::kButton, kSaveCaption, 97, y + 18, 80, 14);
  b.Add(ids.preset, ControlKind::kButton, kPresetCaption, 187, y + 18, 80, 14);
}

}  // namespace travik::res::layout
