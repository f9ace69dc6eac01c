#include "tables/tables_dump.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <sstream>
#include <typeinfo>

#include "app/dialog_factory.h"
#include "app/program.h"
#include "core/globals.h"
#include "dialogs/compact/compact_family.h"
#include "dialogs/templates.h"
#include "dialogs/multichannel/kdb7dy_dialog.h"
#include "dialogs/multichannel/member_tables.h"
#include "dialogs/multichannel/rack_analog_dialog.h"
#include "protocol/identification.h"
#include "sim/sim_models.h"
#include "ui/template.h"
#include "values/value_formats.h"

namespace travik::testing {
namespace {

// The highest template number probed; every template lies below it.
constexpr int kTemplateNumbers = 10000;
constexpr int kDeviceTypes = 64;

const char* Str(const char* s) { return s == nullptr ? "(null)" : s; }

std::string Quoted(const char* s) { return s == nullptr ? "(null)" : "\"" + std::string(s) + "\""; }
std::string Quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }

template <typename Range>
std::string Ints(const Range& r) {
  std::ostringstream out;
  out << '[';
  bool first = true;
  for (const auto& v : r) {
    out << (first ? "" : " ") << static_cast<long>(v);
    first = false;
  }
  out << ']';
  return out.str();
}

template <typename Range>
std::string Texts(const Range& r) {
  std::string out = "[";
  bool first = true;
  for (const auto& v : r) {
    if (!first) out += ' ';
    out += Quoted(v);
    first = false;
  }
  return out + "]";
}

const char* KindName(ui::ControlKind k) {
  switch (k) {
    case ui::ControlKind::kStatic: return "static";
    case ui::ControlKind::kEdit: return "edit";
    case ui::ControlKind::kReadOnlyEdit: return "readonly-edit";
    case ui::ControlKind::kButton: return "button";
    case ui::ControlKind::kDefaultButton: return "default-button";
    case ui::ControlKind::kCheckBox: return "check";
    case ui::ControlKind::kRadio: return "radio";
    case ui::ControlKind::kGroupBox: return "group";
    case ui::ControlKind::kDropDownList: return "list";
    case ui::ControlKind::kSortedCombo: return "sorted-combo";
    case ui::ControlKind::kDropDownCombo: return "combo";
    case ui::ControlKind::kOwnerDrawCombo: return "owner-draw";
    case ui::ControlKind::kPaintedText: return "painted";
    case ui::ControlKind::kChart: return "chart";
  }
  return "?";
}

void DumpTemplate(std::ostream& out, const ui::DialogTemplate& t) {
  out << "template " << t.number << " " << Quoted(t.caption) << " at " << t.x << "," << t.y << " size "
      << t.w << "x" << t.h << " font " << Quoted(t.font) << " " << t.font_size << " style " << t.style
      << " icon " << t.icon << "\n";
  for (const auto& c : t.controls)
    out << "  control " << c.id << " " << KindName(c.kind) << " " << Quoted(c.caption) << " " << c.x << ","
        << c.y << "," << c.w << "," << c.h << " style " << c.style << "\n";
  for (const auto& m : t.menus) {
    out << "  menu " << Quoted(m.text) << "\n";
    for (const auto& item : m.items) out << "    item " << item.command << " " << Quoted(item.text) << "\n";
  }
}

const char* FormatName(FieldFormat f) {
  switch (f) {
    case FieldFormat::kTenths: return "tenths";
    case FieldFormat::kHundredths: return "hundredths";
    case FieldFormat::kUnsignedHundredths: return "unsigned-hundredths";
    case FieldFormat::kThousandths: return "thousandths";
    case FieldFormat::kSigned: return "signed";
    case FieldFormat::kSignedWhole: return "signed-whole";
    case FieldFormat::kUnsigned: return "unsigned";
    case FieldFormat::kLong: return "long";
  }
  return "?";
}

const char* CheckName(CheckKind c) {
  switch (c) {
    case CheckKind::kNone: return "none";
    case CheckKind::kTenths: return "tenths";
    case CheckKind::kWholeTenths: return "whole-tenths";
    case CheckKind::kSignedInt: return "signed";
    case CheckKind::kUnsignedInt: return "unsigned";
    case CheckKind::kThousandths: return "thousandths";
  }
  return "?";
}

void DumpField(std::ostream& out, const Field& f) {
  out << "  field " << f.control << " word " << f.word << " format " << FormatName(f.format) << " check "
      << CheckName(f.check) << " limits " << f.min << ".." << f.max << " initial " << Quoted(f.initial)
      << " preset " << Quoted(f.preset) << " record " << f.Record() << " offset " << f.offset << " high "
      << f.high_word << " output " << f.output << "\n";
}

void DumpDialogDef(std::ostream& out, const DialogDef& d) {
  out << "dialog " << d.template_number << " title " << Quoted(d.title) << " header " << Quoted(d.header_name)
      << " message " << Quoted(d.message_name) << " button " << Quoted(d.button_name) << "\n";
  const DeviceButtons& b = d.buttons;
  out << "  buttons read " << b.read << " write " << b.write << " cancel " << b.cancel << " open " << b.open
      << " save " << b.save << " preset " << b.preset << "\n";
  out << "  text " << d.text_control << " initial " << Quoted(d.text_initial) << " preset "
      << Quoted(d.text_preset) << "\n";
  out << "  serial speed " << d.speed_combo << " parity " << d.parity_combo << " " << Texts(d.parity_items)
      << "\n";
  for (const auto& f : d.fields) DumpField(out, f);
  for (const auto& o : d.outputs)
    out << "  output word " << o.word << " radios " << o.current_radio << "/" << o.voltage_radio << " labels "
        << o.lo_label << "/" << o.hi_label << "/" << o.safety_label << " mask " << o.mask << " safety "
        << Quoted(o.safety_initial) << "\n";
  for (const auto& c : d.choices)
    out << "  choice " << (c.kind == ChoiceKind::kList ? "list" : "check") << " " << c.control << " word "
        << c.word << " mask " << c.mask << " items " << Texts(c.items) << " codes " << Ints(c.codes)
        << " initial " << c.initial << " " << Quoted(c.initial_text) << " enables " << Ints(c.enables)
        << " record " << c.Record() << "\n";
  for (const auto& w : d.fixed_words) out << "  fixed " << w.word << " = " << w.value << "\n";
  for (const auto& h : d.hi_above_lo) out << "  hi-above-lo " << h.lo << " " << h.hi << "\n";
  for (const auto& t : d.texts) out << "  text " << t.id << " " << Quoted(t.text) << "\n";
  out << "  hidden " << Ints(d.hidden) << " disabled " << Ints(d.disabled) << " offline-disabled "
      << Ints(d.offline_disabled) << "\n";
  out << "  read-at-open " << static_cast<int>(d.read_at_open) << " old-firmware " << d.old_firmware_group
      << " " << Ints(d.old_firmware_hides) << " labels-from-template " << d.labels_from_template << " timer "
      << d.timer_ms << " preset-resets-choices " << d.preset_resets_choices << " width " << d.width << "\n";
  for (const auto& g : d.layout) {
    out << "  group " << g.id << " " << Quoted(g.caption) << " column " << g.column << "\n";
    for (const auto& r : g.rows)
      out << "    row " << r.label << " " << Quoted(r.text) << " " << r.control << " " << KindName(r.kind) << " "
          << r.second << " " << r.width << "\n";
  }
  for (const auto& c : DialogCaptions(d)) out << "  caption " << c.id << " " << Quoted(c.text) << "\n";
}

void DumpMultiChannelDef(std::ostream& out, const MultiChannelDef& m) {
  DumpDialogDef(out, m.dialog);
  out << "  active-time " << m.active_time_combo << "\n";
  for (const auto& q : m.quick_select) out << "  quick-select " << q.control << " word " << q.word << "\n";
  for (const auto& c : m.channels)
    out << "  channel word " << c.word << " bargraph " << c.bargraph_combo << " kind " << c.kind_text
        << " radios " << c.correction_radio << "/" << c.setpoint_radio << "\n";
  for (const auto& c : m.colours) out << "  colour " << c.control << " word " << c.word << " nibble " << c.nibble << "\n";
  for (const auto& md : m.modes)
    out << "  mode link " << md.link_combo << " states " << md.states_combo << " symbols " << md.first_symbol
        << "+" << md.symbol_step << " words " << md.link_word << "/" << md.states_word << "/"
        << md.first_symbol_word << " link-texts " << Texts(md.link_texts) << " exclusive " << md.exclusive_link
        << " state-texts " << Texts(md.state_texts) << " entries " << md.LinkEntries() << "\n";
  const auto& o = m.output;
  out << "  digital-output " << o.two_state_radio << " " << o.pwm_radio << " " << o.steps_edit << " "
      << o.frequency_edit << " " << o.period_edit << " " << o.set_button << "\n";
  out << "  bitmaps symbols " << Ints(m.symbol_bitmaps) << "\n  bitmaps colours " << Ints(m.colour_bitmaps)
      << "\n  bitmaps bargraphs " << Ints(m.bargraph_bitmaps) << "\n";
  out << "  host-transfer " << m.host_transfer << " menu-message " << Quoted(m.write_menu_message) << "\n";
  for (const auto& w : m.word_defaults) out << "  word-default " << w.word << " = " << w.value << "\n";
  out << "  calibration-value " << m.calibration_edit << " " << m.calibration_button << "\n";
  for (const auto& l : m.limit_pairs) out << "  limit-pair " << l.lower << " " << l.upper << "\n";
}

std::string ProcName(int template_number) {
  auto proc = CreateDialogProc(template_number);
  if (proc == nullptr) return "none";
  const ui::DialogProc& p = *proc;
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(typeid(p).name(), nullptr, nullptr, &status),
                                              std::free);
  return status == 0 && name ? name.get() : typeid(p).name();
}

void DumpLayout(std::ostream& out, const ValuesLayout& l) {
  out << "  values-layout";
  for (int r = 0; r < kValueRows; ++r) {
    const auto& label = l.labels[static_cast<std::size_t>(r)];
    out << " | " << (label ? Quoted(*label) : std::string("(keep)")) << " q"
        << static_cast<int>(l.values[static_cast<std::size_t>(r)]) << (l.hide_label[static_cast<std::size_t>(r)] ? " hl" : "")
        << (l.hide_value[static_cast<std::size_t>(r)] ? " hv" : "");
  }
  out << " | fourth " << l.show_fourth_row << "\n";
}

const DialogDef* ConfigDefOf(int template_number) {
  if (template_number == Kdb7dyDialogDef().dialog.template_number) return &Kdb7dyDialogDef().dialog;
  if (const auto* rack = FindRackAnalogDef(template_number)) return &rack->mc.dialog;
  if (const auto* member = FindMultiChannelMemberDef(template_number)) return &member->dialog;
  return FindCompactDialogDef(template_number);
}

void DumpModels(std::ostream& out) {
  for (int type = 0; type < kDeviceTypes; ++type) {
    const std::string name = ModelName(type);
    const int config = ConfigTemplateFor(type);
    if (name.empty() && config == 0 && IdPrefixes(type).empty() && MinimumFirmware(type) == nullptr) continue;
    out << "model " << type << " " << Quoted(name) << " prefixes " << Texts(IdPrefixes(type)) << " minimum "
        << Str(MinimumFirmware(type)) << "\n";
    out << "  config " << config << " " << (config != 0 ? ProcName(config) : "none") << "\n";
    if (const DialogDef* def = config != 0 ? ConfigDefOf(config) : nullptr)
      out << "  names header " << Quoted(def->header_name) << " message " << Quoted(def->message_name)
          << " button " << Quoted(ButtonName(*def)) << "\n";
    const int values = ValuesTemplateFor(type);
    out << "  values " << values << " " << ProcName(values) << "\n";
    DumpLayout(out, LayoutFor(type));
    const int calibration = CalibrationTemplateFor(type);
    out << "  calibration " << calibration << "\n";
    for (const auto& prefix : IdPrefixes(type)) {
      std::string id = prefix;
      id.resize(16, ' ');
      out << "  identifies " << Quoted(id) << " as " << DeviceTypeOfId(id) << "\n";
    }
  }
  for (const auto& m : sim::SimModels())
    out << "sim-model " << Quoted(m.name) << " id " << Quoted(m.id_text) << " firmware " << m.firmware << " type "
        << m.device_type << " identifies-as " << DeviceTypeOfId(m.id_text) << "\n";
}

}  // namespace

std::string DumpTables() {
  std::ostringstream out;
  out << "# Every template, dialog table and model of the program. Regenerate with\n"
         "# TRAVIK_UPDATE_TABLES_DUMP=1 test_tables.\n";
  for (int n = 0; n < kTemplateNumbers; ++n)
    if (const ui::DialogTemplate* t = ProgramTemplate(n)) DumpTemplate(out, *t);
  for (const DialogDef* d : CompactDialogDefs()) DumpDialogDef(out, *d);
  DumpMultiChannelDef(out, Kdb7dyDialogDef());
  for (const MultiChannelDef* m : MultiChannelMemberDefs()) DumpMultiChannelDef(out, *m);
  for (const RackAnalogDef* r : RackAnalogDefs()) {
    DumpMultiChannelDef(out, r->mc);
    const auto& s = r->source;
    out << "  source radios " << s.temperature_radio << "/" << s.humidity_radio << " inputs " << s.in_lo << "/"
        << s.in_hi << " labels " << s.in_lo_label << "/" << s.in_hi_label << "\n";
  }
  DumpModels(out);
  return out.str();
}

}  // namespace travik::testing
