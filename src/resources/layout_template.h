// Dialog templates of the configuration dialogs, built from their layout rows.
#pragma once

#include "dialogs/config_dialog.h"
#include "ui/template.h"

namespace travik::res {

ui::DialogTemplate TemplateFromLayout(const DialogDef& def);

}  // namespace travik::res
