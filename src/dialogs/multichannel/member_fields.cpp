#include "dialogs/multichannel/member_fields.h"

#include <cstdint>

namespace travik::members {

using F = FieldFormat;
using C = CheckKind;

DialogDef Frame(const MemberFrame& f) {
  DialogDef d;
  d.template_number = f.number;
  d.title = f.title;
  d.header_name = f.header;
  d.buttons = f.buttons;
  d.text_control = f.text;
  d.text_initial = f.text_initial;
  d.text_preset = f.text_preset;
  d.speed_combo = f.speed;
  d.parity_combo = f.parity;
  if (f.parity != 0) d.parity_items = {"none", " odd", "even"};
  d.timer_ms = f.timer_ms;
  // The family's defaults clear the menu lock on "Přednastavení" too.
  d.preset_resets_choices = true;
  return d;
}

Field Percent(int control, int word, const char* initial, int record) {
  return {.control = control, .word = word, .format = F::kUnsigned, .check = C::kUnsignedInt,
          .min = 0, .max = 100, .initial = initial, .record = record};
}
Field Temperature(int control, int word, const char* initial) {
  return {.control = control, .word = word, .format = F::kTenths, .check = C::kTenths, .min = -200,
          .max = 2000, .initial = initial};
}
Field Tenths(int control, int word, int min, int max, const char* initial) {
  return {.control = control, .word = word, .format = F::kTenths, .check = C::kTenths,
          .min = min, .max = max, .initial = initial};
}
Field Whole(int control, int word, const char* initial, C check, int min, int max) {
  return {.control = control, .word = word, .format = F::kSigned, .check = check, .min = min,
          .max = max, .initial = initial};
}
Field WordTenths(int control, int word, const char* initial) {
  return {.control = control, .word = word, .format = F::kTenths, .check = C::kTenths,
          .min = kLowestRecordTenths, .max = INT16_MAX, .initial = initial};
}
Field Unchecked(int control, int word, const char* initial) {
  return {.control = control, .word = word, .format = F::kSigned, .check = C::kSignedInt,
          .min = INT16_MIN, .max = INT16_MAX, .initial = initial};
}
Field PlainContrast(int control) {
  Field f = ContrastField(control);
  f.offset = 0;
  return f;
}
Field CalibrationValue(int control) {
  return {.control = control, .format = F::kUnsigned, .check = C::kUnsignedInt, .min = 0,
          .max = kCalibrationMax, .initial = "400", .record = kNoWord};
}
Choice MenuLocked(int control) {
  return {.kind = ChoiceKind::kCheckBit, .control = control, .word = 39, .mask = 1};
}

}  // namespace travik::members
