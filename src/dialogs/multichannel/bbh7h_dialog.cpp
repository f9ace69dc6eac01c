#include "dialogs/multichannel/bbh7h_dialog.h"

#include <algorithm>

#include "config/checks.h"
#include "config/fields.h"
#include "config/format.h"
#include "core/text.h"

namespace travik {

namespace {
constexpr int kLower = 2067, kUpper = 2068;
constexpr std::int16_t kMin = -200;  // -20.0
}  // namespace

void Bbh7hDialog::CrossFieldRules(ui::Dialog& d) {
  // The upper limit was checked with the table; while it is being typed the
  // lower limit keeps the bound it had.
  // An upper limit of -20.0 leaves no lower value below it; the lower limit
  // may then equal it rather than be corrected on every tick for ever.
  if (!d.HasFocus(kUpper)) {
    const int upper = ParseTenths(Utf8ToCp1250(d.GetText(kUpper, kNumberChars)));
    lower_max_ = static_cast<std::int16_t>(std::max<int>(upper - 1, kMin));
  }
  CheckTenths(d, kLower, lower_max_, kMin);
}

}  // namespace travik
