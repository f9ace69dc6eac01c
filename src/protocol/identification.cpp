#include "protocol/identification.h"

#include <cstring>

#include "core/globals.h"
#include "core/text.h"

namespace travik {
namespace {

struct IdRow {
  const char* prefix;
  int type;
};

// Where one prefix extends another (BBH7Q/BBH7QS, UCRGJ6Y/UCRGJ6YA,
// UCRGQ/UCRGQR), the longer one wins.
constexpr IdRow kIdRows[] = {
    {"NSC", 0},       {"NSF", 1},      {"BBA", 2},      {"EHA9", 3},      {"U-U7", 4},
    {"NRXU", 5},      {"KDB ", 6},     {"NRGN", 7},     {"KFX", 8},       {"NWYJ", 9},
    {"NWYT", 10},     {"NDEUP", 11},   {"NDEUL", 12},   {"BBH7T", 13},    {"JBC3S", 15},
    {"BBH7Q", 16},    {"JBC3K", 17},   {"BBH7H", 18},   {"JBC3G", 19},    {"E-TG6XK6", 20},
    {"E-GET9", 21},   {"BBH8L", 22},   {"JBC7X", 23},   {"NQAZ", 24},     {"MZP", 25},
    {"NQKZ", 26},     {"MJD", 27},     {"LDRS", 28},    {"NBBS", 29},     {"NBBV", 30},
    {"BBH7QS", 31},   {"UCVWW7Q", 32}, {"UCMXB7K", 33}, {"UCRGJ6Y", 34},  {"UCRGJ6YA", 35},
    {"UCBCN7U", 36},  {"UCVWC", 37},   {"UCMXH", 38},   {"UCRGQ", 39},    {"UCRGQR", 40},
    {"UCBCM", 41},    {"N3tNT", 48},   {"KDB7", 49},
};

struct ModelRow {
  int type;
  const char* name;
};

constexpr ModelRow kModels[] = {
    {0, "NSC"},     {1, "NSF"},       {2, "BBA"},     {3, "EHA9"},     {4, "UU5"},
    {5, "NRXU"},    {6, "KDB"},       {7, "NRGN"},    {8, "KFX"},      {9, "NWYJ"},
    {10, "NWYT"},   {11, "NDEUP"},    {12, "NDEUL"},  {13, "BBH7T"},   {15, "JBC3S"},
    {16, "BBH7Q"},  {17, "JBC3K"},    {18, "BBH7H"},  {19, "JBC3G"},   {20, "E-TG6XK6"},
    {21, "E-GET9"}, {22, "BBH8L"},    {23, "JBC7X"},  {24, "NQAZ"},    {25, "MZP"},
    {26, "NQKZ"},   {27, "MJD"},      {28, "LDRS"},   {29, "NBBSZ"},   {30, "NBBVK"},
    {31, "BBH7QS"}, {32, "UC-VWW"},   {33, "UC-MXB"}, {34, "UC-RGJ"},  {35, "UC-RGJ-H"},
    {36, "UC-BCN"}, {37, "UC-VWC"},   {38, "UC-MXH"}, {39, "UC-RGQ"},  {40, "UC-RGQ-A"},
    {41, "UC-BCM"}, {48, "N3tNT"},    {49, "KDB7DY"},
};

}  // namespace

const char* MinimumFirmware(int type) {
  if (type == 0 || type == 2) return "00.00.24";
  if (type == 1) return "00.00.08";
  if (type == 3) return "00.00.10";
  if (type == 4) return "00.00.03";
  if ((type >= 5 && type <= 13) || (type >= 15 && type <= 41) || type == 48 || type == 49)
    return "00.00.00";
  return nullptr;
}

std::vector<std::string> IdPrefixes(int device_type) {
  std::vector<std::string> prefixes;
  for (const auto& row : kIdRows)
    if (row.type == device_type) prefixes.emplace_back(row.prefix);
  return prefixes;
}

std::string RecordText(const std::uint8_t* bytes, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count && bytes[i] != 0; ++i) text += static_cast<char>(bytes[i]);
  return "  " + Cp1250ToUtf8(text);
}

int DeviceTypeOfId(std::string_view id_text) {
  // Only the first eight ID characters take part.
  id_text = id_text.substr(0, 8);
  int best = -1;
  std::size_t best_length = 0;
  for (const auto& row : kIdRows) {
    const std::size_t n = std::strlen(row.prefix);
    if (n <= id_text.size() && id_text.compare(0, n, row.prefix) == 0 && n > best_length) {
      best = row.type;
      best_length = n;
    }
  }
  return best;
}

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

std::string ModelName(int device_type) {
  for (const auto& m : kModels)
    if (m.type == device_type) return m.name;
  return {};
}

}  // namespace travik
