#include "config/fields.h"

#include "config/checks.h"
#include "config/format.h"

#include <cstdint>

namespace travik {

Field ContrastField(int control) {
  return {.control = control, .word = kWordContrast, .format = FieldFormat::kUnsigned,
          .check = CheckKind::kUnsignedInt, .min = 0, .max = 45, .initial = "30",
          .offset = kContrastOffset};
}

Field Address(int control) {
  return {.control = control, .word = 48, .format = FieldFormat::kUnsigned,
          .check = CheckKind::kUnsignedInt, .min = 1, .max = 254, .initial = "1"};
}
Field TemperatureShift(int control) {
  return {.control = control, .word = 76, .format = FieldFormat::kTenths,
          .check = CheckKind::kTenths, .min = -200, .max = 200, .initial = "0.0"};
}
Field HumidityShift(int control) {
  Field f = TemperatureShift(control);
  f.word = 77;
  return f;
}
Field Co2Shift(int control) {
  return {.control = control, .word = 81, .format = FieldFormat::kSignedWhole,
          .check = CheckKind::kWholeTenths, .min = -2000, .max = 2000, .initial = "0"};
}

std::optional<std::int32_t> ParseField(const Field& f, std::string_view text) {
  bool parsed = false;
  std::int32_t v = 0;
  switch (f.format) {
    case FieldFormat::kTenths: v = ParseTenths(text, &parsed); break;
    case FieldFormat::kHundredths: v = ParseHundredths(text, &parsed); break;
    case FieldFormat::kUnsignedHundredths: v = ParseHundredthsWide(text, &parsed); break;
    case FieldFormat::kThousandths: v = ParseThousandthsWide(text, &parsed); break;
    case FieldFormat::kSignedWhole: v = ParseWholeWide(text, &parsed) + f.offset; break;
    case FieldFormat::kSigned:
    case FieldFormat::kUnsigned:
    case FieldFormat::kLong: v = ParseInt(text, &parsed) + f.offset; break;
  }
  const bool fixed_point = f.format == FieldFormat::kTenths || f.format == FieldFormat::kHundredths ||
                           f.format == FieldFormat::kUnsignedHundredths ||
                           f.format == FieldFormat::kThousandths;
  if (fixed_point && text.find_first_not_of(" \t") == std::string_view::npos) return 0;
  if (!parsed) return std::nullopt;
  return v;
}

std::string FormatField(const Field& f, std::uint16_t word, std::uint16_t high_word) {
  switch (f.format) {
    case FieldFormat::kTenths: return FormatTenths(static_cast<std::int16_t>(word));
    case FieldFormat::kHundredths: return FormatHundredths(static_cast<std::int16_t>(word));
    case FieldFormat::kUnsignedHundredths: return FormatUnsignedHundredths(word);
    case FieldFormat::kThousandths: return FormatThousandths(word);
    case FieldFormat::kSigned:
    case FieldFormat::kSignedWhole: return FormatInt(static_cast<std::int16_t>(word) - f.offset);
    case FieldFormat::kUnsigned: return FormatInt(static_cast<std::int32_t>(word) - f.offset);
    case FieldFormat::kLong:
      // The edit shows the low word only; the high word rides along on writes.
      (void)high_word;
      return FormatInt(word);
  }
  return {};
}

namespace {

// What a field's word (and, for tenths, its file record) can hold, for fields
// without a check of their own.
bool WordRangeCheck(ui::Dialog& d, const Field& f) {
  if (f.word == kNoWord || f.offset != 0) return false;
  switch (f.format) {
    case FieldFormat::kTenths: return CheckTenths(d, f.control, kLowestRecordTenths, INT16_MAX);
    case FieldFormat::kSigned: return CheckSignedInt(d, f.control, INT16_MIN, INT16_MAX);
    case FieldFormat::kUnsigned: return CheckUnsignedInt(d, f.control, 0, UINT16_MAX);
    case FieldFormat::kThousandths: return CheckThousandths(d, f.control, 0, UINT16_MAX);
    case FieldFormat::kSignedWhole:
      return CheckWholeTenths(d, f.control, INT16_MIN, INT16_MAX);
    case FieldFormat::kHundredths:
    case FieldFormat::kUnsignedHundredths:
    case FieldFormat::kLong: return false;  // every such field has its own check
  }
  return false;
}

}  // namespace

bool RunCheck(ui::Dialog& d, const Field& f, int max) {
  switch (f.check) {
    case CheckKind::kNone: return WordRangeCheck(d, f);
    case CheckKind::kTenths:
      return CheckTenths(d, f.control, static_cast<std::int16_t>(f.min),
                         static_cast<std::int16_t>(max));
    case CheckKind::kWholeTenths:
      return CheckWholeTenths(d, f.control, static_cast<std::int16_t>(f.min),
                              static_cast<std::int16_t>(max));
    case CheckKind::kSignedInt:
      return CheckSignedInt(d, f.control, static_cast<std::int16_t>(f.min),
                            static_cast<std::int16_t>(max));
    case CheckKind::kUnsignedInt:
      return CheckUnsignedInt(d, f.control, static_cast<std::uint16_t>(f.min),
                              static_cast<std::uint16_t>(max));
    case CheckKind::kThousandths:
      return CheckThousandths(d, f.control, static_cast<std::uint16_t>(f.min),
                              static_cast<std::uint16_t>(max));
  }
  return false;
}

void PutSerialRecord(ConfigFile& file, const SerialLine& line, bool with_parity) {
  const bool speed_ok = line.speed >= 0 && line.speed < kSpeedCount;
  const bool parity_ok = !with_parity || (line.parity >= 0 && line.parity < kParityCount);
  if (!speed_ok || !parity_ok) {
    PutFileField(file, kWordSpeed, "");
    return;
  }
  if (!with_parity) {
    PutFileDigit(file, kWordSpeed, line.speed);
    return;
  }
  const char text[4] = {'0', static_cast<char>('0' + line.parity), '0',
                        static_cast<char>('0' + line.speed)};
  PutFileField(file, kWordSpeed, std::string_view(text, 4));
}

std::optional<SerialLine> ReadSerialRecord(const ConfigFile& file) {
  const std::string text = GetFileField(file, kWordSpeed);
  auto digit = [](char c, int count) -> std::optional<int> {
    if (c < '0' || c >= '0' + count) return std::nullopt;
    return c - '0';
  };
  if (text.size() >= 5) return SerialLine{kDefaultSpeedCode, 0};
  if (text.size() == 1) {
    if (auto s = digit(text[0], kSpeedCount)) return SerialLine{*s, 0};
    return std::nullopt;
  }
  if (text.size() == 4 && text[0] == '0' && text[2] == '0') {
    auto p = digit(text[1], kParityCount);
    auto s = digit(text[3], kSpeedCount);
    if (p && s) return SerialLine{*s, *p};
  }
  return std::nullopt;
}

}  // namespace travik
