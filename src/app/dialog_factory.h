// Which procedure runs a dialog template. Dialogs not built yet have none.
#pragma once

#include <memory>

#include "ui/ui.h"

namespace travik {

std::unique_ptr<ui::DialogProc> CreateDialogProc(int template_number);

}  // namespace travik
