#include "resources/resources.h"

namespace travik::res {

using ui::ControlKind;

namespace {

// Two identification rows (calibration device above the transmitter), the
// point, steps and reading lines, and the buttons. U1-I2 are in the template
// without the visible style: they exist for the code but are never shown.
ui::DialogTemplate OutputCalibrationTemplate() {
  ui::DialogTemplate t;
  t.number = kDlgOutputCalibration;
  t.caption = "Automaticka Kalibrace";
  t.w = 300;
  t.h = 140;
  t.controls = {
      {1221, ControlKind::kGroupBox, "HID ID", 7, 7, 110, 28},
      {1224, ControlKind::kStatic, "", 13, 19, 98, 10},
      {1222, ControlKind::kGroupBox, "Device", 123, 7, 100, 28},
      {1225, ControlKind::kStatic, "", 129, 19, 88, 10},
      {1223, ControlKind::kGroupBox, "FW Version", 229, 7, 64, 28},
      {1226, ControlKind::kStatic, "", 235, 19, 52, 10},
      {1230, ControlKind::kGroupBox, "HID ID", 7, 40, 110, 28},
      {1233, ControlKind::kStatic, "", 13, 52, 98, 10},
      {1231, ControlKind::kGroupBox, "Device", 123, 40, 100, 28},
      {1234, ControlKind::kStatic, "", 129, 52, 88, 10},
      {1232, ControlKind::kGroupBox, "FW Version", 229, 40, 64, 28},
      {1235, ControlKind::kStatic, "", 235, 52, 52, 10},
      {1229, ControlKind::kEdit, "", 7, 76, 286, 14},
      {1009, ControlKind::kEdit, "", 7, 96, 150, 14},
      {1010, ControlKind::kEdit, "", 193, 96, 100, 14},
      {1227, ControlKind::kButton, "Calibration", 7, 119, 60, 14},
      {1228, ControlKind::kButton, "U1", 75, 119, 30, 14, ui::kStyleHidden},
      {1236, ControlKind::kButton, "U2", 109, 119, 30, 14, ui::kStyleHidden},
      {1237, ControlKind::kButton, "I1", 143, 119, 30, 14, ui::kStyleHidden},
      {1238, ControlKind::kButton, "I2", 177, 119, 30, 14, ui::kStyleHidden},
      {ui::kIdCancel, ControlKind::kButton, "CANCEL", 233, 119, 60, 14},
  };
  return t;
}

// The calibration device's identification row, then the point, its nominal
// value and the transmitter line, and the buttons.
ui::DialogTemplate InputCalibrationTemplate() {
  ui::DialogTemplate t;
  t.number = kDlgInputCalibration;
  t.caption = "Analog Inputs: Auto calibration";
  t.w = 300;
  t.h = 107;
  t.controls = {
      {3845, ControlKind::kGroupBox, "HID ID", 7, 7, 110, 28},
      {3842, ControlKind::kStatic, "", 13, 19, 98, 10},
      {3843, ControlKind::kGroupBox, "Device", 123, 7, 100, 28},
      {3846, ControlKind::kStatic, "", 129, 19, 88, 10},
      {1223, ControlKind::kGroupBox, "FW Version", 229, 7, 64, 28},
      {3844, ControlKind::kStatic, "", 235, 19, 52, 10},
      {3855, ControlKind::kEdit, "", 7, 42, 286, 14},
      {3857, ControlKind::kEdit, "", 7, 62, 180, 14},
      {3854, ControlKind::kEdit, "", 193, 62, 100, 14},
      {3856, ControlKind::kButton, "Calibration", 7, 86, 60, 14},
      {ui::kIdCancel, ControlKind::kButton, "CANCEL", 233, 86, 60, 14},
  };
  return t;
}

}  // namespace

std::vector<ui::DialogTemplate> CalibrationTemplates() {
  return {OutputCalibrationTemplate(), InputCalibrationTemplate()};
}

}  // namespace travik::res
