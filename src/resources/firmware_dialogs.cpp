#include "resources/resources.h"

namespace travik::res {

using ui::ControlKind;

namespace {

// Information fields along the top, the file row, the status line, and the
// buttons at the bottom. The code writes the start captions at opening.
ui::DialogTemplate BootloaderTemplate() {
  ui::DialogTemplate t;
  t.number = kDlgBootloader;
  t.caption = "BootLoader";
  t.w = 266;
  t.h = 122;
  t.controls = {
      {1214, ControlKind::kGroupBox, "HW platforma", 7, 7, 120, 28},
      {1217, ControlKind::kStatic, "", 13, 19, 108, 10},
      {1215, ControlKind::kGroupBox, "HW verze", 133, 7, 60, 28},
      {1218, ControlKind::kStatic, "", 139, 19, 48, 10},
      {1216, ControlKind::kGroupBox, "Boot SW verze", 199, 7, 60, 28},
      {1219, ControlKind::kStatic, "", 205, 19, 48, 10},
      // Filled by the file chooser; a typed path would load nothing.
      {1007, ControlKind::kReadOnlyEdit, "", 7, 44, 196, 14},
      {3, ControlKind::kButton, "OpenFile", 209, 44, 50, 14},
      {1220, ControlKind::kGroupBox, "Boot Status", 7, 64, 252, 28},
      {1221, ControlKind::kStatic, "", 13, 76, 240, 10},
      {1212, ControlKind::kButton, "DownLoad", 7, 101, 50, 14},
      {1213, ControlKind::kButton, "HW Info", 63, 101, 50, 14},
      {2, ControlKind::kButton, "Cancel", 209, 101, 50, 14},
  };
  return t;
}

}  // namespace

std::vector<ui::DialogTemplate> FirmwareTemplates() { return {BootloaderTemplate()}; }

}  // namespace travik::res
