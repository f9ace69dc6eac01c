#include "resources/resources.h"

#include <algorithm>

namespace travik::res {

using ui::ControlKind;

namespace {

// The calibration device's input buttons U1, U2, I1, I2 (hidden until it is
// in use) and Cancel at the right edge, along one row.
void AddButtonRow(ui::DialogTemplate& t, int first_input, int y) {
  const char* names[] = {"U1", "U2", "I1", "I2"};
  for (int i = 0; i < 4; ++i)
    t.controls.push_back({first_input + i, ControlKind::kButton, names[i], 7 + 27 * i, y, 24, 14, ui::kStyleHidden});
  t.controls.push_back({ui::kIdCancel, ControlKind::kButton, "Cancel", t.w - 57, y, 50, 14});
}

// The chart and the recording in an area of their own to the right of what
// the window always had, which keeps its place and size.
void AddChartArea(ui::DialogTemplate& t) {
  const int x = t.w;
  t.controls.push_back({1600, ControlKind::kChart, "", x, 7, 340, 210});
  t.controls.push_back({1601, ControlKind::kCheckBox, "Záznam", x, 222, 44, 10});
  t.controls.push_back({1602, ControlKind::kStatic, "", x + 48, 223, 292, 8});
  t.w = x + 347;
  t.h = std::max(t.h, 239);
}

// Four label/value rows, top to bottom 1031/1009, 1029/1007, 1030/1008,
// 1032/1010; the fourth row and the calibration device's input buttons
// appear only when the code shows them.
ui::DialogTemplate ValuesTemplate() {
  ui::DialogTemplate t;
  t.number = kDlgValues;
  t.w = 212;
  t.h = 96;
  constexpr std::uint32_t kValue = ui::kStyleClientEdge;
  t.controls = {
      {1031, ControlKind::kStatic, "Data 3", 7, 9, 96, 8},
      {1009, ControlKind::kStatic, "", 106, 7, 99, 12, kValue},
      {1029, ControlKind::kStatic, "Data 1", 7, 25, 96, 8},
      {1007, ControlKind::kStatic, "", 106, 23, 99, 12, kValue},
      {1030, ControlKind::kStatic, "Data 2", 7, 41, 96, 8},
      {1008, ControlKind::kStatic, "", 106, 39, 99, 12, kValue},
      {1032, ControlKind::kStatic, "Data 4", 7, 57, 96, 8, ui::kStyleHidden},
      {1010, ControlKind::kStatic, "", 106, 55, 99, 12, kValue | ui::kStyleHidden},
  };
  AddButtonRow(t, 3, 75);
  AddChartArea(t);
  return t;
}

// Two channel groups side by side, the calibration device's reading and its
// input buttons below them.
ui::DialogTemplate OutputModuleTemplate() {
  ui::DialogTemplate t;
  t.number = kDlgOutputModule;
  t.w = 262;
  t.h = 132;
  constexpr std::uint32_t kValue = ui::kStyleClientEdge;
  auto channel = [&](int group, const char* name, int x, int input_range, int edit, int unit,
                     int write, const char* write_text, int output_range) {
    t.controls.push_back({group, ControlKind::kGroupBox, name, x, 7, 120, 78});
    t.controls.push_back({input_range, ControlKind::kStatic, "", x + 6, 19, 108, 8});
    t.controls.push_back({edit, ControlKind::kEdit, "", x + 6, 31, 60, 14});
    t.controls.push_back({unit, ControlKind::kStatic, "", x + 70, 34, 20, 8});
    t.controls.push_back({write, ControlKind::kButton, write_text, x + 6, 49, 70, 14});
    t.controls.push_back({output_range, ControlKind::kStatic, "", x + 6, 69, 108, 8});
  };
  channel(1551, "Kanál 0", 7, 1549, 1538, 1557, 1547, "Zapsat kanál 0", 1556);
  channel(1552, "Kanál 1", 135, 1550, 1540, 1558, 1548, "Zapsat kanál 1", 1555);
  t.controls.insert(
      t.controls.end(),
      {
          {1541, ControlKind::kStatic, "Analogový výstup", 7, 95, 90, 8, ui::kStyleHidden},
          {1553, ControlKind::kStatic, "", 100, 93, 80, 12, kValue | ui::kStyleHidden},
      });
  AddButtonRow(t, 1542, 111);
  AddChartArea(t);
  return t;
}

}  // namespace

std::vector<ui::DialogTemplate> ValuesTemplates() { return {ValuesTemplate(), OutputModuleTemplate()}; }

}  // namespace travik::res
