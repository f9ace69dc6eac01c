// Program entry and the main window.
#pragma once

#include <iosfwd>

#include "ui/ui.h"

namespace travik {

// Sets the connection globals as at start-up and runs the main window on the
// given window layer until it is closed. Returns the message loop's code.
int RunProgram(ui::Backend& backend);

// Prints every frame exchanged and every message box to `out` (nullptr: off).
void SetTrace(std::ostream* out, ui::Backend* backend);

// Template of the configuration dialog for a device type; 0 when the type has none.
int ConfigTemplateFor(int device_type);
// Template of the automatic calibration for a device type; 0 when it has none.
int CalibrationTemplateFor(int device_type);
// Template of the values window for a device type.
int ValuesTemplateFor(int device_type);

}  // namespace travik
