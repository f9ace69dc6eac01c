#include "resources/resources.h"

namespace travik::res {

namespace {
ui::DialogTemplate Popup(int number, int control, const char* text) {
  ui::DialogTemplate t;
  t.number = number;
  t.w = 130;
  t.h = 60;
  t.font = "Microsoft Sans Serif";
  t.font_size = 16;
  t.style = ui::kDialogNoCaption;
  t.controls = {{control, ui::ControlKind::kStatic, text, 30, 25, 70, 8}};
  return t;
}
}  // namespace

std::vector<ui::DialogTemplate> TransferTemplates() {
  return {Popup(kDlgReadPopup, 1035, "Read"), Popup(kDlgWritePopup, 1036, "Write")};
}

}  // namespace travik::res
