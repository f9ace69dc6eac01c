#include "core/models.h"

#include <cstring>

namespace travik {
namespace {

using L = ValuesLayoutId;
using C = CalibrationKind;

// Configuration templates are the resource numbers of the dialogs
// (src/resources); the dialog factory finds each one's table.
constexpr Model kModels[] = {
    {.type = 0, .name = "NSC", .id_prefixes = {"NSC"}, .minimum_firmware = "00.00.24",
     .config_template = 105, .sample_firmware = "00.00.31"},
    {.type = 1, .name = "NSF", .id_prefixes = {"NSF"}, .minimum_firmware = "00.00.08",
     .config_template = 110, .calibration = C::kNone, .sample_firmware = "00.00.12"},
    {.type = 2, .name = "BBA", .id_prefixes = {"BBA"}, .minimum_firmware = "00.00.24",
     .config_template = 111, .sample_firmware = "00.00.27"},
    {.type = 3, .name = "EHA9", .id_prefixes = {"EHA9"}, .minimum_firmware = "00.00.10",
     .config_template = 112, .values_window = ValuesWindow::kOutputModule, .sample_firmware = "00.00.15"},
    {.type = 4, .name = "UU5", .id_prefixes = {"U-U7"}, .minimum_firmware = "00.00.03",
     .config_template = 113, .values_layout = L::kFrequency, .sample_firmware = "00.00.07"},
    {.type = 5, .name = "NRXU", .id_prefixes = {"NRXU"}, .config_template = 123,
     .values_layout = L::kCo2Climate, .calibration = C::kNone, .sample_firmware = "00.01.05"},
    {.type = 6, .name = "KDB", .id_prefixes = {"KDB "}, .config_template = 130,
     .values_layout = L::kCo2Climate, .calibration = C::kNone, .sample_firmware = "00.01.05"},
    {.type = 7, .name = "NRGN", .id_prefixes = {"NRGN"}, .config_template = 131,
     .values_layout = L::kCo2Only, .calibration = C::kNone, .sample_firmware = "00.01.02"},
    {.type = 8, .name = "KFX", .id_prefixes = {"KFX"}, .config_template = 132, .values_layout = L::kCo2Only,
     .calibration = C::kNone, .sample_firmware = "00.01.02"},
    {.type = 9, .name = "NWYJ", .id_prefixes = {"NWYJ"}, .config_template = 126,
     .values_layout = L::kAirSpeed, .sample_firmware = "00.01.04"},
    {.type = 10, .name = "NWYT", .id_prefixes = {"NWYT"}, .config_template = 125,
     .values_layout = L::kAirSpeed, .calibration = C::kNone, .sample_firmware = "00.01.04"},
    {.type = 11, .name = "NDEUP", .id_prefixes = {"NDEUP"}, .config_template = 142,
     .values_layout = L::kIlluminance, .sample_firmware = "00.01.01"},
    {.type = 12, .name = "NDEUL", .id_prefixes = {"NDEUL"}, .config_template = 127,
     .values_layout = L::kIlluminance, .calibration = C::kNone, .sample_firmware = "00.01.01"},
    {.type = 13, .name = "BBH7T", .id_prefixes = {"BBH7T"}, .config_template = 133, .calibration = C::kNone,
     .sample_firmware = "00.02.00"},
    {.type = 15, .name = "JBC3S", .id_prefixes = {"JBC3S"}, .config_template = 135,
     .values_layout = L::kTemperatureOnly, .calibration = C::kNone, .sample_firmware = "00.01.03"},
    {.type = 16, .name = "BBH7Q", .id_prefixes = {"BBH7Q"}, .sample_firmware = "00.02.00"},
    {.type = 17, .name = "JBC3K", .id_prefixes = {"JBC3K"}, .sample_firmware = "00.01.03"},
    {.type = 18, .name = "BBH7H", .id_prefixes = {"BBH7H"}, .config_template = 138,
     .values_layout = L::kPotentiometer, .calibration = C::kNone, .sample_firmware = "00.02.01"},
    {.type = 19, .name = "JBC3G", .id_prefixes = {"JBC3G"}, .sample_firmware = "00.01.03"},
    {.type = 20, .name = "E-TG6XK6", .id_prefixes = {"E-TG6XK6"}, .sample_firmware = "00.01.00"},
    {.type = 21, .name = "E-GET9", .id_prefixes = {"E-GET9"}, .config_template = 141,
     .values_layout = L::kRmsCurrent, .sample_firmware = "00.01.06"},
    {.type = 22, .name = "BBH8L", .id_prefixes = {"BBH8L"}, .config_template = 145, .calibration = C::kNone,
     .sample_firmware = "00.02.02"},
    {.type = 23, .name = "JBC7X", .id_prefixes = {"JBC7X"}, .sample_firmware = "00.01.00"},
    {.type = 24, .name = "NQAZ", .id_prefixes = {"NQAZ"}, .config_template = 146,
     .values_layout = L::kTvoc5, .calibration = C::kNone, .sample_firmware = "00.01.05"},
    {.type = 25, .name = "MZP", .id_prefixes = {"MZP"}, .config_template = 147, .values_layout = L::kTvoc5,
     .calibration = C::kNone, .sample_firmware = "00.01.05"},
    {.type = 26, .name = "NQKZ", .id_prefixes = {"NQKZ"}, .config_template = 155,
     .values_layout = L::kTvocOnly, .calibration = C::kNone, .sample_firmware = "00.01.05"},
    {.type = 27, .name = "MJD", .id_prefixes = {"MJD"}, .config_template = 156,
     .values_layout = L::kTvocOnly, .calibration = C::kNone, .sample_firmware = "00.01.05"},
    {.type = 28, .name = "LDRS", .id_prefixes = {"LDRS"}, .config_template = 148, .calibration = C::kNone,
     .sample_firmware = "00.01.08"},
    {.type = 29, .name = "NBBSZ", .id_prefixes = {"NBBS"}, .config_template = 149,
     .values_layout = L::kDust, .calibration = C::kNone, .sample_firmware = "00.01.09"},
    {.type = 30, .name = "NBBVK", .id_prefixes = {"NBBV"}, .config_template = 150,
     .values_layout = L::kParticles, .calibration = C::kNone, .sample_firmware = "00.01.09"},
    {.type = 31, .name = "BBH7QS", .id_prefixes = {"BBH7QS"}, .config_template = 151,
     .calibration = C::kNone, .sample_firmware = "00.02.00"},
    {.type = 32, .name = "UC-VWW", .id_prefixes = {"UCVWW7Q"}, .config_template = 152,
     .calibration = C::kNone, .sample_firmware = "00.03.01"},
    {.type = 33, .name = "UC-MXB", .id_prefixes = {"UCMXB7K"}, .config_template = 153,
     .calibration = C::kNone, .sample_firmware = "00.03.01"},
    {.type = 34, .name = "UC-RGJ", .id_prefixes = {"UCRGJ6Y"}, .config_template = 154,
     .values_layout = L::kCo2Climate, .calibration = C::kNone, .sample_firmware = "00.03.02"},
    {.type = 35, .name = "UC-RGJ-H", .id_prefixes = {"UCRGJ6YA"}, .config_template = 158,
     .values_layout = L::kCo2Climate, .calibration = C::kNone, .sample_firmware = "00.03.02"},
    {.type = 36, .name = "UC-BCN", .id_prefixes = {"UCBCN7U"}, .config_template = 157,
     .values_layout = L::kTvoc7, .calibration = C::kNone, .sample_firmware = "00.03.00"},
    {.type = 37, .name = "UC-VWC", .id_prefixes = {"UCVWC"}, .config_template = 159,
     .sample_firmware = "00.03.01"},
    {.type = 38, .name = "UC-MXH", .id_prefixes = {"UCMXH"}, .config_template = 163,
     .sample_firmware = "00.03.01"},
    {.type = 39, .name = "UC-RGQ", .id_prefixes = {"UCRGQ"}, .config_template = 160,
     .values_layout = L::kCo2Climate, .sample_firmware = "00.03.02"},
    {.type = 40, .name = "UC-RGQ-A", .id_prefixes = {"UCRGQR"}, .config_template = 162,
     .values_layout = L::kCo2Climate, .sample_firmware = "00.03.02"},
    {.type = 41, .name = "UC-BCM", .id_prefixes = {"UCBCM"}, .config_template = 161,
     .values_layout = L::kTvoc7, .sample_firmware = "00.03.00"},
    {.type = 48, .name = "N3tNT", .id_prefixes = {"N3tNT"}, .config_template = 164,
     .values_layout = L::kTemperatureOnly, .calibration = C::kInputs, .sample_firmware = "00.01.05"},
    {.type = 49, .name = "KDB7DY", .id_prefixes = {"KDB7"}, .config_template = 337,
     .values_layout = L::kCo2Climate, .calibration = C::kNone, .sample_firmware = "00.01.07"},
};

}  // namespace

std::span<const Model> Models() { return kModels; }

const Model& ModelOf(int device_type) {
  for (const Model& m : kModels)
    if (m.type == device_type) return m;
  // What the program did for a code no model has: no dialog, no name.
  static constexpr Model kUnknown{.minimum_firmware = nullptr};
  return kUnknown;
}

int ModelTypeOfId(std::string_view id_text) {
  id_text = id_text.substr(0, 8);
  int best = -1;
  std::size_t best_length = 0;
  for (const Model& m : kModels) {
    for (const char* prefix : m.id_prefixes) {
      if (prefix == nullptr) continue;
      const std::size_t n = std::strlen(prefix);
      if (n <= id_text.size() && id_text.compare(0, n, prefix) == 0 && n > best_length) {
        best = m.type;
        best_length = n;
      }
    }
  }
  return best;
}

}  // namespace travik
