// Every template of the program: the data tables of src/resources and the
// configuration dialogs' templates built from their tables here. The window
// layer gets this lookup handed in (ui::SetTemplateLookup).
#pragma once

#include <vector>

#include "ui/template.h"

namespace travik {

// nullptr for an unknown number.
const ui::DialogTemplate* ProgramTemplate(int number);
// Every template number, in order (the translators' extractor walks them).
std::vector<int> ProgramTemplateNumbers();

}  // namespace travik
