#include "config/format.h"

#include <cstdio>
#include <cstdlib>
#include <limits>

namespace travik {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::int32_t SatInt32(std::int64_t v) {
  if (v > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (v < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(v);
}

// The low 16 bits as a signed number.
std::int16_t Low16(std::int64_t v) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(v)); }

// A comma typed as the decimal separator; a leading one is left (and stops the number).
std::string CommasToPoints(std::string_view text) {
  std::string s(text);
  for (std::size_t i = 1; i < s.size(); ++i)
    if (s[i] == ',') s[i] = '.';
  return s;
}

// The decimal number at the start of a text, read with the leniency of atof
// (leading blanks, sign, digits, fraction, exponent; stops at the first
// character that does not fit; nothing parsable is 0) but kept exact: the
// rounding rules look at single decimal digits, which a binary float gets
// wrong for everyday entries (2.1f * 100 is 209.99998).
class Decimal {
 public:
  explicit Decimal(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative_ = s[i++] == '-';
    std::size_t before_point = 0;
    bool any_digit = false;
    for (; i < s.size() && IsDigit(s[i]); ++i, any_digit = true) Append(s[i], before_point);
    if (i < s.size() && s[i] == '.') {
      for (++i; i < s.size() && IsDigit(s[i]); ++i, any_digit = true) Append(s[i], before_point, true);
    }
    if (!any_digit) {
      negative_ = false;
      digits_.clear();
      return;
    }
    parsed_ = true;
    point_ = static_cast<std::int64_t>(before_point);
    if (i + 1 < s.size() && (s[i] == 'e' || s[i] == 'E')) {
      std::size_t j = i + 1;
      bool exp_negative = false;
      if (s[j] == '+' || s[j] == '-') exp_negative = s[j++] == '-';
      std::int64_t exponent = 0;
      for (; j < s.size() && IsDigit(s[j]); ++j)
        if (exponent < 100000) exponent = exponent * 10 + (s[j] - '0');
      if (j > i + 1 && IsDigit(s[j - 1])) {
        point_ += exp_negative ? -exponent : exponent;
        i = j;
      }
    }
    while (i < s.size() && IsBlank(s[i])) ++i;
    if (i != s.size()) {
      // Something after the number: not a number as a whole.
      parsed_ = false;
      negative_ = false;
      digits_.clear();
    }
  }

  // The whole text was one number.
  bool parsed() const { return parsed_; }
  // No nonzero digit after the decimal point.
  bool Whole() const {
    for (std::size_t i = 0; i < digits_.size(); ++i)
      if (static_cast<std::int64_t>(i) >= point_ && digits_[i] != '0') return false;
    return true;
  }

  bool negative() const { return negative_; }

  // trunc(|x| * 10^k), saturated far beyond 32 bits.
  std::int64_t Scaled(int k) const {
    if (digits_.empty()) return 0;
    const std::int64_t end = point_ + k;  // digits before the scaled point
    const auto size = static_cast<std::int64_t>(digits_.size());
    if (end > size + 15) return kHuge;
    std::int64_t v = 0;
    for (std::int64_t i = 0; i < end; ++i) {
      v = v * 10 + (i < size ? digits_[static_cast<std::size_t>(i)] - '0' : 0);
      if (v >= kHuge) return kHuge;
    }
    return v;
  }
  // The decimal digit right after trunc(|x| * 10^k).
  int NextDigit(int k) const {
    const std::int64_t i = point_ + k;
    if (i < 0 || i >= static_cast<std::int64_t>(digits_.size())) return 0;
    return digits_[static_cast<std::size_t>(i)] - '0';
  }

 private:
  static constexpr std::int64_t kHuge = std::int64_t{1} << 50;

  // Leading zeros of the integer part carry no digit.
  void Append(char c, std::size_t& before_point, bool fraction = false) {
    if (!fraction && digits_.empty() && c == '0') return;
    digits_ += c;
    if (!fraction) ++before_point;
  }

  bool negative_ = false;
  bool parsed_ = false;
  std::string digits_;       // significant digits
  std::int64_t point_ = 0;   // how many of them stand before the decimal point
};

// trunc(|x| * 10^k), plus one when the next digit is 6 to 9.
std::int64_t RoundedScaled(const Decimal& d, int k) {
  return d.Scaled(k) + (d.NextDigit(k) > 5 ? 1 : 0);
}

}  // namespace

std::string FormatInt(std::int32_t value) { return std::to_string(value); }

std::string FormatTenths(std::int16_t value) {
  const int q = value / 10;
  const int r = std::abs(value % 10);
  char buf[16];
  if (q != 0)
    std::snprintf(buf, sizeof buf, "%d.%d", q, r);
  else
    std::snprintf(buf, sizeof buf, value < 0 ? "-%d.%d" : "%d.%d", 0, r);
  return buf;
}

std::string FormatHundredths(std::int16_t value) {
  const int m = std::abs(static_cast<int>(value));
  char buf[16];
  std::snprintf(buf, sizeof buf, "%s%d.%d%d", value < 0 ? "-" : "", m / 100, (m % 100) / 10,
                m % 10);
  return buf;
}

std::string FormatUnsignedHundredths(std::uint16_t value) {
  const unsigned v = value;
  char buf[16];
  std::snprintf(buf, sizeof buf, "%u.%u%u", v / 100, (v % 100) / 10, v % 10);
  return buf;
}

std::string FormatThousandths(std::uint16_t value) {
  const unsigned v = value;
  char buf[16];
  std::snprintf(buf, sizeof buf, "%u.%u%u%u", v / 1000, (v % 1000) / 100, (v % 100) / 10, v % 10);
  return buf;
}

namespace {

void SetParsed(bool* parsed, bool value) {
  if (parsed != nullptr) *parsed = value;
}

}  // namespace

std::int32_t ParseTenthsWide(std::string_view text, bool* parsed) {
  const Decimal d(CommasToPoints(text));
  SetParsed(parsed, d.parsed());
  // Negative values are truncated toward zero, positive ones rounded.
  return SatInt32(d.negative() ? -d.Scaled(1) : RoundedScaled(d, 1));
}

std::int16_t ParseTenths(std::string_view text, bool* parsed) {
  return Low16(ParseTenthsWide(text, parsed));
}

std::int32_t ParseHundredthsWide(std::string_view text, bool* parsed) {
  const Decimal d(CommasToPoints(text));
  SetParsed(parsed, d.parsed());
  const std::int64_t m = RoundedScaled(d, 2);
  return SatInt32(d.negative() ? -m : m);
}

std::int16_t ParseHundredths(std::string_view text, bool* parsed) {
  return Low16(ParseHundredthsWide(text, parsed));
}

std::int32_t ParseThousandthsWide(std::string_view text, bool* parsed) {
  const std::string s = CommasToPoints(text);
  const std::size_t dot = s.rfind('.');
  if (dot != std::string::npos && dot >= 3) {
    SetParsed(parsed, true);
    return 65535;
  }
  const Decimal d(s);
  SetParsed(parsed, d.parsed());
  return SatInt32(d.negative() ? -d.Scaled(3) : RoundedScaled(d, 3));
}

std::int32_t ParseWholeWide(std::string_view text, bool* parsed, bool* whole) {
  const Decimal d(CommasToPoints(text));
  SetParsed(parsed, d.parsed());
  if (whole != nullptr) *whole = d.Whole();
  return SatInt32(d.negative() ? -d.Scaled(0) : d.Scaled(0));
}

std::int32_t ParseInt(std::string_view text, bool* parsed) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= text.size() || !IsDigit(text[i])) {
    SetParsed(parsed, false);
    return 0;
  }
  std::int64_t value = 0;
  constexpr std::int64_t kCap = std::int64_t{1} << 40;
  for (; i < text.size() && IsDigit(text[i]); ++i)
    if (value < kCap) value = value * 10 + (text[i] - '0');
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i != text.size()) {
    SetParsed(parsed, false);
    return 0;
  }
  SetParsed(parsed, true);
  return SatInt32(negative ? -value : value);
}

const std::array<std::string_view, kSpeedCount>& SpeedTexts() {
  static constexpr std::array<std::string_view, kSpeedCount> kTexts = {
      " 1200Bd", " 2400Bd", " 4800Bd", " 9600Bd", "19200Bd", "38400Bd", "57600Bd"};
  return kTexts;
}

std::optional<std::string_view> SpeedText(int code) {
  if (code < 0 || code >= kSpeedCount) return std::nullopt;
  return SpeedTexts()[static_cast<std::size_t>(code)];
}

std::string UnpackTextField(const std::uint16_t* words) {
  std::string text;
  for (int k = 0; k < kTextFieldWords; ++k) {
    const char pair[2] = {static_cast<char>(words[k] >> 8), static_cast<char>(words[k] & 0xFF)};
    for (char c : pair) {
      if (c == '\0') return text;
      text += c;
    }
  }
  return text;
}

void PackTextField(std::string_view bytes, std::uint16_t* words) {
  auto at = [&](std::size_t i) -> std::uint16_t {
    return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : std::uint16_t{' '};
  };
  for (int k = 0; k < kTextFieldWords; ++k) {
    const auto i = static_cast<std::size_t>(2 * k);
    words[k] = static_cast<std::uint16_t>((at(i) << 8) | at(i + 1));
  }
}

}  // namespace travik
