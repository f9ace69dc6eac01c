// Number formats and parsers of the configuration dialogs, the speed list and
// the packing of the 16-character text field. Everything here works on 8-bit
// Windows-1250 text; the dialogs convert to and from the UTF-8 of the controls
// with core/text.h.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace travik {

// Words of the configuration image that every compact dialog means the same way.
inline constexpr int kWordContrast = 33;        // contrast + kContrastOffset
inline constexpr int kContrastOffset = 80;
inline constexpr std::uint16_t kNoContrastWord = 110;  // written by dialogs without a contrast field
inline constexpr int kWordTextField = 40;       // words 40..47
inline constexpr int kTextFieldWords = 8;
inline constexpr int kTextFieldChars = 16;
inline constexpr int kWordAddress = 48;
inline constexpr int kWordSpeed = 49;

// "%d".
std::string FormatInt(std::int32_t value);
// Signed tenths: -5 -> "-0.5", 200 -> "20.0".
std::string FormatTenths(std::int16_t value);
// Signed hundredths: -5 -> "-0.05".
std::string FormatHundredths(std::int16_t value);
// Unsigned hundredths: 65000 -> "650.00".
std::string FormatUnsignedHundredths(std::uint16_t value);
// Unsigned thousandths: 1000 -> "1.000".
std::string FormatThousandths(std::uint16_t value);

// The decimal parsers read a number the way atof spells one: leading and
// trailing blanks, an optional sign, digits with an optional fraction and
// exponent; every ',' after the first character counts as '.'. The value is
// kept as exact decimal digits, so the rounding digit is the one the user
// typed. The whole text must be that number: "12abc" or "1,5,7" do not parse
// (a partly read entry would be written as a value nobody sees). A text that
// does not parse gives 0 and sets *parsed to false; so does an empty one.

// Text in tenths: the hundredths digit rounds a positive value up when it is
// 6 to 9; negative values are truncated toward zero. The low 16 bits of the
// result are returned (a field whose word is unsigned gets its bit pattern).
std::int16_t ParseTenths(std::string_view text, bool* parsed = nullptr);
// Same value before it is cut to 16 bits, saturated to 32 bits. The range
// checks compare this one, so that an entry too large for 16 bits is replaced
// by the maximum rather than by whatever its low 16 bits say.
std::int32_t ParseTenthsWide(std::string_view text, bool* parsed = nullptr);

// Text in hundredths: the thousandths digit rounds away from zero when it is
// 6 to 9, for both signs. Low 16 bits, as ParseTenths.
std::int16_t ParseHundredths(std::string_view text, bool* parsed = nullptr);
// Same value before it is cut to 16 bits (saturated to 32), for the unsigned
// hundredths fields up to 655.35.
std::int32_t ParseHundredthsWide(std::string_view text, bool* parsed = nullptr);

// Text in thousandths as the thousandths check reads it: three or more
// characters before the last '.' (after the comma rule) count as 65535;
// otherwise the value is truncated to thousandths and rounded up when the next
// digit is 6 to 9. Not cut to 16 bits (saturated to 32), so that a negative or
// too large entry stays out of range.
std::int32_t ParseThousandthsWide(std::string_view text, bool* parsed = nullptr);

// A decimal text as a whole number, truncated toward zero (saturated to 32
// bits): "200.0" is 200. *whole tells whether no nonzero digit was cut off.
std::int32_t ParseWholeWide(std::string_view text, bool* parsed = nullptr, bool* whole = nullptr);

// "%d" as sscanf reads it (leading blanks, optional sign, digits), but the
// whole text must be the number: trailing blanks are allowed, anything else
// ("12abc", "1.9", "1e9999") does not parse. Values beyond 32 bits saturate.
// When nothing parses, returns 0 and sets *parsed to false. Callers store the
// low 16 bits.
std::int32_t ParseInt(std::string_view text, bool* parsed = nullptr);

// The network speed list (word 49). The leading blank of the short texts makes
// the sorted combo's order the code order.
inline constexpr int kSpeedCount = 7;
inline constexpr int kDefaultSpeedCode = 4;  // "19200Bd"
const std::array<std::string_view, kSpeedCount>& SpeedTexts();
// The text of a code, nothing for a code outside the list.
std::optional<std::string_view> SpeedText(int code);

// The text field of words 40..47: character 2k in the high byte of word k.
// Unpacking stops at a zero byte, as the control cannot hold one.
std::string UnpackTextField(const std::uint16_t* words);
// Takes up to 16 bytes and pads them with blanks to 16.
void PackTextField(std::string_view bytes, std::uint16_t* words);

}  // namespace travik
