// The single-board transmitters' configuration dialogs: one table per model,
// run by ConfigDialog; the few models with behaviour of their own subclass it.
#pragma once

#include <memory>
#include <vector>

#include "dialogs/config_dialog.h"

namespace travik {

inline constexpr int kDlgKdb = 130;

// Every compact dialog's table, KDB included.
const std::vector<const DialogDef*>& CompactDialogDefs();
// The table of a template number, nullptr when it is not a compact dialog.
const DialogDef* FindCompactDialogDef(int template_number);
// The dialog procedure of a compact template, nullptr for other numbers.
std::unique_ptr<ui::DialogProc> CreateCompactDialog(int template_number);

const DialogDef& KdbDialogDef();

}  // namespace travik
