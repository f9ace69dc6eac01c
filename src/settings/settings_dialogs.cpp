#include "settings/settings_dialogs.h"

#include <cctype>
#include <cstdio>

namespace travik {

std::optional<std::uint32_t> ParseHexIdentifier(std::string_view text) {
  text = text.substr(0, 9);
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
      i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 2])))
    i += 2;
  std::uint32_t value = 0;
  bool any = false;
  for (; i < text.size() && std::isxdigit(static_cast<unsigned char>(text[i])); ++i) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    value = value * 16 + static_cast<std::uint32_t>(c <= '9' ? c - '0' : c - 'a' + 10);
    any = true;
  }
  if (!any) return std::nullopt;
  return negative ? 0u - value : value;
}

namespace {
std::string HexText(std::uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%X", static_cast<unsigned>(value));
  return buffer;
}
}  // namespace

void UsbIdsDialog::OnInit(ui::Dialog& d) {
  d.SetText(group_, group_text_);
  d.SetText(vendor_, HexText(ids_.vendor));
  d.SetText(product_, HexText(ids_.product));
}

void UsbIdsDialog::OnCommand(ui::Dialog& d, int id, ui::Notify code) {
  if (id == ui::kIdOk) {
    // A field without a hexadecimal number keeps the identifier it had.
    if (auto v = ParseHexIdentifier(d.GetText(vendor_, 9))) ids_.vendor = *v & 0xFFFF;
    if (auto p = ParseHexIdentifier(d.GetText(product_, 9))) ids_.product = *p & 0xFFFF;
    d.End(1);
  } else if (id == ui::kIdCancel) {
    d.End(2);
  }
}

int OfflineDialog::TypeOfCommand(int id) {
  struct Row {
    int id, type;
  };
  static constexpr Row kRows[] = {
      {2, 0},   {3, 1},   {1259, 2}, {5, 3},   {6, 4},   {1260, 5}, {8, 6},   {9, 7},
      {7, 8},   {11, 9},  {12, 10},  {15, 11}, {10, 12}, {13, 13},  {14, 15}, {18, 18},
      {19, 20}, {20, 21}, {21, 22},  {22, 24}, {23, 25}, {28, 26},  {29, 27}, {24, 28},
      {25, 29}, {27, 30}, {26, 31},  {31, 32}, {32, 33}, {30, 34},  {34, 35}, {33, 36},
      {35, 37}, {39, 38}, {36, 39},  {38, 40}, {37, 41}, {40, 48},  {41, 49},
  };
  for (const auto& r : kRows)
    if (r.id == id) return r.type;
  return -1;
}

void OfflineDialog::OnCommand(ui::Dialog& d, int id, ui::Notify code) {
  if (code != ui::Notify::kClicked) return;
  const int type = TypeOfCommand(id);
  if (type < 0) return;
  G().DeviceType = static_cast<std::uint8_t>(type);
  d.End(1);
}

}  // namespace travik
