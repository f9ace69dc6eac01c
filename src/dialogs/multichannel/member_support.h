// Pieces the multi-channel member dialogs share beyond the field table: the
// active-display time list and its file record, the colour lists and the CO2
// calibration-value write.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "ui/ui.h"

namespace travik {

// "5s", "10s" … "60s": position p is 5 (p + 1) seconds.
const std::array<std::string_view, 12>& ActiveTimeTexts();
// The time record holds the combo's text; it is read by its first two
// characters ("5s" 5, "50" 50, "55" 55, "1?" 10 or 15 …). Nothing for a text
// that names no time.
std::optional<int> ActiveTimeFromRecord(std::string_view record);

// The first count colours of the colour list, one item each.
void FillColourCombo(ui::Dialog& d, int id, int count);

// ChannelFlags: the bargraph kind in bits 0-1, kept in records as five digits.
inline constexpr std::uint16_t kBargraphMask = 0x0003;
// "Žádný", "Relativní", "Absolutní", "Konstantní".
const char* BargraphKindText(int kind);
void FillBargraphCombo(ui::Dialog& d, int id);

// Sends the CO2 calibration value (command 0xF0, value big-endian) and tells
// the user; a refused command closes the dialog.
void WriteCalibrationValue(ui::Dialog& d, int edit);

}  // namespace travik
