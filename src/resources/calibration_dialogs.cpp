#include "resources/resources.h"

namespace travik::res {

using ui::ControlKind;

namespace {

// One identification row: the "HID ID", "Device" and "FW Version" frames at
// height y, each with its read-only text inside.
struct IdRowIds {
  int hid_box, hid_text, device_box, device_text, fw_box, fw_text;
};

void AddIdentificationRow(std::vector<ui::ControlTemplate>& c, const IdRowIds& r, int y) {
  c.insert(c.end(), {
      {r.hid_box, ControlKind::kGroupBox, "HID ID", 7, y, 110, 28},
      {r.hid_text, ControlKind::kStatic, "", 13, y + 12, 98, 10},
      {r.device_box, ControlKind::kGroupBox, "Device", 123, y, 100, 28},
      {r.device_text, ControlKind::kStatic, "", 129, y + 12, 88, 10},
      {r.fw_box, ControlKind::kGroupBox, "FW Version", 229, y, 64, 28},
      {r.fw_text, ControlKind::kStatic, "", 235, y + 12, 52, 10},
  });
}

// Two identification rows (calibration device above the transmitter), the
// point, steps and reading lines, and the buttons. U1-I2 are in the template
// without the visible style: they exist for the code but are never shown, and
// "Rychlá kalibrace" sits where they would be.
ui::DialogTemplate OutputCalibrationTemplate() {
  ui::DialogTemplate t;
  t.number = kDlgOutputCalibration;
  t.caption = "Automaticka Kalibrace";
  t.w = 300;
  t.h = 154;
  AddIdentificationRow(t.controls, {1221, 1224, 1222, 1225, 1223, 1226}, 7);
  AddIdentificationRow(t.controls, {1230, 1233, 1231, 1234, 1232, 1235}, 40);
  t.controls.insert(t.controls.end(), {
      {1229, ControlKind::kEdit, "", 7, 76, 286, 14, ui::kStyleStatusLine},
      {1009, ControlKind::kEdit, "", 7, 96, 150, 14, ui::kStyleStatusLine},
      {1010, ControlKind::kEdit, "", 193, 96, 100, 14},
      {1227, ControlKind::kButton, "Calibration", 7, 119, 60, 14},
      {1228, ControlKind::kButton, "U1", 75, 119, 30, 14, ui::kStyleHidden},
      {1236, ControlKind::kButton, "U2", 109, 119, 30, 14, ui::kStyleHidden},
      {1237, ControlKind::kButton, "I1", 143, 119, 30, 14, ui::kStyleHidden},
      {1238, ControlKind::kButton, "I2", 177, 119, 30, 14, ui::kStyleHidden},
      {1239, ControlKind::kCheckBox, "Rychlá kalibrace", 75, 121, 100, 10},
      {ui::kIdCancel, ControlKind::kButton, "CANCEL", 233, 119, 60, 14},
      // Where the run's report went (the window program saves one per run).
      {1240, ControlKind::kStatic, "Protokol:", 7, 139, 40, 10},
      {1241, ControlKind::kStatic, "", 47, 139, 246, 10},
  });
  return t;
}

// The calibration device's identification row, then the point, its nominal
// value and the transmitter line, and the buttons.
ui::DialogTemplate InputCalibrationTemplate() {
  ui::DialogTemplate t;
  t.number = kDlgInputCalibration;
  t.caption = "Analog Inputs: Auto calibration";
  t.w = 300;
  t.h = 121;
  AddIdentificationRow(t.controls, {3845, 3842, 3843, 3846, 1223, 3844}, 7);
  t.controls.insert(t.controls.end(), {
      {3855, ControlKind::kEdit, "", 7, 42, 286, 14, ui::kStyleStatusLine},
      {3857, ControlKind::kEdit, "", 7, 62, 180, 14, ui::kStyleStatusLine},
      {3854, ControlKind::kEdit, "", 193, 62, 100, 14, ui::kStyleStatusLine},
      {3856, ControlKind::kButton, "Calibration", 7, 86, 60, 14},
      {ui::kIdCancel, ControlKind::kButton, "CANCEL", 233, 86, 60, 14},
      {3858, ControlKind::kStatic, "Protokol:", 7, 106, 40, 10},
      {3859, ControlKind::kStatic, "", 47, 106, 246, 10},
  });
  return t;
}

}  // namespace

std::vector<ui::DialogTemplate> CalibrationTemplates() {
  return {OutputCalibrationTemplate(), InputCalibrationTemplate()};
}

}  // namespace travik::res
