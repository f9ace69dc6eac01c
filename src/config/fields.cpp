#include "config/fields.h"

#include "config/checks.h"
#include "config/format.h"

namespace travik {

Field ContrastField(int control) {
  return {.control = control, .word = kWordContrast, .format = FieldFormat::kUnsigned,
          .check = CheckKind::kUnsignedInt, .min = 0, .max = 45, .initial = "30",
          .offset = kContrastOffset};
}

std::optional<std::int32_t> ParseField(const Field& f, std::string_view text) {
  switch (f.format) {
    case FieldFormat::kTenths: return ParseTenths(text);
    case FieldFormat::kHundredths: return ParseHundredths(text);
    case FieldFormat::kUnsignedHundredths: return ParseHundredthsWide(text);
    case FieldFormat::kThousandths: return ParseThousandthsWide(text);
    case FieldFormat::kSigned:
    case FieldFormat::kUnsigned:
    case FieldFormat::kLong: {
      bool parsed = false;
      const std::int32_t v = ParseInt(text, &parsed);
      if (!parsed) return std::nullopt;
      return v + f.offset;
    }
  }
  return std::nullopt;
}

std::string FormatField(const Field& f, std::uint16_t word, std::uint16_t high_word) {
  switch (f.format) {
    case FieldFormat::kTenths: return FormatTenths(static_cast<std::int16_t>(word));
    case FieldFormat::kHundredths: return FormatHundredths(static_cast<std::int16_t>(word));
    case FieldFormat::kUnsignedHundredths: return FormatUnsignedHundredths(word);
    case FieldFormat::kThousandths: return FormatThousandths(word);
    case FieldFormat::kSigned: return FormatInt(static_cast<std::int16_t>(word) - f.offset);
    case FieldFormat::kUnsigned: return FormatInt(static_cast<std::int32_t>(word) - f.offset);
    case FieldFormat::kLong:
      // The edit shows the low word only; the high word rides along on writes.
      (void)high_word;
      return FormatInt(word);
  }
  return {};
}

bool RunCheck(ui::Dialog& d, const Field& f, int max) {
  switch (f.check) {
    case CheckKind::kNone: return false;
    case CheckKind::kTenths:
      return CheckTenths(d, f.control, static_cast<std::int16_t>(max),
                         static_cast<std::int16_t>(f.min));
    case CheckKind::kSignedInt:
      return CheckSignedInt(d, f.control, static_cast<std::int16_t>(max),
                            static_cast<std::int16_t>(f.min));
    case CheckKind::kUnsignedInt:
      return CheckUnsignedInt(d, f.control, static_cast<std::uint16_t>(max),
                              static_cast<std::uint16_t>(f.min));
    case CheckKind::kThousandths:
      return CheckThousandths(d, f.control, static_cast<std::uint16_t>(max),
                              static_cast<std::uint16_t>(f.min));
  }
  return false;
}

void PutSerialRecord(ConfigFile& file, const SerialLine& line, bool with_parity) {
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
  if (text.size() == 4) {
    auto p = digit(text[1], kParityCount);
    auto s = digit(text[3], kSpeedCount);
    if (p && s) return SerialLine{*s, *p};
  }
  return std::nullopt;
}

}  // namespace travik
