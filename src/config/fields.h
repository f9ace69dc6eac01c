// The field table every configuration dialog is written as: which control
// shows which image word and file record, in which number format, under which
// range check, with which defaults. Shared by the compact and the multi-channel
// dialogs; the dialog machinery lives with the dialogs (src/dialogs).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "config/config_file.h"
#include "ui/ui.h"

namespace travik {

enum class FieldFormat {
  kTenths,             // signed tenths, FormatTenths / ParseTenths
  kHundredths,         // signed hundredths
  kUnsignedHundredths, // 0.00..655.35 (air-speed input ranges)
  kThousandths,        // unsigned thousandths
  kSigned,             // "%d", sign-extended
  kSignedWhole,        // "%d", sign-extended; parsed as a decimal cut to whole ("200.0")
  kUnsigned,           // "%d", zero-extended
  kLong,               // "%d" as 32 bits over word and high_word
};
// kNone on a field with a word still keeps the text within what the word can
// hold (see RunCheck).
enum class CheckKind { kNone, kTenths, kWholeTenths, kSignedInt, kUnsignedInt, kThousandths };

// The lowest tenths a 6-character file record keeps whole ("-999.9"); fields
// that would otherwise reach the word's -3276.8 stop here.
inline constexpr int kLowestRecordTenths = -9999;

inline constexpr int kNoWord = -1;
inline constexpr int kRecordOfWord = -2;

// One edit of a dialog. Written with designated initializers:
//   {.control = 1341, .word = 48, .format = FieldFormat::kUnsigned,
//    .check = CheckKind::kUnsignedInt, .min = 1, .max = 254, .initial = "1"}
struct Field {
  int control = 0;
  int word = kNoWord;             // image word; kNoWord: shown and checked only
  FieldFormat format = FieldFormat::kSigned;
  CheckKind check = CheckKind::kNone;
  int min = 0;
  int max = 0;
  const char* initial = nullptr;  // text at opening; nullptr leaves the template's
  const char* preset = nullptr;   // "Přednastavení"; nullptr: the initial text
  int record = kRecordOfWord;     // file record; kNoWord: not kept in files
  int offset = 0;                 // word = shown value + offset (contrast: 80)
  int high_word = kNoWord;        // kLong: the high 16 bits
  int output = 0;                 // 1 or 2: the analog output whose kind sets max

  int Record() const { return record == kRecordOfWord ? word : record; }
};

// The contrast field of word 33 (0..45, stored + 80) on a member's control.
Field ContrastField(int control);
// Fields that mean the same in every dialog that has them.
Field Address(int control);           // word 48, 1..254
Field TemperatureShift(int control);  // word 76, ±20.0 °C
Field HumidityShift(int control);     // word 77, ±20.0 %RH
// Word 81, whole ppm checked with the tenths rule: 250 becomes "200.0",
// written as 200; "150.7" becomes "150".
Field Co2Shift(int control);

// Numbers are read from their controls with at most 9 characters.
inline constexpr std::size_t kNumberChars = 9;

// The field's text as its format parses it on a write (32 bits; the caller
// keeps the low 16, or both halves of a kLong). Nothing when the text is not
// a number as a whole: the working value then keeps what it had. An empty
// fixed-point text is 0.
std::optional<std::int32_t> ParseField(const Field& field, std::string_view cp1250);
// An image word (and its high word) as the field shows it after a read.
std::string FormatField(const Field& field, std::uint16_t word, std::uint16_t high_word = 0);
// One range check on the field's control, with max in place of the table's
// (limits that follow the dialog's state). Returns true when it replaced the
// text. A field on a word without a check of its own is held to what its word
// can hold (-32768..32767 signed, 0..65535 unsigned), so that nothing wraps.
bool RunCheck(ui::Dialog& d, const Field& field, int max);
inline bool RunCheck(ui::Dialog& d, const Field& field) { return RunCheck(d, field, field.max); }

// Word 49: the speed code in the low byte, the parity in the high byte.
struct SerialLine {
  int speed = 4;   // kDefaultSpeedCode
  int parity = 0;  // 0 none, 1 odd, 2 even
  std::uint16_t Word() const {
    return static_cast<std::uint16_t>((parity & 0xFF) << 8 | (speed & 0xFF));
  }
  static SerialLine FromWord(std::uint16_t w) { return {w & 0xFF, w >> 8}; }
};
inline constexpr int kParityCount = 3;

// Record 49. With a parity list the four characters "0p0s" ('0', parity,
// '0', speed); without one the speed digit alone. A speed or parity outside
// its list (a device's own code, kept and written back) cannot be spelt as
// one digit: the record is then left blank, and loading it changes nothing.
void PutSerialRecord(ConfigFile& file, const SerialLine& line, bool with_parity);
// Record 49 as every dialog reads it, whatever form saved it: one character
// (the speed digit, parity none), the four-character form, or five and more
// characters (speed 4, parity none). Nothing for any other form or a digit
// out of range: the dialog keeps what it shows. A dialog without a parity
// list takes only the speed.
std::optional<SerialLine> ReadSerialRecord(const ConfigFile& file);

}  // namespace travik
