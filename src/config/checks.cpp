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

}  // namespace travik
