#include "dialogs/multichannel/member_support.h"

#include <string>

#include "config/fields.h"
#include "config/format.h"
#include "core/text.h"
#include "protocol/frames.h"

namespace travik {

const std::array<std::string_view, 12>& ActiveTimeTexts() {
  static constexpr std::array<std::string_view, 12> texts = {
      "5s", "10s", "15s", "20s", "25s", "30s", "35s", "40s", "45s", "50s", "55s", "60s"};
  return texts;
}

std::optional<int> ActiveTimeFromRecord(std::string_view record) {
  if (record.empty()) return std::nullopt;
  const char first = record[0];
  const char second = record.size() > 1 ? record[1] : '\0';
  switch (first) {
    case '1':
    case '2':
    case '3':
    case '4': return 10 * (first - '0') + (second == '0' ? 0 : 5);
    case '5':
      if (second == 's') return 5;
      return second == '0' ? 50 : 55;
    case '6': return 60;
    default: return std::nullopt;
  }
}

void FillColourCombo(ui::Dialog& d, int id, int count) {
  d.ComboReset(id);
  for (int i = 0; i < count; ++i) d.ComboAdd(id, std::to_string(i));
}

const char* BargraphKindText(int kind) {
  static constexpr const char* texts[] = {"Žádný", "Relativní", "Absolutní", "Konstantní"};
  return texts[kind & kBargraphMask];
}

void FillBargraphCombo(ui::Dialog& d, int id) {
  d.ComboReset(id);
  for (int kind = 0; kind < 4; ++kind) d.ComboAdd(id, BargraphKindText(kind));
}

void WriteCalibrationValue(ui::Dialog& d, int edit) {
  const auto value = static_cast<std::uint16_t>(ParseInt(Utf8ToCp1250(d.GetText(edit, kNumberChars))));
  FrameCalibrationValue(value);
  if (SendCommandRemembered(1)) {
    d.MessageBox("Kalibrační data zapsána", "SET info", ui::Icon::kInformation);
    return;
  }
  d.MessageBox("Chyba při zápisu kalbračních dat", "SET info", ui::Icon::kError);
  d.PostClose();
}

}  // namespace travik
