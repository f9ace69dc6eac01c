#include "config/checks.h"

#include <string>

#include "config/format.h"
#include "core/text.h"

namespace travik {
namespace {

constexpr std::size_t kNumberChars = 9;

std::string ReadNumber(const ui::Dialog& dialog, int id) {
  return Utf8ToCp1250(dialog.GetText(id, kNumberChars));
}

bool Replace(ui::Dialog& dialog, int id, const std::string& text) {
  dialog.SetText(id, Cp1250ToUtf8(text));
  dialog.MessageBox("Hodnota mimo rozsah", "Nastavená hodnota", ui::Icon::kInformation);
  return true;
}

// An integer field the user has just emptied to retype it.
bool EmptyWhileTyping(const ui::Dialog& dialog, int id, const std::string& text) {
  return text.empty() && dialog.HasFocus(id);
}

bool Blank(const std::string& text) {
  return text.find_first_not_of(" \t") == std::string::npos;
}

// The start of a number being typed: a sign or a point before the digits.
bool NumberStart(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return true;
  const auto last = text.find_last_not_of(" \t");
  const std::string s = text.substr(first, last - first + 1);
  return s == "-" || s == "+" || s == "." || s == "-." || s == "+.";
}

// The fixed-point checks. An empty text counts as 0; once the focus has left,
// it shows the value it counts as, so what is written is what is seen. A text
// that is no number as a whole counts as 0 as well and is replaced at once,
// except the start of a number the user is still typing.
template <typename Parse, typename Format>
bool CheckDecimal(ui::Dialog& dialog, int id, std::int32_t min, std::int32_t max, Parse parse,
                  Format format) {
  const std::string text = ReadNumber(dialog, id);
  const bool focused = dialog.HasFocus(id);
  if (focused && NumberStart(text)) return false;
  bool parsed = false;
  const std::int32_t value = parse(text, &parsed);
  if (value < min) return Replace(dialog, id, format(min));
  if (value > max) return Replace(dialog, id, format(max));
  if (Blank(text)) {
    dialog.SetText(id, Cp1250ToUtf8(format(value)));
    return true;
  }
  if (!parsed) return Replace(dialog, id, format(value));
  return false;
}

std::string Tenths(std::int32_t v) { return FormatTenths(static_cast<std::int16_t>(v)); }
std::string Thousandths(std::int32_t v) { return FormatThousandths(static_cast<std::uint16_t>(v)); }

}  // namespace

bool CheckTenths(ui::Dialog& dialog, int id, std::int16_t min, std::int16_t max) {
  return CheckDecimal(dialog, id, min, max,
                      [](const std::string& t, bool* p) { return ParseTenthsWide(t, p); }, Tenths);
}

bool CheckWholeTenths(ui::Dialog& dialog, int id, std::int16_t min, std::int16_t max) {
  if (CheckTenths(dialog, id, min, max)) return true;
  const std::string text = ReadNumber(dialog, id);
  bool parsed = false;
  bool whole = true;
  const std::int32_t value = ParseWholeWide(text, &parsed, &whole);
  if (!parsed || whole) return false;
  return Replace(dialog, id, FormatInt(value));
}

bool CheckThousandths(ui::Dialog& dialog, int id, std::uint16_t min, std::uint16_t max) {
  return CheckDecimal(dialog, id, min, max,
                      [](const std::string& t, bool* p) { return ParseThousandthsWide(t, p); },
                      Thousandths);
}

bool CheckSignedInt(ui::Dialog& dialog, int id, std::int16_t min, std::int16_t max) {
  const std::string text = ReadNumber(dialog, id);
  // A lone sign is the start of a number only while the user is typing it.
  if ((text == "-" && dialog.HasFocus(id)) || EmptyWhileTyping(dialog, id, text)) return false;
  bool parsed = false;
  const std::int32_t value = ParseInt(text, &parsed);
  if (!parsed || value < min) return Replace(dialog, id, FormatInt(min));
  if (value > max) return Replace(dialog, id, FormatInt(max));
  return false;
}

bool CheckUnsignedInt(ui::Dialog& dialog, int id, std::uint16_t min, std::uint16_t max) {
  const std::string text = ReadNumber(dialog, id);
  if (EmptyWhileTyping(dialog, id, text)) return false;
  bool parsed = false;
  const auto value = static_cast<std::uint32_t>(ParseInt(text, &parsed));
  if (!parsed || value < min) return Replace(dialog, id, FormatInt(min));
  if (value > max) return Replace(dialog, id, FormatInt(max));
  return false;
}

std::int32_t CheckWholeInt(ui::Dialog& dialog, int id, std::int32_t min, std::int32_t max,
                           std::int32_t last, bool settle) {
  const std::string text = Utf8ToCp1250(dialog.GetText(id));
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;
  const std::string_view number = std::string_view(text).substr(begin, end - begin);
  const bool sign_only = number == "-" || number == "+";
  if (!settle && (number.empty() || sign_only) && dialog.HasFocus(id)) return last;
  std::size_t digits = number.empty() || (number[0] != '-' && number[0] != '+') ? 0 : 1;
  const std::size_t first_digit = digits;
  while (digits < number.size() && number[digits] >= '0' && number[digits] <= '9') ++digits;
  if (digits == first_digit || digits != number.size()) {
    Replace(dialog, id, FormatInt(last));
    return last;
  }
  const std::int32_t value = ParseInt(number);
  if (value < min) {
    Replace(dialog, id, FormatInt(min));
    return min;
  }
  if (value > max) {
    Replace(dialog, id, FormatInt(max));
    return max;
  }
  return value;
}

}  // namespace travik
