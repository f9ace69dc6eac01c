#include "ui/translated_kinds.h"

namespace travik::i18n {

bool ShowsCaption(ui::ControlKind kind) {
  switch (kind) {
    case ui::ControlKind::kStatic:
    case ui::ControlKind::kButton:
    case ui::ControlKind::kDefaultButton:
    case ui::ControlKind::kCheckBox:
    case ui::ControlKind::kRadio:
    case ui::ControlKind::kGroupBox:
    case ui::ControlKind::kPaintedText:
      return true;
    default:
      return false;
  }
}

bool ShowsTranslatedText(ui::ControlKind kind) {
  switch (kind) {
    case ui::ControlKind::kDropDownList:
    case ui::ControlKind::kSortedCombo:
    case ui::ControlKind::kDropDownCombo:
    case ui::ControlKind::kOwnerDrawCombo:
      return true;
    default:
      return ShowsCaption(kind);
  }
}

bool ShowsTranslatedText(ui::ControlKind kind, std::uint32_t style) {
  return ShowsTranslatedText(kind) ||
         (kind == ui::ControlKind::kEdit && (style & ui::kStyleStatusLine) != 0);
}

}  // namespace travik::i18n
