// Rows the multi-channel member tables share: the dialog's frame (buttons,
// text field, serial line) and the fields that mean the same in every member.
#pragma once

#include "dialogs/config_dialog.h"

namespace travik::members {

// A member's frame: template, names, the six device buttons (as the template
// places them), text field and serial line, at its timer period.
struct MemberFrame {
  int number = 0;
  const char* title = "";
  const char* header = "";
  DeviceButtons buttons{};
  int text = 0;
  const char* text_initial = "";
  const char* text_preset = "";
  int speed = 0;   // 0: no serial line
  int parity = 0;  // 0: no parity list
  int timer_ms = 20;
};
// The table of the frame, read at opening.
DialogDef Frame(const MemberFrame& f);

// Backlight in percent, 0 to 100.
Field Percent(int control, int word, const char* initial, int record = kRecordOfWord);
// Temperature limits and setpoints in tenths, -20.0 to 200.0.
Field Temperature(int control, int word, const char* initial);
Field Tenths(int control, int word, int min, int max, const char* initial);
Field Whole(int control, int word, const char* initial, CheckKind check, int min, int max);
// Fields given no range of their own: the whole signed word (tenths from
// -999.9, what a file record keeps; or integer), so an entry never wraps on
// its way to 16 bits.
Field WordTenths(int control, int word, const char* initial);
Field Unchecked(int control, int word, const char* initial);
// The LCD contrast of BBH7T and JBC3S: word 33 holds it as shown, 0 to 45.
Field PlainContrast(int control);
// The CO2 calibration value in ppm, 0 to 5000 as the CO2 fields: shown and
// sent by its button, kept nowhere.
inline constexpr int kCalibrationMax = 5000;
Field CalibrationValue(int control);
// "Menu nepřístupné": bit 0 of word 39.
Choice MenuLocked(int control);

}  // namespace travik::members
