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

}  // namespace

bool CheckTenths(ui::Dialog& dialog, int id, std::int16_t max, std::int16_t min) {
  const std::int32_t value = ParseTenthsWide(ReadNumber(dialog, id));
  if (value < min) return Replace(dialog, id, FormatTenths(min));
  if (value > max) return Replace(dialog, id, FormatTenths(max));
  return false;
}

bool CheckThousandths(ui::Dialog& dialog, int id, std::uint16_t max, std::uint16_t min) {
  const std::int32_t value = ParseThousandthsWide(ReadNumber(dialog, id));
  if (value < min) return Replace(dialog, id, FormatThousandths(min));
  if (value > max) return Replace(dialog, id, FormatThousandths(max));
  return false;
}

bool CheckSignedInt(ui::Dialog& dialog, int id, std::int16_t max, std::int16_t min) {
  const std::string text = ReadNumber(dialog, id);
  if (text == "-" || EmptyWhileTyping(dialog, id, text)) return false;
  bool parsed = false;
  const std::int32_t value = ParseInt(text, &parsed);
  if (!parsed || value < min) return Replace(dialog, id, FormatInt(min));
  if (value > max) return Replace(dialog, id, FormatInt(max));
  return false;
}

bool CheckUnsignedInt(ui::Dialog& dialog, int id, std::uint16_t max, std::uint16_t min) {
  const std::string text = ReadNumber(dialog, id);
  if (EmptyWhileTyping(dialog, id, text)) return false;
  bool parsed = false;
  const auto value = static_cast<std::uint32_t>(ParseInt(text, &parsed));
  if (!parsed || value < min) return Replace(dialog, id, FormatInt(min));
  if (value > max) return Replace(dialog, id, FormatInt(max));
  return false;
}

std::int32_t CheckWholeInt(ui::Dialog& dialog, int id, std::int32_t max, std::int32_t min,
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
