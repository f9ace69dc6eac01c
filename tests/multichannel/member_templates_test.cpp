// A member's controls are named twice: by its template (resources) and by its
// table (dialogs). Every control a table names must stand in the template as
// a control of the kind the table treats it as, so that the two cannot drift.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/multichannel/kdb7dy_dialog.h"
#include "dialogs/multichannel/member_tables.h"
#include "dialogs/multichannel/rack_analog_dialog.h"
#include "dialogs/templates.h"

namespace travik {
namespace {

using ui::ControlKind;

enum class Role { kEdit, kList, kRadio, kCheck, kButton, kLabel };

bool Fits(Role role, ControlKind kind) {
  switch (role) {
    case Role::kEdit: return kind == ControlKind::kEdit || kind == ControlKind::kReadOnlyEdit;
    case Role::kList:
      return kind == ControlKind::kDropDownList || kind == ControlKind::kSortedCombo ||
             kind == ControlKind::kDropDownCombo || kind == ControlKind::kOwnerDrawCombo;
    case Role::kRadio: return kind == ControlKind::kRadio;
    case Role::kCheck: return kind == ControlKind::kCheckBox;
    case Role::kButton: return kind == ControlKind::kButton || kind == ControlKind::kDefaultButton;
    case Role::kLabel: return kind == ControlKind::kStatic;
  }
  return false;
}

struct Named {
  int id;
  Role role;
  const char* what;
};

std::vector<Named> NamedControls(const MultiChannelDef& m) {
  const DialogDef& d = m.dialog;
  const DeviceButtons& b = d.buttons;
  std::vector<Named> out = {{b.open, Role::kButton, "open"},     {b.read, Role::kButton, "read"},
                            {b.save, Role::kButton, "save"},     {b.write, Role::kButton, "write"},
                            {b.preset, Role::kButton, "preset"}, {b.cancel, Role::kButton, "cancel"},
                            {d.text_control, Role::kEdit, "text"}, {d.speed_combo, Role::kList, "speed"},
                            {d.parity_combo, Role::kList, "parity"}};
  for (const Field& f : d.fields) out.push_back({f.control, Role::kEdit, "field"});
  for (const Choice& c : d.choices)
    out.push_back({c.control, c.kind == ChoiceKind::kList ? Role::kList : Role::kCheck, "choice"});
  for (const AnalogOutput& o : d.outputs) {
    out.insert(out.end(), {{o.current_radio, Role::kRadio, "current"}, {o.voltage_radio, Role::kRadio, "voltage"},
                           {o.lo_label, Role::kLabel, "output lo label"}, {o.hi_label, Role::kLabel, "output hi label"},
                           {o.safety_label, Role::kLabel, "safety label"}});
  }
  out.push_back({m.active_time_combo, Role::kList, "active time"});
  for (const auto& q : m.quick_select) out.push_back({q.control, Role::kList, "quick select"});
  for (const auto& c : m.channels) {
    out.insert(out.end(), {{c.bargraph_combo, Role::kList, "bargraph"}, {c.kind_text, Role::kLabel, "kind text"},
                           {c.correction_radio, Role::kRadio, "correction"},
                           {c.setpoint_radio, Role::kRadio, "setpoint"}});
  }
  for (const auto& c : m.colours) out.push_back({c.control, Role::kList, "colour"});
  for (const auto& mode : m.modes) {
    out.push_back({mode.link_combo, Role::kList, "link"});
    out.push_back({mode.states_combo, Role::kList, "states"});
    for (int k = 0; k < mc::kModeSymbols; ++k) out.push_back({mode.SymbolCombo(k), Role::kList, "symbol"});
  }
  const McDigitalOutput& o = m.output;
  out.insert(out.end(), {{o.two_state_radio, Role::kRadio, "two-state"}, {o.pwm_radio, Role::kRadio, "pwm"},
                         {o.steps_edit, Role::kEdit, "steps"}, {o.frequency_edit, Role::kEdit, "frequency"},
                         {o.period_edit, Role::kEdit, "period"}, {o.set_button, Role::kButton, "set"}});
  out.push_back({m.calibration_edit, Role::kEdit, "calibration value"});
  out.push_back({m.calibration_button, Role::kButton, "calibration button"});
  for (const auto& l : m.limit_pairs) {
    out.push_back({l.lower, Role::kEdit, "lower limit"});
    out.push_back({l.upper, Role::kEdit, "upper limit"});
  }
  return out;
}

void ExpectInTemplate(const MultiChannelDef& m, const std::vector<Named>& extra = {}) {
  SCOPED_TRACE(m.dialog.title);
  const ui::DialogTemplate* t = ProgramTemplate(m.dialog.template_number);
  ASSERT_NE(t, nullptr);
  std::vector<Named> named = NamedControls(m);
  named.insert(named.end(), extra.begin(), extra.end());
  for (const Named& n : named) {
    if (n.id == 0) continue;
    const ui::ControlTemplate* c = t->Find(n.id);
    ASSERT_NE(c, nullptr) << n.what << " " << n.id << " is not in the template";
    EXPECT_TRUE(Fits(n.role, c->kind)) << n.what << " " << n.id << " has another kind in the template";
  }
  // Every control the dialog hides or disables at opening is there too.
  for (const auto* ids : {&m.dialog.hidden, &m.dialog.offline_disabled})
    for (int id : *ids) EXPECT_NE(t->Find(id), nullptr) << id;
}

TEST(MemberTemplates, HoldEveryControlTheirTablesNameAsTheKindTheTableTakes) {
  ExpectInTemplate(Kdb7dyDialogDef());
  ASSERT_EQ(MultiChannelMemberDefs().size(), 10u);
  for (const MultiChannelDef* m : MultiChannelMemberDefs()) ExpectInTemplate(*m);
  ASSERT_EQ(RackAnalogDefs().size(), 5u);
  for (const RackAnalogDef* r : RackAnalogDefs()) {
    const AnalogSource& s = r->source;
    ExpectInTemplate(r->mc, {{s.temperature_radio, Role::kRadio, "source temperature"},
                             {s.humidity_radio, Role::kRadio, "source humidity"},
                             {s.in_lo, Role::kEdit, "input lo"},
                             {s.in_hi, Role::kEdit, "input hi"},
                             {s.in_lo_label, Role::kLabel, "input lo label"},
                             {s.in_hi_label, Role::kLabel, "input hi label"}});
  }
}

}  // namespace
}  // namespace travik
