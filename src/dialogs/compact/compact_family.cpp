#include "dialogs/compact/compact_family.h"

#include "dialogs/compact/compact_members.h"

namespace travik {

namespace {

using namespace compact;

struct Member {
  const DialogDef& (*def)();
  int fan_button = 0;  // types 29 and 30
};

// In device type order.
constexpr Member kMembers[] = {
    {NscDef},   {NsfDef},   {BbaDef},  {Eha9Def},  {Uu5Def},  {NrxuDef},
    {KdbDialogDef}, {NrgnDef}, {KfxDef}, {NwyjDef}, {NwytDef}, {NdeupDef},
    {NdeulDef}, {Eget9Def}, {NqazDef}, {MzpDef},   {NqkzDef}, {MjdDef},
    {LdrsDef},  {NbbszDef, kNbbszFanButton},      {NbbvkDef, kNbbvkFanButton},
    {N3tntDef},
};

}  // namespace

const std::vector<const DialogDef*>& CompactDialogDefs() {
  static const std::vector<const DialogDef*> defs = [] {
    std::vector<const DialogDef*> list;
    for (const Member& m : kMembers) list.push_back(&m.def());
    return list;
  }();
  return defs;
}

const DialogDef* FindCompactDialogDef(int template_number) {
  for (const DialogDef* def : CompactDialogDefs())
    if (def->template_number == template_number) return def;
  return nullptr;
}

std::unique_ptr<ui::DialogProc> CreateCompactDialog(int template_number) {
  for (const Member& m : kMembers) {
    const DialogDef& def = m.def();
    if (def.template_number != template_number) continue;
    if (m.fan_button != 0) return CreateFanDialog(def, m.fan_button);
    return std::make_unique<ConfigDialog>(def);
  }
  return nullptr;
}

}  // namespace travik
