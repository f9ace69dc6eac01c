// The tables of the compact dialogs, one function per model (for the family's
// list in compact_family.cpp).
#pragma once

#include <memory>

#include "dialogs/config_dialog.h"

namespace travik::compact {

// Analog outputs.
const DialogDef& NscDef();    // type 0
const DialogDef& BbaDef();    // type 2
const DialogDef& Eha9Def();   // type 3
const DialogDef& Uu5Def();    // type 4
const DialogDef& NwyjDef();   // type 9
const DialogDef& NdeupDef();  // type 11
// CO2 with indication limits.
const DialogDef& NrxuDef();   // type 5
const DialogDef& NrgnDef();   // type 7
const DialogDef& KfxDef();    // type 8
// Network settings and shifts.
const DialogDef& NsfDef();    // type 1
const DialogDef& NwytDef();   // type 10
const DialogDef& NdeulDef();  // type 12
const DialogDef& Eget9Def();  // type 21
const DialogDef& NqazDef();   // type 24
const DialogDef& MzpDef();    // type 25
const DialogDef& NqkzDef();   // type 26
const DialogDef& MjdDef();    // type 27
const DialogDef& LdrsDef();   // type 28
const DialogDef& NbbszDef();  // type 29
const DialogDef& NbbvkDef();  // type 30
const DialogDef& N3tntDef();  // type 48

// Types 29 and 30: the fan button sends command 207.
std::unique_ptr<ui::DialogProc> CreateFanDialog(const DialogDef& def, int fan_button);
inline constexpr int kNbbszFanButton = 2310;
inline constexpr int kNbbvkFanButton = 2323;

}  // namespace travik::compact
