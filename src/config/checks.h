// Live range checks of the configuration dialogs, run on every timer tick.
// Each reads the control's text (at most 9 characters) and, when the value is
// outside [min, max], writes the violated limit into the control and shows
// "Hodnota mimo rozsah". A value inside the limits leaves the control as the
// user typed it. Each returns true when it replaced the text.
#pragma once

#include <cstdint>

#include "ui/ui.h"

namespace travik {

// Fixed point in tenths. An empty field counts as 0 and, once the focus has
// left it, shows that value ("0.0", no message when it is in range). A text
// that is not a number as a whole counts as 0 and is replaced with the
// message; a lone sign or point is left alone while the field has the focus.
bool CheckTenths(ui::Dialog& dialog, int id, std::int16_t min, std::int16_t max);

// A whole number checked with the tenths rule (limits in tenths, replacements
// "200.0"), whose fraction must be zero: "150.7" is replaced by "150" with
// the message, so that the shown text is the number written.
bool CheckWholeTenths(ui::Dialog& dialog, int id, std::int16_t min, std::int16_t max);

// Fixed point in thousandths, unsigned; empty and unparsable texts as in
// CheckTenths.
bool CheckThousandths(ui::Dialog& dialog, int id, std::uint16_t min, std::uint16_t max);

// "%d", compared signed. A lone "-" is a minus sign being typed and is left
// alone. A text that does not parse counts as below the minimum, except an
// empty field that has the keyboard focus: the user has just cleared it to
// type a new value. Once the focus leaves, an empty field gets the minimum.
bool CheckSignedInt(ui::Dialog& dialog, int id, std::int16_t min, std::int16_t max);

// "%d", compared as unsigned 32-bit against the limits (so "-1" is above any
// maximum). Unparsable and empty texts as in CheckSignedInt.
bool CheckUnsignedInt(ui::Dialog& dialog, int id, std::uint16_t min, std::uint16_t max);

// "%d" for a value that goes to a device the moment it is written: a whole
// number past a limit gets the limit; text that is no whole number (letters,
// a fraction, a lone sign, an emptied field) gets `last` back, so nothing is
// sent that the field did not show. An empty field or lone sign with the focus
// is left alone while it is retyped, unless `settle` (the write itself).
// Returns the value the field shows afterwards.
std::int32_t CheckWholeInt(ui::Dialog& dialog, int id, std::int32_t min, std::int32_t max,
                           std::int32_t last, bool settle);

}  // namespace travik
