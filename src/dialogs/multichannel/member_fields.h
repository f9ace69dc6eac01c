// Rows the multi-channel member tables share: the dialog's frame (buttons,
// text field, serial line) and the fields that mean the same in every member.
#pragma once

#include "dialogs/config_dialog.h"

namespace travik::members {

struct ButtonIds {
  int open, read, save, write, preset, cancel;
};

// Template, names, buttons, text field and serial line (speed 0: none; parity
// 0: no parity list) at the given timer period; read at opening.
DialogDef Frame(int number, const char* title, const char* header, ButtonIds b, int text,
                const char* text_initial, const char* text_preset, int speed, int parity,
                int timer_ms);

Field Address(int control);
// Temperature or humidity shift: tenths, -20.0 to 20.0.
Field Shift(int control, int word);
// Backlight in percent, 0 to 100.
Field Percent(int control, int word, const char* initial, int record = kRecordOfWord);
// Temperature limits and setpoints in tenths, -20.0 to 200.0 (or unchecked).
Field Temperature(int control, int word, const char* initial, CheckKind check = CheckKind::kTenths);
Field Tenths(int control, int word, int min, int max, const char* initial);
Field Whole(int control, int word, const char* initial, CheckKind check, int min, int max);
Field Unchecked(int control, int word, const char* initial);
// The CO2 calibration value: shown and sent by its button, kept nowhere.
Field CalibrationValue(int control);
// "Menu nepřístupné": bit 0 of word 39.
Choice MenuLocked(int control);

}  // namespace travik::members
