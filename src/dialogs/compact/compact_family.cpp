#include "dialogs/compact/compact_family.h"

namespace travik {

const std::vector<const DialogDef*>& CompactDialogDefs() {
  static const std::vector<const DialogDef*> defs = {&KdbDialogDef()};
  return defs;
}

const DialogDef* FindCompactDialogDef(int template_number) {
  for (const DialogDef* def : CompactDialogDefs())
    if (def->template_number == template_number) return def;
  return nullptr;
}

std::unique_ptr<ui::DialogProc> CreateCompactDialog(int template_number) {
  const DialogDef* def = FindCompactDialogDef(template_number);
  if (def == nullptr) return nullptr;
  return std::make_unique<ConfigDialog>(*def);
}

}  // namespace travik
