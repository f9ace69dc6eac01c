#include "dialogs/multichannel/bbh7h_dialog.h"

#include <algorithm>

#include "config/checks.h"
#include "config/fields.h"
#include "config/format.h"
#include "core/globals.h"
#include "core/text.h"

namespace travik {

namespace {
constexpr int kLower = 2067, kUpper = 2068;
constexpr int kLedNo = 2087, kLedYes = 2088;
constexpr int kWordLink = 84;
constexpr std::int16_t kMin = -200;  // -20.0
}  // namespace

void Bbh7hDialog::ShowLink(ui::Dialog& d) {
  const bool linked = Working(kWordLink) != 0;
  d.Check(kLedNo, !linked);
  d.Check(kLedYes, linked);
}

void Bbh7hDialog::OnOpening(ui::Dialog& d) { ShowLink(d); }

void Bbh7hDialog::OnCommand(ui::Dialog& d, int id, ui::Notify code) {
  if (code == ui::Notify::kClicked && (id == kLedNo || id == kLedYes)) {
    Working(kWordLink) = id == kLedYes ? 1 : 0;
    return ShowLink(d);
  }
  // "Přednastavení" puts the link back to "Ne" with the family's words.
  MultiChannelDialog::OnCommand(d, id, code);
  if (code == ui::Notify::kClicked && id == def_.buttons.preset) ShowLink(d);
}

void Bbh7hDialog::CrossFieldRules(ui::Dialog& d) {
  MultiChannelDialog::CrossFieldRules(d);
  // The upper limit was checked with the table; while it is being typed the
  // lower limit keeps the bound it had. An upper limit of -20.0 leaves no
  // lower value below it: the lower may then equal it rather than be
  // corrected on every tick for ever.
  if (!d.HasFocus(kUpper)) {
    const int upper = ParseTenths(Utf8ToCp1250(d.GetText(kUpper, kNumberChars)));
    lower_max_ = static_cast<std::int16_t>(std::max<int>(upper - 1, kMin));
  }
  CheckTenths(d, kLower, kMin, lower_max_);
}

void Bbh7hDialog::AfterRead(ui::Dialog& d) {
  MultiChannelDialog::AfterRead(d);
  // Any link but 0 shows "Ano", and "Ano" is written as 1.
  Working(kWordLink) = G().ConfigImage[kWordLink] != 0 ? 1 : 0;
  ShowLink(d);
}

void Bbh7hDialog::BeforeWrite(ui::Dialog& d) {
  MultiChannelDialog::BeforeWrite(d);
  G().ConfigImage[kWordLink] = Working(kWordLink);
}

void Bbh7hDialog::BeforeSave(ui::Dialog& d, ConfigFile& file) {
  MultiChannelDialog::BeforeSave(d, file);
  PutFileDigit(file, kWordLink, Working(kWordLink));
}

void Bbh7hDialog::AfterLoad(ui::Dialog& d, const ConfigFile& file) {
  MultiChannelDialog::AfterLoad(d, file);
  if (auto digit = GetFileDigit(file, kWordLink)) Working(kWordLink) = *digit != 0 ? 1 : 0;
  ShowLink(d);
}

}  // namespace travik
