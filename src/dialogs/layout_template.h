// Dialog templates of the configuration dialogs, built from their layout rows.
#pragma once

#include <vector>

#include "dialogs/config_dialog.h"
#include "ui/template.h"

namespace travik::res {

ui::DialogTemplate TemplateFromLayout(const DialogDef& def);

// The compact family's templates, one per table.
std::vector<ui::DialogTemplate> CompactTemplates();

}  // namespace travik::res
