// The tables behind every configuration dialog the main window opens: the
// shared DialogDef, and the family's MultiChannelDef where there is one.
// Tests that walk every dialog reach them through here, so that a new dialog
// is covered as soon as the type dispatch knows it.
#pragma once

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "app/program.h"
#include "dialogs/compact/compact_family.h"
#include "dialogs/multichannel/kdb7dy_dialog.h"
#include "dialogs/multichannel/member_tables.h"
#include "dialogs/multichannel/multichannel_dialog.h"
#include "dialogs/multichannel/rack_analog_dialog.h"
#include "sim/sim_models.h"

namespace travik::testing {

struct DialogTables {
  const DialogDef* def = nullptr;          // nullptr: the template has no table
  const MultiChannelDef* mc = nullptr;     // the multi-channel and rack members
};

inline DialogTables FindDialogTables(int template_number) {
  if (const DialogDef* def = FindCompactDialogDef(template_number)) return {def, nullptr};
  if (const MultiChannelDef* mc = FindMultiChannelMemberDef(template_number)) return {&mc->dialog, mc};
  if (const RackAnalogDef* rack = FindRackAnalogDef(template_number)) return {&rack->mc.dialog, &rack->mc};
  if (Kdb7dyDialogDef().dialog.template_number == template_number)
    return {&Kdb7dyDialogDef().dialog, &Kdb7dyDialogDef()};
  return {};
}

// The table of any configuration dialog; nullptr for templates without one.
inline const DialogDef* ConfigDialogDef(int template_number) {
  return FindDialogTables(template_number).def;
}

// One simulated model per configuration dialog, in the order of the models.
struct DialogUnderTest {
  std::string model;
  DialogTables tables;
};
inline void PrintTo(const DialogUnderTest& d, std::ostream* os) { *os << d.model; }
inline std::vector<DialogUnderTest> EveryConfigDialog() {
  std::vector<DialogUnderTest> out;
  std::set<const DialogDef*> done;
  for (const sim::SimModel& m : sim::SimModels()) {
    const DialogTables t = FindDialogTables(ConfigTemplateFor(m.device_type));
    if (t.def == nullptr || !done.insert(t.def).second) continue;
    out.push_back({m.name, t});
  }
  return out;
}

}  // namespace travik::testing
