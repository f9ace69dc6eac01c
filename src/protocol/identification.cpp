#include "protocol/identification.h"

#include "core/globals.h"
#include "core/models.h"
#include "core/text.h"

namespace travik {

const char* MinimumFirmware(int type) { return ModelOf(type).minimum_firmware; }

std::vector<std::string> IdPrefixes(int device_type) {
  std::vector<std::string> prefixes;
  for (const char* prefix : ModelOf(device_type).id_prefixes)
    if (prefix != nullptr) prefixes.emplace_back(prefix);
  return prefixes;
}

std::string RecordText(const std::uint8_t* bytes, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count && bytes[i] != 0; ++i) text += static_cast<char>(bytes[i]);
  return "  " + Cp1250ToUtf8(text);
}

int DeviceTypeOfId(std::string_view id_text) { return ModelTypeOfId(id_text); }

void IdentifyDevice() {
  const auto& id = G().DeviceIdText;
  std::size_t n = 0;
  while (n < 8 && id[2 + n] != '\0') ++n;
  const int type = DeviceTypeOfId(std::string_view(id.data() + 2, n));
  if (type >= 0) G().DeviceType = static_cast<std::uint8_t>(type);
}

void FillIdentification() {
  auto& g = G();
  g.DeviceIdText.fill(0);
  g.DeviceIdText[0] = ' ';
  g.DeviceIdText[1] = ' ';
  for (int i = 0; i < 16; ++i) g.DeviceIdText[2 + i] = static_cast<char>(g.InputReport[1 + i]);
  IdentifyDevice();
  g.FirmwareText.fill(0);
  g.FirmwareText[0] = ' ';
  g.FirmwareText[1] = ' ';
  for (int i = 0; i < 8; ++i) g.FirmwareText[2 + i] = static_cast<char>(g.InputReport[17 + i]);
  static constexpr int kDigitBytes[6] = {17, 18, 20, 21, 23, 24};
  for (int i = 0; i < 6; ++i)
    g.FirmwareDigits[i] = static_cast<std::uint8_t>(g.InputReport[kDigitBytes[i]] - 0x30);
}

bool FirmwareIsCurrent() {
  const char* minimum = MinimumFirmware(G().DeviceType);
  if (minimum == nullptr) return false;
  const char* version = G().FirmwareText.data() + 2;
  static constexpr int kPositions[6] = {0, 1, 3, 4, 6, 7};
  for (int k = 0; k < 6; ++k) {
    const int p = kPositions[k];
    // A leading 'b' marks a beta build and counts as the minimum's first digit.
    if (p == 0 && version[0] == 'b') continue;
    const auto have = static_cast<std::int8_t>(version[p]);
    const auto need = static_cast<std::int8_t>(minimum[p]);
    if (have < need) return false;
    if (have > need) return true;
  }
  return true;
}

std::string ModelName(int device_type) { return ModelOf(device_type).name; }

}  // namespace travik
